#pragma once
// The B+-tree demonstration: built as the B-tree's (MBTree.h) on a B+-tree of at most three
// levels: the search goes down to a leaf, an insertion above every key raises the last key
// on the path, a leaf or inner node splits into two and three keys, a deletion of a leaf's
// largest key lowers it in the ancestors, and a node a key short borrows or merges.
#include "demos/search/MBTree.h"

class TBPTreeClass;

class TMBPTree : public TBTreeDemoBase {
  Q_OBJECT
 public:
  explicit TMBPTree(const QStringList& source);
  ~TMBPTree() override;

  void CreateChildWindow() override;

  // One step of the operation under way (nothing while idle); true when it ended.
  Q_INVOKABLE bool BPTree_F_Begin();

 private:
  TBPTreeClass& BPTree() const;
  void SplitStep();
  // The upper half beside the lower one, the row kept off the other nodes.
  void PlaceSplitPieces() override;
};
