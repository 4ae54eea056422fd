#include "demos/trees/CallPath.h"

#include "demos/trees/TreeBase.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/Proc.h"

bool TCallPath::ChildCall(int depth, bool* left) const {
  const TRunStack* stack = Demo.RunStack();
  if (depth < 0 || depth >= stack->Count()) return false;
  const TProcLine* line = stack->Frame(depth)->ReturnLine;
  if (!line) return false;
  const bool isLeft = line->Label() == LeftLabel;
  if (!isLeft && line->Label() != RightLabel) return false;
  if (left) *left = isLeft;
  return true;
}

TBinTreeNode* TCallPath::Node(int depth) const {
  bool left = false;
  // The first call of the procedure (made from another procedure's line, or the first
  // procedure itself) receives the root.
  if (!ChildCall(depth, &left)) return depth >= 0 && depth < Demo.RunStack()->Count() ? Root : nullptr;
  const TBinTreeNode* parent = Node(depth - 1);
  if (!parent) return nullptr;
  if (Child) return Child(*parent, left);
  return left ? parent->LeftChild : parent->RightChild;
}

int TCallPath::Innermost() const { return Demo.RunStack()->Count() - 1; }
