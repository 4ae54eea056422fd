#include <gtest/gtest.h>

#include <utility>

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

TEST(ToolbarLayout, AWindowGrowsItsToolbarByTheSmallerOfItsTwoRatios) {
  const ToolbarLayout design = ToolbarLayout::ForScreenWidth(1024);
  const ToolbarLayout square = ToolbarLayout::ForWindow(1024, 768);
  EXPECT_EQ(square.unit, design.unit);
  EXPECT_EQ(square.toolbarHeight, design.toolbarHeight);
  // A wide laptop screen is no taller than the design: its toolbar is not either, so the
  // panes below keep their height.
  const ToolbarLayout wide = ToolbarLayout::ForWindow(1366, 768);
  EXPECT_EQ(wide.toolbarHeight, design.toolbarHeight);
  EXPECT_EQ(wide.captionWidth, 1364) << "the caption line still crosses the whole window";
  const ToolbarLayout large = ToolbarLayout::ForWindow(1920, 1080);
  EXPECT_EQ(large.unit, (1440 - 24) / 13) << "1080 high grows by 1080/768, not by 1920/1024";
  EXPECT_LT(large.toolbarHeight, ToolbarLayout::ForScreenWidth(1920).toolbarHeight);
}

TEST(ToolbarLayout, EveryButtonStaysOnASmallWindow) {
  for (const auto& [w, h] : {std::pair{800, 600}, std::pair{640, 480}, std::pair{800, 1000}, std::pair{100, 60}}) {
    const ToolbarLayout t = ToolbarLayout::ForWindow(w, h);
    EXPECT_GT(t.unit, 0) << w << "x" << h;
    EXPECT_LE(t.buttonLeft[13] + t.unit, w) << w << "x" << h << ": 返回 is cut off";
    EXPECT_GE(t.captionWidth, 1);
  }
}
