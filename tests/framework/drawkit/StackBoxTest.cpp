#include <gtest/gtest.h>

#include "framework/drawkit/StackBox.h"

TEST(StackLayout, AckermannWindowHasThreeColumnsOfEighteenRows) {
  // The stack window of the recursive demonstrations: 313 x 217, marker and title shown.
  const TStackLayout l({313, 217}, 3, 18, true, true);
  EXPECT_EQ(l.CellWidth, 98);      // 313 div 3 - 6
  EXPECT_EQ(l.CellHeight, 10);     // Round(217 / 20.5) - 1 = 11 - 1
  EXPECT_EQ(l.TitleBand, 15);      // Trunc(1.5 * 10)
  EXPECT_EQ(l.MarkerHeight, 10);
  EXPECT_EQ(l.Capacity(), 54);
  EXPECT_EQ(l.Cell(0), QPoint(211, 191)) << "entry 0 stands at the bottom of the rightmost column";
  EXPECT_EQ(l.Cell(17), QPoint(211, 4)) << "entry 17 tops the rightmost column";
  EXPECT_EQ(l.Cell(18), QPoint(107, 191)) << "entry 18 starts the middle column at the bottom";
  EXPECT_EQ(l.Cell(53), QPoint(3, 4)) << "entry 53 tops the leftmost column";
}

TEST(StackLayout, WithoutMarkerAndTitleRowsShareTheFullHeight) {
  const TStackLayout l({100, 200}, 1, 10, false, false);
  EXPECT_EQ(l.CellHeight, 19);  // Round(200 / 10) - 1
  EXPECT_EQ(l.TitleBand, 0);
  EXPECT_EQ(l.MarkerHeight, 0);
  EXPECT_EQ(l.Cell(0), QPoint(3, 180));
  EXPECT_EQ(l.Cell(9), QPoint(3, 0));
}

TEST(StackLayout, CellHeightRoundsHalvesToEven) {
  // 2 rows + marker + title = 4.5 slots.
  EXPECT_EQ(TStackLayout({60, 45}, 1, 2, true, true).CellHeight, 9);
  EXPECT_EQ(TStackLayout({60, 63}, 1, 2, true, true).CellHeight, 13);
  EXPECT_EQ(TStackLayout({60, 21}, 1, 1, false, false).CellHeight, 20);
  // 5 / 2 = 2.5 -> 2, 7 / 2 = 3.5 -> 4
  EXPECT_EQ(TStackLayout({60, 5}, 1, 2, false, false).CellHeight, 1);
  EXPECT_EQ(TStackLayout({60, 7}, 1, 2, false, false).CellHeight, 3);
}

TEST(StackSlide, FrameCountFollowsTheAnimationSpeed) {
  EXPECT_EQ(SlideSteps(0) + 1, 51);
  EXPECT_EQ(SlideSteps(60) + 1, 21);
  EXPECT_EQ(SlideSteps(99) + 1, 2);
  EXPECT_EQ(SlideSteps(150), 1) << "a speed above the range must not give zero steps";
  EXPECT_EQ(SlideSteps(-5), 50);
}

TEST(StackSlide, FramesRunFromStartToEndTruncatingTowardZero) {
  // Push into a cell at y 191 with rows 10 high: from -10 to 191 in 20 steps.
  EXPECT_EQ(SlideFrameY(-10, 191, 0, 20), -10);
  EXPECT_EQ(SlideFrameY(-10, 191, 1, 20), -10 + 201 / 20);
  EXPECT_EQ(SlideFrameY(-10, 191, 20, 20), 191);
  // Pop upwards: the product is negative and truncates toward zero.
  EXPECT_EQ(SlideFrameY(191, -10, 1, 20), 191 - 10);
  EXPECT_EQ(SlideFrameY(4, -10, 1, 20), 4);  // -14 / 20 = 0
}
