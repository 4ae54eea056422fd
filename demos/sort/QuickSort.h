#pragma once
// Recursive quick sort: QuickPass partitions r[s..t] around its first record (the box rp
// holds it, the box x shows its key travelling along the row), QuickSort sorts both parts.
#include <memory>

#include "demos/sort/SortGraphForms.h"

class TQuickSort : public TFormSortDemo<TQkSortGraphForm> {
  Q_OBJECT
 public:
  using TFormSortDemo::TFormSortDemo;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetGlobalData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override { return InputKeys(12, 7); }
  void ResetLocalData(const QString& procName) override;
  void Reset() override;
  // Lays out rp and x again after the window changed size.
  void Resize();

  Q_INVOKABLE bool QuickSort_F_Begin();
  Q_INVOKABLE TData* QuickSort_C_Line1();
  Q_INVOKABLE void QuickSort_AfterLine1();
  Q_INVOKABLE TData* QuickSort_C_Line2();
  Q_INVOKABLE void QuickSort_AfterLine2();
  Q_INVOKABLE TData* QuickSort_C_Line3();
  Q_INVOKABLE void QuickSort_AfterLine3();
  Q_INVOKABLE void QuickPass_Begin();
  Q_INVOKABLE bool QuickPass_F_While();
  Q_INVOKABLE bool QuickPass_F_While2();
  Q_INVOKABLE void QuickPass_Line1();
  Q_INVOKABLE void QuickPass_Line2();
  Q_INVOKABLE bool QuickPass_F_While3();
  Q_INVOKABLE void QuickPass_Line3();
  Q_INVOKABLE void QuickPass_Line4();
  Q_INVOKABLE void QuickPass_Line5();

 private:
  // The colour of place p now, from the calls on the run stack: a part a call has sorted is
  // red (a qksort past its first recursive call: r[s..k]; past its second: r[k+1..t]), a
  // pivot in its place before that aqua, the place a pass left empty silver (i, or j once
  // r[i] := r[j] until r[j] := r[i]).
  TColor PlaceColour(int p) const;
  TData* Args(int s, int t) const;
  void TakeRestored();
  void PlaceXBeside(int index);
  // Three rounds of the compared box in green and x in lime.
  void FlashWithX(int index);
  // Moves the key of box src into box dest, leaving src silver; one counted move.
  void MoveBox(int dest, int src);
  void MarkFinished(int from, int to);

  TVector* VarR = nullptr;
  TIntData *VarS = nullptr, *VarT = nullptr, *VarK = nullptr, *VarI = nullptr, *VarJ = nullptr;
  int PassI = 0;  // the i the last QuickPass left (its VAR parameter)
  char Pivot = ' ';  // rp and x of the pass: the key r[s] held when it began
};
