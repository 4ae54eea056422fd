#include "demos/trees/ExpTreeModel.h"

#include <algorithm>

#include "framework/drawkit/WesternText.h"

namespace {

int Rank(QChar c) {
  switch (c.unicode()) {
    case '+': case '-': return 0;
    case '*': case '/': case '^': return 1;
    case '(': return 2;
    case ')': return 3;
    case '#': return 4;
    default: return -1;
  }
}

bool IsLetter(QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); }
bool IsBinary(QChar c) { return c == u'+' || c == u'-' || c == u'*' || c == u'/'; }

}  // namespace

char ExpTreeOpPrecede(QChar top, QChar cur) {
  static const char table[5][6] = {"><<>>", ">><>>", "<<<=<", ">>>>>", "<<<<="};
  const int t = Rank(top), c = Rank(cur);
  if (t < 0 || c < 0) return 0;
  return table[t][c];
}

int ExpTreeSlotsNeeded(const QString& expression) {
  // The build's own moves: a letter takes the next slot; a subtree is built in the next
  // free slot, then the two it joins give one back.
  QString ops = QStringLiteral("#");
  int pending = 0, most = 0;
  auto reduce = [&] {
    most = std::max(most, pending + 1);
    --pending;
    ops.chop(1);
  };
  for (QChar ch : expression) {
    if (IsLetter(ch)) {
      most = std::max(most, ++pending);
    } else if (ch == u'(') {
      ops += ch;
    } else if (ch == u')') {
      while (!ops.isEmpty() && ops.back() != u'(') reduce();
      ops.chop(1);
    } else {
      while (!ops.isEmpty() && ExpTreeOpPrecede(ops.back(), ch) == '>') reduce();
      if (ch == u'#') break;
      ops += ch;
    }
  }
  return most;
}

TExpTreeCheck CheckExpTreeExpression(const QString& text) {
  TExpTreeCheck check;
  const QString bad = QStringLiteral("运算符格式错误！");
  if (!WesternText(text)) {
    check.Error = kWesternOnly;
    return check;
  }
  QString body = text.endsWith(u'#') ? text.chopped(1) : text;
  // expression := operand (operator operand)*, operand := letter | ( expression )
  int depth = 0;
  bool wantOperand = true;
  for (QChar ch : body) {
    if (IsLetter(ch) && wantOperand) {
      wantOperand = false;
    } else if (ch == u'(' && wantOperand) {
      ++depth;
    } else if (ch == u')' && !wantOperand && depth > 0) {
      --depth;
    } else if (IsBinary(ch) && !wantOperand) {
      wantOperand = true;
    } else {
      check.Error = bad;
      return check;
    }
  }
  if (wantOperand || depth != 0) {
    check.Error = bad;
    return check;
  }
  check.Expression = body + QLatin1Char('#');
  if (ExpTreeSlotsNeeded(check.Expression) > kExpTreeSlots)
    check.Error = QStringLiteral("表达式太复杂：建树需要的子树超过%1棵，请改短些！").arg(kExpTreeSlots);
  return check;
}

bool ExpTreeCalcu(std::vector<int>& results, QChar op) {
  if (results.size() < 2) return false;
  const long long a = results[results.size() - 2], b = results.back();
  long long r = 0;
  switch (op.unicode()) {
    case '+': r = a + b; break;
    case '-': r = a - b; break;
    case '*': r = a * b; break;
    case '/':
      if (b == 0) return false;
      r = a / b;
      break;
    default: return false;
  }
  results.pop_back();
  results.back() = static_cast<int>(r);
  return true;
}
