#include "demos/sort/QuickSort.h"

#include "demos/sort/SortGraphForms.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/drawkit/ValueMeanings.h"
#include "framework/engine/RunFrames.h"

void TQuickSort::CreateChildWindow() {
  TFormSortDemo::CreateChildWindow();
  TQkSortGraphForm& f = *graphForm_;
  f.OnRelayout = [this] { Resize(); };
  HoldRow(*f.R, QStringLiteral("r"), 1, [this](int p) { return PlaceColour(p); });
  f.rp->HeightRow = f.x->HeightRow = f.R;
  f.rp->Stands = {HeldKey([this] { return Pivot; },
                          [this] { return InProc("QuickPass") && AtOneOf({"End"}) ? clSilver : clPurple; })};
  f.x->Stands = {HeldKey([this] { return Pivot; }, Always(clBlue))};
  CaptionReads(*f.LabelR0, QStringLiteral("rp"));
  f.ZqStaticText2->Stands = {NamesVariable(QStringLiteral("r"), QStringLiteral("r[1]..r[n]"))};
}

namespace {

bool OneOf(const QString& label, std::initializer_list<const char*> labels) {
  for (const char* l : labels)
    if (label == QLatin1String(l)) return true;
  return false;
}

}  // namespace

TColor TQuickSort::PlaceColour(int p) const {
  TColor colour = clPurple;
  const TRunFrames calls{*this};
  for (int d = 0; d < calls.Count(); ++d) {
    const QString proc = calls.Procedure(d), line = calls.Line(d);
    if (proc.compare(QLatin1String("QuickSort"), Qt::CaseInsensitive) == 0) {
      const int s = calls.Int(d, "s").value_or(0), t = calls.Int(d, "t").value_or(0), k = calls.Int(d, "k").value_or(0);
      if (s >= t) continue;
      const bool leftDone = OneOf(line, {"Line3", "End"}), rightDone = OneOf(line, {"End"});
      if ((leftDone && p >= s && p <= k) || (rightDone && p > k && p <= t)) return clRed;
      if (OneOf(line, {"Line2"}) && p == k) colour = clAqua;
    } else if (proc.compare(QLatin1String("QuickPass"), Qt::CaseInsensitive) == 0) {
      const int i = calls.Int(d, "i").value_or(0), j = calls.Int(d, "j").value_or(0);
      if (OneOf(line, {"End"}) && p == i) colour = clAqua;
      else if (OneOf(line, {"While3", "Line3", "Line4"}) && p == j) colour = clSilver;
      else if (OneOf(line, {"While", "While2", "Line1", "Line2", "Line5"}) && p == i) colour = clSilver;
    }
  }
  return colour;
}

std::unique_ptr<TData> TQuickSort::GetGlobalData() {
  auto globals = std::make_unique<TData>(QString());
  VarR = globals->Add(KeyVector(QStringLiteral("r"), Keys));
  return globals;
}

std::unique_ptr<TData> TQuickSort::GetInitialParam() {
  return std::unique_ptr<TData>(Args(1, static_cast<int>(Keys.size())));
}

TData* TQuickSort::Args(int s, int t) const {
  auto* args = new TData(QString());
  args->Add(new TIntData(QStringLiteral("s"), s));
  args->Add(new TIntData(QStringLiteral("t"), t));
  return args;
}

void TQuickSort::ResetLocalData(const QString& procName) {
  VarS = Named(Locals(), "s");
  VarT = Named(Locals(), "t");
  if (procName == QLatin1String("QuickSort")) {
    VarK = Locals()->Add(new TIntData(QStringLiteral("k"), 0));
  } else {
    VarI = Named(Locals(), "i");
    VarJ = Locals()->Add(new TIntData(QStringLiteral("j"), 0));
  }
}

void TQuickSort::TakeRestored() {
  VarS = Named(Locals(), "s");
  VarT = Named(Locals(), "t");
  VarK = Named(Locals(), "k");
  VarI = VarJ = nullptr;  // QuickPass's record is gone
}

void TQuickSort::Reset() {
  TSortDemo::Reset();
  ResetRow();
  Pivot = ' ';
  graphForm_->rp->hide();
  graphForm_->x->hide();
}

void TQuickSort::PlaceXBeside(int index) {
  const TSortNode* box = graphForm_->R->NodeAt(index);
  TSortNode& x = *graphForm_->x;
  x.move(box->x() + box->width(), box->y() + box->height() - x.height());
  x.raise();
}

void TQuickSort::Resize() {
  TQkSortGraphForm& f = *graphForm_;
  if (!f.rp->isVisible() && !f.x->isVisible()) return;
  // As high as their key, the pivot: box s may hold another key by now.
  f.StandUnder(*f.rp, *f.LabelR0, true);
  f.R->LayoutNode(*f.x);
  if (!f.x->isVisible() || VarI == nullptr || CurProc() == nullptr || CurLine() == nullptr) return;
  const QString& label = CurLine()->Label();
  const bool besideI = label == QLatin1String("While3") || label == QLatin1String("Line3") ||
                       label == QLatin1String("Line4");
  PlaceXBeside(besideI ? VarI->Value() : VarJ->Value());
}

void TQuickSort::FlashWithX(int index) {
  TSortNode& box = *graphForm_->R->NodeAt(index);
  TSortNode& x = *graphForm_->x;
  const TColor former = x.FaceColor();
  for (int round = 0; round < 3; ++round) {
    box.SetColor(clGreen);
    x.SetColor(clLime);
    Delay(200);
    box.SetColor(graphForm_->R->NodeColor);
    x.SetColor(former);
    Delay(200);
  }
}

void TQuickSort::MoveBox(int dest, int src) {
  TSortData& row = *graphForm_->R;
  const char key = KeyAt(VarR, src)->Value();
  row.SetKey(dest, key);
  row.NodeAt(dest)->SetColor(row.NodeColor);
  row.NodeAt(src)->SetColor(clSilver);
  KeyAt(VarR, dest)->SetValue(key);
  CountMove();
}

void TQuickSort::MarkFinished(int from, int to) {
  for (int i = from; i <= to; ++i)
    if (TSortNode* box = graphForm_->R->NodeAt(i)) box->SetColor(clRed);
}

// ---------------------------------------------------------------- QuickSort

// IF s < t THEN
bool TQuickSort::QuickSort_F_Begin() { return VarS->Value() < VarT->Value(); }

// qkpass(r, s, t, k)
TData* TQuickSort::QuickSort_C_Line1() {
  TData* args = Args(VarS->Value(), VarT->Value());
  args->Add(new TIntData(QStringLiteral("i"), 0));
  return args;
}

void TQuickSort::QuickSort_AfterLine1() {
  TakeRestored();
  VarK->SetValue(PassI);
  graphForm_->rp->hide();
  graphForm_->x->hide();
}

// qksort(r, s, k-1)
TData* TQuickSort::QuickSort_C_Line2() { return Args(VarS->Value(), VarK->Value() - 1); }

void TQuickSort::QuickSort_AfterLine2() {
  TakeRestored();
  MarkFinished(VarS->Value(), VarK->Value());
}

// qksort(r, k+1, t)
TData* TQuickSort::QuickSort_C_Line3() { return Args(VarK->Value() + 1, VarT->Value()); }

void TQuickSort::QuickSort_AfterLine3() {
  TakeRestored();
  MarkFinished(VarK->Value() + 1, VarT->Value());
}

// ---------------------------------------------------------------- QuickPass

// i := s; j := t; rp := r[s]; x := r[s].key
void TQuickSort::QuickPass_Begin() {
  TQkSortGraphForm& f = *graphForm_;
  const int s = VarS->Value();
  VarI->SetValue(s);
  PassI = s;
  VarJ->SetValue(VarT->Value());
  TSortNode& box = *f.R->NodeAt(s);
  Pivot = KeyAt(VarR, s)->Value();
  box.SetColor(clSilver);
  f.rp->SetKey(box.Key());
  f.rp->resize(box.size());
  f.StandUnder(*f.rp, *f.LabelR0, false);
  f.rp->SetColor(f.R->NodeColor);
  f.rp->show();
  f.x->SetKey(box.Key());
  f.x->resize(box.size());
  PlaceXBeside(VarJ->Value());
  f.x->show();
  CountMove();
}

// WHILE i < j DO
bool TQuickSort::QuickPass_F_While() { return VarI->Value() < VarJ->Value(); }

// WHILE (i < j) AND (r[j].key >= x) DO
bool TQuickSort::QuickPass_F_While2() {
  const int j = VarJ->Value();
  if (VarI->Value() >= j) return false;
  CountComp();
  const bool result = KeyAt(VarR, j)->Value() >= Pivot;
  FlashWithX(j);
  return result;
}

// j := j-1
void TQuickSort::QuickPass_Line1() {
  VarJ->SetValue(VarJ->Value() - 1);
  PlaceXBeside(VarJ->Value());
}

// r[i] := r[j]
void TQuickSort::QuickPass_Line2() { MoveBox(VarI->Value(), VarJ->Value()); }

// WHILE (i < j) AND (r[i].key <= x) DO
bool TQuickSort::QuickPass_F_While3() {
  const int i = VarI->Value();
  if (i >= VarJ->Value()) return false;
  CountComp();
  const bool result = Pivot >= KeyAt(VarR, i)->Value();
  FlashWithX(i);
  return result;
}

// i := i+1
void TQuickSort::QuickPass_Line3() {
  VarI->SetValue(VarI->Value() + 1);
  PassI = VarI->Value();
  PlaceXBeside(VarI->Value());
}

// r[j] := r[i]
void TQuickSort::QuickPass_Line4() { MoveBox(VarJ->Value(), VarI->Value()); }

// r[i] := rp
void TQuickSort::QuickPass_Line5() {
  TQkSortGraphForm& f = *graphForm_;
  const int i = VarI->Value();
  f.R->SetKey(i, Pivot);
  f.R->NodeAt(i)->SetColor(clAqua);
  f.rp->SetColor(clSilver);
  KeyAt(VarR, i)->SetValue(Pivot);
  CountMove();
}
