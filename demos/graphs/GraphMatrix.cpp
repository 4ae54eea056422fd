#include "demos/graphs/GraphMatrix.h"

#include "demos/graphs/TextFit.h"
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
  const int n = graph_->VertexCount();
  // The letters' column, the entries and a quarter of a cell beyond the right bracket; the
  // letters' row, the entries and the bracket's end below them, inside the frame.
  cellWidth_ = 4 * (width() - 2) / (4 * n + 7);
  cellHeight_ = 2 * (height() - 2) / (2 * n + 3);
  font_ = FitFont(*graph_, cellWidth_, cellHeight_);
}

TFont TGraphMatrix::FitFont(const TGraphm& graph, int cellWidth, int cellHeight) {
  const int n = graph.VertexCount();
  TTextFit fit{TFont{}};
  // Rows keep a quarter of their height between them.
  fit.CapHeight(cellHeight * 3 / 4);
  const int room = Room(cellWidth);
  for (int i = 1; i <= n; ++i) {
    fit.Width(VertexLetter(i), room);
    for (int j = 1; j <= n; ++j) fit.Width(QString::number(graph.Entry(i, j)), room);
  }
  return fit.Font();
}

int TGraphMatrix::Room(int cellWidth) {
  // A blank between neighbours keeps "10" and "2" from reading as "102".
  return cellWidth - std::max(4, cellWidth / 6);
}

int TGraphMatrix::WidthFor(const TGraphm& graph, int px) {
  const int n = graph.VertexCount();
  if (n < 1) return 0;
  // The narrowest cell in which the fit Arrange makes gives every letter and entry px (the
  // row height left out: it is not the width's to mend).
  constexpr int Unbounded = 1000;
  int cellWidth = 1;
  while (cellWidth < Unbounded && -FitFont(graph, cellWidth, Unbounded).Height < px) ++cellWidth;
  // The width Arrange shares among the entries, the letters and the brackets' room.
  return (cellWidth * (4 * n + 7) + 3) / 4 + 2;
}

std::vector<TDrawnShape> TGraphMatrix::DrawingShapes() const {
  if (graph_ == nullptr || graph_->VertexCount() < 1 || cellWidth_ <= 0) return {};
  std::vector<TDrawnShape> out;
  const int n = graph_->VertexCount();
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j)
      out.push_back(TDrawnShape::CellAt(EntryCell(i, j), EntryText(i, j))
                        .StandingFor({.Value = [graph = graph_, i, j] {
                          // The algorithm's cost[i, j]: the weight, 0 where there is no arc.
                          return std::optional<QString>(QString::number(graph->Entry(i, j)));
                        }}));
  return out;
}

QString TGraphMatrix::EntryText(int row, int column) const { return QString::number(graph_->Entry(row, column)); }

void TGraphMatrix::CellText(TCanvas& c, int row, int column, const QString& text) {
  const QPoint at = Cell(row, column);
  // The matrix stands on the pale sky: a colour too close to it (the red of an entry being
  // read) is outlined.
  constexpr TColor SkyGround = RGB(204, 224, 243);
  TextOutOnGround(c, at.x() + cellWidth_ / 2, at.y() + (cellHeight_ + TTextFit::CapHeightOf(c.Font)) / 2, text,
                  c.Font.Color, SkyGround);
}

void TGraphMatrix::Paint() {
  TCanvas& c = Canvas();
  CopyBackdrop(c, *this, ClientRect());
  if (graph_ == nullptr || graph_->VertexCount() < 1) return;
  Arrange();
  const int n = graph_->VertexCount();
  Frame3D(c, 0, 0, width(), height(), clWhite, clGray);
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_CENTER | TA_BASELINE);
  c.Font = font_;
  for (int i = 1; i <= n; ++i) {
    c.Font.Color = memoColor_;
    CellText(c, -1, i, VertexLetter(i));
    CellText(c, i, -1, VertexLetter(i));
  }
  // Brackets: a vertical stroke with two short ends on each side of the entries.
  const int top = Cell(1, 1).y() - 2;
  const int bottom = Cell(n + 1, 1).y() - 2;
  const int left = LeftBracket();
  const int right = RightBracket();
  const int tick = cellWidth_ / 4;
  DrawLine3D(c, left, top, left, bottom, frameColor_, clBtnShadow, true);
  DrawLine3D(c, left, top, left + tick, top, frameColor_, clBtnShadow, true);
  DrawLine3D(c, left, bottom, left + tick, bottom, frameColor_, clBtnShadow, true);
  DrawLine3D(c, right, top, right, bottom, frameColor_, clBtnShadow, true);
  DrawLine3D(c, right - tick, top, right, top, frameColor_, clBtnShadow, true);
  DrawLine3D(c, right - tick, bottom, right, bottom, frameColor_, clBtnShadow, true);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      c.Font.Color = cellColor_[Slot(i)][Slot(j)];
      CellText(c, i, j, EntryText(i, j));
    }
  }
}
