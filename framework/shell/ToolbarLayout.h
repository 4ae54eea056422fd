#pragma once
// Where the demonstration window's toolbar puts its thirteen buttons, worked out from the
// screen width alone so that it can be checked at any size.
#include <array>

struct ToolbarLayout {
  static constexpr int ButtonCount = 13;

  int unit = 0;           // (screen width - 24) div 13: one button's width
  int fontHeight = 0;     // toolbar font (pixels)
  int buttonHeight = 0;
  int glyphSide = 0;
  int captionWidth = 0;   // the painted caption line above the buttons
  int captionHeight = 0;
  int buttonTop = 0;
  int toolbarHeight = 0;
  std::array<int, ButtonCount + 1> buttonLeft{};  // by tag 1 .. 13; [0] unused
  int bevel1Left = 0;     // separators before the second and third group
  int bevel2Left = 0;

  static ToolbarLayout ForScreenWidth(int screenWidth);
};
