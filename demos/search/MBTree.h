#pragma once
// The B-tree demonstration: the user types a key and presses "插入" or "删除", then runs
// the one-line procedure "BTree"; each executed line is one step of the operation (search,
// insertion into a node, split with the middle key moving up, a new root, deletion, the
// in-order successor taking a deleted key's place, borrowing from a sibling through the
// parent, merging with a sibling), told in the window's scrolling status line.
//
// TBTreeDemoBase holds what the B+-tree demonstration (MBPTree.h) shares: the window, the
// idle and running states around an operation and the deletion's repair steps.
#include <QByteArray>
#include <array>
#include <vector>
#include <memory>

#include "framework/engine/AlgoDemo.h"

class TBTreeClass;
class TBTreeGraphForm;
class TBTreeNode;
class TPointer2;

class TBTreeDemoBase : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit TBTreeDemoBase(const QStringList& source);
  ~TBTreeDemoBase() override;

  void AfterConstruction() override;
  // Back to idle: the tree laid out again, marks hidden, a new key awaited.
  void DemoFinished() override;
  // The creation dialog on a copy of the tree. An operation under way is given up first
  // and the tree is the one from before it (the one after it, once it ended).
  bool CreateData() override;
  void ResetLocalData(const QString&) override {}
  void SaveData(const QString& fileName) override;
  void LoadData(const QString& fileName) override;
  void SetWindowRect() override;
  // Clears the marks and the status line; the operation under way and the tree stay. Idle,
  // the run keys stay off.
  void Reset() override;
  void UpdateChildWindow() override;

  TBTreeGraphForm* GraphForm() const { return graphForm_.get(); }
  TBTreeClass& Tree() const;

  // The buttons: an operation starts in state 1 (insert) or 20 (delete).
  void StartOperation(int state);

  // 0 idle, then the step the operation is at.
  int State = 0;
  int K = 0;  // the key of the operation
  int I = 0;  // a key position in P
  int X = 0;  // the key being inserted or moving up
  TBTreeNode* P = nullptr;
  TBTreeNode* Q = nullptr;
  TBTreeNode* AP = nullptr;

 protected:
  void SetGraphForm(std::unique_ptr<TBTreeGraphForm> form);
  // A step that goes on (false) or ends the operation (true), with its status text.
  bool Go(int state, const QString& status);
  bool Finish(int state, const QString& status);
  // The mark on node (hidden for none).
  void Mark(TPointer2* mark, TBTreeNode* node);
  std::array<TPointer2*, 4> Marks() const;
  // The four marks off their nodes and the status line empty.
  void ClearMarksAndStatus();
  // MarkRoot, Arrange, repaint; the marks follow their nodes.
  void Relayout();
  // The halves of a split stand where the step put them until the next relayout.
  bool HoldLayout = false;
  // The only key of a root leaf went: the tree is empty.
  void DropEmptyRoot();

  // The insertion's search (state 1): a key already there ends the operation; else P is
  // marked and X goes into it next (4), or an empty tree gets its root (newRootState).
  bool FindInsertPlace(int newRootState, const QString& newRootStatus);
  // X into P (state 4): the tree may refuse it; a node of five keys splits next.
  bool InsertStep();
  // The pieces of a split node standing side by side, left to right (the row is wider than the
  // node was): the gaps between them narrow as far as the room between the nodes beside them
  // on their row needs, then the row moves, as little as it can, to where it stands on no other
  // node and inside the panel (where no such place is, only inside the panel).
  void PlaceSplitRow(std::vector<TBTreeNode*> row);
  // After a split: Q is the lower half, AP the upper; P becomes Q's parent, where X goes next.
  void MoveUpAfterSplit();
  // The pieces of the split Q, AP (and the rising key) beside the lower half as the split
  // step puts them, also after a resize has arranged the tree again.
  virtual void PlaceSplitPieces() {}
  // After a split: X goes into P next (4), or a new root over the halves (6) when there is
  // no P.
  bool GoOnAfterSplit(const QString& newRootStatus);
  // A new root over Q and AP, or holding X alone.
  bool NewRootStep(TBTreeNode* left, TBTreeNode* right);
  // The deletion's search (state 20): false, the operation ended, when the key is not in the
  // tree; else P holds it at I, marked.
  bool FindKeyToDelete();
  // P's key was taken out (state 23): an emptied root goes, then the test for a repair.
  bool KeyDeleted();
  // The repair after a deletion left P a key short (states 24, 25, 26; false for another
  // state), and the test that follows each of them.
  bool RepairStep();
  bool Repaired();

  // An operation given up: idle, nothing floating, and the tree from before it unless the
  // operation had come to its end.
  void AbandonOperation();
  virtual void DropFloatingNodes() {}

 private:
  std::unique_ptr<TBTreeGraphForm> graphForm_;
  QByteArray snapshot_;  // the tree when the operation started
};

class TMBTree : public TBTreeDemoBase {
  Q_OBJECT
 public:
  explicit TMBTree(const QStringList& source);
  ~TMBTree() override;

  void CreateChildWindow() override;

  // One step of the operation under way (nothing while idle); true when it ended.
  Q_INVOKABLE bool BTree_F_Begin();

  TBTreeNode* XNode = nullptr;  // the key moving up, shown between the halves of a split
  TBTreeNode* Succ = nullptr;   // the in-order successor taking a deleted key's place

 protected:
  void DropFloatingNodes() override;
  // The rising key in the cell between the halves, half a node above them; the upper half in
  // the cells its keys stood in.
  void PlaceSplitPieces() override;

 private:
  void SplitStep();
};
