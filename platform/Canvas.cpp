#include "platform/Canvas.h"

#include <QPainter>
#include <QGlyphRun>
#include <QPainterPath>
#include <QTextLayout>
#include <unordered_map>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <numbers>
#include <stdexcept>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/PaintRecord.h"

// Every figure is first rasterised into a coverage map of its device bounding box (which
// pixels belong to the brush, the pen, or the gaps of a styled pen), then the map is
// applied to the image pixel by pixel with the pen mode. That gives the window system's
// raster operations (xor, not-xor, ...) on lines and fills alike, and each pixel of a
// figure is touched exactly once.

namespace {

constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

// Image pixels as 0x00RRGGBB; TColor is 0x00BBGGRR.
std::uint32_t ToRgb(TColor c) { return ToQRgb(c) & kRgbMask; }

std::uint32_t Rop2(TPenMode mode, std::uint32_t d, std::uint32_t p) {
  switch (mode) {
    case pmBlack: return 0;
    case pmWhite: return kRgbMask;
    case pmNop: return d;
    case pmNot: return ~d;
    case pmCopy: return p;
    case pmNotCopy: return ~p;
    case pmMergePenNot: return p | ~d;
    case pmMaskPenNot: return p & ~d;
    case pmMergeNotPen: return ~p | d;
    case pmMaskNotPen: return ~p & d;
    case pmMerge: return p | d;
    case pmNotMerge: return ~(p | d);
    case pmMask: return p & d;
    case pmNotMask: return ~(p & d);
    case pmXor: return p ^ d;
    case pmNotXor: return ~(p ^ d);
  }
  return p;
}

std::uint32_t Rop3(TCopyMode rop, std::uint32_t s, std::uint32_t d, std::uint32_t p) {
  switch (rop) {
    case SRCCOPY: return s;
    case SRCPAINT: return s | d;
    case SRCAND: return s & d;
    case SRCINVERT: return s ^ d;
    case SRCERASE: return s & ~d;
    case NOTSRCCOPY: return ~s;
    case NOTSRCERASE: return ~(s | d);
    case MERGEPAINT: return ~s | d;
    case MERGECOPY: return s & p;
    case PATCOPY: return p;
    case PATINVERT: return p ^ d;
    case DSTINVERT: return ~d;
    case BLACKNESS: return 0;
    case WHITENESS: return kRgbMask;
    default: break;
  }
  throw std::invalid_argument("Unsupported raster operation");
}

bool UsesSource(TCopyMode rop) {
  return rop != PATCOPY && rop != PATINVERT && rop != DSTINVERT && rop != BLACKNESS &&
         rop != WHITENESS;
}

// 8 x 8 hatch patterns: bit (7 - x) of row y set means the brush colour.
const std::uint8_t* HatchRows(TBrushStyle style) {
  static const std::uint8_t horizontal[8] = {0, 0, 0, 0xFF, 0, 0, 0, 0};
  static const std::uint8_t vertical[8] = {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10};
  static const std::uint8_t fdiagonal[8] = {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};
  static const std::uint8_t bdiagonal[8] = {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80};
  static const std::uint8_t cross[8] = {0x10, 0x10, 0x10, 0xFF, 0x10, 0x10, 0x10, 0x10};
  static const std::uint8_t diagcross[8] = {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81};
  switch (style) {
    case bsHorizontal: return horizontal;
    case bsVertical: return vertical;
    case bsFDiagonal: return fdiagonal;
    case bsBDiagonal: return bdiagonal;
    case bsCross: return cross;
    case bsDiagCross: return diagcross;
    default: return nullptr;
  }
}

// Dash patterns of one-pixel styled pens: alternating on and off run lengths.
std::vector<int> DashPattern(TPenStyle style) {
  switch (style) {
    case psDash: return {18, 6};
    case psDot: return {3, 3};
    case psDashDot: return {9, 6, 3, 6};
    case psDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
  }
}

enum Cell : std::uint8_t { kNone = 0, kBrush = 1, kPen = 2, kPenGap = 3 };

// Which pixels of a device rectangle a figure covers, and with what.
class Coverage {
 public:
  explicit Coverage(const QRect& box)
      : box_(box), cells_(Area(box), kNone), rowLow_(box.isEmpty() ? 0 : box.height(), INT_MAX),
        rowHigh_(box.isEmpty() ? 0 : box.height(), -1) {}

  const QRect& Box() const { return box_; }
  void Mark(int x, int y, Cell c) {
    if (!box_.contains(x, y)) return;
    cells_[Index(x, y)] = c;
    Widen(y - box_.top(), x - box_.left());
  }
  // The cells of device row y from the box's left edge, and the device columns first .. last
  // of that row ever marked (first > last when none was): a thin figure, a line across a
  // large box, is applied without visiting the cells it leaves alone.
  const std::uint8_t* Row(int y) const { return cells_.data() + static_cast<size_t>(y - box_.top()) * box_.width(); }
  int FirstMarked(int y) const {
    const int low = rowLow_[static_cast<size_t>(y - box_.top())];
    return low == INT_MAX ? INT_MAX : box_.left() + low;
  }
  int LastMarked(int y) const {
    const int high = rowHigh_[static_cast<size_t>(y - box_.top())];
    return high < 0 ? INT_MIN : box_.left() + high;
  }
  // Renders a figure (device coordinates) with Qt, aliased: the brush marks kBrush, then
  // the stroke (if any) marks kPen.
  void MarkPath(const QPainterPath& path, bool fill, const QPen* stroke) {
    MarkDrawn([&](QPainter& p) { p.drawPath(path); }, fill, stroke);
  }
  template <typename Draw>
  void MarkDrawn(Draw draw, bool fill, const QPen* stroke) {
    if (box_.isEmpty()) return;
    QImage mask(box_.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
      QPainter p(&mask);
      p.setRenderHint(QPainter::Antialiasing, false);
      p.translate(-box_.topLeft());
      p.setBrush(fill ? QBrush(Qt::red) : QBrush(Qt::NoBrush));
      p.setPen(stroke ? *stroke : QPen(Qt::NoPen));
      draw(p);
    }
    for (int y = 0; y < mask.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
      for (int x = 0; x < mask.width(); ++x) {
        const QRgb px = line[x];
        if (qAlpha(px) == 0) continue;
        cells_[static_cast<size_t>(y) * box_.width() + x] = qRed(px) ? kBrush : kPen;
        Widen(y, x);
      }
    }
  }

 private:
  static size_t Area(const QRect& r) {
    return r.isEmpty() ? 0 : static_cast<size_t>(r.width()) * static_cast<size_t>(r.height());
  }
  size_t Index(int x, int y) const {
    return static_cast<size_t>(y - box_.top()) * box_.width() + (x - box_.left());
  }
  // Box-relative row and column.
  void Widen(int row, int column) {
    int& low = rowLow_[static_cast<size_t>(row)];
    int& high = rowHigh_[static_cast<size_t>(row)];
    if (column < low) low = column;
    if (column > high) high = column;
  }
  QRect box_;
  std::vector<std::uint8_t> cells_;
  std::vector<int> rowLow_;
  std::vector<int> rowHigh_;
};

// Bresenham from a to b, leaving out b; dash state carries on through `phase`.
template <typename Plot>
void RasterLine(QPoint a, QPoint b, Plot plot) {
  int x = a.x(), y = a.y();
  const int dx = std::abs(b.x() - x), dy = -std::abs(b.y() - y);
  const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
  int err = dx + dy;
  while (x != b.x() || y != b.y()) {
    plot(x, y);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

QRect BoundingBox(std::span<const QPoint> pts, int margin) {
  int l = pts[0].x(), r = l, t = pts[0].y(), b = t;
  for (const QPoint& p : pts) {
    l = std::min(l, p.x());
    r = std::max(r, p.x());
    t = std::min(t, p.y());
    b = std::max(b, p.y());
  }
  return QRect(QPoint(l - margin, t - margin), QPoint(r + margin, b + margin));
}

}  // namespace

// Rasterises figures of one canvas into coverage maps and applies them.
class CanvasPainter {
 public:
  explicit CanvasPainter(TCanvas& c) : c_(c) {}

  QRect DeviceClip() const {
    if (!c_.target_) return {};
    QRect r = c_.target_->rect();
    if (c_.clip_) r &= *c_.clip_;
    return r;
  }
  QPoint Dev(int x, int y) const { return QPoint(x, y) - c_.org_; }
  bool PenVisible() const { return c_.Pen.Style != psClear && c_.Pen.Mode != pmNop; }
  int PenWidth() const { return std::max(1, c_.Pen.Width); }
  bool Opaque() const { return c_.BkMode() == OPAQUE; }

  // Marks a polyline of the pen (device points), the end point of the last segment left
  // out for a one-pixel pen; wide pens draw with round ends and joins.
  void MarkLines(Coverage& cov, std::span<const QPoint> pts, bool closed) {
    if (PenWidth() > 1) {
      QPainterPath path;
      path.moveTo(pts[0]);
      for (size_t i = 1; i < pts.size(); ++i) path.lineTo(pts[i]);
      if (closed) path.closeSubpath();
      QPen pen(Qt::blue, PenWidth(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
      cov.MarkPath(path, false, &pen);
      return;
    }
    WalkPen(pts, closed, [&](int x, int y, bool gap) { cov.Mark(x, y, gap ? kPenGap : kPen); });
  }

  // The pixels of a one-pixel polyline of the pen in order, the end point of the last segment
  // left out: plot(x, y, gap) for each, gap set on the gaps of a dashed pen where the
  // background is opaque (a transparent gap is not plotted). The dash state runs on from one
  // segment to the next.
  template <typename Plot>
  void WalkPen(std::span<const QPoint> pts, bool closed, Plot plot) {
    const std::vector<int> dashes = DashPattern(c_.Pen.Style);
    size_t run = 0;
    int left = dashes.empty() ? 0 : dashes[0];
    const bool opaque = Opaque();
    auto step = [&](int x, int y) {
      if (dashes.empty()) {
        plot(x, y, false);
        return;
      }
      if (run % 2 == 0) plot(x, y, false);
      else if (opaque) plot(x, y, true);
      if (--left == 0) {
        run = (run + 1) % dashes.size();
        left = dashes[run];
      }
    };
    for (size_t i = 1; i < pts.size(); ++i) RasterLine(pts[i - 1], pts[i], step);
    if (closed && pts.size() > 1) RasterLine(pts.back(), pts.front(), step);
  }

  // A one-pixel polyline in a mode whose result does not depend on what is below is drawn
  // straight onto the image, pixel by pixel as MarkLines and Apply would draw it (a pixel
  // two segments share takes the last one's colour either way), without a coverage grid of
  // the whole bounding box: a full network repaints some seven hundred long lines a step.
  // False when the figure needs the grid.
  bool PlotThinLines(std::span<const QPoint> pts, bool closed) {
    const TPenMode mode = c_.Pen.Mode;
    if (PenWidth() > 1 || (mode != pmCopy && mode != pmNotCopy && mode != pmBlack && mode != pmWhite)) return false;
    const QRect r = BoundingBox(pts, PenWidth()) & DeviceClip();
    if (r.isEmpty()) return true;
    const std::uint32_t pen = Rop2(mode, 0, ToRgb(c_.Pen.Color)) & kRgbMask;
    const std::uint32_t gap = Rop2(mode, 0, ToRgb(c_.Brush.Color)) & kRgbMask;
    // The image's pixels fetched once (a scan line fetched per pixel detaches the image each
    // time) and the clip as plain numbers: this loop runs for every pixel of every line.
    auto* const bits = reinterpret_cast<QRgb*>(c_.target_->bits());
    const qsizetype stride = c_.target_->bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    const int l = r.left(), t = r.top(), rr = r.right(), b = r.bottom();
    WalkPen(pts, closed, [&](int x, int y, bool gapPixel) {
      if (x >= l && x <= rr && y >= t && y <= b) bits[y * stride + x] = 0xFF000000u | (gapPixel ? gap : pen);
    });
    Changed(r);
    return true;
  }

  // The brush colour at a device pixel, or nothing where the brush leaves it alone.
  bool BrushAt(int x, int y, std::uint32_t& rgb) const {
    const TBrush& b = c_.Brush;
    if (b.Bitmap && !b.Bitmap->Empty()) {
      const QImage& im = b.Bitmap->Image();
      const int px = ((x % im.width()) + im.width()) % im.width();
      const int py = ((y % im.height()) + im.height()) % im.height();
      rgb = im.pixel(px, py) & kRgbMask;
      return true;
    }
    if (b.Style == bsClear) return false;
    if (b.Style == bsSolid) {
      rgb = ToRgb(b.Color);
      return true;
    }
    const std::uint8_t* rows = HatchRows(b.Style);
    if (!rows || !(rows[y & 7] & (0x80 >> (x & 7)))) return false;
    rgb = ToRgb(b.Color);
    return true;
  }

  void Apply(const Coverage& cov, TPenMode mode) {
    const QRect r = cov.Box() & DeviceClip();
    if (r.isEmpty()) return;
    const std::uint32_t pen = ToRgb(c_.Pen.Color);
    const std::uint32_t gap = ToRgb(c_.Brush.Color);
    QImage& im = *c_.target_;
    const int boxLeft = cov.Box().left();
    for (int y = r.top(); y <= r.bottom(); ++y) {
      const int first = std::max(r.left(), cov.FirstMarked(y));
      const int last = std::min(r.right(), cov.LastMarked(y));
      if (first > last) continue;
      auto* line = reinterpret_cast<QRgb*>(im.scanLine(y));
      const std::uint8_t* cells = cov.Row(y);
      for (int x = first; x <= last; ++x) {
        std::uint32_t src = 0;
        switch (static_cast<Cell>(cells[x - boxLeft])) {
          case kNone: continue;
          case kPen: src = pen; break;
          case kPenGap: src = gap; break;
          case kBrush:
            if (!BrushAt(x, y, src)) continue;
            break;
        }
        line[x] = 0xFF000000u | (Rop2(mode, line[x] & kRgbMask, src) & kRgbMask);
      }
    }
    Changed(r);
  }

  // What the recording of drawn figures needs (see PaintRecord.h); used only while it is on.
  static bool Recording() { return paintrecord::Enabled(); }
  bool PenRecorded() const {
    const TPenMode m = c_.Pen.Mode;
    return PenVisible() && m != pmNot && m != pmXor && m != pmNotXor;  // xor marks come and go
  }
  bool BrushOpaque() const {
    if (c_.Brush.Bitmap) return !c_.Brush.Bitmap->Empty();
    return c_.Brush.Style == bsSolid;
  }
  void RecordLines(std::span<const QPoint> pts, bool closed) const {
    if (!Recording() || !PenRecorded() || pts.empty()) return;
    const QRect clip = DeviceClip();
    for (size_t i = 1; i < pts.size(); ++i) paintrecord::AddLine(c_.target_, pts[i - 1], pts[i], PenWidth(), clip);
    if (closed && pts.size() > 2) paintrecord::AddLine(c_.target_, pts.back(), pts.front(), PenWidth(), clip);
  }
  void RecordCover(paintrecord::Cover cover) const {
    if (Recording()) paintrecord::AddCover(c_.target_, cover, DeviceClip());
  }
  // A figure: its fill (when filled) hides what was below, then its outline is drawn, closed
  // unless it is an open arc. bounds: the whole figure, device pixels.
  void RecordFigure(paintrecord::Figure::Kind kind, const QRectF& bounds, paintrecord::Cover cover,
                    std::span<const QPoint> outline, bool filled, bool closed = true) const {
    if (!Recording()) return;
    paintrecord::Figure f{kind, bounds, {}, {}, filled && BrushOpaque(), PenRecorded() && !outline.empty(), {}};
    if (kind == paintrecord::Figure::Polygon)
      for (const QPoint& p : outline) f.points.append(QPointF(p) + QPointF(0.5, 0.5));
    if (closed && (f.filled || f.outlined)) paintrecord::AddFigure(c_.target_, f, cover, DeviceClip());
    else if (f.filled) RecordCover(cover);
    RecordLines(outline, closed);
  }
  // A bitmap drawn at dev (device pixels), after its block copy was recorded.
  void RecordPicture(const QRect& dev) const {
    if (!Recording()) return;
    paintrecord::AddFigure(c_.target_, {paintrecord::Figure::Picture, QRectF(dev), {}, {}, true, false, {}},
                           {paintrecord::Cover::Rect, QRectF(), {}}, DeviceClip());
  }

  void Changed(const QRect& device) const {
    if (c_.OnChange && !device.isEmpty()) c_.OnChange(device);
  }

  // Pen outline and brush interior of a figure drawn by Qt in device coordinates, within
  // the box.
  template <typename Draw>
  void FillAndStroke(const QRect& box, Draw draw, bool fill) {
    Coverage cov(box.adjusted(-PenWidth(), -PenWidth(), PenWidth(), PenWidth()) & DeviceClip());
    const bool brush = fill && (c_.Brush.Style != bsClear || c_.Brush.Bitmap);
    QPen pen(Qt::blue, PenWidth() > 1 ? PenWidth() : 0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    cov.MarkDrawn(draw, brush, PenVisible() ? &pen : nullptr);
    Apply(cov, c_.Pen.Mode);
  }

  // Copies src (already cut to the destination size) onto the device point with rop;
  // pixels of skipColour (if any) are left out.
  void Blit(const QImage& src, QPoint dev, TCopyMode rop, std::optional<std::uint32_t> skip) {
    const QRect r = QRect(dev, src.size()) & DeviceClip();
    if (r.isEmpty()) return;
    if (Recording()) {
      const bool opaque = !skip && (rop == SRCCOPY || rop == NOTSRCCOPY);
      paintrecord::AddBlit(c_.target_, &src, QRectF(src.rect()),
                           QRectF(QRect(dev, src.size())), opaque, DeviceClip());
    }
    // A copy when drawing a canvas's own image onto itself.
    const QImage s = &src == c_.target_ ? src.copy()
                     : src.format() == QImage::Format_RGB32 || src.format() == QImage::Format_ARGB32
                         ? src
                         : src.convertToFormat(QImage::Format_RGB32);
    QImage& im = *c_.target_;
    const bool copy = rop == SRCCOPY && !skip;
    for (int y = r.top(); y <= r.bottom(); ++y) {
      auto* d = reinterpret_cast<QRgb*>(im.scanLine(y));
      const auto* sl = reinterpret_cast<const QRgb*>(s.constScanLine(y - dev.y()));
      if (copy) {
        for (int x = r.left(); x <= r.right(); ++x) d[x] = sl[x - dev.x()] | 0xFF000000u;
        continue;
      }
      if (rop == SRCCOPY) {  // a transparent copy needs no brush
        for (int x = r.left(); x <= r.right(); ++x) {
          const std::uint32_t sv = sl[x - dev.x()] & kRgbMask;
          if (sv != *skip) d[x] = 0xFF000000u | sv;
        }
        continue;
      }
      for (int x = r.left(); x <= r.right(); ++x) {
        const std::uint32_t sv = sl[x - dev.x()] & kRgbMask;
        if (skip && sv == *skip) continue;
        std::uint32_t p = 0;
        BrushAt(x, y, p);
        d[x] = 0xFF000000u | (Rop3(rop, sv, d[x] & kRgbMask, p) & kRgbMask);
      }
    }
    Changed(r);
  }

 private:
  TCanvas& c_;
};

namespace {

// A polygon as a figure that hides what it covers: only a convex one does (the record
// cuts lines by convex figures); any other hides nothing.
paintrecord::Cover PolygonCover(std::span<const QPoint> pts) {
  paintrecord::Cover cover{paintrecord::Cover::Polygon, {}, {}};
  int sign = 0;
  const size_t n = pts.size();
  for (size_t i = 0; i < n && n >= 3; ++i) {
    const QPoint a = pts[i], b = pts[(i + 1) % n], c = pts[(i + 2) % n];
    const long long cross = static_cast<long long>(b.x() - a.x()) * (c.y() - b.y()) -
                            static_cast<long long>(b.y() - a.y()) * (c.x() - b.x());
    if (cross == 0) continue;
    if (sign == 0) sign = cross > 0 ? 1 : -1;
    else if ((cross > 0 ? 1 : -1) != sign) return cover;  // not convex: no points, hides nothing
  }
  if (sign == 0) return cover;
  for (const QPoint& p : pts) cover.points.append(QPointF(p) + QPointF(0.5, 0.5));
  cover.bounds = QPolygonF(cover.points).boundingRect();
  return cover;
}

// The angle (degrees, anticlockwise from 3 o'clock) at which Qt's ellipse parameter meets
// the radial from the centre through p.
double ArcParameter(const QRectF& box, QPointF p) {
  const QPointF c = box.center();
  const double a = std::max(box.width() / 2, 0.5), b = std::max(box.height() / 2, 0.5);
  const double theta = std::atan2(-(p.y() - c.y()), p.x() - c.x());
  return std::atan2(a * std::sin(theta), b * std::cos(theta)) * 180.0 / std::numbers::pi;
}

enum class ArcKind { kArc, kPie, kChord };

QPainterPath ArcPath(ArcKind kind, QPoint d1, QPoint d2, QPoint d3, QPoint d4) {
  const QRect norm = QRect(d1, d2 - QPoint(1, 1)).normalized();
  const QRectF box(norm.left(), norm.top(), norm.width() - 1, norm.height() - 1);
  const double start = ArcParameter(box, d3);
  double span = ArcParameter(box, d4) - start;
  while (span <= 0) span += 360;
  if (span > 360) span -= 360;
  QPainterPath path;
  if (kind == ArcKind::kPie) {
    path.moveTo(box.center());
    path.arcTo(box, start, span);
    path.closeSubpath();
  } else {
    path.arcMoveTo(box, start);
    path.arcTo(box, start, span);
    if (kind == ArcKind::kChord) path.closeSubpath();
  }
  return path;
}

// Shaping a text is most of the cost of drawing it, and windows draw the same few texts
// again and again: the glyphs of a text in a font are laid out once. Underlined and struck
// out texts are drawn as they come.
void DrawShapedText(QPainter& p, const QFont& font, QPoint baseline, const QString& text) {
  if (font.underline() || font.strikeOut()) {
    p.drawText(baseline, text);
    return;
  }
  struct Shaped {
    QFont font;
    QList<QGlyphRun> runs;
  };
  static std::unordered_map<QString, std::vector<Shaped>> cache;
  constexpr size_t kMaxTexts = 4096;
  if (cache.size() >= kMaxTexts) cache.clear();
  std::vector<Shaped>& entries = cache[text];
  auto it = std::find_if(entries.begin(), entries.end(), [&](const Shaped& s) { return s.font == font; });
  if (it == entries.end()) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    Shaped shaped{font, line.glyphRuns()};
    // Positions relative to the start of the baseline.
    for (QGlyphRun& run : shaped.runs) {
      QList<QPointF> pos = run.positions();
      for (QPointF& q : pos) q.ry() -= line.ascent();
      run.setPositions(pos);
    }
    entries.push_back(std::move(shaped));
    it = entries.end() - 1;
  }
  for (const QGlyphRun& run : it->runs) p.drawGlyphRun(baseline, run);
}

}  // namespace

void TCanvas::MoveTo(int x, int y) { PenPos = {x, y}; }

void TCanvas::LineTo(int x, int y) {
  const QPoint from = PenPos;
  PenPos = {x, y};
  if (!target_) return;
  CanvasPainter cp(*this);
  if (!cp.PenVisible()) return;
  const QPoint pts[2] = {cp.Dev(from.x(), from.y()), cp.Dev(x, y)};
  if (!cp.PlotThinLines(pts, false)) {
    Coverage cov(BoundingBox(pts, cp.PenWidth()) & cp.DeviceClip());
    cp.MarkLines(cov, pts, false);
    cp.Apply(cov, Pen.Mode);
  }
  cp.RecordLines(pts, false);
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  if (!target_ || points.size() < 2) return;
  CanvasPainter cp(*this);
  if (!cp.PenVisible()) return;
  std::vector<QPoint> dev;
  for (const TPoint& p : points) dev.push_back(cp.Dev(p.x(), p.y()));
  if (!cp.PlotThinLines(dev, false)) {
    Coverage cov(BoundingBox(dev, cp.PenWidth()) & cp.DeviceClip());
    cp.MarkLines(cov, dev, false);
    cp.Apply(cov, Pen.Mode);
  }
  cp.RecordLines(dev, false);
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (!target_) return;
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  if (x2 == x1 || y2 == y1) return;
  CanvasPainter cp(*this);
  const QPoint a = cp.Dev(x1, y1), b = cp.Dev(x2, y2);
  // The pen is a ring of its width centred on the outermost pixels (inside them for
  // psInsideFrame); the brush fills what the ring encloses.
  const int w = cp.PenVisible() ? cp.PenWidth() : 0;
  QRect outer(a, b - QPoint(1, 1));
  if (w > 0 && Pen.Style != psInsideFrame) outer.adjust(-(w - 1) / 2, -(w - 1) / 2, w / 2, w / 2);
  const QRect inner = outer.adjusted(w, w, -w, -w);
  Coverage cov(outer & cp.DeviceClip());
  const QRect box = cov.Box();
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x)
      cov.Mark(x, y, inner.contains(x, y) ? kBrush : kPen);
  if (w == 1 && Pen.Style != psSolid && Pen.Style != psInsideFrame) {
    // A styled outline: redo the ring with the dash pattern.
    for (int y = box.top(); y <= box.bottom(); ++y)
      for (int x = box.left(); x <= box.right(); ++x)
        if (!inner.contains(x, y)) cov.Mark(x, y, kNone);
    const QPoint c[4] = {outer.topLeft(), outer.topRight(), outer.bottomRight(), outer.bottomLeft()};
    cp.MarkLines(cov, c, true);
  }
  cp.Apply(cov, Pen.Mode);
  if (CanvasPainter::Recording()) {
    const QPoint ring[4] = {outer.topLeft(), outer.topRight(), outer.bottomRight(), outer.bottomLeft()};
    cp.RecordFigure(paintrecord::Figure::Rect, QRectF(outer), {paintrecord::Cover::Rect, QRectF(outer.adjusted(0, 0, 1, 1)), {}},
                    w > 0 ? std::span<const QPoint>(ring) : std::span<const QPoint>(), true);
  }
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerW, int cornerH) {
  if (!target_) return;
  CanvasPainter cp(*this);
  const QRect norm = QRect(cp.Dev(x1, y1), cp.Dev(x2, y2) - QPoint(1, 1)).normalized();
  const QRectF box(norm.left(), norm.top(), norm.width() - 1, norm.height() - 1);
  cp.FillAndStroke(
      norm, [&](QPainter& p) { p.drawRoundedRect(box, cornerW / 2.0, cornerH / 2.0); }, true);
  if (CanvasPainter::Recording()) {
    const QPoint ring[4] = {norm.topLeft(), norm.topRight(), norm.bottomRight(), norm.bottomLeft()};
    cp.RecordFigure(paintrecord::Figure::RoundRect, QRectF(norm), {paintrecord::Cover::Rect, QRectF(norm.adjusted(0, 0, 1, 1)), {}},
                    cp.PenVisible() ? std::span<const QPoint>(ring) : std::span<const QPoint>(), true);
  }
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (!target_) return;
  CanvasPainter cp(*this);
  const QRect norm = QRect(cp.Dev(x1, y1), cp.Dev(x2, y2) - QPoint(1, 1)).normalized();
  const QRectF box(norm.left(), norm.top(), norm.width() - 1, norm.height() - 1);
  cp.FillAndStroke(norm, [&](QPainter& p) { p.drawEllipse(box); }, true);
  if (CanvasPainter::Recording()) {
    std::vector<QPoint> ring;
    for (int i = 0; i < 24; ++i) {
      const double a = i * std::numbers::pi / 12;
      ring.emplace_back(static_cast<int>(std::lround(box.center().x() + box.width() / 2 * std::cos(a))),
                        static_cast<int>(std::lround(box.center().y() + box.height() / 2 * std::sin(a))));
    }
    if (!cp.PenVisible()) ring.clear();
    cp.RecordFigure(paintrecord::Figure::Ellipse, QRectF(norm),
                    {paintrecord::Cover::Ellipse, QRectF(norm.adjusted(0, 0, 1, 1)), {}}, ring, true);
  }
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  if (!target_ || points.empty()) return;
  CanvasPainter cp(*this);
  std::vector<QPoint> dev;
  for (const TPoint& p : points) dev.push_back(cp.Dev(p.x(), p.y()));
  Coverage cov(BoundingBox(dev, cp.PenWidth()) & cp.DeviceClip());
  if (Brush.Style != bsClear || Brush.Bitmap) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(QPolygonF(QPolygon(QList<QPoint>(dev.begin(), dev.end()))));
    path.closeSubpath();
    cov.MarkPath(path, true, nullptr);
  }
  if (cp.PenVisible()) {
    if (dev.size() == 1) dev.push_back(dev.front() + QPoint(1, 0));
    cp.MarkLines(cov, dev, true);
  }
  cp.Apply(cov, Pen.Mode);
  if (CanvasPainter::Recording())
    cp.RecordFigure(paintrecord::Figure::Polygon, QRectF(BoundingBox(dev, 0)), PolygonCover(dev), dev,
                    Brush.Style != bsClear || Brush.Bitmap);
}

void TCanvas::ArcFigure(int kind, int x1, int y1, int x2, int y2, int x3, int y3, int x4,
                        int y4) {
  if (!target_) return;
  CanvasPainter cp(*this);
  const auto k = static_cast<ArcKind>(kind);
  if (k == ArcKind::kArc && !cp.PenVisible()) return;
  const QPainterPath path = ArcPath(k, cp.Dev(x1, y1), cp.Dev(x2, y2), cp.Dev(x3, y3),
                                    cp.Dev(x4, y4));
  cp.FillAndStroke(QRect(cp.Dev(x1, y1), cp.Dev(x2, y2)).normalized(),
                   [&](QPainter& p) { p.drawPath(path); }, k != ArcKind::kArc);
  if (CanvasPainter::Recording()) {
    for (const QPolygonF& part : path.toSubpathPolygons()) {
      std::vector<QPoint> pts;
      for (const QPointF& q : part) pts.push_back(q.toPoint());
      QList<QPoint> corners(pts.begin(), pts.end());
      cp.RecordFigure(paintrecord::Figure::Polygon, QRectF(QPolygon(corners).boundingRect()), PolygonCover(pts), pts,
                      k != ArcKind::kArc, k != ArcKind::kArc);
    }
  }
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  ArcFigure(static_cast<int>(ArcKind::kArc), x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  ArcFigure(static_cast<int>(ArcKind::kPie), x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  ArcFigure(static_cast<int>(ArcKind::kChord), x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::FillRect(const TRect& r) {
  if (!target_ || r.IsEmpty()) return;
  CanvasPainter cp(*this);
  const QRect dev = QRect(cp.Dev(r.Left, r.Top), QSize(r.Width(), r.Height())) & cp.DeviceClip();
  if (dev.isEmpty()) return;
  if (cp.BrushOpaque()) cp.RecordFigure(paintrecord::Figure::Rect, QRectF(dev), {paintrecord::Cover::Rect, QRectF(dev), {}}, {}, true);
  if (Brush.Style == bsSolid && !Brush.Bitmap) {
    const QRgb c = ToQRgb(Brush.Color);
    for (int y = dev.top(); y <= dev.bottom(); ++y)
      std::fill_n(reinterpret_cast<QRgb*>(target_->scanLine(y)) + dev.left(), dev.width(), c);
    cp.Changed(dev);
    return;
  }
  Coverage cov(dev);
  for (int y = dev.top(); y <= dev.bottom(); ++y)
    for (int x = dev.left(); x <= dev.right(); ++x) cov.Mark(x, y, kBrush);
  cp.Apply(cov, pmCopy);
}

void TCanvas::FrameRect(const TRect& r) {
  if (!target_ || r.IsEmpty()) return;
  CanvasPainter cp(*this);
  const QRect outer(cp.Dev(r.Left, r.Top), QSize(r.Width(), r.Height()));
  const QRect inner = outer.adjusted(1, 1, -1, -1);
  Coverage cov(outer & cp.DeviceClip());
  const QRect box = cov.Box();
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x)
      if (!inner.contains(x, y)) cov.Mark(x, y, kBrush);
  cp.Apply(cov, pmCopy);
  if (CanvasPainter::Recording() && cp.BrushOpaque()) {
    paintrecord::AddFigure(target_, {paintrecord::Figure::Rect, QRectF(outer), {}, {}, false, true, {}}, {}, cp.DeviceClip());
    const QRect o = outer.adjusted(0, 0, -1, -1);
    const QPoint ring[4] = {o.topLeft(), o.topRight(), o.bottomRight(), o.bottomLeft()};
    const QRect clip = cp.DeviceClip();
    for (int i = 0; i < 4; ++i) paintrecord::AddLine(target_, ring[i], ring[(i + 1) % 4], 1, clip);
  }
}

void TCanvas::DrawFocusRect(const TRect& r) {
  if (!target_ || r.IsEmpty()) return;
  CanvasPainter cp(*this);
  const QRect outer(cp.Dev(r.Left, r.Top), QSize(r.Width(), r.Height()));
  const QRect inner = outer.adjusted(1, 1, -1, -1);
  const QRect box = outer & cp.DeviceClip();
  for (int y = box.top(); y <= box.bottom(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(target_->scanLine(y));
    for (int x = box.left(); x <= box.right(); ++x)
      if (!inner.contains(x, y) && (x + y) % 2 == 0) line[x] ^= kRgbMask;
  }
  cp.Changed(box);
}

void TCanvas::TextOut(int x, int y, const QString& text) {
  if (textAlign_ & TA_UPDATECP) {
    x = PenPos.x();
    y = PenPos.y();
  }
  const int width = Font.TextWidth(text);
  if (textAlign_ & TA_UPDATECP) {
    if ((textAlign_ & TA_CENTER) == TA_LEFT) PenPos.rx() += width;
    else if ((textAlign_ & TA_CENTER) == TA_RIGHT) PenPos.rx() -= width;
  }
  if (!target_ || text.isEmpty()) return;
  CanvasPainter cp(*this);
  const QRect clip = cp.DeviceClip();
  if (clip.isEmpty()) return;
  const QFont font = Font.ToQFont();
  const QFontMetrics m(font);
  const QPoint d = cp.Dev(x, y);
  int left = d.x();
  switch (textAlign_ & TA_CENTER) {
    case TA_CENTER: left -= width / 2; break;
    case TA_RIGHT: left -= width; break;
    default: break;
  }
  int top = d.y();
  switch (textAlign_ & TA_BASELINE) {
    case TA_BASELINE: top -= m.ascent(); break;
    case TA_BOTTOM: top -= m.ascent() + m.descent(); break;
    default: break;
  }
  const QRect cell(left, top, width, m.ascent() + m.descent());
  if (CanvasPainter::Recording()) {
    std::optional<QRgb> cellColour;
    if (cp.Opaque()) {
      cp.RecordCover({paintrecord::Cover::Rect, QRectF(cell), {}});
      cellColour = ToRgb(Brush.Color);
    }
    paintrecord::AddText(target_, text, font, QPoint(left, top + m.ascent()), ToRgb(Font.Color), cellColour, clip);
  }
  QPainter p(target_);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  p.setClipRect(clip);
  if (cp.Opaque()) p.fillRect(cell, ToQColor(Brush.Color));
  p.setFont(font);
  p.setPen(ToQColor(Font.Color));
  DrawShapedText(p, font, QPoint(left, top + m.ascent()), text);
  p.end();
  // Italic overhang and underline may reach a little past the cell.
  cp.Changed(cell.adjusted(-2, 0, m.maxWidth() / 2 + 2, 2) & clip);
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& text) {
  if (!target_) return;
  const std::optional<QRect> saved = clip_;
  const QPoint org = org_;
  IntersectClipRect(r);
  if (Brush.Style != bsClear) {
    const TBrush b = Brush;
    Brush.Bitmap = nullptr;
    Brush.Style = bsSolid;
    FillRect(r);
    Brush = b;
  }
  // The rectangle was filled: the text itself goes on transparently.
  const bool explicitMode = bkModeExplicit_;
  const int mode = bkMode_;
  const TBrush modeBrush = bkModeBrush_;
  SetBkMode(TRANSPARENT);
  TextOut(x, y, text);
  bkModeExplicit_ = explicitMode;
  bkMode_ = mode;
  bkModeBrush_ = modeBrush;
  clip_ = saved;
  org_ = org;
}

unsigned TCanvas::SetTextAlign(unsigned flags) { return std::exchange(textAlign_, flags); }

int TCanvas::SetBkMode(int mode) {
  const int old = BkMode();
  bkMode_ = mode == TRANSPARENT ? TRANSPARENT : OPAQUE;
  bkModeBrush_ = Brush;
  bkModeExplicit_ = true;
  return old;
}

int TCanvas::BkMode() const {
  if (bkModeExplicit_ && Brush == bkModeBrush_) return bkMode_;
  return Brush.Style == bsSolid && !Brush.Bitmap ? OPAQUE : TRANSPARENT;
}

TPoint TCanvas::SetWindowOrg(int x, int y) { return std::exchange(org_, TPoint(x, y)); }

void TCanvas::SetClipRect(const TRect& r) {
  clip_ = QRect(r.TopLeft() - org_, QSize(std::max(0, r.Width()), std::max(0, r.Height())));
}

void TCanvas::IntersectClipRect(const TRect& r) {
  const QRect dev(r.TopLeft() - org_, QSize(std::max(0, r.Width()), std::max(0, r.Height())));
  clip_ = clip_ ? (*clip_ & dev) : dev;
}

void TCanvas::ClearClipRect() { clip_.reset(); }

TRect TCanvas::ClipRect() const {
  const QRect dev = CanvasPainter(const_cast<TCanvas&>(*this)).DeviceClip();
  return OffsetRect(TRect::FromQRect(dev), org_.x(), org_.y());
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
  StretchBlt(dest, source, sourceRect, CopyMode);
}

void TCanvas::BitBlt(int x, int y, int w, int h, const TCanvas& source, int sx, int sy,
                     TCopyMode rop) {
  StretchBlt(Bounds(x, y, w, h), source, Bounds(sx, sy, w, h), rop);
}

void TCanvas::StretchBlt(const TRect& dest, const TCanvas& source, const TRect& sourceRect,
                         TCopyMode rop) {
  if (!target_ || dest.Width() == 0 || dest.Height() == 0) return;
  if (!UsesSource(rop)) {
    PatBlt(dest, rop);
    return;
  }
  if (!source.target_ || sourceRect.Width() == 0 || sourceRect.Height() == 0) return;
  if (rop == SRCCOPY && dest.Width() == sourceRect.Width() && dest.Height() == sourceRect.Height() &&
      dest.Width() > 0 && dest.Height() > 0 && target_->format() == QImage::Format_RGB32 &&
      source.target_->format() == QImage::Format_RGB32) {
    // The common case, a plain copy of the same size: whole rows at once.
    CanvasPainter cp(*this);
    const QPoint at = cp.Dev(dest.Left, dest.Top);
    const QPoint from = QPoint(sourceRect.Left, sourceRect.Top) - source.org_;
    const QRect available = (QRect(from, QSize(dest.Width(), dest.Height())) & source.target_->rect())
                                .translated(at - from);
    const QRect r = available & cp.DeviceClip();
    if (r.isEmpty()) return;
    if (CanvasPainter::Recording())
      paintrecord::AddBlit(target_, source.target_, QRectF(QRect(from, QSize(dest.Width(), dest.Height()))),
                           QRectF(QRect(at, QSize(dest.Width(), dest.Height()))), true, cp.DeviceClip());
    const int sx = r.left() - at.x() + from.x();
    const int sy = r.top() - at.y() + from.y();
    const std::size_t bytes = static_cast<std::size_t>(r.width()) * sizeof(QRgb);
    // Copying within one image downwards goes from the bottom row up, and a row may overlap
    // itself; rows of two images never do (memcpy: far cheaper than memmove under the
    // address sanitizer, which moves byte by byte).
    const bool same = source.target_ == target_;
    const bool upwards = same && sy < r.top();
    for (int i = 0; i < r.height(); ++i) {
      const int row = upwards ? r.height() - 1 - i : i;
      uchar* to = target_->scanLine(r.top() + row) + static_cast<std::size_t>(r.left()) * sizeof(QRgb);
      const uchar* from = source.target_->constScanLine(sy + row) + static_cast<std::size_t>(sx) * sizeof(QRgb);
      if (same) std::memmove(to, from, bytes);
      else std::memcpy(to, from, bytes);
    }
    cp.Changed(r);
    return;
  }
  // Pixels outside the source image are not copied; the rest keeps its place.
  const QRect srcNorm(QPoint(std::min(sourceRect.Left, sourceRect.Right),
                            std::min(sourceRect.Top, sourceRect.Bottom)) - source.org_,
                     QSize(std::abs(sourceRect.Width()), std::abs(sourceRect.Height())));
  QImage part(srcNorm.size(), QImage::Format_ARGB32);
  part.fill(Qt::transparent);
  {
    const QRect inside = srcNorm & source.target_->rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
      const auto* s = reinterpret_cast<const QRgb*>(source.target_->constScanLine(y));
      auto* d = reinterpret_cast<QRgb*>(part.scanLine(y - srcNorm.top()));
      for (int x = inside.left(); x <= inside.right(); ++x)
        d[x - srcNorm.left()] = s[x] | 0xFF000000u;
    }
  }
  const bool mirrorX = (dest.Width() < 0) != (sourceRect.Width() < 0);
  const bool mirrorY = (dest.Height() < 0) != (sourceRect.Height() < 0);
  const QSize size(std::abs(dest.Width()), std::abs(dest.Height()));
  if (size != part.size()) part = part.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  if (mirrorX || mirrorY) part = part.mirrored(mirrorX, mirrorY);
  CanvasPainter cp(*this);
  const QPoint at = cp.Dev(std::min(dest.Left, dest.Right), std::min(dest.Top, dest.Bottom));
  // Leave out pixels that came from outside the source.
  const QRect r = QRect(at, size) & cp.DeviceClip();
  if (r.isEmpty()) return;
  if (CanvasPainter::Recording() && (rop == SRCCOPY || rop == NOTSRCCOPY))
    paintrecord::AddBlit(target_, rop == SRCCOPY ? source.target_ : nullptr, QRectF(srcNorm),
                         QRectF(QRect(at, size)), true, cp.DeviceClip());
  QImage& im = *target_;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    auto* d = reinterpret_cast<QRgb*>(im.scanLine(y));
    const auto* s = reinterpret_cast<const QRgb*>(part.constScanLine(y - at.y()));
    for (int x = r.left(); x <= r.right(); ++x) {
      const QRgb sv = s[x - at.x()];
      if (qAlpha(sv) == 0) continue;
      if (rop == SRCCOPY) {  // the common plain copy needs no brush
        d[x] = sv;
        continue;
      }
      std::uint32_t p = 0;
      cp.BrushAt(x, y, p);
      d[x] = 0xFF000000u | (Rop3(rop, sv & kRgbMask, d[x] & kRgbMask, p) & kRgbMask);
    }
  }
  cp.Changed(r);
}

void TCanvas::PatBlt(const TRect& r, TCopyMode rop) {
  if (!target_ || r.IsEmpty()) return;
  CanvasPainter cp(*this);
  const QRect dev = QRect(cp.Dev(r.Left, r.Top), QSize(r.Width(), r.Height())) & cp.DeviceClip();
  if (dev.isEmpty()) return;
  if (rop == BLACKNESS || rop == WHITENESS || (rop == PATCOPY && cp.BrushOpaque()))
    cp.RecordCover({paintrecord::Cover::Rect, QRectF(dev), {}});
  for (int y = dev.top(); y <= dev.bottom(); ++y) {
    auto* d = reinterpret_cast<QRgb*>(target_->scanLine(y));
    for (int x = dev.left(); x <= dev.right(); ++x) {
      std::uint32_t p = 0;
      cp.BrushAt(x, y, p);
      d[x] = 0xFF000000u | (Rop3(rop, 0, d[x] & kRgbMask, p) & kRgbMask);
    }
  }
  cp.Changed(dev);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  if (!target_ || bitmap.Empty()) return;
  CanvasPainter cp(*this);
  if (bitmap.Transparent) {
    cp.Blit(bitmap.Image(), cp.Dev(x, y), SRCCOPY, ToRgb(bitmap.TransparentColor()));
  } else {
    cp.Blit(bitmap.Image(), cp.Dev(x, y), CopyMode, std::nullopt);
  }
  cp.RecordPicture(QRect(cp.Dev(x, y), bitmap.Image().size()));
}

void TCanvas::StretchDraw(const TRect& r, const TBitmap& bitmap) {
  if (!target_ || bitmap.Empty() || r.IsEmpty()) return;
  if (!bitmap.Transparent) {
    StretchBlt(r, bitmap.Canvas(), Rect(0, 0, bitmap.Width(), bitmap.Height()), CopyMode);
    CanvasPainter(*this).RecordPicture(QRect(CanvasPainter(*this).Dev(r.Left, r.Top), QSize(r.Width(), r.Height())));
    return;
  }
  const QImage scaled = bitmap.Image().scaled(QSize(r.Width(), r.Height()),
                                              Qt::IgnoreAspectRatio, Qt::FastTransformation);
  CanvasPainter cp(*this);
  if (CanvasPainter::Recording())  // the record is scaled from the bitmap's own size
    paintrecord::AddBlit(target_, &bitmap.Image(), QRectF(bitmap.Image().rect()),
                         QRectF(QRect(cp.Dev(r.Left, r.Top), scaled.size())), false, cp.DeviceClip());
  cp.Blit(scaled, cp.Dev(r.Left, r.Top), SRCCOPY, ToRgb(bitmap.TransparentColor()));
  cp.RecordPicture(QRect(cp.Dev(r.Left, r.Top), scaled.size()));
}

void TCanvas::Draw(int x, int y, const QImage& image) {
  if (!target_ || image.isNull()) return;
  CanvasPainter cp(*this);
  cp.Blit(image, cp.Dev(x, y), CopyMode, std::nullopt);
}

TColor TCanvas::GetPixel(int x, int y) const {
  if (!target_) return clNone;
  const QPoint d = QPoint(x, y) - org_;
  if (!target_->rect().contains(d)) return clNone;
  return FromQRgb(target_->pixel(d));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  if (!target_) return;
  CanvasPainter cp(*this);
  const QPoint d = cp.Dev(x, y);
  if (!cp.DeviceClip().contains(d)) return;
  target_->setPixel(d, ToQRgb(color));
  cp.Changed(QRect(d, QSize(1, 1)));
}

int TCanvas::Width() const { return target_ ? target_->width() : 0; }
int TCanvas::Height() const { return target_ ? target_->height() : 0; }
