#pragma once
// The drawing window of the nearly optimal search tree: the table of keys with their weights
// and cumulative weights, the markers i, j, low and high sliding along it (a red frame round
// the key, its label on a red tab above the key), the current
// minimum with its formula, and below it the tree as it is built, with the pointer "T".
#include <QString>
#include <QSize>
#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "demos/trees/TreeBase.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitControl.h"

class TPointer2;

// The frames a marker move from cell current to cell target takes with count keys:
// |Round((target - current) * 150 / (count + 5))|, halves to the even neighbour.
int NostMoveFrames(int current, int target, int count);

// The tree as it is built: every node stands under its key in the table above (the keys of a
// search tree read from left to right are the table's order), its levels spread down the panel.
// The nodes of one level are at least two columns apart, so a tree of any depth keeps nodes
// as large as two columns and its levels allow.
class TNOSTTree : public TBinCharTree {
 public:
  using TBinCharTree::TBinCharTree;

  int Count = 0;         // the keys of the table: the columns are the form's
  int PendingColumn = 0;  // where a node made but not yet given its key stands
  // The table's columns in the tree's pixels: key 1's left edge and a key's width. Given by
  // the form before it places the tree.
  std::function<std::pair<double, double>()> Columns;

  // The column of a node: its key's (key k is the letter 64 + k), or PendingColumn.
  int ColumnOf(const TBinCharTreeNode& node) const;
  int ComputeLayout() override;
  void Arrange() override;
  // Off the nodes of a dense tree (SpreadPointers).
  void PlacePointers() override;
};

class TNOSTForm : public TGraphForm, public TKitControl {
 public:
  static constexpr int kMaxKeys = 15;
  // The largest sum of the weights the table writes legibly: four digits stand in a key's
  // column of the narrowest window a teacher makes (the weight dialog refuses more).
  static constexpr int kMaxTotal = 9999;

  explicit TNOSTForm(QWidget* parent = nullptr);

  TNOSTTree* Tree;
  TPointer2* Pointer;  // "T"

  int Count = 0;
  std::array<char, kMaxKeys + 1> Keys{};    // [1..Count]
  std::array<int, kMaxKeys + 1> Weights{};  // [1..Count]
  std::array<int, kMaxKeys + 1> SW{};       // [0..Count]

  // A marker stands on a cell (1..Count), is hidden (-1) or moving (0, at Pos).
  struct TMarker {
    int Index = -1;
    double Pos = -1;
  };
  TMarker MarkI, MarkJ, MarkLow, MarkHigh;
  int MarkMin = -1;  // the minimum shown after "min=" (-1 hidden)

  void MoveMarkI(int target) { MoveMark(MarkI, target); }
  void MoveMarkJ(int target) { MoveMark(MarkJ, target); }
  void MoveMarkLow(int target) { MoveMark(MarkLow, target); }
  void MoveMarkHigh(int target) { MoveMark(MarkHigh, target); }
  static void SetMark(TMarker& marker, int index) {
    marker.Index = index;
    marker.Pos = index;
  }
  void HideMarkers();

  // The key cells and the markers, drawn over what is there.
  void DrawSqList();
  // The tree under the table, laid out again (after a resize, or a table of a new length).
  void PlaceTree();

  // Where everything of the table stands at the present size. The design's columns (five
  // columns' room for the labels and margins) where the sum of the weights fits a column at a
  // readable size, else the labels as small as they read and the columns sharing the rest;
  // the markers' tabs above the keys a quarter of a column each, or, where a quarter cannot
  // hold their labels, i and j above the keys and low and high under them, half a column
  // each; the rows at the design's places, pulled together in a window lower than the
  // design's, so that the tree keeps its share under the minimum's line.
  struct TTable {
    int Total = 0;      // the sum of the weights, the largest number a row writes
    double Left = 0;    // the left edge of key 1's column
    double Column = 0;  // a key's column
    int LabelX = 0;     // the rows' labels and the line of the minimum
    TFont LabelFont;    // the rows' labels
    int Font = 0;       // the keys and the numbers (a cell height)
    bool TabsBelow = false;  // low and high under the keys
    int TabHeight = 0;
    int KeyTop = 20;
    int KeyHeight = 50;
    int WeightTop = 80;
    int SumTop = 110;
    int MinTop = 140;
    TFont MinFont;   // the line of the minimum
    int Bottom = 0;  // under the line of the minimum: the tree's top
  };
  TTable Table() const;

  // What the painted values stand for in the algorithm, given by the demonstration: the key,
  // weight and cumulative weight of column k, the minimum and the difference after the formula.
  enum TValueRow { KeyRow, WeightRow, SumRow };
  std::function<std::vector<TValueMeaning>(TValueRow row, int k)> CellStands;
  std::vector<TValueMeaning> MinStands;
  std::vector<TValueMeaning> DiffStands;

  // The key cells as nodes, the weights, the cumulative weights, the minimum and the
  // difference as cells, the markers as marks on the keys they frame.
  std::vector<TDrawnShape> DrawingShapes() const override;

 protected:
  void FormPaint() override;
  void FormResize() override;

 private:
  void MoveMark(TMarker& marker, int target);
  // The cell of key k (1..Count) and a marker's frame, in the window's pixels.
  QRect KeyCell(const TTable& t, int k) const;
  QRect MarkerFrame(const TTable& t, const TMarker& marker) const;
  // Where the weight or cumulative weight of key k is written, its row starting at y.
  QRect NumberBox(const TTable& t, int k, int y) const;
  // The line of the minimum: its font, where the minimum, the formula and the difference
  // after it start. The minimum stands in a gap as wide as the largest it can be.
  struct TMinLine {
    TFont Font;
    int X = 0;  // "min="
    int NumberX = 0;
    int FormulaX = 0;
    int DiffX = 0;
  };
  TMinLine MinLine(const TTable& t) const;
  // The difference shown after the formula (empty while a marker it needs is hidden).
  QString DiffText() const;
  void DrawMarker(const TTable& t, const TMarker& marker, int kind);
  // A marker's label ("<" and ">" for low and high, written out while they move), the font
  // it is written in (as large as its tab's width allows, down to what reads) and the tab it
  // stands on, above the key it frames.
  static QString MarkerLabel(const TMarker& marker, int kind);
  static TFont TabFont(double room);
  // The table measured for a size, a count and a total of weights: fitting its fonts measures
  // texts over and over, and every paint and look needs it.
  struct TTableFit {
    QSize Size;
    int Count = 0;
    int Total = 0;
    int Least = 0;
    friend bool operator==(const TTableFit&, const TTableFit&) = default;
  };
  mutable std::optional<std::pair<TTableFit, TTable>> table_;
  TTable MeasureTable(int total) const;
  TFont TabFont(const TTable& t) const;
  QRect MarkerTab(const TTable& t, const TMarker& marker, int kind) const;
  // Where the tab touches the key it frames: under a tab above the key, over one under it.
  static QPoint MarkerTip(const TTable& t, const QRect& tab);
};
