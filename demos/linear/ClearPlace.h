#pragma once
// A message window opens beside the drawings rather than over them: where it covers the least
// of the drawing windows, nearest the middle of the screen among such places. (PlaceBeside,
// framework/drawkit/BesidePlace.h, takes the screen's right edge: right for one drawing docked
// on the left, not for one across the top or a list beside its stack.)
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;
class TForm;

// The top-left corner for a window of frame size on screen, drawings in screen pixels.
QPoint PlaceClearOf(QSize frame, const QList<QRect>& drawings, const QRect& screen);
// Sizes window for the screen and moves it clear of the drawing windows; the modal hosts keep
// that place when it shows.
void MoveClearOf(TForm& window, const QList<const QWidget*>& drawings);
