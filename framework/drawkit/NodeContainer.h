#pragma once
// Proportional containers: every drawn data structure sits on a panel that remembers the
// geometry it was designed with and follows its window's client area in proportion.
#include <QRect>
#include <optional>

// The geometry a container was designed with: its bounds and the client size of the window
// that owned it at design time (also for a container nested in another control).
struct TDesignGeometry {
  int ParentWidth = 0;
  int ParentHeight = 0;
  int OriginalTop = 0;
  int OriginalLeft = 0;
  int OriginalWidth = 0;
  int OriginalHeight = 0;
};

// The bounds for a window client area of newParentWidth x newParentHeight: each value scaled
// by its axis' ratio and rounded (halves to even). Depends only on the design geometry, so
// resizes never accumulate error. Nothing when the design client size is unknown (0).
std::optional<QRect> RescaledBounds(const TDesignGeometry& g, int newParentWidth,
                                    int newParentHeight);
