#pragma once
// The simulated memory of the buddy system: 64 words, one free list per size class
// k = 0..6 (blocks of 2^k words), and the list of every block of the memory, free or
// occupied, which the memory bar draws and a release looks up. New list entries go to the
// front. The operations are the pieces the demonstration animates; Allocate and Release run
// them in the algorithm's order.
#include <array>
#include <optional>
#include <vector>

class TBuddyMemory {
 public:
  static constexpr int kClasses = 7;
  static constexpr int kWords = 64;

  struct TBlock {
    int k = 0;
    int addr = 0;
    bool used = false;
    friend bool operator==(const TBlock&, const TBlock&) = default;
  };

  TBuddyMemory() { Init(); }
  // Lists 0..5 empty, list 6 holding the block at 0, one free block record of class 6.
  void Init();

  static int NodeSize(int k) { return 1 << k; }
  // The start addresses of free list k, front first.
  const std::vector<int>& Avail(int k) const { return avail_.at(static_cast<std::size_t>(k)); }
  const std::vector<TBlock>& Blocks() const { return blocks_; }

  // ---- Allocation pieces
  // The first node of list k taken off, with its block record; its address.
  int TakeFirst(int k);
  // A free block of class k at addr: a node on list k and a free block record.
  void PushFree(int k, int addr) { InsertFree({k, addr, false}); }
  void PushBlock(const TBlock& block);

  // ---- Release pieces
  // The occupied block record starting at addr, taken out of the block list; none when no
  // record starts there or it is free (nothing changes then).
  std::optional<TBlock> TakeUsed(int addr);
  // A free block record of class k at addr exists.
  bool FreeBuddy(int addr, int k) const;
  // The buddy at addr of class k taken off its list and out of the block list.
  void RemoveFree(int addr, int k);
  // A released block back: its node on list block.k and its record on the block list.
  void InsertFree(const TBlock& block);

  // ---- The whole algorithm
  // The address given for n words (the lower half of each split), or none.
  std::optional<int> Allocate(int n);
  // False (nothing changed) when addr is not the start of an occupied block.
  bool Release(int addr);

 private:
  std::array<std::vector<int>, kClasses> avail_;
  std::vector<TBlock> blocks_;
};
