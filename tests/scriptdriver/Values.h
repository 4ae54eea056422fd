#pragma once
// The run's variables as the drawing checks read them: every call's locals on the engine's run
// stack and the globals, whether or not the variable window lists them, and the paths a
// painted value's meaning names ("v.elem[3]", "la^.next^.data", "r[2].key"), now or as they
// stood a few lines before.
#include <QString>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "tests/scriptdriver/Geometry.h"

class TData;

namespace script {

// A value as the checks read it: a pointer gives its target's name, a string or letter its
// text without quotes, a number its text, a record or array its text form; nothing unassigned
// is Unassigned, a nil or disposed pointer Nil.
Variable ValueOf(const TData& v);

// Follows a path from a record of variables: a name, then ".field", "[i]" (item i, from 0),
// "[i,j]" (a matrix element, from 0), "^" (a pointer's target; "->" reads as "^."). A field of a
// pointer is its target's field. Nothing when the path names nothing (or cannot be parsed); a
// nil pointer on the way reads as Nil.
std::optional<Variable> ReadPath(const TData& record, const QString& path);

class RunVariables {
 public:
  // The variables of the run as it stands now; their paths are read through this object, a
  // lagged one from the values kept after the lines before.
  Variables Now();
  // After each line of a run: keeps the values of the lagged paths asked for so far.
  void LineDone();
  // A new run: the lines before it are forgotten.
  void Forget();

 private:
  // A lagged path: the call its meaning names (kind, depth) and the path.
  using Key = std::tuple<int, int, QString>;
  static std::optional<Variable> Read(const TValueMeaning& meaning, const QString& path);
  std::set<Key> lagged_;
  std::deque<std::map<Key, std::optional<Variable>>> history_;  // the newest last
};

}  // namespace script
