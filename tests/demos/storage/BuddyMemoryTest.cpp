#include "demos/storage/BuddyMemory.h"

#include <gtest/gtest.h>

namespace {

using B = TBuddyMemory;
using List = std::vector<int>;

}  // namespace

TEST(BuddyMemory, ARequestSplitsDownToTheSmallestClassThatHoldsIt) {
  B m;
  EXPECT_EQ(m.Allocate(3), 0);
  EXPECT_EQ(m.Avail(5), List{32});
  EXPECT_EQ(m.Avail(4), List{16});
  EXPECT_EQ(m.Avail(3), List{8});
  EXPECT_EQ(m.Avail(2), List{4});
  EXPECT_TRUE(m.Avail(6).empty());
  EXPECT_EQ(m.Blocks().front(), (B::TBlock{2, 0, true}));
  EXPECT_EQ(m.Allocate(8), 8);
  EXPECT_EQ(m.Allocate(16), 16);
  EXPECT_EQ(m.Allocate(32), 32);
  EXPECT_EQ(m.Allocate(2), 4);
  EXPECT_EQ(m.Avail(1), List{6});
  EXPECT_EQ(m.Allocate(64), std::nullopt);
  EXPECT_EQ(m.Blocks().size(), 6u);
}

TEST(BuddyMemory, ReleasesMergeWithFreeBuddiesOfTheSameClassOnly) {
  B m;
  for (int n : {3, 8, 16, 32, 2}) m.Allocate(n);
  EXPECT_FALSE(m.Release(7)) << "no block starts at 7";
  EXPECT_FALSE(m.Release(6)) << "6 is free";
  ASSERT_TRUE(m.Release(0));
  EXPECT_EQ(m.Avail(2), List{0}) << "its buddy 4 is in use";
  ASSERT_TRUE(m.Release(4));
  EXPECT_TRUE(m.Avail(1).empty());
  EXPECT_TRUE(m.Avail(2).empty());
  EXPECT_EQ(m.Avail(3), List{0}) << "4+6 and then 0 merge into the 8 words at 0";
  EXPECT_EQ(m.Blocks().front(), (B::TBlock{3, 0, false}));
}

TEST(BuddyMemory, TheWholeMemoryAndSingleWordsComeBackAsOneBlock) {
  B m;
  EXPECT_EQ(m.Allocate(64), 0);
  ASSERT_TRUE(m.Release(0)) << "address 64 has no record: no buddy";
  EXPECT_EQ(m.Avail(6), List{0});
  ASSERT_EQ(m.Blocks().size(), 1u);

  for (bool lowFirst : {true, false}) {
    B one;
    EXPECT_EQ(one.Allocate(1), 0);
    EXPECT_EQ(one.Allocate(1), 1);
    ASSERT_TRUE(one.Release(lowFirst ? 0 : 1));
    ASSERT_TRUE(one.Release(lowFirst ? 1 : 0));
    EXPECT_EQ(one.Avail(6), List{0});
    EXPECT_EQ(one.Blocks(), (std::vector<B::TBlock>{{6, 0, false}}));
  }
}

TEST(BuddyMemory, MergingStopsWhereTheBuddyIsSplit) {
  B m;
  m.Allocate(32);  // 0..31; 32 free
  m.Allocate(8);   // 32..39 from the 32: 48 (16) and 40 (8) free
  ASSERT_TRUE(m.Release(0));
  EXPECT_EQ(m.Avail(5), List{0}) << "the buddy 32 is split, not a free block of 32";
}
