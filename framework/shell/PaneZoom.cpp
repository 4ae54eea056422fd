#include "framework/shell/PaneZoom.h"

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
