#include "demos/trees/CrtBTPreOdr.h"

#include <QLabel>

#include "demos/trees/CallPath.h"
#include "demos/trees/CrtBTIptDlg.h"
#include "demos/trees/TrTravForm.h"
#include "demos/trees/TreeBase.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/drawkit/StackBox.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"
#include "platform/ModalHost.h"

TCrtBTPreOdr::TCrtBTPreOdr(const QStringList& source) : TFormDemo(source) {}
TCrtBTPreOdr::~TCrtBTPreOdr() = default;

void TCrtBTPreOdr::CreateChildWindow() {
  TFormDemo::CreateChildWindow();
  graphForm_->SetCaption(QStringLiteral("按先序序列建立二叉树"));
  graphForm_->Pointer->SetCaption(QStringLiteral("T"));
  // The lit node says so in its note.
  graphForm_->BinTree->NotesHighlight = true;
  TFont font = graphForm_->ResultText->Font();
  font.Height = 18;
  graphForm_->ResultText->SetFont(font);
  stackForm_ = MakeStackWindow({.cols = 1, .rows = 6, .title = QStringLiteral("行号      父结点      结点值         "),
                                .columns = true});
  stackForm_->Stack->TitleColor = clRed;
  stackForm_->Stack->NodeFont.Color = clGreen;
  SayMeanings();
}

namespace {
TCallPath BuildPath(const TAlgoDemo& demo, TBinCharTree& tree) {
  return {.Demo = demo, .Root = tree.Root(), .LeftLabel = QStringLiteral("Crtl"), .RightLabel = QStringLiteral("Crtr")};
}
}  // namespace

void TCrtBTPreOdr::SayMeanings() {
  TTrTravForm& f = *graphForm_;
  // T: the innermost call's t, nil until new(t) makes it; Main's own T is not shown.
  f.Pointer->Means = {.Node = [this] {
    const TCallPath path = BuildPath(*this, *graphForm_->BinTree);
    return TShapeRef{path.Innermost() > 0 ? path.Node(path.Innermost()) : nullptr};
  }};
  f.ResultText->Stands = {{.Value = [this] {
    const int read = InputString.size() - RestString.size();
    return std::optional<QString>(read == 0 ? QStringLiteral("输入串:") + InputString
                                            : QStringLiteral("当前字符:") + InputString[read - 1] +
                                                  QStringLiteral("   剩余串:") + InputString.mid(read));
  }}};
}

QString TCrtBTPreOdr::RowFor(int depth) const {
  const TCallPath path = BuildPath(*this, *graphForm_->BinTree);
  bool left = false;
  int line = 0;
  if (path.ChildCall(depth, &left)) line = left ? (UseCLanguage ? 8 : 6) : (UseCLanguage ? 9 : 7);
  // The row shows the node whose child the call builds: its caller's t.
  const auto* parent = depth > 1 ? static_cast<const TBinCharTreeNode*>(path.Node(depth - 1)) : nullptr;
  return TTrTravStackData(QString(), line, parent, TTrTravColumns{10, 22}).GetText();
}

QChar TCrtBTPreOdr::LetterOf(int k) const {
  for (const QChar c : InputString)
    if (c != QLatin1Char('#') && --k == 0) return c;
  return {};
}

int TCrtBTPreOdr::LettersRead() const {
  const QString read = InputString.left(InputString.size() - RestString.size());
  return static_cast<int>(read.size() - read.count(QLatin1Char('#')));
}

bool TCrtBTPreOdr::CreateData() {
  TCrtBTIptDlg dlg;
  if (!dlg.Execute()) return false;
  RestString = InputString = dlg.STxtShow->text();
  CurNode = nullptr;
  return true;
}

void TCrtBTPreOdr::Reset() {
  TAlgoDemo::Reset();
  stackForm_->Stack->Clear();
  RestString = InputString;
  SetResult(QStringLiteral("输入串:") + RestString);
  BuildParent = nullptr;
  lettersPlaced_ = 0;
  // The tree is freed: nothing may point into it any more.
  CurNode = nullptr;
  graphForm_->BinTree->Clear();
  graphForm_->BinTree->Repaint();
  PointAt(nullptr);
}

void TCrtBTPreOdr::SetWindowRect() {
  MainForm->DockThreePanes(graphForm_.get(), 60, stackForm_.get(), 60, AlgorithmForm);
}

void TCrtBTPreOdr::UpdateChildWindow() {
  TAlgoDemo::UpdateChildWindow();
  if (UpdateHiddenWindows || graphForm_->isVisible()) graphForm_->Update();
}

void TCrtBTPreOdr::PushRow(int lineNo) {
  TStackBox& stack = *stackForm_->Stack;
  stack.Push(std::make_unique<TTrTravStackData>(QString(), lineNo, BuildParent, TTrTravColumns{10, 22}));
  const int depth = stack.Count();  // the call being made, Main at 0
  stack.Row(depth - 1)->Stands = {{.Value = [this, depth] { return std::optional<QString>(RowFor(depth)); }}};
}

void TCrtBTPreOdr::PointAt(TBinCharTreeNode* node) { graphForm_->PointAt(node); }

void TCrtBTPreOdr::SetResult(const QString& text) { graphForm_->ResultText->SetCaption(text); }

// crt_bt_pre(t)
TData* TCrtBTPreOdr::Main_C_Begin() {
  PushRow(0);
  return NewFrame();
}

void TCrtBTPreOdr::Main_AfterBegin() {
  (void)stackForm_->Stack->Pop();
  if (CurNode) CurNode->SetHighlighted(false);
  PointAt(nullptr);
}

// read(ch)
void TCrtBTPreOdr::CrtBT_PreOdr_Begin() {
  if (RestString.isEmpty()) {
    // A normalised string always ends its last subtree; an end before it reads as "#".
    modal::MessageDlg(QStringLiteral("输入字符串无法正确建立二叉树"), modal::Icon::Warning, modal::Buttons::Ok);
    CurChar = '#';
    return;
  }
  CurChar = RestString.front();
  RestString.remove(0, 1);
  SetResult(QStringLiteral("当前字符:") + CurChar + QStringLiteral("   剩余串:") + RestString);
}

// IF ch = ' '
bool TCrtBTPreOdr::CrtBT_PreOdr_F_ifch() { return CurChar == '#'; }

// t := NIL
void TCrtBTPreOdr::CrtBT_PreOdr_TNULL() {
  if (!BuildParent) return;
  BuildLeft ? BuildParent->SetLeft(nullptr) : BuildParent->SetRight(nullptr);
}

// new(t): never fails, so the run goes on to t^.data := ch
bool TCrtBTPreOdr::CrtBT_PreOdr_F_ifT() {
  TBinCharTree& tree = *graphForm_->BinTree;
  if (!BuildParent) {
    CurNode = static_cast<TBinCharTreeNode*>(tree.NewRoot());
  } else {
    auto* node = tree.MakeNode<TBinCharTreeNode>();
    tree.AddChild(*BuildParent, *node, BuildLeft);
    BuildParent->SetHighlighted(false);
    CurNode = node;
  }
  CurNode->SetHighlighted(true);
  // The node made k-th holds the k-th letter of the string, once t^.data := ch has run for it.
  const int k = LettersRead();
  // Lit: t of the innermost call that has made its node (a call before new(t), or one that read
  // an empty tree, leaves its caller's lit); none in Main.
  const TLitNode lit = [this]() -> std::optional<const TTreeNodeBase*> {
    const TCallPath path = BuildPath(*this, *graphForm_->BinTree);
    for (int depth = path.Innermost(); depth > 0; --depth)
      if (const TBinTreeNode* node = path.Node(depth)) return node;
    return nullptr;
  };
  CurNode->Stands = {{.Value = [this, k] {
                       return lettersPlaced_ < k ? std::nullopt
                                                 : std::optional<QString>(QStringLiteral("n%1 %2").arg(k).arg(LetterOf(k)));
                     }},
                     LitMeaning(*CurNode, lit)};
  tree.NumberNodes();
  tree.Arrange();
  tree.Repaint();
  PointAt(CurNode);
  return false;
}

// exit(OVERFLOW)
void TCrtBTPreOdr::CrtBT_PreOdr_exit() { SetResult(QStringLiteral("错误：溢出")); }

// t^.data := ch
void TCrtBTPreOdr::CrtBT_PreOdr_Tdata() {
  CurNode->SetValue(static_cast<char>(CurChar.unicode()));
  ++lettersPlaced_;
}

// crt_bt_pre(t^.lchild) / crt_bt_pre(t^.rchild)
TData* TCrtBTPreOdr::CallChild(bool left) {
  PointAt(nullptr);
  BuildParent = CurNode;
  CurNode = left ? CurNode->Left() : CurNode->Right();
  PushRow(left ? (UseCLanguage ? 8 : 6) : (UseCLanguage ? 9 : 7));
  BuildLeft = left;
  return NewFrame();
}

void TCrtBTPreOdr::ReturnFromChild() {
  if (CurNode) CurNode->SetHighlighted(false);
  CurNode = BuildParent;
  CurNode->SetHighlighted(true);
  PointAt(CurNode);
  BuildParent = BuildParent->Parent();
  (void)stackForm_->Stack->Pop();
}
