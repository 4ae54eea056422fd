#include "framework/drawkit/BesidePlace.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(BesidePlace, AtTheWindowsRightEdgeLevelWithTheDrawingsTop) {
  // The drawing docked on the left 63 % of a 1024 x 768 screen, under the toolbar.
  const QRect drawing(0, 140, 645, 628);
  const QPoint at = BesidePlace(drawing, QSize(356, 207), QRect(0, 0, 1024, 768));
  EXPECT_EQ(at, QPoint(668, 140));
  EXPECT_GT(at.x(), drawing.right()) << "a message about the drawing must leave all of it in view";
  // The demonstration window dragged to 800 x 600: its right edge, not the screen's.
  EXPECT_EQ(BesidePlace(QRect(0, 118, 504, 482), QSize(356, 207), QRect(0, 0, 800, 600)), QPoint(444, 118));
  EXPECT_EQ(BesidePlace(QRect(100, 178, 504, 482), QSize(356, 207), QRect(100, 60, 800, 600)), QPoint(544, 178))
      << "a window moved away from the screen's corner";
}

TEST(BesidePlace, StaysWhollyInItsWindow) {
  const QRect area(0, 0, 1024, 768);
  EXPECT_EQ(BesidePlace(QRect(0, 700, 600, 68), QSize(356, 207), area), QPoint(668, 561))
      << "a drawing low on the screen: the window rises until its bottom shows";
  EXPECT_EQ(BesidePlace(QRect(0, 100, 600, 600), QSize(1200, 207), area), QPoint(0, 100))
      << "a window wider than the screen starts at its left edge";
}

namespace {

const QRect kScreen(0, 0, 1024, 768);

long long Covered(const QRect& window, const QList<QRect>& drawings) {
  long long area = 0;
  for (const QRect& d : drawings) {
    const QRect shared = window & d;
    if (!shared.isEmpty()) area += static_cast<long long>(shared.width()) * shared.height();
  }
  return area;
}

}  // namespace

// A drawing over the top half: the message opens below it, as near the middle as it can.
TEST(PlaceClearOf, BelowADrawingAcrossTheTop) {
  const QSize frame(356, 207);
  const QList<QRect> drawing{QRect(0, 140, 1024, 300)};
  const QRect at(PlaceClearOf(frame, drawing, kScreen), frame);
  EXPECT_EQ(Covered(at, drawing), 0);
  EXPECT_TRUE(kScreen.contains(at));
  EXPECT_LE(at.top() - 440, 4) << "right under the drawing";
  EXPECT_LE(std::abs(at.center().x() - kScreen.center().x()), 4) << "in the middle across";
}

// The list on the left and the stack top right: the message takes the free corner.
TEST(PlaceClearOf, BesideTwoDrawings) {
  const QSize frame(356, 207);
  const QList<QRect> drawings{QRect(0, 115, 645, 653), QRect(645, 115, 379, 365)};
  const QRect at(PlaceClearOf(frame, drawings, kScreen), frame);
  EXPECT_EQ(Covered(at, drawings), 0);
  EXPECT_TRUE(kScreen.contains(at));
}

// Where every place covers some drawing, the one that covers least.
TEST(PlaceClearOf, TheLeastCoverWhereNoPlaceIsFree) {
  const QSize frame(400, 300);
  const QList<QRect> drawings{QRect(0, 0, 1024, 600)};
  const QRect at(PlaceClearOf(frame, drawings, kScreen), frame);
  EXPECT_EQ(at.bottom(), kScreen.bottom()) << "as low as the screen lets it";
  EXPECT_EQ(Covered(at, drawings), 400LL * (300 - 168));
}
