#pragma once
// The logic of the expression tree kept apart from its windows: the precedence table, the
// check an expression passes before the build may read it, and the arithmetic of one
// operator of the postorder evaluation.
#include <QString>
#include <optional>
#include <vector>

// '<', '=' or '>' for the operator at the top of the stack against the current character;
// 0 when either is not an operator.
char ExpTreeOpPrecede(QChar top, QChar cur);

// The subtree slots the drawing window has.
inline constexpr int kExpTreeSlots = 6;

// The expression as the build reads it ("#" appended when missing), or the message that
// refuses it: only a..z, + - * / ( ) and one final "#", forming a well-built infix
// expression, and no more pending subtrees at any moment than the slots hold (the slot a
// subtree is built in counted).
struct TExpTreeCheck {
  QString Expression;
  QString Error;
  bool Ok() const { return Error.isEmpty(); }
};
TExpTreeCheck CheckExpTreeExpression(const QString& text);

// The most slots the build of a well-built expression occupies at once, counting the slot
// a subtree is built in.
int ExpTreeSlotsNeeded(const QString& expression);

// Replaces the two top results a (older) and b (newer) by a op b, dividing with truncation
// toward zero. False, with the results left as they were, for a division by zero or fewer
// than two results.
bool ExpTreeCalcu(std::vector<int>& results, QChar op);
