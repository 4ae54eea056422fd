#include "demos/sort/MergeSort.h"

#include <QPlainTextEdit>
#include <algorithm>

#include "demos/sort/ExternalForms.h"
#include "demos/sort/SortDemo.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/DemoViews.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"

void TMergeSort::CreateChildWindow() {
  TFormDemo::CreateChildWindow();
  TMovingLsTree& tree = *graphForm_->MovingLsTree;
  // Records 0 .. k-1 are ls, k .. 2k-1 the leaves b[0] .. b[k-1], 2k the sentinel b[k].
  tree.ValueMeans = [this](int r) -> std::vector<TValueMeaning> {
    if (r < K)
      return {GlobalShown(QStringLiteral("ls[%1]").arg(r),
                     [this](const QString& v) { return LosersShown() ? v : QString(); })};
    const int s = r - K;
    return {GlobalShown(QStringLiteral("b[%1]").arg(s), [this, s](const QString& v) {
      return s == K || LeafShown(s) ? v : QString();
    })};
  };
  // A leaf whose run is exhausted (its key MAXKEY) is grey.
  tree.ShapeMeans = [this](int r) -> std::vector<TValueMeaning> {
    if (r < K || r >= 2 * K) return {};
    const int s = r - K;
    TValueMeaning grey = GlobalShown(QStringLiteral("b[%1]").arg(s), [this](const QString& v) {
      const bool read = !(RunIn(*this, "KMerge") && RunAt(*this, {"Begin"}));
      return read && v.toInt() == MaxKey ? QStringLiteral("grey") : QString();
    });
    grey.Part = TValueMeaning::InNote;
    return {grey};
  };
  graphForm_->OutputMemo->Stands = {{.Value = [this] { return std::optional(FileText(QStringLiteral("<Output file>"), Output)); },
                                     .Part = TValueMeaning::InNote}};
  // The column under leaf j holds the keys of run j not yet read.
  tree.UnderMeans = [this](int j, int k) -> std::vector<TValueMeaning> {
    return {{.Value = [this, j, k]() -> std::optional<QString> {
      const int at = RunPos[static_cast<std::size_t>(j)] + 1 + k;
      if (at < 0 || at > 8) return std::nullopt;
      return QString::number(RunKeys[static_cast<std::size_t>(j)][static_cast<std::size_t>(at)]);
    }}};
  };
}

bool TMergeSort::LosersShown() const {
  return !(RunIn(*this, "KMerge") && RunAt(*this, {"Begin", "GoSubCrtLs"})) &&
         !(RunIn(*this, "CreateLoserTree") && RunAt(*this, {"Begin", "InitLs"}));
}

bool TMergeSort::LeafShown(int s) const {
  if (!RunIn(*this, "KMerge")) return true;
  if (RunAt(*this, {"Begin"})) return false;
  if (RunAt(*this, {"InputKey"})) return s != Var("q").Value();
  if (RunAt(*this, {"End"})) return s != Ls(0)->Value();
  return true;
}

std::unique_ptr<TData> TMergeSort::GetGlobalData() {
  auto globals = std::make_unique<TData>(QString());
  AddVars(*globals, IntVar("MaxKey", MaxKey), IntVar("MinKey", MinKey), IntVar("k", K));
  auto* ls = globals->Add(new TVector(QStringLiteral("ls")));
  for (int i = 0; i < K; ++i) ls->Add(new TIntData(QString::number(i), 0));
  auto* b = globals->Add(new TVector(QStringLiteral("b")));
  for (int i = 0; i <= K; ++i) b->Add(new TIntData(QString::number(i), 0));
  return globals;
}

std::unique_ptr<TData> TMergeSort::GetInitialParam() {
  return std::unique_ptr<TData>(NewFrame(IntVar("i", 0), IntVar("q", 0)));
}

bool TMergeSort::CreateData() {
  TmsGetDataFm dlg;
  const bool ok = dlg.Execute(K, RunKeys);
  RunPos.fill(-1);
  return ok;
}

void TMergeSort::SetRuns(const std::vector<std::vector<int>>& runs) {
  K = static_cast<int>(std::min<std::size_t>(runs.size(), MaxRuns));
  for (int j = 0; j < K; ++j) {
    const auto& run = runs[static_cast<std::size_t>(j)];
    const int m = static_cast<int>(std::min<std::size_t>(run.size(), 8));
    std::copy_n(run.begin(), m, RunKeys[static_cast<std::size_t>(j)].begin());
    RunKeys[static_cast<std::size_t>(j)][static_cast<std::size_t>(m)] = MaxKey;
  }
  RunPos.fill(-1);
}

void TMergeSort::SetWindowRect() { MainForm->DockThreePanes(graphForm_.get(), 60, AlgorithmForm, 60, VariableForm); }

void TMergeSort::Reset() {
  TAlgoDemo::Reset();
  TMovingLsTree& tree = *graphForm_->MovingLsTree;
  tree.SetLastIndex(K - 1);
  tree.SetShowSentinel(false);
  tree.ShowRuns = true;
  for (int i = 0; i < 2 * K; ++i) tree.SetNode(i, TLsNodeRec{-1, i, true, false});
  RunPos.fill(-1);
  for (int j = 0; j < K; ++j) {
    TLsRunRec run;
    const auto& keys = RunKeys[static_cast<std::size_t>(j)];
    const auto end = std::find(keys.begin(), keys.end(), MaxKey);
    run.LastKey = static_cast<int>(end - keys.begin());
    std::copy(keys.begin(), keys.end(), run.Keys.begin());
    tree.SetRun(j, run);
  }
  StartMemo(*graphForm_->OutputMemo, QStringLiteral("<Output file>"));
  Output.clear();
}

TIntData* TMergeSort::Ls(int i) const {
  return static_cast<TIntData*>(Globals()->FindByName(QStringLiteral("ls"))->Items(i));
}

TIntData* TMergeSort::B(int i) const {
  return static_cast<TIntData*>(Globals()->FindByName(QStringLiteral("b"))->Items(i));
}

void TMergeSort::ReadNext(int q) {
  // A run's 999 is its last key; a leaf holding it never wins again before the end.
  RunPos[q] = std::min(RunPos[q] + 1, 8);
  B(q)->SetValue(RunKeys[static_cast<std::size_t>(q)][static_cast<std::size_t>(RunPos[q])]);
  graphForm_->ReadLeaf(q);
}

// ---------------------------------------------------------------- KMerge

// FOR i := 0 TO k-1 DO input(b[i].key)
void TMergeSort::KMerge_Begin() {
  for (int i = 0; i < K; ++i) ReadNext(i);
  Var("i").SetValue(K);
}

// CreateLoserTree(ls)
TData* TMergeSort::KMerge_C_GoSubCrtLs() { return NewFrame(IntVar("i", 0)); }

// WHILE b[ls[0]].key <> MAXKEY DO
bool TMergeSort::KMerge_F_While() { return B(Ls(0)->Value())->Value() != MaxKey; }

// q := ls[0]
void TMergeSort::KMerge_QeqLs0() {
  Var("q").SetValue(Ls(0)->Value());
  graphForm_->HighlightLeaf(Var("q").Value());
}

// output(q)
void TMergeSort::KMerge_OutputQ() {
  Output.push_back(B(Var("q").Value())->Value());
  graphForm_->OutputLeaf(Var("q").Value(), RunSpeed);
}

// input(b[q].key)
void TMergeSort::KMerge_InputKey() { ReadNext(Var("q").Value()); }

// Adjust(ls, q)
TData* TMergeSort::KMerge_C_GoSubAdjustLs() { return NewFrame(IntVar("s", Var("q").Value()), IntVar("t", 0)); }

// output(ls[0]): the winner's 999 closes the output run
void TMergeSort::KMerge_OutputLs() {
  Output.push_back(B(Ls(0)->Value())->Value());
  graphForm_->OutputLeaf(Ls(0)->Value(), RunSpeed);
}

// ---------------------------------------------------------------- Adjust

// t := (s+k) DIV 2
void TMergeSort::Adjust_Begin() {
  Var("t").SetValue((Var("s").Value() + K) / 2);
  graphForm_->ShowTCursor(Var("t").Value());
}

// WHILE t > 0 DO
bool TMergeSort::Adjust_F_While() { return Var("t").Value() > 0; }

// IF b[s].key > b[ls[t]].key THEN s <-> ls[t]
void TMergeSort::Adjust_IfSwap() {
  const int s = Var("s").Value();
  TIntData* lst = Ls(Var("t").Value());
  if (B(s)->Value() <= B(lst->Value())->Value()) return;
  Var("s").SetValue(lst->Value());
  lst->SetValue(s);
  graphForm_->ShowSwap(Var("t").Value(), s);
}

// t := t DIV 2
void TMergeSort::Adjust_Tdiv2() {
  const int t = Var("t").Value();
  Var("t").SetValue(t / 2);
  graphForm_->ShowHalveT(t);
}

// ls[0] := s
void TMergeSort::Adjust_Ls0eqS() {
  Ls(0)->SetValue(Var("s").Value());
  graphForm_->ShowWinner(Var("s").Value());
}

// ---------------------------------------------------------------- CreateLoserTree

// b[k].key := MINKEY
void TMergeSort::CreateLoserTree_Begin() {
  B(K)->SetValue(MinKey);
  graphForm_->ShowMinKey(MinKey);
}

// FOR i := 0 TO k-1 DO ls[i] := k
void TMergeSort::CreateLoserTree_InitLs() {
  for (int i = 0; i < K; ++i) Ls(i)->SetValue(K);
  Var("i").SetValue(K);
  graphForm_->ShowInitLosers(RunSpeed);
}

// FOR i := k-1 DOWNTO 0 DO
bool TMergeSort::CreateLoserTree_F_ForI() {
  Var("i").SetValue(Var("i").Value() - 1);
  if (Var("i").Value() >= 0) return true;
  graphForm_->MovingLsTree->SetShowSentinel(false);
  return false;
}

// Adjust(ls, i)
TData* TMergeSort::CreateLoserTree_C_GoSubAdjustLs() { return NewFrame(IntVar("s", Var("i").Value()), IntVar("t", 0)); }
