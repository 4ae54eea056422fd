#include "demos/trees/CrtThlinked.h"

#include "demos/trees/CallPath.h"

#include "demos/trees/ThrdCrtGraphForm.h"
#include "demos/trees/ThrdTree.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"

bool TThrdCrtDemo::CreateData() { return graphForm_->Tree->Input(); }

void TThrdCrtDemo::Reset() {
  TAlgoDemo::Reset();
  // An empty tree (new data after a run) leaves p nowhere, not on a freed node.
  SetP(graphForm_->Tree->Root());
  graphForm_->Tree->ClearThreads();
  graphForm_->Tree->Repaint();
  SetPre(nullptr);
  CallerNode = nullptr;
  // p: the parameter of the innermost call, down the real links the calls follow; pre: the
  // demonstration's own.
  graphForm_->p->Means = {.Node = [this] {
    const TCallPath path{.Demo = *this, .Root = graphForm_->Tree->Root(), .LeftLabel = QStringLiteral("Line11"),
                         .RightLabel = QStringLiteral("Line13"), .Child = [](const TBinTreeNode& node, bool left) {
                           const auto& t = static_cast<const TThrdTreeNode&>(node);
                           return static_cast<TBinTreeNode*>(left ? t.RealLeft() : t.RealRight());
                         }};
    return TShapeRef{path.Node(path.Innermost())};
  }};
  graphForm_->pre->Means = {.Node = [this] { return TShapeRef{pre_.data()}; }};
}

void TThrdCrtDemo::SetWindowRect() { MainForm->DockTwoPanes(graphForm_.get(), 55, AlgorithmForm); }

void TThrdCrtDemo::UpdateChildWindow() {
  TAlgoDemo::UpdateChildWindow();
  if (UpdateHiddenWindows || graphForm_->isVisible()) graphForm_->Update();
  graphForm_->Tree->Arrange();
  graphForm_->Tree->Repaint();
}

void TThrdCrtDemo::ShowGraph() { graphForm_->Tree->PlacePointers(); }

void TThrdCrtDemo::SaveData(const QString& fileName) { graphForm_->Tree->SaveToFile(fileName); }

void TThrdCrtDemo::LoadData(const QString& fileName) {
  graphForm_->Tree->LoadFromFile(fileName);
  Reset();
  UpdateChildWindow();
}

void TThrdCrtDemo::SetP(TThrdTreeNode* node) {
  p_ = node;
  graphForm_->p->SetTarget(node);
  graphForm_->p->Reposition();
  graphForm_->Tree->PlacePointers();
}

void TThrdCrtDemo::SetPre(TThrdTreeNode* node) {
  pre_ = node;
  graphForm_->pre->SetTarget(node);
  graphForm_->pre->Reposition();
  graphForm_->Tree->PlacePointers();
}

void TThrdCrtDemo::Changed(TThrdTreeNode* node) {
  node->Repaint();
  graphForm_->Tree->PlacePointers();  // a new thread may run where a mark stands
  graphForm_->Tree->Repaint();
}

// IF p^.lc = NIL
bool TThrdCrtDemo::F_Line1() const { return P()->LeftChild == nullptr; }

// p^.ltag := 1
void TThrdCrtDemo::Line2() {
  P()->ltag = 1;
  Changed(P());
}

// IF p^.rc = NIL
bool TThrdCrtDemo::F_Line3() const { return P()->RightChild == nullptr; }

// p^.rtag := 1
void TThrdCrtDemo::Line4() {
  P()->rtag = 1;
  Changed(P());
}

// IF (pre <> NIL) AND (p^.ltag = 1)
bool TThrdCrtDemo::F_Line5() const { return Pre() && P()->ltag == 1; }

// p^.lc := pre
void TThrdCrtDemo::Line6() {
  P()->LeftChild = Pre();
  Changed(P());
}

// IF (pre <> NIL) AND (pre^.rtag = 1)
bool TThrdCrtDemo::F_Line7() const { return Pre() && Pre()->rtag == 1; }

// pre^.rc := p
void TThrdCrtDemo::Line8() {
  Pre()->RightChild = P();
  Changed(Pre());
}

// pre := p
void TThrdCrtDemo::Line9() { SetPre(P()); }

// IF p^.ltag = 0
bool TThrdCrtDemo::F_Line10() const { return P()->ltag == 0; }

// IF p^.rtag = 0
bool TThrdCrtDemo::F_Line12() const { return P()->rtag == 0; }

// thr(p^.lc) / thr(p^.rc)
TData* TThrdCrtDemo::Call(bool left) {
  CallerNode = P();
  SetP(left ? P()->LeftLink() : P()->RightLink());
  return NewFrame();
}

// Back in the caller: the callee's node leads up to the caller's, an empty callee back to
// where the call was made.
void TThrdCrtDemo::AfterCall() {
  if (TThrdTreeNode* p = P()) SetP(static_cast<TThrdTreeNode*>(p->ParentNode));
  else SetP(CallerNode);
}
