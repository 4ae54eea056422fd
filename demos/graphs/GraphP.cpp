#include "demos/graphs/GraphP.h"

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

TCircleLayout LayoutCircle(int width, int height, int n) {
  TCircleLayout l;
  l.Position.assign(static_cast<std::size_t>(std::max(n, 0) + 1), QPoint());
  if (n < 1) return l;
  const int cx = width / 2;
  const int cy = height / 2;
  l.Radius = text::Round(std::min(width, height) * 2 * 0.2);
  const double step = 2 * std::numbers::pi / n;
  const int rx = std::max(l.Radius, text::Round(width * 2 * 0.2));
  for (int i = 1; i <= n; ++i) {
    l.Position[static_cast<std::size_t>(i)] = QPoint(text::Round(cx - rx * std::cos(i * step)),
                                                     text::Round(cy - l.Radius * std::sin(i * step)));
  }
  // A quarter of the circle's radius, but never so big that neighbours touch or that a
  // circle (drawn 2 px up and left of its black shadow) runs onto the panel's frame.
  const double halfGap = n > 1 ? l.Radius * std::sin(std::numbers::pi / n) : l.Radius;
  const int room = std::min(cx, cy) - l.Radius - 6;
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

// How much of r the other weights placed so far (placed[self] and places not yet taken are
// null) and the vertices would hide, and as much again as r has when a reader would take the
// weight for another arc's.
double Hidden(const QRect& r, std::size_t self, const std::vector<TWeightLabel>& labels,
              const std::vector<QRect>& placed, const std::vector<TDisc>& vertices) {
  double hidden = 0;
  // Two weights side by side keep a blank between them, so that they do not read as one.
  const int blank = std::max(2, r.height() / 3);
  for (std::size_t k = 0; k < placed.size(); ++k)
    if (k != self && !placed[k].isNull()) hidden += Area(r & placed[k].adjusted(-blank, -1, blank, 1));
  for (const TDisc& d : vertices) {
    const int nx = std::clamp(d.Centre.x(), r.left(), r.right());
    const int ny = std::clamp(d.Centre.y(), r.top(), r.bottom());
    if (std::hypot(nx - d.Centre.x(), ny - d.Centre.y()) >= d.Radius) continue;
    hidden += Area(r & QRect(d.Centre - QPoint(d.Radius, d.Radius), QSize(2 * d.Radius, 2 * d.Radius)));
  }
  const QPointF c = QRectF(r).center();
  const TWeightLabel& own = labels[self];
  const double mine = Distance(own, c);
  for (std::size_t k = 0; k < labels.size(); ++k) {
    if (k == self || SameLine(labels[k], own)) continue;
    if (Distance(labels[k], c) < mine + Margin) {
      hidden += Area(r);
      break;
    }
  }
  return hidden;
}

// How much of r the panel's edge, the other weights, the vertices and other arcs' lines would
// hide. A weight or a vertex over a weight hides digits; lines only pass behind its white rim,
// so in a crowded network a weight crosses any number of lines rather than touch either.
double Covered(const QRect& r, std::size_t self, const std::vector<TWeightLabel>& labels,
               const std::vector<QRect>& placed, const std::vector<TDisc>& vertices, const QRect& bounds) {
  constexpr double OverWeight = 64;
  double covered = OverWeight * (Area(r) - Area(r & bounds) + Hidden(r, self, labels, placed, vertices));
  const TWeightLabel& own = labels[self];
  const QRectF box(r);
  const std::array<QLineF, 4> sides{QLineF(box.topLeft(), box.topRight()), QLineF(box.topRight(), box.bottomRight()),
                                    QLineF(box.bottomRight(), box.bottomLeft()), QLineF(box.bottomLeft(), box.topLeft())};
  for (const TWeightLabel& other : labels) {
    if (SameLine(other, own)) continue;  // the weight's own line, drawn once for both arcs of a pair
    const QLineF line(other.From, other.To);
    bool crosses = box.contains(line.p1()) || box.contains(line.p2());
    for (const QLineF& side : sides) crosses = crosses || line.intersects(side, nullptr) == QLineF::BoundedIntersection;
    if (crosses) covered += Area(r) / 4;
  }
  return covered;
}

// The least covered place on label k's own line (on its half of a shared line), from the
// middle of its stretch outwards, a few pixels apart; the first place nothing covers wins.
QRect PlaceOne(std::size_t k, const std::vector<TWeightLabel>& labels, const std::vector<QRect>& placed,
               const std::vector<TDisc>& vertices, const QRect& bounds) {
  const TWeightLabel& l = labels[k];
  const QPointF a(l.From);
  const QPointF b(l.To);
  const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
  const double step = length > 6 ? 3.0 / length : 0.5;
  double lo = 0;
  double hi = 1;
  if (l.TowardHead && length > 1) {
    // The whole box past the middle: its reach along the line, from its centre.
    const double reach = (l.Size.width() * std::abs(b.x() - a.x()) + l.Size.height() * std::abs(b.y() - a.y())) / 2 / length;
    lo = std::min(1.0, 0.5 + (reach + 1) / length);
  }
  const double middle = l.TowardHead ? std::min(hi, std::max(lo, 0.62)) : 0.5;
  QRect best;
  double least = std::numeric_limits<double>::infinity();
  for (int m = 0;; ++m) {
    const double t = middle + (m % 2 == 1 ? -1 : 1) * ((m + 1) / 2) * step;
    const bool below = middle - ((m + 1) / 2) * step < lo;
    const bool above = middle + ((m + 1) / 2) * step > hi;
    if (below && above) break;
    if (t < lo || t > hi) continue;
    const QPointF c = a + (b - a) * t;
    const QRect r(text::Round(c.x() - l.Size.width() / 2.0), text::Round(c.y() - l.Size.height() / 2.0),
                  l.Size.width(), l.Size.height());
    const double covered = Covered(r, k, labels, placed, vertices, bounds);
    if (covered < least) {
      least = covered;
      best = r;
    }
    if (covered == 0) break;
  }
  return best;
}

}  // namespace

std::vector<QRect> PlaceWeights(const std::vector<TWeightLabel>& labels, const std::vector<TDisc>& vertices,
                                const QRect& bounds) {
  // The shortest stretches first: they have the least room, the long ones many places to go.
  std::vector<std::size_t> order(labels.size());
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
  const auto span = [&](std::size_t k) { return QLineF(labels[k].From, labels[k].To).length() / (labels[k].TowardHead ? 2 : 1); };
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return span(a) < span(b); });
  std::vector<QRect> places(labels.size());
  for (const std::size_t k : order) places[k] = PlaceOne(k, labels, places, vertices, bounds);
  // A weight left over another or over a vertex looks again with all the others in place.
  for (int round = 0; round < 3; ++round) {
    bool moved = false;
    for (const std::size_t k : order) {
      if (Hidden(places[k], k, labels, places, vertices) == 0 && bounds.contains(places[k])) continue;
      const QRect again = PlaceOne(k, labels, places, vertices, bounds);
      moved = moved || again != places[k];
      places[k] = again;
    }
    if (!moved) break;
  }
  return places;
}

int UnclearWeights(const std::vector<TWeightLabel>& labels, const std::vector<QRect>& places,
                   const std::vector<TDisc>& vertices, const QRect& bounds) {
  int unclear = 0;
  for (std::size_t k = 0; k < places.size(); ++k)
    unclear += !bounds.contains(places[k]) || Hidden(places[k], k, labels, places, vertices) > 0 ? 1 : 0;
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
    layout_ = LayoutCircle(width(), height(), n);
    std::vector<std::pair<int, int>> arcs;
    std::vector<TDisc> boxes;
    for (int i = 1; i <= n; ++i) {
      if (nodes_[Slot(i)] != nullptr) boxes.push_back({nodes_[Slot(i)]->Centre(), nodes_[Slot(i)]->width() / 2});
      for (int j = 1; j <= n; ++j) {
        if (!graph_->IsArc(i, j) || nodes_[Slot(i)] == nullptr || nodes_[Slot(j)] == nullptr) continue;
        if (!directed_ && j < i) continue;
        const QPoint from = nodes_[Slot(i)]->Centre();
        const QPoint to = nodes_[Slot(j)]->Centre();
        DrawLine3D(c, from.x(), from.y(), to.x(), to.y(), foreColor_, clBtnShadow, true);
        if (directed_) DrawArrowHead(from, to, foreColor_);
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
  layout_ = LayoutCircle(width(), height(), n);
  Frame3D(c, 0, 0, width(), height(), clWhite, clGray);
  const std::vector<std::pair<int, int>> arcs = DrawnArcs();
  for (const auto& [i, j] : arcs) DrawArc(layout_.Position[Slot(i)], layout_.Position[Slot(j)], arcColor_[Slot(i)][Slot(j)]);
  for (int i = 1; i <= n; ++i) DrawVertex(i);
  if (!weighted_) return;
  DrawWeights(arcs, Discs(layout_), layout_.Position, layout_.WeightSize);
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

void TGraphP::DrawArc(QPoint from, QPoint to, TColor color) {
  DrawLine3D(Canvas(), from.x(), from.y(), to.x(), to.y(), color, clBtnShadow, true);
  if (directed_) DrawArrowHead(from, to, color);
}

namespace {

TFont WeightFont(int size) {
  TFont font;
  font.SetSize(size);
  font.Color = clBlack;
  return font;
}

}  // namespace

const TGraphP::TWeightPlaces& TGraphP::WeightPlaces(const std::vector<std::pair<int, int>>& arcs,
                                                    const std::vector<TDisc>& vertices, const std::vector<QPoint>& centres,
                                                    int size) const {
  TWeightPlaces& w = weightPlaces_;
  const QRect bounds(0, 0, width(), height());
  if (w.Arcs == arcs && w.Vertices == vertices && w.Centres == centres && w.Bounds == bounds && w.StartSize == size)
    return w;
  w = {arcs, centres, vertices, bounds, size, size, {}, {}};
  // The font comes down a step at a time while some weight cannot be read whole or be told
  // whose it is (a full network of ten vertices has 90 of them).
  constexpr int Least = 6;
  for (int s = size;; --s) {
    const TFont font = WeightFont(s);
    std::vector<TWeightLabel> labels;
    for (const auto& [i, j] : arcs) {
      const QString text = QString::number(graph_->Weight(i, j));
      const QPoint from = centres[Slot(i)];
      const QPoint to = centres[Slot(j)];
      labels.push_back({from, to, QSize(font.TextWidth(text), font.TextHeight(text)), directed_ && graph_->IsArc(j, i) && i != j});
    }
    std::vector<QRect> places = PlaceWeights(labels, vertices, bounds);
    const bool clear = UnclearWeights(labels, places, vertices, bounds) == 0;
    if (clear || s <= std::min(size, Least) || w.Places.empty()) {
      w.Size = s;
      w.Labels = std::move(labels);
      w.Places = std::move(places);
    }
    if (clear || s <= std::min(size, Least)) break;
  }
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
  c.SetTextAlign(TA_LEFT | TA_TOP);
  for (std::size_t k = 0; k < arcs.size(); ++k) {
    const QString text = QString::number(graph_->Weight(arcs[k].first, arcs[k].second));
    const QRect cell = w.Places[k];
    c.FillRect(TRect{cell.left() - 1, cell.top(), cell.right() + 2, cell.bottom() + 1});
    c.TextOut(cell.left(), cell.top(), text);
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
  const TCircleLayout layout = LayoutCircle(width(), height(), n);
  const std::vector<TDisc> discs = Discs(layout);
  const TWeightPlaces& w = WeightPlaces(arcs, discs, layout.Position, layout.WeightSize);
  const QRect bounds(0, 0, width(), height());
  QStringList weights;
  for (std::size_t k = 0; k < arcs.size(); ++k) {
    const QRect box = w.Places[k];
    const auto& [i, j] = arcs[NearestLabel(w.Labels, QRectF(box).center())];
    QString digits = QString::number(graph_->Weight(arcs[k].first, arcs[k].second));
    // A digit is lost where the panel ends or where a weight drawn later, with its rim, lies.
    const double cell = static_cast<double>(box.width()) / std::max<qsizetype>(1, digits.size());
    for (qsizetype d = 0; d < digits.size(); ++d) {
      const QRect at(box.left() + text::Round(d * cell), box.top(), std::max(1, text::Round(cell)), box.height());
      bool lost = !bounds.contains(at);
      for (std::size_t m = k + 1; m < arcs.size(); ++m) lost = lost || at.intersects(w.Places[m].adjusted(-1, -1, 1, 1));
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

void TGraphP::DrawArrowHead(QPoint from, QPoint to, TColor color) {
  const QPoint p(from.x() + (to.x() - from.x()) * 3 / 4, from.y() + (to.y() - from.y()) * 3 / 4);
  DrawArrow3D(Canvas(), from.x(), from.y(), p.x(), p.y(), color, clBtnShadow, RGB(255, 0, 0));
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
  c.Ellipse(p.x() - r - 2, p.y() - r - 2, p.x() + r - 2, p.y() + r - 2);
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
