#include "demos/graphs/GraphList.h"

#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/KitGlobals.h"

TGraphList::TGraphList(QWidget* parent) : TNodeContainer(parent) {}

std::size_t TGraphList::Slot(int i) {
  if (i < 0 || i > TGraphm::MaxVertices) throw ERangeError();
  return static_cast<std::size_t>(i);
}

void TGraphList::SetGraph(TGraphm* graph) {
  graph_ = graph;
  Invalidate();
}

void TGraphList::SetWeighted(bool on) {
  weighted_ = on;
  Invalidate();
}

void TGraphList::SetColor(int index, TColor color) {
  switch (index) {
    case 1: groundColor_ = color; break;
    case 2: frwColor_ = color; break;
    case 3: topColor_ = color; break;
    case 4: textColor_ = color; break;
    case 5: focusColor_ = color; break;
    default: return;
  }
  Invalidate();
}

void TGraphList::Highlight(int row, int vertex, bool on) {
  if (row < 1 || vertex < 1) throw ERangeError();
  focus_[Slot(row)][Slot(vertex)] = on;
  Invalidate();
}

void TGraphList::ClearHighlights() {
  for (auto& row : focus_) row.fill(false);
  Invalidate();
}

void TGraphList::Arrange() {
  if (graph_ == nullptr || graph_->VertexCount() < 1) return;
  const int n = graph_->VertexCount();
  maxOut_ = 0;
  for (int v = 1; v <= n; ++v) maxOut_ = std::max(maxOut_, graph_->OutDegree(v));
  columnWidth_ = width() / (maxOut_ + 1);
  rowHeight_ = height() / (n + 1);
  for (int i = 1; i <= n; ++i)
    for (int k = 0; k <= maxOut_ && k < TGraphm::MaxVertices; ++k)
      cell_[Slot(i)][Slot(k)] = QPoint(k * columnWidth_ + columnWidth_ / 4, i * rowHeight_ - rowHeight_ / 2);
  fontSize_ = rowHeight_ / 4 - 1;
  boxWidth_ = columnWidth_ / 2;
  boxHeight_ = rowHeight_ / 2 + 4;
}

void TGraphList::Paint() {
  if (graph_ == nullptr || graph_->VertexCount() < 1) return;
  TCanvas& c = Canvas();
  CopyBackdrop(c, *this, ClientRect());
  Frame3D(c, 0, 0, width(), height(), clWhite, clGray);
  Arrange();
  const int n = graph_->VertexCount();
  for (int i = 1; i <= n; ++i) {
    DrawNode(i, 0, i);
    int k = 1;
    for (int j = 1; j <= n; ++j)
      if (graph_->IsArc(i, j)) DrawNode(i, k++, j);
  }
  const QPoint top = Cell(1, 0);
  const QPoint bottom = Cell(n, 0);
  const std::array<TPoint, 5> column{TPoint{top.x(), top.y()}, TPoint{top.x() + boxWidth_, top.y()},
                                     TPoint{top.x() + boxWidth_, bottom.y() + boxHeight_},
                                     TPoint{top.x(), bottom.y() + boxHeight_}, TPoint{top.x(), top.y()}};
  DrawPolyline3D(c, column, RGB(0, 0, 255), clBtnShadow);
}

void TGraphList::DrawNode(int row, int column, int vertex) {
  TCanvas& c = Canvas();
  const QPoint at = Cell(row, column);
  const int x = at.x();
  const int y = at.y();
  const int w = boxWidth_;
  const int h = boxHeight_;
  const auto field = [&](int l, int r, TColor color) {
    const std::array<TPoint, 5> p{TPoint{x + l, y}, TPoint{x + r, y}, TPoint{x + r, y + h}, TPoint{x + l, y + h},
                                  TPoint{x + l, y}};
    DrawPolyline3D(c, p, color, clBtnShadow);
  };
  const bool arcNode = column > 0;
  const auto outline = [&](TColor box, TColor link) {
    field(0, w, box);
    field(w * 2 / 3, w, link);
    if (arcNode && weighted_) field(0, w / 3, link);
  };
  outline(topColor_, frwColor_);
  if (arcNode) {
    DrawArrow3D(c, x - w * 7 / 6, y + h / 2, x, y + h / 2, RGB(255, 0, 0), RGB(255, 0, 0), RGB(255, 0, 0));
  }
  c.Font.SetSize(std::max(fontSize_, 2));
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_LEFT | TA_TOP);
  if (!arcNode) {
    TextOutShadow(c, x + w / 6, y - 1, VertexLetter(vertex), textColor_);
  } else if (!weighted_) {
    TextOutShadow(c, x + w / 6, y - 1, QString::number(vertex), textColor_);
  } else {
    TextOutShadow(c, x, y - 1, QString::number(vertex), textColor_);
    TextOutShadow(c, x + w / 3 + 3, y - 1, QString::number(graph_->Weight(row, vertex)), textColor_);
  }
  if (focus_[Slot(row)][Slot(vertex)]) outline(focusColor_, focusColor_);
}
