#include "demos/search/NOST.h"

#include <algorithm>
#include <cstdlib>

#include "demos/search/NOSTFrm.h"
#include "demos/trees/HuffmanIptDlg.h"
#include "demos/trees/TreeBase.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/drawkit/StackBox.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/Globals.h"
#include "framework/engine/RunFrames.h"
#include "framework/shell/MainForm.h"
#include "platform/ModalHost.h"

// ---------------------------------------------------------------- stack row

TNOSTStackData::TNOSTStackData(const QString& name, int lineNo, const TBinCharTreeNode* parent, int low, int high)
    : TData(name), LineNo(lineNo), RowParent(parent), Low(low), High(high) {
  if (parent) letter_ = parent->Value();
}

QString TNOSTStackData::GetText() const { return RowText(LineNo, RowParent ? letter_ : '\0', Low, High); }

QString TNOSTStackData::RowText(int lineNo, char parent, int low, int high) {
  // Each field from the first cell of its heading in "行号    父结点    下界     上界", a
  // Chinese character taking two cells.
  const QString shown = parent != '\0' ? QString(QChar::fromLatin1(parent))
                                        : (UseCLanguage ? QStringLiteral("NULL") : QStringLiteral("NIL"));
  return CutText(QStringLiteral("%1%2%3%4").arg(lineNo, -8).arg(shown, -10).arg(low, -9).arg(high));
}

// ---------------------------------------------------------------- windows and data

TNOST::TNOST(const QStringList& source) : TAlgoDemo(source) {}
TNOST::~TNOST() = default;

void TNOST::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  form_ = std::make_unique<TNOSTForm>();
  SayWhatIsDrawn();
  stackForm_ = MakeStackWindow({.cols = 1, .rows = 6, .title = QStringLiteral("行号    父结点    下界     上界        "),
                               .columns = true});
  TStackBox& stack = *stackForm_->Stack;
  stack.TitleColor = TColor(0x0000FF);
  stack.NodeFont.Name = QStringLiteral("Courier New");
  stack.NodeFont.Color = TColor(0x008000);
  // Row r is the call at depth r + 1, pushed as its frame is.
  stack.RowsStandFor = [this](int index) { return StackRowText(index + 1); };
}

std::optional<QString> TNOST::StackRowText(int depth) const {
  const TRunFrames calls{*this};
  const std::optional<int> low = calls.Int(depth, "low"), high = calls.Int(depth, "high");
  if (!low || !high) return std::nullopt;
  // The first call comes from CreateSOSTree; the others build a subtree of their caller's root
  // R[i], its left one (high = i - 1) on line 9, its right one on line 12 (11 and 14 in C).
  if (depth <= 1) return TNOSTStackData::RowText(0, '\0', *low, *high);
  const std::optional<int> i = calls.Int(depth - 1, "i");
  if (!i || *i < 1 || *i > Count) return std::nullopt;
  const bool left = *high == *i - 1;
  const int line = left ? (UseCLanguage ? 11 : 9) : (UseCLanguage ? 14 : 12);
  return TNOSTStackData::RowText(line, Keys[static_cast<std::size_t>(*i)], *low, *high);
}

void TNOST::SayWhatIsDrawn() {
  TNOSTForm& f = *form_;
  f.CellStands = [this](TNOSTForm::TValueRow row, int k) -> std::vector<TValueMeaning> {
    const auto at = static_cast<std::size_t>(k);
    return {{.Value = [this, row, at]() -> std::optional<QString> {
      switch (row) {
        case TNOSTForm::KeyRow: return QString(QChar::fromLatin1(Keys[at]));
        case TNOSTForm::WeightRow: return QString::number(Weights[at]);
        case TNOSTForm::SumRow: break;
      }
      return QString::number(SW[at]);
    }}};
  };
  f.MinStands = {{.Of = {QStringLiteral("min")}}};
  // high, low and the j being compared, over the cumulative weights.
  f.DiffStands = {{.Value = [this]() -> std::optional<QString> {
    const TRunFrames calls{*this};
    const int depth = calls.Innermost();
    const std::optional<int> low = calls.Int(depth, "low"), high = calls.Int(depth, "high");
    const int j = ComparedJ(calls);
    if (!low || !high || j < 1 || j > Count || *low < 1 || *high > Count) return std::nullopt;
    const int a = SW[static_cast<std::size_t>(*high)] - SW[static_cast<std::size_t>(j)];
    const int b = SW[static_cast<std::size_t>(j - 1)] - SW[static_cast<std::size_t>(*low - 1)];
    return QString::number(a) + QLatin1Char('-') + QString::number(b) + QLatin1Char('=') + QString::number(a - b);
  }}};
  // T: the node the innermost call made.
  f.Pointer->Means = {.Node = [this] {
    const int depth = TRunFrames{*this}.Innermost();
    return TShapeRef{depth >= 0 && depth < static_cast<int>(callNodes_.size()) ? callNodes_[static_cast<std::size_t>(depth)].data() : nullptr};
  }};
}

int TNOST::ComparedJ(const TRunFrames& calls) const {
  const int depth = calls.Innermost();
  const int j = calls.Int(depth, "j").value_or(0), low = calls.Int(depth, "low").value_or(0);
  const QString at = calls.Line(depth);
  // The test and its THEN part compare j; the loop steps j on past them (where the test fails,
  // or at the end of the THEN part), and stands at low + 1 before its first test.
  if (at == QLatin1String("ifabs") || at == QLatin1String("ibj")) return j;
  if ((at == QLatin1String("forj") || at == QLatin1String("endifabs")) && j - 1 > low) return j - 1;
  return 0;
}

std::optional<QString> TNOST::KeyOfCallNode(const TBinCharTreeNode* node) const {
  const TRunFrames calls{*this};
  const int count = std::min(calls.Count(), static_cast<int>(callNodes_.size()));
  for (int depth = 1; depth < count; ++depth) {
    if (callNodes_[static_cast<std::size_t>(depth)] != node) continue;
    const std::optional<int> i = calls.Int(depth, "i");
    if (!i || *i < 1 || *i > Count) return std::nullopt;
    return QString(QChar::fromLatin1(Keys[static_cast<std::size_t>(*i)]));
  }
  return std::nullopt;
}

void TNOST::DestroyChildWindow() {
  stackForm_.reset();
  form_.reset();
  TAlgoDemo::DestroyChildWindow();
}

std::unique_ptr<TData> TNOST::GetGlobalData() { return std::make_unique<TData>(QString()); }

std::unique_ptr<TData> TNOST::GetInitialParam() { return std::unique_ptr<TData>(NewFrame(IntVar("max", Count))); }

bool TNOST::CreateData() {
  int w[THuffmanIptDlg::kMaxWeights] = {};
  int n = 0;
  {
    THuffmanIptDlg dlg;
    dlg.MaxTotal = TNOSTForm::kMaxTotal;
    if (!dlg.Execute(n, w)) return false;
  }
  Count = n;
  TNOSTForm& f = *form_;
  f.Count = n;
  f.Tree->Count = n;
  SW.fill(0);
  f.SW.fill(0);
  for (int k = 1; k <= n; ++k) {
    Keys[k] = static_cast<char>(64 + k);
    Weights[k] = w[k - 1];
    f.Keys[k] = Keys[k];
    f.Weights[k] = Weights[k];
  }
  f.PlaceTree();  // the table of its length and weights takes its room
  return true;
}

void TNOST::SetWindowRect() { MainForm->DockThreePanes(form_.get(), 60, AlgorithmForm, 60, stackForm_.get()); }

void TNOST::Reset() {
  TAlgoDemo::Reset();
  stackForm_->Stack->Clear();
  BuildParent = nullptr;
  CurNode = nullptr;
  TNOSTForm& f = *form_;
  for (int k = 1; k <= Count; ++k) SW[k] = f.SW[k] = 0;
  callNodes_.assign(1, nullptr);
  f.Pointer->SetTarget(nullptr);
  f.Pointer->hide();
  f.Tree->Clear();
  f.Tree->MaxDepth = 4;
  f.Tree->Repaint();
  f.HideMarkers();
  f.Repaint();
}

void TNOST::UpdateChildWindow() {
  TAlgoDemo::UpdateChildWindow();
  if (UpdateHiddenWindows || form_->isVisible()) form_->Update();
}

void TNOST::PushRow(int lineNo, const TBinCharTreeNode* parent, int low, int high) {
  TStackBox& stack = *stackForm_->Stack;
  // A full box grows by a row, so deep recursions keep every row in sight.
  if (stack.Count() >= stack.ColCount * stack.RowCount && stack.RowCount < 20) ++stack.RowCount;
  stack.Push(std::make_unique<TNOSTStackData>(QString(), lineNo, parent, low, high));
  callNodes_.push_back(nullptr);
}

void TNOST::HidePointer() {
  // Without its target too: the tree shows every pointer with a target when it is arranged
  // anew (a resize), and the call that hid T has made no node yet.
  form_->Pointer->SetTarget(nullptr);
  form_->Pointer->hide();
}

void TNOST::PointAt(TBinCharTreeNode* node) {
  TPointer2& p = *form_->Pointer;
  p.SetTarget(node);
  form_->Tree->PlacePointers();
  p.show();
  p.repaint();
}

// ---------------------------------------------------------------- CreateSOSTree

// FindSW(sw, ST)
TData* TNOST::CreateSOSTree_C_sw() { return NewFrame(IntVar("max", Count), IntVar("i", 0)); }

// SecondOptimal(T, ST.elem, sw, 1, ST.length)
TData* TNOST::CreateSOSTree_C_so() {
  const int max = V("max");
  PushRow(0, BuildParent, 1, max);
  TNOSTForm& f = *form_;
  TNOSTForm::SetMark(f.MarkI, -1);
  TNOSTForm::SetMark(f.MarkJ, -1);
  TNOSTForm::SetMark(f.MarkLow, 1);
  TNOSTForm::SetMark(f.MarkHigh, max);
  f.MarkMin = -1;
  f.Repaint();
  return NewFrame(IntVar("low", 1), IntVar("high", max), IntVar("i", 0), IntVar("j", 0), IntVar("min", 0),
                  IntVar("dw", 0));
}

void TNOST::CreateSOSTree_Afterso() {
  callNodes_.pop_back();
  if (CurNode) CurNode->SetHighlighted(false);
  HidePointer();
  form_->HideMarkers();
  form_->Repaint();
  (void)stackForm_->Stack->Pop();
}

// ---------------------------------------------------------------- FindSw

// sw[0] := 0
void TNOST::FindSw_Begin() {
  SW[0] = 0;
  form_->SW[0] = 0;
  Set("i", 1);
}

// FOR i := 1 TO n DO sw[i] := sw[i-1] + R[i].weight  (one entry a step)
bool TNOST::FindSw_F_fori() {
  const int i = V("i");
  if (i > V("max")) return true;
  SW[i] = SW[i - 1] + Weights[i];
  form_->SW[i] = SW[i];
  form_->Repaint();
  Set("i", i + 1);
  return false;
}

// ---------------------------------------------------------------- SecondOptimal

// i := low; min := |sw[high] - sw[low]|; dw := sw[high] + sw[low-1]
void TNOST::SecondOptimal_Begin() {
  const int low = V("low"), high = V("high");
  Set("i", low);
  Set("min", std::abs(SW[high] - SW[low]));
  Set("dw", SW[high] + SW[low - 1]);
  Set("j", low + 1);
  form_->MarkI = {low, double(low)};
  form_->MarkMin = V("min");
  form_->Repaint();
}

// FOR j := low+1 TO high DO
bool TNOST::SecondOptimal_F_forj() {
  const int j = V("j");
  const bool more = j <= V("high");
  TNOSTForm& f = *form_;
  if (!more) {
    TNOSTForm::SetMark(f.MarkJ, -1);
  } else if (f.MarkJ.Index > 0) {
    f.MoveMarkJ(j);
  } else {
    TNOSTForm::SetMark(f.MarkJ, j);
  }
  f.Repaint();
  return more;
}

// IF |dw - sw[j] - sw[j-1]| < min THEN  (strict: the smaller index keeps a tie)
bool TNOST::SecondOptimal_F_ifabs() {
  const int j = V("j");
  const bool better = std::abs(V("dw") - SW[j] - SW[j - 1]) < V("min");
  if (!better) Set("j", j + 1);
  return better;
}

// i := j; min := |dw - sw[j] - sw[j-1]|
void TNOST::SecondOptimal_ibj() {
  const int j = V("j");
  Set("i", j);
  Set("min", std::abs(V("dw") - SW[j] - SW[j - 1]));
  Set("j", j + 1);
  form_->MarkMin = V("min");
  form_->Repaint();
  form_->MoveMarkI(j);
}

// new(T): the node of the range, under BuildParent (or the root)
bool TNOST::SecondOptimal_F_ifnt() {
  TNOSTTree& tree = *form_->Tree;
  tree.PendingColumn = V("i");  // the key it takes at the next line
  if (!BuildParent) {
    CurNode = static_cast<TBinCharTreeNode*>(tree.NewRoot());
  } else {
    // A lopsided table makes a deep tree: the drawing grows rather than failing.
    auto* node = tree.MakeNode<TBinCharTreeNode>();
    tree.AddChild(*BuildParent, *node, BuildLeft);
    BuildParent->SetHighlighted(false);
    CurNode = node;
  }
  CurNode->SetHighlighted(true);
  callNodes_.back() = CurNode;
  tree.NumberNodes();
  tree.Arrange();
  tree.Repaint();
  PointAt(CurNode);
  return false;
}

// error(overflow): an allocation here never fails
void TNOST::SecondOptimal_error() { modal::ShowMessage(QStringLiteral("错误：溢出")); }

// T^.data := R[i]
void TNOST::SecondOptimal_tdata() {
  const int i = V("i");
  CurNode->SetValue(Keys[i]);
  // The node holds R[i] of the call that made it while that call runs.
  CurNode->Stands = {{.Value = [this, node = CurNode] { return KeyOfCallNode(node); }}};
  CurNode->repaint();
}

// IF i = low THEN
bool TNOST::SecondOptimal_F_ifiel() { return V("i") == V("low"); }

// T^.lchild := NIL
void TNOST::SecondOptimal_tlc() { CurNode->SetLeft(nullptr); }

// IF i = high THEN
bool TNOST::SecondOptimal_F_ifieh() { return V("i") == V("high"); }

// T^.rchild := NIL
void TNOST::SecondOptimal_trc() { CurNode->SetRight(nullptr); }

TData* TNOST::CallSubtree(bool left) {
  const int i = V("i");
  const int low = left ? V("low") : i + 1;
  const int high = left ? i - 1 : V("high");
  PushRow(left ? (UseCLanguage ? 11 : 9) : (UseCLanguage ? 14 : 12), CurNode, low, high);
  TNOSTForm& f = *form_;
  if (left) {
    f.MoveMarkHigh(high);
  } else {
    f.MoveMarkLow(low);
  }
  TNOSTForm::SetMark(f.MarkI, -1);
  f.MarkMin = -1;
  f.Repaint();
  HidePointer();
  BuildParent = CurNode;
  CurNode = nullptr;  // the child is made by the call
  BuildLeft = left;
  return NewFrame(IntVar("low", low), IntVar("high", high), IntVar("i", 0), IntVar("j", 0), IntVar("min", 0),
                  IntVar("dw", 0));
}

void TNOST::SubtreeReturned(bool left) {
  if (CurNode) CurNode->SetHighlighted(false);
  CurNode = BuildParent;
  CurNode->SetHighlighted(true);
  TNOSTForm& f = *form_;
  if (left) {
    f.MoveMarkHigh(V("high"));
  } else {
    f.MoveMarkLow(V("low"));
  }
  f.MoveMarkI(V("i"));
  PointAt(CurNode);
  BuildParent = CurNode->Parent();
  (void)stackForm_->Stack->Pop();
  callNodes_.pop_back();
}

// ELSE SecondOptimal(T^.lchild, R, sw, low, i-1)
TData* TNOST::SecondOptimal_C_elseiel() { return CallSubtree(true); }
void TNOST::SecondOptimal_Afterelseiel() { SubtreeReturned(true); }

// ELSE SecondOptimal(T^.rchild, R, sw, i+1, high)
TData* TNOST::SecondOptimal_C_elseieh() { return CallSubtree(false); }
void TNOST::SecondOptimal_Afterelseieh() { SubtreeReturned(false); }
