#pragma once
// What the topological sort and the critical path share: the rows of their drawn stacks,
// the vectors of the variable window, the in-degree grid and the colouring of the vertex
// and arc a step works on.
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "demos/graphs/Graph.h"

#include "framework/drawkit/KitControl.h"
#include "framework/engine/BasicData.h"
#include "platform/Color.h"
#include "platform/Grid.h"

class TGraphP;
class TStackBox;
class TGraphList;
class TEdge;

// One row of a drawn stack: the value pushed between six blanks on each side.
class TTopoStkData : public TData {
 public:
  explicit TTopoStkData(int value) : TData(QString()), Value(value) {}
  QString GetText() const override;
  int Value;
};

namespace topokit {

constexpr TColor Red = RGB(255, 0, 0);
constexpr TColor Green = RGB(0, 128, 0);
constexpr TColor Blue = RGB(0, 0, 255);
constexpr TColor Silver = RGB(192, 192, 192);

// The value the text keeps for vertex v: v itself in Pascal, v - 1 in C.
int Shown(int v);
int VertexOf(int shown);
// A vector of n integers named name[1] .. name[n] (C: name[0] .. name[n - 1]), all 0.
std::unique_ptr<TVector> NumberedVector(const QString& name, int n);
// Item v of the vector set to value (v counted from 1).
void SetItem(TData* vector, int v, int value);

// The in-degrees of every vertex counted one vertex at a time: its arcs in red and marked
// in the list while it is counted, its value written to column `column` of the grid and to
// the vector, then a pause of (99 - RunSpeed) * 10 ms.
void CountInDegrees(const TGraphm& graph, TGraphP& panel, TGraphList& list, TStringGrid& grid, int column,
                    TData* vector, int* indegree);

// The row just pushed on box stands for entries[count] (the entry of the stack the algorithm
// keeps, whose height is count) while the stack is at least that high.
void HoldTopRow(TStackBox& box, const int& count, std::span<const int> entries);

// Arcs the sort has taken: taken[tail][head].
using TakenArcs = std::array<std::array<bool, TGraphm::MaxVertices + 1>, TGraphm::MaxVertices + 1>;
// The arc p of the sort stands lit in the lists and red ("p") in the drawing, an arc taken
// blue ("taken").
void HoldArcMeans(TGraphP& panel, TGraphList& list, const std::unique_ptr<TEdge>& arc, const TakenArcs& taken);

// The arc a step has reached: red and marked in the list (none: nothing).
void ShowArc(const TEdge* arc, TGraphP& panel, TGraphList& list);

// A grid of strings that draws its cells centred, without a selected cell. It reports its
// cells in view, each standing for what CellMeans says of it (a heading or a letter that
// stands for nothing of the run gets no meaning).
class TCentredGrid : public TStringGrid, public TKitControl {
 public:
  explicit TCentredGrid(QWidget* parent = nullptr);

  std::function<std::optional<TValueMeaning>(int col, int row)> CellMeans;
  std::vector<TDrawnShape> DrawingShapes() const override;

 protected:
  void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
};

}  // namespace topokit
