#pragma once
// The zoom of the algorithm and variable windows: a pane maximized by its split frame
// (as wide as the screen, less 5 pixels) shows its text twice as high, and goes back when
// it shrinks again. Each window keeps its own previous width, so that resizing one window
// never zooms or unzooms another.
class TPaneZoom {
 public:
  enum Change { None, ZoomIn, ZoomOut };

  // The window is now width pixels wide on a screen screenWidth wide.
  Change Resized(int width, int screenWidth);
  bool Zoomed() const { return zoomed_; }

 private:
  int previousWidth_ = 0;
  bool zoomed_ = false;
};
