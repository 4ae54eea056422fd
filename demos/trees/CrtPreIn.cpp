#include "demos/trees/CrtPreIn.h"

#include "demos/trees/CallPath.h"
#include "demos/trees/TreCrtDlg.h"
#include "demos/trees/TreeBase.h"
#include "demos/trees/TreeCrtForm.h"
#include "framework/drawkit/NodeContainer.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/Globals.h"
#include "framework/engine/RunFrames.h"
#include "framework/shell/MainForm.h"
#include "platform/PaintBox.h"

bool TCrtPreIn::CreateData() {
  TTreCrtDlg dlg;
  if (!dlg.Execute()) return false;
  pre_ = dlg.Pre();
  ino_ = dlg.Ino();
  return true;
}

std::unique_ptr<TData> TCrtPreIn::GetInitialParam() {
  return std::unique_ptr<TData>(
      NewFrame(StrVar("Pre", {}), StrVar("Ino", {}), IntVar("pp", 1), IntVar("ip", 1), IntVar("n", 0)));
}

void TCrtPreIn::ResetLocalData(const QString& procName) {
  if (procName == QLatin1String("CrtTree")) AddVars(*Locals(), IntVar("i", 0));
}

void TCrtPreIn::Reset() {
  TAlgoDemo::Reset();
  graphForm_->ResetTree();
  CurNode = nullptr;
  BuildRight = false;
  Var<TStringData>("Pre").SetValue(pre_);
  Var<TStringData>("Ino").SetValue(ino_);
  Var("n").SetValue(static_cast<int>(pre_.size()));
  graphForm_->SetSequences(pre_, ino_);
  graphForm_->KindOf = [this](int row, int k) { return KindOf(row, k); };
}

std::optional<TTreeCrtForm::TCellKind> TCrtPreIn::KindOf(int row, int k) const {
  const TRunFrames calls{*this};
  const int count = calls.Count();
  if (count == 0) return std::nullopt;
  const QString at = calls.Line(calls.Innermost());
  // Main alone: before its call every cell waits, after it every cell is placed.
  if (count == 1) return at == QLatin1String("Begin") ? TTreeCrtForm::ckWaiting : TTreeCrtForm::ckPlaced;
  // From the outermost call in: the part of its range the cell lies in, by how far the call got
  // (the line it made its inner call from, or for the innermost the line it stands at).
  for (int depth = 1; depth < count; ++depth) {
    const auto number = [&calls, depth](const char* name) { return calls.Int(depth, name).value_or(0); };
    const int pp = number("pp"), ip = number("ip"), n = number("n"), i = number("i");
    const int first = row == 1 ? pp : ip;
    const int root = row == 1 ? pp : ip + i - 1;
    const bool inLeft = row == 1 ? k > pp && k < pp + i : k >= ip && k < ip + i - 1;
    const bool inRight = k >= first + i && k < first + n;
    if (depth < calls.Innermost()) {
      // In a call made from the left (right) line: the cell waits in the right part (is placed
      // in the root or the left part), or is the inner call's.
      const bool leftCall = calls.CalledFrom(depth + 1) == QLatin1String("CrtLeft");
      if (k == root || (inLeft && !leftCall)) return TTreeCrtForm::ckPlaced;
      if (inRight && leftCall) return TTreeCrtForm::ckWaiting;
      continue;
    }
    if (at == QLatin1String("CrtLeft")) return k == root ? TTreeCrtForm::ckPlaced : TTreeCrtForm::ckBuilding;
    if (at == QLatin1String("CrtRight")) return inRight ? TTreeCrtForm::ckWaiting : TTreeCrtForm::ckPlaced;
    if (at == QLatin1String("End") && n > 0) return TTreeCrtForm::ckPlaced;
    return TTreeCrtForm::ckBuilding;
  }
  return std::nullopt;
}

void TCrtPreIn::SetWindowRect() {
  MainForm->DockThreePanes(graphForm_.get(), 60, VariableForm, 70, AlgorithmForm);
}

void TCrtPreIn::UpdateChildWindow() {
  TAlgoDemo::UpdateChildWindow();
  if (UpdateHiddenWindows || graphForm_->isVisible()) graphForm_->Update();
}

void TCrtPreIn::MarkRange(int pp, int ip, int n, int kind) {
  const auto k = static_cast<TTreeCrtForm::TCellKind>(kind);
  graphForm_->DrawCells(1, pp, k, n);
  graphForm_->DrawCells(2, ip, k, n);
}

// CrtPreIn(t, 1, 1, n)
TData* TCrtPreIn::Main_C_Begin() {
  const int n = static_cast<int>(pre_.size());
  MarkRange(1, 1, n, TTreeCrtForm::ckBuilding);
  return NewFrame(IntVar("pp", 1), IntVar("ip", 1), IntVar("n", n));
}

void TCrtPreIn::Main_AfterBegin() { graphForm_->BinCharTree->Root()->SetHighlighted(true); }

// IF n = 0
bool TCrtPreIn::CrtTree_F_Begin() { return Var("n").Value() == 0; }

// t := NIL
void TCrtPreIn::CrtTree_SetNil() {
  if (CurNode) BuildRight ? CurNode->SetRight(nullptr) : CurNode->SetLeft(nullptr);
}

// i := 1
void TCrtPreIn::CrtTree_NotNil() { Var("i").SetValue(1); }

// WHILE (pre[pp] <> ino[ip+i-1]) AND (i < n)
bool TCrtPreIn::CrtTree_F_WhileDo() {
  const int pp = Var("pp").Value(), ip = Var("ip").Value(), i = Var("i").Value(), n = Var("n").Value();
  return pre_[pp - 1] != ino_[ip + i - 2] && i < n;
}

// i := i + 1
void TCrtPreIn::CrtTree_IncI() { Var("i").SetValue(Var("i").Value() + 1); }

// new(t); t^.data := pre[pp]
void TCrtPreIn::CrtTree_NewNode() {
  const int pp = Var("pp").Value(), ip = Var("ip").Value(), i = Var("i").Value();
  graphForm_->DrawCells(1, pp, TTreeCrtForm::ckPlaced, 1);
  graphForm_->DrawCells(2, ip + i - 1, TTreeCrtForm::ckPlaced, 1);
  TBinCharTree& tree = *graphForm_->BinCharTree;
  const char letter = static_cast<char>(pre_[pp - 1].unicode());
  if (!CurNode) {
    CurNode = tree.Root();
    CurNode->SetValue(letter);
    tree.show();
  } else {
    auto* node = tree.MakeNode<TBinCharTreeNode>();
    node->SetValue(letter);
    tree.AddChild(*CurNode, *node, !BuildRight);
    CurNode->SetHighlighted(false);
    CurNode = node;
  }
  CurNode->SetHighlighted(true);
  CurNode->Stands = {LitMeaning(*CurNode, [this] { return LitNode(); })};
  tree.Arrange();
  tree.Repaint();
}

std::optional<const TTreeNodeBase*> TCrtPreIn::LitNode() const {
  if (!CurLine()) return std::nullopt;
  TBinCharTree& tree = *graphForm_->BinCharTree;
  const TCallPath path{.Demo = *this, .Root = tree.Root(), .LeftLabel = QStringLiteral("CrtLeft"),
                       .RightLabel = QStringLiteral("CrtRight")};
  const int depth = path.Innermost();
  const QString at = CurLine()->Label();
  if (depth == 0) return at == QLatin1String("Begin") ? nullptr : path.Root;
  if (at == QLatin1String("CrtLeft") || at == QLatin1String("CrtRight")) return path.Node(depth);
  if (depth > 1) return path.Node(depth - 1);
  const TRunFrames calls{*this};
  const std::optional<int> n = calls.Int(calls.Innermost(), "n");
  return at == QLatin1String("End") && n.value_or(0) > 0 ? path.Root : nullptr;
}

// CrtPreIn(t^.lchild, pp+1, ip, i-1)
TData* TCrtPreIn::CrtTree_C_CrtLeft() {
  const int pp = Var("pp").Value(), ip = Var("ip").Value(), i = Var("i").Value(), n = Var("n").Value();
  graphForm_->DrawCells(1, pp + i, TTreeCrtForm::ckWaiting, n - i);
  graphForm_->DrawCells(2, ip + i, TTreeCrtForm::ckWaiting, n - i);
  BuildRight = false;
  return NewFrame(IntVar("pp", pp + 1), IntVar("ip", ip), IntVar("n", i - 1));
}

// Back in the caller, whose pp, ip, n and i the engine restored.
void TCrtPreIn::CrtTree_AfterCrtLeft() {
  MarkRange(Var("pp").Value() + 1, Var("ip").Value(), Var("i").Value() - 1, TTreeCrtForm::ckPlaced);
}

// CrtPreIn(t^.rchild, pp+i, ip+i, n-i)
TData* TCrtPreIn::CrtTree_C_CrtRight() {
  const int pp = Var("pp").Value(), ip = Var("ip").Value(), i = Var("i").Value(), n = Var("n").Value();
  BuildRight = true;
  MarkRange(pp + i, ip + i, n - i, TTreeCrtForm::ckBuilding);
  return NewFrame(IntVar("pp", pp + i), IntVar("ip", ip + i), IntVar("n", n - i));
}

void TCrtPreIn::CrtTree_AfterCrtRight() {
  const int pp = Var("pp").Value(), ip = Var("ip").Value(), i = Var("i").Value(), n = Var("n").Value();
  MarkRange(pp + i, ip + i, n - i, TTreeCrtForm::ckPlaced);
  CurNode->SetHighlighted(false);
  if (CurNode->Parent()) CurNode = CurNode->Parent();
  CurNode->SetHighlighted(true);
}
