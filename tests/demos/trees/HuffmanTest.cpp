#include <gtest/gtest.h>

#include "demos/trees/HuffmanIptDlg.h"
#include "demos/trees/HuffmanTree.h"

TEST(HuffmanSelect, EqualWeightsKeepTheFirstAndParentsAreSkipped) {
  std::vector<THuffNode> ht(6);
  for (int k = 1; k <= 3; ++k) ht[static_cast<std::size_t>(k)].weight = 5;
  EXPECT_EQ(HuffmanSelect(ht, 3), std::make_pair(1, 2));
  ht[1].parent = ht[2].parent = 4;
  ht[4].weight = 10;
  EXPECT_EQ(HuffmanSelect(ht, 4), std::make_pair(3, 4));
}

TEST(HuffmanSelect, WeightsOfAnySizeAreFound) {
  std::vector<THuffNode> ht(4);
  ht[1].weight = 1000000;
  ht[2].weight = 2000000000;
  EXPECT_EQ(HuffmanSelect(ht, 2), std::make_pair(1, 2)) << "no fixed bound leaves an entry out";
}

TEST(HuffmanWeights, PiecesBetweenCommasAreCheckedAndTenAreTaken) {
  EXPECT_EQ(ParseWeights("5,5,5"), (std::vector<int>{5, 5, 5}));
  EXPECT_EQ(ParseWeights("1,2,3,4,5,6,7,8,9,10,11"), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(ParseWeights("1,2,3,4,5,6,7,8,9,10,x")->size(), 10u) << "text after the tenth comma is ignored";
  for (const char* bad : {"3,,4", "0,4", "-2,4", "3,4,", "", "a", "2000000000,2000000000"})
    EXPECT_FALSE(ParseWeights(bad)) << bad;
  EXPECT_TRUE(ParseWeights("2147483646,1")) << "a total of 2147483647 still fits";
}

namespace {

// The drawing at the end of a run over weights, sized as the window is on a screen; answers
// the codes (index 1..n).
std::vector<QString> BuildFinished(THuffmanTree& tree, const std::vector<int>& weights) {
  const int n = static_cast<int>(weights.size());
  std::vector<THuffNode> ht(static_cast<std::size_t>(2 * n));
  for (int k = 1; k <= n; ++k) ht[static_cast<std::size_t>(k)].weight = weights[static_cast<std::size_t>(k - 1)];
  tree.SetWeights(weights);
  tree.ShowLeaves();
  for (int i = n + 1; i < 2 * n; ++i) {
    const auto [s1, s2] = HuffmanSelect(ht, i - 1);
    ht[static_cast<std::size_t>(s1)].parent = ht[static_cast<std::size_t>(s2)].parent = i;
    ht[static_cast<std::size_t>(i)] = {ht[static_cast<std::size_t>(s1)].weight + ht[static_cast<std::size_t>(s2)].weight, 0, s1, s2};
    tree.Join(i, s1, s2);
    tree.SetWeight(i, ht[static_cast<std::size_t>(i)].weight);
  }
  std::vector<QString> codes(static_cast<std::size_t>(n + 1));
  for (int leaf = 1; leaf <= n; ++leaf) {
    QString& code = codes[static_cast<std::size_t>(leaf)];
    for (int c = leaf, f = ht[static_cast<std::size_t>(c)].parent; f != 0; c = f, f = ht[static_cast<std::size_t>(f)].parent) {
      const bool left = ht[static_cast<std::size_t>(f)].lchild == c;
      code.prepend(left ? '0' : '1');
      tree.SetLabel(c, left ? THuffmanTree::Blue0 : THuffmanTree::Blue1);
    }
    tree.SetCode(leaf, code);
    tree.FinishLabels();
  }
  tree.SetCodeRow(QString(n - 1, '-'));
  return codes;
}

void ExpectEverythingReadable(const THuffmanTree& tree, const char* what) {
  const THuffmanTree::TLayout l = tree.Layout();
  std::vector<QRect> nodes;
  for (const QRect& r : l.Node)
    if (!r.isNull()) nodes.push_back(r);
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    EXPECT_TRUE(tree.rect().contains(nodes[i])) << what << ": node " << i << " is cut off";
    for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(nodes[i].intersects(nodes[j])) << what << ": nodes overlap";
  }
  for (std::size_t i = 0; i < l.Texts.size(); ++i) {
    const THuffmanTree::TText& t = l.Texts[i];
    EXPECT_TRUE(tree.rect().contains(t.Box)) << what << ": \"" << qPrintable(t.Text) << "\" is cut off";
    for (const QRect& node : nodes) EXPECT_FALSE(t.Box.intersects(node)) << what << ": \"" << qPrintable(t.Text) << "\" covers a node";
    for (std::size_t j = 0; j < i; ++j)
      EXPECT_FALSE(t.Box.intersects(l.Texts[j].Box))
          << what << ": \"" << qPrintable(t.Text) << "\" runs into \"" << qPrintable(l.Texts[j].Text) << "\"";
  }
}

}  // namespace

TEST(HuffmanDrawing, TenLeavesAndLargeWeightsStayReadableOnBothScreens) {
  QWidget window;
  THuffmanTree tree(&window);
  tree.SetDesignBounds(0, 0, 301, 213, QSize(301, 213));
  // The drawing window's client area at 1024 x 768 and at 1920 x 1080.
  for (const QSize size : {QSize(612, 625), QSize(1150, 880)}) {
    tree.setGeometry(QRect(QPoint(), size));
    BuildFinished(tree, {20, 19, 18, 17, 16, 15, 14, 13, 12, 11});
    ExpectEverythingReadable(tree, "ten leaves");
    BuildFinished(tree, {100000, 200000, 300000, 400000, 500000, 600000, 700000, 800000, 900000});
    ExpectEverythingReadable(tree, "weights up to 4500000");
    BuildFinished(tree, {1, 2, 4, 8, 16, 32, 64, 128, 256, 512});
    ExpectEverythingReadable(tree, "a chain of nine codes");
  }
}

TEST(HuffmanDrawing, EachCodeStandsInItsOwnLeafsColumn) {
  QWidget window;
  THuffmanTree tree(&window);
  tree.SetDesignBounds(0, 0, 301, 213, QSize(301, 213));
  for (const QSize size : {QSize(612, 625), QSize(1150, 880)}) {
    tree.setGeometry(QRect(QPoint(), size));
    // Leaves in tree order 4 3 1 2; the light leaf 2 before the heavy 1; ten leaves, the last
    // code as wide as a column.
    for (const std::vector<int>& weights : {std::vector<int>{1, 2, 3, 4}, std::vector<int>{9999, 1},
                                            std::vector<int>{1, 2, 4, 8, 16, 32, 64, 128, 256, 512}}) {
      const std::vector<QString> codes = BuildFinished(tree, weights);
      const int n = static_cast<int>(weights.size());
      const THuffmanTree::TLayout l = tree.Layout();
      int column = size.width();
      for (int a = 1; a <= n; ++a)
        for (int b = 1; b < a; ++b) column = std::min(column, std::abs(l.Centre[static_cast<std::size_t>(a)].x() - l.Centre[static_cast<std::size_t>(b)].x()));
      int seen = 0;
      for (const THuffmanTree::TText& t : l.Texts) {
        const bool code = t.Kind == THuffmanTree::TText::LeafCode ||
                          (t.Kind == THuffmanTree::TText::RowCode && !t.Text.startsWith(QStringLiteral("编码")));
        if (!code) continue;
        ++seen;
        const auto leaf = std::find(codes.begin() + 1, codes.end(), t.Text) - codes.begin();
        ASSERT_LT(leaf, static_cast<long>(codes.size())) << qPrintable(t.Text);
        // Nearer its own leaf than any other: not halfway to a neighbour.
        EXPECT_LT(std::abs(t.Box.center().x() - l.Centre[static_cast<std::size_t>(leaf)].x()), column / 2 - 1)
            << "code " << qPrintable(t.Text) << " of leaf " << leaf << (t.Kind == THuffmanTree::TText::RowCode ? " in the row" : " under the tree")
            << ", " << n << " leaves, " << size.width() << " wide";
      }
      EXPECT_EQ(seen, 2 * n) << "every code under its leaf and in the row";
    }
  }
}
