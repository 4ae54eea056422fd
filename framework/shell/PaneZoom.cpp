#include "framework/shell/PaneZoom.h"

#include <algorithm>

#include "platform/Screen.h"
#include "platform/TextRules.h"

int ScaledToScreen(int pixels) {
  return std::max(pixels, text::Round(pixels * screen::Height() / 768.0));
}

TPaneZoom::Change TPaneZoom::Resized(int width, int screenWidth) {
  const int full = screenWidth - 5;
  Change change = None;
  if (width >= full && previousWidth_ < full && !zoomed_) {
    zoomed_ = true;
    change = ZoomIn;
  } else if (width < full && previousWidth_ >= full && zoomed_) {
    zoomed_ = false;
    change = ZoomOut;
  }
  previousWidth_ = width;
  return change;
}
