#include <gtest/gtest.h>

#include "framework/shell/ToolbarLayout.h"

TEST(ToolbarLayout, At1024PixelsButtonsAre76By68WithGlyphsOf30) {
  const ToolbarLayout t = ToolbarLayout::ForScreenWidth(1024);
  EXPECT_EQ(t.unit, 76);
  EXPECT_EQ(t.buttonHeight, 68);
  EXPECT_EQ(t.glyphSide, 30);
  EXPECT_EQ(t.fontHeight, 23);
  EXPECT_EQ(t.captionHeight, 38);
  EXPECT_EQ(t.captionWidth, 1022);
  EXPECT_EQ(t.buttonTop, 42);
  EXPECT_EQ(t.toolbarHeight, 42 + 68 + 3);
}

TEST(ToolbarLayout, ThreeGroupsSeparatedByEightPixelsAndBevels) {
  const ToolbarLayout t = ToolbarLayout::ForScreenWidth(1024);
  EXPECT_EQ(t.buttonLeft[1], 4);
  EXPECT_EQ(t.buttonLeft[3], 4 + 2 * 76);
  EXPECT_EQ(t.buttonLeft[4], 4 + 3 * 76 + 8) << "the run controls start a group of their own";
  EXPECT_EQ(t.buttonLeft[10], t.buttonLeft[4] + 6 * 76);
  EXPECT_EQ(t.buttonLeft[11], t.buttonLeft[10] + 76 + 8);
  EXPECT_EQ(t.bevel1Left, t.buttonLeft[4] - 5);
  EXPECT_EQ(t.bevel2Left, t.buttonLeft[11] - 5);
  EXPECT_LE(t.buttonLeft[13] + t.unit, 1024) << "the return button must stay on the screen";
}

TEST(ToolbarLayout, RoundsHalvesToEvenOnAWideScreen) {
  // 1920 wide: u = 145; 0.3u = 43.5 and 0.9u = 130.5 both round to the even neighbour.
  const ToolbarLayout t = ToolbarLayout::ForScreenWidth(1920);
  EXPECT_EQ(t.unit, 145);
  EXPECT_EQ(t.fontHeight, 44);
  EXPECT_EQ(t.buttonHeight, 130);
  EXPECT_EQ(t.glyphSide, 58);
  EXPECT_EQ(t.captionHeight, 72);
  EXPECT_LE(t.buttonLeft[13] + t.unit, 1920);
}
