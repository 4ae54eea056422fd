#pragma once
// Where a window that tells about a drawing (a placement found, a packing) opens: at the
// screen's right edge, level with the drawing's top. A drawing docked on the left then stays
// in view while the window is open; the window covers the shell's algorithm and variable
// windows instead.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;
class TForm;

// The top-left corner of a window of that frame size: at the right edge of the screen, at
// the drawing's top, the whole window on the screen.
QPoint BesidePlace(const QRect& drawing, QSize window, QSize screen);

// Sizes window for this screen and puts it there, keeping that place when it is shown
// (PlaceForScreen).
void PlaceBeside(TForm& window, const QWidget& drawing);
