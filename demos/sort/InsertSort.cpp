#include "demos/sort/InsertSort.h"

#include "demos/sort/SortGraphForms.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/drawkit/ValueMeanings.h"

void TInsertSort::CreateChildWindow() {
  TFormSortDemo::CreateChildWindow();
  TInSortGraphForm& f = *graphForm_;
  f.OnRelayout = [this] { Relayout(); };
  HoldRow(*f.R, QStringLiteral("r"), 0, [this](int i) { return i == Hole() ? clSilver : clPurple; });
  f.r0->HeightRow = f.x->HeightRow = f.R;
  f.r0->Stands = {KeyBox(QStringLiteral("r[0]"), [this] { return Hole() > 0 ? clPurple : clSilver; })};
  f.x->Stands = {KeyBox(QStringLiteral("x"), Always(clNavy))};
  f.LabelR0->Stands = {NamesVariable(QStringLiteral("r[0]"), QStringLiteral("r[0]"))};
  f.ZqStaticText2->Stands = {NamesVariable(QStringLiteral("r"), QStringLiteral("r[1]..r[n]"))};
}

int TInsertSort::Hole() const {
  if (!InProc("InsertSort") || !AtOneOf({"Loop", "InLoop", "Change"})) return 0;
  return VarJ->Value() + 1;
}

std::unique_ptr<TData> TInsertSort::GetInitialParam() {
  auto args = std::make_unique<TData>(QString());
  args->Add(KeyVector(QStringLiteral("r"), QStringLiteral(" ") + Keys, 0));
  args->Add(new TIntData(QStringLiteral("n"), static_cast<int>(Keys.size())));
  return args;
}

bool TInsertSort::CreateData() { return InputKeys(12, 5); }

void TInsertSort::ResetLocalData(const QString&) {
  VarR = Named<TVector>(Locals(), "r");
  VarN = Named(Locals(), "n");
  VarI = Locals()->Add(new TIntData(QStringLiteral("i"), 0));
  VarJ = Locals()->Add(new TIntData(QStringLiteral("j"), 0));
  VarX = Locals()->Add(new TCharData(QStringLiteral("x"), ' '));
}

void TInsertSort::Reset() {
  TSortDemo::Reset();
  ResetRow();
  NextI = 2;
  graphForm_->r0->SetKey(' ');
  graphForm_->r0->hide();
  graphForm_->x->hide();
}

void TInsertSort::ShowGraph() {
  graphForm_->R->AfterRescale();
  graphForm_->Repaint();
}

void TInsertSort::PlaceR0() {
  TInSortGraphForm& f = *graphForm_;
  f.StandUnder(*f.r0, *f.LabelR0, true);
}

void TInsertSort::PlaceX() {
  TInSortGraphForm& f = *graphForm_;
  const int j = VarJ->Value();
  if (j > 0) {
    const TSortNode* box = f.R->NodeAt(j);
    if (f.x->parentWidget() != f.R) f.x->setParent(f.R);
    f.x->move(box->x() + box->width(), box->y() + box->height() - f.x->height());
  } else {
    if (f.x->parentWidget() != &f) f.x->setParent(&f);
    f.x->move(f.r0->x() + f.r0->width(), f.r0->y());
  }
  f.x->show();
  f.x->raise();
}

void TInsertSort::Relayout() {
  TInSortGraphForm& f = *graphForm_;
  if (!f.r0->isVisible()) return;
  // Each as high as its own key: the box i they were copied from may hold another key by now.
  PlaceR0();
  if (f.x->isVisible()) {
    f.R->LayoutNode(*f.x);
    PlaceX();
  }
}

// FOR i := 2 TO n DO
bool TInsertSort::InsertSort_F_Begin() {
  if (ForStep(VarI, NextI, VarN->Value())) return true;
  graphForm_->r0->hide();
  return false;
}

// r[0] := r[i]; j := i-1; x := r[i].key
void TInsertSort::InsertSort_Init() {
  TInSortGraphForm& f = *graphForm_;
  const int i = VarI->Value();
  TSortNode& box = *f.R->NodeAt(i);
  CountMove();
  box.SetColor(clSilver);
  f.r0->SetKey(box.Key());
  KeyAt(VarR, 0, 0)->SetValue(box.Key());
  PlaceR0();
  f.r0->SetColor(f.R->NodeColor);
  f.r0->show();
  VarJ->SetValue(i - 1);
  f.x->SetKey(box.Key());
  VarX->SetValue(box.Key());
  f.x->resize(box.size());
  PlaceX();
}

// WHILE x < r[j].key DO
bool TInsertSort::InsertSort_F_Loop() {
  TInSortGraphForm& f = *graphForm_;
  const int j = VarJ->Value();
  CountComp();
  const bool result = j != 0 && f.R->GetKey(j) > f.x->Key();
  TSortNode* compared = j != 0 ? f.R->NodeAt(j) : f.r0;
  for (int round = 0; round < 3; ++round) {
    compared->SetColor(clGreen);
    f.x->SetColor(clBlue);
    Delay(200);
    compared->SetColor(f.R->NodeColor);
    f.x->SetColor(clNavy);
    Delay(200);
  }
  return result;
}

// r[j+1] := r[j]; j := j-1
void TInsertSort::InsertSort_InLoop() {
  TSortData& row = *graphForm_->R;
  const int j = VarJ->Value();
  CountMove();
  const char key = row.GetKey(j);
  row.SetKey(j + 1, key);
  row.NodeAt(j + 1)->SetColor(row.NodeColor);
  row.NodeAt(j)->SetColor(clSilver);
  KeyAt(VarR, j + 1, 0)->SetValue(key);
  row.AfterRescale();
  VarJ->SetValue(j - 1);
  PlaceX();
}

// r[j+1] := r[0]
void TInsertSort::InsertSort_Change() {
  TInSortGraphForm& f = *graphForm_;
  const int j = VarJ->Value();
  CountMove();
  const char key = f.r0->Key();
  f.R->SetKey(j + 1, key);
  f.R->NodeAt(j + 1)->SetColor(f.R->NodeColor);
  f.r0->SetColor(clSilver);
  KeyAt(VarR, j + 1, 0)->SetValue(key);
  f.R->AfterRescale();
  f.x->hide();
}
