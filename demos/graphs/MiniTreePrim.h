#pragma once
// Prim's minimum spanning tree of an undirected network of at most 10 vertices, from vertex
// 1: the closedge array (vex, lowcost per vertex) drawn as a three-row table beside the
// network and its adjacency matrix.
#include <array>
#include <memory>

#include "demos/graphs/Graph.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TGraphP;
class TGraphMatrix;
class TPaintBox;

class TPrimForm : public TGraphForm {
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

 private:
  void PaintTable(TPaintBox& box);
  int columns_ = 0;
  std::array<QString, TGraphm::MaxVertices + 1> vex_{};
  std::array<QString, TGraphm::MaxVertices + 1> cost_{};
};

class TMinispantreePRIM : public TFormDemo<TPrimForm> {
  Q_OBJECT
 public:
  explicit TMinispantreePRIM(const QStringList& source);
  ~TMinispantreePRIM() override;

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

  std::unique_ptr<TGraphm> graph_;
  int vtxnum_ = 0;
  std::array<TClosedge, TGraphm::MaxVertices + 1> closedge_{};
};
