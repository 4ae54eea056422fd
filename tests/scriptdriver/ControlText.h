#pragma once
// "print text NAME": the text a control shows, as the user reads it. Edits give their text,
// labels, panels and buttons their caption (without "&"), spin boxes and sliders their
// number, combo boxes the chosen item, tab bars their tabs and tree views their items (" | "
// between them), string grids their rows (" | " between rows, one blank between cells), kit
// controls what they say they show (TKitControl), pictures and painted tables their
// description, windows their caption. Any other control cannot be read: nullopt, which the
// driver reports as a script error naming it.
#include <QString>
#include <optional>

class QWidget;

namespace script {

std::optional<QString> ShownText(const QWidget& control);

}  // namespace script
