#include "demos/sort/QuickAddrSort.h"

#include <algorithm>

#include "demos/sort/SortGraphForms.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/drawkit/ValueMeanings.h"
#include "framework/engine/DemoViews.h"
#include "framework/shell/MainForm.h"
#include "platform/Controls.h"

void TQuickAddrSort::CreateChildWindow() {
  TFormSortDemo::CreateChildWindow();
  graphForm_->OnRelayout = [this] { graphForm_->Repoint(); };
  // The arrows under the records stand for r[adr[k]] and r[adr[j]] of the pass.
  graphForm_->addrkp->Means = {.Node = [this] { return PassRecord("k"); }};
  graphForm_->addrjp->Means = {.Node = [this] { return PassRecord("j"); }};
  HoldRow(*graphForm_->R, QStringLiteral("r"), 1, [this](int p) { return RecordColour(p); });
  // An address place writes adr[p] and is as high as the key of the record it names.
  graphForm_->Addr->Means = [this](int p) -> std::vector<TValueMeaning> {
    if (p < 1 || p > Keys.size()) return {};
    const TValueMeaning named{.Value = [this, p]() -> std::optional<QString> {
                                const std::optional<char> key = NamedKey(p);
                                if (!key) return std::nullopt;
                                return SortBoxLook(*key, p == EmptyAddr ? clSilver : graphForm_->Addr->NodeColor);
                              },
                              .Part = TValueMeaning::InNote};
    return {{.Of = {QStringLiteral("adr[%1]").arg(p - 1)}}, named};
  };
  graphForm_->ZqStaticText1->Stands = {NamesVariable(QStringLiteral("r"), QStringLiteral("r[1]..r[n]"))};
  graphForm_->ZqStaticText2->Stands = {NamesVariable(QStringLiteral("adr"), QStringLiteral("Addr"))};
}

TColor TQuickAddrSort::RecordColour(int p) const {
  if (!InProc("rearrange")) return clPurple;
  const int i = VarI->Value(), j = VarJ->Value();
  if (AtOneOf({"Line6"})) return p == VarK->Value() ? clSilver : clPurple;
  return AtOneOf({"Line4", "Line5", "Line7"}) && j != i && p == j ? clSilver : clPurple;
}

std::optional<char> TQuickAddrSort::NamedKey(int p) const {
  const int a = static_cast<const TIntData*>(VarAdr->Items(p - 1))->Value();
  if (a < 1 || a > Keys.size()) return std::nullopt;
  // Place i's own address names the record moved into r[i]; the cycle's last place still
  // names the record that was in r[i].
  if (InProc("rearrange") && AtOneOf({"Line4", "Line5", "Line6", "Line7"}) && a == VarI->Value() && p != a)
    return VarRc->Value();
  return KeyAt(VarR, a)->Value();
}

void TQuickAddrSort::MoveAddr(int dest, int src) {
  graphForm_->Addr->MoveKey(dest, src, true);
  SetAddr(dest, AddrOf(dest));
  EmptyAddr = dest != src ? src : 0;
}

TShapeRef TQuickAddrSort::PassRecord(const char* place) const {
  if (CurProc() == nullptr || CurProc()->Name() != QLatin1String("qkpass")) return {};
  const auto* at = dynamic_cast<const TIntData*>(Locals()->FindByName(QString::fromLatin1(place)));
  if (at == nullptr || at->Value() < 1 || at->Value() > Keys.size()) return {};
  return {graphForm_->R->NodeAt(AddrOf(at->Value())), -1};
}

void TQuickAddrSort::SetWindowRect() {
  MainForm->DockThreePanes(graphForm_.get(), 50, AlgorithmForm, 60, VariableForm);
}

std::unique_ptr<TData> TQuickAddrSort::GetGlobalData() {
  auto globals = std::make_unique<TData>(QString());
  VarR = globals->Add(KeyVector(QStringLiteral("r"), Keys));
  VarAdr = globals->Add(new TVector(QStringLiteral("adr")));
  for (int i = 1; i <= Keys.size(); ++i) VarAdr->Add(new TIntData(QStringLiteral("addr[%1]").arg(i), i));
  VarN = globals->Add(new TIntData(QStringLiteral("n"), static_cast<int>(Keys.size())));
  return globals;
}

// qkaddrst works on the globals only; its record holds nothing.
std::unique_ptr<TData> TQuickAddrSort::GetInitialParam() { return std::make_unique<TData>(QString()); }

bool TQuickAddrSort::CreateData() {
  TQkAddrSortGraphForm& f = *graphForm_;
  const bool ok = InputKeys(9, 5);
  f.Addr->Capacity = 9;
  f.Addr->TrimToString(f.R->GetDataString());
  f.Addr->Capacity = f.R->Capacity;
  f.Addr->AfterRescale();
  return ok;
}

void TQuickAddrSort::ResetLocalData(const QString& procName) {
  TData& locals = *Locals();
  if (procName == QLatin1String("qksort")) {
    TakeRestored();
    VarK = locals.Add(new TIntData(QStringLiteral("k"), 0));
  } else if (procName == QLatin1String("qkpass")) {
    TakeRestored();
    VarJ = locals.Add(new TIntData(QStringLiteral("j"), 0));
    VarRp = locals.Add(new TIntData(QStringLiteral("rp"), 0));
    VarX = locals.Add(new TCharData(QStringLiteral("x"), ' '));
  } else if (procName == QLatin1String("rearrange")) {
    VarI = locals.Add(new TIntData(QStringLiteral("i"), 0));
    VarJ = locals.Add(new TIntData(QStringLiteral("j"), 0));
    VarK = locals.Add(new TIntData(QStringLiteral("k"), 0));
    VarRc = locals.Add(new TCharData(QStringLiteral("rc"), ' '));
  }
}

void TQuickAddrSort::TakeRestored() {
  VarS = Named(Locals(), "s");
  VarT = Named(Locals(), "t");
  VarK = Named(Locals(), "k");
}

void TQuickAddrSort::Reset() {
  TSortDemo::Reset();
  TQkAddrSortGraphForm& f = *graphForm_;
  for (int i = 1; i <= Keys.size(); ++i) {
    f.Addr->SetKey(i, Keys[i - 1].toLatin1());
    f.Addr->AddrAt(i)->Addr = i;
    f.Addr->NodeAt(i)->SetColor(f.Addr->NodeColor);
  }
  f.Addr->AfterRescale();
  ResetRow();
  f.HideAllPointers();
  EmptyAddr = 0;
}

TData* TQuickAddrSort::Args(int s, int t) const {
  auto* args = new TData(QString());
  args->Add(new TIntData(QStringLiteral("s"), s));
  args->Add(new TIntData(QStringLiteral("t"), t));
  return args;
}

int TQuickAddrSort::AddrOf(int place) const { return graphForm_->Addr->AddrAt(place)->Addr; }

void TQuickAddrSort::SetAddr(int place, int addr) {
  TAddrNode* box = graphForm_->Addr->AddrAt(place);
  box->Addr = addr;
  box->Repaint();
  static_cast<TIntData*>(VarAdr->Items(place - 1))->SetValue(addr);
}

char TQuickAddrSort::RecordKey(int index) const { return graphForm_->R->GetKey(index); }

void TQuickAddrSort::PointJ() {
  graphForm_->PointAtAddr(graphForm_->jp, VarJ->Value());
  graphForm_->PointAtRecord(graphForm_->addrjp, AddrOf(VarJ->Value()));
}

void TQuickAddrSort::PointK() {
  graphForm_->PointAtAddr(graphForm_->kp, VarK->Value());
  graphForm_->PointAtRecord(graphForm_->addrkp, AddrOf(VarK->Value()));
}

// ---------------------------------------------------------------- qkaddrst

// qksort(r, 1, n, adr)
TData* TQuickAddrSort::qkaddrst_C_Begin() { return Args(1, VarN->Value()); }

// rearrange(r, adr, n)
TData* TQuickAddrSort::qkaddrst_C_Line1() { return new TData(QString()); }

void TQuickAddrSort::qkaddrst_AfterLine1() {
  TQkAddrSortGraphForm& f = *graphForm_;
  f.Hide({f.ip, f.jp, f.rkp, f.rip, f.rjp});
}

// ---------------------------------------------------------------- qksort

// IF s < t THEN
bool TQuickAddrSort::qksort_F_Begin() { return VarS->Value() < VarT->Value(); }

// qkpass(r, s, t, k, adr)
TData* TQuickAddrSort::qksort_C_Line1() {
  TData* args = Args(VarS->Value(), VarT->Value());
  args->Add(new TIntData(QStringLiteral("k"), 0));
  return args;
}

void TQuickAddrSort::qksort_AfterLine1() {
  TakeRestored();
  VarK->SetValue(PassK);
  TQkAddrSortGraphForm& f = *graphForm_;
  f.Hide({f.kp, f.jp, f.addrkp, f.addrjp});
}

// qksort(r, s, k-1, adr)
TData* TQuickAddrSort::qksort_C_Line2() { return Args(VarS->Value(), VarK->Value() - 1); }
void TQuickAddrSort::qksort_AfterLine2() { TakeRestored(); }

// qksort(r, k+1, t, adr)
TData* TQuickAddrSort::qksort_C_Line3() { return Args(VarK->Value() + 1, VarT->Value()); }
void TQuickAddrSort::qksort_AfterLine3() { TakeRestored(); }

// ---------------------------------------------------------------- qkpass

// k := s; j := t; rp := adr[s]; x := r[rp].key
void TQuickAddrSort::qkpass_Begin() {
  VarK->SetValue(VarS->Value());
  PassK = VarK->Value();
  VarJ->SetValue(VarT->Value());
  VarRp->SetValue(AddrOf(VarS->Value()));
  VarX->SetValue(RecordKey(VarRp->Value()));
  PointJ();
  PointK();
}

// WHILE k < j DO
bool TQuickAddrSort::qkpass_F_Line1() { return VarK->Value() < VarJ->Value(); }

// WHILE (k < j) AND (r[adr[j]].key >= x) DO
bool TQuickAddrSort::qkpass_F_Line2() {
  if (VarK->Value() >= VarJ->Value()) return false;
  CountComp();
  return RecordKey(AddrOf(VarJ->Value())) >= VarX->Value();
}

// j := j-1
void TQuickAddrSort::qkpass_Line3() {
  VarJ->SetValue(VarJ->Value() - 1);
  PointJ();
}

// adr[k] := adr[j]
void TQuickAddrSort::qkpass_Line4() {
  MoveAddr(VarK->Value(), VarJ->Value());
  PointK();
}

// WHILE (k < j) AND (r[adr[k]].key <= x) DO
bool TQuickAddrSort::qkpass_F_Line5() {
  if (VarK->Value() >= VarJ->Value()) return false;
  CountComp();
  return VarX->Value() >= RecordKey(AddrOf(VarK->Value()));
}

// k := k+1
void TQuickAddrSort::qkpass_Line6() {
  VarK->SetValue(VarK->Value() + 1);
  PassK = VarK->Value();
  PointK();
}

// adr[j] := adr[k]
void TQuickAddrSort::qkpass_Line7() {
  MoveAddr(VarJ->Value(), VarK->Value());
  PointJ();
}

// adr[k] := rp
void TQuickAddrSort::qkpass_Line8() {
  TAddrdata& addr = *graphForm_->Addr;
  const int k = VarK->Value();
  const int rp = VarRp->Value();
  // The place is filled again: its box stands for record rp, in the colour of a full place.
  addr.SetKey(k, RecordKey(rp));
  addr.NodeAt(k)->SetColor(addr.NodeColor);
  SetAddr(k, rp);
  EmptyAddr = 0;
  // k = j here: both arrows under the records now stand on record rp.
  PointJ();
  PointK();
}

// ---------------------------------------------------------------- rearrange

// i := 1
void TQuickAddrSort::rearrange_Begin() {
  VarI->SetValue(1);
  graphForm_->PointAtAddr(graphForm_->ip, 1);
  graphForm_->PointAtRecord(graphForm_->rip, 1);
}

// WHILE i < n DO
bool TQuickAddrSort::rearrange_F_Line1() { return VarI->Value() < VarN->Value(); }

// IF adr[i] <> i THEN
bool TQuickAddrSort::rearrange_F_Line2() { return AddrOf(VarI->Value()) != VarI->Value(); }

// j := i; rc := r[i]
void TQuickAddrSort::rearrange_Line3() {
  VarJ->SetValue(VarI->Value());
  VarRc->SetValue(RecordKey(VarI->Value()));
  CountMove();
  graphForm_->PointAtAddr(graphForm_->jp, VarJ->Value());
  graphForm_->PointAtRecord(graphForm_->rjp, VarJ->Value());
}

// WHILE adr[j] <> i DO
bool TQuickAddrSort::rearrange_F_Line4() { return AddrOf(VarJ->Value()) != VarI->Value(); }

// k := adr[j]; r[j] := r[k]
void TQuickAddrSort::rearrange_Line5() {
  const int j = VarJ->Value();
  const int k = AddrOf(j);
  VarK->SetValue(k);
  graphForm_->PointAtRecord(graphForm_->rkp, k);
  graphForm_->R->MoveKey(j, k, true);
  KeyAt(VarR, j)->SetValue(RecordKey(j));
  CountMove();
}

// adr[j] := j; j := k
void TQuickAddrSort::rearrange_Line6() {
  const int j = VarJ->Value();
  SetAddr(j, j);
  VarJ->SetValue(VarK->Value());
  graphForm_->PointAtAddr(graphForm_->jp, VarJ->Value());
  graphForm_->PointAtRecord(graphForm_->rjp, VarJ->Value());
}

// r[j] := rc; adr[j] := j
void TQuickAddrSort::rearrange_Line7() {
  TSortData& row = *graphForm_->R;
  const int j = VarJ->Value();
  row.SetKey(j, VarRc->Value());
  row.NodeAt(j)->SetColor(row.NodeColor);
  KeyAt(VarR, j)->SetValue(VarRc->Value());
  SetAddr(j, j);
  CountMove();
}

// i := i+1
void TQuickAddrSort::rearrange_Line8() {
  VarI->SetValue(VarI->Value() + 1);
  graphForm_->PointAtAddr(graphForm_->ip, VarI->Value());
  graphForm_->PointAtRecord(graphForm_->rip, VarI->Value());
}
