#pragma once
// Numbers and letters drawn in the cells of the linear-structure views: the font height at
// which the texts of a view fit their cells (a value never loses its sign or a digit), and
// a text as it can be read once drawn in a clipped cell (what a view says in words).
#include <QString>
#include <QStringList>

#include "platform/Font.h"

// The largest height, at most height and at least 1, at which every one of texts is at most
// width pixels wide in font; a height in the sense font's own Height has (below zero the
// em, above zero the cell).
int FittingHeight(TFont font, const QStringList& texts, int width, int height);

// The characters of text, drawn in font from x, that lie whole between left and right
// (right excluded): what a reader sees of it in a cell clipped there.
QString VisibleText(const TFont& font, const QString& text, int x, int left, int right);

