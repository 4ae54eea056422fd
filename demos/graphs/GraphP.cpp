#include "demos/graphs/GraphP.h"

#include <QFontMetrics>
#include <QLineF>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "demos/graphs/GraphNode.h"
#include "demos/graphs/WeightDialog.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/KitGlobals.h"
#include "platform/Forms.h"
#include "platform/ModalHost.h"
#include "platform/TextRules.h"

TCircleLayout LayoutCircle(int width, int height, int n, double share) {
  TCircleLayout l;
  l.Position.assign(static_cast<std::size_t>(std::max(n, 0) + 1), QPoint());
  if (n < 1) return l;
  const int cx = width / 2;
  const int cy = height / 2;
  l.Radius = text::Round(std::min(width, height) * share);
  const double step = 2 * std::numbers::pi / n;
  const int rx = std::max(l.Radius, text::Round(width * share));
  for (int i = 1; i <= n; ++i) {
    l.Position[static_cast<std::size_t>(i)] = QPoint(text::Round(cx - rx * std::cos(i * step)),
                                                     text::Round(cy - l.Radius * std::sin(i * step)));
  }
  // A quarter of the circle's radius, but never so big that neighbours touch or that a
  // circle (drawn 2 px up and left of its black shadow) runs onto the panel's frame.
  const double halfGap = n > 1 ? l.Radius * std::sin(std::numbers::pi / n) : l.Radius;
  const int room = std::min(cx - rx, cy - l.Radius) - 6;
  l.NodeRadius = std::max(0, std::min({l.Radius / 4, text::Round(halfGap * 0.5), room}));
  l.LabelSize = l.NodeRadius >= 6 ? l.NodeRadius - 4 : 2;
  // Weights get smaller as the arcs crowd (a full network of 10 has 45 of them).
  l.WeightSize = std::max(2, std::min(l.LabelSize - 1, text::Round(halfGap / 4)));
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
  const double near = std::sqrt(scene.segments[self].Distance2(cx, cy)) + Margin;
  const double left = r.x() + 0.5;
  const double top = r.y() + 0.5;
  const double right = r.x() + r.width() - 0.5;
  const double bottom = r.y() + r.height() - 0.5;
  for (const std::size_t k : lines) {
    const TSegment& other = scene.segments[k];
    if (other.Right < left - near || other.Left > right + near || other.Bottom < top - near || other.Top > bottom + near)
      continue;
    if (other.Distance2(cx, cy) < near * near || other.Crosses(left, top, right, bottom)) return hidden + Area(r);
  }
  return hidden;
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

// The places label k may take, in the order they are tried: on its own line (on its half of
// a shared line), from the middle of its stretch outwards a pixel at a time, at each first on
// the line, then a little to either side while the line still runs through the weight. What
// Blocked finds at each is worked out when a place is first looked at.
class TCandidates {
 public:
  TCandidates(std::size_t k, const TWeightScene& scene) : k_(k), scene_(scene) {
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
    const int aside = std::max(0, std::min(l.Size.width(), l.Size.height()) / 2 - 2);
    for (int m = 0;; ++m) {
      const double t = middle + (m % 2 == 1 ? -1 : 1) * ((m + 1) / 2) * step;
      const bool below = middle - ((m + 1) / 2) * step < lo;
      const bool above = middle + ((m + 1) / 2) * step > hi;
      if (below && above) break;
      if (t < lo || t > hi) continue;
      for (int off = 0; off <= aside; off += 2) {
        for (const int side : {1, -1}) {
          if (off == 0 && side < 0) continue;
          const QPointF c = a + (b - a) * t + across * (side * off);
          const QRect r(text::Round(c.x() - l.Size.width() / 2.0), text::Round(c.y() - l.Size.height() / 2.0),
                        l.Size.width(), l.Size.height());
          if (places_.empty() || places_.back() != r) places_.push_back(r);
        }
      }
    }
    // The other lines that pass near enough to matter anywhere along this one.
    const double near = l.Size.width() + l.Size.height() + Margin;
    const TSegment& own = scene.segments[k];
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

// A weight that found no free place takes one that only a single other weight is in, when
// that one finds a free place elsewhere.
bool Bump(std::size_t k, std::vector<TCandidates>& candidates, std::vector<QRect>& places) {
  for (std::size_t i = 0; i < candidates[k].Count(); ++i) {
    const QRect& r = candidates[k].Place(i);
    std::size_t in = places.size();
    int count = 0;
    for (std::size_t m = 0; m < places.size() && count < 2; ++m) {
      if (m == k || Overlaid(r, places[m]) == 0) continue;
      in = m;
      ++count;
    }
    if (count != 1 || candidates[k].Blocked(i) > 0) continue;
    const QRect old = places[in];
    places[k] = r;
    places[in] = QRect();
    const auto [elsewhere, covered] = PlaceOne(in, candidates[in], places);
    if (covered == 0) {
      places[in] = elsewhere;
      return true;
    }
    places[in] = old;
  }
  return false;
}

}  // namespace

std::vector<QRect> PlaceWeights(const std::vector<TWeightLabel>& labels, const std::vector<TDisc>& vertices,
                                const QRect& bounds, bool makeRoom) {
  const TWeightScene scene(labels, vertices, bounds);
  std::vector<TCandidates> candidates;
  for (std::size_t k = 0; k < labels.size(); ++k) candidates.emplace_back(k, scene);
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
      clear[k] = covered == 0 || (makeRoom && Bump(k, candidates, places));
      // Left unclear, it still takes the least covered place (over lines rather than weights).
      if (covered == 0 || !clear[k]) places[k] = again;
      moved = moved || clear[k];
    }
    if (!moved) break;
  }
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
    // Arcs drawn so far stay visible between the vertex boxes.
    layout_ = DisplayLayout(n);
    std::vector<std::pair<int, int>> arcs;
    std::vector<TDisc> boxes;
    for (int i = 1; i <= n; ++i) {
      if (nodes_[Slot(i)] != nullptr) boxes.push_back({nodes_[Slot(i)]->Centre(), nodes_[Slot(i)]->width() / 2});
      for (int j = 1; j <= n; ++j) {
        if (!graph_->IsArc(i, j) || nodes_[Slot(i)] == nullptr || nodes_[Slot(j)] == nullptr) continue;
        if (!directed_ && j < i) continue;
        const QPoint from = nodes_[Slot(i)]->Centre();
        const QPoint to = nodes_[Slot(j)]->Centre();
        // From rim to rim: no line runs under a vertex box's letter.
        const QLineF line(from, to);
        if (line.length() <= nodes_[Slot(i)]->width() / 2.0 + nodes_[Slot(j)]->width() / 2.0) continue;
        const QPoint a = line.pointAt(nodes_[Slot(i)]->width() / 2.0 / line.length()).toPoint();
        const QPoint b = line.pointAt(1 - nodes_[Slot(j)]->width() / 2.0 / line.length()).toPoint();
        DrawLine3D(c, a.x(), a.y(), b.x(), b.y(), foreColor_, clBtnShadow, true);
        if (directed_) DrawArrowHead(a, from, to, foreColor_);
        arcs.emplace_back(i, j);
      }
    }
    // Weights entered by hand are written small, as the vertex boxes leave little room (grown
    // with an input window that grew for a large screen).
    if (weighted_) {
      std::vector<QPoint> centres(static_cast<std::size_t>(n) + 1);
      for (int i = 1; i <= n; ++i)
        if (nodes_[Slot(i)] != nullptr) centres[Slot(i)] = nodes_[Slot(i)]->Centre();
      DrawWeights(arcs, boxes, centres, text::Round(6 * DialogScale(*window())));
    }
    return;
  }
  if (state_ != csDisplay) return;
  layout_ = DisplayLayout(n);
  Frame3D(c, 0, 0, width(), height(), clWhite, clGray);
  const std::vector<std::pair<int, int>> arcs = DrawnArcs();
  for (const auto& [i, j] : arcs) DrawArc(layout_.Position, i, j, arcColor_[Slot(i)][Slot(j)]);
  for (int i = 1; i <= n; ++i) DrawVertex(i);
  if (!weighted_) return;
  DrawWeights(arcs, Discs(layout_), layout_.Position, layout_.WeightSize);
}

TCircleLayout TGraphP::DisplayLayout(int n) const {
  return LayoutCircle(width(), height(), n, weighted_ ? NetworkShare : 0.4);
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
    for (int j = directed_ ? 1 : i + 1; j <= n; ++j)
      if (graph_->IsArc(i, j)) arcs.emplace_back(i, j);
  return arcs;
}

QLine TGraphP::ArcLine(const std::vector<QPoint>& centres, int tail, int head) const {
  const QPoint from = centres[Slot(tail)];
  const QPoint to = centres[Slot(head)];
  if (!directed_ || tail == head || !graph_->IsArc(head, tail)) return {from, to};
  return {(from + to) / 2, to};
}

void TGraphP::DrawArc(const std::vector<QPoint>& centres, int tail, int head, TColor color) {
  const QLine line = ArcLine(centres, tail, head);
  DrawLine3D(Canvas(), line.x1(), line.y1(), line.x2(), line.y2(), color, clBtnShadow, true);
  if (directed_) DrawArrowHead(line.p1(), centres[Slot(tail)], centres[Slot(head)], color);
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

const TGraphP::TWeightPlaces& TGraphP::WeightPlaces(const std::vector<std::pair<int, int>>& arcs,
                                                    const std::vector<TDisc>& vertices, const std::vector<QPoint>& centres,
                                                    int size) const {
  TWeightPlaces& w = weightPlaces_;
  const QRect bounds(0, 0, width(), height());
  const int least = LegiblePixels();
  std::vector<QString> texts;
  for (const auto& [i, j] : arcs) texts.push_back(QString::number(graph_->Weight(i, j)));
  if (w.Arcs == arcs && w.Texts == texts && w.Vertices == vertices && w.Centres == centres && w.Bounds == bounds &&
      w.StartSize == size && w.Least == least)
    return w;
  w = {arcs, std::move(texts), centres, vertices, bounds, size, least, least, {}, {}, {}};
  // The size asked for when every weight can be read whole and told whose it is there, else
  // the least a class reads, where the weights make room for each other as they can (a full
  // network of ten vertices has 90 of them).
  const auto place = [&](int px, bool makeRoom) {
    const TFont font = WeightFont(px);
    std::vector<TWeightLabel> labels;
    std::vector<QRect> inks;
    for (std::size_t k = 0; k < arcs.size(); ++k) {
      const auto& [i, j] = arcs[k];
      inks.push_back(WeightInk(font, w.Texts[k]));
      labels.push_back({centres[Slot(i)], centres[Slot(j)], inks.back().size() + QSize(2, 2), directed_ && graph_->IsArc(j, i) && i != j});
    }
    std::vector<QRect> places = PlaceWeights(labels, vertices, bounds, makeRoom);
    const bool clear = UnclearWeights(labels, places, vertices, bounds) == 0;
    w.Size = px;
    w.Labels = std::move(labels);
    w.Places = std::move(places);
    w.Origins.clear();
    for (std::size_t k = 0; k < arcs.size(); ++k)
      w.Origins.push_back(w.Places[k].topLeft() + QPoint(1, 1) - inks[k].topLeft());
    return clear;
  };
  const int asked = std::max(least, text::Round(size * 96.0 / 72.0));
  if (!place(asked, asked == least) && asked > least) place(least, true);
  return w;
}

void TGraphP::DrawWeights(const std::vector<std::pair<int, int>>& arcs, const std::vector<TDisc>& vertices,
                          const std::vector<QPoint>& centres, int size) {
  TCanvas& c = Canvas();
  const TFont saved = c.Font;
  const TWeightPlaces& w = WeightPlaces(arcs, vertices, centres, size);
  c.Font = WeightFont(w.Size);
  // On a white cell of their own, a pixel wider than the digits' ink on every side: the lines
  // they sit on stop short of the digits.
  const TBrush savedBrush = c.Brush;
  c.Brush.Style = bsSolid;
  c.Brush.Color = clWhite;
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_LEFT | TA_BASELINE);
  for (std::size_t k = 0; k < arcs.size(); ++k) {
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
  const std::vector<std::pair<int, int>> arcs = DrawnArcs();
  if (arcs.empty()) return text;
  const TCircleLayout layout = DisplayLayout(n);
  const std::vector<TDisc> discs = Discs(layout);
  const TWeightPlaces& w = WeightPlaces(arcs, discs, layout.Position, layout.WeightSize);
  const QRect bounds(0, 0, width(), height());
  QStringList weights;
  for (std::size_t k = 0; k < arcs.size(); ++k) {
    const QRect box = w.Places[k].adjusted(1, 1, -1, -1);  // the digits in their white cell
    const auto& [i, j] = arcs[NearestLabel(w.Labels, QRectF(box).center())];
    QString digits = w.Texts[k];
    // A digit is lost where the panel ends or where a weight drawn later, with its cell, lies.
    const double cell = static_cast<double>(box.width()) / std::max<qsizetype>(1, digits.size());
    for (qsizetype d = 0; d < digits.size(); ++d) {
      const QRect at(box.left() + text::Round(d * cell), box.top(), std::max(1, text::Round(cell)), box.height());
      bool lost = !bounds.contains(at);
      for (std::size_t m = k + 1; m < arcs.size(); ++m) lost = lost || at.intersects(w.Places[m]);
      if (lost) digits[d] = '?';
    }
    QString entry = QStringLiteral("%1%2%3 %4").arg(VertexLetter(i), directed_ ? QStringLiteral(">") : QStringLiteral("-"),
                                                    VertexLetter(j), digits);
    for (int v = 1; v <= n; ++v) {
      const TDisc& d = discs[static_cast<std::size_t>(v - 1)];
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
  for (int i = 1; i <= n; ++i) out.push_back(TDrawnShape::NodeAt(VertexFace(layout, i), VertexLetter(i), true));
  const std::vector<std::pair<int, int>> arcs = DrawnArcs();
  // Where each arc's link is among the shapes; a loop draws no line.
  std::vector<int> links;
  for (const auto& [i, j] : arcs) {
    if (i == j) {
      links.push_back(-1);
      continue;
    }
    const QLine line = ArcLine(layout.Position, i, j);
    links.push_back(static_cast<int>(out.size()));
    out.push_back(TDrawnShape::LinkBetween({this, i - 1}, {this, j - 1}, QPolygon({line.p1(), line.p2()})));
  }
  if (!weighted_) return out;
  const TWeightPlaces& w = WeightPlaces(arcs, Discs(layout), layout.Position, layout.WeightSize);
  for (std::size_t k = 0; k < arcs.size(); ++k)
    if (links[k] >= 0) out.push_back(TDrawnShape::LabelOf(links[k], w.Places[k], w.Texts[k]));
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
  // A small panel (the input window's) still writes its letters 13 px high where the circle
  // holds them.
  c.Font.Height = -std::max(-c.Font.Height, std::min(kLegiblePixels, 2 * r - 6));
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
