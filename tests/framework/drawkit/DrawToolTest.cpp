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
