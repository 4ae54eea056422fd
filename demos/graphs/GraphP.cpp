#include "demos/graphs/GraphP.h"

#include <QFontMetrics>
#include <QLineF>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <tuple>

#include "demos/graphs/GraphNode.h"
#include "demos/graphs/WeightDialog.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "platform/Forms.h"
#include "platform/ModalHost.h"
#include "platform/TextRules.h"

TCircleLayout LayoutCircle(int width, int height, int n, double share, double shareAcross, int leastNode) {
  TCircleLayout l;
  l.Position.assign(static_cast<std::size_t>(std::max(n, 0) + 1), QPoint());
  if (n < 1) return l;
  const int cx = width / 2;
  const int cy = height / 2;
  l.Radius = text::Round(std::min(width, height) * share);
  // The circle is never narrower than it is high: brought in across past its height, it comes
  // in down too (a tall panel's loops at its sides).
  if (shareAcross > 0) l.Radius = std::min(l.Radius, text::Round(width * shareAcross));
  int rx = std::max(l.Radius, text::Round(width * (shareAcross > 0 ? shareAcross : share)));
  // A quarter of the circle's radius, but never so big that neighbours touch or that a
  // circle (drawn 2 px up and left of its black shadow) runs onto the panel's frame.
  const double gap = n > 1 ? std::sin(std::numbers::pi / n) : 1.0;
  const auto own = [&] { return std::min(l.Radius / 4, text::Round(l.Radius * gap * 0.5)); };
  const auto room = [&] { return std::min(cx - rx, cy - l.Radius) - 6; };
  // Where the edge leaves the vertices less than leastNode (and less than their own room on
  // the circle), the circle comes in until they have it: a letter needs it more than the lines
  // between the vertices need the last pixels. The circle is never narrower than it is high:
  // in a panel narrower than high it comes in down as well as across.
  for (int k = 0; k < 4 && room() < std::min(leastNode, own()); ++k) {
    const int want = std::min(leastNode, own());
    rx = std::max(1, std::min(rx, cx - 6 - want));
    l.Radius = std::max(1, std::min({l.Radius, cy - 6 - want, rx}));
  }
  const double step = 2 * std::numbers::pi / n;
  for (int i = 1; i <= n; ++i) {
    l.Position[static_cast<std::size_t>(i)] = QPoint(text::Round(cx - rx * std::cos(i * step)),
                                                     text::Round(cy - l.Radius * std::sin(i * step)));
  }
  l.NodeRadius = std::max(0, std::min(own(), room()));
  l.LabelSize = l.NodeRadius >= 6 ? l.NodeRadius - 4 : 2;
  // Weights get smaller as the arcs crowd (a full network of 10 has 45 of them).
  l.WeightSize = std::max(2, std::min(l.LabelSize - 1, text::Round(l.Radius * gap / 4)));
  return l;
}

namespace {

double Area(const QRect& a) { return a.isEmpty() ? 0.0 : static_cast<double>(a.width()) * a.height(); }

bool SameLine(const TWeightLabel& a, const TWeightLabel& b) {
  return (a.From == b.From && a.To == b.To) || (a.From == b.To && a.To == b.From);
}

// Where along a's line (0 at From, 1 at To) the foot of c lies, and how far c is from the
// line between them.
double Along(const TWeightLabel& a, QPointF c) {
  const QPointF d = QPointF(a.To - a.From);
  const double l2 = d.x() * d.x() + d.y() * d.y();
  return l2 < 1 ? 0.0 : QPointF::dotProduct(c - QPointF(a.From), d) / l2;
}
double Distance(const TWeightLabel& a, QPointF c) {
  const double t = std::clamp(Along(a, c), 0.0, 1.0);
  const QPointF foot = QPointF(a.From) + QPointF(a.To - a.From) * t;
  return std::hypot(c.x() - foot.x(), c.y() - foot.y());
}

// A weight whose middle is not nearer its own line than any other by this much reads as the
// other line's.
constexpr double Margin = 2.5;
// Where no place on a crowded line keeps that margin, one where its own line is still the
// nearer by this much is the best left (its cost, Close, less than any digit hidden).
constexpr double CloseMargin = 0.5;
constexpr double Close = 1;

// A line as the placement looks at it: its ends and its bounding box, in plain numbers (it
// is looked at some hundred thousand times for a full network).
struct TSegment {
  double X1, Y1, X2, Y2;
  double Left, Top, Right, Bottom;
  explicit TSegment(const TWeightLabel& l)
      : X1(l.From.x()), Y1(l.From.y()), X2(l.To.x()), Y2(l.To.y()), Left(std::min(X1, X2)), Top(std::min(Y1, Y2)),
        Right(std::max(X1, X2)), Bottom(std::max(Y1, Y2)) {}
  // The square of the distance from (x, y) to the segment.
  double Distance2(double x, double y) const {
    const double dx = X2 - X1;
    const double dy = Y2 - Y1;
    const double l2 = dx * dx + dy * dy;
    const double t = l2 < 1 ? 0.0 : std::clamp(((x - X1) * dx + (y - Y1) * dy) / l2, 0.0, 1.0);
    const double ex = x - X1 - t * dx;
    const double ey = y - Y1 - t * dy;
    return ex * ex + ey * ey;
  }
  // Whether the segment meets the rectangle from (left, top) to (right, bottom), edges included.
  bool Crosses(double left, double top, double right, double bottom) const {
    if (Right < left || Left > right || Bottom < top || Top > bottom) return false;
    double t0 = 0;
    double t1 = 1;
    const double d[2] = {X2 - X1, Y2 - Y1};
    const double lo[2] = {X1 - left, Y1 - top};
    const double hi[2] = {right - X1, bottom - Y1};
    for (int axis = 0; axis < 2; ++axis) {
      if (d[axis] == 0) {
        if (lo[axis] < 0 || hi[axis] < 0) return false;
        continue;
      }
      t0 = std::max(t0, (d[axis] > 0 ? -lo[axis] : hi[axis]) / d[axis]);
      t1 = std::min(t1, (d[axis] > 0 ? hi[axis] : -lo[axis]) / d[axis]);
    }
    return t0 <= t1;
  }
};

// The weights and what they keep clear of: the vertices, the panel's edge and the lines.
struct TWeightScene {
  TWeightScene(const std::vector<TWeightLabel>& l, const std::vector<TDisc>& v, const QRect& b)
      : labels(l), vertices(v), bounds(b) {
    for (const TWeightLabel& label : labels) segments.emplace_back(label);
  }
  const std::vector<TWeightLabel>& labels;
  const std::vector<TDisc>& vertices;
  QRect bounds;
  std::vector<TSegment> segments;
};

// A weight or a vertex over a weight hides digits; a line only passes behind its white cell,
// so in a crowded network a weight crosses any number of lines rather than touch either.
constexpr double OverWeight = 64;

// How much of r the panel's edge and the vertices would hide (OverWeight times over), and as
// much again as r has when a reader would take the weight for another arc's: when one of the
// lines (the others near its own) passes under it (a pixel in from its edges) or runs nearer
// its middle than its own. None of it depends on where the other weights are.
double Blocked(const QRect& r, std::size_t self, const TWeightScene& scene, const std::vector<std::size_t>& lines) {
  double hidden = Area(r) - Area(r & scene.bounds);
  for (const TDisc& d : scene.vertices) {
    const int nx = std::clamp(d.Centre.x(), r.left(), r.right()) - d.Centre.x();
    const int ny = std::clamp(d.Centre.y(), r.top(), r.bottom()) - d.Centre.y();
    if (nx * nx + ny * ny >= d.Radius * d.Radius) continue;
    hidden += Area(r & QRect(d.Centre - QPoint(d.Radius, d.Radius), QSize(2 * d.Radius, 2 * d.Radius)));
  }
  hidden *= OverWeight;
  const double cx = r.x() + r.width() / 2.0;
  const double cy = r.y() + r.height() / 2.0;
  const double own = std::sqrt(scene.segments[self].Distance2(cx, cy));
  const double near = own + Margin;
  const double nearer = own + CloseMargin;
  const double left = r.x() + 0.5;
  const double top = r.y() + 0.5;
  const double right = r.x() + r.width() - 0.5;
  const double bottom = r.y() + r.height() - 0.5;
  double close = 0;
  for (const std::size_t k : lines) {
    const TSegment& other = scene.segments[k];
    if (other.Right < left - near || other.Left > right + near || other.Bottom < top - near || other.Top > bottom + near)
      continue;
    const double d2 = other.Distance2(cx, cy);
    if (d2 < nearer * nearer || other.Crosses(left, top, right, bottom)) return hidden + Area(r);
    if (d2 < near * near) close = Close;
  }
  return hidden + close;
}

// How much of r another weight at other hides: two weights side by side keep a blank between
// them, so that they do not read as one.
double Overlaid(const QRect& r, const QRect& other) {
  const int blank = std::max(2, r.height() / 3);
  return other.isNull() ? 0 : Area(r & other.adjusted(-blank, -1, blank, 1));
}

// How much of r the other weights placed so far hide (placed[self] and places not yet taken
// are null).
double Overlaid(const QRect& r, std::size_t self, const std::vector<QRect>& placed) {
  double hidden = 0;
  for (std::size_t k = 0; k < placed.size(); ++k)
    if (k != self) hidden += Overlaid(r, placed[k]);
  return hidden;
}

// Whether r's middle lies in the square round a vertex (or another disc kept clear of), a
// pixel or three wider: beside the rim, off the line, a weight reads as the vertex's letter.
bool InVertexBox(const QRect& r, const TWeightScene& scene) {
  const QPointF c = QRectF(r).center();
  return std::any_of(scene.vertices.begin(), scene.vertices.end(), [&](const TDisc& d) {
    return std::abs(c.x() - d.Centre.x()) <= d.Radius + 3 && std::abs(c.y() - d.Centre.y()) <= d.Radius + 3;
  });
}

// The places label k may take, in the order they are tried: on its own line (on its half of
// a shared line), from the middle of its stretch outwards a pixel at a time, at each first on
// the line, then a little to either side. With every, then along the stretch again every
// pixel's place while the line still meets the digits (a crowded line's weight finds room
// off the middle of its cell between the lines that cross near it). What Blocked finds at
// each is worked out when a place is first looked at.
class TCandidates {
 public:
  TCandidates(std::size_t k, const TWeightScene& scene, bool every) : k_(k), scene_(scene) {
    const TWeightLabel& l = scene.labels[k];
    const QPointF a(l.From);
    const QPointF b(l.To);
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    const double step = length > 2 ? 1.0 / length : 0.5;
    double lo = 0;
    double hi = 1;
    if (l.TowardHead && length > 1) {
      // The whole box past the middle: its reach along the line, from its centre.
      const double reach = (l.Size.width() * std::abs(b.x() - a.x()) + l.Size.height() * std::abs(b.y() - a.y())) / 2 / length;
      lo = std::min(1.0, 0.5 + (reach + 1) / length);
    }
    const double middle = l.TowardHead ? std::min(hi, std::max(lo, 0.62)) : 0.5;
    const QPointF across = length > 0 ? QPointF(a.y() - b.y(), b.x() - a.x()) / length : QPointF();
    const int close = std::max(0, std::min(l.Size.width(), l.Size.height()) / 2 - 2);
    // How far across the line the middle of the digits' ink (the cell less a pixel each side)
    // may go while the line still meets it.
    const double inkAcross = length > 0 ? ((l.Size.width() / 2.0 - 1) * std::abs(b.y() - a.y()) +
                                           (l.Size.height() / 2.0 - 1) * std::abs(b.x() - a.x())) / length
                                        : 0.0;
    const int far = every ? std::max(close, static_cast<int>(inkAcross)) : -1;
    const TSegment& own = scene.segments[k];
    // The places taken, by their corners (the line's box, with a cell's room round it).
    const int out = std::max(close, far) + 2;
    const QRect room = QRect(QPoint(std::min(l.From.x(), l.To.x()), std::min(l.From.y(), l.To.y())),
                             QPoint(std::max(l.From.x(), l.To.x()), std::max(l.From.y(), l.To.y())))
                           .adjusted(-l.Size.width() - out, -l.Size.height() - out, out, out);
    std::vector<bool> seen(static_cast<std::size_t>(room.width()) * static_cast<std::size_t>(room.height()));
    const auto take = [&](QPoint p) {
      if (!room.contains(p)) return;
      const std::size_t at = static_cast<std::size_t>(p.y() - room.top()) * static_cast<std::size_t>(room.width()) +
                             static_cast<std::size_t>(p.x() - room.left());
      if (seen[at]) return;
      seen[at] = true;
      places_.emplace_back(p, l.Size);
    };
    // Every pixel's place has the middle rounded either way (a line straight across or down
    // meets a cell of odd size only halfway between two pixels), while the line meets the ink.
    const auto along = [&](int to, int by, bool everyPixel) {
      for (int m = 0;; ++m) {
        const double t = middle + (m % 2 == 1 ? -1 : 1) * ((m + 1) / 2) * step;
        const bool below = middle - ((m + 1) / 2) * step < lo;
        const bool above = middle + ((m + 1) / 2) * step > hi;
        if (below && above) break;
        if (t < lo || t > hi) continue;
        for (int off = 0; off <= to; off += by) {
          for (const int side : {1, -1}) {
            if (off == 0 && side < 0) continue;
            const QPointF c = a + (b - a) * t + across * (side * off) - QPointF(l.Size.width(), l.Size.height()) / 2;
            if (!everyPixel) {
              take(QPoint(text::Round(c.x()), text::Round(c.y())));
              continue;
            }
            const QPoint lowest(static_cast<int>(std::floor(c.x())), static_cast<int>(std::floor(c.y())));
            for (const QPoint& p : {lowest, lowest + QPoint(1, 0), lowest + QPoint(0, 1), lowest + QPoint(1, 1)})
              if (own.Crosses(p.x() + 1, p.y() + 1, p.x() + l.Size.width() - 1, p.y() + l.Size.height() - 1) &&
                  !InVertexBox(QRect(p, l.Size), scene))
                take(p);
          }
        }
      }
    };
    along(close, 2, false);
    if (every) along(far, 1, true);
    // The other lines that pass near enough to matter anywhere along this one.
    const double near = l.Size.width() + l.Size.height() + Margin;
    for (std::size_t o = 0; o < scene.labels.size(); ++o) {
      const TSegment& other = scene.segments[o];
      if (o == k || SameLine(scene.labels[o], l) || other.Right < own.Left - near || other.Left > own.Right + near ||
          other.Bottom < own.Top - near || other.Top > own.Bottom + near)
        continue;
      lines_.push_back(o);
    }
    blocked_.assign(places_.size(), -1);
  }
  std::size_t Count() const { return places_.size(); }
  const QRect& Place(std::size_t i) const { return places_[i]; }
  double Blocked(std::size_t i) {
    if (blocked_[i] < 0) blocked_[i] = ::Blocked(places_[i], k_, scene_, lines_);
    return blocked_[i];
  }

 private:
  std::size_t k_;
  const TWeightScene& scene_;
  std::vector<QRect> places_;
  std::vector<std::size_t> lines_;
  std::vector<double> blocked_;
};

// Label k's first place nothing covers, else the least covered, and how much is covered there.
std::pair<QRect, double> PlaceOne(std::size_t k, TCandidates& candidates, const std::vector<QRect>& placed) {
  QRect best;
  double least = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < candidates.Count(); ++i) {
    const QRect& r = candidates.Place(i);
    // The other weights first: they cost least to look at.
    const double overlaid = OverWeight * Overlaid(r, k, placed);
    if (overlaid >= least) continue;
    const double covered = overlaid + candidates.Blocked(i);
    if (covered < least) {
      least = covered;
      best = r;
    }
    if (covered == 0) break;
  }
  return {best, least};
}

// A weight that found no free place takes one that no more than most other weights are in,
// when they find places elsewhere: free places, or with slack Close, places only close to
// another line too.
bool Bump(std::size_t k, std::size_t most, double slack, std::vector<TCandidates>& candidates, std::vector<QRect>& places) {
  for (std::size_t i = 0; i < candidates[k].Count(); ++i) {
    if (candidates[k].Blocked(i) > slack) continue;
    const QRect& r = candidates[k].Place(i);
    std::vector<std::size_t> in;
    for (std::size_t m = 0; m < places.size() && in.size() <= most; ++m)
      if (m != k && Overlaid(r, places[m]) > 0) in.push_back(m);
    if (in.empty() || in.size() > most) continue;
    std::vector<QRect> old;
    for (const std::size_t m : in) {
      old.push_back(places[m]);
      places[m] = QRect();
    }
    places[k] = r;
    bool moved = true;
    for (const std::size_t m : in) {
      const auto [elsewhere, covered] = PlaceOne(m, candidates[m], places);
      moved = moved && covered <= slack;
      if (!moved) break;
      places[m] = elsewhere;
    }
    if (moved) return true;
    for (std::size_t o = 0; o < in.size(); ++o) places[in[o]] = old[o];
  }
  return false;
}

}  // namespace

std::vector<QRect> PlaceWeights(const std::vector<TWeightLabel>& labels, const std::vector<TDisc>& vertices,
                                const QRect& bounds, TWeightSearch search) {
  const TWeightScene scene(labels, vertices, bounds);
  std::vector<TCandidates> candidates;
  for (std::size_t k = 0; k < labels.size(); ++k) candidates.emplace_back(k, scene, search == TWeightSearch::Utmost);
  // The shortest stretches first: they have the least room, the long ones many places to go.
  std::vector<std::size_t> order(labels.size());
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
  const auto span = [&](std::size_t k) { return QLineF(labels[k].From, labels[k].To).length() / (labels[k].TowardHead ? 2 : 1); };
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return span(a) < span(b); });
  std::vector<QRect> places(labels.size());
  std::vector<bool> clear(labels.size(), false);
  for (const std::size_t k : order) {
    const auto [place, covered] = PlaceOne(k, candidates[k], places);
    places[k] = place;
    clear[k] = covered == 0;
  }
  // A weight left over another or where it cannot be told whose it is looks again with all the
  // others in place, then makes room for itself.
  for (int round = 0; round < 3; ++round) {
    bool moved = false;
    for (const std::size_t k : order) {
      if (clear[k] && Overlaid(places[k], k, places) == 0) continue;
      const auto [again, covered] = PlaceOne(k, candidates[k], places);
      const bool utmost = search == TWeightSearch::Utmost;
      clear[k] = covered == 0 || (search != TWeightSearch::OnLine && Bump(k, utmost ? 2 : 1, utmost ? Close : 0, candidates, places));
      // Left unclear, it still takes the least covered place (over lines rather than weights).
      if (covered == 0 || !clear[k]) places[k] = again;
      moved = moved || clear[k];
    }
    if (!moved) break;
  }
  // The weights left unclear take the least covered place the others have left them at last.
  for (const std::size_t k : order)
    if (!clear[k]) places[k] = PlaceOne(k, candidates[k], places).first;
  return places;
}

int UnclearWeights(const std::vector<TWeightLabel>& labels, const std::vector<QRect>& places,
                   const std::vector<TDisc>& vertices, const QRect& bounds) {
  const TWeightScene scene(labels, vertices, bounds);
  int unclear = 0;
  for (std::size_t k = 0; k < places.size(); ++k) {
    std::vector<std::size_t> others;
    for (std::size_t o = 0; o < labels.size(); ++o)
      if (o != k && !SameLine(labels[o], labels[k])) others.push_back(o);
    unclear += Blocked(places[k], k, scene, others) + Overlaid(places[k], k, places) > 0 ? 1 : 0;
  }
  return unclear;
}

std::size_t NearestLabel(const std::vector<TWeightLabel>& labels, QPointF c) {
  std::size_t nearest = 0;
  double least = std::numeric_limits<double>::infinity();
  for (std::size_t k = 0; k < labels.size(); ++k) {
    double d = Distance(labels[k], c);
    // Of a shared line, the half before the label's own head.
    if (labels[k].TowardHead && Along(labels[k], c) < 0.5) d += 0.5;
    if (d < least) {
      least = d;
      nearest = k;
    }
  }
  return nearest;
}

TLoopShape LoopAt(const TDisc& rim, QPoint middle, QSize weight, int side) {
  QPointF u(rim.Centre - middle);
  const double length = std::hypot(u.x(), u.y());
  u = length < 1 ? QPointF(0, -1) : u / length;
  const double r = std::max(rim.Radius, 2);
  // A circle half the vertex's, its middle a little beyond the rim: the loop leaves the vertex
  // and comes back to it at a clear angle.
  const double rho = std::max(5.0, r * 0.5);
  const double d = r + rho * 0.3;
  const QPointF at = QPointF(rim.Centre) + u * d;
  // Where the two circles meet, seen from the loop's middle: either side of the way back to
  // the vertex.
  const double alpha = std::acos(std::clamp((d * d + rho * rho - r * r) / (2 * d * rho), -1.0, 1.0));
  const double back = std::atan2(-u.y(), -u.x());
  TLoopShape s;
  constexpr int Steps = 20;
  for (int k = 0; k <= Steps; ++k) {
    const double t = back + alpha + (2 * std::numbers::pi - 2 * alpha) * k / Steps;
    s.Path << (at + rho * QPointF(std::cos(t), std::sin(t))).toPoint();
  }
  s.Circle = {at.toPoint(), text::Round(rho)};
  if (!weight.isEmpty()) {
    // A gap of two pixels off the loop's far side, or off the flank of its outer half.
    const QPointF w = side == 0 ? u : QPointF(u.y(), -u.x()) * side;
    const double reach = (std::abs(w.x()) * weight.width() + std::abs(w.y()) * weight.height()) / 2 + 2;
    const QPointF c = at + w * (rho + reach) + (side == 0 ? QPointF() : u * (rho * 0.8));
    s.Weight = QRect(text::Round(c.x() - weight.width() / 2.0), text::Round(c.y() - weight.height() / 2.0), weight.width(),
                     weight.height());
  }
  return s;
}

namespace {
// How far a rectangle reaches into a disc.
bool Meets(const QRect& r, const TDisc& d) {
  const int nx = std::clamp(d.Centre.x(), r.left(), r.right()) - d.Centre.x();
  const int ny = std::clamp(d.Centre.y(), r.top(), r.bottom()) - d.Centre.y();
  return nx * nx + ny * ny < d.Radius * d.Radius;
}
}  // namespace

std::vector<QRect> TGraphP::PlaceLoopWeights(const TArcScene& scene, const std::vector<QSize>& cells, const QRect& bounds,
                                             std::vector<bool>* clear) {
  std::vector<QRect> places(scene.Arcs.size());
  std::vector<TDisc> discs = scene.Vertices;
  std::vector<QRect> taken;
  for (std::size_t k = 0; k < scene.Arcs.size(); ++k)
    if (const auto [i, j] = scene.Arcs[k]; i == j) discs.push_back(LoopAt(scene.Rims[Slot(i)], scene.Middle).Circle);
  for (std::size_t k = 0; k < scene.Arcs.size(); ++k) {
    const auto [i, j] = scene.Arcs[k];
    if (i != j) continue;
    int least = std::numeric_limits<int>::max();
    for (const int side : {0, 1, -1}) {
      const TLoopShape loop = LoopAt(scene.Rims[Slot(i)], scene.Middle, cells[k], side);
      const QRect& r = loop.Weight;
      // Its middle as near its loop as it can be and nearer it than the panel's edge, beyond
      // which another drawing's nodes may stand.
      const QPointF c = QRectF(r).center();
      double own = std::numeric_limits<double>::infinity();
      for (const QPoint& p : loop.Path) own = std::min(own, QLineF(c, p).length());
      const QRectF room = QRectF(bounds).adjusted(own, own, -own, -own);
      int in = bounds.contains(r) && room.contains(c) ? 0 : 4;
      // Nor may another arc's line run nearer its middle or through it.
      for (const auto& [a, b] : scene.Arcs) {
        if (a == b) continue;
        const TSegment line(TWeightLabel{scene.Centres[Slot(a)], scene.Centres[Slot(b)], {}, false});
        if (line.Distance2(c.x(), c.y()) < own * own || line.Crosses(r.left(), r.top(), r.right(), r.bottom())) in += 1;
      }
      for (const TDisc& d : discs) in += Meets(r, d) ? 2 : 0;
      for (const QRect& t : taken) in += r.intersects(t) ? 2 : 0;
      if (in < least) {
        least = in;
        places[k] = r;
      }
      if (in == 0) break;
    }
    taken.push_back(places[k]);
    if (clear != nullptr) clear->push_back(least == 0);
  }
  return places;
}

TGraphP::TGraphP(QWidget* parent) : TNodeContainer(parent) {
  vertexColor_.fill(RGB(128, 200, 0));
  weightDialog_ = std::make_unique<TWDialog>();
  OnMouseDown = [this](TMouseButton button, TShiftState, int x, int y) {
    if (button == mbLeft) MouseDown(x, y);
  };
  OnMouseMove = [this](TShiftState, int x, int y) { MouseMove(x, y); };
}

TGraphP::~TGraphP() = default;

std::size_t TGraphP::Slot(int i) {
  if (i < 1 || i > TGraphm::MaxVertices) throw ERangeError();
  return static_cast<std::size_t>(i);
}

void TGraphP::SetState(TControlState state) {
  state_ = state;
  if (state == csInputEdge) {
    AdoptGraph(std::make_unique<TGraphm>(nextVertex_ - 1));
    arcIdle_ = true;
  } else if (state == csDisplay) {
    ClearNodes();
  }
  Invalidate();
}

void TGraphP::SetDirected(bool on) {
  directed_ = on;
  Invalidate();
}

void TGraphP::SetWeighted(bool on) {
  weighted_ = on;
  Invalidate();
}

void TGraphP::SetGroundColor(TColor color) {
  groundColor_ = color;
  Invalidate();
}

void TGraphP::SetGraph(TGraphm* graph) {
  if (graph != owned_.get()) owned_.reset();
  graph_ = graph;
  Invalidate();
}

void TGraphP::AdoptGraph(std::unique_ptr<TGraphm> graph) {
  graph_ = graph.get();
  owned_ = std::move(graph);
  Invalidate();
}

std::unique_ptr<TGraphm> TGraphP::ReleaseGraph() {
  graph_ = nullptr;
  Invalidate();
  return std::move(owned_);
}

QString TGraphP::WordOf(const std::map<TColor, QString>& words, TColor colour) {
  const auto it = words.find(colour);
  return it != words.end() ? it->second : QString();
}

void TGraphP::SetVertexColor(int i, TColor color) {
  vertexColor_[Slot(i)] = color;
  Invalidate();
}

void TGraphP::SetArcColor(int i, int j, TColor color) {
  arcColor_[Slot(i)][Slot(j)] = color;
  Invalidate();
}

void TGraphP::ClearNodes() {
  for (TGraphNode*& node : nodes_) {
    delete node;  // a child widget: deleting it also takes it off the panel
    node = nullptr;
  }
  nextVertex_ = 1;
  arcIdle_ = true;
}

// ---- Editing

void TGraphP::MouseDown(int x, int y) {
  if (state_ != csInputVert) return;
  if (nextVertex_ > MaxHandVertices) {
    modal::ShowMessage(QStringLiteral("That is too many Nodes"));
    return;
  }
  const int size = std::min(width(), height()) * 2 / 20;
  auto* node = new TGraphNode(this, x, y, size, QChar(64 + nextVertex_));
  node->OnClick = [this, node] { CreateArc(node); };
  node->OnMouseMove = [this, node](TShiftState, int mx, int my) { MouseMove(mx + node->x(), my + node->y()); };
  node->show();
  nodes_[Slot(nextVertex_)] = node;
  nextVertex_ += 1;
}

void TGraphP::CreateArc(TGraphNode* node) {
  if (state_ != csInputEdge || graph_ == nullptr) return;
  if (arcIdle_) {
    arcStart_ = arcEnd_ = node->Centre();
    arcTail_ = node->Number;
    arcIdle_ = false;
    return;
  }
  DrawRubberBand();  // erases it
  arcIdle_ = true;
  int weight = 1;
  if (weighted_) weight = weightDialog_->Execute();
  if (weight == 0) {
    Invalidate();
    return;  // no weight given: no arc
  }
  if (directed_) {
    graph_->AddArc(arcTail_, node->Number, weight);
  } else {
    graph_->AddEdge(arcTail_, node->Number, weight);
  }
  Invalidate();
}

void TGraphP::MouseMove(int x, int y) {
  if (state_ != csInputEdge || arcIdle_) return;
  DrawRubberBand();
  arcEnd_ = QPoint(x, y);
  DrawRubberBand();
}

void TGraphP::DrawRubberBand() {
  TCanvas& c = Canvas();
  c.Pen.Mode = pmNotXor;
  DrawLine3D(c, arcStart_.x(), arcStart_.y(), arcEnd_.x(), arcEnd_.y(), foreColor_, clBtnShadow, true);
  c.Pen.Mode = pmCopy;
}

// ---- Drawing

void TGraphP::Paint() {
  TCanvas& c = Canvas();
  CopyBackdrop(c, *this, ClientRect());
  if (graph_ == nullptr || graph_->VertexCount() < 1) return;
  const int n = graph_->VertexCount();
  if (state_ == csInputEdge) {
    // Arcs drawn so far stay visible between the vertex boxes, loops round the far side of
    // their box from the panel's middle.
    layout_ = DisplayLayout(n);
    TArcScene scene;
    scene.Centres.assign(static_cast<std::size_t>(n) + 1, QPoint());
    scene.Rims.assign(static_cast<std::size_t>(n) + 1, TDisc());
    scene.Middle = QPoint(width() / 2, height() / 2);
    for (int i = 1; i <= n; ++i) {
      if (const TGraphNode* node = nodes_[Slot(i)]) {
        scene.Centres[Slot(i)] = node->Centre();
        scene.Rims[Slot(i)] = {node->Centre(), node->width() / 2};
        scene.Vertices.push_back(scene.Rims[Slot(i)]);
      }
    }
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) {
        if (!graph_->IsArc(i, j) || nodes_[Slot(i)] == nullptr || nodes_[Slot(j)] == nullptr) continue;
        if (!directed_ && j < i) continue;
        if (i == j) {
          DrawArc(scene, i, i, foreColor_);
          scene.Arcs.emplace_back(i, i);
          continue;
        }
        const QPoint from = nodes_[Slot(i)]->Centre();
        const QPoint to = nodes_[Slot(j)]->Centre();
        // From rim to rim: no line runs under a vertex box's letter.
        const QLineF line(from, to);
        if (line.length() <= nodes_[Slot(i)]->width() / 2.0 + nodes_[Slot(j)]->width() / 2.0) continue;
        const QPoint a = line.pointAt(nodes_[Slot(i)]->width() / 2.0 / line.length()).toPoint();
        const QPoint b = line.pointAt(1 - nodes_[Slot(j)]->width() / 2.0 / line.length()).toPoint();
        DrawLine3D(c, a.x(), a.y(), b.x(), b.y(), foreColor_, clBtnShadow, true);
        if (directed_) DrawArrowHead(a, from, to, foreColor_);
        scene.Arcs.emplace_back(i, j);
      }
    }
    // Weights entered by hand are written small, as the vertex boxes leave little room (grown
    // with an input window that grew for a large screen).
    if (weighted_) DrawWeights(scene, text::Round(6 * DialogScale(*window())));
    return;
  }
  if (state_ != csDisplay) return;
  layout_ = DisplayLayout(n);
  Frame3D(c, 0, 0, width(), height(), clWhite, clGray);
  const TArcScene scene = DisplayScene(layout_);
  for (const auto& [i, j] : scene.Arcs) DrawArc(scene, i, j, arcColor_[Slot(i)][Slot(j)]);
  for (int i = 1; i <= n; ++i) DrawVertex(i);
  if (!weighted_) return;
  DrawWeights(scene, layout_.WeightSize);
}

namespace {

TFont WeightFont(int pixels) {
  TFont font;
  font.Height = -pixels;
  font.Color = clBlack;
  return font;
}

// The ink of a weight's digits in font, from the start of its baseline.
QRect WeightInk(const TFont& font, const QString& text) { return QFontMetrics(font.ToQFont()).tightBoundingRect(text); }

}  // namespace

int TGraphP::LeastPixels() const {
  // The demonstration's window a teacher may make smaller; the input window keeps its size.
  const QWidget* shell = MainForm;
  return shell != nullptr && window() == shell ? LegiblePixelsIn(*this) : LegiblePixels();
}

int TGraphP::LoopWeightPixels(const TCircleLayout& layout) const {
  return std::max(LeastPixels(), text::Round(layout.WeightSize * 96.0 / 72.0));
}

std::pair<bool, bool> TGraphP::LoopsFit(const TCircleLayout& layout) const {
  const QRect inside(1, 1, width() - 2, height() - 2);
  bool across = true;
  bool down = true;
  const auto fit = [&](const QRect& r) {
    across = across && r.left() >= inside.left() && r.right() <= inside.right();
    down = down && r.top() >= inside.top() && r.bottom() <= inside.bottom();
  };
  const TArcScene scene = DisplayScene(layout);
  const TFont font = WeightFont(LoopWeightPixels(layout));
  std::vector<QSize> cells;
  for (const auto& [i, j] : scene.Arcs) {
    if (i == j) fit(LoopAt(scene.Rims[Slot(i)], scene.Middle).Path.boundingRect());
    cells.push_back(weighted_ && i == j ? WeightInk(font, QString::number(graph_->Weight(i, j))).size() + QSize(2, 2) : QSize());
  }
  if (weighted_) {
    // A weight that found no clear place beside its loop wants room every way.
    std::vector<bool> clear;
    const std::vector<QRect> places = PlaceLoopWeights(scene, cells, inside, &clear);
    for (std::size_t k = 0; k < scene.Arcs.size(); ++k)
      if (scene.Arcs[k].first == scene.Arcs[k].second) fit(places[k]);
    if (std::ranges::find(clear, false) != clear.end()) across = down = false;
  }
  return {across, down};
}

TCircleLayout TGraphP::DisplayLayout(int n) const {
  const double share = weighted_ ? NetworkShare : 0.4;
  // Room in every vertex for a letter of the least size (DrawVertex).
  const int leastNode = (std::max(kLegiblePixels, LeastPixels()) + 7) / 2;
  TCircleLayout layout = LayoutCircle(width(), height(), n, share, 0, leastNode);
  if (graph_ == nullptr || graph_->Loops() == 0) return layout;
  TLoopLayout key{size(), n, weighted_, directed_, LeastPixels(), DrawnArcs(), {}};
  for (const auto& [i, j] : key.Arcs)
    if (i == j) key.LoopTexts.push_back(QString::number(graph_->Weight(i, j)));
  if (loopLayout_ && loopLayout_->first == key) return loopLayout_->second;
  // Loops stand out of their vertices away from the middle: the circle comes in, across or
  // down as the loops need, until they and their weights fit the panel.
  double down = share;
  double across = share;
  for (auto [fitsAcross, fitsDown] = LoopsFit(layout); (!fitsAcross || !fitsDown) && down > 0.2 && across > 0.2;
       std::tie(fitsAcross, fitsDown) = LoopsFit(layout)) {
    if (!fitsDown) down -= 0.01;
    if (!fitsAcross) across -= 0.01;
    layout = LayoutCircle(width(), height(), n, down, across, leastNode);
  }
  loopLayout_.emplace(std::move(key), layout);
  return layout;
}

TGraphP::TArcScene TGraphP::DisplayScene(const TCircleLayout& layout) const {
  TArcScene scene;
  scene.Arcs = DrawnArcs();
  scene.Centres = layout.Position;
  scene.Rims.assign(layout.Position.size(), TDisc());
  for (std::size_t i = 1; i < layout.Position.size(); ++i)
    scene.Rims[i] = {VertexFace(layout, static_cast<int>(i)).center(), layout.NodeRadius};
  scene.Middle = QPoint(width() / 2, height() / 2);
  scene.Vertices = Discs(layout);
  return scene;
}

std::vector<TDisc> TGraphP::Discs(const TCircleLayout& layout) {
  // A vertex is its circle and, 2 px down and right, its shadow.
  std::vector<TDisc> discs;
  for (std::size_t i = 1; i < layout.Position.size(); ++i) discs.push_back({layout.Position[i] - QPoint(1, 1), layout.NodeRadius + 2});
  return discs;
}

std::vector<std::pair<int, int>> TGraphP::DrawnArcs() const {
  std::vector<std::pair<int, int>> arcs;
  const int n = graph_ == nullptr ? 0 : graph_->VertexCount();
  for (int i = 1; i <= n; ++i)
    for (int j = directed_ ? 1 : i; j <= n; ++j)
      if (graph_->IsArc(i, j)) arcs.emplace_back(i, j);
  return arcs;
}

QLine TGraphP::ArcLine(const std::vector<QPoint>& centres, int tail, int head) const {
  const QPoint from = centres[Slot(tail)];
  const QPoint to = centres[Slot(head)];
  if (!directed_ || tail == head || !graph_->IsArc(head, tail)) return {from, to};
  return {(from + to) / 2, to};
}

void TGraphP::DrawArc(const TArcScene& scene, int tail, int head, TColor color) {
  TCanvas& c = Canvas();
  if (tail == head) {
    const TLoopShape loop = LoopAt(scene.Rims[Slot(tail)], scene.Middle);
    const QPolygon& p = loop.Path;
    std::vector<TPoint> points;
    for (const QPoint& q : p) points.push_back(TPoint{q.x(), q.y()});
    if (!directed_) {
      DrawPolyline3D(c, points, color, clBtnShadow);
      return;
    }
    // The head where the loop comes back into its vertex.
    points.pop_back();
    DrawPolyline3D(c, points, color, clBtnShadow);
    const QPoint a = p[p.size() - 2];
    const QPoint b = p[p.size() - 1];
    DrawArrow3D(c, a.x(), a.y(), b.x(), b.y(), color, clBtnShadow, RGB(255, 0, 0));
    return;
  }
  const QLine line = ArcLine(scene.Centres, tail, head);
  DrawLine3D(c, line.x1(), line.y1(), line.x2(), line.y2(), color, clBtnShadow, true);
  if (directed_) DrawArrowHead(line.p1(), scene.Centres[Slot(tail)], scene.Centres[Slot(head)], color);
}


const TGraphP::TWeightPlaces& TGraphP::WeightPlaces(const TArcScene& scene, int size) const {
  TWeightPlaces& w = weightPlaces_;
  const QRect bounds(0, 0, width(), height());
  // The least a class reads in the window as it is now: a window made smaller shows its
  // weights smaller in proportion, where a full network has no room for them at the screen's.
  const int least = LeastPixels();
  std::vector<QString> texts;
  for (const auto& [i, j] : scene.Arcs) texts.push_back(QString::number(graph_->Weight(i, j)));
  if (w.Scene == scene && w.Texts == texts && w.Bounds == bounds && w.StartSize == size && w.Least == least) return w;
  w = {scene, std::move(texts), bounds, size, least, least, {}, {}, {}, {}};
  // The size asked for when every weight can be read whole and told whose it is there, else
  // the largest smaller one where they can, down to the least a class reads, where the weights
  // make room for each other as they can (a full network of ten vertices has 90 of them). A
  // loop's weight stands beside its loop, where the others keep clear of it.
  const auto place = [&](int px, TWeightSearch search) {
    const TFont font = WeightFont(px);
    std::vector<TWeightLabel> labels;
    std::vector<std::size_t> labelArcs;
    std::vector<QRect> inks;
    std::vector<QSize> cells;
    for (std::size_t k = 0; k < scene.Arcs.size(); ++k) {
      inks.push_back(WeightInk(font, w.Texts[k]));
      cells.push_back(inks.back().size() + QSize(2, 2));
    }
    // The loops' weights first, beside their loops; the others keep clear of both.
    std::vector<QRect> places = PlaceLoopWeights(scene, cells, bounds.adjusted(1, 1, -1, -1));
    std::vector<TDisc> keepClear = scene.Vertices;
    for (std::size_t k = 0; k < scene.Arcs.size(); ++k) {
      const auto& [i, j] = scene.Arcs[k];
      if (i == j) {
        keepClear.push_back(LoopAt(scene.Rims[Slot(i)], scene.Middle).Circle);
        const QPoint half(places[k].width() / 2, places[k].height() / 2);
        keepClear.push_back({places[k].center(), text::Round(std::hypot(half.x(), half.y()))});
        continue;
      }
      labels.push_back({scene.Centres[Slot(i)], scene.Centres[Slot(j)], cells[k], directed_ && graph_->IsArc(j, i)});
      labelArcs.push_back(k);
    }
    const std::vector<QRect> onLines = PlaceWeights(labels, keepClear, bounds, search);
    for (std::size_t l = 0; l < labels.size(); ++l) places[labelArcs[l]] = onLines[l];
    const bool clear = UnclearWeights(labels, onLines, keepClear, bounds) == 0;
    w.Size = px;
    w.Labels = std::move(labels);
    w.LabelArcs = std::move(labelArcs);
    w.Places = std::move(places);
    w.Origins.clear();
    for (std::size_t k = 0; k < scene.Arcs.size(); ++k)
      w.Origins.push_back(w.Places[k].topLeft() + QPoint(1, 1) - inks[k].topLeft());
    return clear;
  };
  // At the least size, with nothing smaller left to try, every place a weight may take.
  const auto search = [&](int px) { return px == least ? TWeightSearch::Utmost : TWeightSearch::MakeRoom; };
  const int asked = std::max(least, text::Round(size * 96.0 / 72.0));
  if (place(asked, asked == least ? TWeightSearch::Utmost : TWeightSearch::OnLine) || asked == least) return w;
  // A smaller font leaves more room between the lines: the largest clear one, halving the
  // sizes between (each try places every weight).
  int clear = 0;
  for (int lo = least, hi = asked - 1; lo <= hi;) {
    const int mid = (lo + hi + 1) / 2;
    if (place(mid, search(mid))) {
      clear = mid;
      lo = mid + 1;
    } else {
      hi = mid - 1;
    }
  }
  const int chosen = clear > 0 ? clear : least;
  if (w.Size != chosen) place(chosen, search(chosen));
  return w;
}

void TGraphP::DrawWeights(const TArcScene& scene, int size) {
  TCanvas& c = Canvas();
  const TFont saved = c.Font;
  const TWeightPlaces& w = WeightPlaces(scene, size);
  c.Font = WeightFont(w.Size);
  // On a white cell of their own, a pixel wider than the digits' ink on every side: the lines
  // they sit on stop short of the digits.
  const TBrush savedBrush = c.Brush;
  c.Brush.Style = bsSolid;
  c.Brush.Color = clWhite;
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_LEFT | TA_BASELINE);
  for (std::size_t k = 0; k < scene.Arcs.size(); ++k) {
    const QRect cell = w.Places[k];
    c.FillRect(TRect{cell.left(), cell.top(), cell.right() + 1, cell.bottom() + 1});
    c.TextOut(w.Origins[k].x(), w.Origins[k].y(), w.Texts[k]);
  }
  c.Brush = savedBrush;
  c.Font = saved;
}

QString TGraphP::DrawingText() const {
  if (state_ != csDisplay || graph_ == nullptr || graph_->VertexCount() < 1) return {};
  const int n = graph_->VertexCount();
  QStringList vertices;
  for (int i = 1; i <= n; ++i) {
    const TColor c = vertexColor_[Slot(i)];
    vertices << QStringLiteral("%1(%2,%3,%4)").arg(VertexLetter(i)).arg(GetRValue(c)).arg(GetGValue(c)).arg(GetBValue(c));
  }
  QString text = vertices.join(' ');
  if (!weighted_) return text;
  const TCircleLayout layout = DisplayLayout(n);
  const TArcScene scene = DisplayScene(layout);
  if (scene.Arcs.empty()) return text;
  const TWeightPlaces& w = WeightPlaces(scene, layout.WeightSize);
  const QRect bounds(0, 0, width(), height());
  QStringList weights;
  for (std::size_t k = 0; k < scene.Arcs.size(); ++k) {
    const QRect box = w.Places[k].adjusted(1, 1, -1, -1);  // the digits in their white cell
    // A loop's weight is its loop's; another weight is the nearest line's.
    auto [i, j] = scene.Arcs[k];
    if (i != j) std::tie(i, j) = scene.Arcs[w.LabelArcs[NearestLabel(w.Labels, QRectF(box).center())]];
    QString digits = w.Texts[k];
    // A digit is lost where the panel ends or where a weight drawn later, with its cell, lies.
    const double cell = static_cast<double>(box.width()) / std::max<qsizetype>(1, digits.size());
    for (qsizetype d = 0; d < digits.size(); ++d) {
      const QRect at(box.left() + text::Round(d * cell), box.top(), std::max(1, text::Round(cell)), box.height());
      bool lost = !bounds.contains(at);
      for (std::size_t m = k + 1; m < scene.Arcs.size(); ++m) lost = lost || at.intersects(w.Places[m]);
      if (lost) digits[d] = '?';
    }
    QString entry = QStringLiteral("%1%2%3 %4").arg(VertexLetter(i), directed_ ? QStringLiteral(">") : QStringLiteral("-"),
                                                    VertexLetter(j), digits);
    for (int v = 1; v <= n; ++v) {
      const TDisc& d = scene.Vertices[static_cast<std::size_t>(v - 1)];
      const QPoint near(std::clamp(d.Centre.x(), box.left(), box.right()), std::clamp(d.Centre.y(), box.top(), box.bottom()));
      if (QLineF(near, d.Centre).length() < d.Radius) entry += QStringLiteral(" on ") + VertexLetter(v);
    }
    weights << entry;
  }
  return text + QStringLiteral(" | [") + weights.join(QStringLiteral(", ")) + QStringLiteral("]");
}

std::vector<TDrawnShape> TGraphP::DrawingShapes() const {
  if (state_ != csDisplay || graph_ == nullptr || graph_->VertexCount() < 1) return {};
  const int n = graph_->VertexCount();
  const TCircleLayout layout = DisplayLayout(n);
  std::vector<TDrawnShape> out;
  for (int i = 1; i <= n; ++i) {
    TDrawnShape vertex = TDrawnShape::NodeAt(VertexFace(layout, i), VertexLetter(i), true).Noted(WordOf(VertexWords, vertexColor_[Slot(i)]));
    if (VertexMeans) {
      TValueMeaning m = VertexMeans(i);
      m.Part = TValueMeaning::InNote;
      vertex = vertex.StandingFor(m);
    }
    out.push_back(vertex);
  }
  const TArcScene scene = DisplayScene(layout);
  // Where each arc's link is among the shapes: a line, or a loop round its vertex.
  std::vector<int> links;
  for (const auto& [i, j] : scene.Arcs) {
    const QPolygon path = i == j ? LoopAt(scene.Rims[Slot(i)], scene.Middle).Path
                                 : QPolygon({ArcLine(layout.Position, i, j).p1(), ArcLine(layout.Position, i, j).p2()});
    links.push_back(static_cast<int>(out.size()));
    TDrawnShape link = TDrawnShape::LinkBetween({this, i - 1}, {this, j - 1}, path).Noted(WordOf(ArcWords, arcColor_[Slot(i)][Slot(j)]));
    if (ArcMeans) {
      TValueMeaning m = ArcMeans(i, j);
      m.Part = TValueMeaning::InNote;
      link = link.StandingFor(m);
    }
    out.push_back(link);
  }
  if (!weighted_) return out;
  const TWeightPlaces& w = WeightPlaces(scene, layout.WeightSize);
  for (std::size_t k = 0; k < scene.Arcs.size(); ++k) {
    // The weight of the algorithm's arc, as the graph holds it.
    const auto [i, j] = scene.Arcs[k];
    out.push_back(TDrawnShape::LabelOf(links[k], w.Places[k], w.Texts[k])
                      .StandingFor({.Value = [graph = graph_, tail = i, head = j] {
                        return std::optional<QString>(QString::number(graph->Weight(tail, head)));
                      }}));
  }
  return out;
}

void TGraphP::DrawArrowHead(QPoint start, QPoint from, QPoint to, TColor color) {
  const QPoint p(from.x() + (to.x() - from.x()) * 3 / 4, from.y() + (to.y() - from.y()) * 3 / 4);
  DrawArrow3D(Canvas(), start.x(), start.y(), p.x(), p.y(), color, clBtnShadow, RGB(255, 0, 0));
}

QRect TGraphP::VertexFace(const TCircleLayout& layout, int i) {
  const QPoint p = layout.Position[Slot(i)];
  const int r = layout.NodeRadius;
  return {p.x() - r - 2, p.y() - r - 2, 2 * r, 2 * r};
}

void TGraphP::DrawVertex(int i) {
  TCanvas& c = Canvas();
  const QPoint p = layout_.Position[Slot(i)];
  const int r = layout_.NodeRadius;
  const TPen savedPen = c.Pen;
  const TBrush savedBrush = c.Brush;
  const TFont savedFont = c.Font;
  const unsigned savedAlign = c.TextAlign();
  c.Pen = TPen{};
  c.Brush.Color = clBlack;
  c.Brush.Style = bsSolid;
  c.Ellipse(p.x() - r, p.y() - r, p.x() + r, p.y() + r);
  c.Brush.Color = vertexColor_[Slot(i)];
  const QRect face = VertexFace(layout_, i);
  c.Ellipse(face.left(), face.top(), face.left() + face.width(), face.top() + face.height());
  c.Font.SetSize(layout_.LabelSize);
  // A small panel still writes its letters as high as a class reads where the circle holds
  // them.
  c.Font.Height = -std::max(-c.Font.Height, std::min(std::max(kLegiblePixels, LeastPixels()), 2 * r - 6));
  c.SetTextAlign(TA_CENTER | TA_BASELINE);
  c.SetBkMode(TRANSPARENT);
  // Black reads on the light fills; on a dark one (the blue of the vertex being examined) it
  // is outlined.
  TextOutOnGround(c, p.x() - 2, p.y() + r / 2 + 1, VertexLetter(i), clBlack, vertexColor_[Slot(i)]);
  c.SetTextAlign(savedAlign);
  c.Pen = savedPen;
  c.Brush = savedBrush;
  c.Font = savedFont;
}
