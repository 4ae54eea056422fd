#include "platform/Color.h"

#include <algorithm>
#include <cmath>

QColor ToQColor(TColor c) {
  if (c == clNone) return QColor(Qt::transparent);
  return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor FromQColor(const QColor& c) {
  if (c.alpha() == 0) return clNone;
  return RGB(c.red(), c.green(), c.blue());
}

namespace {

double RelativeLuminance(TColor c) {
  const QColor q = ToQColor(c);
  const auto linear = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(q.red()) + 0.7152 * linear(q.green()) + 0.0722 * linear(q.blue());
}

}  // namespace

double ContrastRatio(TColor a, TColor b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TColor OutlineColorFor(TColor color) {
  // Pure blue, as light as red by its lightness, reads on white and hardly at all on black.
  return ContrastRatio(color, clBlack) >= ContrastRatio(color, clWhite) ? clBlack : clWhite;
}
