#include <gtest/gtest.h>

#include <QLineF>
#include <algorithm>

#include "demos/sort/ArrayedTree.h"
#include "demos/sort/WinnerTree.h"
#include "framework/engine/Errors.h"

namespace {

std::unique_ptr<TArrayedBinCharTree> Heap(const QString& keys) {
  auto tree = std::make_unique<TArrayedBinCharTree>();
  tree->resize(481, 337);
  tree->MaxDepth = 4;
  for (int i = 1; i <= keys.size(); ++i) tree->SetIndexedValue(i, keys[i - 1].toLatin1());
  tree->Arrange();
  return tree;
}

}  // namespace

TEST(ArrayedTree, NodesHangByHeapIndexCaptionedByIt) {
  auto tree = Heap(QStringLiteral("QUICK"));
  EXPECT_EQ(tree->GetNode(1), tree->Root());
  EXPECT_EQ(tree->GetNode(2), tree->Root()->Left());
  EXPECT_EQ(tree->GetNode(5), tree->GetNode(2)->Right());
  EXPECT_EQ(tree->GetNode(4)->stair, 3);
  EXPECT_EQ(tree->GetNode(3)->GetCaption(), QStringLiteral("[3]"));
  tree->SetIndexedValue(3, 'Z');
  EXPECT_EQ(tree->GetNode(3)->Value(), 'Z');
  EXPECT_EQ(tree->GetNode(3)->GetCaption(), QStringLiteral("[3]")) << "a new key keeps the caption";
}

TEST(ArrayedTree, SwapAndMoveCarryKeysWithTheirCaptions) {
  auto tree = Heap(QStringLiteral("QUICK"));
  tree->SwapIndexed(1, 5, true);
  EXPECT_EQ(tree->GetNode(1)->Value(), 'K');
  EXPECT_EQ(tree->GetNode(1)->GetCaption(), QStringLiteral("[5]"));
  EXPECT_EQ(tree->GetNode(5)->Value(), 'Q');
  EXPECT_EQ(tree->GetNode(5)->GetCaption(), QStringLiteral("[1]"));
  EXPECT_FALSE(tree->GetNode(1)->Highlighted()) << "blinks end unhighlighted";
  tree->MoveIndexed(2, 4, true);
  EXPECT_EQ(tree->GetNode(2)->Value(), 'C');
  EXPECT_EQ(tree->GetNode(2)->GetCaption(), tree->GetNode(4)->GetCaption());
}

TEST(ArrayedTree, AMovedCaptionLabelsItsNodeAndNamesNone) {
  auto tree = Heap(QStringLiteral("QUICK"));
  tree->MoveIndexed(2, 4, false);  // two nodes captioned "[4]" now
  std::vector<TDrawnShape> shapes = tree->DrawingShapes();
  for (const TBinCharTreeNode* node : {tree->GetNode(2), tree->GetNode(4)}) {
    const TDrawnShape own = node->DrawingShapes().front();
    EXPECT_EQ(own.Text, QStringLiteral("C"));
    EXPECT_TRUE(own.Name.isEmpty());
    const auto label = std::find_if(shapes.begin(), shapes.end(), [&](const TDrawnShape& s) {
      return s.Kind == TDrawnShape::Label && s.OfNode.Control == node;
    });
    ASSERT_NE(label, shapes.end());
    EXPECT_EQ(label->Text, QStringLiteral("[4]"));
    EXPECT_LT(QLineF(label->Box.center(), node->geometry().center()).length(), node->width() * 1.5);
  }
}

TEST(ArrayedTree, EmptyingClearsEverySlot) {
  auto tree = Heap(QStringLiteral("AB"));
  tree->ClearNodes();
  EXPECT_EQ(tree->Root(), nullptr);
  EXPECT_EQ(tree->GetNode(1), nullptr);
  EXPECT_EQ(tree->GetNode(2), nullptr);
}

TEST(WinnerTree, NodesCarryTheirWinnerAndCompareStrictly) {
  TWinnerTree tree;
  tree.resize(391, 267);
  tree.MaxDepth = 4;
  for (int i = 1; i <= 3; ++i) tree.SetIndexedValue(i, 'B');
  EXPECT_EQ(tree.GetNode(2)->GetCaption(), QStringLiteral("w[2]"));
  EXPECT_FALSE(tree.CompareIndexed(2, 3, true)) << "equal keys are not greater";
  tree.Winner(3)->Id = 3;
  tree.SetIndexedValue(3, 'A');
  tree.CopyWinner(1, 3, true);
  EXPECT_EQ(tree.GetIndexedValue(1), 'A');
  EXPECT_EQ(tree.Winner(1)->Id, 3) << "the winner's record travels with its key";
  try {
    tree.GetIndexedValue(4);
    ADD_FAILURE() << "an empty slot was read";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("read of nil node"));
  }
}
