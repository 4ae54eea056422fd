#include "demos/graphs/GraphP.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "demos/graphs/GraphNode.h"
#include "demos/graphs/WeightDialog.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/KitGlobals.h"
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
  // circle (drawn 2 px up and left of its black shadow) runs over the panel's edge.
  const double halfGap = n > 1 ? l.Radius * std::sin(std::numbers::pi / n) : l.Radius;
  const int room = std::min(cx, cy) - l.Radius - 2;
  l.NodeRadius = std::max(0, std::min({l.Radius / 4, text::Round(halfGap * 0.5), room}));
  l.LabelSize = l.NodeRadius >= 6 ? l.NodeRadius - 4 : 2;
  // Weights get smaller as the arcs crowd (a full network of 10 has 45 of them).
  l.WeightSize = std::max(2, std::min(l.LabelSize - 1, text::Round(halfGap / 4)));
  return l;
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
    layout_.LabelSize = 6;
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) {
        if (!graph_->IsArc(i, j) || nodes_[Slot(i)] == nullptr || nodes_[Slot(j)] == nullptr) continue;
        if (!directed_ && j < i) continue;
        const QPoint from = nodes_[Slot(i)]->Centre();
        const QPoint to = nodes_[Slot(j)]->Centre();
        DrawLine3D(c, from.x(), from.y(), to.x(), to.y(), foreColor_, clBtnShadow, true);
        if (directed_) DrawArrowHead(from, to, foreColor_);
        if (weighted_) DrawLabel(from, to, graph_->Entry(i, j));
      }
    }
    return;
  }
  if (state_ != csDisplay) return;
  layout_ = LayoutCircle(width(), height(), n);
  Frame3D(c, 0, 0, width(), height(), clWhite, clGray);
  for (int i = 1; i <= n; ++i) {
    for (int j = directed_ ? 1 : i + 1; j <= n; ++j) {
      if (graph_->IsArc(i, j)) DrawArc(i, j, layout_.Position[Slot(i)], layout_.Position[Slot(j)]);
    }
  }
  for (int i = 1; i <= n; ++i) DrawVertex(i);
}

void TGraphP::DrawArc(int i, int j, QPoint from, QPoint to) {
  TCanvas& c = Canvas();
  const TColor color = arcColor_[Slot(i)][Slot(j)];
  DrawLine3D(c, from.x(), from.y(), to.x(), to.y(), color, clBtnShadow, true);
  if (directed_) DrawArrowHead(from, to, color);
  if (weighted_) {
    const QPoint shift = LabelShift(i, j, from, to);
    DrawLabel(from + shift, to + shift, graph_->Weight(i, j));
  }
}

QPoint TGraphP::LabelShift(int i, int j, QPoint from, QPoint to) {
  const double dx = to.x() - from.x();
  const double dy = to.y() - from.y();
  const double length = std::hypot(dx, dy);
  if (!directed_ || !graph_->IsArc(j, i) || length < 1) return {};
  // Measured in the size DrawLabel writes the weights in.
  TFont font = Canvas().Font;
  font.SetSize(layout_.WeightSize);
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

void TGraphP::DrawLabel(QPoint from, QPoint to, int weight) {
  TCanvas& c = Canvas();
  const TFont saved = c.Font;
  c.Font.SetSize(layout_.WeightSize);
  c.Font.Color = clBlack;
  c.SetBkMode(TRANSPARENT);
  const int r = layout_.NodeRadius;
  c.TextOut((to.x() - from.x() - r) / 2 + from.x(), (to.y() - from.y() - r) / 2 + from.y(),
            QString::number(weight));
  c.Font = saved;
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
