#include "demos/graphs/GraphMatrix.h"

#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/KitGlobals.h"

TGraphMatrix::TGraphMatrix(QWidget* parent) : TNodeContainer(parent) {}

std::size_t TGraphMatrix::Slot(int i) {
  if (i < 1 || i > TGraphm::MaxVertices) throw ERangeError();
  return static_cast<std::size_t>(i);
}

void TGraphMatrix::SetGraph(TGraphm* graph) {
  graph_ = graph;
  Invalidate();
}

void TGraphMatrix::SetColor(int index, TColor color) {
  switch (index) {
    case 1: groundColor_ = color; break;
    case 2: frameColor_ = color; break;
    case 3: memoColor_ = color; break;
    default: return;
  }
  Invalidate();
}

void TGraphMatrix::SetCellColor(int row, int column, TColor color) {
  cellColor_[Slot(row)][Slot(column)] = color;
  Invalidate();
}

void TGraphMatrix::Arrange() {
  if (graph_ == nullptr || graph_->VertexCount() < 1) return;
  cellSize_ = std::min(width(), height()) / (graph_->VertexCount() + 4);
  fontSize_ = cellSize_ >= 9 ? cellSize_ / 2 - 1 : 2;
}

void TGraphMatrix::Paint() {
  TCanvas& c = Canvas();
  CopyBackdrop(c, *this, ClientRect());
  if (graph_ == nullptr || graph_->VertexCount() < 1) return;
  Arrange();
  const int n = graph_->VertexCount();
  Frame3D(c, 0, 0, width(), height(), clWhite, clGray);
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_LEFT | TA_TOP);
  c.Font.SetSize(fontSize_);
  for (int i = 1; i <= n; ++i) {
    c.Font.Color = memoColor_;
    c.TextOut(Cell(-1, i).x(), Cell(-1, i).y(), VertexLetter(i));
    c.TextOut(Cell(i, -1).x(), Cell(i, -1).y(), VertexLetter(i));
  }
  // Brackets: a vertical stroke with two short ends on each side of the entries.
  const int top = Cell(1, 1).y() - 2;
  const int bottom = Cell(n + 1, 1).y() - 2;
  const int left = Cell(1, 1).x() - cellSize_ / 4;
  const int right = Cell(1, n + 1).x() - cellSize_ / 4;
  const int tick = cellSize_ / 4;
  DrawLine3D(c, left, top, left, bottom, frameColor_, clBtnShadow, true);
  DrawLine3D(c, left, top, left + tick, top, frameColor_, clBtnShadow, true);
  DrawLine3D(c, left, bottom, left + tick, bottom, frameColor_, clBtnShadow, true);
  DrawLine3D(c, right, top, right, bottom, frameColor_, clBtnShadow, true);
  DrawLine3D(c, right - tick, top, right, top, frameColor_, clBtnShadow, true);
  DrawLine3D(c, right - tick, bottom, right, bottom, frameColor_, clBtnShadow, true);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      c.Font.Color = cellColor_[Slot(i)][Slot(j)];
      c.TextOut(Cell(i, j).x(), Cell(i, j).y(), QString::number(graph_->Entry(i, j)));
    }
  }
}
