#include "framework/drawkit/DrawTool.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/TextRules.h"

namespace drawtool {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kHeadLength = 9;

// dy / dx, with a vertical line counted as a steep positive slope whatever its direction.
double Slope(int dx, int dy) { return dx != 0 ? static_cast<double>(dy) / dx : 1e20; }

}  // namespace

bool ShadeSwapped(int dx, int dy) {
  if (dx > 0) return dy < dx;
  if (dx == 0) return dy <= 0;
  return dy <= dx;
}

QPoint CompanionOffset(int dx, int dy) {
  double a = std::atan(Slope(dx, dy)) + kPi / 2;
  if (dx < 0) a += kPi;
  return {text::Round(std::cos(a)), text::Round(std::sin(a))};
}

std::array<QPoint, 2> ArrowHeadEnds(int x1, int y1, int x2, int y2, QPoint tip) {
  const double b = std::atan(Slope(x2 - x1, y2 - y1));
  std::array<QPoint, 2> ends;
  const double angles[2] = {b + kPi / 8, b - kPi / 8};
  for (int i = 0; i < 2; ++i) {
    const double c = kHeadLength * std::cos(angles[i]);
    const double s = kHeadLength * std::sin(angles[i]);
    if (x2 > x1) ends[i] = {text::Round(tip.x() - c), text::Round(tip.y() - s)};
    else if (x2 < x1) ends[i] = {text::Round(tip.x() + c), text::Round(tip.y() + s)};
    else if (y2 > y1) ends[i] = {text::Round(tip.x() + c), text::Round(tip.y() - s)};
    else ends[i] = {text::Round(tip.x() + c), text::Round(tip.y() + s)};
  }
  return ends;
}

std::vector<ArcPart> ArcParts(double startAngle, double endAngle) {
  // The circle in three ranges, lit from the upper left.
  static constexpr ArcPart kRanges[3] = {
      {-3 * kPi / 4, kPi / 4, false},
      {kPi / 4, 5 * kPi / 4, true},
      {5 * kPi / 4, 9 * kPi / 4, false},
  };
  std::vector<ArcPart> parts;
  for (const ArcPart& r : kRanges) {
    const double s = std::max(r.from, startAngle);
    const double e = std::min(r.to, endAngle);
    if (s < e) parts.push_back({s, e, r.upperLeft});
  }
  return parts;
}

}  // namespace drawtool
