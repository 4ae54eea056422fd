#pragma once
// A graph drawn as its adjacency matrix between two brackets, with the vertex letters along
// the top and the left; a demonstration colours single entries.
#include <QPoint>
#include <array>

#include "demos/graphs/Graph.h"
#include "framework/drawkit/NodeContainer.h"

class TGraphMatrix : public TNodeContainer {
 public:
  explicit TGraphMatrix(QWidget* parent = nullptr);

  TGraphm* Graph() const { return graph_; }
  void SetGraph(TGraphm* graph);  // not owned
  // 1 ground, 2 brackets, 3 letters.
  void SetColor(int index, TColor color);
  void SetCellColor(int row, int column, TColor color);
  TColor CellColor(int row, int column) const { return cellColor_[Slot(row)][Slot(column)]; }

  // The layout for the present size; Paint runs it first.
  void Arrange();
  // The least width at which graph's letters and entries fit their cells in letters px high.
  static int WidthFor(const TGraphm& graph, int px);
  // Columns share the width and rows the height: n entries, the letters, the gap holding
  // a bracket on either side and half a cell of margin (n + 3 of each), so that a wide,
  // low matrix still gets room for three-digit weights.
  int CellWidth() const { return cellWidth_; }
  int CellHeight() const { return cellHeight_; }
  // The font of letters and entries: the largest at which every entry fits its cell with a
  // blank to spare on either side.
  const TFont& TextFont() const { return font_; }
  // The top-left corner of grid position (row, column), -1 .. n + 1 each: the letters at the
  // left and top edges, the entries from half a cell on, which holds the brackets.
  QPoint Cell(int row, int column) const {
    // The letters' row and column stand two pixels in from the frame, whose line a small
    // window's cells would otherwise bring under their letters.
    const auto at = [](int k, int size) { return k < 1 ? (k + 1) * size + 2 : size / 2 + k * size; };
    return {at(column, cellWidth_), at(row, cellHeight_)};
  }
  // The cell of entry (row, column), 1 .. n each, as the last paint laid it out.
  QRect EntryCell(int row, int column) const { return {Cell(row, column), QSize(cellWidth_, cellHeight_)}; }
  // What entry (row, column) shows: the weight, 0 where there is no arc.
  QString EntryText(int row, int column) const;
  // Every entry a cell, row by row, standing for the graph's cost[row, column].
  std::vector<TDrawnShape> DrawingShapes() const override;
  // The x of the left and right bracket.
  int LeftBracket() const { return Cell(1, 1).x() - cellWidth_ / 4; }
  int RightBracket() const { return Cell(1, graph_ ? graph_->VertexCount() + 1 : 1).x() + cellWidth_ / 4; }

 protected:
  void Paint() override;

 private:
  static std::size_t Slot(int i);
  // The largest font at which every letter and entry of graph fits a cell of that size.
  static TFont FitFont(const TGraphm& graph, int cellWidth, int cellHeight);
  // How wide a text may be in a cell cellWidth wide.
  static int Room(int cellWidth);
  // text centred in the cell at grid position (row, column).
  void CellText(TCanvas& c, int row, int column, const QString& text);

  TGraphm* graph_ = nullptr;
  TColor groundColor_ = RGB(0, 0, 255);
  TColor frameColor_ = RGB(128, 128, 0);
  TColor memoColor_ = RGB(128, 0, 128);
  int cellWidth_ = 0;
  int cellHeight_ = 0;
  TFont font_;
  std::array<std::array<TColor, TGraphm::MaxVertices + 1>, TGraphm::MaxVertices + 1> cellColor_{};
};
