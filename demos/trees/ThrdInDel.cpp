#include "demos/trees/ThrdInDel.h"

#include "demos/trees/ThrdInDelGraphForm.h"
#include "demos/trees/ThrdTree.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/engine/DemoViews.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/ModalHost.h"

namespace {
enum { kP, kX, kY, kThrt };
}

TThrdInDel::TThrdInDel(const QStringList& source) : TFormDemo(source), idleSource_(source) {}

TThrdInDel::~TThrdInDel() { SetDataAndResetButtons(true); }

void TThrdInDel::CreateChildWindow() {
  TFormDemo::CreateChildWindow();
  graphForm_->OnInsert = [this] { InsertBtnClick(); };
  graphForm_->OnDelete = [this] { DeleteBtnClick(); };
  graphForm_->OnCheckDepth = [this](TTreeNodeBase& node) { CheckDepth(node); };
  TThrdInDelGraphForm& f = *graphForm_;
  TPointer2* pointers[] = {f.p, f.x, f.y, f.thrt};
  for (int which : {kP, kX, kY, kThrt})
    pointers[which]->Means = {.Node = [this, which] { return TShapeRef{vars_[which].data()}; }};
}

void TThrdInDel::AfterConstruction() { SetDataAndResetButtons(false); }

void TThrdInDel::SetDataAndResetButtons(bool enabled) {
  views::Toolbar().EnableButton(ToolButton::DemoReset, enabled);
  views::Toolbar().EnableButton(ToolButton::AlgData, enabled);
}

bool TThrdInDel::CreateData() {
  TThrdTree& tree = *graphForm_->Tree;
  if (!tree.RethreadTree()) return false;
  // The new tree replaces whatever an operation had half done.
  tree.DropStrayNodes();
  snapshot_.clear();
  return true;
}

void TThrdInDel::Reset() {
  TThrdInDelGraphForm& f = *graphForm_;
  if (!snapshot_.isEmpty()) {
    // An operation was under way: its text is not entered again, the tree goes back to
    // what it was before the button.
    f.Tree->Restore(snapshot_);
    snapshot_.clear();
  }
  if (Procedures()->Count() > 0) LoadSource(idleSource_);
  for (int which : {kP, kX, kY}) Point(which, nullptr);
  f.ClicksLocked = true;
  f.SetStatus(QString(), false);
  f.ChEdit->setEnabled(true);
  f.DeleteBtn->setEnabled(true);
  f.InsertBtn->setEnabled(!f.ChEdit->text().isEmpty());
  TAlgoDemo::Reset();
  views::Toolbar().EnableButton(ToolButton::AlgData, false);
}

void TThrdInDel::ResetLocalData(const QString& procName) {
  // The marks are the call's variables: thrt is given, y is given by the click, x by the button
  // in an insertion; the others have no value until a line sets them.
  Point(kThrt, graphForm_->Tree->thrt);
  Point(kY, nullptr);
  Point(kP, nullptr);
  if (procName != QLatin1String("insert")) Point(kX, nullptr);
}

void TThrdInDel::DemoFinished() {
  TThrdInDelGraphForm& f = *graphForm_;
  snapshot_.clear();
  f.ChEdit->setEnabled(true);
  f.DeleteBtn->setEnabled(true);
  f.InsertBtn->setEnabled(false);
  TAlgoDemo::DemoFinished();
  EnableRunButtons(false);
}

void TThrdInDel::SetWindowRect() { MainForm->DockTwoPanes(graphForm_.get(), 55, AlgorithmForm); }

void TThrdInDel::UpdateChildWindow() {
  TAlgoDemo::UpdateChildWindow();
  if (UpdateHiddenWindows || graphForm_->isVisible()) graphForm_->Update();
  graphForm_->Tree->Arrange();
  graphForm_->Tree->Repaint();
}

void TThrdInDel::ShowGraph() { graphForm_->Tree->PlacePointers(); }

void TThrdInDel::SaveData(const QString& fileName) { graphForm_->Tree->SaveToFile(fileName); }

void TThrdInDel::LoadData(const QString& fileName) {
  graphForm_->Tree->LoadFromFile(fileName);
  graphForm_->Tree->InOrderThreading();
  snapshot_.clear();
  Reset();
  UpdateChildWindow();
}

TThrdTreeNode* TThrdInDel::Target(int which) const { return vars_[which]; }

void TThrdInDel::Point(int which, TThrdTreeNode* node) {
  TThrdInDelGraphForm& f = *graphForm_;
  TPointer2* pointers[] = {f.p, f.x, f.y, f.thrt};
  vars_[which] = node;
  pointers[which]->SetTarget(node);
  // Marks on one node stand apart (a click on the head joins thrt there).
  f.Tree->PlacePointers();
}

void TThrdInDel::Changed() {
  for (QObject* child : graphForm_->Tree->children())
    if (auto* node = dynamic_cast<TThrdTreeNode*>(child)) node->Repaint();
  graphForm_->Tree->PlacePointers();  // a new thread may run where a mark stands
  graphForm_->Tree->Repaint();
}

// ---------------------------------------------------------------- the two buttons

void TThrdInDel::StartOperation(bool insert) {
  TThrdInDelGraphForm& f = *graphForm_;
  TThrdTree& tree = *f.Tree;
  // The run buttons wait for the node to be clicked; nothing runs yet, so 暂停 stays off.
  // Leaving stays possible while a node is awaited (the pending node goes with the tree).
  DisableRunKeys();
  SetDataAndResetButtons(false);
  views::Toolbar().EnableButton(ToolButton::BreakPnt, false);
  views::Toolbar().EnableButton(ToolButton::Return, true);
  snapshot_ = tree.SaveToBytes();
  f.ClicksLocked = false;
  f.InsertMode = insert;
  if (insert) {
    auto* node = new TThrdTreeNode(tree);
    node->SetValue(static_cast<char>(f.ChEdit->text().at(0).unicode()));
    node->stair = 1;
    node->setObjectName(QStringLiteral("NewNode"));
    tree.Waiting = node;
    tree.PlaceWaiting();
    Point(kX, node);
    f.SetStatus(QStringLiteral("  请用鼠标选择一个节点，插入的节点将成为此节点的左孩子"), true);
    LoadSource(TThrdInDelGraphForm::AlgoInsert);
  } else {
    tree.Waiting = nullptr;
    f.SetStatus(QStringLiteral("请用鼠标选择一个节点，此节点的左子树将被删除"), true);
    LoadSource(TThrdInDelGraphForm::AlgoDelete);
  }
  PushCall(ProcedureAt(0)->Name(), nullptr);
  views::Algorithm().SelectTab(0);
  f.ChEdit->setEnabled(false);
  f.InsertBtn->setEnabled(false);
  f.DeleteBtn->setEnabled(false);
}

void TThrdInDel::InsertBtnClick() { StartOperation(true); }
void TThrdInDel::DeleteBtnClick() { StartOperation(false); }

void TThrdInDel::CheckDepth(TTreeNodeBase& clicked) {
  TThrdInDelGraphForm& f = *graphForm_;
  auto* node = dynamic_cast<TThrdTreeNode*>(&clicked);
  // The pending new node itself is no place to insert.
  if (!node || node == Target(kX)) {
    f.ClicksLocked = false;
    return;
  }
  const int maxDepth = f.Tree->MaxDepth;
  const bool tooDeep = node->ltag != 0 ? node->stair == maxDepth : node->SubtreeDepth() + node->stair > maxDepth;
  if (f.InsertMode && tooDeep) {
    modal::ShowMessage(QStringLiteral("树深度过大，不能在此节点上插入"));
    f.ClicksLocked = false;
    return;
  }
  f.ClicksLocked = true;
  f.SetStatus(QString(), false);
  Point(kY, node);
  EnableRunButtons(true);
  SetDataAndResetButtons(false);
}

// ---------------------------------------------------------------- insert

// IF (y = thrt) AND (y^.ltag = 1)
bool TThrdInDel::insert_F_Begin() { return Target(kY) == graphForm_->Tree->thrt && Target(kY)->ltag == 1; }

// y^.rc := x
void TThrdInDel::insert_Line1() {
  Target(kY)->RightChild = Target(kX);
  Changed();
}

// p := y
void TThrdInDel::insert_Line2() { Point(kP, Target(kY)); }

// WHILE p^.ltag = 0
bool TThrdInDel::insert_F_Line3() { return Target(kP)->ltag == 0; }

// p := p^.lc
void TThrdInDel::insert_Line4() { Point(kP, Target(kP)->LeftLink()); }

// x^.ltag := 1; x^.lc := p^.lc
void TThrdInDel::insert_Line5() {
  Target(kX)->ltag = 1;
  Target(kX)->LeftChild = Target(kP)->LeftChild;
  Changed();
}

// IF y^.ltag = 1
bool TThrdInDel::insert_F_Line6() { return Target(kY)->ltag == 1; }

// x^.rtag := 1; x^.rc := y
void TThrdInDel::insert_Line7() {
  Target(kX)->rtag = 1;
  Target(kX)->RightChild = Target(kY);
  Changed();
}

// x^.rtag := 0; x^.rc := y^.lc: y's old left subtree becomes x's right subtree
void TThrdInDel::insert_Line8() {
  TThrdTreeNode* x = Target(kX);
  TThrdTreeNode* y = Target(kY);
  TThrdTree& tree = *graphForm_->Tree;
  x->rtag = 0;
  x->stair = y->stair + 1;
  if (!tree.Root()) {
    tree.SetRootBase(x);
    x->stair = 1;
  }
  x->SetRight(y->LeftLink());
  Changed();
}

// p^.lc := x
void TThrdInDel::insert_Line9() {
  Target(kP)->LeftChild = Target(kX);
  Changed();
}

// y^.ltag := 0; y^.lc := x
void TThrdInDel::insert_Line10() {
  TThrdTreeNode* x = Target(kX);
  TThrdTreeNode* y = Target(kY);
  TThrdTree& tree = *graphForm_->Tree;
  y->ltag = 0;
  y->SetLeft(x);
  if (y == tree.thrt) {
    // Under the head the new node is the tree's root.
    x->ParentNode = nullptr;
    tree.SetRootBase(x);
  }
  x->setObjectName(QString());
  tree.ComputeLevels();
  tree.Arrange();
  Changed();
}

// ---------------------------------------------------------------- delete

// IF y = thrt
bool TThrdInDel::delete_F_Begin() { return Target(kY) == graphForm_->Tree->thrt; }

// y^.rc := y
void TThrdInDel::delete_Line1() {
  Target(kY)->RightChild = Target(kY);
  Changed();
}

// IF y^.ltag = 0
bool TThrdInDel::delete_F_Line2() { return Target(kY)->ltag == 0; }

// x := y^.lc; p := x
void TThrdInDel::delete_Line3() {
  Point(kX, Target(kY)->LeftLink());
  Point(kP, Target(kX));
}

// WHILE p^.ltag = 0
bool TThrdInDel::delete_F_Line4() { return Target(kP)->ltag == 0; }

// p := p^.lc
void TThrdInDel::delete_Line5() { Point(kP, Target(kP)->LeftLink()); }

// y^.ltag := 1; y^.lc := p^.lc
void TThrdInDel::delete_Line6() {
  TThrdTreeNode* y = Target(kY);
  y->ltag = 1;
  y->LeftChild = Target(kP)->LeftChild;
  Target(kX)->ParentNode = nullptr;
  Changed();
}

// Clear(x)
void TThrdInDel::delete_Line7() {
  TThrdTree& tree = *graphForm_->Tree;
  if (TThrdTreeNode* x = Target(kX)) {
    if (x == tree.Root()) tree.SetRootBase(nullptr);
    Point(kP, nullptr);
    Point(kX, nullptr);
    x->FreeSubtree();
    tree.InOrderThreading();
  }
  Changed();
}
