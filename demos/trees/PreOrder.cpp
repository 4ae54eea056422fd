#include "demos/trees/PreOrder.h"

#include "demos/trees/TrTravForm.h"
#include "demos/trees/TreeBase.h"
#include "framework/drawkit/StackBox.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"

TTreeTraversal::TTreeTraversal(const QStringList& source, TOrder order) : TFormDemo(source), order_(order) {}
TTreeTraversal::~TTreeTraversal() = default;

void TTreeTraversal::CreateChildWindow() {
  TFormDemo::CreateChildWindow();
  stackForm_ = MakeStackWindow({.cols = 1, .rows = 6, .title = QStringLiteral("行号  当前结点  结点值         "),
                               .columns = true});
  TStackBox& stack = *stackForm_->Stack;
  stack.TitleColor = order_.titleColor;
  stack.NodeFont.Color = order_.rowColor;
}

bool TTreeTraversal::CreateData() {
  if (!graphForm_->BinTree->Input()) return false;
  CurNode = nullptr;
  return true;
}

void TTreeTraversal::Reset() {
  TAlgoDemo::Reset();
  stackForm_->Stack->Clear();
  Highlight(CurNode, false);
  graphForm_->ResultText->SetCaption(QStringLiteral("结果："));
  CurNode = graphForm_->BinTree->Root();
  SavedNode = nullptr;
  Highlight(CurNode, true);
  graphForm_->PointAt(CurNode);
}

void TTreeTraversal::SetWindowRect() {
  MainForm->DockThreePanes(graphForm_.get(), 60, stackForm_.get(), 60, AlgorithmForm);
}

void TTreeTraversal::UpdateChildWindow() {
  TAlgoDemo::UpdateChildWindow();
  if (UpdateHiddenWindows || graphForm_->isVisible()) graphForm_->Update();
}

void TTreeTraversal::Highlight(TBinCharTreeNode* node, bool on) {
  if (node) node->SetHighlighted(on);
}

void TTreeTraversal::PushRow(int lineNo) {
  stackForm_->Stack->Push(std::make_unique<TTrTravStackData>(QString(), lineNo, CurNode));
}

// Traverse(bt)
TData* TTreeTraversal::CallMain() {
  PushRow(0);
  return NewFrame();
}

void TTreeTraversal::ReturnToMain() { (void)stackForm_->Stack->Pop(); }

// visit(bt^.data)
void TTreeTraversal::Visit() {
  TZqStaticText& result = *graphForm_->ResultText;
  result.SetCaption(result.Caption() + QChar::fromLatin1(CurNode->Value()) + QLatin1Char(' '));
}

// Traverse(bt^.lchild) / Traverse(bt^.rchild)
TData* TTreeTraversal::CallChild(bool left) {
  Highlight(CurNode, false);
  SavedNode = CurNode;
  CurNode = left ? CurNode->Left() : CurNode->Right();
  Highlight(CurNode, true);
  graphForm_->PointAt(CurNode);
  PushRow(left ? order_.leftLine : order_.rightLine);
  return NewFrame();
}

// Back in the caller: its node comes from the tree itself.
void TTreeTraversal::ReturnFromChild() {
  Highlight(CurNode, false);
  CurNode = SavedNode;
  Highlight(CurNode, true);
  graphForm_->PointAt(CurNode);
  SavedNode = CurNode ? CurNode->Parent() : nullptr;
  (void)stackForm_->Stack->Pop();
}

TPreOrder::TPreOrder(const QStringList& source) : TTreeTraversal(source, {4, 5, clBlue, clBlue}) {}
TInOrder::TInOrder(const QStringList& source) : TTreeTraversal(source, {3, 5, clRed, clGreen}) {}
TPostOrder::TPostOrder(const QStringList& source) : TTreeTraversal(source, {3, 4, clGreen, clRed}) {}
