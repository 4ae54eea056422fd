#pragma once
// The node a recursive tree procedure's innermost call works on, read from the engine's run
// stack rather than from a pointer the demonstration keeps: the first call of the procedure
// receives the root, and every call made from its left-child line (its right-child line)
// receives the left (right) child of its caller's node. A traversal has no variable that
// names that node ("bt" is the parameter of the call the run stands in), so its mark and its
// stack rows say what they stand for through this.
//
//   pointer->Means = {.Node = [this] { return TShapeRef{CallPath().Node(RunStack()->Count() - 1)}; }};
#include <QString>
#include <functional>

class TAlgoDemo;
class TBinTreeNode;

struct TCallPath {
  const TAlgoDemo& Demo;
  // The root the first call receives.
  TBinTreeNode* Root;
  // The labels of the lines that call the procedure on the left and on the right child.
  QString LeftLabel;
  QString RightLabel;
  // A node's child as the calls follow it (a threaded node's real child); the stored link
  // when not given.
  std::function<TBinTreeNode*(const TBinTreeNode&, bool left)> Child{};

  // Whether the call at run-stack place depth (0 the first procedure) was made from one of
  // the two child lines, and from which.
  bool ChildCall(int depth, bool* left = nullptr) const;
  // The node the call at place depth received: the root for a call from no child line (the
  // first call; a Main that calls the procedure is given the root too, as its argument),
  // nullptr for an empty subtree and for a place the run stack does not hold.
  TBinTreeNode* Node(int depth) const;
  // The depth of the innermost call (the run stack's top), -1 when nothing runs.
  int Innermost() const;
};
