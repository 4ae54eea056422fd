#pragma once
// The drawn balanced binary tree (AVL tree) of letters: kit letter nodes that carry and
// show their balance factor, the rotations that rebalance it and a quiet insertion with
// rebalancing that builds random trees. Its tree files carry each node's bf; a file whose
// tree is not a balanced search tree of distinct capitals is refused, and the levels and
// balance factors of a tree read are worked out from its shape.
#include "demos/trees/TreeBase.h"

class TAvlTreeClass;

class TAVlTreeNode : public TBinCharTreeNode {
 public:
  explicit TAVlTreeNode(TTreeBase& tree);

  int bf = 0;  // height of the left subtree minus that of the right one
  void SetBf(int value);

  // From another AVL node: the letter, caption, bf and ShowName, and the whole subtree in
  // AVL nodes. Raises "Tree depth exceeds limit" when this node lies below MaxDepth.
  void Assign(const TBinCharTreeNode& source) override;

  TAVlTreeNode* AvlLeft() const;
  TAVlTreeNode* AvlRight() const;
  TAVlTreeNode* AvlParent() const;

  // 1 for a leaf, 1 + the higher child's height otherwise (0 for no node).
  static int NodeHeight(const TAVlTreeNode* node);
  // Sets bf of every node of the subtree from the heights of its children.
  static void ComputeBalance(TAVlTreeNode* node);

  static const stream::TComponentClass& StreamClass();
  const stream::TComponentClass& FileClass() const override { return StreamClass(); }
  stream::TPropertyValues FileValues() const override;
  void SetFileValues(const stream::TPropertyValues& values) override;

  // A node's key and balance factor as it writes them: "B 0".
  static QString KeyAndBf(char key, int bf);
  // The value and the balance factor: "B 0" (after the caption, when it is shown).
  QString DrawingText() const override;
  QString ClassName() const override { return QStringLiteral("TAVlTreeNode"); }

 protected:
  // The letter at the top, bf below it, both yellow.
  void PaintTexts() override;
};

class TAvlTreeClass : public TBinCharTree {
 public:
  explicit TAvlTreeClass(QWidget* parent = nullptr);

  TAVlTreeNode* AvlRoot() const;
  // The dialog "生成二叉平衡树" on a copy of the tree; on OK the tree takes the copy,
  // arranged. True when confirmed.
  bool Input() override;
  // Inserts key with rebalancing and no animation; a letter present already, or one whose
  // level would pass MaxDepth, is left out. Levels and balance factors are worked out again.
  void AvlInsertQuiet(char key);
  // Refuses (ETreeFileError, the tree unchanged) a tree that is not a balanced search tree;
  // levels and bf come from the shape read.
  void LoadFromFile(const QString& fileName) override;

  // node takes the place below parent (its left child when wasLeft), or becomes the root
  // without a parent. Levels are worked out again.
  void Replace(TAVlTreeNode* node, TAVlTreeNode* parent, bool wasLeft);

  // A node holds its letter over its balance factor: it takes its lowest level's place but a
  // small gap (no caption stands beside it), and is as tall as both texts need to be read,
  // as far as the levels' spacing allows.
  int ComputeLayout() override;
  int Relayout() override;
  // The pointers round their nodes (SpreadPointers).
  void PlacePointers() override;
};

// The rotations around a, each answering the subtree's new root, linked in a's place; left
// is the side of a they lift from. A single rotation lifts a's child b on that side (LL on
// the left, RR on the right) and leaves the balance factors to the caller (they differ
// between insertion and deletion); a double one lifts c, b's child on the other side (LR,
// RL), sets a's and b's bf from c's old one and c's to 0.
TAVlTreeNode* RotateSingle(TAvlTreeClass& tree, TAVlTreeNode* a, bool left);
TAVlTreeNode* RotateDouble(TAvlTreeClass& tree, TAVlTreeNode* a, bool left);
