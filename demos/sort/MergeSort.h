#pragma once
// K-way merge through a loser tree: k sorted input runs, generated from the counts chosen
// in "Create Data", are merged into one output run. Adjust replays a leaf's way up to the
// root, leaving the loser of each match in its node and the winner in ls[0].
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "demos/sort/ExternalForms.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"

class TIntData;

class TMergeSort : public TFormDemo<TMgStGraphForm> {
  Q_OBJECT
 public:
  static constexpr int MaxKey = 999;
  // Below every key a run may hold (0 .. 998): the pseudo-leaf b[k] loses to every real leaf.
  static constexpr int MinKey = -1;
  static constexpr int MaxRuns = 8;

  using TFormDemo::TFormDemo;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetGlobalData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;

  // The input runs as given (each ascending, without the closing 999); at most 8 of 8 keys.
  void SetRuns(const std::vector<std::vector<int>>& runs);

  int K = 5;
  std::array<std::array<int, 9>, MaxRuns> RunKeys{};
  std::array<int, MaxRuns> RunPos{};
  std::vector<int> Output;  // the keys output so far

  Q_INVOKABLE void KMerge_Begin();
  Q_INVOKABLE TData* KMerge_C_GoSubCrtLs();
  Q_INVOKABLE void KMerge_AfterGoSubCrtLs() {}
  Q_INVOKABLE bool KMerge_F_While();
  Q_INVOKABLE void KMerge_QeqLs0();
  Q_INVOKABLE void KMerge_OutputQ();
  Q_INVOKABLE void KMerge_InputKey();
  Q_INVOKABLE TData* KMerge_C_GoSubAdjustLs();
  Q_INVOKABLE void KMerge_AfterGoSubAdjustLs() {}
  Q_INVOKABLE void KMerge_EndWhile() {}
  Q_INVOKABLE void KMerge_OutputLs();
  Q_INVOKABLE void Adjust_Begin();
  Q_INVOKABLE bool Adjust_F_While();
  Q_INVOKABLE void Adjust_IfSwap();
  Q_INVOKABLE void Adjust_Tdiv2();
  Q_INVOKABLE void Adjust_Ls0eqS();
  Q_INVOKABLE void CreateLoserTree_Begin();
  Q_INVOKABLE void CreateLoserTree_InitLs();
  Q_INVOKABLE bool CreateLoserTree_F_ForI();
  Q_INVOKABLE TData* CreateLoserTree_C_GoSubAdjustLs();
  Q_INVOKABLE void CreateLoserTree_AfterGoSubAdjustLs() {}
  Q_INVOKABLE void CreateLoserTree_Blank() {}

 private:
  TIntData* Ls(int i) const;
  TIntData* B(int i) const;
  // The next key of run q into b[q] and its leaf.
  void ReadNext(int q);
  // Whether the ls records show ls yet (from ls[i] := k on), and whether leaf s shows b[s]
  // (from the first input on, but while its key is on its way out: after output(q) until
  // input(b[q].key), and after the last output).
  bool LosersShown() const;
  bool LeafShown(int s) const;

};
