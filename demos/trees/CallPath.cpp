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

TValueMeaning LitMeaning(const TTreeNodeBase& node, TLitNode lit) {
  return {.Value = [&node, lit]() -> std::optional<QString> {
            const std::optional<const TTreeNodeBase*> on = lit();
            if (!on) return std::nullopt;
            // A blank node notes what it holds before it.
            const QString held = node.BlankLetter() ? node.DrawingText() + QLatin1Char(' ') : QString();
            return *on == &node ? held + QStringLiteral("lit") : held.trimmed();
          },
          .Part = TValueMeaning::InNote};
}

void HoldLit(TBinTree& tree, const TLitNode& lit) {
  tree.NotesHighlight = true;
  if (TBinTreeNode* root = tree.Root())
    root->ForEach([&lit](TTreeNodeBase& node) {
      node.Stands = {LitMeaning(node, lit)};
      return true;
    });
}
