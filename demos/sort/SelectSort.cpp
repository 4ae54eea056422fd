#include "demos/sort/SelectSort.h"

#include "demos/sort/SortGraphForms.h"

void TSelectSort::CreateChildWindow() {
  TFormSortDemo::CreateChildWindow();
  // Every box stands at rest between two lines: the flashes of a comparison or an exchange
  // end within the step.
  HoldRow(*graphForm_->R, QStringLiteral("r"), 1, [](int) { return clPurple; });
}

void TSelectSort::ResetLocalData(const QString&) {
  VarR = Named<TVector>(Locals(), "r");
  VarN = Named(Locals(), "n");
  VarI = Locals()->Add(new TIntData(QStringLiteral("i"), 0));
  VarJ = Locals()->Add(new TIntData(QStringLiteral("j"), 0));
  VarK = Locals()->Add(new TIntData(QStringLiteral("k"), 0));
}

void TSelectSort::Reset() {
  TSortDemo::Reset();
  ResetRow();
  NextI = 1;
}

// FOR i := 1 TO n-1 DO
bool TSelectSort::SelectSort_F_Begin() { return ForStep(VarI, NextI, VarN->Value() - 1); }

// k := i
void TSelectSort::SelectSort_ki() {
  VarK->SetValue(VarI->Value());
  NextJ = VarI->Value() + 1;
}

// FOR j := i+1 TO n DO
bool TSelectSort::SelectSort_F_Loopj() { return ForStep(VarJ, NextJ, VarN->Value()); }

// IF r[j].key < r[k].key THEN
bool TSelectSort::SelectSort_F_Compare() {
  const bool less = SortForm()->R->Compare(VarK->Value(), VarJ->Value(), true);
  CountComp();
  return less;
}

// k := j
void TSelectSort::SelectSort_kj() { VarK->SetValue(VarJ->Value()); }

// IF k <> i THEN
bool TSelectSort::SelectSort_F_Determine() { return VarK->Value() != VarI->Value(); }

// r[i] <-> r[k]
void TSelectSort::SelectSort_Swap() {
  const int i = VarI->Value();
  const int k = VarK->Value();
  SortForm()->R->Swap(k, i, true);
  SwapKeys(VarR, i, k);
  CountMove(3);
}
