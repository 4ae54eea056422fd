#include "framework/drawkit/DrawTool.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/PaintRecord.h"
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

using drawtool::ArrowHeadEnds;
using drawtool::CompanionOffset;
using drawtool::ShadeSwapped;

void FillCanvasColor(TCanvas& canvas, TColor color) {
  const TColor brush = canvas.Brush.Color;
  const TColor pen = canvas.Pen.Color;
  canvas.Brush.Color = color;
  canvas.Pen.Color = color;
  canvas.Rectangle(canvas.ClipRect());
  canvas.Brush.Color = brush;
  canvas.Pen.Color = pen;
}

void TextOutShadow(TCanvas& canvas, int x, int y, const QString& text, TColor color) {
  paintrecord::BeginGroup(canvas.Target(), std::nullopt);
  canvas.Font.Color = clBlack;
  canvas.TextOut(x + 1, y + 1, text);
  canvas.Font.Color = color;
  canvas.TextOut(x, y, text);
  paintrecord::EndGroup(canvas.Target());
}

void TextOutOutlined(TCanvas& canvas, int x, int y, const QString& text, TColor color) {
  paintrecord::BeginGroup(canvas.Target(), ToQRgb(OutlineColorFor(color)));
  canvas.Font.Color = OutlineColorFor(color);
  for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
    canvas.TextOut(x + d.x(), y + d.y(), text);
  canvas.Font.Color = color;
  canvas.TextOut(x, y, text);
  paintrecord::EndGroup(canvas.Target());
}

void Frame3D(TCanvas& canvas, int left, int top, int right, int bottom, TColor topLeft,
             TColor bottomRight) {
  canvas.Pen.Color = topLeft;
  canvas.MoveTo(left, bottom - 1);
  canvas.LineTo(left, top);
  canvas.LineTo(right - 1, top);
  canvas.Pen.Color = bottomRight;
  canvas.MoveTo(right - 1, top);
  canvas.LineTo(right - 1, bottom - 1);
  canvas.LineTo(left, bottom - 1);
}

void Frame3DRings(TCanvas& canvas, const TRect& r, int depth, TColor topLeft, TColor bottomRight) {
  for (int i = 1; i <= depth; ++i)
    Frame3D(canvas, r.Left - i, r.Top - i, r.Right + i, r.Bottom + i, topLeft, bottomRight);
}

namespace {

// The line and its companion, the colours already in their final order.
void LineAndCompanion(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color, TColor shade,
                      QPoint offset) {
  canvas.Pen.Color = color;
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
  canvas.Pen.Color = shade;
  canvas.MoveTo(x1 + offset.x(), y1 + offset.y());
  canvas.LineTo(x2 + offset.x(), y2 + offset.y());
}

}  // namespace

void DrawLine3D(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color, TColor shade,
                bool shaded) {
  const int dx = x2 - x1;
  const int dy = y2 - y1;
  if (ShadeSwapped(dx, dy)) std::swap(color, shade);
  if (!shaded) {
    canvas.Pen.Color = color;
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
    return;
  }
  LineAndCompanion(canvas, x1, y1, x2, y2, color, shade, CompanionOffset(dx, dy));
}

void DrawPolyline3D(TCanvas& canvas, std::span<const TPoint> points, TColor color, TColor shade) {
  for (std::size_t i = 0; i + 1 < points.size(); ++i)
    DrawLine3D(canvas, points[i].x(), points[i].y(), points[i + 1].x(), points[i + 1].y(), color,
               shade, true);
}

void DrawShadowedPolyline(TCanvas& canvas, int offset, std::span<const TPoint> points,
                          TColor color, TColor shadow) {
  std::vector<TPoint> shifted(points.begin(), points.end());
  for (TPoint& p : shifted) p += QPoint(offset, offset);
  DrawPolyline3D(canvas, shifted, shadow, shadow);
  DrawPolyline3D(canvas, points, color, color);
}

void DrawThinArrow(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color) {
  canvas.Pen.Color = color;
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
  for (const QPoint& end : ArrowHeadEnds(x1, y1, x2, y2, {x2, y2})) {
    canvas.MoveTo(x2, y2);
    canvas.LineTo(end.x(), end.y());
  }
}

void DrawArrow3D(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color, TColor shade,
                 TColor headColor) {
  const int dx = x2 - x1;
  const int dy = y2 - y1;
  if (ShadeSwapped(dx, dy)) std::swap(color, shade);
  const QPoint offset = CompanionOffset(dx, dy);
  LineAndCompanion(canvas, x1, y1, x2, y2, color, shade, offset);
  // The head starts on the companion line, so that it covers both.
  const QPoint tip(x2 + offset.x(), y2 + offset.y());
  for (const QPoint& end : ArrowHeadEnds(x1, y1, x2, y2, tip))
    DrawLine3D(canvas, tip.x(), tip.y(), end.x(), end.y(), headColor, headColor, true);
}

void DrawShadowedArrow(TCanvas& canvas, int x1, int y1, int x2, int y2, int offset, TColor color,
                       TColor shadow) {
  DrawArrow3D(canvas, x1 + offset, y1 + offset, x2 + offset, y2 + offset, shadow, shadow, shadow);
  DrawArrow3D(canvas, x1, y1, x2, y2, color, color, color);
}

void DrawArc3D(TCanvas& canvas, int x1, int y1, double startAngle, double endAngle, int x2, int y2,
               TColor lowerRight, TColor upperLeft) {
  const double r = (x2 - x1) * 0.5;
  const double cx = x1 + r;
  const double cy = y1 + r;
  for (const drawtool::ArcPart& part : drawtool::ArcParts(startAngle, endAngle)) {
    const QPoint from(text::Round(cx + r * std::cos(part.from)), text::Round(cy - r * std::sin(part.from)));
    const QPoint to(text::Round(cx + r * std::cos(part.to)), text::Round(cy - r * std::sin(part.to)));
    // Equal radial points would make Arc draw the whole circle; a part this short has no pixel.
    if (from == to) continue;
    canvas.Pen.Color = part.upperLeft ? upperLeft : lowerRight;
    canvas.Arc(x1, y1, x2, y2, from.x(), from.y(), to.x(), to.y());
  }
}

void TextOutOnGround(TCanvas& canvas, int x, int y, const QString& text, TColor color, TColor ground) {
  if (ContrastRatio(color, ground) >= 3.0) {
    canvas.Font.Color = color;
    canvas.TextOut(x, y, text);
  } else {
    TextOutOutlined(canvas, x, y, text, color);
  }
}

TGround SampleGround(const TCanvas& canvas, const TRect& r, std::optional<TColor> against) {
  const QImage* image = canvas.Target();
  if (!image) return {};
  const QRect area = QRect(QPoint(r.Left, r.Top) - canvas.WindowOrg(), QSize(r.Width(), r.Height())) & image->rect();
  if (area.isEmpty()) return {};
  // Every other pixel both ways is plenty; a run of one colour is judged once.
  long long red = 0, green = 0, blue = 0, close = 0, n = 0;
  QRgb last = 0;
  bool lastClose = false;
  for (int y = area.top(); y <= area.bottom(); y += 2) {
    const auto* line = reinterpret_cast<const QRgb*>(image->constScanLine(y));
    for (int x = area.left(); x <= area.right(); x += 2) {
      const QRgb pixel = line[x] & 0xFFFFFFu;
      red += qRed(pixel);
      green += qGreen(pixel);
      blue += qBlue(pixel);
      if (against) {
        if (n == 0 || pixel != last) {
          last = pixel;
          lastClose = ContrastRatio(*against, FromQRgb(pixel)) < 3.0;
        }
        close += lastClose ? 1 : 0;
      }
      ++n;
    }
  }
  return {.Mean = FromQRgb(qRgb(static_cast<int>(red / n), static_cast<int>(green / n), static_cast<int>(blue / n))),
          .CloseShare = static_cast<double>(close) / static_cast<double>(n)};
}

TColor GroundColor(const TCanvas& canvas, const TRect& r) { return SampleGround(canvas, r, std::nullopt).Mean; }

double CloseGroundShare(const TCanvas& canvas, const TRect& r, TColor color) {
  return SampleGround(canvas, r, color).CloseShare;
}

void TextOutOnCanvas(TCanvas& canvas, int x, int y, const QString& text, TColor color) {
  const QSize extent = canvas.TextExtent(text);
  const TRect box = Bounds(x, y, extent.width(), extent.height());
  const TGround ground = SampleGround(canvas, box, color);
  if (ground.Mean != clNone) {
    if (ground.CloseShare > 1.0 / 8) TextOutOutlined(canvas, x, y, text, color);
    else TextOutOnGround(canvas, x, y, text, color, ground.Mean);
    return;
  }
  canvas.Font.Color = color;
  canvas.TextOut(x, y, text);
}
