#pragma once
// Kruskal's minimum spanning tree of an undirected network of at most 10 vertices: the edges
// in a heap by cost, the cheapest taken, the sets of its ends found with path fixing and,
// when they differ, the edge joins the tree and the sets are united by size.
#include <memory>
#include <utility>
#include <vector>

#include "demos/graphs/Graph.h"
#include "demos/graphs/KruskalForm.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TMiniTreeKRUSKAL : public TFormDemo<TKruskalForm> {
  Q_OBJECT
 public:
  explicit TMiniTreeKRUSKAL(const QStringList& source);
  ~TMiniTreeKRUSKAL() override;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;

  Q_INVOKABLE TData* Main_C_Begin();
  Q_INVOKABLE void Main_AfterBegin() {}
  Q_INVOKABLE void Kruskal_Begin() {}
  Q_INVOKABLE void Kruskal_TreeInit();
  Q_INVOKABLE void Kruskal_HpInit();
  Q_INVOKABLE void Kruskal_HeapSort();
  Q_INVOKABLE bool Kruskal_F_WhileDo();
  Q_INVOKABLE void Kruskal_GetEdge();
  Q_INVOKABLE TData* Kruskal_C_FixI();
  Q_INVOKABLE void Kruskal_AfterFixI();
  Q_INVOKABLE TData* Kruskal_C_FixJ();
  Q_INVOKABLE void Kruskal_AfterFixJ();
  Q_INVOKABLE bool Kruskal_F_Equal();
  Q_INVOKABLE void Kruskal_AddEdge();
  Q_INVOKABLE TData* Kruskal_C_MixIJ();
  Q_INVOKABLE void Kruskal_AfterMixIJ();
  Q_INVOKABLE void Kruskal_HpNext();
  Q_INVOKABLE bool Kruskal_F_NotNull();
  Q_INVOKABLE void Kruskal_HeapSift();
  Q_INVOKABLE bool Kruskal_F_Finish();
  Q_INVOKABLE void Kruskal_ShowError();
  Q_INVOKABLE void FixSet_Begin();
  Q_INVOKABLE bool FixSet_F_WhileDo1();
  Q_INVOKABLE void FixSet_GetPa();
  Q_INVOKABLE bool FixSet_F_WhileDo2();
  Q_INVOKABLE void FixSet_FixPath();
  Q_INVOKABLE bool MixSet_F_Begin();
  Q_INVOKABLE void MixSet_SiLess();
  Q_INVOKABLE void MixSet_SjLess();

 private:
  int& Pa(int v);
  // An edge as a record (No., v1, v2, cost).
  static TData* EdgeRecord(const QString& name, int number, int v1, int v2, int cost);
  void SetEdgeRecord(TData* rec, int number);
  void RewriteHeap();
  TData* FixCall(int vertex);
  // The highlight FixSet keeps on what s[j].pa names.
  void MarkParent(int j, bool on);

  // What the picture stands for, for the checks: the heap's entries in the variables of the
  // call of Kruskal, the sets in T.set, the lit circles and size boxes in the call that looks
  // at them, the tree's arcs among the accepted edges.
  void HoldPictureToRun();

  std::unique_ptr<TGraphm> graph_;
  // The edges T has accepted (their end vertices), as the graph's red arcs show them.
  std::vector<std::pair<int, int>> accepted_;
  int edgeV1_ = 0;
  int edgeV2_ = 0;
  int found_ = 0;  // the root the last FixSet found
};
