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

// A window made small under its message: the list's pane and the stack's fill it, so every
// place covers as much of them, and the message goes where it hides none of the list's nodes
// (above or below the short list across the middle) rather than in the middle over it.
TEST(PlaceClearOf, HidesNoNodeWhereEveryPlaceCoversTheDrawings) {
  const QRect area(0, 0, 729, 486);
  const QList<QRect> drawings{QRect(0, 0, 458, 486), QRect(458, 0, 271, 486)};
  const QList<QRect> nodes{QRect(24, 230, 54, 18), QRect(200, 230, 54, 18), QRect(382, 230, 54, 18),
                           QRect(391, 270, 36, 18)};
  const QSize frame(356, 207);
  const QRect middle(PlaceClearOf(frame, drawings, area), frame);
  EXPECT_TRUE(middle.intersects(nodes[2])) << "the panes alone put it in the middle";
  const QRect at(PlaceClearOf(frame, drawings, area, nodes), frame);
  for (const QRect& n : nodes) EXPECT_FALSE(at.intersects(n)) << "the window hides a node";
  EXPECT_TRUE(area.contains(at));
}

// A window too wide to stand beside its drawing goes over it where it hides none of the
// drawing's nodes, as near the place beside as it can, and never over the toolbar above it.
TEST(PlaceClearOfNodes, OverTheDrawingWhereNoNodeIs) {
  const QRect drawing(0, 140, 700, 628);
  // Lists across the top left, a graph bottom left, nothing right of x = 560 but the grid's
  // cells, which are no nodes.
  const QList<QRect> nodes{QRect(20, 150, 540, 280), QRect(30, 470, 500, 290)};
  const QSize frame(440, 380);
  const QRect at(PlaceClearOfNodes(frame, nodes, drawing, kScreen), frame);
  for (const QRect& n : nodes) EXPECT_FALSE(at.intersects(n)) << "the window hides a node";
  EXPECT_GE(at.top(), drawing.top()) << "the toolbar stays in view";
  EXPECT_EQ(at.right(), kScreen.right()) << "as near the place beside as it can";
  EXPECT_LE(at.top() - drawing.top(), 4);
  // No place is free: the one hiding the fewest.
  const QRect crowded(PlaceClearOfNodes(QSize(800, 380), nodes, drawing, kScreen), QSize(800, 380));
  EXPECT_TRUE(kScreen.contains(crowded));
  EXPECT_GE(crowded.top(), drawing.top());
}
