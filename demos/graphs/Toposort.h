#pragma once
// Topological sort of a directed graph of at most 9 vertices: the in-degrees are counted,
// the vertices of in-degree 0 pushed on a stack, and each vertex popped is output while the
// in-degrees of its successors go down. A vertex never output means a cycle.
#include <array>
#include <memory>
#include <vector>

#include "demos/graphs/Graph.h"
#include "demos/graphs/TopoKit.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TTopSortForm;
class TCoolMsgDlg;

class TToposort : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit TToposort(const QStringList& source);
  ~TToposort() override;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetGlobalData() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;

  TTopSortForm* Form() const { return form_.get(); }

  Q_INVOKABLE TData* Main_C_Begin();
  Q_INVOKABLE void Main_AfterBegin();
  Q_INVOKABLE void Toposort_Begin();
  Q_INVOKABLE void Toposort_InitStack();
  Q_INVOKABLE bool Toposort_F_LoopBegin();
  Q_INVOKABLE bool Toposort_F_IsIdZ1();
  Q_INVOKABLE void Toposort_Push1();
  Q_INVOKABLE bool Toposort_F_LoopEnd();
  Q_INVOKABLE void Toposort_SetCount();
  Q_INVOKABLE bool Toposort_F_IsNotEmpty();
  Q_INVOKABLE void Toposort_Pop();
  Q_INVOKABLE void Toposort_PrintVex();
  Q_INVOKABLE void Toposort_FirstArc();
  Q_INVOKABLE bool Toposort_F_IsPNotNil();
  Q_INVOKABLE void Toposort_GetVex();
  Q_INVOKABLE void Toposort_DecId();
  Q_INVOKABLE bool Toposort_F_IsIdZ2();
  Q_INVOKABLE void Toposort_Push2();
  Q_INVOKABLE void Toposort_NextArc();
  Q_INVOKABLE void Toposort_IsCycle();

 private:
  int V() const;  // the vertex of i
  void Push(int value);

  // The grid, the stack, the output line, the lists and the graph held to the run.
  void HoldPictureToRun();

  std::unique_ptr<TGraphm> graph_;
  std::unique_ptr<TEdge> arc_;
  // The in-degrees counted (the grid shows them from then on), the vertices output in order,
  // the vertices done (output, their arcs all taken) and the arcs taken.
  bool counted_ = false;
  std::vector<int> order_;
  std::array<bool, TGraphm::MaxVertices + 1> done_{};
  topokit::TakenArcs taken_{};
  std::array<int, TGraphm::MaxVertices + 1> indegree_{};
  std::array<int, TGraphm::MaxVertices + 1> stack_{};
  int count_ = 0;
  int output_ = 0;
  std::unique_ptr<TTopSortForm> form_;
  std::unique_ptr<TCoolMsgDlg> msgDlg_;
};
