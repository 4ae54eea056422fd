#include "demos/search/BsTree.h"

#include "demos/search/BsTreeClass.h"
#include "demos/search/BsTreeGrfForm.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/DemoViews.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "platform/Controls.h"
#include "platform/ModalHost.h"

namespace {

std::unique_ptr<TPtrData> PtrVar(const char* name, TData* target) {
  return std::make_unique<TPtrData>(QString::fromLatin1(name), target);
}

// The record a pointer variable points at, shown as a variable of its own under the
// record's name ("n1 = (D,指向n2,指向n5)"). The mirror owns the record.
class TShownRecord : public TLeafData {
 public:
  explicit TShownRecord(TData* record) : TLeafData(record->Name()), ref_(QString(), record) {}
  QString GetText() const override { return ref_.Target() ? ref_.Target()->GetText() : QString(); }

 private:
  TPtrData ref_;
};

// The frame of a bstsrch call: t, the record t points at, k.
TData* SearchFrame(TCharNodeData* t, char k) {
  auto frame = std::make_unique<TData>(QString());
  frame->Add(PtrVar("t", t));
  if (t) frame->Add(std::make_unique<TShownRecord>(t));
  frame->Add(CharVar("k", k));
  return frame.release();
}

}  // namespace

TBsTree::TBsTree(const QStringList& source) : TAlgoDemo(source) {}

TBsTree::~TBsTree() {
  views::Toolbar().EnableButton(ToolButton::DemoReset, true);
  views::Toolbar().EnableButton(ToolButton::AlgData, true);
  EnableRunButtons(true);
  // The frames point into the mirror: they go first.
  DropFrames();
}

void TBsTree::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  graphForm_ = std::make_unique<TBsTreeGraphForm>();
  graphForm_->OnOperation = [this](int operation) { RunOperation(operation); };
}

void TBsTree::AfterConstruction() {
  views::Toolbar().EnableButton(ToolButton::DemoReset, false);
  DisableRunKeys();  // nothing runs yet: 暂停 stays off
}

bool TBsTree::CreateData() {
  AbandonOperation();
  return graphForm_->Tree->Input();
}

void TBsTree::ResetLocalData(const QString& procName) {
  if (procName == QLatin1String("ins_bstree")) {
    AddVars(*Locals(), PtrVar("f", nullptr), BoolVar("found", false));
  } else if (procName == QLatin1String("del_bstree")) {
    AddVars(*Locals(), PtrVar("f", nullptr), BoolVar("found", false), PtrVar("p", nullptr), PtrVar("q", nullptr),
            PtrVar("s", nullptr));
  }
}

void TBsTree::SaveData(const QString& fileName) { graphForm_->Tree->SaveToFile(fileName); }

void TBsTree::LoadData(const QString& fileName) {
  AbandonOperation();
  TBsTreeClass& tree = *graphForm_->Tree;
  tree.LoadFromFile(fileName);
  tree.NumberNodes();
  Reset();
  UpdateChildWindow();
}

void TBsTree::SetWindowRect() { MainForm->DockThreePanes(graphForm_.get(), 60, VariableForm, 60, AlgorithmForm); }

void TBsTree::Reset() {
  if (LastBstOperation != kNone) RunOperation(LastBstOperation);
}

void TBsTree::UpdateChildWindow() {
  TAlgoDemo::UpdateChildWindow();
  graphForm_->Tree->Arrange();
  graphForm_->Tree->Repaint();
  if (UpdateHiddenWindows || graphForm_->isVisible()) graphForm_->Update();
}

void TBsTree::DemoFinished() {
  TBsTreeGraphForm& f = *graphForm_;
  operation_.End(*f.Tree);
  Highlight(CurNode, false);
  f.Idle();
  TAlgoDemo::DemoFinished();
  EnableRunButtons(false);
  views::Toolbar().EnableButton(ToolButton::Return, true);
}

void TBsTree::AbandonOperation() {
  if (operation_.Undo(*graphForm_->Tree)) Renumber();
  Highlight(CurNode, false);
  Highlight(PrevNode, false);
  graphForm_->HideMarkers();
  DropFrames();
  srchResult_ = srchF_ = nullptr;
  mirror_.reset();
}

void TBsTree::RunOperation(int operation) {
  TBsTreeGraphForm& f = *graphForm_;
  const char k = f.Letter();
  // Without a letter there is nothing to search for, insert or delete.
  if (k == '\0') return;
  AbandonOperation();
  operation_.Begin(*f.Tree);
  views::Toolbar().EnableButton(ToolButton::DemoReset, false);
  views::Toolbar().EnableButton(ToolButton::AlgData, false);
  const QStringList& text = operation == kSearch   ? TBsTreeGraphForm::AlgoSearch
                            : operation == kInsert ? TBsTreeGraphForm::AlgoInsert
                                                   : TBsTreeGraphForm::AlgoDelete;
  LoadSource(text);
  PushCall(ProcedureAt(0)->Name(), BuildBstArgs(operation));
  views::Algorithm().SelectTab(0);
  EnableRunButtons(true);
  f.ChEdit->setEnabled(false);
  f.EnableButtons(false);
  LastBstOperation = operation;
  UpdateChildWindow();
}

std::unique_ptr<TData> TBsTree::BuildBstArgs(int operation) {
  TBsTreeGraphForm& f = *graphForm_;
  TBinCharTreeNode* root = f.Tree->Root();
  mirror_ = root ? std::make_unique<TCharNodeData>(*root) : nullptr;
  if (operation == kSearch) {
    CurNode = root;
    PrevNode = nullptr;
    Highlight(root, true);
    return std::unique_ptr<TData>(SearchFrame(mirror_.get(), f.Letter()));
  }
  PointMarker(*f.bstPointer, root);
  return std::unique_ptr<TData>(NewFrame(PtrVar("bst", mirror_.get()), CharVar("k", f.Letter())));
}

// ---------------------------------------------------------------- helpers

void TBsTree::Highlight(TBinCharTreeNode* node, bool on) {
  if (node) node->SetHighlighted(on);
}

TCharNodeData* TBsTree::Rec(const char* var) const {
  return dynamic_cast<TCharNodeData*>(Var<TPtrData>(var)->Target());
}

void TBsTree::SetRec(const char* var, TCharNodeData* record) { Var<TPtrData>(var)->SetTarget(record); }

char TBsTree::K() const { return Var<TCharData>("k").Value(); }

TBinCharTreeNode* TBsTree::NodeOf(const TCharNodeData* record) const {
  if (!record) return nullptr;
  TBinCharTreeNode* parent = nullptr;
  bool found = false;
  return graphForm_->Tree->BstSearch(parent, record->GetKey(), found);
}

TBinCharTreeNode* TBsTree::MarkerNode(const TPointer2& marker) const {
  return dynamic_cast<TBinCharTreeNode*>(marker.Target());
}

void TBsTree::Renumber() {
  TBsTreeClass& tree = *graphForm_->Tree;
  tree.ComputeLevels();
  tree.NumberNodes();
  tree.Arrange();
  tree.Repaint();
}

// ---------------------------------------------------------------- bstsrch

// IF (t=NIL) OR (t^.key=k)
bool TBsTree::bstsrch_F_Begin() {
  const TCharNodeData* t = Rec("t");
  return !t || t->GetKey() == K();
}

// RETURN(t)
void TBsTree::bstsrch_Line1() { modal::ShowMessage(Rec("t") ? QStringLiteral("查找成功") : QStringLiteral("查找失败")); }

// ELSE IF k<t^.key
bool TBsTree::bstsrch_F_Else() { return K() < Rec("t")->GetKey(); }

TData* TBsTree::SearchCall(bool left) {
  TCharNodeData* t = Rec("t");
  TCharNodeData* child = left ? t->GetLChild() : t->GetRChild();
  Highlight(CurNode, false);
  PrevNode = CurNode;
  CurNode = CurNode ? (left ? CurNode->Left() : CurNode->Right()) : nullptr;
  Highlight(CurNode, true);
  return SearchFrame(child, K());
}

void TBsTree::SearchReturned() {
  if (CurNode) {
    Highlight(CurNode, false);
    CurNode = CurNode->Parent();
  } else {
    CurNode = PrevNode;
  }
  Highlight(CurNode, true);
}

// RETURN(bstsrch(t^.lchild,k))
TData* TBsTree::bstsrch_C_Line2() { return SearchCall(true); }
void TBsTree::bstsrch_AfterLine2() { SearchReturned(); }
// RETURN(bstsrch(t^.rchild,k))
TData* TBsTree::bstsrch_C_Line3() { return SearchCall(false); }
void TBsTree::bstsrch_AfterLine3() { SearchReturned(); }

// ---------------------------------------------------------------- srch_bstree

// IF bst=NIL
bool TBsTree::srch_bstree_F_Begin() { return Rec("bst") == nullptr; }

// found:=FALSE; RETURN(f)
void TBsTree::srch_bstree_Line1() {
  Var<TBoolData>("found").SetValue(false);
  srchResult_ = Rec("f");
  FoundNode = MarkerNode(*graphForm_->fPointer);
}

// ELSE IF bst^.key=k
bool TBsTree::srch_bstree_F_Else() { return Rec("bst")->GetKey() == K(); }

// found:=TRUE; RETURN(bst)
void TBsTree::srch_bstree_Line2() {
  Var<TBoolData>("found").SetValue(true);
  srchResult_ = Rec("bst");
  FoundNode = MarkerNode(*graphForm_->bstPointer);
}

// ELSE IF k<bst^.key
bool TBsTree::srch_bstree_F_Else2() { return K() < Rec("bst")->GetKey(); }

// f:=bst
void TBsTree::srch_bstree_Line3() {
  SetRec("f", Rec("bst"));
  PointMarker(*graphForm_->fPointer, graphForm_->bstPointer->Target());
}
void TBsTree::srch_bstree_Else3() { srch_bstree_Line3(); }

TData* TBsTree::SrchCall(bool left) {
  TCharNodeData* bst = Rec("bst");
  TCharNodeData* child = left ? bst->GetLChild() : bst->GetRChild();
  TData* frame = NewFrame(PtrVar("f", bst), PtrVar("bst", child), CharVar("k", K()), BoolVar("found", false));
  PointMarker(*graphForm_->bstPointer, NodeOf(child));
  return frame;
}

// f and found are passed by reference: the callee's final values are the caller's.
void TBsTree::SrchReturned() {
  SetRec("f", srchF_);
  Var<TBoolData>("found").SetValue(srchFound_);
  PointMarker(*graphForm_->bstPointer, NodeOf(Rec("bst")));
}

// RETURN(srch_bstree(f,bst^.lchild,k,found))
TData* TBsTree::srch_bstree_C_Line4() { return SrchCall(true); }
void TBsTree::srch_bstree_AfterLine4() { SrchReturned(); }
// RETURN(srch_bstree(f,bst^.rchild,k,found))
TData* TBsTree::srch_bstree_C_Line5() { return SrchCall(false); }
void TBsTree::srch_bstree_AfterLine5() { SrchReturned(); }

// END: f and found as they end go back to the caller.
void TBsTree::srch_bstree_End() {
  srchF_ = Rec("f");
  srchFound_ = Var<TBoolData>("found").Value();
}

// ---------------------------------------------------------------- ins_bstree

// f:=srch_bstree(NIL,bst,k,found)
TData* TBsTree::ins_bstree_C_Begin() {
  srchResult_ = srchF_ = nullptr;
  srchFound_ = false;
  FoundNode = nullptr;
  return NewFrame(PtrVar("f", nullptr), PtrVar("bst", Rec("bst")), CharVar("k", K()), BoolVar("found", false));
}

void TBsTree::ins_bstree_AfterBegin() {
  SetRec("f", srchF_);
  Var<TBoolData>("found").SetValue(srchFound_);
  PointMarker(*graphForm_->bstPointer, NodeOf(Rec("bst")));
}

// IF found
bool TBsTree::ins_bstree_F_IfFound() { return Var<TBoolData>("found").Value(); }

// writeln('关键字已存在')
void TBsTree::ins_bstree_Found() { modal::ShowMessage(QStringLiteral("关键字已存在")); }

// new(s); s^.key:=k; ...: the new node waits in the tree's top-left corner.
void TBsTree::ins_bstree_NotFound() {
  auto* s = operation_.MakeNewNode<TBinCharTreeNode>(*graphForm_->Tree, K(), QStringLiteral("s"));
  s->ShowName = true;
  PointMarker(*graphForm_->sPointer, s);
}

// IF bst=NIL
bool TBsTree::ins_bstree_F_IfNil() { return Rec("bst") == nullptr; }

// bst:=s
void TBsTree::ins_bstree_Line1() {
  TBsTreeClass& tree = *graphForm_->Tree;
  TBinCharTreeNode* s = operation_.NewNode();
  s->ParentNode = nullptr;
  s->stair = 1;
  tree.SetRootBase(s);
  Renumber();
  PointMarker(*graphForm_->sPointer, s);
}

// ELSE IF k<f^.key
bool TBsTree::ins_bstree_F_NotNil() { return K() < Rec("f")->GetKey(); }

void TBsTree::LinkNewNode(bool left) {
  TPointer2& sPointer = *graphForm_->sPointer;
  if (!operation_.LinkNewNode(MarkerNode(*graphForm_->fPointer), left)) {
    PointMarker(sPointer, nullptr);
    return;
  }
  Renumber();
  PointMarker(sPointer, operation_.NewNode());
}

// f^.lchild:=s
void TBsTree::ins_bstree_Line2() { LinkNewNode(true); }
// f^.rchild:=s
void TBsTree::ins_bstree_Line3() { LinkNewNode(false); }

// ---------------------------------------------------------------- del_bstree

// p:=srch_bstree(NIL,bst,k,found)
TData* TBsTree::del_bstree_C_Begin() { return ins_bstree_C_Begin(); }

void TBsTree::del_bstree_AfterBegin() {
  ins_bstree_AfterBegin();
  SetRec("p", srchResult_);
  if (srchResult_) PointMarker(*graphForm_->pPointer, FoundNode);
}

// IF NOT found
bool TBsTree::del_bstree_F_IfFound() { return !Var<TBoolData>("found").Value(); }

// writeln('关键字不存在')
void TBsTree::del_bstree_NotFound() { modal::ShowMessage(QStringLiteral("关键字不存在")); }

// ELSE IF p^.lchild=NIL
bool TBsTree::del_bstree_F_If() { return FoundNode && !FoundNode->LeftChild; }

// IF f=NIL
bool TBsTree::del_bstree_F_If1() { return Rec("f") == nullptr; }

// bst:=p^.rchild: the right subtree becomes the tree.
void TBsTree::del_bstree_Line1() {
  TBsTreeGraphForm& f = *graphForm_;
  TBsTreeClass& tree = *f.Tree;
  PointMarker(*f.pPointer, nullptr);
  SpliceOut(tree, nullptr, false, FoundNode, false);
  TBinCharTreeNode* right = tree.Root();
  Renumber();
  // The records the pointers held are gone with the old mirror.
  mirror_ = right ? std::make_unique<TCharNodeData>(*right) : nullptr;
  srchResult_ = srchF_ = nullptr;
  SetRec("bst", mirror_.get());
  PointMarker(*f.bstPointer, right);
}

// ELSE IF p=f^.lchild
bool TBsTree::del_bstree_F_Else1() { return Rec("p") == Rec("f")->GetLChild(); }

void TBsTree::BypassFoundNode(bool left) {
  TBsTreeGraphForm& f = *graphForm_;
  TBinCharTreeNode* parent = MarkerNode(*f.fPointer);
  if (!parent || !FoundNode) return;
  PointMarker(*f.pPointer, nullptr);
  SpliceOut(*f.Tree, parent, left, FoundNode, false);
  Renumber();
  SetRec("p", nullptr);
}

// f^.lchild:=p^.rchild
void TBsTree::del_bstree_Line2() { BypassFoundNode(true); }
// f^.rchild:=p^.rchild
void TBsTree::del_bstree_Else2() { BypassFoundNode(false); }

// q:=p; s:=p^.lchild
void TBsTree::del_bstree_Else() {
  TCharNodeData* p = Rec("p");
  SetRec("q", p);
  SetRec("s", p->GetLChild());
  PointMarker(*graphForm_->qPointer, FoundNode);
  PointMarker(*graphForm_->sPointer, FoundNode->Left());
}

// WHILE s^.rchild<>NIL
bool TBsTree::del_bstree_F_While() { return Rec("s")->GetRChild() != nullptr; }

// q:=s; s:=s^.rchild
void TBsTree::del_bstree_Line3() {
  TBsTreeGraphForm& f = *graphForm_;
  TCharNodeData* s = Rec("s");
  SetRec("q", s);
  SetRec("s", s->GetRChild());
  TBinCharTreeNode* sNode = MarkerNode(*f.sPointer);
  PointMarker(*f.qPointer, sNode);
  PointMarker(*f.sPointer, sNode ? sNode->Right() : nullptr);
}

// p^.key:=s^.key: only the key moves; each node keeps its own name, so the root does not
// read like the node about to go.
void TBsTree::del_bstree_Line4() {
  TBinCharTreeNode* sNode = MarkerNode(*graphForm_->sPointer);
  TBinCharTreeNode* pNode = FoundNode;
  if (!sNode || !pNode) return;
  BlinkNode(*sNode);
  pNode->SetValue(sNode->Value());
  BlinkNode(*pNode);
  Rec("p")->SetKey(Rec("s")->GetKey());
}

// IF q<>p
bool TBsTree::del_bstree_F_If2() { return Rec("q") != Rec("p"); }

// The predecessor s leaves the tree: q takes s's left subtree in s's place.
void TBsTree::UnlinkPredecessor(bool asRight) {
  TBsTreeGraphForm& f = *graphForm_;
  TBinCharTreeNode* qNode = MarkerNode(*f.qPointer);
  TBinCharTreeNode* sNode = MarkerNode(*f.sPointer);
  if (!qNode || !sNode) return;
  PointMarker(*f.sPointer, nullptr);
  SpliceOut(*f.Tree, qNode, !asRight, sNode, true);
  Renumber();
  SetRec("s", nullptr);
}

// q^.rchild:=s^.lchild
void TBsTree::del_bstree_Line5() { UnlinkPredecessor(true); }
// q^.lchild:=s^.lchild
void TBsTree::del_bstree_Else3() { UnlinkPredecessor(false); }
