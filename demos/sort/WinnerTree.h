#pragma once
// The winner tree of the tournament sort: a heap-indexed letter tree whose nodes also show the
// index of the record that won there.
#include "demos/sort/ArrayedTree.h"

class TWinnerTreeNode : public TBinCharTreeNode {
 public:
  explicit TWinnerTreeNode(TTreeBase& tree);
  int Id = 0;  // the record (1..n) whose key the node holds
  // Also copies Id.
  void CopyValueFrom(const TBinCharTreeNode& node) override;
  QString ClassName() const override { return QStringLiteral("TWinnerTreeNode"); }
  // "C 3": the key and the winner's index ("' ' 0" before the tree is built).
  QString DrawingText() const override;

 protected:
  // The caption (when shown), the key and, smaller, the Id, in yellow.
  void PaintTexts() override;
};

class TWinnerTree : public TArrayedBinCharTree {
 public:
  explicit TWinnerTree(QWidget* parent = nullptr);
  TWinnerTreeNode* Winner(int i) const { return static_cast<TWinnerTreeNode*>(GetNode(i)); }
  // Raises "read of nil node" for an empty slot.
  char GetIndexedValue(int i) const;
  // key(i) > key(j), after three blinks of both when animated.
  bool CompareIndexed(int i, int j, bool animate);
  // Node dest takes key, caption and Id of node src, with blinks as MoveIndexed.
  void CopyWinner(int dest, int src, bool animate) { MoveIndexed(dest, src, animate); }
};
