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
  int CellSize() const { return cellSize_; }
  int FontSize() const { return fontSize_; }
  // The top-left corner of grid position (row, column), -1 .. n + 1 each.
  QPoint Cell(int row, int column) const { return {(column + 2) * cellSize_, (row + 2) * cellSize_}; }

 protected:
  void Paint() override;

 private:
  static std::size_t Slot(int i);

  TGraphm* graph_ = nullptr;
  TColor groundColor_ = RGB(0, 0, 255);
  TColor frameColor_ = RGB(128, 128, 0);
  TColor memoColor_ = RGB(128, 0, 128);
  int cellSize_ = 0;
  int fontSize_ = 2;
  std::array<std::array<TColor, TGraphm::MaxVertices + 1>, TGraphm::MaxVertices + 1> cellColor_{};
};
