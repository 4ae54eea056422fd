#pragma once
// The drawn B+-tree of order 5 and at most three levels. All keys stand in the leaves; an
// inner node repeats the largest key of each child: child j-1 holds the keys up to key j,
// so a node uses the child positions 0 .. KeyNum - 1. Keys, cells, files and the creation
// dialog are the B-tree's (BTreeClass.h); the search, the split, the layout and the links
// differ.
#include <vector>

#include "demos/search/BTreeClass.h"

// The leaves of a three-level B+-tree stand on one row, one unit apart from a sibling and two
// from the leaves of the next parent; one unit more is kept free for the half a split places
// beside its node. The unit that fits leafKeys keys in leaves leaves under groups parents
// into w, never wider than maxUnit.
int BPlusLeafUnit(int w, int leafKeys, int leaves, int groups, int maxUnit);
// Where the groups of leaves begin: each where it wants to (wanted, from left to right), unless
// it would run into the group before it (gap apart) or past right; a row too narrow for all
// of them keeps them gap apart from left.
std::vector<int> BPlusGroupLefts(const std::vector<int>& wanted, const std::vector<int>& widths, int gap, int left,
                                 int right);

class TBPTreeNode : public TBTreeNode {
 public:
  explicit TBPTreeNode(TTreeBase& tree);

  // Key pos and child pos - 1 go, the later ones move down a place; KeyNum - 1.
  void DeleteEntry(int pos);

  void SetPosition(int base, int unitWidth, int index, int areaHeight, int areaWidth, int unitHeight) override;

  static const stream::TComponentClass& StreamClass();
  const stream::TComponentClass& FileClass() const override { return StreamClass(); }
  QString ClassName() const override { return QStringLiteral("TBPTreeNode"); }
};

class TBPTreeClass : public TBTreeClass {
 public:
  static constexpr int kMaxLevels = 3;

  explicit TBPTreeClass(QWidget* parent = nullptr);
  ~TBPTreeClass() override { Clear(); }

  TBTreeNode* NewNode() override;
  bool Input() override;
  // 10 to 29 random keys 0 .. 98; repeats and keys that would need a fourth level dropped.
  void RandomBuild() override;

  // p is the leaf reached (none for an empty tree); i is k's position in p or where k
  // belongs (one past the last key when k is above all).
  bool Search(int k, TBTreeNode*& p, int& i) const override;

  // Inserting into q would need a fourth level: q on level 3 and q, its parent and its
  // grandparent all full.
  bool InsertRefused(const TBTreeNode& q) const override;
  // Key x goes into q at position i with child ap there (none for a leaf); when x is above
  // every key of q, every ancestor of q takes x as its last key.
  QList<TBTreeNode*> InsertInto(TBTreeNode& q, int i, int x, TBTreeNode* ap) override;
  int ParentPosition(const TBTreeNode& parent, int x) const override { return PositionFor(parent, x); }
  // Over two halves: their largest keys; over nothing: the one key x.
  TBTreeNode* NewRootOver(TBTreeNode* left, TBTreeNode* right, int x) override;
  // The largest key of leaf p, its key i, goes: every ancestor repeating it takes p's key
  // i - 1 instead. Answers the ancestors so changed.
  QList<TBTreeNode*> ReplaceLargestKey(TBTreeNode& p, int i);
  // The first position of p whose key is not below x (KeyNum + 1 when all are).
  static int PositionFor(const TBTreeNode& p, int x);

  TBTreeNode* Split(TBTreeNode& p, int& x) override;
  void Borrow(TBTreeNode& p, TBTreeNode& ap) override;
  TBTreeNode* Merge(TBTreeNode& p, TBTreeNode& ap) override;

  int ChildSlotsOf(int keyNum) const override { return keyNum; }
  const stream::TComponentClass& NodeFileClass() const override { return TBPTreeNode::StreamClass(); }

 protected:
  int RootKeysOverOneChild() const override { return 1; }
  // A mark's room under the row of leaves, where one on a leaf crowded by its siblings' links
  // stands.
  int RoomBelow() const override;
  int UnitWidth(int w) const override { return std::max(w / 45, std::min(kLeastCell, w / 30)); }
  // The row of leaves: each parent's leaves from its left, a unit apart, narrower where the
  // row would not hold them; groups that would run into each other or past the right edge
  // move apart and back inside, each with its parent.
  void AfterPlacing(int base, int w, int h, int unitWidth) override;
  QString KindName() const override { return QStringLiteral("B+树"); }
  int MaxFileLevels() const override { return kMaxLevels; }
  QString CheckShape(const TBTreeRecord& root) const override;
  QPoint LinkStart(const TBTreeNode& node, int j) const override;
};
