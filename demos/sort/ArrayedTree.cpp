#include "demos/sort/ArrayedTree.h"

#include <memory>

#include "demos/sort/SortData.h"
#include "demos/trees/TreeLayout.h"
#include "platform/Forms.h"
#include "platform/Pacing.h"

TArrayedBinCharTree::TArrayedBinCharTree(QWidget* parent) : TBinCharTree(parent) {
  NodeClass = TNodeClass::Of<TBinCharTreeNode>();
  CaptionsTravel = true;
}

void TArrayedBinCharTree::SetNode(int i, TBinCharTreeNode* node) {
  if (Valid(i)) Nodes[static_cast<std::size_t>(i)] = node;
}

void TArrayedBinCharTree::SetIndexedValue(int i, char key) {
  if (!Valid(i) || i < 1) return;
  if (TBinCharTreeNode* node = GetNode(i)) {
    node->SetValue(key);
    node->Repaint();
    return;
  }
  auto* node = static_cast<TBinCharTreeNode*>(NewNode());
  node->SetCaption(NodeCaption + QStringLiteral("[%1]").arg(i));
  node->SetValue(key);
  if (i == 1) {
    node->stair = 1;
    SetRootBase(node);
  } else if (TBinCharTreeNode* parent = GetNode(i / 2)) {
    parent->AttachChild(*node, i % 2 == 0);
  }
  node->show();
  Nodes[static_cast<std::size_t>(i)] = node;
}

void TArrayedBinCharTree::Blink(std::initializer_list<int> indexes, int rounds) {
  for (int r = 0; r < rounds; ++r) {
    for (bool on : {true, false}) {
      for (int i : indexes)
        if (TBinCharTreeNode* node = GetNode(i)) node->SetHighlighted(on);
      pacing::Sleep(TSortData::FlashWait());
    }
  }
}

void TArrayedBinCharTree::SwapIndexed(int i, int j, bool animate) {
  TBinCharTreeNode* a = GetNode(i);
  TBinCharTreeNode* b = GetNode(j);
  if (a == nullptr || b == nullptr) return;
  if (animate) Blink({i, j}, 2);
  const std::unique_ptr<TBinCharTreeNode> temp(static_cast<TBinCharTreeNode*>(NewNode()));
  temp->hide();
  temp->CopyValueFrom(*a);
  a->CopyValueFrom(*b);
  b->CopyValueFrom(*temp);
  a->Repaint();
  b->Repaint();
  if (animate) Blink({i, j}, 2);
}

void TArrayedBinCharTree::MoveIndexed(int dest, int src, bool animate) {
  TBinCharTreeNode* to = GetNode(dest);
  TBinCharTreeNode* from = GetNode(src);
  if (to == nullptr || from == nullptr) return;
  if (animate) Blink({src}, 2);
  to->CopyValueFrom(*from);
  to->Repaint();
  if (animate) Blink({dest}, 2);
}

void TArrayedBinCharTree::ClearNodes() {
  Clear();
  Nodes.fill(nullptr);
}

void TArrayedBinCharTree::Arrange() {
  RoomForCaptionsBelow = false;
  TBinCharTree::Arrange();
  if (!CaptionsCrowded()) return;
  RoomForCaptionsBelow = true;
  TBinCharTree::Arrange();
}

bool TArrayedBinCharTree::CaptionsCrowded() const {
  std::vector<TCaptionSpot> spots;
  PlannedCaptions(spots);
  if (spots.empty()) return false;
  QString widest;
  for (const TCaptionSpot& s : spots)
    if (s.Text.size() > widest.size()) widest = s.Text;
  for (TCaptionSpot& s : spots) s.Text = widest;
  return PlanCaptions(spots, width(), 0, LegiblePixels(), 0, height()).Unplaced > 0;
}
