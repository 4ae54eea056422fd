#include "demos/sort/WinnerTree.h"

#include "framework/engine/Errors.h"

TWinnerTreeNode::TWinnerTreeNode(TTreeBase& tree) : TBinCharTreeNode(tree) {}

void TWinnerTreeNode::CopyValueFrom(const TBinCharTreeNode& node) {
  TBinCharTreeNode::CopyValueFrom(node);
  if (const auto* winner = dynamic_cast<const TWinnerTreeNode*>(&node)) Id = winner->Id;
}

QString TWinnerTreeNode::DrawingText() const { return QString(QChar::fromLatin1(Value())) + QStringLiteral(" %1").arg(Id); }

void TWinnerTreeNode::PaintTexts() {
  TCanvas& c = Canvas();
  c.Font.Name = QStringLiteral("Arial");
  c.Brush.Style = bsClear;
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_LEFT | TA_TOP);
  if (ShowName) {
    c.Font.Style = fsBold;
    c.Font.SetSize(std::max(1, height() / 5));
    c.Font.Color = clBlack;
    c.TextOut(0, -(height() / 12), GetCaption());
  }
  c.Font.Style = 0;
  c.Font.Color = RGB(255, 255, 0);
  const QString key = NodeData ? NodeData->GetText() : QString();
  c.Font.SetSize(std::max(1, height() / 3));
  c.TextOut((width() - c.TextWidth(key)) / 2, 0, key);
  const QString id = QString::number(Id);
  c.Font.SetSize(std::max(1, height() / 4));
  c.TextOut((width() - c.TextWidth(id)) / 2, height() / 2, id);
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
