#include "platform/PaintRecord.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace paintrecord {
namespace {

bool enabled = false;

// A record stays small however long a demonstration runs: the oldest entries go first.
constexpr std::size_t kMaxTexts = 4000;
constexpr std::size_t kMaxSegments = 20000;
constexpr std::size_t kMaxFigures = 8000;

std::vector<QString>& Names() {
  static std::vector<QString> names;
  return names;
}

struct ImageRecord {
  QSize size;
  Record record;
  bool grouping = false;
  std::optional<QRgb> halo;
};

std::unordered_map<const QImage*, ImageRecord>& Images() {
  static std::unordered_map<const QImage*, ImageRecord> images;
  return images;
}

struct WidgetEntry {
  QPointer<QWidget> guard;
  const QImage* image = nullptr;
  Record adopted;
  Record painted;
};

std::unordered_map<const QWidget*, WidgetEntry>& Widgets() {
  static std::unordered_map<const QWidget*, WidgetEntry> widgets;
  return widgets;
}

WidgetEntry& EntryOf(QWidget* widget) {
  // Entries of widgets that are gone go now and then, so a long run keeps no records of them.
  static int added = 0;
  if (!Widgets().contains(widget) && ++added % 256 == 0)
    std::erase_if(Widgets(), [](const auto& entry) { return !entry.second.guard; });
  WidgetEntry& e = Widgets()[widget];
  if (e.guard.data() != widget) e = WidgetEntry{widget, nullptr, {}, {}};  // a new widget at an old address
  return e;
}

// The record of an image, started afresh when the image changed its size.
ImageRecord& RecordOf(const QImage* image) {
  ImageRecord& r = Images()[image];
  if (r.size != image->size()) {
    r = ImageRecord{};
    r.size = image->size();
  }
  return r;
}

template <class T>
void Bound(std::vector<T>& v, std::size_t most) {
  if (v.size() > most) v.erase(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() - most * 3 / 4));
}

// Parameter interval [t0, t1] of a + t (b - a) inside an axis-parallel rectangle.
bool ClipToRect(const QLineF& line, const QRectF& r, double& t0, double& t1) {
  t0 = 0;
  t1 = 1;
  const double dx = line.dx(), dy = line.dy();
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {line.x1() - r.left(), r.right() - line.x1(), line.y1() - r.top(), r.bottom() - line.y1()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
  }
  return t0 <= t1;
}

bool ClipToEllipse(const QLineF& line, const QRectF& box, double& t0, double& t1) {
  const double a = box.width() / 2, b = box.height() / 2;
  if (a <= 0 || b <= 0) return false;
  const QPointF c = box.center();
  const double x0 = (line.x1() - c.x()) / a, y0 = (line.y1() - c.y()) / b;
  const double dx = line.dx() / a, dy = line.dy() / b;
  const double A = dx * dx + dy * dy, B = 2 * (x0 * dx + y0 * dy), C = x0 * x0 + y0 * y0 - 1;
  if (A == 0) {
    if (C > 0) return false;
    t0 = 0;
    t1 = 1;
    return true;
  }
  const double disc = B * B - 4 * A * C;
  if (disc < 0) return false;
  const double s = std::sqrt(disc);
  t0 = std::max(0.0, (-B - s) / (2 * A));
  t1 = std::min(1.0, (-B + s) / (2 * A));
  return t0 <= t1;
}

double Cross(QPointF a, QPointF b, QPointF p) {
  return (b.x() - a.x()) * (p.y() - a.y()) - (b.y() - a.y()) * (p.x() - a.x());
}

double Orientation(const QList<QPointF>& pts) {
  double area = 0;
  for (qsizetype i = 0; i < pts.size(); ++i) {
    const QPointF& p = pts[i];
    const QPointF& q = pts[(i + 1) % pts.size()];
    area += p.x() * q.y() - q.x() * p.y();
  }
  return area >= 0 ? 1 : -1;
}

bool ClipToPolygon(const QLineF& line, const QList<QPointF>& pts, double& t0, double& t1) {
  if (pts.size() < 3) return false;
  const double o = Orientation(pts);
  t0 = 0;
  t1 = 1;
  for (qsizetype i = 0; i < pts.size(); ++i) {
    const QPointF a = pts[i], b = pts[(i + 1) % pts.size()];
    // Inside: o * Cross(a, b, p) >= 0; along the line that is f0 + t * df.
    const double f0 = o * Cross(a, b, line.p1());
    const double df = o * Cross(a, b, line.p2()) - f0;
    if (df == 0) {
      if (f0 < 0) return false;
      continue;
    }
    const double t = -f0 / df;
    if (df > 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
  }
  return t0 <= t1;
}

bool Inside(const Cover& cover, const QLineF& line, double& t0, double& t1) {
  switch (cover.kind) {
    case Cover::Rect: return ClipToRect(line, cover.bounds, t0, t1);
    case Cover::Ellipse: return ClipToEllipse(line, cover.bounds, t0, t1);
    case Cover::Polygon: return ClipToPolygon(line, cover.points, t0, t1);
  }
  return false;
}

// Points spread over a box (its outer pixel ring left out), to tell how much of it a figure hides.
std::vector<QPointF> Samples(const QRect& box) {
  std::vector<QPointF> pts;
  const QRectF r = QRectF(box).adjusted(1, 1, -1, -1);
  const QRectF s = r.isEmpty() ? QRectF(box) : r;
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 5; ++j) pts.emplace_back(s.left() + s.width() * i / 4, s.top() + s.height() * j / 4);
  return pts;
}

bool WhollyCovered(const QRectF& shown, const Cover& cover) {
  if (!cover.bounds.intersects(shown)) return false;
  const std::vector<QPointF> pts = Samples(shown.toAlignedRect());
  return std::all_of(pts.begin(), pts.end(), [&](const QPointF& p) { return cover.Contains(p); });
}

void CoverRecord(Record& rec, const Cover& cover) {
  std::erase_if(rec.figures, [&](const Figure& f) { return WhollyCovered(f.shown, cover); });
  std::erase_if(rec.texts, [&](Text& t) {
    // Only the part that shows counts: a text partly outside its image goes when the rest of
    // it is covered.
    if (t.shown.isEmpty()) return true;
    if (!cover.bounds.intersects(QRectF(t.shown))) return false;
    int in = 0;
    const std::vector<QPointF> pts = Samples(t.shown);
    for (const QPointF& p : pts) in += cover.Contains(p) ? 1 : 0;
    if (in == static_cast<int>(pts.size())) return true;
    if (in > 0) {
      t.partlyHidden = true;
      // A rectangle that hides one side of it leaves a smaller part showing, so that the
      // figures painted side by side over it (a node's cells painted again) hide it together.
      if (cover.kind == Cover::Rect) {
        const QRect whole(QPoint(static_cast<int>(std::ceil(cover.bounds.left())), static_cast<int>(std::ceil(cover.bounds.top()))),
                          QPoint(static_cast<int>(std::floor(cover.bounds.right())) - 1,
                                 static_cast<int>(std::floor(cover.bounds.bottom())) - 1));
        const QRegion left = QRegion(t.shown) - QRegion(whole);
        if (left.isEmpty()) return true;
        if (left.rectCount() == 1) t.shown = left.boundingRect();
      }
    }
    return false;
  });
  // Lines the cover meets are cut in place and what is left of them follows the others (a
  // small cover, a weight's cell, meets few of the thousands of lines a network draws).
  // A plain loop on plain numbers: a repaint of a full network records a cover for each of
  // its ninety weights over some seven hundred lines.
  std::vector<Segment> pieces;
  std::vector<Segment>& segments = rec.segments;
  const double left = cover.bounds.left() - 0.5, right = cover.bounds.right() + 0.5;
  const double top = cover.bounds.top() - 0.5, bottom = cover.bounds.bottom() + 0.5;
  std::size_t kept = 0;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const QLineF& l = segments[i].line;
    const double x1 = l.x1(), x2 = l.x2(), y1 = l.y1(), y2 = l.y2();
    const bool apart = (x1 < left && x2 < left) || (x1 > right && x2 > right) || (y1 < top && y2 < top) ||
                       (y1 > bottom && y2 > bottom);
    if (apart) {
      if (kept != i) segments[kept] = segments[i];
      ++kept;
      continue;
    }
    for (const QLineF& piece : Uncovered(l, cover)) pieces.push_back({piece, segments[i].width, segments[i].name});
  }
  segments.resize(kept);
  segments.insert(segments.end(), pieces.begin(), pieces.end());
}

QRgb Rgb(QRgb c) { return c & 0xFFFFFFu; }

}  // namespace

bool Enabled() { return enabled; }
void SetEnabled(bool on) { enabled = on; }

Named::Named(const QString& name) { Names().push_back(name); }
Named::~Named() { Names().pop_back(); }
QString CurrentName() { return Names().empty() ? QString() : Names().back(); }

bool Cover::Contains(QPointF p) const {
  switch (kind) {
    case Rect: return bounds.contains(p);
    case Ellipse: {
      const double a = bounds.width() / 2, b = bounds.height() / 2;
      if (a <= 0 || b <= 0) return false;
      const double x = (p.x() - bounds.center().x()) / a, y = (p.y() - bounds.center().y()) / b;
      return x * x + y * y <= 1;
    }
    case Polygon: {
      if (points.size() < 3) return false;
      const double o = Orientation(points);
      for (qsizetype i = 0; i < points.size(); ++i)
        if (o * Cross(points[i], points[(i + 1) % points.size()], p) < 0) return false;
      return true;
    }
  }
  return false;
}

std::vector<QLineF> Uncovered(const QLineF& line, const Cover& cover) {
  double t0 = 0, t1 = 0;
  if (!Inside(cover, line, t0, t1)) return {line};
  std::vector<QLineF> out;
  const double length = line.length();
  auto part = [&](double from, double to) {
    if ((to - from) * length >= 0.5) out.emplace_back(line.pointAt(from), line.pointAt(to));
  };
  part(0, t0);
  part(t1, 1);
  return out;
}

bool Crosses(const QLineF& line, const QRectF& rect) {
  if (rect.isEmpty()) return false;
  double t0 = 0, t1 = 0;
  return ClipToRect(line, rect, t0, t1);
}

QRect InkBox(const QString& text, const QFont& font, QPoint baselineStart) {
  static std::unordered_map<QString, std::vector<std::pair<QFont, QRect>>> cache;
  if (cache.size() > 4096) cache.clear();
  auto& entries = cache[text];
  auto it = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.first == font; });
  if (it == entries.end()) {
    entries.emplace_back(font, QFontMetrics(font).tightBoundingRect(text));
    it = entries.end() - 1;
  }
  return it->second.translated(baselineStart);
}

int PixelHeight(const QFont& font) {
  return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

void AddText(const QImage* image, const QString& text, const QFont& font, QPoint baselineStart, QRgb ink,
             std::optional<QRgb> back, const QRect& clip) {
  if (!enabled || !image) return;
  const QRect box = InkBox(text, font, baselineStart);
  if (box.isEmpty()) return;
  ImageRecord& ir = RecordOf(image);
  Record& rec = ir.record;
  Text t{text, box, box & clip & image->rect(), PixelHeight(font), Rgb(ink), back, false, CurrentName()};
  if (t.shown.isEmpty()) return;
  // A copy drawn on an opaque cell hides the outline the copies before it drew: its cell is
  // the ground then.
  if (ir.grouping && ir.halo && !t.back) t.back = ir.halo;
  // The copies of a shadowed or outlined text lie a pixel or two apart (the same text again a
  // pixel away is a hand-made shadow): the last one drawn stands for them all.
  const int reach = ir.grouping ? 2 : 1;
  const std::size_t look = ir.grouping ? std::min<std::size_t>(rec.texts.size(), 8) : std::min<std::size_t>(rec.texts.size(), 1);
  for (std::size_t i = rec.texts.size(); i > rec.texts.size() - look; --i) {
    Text& earlier = rec.texts[i - 1];
    const QPoint d = box.topLeft() - earlier.box.topLeft();
    if (earlier.text == text && earlier.px == t.px && earlier.box.size() == box.size() && std::abs(d.x()) <= reach &&
        std::abs(d.y()) <= reach) {
      if (!t.back) t.back = earlier.back;
      rec.texts.erase(rec.texts.begin() + static_cast<std::ptrdiff_t>(i - 1));
      break;
    }
  }
  rec.texts.push_back(std::move(t));
  Bound(rec.texts, kMaxTexts);
}

void AddLine(const QImage* image, QPointF a, QPointF b, int width, const QRect& clip) {
  if (!enabled || !image) return;
  // Through the pixels' centres.
  const QLineF line(a + QPointF(0.5, 0.5), b + QPointF(0.5, 0.5));
  double t0 = 0, t1 = 0;
  const QRectF area = QRectF(clip & image->rect());
  if (!ClipToRect(line, area, t0, t1)) return;
  ImageRecord& ir = RecordOf(image);
  ir.record.segments.push_back({QLineF(line.pointAt(t0), line.pointAt(t1)), std::max(1, width), CurrentName()});
  Bound(ir.record.segments, kMaxSegments);
}

void AddCover(const QImage* image, const Cover& cover, const QRect& clip) {
  if (!enabled || !image) return;
  const QRect area = clip & image->rect();
  if (area.isEmpty()) return;
  ImageRecord& ir = RecordOf(image);
  Cover c = cover;
  if (c.kind == Cover::Rect) {
    c.bounds &= QRectF(area);
    if (c.bounds.isEmpty()) return;
    if (c.bounds.contains(QRectF(image->rect()))) {
      ir.record = Record{};
      ir.record.ground = true;
      return;
    }
  } else if (!c.bounds.intersects(QRectF(area))) {
    return;
  }
  CoverRecord(ir.record, c);
}

void AddFigure(const QImage* image, const Figure& figure, const Cover& cover, const QRect& clip) {
  if (!enabled || !image) return;
  const QRectF area = QRectF(clip & image->rect());
  Figure f = figure;
  f.shown = f.bounds & area;
  if (f.shown.isEmpty()) return;
  // Filling the whole image is its ground, no figure of it.
  if (f.filled && cover.kind == Cover::Rect && f.bounds.contains(QRectF(image->rect()))) {
    AddCover(image, cover, clip);
    return;
  }
  if (f.filled) AddCover(image, cover, clip);
  f.name = CurrentName();
  ImageRecord& ir = RecordOf(image);
  ir.record.figures.push_back(std::move(f));
  Bound(ir.record.figures, kMaxFigures);
}

void AddBlit(const QImage* image, const QImage* source, const QRectF& sourceRect, const QRectF& dest,
             bool opaque, const QRect& clip) {
  if (!enabled || !image) return;
  const QRectF from = sourceRect.normalized(), to = dest.normalized();
  if (opaque) AddCover(image, Cover{Cover::Rect, to, {}}, clip);
  if (!source || source == image || from.isEmpty()) return;
  const Record* src = Find(source);
  if (!src) return;
  const double sx = to.width() / from.width(), sy = to.height() / from.height();
  auto map = [&](QPointF p) { return QPointF(to.left() + (p.x() - from.left()) * sx, to.top() + (p.y() - from.top()) * sy); };
  auto mapRect = [&](const QRectF& r) { return QRectF(map(r.topLeft()), map(r.bottomRight())).toAlignedRect(); };
  const QRect area = clip & image->rect();
  ImageRecord& ir = RecordOf(image);
  // Only texts wholly in the copied part come along: a sprite's saved ground put back brings
  // back no copies of the texts it cut.
  for (const Text& t : src->texts) {
    if (!from.contains(QRectF(t.box))) continue;
    Text m = t;
    m.box = mapRect(QRectF(t.box));
    m.shown = mapRect(QRectF(t.shown) & from) & area;
    if (m.shown.isEmpty()) continue;
    m.px = std::max(1, static_cast<int>(std::lround(t.px * sy)));
    ir.record.texts.push_back(std::move(m));
  }
  for (const Segment& s : src->segments) {
    double t0 = 0, t1 = 0;
    if (!ClipToRect(s.line, from, t0, t1)) continue;
    const QLineF moved(map(s.line.pointAt(t0)), map(s.line.pointAt(t1)));
    if (ClipToRect(moved, QRectF(area), t0, t1))
      ir.record.segments.push_back({QLineF(moved.pointAt(t0), moved.pointAt(t1)), s.width, s.name});
  }
  for (const Figure& f : src->figures) {
    if (!from.adjusted(-0.5, -0.5, 0.5, 0.5).contains(f.shown)) continue;
    Figure m = f;
    m.bounds = QRectF(map(f.bounds.topLeft()), map(f.bounds.bottomRight()));
    m.shown = QRectF(map(f.shown.topLeft()), map(f.shown.bottomRight())) & QRectF(area);
    if (m.shown.isEmpty()) continue;
    for (QPointF& p : m.points) p = map(p);
    ir.record.figures.push_back(std::move(m));
  }
  Bound(ir.record.texts, kMaxTexts);
  Bound(ir.record.figures, kMaxFigures);
  Bound(ir.record.segments, kMaxSegments);
}

void BeginGroup(const QImage* image, std::optional<QRgb> halo) {
  if (!enabled || !image) return;
  ImageRecord& ir = RecordOf(image);
  ir.grouping = true;
  ir.halo = halo ? std::optional<QRgb>(Rgb(*halo)) : std::nullopt;
}

void EndGroup(const QImage* image) {
  if (!enabled || !image) return;
  auto it = Images().find(image);
  if (it == Images().end()) return;
  it->second.grouping = false;
  it->second.halo.reset();
}

void Forget(const QImage* image) {
  if (!enabled) return;
  Images().erase(image);
}

void Resized(const QImage* image) {
  if (!enabled || !image) return;
  auto it = Images().find(image);
  if (it == Images().end()) return;
  ImageRecord& ir = it->second;
  ir.size = image->size();
  const QRect inside = image->rect();
  Record& r = ir.record;
  std::erase_if(r.texts, [&](Text& t) {
    t.shown &= inside;
    return t.shown.isEmpty();
  });
  std::vector<Segment> kept;
  for (const Segment& s : r.segments) {
    double t0 = 0, t1 = 1;
    if (!ClipToRect(s.line, QRectF(inside), t0, t1)) continue;
    kept.push_back({QLineF(s.line.pointAt(t0), s.line.pointAt(t1)), s.width});
  }
  r.segments = std::move(kept);
}

const Record* Find(const QImage* image) {
  auto it = Images().find(image);
  if (it == Images().end() || it->second.size != image->size()) return nullptr;
  return &it->second.record;
}

void ShowOn(const QImage* image, QWidget* widget) {
  if (!enabled) return;
  EntryOf(widget).image = image;
}

void Adopt(QWidget* widget, const QImage* image) {
  if (!enabled) return;
  const Record* r = Find(image);
  EntryOf(widget).adopted = r ? *r : Record{};
  Forget(image);
}

void BeginPaint(QWidget* widget) {
  if (!enabled) return;
  EntryOf(widget).painted = Record{};
}

void AddWidgetText(QWidget* widget, const QString& text, const QFont& font, const QRect& box, QRgb ink,
                   std::optional<QRgb> back) {
  if (!enabled || box.isEmpty() || text.trimmed().isEmpty()) return;
  Record& r = EntryOf(widget).painted;
  r.texts.push_back({text, box, box, PixelHeight(font), Rgb(ink), back, false, CurrentName()});
  Bound(r.texts, kMaxTexts);
}

void AddWidgetFigure(QWidget* widget, const Figure& figure) {
  if (!enabled || figure.bounds.isEmpty()) return;
  Record& r = EntryOf(widget).painted;
  Figure f = figure;
  f.name = CurrentName();
  r.figures.push_back(std::move(f));
  Bound(r.figures, kMaxFigures);
}

void AddPainterText(QWidget* widget, const QPainter& painter, const QRect& rect, int flags, const QString& text,
                    std::optional<QRgb> back) {
  if (!enabled) return;
  const QRect box = painter.transform().mapRect(QFontMetrics(painter.font()).boundingRect(rect, flags, text));
  QFont font = painter.font();
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(PixelHeight(font) * painter.transform().m22()))));
  AddWidgetText(widget, text, font, box, painter.pen().color().rgb(), back);
}

void AddPainterText(QWidget* widget, const QPainter& painter, QPoint baselineStart, const QString& text) {
  if (!enabled) return;
  const QRect box = painter.transform().mapRect(InkBox(text, painter.font(), baselineStart));
  QFont font = painter.font();
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(PixelHeight(font) * painter.transform().m22()))));
  AddWidgetText(widget, text, font, box, painter.pen().color().rgb());
}

namespace {
Shown ShownOf(const WidgetEntry& e) {
  Shown s{e.guard.data(), {}};
  if (e.image)
    if (const Record* r = Find(e.image)) s.record = *r;
  for (const Record* r : {&e.adopted, &e.painted}) {
    s.record.texts.insert(s.record.texts.end(), r->texts.begin(), r->texts.end());
    s.record.segments.insert(s.record.segments.end(), r->segments.begin(), r->segments.end());
    s.record.figures.insert(s.record.figures.end(), r->figures.begin(), r->figures.end());
  }
  return s;
}
}  // namespace

std::vector<Shown> AllShown() {
  std::vector<Shown> out;
  for (auto it = Widgets().begin(); it != Widgets().end();) {
    if (!it->second.guard) {
      it = Widgets().erase(it);
      continue;
    }
    out.push_back(ShownOf(it->second));
    ++it;
  }
  return out;
}

std::optional<Record> ShownBy(const QWidget* widget) {
  const auto it = Widgets().find(widget);
  if (it == Widgets().end() || it->second.guard.data() != widget) return std::nullopt;
  return ShownOf(it->second).record;
}

}  // namespace paintrecord
