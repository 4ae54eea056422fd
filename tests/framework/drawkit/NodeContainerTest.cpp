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

TEST(DesignRatio, GrowsWithTheSmallerAxisAndNeverBelowTheDesign) {
  const TDesignRatio wide(QSize(400, 300), QSize(1200, 600));  // 3 across, 2 down
  EXPECT_EQ(wide.Grow(10), 20) << "a node must keep its shape: the smaller ratio applies";
  const TDesignRatio small(QSize(400, 300), QSize(200, 300));
  EXPECT_EQ(small.Grow(10), 10) << "a window below its design size must not shrink a node";
  EXPECT_EQ(TDesignRatio(QSize(), QSize(800, 600)).Grow(10), 10) << "no design size: as designed";
}

TEST(DesignRatio, FontKeepsItsSignColourAndALeastHeight) {
  const TDesignRatio twice(QSize(400, 300), QSize(800, 600));
  const TFont em{.Height = -12, .Color = clRed};
  EXPECT_EQ(twice.Font(em).Height, -24) << "an em height stays an em height";
  EXPECT_EQ(twice.Font(em).Color, clRed);
  EXPECT_EQ(twice.Font(TFont{.Height = 10}).Height, 20) << "a cell height stays a cell height";
  const TDesignRatio tiny(QSize(400, 300), QSize(100, 75));
  EXPECT_EQ(tiny.Font(em, 9).Height, -9) << "a quarter-size window must keep text readable";
  EXPECT_EQ(tiny.Font(TFont{.Height = 0}).Height, 0) << "the default size stays the default";
}

TEST(DesignRatio, ContainerMeasuresItselfAgainstItsDesignBounds) {
  TNodeContainer c;
  c.SetDesignBounds(0, 0, 100, 50, QSize(400, 300));
  c.Rescale(800, 600);
  EXPECT_DOUBLE_EQ(c.Ratio().Min(), 2.0);
  TNodeContainer loose;  // made in code without design bounds
  loose.resize(300, 300);
  EXPECT_DOUBLE_EQ(loose.Ratio().Min(), 1.0);
}
