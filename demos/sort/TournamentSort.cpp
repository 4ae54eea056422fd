#include "demos/sort/TournamentSort.h"

#include "demos/sort/WinnerTree.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/DemoViews.h"
#include "framework/shell/MainForm.h"

TTourSortGraphForm::TTourSortGraphForm(QWidget* parent) : TSortGraphForm(parent) {
  SetCaption(QStringLiteral("锦标赛排序"));
  SetDesignClientSize(392, 439);
  AutoSizeEdit1 = PlaceCaption("AutoSizeEdit1", QStringLiteral("r[1]..r[n]"), {0, 3, 89, 30},
                               SortFont("Times New Roman", -19, clBlue));
  R = PlaceRow("R", {0, 37, 391, 74}, 8, 1, clPurple, 1);
  Tree = Place(new TWinnerTree(this), 0, 117, 391, 267);
  Tree->setObjectName(QStringLiteral("Tree"));
  Tree->MaxDepth = 4;
  Tree->LineColor = clBlack;
  Tree->ShowName = false;
  Tree->PointerSize = 1;
  PlaceCounters({16, 391, 161, 32}, {200, 391, 161, 32}, SortFont("宋体", -19, clBlue, fsBold));
}

void TTournamentSort::CreateChildWindow() {
  TFormSortDemo::CreateChildWindow();
  HoldRow(*graphForm_->R, QStringLiteral("r"), 1, [](int) { return clPurple; });
}

void TTournamentSort::SetWindowRect() {
  MainForm->DockThreePanes(graphForm_.get(), 50, AlgorithmForm, 60, VariableForm);
}

std::unique_ptr<TData> TTournamentSort::GetGlobalData() {
  auto globals = std::make_unique<TData>(QString());
  globals->Add(KeyVector(QStringLiteral("r"), Keys));
  globals->Add(KeyVector(QStringLiteral("w"), QString(2 * N() - 1, ' ')));
  return globals;
}

std::unique_ptr<TData> TTournamentSort::GetInitialParam() { return std::unique_ptr<TData>(NewFrame(IntVar("n", N()))); }

bool TTournamentSort::CreateData() {
  if (!InputKeys(8, 3)) return false;
  TWinnerTree& tree = *graphForm_->Tree;
  tree.ClearNodes();
  Ids.assign(static_cast<std::size_t>(2 * N()), 0);
  for (int i = 1; i <= 2 * N() - 1; ++i) {
    tree.SetIndexedValue(i, ' ');
    // Node i is w[i]: its key over its winner's id (a blank key before the tree is built).
    tree.Winner(i)->Stands = {{.Call = TMarkMeaning::Global,
                               .Of = {QStringLiteral("w[%1]").arg(i - 1)},
                               .Map = [this, i](const QStringList& v) -> std::optional<QString> {
                                 if (v[0].trimmed().isEmpty()) return QString();
                                 return v[0] + QLatin1Char(' ') + QString::number(Ids[static_cast<std::size_t>(i)]);
                               }}};
  }
  tree.Arrange();
  return true;
}

void TTournamentSort::ResetLocalData(const QString& procName) {
  if (procName == QLatin1String("tournament"))
    AddVars(*Locals(), IntVar("i", 0), IntVar("s", 0));
  else if (procName == QLatin1String("constructtree"))
    AddVars(*Locals(), IntVar("i", 0));
  else
    AddVars(*Locals(), IntVar("b", 0), IntVar("f", 0));
}

void TTournamentSort::Reset() {
  ResetRow();
  TWinnerTree& tree = *graphForm_->Tree;
  for (int i = 1; i <= 2 * N() - 1; ++i) {
    tree.SetIndexedValue(i, ' ');
    if (TWinnerTreeNode* node = tree.Winner(i)) {
      node->Id = 0;
      node->Repaint();
    }
  }
  std::fill(Ids.begin(), Ids.end(), 0);
  Counter = 1;
  TSortDemo::Reset();
}

TData* TTournamentSort::W() const { return Globals()->FindByName(QStringLiteral("w")); }
TData* TTournamentSort::R() const { return Globals()->FindByName(QStringLiteral("r")); }

void TTournamentSort::CopyWinner(int dest, int src) {
  CountMove();
  graphForm_->Tree->CopyWinner(dest, src, true);
  KeyAt(W(), dest)->SetValue(KeyAt(W(), src)->Value());
  Ids[static_cast<std::size_t>(dest)] = Ids[static_cast<std::size_t>(src)];
}

void TTournamentSort::Output(int i) {
  const char key = KeyAt(W(), 1)->Value();
  KeyAt(R(), i)->SetValue(key);
  graphForm_->R->SetKey(i, key);
  graphForm_->R->AfterRescale();
}

// ---------------------------------------------------------------- tournament

// Construct_Wintree(w)
TData* TTournamentSort::tournament_C_Begin() {
  Counter = 1;
  return new TData(QString());
}
void TTournamentSort::tournament_AfterBegin() { Counter = 1; }

// FOR i := 1 TO n-1 DO
bool TTournamentSort::tournament_F_For() { return ForStep(&*Var("i"), Counter, N() - 1); }

// r[i] := w[1]; s := w[1].id+n-1
void TTournamentSort::tournament_Line1() {
  Output(Var("i").Value());
  Var("s").SetValue(Ids[1] + N() - 1);
}

// w[s].key := Max
void TTournamentSort::tournament_Line2() {
  const int s = Var("s").Value();
  graphForm_->Tree->SetIndexedValue(s, Max);
  KeyAt(W(), s)->SetValue(Max);
}

// Select_Winner(w, s)
TData* TTournamentSort::tournament_C_Line3() { return NewFrame(IntVar("s", Var("s").Value())); }

// r[n] := w[1]
void TTournamentSort::tournament_Line4() { Output(N()); }

// ---------------------------------------------------------------- constructtree

// FOR i := 1 TO n DO
bool TTournamentSort::constructtree_F_Begin() { return ForStep(&*Var("i"), Counter, N()); }

// w[i+n-1].key := r[i].key
void TTournamentSort::constructtree_Line1() {
  const int i = Var("i").Value();
  const char key = KeyAt(R(), i)->Value();
  KeyAt(W(), i + N() - 1)->SetValue(key);
  graphForm_->Tree->SetIndexedValue(i + N() - 1, key);
}

// w[i+n-1].id := i
void TTournamentSort::constructtree_Line2() {
  const int i = Var("i").Value();
  Ids[static_cast<std::size_t>(i + N() - 1)] = i;
  TWinnerTreeNode* node = graphForm_->Tree->Winner(i + N() - 1);
  node->Id = i;
  node->Repaint();
}

// i := 2*n-1
void TTournamentSort::constructtree_Line3() { Var("i").SetValue(2 * N() - 1); }

// WHILE i > 1 DO
bool TTournamentSort::constructtree_F_While() { return Var("i").Value() > 1; }

// IF w[i].key <= w[i-1].key THEN: an equal pair passes up the right-hand child
bool TTournamentSort::constructtree_F_If() {
  const int i = Var("i").Value();
  const bool greater = graphForm_->Tree->CompareIndexed(i, i - 1, true);
  CountComp();
  return !greater;
}

// w[i DIV 2] := w[i]
void TTournamentSort::constructtree_Line4() { CopyWinner(Var("i").Value() / 2, Var("i").Value()); }

// w[i DIV 2] := w[i-1]
void TTournamentSort::constructtree_Else() { CopyWinner(Var("i").Value() / 2, Var("i").Value() - 1); }

// i := i-2
void TTournamentSort::constructtree_Line5() { Var("i").SetValue(Var("i").Value() - 2); }

// ---------------------------------------------------------------- selectwinner

// WHILE s > 1 DO
bool TTournamentSort::selectwinner_F_Begin() { return Var("s").Value() > 1; }

// IF s MOD 2 = 0 THEN
bool TTournamentSort::selectwinner_F_If() { return Var("s").Value() % 2 == 0; }

// b := s+1
void TTournamentSort::selectwinner_Line1() { Var("b").SetValue(Var("s").Value() + 1); }

// b := s-1
void TTournamentSort::selectwinner_Else() { Var("b").SetValue(Var("s").Value() - 1); }

// f := s DIV 2
void TTournamentSort::selectwinner_Line2() { Var("f").SetValue(Var("s").Value() / 2); }

// IF w[s].key <= w[b].key THEN
bool TTournamentSort::selectwinner_F_If2() {
  const bool greater = graphForm_->Tree->CompareIndexed(Var("s").Value(), Var("b").Value(), true);
  CountComp();
  return !greater;
}

// w[f] := w[s]
void TTournamentSort::selectwinner_Line3() { CopyWinner(Var("f").Value(), Var("s").Value()); }

// w[f] := w[b]
void TTournamentSort::selectwinner_Else2() { CopyWinner(Var("f").Value(), Var("b").Value()); }

// s := f
void TTournamentSort::selectwinner_Line4() { Var("s").SetValue(Var("f").Value()); }
