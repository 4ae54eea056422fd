#pragma once
// A graph drawn as adjacency lists: one row per vertex, its head node with the letter, then
// a node per arc leaving it (heads increasing) joined by arrows. Demonstrations highlight
// single nodes while their algorithm walks the lists.
#include <QPoint>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "demos/graphs/Graph.h"
#include "framework/drawkit/NodeContainer.h"

class TGraphList : public TNodeContainer {
 public:
  explicit TGraphList(QWidget* parent = nullptr);

  TGraphm* Graph() const { return graph_; }
  void SetGraph(TGraphm* graph);  // not owned
  bool Weighted() const { return weighted_; }
  void SetWeighted(bool on);
  // 1 ground, 2 link field, 3 node outline, 4 text, 5 focus.
  void SetColor(int index, TColor color);
  // Marks the node of the arc row -> vertex in row `row` (vertex = row: the head node).
  void Highlight(int row, int vertex, bool on);
  bool Highlighted(int row, int vertex) const { return focus_[Slot(row)][Slot(vertex)]; }
  void ClearHighlights();

  // The height whose rows hold the graph's lists in letters em pixels high.
  int HeightFor(int em) const;
  // The layout for the present size; Paint runs it first.
  void Arrange();
  int ColumnWidth() const { return columnWidth_; }
  int RowHeight() const { return rowHeight_; }
  int MaxOut() const { return maxOut_; }
  QPoint Cell(int row, int column) const { return cell_[Slot(row)][static_cast<std::size_t>(column)]; }
  QSize BoxSize() const { return {boxWidth_, boxHeight_}; }
  // The texts' font, its pixel height fitted to the boxes and their fields.
  TFont TextFont() const;
  // The texts a node shows and the field each fills: (left, right) from the box's left.
  struct TFieldText {
    QString Text;
    int Left;
    int Right;
  };
  std::vector<TFieldText> NodeTexts(int row, int column, int vertex) const;
  // The box of the node in row `row`, column `column` as drawn (its outline and shade), and
  // the arrow into an arc node from the middle of the previous node's link field.
  QRect NodeBox(int row, int column) const;
  QLine ArrowInto(int row, int column) const;
  // As drawn at the last paint: every node a node, every arrow a link from the node before.
  // An arc node stands for the arc of its place in its row's list (FirstAdj, NextAdj ...) as
  // the graph holds it; a lit node notes "lit", held to LitMeans.
  std::vector<TDrawnShape> DrawingShapes() const override;
  // Whether the node of arc row -> vertex (vertex = row: the head node, lit with a loop's
  // node) is to be lit now in the algorithm's run; nothing: not held.
  std::function<std::optional<bool>(int row, int vertex)> LitMeans;

 protected:
  void Paint() override;

 private:
  static std::size_t Slot(int i);
  void DrawNode(int row, int column, int vertex);
  // The largest em height in pixels at which every text fits its field in boxes boxWidth
  // wide (and the present boxes high).
  int FittedFont(int boxWidth) const;
  // Where the fields of a node boxWidth wide part: a weighted arc node's vertex field ends at
  // .first, its weight field at .second (the link field follows); other nodes' data field
  // ends at .second, where .first is too.
  std::pair<int, int> FieldEdges(int boxWidth, bool arcNode) const;

  TColor frwColor_ = RGB(0, 128, 0);
  TColor topColor_ = RGB(0, 0, 255);
  TColor textColor_ = clBlack;
  TColor focusColor_ = RGB(255, 0, 0);
  TColor groundColor_ = clWhite;
  bool weighted_ = false;
  TGraphm* graph_ = nullptr;
  int fontHeight_ = 2;
  int maxOut_ = 0;
  int boxWidth_ = 0;
  int boxHeight_ = 0;
  int columnWidth_ = 0;
  int rowHeight_ = 0;
  std::array<std::array<QPoint, TGraphm::MaxVertices>, TGraphm::MaxVertices + 1> cell_{};
  std::array<std::array<bool, TGraphm::MaxVertices + 1>, TGraphm::MaxVertices + 1> focus_{};
};
