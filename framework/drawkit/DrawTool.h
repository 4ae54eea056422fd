#pragma once
// The drawing routines every picture of the program is made of: raised and sunken frames,
// 3D lines drawn as a line plus a one-pixel companion line, arrows with a two-stroke head,
// arcs lit from the upper left and text with a drop shadow. They hold no state; they leave
// the pen colour (and TextOutShadow the font colour) as they set it.
//
// Coordinates are canvas pixels; angles are radians anticlockwise from three o'clock with
// y pointing down (a point at angle t lies at (cx + r cos t, cy - r sin t)).
#include <QPoint>
#include <array>
#include <vector>

namespace drawtool {

// The arithmetic behind the routines, kept apart so that it can be checked on its own.

// The colour swap of the 3D lines: true when a line from (0, 0) to (dx, dy) is drawn with
// its two colours exchanged (so that the lit side stays up and left whatever the direction).
bool ShadeSwapped(int dx, int dy);

// Where the companion line of a 3D line lies: one pixel beside it (each of x, y is -1, 0, 1).
QPoint CompanionOffset(int dx, int dy);

// The two end points of an arrow head at tip, the head opening back toward (x1, y1) along the
// line (x1, y1) -> (x2, y2); first for +22.5 degrees, then for -22.5 degrees; length 9.
std::array<QPoint, 2> ArrowHeadEnds(int x1, int y1, int x2, int y2, QPoint tip);

// One part of a shaded arc: the angles it spans and whether it takes the upper-left colour.
struct ArcPart {
  double from = 0;
  double to = 0;
  bool upperLeft = false;
};
// The coloured parts of the arc startAngle .. endAngle, in drawing order.
std::vector<ArcPart> ArcParts(double startAngle, double endAngle);

}  // namespace drawtool
