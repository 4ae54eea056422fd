#pragma once
// Strongly connected components of a directed graph of at most 10 vertices by two depth-first
// passes: along out-arcs, noting the order in which searches finish, then along in-arcs
// from the vertices in reverse finish order; each search of the second pass is one
// component, drawn in a colour of its own.
#include <array>
#include <memory>

#include "demos/graphs/Graph.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"
#include "platform/Color.h"

namespace strongcomp {
class TTraverform;
}

class TStrongComp : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit TStrongComp(const QStringList& source);
  ~TStrongComp() override;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;

  strongcomp::TTraverform* Form() const { return form_.get(); }
  static TColor ComponentColour(int n);

  Q_INVOKABLE void StrongComp_Begin();
  Q_INVOKABLE bool StrongComp_F_Loop1();
  Q_INVOKABLE void StrongComp_setFalse1();
  Q_INVOKABLE bool StrongComp_F_Loop2();
  Q_INVOKABLE bool StrongComp_F_notVisited();
  Q_INVOKABLE TData* StrongComp_C_dfs_tail();
  Q_INVOKABLE void StrongComp_Afterdfs_tail();
  Q_INVOKABLE bool StrongComp_F_Loop3();
  Q_INVOKABLE void StrongComp_SetFalse2();
  Q_INVOKABLE bool StrongComp_F_Loop4();
  Q_INVOKABLE void StrongComp_getVi();
  Q_INVOKABLE bool StrongComp_F_notVisted2();
  Q_INVOKABLE TData* StrongComp_C_dfs_head();
  Q_INVOKABLE void StrongComp_Afterdfs_head();
  Q_INVOKABLE void StrongComp_incN();
  Q_INVOKABLE void StrongComp_p() {}
  Q_INVOKABLE void dfstail_Begin();
  Q_INVOKABLE void dfstail_setw();
  Q_INVOKABLE bool dfstail_F_wnot0();
  Q_INVOKABLE bool dfstail_F_notVisitedW();
  Q_INVOKABLE TData* dfstail_C_dfs_tailitr();
  Q_INVOKABLE void dfstail_Afterdfs_tailitr();
  Q_INVOKABLE void dfstail_setw2();
  Q_INVOKABLE void dfstail_incC();
  Q_INVOKABLE void dfstail_setfinish();
  Q_INVOKABLE void dfshead_Begin();
  Q_INVOKABLE void dfshead_setw();
  Q_INVOKABLE bool dfshead_F_wnot0();
  Q_INVOKABLE bool dfshead_F_notVisitedw();
  Q_INVOKABLE TData* dfshead_C_dfs_headitr();
  Q_INVOKABLE void dfshead_Afterdfs_headitr();
  Q_INVOKABLE void dfshead_setw2();
  Q_INVOKABLE void dfshead_end() {}

 private:
  static constexpr int MaxDepth = 12;
  static std::size_t At(int v) { return static_cast<std::size_t>(v); }
  void SetVar(const char* name, int value) { Var(name)->SetValue(value); }
  TData* CallArgs(int v0);
  void Visit(int v0, int colour);
  void TakeArc(std::unique_ptr<TEdge> arc, bool outward);
  void FlashV(int v);
  void FlashEdge(int tail, int head);
  int V0() const;
  void Unvisit(int v);

  // The picture held to the two passes: each vertex's colour to the search that reached it,
  // each arc's gold to the searches that took it, the lists' lit nodes, the finish order.
  void HoldPictureToRun();

  std::unique_ptr<TGraphm> graph_;
  std::array<bool, TGraphm::MaxVertices + 1> visited_{};
  // The colour number each vertex was given when a search reached it, whether it has been
  // set unvisited (cream) in this run, and the arcs a search has taken.
  std::array<int, TGraphm::MaxVertices + 1> colourOf_{};
  std::array<bool, TGraphm::MaxVertices + 1> cleared_{};
  std::array<std::array<bool, TGraphm::MaxVertices + 1>, TGraphm::MaxVertices + 1> taken_{};
  std::array<int, TGraphm::MaxVertices + 1> finished_{};
  int count_ = 0;
  int n_ = 1;
  int loop1_ = 0;
  int loop2_ = 0;
  int loop3_ = 0;
  int i_ = 0;
  int colour_ = 0;
  // The v0 of every active search, by depth, for each pass.
  std::array<int, MaxDepth + 1> tailStack_{};
  std::array<int, MaxDepth + 1> headStack_{};
  int tailDepth_ = 0;
  int headDepth_ = 0;
  bool inHead_ = false;
  std::unique_ptr<strongcomp::TTraverform> form_;
};
