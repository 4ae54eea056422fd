#pragma once
// Shell sort with the increments 5, 3, 1: each pass is an insertion sort of the chains
// dh apart, each chain using its own sentinel place in r[-dh+1] .. r[0], taken in turn.
#include <memory>

#include "demos/sort/SortGraphForms.h"

class TShellSort : public TFormSortDemo<TShellSortGraphForm> {
  Q_OBJECT
 public:
  using TFormSortDemo::TFormSortDemo;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetGlobalData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override { return InputKeys(17, 11, 5); }
  void ResetLocalData(const QString& procName) override;
  void Reset() override;

  Q_INVOKABLE void ShellSort_Begin();
  Q_INVOKABLE void ShellSort_Line1();
  Q_INVOKABLE bool ShellSort_F_For();
  Q_INVOKABLE bool ShellSort_F_If();
  Q_INVOKABLE void ShellSort_Line2();
  Q_INVOKABLE void ShellSort_Line3();
  Q_INVOKABLE void ShellSort_Line4();
  Q_INVOKABLE bool ShellSort_F_While();
  Q_INVOKABLE void ShellSort_Line5();
  Q_INVOKABLE void ShellSort_AfterWhile();
  Q_INVOKABLE void ShellSort_AfterFor();
  Q_INVOKABLE bool ShellSort_F_Until();

  static constexpr int FirstSentinel = -4;

 private:
  // One counted move on the row, the shown element of dest taking the key.
  void Move(int dest, int src);
  // The colour of place p now: while r[i] is inserted into its chain (from r[s] := r[i] to
  // r[j+dh] := r[s]) place j+dh is the empty one and the sentinel r[s] holds the key; a
  // sentinel whose key went back is spent.
  TColor PlaceColour(int p) const;

  TVector* VarR = nullptr;
  TVector* VarD = nullptr;
  TIntData* VarN = nullptr;
  TIntData *VarI = nullptr, *VarJ = nullptr, *VarK = nullptr, *VarS = nullptr, *VarDh = nullptr;
  int NextI = 1;
};
