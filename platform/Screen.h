#pragma once
// Screen size from one place. The program reads the primary screen; tests and the
// scripted driver fix a size. Geometry code takes sizes as parameters instead of
// calling this where it can, so it can be tested at any size.
#include <QSize>

namespace screen {

QSize Size();
int Width();
int Height();
void SetFixedSize(QSize size);  // an empty size returns to the real screen

}  // namespace screen
