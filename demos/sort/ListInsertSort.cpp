#include "demos/sort/ListInsertSort.h"

#include "demos/sort/SortGraphForms.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/drawkit/ValueMeanings.h"

TListSortNodeDT::TListSortNodeDT(const QString& name, char key, int next) : TRecord(name) {
  Key = Add(new TCharData(QStringLiteral("Key"), key));
  Next = Add(new TIntData(QStringLiteral("Next"), next));
}

void TListInsertSort::CreateChildWindow() {
  TFormSortDemo::CreateChildWindow();
  TListSortGraphForm& f = *graphForm_;
  f.OnRelayout = [this] {
    if (graphForm_->r0->isVisible()) PlaceR0();
  };
  // Each record's key (by its height) and its link (written in the box).
  const TColor pink = f.R->NodeColor;
  f.R->Means = [this, pink](int i) -> std::vector<TValueMeaning> {
    if (i < 1 || i > Keys.size()) return {};
    return {KeyBox(QStringLiteral("r[%1].Key").arg(i), Always(pink)), {.Of = {QStringLiteral("r[%1].Next").arg(i)}}};
  };
  // r[0] holds MAXKEY, "#" to the variable window and a box as high as the row, "[" (the
  // letter after "Z") to the drawing.
  f.r0->Stands = {{.Of = {QStringLiteral("r[0].Key")},
                   .Map = [pink](const QStringList& v) -> std::optional<QString> {
                     return SortBoxLook(v[0] == QLatin1String("#") ? '[' : v[0][0].toLatin1(), pink);
                   },
                   .Part = TValueMeaning::InNote},
                  {.Of = {QStringLiteral("r[0].Next")}}};
  f.LabelR0->Stands = {NamesVariable(QStringLiteral("r[0]"), QStringLiteral("r[0]"))};
  f.ZqStaticText2->Stands = {NamesVariable(QStringLiteral("r"), QStringLiteral("r[1]..r[n]"))};
}

std::unique_ptr<TData> TListInsertSort::GetGlobalData() {
  auto globals = std::make_unique<TData>(QString());
  VarR = globals->Add(new TVector(QStringLiteral("r")));
  VarR->Add(new TListSortNodeDT(QStringLiteral("r[0]"), ' ', 0));
  for (int i = 0; i < Keys.size(); ++i)
    VarR->Add(new TListSortNodeDT(QStringLiteral("r[%1]").arg(i + 1), Keys[i].toLatin1(), 0));
  VarN = globals->Add(new TIntData(QStringLiteral("n"), static_cast<int>(Keys.size())));
  return globals;
}

// The procedures take no arguments; their records hold only their locals.
std::unique_ptr<TData> TListInsertSort::GetInitialParam() { return std::make_unique<TData>(QString()); }

void TListInsertSort::ResetLocalData(const QString& procName) {
  if (procName == QLatin1String("ListInsertSort")) {
    VarI = Locals()->Add(new TIntData(QStringLiteral("i"), 0));
    VarJ = Locals()->Add(new TIntData(QStringLiteral("j"), 0));
    VarPj = Locals()->Add(new TIntData(QStringLiteral("pj"), 0));
  } else {
    VarI = Locals()->Add(new TIntData(QStringLiteral("i"), 0));
    VarP = Locals()->Add(new TIntData(QStringLiteral("p"), 0));
    VarQ = Locals()->Add(new TIntData(QStringLiteral("q"), 0));
  }
}

void TListInsertSort::Reset() {
  TSortDemo::Reset();
  ResetRow();
  TSortData& row = *graphForm_->R;
  for (int i = 1; i <= row.Count(); ++i) static_cast<TListSortNode*>(row.NodeAt(i))->SetNext(0);
  graphForm_->r0->SetNext(0);
  graphForm_->r0->hide();
  NextI = 2;
}

int TListInsertSort::Link(int p) const {
  if (p == 0) return graphForm_->r0->Next();
  return static_cast<TListSortNode*>(graphForm_->R->NodeAt(p))->Next();
}

void TListInsertSort::SetLink(int p, int next) {
  if (p == 0)
    graphForm_->r0->SetNext(next);
  else
    static_cast<TListSortNode*>(graphForm_->R->NodeAt(p))->SetNext(next);
  Record(p)->SetNext(next);
}

TListSortNodeDT* TListInsertSort::Record(int p) const { return static_cast<TListSortNodeDT*>(VarR->Items(p)); }

void TListInsertSort::PlaceR0() {
  TListSortGraphForm& f = *graphForm_;
  const TSortNode* first = f.R->NodeAt(1);
  f.r0->resize(first != nullptr ? first->width() : f.r0->width(), f.R->height());
  f.StandUnder(*f.r0, *f.LabelR0, false);
}

// ---------------------------------------------------------------- ListInsertSort

// r[0].key := MAXKEY
void TListInsertSort::ListInsertSort_Begin() {
  // The character after "Z": higher than every key.
  graphForm_->r0->SetKey('[');
  PlaceR0();
  graphForm_->r0->show();
  Record(0)->SetKey('#');
}

// r[0].next := 1; r[1].next := 0
void TListInsertSort::ListInsertSort_Line1() {
  SetLink(0, 1);
  SetLink(1, 0);
  NextI = 2;
}

// FOR i := 2 TO n DO
bool TListInsertSort::ListInsertSort_F_For() { return ForStep(VarI, NextI, VarN->Value()); }

// pj := 0; j := r[0].next
void TListInsertSort::ListInsertSort_Line2() {
  VarPj->SetValue(0);
  VarJ->SetValue(Link(0));
}

// WHILE r[j].key < r[i].key DO
bool TListInsertSort::ListInsertSort_F_While() {
  TListSortGraphForm& f = *graphForm_;
  const int i = VarI->Value();
  const int j = VarJ->Value();
  CountComp();
  if (j != 0) return f.R->Compare(i, j, true);
  TSortNode& box = *f.R->NodeAt(i);
  for (int round = 0; round < 3; ++round) {
    box.SetColor(clGreen);
    f.r0->SetColor(clGreen);
    Delay(200);
    box.SetColor(f.R->NodeColor);
    f.r0->SetColor(f.R->NodeColor);
    Delay(200);
  }
  return f.r0->Key() < box.Key();
}

// pj := j; j := r[j].next
void TListInsertSort::ListInsertSort_Line3() {
  const int j = VarJ->Value();
  VarPj->SetValue(j);
  VarJ->SetValue(Link(j));
}

// r[i].next := j; r[pj].next := i
void TListInsertSort::ListInsertSort_Line4() {
  SetLink(VarI->Value(), VarJ->Value());
  SetLink(VarPj->Value(), VarI->Value());
}

// arrange(r)
TData* TListInsertSort::ListInsertSort_C_Arrange() { return new TData(QString()); }

void TListInsertSort::ListInsertSort_AfterArrange() {
  VarI = Named(Locals(), "i");
  VarJ = Named(Locals(), "j");
  VarPj = Named(Locals(), "pj");
}

// ---------------------------------------------------------------- arrange

// i := 1; p := r[0].next
void TListInsertSort::arrange_Begin() {
  VarI->SetValue(1);
  VarP->SetValue(Link(0));
}

// WHILE i <= n-1 DO
bool TListInsertSort::arrange_F_While() { return VarI->Value() <= VarN->Value() - 1; }

// WHILE p < i DO
bool TListInsertSort::arrange_F_While2() { return VarP->Value() < VarI->Value(); }

// p := r[p].next
void TListInsertSort::arrange_Line1() { VarP->SetValue(Link(VarP->Value())); }

// q := r[p].next
void TListInsertSort::arrange_Line2() { VarQ->SetValue(Link(VarP->Value())); }

// IF p <> i THEN
bool TListInsertSort::arrange_F_If() { return VarP->Value() != VarI->Value(); }

// r[p] <-> r[i]; r[i].next := p
void TListInsertSort::arrange_Line3() {
  const int p = VarP->Value();
  const int i = VarI->Value();
  graphForm_->R->Swap(p, i, true);
  TListSortNodeDT* a = Record(p);
  TListSortNodeDT* b = Record(i);
  const char key = a->Key->Value();
  const int next = a->Next->Value();
  a->SetKey(b->Key->Value());
  a->SetNext(b->Next->Value());
  b->SetKey(key);
  b->SetNext(next);
  CountMove(3);
  SetLink(i, p);
}

// i := i+1; p := q
void TListInsertSort::arrange_Line4() {
  VarI->SetValue(VarI->Value() + 1);
  VarP->SetValue(VarQ->Value());
}
