#pragma once
// Where a window that tells about a drawing (a placement found, a packing, a message) opens,
// so that the drawing stays in view while it is open. Beside: at the right edge of the
// demonstration window, level with the drawing's top; right for one drawing docked on the
// left, where the window covers the shell's algorithm and variable windows instead. Clear of:
// where it hides the fewest of several drawings' nodes, then covers the least of the
// drawings, nearest the middle of the demonstration window among such places; for a drawing
// across the top, or a list beside its stack. Both keep to the demonstration window, and go
// there again when it is resized while they are open.
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;
class TForm;

// The top-left corner of a window of that frame size: at the right edge of the area, at the
// drawing's top, the whole window in the area.
QPoint BesidePlace(const QRect& drawing, QSize window, const QRect& area);

// The top-left corner for a window of frame size in area, drawings and the boxes of their
// nodes in the same pixels: where it hides the fewest nodes (the least of them), then covers
// the least of the drawings.
QPoint PlaceClearOf(QSize frame, const QList<QRect>& drawings, const QRect& area, const QList<QRect>& nodes = {});

// The top-left corner for a window of frame size in area over a drawing too large to stand
// beside (all in the same pixels): the place that covers the fewest of the drawing's nodes
// (boxes it reports), then the nearest to where BesidePlace puts it; never above the
// drawing's top (the shell's toolbar stays in view).
QPoint PlaceClearOfNodes(QSize frame, const QList<QRect>& nodes, const QRect& drawing, const QRect& area);

// Size window for this screen and put it at one of those places in the window it opens over,
// as the drawings stand at each show (PlaceForScreen).
void PlaceBeside(TForm& window, const QWidget& drawing);
// Beside the drawing where the window it opens over has room for it, else over the drawing
// where it hides none of its nodes, or the fewest (the kit controls' node shapes shown in it),
// at the drawing's top or lower.
void PlaceBesideNodes(TForm& window, const QWidget& drawing);
// The width right of the drawing's rightmost node up to the right edge of the window it stands
// in, in screen pixels (the width of a window that would hide none of them standing at that
// edge).
int RoomRightOfNodes(const QWidget& drawing);
void MoveClearOf(TForm& window, const QList<const QWidget*>& drawings);
