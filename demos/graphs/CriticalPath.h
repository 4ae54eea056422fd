#pragma once
// The critical path of an activity network (a directed, weighted graph of at most 9
// vertices): a topological order with the earliest event times ve on stack T, then the
// latest times vl in reverse order, and a window listing every activity's slack.
#include <array>
#include <memory>

#include "demos/graphs/Graph.h"
#include "demos/graphs/TopoKit.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TCrtForm;
class TCoolMsgDlg;

class TCriticalPath : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit TCriticalPath(const QStringList& source);
  ~TCriticalPath() override;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetGlobalData() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;

  TCrtForm* Form() const { return form_.get(); }

  Q_INVOKABLE TData* Main_C_Begin();
  Q_INVOKABLE void Main_AfterBegin();
  Q_INVOKABLE TData* CriticalPath_C_Begin();
  Q_INVOKABLE void CriticalPath_AfterBegin();
  Q_INVOKABLE bool CriticalPath_F_Begin();
  Q_INVOKABLE void CriticalPath_ShowCycle() {}
  Q_INVOKABLE bool CriticalPath_F_LoopBegin();
  Q_INVOKABLE bool CriticalPath_F_InitVl();
  Q_INVOKABLE bool CriticalPath_F_IsNotEmpty();
  Q_INVOKABLE void CriticalPath_PopT();
  Q_INVOKABLE void CriticalPath_FirstArc();
  Q_INVOKABLE bool CriticalPath_F_IsPNotNil();
  Q_INVOKABLE void CriticalPath_GetVex();
  Q_INVOKABLE bool CriticalPath_F_IsLighter();
  Q_INVOKABLE void CriticalPath_NewVl();
  Q_INVOKABLE void CriticalPath_NextArc();
  Q_INVOKABLE void CriticalPath_WritePath();
  Q_INVOKABLE void Toposort_Begin();
  Q_INVOKABLE void Toposort_InitStkS();
  Q_INVOKABLE bool Toposort_F_LoopBegin();
  Q_INVOKABLE bool Toposort_F_IsIdZ1();
  Q_INVOKABLE void Toposort_PushS1();
  Q_INVOKABLE void Toposort_InitVe();
  Q_INVOKABLE bool Toposort_F_LoopEnd();
  Q_INVOKABLE void Toposort_InitStkT();
  Q_INVOKABLE bool Toposort_F_IsNotEmpty();
  Q_INVOKABLE void Toposort_PopS();
  Q_INVOKABLE void Toposort_PushT();
  Q_INVOKABLE void Toposort_FirstArc();
  Q_INVOKABLE bool Toposort_F_IsPNotNil();
  Q_INVOKABLE void Toposort_GetVex();
  Q_INVOKABLE void Toposort_DecId();
  Q_INVOKABLE bool Toposort_F_IsIdZ2();
  Q_INVOKABLE void Toposort_PushS2();
  Q_INVOKABLE bool Toposort_F_IsGreater();
  Q_INVOKABLE void Toposort_NewVe();
  Q_INVOKABLE void Toposort_NextArc();
  Q_INVOKABLE bool Toposort_F_IsNotCycle();
  Q_INVOKABLE void Toposort_OK() {}

 private:
  using Array = std::array<int, TGraphm::MaxVertices + 1>;
  int V() const;  // the vertex of i
  void PushS(int value);
  void FirstArc();
  using Flags = std::array<bool, TGraphm::MaxVertices + 1>;
  // times[v] := value, marked set, in the grid's column and in the vector's item v.
  void SetTime(Array& times, Flags& set, const char* vector, int column, int v, int value);
  static std::size_t At(int v) { return static_cast<std::size_t>(v); }

  // The grid, the stacks, the lists and the arcs held to the run.
  void HoldPictureToRun();

  std::unique_ptr<TGraphm> graph_;
  std::unique_ptr<TEdge> arc_;
  // The in-degrees counted, the event times given a value so far (the grid shows nothing
  // in the others), and the arcs the topological order has taken (blue until the second
  // loop takes them again).
  bool counted_ = false;
  Flags veSet_{};
  Flags vlSet_{};
  topokit::TakenArcs taken_{};
  Array indegree_{};
  Array ve_{};
  Array vl_{};
  Array s_{};
  Array t_{};
  int sCount_ = 0;
  int tCount_ = 0;
  int m_ = 0;
  bool cycle_ = false;
  std::unique_ptr<TCrtForm> form_;
  std::unique_ptr<TCoolMsgDlg> msgDlg_;
};
