#include "demos/sort/HeapSort.h"

#include "demos/sort/ArrayedTree.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/drawkit/ValueMeanings.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/DemoViews.h"
#include "framework/shell/MainForm.h"

THeapSortGraphForm::THeapSortGraphForm(QWidget* parent) : TSortGraphForm(parent) {
  SetCaption(QStringLiteral("堆排序"));
  SetDesignClientSize(482, 539);
  R = PlaceRow("R", {31, 45, 450, 92}, 15, 1, clPurple, 5);
  x = PlaceBox(R, "x", {0, 0, 40, 61}, clBlue, QStringLiteral(" "));
  t = PlaceBox(this, "t", {4, 42, 13, 95}, clPurple, QStringLiteral(" "));
  Tree = Place(new TArrayedBinCharTree(this), 0, 144, 481, 337);
  Tree->setObjectName(QStringLiteral("Tree"));
  Tree->MaxDepth = 4;
  Tree->LineColor = clBlack;
  const TFont blue = SortFont("Times New Roman", -24, clBlue);
  LabelR0 = PlaceCaption("LabelR0", QStringLiteral("t"), {2, 4, 23, 37}, blue);
  ZqStaticText1 = PlaceCaption("ZqStaticText1", QStringLiteral("r[1]..r[n]"), {31, 4, 122, 37}, blue);
  PlaceCounters({28, 489, 198, 40}, {260, 489, 198, 40}, SortFont("楷体_GB2312", -21, clTeal, fsBold));
}

void THeapSortGraphForm::FormResize() {
  // The tree has no pointers; its free band at the top keeps the root's caption "[1]" in
  // view above the root, as every other caption stands above its node.
  Tree->PointerSize = 14;  // grown with the window by the tree
  TSortGraphForm::FormResize();
}

void THeapSort::CreateChildWindow() {
  TFormSortDemo::CreateChildWindow();
  THeapSortGraphForm& f = *graphForm_;
  f.OnRelayout = [this] { Relayout(); };
  // A sift that has moved a child up leaves place i empty until r[i] := t.
  HoldRow(*f.R, QStringLiteral("r"), 1, [this](int p) {
    const bool empty = InProc("sift") && !AtOneOf({"End"}) && Var("i").Value() != Var("k").Value() && p == Var("i").Value();
    return empty ? clSilver : clPurple;
  });
  f.x->HeightRow = f.t->HeightRow = f.R;
  f.x->Stands = {HeldKey([this] { return SiftKey; }, Always(clBlue))};
  f.t->Stands = {HeldKey([this] { return SiftKey; }, Always(clPurple))};
  CaptionReads(*f.LabelR0, QStringLiteral("t"));
  f.ZqStaticText1->Stands = {NamesVariable(QStringLiteral("r"), QStringLiteral("r[1]..r[n]"))};
}

void THeapSort::SetWindowRect() { MainForm->DockThreePanes(graphForm_.get(), 50, AlgorithmForm, 60, VariableForm); }

std::unique_ptr<TData> THeapSort::GetGlobalData() {
  auto globals = std::make_unique<TData>(QString());
  globals->Add(KeyVector(QStringLiteral("r"), Keys));
  return globals;
}

std::unique_ptr<TData> THeapSort::GetInitialParam() {
  return std::unique_ptr<TData>(NewFrame(IntVar("n", static_cast<int>(Keys.size()))));
}

void THeapSort::ResetLocalData(const QString& procName) {
  if (procName == QLatin1String("heapsort"))
    AddVars(*Locals(), IntVar("i", 0));
  else
    AddVars(*Locals(), IntVar("i", 0), IntVar("j", 0), BoolVar("finished", false));
}

void THeapSort::Reset() {
  TSortDemo::Reset();
  TArrayedBinCharTree& tree = *graphForm_->Tree;
  tree.ClearNodes();
  for (int i = 1; i <= Keys.size(); ++i) {
    tree.SetIndexedValue(i, Keys[i - 1].toLatin1());
    // Node i is r[i] laid out as a heap (its caption travels with the keys and stands for none).
    tree.GetNode(i)->Stands = {{.Call = TMarkMeaning::Global, .Of = {QStringLiteral("r[%1]").arg(i - 1)}}};
  }
  tree.Arrange();
  ResetRow();
  graphForm_->t->SetKey(' ');
  SiftKey = ' ';
  HideBoxes();
  Counter = static_cast<int>(Keys.size()) / 2;
}

TVector* THeapSort::R() const { return static_cast<TVector*>(Globals()->FindByName(QStringLiteral("r"))); }

void THeapSort::HideBoxes() {
  graphForm_->x->hide();
  graphForm_->t->hide();
  XBeside = 0;
}

void THeapSort::PlaceXBeside(int j) {
  const TSortNode* box = graphForm_->R->NodeAt(j);
  TSortNode& x = *graphForm_->x;
  x.move(box->x() + box->width(), box->y() + box->height() - x.height());
  x.show();
  x.raise();
  XBeside = j;
}

void THeapSort::Relayout() {
  THeapSortGraphForm& f = *graphForm_;
  if (f.t->isVisible()) f.StandUnder(*f.t, *f.LabelR0, true);
  if (XBeside > 0 && f.x->isVisible()) {
    f.R->LayoutNode(*f.x);
    PlaceXBeside(XBeside);
  }
}

// ---------------------------------------------------------------- heapsort

// FOR i := n DIV 2 DOWNTO 1 DO
bool THeapSort::heapsort_F_Begin() {
  const int old = Counter--;
  Var("i").SetValue(old);
  if (old > 0) return true;
  Counter = Var("n").Value();
  return false;
}

// sift(r, i, n)
TData* THeapSort::heapsort_C_Line1() { return NewFrame(IntVar("k", Var("i").Value()), IntVar("m", Var("n").Value())); }
void THeapSort::heapsort_AfterLine1() { HideBoxes(); }

// FOR i := n DOWNTO 2 DO
bool THeapSort::heapsort_F_For() {
  const int old = Counter--;
  Var("i").SetValue(old);
  return old > 1;
}

// r[1] <-> r[i]
void THeapSort::heapsort_Line2() {
  const int i = Var("i").Value();
  graphForm_->R->Swap(1, i, true);
  graphForm_->Tree->SwapIndexed(1, i, true);
  SwapKeys(R(), 1, i);
  CountMove(3);
}

// sift(r, 1, i-1)
TData* THeapSort::heapsort_C_Line3() { return NewFrame(IntVar("k", 1), IntVar("m", Var("i").Value() - 1)); }
void THeapSort::heapsort_AfterLine3() { HideBoxes(); }

// ---------------------------------------------------------------- sift

// i := k; j := 2*i; x := r[k].key; finished := false
void THeapSort::sift_Begin() {
  const int k = Var("k").Value();
  Var("i").SetValue(k);
  Var("j").SetValue(2 * k);
  SiftKey = KeyAt(R(), k)->Value();
  graphForm_->R->NodeAt(k)->AssignTo(*graphForm_->x);
}

// t := r[k]
void THeapSort::sift_Line1() {
  THeapSortGraphForm& f = *graphForm_;
  f.R->NodeAt(Var("k").Value())->AssignTo(*f.t);
  f.StandUnder(*f.t, *f.LabelR0, false);
  f.t->show();
}

// WHILE (j <= m) AND NOT finished DO
bool THeapSort::sift_F_While() {
  return Var("j").Value() <= Var("m").Value() && !Var<TBoolData>("finished").Value();
}

// IF (j < m) AND (r[j].key > r[j+1].key) THEN
bool THeapSort::sift_F_If1() {
  const int j = Var("j").Value();
  bool result = false;
  if (j < Var("m").Value()) {
    result = graphForm_->R->Compare(j, j + 1, true);
    CountComp();
  }
  if (!result) PlaceXBeside(j);
  return result;
}

// j := j+1
void THeapSort::sift_Line2() {
  Var("j").SetValue(Var("j").Value() + 1);
  PlaceXBeside(Var("j").Value());
}

// IF (x <= r[j].key) THEN: a child equal to x does not stop the sift
bool THeapSort::sift_F_If2() {
  CountComp();
  return KeyAt(R(), Var("j").Value())->Value() > SiftKey;
}

// finished := true
void THeapSort::sift_Line3() { Var<TBoolData>("finished").SetValue(true); }

// r[i] := r[j]; i := j; j := 2*i
void THeapSort::sift_Else() {
  const int i = Var("i").Value();
  const int j = Var("j").Value();
  graphForm_->R->MoveKey(i, j, true);
  graphForm_->Tree->MoveIndexed(i, j, true);
  KeyAt(R(), i)->SetValue(KeyAt(R(), j)->Value());
  Var("i").SetValue(j);
  Var("j").SetValue(2 * j);
  CountMove();
}

// r[i] := t
void THeapSort::sift_Line4() {
  THeapSortGraphForm& f = *graphForm_;
  const int i = Var("i").Value();
  const char key = SiftKey;
  f.R->SetKey(i, key);
  f.R->NodeAt(i)->SetColor(f.R->NodeColor);
  f.R->AfterRescale();
  f.Tree->SetIndexedValue(i, key);
  for (int round = 0; round < 2; ++round) {
    f.Tree->GetNode(i)->SetHighlighted(true);
    Delay(200);
    f.Tree->GetNode(i)->SetHighlighted(false);
    Delay(200);
  }
  KeyAt(R(), i)->SetValue(key);
  CountMove();
}
