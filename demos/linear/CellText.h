#pragma once
// Numbers and letters drawn in the cells of the linear-structure views: a text as it can be
// read once drawn in a clipped cell (what a view says in words).
#include <QString>

#include "platform/Font.h"

// The characters of text, drawn in font from x, that lie whole between left and right
// (right excluded): what a reader sees of it in a cell clipped there.
QString VisibleText(const TFont& font, const QString& text, int x, int left, int right);

