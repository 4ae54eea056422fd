#include "demos/trees/PreOrder.h"

#include <functional>

#include "demos/trees/CallPath.h"
#include "demos/trees/TrTravForm.h"
#include "demos/trees/TreeBase.h"
#include "framework/drawkit/Pointer2.h"
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
  SayMeanings();
}

void TTreeTraversal::SayMeanings() {
  const auto path = [this] {
    return TCallPath{.Demo = *this, .Root = graphForm_->BinTree->Root(), .LeftLabel = QStringLiteral("LChild"),
                     .RightLabel = QStringLiteral("Rchild")};
  };
  // bt: the parameter of the innermost call (in Main, the root it passes).
  graphForm_->Pointer->Means = {.Node = [this, path] {
    return TShapeRef{path().Node(path().Innermost())};
  }};
  graphForm_->ResultText->Stands = {{.Value = [this] { return std::optional<QString>(ResultFor(visits_)); }}};
}

// Row k of the stack shows the call at run-stack place k + 1 (Main being 0): the line it was
// made from and the node it received.
QString TTreeTraversal::RowFor(int depth) const {
  const TCallPath path{.Demo = *this, .Root = graphForm_->BinTree->Root(), .LeftLabel = QStringLiteral("LChild"),
                       .RightLabel = QStringLiteral("Rchild")};
  bool left = false;
  const int line = path.ChildCall(depth, &left) ? (left ? order_.leftLine : order_.rightLine) : 0;
  return TTrTravStackData(QString(), line, static_cast<const TBinCharTreeNode*>(path.Node(depth))).GetText();
}

// "结果：" and the first visits letters in the order's sequence, each followed by a blank.
QString TTreeTraversal::ResultFor(int visits) const {
  QString letters;
  const std::function<void(const TBinCharTreeNode*)> walk = [&](const TBinCharTreeNode* node) {
    if (!node) return;
    for (int part = 0; part < 3; ++part) {
      if (part == order_.visitAt) letters += QChar::fromLatin1(node->Value());
      else if (part == (order_.visitAt == 0 ? 1 : 0)) walk(node->Left());
      else walk(node->Right());
    }
  };
  walk(graphForm_->BinTree->Root());
  QString text = QStringLiteral("结果：");
  for (int k = 0; k < visits && k < letters.size(); ++k) text += letters[k] + QLatin1Char(' ');
  return text;
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
  visits_ = 0;
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
  TStackBox& stack = *stackForm_->Stack;
  stack.Push(std::make_unique<TTrTravStackData>(QString(), lineNo, CurNode));
  const int depth = stack.Count();  // the call being made, Main at 0
  stack.Row(depth - 1)->Stands = {{.Value = [this, depth] { return std::optional<QString>(RowFor(depth)); }}};
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
  ++visits_;
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

TPreOrder::TPreOrder(const QStringList& source) : TTreeTraversal(source, {4, 5, clBlue, clBlue, 0}) {}
TInOrder::TInOrder(const QStringList& source) : TTreeTraversal(source, {3, 5, clRed, clGreen, 1}) {}
TPostOrder::TPostOrder(const QStringList& source) : TTreeTraversal(source, {3, 4, clGreen, clRed, 2}) {}
