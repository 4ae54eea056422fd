#pragma once
// A drawn binary tree of letters addressed by heap index, as an array laid out as a complete
// binary tree: node 1 is the root, node i has its children at 2i and 2i + 1.
#include <array>

#include "demos/trees/TreeBase.h"

class TArrayedBinCharTree : public TBinCharTree {
 public:
  explicit TArrayedBinCharTree(QWidget* parent = nullptr);

  // The slots index the tree's nodes; they do not own them.
  TBinCharTreeNode* GetNode(int i) const { return Valid(i) ? Nodes[static_cast<std::size_t>(i)] : nullptr; }
  void SetNode(int i, TBinCharTreeNode* node);
  // Sets node i's key; a missing node is made, captioned NodeCaption + "[i]" and hung under
  // node i div 2 (left for even i). Arrange after a batch of new nodes.
  void SetIndexedValue(int i, char key);
  // Exchanges the contents (key, caption) of nodes i and j, with two blinks before and after.
  void SwapIndexed(int i, int j, bool animate);
  // Node dest takes the contents of node src: two blinks of src, then two of dest.
  void MoveIndexed(int dest, int src, bool animate);
  // Frees every node and empties every slot, so no slot names a freed node.
  void ClearNodes();
  // Highlight, pause, no highlight, pause, rounds times.
  void Blink(std::initializer_list<int> indexes, int rounds);
  // Keeps a caption's room under the last level only where the leaves stand too close
  // together for their captions side by side above them (a small window): the captions travel
  // with the keys, so any of them may come to stand on any node.
  void Arrange() override;

  std::array<TBinCharTreeNode*, 256> Nodes{};

 private:
  static bool Valid(int i) { return i >= 0 && i < 256; }
  // Whether the widest caption, were it every node's, would find no free place at a legible
  // size somewhere.
  bool CaptionsCrowded() const;
};
