#include "framework/shell/ToolbarLayout.h"

#include <algorithm>

#include "platform/TextRules.h"

ToolbarLayout ToolbarLayout::ForScreenWidth(int screenWidth) {
  return Laid(text::Div(screenWidth - 24, ButtonCount), screenWidth);
}

ToolbarLayout ToolbarLayout::ForWindow(int width, int height) {
  // The width a window of the design's 4:3 shape and this height would have.
  const int fourThirds = text::Div(std::max(height, 0) * 4, 3);
  const int u = text::Div(std::max(std::min(width, fourThirds) - 24, ButtonCount), ButtonCount);
  return Laid(u, width);
}

ToolbarLayout ToolbarLayout::Laid(int u, int windowWidth) {
  ToolbarLayout t;
  t.unit = u;
  t.fontHeight = text::Round(u * 0.3);
  t.buttonHeight = text::Round(u * 0.9);
  t.glyphSide = text::Round(u * 0.4);
  t.captionWidth = std::max(windowWidth - 2, 1);
  t.captionHeight = text::Div(u, 2);
  t.buttonTop = t.captionHeight + 4;
  t.toolbarHeight = t.buttonTop + t.buttonHeight + 3;
  // Three groups: data, call stack and description; the run controls; options, help, return.
  int x = 4;
  for (int tag = 1; tag <= ButtonCount; ++tag) {
    if (tag > 1) x += u;
    if (tag == 4 || tag == 11) x += 8;
    t.buttonLeft[tag] = x;
  }
  t.bevel1Left = t.buttonLeft[4] - 5;
  t.bevel2Left = t.buttonLeft[11] - 5;
  return t;
}
