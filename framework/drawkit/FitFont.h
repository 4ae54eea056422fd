#pragma once
// Texts drawn into boxes and cells keep every character: the font shrinks until the widest of
// them fits its room.
#include <QStringList>
#include <limits>

#include "platform/Font.h"

// No bound on the height: only the width counts.
inline constexpr int kAnyHeight = std::numeric_limits<int>::max();

// font at the largest height, no higher than its own and never below least, at which every
// one of texts is at most width pixels wide and at most height pixels high (least when none
// fits; a font already no higher than least stays as it is). The height keeps its sense: below
// zero the em, above zero the cell.
TFont FitFont(TFont font, const QStringList& texts, int width, int height = kAnyHeight, int least = 1);
