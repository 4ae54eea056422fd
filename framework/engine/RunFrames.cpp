#include "framework/engine/RunFrames.h"

#include <type_traits>
#include <utility>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

namespace {

// The value of a variable of class T in locals; nothing without one of that name and class, or
// while it is not yet assigned.
template <class T>
auto ValueOf(const TData* locals, const char* name) -> std::optional<std::decay_t<decltype(std::declval<const T&>().Value())>> {
  if (locals == nullptr) return std::nullopt;
  const auto* v = dynamic_cast<const T*>(locals->FindByName(QString::fromLatin1(name)));
  if (v == nullptr || !v->Assigned()) return std::nullopt;
  return v->Value();
}

}  // namespace

int TRunFrames::Count() const {
  if (Demo.CurLine() == nullptr) return 0;
  const TRunStack& stack = *Demo.RunStack();
  const int count = stack.Count();
  // While a call's After step runs (a message it opens), the callee's frame is still on the
  // stack but the caller's locals are back in place: the call has returned.
  if (count > 1 && stack.Frame(count - 1)->SavedLocals == nullptr) return count - 1;
  return count;
}

const TData* TRunFrames::Locals(int depth) const {
  if (depth < 0 || depth >= Count()) return nullptr;
  // The innermost counted call's are the current ones, also while a returned call's frame waits.
  return depth == Innermost() ? Demo.Locals() : Demo.LocalsAt(depth);
}

QString TRunFrames::CalledFrom(int depth) const {
  if (depth < 0 || depth >= Count()) return {};
  const TProcLine* line = Demo.RunStack()->Frame(depth)->ReturnLine;
  return line != nullptr ? line->Label() : QString();
}

QString TRunFrames::Procedure(int depth) const {
  if (depth < 0 || depth >= Count()) return {};
  if (depth == Innermost()) return Demo.CurProc() != nullptr ? Demo.CurProc()->Name() : QString();
  const TProcLine* line = Demo.RunStack()->Frame(depth + 1)->ReturnLine;
  return line != nullptr && line->Procedure() != nullptr ? line->Procedure()->Name() : QString();
}

QString TRunFrames::Line(int depth) const {
  if (depth < 0 || depth >= Count()) return {};
  if (depth == Innermost()) return Demo.CurLine()->Label();
  return CalledFrom(depth + 1);
}

std::optional<int> TRunFrames::Int(int depth, const char* name) const { return ValueOf<TIntData>(Locals(depth), name); }
std::optional<char> TRunFrames::Char(int depth, const char* name) const { return ValueOf<TCharData>(Locals(depth), name); }
std::optional<bool> TRunFrames::Bool(int depth, const char* name) const { return ValueOf<TBoolData>(Locals(depth), name); }
std::optional<QString> TRunFrames::Str(int depth, const char* name) const { return ValueOf<TStringData>(Locals(depth), name); }
