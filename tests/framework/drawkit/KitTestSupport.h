#pragma once
// Helpers of the drawing-kit tests: bitmaps to draw on, a backdrop whose every screen pixel
// is different (so a copy from the wrong place shows), and a screen-like host window.
#include <QWidget>
#include <functional>
#include <memory>

#include "framework/drawkit/KitGlobals.h"
#include "platform/Bitmap.h"
#include "platform/Color.h"

namespace kittest {

// A bitmap filled with one colour.
inline std::unique_ptr<TBitmap> Filled(int w, int h, TColor color) {
  auto b = std::make_unique<TBitmap>(w, h);
  b->Canvas().Brush.Color = color;
  b->Canvas().Brush.Style = bsSolid;
  b->Canvas().FillRect(Rect(0, 0, w, h));
  return b;
}

// The colour the patterned backdrop has at screen point (x, y).
constexpr TColor BackdropAt(int x, int y) { return RGB(x % 256, y % 256, 64 + (x / 256) * 16 + y / 256); }

// Installs a screen-sized backdrop with a pattern unique at every point for the scope.
class BackdropScope {
 public:
  explicit BackdropScope(int w = 1024, int h = 768) {
    BackBitmap = std::make_unique<TBitmap>(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) BackBitmap->Canvas().SetPixel(x, y, BackdropAt(x, y));
  }
  ~BackdropScope() { BackBitmap.reset(); }
  BackdropScope(const BackdropScope&) = delete;
  BackdropScope& operator=(const BackdropScope&) = delete;
};

// Pixels of a colour within an image.
inline int CountColor(const TBitmap& b, TColor color) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) n += b.Canvas().Pixels(x, y) == color ? 1 : 0;
  return n;
}

inline void ForEachPixel(const TBitmap& b, TColor color, const std::function<void(int, int)>& f) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Canvas().Pixels(x, y) == color) f(x, y);
}

// A top-level window at the screen's origin in which kit controls are docked, as the
// demonstration window docks its panes.
class Host : public QWidget {
 public:
  Host(int w = 800, int h = 600) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setGeometry(0, 0, w, h);
  }
};

}  // namespace kittest
