#include "platform/Geometry.h"

#include <algorithm>

bool IntersectRect(TRect& dest, const TRect& a, const TRect& b) {
  dest = {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
  if (dest.IsEmpty()) {
    dest = {};
    return false;
  }
  return true;
}

bool UnionRect(TRect& dest, const TRect& a, const TRect& b) {
  if (a.IsEmpty()) {
    dest = b.IsEmpty() ? TRect{} : b;
  } else if (b.IsEmpty()) {
    dest = a;
  } else {
    dest = {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
  }
  return !dest.IsEmpty();
}

TRect OffsetRect(const TRect& r, int dx, int dy) {
  return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

TRect InflateRect(const TRect& r, int dx, int dy) {
  return {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy};
}

bool PtInRect(const TRect& r, TPoint p) { return r.Contains(p); }
