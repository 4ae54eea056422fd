#include <gtest/gtest.h>

#include <numbers>

#include "framework/drawkit/DrawTool.h"

using namespace drawtool;

namespace {
constexpr double kPi = std::numbers::pi;
}

TEST(DrawToolMath, ColoursSwapSoTheLitSideStaysUpperLeft) {
  EXPECT_TRUE(ShadeSwapped(10, 0)) << "rightwards";
  EXPECT_FALSE(ShadeSwapped(-10, 0)) << "leftwards";
  EXPECT_FALSE(ShadeSwapped(0, 10)) << "downwards";
  EXPECT_TRUE(ShadeSwapped(0, -10)) << "upwards";
  EXPECT_TRUE(ShadeSwapped(0, 0)) << "a zero-length line counts as swapped";
  EXPECT_FALSE(ShadeSwapped(5, 5)) << "down-right at 45 degrees";
  EXPECT_TRUE(ShadeSwapped(5, 4));
  EXPECT_FALSE(ShadeSwapped(-5, 3)) << "down-left";
  EXPECT_TRUE(ShadeSwapped(-5, -5)) << "up-left at 45 degrees";
  EXPECT_FALSE(ShadeSwapped(-5, -4));
}

TEST(DrawToolMath, CompanionLineLiesOnePixelBeside) {
  EXPECT_EQ(CompanionOffset(10, 0), QPoint(0, 1)) << "below a rightward line";
  EXPECT_EQ(CompanionOffset(-10, 0), QPoint(0, -1)) << "above a leftward line";
  EXPECT_EQ(CompanionOffset(0, 10), QPoint(-1, 0));
  EXPECT_EQ(CompanionOffset(0, -10), QPoint(-1, 0)) << "vertical lines count as steep positive";
  EXPECT_EQ(CompanionOffset(10, 10), QPoint(-1, 1));
  EXPECT_EQ(CompanionOffset(-10, -10), QPoint(1, -1));
}

TEST(DrawToolMath, ArrowHeadsOpenBackTowardTheStart) {
  const auto right = ArrowHeadEnds(0, 10, 50, 10, {50, 10});
  for (const QPoint& p : right) EXPECT_LT(p.x(), 50);
  EXPECT_EQ(right[0], QPoint(42, 7));
  EXPECT_EQ(right[1], QPoint(42, 13));
  const auto left = ArrowHeadEnds(50, 10, 0, 10, {0, 10});
  for (const QPoint& p : left) EXPECT_GT(p.x(), 0);
  const auto down = ArrowHeadEnds(20, 0, 20, 40, {20, 40});
  for (const QPoint& p : down) EXPECT_LT(p.y(), 40) << "a downward head ends above its tip";
  const auto up = ArrowHeadEnds(20, 40, 20, 0, {20, 0});
  for (const QPoint& p : up) EXPECT_GT(p.y(), 0) << "an upward head ends below its tip";
  EXPECT_NE(up[0].x(), up[1].x()) << "the two strokes spread to both sides";
}

TEST(DrawToolMath, ArcColourRangesIntersectTheAskedRange) {
  const auto half = ArcParts(0, kPi);
  ASSERT_EQ(half.size(), 2u);
  EXPECT_DOUBLE_EQ(half[0].from, 0);
  EXPECT_DOUBLE_EQ(half[0].to, kPi / 4);
  EXPECT_FALSE(half[0].upperLeft);
  EXPECT_DOUBLE_EQ(half[1].from, kPi / 4);
  EXPECT_DOUBLE_EQ(half[1].to, kPi);
  EXPECT_TRUE(half[1].upperLeft);

  // A range that starts exactly on the asked start angle is drawn.
  const auto fromEdge = ArcParts(kPi / 4, kPi / 2);
  ASSERT_EQ(fromEdge.size(), 1u);
  EXPECT_TRUE(fromEdge[0].upperLeft);
  EXPECT_DOUBLE_EQ(fromEdge[0].from, kPi / 4);

  // Exactly one whole range.
  const auto whole = ArcParts(kPi / 4, 5 * kPi / 4);
  ASSERT_EQ(whole.size(), 1u);
  EXPECT_DOUBLE_EQ(whole[0].to, 5 * kPi / 4);

  const auto circle = ArcParts(-3 * kPi / 4, 9 * kPi / 4);
  EXPECT_EQ(circle.size(), 3u);
  EXPECT_TRUE(ArcParts(kPi, kPi).empty());
}

// --- The routines on a canvas

#include <cmath>

#include "KitTestSupport.h"

using kittest::CountColor;
using kittest::Filled;
using kittest::ForEachPixel;

TEST(Frame3D, SetsOnlyTheOuterRowsAndColumns) {
  auto b = Filled(12, 12, clSilver);
  Frame3D(b->Canvas(), 0, 0, 10, 10, clGray, clWhite);
  const TCanvas& c = b->Canvas();
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(c.Pixels(i, 0), clGray) << "top edge at x " << i;
    EXPECT_EQ(c.Pixels(0, i + 1), clGray) << "left edge at y " << i + 1;
    EXPECT_EQ(c.Pixels(9, i), clWhite) << "right edge at y " << i;
    EXPECT_EQ(c.Pixels(i + 1, 9), clWhite) << "bottom edge at x " << i + 1;
  }
  EXPECT_EQ(CountColor(*b, clGray) + CountColor(*b, clWhite), 36) << "rows and columns 0 and 9 only";
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(c.Pixels(10, i), clSilver) << "the exclusive right edge stays untouched";
    EXPECT_EQ(c.Pixels(i, 10), clSilver);
  }
}

TEST(Frame3D, RingsGrowOutwards) {
  auto b = Filled(20, 20, clSilver);
  Frame3DRings(b->Canvas(), Rect(5, 5, 15, 15), 2, clWhite, clBlack);
  EXPECT_EQ(b->Canvas().Pixels(4, 4), clWhite);
  EXPECT_EQ(b->Canvas().Pixels(3, 3), clWhite);
  EXPECT_EQ(b->Canvas().Pixels(16, 16), clBlack) << "outer ring's bottom-right corner";
  EXPECT_EQ(b->Canvas().Pixels(5, 5), clSilver) << "the rectangle itself is left alone";
  auto none = Filled(20, 20, clSilver);
  Frame3DRings(none->Canvas(), Rect(5, 5, 15, 15), 0, clWhite, clBlack);
  EXPECT_EQ(CountColor(*none, clSilver), 400);
}

TEST(DrawLine3D, HorizontalLinesKeepTheLitSideUp) {
  auto right = Filled(12, 12, clWhite);
  DrawLine3D(right->Canvas(), 0, 5, 10, 5, clRed, clBlue, true);
  for (int x = 0; x < 10; ++x) {
    EXPECT_EQ(right->Canvas().Pixels(x, 5), clBlue) << "rightwards: swapped, row 5 in the shade";
    EXPECT_EQ(right->Canvas().Pixels(x, 6), clRed) << "companion one pixel below";
  }
  EXPECT_EQ(right->Canvas().Pixels(10, 5), clWhite) << "end pixel left out";
  EXPECT_EQ(right->Canvas().Pixels(10, 6), clWhite);

  auto left = Filled(12, 12, clWhite);
  DrawLine3D(left->Canvas(), 10, 5, 0, 5, clRed, clBlue, true);
  for (int x = 1; x <= 10; ++x) {
    EXPECT_EQ(left->Canvas().Pixels(x, 5), clRed) << "leftwards: not swapped";
    EXPECT_EQ(left->Canvas().Pixels(x, 4), clBlue) << "companion one pixel above";
  }
  EXPECT_EQ(left->Canvas().Pixels(0, 5), clWhite);

  auto plain = Filled(12, 12, clWhite);
  DrawLine3D(plain->Canvas(), 0, 5, 10, 5, clRed, clBlue, false);
  EXPECT_EQ(CountColor(*plain, clBlue), 10) << "unshaded: one line, colours still swapped";
  EXPECT_EQ(CountColor(*plain, clRed), 0);
}

TEST(DrawPolyline3D, DrawsCountMinusOneSegments) {
  const TPoint pts[3] = {{0, 2}, {10, 2}, {10, 12}};
  auto none = Filled(16, 16, clWhite);
  DrawPolyline3D(none->Canvas(), std::span(pts, 1), clRed, clBlue);
  DrawPolyline3D(none->Canvas(), std::span(pts, 0), clRed, clBlue);
  EXPECT_EQ(CountColor(*none, clWhite), 256) << "fewer than two points draw nothing";
  auto two = Filled(16, 16, clWhite);
  DrawPolyline3D(two->Canvas(), pts, clRed, clBlue);
  EXPECT_EQ(two->Canvas().Pixels(5, 2), clBlue) << "first segment rightwards, swapped";
  EXPECT_EQ(two->Canvas().Pixels(10, 7), clRed) << "second segment downwards";
  EXPECT_EQ(two->Canvas().Pixels(9, 7), clBlue) << "its companion to the left";

  // Any number of points: 300 points make 299 one-pixel steps.
  std::vector<TPoint> many;
  for (int i = 0; i < 300; ++i) many.push_back({i, (i % 2) * 4 + 10});
  auto wide = Filled(310, 20, clWhite);
  DrawPolyline3D(wide->Canvas(), many, clRed, clBlue);
  EXPECT_NE(wide->Canvas().Pixels(298, 12), clWhite) << "segments beyond the 101st are drawn";
}

TEST(DrawShadowedPolyline, ShadowFirstThenTheLine) {
  const TPoint pts[2] = {{2, 2}, {12, 2}};
  auto b = Filled(20, 20, clWhite);
  DrawShadowedPolyline(b->Canvas(), 3, pts, clRed, clGray);
  EXPECT_EQ(b->Canvas().Pixels(6, 5), clGray);
  EXPECT_EQ(b->Canvas().Pixels(6, 2), clRed);
  EXPECT_EQ(b->Canvas().Pixels(6, 3), clRed);
}

namespace {

// Bounding box of the pixels of a colour.
QRect BoxOf(const TBitmap& b, TColor color) {
  QRect box;
  ForEachPixel(b, color, [&box](int x, int y) { box |= QRect(x, y, 1, 1); });
  return box;
}

}  // namespace

TEST(DrawThinArrow, HeadsOpenBackTowardTheStart) {
  auto down = Filled(40, 50, clWhite);
  DrawThinArrow(down->Canvas(), 20, 2, 20, 40, clRed);
  EXPECT_EQ(BoxOf(*down, clRed), QRect(17, 2, 7, 39)) << "a downward head lies above the tip (20, 40)";

  auto up = Filled(40, 50, clWhite);
  DrawThinArrow(up->Canvas(), 20, 40, 20, 5, clRed);
  const QRect box = BoxOf(*up, clRed);
  EXPECT_EQ(box.top(), 5) << "an upward head lies below its tip";
  EXPECT_EQ(box.bottom(), 40);
  EXPECT_EQ(box.left(), 17);

  auto right = Filled(60, 30, clWhite);
  DrawThinArrow(right->Canvas(), 2, 15, 50, 15, clBlue);
  EXPECT_EQ(right->Canvas().Pixels(43, 12), clBlue) << "head stroke toward (42, 12)";
  EXPECT_EQ(right->Canvas().Pixels(43, 18), clBlue) << "head stroke toward (42, 18)";
  EXPECT_EQ(right->Canvas().Pixels(42, 12), clWhite) << "a stroke's end pixel is left out";
  EXPECT_EQ(BoxOf(*right, clBlue), QRect(2, 12, 49, 7));
}

TEST(DrawArrow3D, HeadStartsOnTheCompanionLineInItsOwnColour) {
  auto b = Filled(60, 30, clWhite);
  DrawArrow3D(b->Canvas(), 2, 10, 50, 10, clRed, clBlue, clLime);
  EXPECT_EQ(b->Canvas().Pixels(20, 10), clBlue) << "rightwards: swapped";
  EXPECT_EQ(b->Canvas().Pixels(20, 11), clRed);
  const QRect head = BoxOf(*b, clLime);
  ASSERT_FALSE(head.isEmpty());
  EXPECT_LE(head.right(), 50) << "the head starts at the tip moved onto the companion (50, 11)";
  EXPECT_GE(head.left(), 41);
  EXPECT_LT(head.top(), 10);
  EXPECT_GT(head.bottom(), 12);

  auto up = Filled(40, 60, clWhite);
  DrawArrow3D(up->Canvas(), 20, 50, 20, 10, clRed, clBlue, clLime);
  const QRect upHead = BoxOf(*up, clLime);
  EXPECT_GE(upHead.top(), 10) << "an upward head ends below its tip";
  EXPECT_GT(upHead.bottom(), 15);
}

TEST(DrawShadowedArrow, ShadowUnderTheArrow) {
  auto b = Filled(60, 30, clWhite);
  DrawShadowedArrow(b->Canvas(), 2, 10, 40, 10, 4, clRed, clGray);
  EXPECT_EQ(b->Canvas().Pixels(20, 14), clGray);
  EXPECT_EQ(b->Canvas().Pixels(20, 10), clRed);
  EXPECT_EQ(b->Canvas().Pixels(20, 11), clRed);
}

namespace {

// Angle in degrees (0 .. 360, anticlockwise from three o'clock, y down) of a pixel seen from
// the centre (20, 20).
double AngleOf(int x, int y) {
  double a = std::atan2(20.0 - y, x - 20.0) * 180 / std::numbers::pi;
  return a < 0 ? a + 360 : a;
}

}  // namespace

TEST(DrawArc3D, UpperLeftHalfInItsOwnColour) {
  auto b = Filled(42, 42, clWhite);
  DrawArc3D(b->Canvas(), 0, 0, 0, kPi, 40, 40, clBlue, clRed);
  int blue = 0;
  int red = 0;
  ForEachPixel(*b, clBlue, [&](int x, int y) {
    ++blue;
    const double a = AngleOf(x, y);
    EXPECT_TRUE(a <= 50 || a >= 358) << "lower-right colour at " << a << " degrees";
  });
  ForEachPixel(*b, clRed, [&](int x, int y) {
    ++red;
    const double a = AngleOf(x, y);
    EXPECT_TRUE(a >= 40 && a <= 182) << "upper-left colour at " << a << " degrees";
  });
  EXPECT_GT(blue, 5);
  EXPECT_GT(red, 3 * blue) << "0..45 degrees in one colour, 45..180 in the other";
  EXPECT_EQ(b->Canvas().Pixels(20, 40), clWhite) << "nothing below the centre";
}

TEST(DrawArc3D, ARangeStartingOnTheAskedStartIsDrawn) {
  auto b = Filled(42, 42, clWhite);
  DrawArc3D(b->Canvas(), 0, 0, kPi / 4, kPi / 2, 40, 40, clBlue, clRed);
  EXPECT_GT(CountColor(*b, clRed), 10);
  EXPECT_EQ(CountColor(*b, clBlue), 0);

  auto lower = Filled(42, 42, clWhite);
  DrawArc3D(lower->Canvas(), 0, 0, 5 * kPi / 4, 2 * kPi, 40, 40, clBlue, clRed);
  EXPECT_GT(CountColor(*lower, clBlue), 10);
  EXPECT_EQ(CountColor(*lower, clRed), 0);
  ForEachPixel(*lower, clBlue, [](int x, int y) {
    const double a = AngleOf(x, y);
    EXPECT_TRUE(a >= 218 || a <= 5) << a;  // pixels lie a little off the ideal circle
  });
}

TEST(DrawArc3D, AHairlinePartDrawsNoWholeCircle) {
  auto b = Filled(42, 42, clWhite);
  DrawArc3D(b->Canvas(), 0, 0, 0, 0.001, 40, 40, clBlue, clRed);
  EXPECT_LT(CountColor(*b, clBlue), 3);
}

TEST(TextOutShadow, BlackShadowOnePixelDownRight) {
  auto b = Filled(80, 40, clWhite);
  b->Canvas().SetBkMode(TRANSPARENT);
  b->Canvas().Font.Height = -20;
  TextOutShadow(b->Canvas(), 10, 5, QStringLiteral("Ag"), clRed);
  const QRect red = BoxOf(*b, clRed);
  const QRect black = BoxOf(*b, clBlack);
  ASSERT_FALSE(red.isEmpty());
  EXPECT_EQ(black, red.translated(1, 1));
  EXPECT_EQ(b->Canvas().Font.Color, clRed) << "the font colour is left at the text colour";
}

TEST(FillCanvasColor, FillsTheClipAndRestoresTheColours) {
  auto b = Filled(20, 20, clWhite);
  TCanvas& c = b->Canvas();
  c.Brush.Color = clAqua;
  c.Pen.Color = clNavy;
  c.SetClipRect(Rect(5, 5, 10, 10));
  FillCanvasColor(c, clRed);
  c.ClearClipRect();
  EXPECT_EQ(CountColor(*b, clRed), 25);
  EXPECT_EQ(c.Brush.Color, clAqua);
  EXPECT_EQ(c.Pen.Color, clNavy);
}

TEST(ContrastRatio, RunsFromOneForEqualColoursToTwentyOneForBlackOnWhite) {
  EXPECT_DOUBLE_EQ(ContrastRatio(clTeal, clTeal), 1.0);
  EXPECT_NEAR(ContrastRatio(clBlack, clWhite), 21.0, 1e-9);
  EXPECT_DOUBLE_EQ(ContrastRatio(clWhite, clBlack), ContrastRatio(clBlack, clWhite));
  // Blue letters on a teal ground fall short of 3 : 1, white ones on maroon do not.
  EXPECT_LT(ContrastRatio(clBlue, clTeal), 3.0);
  EXPECT_GT(ContrastRatio(clWhite, clMaroon), 3.0);
}

TEST(DrawTool, OutlineStandsFurthestFromTheTextToTheEye) {
  // Pure blue is as light as red by its lightness, yet reads on white and hardly on black.
  EXPECT_EQ(OutlineColorFor(clBlue), clWhite);
  EXPECT_EQ(OutlineColorFor(clNavy), clWhite);
  EXPECT_EQ(OutlineColorFor(clYellow), clBlack);
  EXPECT_EQ(OutlineColorFor(clRed), clBlack);
  EXPECT_EQ(OutlineColorFor(clFuchsia), clBlack);
}

TEST(GroundColor, IsTheMeanOfTheCanvasUnderTheBoxOnly) {
  auto b = Filled(20, 10, clRed);
  TCanvas& c = b->Canvas();
  c.Brush.Color = clBlue;
  c.FillRect(Rect(10, 0, 20, 10));
  EXPECT_EQ(GroundColor(c, Rect(0, 0, 8, 10)), clRed);
  const QColor half = ToQColor(GroundColor(c, Rect(0, 0, 20, 10)));
  EXPECT_NEAR(half.red(), 127, 1);
  EXPECT_NEAR(half.blue(), 127, 1);
  EXPECT_EQ(GroundColor(c, Rect(15, 0, 40, 30)), clBlue) << "the part off the image counts for nothing";
  EXPECT_EQ(GroundColor(c, Rect(30, 30, 40, 40)), clNone);
  c.SetWindowOrg(10, 0);
  EXPECT_EQ(GroundColor(c, Rect(20, 0, 28, 10)), clBlue) << "logical coordinates";
}

TEST(TextOutOnCanvas, OutlinesATextOnAGroundWhoseMeanReadsButWhosePartsDoNot) {
  // Red letters read on white (4 : 1) and hardly on the sky's blue (2.7 : 1): white with a
  // band of sky averages to a ground they read on. A band of a third makes them outlined; a
  // thin stroke under them (a twentieth) does not.
  const TColor sky = RGB(186, 214, 240);
  for (const auto& [band, outlined] : {std::pair{20, true}, std::pair{3, false}}) {
    auto b = Filled(60, 60, clWhite);
    TCanvas& c = b->Canvas();
    c.Brush.Color = sky;
    c.FillRect(Rect(0, 0, 60, band));
    c.SetBkMode(TRANSPARENT);
    c.Font.Height = -40;
    const QSize extent = c.TextExtent(QStringLiteral("Ag"));
    ASSERT_GE(ContrastRatio(clRed, GroundColor(c, Bounds(2, 0, extent.width(), extent.height()))), 3.0);
    EXPECT_EQ(CloseGroundShare(c, Bounds(2, 0, extent.width(), extent.height()), clRed) > 1.0 / 8, outlined);
    TextOutOnCanvas(c, 2, 0, QStringLiteral("Ag"), clRed);
    EXPECT_GT(CountColor(*b, clRed), 10);
    EXPECT_EQ(CountColor(*b, OutlineColorFor(clRed)) > 10, outlined) << "a band of " << band << " rows";
  }
  auto off = Filled(10, 10, clWhite);
  EXPECT_EQ(CloseGroundShare(off->Canvas(), Rect(20, 20, 30, 30), clRed), 0.0) << "nothing under it on the image";
}

TEST(TextOutOnCanvas, OutlinesOnlyATextTooCloseToWhatIsUnderIt) {
  const TColor sky = static_cast<TColor>(0xF5E6D6);  // a pale blue
  for (const auto& [ink, outlined] : {std::pair{clYellow, true}, std::pair{clAqua, true}, std::pair{clNavy, false}}) {
    auto b = Filled(60, 30, sky);
    TCanvas& c = b->Canvas();
    c.SetBkMode(TRANSPARENT);
    c.Font.Height = -20;
    TextOutOnCanvas(c, 5, 5, QStringLiteral("Ag"), ink);
    EXPECT_GT(CountColor(*b, ink), 10);
    EXPECT_EQ(CountColor(*b, OutlineColorFor(ink)) > 10, outlined) << "ink " << ink;
    EXPECT_EQ(c.Font.Color, ink);
  }
}
