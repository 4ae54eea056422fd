#pragma once
// Rectangles and points as the drawing calls use them: a rectangle's Right and Bottom are
// exclusive (Rect(0, 0, 10, 10) covers pixels 0..9 both ways), unlike QRect's right().
#include <QPoint>
#include <QRect>
#include <QSize>

using TPoint = QPoint;

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  constexpr TPoint TopLeft() const { return {Left, Top}; }
  constexpr TPoint BottomRight() const { return {Right, Bottom}; }
  constexpr bool Contains(TPoint p) const {
    return p.x() >= Left && p.x() < Right && p.y() >= Top && p.y() < Bottom;
  }
  // QRect(Left, Top, Width, Height); an inverted rectangle gives an empty QRect.
  QRect ToQRect() const { return IsEmpty() ? QRect() : QRect(Left, Top, Width(), Height()); }
  static TRect FromQRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
  }
  friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
constexpr TRect Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}
constexpr TPoint Point(int x, int y) { return {x, y}; }

// The rectangle helpers of the window system. IntersectRect and UnionRect return whether
// the result is non-empty; an empty intersection is (0, 0, 0, 0).
bool IntersectRect(TRect& dest, const TRect& a, const TRect& b);
bool UnionRect(TRect& dest, const TRect& a, const TRect& b);
TRect OffsetRect(const TRect& r, int dx, int dy);
TRect InflateRect(const TRect& r, int dx, int dy);
bool PtInRect(const TRect& r, TPoint p);
