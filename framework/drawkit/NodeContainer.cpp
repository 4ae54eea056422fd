#include "framework/drawkit/NodeContainer.h"

#include "platform/TextRules.h"

std::optional<QRect> RescaledBounds(const TDesignGeometry& g, int newParentWidth,
                                    int newParentHeight) {
  if (g.ParentWidth == 0 || g.ParentHeight == 0) return std::nullopt;
  const double rx = static_cast<double>(newParentWidth) / g.ParentWidth;
  const double ry = static_cast<double>(newParentHeight) / g.ParentHeight;
  return QRect(text::Round(rx * g.OriginalLeft), text::Round(ry * g.OriginalTop),
               text::Round(rx * g.OriginalWidth), text::Round(ry * g.OriginalHeight));
}
