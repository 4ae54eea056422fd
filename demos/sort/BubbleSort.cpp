#include "demos/sort/BubbleSort.h"

#include "demos/sort/SortGraphForms.h"

void TBubbleSort::CreateChildWindow() {
  TFormSortDemo::CreateChildWindow();
  // Every box stands at rest between two lines: the flashes of a comparison or an exchange
  // end within the step.
  HoldRow(*graphForm_->R, QStringLiteral("r"), 1, [](int) { return clPurple; });
}

void TBubbleSort::ResetLocalData(const QString&) {
  VarR = Named<TVector>(Locals(), "r");
  VarN = Named(Locals(), "n");
  VarSorted = Locals()->Add(new TBoolData(QStringLiteral("Sorted"), false));
  VarPass = Locals()->Add(new TIntData(QStringLiteral("Pass"), 0));
  VarI = Locals()->Add(new TIntData(QStringLiteral("i"), 0));
}

void TBubbleSort::Reset() {
  TSortDemo::Reset();
  ResetRow();
  NextI = 1;
}

// WHILE NOT Sorted DO
bool TBubbleSort::BubbleSort_F_While() { return !VarSorted->Value(); }

// Inc(Pass); Sorted := true
void TBubbleSort::BubbleSort_IncPass() {
  VarPass->SetValue(VarPass->Value() + 1);
  VarSorted->SetValue(true);
  NextI = 1;
}

// FOR i := 1 TO n-Pass DO
bool TBubbleSort::BubbleSort_F_For() { return ForStep(VarI, NextI, VarN->Value() - VarPass->Value()); }

// IF r[i].key > r[i+1].key THEN
bool TBubbleSort::BubbleSort_F_If() {
  const int i = VarI->Value();
  const bool greater = SortForm()->R->Compare(i, i + 1, true);
  CountComp();
  return greater;
}

// r[i] <-> r[i+1]
void TBubbleSort::BubbleSort_Swap() {
  const int i = VarI->Value();
  SortForm()->R->Swap(i, i + 1, true);
  SwapKeys(VarR, i, i + 1);
  CountMove(3);
}

// Sorted := false
void TBubbleSort::BubbleSort_fail() { VarSorted->SetValue(false); }
