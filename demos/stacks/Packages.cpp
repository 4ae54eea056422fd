#include "demos/stacks/Packages.h"

#include <algorithm>

#include "demos/stacks/MyStringData.h"
#include "demos/stacks/PackagesForm1.h"
#include "demos/stacks/PackagesForm2.h"
#include "demos/stacks/PkgForm.h"
#include "framework/drawkit/StackBox.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/RunFrames.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"

// ---------------------------------------------------------------- stack row

TPackagesStkData::TPackagesStkData(const QString& name, int adr, int n, int t)
    : TData(name), Adr(adr), n(n), t(t) {}

QString TPackagesStkData::GetText() const {
  return CutText(QStringLiteral(" %1  %2  %3").arg(Adr).arg(n, 2).arg(t, 2));
}

// ---------------------------------------------------------------- windows and data

TPackages::TPackages(const QStringList& source) : TAlgoDemo(source) { weights_.fill(1); }
TPackages::~TPackages() = default;

void TPackages::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  graphForm_ = std::make_unique<TPkgForm>();
  SayMeanings();
}

namespace {
const QString kHeading = QStringLiteral("Adr  n   t");
}  // namespace

void TPackages::SayMeanings() {
  graphForm_->StackBox->RowsStandFor = [this](int index) { return RowFor(index); };
  graphForm_->CellStandsFor = [this](int k) -> std::optional<QString> {
    if (CurLine() == nullptr) return std::nullopt;
    const std::vector<int> levels = PackedLevels();
    return k <= static_cast<int>(levels.size()) ? TPkgForm::ItemNote(levels[static_cast<std::size_t>(k - 1)]) : QString();
  };
  // While line 2 announces a solution (its step runs, t = 0), the packed items' labels show it.
  graphForm_->LabelStandsFor = [this](int item) -> std::optional<QString> {
    if (CurLine() == nullptr) return std::nullopt;
    const bool announcing = PrevLine() == CurLine() && CurLine()->Label() == QLatin1String("Begin") && Var("t").Value() == 0;
    const std::vector<int> levels = PackedLevels();
    return TPkgForm::PackedNote(announcing && std::find(levels.begin(), levels.end(), item) != levels.end());
  };
  graphForm_->PileStandsFor = [this](int item) -> std::optional<QString> {
    if (CurLine() == nullptr) return std::nullopt;
    const std::vector<int> levels = PackedLevels();
    // A block of a packed item's pile should not be drawn at all.
    if (std::find(levels.begin(), levels.end(), item) != levels.end()) return QStringLiteral("none: W%1 is packed").arg(item);
    return TPkgForm::ItemNote(item);
  };
}

std::vector<int> TPackages::PackedLevels() const {
  const TRunFrames calls{*this};
  std::vector<int> levels;
  for (int d = 1; d < calls.Count(); ++d) {
    if (calls.CalledFrom(d) != QLatin1String("PutinThis")) continue;
    const int item = calls.Int(d - 1, "n").value_or(0);
    const int weight = calls.Int(d - 1, "t").value_or(0) - calls.Int(d, "t").value_or(0);
    for (int j = 0; j < weight; ++j) levels.push_back(item);
  }
  return levels;
}

std::optional<QString> TPackages::RowFor(int index) const {
  // The bottom row is the heading; row k shows the call at depth k - 1, the first one at 0.
  if (index == 0) return kHeading;
  const TRunFrames calls{*this};
  const int depth = index - 1;
  if (depth >= calls.Count()) return std::nullopt;
  const QString from = calls.CalledFrom(depth);
  const int adr = from == QLatin1String("PutinThis") ? 4 : from == QLatin1String("TryNext") ? 5 : 7;
  return TPackagesStkData(QString(), adr, calls.Int(depth, "n").value_or(0), calls.Int(depth, "t").value_or(0)).GetText();
}

void TPackages::DestroyChildWindow() {
  graphForm_.reset();
  TAlgoDemo::DestroyChildWindow();
}

void TPackages::SetWeights(const std::array<int, 10>& weights) { weights_ = weights; }

void TPackages::SetItemCount(int count) { itemCount_ = std::clamp(count, 1, MaxItems); }

std::unique_ptr<TData> TPackages::GetInitialParam() {
  return std::unique_ptr<TData>(NewFrame(IntVar("n", itemCount_), IntVar("t", Volume())));
}

bool TPackages::CreateData() {
  TPackagesForm1 countDlg;
  countDlg.ItemCount = itemCount_;
  countDlg.Execute();
  if (!countDlg.Accepted) return false;
  TPackagesForm2 weightsDlg;
  weightsDlg.ItemCount = countDlg.ItemCount;
  weightsDlg.Weights = weights_;
  if (!weightsDlg.Execute()) return false;
  // Only input that was confirmed in both dialogs replaces the data in use.
  SetItemCount(countDlg.ItemCount);
  SetWeights(weightsDlg.Weights);
  return true;
}

void TPackages::SetWindowRect() {
  MainForm->DockThreePanes(graphForm_.get(), 63, AlgorithmForm, 60, VariableForm);
}

void TPackages::Reset() {
  TAlgoDemo::Reset();
  graphForm_->SetupItems(itemCount_, weights_);
  TStackBox& stack = *graphForm_->StackBox;
  stack.Clear();
  stack.Push(std::make_unique<TMyStringData>(QString(), kHeading));
  stack.Push(std::make_unique<TPackagesStkData>(QString(), 7, itemCount_, Volume()));
  CopyTopRow();
}

void TPackages::ShowGraph() { graphForm_->Repaint(); }

// ---------------------------------------------------------------- helpers

void TPackages::CopyTopRow() {
  const auto* top = dynamic_cast<const TPackagesStkData*>(graphForm_->StackBox->Top());
  if (top == nullptr) return;  // only the heading is left
  TopRow.Adr = top->Adr;
  TopRow.n = top->n;
  TopRow.t = top->t;
}

TData* TPackages::Call(int adr, int n, int t) {
  graphForm_->StackBox->Push(std::make_unique<TPackagesStkData>(QString(), adr, n, t));
  CopyTopRow();
  return NewFrame(IntVar("n", n), IntVar("t", t));
}

// ---------------------------------------------------------------- Package(n, t)

// 2  If t=0 Then Output
bool TPackages::Packages_F_Begin() {
  if (Var("t").Value() != 0) return true;
  graphForm_->ShowPacking();
  return false;
}

// 3  Else If (t>0) and (n>0)
bool TPackages::Packages_F_Check() { return Var("t").Value() > 0 && Var("n").Value() > 0; }

// 4  Then [ Package(n-1,t-w[n]);   item n goes into the knapsack
TData* TPackages::Packages_C_PutinThis() {
  TPkgForm& g = *graphForm_;
  const int n = Var("n").Value();
  const int t = Var("t").Value();
  const int knapsack = itemCount_ + 1;
  g.Levels[n] = 0;
  for (int j = Weight(n); j >= 1; --j) {
    const int cell = g.Levels[knapsack] + j;
    g.SetCell(cell, n);
    g.TakeBlock(n, j);
    g.DrawKnapsackCell(cell);
  }
  g.Levels[knapsack] += Weight(n);
  return Call(4, n - 1, t - Weight(n));
}

// Back from Package(n-1,t-w[n]): item n goes back onto its pile.
void TPackages::Packages_AfterPutinThis() {
  TPkgForm& g = *graphForm_;
  CopyTopRow();
  const int n = TopRow.n + 1;
  const int t = TopRow.t + Weight(n);
  TopRow.n = n;
  TopRow.t = t;
  const int knapsack = itemCount_ + 1;
  g.Levels[n] = Weight(n);
  g.RestorePile(n);
  g.Levels[knapsack] -= Weight(n);
  const int level = g.Levels[knapsack];
  g.EmptyCells(level + 1, level + Weight(n));
  g.ClearKnapsackCells(level + 1, level + Weight(n));
  (void)g.StackBox->Pop();
}

// 5  Package(n-1,t);   item n is left out
TData* TPackages::Packages_C_TryNext() { return Call(5, TopRow.n - 1, TopRow.t); }

void TPackages::Packages_AfterTryNext() {
  CopyTopRow();
  (void)graphForm_->StackBox->Pop();
  TopRow.n += 1;
}
