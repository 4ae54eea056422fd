#include "demos/search/MBTree.h"

#include <QRect>
#include <algorithm>
#include <vector>

#include "demos/search/BTreeClass.h"
#include "demos/search/BTreeGrfForm.h"
#include "demos/search/BsTreeClass.h"
#include "demos/trees/TreeFile.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/engine/DemoViews.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/ModalHost.h"

namespace {

void EnableResetAndData(bool enable) {
  views::Toolbar().EnableButton(ToolButton::DemoReset, enable);
  views::Toolbar().EnableButton(ToolButton::AlgData, enable);
}

const QString kEnd = QStringLiteral("删除结束");
const QString kInserted = QStringLiteral("插入结束");
const QString kFindSibling = QStringLiteral("寻找节点p 的一个关键字个数>=2 的兄弟节点");
const QString kInsertInto = QStringLiteral("在节点Ｐ中插入");

}  // namespace

// ---------------------------------------------------------------- shared part

TBTreeDemoBase::TBTreeDemoBase(const QStringList& source) : TAlgoDemo(source) {}

TBTreeDemoBase::~TBTreeDemoBase() {
  EnableResetAndData(true);
  EnableRunButtons(true);
}

void TBTreeDemoBase::SetGraphForm(std::unique_ptr<TBTreeGraphForm> form) {
  graphForm_ = std::move(form);
  graphForm_->OnInsert = [this] { StartOperation(1); };
  graphForm_->OnDelete = [this] { StartOperation(20); };
}

TBTreeClass& TBTreeDemoBase::Tree() const { return *graphForm_->Tree; }

void TBTreeDemoBase::AfterConstruction() {
  State = 0;
  // Nothing runs yet: the run keys are off, and so is 暂停, behind the first dialog too.
  DisableRunKeys();
}

void TBTreeDemoBase::DemoFinished() {
  TBTreeGraphForm& f = *graphForm_;
  ClearMarksAndStatus();
  DropFloatingNodes();
  Relayout();
  f.KeyEdit->setEnabled(true);
  f.KeyEdit->clear();
  f.KeyEdit->setFocus();
  EnableResetAndData(true);
  State = 0;
  P = Q = AP = nullptr;
  snapshot_.clear();
  TAlgoDemo::DemoFinished();
}

bool TBTreeDemoBase::CreateData() {
  AbandonOperation();
  return Tree().Input();
}

void TBTreeDemoBase::SaveData(const QString& fileName) { Tree().SaveToFile(fileName); }

void TBTreeDemoBase::LoadData(const QString& fileName) {
  AbandonOperation();
  Tree().LoadFromFile(fileName);
  Reset();
  UpdateChildWindow();
}

void TBTreeDemoBase::SetWindowRect() { MainForm->DockOnePane(graphForm_.get()); }

void TBTreeDemoBase::Reset() {
  TAlgoDemo::Reset();
  ClearMarksAndStatus();
  // With no operation chosen a run would step the idle line for ever: the run keys wait for
  // "插入" or "删除", as they do once an operation has ended.
  if (State == 0) DisableRunKeys();
}

void TBTreeDemoBase::UpdateChildWindow() {
  TAlgoDemo::UpdateChildWindow();
  if (!HoldLayout) Tree().Arrange();
  Tree().Repaint();
  if (UpdateHiddenWindows || graphForm_->isVisible()) graphForm_->Update();
}

void TBTreeDemoBase::StartOperation(int state) {
  TBTreeGraphForm& f = *graphForm_;
  snapshot_ = Tree().SaveToBytes();
  State = state;
  Reset();
  f.SetStatus(QStringLiteral("查找关键字"), true);
  // The key is read when the first step runs: it stays as typed until the operation ends.
  f.KeyEdit->setEnabled(false);
  EnableResetAndData(false);
}

void TBTreeDemoBase::AbandonOperation() {
  if (State == 0) return;
  TBTreeGraphForm& f = *graphForm_;
  DropFloatingNodes();
  P = Q = AP = nullptr;
  // An operation that has reached its end left the tree at rest; one halfway through
  // is undone.
  const bool ended = State == 2 || State == 3 || State == 21 || State == 22;
  if (!ended) {
    try {
      Tree().LoadFromBytes(snapshot_, QString());
    } catch (const ETreeFileError&) {
      Tree().Clear();  // cannot happen: the snapshot was written from a tree at rest
    }
  }
  Tree().FreeStrayNodes();
  snapshot_.clear();
  State = 0;
  ClearMarksAndStatus();
  f.KeyEdit->setEnabled(true);
  Relayout();
}

bool TBTreeDemoBase::Go(int state, const QString& status) {
  State = state;
  graphForm_->SetStatus(status, true);
  return false;
}

bool TBTreeDemoBase::Finish(int state, const QString& status) {
  Go(state, status);
  return true;
}

void TBTreeDemoBase::Mark(TPointer2* mark, TBTreeNode* node) {
  mark->SetTarget(node);
  SpreadPointers(Tree());
}

std::array<TPointer2*, 4> TBTreeDemoBase::Marks() const {
  const TBTreeGraphForm& f = *graphForm_;
  return {f.ap, f.q, f.p, f.succ};
}

void TBTreeDemoBase::ClearMarksAndStatus() {
  for (TPointer2* mark : Marks()) mark->SetTarget(nullptr);
  graphForm_->SetStatus(QString(), false);
}

void TBTreeDemoBase::Relayout() {
  HoldLayout = false;
  Tree().MarkRoot();
  Tree().Arrange();
  SpreadPointers(Tree());
  Tree().Repaint();
}

void TBTreeDemoBase::DropEmptyRoot() {
  if (!P || P != Tree().Root() || P->KeyNum > 0) return;
  Tree().Clear();
  P = nullptr;
  Tree().Repaint();
}

bool TBTreeDemoBase::FindKeyToDelete() {
  K = graphForm_->Key();
  AP = nullptr;
  if (!Tree().Search(K, P, I)) {
    Finish(21, QStringLiteral("关键字不存在"));
    return false;
  }
  Mark(graphForm_->p, P);
  return true;
}

bool TBTreeDemoBase::KeyDeleted() {
  P->Repaint();
  DropEmptyRoot();
  Relayout();
  return Repaired();
}

bool TBTreeDemoBase::Repaired() {
  if (!P || P->KeyNum >= 2 || P == Tree().Root()) return Finish(22, kEnd);
  return Go(24, kFindSibling);
}

bool TBTreeDemoBase::FindInsertPlace(int newRootState, const QString& newRootStatus) {
  K = graphForm_->Key();
  X = K;
  DropFloatingNodes();
  Q = AP = nullptr;
  if (Tree().Search(K, P, I)) return Finish(2, QStringLiteral("关键字已存在"));
  if (!P) return Go(newRootState, newRootStatus);
  Mark(graphForm_->p, P);
  return Go(4, kInsertInto);
}

bool TBTreeDemoBase::InsertStep() {
  if (Tree().InsertRefused(*P)) {
    modal::ShowMessage(QStringLiteral("树深度过大"));
    return Finish(3, kInserted);
  }
  for (TBTreeNode* changed : Tree().InsertInto(*P, I, X, AP)) changed->Repaint();
  DropFloatingNodes();
  Relayout();
  if (P->KeyNum < TBTreeNode::kMaxKeys) return Finish(3, kInserted);
  return Go(5, QStringLiteral("分裂节点Ｐ"));
}

void TBTreeDemoBase::PlaceSplitRow(std::vector<TBTreeNode*> row) {
  TBTreeClass& tree = Tree();
  const int top = row.front()->y();
  const int bottom = row.front()->y() + row.front()->height();
  const int centre = row.front()->x() + (row.back()->x() + row.back()->width() - row.front()->x()) / 2;
  // The nodes standing on the row, and the room they leave it around the node that split.
  std::vector<QRect> others;
  int lo = 0, hi = tree.width();
  for (QObject* child : tree.children()) {
    auto* node = dynamic_cast<TBTreeNode*>(child);
    if (!node || !node->isVisible() || std::find(row.begin(), row.end(), node) != row.end()) continue;
    const QRect box = node->geometry();
    if (std::min(bottom, box.bottom() + 1) - std::max(top, box.top()) <= 1) continue;
    others.push_back(box);
    if (box.center().x() < centre) lo = std::max(lo, box.right() + 1);
    else hi = std::min(hi, box.left());
  }
  // The gaps between the pieces close up as far as the row needs to fit in that room.
  int widths = 0, gaps = 0;
  for (std::size_t k = 0; k < row.size(); ++k) {
    widths += row[k]->width();
    if (k > 0) gaps += row[k]->x() - (row[k - 1]->x() + row[k - 1]->width());
  }
  if (gaps > 0 && widths + gaps > hi - lo) {
    const int room = std::max(hi - lo - widths, 0);
    int x = row.front()->x();
    int given = 0;
    for (std::size_t k = 1; k < row.size(); ++k) {
      const int gap = row[k]->x() - (row[k - 1]->x() + row[k - 1]->width());
      const int now = (given + gap) * room / gaps - given * room / gaps;
      given += gap;
      x += row[k - 1]->width() + now;
      row[k]->move(x, row[k]->y());
    }
  }
  const int left = row.front()->x(), right = row.back()->x() + row.back()->width();
  const auto free = [&](int shift) {
    if (left + shift < 0 || right + shift > tree.width()) return false;
    for (const TBTreeNode* node : row) {
      const QRect box = node->geometry().translated(shift, 0);
      for (const QRect& other : others)
        if (const QRect meet = box & other; meet.width() > 1 && meet.height() > 1) return false;
    }
    return true;
  };
  // The nearest shift, leftwards first: the row is wider than the node it was.
  int shift = std::max(std::min(tree.width() - right, 0), -left);  // where none is free: inside
  for (int by = 0; by <= tree.width(); ++by) {
    if (free(-by) || free(by)) {
      shift = free(-by) ? -by : by;
      break;
    }
  }
  for (TBTreeNode* node : row) node->move(node->x() + shift, node->y());
}

void TBTreeDemoBase::MoveUpAfterSplit() {
  TBTreeGraphForm& f = *graphForm_;
  Q = P;
  Mark(f.q, Q);
  P = P->Parent();
  if (P) I = Tree().ParentPosition(*P, X);
  Mark(f.p, P);
  // The halves stay side by side on the old node's row until the next step.
  HoldLayout = true;
  Tree().Repaint();
}

bool TBTreeDemoBase::GoOnAfterSplit(const QString& newRootStatus) {
  return P ? Go(4, kInsertInto) : Go(6, newRootStatus);
}

bool TBTreeDemoBase::NewRootStep(TBTreeNode* left, TBTreeNode* right) {
  Tree().NewRootOver(left, right, X);
  Relayout();
  DropFloatingNodes();
  return Finish(3, kInserted);
}

bool TBTreeDemoBase::RepairStep() {
  if (State < 24 || State > 26) return false;  // idle, or an operation that has ended
  TBTreeGraphForm& f = *graphForm_;
  TBTreeNode* parent = P->Parent();
  switch (State) {
    case 24:
      AP = Tree().Sibling(*P);
      Mark(f.ap, AP);
      if (AP->KeyNum > 2) return Go(25, QStringLiteral("调整节点p 和ap以及它们的双亲节点"));
      return Go(26, QStringLiteral("合并节点p 和ap"));
    case 25:
      Tree().Borrow(*P, *AP);
      for (TBTreeNode* node : {parent, P, AP}) node->Repaint();
      Relayout();
      P = parent;
      break;
    case 26:
      Tree().Merge(*P, *AP)->Repaint();
      AP = nullptr;
      f.ap->SetTarget(nullptr);
      parent->Repaint();
      P = parent;
      // A root left without a key of its own gives way to its only child before any layout.
      if (Tree().CollapseRoot()) P = Tree().Root();
      Relayout();
      break;
    default:
      return false;
  }
  Mark(f.p, P);
  return Repaired();
}

// ---------------------------------------------------------------- the B-tree

TMBTree::TMBTree(const QStringList& source) : TBTreeDemoBase(source) {}
TMBTree::~TMBTree() = default;

void TMBTree::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  SetGraphForm(std::make_unique<TBTreeGraphForm>());
}

void TMBTree::DropFloatingNodes() {
  delete std::exchange(XNode, nullptr);
  Succ = nullptr;
}

namespace {
const QString kNewTree = QStringLiteral("建立新树，值为Ｘ，左子树为q ，右子树为ap");
}  // namespace

// `Begin@F{Begin}: one step of the operation; the line repeats until it answers true.
bool TMBTree::BTree_F_Begin() {
  TBTreeGraphForm& f = *GraphForm();
  switch (State) {
    case 1:
      return FindInsertPlace(6, kNewTree);
    case 4:
      return InsertStep();
    case 5:
      SplitStep();
      return GoOnAfterSplit(kNewTree);
    case 6:
      return NewRootStep(Q, AP);
    case 20: {
      if (!FindKeyToDelete()) return true;
      if (!P->GetChild(I)) return Go(23, QStringLiteral("从节点Ｐ中删除"));
      TBTreeNode* s = P->GetChild(I);
      while (s->GetChild(0)) s = s->GetChild(0);
      Succ = s;
      Mark(f.succ, s);
      return Go(27, QStringLiteral("用关键字的直接后继替换它"));
    }
    case 23:
      P->DeleteKey(I);
      return KeyDeleted();
    case 27: {
      TBTreeNode* s = std::exchange(Succ, nullptr);
      P->SetKey(I, s->GetKey(1));
      P->Repaint();
      s->DeleteKey(1);
      s->Repaint();
      P = s;
      Mark(f.p, P);
      Relayout();
      f.succ->SetTarget(nullptr);
      return Repaired();
    }
    default:
      return RepairStep();
  }
}

void TMBTree::SplitStep() {
  TBTreeGraphForm& f = *GraphForm();
  TBTreeClass& tree = Tree();
  const int cell = P->width() / std::max(P->KeyNum, 1);
  AP = tree.Split(*P, X);
  // The halves keep the cells their keys stood in, so that the links to their children stay as
  // they were and nothing beside the node is covered; the key moving up rises half a node out
  // of the cell between them until the next step.
  P->resize(cell * 2, P->height());
  P->Repaint();
  AP->setGeometry(P->x() + cell * 3, P->y(), cell * 2, P->height());
  XNode = tree.NewNode();
  XNode->KeyNum = 1;
  XNode->SetKey(1, X);
  XNode->setObjectName(QStringLiteral("XNode"));
  XNode->setGeometry(P->x() + cell * 2, P->y() - P->height() / 2, cell, P->height());
  AP->show();
  XNode->show();
  Mark(f.ap, AP);
  MoveUpAfterSplit();
}
