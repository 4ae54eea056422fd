#include "demos/storage/StoreModel.h"

#include <algorithm>

TStoreModel::TAllocResult TStoreModel::Prepare(const QString& name, int size) {
  if (used_ + size > kUnits) return TAllocResult::NoSpace;
  const auto bears = [&](bool allocated) {
    return std::any_of(rows_.begin(), rows_.end(),
                       [&](const TRow& r) { return r.name == name && r.allocated == allocated; });
  };
  if (bears(true)) return TAllocResult::NameTaken;
  const bool hasFreed = std::any_of(rows_.begin(), rows_.end(), [](const TRow& r) { return !r.allocated; });
  const bool tableFull = static_cast<int>(rows_.size()) >= kMaxRows;
  if (tableFull && !hasFreed) return TAllocResult::TableFull;
  if (End() + size - 1 > kUnits || bears(false) || tableFull) Compact();
  return TAllocResult::Done;
}

void TStoreModel::AppendBlock(const QString& name, int size, TColor color) {
  rows_.push_back({End(), size, name, true, color});
  used_ += size;
}

TStoreModel::TFreeResult TStoreModel::Free(const QString& name) {
  const auto it = std::find_if(rows_.begin(), rows_.end(), [&](const TRow& r) { return r.name == name; });
  if (it == rows_.end()) return TFreeResult::Unknown;
  if (!it->allocated) return TFreeResult::AlreadyFree;
  it->allocated = false;
  it->color = clWhite;
  used_ -= it->size;
  while (!rows_.empty() && !rows_.back().allocated) rows_.pop_back();
  return TFreeResult::Done;
}

void TStoreModel::Compact() {
  std::vector<TRow> kept;
  used_ = 0;
  for (const TRow& r : rows_) {
    if (!r.allocated) continue;
    kept.push_back({used_ + 1, r.size, r.name, true, r.color});
    used_ += r.size;
  }
  rows_ = std::move(kept);
}

int TStoreModel::RowOfUnit(int u) const {
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (rows_[i].allocated && u >= rows_[i].start && u < rows_[i].start + rows_[i].size) return static_cast<int>(i);
  return -1;
}
