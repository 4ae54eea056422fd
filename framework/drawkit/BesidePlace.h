#pragma once
// Where a window that tells about a drawing (a placement found, a packing, a message) opens,
// so that the drawing stays in view while it is open. Beside: at the right edge of the
// demonstration window, level with the drawing's top; right for one drawing docked on the
// left, where the window covers the shell's algorithm and variable windows instead. Clear of:
// where it covers the least of several drawings, nearest the middle of the demonstration
// window among such places; for a drawing across the top, or a list beside its stack. Both
// keep to the demonstration window, and go there again when it is resized while they are
// open.
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;
class TForm;

// The top-left corner of a window of that frame size: at the right edge of the area, at the
// drawing's top, the whole window in the area.
QPoint BesidePlace(const QRect& drawing, QSize window, const QRect& area);

// The top-left corner for a window of frame size in area, drawings in the same pixels.
QPoint PlaceClearOf(QSize frame, const QList<QRect>& drawings, const QRect& area);

// Size window for this screen and put it at one of those places in the window it opens over,
// as the drawings stand at each show (PlaceForScreen).
void PlaceBeside(TForm& window, const QWidget& drawing);
void MoveClearOf(TForm& window, const QList<const QWidget*>& drawings);
