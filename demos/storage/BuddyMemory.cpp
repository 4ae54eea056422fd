#include "demos/storage/BuddyMemory.h"

#include <algorithm>

void TBuddyMemory::Init() {
  for (auto& list : avail_) list.clear();
  avail_[kClasses - 1].push_back(0);
  blocks_ = {{kClasses - 1, 0, false}};
}

int TBuddyMemory::TakeFirst(int k) {
  auto& list = avail_.at(static_cast<std::size_t>(k));
  const int addr = list.front();
  list.erase(list.begin());
  std::erase(blocks_, TBlock{k, addr, false});
  return addr;
}

void TBuddyMemory::InsertFree(const TBlock& block) {
  auto& list = avail_.at(static_cast<std::size_t>(block.k));
  list.insert(list.begin(), block.addr);
  PushBlock(block);
}

void TBuddyMemory::PushBlock(const TBlock& block) { blocks_.insert(blocks_.begin(), block); }

std::optional<TBuddyMemory::TBlock> TBuddyMemory::TakeUsed(int addr) {
  const auto it = std::find_if(blocks_.begin(), blocks_.end(), [addr](const TBlock& b) { return b.addr == addr; });
  if (it == blocks_.end() || !it->used) return std::nullopt;
  const TBlock block = *it;
  blocks_.erase(it);
  return block;
}

bool TBuddyMemory::FreeBuddy(int addr, int k) const {
  return std::find(blocks_.begin(), blocks_.end(), TBlock{k, addr, false}) != blocks_.end();
}

void TBuddyMemory::RemoveFree(int addr, int k) {
  std::erase(avail_.at(static_cast<std::size_t>(k)), addr);
  std::erase(blocks_, TBlock{k, addr, false});
}

std::optional<int> TBuddyMemory::Allocate(int n) {
  int k = 0;
  while (k < kClasses && (NodeSize(k) < n || Avail(k).empty())) ++k;
  if (k == kClasses) return std::nullopt;
  const int pa = TakeFirst(k);
  int i = 1;
  for (; i <= k && NodeSize(k - i) >= n; ++i) PushFree(k - i, pa + NodeSize(k - i));
  PushBlock({k - i + 1, pa, true});
  return pa;
}

bool TBuddyMemory::Release(int addr) {
  std::optional<TBlock> block = TakeUsed(addr);
  if (!block) return false;
  block->used = false;
  int p = addr;
  int k = block->k;
  bool freemem = true;
  do {
    const int buddy = p % NodeSize(k + 1) == 0 ? p + NodeSize(k) : p - NodeSize(k);
    freemem = FreeBuddy(buddy, k);
    if (freemem) {
      RemoveFree(buddy, k);
      block->k = ++k;
      if (p > buddy) block->addr = p = buddy;
    }
  } while (k != kClasses - 1 && freemem);
  InsertFree(*block);
  return true;
}
