#include "demos/sort/ShellSort.h"

#include "demos/sort/SortGraphForms.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/drawkit/ValueMeanings.h"

void TShellSort::CreateChildWindow() {
  TFormSortDemo::CreateChildWindow();
  // The sentinel places r[-4] .. r[0] too: r's first item is r[-4].
  graphForm_->R->Means = [this](int p) -> std::vector<TValueMeaning> {
    if (p < FirstSentinel || p > Keys.size()) return {};
    return {KeyBox(QStringLiteral("r[%1]").arg(p - FirstSentinel), [this, p] { return PlaceColour(p); })};
  };
  graphForm_->LabelR0->Stands = {NamesVariable(QStringLiteral("r"), QStringLiteral("r[-4]..r[0]"))};
  graphForm_->ZqStaticText1->Stands = {NamesVariable(QStringLiteral("r"), QStringLiteral("r[1]..r[n]"))};
}

TColor TShellSort::PlaceColour(int p) const {
  const TColor rest = graphForm_->R->NodeColor;
  const bool inserting = InProc("ShellSort") && AtOneOf({"While", "Line5", "AfterWhile"});
  if (p <= 0) return inserting && p == VarS->Value() ? rest : clSilver;
  return inserting && p == VarJ->Value() + VarDh->Value() ? clSilver : rest;
}

std::unique_ptr<TData> TShellSort::GetGlobalData() {
  auto globals = std::make_unique<TData>(QString());
  VarR = globals->Add(KeyVector(QStringLiteral("r"), QString(-FirstSentinel + 1, ' ') + Keys, FirstSentinel));
  return globals;
}

std::unique_ptr<TData> TShellSort::GetInitialParam() {
  auto args = std::make_unique<TData>(QString());
  args->Add(new TIntData(QStringLiteral("n"), static_cast<int>(Keys.size())));
  auto* d = args->Add(new TVector(QStringLiteral("d")));
  for (int k = 1; k <= 3; ++k) d->Add(new TIntData(QStringLiteral("d[%1]").arg(k), (3 - k) * 2 + 1));
  return args;
}

void TShellSort::ResetLocalData(const QString&) {
  VarN = Named(Locals(), "n");
  VarD = Named<TVector>(Locals(), "d");
  for (auto [var, name] : {std::pair{&VarI, "i"}, {&VarJ, "j"}, {&VarK, "k"}, {&VarS, "s"}, {&VarDh, "dh"}})
    *var = Locals()->Add(new TIntData(QString::fromLatin1(name), 0));
}

void TShellSort::Reset() {
  TSortDemo::Reset();
  TSortData& row = *graphForm_->R;
  for (int s = FirstSentinel; s <= 0; ++s)
    if (TSortNode* box = row.NodeAt(s)) box->hide();
  ResetRow();
}

void TShellSort::Move(int dest, int src) {
  TSortData& row = *graphForm_->R;
  row.MoveKey(dest, src, true);
  KeyAt(VarR, dest, FirstSentinel)->SetValue(row.GetKey(dest));
  CountMove();
}

// k := 1
void TShellSort::ShellSort_Begin() { VarK->SetValue(1); }

// dh := d[k]; s := -dh
void TShellSort::ShellSort_Line1() {
  const int dh = static_cast<TIntData*>(VarD->Items(VarK->Value() - 1))->Value();
  VarDh->SetValue(dh);
  VarS->SetValue(-dh);
  NextI = dh + 1;
}

// FOR i := dh+1 TO n DO
bool TShellSort::ShellSort_F_For() { return ForStep(VarI, NextI, VarN->Value()); }

// IF s = 0 THEN
bool TShellSort::ShellSort_F_If() { return VarS->Value() == 0; }

// s := -dh
void TShellSort::ShellSort_Line2() { VarS->SetValue(-VarDh->Value()); }

// s := s+1
void TShellSort::ShellSort_Line3() { VarS->SetValue(VarS->Value() + 1); }

// r[s] := r[i]; j := i-dh
void TShellSort::ShellSort_Line4() {
  VarJ->SetValue(VarI->Value() - VarDh->Value());
  Move(VarS->Value(), VarI->Value());
}

// WHILE r[s].key < r[j].key DO
bool TShellSort::ShellSort_F_While() {
  const bool less = graphForm_->R->Compare(VarJ->Value(), VarS->Value(), true);
  CountComp();
  return less;
}

// r[j+dh] := r[j]; j := j-dh
void TShellSort::ShellSort_Line5() {
  const int j = VarJ->Value();
  Move(j + VarDh->Value(), j);
  VarJ->SetValue(j - VarDh->Value());
}

// r[j+dh] := r[s]
void TShellSort::ShellSort_AfterWhile() { Move(VarJ->Value() + VarDh->Value(), VarS->Value()); }

// k := k+1
void TShellSort::ShellSort_AfterFor() { VarK->SetValue(VarK->Value() + 1); }

// UNTIL dh = 1
bool TShellSort::ShellSort_F_Until() { return VarDh->Value() == 1; }
