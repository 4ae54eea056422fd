#include "demos/storage/BoundMemory.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using M = TBoundMemory;

// The free blocks in list order from pav, as (start, size).
std::vector<std::pair<int, int>> FreeList(const M& m) {
  std::vector<std::pair<int, int>> out;
  if (m.pav == M::kNil) return out;
  int p = m.pav;
  do {
    out.emplace_back(p, m.W(p).size);
    p = m.W(p).rlink;
  } while (p != m.pav && out.size() <= 64);
  return out;
}

// Every block's head and foot agree: tags, sizes, uplinks; the blocks tile the memory.
void ExpectWellFormed(const M& m) {
  int p = 0;
  while (p < M::kWords) {
    const auto& head = m.W(p);
    ASSERT_TRUE(head.kind == M::UsedHead || head.kind == M::FreeHead) << "no head at word " << p;
    ASSERT_GE(head.size, 2) << "block at " << p;
    const int f = m.FootOf(p);
    ASSERT_LT(f, M::kWords);
    EXPECT_EQ(m.W(f).kind, head.kind == M::UsedHead ? M::UsedFoot : M::FreeFoot) << "foot of " << p;
    if (head.kind == M::FreeHead) {
      EXPECT_EQ(m.W(f).llink, p) << "uplink of " << p;
    }
    for (int i = p + 1; i < f; ++i) EXPECT_EQ(m.W(i).kind, M::Inner) << "word " << i;
    p = f + 1;
  }
}

}  // namespace

TEST(BoundMemory, BlocksAreCutFromTheHighEndAndSmallRemaindersAreGivenAway) {
  M m;
  EXPECT_EQ(m.Allocate(32), 32);
  EXPECT_EQ(m.Allocate(16), 16);
  EXPECT_EQ(m.pav, 0);
  EXPECT_EQ(FreeList(m), (std::vector<std::pair<int, int>>{{0, 16}}));
  ExpectWellFormed(m);

  M whole;
  EXPECT_EQ(whole.Allocate(63), 0) << "a remainder of one word stays with the block";
  EXPECT_EQ(whole.W(0).size, 64);
  EXPECT_EQ(whole.pav, M::kNil);
  ExpectWellFormed(whole);
}

TEST(BoundMemory, TheWholeMemoryTakenAndGivenBack) {
  M m;
  EXPECT_EQ(m.Allocate(64), 0);
  EXPECT_EQ(m.pav, M::kNil);
  EXPECT_EQ(m.Allocate(2), M::kNil) << "nothing is free";
  EXPECT_TRUE(m.Release(0));
  EXPECT_EQ(m.pav, 0);
  EXPECT_EQ(FreeList(m), (std::vector<std::pair<int, int>>{{0, 64}}));
  ExpectWellFormed(m);
}

TEST(BoundMemory, TheFourReleasesMergeWithFreeNeighbours) {
  M m;
  for (int want : {54, 44, 34, 24, 14}) EXPECT_EQ(m.Allocate(10), want);
  ASSERT_TRUE(m.Release(44));  // both neighbours occupied
  EXPECT_EQ(m.pav, 44);
  EXPECT_EQ(FreeList(m).size(), 2u);
  ASSERT_TRUE(m.Release(34));  // right neighbour free, and it was pav
  EXPECT_EQ(m.pav, 34);
  EXPECT_EQ(m.W(34).size, 20);
  ASSERT_TRUE(m.Release(14));  // left neighbour free
  EXPECT_EQ(m.W(0).size, 24);
  ASSERT_TRUE(m.Release(24));  // both free: three blocks become one
  EXPECT_EQ(m.pav, 0);
  EXPECT_EQ(FreeList(m), (std::vector<std::pair<int, int>>{{0, 54}}));
  ExpectWellFormed(m);

  const M before = m;
  EXPECT_EQ(m.Allocate(64), M::kNil);
  EXPECT_FALSE(m.Release(5)) << "an inner word is no block's start";
  EXPECT_FALSE(m.Release(0)) << "a free block cannot be freed";
  EXPECT_FALSE(m.Release(64));
  for (int i = 0; i < M::kWords; ++i) {
    EXPECT_EQ(m.W(i).kind, before.W(i).kind);
    EXPECT_EQ(m.W(i).size, before.W(i).size);
  }
}

TEST(BoundMemory, FirstFitWalksTheFreeListFromPavAndMovesPavOn) {
  M m;
  for (int i = 0; i < 6; ++i) m.Allocate(10);  // 54 .. 4, leaving 0..3 free
  ASSERT_TRUE(m.Release(44));
  ASSERT_TRUE(m.Release(24));
  ASSERT_TRUE(m.Release(4));  // merges with 0..3
  EXPECT_EQ(FreeList(m), (std::vector<std::pair<int, int>>{{24, 10}, {44, 10}, {0, 14}}));
  EXPECT_EQ(m.Allocate(12), 2) << "24 and 44 are too small; 0 holds 14 and keeps 2";
  EXPECT_EQ(m.pav, 24) << "pav moves on to the successor of the block cut";
  EXPECT_EQ(m.Allocate(11), M::kNil);
  ExpectWellFormed(m);
}
