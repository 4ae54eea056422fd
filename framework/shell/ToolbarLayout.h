#pragma once
// Where the demonstration window's toolbar puts its thirteen buttons, worked out from the
// window's size alone so that it can be checked at any size.
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

  // The buttons share the whole width.
  static ToolbarLayout ForScreenWidth(int screenWidth);
  // The layout of a window of that size: the buttons grow with the window by the smaller of
  // its two ratios to the 1024 x 768 design, so a wide window gets no taller toolbar (and so
  // no shorter panes) than a 4:3 one of its height, and a small one keeps every button on it.
  static ToolbarLayout ForWindow(int width, int height);

 private:
  // Buttons u wide on a window of that width.
  static ToolbarLayout Laid(int u, int windowWidth);
};
