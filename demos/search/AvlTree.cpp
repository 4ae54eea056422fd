#include "demos/search/AvlTree.h"

#include "demos/search/AvlTreeClass.h"
#include "demos/search/AvlTreeGrfForm.h"
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

TAVLTree::TAVLTree(const QStringList& source) : TAlgoDemo(source) {}

TAVLTree::~TAVLTree() {
  views::Toolbar().EnableButton(ToolButton::DemoReset, true);
  views::Toolbar().EnableButton(ToolButton::AlgData, true);
}

void TAVLTree::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  graphForm_ = std::make_unique<TAVlTreeGraphForm>();
  graphForm_->OnOperation = [this](int operation) { RunOperation(operation); };
}

void TAVLTree::AfterConstruction() {
  views::Toolbar().EnableButton(ToolButton::DemoReset, false);
  views::Toolbar().EnableButton(ToolButton::AlgData, false);
}

bool TAVLTree::CreateData() {
  AbandonOperation();
  return graphForm_->Tree->Input();
}

void TAVLTree::ResetLocalData(const QString& procName) {
  if (procName == QLatin1String("ins_avltree")) {
    AddVars(*Locals(), IntVar("d", 0), BoolVar("balanced", false));
  } else if (procName == QLatin1String("del_avltree")) {
    AddVars(*Locals(), IntVar("d", 0), BoolVar("shorter", false), CharVar("newkey", ' '));
  }
  Point(graphForm_->t, graphForm_->Tree->AvlRoot());
}

void TAVLTree::SaveData(const QString& fileName) { graphForm_->Tree->SaveToFile(fileName); }

void TAVLTree::LoadData(const QString& fileName) {
  AbandonOperation();
  graphForm_->Tree->LoadFromFile(fileName);
  Reset();
  UpdateChildWindow();
}

void TAVLTree::SetWindowRect() { MainForm->DockThreePanes(graphForm_.get(), 60, VariableForm, 60, AlgorithmForm); }

void TAVLTree::Reset() {
  if ((LastAvlOperation == kInsert || LastAvlOperation == kDelete) && graphForm_->Letter() != '\0') {
    RunOperation(LastAvlOperation);
  } else if (Procedures()->Count() == 0) {
    TAlgoDemo::Reset();
  }
  views::Toolbar().EnableButton(ToolButton::AlgData, false);
}

void TAVLTree::UpdateChildWindow() {
  TAlgoDemo::UpdateChildWindow();
  if (UpdateHiddenWindows || graphForm_->isVisible()) graphForm_->Update();
  graphForm_->Tree->Arrange();
  graphForm_->Tree->Repaint();
}

void TAVLTree::DemoFinished() {
  TAVlTreeGraphForm& f = *graphForm_;
  // A new node that was never linked (a letter already there) goes with the operation.
  operation_.End(*f.Tree);
  f.Idle();
  TAlgoDemo::DemoFinished();
  EnableRunButtons(false);
  views::Toolbar().EnableButton(ToolButton::Return, true);
}

void TAVLTree::AbandonOperation() {
  TAvlTreeClass& tree = *graphForm_->Tree;
  if (operation_.Undo(tree)) {
    tree.Arrange();
    tree.Repaint();
  }
  graphForm_->HideMarkers();
  DropFrames();
}

void TAVLTree::RunOperation(int operation) {
  TAVlTreeGraphForm& f = *graphForm_;
  if (f.Letter() == '\0') return;
  AbandonOperation();
  operation_.Begin(*f.Tree);
  views::Toolbar().EnableButton(ToolButton::DemoReset, false);
  LoadSource(operation == kInsert ? TAVlTreeGraphForm::AlgoInsert : TAVlTreeGraphForm::AlgoDelete);
  PushCall(ProcedureAt(0)->Name(), BuildAvlArgs());
  views::Algorithm().SelectTab(0);
  f.ChEdit->setEnabled(false);
  f.EnableButtons(false);
  EnableRunButtons(true);
  views::Toolbar().EnableButton(ToolButton::DemoReset, false);
  views::Toolbar().EnableButton(ToolButton::AlgData, false);
  LastAvlOperation = operation;
  UpdateChildWindow();
}

std::unique_ptr<TData> TAVLTree::BuildAvlArgs() {
  Key = graphForm_->Letter();
  return std::make_unique<TData>(QString());
}

// ---------------------------------------------------------------- helpers

TAVlTreeNode* TAVLTree::At(const TPointer2* marker) const { return dynamic_cast<TAVlTreeNode*>(marker->Target()); }

void TAVLTree::Point(TPointer2* marker, TAVlTreeNode* node) { PointMarker(*marker, node); }

int TAVLTree::D() const { return Var("d").Value(); }
void TAVLTree::SetD(int d) { Var("d").SetValue(d); }
bool TAVLTree::Flag(const char* name) const { return Var<TBoolData>(name).Value(); }
void TAVLTree::SetFlag(const char* name, bool value) { Var<TBoolData>(name).SetValue(value); }

TAVlTreeNode* TAVLTree::NewNode() const { return dynamic_cast<TAVlTreeNode*>(operation_.NewNode()); }

void TAVLTree::Changed() {
  TAvlTreeClass& tree = *graphForm_->Tree;
  tree.ComputeLevels();
  tree.Arrange();
  tree.Repaint();
}

// ---------------------------------------------------------------- ins_avltree

// new(s); s^.key:=k; ...: the new node waits in the tree's top-left corner.
void TAVLTree::ins_avltree_Begin() {
  auto* s = operation_.MakeNewNode<TAVlTreeNode>(*graphForm_->Tree, Key, QStringLiteral("NewNode"));
  // s^.key:=k, the letter of the operation, as long as s is its new node.
  s->Stands = {{.Value = [this, s] {
    const char key = operation_.NewNode() == s ? Key : s->Value();
    return std::optional<QString>(TAVlTreeNode::KeyAndBf(key, s->bf));
  }}};
  Point(graphForm_->s, s);
}

// IF t=NIL
bool TAVLTree::ins_avltree_F_Line1() { return !At(graphForm_->t); }

// t:=s
void TAVLTree::ins_avltree_Line2() {
  TAvlTreeClass& tree = *graphForm_->Tree;
  TAVlTreeNode* s = NewNode();
  Point(graphForm_->s, nullptr);
  s->ParentNode = nullptr;
  s->stair = 1;
  tree.SetRootBase(s);
  Point(graphForm_->t, s);
  Changed();
}

// f:=NIL; a:=t; p:=t; q:=NIL
void TAVLTree::ins_avltree_Line3() {
  TAVlTreeGraphForm& f = *graphForm_;
  Point(f.f, nullptr);
  Point(f.a, f.Tree->AvlRoot());
  Point(f.p, f.Tree->AvlRoot());
  Point(f.q, nullptr);
}

// WHILE p<>NIL
bool TAVLTree::ins_avltree_F_Line4() { return At(graphForm_->p) != nullptr; }
// IF p^.bf<>0
bool TAVLTree::ins_avltree_F_Line5() { return At(graphForm_->p)->bf != 0; }

// a:=p; f:=q
void TAVLTree::ins_avltree_Line6() {
  TAVlTreeGraphForm& f = *graphForm_;
  Point(f.a, At(f.p));
  Point(f.f, At(f.q));
}

// q:=p
void TAVLTree::ins_avltree_Line7() { Point(graphForm_->q, At(graphForm_->p)); }
// IF k=p^.key
bool TAVLTree::ins_avltree_F_Line8() { return At(graphForm_->p)->Value() == Key; }
// writeln('关键字已存在')
void TAVLTree::ins_avltree_Line9() { modal::ShowMessage(QStringLiteral("关键字已存在")); }
// IF k<p^.key
bool TAVLTree::ins_avltree_F_Line10() { return At(graphForm_->p)->Value() > Key; }
// p:=p^.lchild
void TAVLTree::ins_avltree_Line11() { Point(graphForm_->p, At(graphForm_->p)->AvlLeft()); }
// p:=p^.rchild
void TAVLTree::ins_avltree_Line12() { Point(graphForm_->p, At(graphForm_->p)->AvlRight()); }
// IF k<q^.key
bool TAVLTree::ins_avltree_F_Line13() { return At(graphForm_->q)->Value() > Key; }

bool TAVLTree::LinkNewNode(bool left) {
  TAVlTreeGraphForm& f = *graphForm_;
  if (!operation_.LinkNewNode(At(f.q), left)) {
    Point(f.s, nullptr);
    return false;
  }
  Changed();
  return true;
}

// q^.lchild:=s
bool TAVLTree::ins_avltree_F_Line14() { return LinkNewNode(true); }
// q^.rchild:=s
bool TAVLTree::ins_avltree_F_Line15() { return LinkNewNode(false); }
// IF k<a^.key
bool TAVLTree::ins_avltree_F_Line16() { return At(graphForm_->a)->Value() > Key; }

// p:=a^.lchild; b:=p; d:=1
void TAVLTree::ins_avltree_Line17() {
  TAVlTreeGraphForm& f = *graphForm_;
  Point(f.p, At(f.a)->AvlLeft());
  Point(f.b, At(f.p));
  SetD(1);
}

// p:=a^.rchild; b:=p; d:=-1
void TAVLTree::ins_avltree_Line18() {
  TAVlTreeGraphForm& f = *graphForm_;
  Point(f.p, At(f.a)->AvlRight());
  Point(f.b, At(f.p));
  SetD(-1);
}

// WHILE p<>s
bool TAVLTree::ins_avltree_F_Line19() { return At(graphForm_->p) != NewNode(); }
// IF k<p^.key
bool TAVLTree::ins_avltree_F_Line20() { return At(graphForm_->p)->Value() > Key; }

// p^.bf:=1; p:=p^.lchild
void TAVLTree::ins_avltree_Line21() {
  TAVlTreeNode* p = At(graphForm_->p);
  p->SetBf(1);
  Point(graphForm_->p, p->AvlLeft());
}

// p^.bf:=-1; p:=p^.rchild
void TAVLTree::ins_avltree_Line22() {
  TAVlTreeNode* p = At(graphForm_->p);
  p->SetBf(-1);
  Point(graphForm_->p, p->AvlRight());
}

// balanced:=TRUE
void TAVLTree::ins_avltree_Line23() { SetFlag("balanced", true); }
// IF a^.bf=0
bool TAVLTree::ins_avltree_F_Line24() { return At(graphForm_->a)->bf == 0; }
// a^.bf:=d
void TAVLTree::ins_avltree_Line25() { At(graphForm_->a)->SetBf(D()); }
// IF a^.bf+d=0
bool TAVLTree::ins_avltree_F_Line26() { return At(graphForm_->a)->bf + D() == 0; }
// a^.bf:=0
void TAVLTree::ins_avltree_Line27() { At(graphForm_->a)->SetBf(0); }
// balanced:=FALSE
void TAVLTree::ins_avltree_Line28() { SetFlag("balanced", false); }
// IF d=1
bool TAVLTree::ins_avltree_F_Line29() { return D() == 1; }
// IF b^.bf=1
bool TAVLTree::ins_avltree_F_Line30() { return At(graphForm_->b)->bf == 1; }

void TAVLTree::Single(bool ll, int aBf, int bBf) {
  TAVlTreeGraphForm& f = *graphForm_;
  TAVlTreeNode* a = At(f.a);
  TAVlTreeNode* b = At(f.b);
  if (!a || !b) return;
  RotateSingle(*f.Tree, a, ll);
  a->SetBf(aBf);
  b->SetBf(bBf);
  Point(f.a, b);
  FollowRoot(b);
  Changed();
}

void TAVLTree::Double(bool lr) {
  TAVlTreeGraphForm& f = *graphForm_;
  TAVlTreeNode* a = At(f.a);
  if (!a) return;
  TAVlTreeNode* c = RotateDouble(*f.Tree, a, lr);
  Point(f.a, c);
  Point(f.b, c);
  FollowRoot(c);
  Changed();
}

// A rotation at the root makes its new subtree root the tree's (t:=b in the rotation's
// relinking): t goes with it.
void TAVLTree::FollowRoot(TAVlTreeNode* subtreeRoot) {
  if (subtreeRoot && !subtreeRoot->ParentNode) Point(graphForm_->t, subtreeRoot);
}

// LL_rotation(a,b)
void TAVLTree::ins_avltree_Line31() { Single(true, 0, 0); }
// IF b^.bf=-1
bool TAVLTree::ins_avltree_F_Line32() { return At(graphForm_->b)->bf == -1; }
// LR_rotation(a,b)
void TAVLTree::ins_avltree_Line33() { Double(true); }
// IF b^.bf=-1
bool TAVLTree::ins_avltree_F_Line34() { return At(graphForm_->b)->bf == -1; }
// RR_rotation(a,b)
void TAVLTree::ins_avltree_Line35() { Single(false, 0, 0); }
// IF b^.bf=1
bool TAVLTree::ins_avltree_F_Line36() { return At(graphForm_->b)->bf == 1; }
// RL_rotation(a,b)
void TAVLTree::ins_avltree_Line37() { Double(false); }

// ---------------------------------------------------------------- del_avltree

// p:=t; f:=NIL; ff:=NIL
void TAVLTree::del_avltree_Begin() {
  TAVlTreeGraphForm& f = *graphForm_;
  Point(f.p, f.Tree->AvlRoot());
  Point(f.f, nullptr);
  Point(f.ff, nullptr);
}

// WHILE (p<>NIL) AND (p^.key<>k)
bool TAVLTree::del_avltree_F_Line0() {
  const TAVlTreeNode* p = At(graphForm_->p);
  return p && p->Value() != Key;
}

// ff:=f; f:=p
void TAVLTree::del_avltree_Line1() {
  TAVlTreeGraphForm& f = *graphForm_;
  Point(f.ff, At(f.f));
  Point(f.f, At(f.p));
}

// IF k<p^.key
bool TAVLTree::del_avltree_F_Line2() { return At(graphForm_->p)->Value() > Key; }
// p:=p^.lchild
void TAVLTree::del_avltree_Line3() { Point(graphForm_->p, At(graphForm_->p)->AvlLeft()); }
// p:=p^.rchild
void TAVLTree::del_avltree_Line4() { Point(graphForm_->p, At(graphForm_->p)->AvlRight()); }
// IF p<>NIL
bool TAVLTree::del_avltree_F_Line5() { return At(graphForm_->p) != nullptr; }
// newkey:=k
void TAVLTree::del_avltree_Line6() { Var<TCharData>("newkey").SetValue(Key); }
// IF p^.lchild=NIL
bool TAVLTree::del_avltree_F_Line7() { return !At(graphForm_->p)->LeftChild; }
// IF f=NIL
bool TAVLTree::del_avltree_F_Line8() { return !At(graphForm_->f); }

// t:=p^.rchild; dispose(p); shorter:=FALSE
void TAVLTree::del_avltree_Line9() {
  TAVlTreeGraphForm& f = *graphForm_;
  TAvlTreeClass& tree = *f.Tree;
  SetFlag("shorter", false);
  TAVlTreeNode* p = At(f.p);
  Point(f.p, nullptr);
  SpliceOut(tree, nullptr, false, p, false);
  if (TAVlTreeNode* right = tree.AvlRoot()) {
    Changed();
    Point(f.t, right);
  } else {
    Point(f.t, nullptr);
    tree.Repaint();
  }
}

// IF p=f^.lchild
bool TAVLTree::del_avltree_F_Line10() { return At(graphForm_->f)->LeftChild == At(graphForm_->p); }

void TAVLTree::BypassP(bool left) {
  TAVlTreeGraphForm& f = *graphForm_;
  TAVlTreeNode* parent = At(f.f);
  TAVlTreeNode* p = At(f.p);
  if (!parent || !p) return;
  Point(f.p, nullptr);
  SpliceOut(*f.Tree, parent, left, p, false);
  Changed();
}

// f^.lchild:=p^.rchild
void TAVLTree::del_avltree_Line11() { BypassP(true); }
// f^.rchild:=p^.rchild
void TAVLTree::del_avltree_Line12() { BypassP(false); }

// dispose(p); a:=f; shorter:=TRUE
void TAVLTree::del_avltree_Line13() {
  Point(graphForm_->a, At(graphForm_->f));
  SetFlag("shorter", true);
}

// ff:=f; q:=p; s:=p^.lchild
void TAVLTree::del_avltree_Line14() {
  TAVlTreeGraphForm& f = *graphForm_;
  Point(f.ff, At(f.f));
  Point(f.q, At(f.p));
  Point(f.s, At(f.p)->AvlLeft());
}

// WHILE s^.rchild<>NIL
bool TAVLTree::del_avltree_F_Line15() { return At(graphForm_->s)->RightChild != nullptr; }

// ff:=q; q:=s; s:=s^.rchild
void TAVLTree::del_avltree_Line16() {
  TAVlTreeGraphForm& f = *graphForm_;
  Point(f.ff, At(f.q));
  Point(f.q, At(f.s));
  Point(f.s, At(f.s)->AvlRight());
}

// p^.key:=s^.key
void TAVLTree::del_avltree_Line17() {
  TAVlTreeNode* s = At(graphForm_->s);
  TAVlTreeNode* p = At(graphForm_->p);
  if (!s || !p) return;
  BlinkNode(*s);
  p->SetValue(s->Value());
  BlinkNode(*p);
}

// IF q<>p
bool TAVLTree::del_avltree_F_Line18() { return At(graphForm_->q) != At(graphForm_->p); }

void TAVLTree::UnlinkS(bool asRight) {
  TAVlTreeGraphForm& f = *graphForm_;
  TAVlTreeNode* q = At(f.q);
  TAVlTreeNode* s = At(f.s);
  if (!q || !s) return;
  NewKey = s->Value();
  Point(f.s, nullptr);
  SpliceOut(*f.Tree, q, !asRight, s, true);
  Changed();
}

// q^.rchild:=s^.lchild
void TAVLTree::del_avltree_Line19() { UnlinkS(true); }
// q^.lchild:=s^.lchild
void TAVLTree::del_avltree_Line20() { UnlinkS(false); }

// dispose(s); a:=q; shorter:=TRUE
void TAVLTree::del_avltree_Line21() {
  Point(graphForm_->a, At(graphForm_->q));
  SetFlag("shorter", true);
}

// newkey:=p^.key
void TAVLTree::del_avltree_Line22() { Var<TCharData>("newkey").SetValue(NewKey); }
// WHILE shorter
bool TAVLTree::del_avltree_F_Line23() { return Flag("shorter"); }
// IF a^.key<newkey
bool TAVLTree::del_avltree_F_Line24() { return At(graphForm_->a)->Value() < Var<TCharData>("newkey").Value(); }

// d:=1; b:=a^.lchild
void TAVLTree::del_avltree_Line25() {
  SetD(1);
  Point(graphForm_->b, At(graphForm_->a)->AvlLeft());
}

// d:=-1; b:=a^.rchild
void TAVLTree::del_avltree_Line26() {
  SetD(-1);
  Point(graphForm_->b, At(graphForm_->a)->AvlRight());
}

// IF a^.bf=0
bool TAVLTree::del_avltree_F_Line27() { return At(graphForm_->a)->bf == 0; }

// a^.bf:=d; shorter:=FALSE
void TAVLTree::del_avltree_Line28() {
  At(graphForm_->a)->SetBf(D());
  SetFlag("shorter", false);
}

// IF a^.bf+d=0
bool TAVLTree::del_avltree_F_Line29() { return At(graphForm_->a)->bf + D() == 0; }

// a^.bf:=0; shorter:=TRUE
void TAVLTree::del_avltree_Line30() {
  At(graphForm_->a)->SetBf(0);
  SetFlag("shorter", true);
}

// IF d=1
bool TAVLTree::del_avltree_F_Line31() { return D() == 1; }
// IF b^.bf=0
bool TAVLTree::del_avltree_F_Line32() { return At(graphForm_->b)->bf == 0; }

// LL_rotation(a,b); a^.bf:=1; b^.bf:=-1; shorter:=FALSE
void TAVLTree::del_avltree_Line33() {
  Single(true, 1, -1);
  SetFlag("shorter", false);
}

// IF b^.bf=1
bool TAVLTree::del_avltree_F_Line34() { return At(graphForm_->b)->bf == 1; }

// LL_rotation(a,b); a^.bf:=0; b^.bf:=0; shorter:=TRUE
void TAVLTree::del_avltree_Line35() {
  Single(true, 0, 0);
  SetFlag("shorter", true);
}

// IF b^.bf=-1
bool TAVLTree::del_avltree_F_Line36() { return At(graphForm_->b)->bf == -1; }

// LR_rotation(a,b); shorter:=TRUE
void TAVLTree::del_avltree_Line37() {
  Double(true);
  SetFlag("shorter", true);
}

// IF b^.bf=0
bool TAVLTree::del_avltree_F_Line38() { return At(graphForm_->b)->bf == 0; }

// RR_rotation(a,b); a^.bf:=-1; b^.bf:=1; shorter:=FALSE
void TAVLTree::del_avltree_Line39() {
  Single(false, -1, 1);
  SetFlag("shorter", false);
}

// IF b^.bf=-1
bool TAVLTree::del_avltree_F_Line40() { return At(graphForm_->b)->bf == -1; }

// RR_rotation(a,b); a^.bf:=0; b^.bf:=0; shorter:=TRUE
void TAVLTree::del_avltree_Line41() {
  Single(false, 0, 0);
  SetFlag("shorter", true);
}

// IF b^.bf=1
bool TAVLTree::del_avltree_F_Line42() { return At(graphForm_->b)->bf == 1; }

// RL_rotation(a,b); shorter:=TRUE
void TAVLTree::del_avltree_Line43() {
  Double(false);
  SetFlag("shorter", true);
}

// IF ff=NIL
bool TAVLTree::del_avltree_F_Line44() { return !At(graphForm_->ff); }

// a:=b; t:=b; shorter:=FALSE
void TAVLTree::del_avltree_Line45() {
  TAVlTreeGraphForm& f = *graphForm_;
  Point(f.a, At(f.b));
  Point(f.t, At(f.b));
  SetFlag("shorter", false);
}

// IF shorter
bool TAVLTree::del_avltree_F_Line50() { return Flag("shorter"); }

// b:=t; f:=NIL; ff:=NIL
void TAVLTree::del_avltree_Line51() {
  TAVlTreeGraphForm& f = *graphForm_;
  Point(f.b, f.Tree->AvlRoot());
  Point(f.f, nullptr);
  Point(f.ff, nullptr);
}

// WHILE b^.key<>a^.key
bool TAVLTree::del_avltree_F_Line52() { return At(graphForm_->b)->Value() != At(graphForm_->a)->Value(); }

// ff:=f; f:=b
void TAVLTree::del_avltree_Line53() {
  TAVlTreeGraphForm& f = *graphForm_;
  Point(f.ff, At(f.f));
  Point(f.f, At(f.b));
}

// IF a^.key<b^.key
bool TAVLTree::del_avltree_F_Line54() { return At(graphForm_->a)->Value() < At(graphForm_->b)->Value(); }
// b:=b^.lchild
void TAVLTree::del_avltree_Line55() { Point(graphForm_->b, At(graphForm_->b)->AvlLeft()); }
// b:=b^.rchild
void TAVLTree::del_avltree_Line56() { Point(graphForm_->b, At(graphForm_->b)->AvlRight()); }
// newkey:=a^.key
void TAVLTree::del_avltree_Line57() { Var<TCharData>("newkey").SetValue(At(graphForm_->a)->Value()); }
// a:=f
void TAVLTree::del_avltree_Line58() { Point(graphForm_->a, At(graphForm_->f)); }
// IF f=NIL
bool TAVLTree::del_avltree_F_Line59() { return !At(graphForm_->f); }
// shorter:=FALSE
void TAVLTree::del_avltree_Line60() { SetFlag("shorter", false); }
// writeln('关键字不存在')
void TAVLTree::del_avltree_Line61() { modal::ShowMessage(QStringLiteral("关键字不存在")); }
