#include <gtest/gtest.h>

#include "framework/drawkit/NodeContainer.h"

namespace {

TDesignGeometry Design(int left, int top, int width, int height) {
  return {400, 300, top, left, width, height};
}

}  // namespace

TEST(RescaledBounds, HalfSizeAndBackGivesEveryDesignValue) {
  for (int left = 0; left < 400; left += 7) {
    for (int width = 1; width < 400; width += 13) {
      const TDesignGeometry g = Design(left, left % 300, width, width % 300 + 1);
      const auto half = RescaledBounds(g, 200, 150);
      ASSERT_TRUE(half);
      const auto back = RescaledBounds(g, 400, 300);
      ASSERT_TRUE(back);
      EXPECT_EQ(*back, QRect(left, left % 300, width, width % 300 + 1))
          << "a window resized back to its design size must restore the design geometry";
    }
  }
}

TEST(RescaledBounds, HalvesRoundToTheEvenNeighbour) {
  // 400 -> 100: a quarter; 10 * 0.25 = 2.5 -> 2, 14 * 0.25 = 3.5 -> 4, 6 * 0.25 = 1.5 -> 2.
  const auto r = RescaledBounds(Design(10, 0, 14, 6 * 2), 100, 150);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->left(), 2);
  EXPECT_EQ(r->width(), 4);
  EXPECT_EQ(r->height(), 6);  // 12 * 0.5
  const auto q = RescaledBounds(Design(0, 3, 0, 0), 400, 150);  // 3 * 0.5 = 1.5 -> 2
  ASSERT_TRUE(q);
  EXPECT_EQ(q->top(), 2);
}

TEST(RescaledBounds, AxesScaleIndependently) {
  const auto r = RescaledBounds(Design(100, 100, 200, 100), 800, 150);
  ASSERT_TRUE(r);
  EXPECT_EQ(*r, QRect(200, 50, 400, 50));
}

TEST(RescaledBounds, UnknownDesignClientSizeKeepsTheGeometry) {
  TDesignGeometry g = Design(10, 10, 50, 50);
  g.ParentWidth = 0;
  EXPECT_FALSE(RescaledBounds(g, 200, 200)) << "a zero design width must not divide by zero";
  g.ParentWidth = 400;
  g.ParentHeight = 0;
  EXPECT_FALSE(RescaledBounds(g, 200, 200));
}
