#pragma once
// The drawn binary sort tree: letter nodes of the tree kit kept in search order (smaller
// letters to the left, larger to the right, none twice), with the quiet search and insert
// that build trees without animation. Its input dialog makes a random tree, saves it or
// loads one; a file whose tree is not a binary sort tree of letters is refused.
#include <QByteArray>
#include <QPointer>
#include <QString>
#include <functional>

#include "demos/trees/TreeBase.h"

struct TTreeRecord;

class TBsTreeClass : public TBinCharTree {
 public:
  explicit TBsTreeClass(QWidget* parent = nullptr);

  // The node holding key, or nullptr with parent its would-be parent (nullptr for an empty
  // tree); found tells which.
  TBinCharTreeNode* BstSearch(TBinCharTreeNode*& parent, char key, bool& found) const;
  // Adds key where the search ends, unless it is there already or its level would pass
  // MaxDepth (then nothing happens). Captions are left to NumberNodes.
  void BstInsert(char key);
  // The dialog "生成二叉排序树" on a copy of the tree (the kit's InputWith): on OK the tree
  // takes the copy, numbered and arranged. True when confirmed.
  bool Input() override;
  // Reads the whole file, then refuses (ETreeFileError, the tree unchanged) a tree that is
  // not in search order with distinct capital letters.
  void LoadFromFile(const QString& fileName) override;
  // The pointers round their nodes (SpreadPointers).
  void PlacePointers() override;

 protected:
  // Room under the last level for the captions of its nodes, which stand under a leaf, and
  // for the pointers that stand there (RoomForPointersBelow).
  int BottomMargin() const override;
};

// Pointers all reach their nodes: in the order of their captions, each stands on its node's
// top-left corner or, where another node or another pointer's caption or head is in the way,
// on its top-right corner pointing left, along its top edge, or down its left or right edge,
// its tip on the node's outline, so that no caption prints over another or under a head and
// no head covers a node; in a tree that keeps room under its last level
// (RoomForPointersBelow), one with none of those places clear stands under its node pointing
// up, or beside it with its head below its tip, and where the captions under the last level
// leave no such place either, over them: the captions it covers step aside. A pointer that does
// not grow with the window by itself is first sized for the tree: the pointer band, or its node
// when that is smaller, never so small that its caption cannot be read, and wide enough for it.
void SpreadPointers(QWidget& tree);
// The height SpreadPointers gives a pointer on a node nodeHeight high in tree.
int MarkerHeight(const TTreeBase& tree, int nodeHeight);

// Why a tree read from a file cannot be a binary sort tree of capital letters (one letter a
// node, each left subtree's letters smaller and each right subtree's larger than its
// node's), or an empty string. With balanced, also when a node's subtrees differ in height
// by more than one.
QString SearchTreeFault(const TTreeRecord* root, bool balanced);
// Reads the whole file into tree, refusing (ETreeFileError, the tree unchanged) one that
// SearchTreeFault finds fault with. Captions stay empty and nothing is arranged.
void LoadSearchTreeFile(TBinTree& tree, const QString& fileName, bool balanced);

// The dialogs' save and load buttons: the file dialog under caption, then the tree saved,
// or loaded, numbered and arranged; a file that cannot be taken is said in a message and
// the tree stays as it was.
void SaveTreeFile(TBinTree& tree, const QString& caption);
void LoadTreeFile(TBinCharTree& tree, const QString& caption);

// The dialogs' random tree: the tree emptied, then Random(27) distinct capitals drawn (the
// generator seeded first), each put in with insert in the order drawn; numbered, arranged.
void RandomSearchTree(TBinCharTree& tree, const std::function<void(char)>& insert);

// node leaves the tree and is freed: its left or right subtree (keepLeft) takes its place, as
// parent's left or right child (asLeft), or as the root without a parent.
void SpliceOut(TBinTree& tree, TBinTreeNode* parent, bool asLeft, TBinTreeNode* node, bool keepLeft);
// The node blinks twice: highlighted 200 ms, plain 200 ms (a busy wait).
void BlinkNode(TTreeNodeBase& node);

// What an operation of a search-tree window leaves behind until its text ends: the tree as
// it was before the button, and the new node it made, which waits outside the tree until
// it is linked. An operation cut short (Reset, new data) is undone with both.
class TTreeOperation {
 public:
  void Begin(const TBinTree& tree);
  // The new node s of an insertion: key on it, captioned "s", waiting in the tree's top-left
  // corner until it is linked.
  template <class Node>
  Node* MakeNewNode(TBinTree& tree, char key, const QString& name) {
    auto* s = tree.MakeNode<Node>();
    s->setObjectName(name);
    s->SetValue(key);
    s->SetCaption(QStringLiteral("s"));
    Wait(tree, *s);
    return s;
  }
  TBinCharTreeNode* NewNode() const { return newNode_; }
  // s becomes parent's left or right child, one level below it; when parent is on the last
  // level the user is told and s goes instead. True when s was linked.
  bool LinkNewNode(TBinTreeNode* parent, bool left);
  // The operation ran to its end: a new node never linked goes, the tree stays.
  void End(const TBinTree& tree);
  // The tree as before the operation; true when it had to be put back (levels and bf as
  // saved, captions empty, not arranged).
  bool Undo(TBinTree& tree);

 private:
  void Wait(const TBinTree& tree, TBinCharTreeNode& node);

  QByteArray snapshot_;  // empty while no operation is under way
  QPointer<TBinCharTreeNode> newNode_;
};
