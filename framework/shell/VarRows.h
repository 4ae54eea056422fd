#pragma once
// The rows of the variable window, apart from any drawing: one row per displayed variable
// (globals first, then the current procedure's arguments and locals), composites opened
// below themselves, and for every value a mark string that tells which characters changed
// at the last update.
#include <QString>
#include <functional>
#include <vector>

class TData;

// A value's text with a mark string parallel to it: ' ' an unchanged character, '#' a
// changed one.
struct TMarkedText {
  QString Text;
  QString Mark;
  bool AnyChanged() const { return Mark.contains('#'); }
};

// The text of a value as the variable window shows it, with the characters of modified
// parts marked. A leaf is its own text, all marked when it is modified; a matrix is
// "((a,b,),(c,d,))" and stops once the text passes 79 characters; any other node is
// "(" + its children joined by "," + ")". Punctuation is never marked. At most 80 bytes.
TMarkedText MarkedText(const TData* node);

// Type pictures, in the order of the picture names.
enum class TVarIcon { Bool = 1, Int, Float, Char, Str, Ptr, Vector, Record };
TVarIcon IconOf(const TData* node);

enum class TVarStatus { Atom = 0, Closed = 1, Open = 2 };

struct TVarRow {
  int Level = 1;         // 1 for a variable, 2 for its parts, 3 for theirs
  bool Changed = false;  // the value changed at the last update
  TVarStatus Status = TVarStatus::Atom;
  TVarIcon Icon = TVarIcon::Record;
  TData* Data = nullptr;  // not owned
  int NameWidth = 0;
  int ValueWidth = 0;
  QString Name;
  QString Value;
  QString Mark;  // parallel to Value; empty when Changed marks the whole value
  bool FreshMarks = false;  // made with marks; they go at the update after next
};

class TVarRows {
 public:
  // Text widths in the grid's font.
  using MeasureText = std::function<int(const QString&)>;
  explicit TVarRows(MeasureText measure) : measure_(std::move(measure)) {}

  // Every row rebuilt: one level-1 row per child of globals, then of locals (either may
  // be absent). Opened composites are closed again.
  void Reload(TData* globals, TData* locals);
  // Re-reads the values whose data was modified and clears their flags; the marks of the
  // previous update disappear. A value whose text changed unmarked (unassigned) is shown
  // as it reads, without marks. True when any row changed.
  bool UpdateValues();
  // Opens a closed composite of level 1 or 2 (its parts inserted below it) or closes an
  // open one; a leaf or a level-3 row does nothing. True when the rows changed.
  bool Toggle(int index);
  void Clear() { rows_.clear(); }
  // Measures every row again, after the font changed.
  void Remeasure();

  int Count() const { return static_cast<int>(rows_.size()); }
  const TVarRow& Row(int i) const { return rows_[static_cast<size_t>(i)]; }
  const std::vector<TVarRow>& Rows() const { return rows_; }

  // Widths of the two columns: the widest name (with its indent and pictures) and the
  // widest value.
  int NameColWidth() const;
  int ValueColWidth() const;

  static constexpr int MaxLevel = 3;

 private:
  TVarRow MakeRow(TData* node, int level);
  void Measure(TVarRow& row) const;
  void InsertChildren(int index);
  void CloseBelow(int index);

  MeasureText measure_;
  std::vector<TVarRow> rows_;
};
