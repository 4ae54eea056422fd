#include "demos/sort/WinnerTree.h"

#include "framework/engine/Errors.h"

TWinnerTreeNode::TWinnerTreeNode(TTreeBase& tree) : TBinCharTreeNode(tree) {}

void TWinnerTreeNode::CopyValueFrom(const TBinCharTreeNode& node) {
  TBinCharTreeNode::CopyValueFrom(node);
  if (const auto* winner = dynamic_cast<const TWinnerTreeNode*>(&node)) Id = winner->Id;
}

// The key as painted: a blank key shows as a blank between quotes.
QString TWinnerTreeNode::DrawingText() const {
  return (NodeData ? NodeData->GetText() : QString()) + QStringLiteral(" %1").arg(Id);
}

void TWinnerTreeNode::PaintTexts() {
  PaintKeyOverNumber(NodeData ? NodeData->GetText() : QString(), QString::number(Id));
}

TWinnerTree::TWinnerTree(QWidget* parent) : TArrayedBinCharTree(parent) {
  NodeClass = TNodeClass::Of<TWinnerTreeNode>();
  NodeCaption = QStringLiteral("w");
}

char TWinnerTree::GetIndexedValue(int i) const {
  const TBinCharTreeNode* node = GetNode(i);
  if (node == nullptr) throw Exception(QStringLiteral("read of nil node"));
  return node->Value();
}

bool TWinnerTree::CompareIndexed(int i, int j, bool animate) {
  const char a = GetIndexedValue(i);
  const char b = GetIndexedValue(j);
  if (animate) Blink({i, j}, 3);
  return a > b;
}
