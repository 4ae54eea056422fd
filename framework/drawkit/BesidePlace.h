#pragma once
// Where a window that tells about a drawing (a placement found, a packing, a message) opens,
// so that the drawing stays in view while it is open. Beside: at the screen's right edge,
// level with the drawing's top; right for one drawing docked on the left, where the window
// covers the shell's algorithm and variable windows instead. Clear of: where it covers the
// least of several drawings, nearest the middle of the screen among such places; for a
// drawing across the top, or a list beside its stack.
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;
class TForm;

// The top-left corner of a window of that frame size: at the right edge of the screen, at
// the drawing's top, the whole window on the screen.
QPoint BesidePlace(const QRect& drawing, QSize window, QSize screen);

// The top-left corner for a window of frame size on screen, drawings in screen pixels.
QPoint PlaceClearOf(QSize frame, const QList<QRect>& drawings, const QRect& screen);

// Size window for this screen and put it at one of those places, keeping that place when it
// is shown (PlaceForScreen).
void PlaceBeside(TForm& window, const QWidget& drawing);
void MoveClearOf(TForm& window, const QList<const QWidget*>& drawings);
