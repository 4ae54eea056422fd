#pragma once
// The memory of storage compaction: 100 units and the table of named blocks laid out one
// behind the other from unit 1. A new block always goes behind the last one; when it would
// not fit there, or its name belongs to a freed block, the allocated blocks are first moved
// to the front in table order. Trailing freed rows are dropped, so the last row is allocated.
#include <QString>
#include <vector>

#include "platform/Color.h"

class TStoreModel {
 public:
  static constexpr int kUnits = 100;
  // The table window has lines for this many blocks.
  static constexpr int kMaxRows = 19;

  struct TRow {
    int start = 1;
    int size = 0;
    QString name;
    bool allocated = true;
    TColor color = clWhite;
  };

  enum class TAllocResult { Done, NoSpace, NameTaken, TableFull };
  enum class TFreeResult { Done, Unknown, AlreadyFree };

  // Appends the block (compacting first when needed); the colour is asked for only when the
  // block is really made.
  template <class ColorSource>
  TAllocResult Allocate(const QString& name, int size, ColorSource nextColor) {
    const TAllocResult check = Prepare(name, size);
    if (check == TAllocResult::Done) AppendBlock(name, size, nextColor());
    return check;
  }
  TFreeResult Free(const QString& name);
  void Compact();

  const std::vector<TRow>& Rows() const { return rows_; }
  int Used() const { return used_; }
  // The first unit behind the last row.
  int End() const { return rows_.empty() ? 1 : rows_.back().start + rows_.back().size; }
  // The allocated row holding unit u (1..100), or -1.
  int RowOfUnit(int u) const;

 private:
  TAllocResult Prepare(const QString& name, int size);
  void AppendBlock(const QString& name, int size, TColor color);

  std::vector<TRow> rows_;
  int used_ = 0;
};
