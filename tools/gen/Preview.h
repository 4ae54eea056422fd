#pragma once
// Pictures for a person to look at while drawing: contact sheets and stretched backdrops.
#include <QString>

namespace gen {

// Writes into dir: scenes.png (pictures put together as the windows show them), sheet.png (every
// picture, small ones enlarged, see-through pixels shown over a light backdrop, with name and
// size), sheet-<n>.png (the same in pages of 30) and the theme backdrops stretched to 1920 x 1080
// and 1024 x 768 with sample text over them.
bool WritePreview(const QString& dir, QString* error);

}  // namespace gen
