#pragma once
// The drawing routines every picture of the program is made of: raised and sunken frames,
// 3D lines drawn as a line plus a one-pixel companion line, arrows with a two-stroke head,
// arcs lit from the upper left and text with a drop shadow. They hold no state; they leave
// the pen colour (and TextOutShadow the font colour) as they set it.
//
// Coordinates are canvas pixels; angles are radians anticlockwise from three o'clock with
// y pointing down (a point at angle t lies at (cx + r cos t, cy - r sin t)).
#include <QPoint>
#include <QString>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Color.h"

// Fills the canvas's clip rectangle in color; the brush and pen colours are restored.
void FillCanvasColor(TCanvas& canvas, TColor color);

// Text in black one pixel down and right, then in color at (x, y). The canvas's text
// alignment and background mode apply; the font colour is left at color.
void TextOutShadow(TCanvas& canvas, int x, int y, const QString& text, TColor color);

// Text in color with a one-pixel outline in black or white, whichever stands further from it, so
// that it reads on any ground, a dotted stripe or the backdrop's sky; the font colour is left
// at color.
void TextOutOutlined(TCanvas& canvas, int x, int y, const QString& text, TColor color);

// A one-pixel frame; right and bottom are exclusive. Left and top edges in topLeft, right and
// bottom edges in bottomRight: (clGray, clWhite) is sunken, (clWhite, clGray) raised.
void Frame3D(TCanvas& canvas, int left, int top, int right, int bottom, TColor topLeft,
             TColor bottomRight);
// depth frames around r, each one pixel further out; depth below 1 draws nothing.
void Frame3DRings(TCanvas& canvas, const TRect& r, int depth, TColor topLeft, TColor bottomRight);

// A line in color and, when shaded, a companion line one pixel beside it in shade. The two
// colours are exchanged for lines running right, up, or up and left, so that a line looks lit
// from the upper left whichever way it is drawn.
void DrawLine3D(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color, TColor shade,
                bool shaded);
// DrawLine3D (shaded) along the points; fewer than two points draw nothing.
void DrawPolyline3D(TCanvas& canvas, std::span<const TPoint> points, TColor color, TColor shade);
// The polyline shifted by (offset, offset) in shadow, then in place in color.
void DrawShadowedPolyline(TCanvas& canvas, int offset, std::span<const TPoint> points,
                          TColor color, TColor shadow);

// A one-pixel line with a two-stroke head at (x2, y2).
void DrawThinArrow(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color);
// A 3D line with a head of two-pixel strokes in headColor at (x2, y2).
void DrawArrow3D(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color, TColor shade,
                 TColor headColor);
// DrawArrow3D shifted by (offset, offset) in shadow, then in place in color.
void DrawShadowedArrow(TCanvas& canvas, int x1, int y1, int x2, int y2, int offset, TColor color,
                       TColor shadow);

// Text in color on a ground of ground: as it is where the two stand at least 3 : 1 apart,
// else outlined as TextOutOutlined draws it.
void TextOutOnGround(TCanvas& canvas, int x, int y, const QString& text, TColor color, TColor ground);
// What the canvas holds in r (the part of r on its image): its mean colour (clNone when none
// of r is on the image) and the share (0 to 1) of it that stands less than 3 : 1 from against
// (0 without one), in one pass over its pixels.
struct TGround {
  TColor Mean = clNone;
  double CloseShare = 0;
};
TGround SampleGround(const TCanvas& canvas, const TRect& r, std::optional<TColor> against);
// Its mean colour alone.
TColor GroundColor(const TCanvas& canvas, const TRect& r);
// Its share close to color alone.
double CloseGroundShare(const TCanvas& canvas, const TRect& r, TColor color);
// TextOutOnGround on what the canvas already holds under the text (the backdrop of a
// transparent control): outlined where that ground is, on average, too close to color, or
// where more than an eighth of it is (a sky of light and darker parts whose mean reads while
// the part most of the letters stand on does not). The text is placed by its top left corner
// (TA_LEFT | TA_TOP).
void TextOutOnCanvas(TCanvas& canvas, int x, int y, const QString& text, TColor color);

// The part startAngle .. endAngle of the circle in the box (x1, y1)-(x2, y2) (its width
// gives the diameter): the upper-left half (45 to 225 degrees) in upperLeft, the rest in
// lowerRight.
void DrawArc3D(TCanvas& canvas, int x1, int y1, double startAngle, double endAngle, int x2, int y2,
               TColor lowerRight, TColor upperLeft);

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
