#pragma once
// The simulated memory of the boundary-tag method: 64 words, each with the fields a head, an
// inner word or a foot uses. Free blocks form a circular doubly linked list entered at pav;
// the address 64 stands for nil. The operations are the pieces the demonstration animates one
// by one; Allocate and Release run them in the algorithm's order.
#include <array>
#include <set>
#include <vector>

class TBoundMemory {
 public:
  static constexpr int kWords = 64;
  static constexpr int kNil = 64;
  // A free block larger than a request by at most this many words is given away whole.
  static constexpr int kMaxRemainder = 1;

  enum TKind { UsedHead = 0, FreeHead = 1, Inner = 2, UsedFoot = 3, FreeFoot = 4 };
  struct TWord {
    int size = 0;
    int kind = Inner;
    int llink = 0;  // in a foot: uplink, the block's first word
    int rlink = 0;
  };

  TBoundMemory() { Init(); }
  // One free block of 64 words at 0, linked to itself; pav = 0.
  void Init();

  TWord& W(int i) { return words_.at(static_cast<std::size_t>(i)); }
  const TWord& W(int i) const { return words_.at(static_cast<std::size_t>(i)); }
  int FootOf(int p) const { return p + W(p).size - 1; }
  bool IsUsedHead(int p) const { return p >= 0 && p < kWords && W(p).kind == UsedHead; }
  // The neighbours a release looks at.
  bool LeftFree(int p) const { return p > 0 && W(p - 1).kind == FreeFoot; }
  bool RightFree(int p) const { return p + W(p).size < kWords - 1 && W(p + W(p).size).kind == FreeHead; }

  int pav = 0;
  // Words changed since it was last emptied; a redraw paints them.
  std::set<int> Changed;
  void Mark(int i) { Changed.insert(i); }

  // What the memory holds as the method reads it: whether word i lies in an occupied block
  // (the block's head, found walking back from i, says so), and the blocks of the free list
  // from pav following rlink.
  bool InUsedBlock(int i) const;
  std::vector<int> FreeList() const;

  // ---- Allocation pieces
  // A block given whole: taken out of the free list (pav already moved on to its successor).
  void Unlink(int p);
  void TagUsed(int p);
  // Splitting, after p's size has lost the n words: the low part gets its free foot
  // (returned), and the high n words become an occupied block starting right after it.
  int NewFreeFoot(int p);
  int NewUsedBlock(int f, int n);

  // ---- The four releases of the occupied block at p, by its neighbours (left, right).
  void FreeFree(int p);
  void FreeUsed(int p);
  void UsedFree(int p);
  void UsedUsed(int p);
  // The released block's interior words are inner again.
  void ClearInterior(int p, int size);

  // ---- The whole algorithm: first fit from pav, then release by cases.
  // The start of the block given, or kNil when no free block holds n words.
  int Allocate(int n);
  // False (and nothing changed) when p is not the first word of an occupied block.
  bool Release(int p);

 private:
  std::array<TWord, kWords> words_{};
};
