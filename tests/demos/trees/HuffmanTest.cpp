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
