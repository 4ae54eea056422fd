#include "framework/drawkit/BesidePlace.h"

#include <gtest/gtest.h>

TEST(BesidePlace, AtTheScreensRightEdgeLevelWithTheDrawingsTop) {
  // The drawing docked on the left 63 % of a 1024 x 768 screen, under the toolbar.
  const QRect drawing(0, 140, 645, 628);
  const QPoint at = BesidePlace(drawing, QSize(356, 207), QSize(1024, 768));
  EXPECT_EQ(at, QPoint(668, 140));
  EXPECT_GT(at.x(), drawing.right()) << "a message about the drawing must leave all of it in view";
}

TEST(BesidePlace, StaysWhollyOnTheScreen) {
  EXPECT_EQ(BesidePlace(QRect(0, 700, 600, 68), QSize(356, 207), QSize(1024, 768)), QPoint(668, 561))
      << "a drawing low on the screen: the window rises until its bottom shows";
  EXPECT_EQ(BesidePlace(QRect(0, 100, 600, 600), QSize(1200, 207), QSize(1024, 768)), QPoint(0, 100))
      << "a window wider than the screen starts at its left edge";
}
