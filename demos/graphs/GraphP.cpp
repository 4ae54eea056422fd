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
  for (int i = 1; i <= n; ++i) {
    l.Position[static_cast<std::size_t>(i)] = QPoint(text::Round(cx - l.Radius * std::cos(i * step)),
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

// How much of r the other weights placed so far (placed[self] and places not yet taken are
// null) and the vertices would hide.
double Hidden(const QRect& r, std::size_t self, const std::vector<QRect>& placed, const std::vector<TDisc>& vertices) {
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
  return hidden;
}

// How much of r the panel's edge, the other weights, the vertices and other arcs' lines would
// hide. A weight or a vertex over a weight hides digits; lines only pass behind its white rim,
// so in a crowded network a weight crosses any number of lines rather than touch either.
double Covered(const QRect& r, std::size_t self, const std::vector<TWeightLabel>& labels,
               const std::vector<QRect>& placed, const std::vector<TDisc>& vertices, const QRect& bounds) {
  constexpr double OverWeight = 64;
  double covered = Area(r) - Area(r & bounds) + OverWeight * Hidden(r, self, placed, vertices);
  const TWeightLabel& own = labels[self];
  const QRectF box(r);
  const std::array<QLineF, 4> sides{QLineF(box.topLeft(), box.topRight()), QLineF(box.topRight(), box.bottomRight()),
                                    QLineF(box.bottomRight(), box.bottomLeft()), QLineF(box.bottomLeft(), box.topLeft())};
  for (const TWeightLabel& other : labels) {
    // The weight's own line, drawn once for both arcs of a pair.
    if ((other.From == own.From && other.To == own.To) || (other.From == own.To && other.To == own.From)) continue;
    const QLineF line(other.From, other.To);
    bool crosses = box.contains(line.p1()) || box.contains(line.p2());
    for (const QLineF& side : sides) crosses = crosses || line.intersects(side, nullptr) == QLineF::BoundedIntersection;
    if (crosses) covered += Area(r) / 4;
  }
  return covered;
}

// The least covered place along label k's own line, from the middle outwards, a few pixels
// apart; the first place that nothing covers wins.
QRect PlaceOne(std::size_t k, const std::vector<TWeightLabel>& labels, const std::vector<QRect>& placed,
               const std::vector<TDisc>& vertices, const QRect& bounds) {
  const TWeightLabel& l = labels[k];
  const QPointF a(l.From + l.Shift);
  const QPointF b(l.To + l.Shift);
  const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
  const double step = length > 6 ? 3.0 / length : 0.5;
  QRect best;
  double least = std::numeric_limits<double>::infinity();
  for (int m = 0;; ++m) {
    const double t = 0.5 + (m % 2 == 1 ? -1 : 1) * ((m + 1) / 2) * step;
    if (t < 0 || t > 1) break;
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
  // The shortest lines first: they have the least room, the long ones many places to go.
  std::vector<std::size_t> order(labels.size());
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
  const auto span = [&](std::size_t k) { return QLineF(labels[k].From, labels[k].To).length(); };
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return span(a) < span(b); });
  std::vector<QRect> places(labels.size());
  for (const std::size_t k : order) places[k] = PlaceOne(k, labels, places, vertices, bounds);
  // A weight left over another or over a vertex looks again with all the others in place.
  for (int round = 0; round < 3; ++round) {
    bool moved = false;
    for (const std::size_t k : order) {
      if (Hidden(places[k], k, places, vertices) == 0) continue;
      const QRect again = PlaceOne(k, labels, places, vertices, bounds);
      moved = moved || again != places[k];
      places[k] = again;
    }
    if (!moved) break;
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
    if (weighted_)
      DrawWeights(arcs, boxes, [this](int v) { return nodes_[Slot(v)]->Centre(); }, text::Round(6 * DialogScale(*window())));
    return;
  }
  if (state_ != csDisplay) return;
  layout_ = LayoutCircle(width(), height(), n);
  Frame3D(c, 0, 0, width(), height(), clWhite, clGray);
  std::vector<std::pair<int, int>> arcs;
  for (int i = 1; i <= n; ++i) {
    for (int j = directed_ ? 1 : i + 1; j <= n; ++j) {
      if (!graph_->IsArc(i, j)) continue;
      DrawArc(layout_.Position[Slot(i)], layout_.Position[Slot(j)], arcColor_[Slot(i)][Slot(j)]);
      arcs.emplace_back(i, j);
    }
  }
  for (int i = 1; i <= n; ++i) DrawVertex(i);
  if (!weighted_) return;
  // A vertex is its circle and, 2 px down and right, its shadow.
  std::vector<TDisc> discs;
  for (int i = 1; i <= n; ++i) discs.push_back({layout_.Position[Slot(i)] - QPoint(1, 1), layout_.NodeRadius + 2});
  DrawWeights(arcs, discs, [this](int v) { return layout_.Position[Slot(v)]; }, layout_.WeightSize);
}

void TGraphP::DrawArc(QPoint from, QPoint to, TColor color) {
  DrawLine3D(Canvas(), from.x(), from.y(), to.x(), to.y(), color, clBtnShadow, true);
  if (directed_) DrawArrowHead(from, to, color);
}

void TGraphP::DrawWeights(const std::vector<std::pair<int, int>>& arcs, const std::vector<TDisc>& vertices,
                          const std::function<QPoint(int)>& centre, int size) {
  TCanvas& c = Canvas();
  const TFont saved = c.Font;
  c.Font.SetSize(size);
  c.Font.Color = clBlack;
  std::vector<TWeightLabel> labels;
  for (const auto& [i, j] : arcs) {
    const QString text = QString::number(graph_->Weight(i, j));
    labels.push_back({centre(i), centre(j), QSize(c.Font.TextWidth(text), c.Font.TextHeight(text)),
                      LabelShift(i, j, centre(i), centre(j), c.Font)});
  }
  TWeightPlaces& w = weightPlaces_;
  if (w.Labels != labels || w.Vertices != vertices || w.Bounds != ClientRect().ToQRect()) {
    w = {labels, vertices, ClientRect().ToQRect(), {}};
    w.Places = PlaceWeights(labels, vertices, w.Bounds);
  }
  const std::vector<QRect>& places = w.Places;
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_LEFT | TA_TOP);
  for (std::size_t k = 0; k < arcs.size(); ++k) {
    const QString text = QString::number(graph_->Weight(arcs[k].first, arcs[k].second));
    const QPoint at = places[k].topLeft();
    // A white rim keeps the digits clear of the lines they sit on.
    c.Font.Color = clWhite;
    for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) c.TextOut(at.x() + d.x(), at.y() + d.y(), text);
    c.Font.Color = clBlack;
    c.TextOut(at.x(), at.y(), text);
  }
  c.Font = saved;
}

QPoint TGraphP::LabelShift(int i, int j, QPoint from, QPoint to, const TFont& font) {
  const double dx = to.x() - from.x();
  const double dy = to.y() - from.y();
  const double length = std::hypot(dx, dy);
  if (!directed_ || !graph_->IsArc(j, i) || length < 1) return {};
  const int wide = std::max(font.TextWidth(QString::number(graph_->Weight(i, j))),
                            font.TextWidth(QString::number(graph_->Weight(j, i))));
  const double away = std::max(wide, font.TextHeight(QStringLiteral("0"))) * 0.75;
  // Square to the line, to the right of the way the arc runs: the opposite arc runs the
  // other way, so its weight lands on the other side.
  return QPoint(text::Round(-dy / length * away), text::Round(dx / length * away));
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
  c.Font.Color = clBlack;
  c.SetTextAlign(TA_CENTER | TA_BASELINE);
  c.SetBkMode(TRANSPARENT);
  c.TextOut(p.x() - 2, p.y() + r / 2 + 1, VertexLetter(i));
  c.SetTextAlign(savedAlign);
  c.Pen = savedPen;
  c.Brush = savedBrush;
  c.Font = savedFont;
}
