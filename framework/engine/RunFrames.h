#pragma once
// The calls on a demonstration's run stack as its drawings read them, to say what a painted
// value stands for: each call's locals (the innermost call's are the current ones, each other
// call's were saved in the frame of the call it made), the procedure it runs, the line it
// stands on and the label of the line that made it. Depth 0 is the first procedure.
//
//   const TRunFrames calls{*this};
//   for (int d = 1; d < calls.Count(); ++d)   // a stack row per call of the procedure
//     row(d - 1) = Row(calls.CalledFrom(d), calls.Int(d, "n"), ...);
#include <QString>
#include <optional>

class TAlgoDemo;
class TData;

struct TRunFrames {
  const TAlgoDemo& Demo;

  // Calls on the stack; 0 when no run stands (no current line). While a call's After step
  // runs, the call that returned is not counted.
  int Count() const;
  int Innermost() const { return Count() - 1; }
  // The locals of the call at depth; nullptr for a depth the stack does not hold.
  const TData* Locals(int depth) const;
  // The label of the line that made the call at depth; empty for the first procedure.
  QString CalledFrom(int depth) const;
  // The procedure the call at depth runs, and the label of the line it stands on (the
  // innermost call's current line; another call's line that made the next call).
  QString Procedure(int depth) const;
  QString Line(int depth) const;
  // A whole-number, letter or truth variable of the call at depth; nothing when the call has
  // none of that name or it is not yet assigned.
  std::optional<int> Int(int depth, const char* name) const;
  std::optional<char> Char(int depth, const char* name) const;
  std::optional<bool> Bool(int depth, const char* name) const;
  std::optional<QString> Str(int depth, const char* name) const;
};
