#include "demos/storage/BoundMemory.h"

void TBoundMemory::Init() {
  words_.fill(TWord{});
  W(0) = {kWords, FreeHead, 0, 0};
  W(kWords - 1) = {0, FreeFoot, 0, 0};
  pav = 0;
  Changed = {0, kWords - 1};
}

void TBoundMemory::Unlink(int p) {
  W(pav).llink = W(p).llink;
  W(W(p).llink).rlink = pav;
  Mark(FootOf(p));
}

void TBoundMemory::TagUsed(int p) {
  W(p).kind = UsedHead;
  W(FootOf(p)).kind = UsedFoot;
  Mark(p);
  Mark(FootOf(p));
}

int TBoundMemory::NewFreeFoot(int p) {
  const int f = FootOf(p);
  W(f).kind = FreeFoot;
  W(f).llink = p;
  Mark(f);
  Mark(f + 1);
  return f;
}

int TBoundMemory::NewUsedBlock(int f, int n) {
  const int p = f + 1;
  W(p).kind = UsedHead;
  W(p).size = n;
  return p;
}

void TBoundMemory::ClearInterior(int p, int size) {
  for (int i = p + 1; i <= p + size - 2 && i < kWords; ++i) {
    W(i).kind = Inner;
    Mark(i);
  }
}

void TBoundMemory::FreeFree(int p) {
  const int n = W(p).size;
  const int s = W(p - 1).llink;
  const int t = p + n;
  if (t == pav) pav = s;
  W(s).size += n + W(t).size;
  const int q = W(t).llink;
  const int q1 = W(t).rlink;
  W(q).rlink = q1;
  W(q1).llink = q;
  const int tFoot = FootOf(t);
  W(tFoot).llink = s;
  for (int i : {p - 1, p, t - 1, t}) W(i).kind = Inner;
  for (int i : {s, t, p - 1, p, t - 1, tFoot}) Mark(i);
}

void TBoundMemory::FreeUsed(int p) {
  const int n = W(p).size;
  const int s = W(p - 1).llink;
  W(s).size += n;
  const int f = p + n - 1;
  W(f).llink = s;
  W(f).kind = FreeFoot;
  W(p - 1).kind = Inner;
  W(p).kind = Inner;
  for (int i : {s, p - 1, p, f}) Mark(i);
}

void TBoundMemory::UsedFree(int p) {
  const int t = p + W(p).size;
  if (t == pav) pav = p;
  W(p).kind = FreeHead;
  const int q = W(t).llink;
  W(p).llink = q;
  W(q).rlink = p;
  const int q1 = W(t).rlink;
  W(p).rlink = q1;
  W(q1).llink = p;
  W(p).size += W(t).size;
  const int tFoot = FootOf(p);
  W(tFoot).llink = p;
  W(t - 1).kind = Inner;
  W(t).kind = Inner;
  for (int i : {p, t - 1, t, tFoot}) Mark(i);
}

void TBoundMemory::UsedUsed(int p) {
  if (pav == kNil) {
    pav = p;
    W(p).llink = W(p).rlink = p;
  } else {
    const int q = W(pav).llink;
    W(p).rlink = pav;
    W(p).llink = q;
    W(q).rlink = p;
    W(pav).llink = p;
    pav = p;
  }
  const int f = FootOf(p);
  W(f).llink = p;
  W(p).kind = FreeHead;
  W(f).kind = FreeFoot;
  Mark(p);
  Mark(f);
}

int TBoundMemory::Allocate(int n) {
  int p = pav;
  while (p != kNil && W(p).size < n && W(p).rlink != pav) p = W(p).rlink;
  if (p == kNil || W(p).size < n) return kNil;
  if (W(p).size - n <= kMaxRemainder) {
    pav = W(p).rlink;
    if (pav == p)
      pav = kNil;
    else
      Unlink(p);
    TagUsed(p);
    return p;
  }
  pav = W(p).rlink;
  W(FootOf(p)).kind = UsedFoot;
  Mark(FootOf(p));
  Mark(p);
  W(p).size -= n;
  return NewUsedBlock(NewFreeFoot(p), n);
}

bool TBoundMemory::Release(int p) {
  if (!IsUsedHead(p)) return false;
  const int size = W(p).size;
  const bool left = LeftFree(p);
  const bool right = RightFree(p);
  if (left && right)
    FreeFree(p);
  else if (left)
    FreeUsed(p);
  else if (right)
    UsedFree(p);
  else
    UsedUsed(p);
  ClearInterior(p, size);
  return true;
}

bool TBoundMemory::InUsedBlock(int i) const {
  // A foot names its head (uplink); a head is its own; an inner word belongs to the block
  // of the nearest head or foot before it.
  for (int j = i; j >= 0; --j) {
    const int kind = W(j).kind;
    if (kind == UsedHead || kind == UsedFoot) return true;
    if (kind == FreeHead || kind == FreeFoot) return false;
  }
  return false;
}

std::vector<int> TBoundMemory::FreeList() const {
  std::vector<int> list;
  if (pav == kNil) return list;
  int p = pav;
  do {
    list.push_back(p);
    p = W(p).rlink;
  } while (p != pav && p >= 0 && p < kWords && static_cast<int>(list.size()) < kWords);
  return list;
}
