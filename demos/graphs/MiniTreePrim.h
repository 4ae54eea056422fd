#pragma once
// Prim's minimum spanning tree of an undirected network of at most 10 vertices, from vertex
// 1: the closedge array (vex, lowcost per vertex) drawn as a three-row table beside the
// network and its adjacency matrix.
#include <array>
#include <functional>
#include <memory>

#include "demos/graphs/Graph.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitControl.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TGraphP;
class TGraphMatrix;
class TPaintBox;

class TPrimForm : public TGraphForm, public TKitControl {
 public:
  static constexpr int NoEdge = 2000;

  TPrimForm();

  void ClearTable();
  void SetGraph(TGraphm* graph);
  void DrawTable(int n);
  void DrawColumn(int c, const QString& vexText, const QString& costText);
  void MarkVertex(int v);
  void MarkArc(int a, int b);
  // The two lower rows in words, "vex 1 3 1 2 4 | lowcost 0 0 0 0 0" (also the table's
  // accessible description).
  QString TableText() const;

  TGraphP* GraphP1;
  TGraphMatrix* GraphMatrix1;
  TPaintBox* PaintBox;

  // Where column c (1..n) of the table stands in its box, and the font of its texts: a
  // column 35 px apart and 30 wide at the design size, grown with the window but never
  // wider than the box lets n columns be; rows a third of the height less a gap of 10, the
  // gaps and the margin of 5 grown with the window's height, so that the rows stay level with
  // their captions beside the table.
  struct TTableShape {
    int Pitch = 35;
    int CellWidth = 30;
    int RowHeight = 0;
    int Margin = 5;
    int Gap = 10;
    TFont Font;
    QRect Cell(int column, int row) const {
      return {5 + (column - 1) * Pitch, Margin + (row - 1) * (RowHeight + Gap), CellWidth, RowHeight};
    }
  };
  TTableShape TableShape() const;
  // The closedge table's cells, every column's three, as nodes (in the window's pixels).
  std::vector<TDrawnShape> DrawingShapes() const override;
  // What cell (column, row) of the two lower rows stands for in the run (the demonstration
  // says): closedge[column].vex and .lowcost.
  std::function<TValueMeaning(int column, int row)> CellMeans;

 protected:
  // The matrix as narrow as its entries let it be at a size a class reads, the graph beside
  // it taking the rest: a full network's weights need the room between its lines.
  void FormResize() override;

 private:
  void LayMatrix();

  void PaintTable(TPaintBox& box);
  // What cell (column, row) of the table shows.
  QString CellText(int column, int row) const;
  int columns_ = 0;
  // The widest lowcost the network can show, which the font is fitted to.
  QString widestCost_ = QStringLiteral("*");
  std::array<QString, TGraphm::MaxVertices + 1> vex_{};
  std::array<QString, TGraphm::MaxVertices + 1> cost_{};
};

class TMinispantreePRIM : public TFormDemo<TPrimForm> {
  Q_OBJECT
 public:
  explicit TMinispantreePRIM(const QStringList& source);
  ~TMinispantreePRIM() override;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override;
  void ResetLocalData(const QString& procName) override;
  void SetWindowRect() override;
  void Reset() override;

  Q_INVOKABLE TData* Main_C_Begin();
  Q_INVOKABLE void Main_AfterBegin() {}
  Q_INVOKABLE void Prim_Begin();
  Q_INVOKABLE bool Prim_F_ForTo1();
  Q_INVOKABLE bool Prim_F_Equal();
  Q_INVOKABLE void Prim_Init();
  Q_INVOKABLE void Prim_Setu0();
  Q_INVOKABLE bool Prim_F_ForTo2();
  Q_INVOKABLE void Prim_FindMin();
  Q_INVOKABLE bool Prim_F_NotConnected();
  Q_INVOKABLE void Prim_ShowError();
  Q_INVOKABLE void Prim_AddEdge();
  Q_INVOKABLE void Prim_AddToSet();
  Q_INVOKABLE bool Prim_F_ForTo3();
  Q_INVOKABLE bool Prim_F_Shorter();
  Q_INVOKABLE void Prim_ChangeCost();
  Q_INVOKABLE void Prim_ChangeVex();

 private:
  struct TClosedge {
    int vex = 0;
    int lowcost = 0;
  };
  int Get(const char* name) const { return Var(name)->Value(); }
  void DrawColumn(int v);
  TClosedge& Edge(int v) { return closedge_[static_cast<std::size_t>(v)]; }

  // The table and the graph held to closedge and to the tree grown so far.
  void HoldPictureToRun();

  std::unique_ptr<TGraphm> graph_;
  int vtxnum_ = 0;
  std::array<TClosedge, TGraphm::MaxVertices + 1> closedge_{};
  // The columns of closedge given a value so far (the table shows nothing in the others).
  std::array<bool, TGraphm::MaxVertices + 1> set_{};
  // The tree as it grows: its vertices, and each vertex's arc into it (0: none).
  std::array<bool, TGraphm::MaxVertices + 1> inTree_{};
  std::array<int, TGraphm::MaxVertices + 1> treeArc_{};
};
