#include "tests/scriptdriver/Painted.h"

#include <QHash>
#include <QLineF>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <optional>

#include "tests/scriptdriver/Texts.h"

namespace script {

namespace {

using Kind = TDrawnShape::TKind;

// How far a painted stroke or edge may stand from where the shape says it is.
constexpr double kNear = 2;
// The least share of a link's open path that painted lines must follow.
constexpr double kLinkCovered = 0.7;
// Where along a link its path is looked at, in pixels.
constexpr double kStep = 2;
// An arrowhead's strokes: this long, ending this near the link's end.
constexpr double kWingMin = 3;
constexpr double kWingMax = 30;
constexpr double kHeadNear = 3;

QString Squeezed(const QString& s) {
  QString out;
  for (const QChar c : s)
    if (!c.isSpace()) out += c;
  return out;
}

double Dist(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

double DistToSegment(QPointF p, const QLineF& s) {
  const QPointF d = s.p2() - s.p1();
  const double len2 = d.x() * d.x() + d.y() * d.y();
  const double t = len2 > 0 ? std::clamp(((p.x() - s.x1()) * d.x() + (p.y() - s.y1()) * d.y()) / len2, 0.0, 1.0) : 0;
  return Dist(p, s.p1() + t * d);
}

double DistToRect(QPointF p, const QRectF& r) {
  const double dx = std::max({r.left() - p.x(), 0.0, p.x() - r.right()});
  const double dy = std::max({r.top() - p.y(), 0.0, p.y() - r.bottom()});
  return std::hypot(dx, dy);
}

// Whether a painted stroke passes within kNear of p (its own width counted).
bool Stroked(QPointF p, const std::vector<paintrecord::Segment>& segments) {
  return std::any_of(segments.begin(), segments.end(), [&](const paintrecord::Segment& s) {
    const double reach = kNear + (s.width - 1) / 2.0;
    // Most strokes are far off: their boxes tell at once.
    if (p.x() < std::min(s.line.x1(), s.line.x2()) - reach || p.x() > std::max(s.line.x1(), s.line.x2()) + reach ||
        p.y() < std::min(s.line.y1(), s.line.y2()) - reach || p.y() > std::max(s.line.y1(), s.line.y2()) + reach)
      return false;
    return DistToSegment(p, s.line) <= reach;
  });
}

std::vector<paintrecord::Segment> SegmentsNear(const paintrecord::Record& r, const QRectF& area) {
  std::vector<paintrecord::Segment> out;
  for (const paintrecord::Segment& s : r.segments) {
    const QRectF b = QRectF(s.line.p1(), s.line.p2()).normalized().adjusted(-s.width, -s.width, s.width, s.width);
    if (b.intersects(area)) out.push_back(s);
  }
  return out;
}

// The painted texts whose middle lies in area, in painting order; the same text painted
// again on its own place reads once.
std::vector<paintrecord::Text> TextsIn(const paintrecord::Record& r, const QRectF& area) {
  std::vector<paintrecord::Text> out;
  for (const paintrecord::Text& t : r.texts) {
    if (!area.contains(QRectF(t.box).center()) || Squeezed(t.text).isEmpty()) continue;
    const bool again = std::any_of(out.begin(), out.end(), [&](const paintrecord::Text& o) {
      const QPoint d = o.box.topLeft() - t.box.topLeft();
      return o.text == t.text && std::abs(d.x()) <= 1 && std::abs(d.y()) <= 1;
    });
    if (!again) out.push_back(t);
  }
  return out;
}

QString Joined(const std::vector<paintrecord::Text>& texts) {
  // Painting order.
  QString out;
  for (const paintrecord::Text& t : texts) out += Squeezed(t.text);
  return out;
}

// The texts as they read: rows from the top down (a text whose middle is within half its
// height of a row's belongs to it), each row from left to right.
QString ReadingOrder(std::vector<paintrecord::Text> texts) {
  std::stable_sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) {
    return QRectF(a.box).center().y() < QRectF(b.box).center().y();
  });
  std::vector<std::vector<paintrecord::Text>> rows;
  for (const paintrecord::Text& t : texts) {
    const double y = QRectF(t.box).center().y();
    if (!rows.empty() && std::abs(QRectF(rows.back().front().box).center().y() - y) <= std::max(2, t.box.height() / 2))
      rows.back().push_back(t);
    else
      rows.push_back({t});
  }
  QString out;
  for (auto& row : rows) {
    std::stable_sort(row.begin(), row.end(), [](const auto& a, const auto& b) { return a.box.left() < b.box.left(); });
    out += Joined(row);
  }
  return out;
}

// What the texts in area read, and whether that is want.
struct Reading {
  QString painted;
  bool same = false;
};
Reading ReadIn(const paintrecord::Record& r, const QRectF& area, const QString& want) {
  const std::vector<paintrecord::Text> texts = TextsIn(r, area);
  const QString painted = Joined(texts);
  const QString w = Squeezed(want);
  const QString read = ReadingOrder(texts);
  return {read, read == w};
}

// ---- nodes

// A node's text whose one word is its name written beside it ("n3 M": "M" inside, "n3" next
// to it, as far off as the node is large) reads right when the rest reads inside.
bool NamedBeside(const paintrecord::Record& r, const QRectF& box, const QString& text, const QString& inside) {
  const QStringList words = text.split(' ', Qt::SkipEmptyParts);
  if (words.size() < 2) return false;
  const QRectF beside = box.adjusted(-box.width(), -box.height(), box.width(), box.height());
  for (qsizetype k = 0; k < words.size(); ++k) {
    QStringList rest = words;
    const QString name = rest.takeAt(k);
    if (Squeezed(rest.join(QString())) != inside) continue;
    const std::vector<paintrecord::Text> near = TextsIn(r, beside);
    if (std::any_of(near.begin(), near.end(), [&](const paintrecord::Text& t) {
          return Squeezed(t.text) == name && !box.contains(QRectF(t.box).center());
        }))
      return true;
  }
  return false;
}

// The figures with an edge or a fill painted on the box make up its outline when together
// they reach its four sides; else lines painted round it (70 % of its edge) do.
bool OutlineAt(const paintrecord::Record& r, const QRect& box, bool round) {
  const QRectF b(box);
  const QRectF near = b.adjusted(-kNear, -kNear, kNear, kNear);
  // A picture shown over the whole box draws it.
  if (std::any_of(r.figures.begin(), r.figures.end(), [&](const paintrecord::Figure& f) {
        return f.kind == paintrecord::Figure::Picture && f.shown.adjusted(-kNear, -kNear, kNear, kNear).contains(b);
      }))
    return true;
  QRectF together;
  for (const paintrecord::Figure& f : r.figures) {
    if (!(f.filled || f.outlined) || !near.contains(f.bounds)) continue;
    together = together.isNull() ? f.bounds : together.united(f.bounds);
  }
  if (!together.isNull() && std::abs(together.left() - b.left()) <= kNear && std::abs(together.top() - b.top()) <= kNear &&
      std::abs(together.right() - b.right()) <= kNear && std::abs(together.bottom() - b.bottom()) <= kNear)
    return true;
  const std::vector<paintrecord::Segment> segments = SegmentsNear(r, near);
  if (segments.empty()) return false;
  std::vector<QPointF> edge;
  const QRectF c = b.adjusted(0.5, 0.5, -0.5, -0.5);
  if (round) {
    for (int k = 0; k < 48; ++k) {
      const double a = k * M_PI / 24;
      edge.emplace_back(c.center().x() + c.width() / 2 * std::cos(a), c.center().y() + c.height() / 2 * std::sin(a));
    }
  } else {
    for (double x = c.left(); x <= c.right(); x += kStep) edge.insert(edge.end(), {{x, c.top()}, {x, c.bottom()}});
    for (double y = c.top(); y <= c.bottom(); y += kStep) edge.insert(edge.end(), {{c.left(), y}, {c.right(), y}});
  }
  const auto stroked = std::count_if(edge.begin(), edge.end(), [&](QPointF p) { return Stroked(p, segments); });
  return stroked >= kLinkCovered * static_cast<double>(edge.size());
}

// ---- links

// The share of the path's open part (where nothing lies over it) that painted lines follow;
// nothing when no part of it is open.
// Whether two segments come within d of each other.
bool Within(const QLineF& a, const QLineF& b, double d) {
  if (a.intersects(b, nullptr) == QLineF::BoundedIntersection) return true;
  return std::min({DistToSegment(a.p1(), b), DistToSegment(a.p2(), b), DistToSegment(b.p1(), a), DistToSegment(b.p2(), a)}) <= d;
}

std::optional<double> Covered(const QPolygon& path, const paintrecord::Record& r, const std::vector<QRectF>& over) {
  const std::vector<paintrecord::Segment> segments =
      SegmentsNear(r, QRectF(path.boundingRect()).adjusted(-4, -4, 4, 4));
  int open = 0, followed = 0;
  for (qsizetype i = 1; i < path.size(); ++i) {
    const QLineF s(path[i - 1], path[i]);
    // Only the strokes and shapes that come near this piece can follow or cover it.
    std::vector<paintrecord::Segment> near;
    for (const paintrecord::Segment& g : segments)
      if (Within(s, g.line, kNear + (g.width - 1) / 2.0)) near.push_back(g);
    const QRectF piece = QRectF(s.p1(), s.p2()).normalized().adjusted(-1, -1, 1, 1);
    std::vector<QRectF> lying;
    for (const QRectF& o : over)
      if (o.intersects(piece)) lying.push_back(o);
    const int steps = std::max(1, static_cast<int>(s.length() / kStep));
    for (int k = 0; k <= steps; ++k) {
      const QPointF p = s.pointAt(static_cast<double>(k) / steps);
      if (std::any_of(lying.begin(), lying.end(), [&](const QRectF& o) { return o.contains(p); })) continue;
      ++open;
      if (Stroked(p, near)) ++followed;
    }
  }
  if (open < 3) return std::nullopt;
  return static_cast<double>(followed) / open;
}

// Two strokes running back from the end at an angle, or a filled figure with a corner there.
bool HeadAt(const QPolygon& path, const paintrecord::Record& r) {
  if (path.size() < 2) return true;
  const QPointF end = path.last();
  QPointF before = end;
  for (qsizetype i = path.size() - 2; i >= 0 && before == end; --i) before = path[i];
  if (before == end) return true;
  const QPointF d = (end - before) / Dist(end, before);
  for (const paintrecord::Figure& f : r.figures)
    if (f.kind == paintrecord::Figure::Polygon && f.filled &&
        std::any_of(f.points.begin(), f.points.end(), [&](QPointF p) { return Dist(p, end) <= kHeadNear + 0.5; }))
      return true;
  int wings = 0;
  for (const paintrecord::Segment& s : r.segments) {
    const double len = s.line.length();
    if (len < kWingMin || len > kWingMax) continue;
    for (const auto& [at, other] : {std::pair{s.line.p1(), s.line.p2()}, std::pair{s.line.p2(), s.line.p1()}}) {
      if (Dist(at, end) > kHeadNear + 0.5) continue;
      const QPointF back = other - end;
      const double along = back.x() * d.x() + back.y() * d.y();
      const double aside = std::abs(back.x() * d.y() - back.y() * d.x());
      if (along < 0 && aside > 1.5) ++wings;
    }
  }
  return wings >= 2;
}

// ---- marks

// Whether a stroke runs along an edge of box (a node's outline, not a mark's).
bool AlongEdge(const QLineF& line, const QRectF& box) {
  if (box.isEmpty()) return false;
  const QRectF c = box.adjusted(0.5, 0.5, -0.5, -0.5);
  auto near = [](double a, double b) { return std::abs(a - b) <= kNear; };
  for (const double x : {c.left(), c.right()})
    if (near(line.x1(), x) && near(line.x2(), x)) return true;
  for (const double y : {c.top(), c.bottom()})
    if (near(line.y1(), y) && near(line.y2(), y)) return true;
  return false;
}

// A figure of the head with a corner at the tip (a band in the head's box touching it), or a
// stroke ending there that is no edge of the node it points at (an arrow from a caption).
bool HeadTipAt(const paintrecord::Record& r, const QRect& head, QPoint tip, const QRectF& target) {
  const QRectF near = QRectF(head).adjusted(-kNear, -kNear, kNear, kNear);
  const QPointF t = QPointF(tip) + QPointF(0.5, 0.5);
  for (const paintrecord::Figure& f : r.figures) {
    if (!(f.filled || f.outlined)) continue;
    if (f.kind == paintrecord::Figure::Polygon) {
      if (std::any_of(f.points.begin(), f.points.end(), [&](QPointF p) { return Dist(p, t) <= kNear + 1; })) return true;
    } else if (near.contains(f.bounds) && DistToRect(t, f.bounds) <= kNear + 0.5) {
      return true;
    }
  }
  return std::any_of(r.segments.begin(), r.segments.end(), [&](const paintrecord::Segment& s) {
    return (Dist(s.line.p1(), t) <= kNear + 1 || Dist(s.line.p2(), t) <= kNear + 1) && !AlongEdge(s.line, target);
  });
}

paintrecord::Record Moved(paintrecord::Record r, QPoint by) {
  for (paintrecord::Text& t : r.texts) {
    t.box.translate(by);
    t.shown.translate(by);
  }
  for (paintrecord::Segment& s : r.segments) s.line.translate(by);
  for (paintrecord::Figure& f : r.figures) {
    f.bounds.translate(by);
    f.shown.translate(by);
    for (QPointF& p : f.points) p += by;
  }
  return r;
}

void Append(paintrecord::Record& to, const paintrecord::Record& from) {
  to.texts.insert(to.texts.end(), from.texts.begin(), from.texts.end());
  to.segments.insert(to.segments.end(), from.segments.begin(), from.segments.end());
  to.figures.insert(to.figures.end(), from.figures.begin(), from.figures.end());
}

void AddShown(const QWidget& w, const QWidget& form, paintrecord::Record& into, bool& any) {
  if (const std::optional<paintrecord::Record> r = paintrecord::ShownBy(&w)) {
    any = true;
    Append(into, Moved(*r, w.mapTo(&form, QPoint(0, 0))));
  }
}

// What a holding control painted that a control above it hides (its middle under it).
void DropUnder(paintrecord::Record& r, const QRectF& above) {
  std::erase_if(r.texts, [&](const paintrecord::Text& t) { return above.contains(QRectF(t.box).center()); });
  std::erase_if(r.segments, [&](const paintrecord::Segment& s) { return above.contains(s.line.p1()) && above.contains(s.line.p2()); });
  std::erase_if(r.figures, [&](const paintrecord::Figure& f) { return above.contains(f.bounds.center()); });
}

void AddHeld(const QWidget& w, const QWidget& form, paintrecord::Record& into, bool& any) {
  for (const QObject* child : w.children()) {
    const auto* c = qobject_cast<const QWidget*>(child);
    if (!c || c->isHidden() || c->isWindow()) continue;
    AddShown(*c, form, into, any);
    AddHeld(*c, form, into, any);
  }
}

// What the control that reported a shape, the controls holding it up to its drawing window
// (but for what the control itself hides, when it paints) and those it holds painted, in the
// drawing window's pixels; nothing when none of them keeps a record. ground: the control
// filled its whole image.
struct Around {
  paintrecord::Record record;
  bool ground = false;
};
std::optional<Around> PaintedAround(const QWidget& owner) {
  const QWidget* form = DrawingWindowOf(&owner);
  if (!form) return std::nullopt;
  Around all;
  bool any = false;
  AddShown(owner, *form, all.record, any);
  const std::optional<paintrecord::Record> own = paintrecord::ShownBy(&owner);
  all.ground = own && own->ground;
  if (&owner != form) {
    paintrecord::Record below;
    for (const QWidget* w = owner.parentWidget(); w; w = w->parentWidget()) {
      AddShown(*w, *form, below, any);
      if (w == form) break;
    }
    if (all.ground) DropUnder(below, QRectF(QRect(owner.mapTo(form, QPoint(0, 0)), owner.size())));
    Append(all.record, below);
  }
  AddHeld(owner, *form, all.record, any);
  if (!any) return std::nullopt;
  return all;
}

bool OnEdge(QPoint p, const QRect& box) {
  const QRectF b(box);
  const bool inX = p.x() >= b.left() - kNear && p.x() <= b.right() + kNear;
  const bool inY = p.y() >= b.top() - kNear && p.y() <= b.bottom() + kNear;
  return (inY && (std::abs(p.x() - b.left()) <= kNear || std::abs(p.x() - b.right()) <= kNear)) ||
         (inX && (std::abs(p.y() - b.top()) <= kNear || std::abs(p.y() - b.bottom()) <= kNear));
}

}  // namespace

QStringList PaintedDifferences(const Shape& shape, const paintrecord::Record& painted, const std::vector<Shape>& scene) {
  QStringList out;
  const QRectF box(shape.box);
  switch (shape.kind) {
    case Kind::Node: {
      // A control that is itself the node has its own edge for outline.
      const bool itself = shape.owner && shape.box == QRect(shape.owner->mapTo(DrawingWindowOf(shape.owner), QPoint(0, 0)),
                                                            shape.owner->size());
      if (!itself && !OutlineAt(painted, shape.box, shape.round))
        out << QStringLiteral("no outline painted on its box");
      if (!shape.glyphs.trimmed().isEmpty()) {
        const Reading read = ReadIn(painted, box.adjusted(-kNear, -kNear, kNear, kNear), shape.glyphs);
        if (!read.same && !NamedBeside(painted, box, shape.glyphs, read.painted))
          out << QStringLiteral("its box reads \"%1\"").arg(read.painted);
      }
      break;
    }
    case Kind::Label:
    case Kind::Cell: {
      const Reading read = ReadIn(painted, box.adjusted(-kNear, -kNear, kNear, kNear), shape.glyphs);
      if (!read.same) out << QStringLiteral("its box reads \"%1\"").arg(read.painted);
      break;
    }
    case Kind::Link: {
      std::vector<QRectF> over;
      for (const Shape& s : scene)
        if (s.kind != Kind::Link && s.drawing == shape.drawing) over.push_back(QRectF(s.box).adjusted(-1, -1, 1, 1));
      if (const std::optional<double> share = Covered(shape.path, painted, over); share && *share < kLinkCovered)
        out << QStringLiteral("lines painted along %1 % of its path").arg(std::lround(*share * 100));
      if (shape.head && !HeadAt(shape.path, painted)) {
        const QPoint end = shape.path.isEmpty() ? QPoint() : shape.path.last();
        out << QStringLiteral("no arrowhead painted at its end %1,%2").arg(end.x()).arg(end.y());
      }
      break;
    }
    case Kind::Mark: {
      const QRectF target = shape.to >= 0 && shape.to < static_cast<int>(scene.size())
                                ? QRectF(scene[static_cast<std::size_t>(shape.to)].box)
                                : QRectF();
      if (!HeadTipAt(painted, shape.box, shape.tip, target))
        out << QStringLiteral("no head painted with its tip at %1 %2").arg(shape.tip.x()).arg(shape.tip.y());
      if (!shape.glyphs.trimmed().isEmpty()) {
        const double reach = std::max(8, shape.box.height() / 2);
        const std::vector<paintrecord::Text> texts = TextsIn(painted, box.adjusted(-reach, -reach, reach, reach));
        const QString want = Squeezed(shape.glyphs);
        const QString read = ReadingOrder(texts);
        if (!Joined(texts).contains(want) && !read.contains(want))
          out << QStringLiteral("its caption is not painted beside its head (%1 there)")
                     .arg(read.isEmpty() ? QStringLiteral("nothing") : QStringLiteral("\"%1\"").arg(read));
      }
      break;
    }
  }
  return out;
}

QRect ShownOf(const QWidget& form) {
  QRect shown = form.rect();
  for (const QWidget* p = form.isWindow() ? nullptr : form.parentWidget(); p; p = p->isWindow() ? nullptr : p->parentWidget())
    shown &= QRect(form.mapFrom(p, QPoint(0, 0)), p->size());
  return shown;
}

QStringList PaintedFindings(const Scene& scene) {
  QStringList out;
  QHash<const QWidget*, std::optional<Around>> around;
  QHash<const QWidget*, QRect> shownOf;
  for (const Shape& s : scene.shapes) {
    // A hidden mark paints nothing; whether it should show is the aim rule's question.
    if (!s.owner || (s.kind == Kind::Mark && !s.shown)) continue;
    // Nor is what lies wholly outside the part of its window that shows on the screen painted.
    if (const QWidget* form = DrawingWindowOf(s.owner)) {
      auto shown = shownOf.find(form);
      if (shown == shownOf.end()) shown = shownOf.insert(form, ShownOf(*form));
      if (!(s.kind == Kind::Link ? s.path.boundingRect() : s.box).intersects(*shown)) continue;
    }
    auto it = around.find(s.owner);
    if (it == around.end()) it = around.insert(s.owner, PaintedAround(*s.owner));
    if (!*it) continue;
    QStringList why = PaintedDifferences(s, (*it)->record, scene.shapes);
    // A control filled whole that is itself a mark's head has its own edge at the tip.
    const QRect itself(s.owner->mapTo(DrawingWindowOf(s.owner), QPoint(0, 0)), s.owner->size());
    if (s.kind == Kind::Mark && (*it)->ground && s.box == itself && OnEdge(s.tip, itself))
      why.removeIf([](const QString& w) { return w.startsWith(QLatin1String("no head painted")); });
    for (const QString& w : why) out << QStringLiteral("wrong painted %1 -- %2").arg(s.Line(scene.shapes), w);
  }
  return out;
}

}  // namespace script
