#include "demos/stacks/ExpEvaluator.h"

#include <QStringList>
#include <cmath>

#include "platform/TextRules.h"

namespace {

const QString kFormatError = QStringLiteral("运算符格式错误！");
const QString kEmptyOperands = QStringLiteral("空操作数栈！");
const QString kBadNumber = QStringLiteral("非法数字！");
const QString kUnknownFunction = QStringLiteral("未知函数！");

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool IsLower(QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); }
bool IsOperatorChar(QChar c) { return QStringLiteral("#()*+-/^").contains(c); }

enum class Fn { None, Sin, Cos, Tan, ArcSin, ArcCos };

Fn FunctionNamed(const QString& name) {
  if (name == QLatin1String("sin")) return Fn::Sin;
  if (name == QLatin1String("cos")) return Fn::Cos;
  if (name == QLatin1String("tan")) return Fn::Tan;
  if (name == QLatin1String("arcsin")) return Fn::ArcSin;
  if (name == QLatin1String("arccos")) return Fn::ArcCos;
  return Fn::None;
}

}  // namespace

const std::array<QString, 13>& ExpEvaluator::Samples() {
  static const std::array<QString, 13> samples = {
      QStringLiteral("3.4+2^2-6.3/4*2+arccos(0.5)"),
      QStringLiteral("6*sin(3.14)-5cos(1.57)+3*(1-.1)"),
      QStringLiteral("arcsin(0.707)+tan(3.14/4)-2^0.5"),
      QStringLiteral("arcsin(0.5)*arccos(0)-3^3*(-3)"),
      QStringLiteral("(95-12*5)/5+2^3*sin(3.14/6)"),
      QStringLiteral("301*2-105/103*(1^100-cos(0.01))"),
      QStringLiteral("9.9-36sin(3.14/3)+6.6/6*(9-9.9)"),
      QStringLiteral("1+1*1/1-1^1*2.312421sin(0)"),
      QStringLiteral("51*50*cos(3.14/2)+3*sin(3.1415)"),
      QStringLiteral("90+sin(0)-cos(0)*(1-1.01)/0.001"),
      QStringLiteral("2^4-6*tan(3.14/4)+arcsin(1)"),
      QStringLiteral("arccos(-0.5)+3.14/3*(-7+2^3)"),
      QStringLiteral("-10sin(3.14/2)*3-2^10*tan(3)"),
  };
  return samples;
}

QChar ExpEvaluator::Precede(QChar top, QChar w) {
  const auto in = [](QChar c, const char* set) { return QLatin1String(set).contains(c); };
  if (in(top, "+-")) return in(w, "(*/^") ? QLatin1Char('<') : QLatin1Char('>');
  if (in(top, "*/^")) return w == QLatin1Char('(') ? QLatin1Char('<') : QLatin1Char('>');
  if (top == QLatin1Char('(')) return w == QLatin1Char(')') ? QLatin1Char('=') : QLatin1Char('<');
  if (top == QLatin1Char(')')) return QLatin1Char('>');
  if (top == QLatin1Char('#')) return w == QLatin1Char('#') ? QLatin1Char('=') : QLatin1Char('<');
  return QChar();
}

QString ExpEvaluator::Rewrite(const QString& text) {
  QString s = text;
  if (s.isEmpty()) return s;
  if (s[0] == QLatin1Char('-')) s.prepend(QLatin1Char('0'));
  // Both passes run to the current end, so the text inserted is examined as well.
  for (qsizetype i = 0; i + 1 < s.size(); ++i) {
    const QChar c = s[i], next = s[i + 1];
    if (c == QLatin1Char('(') && (next == QLatin1Char('+') || next == QLatin1Char('-'))) {
      s.insert(i + 1, QLatin1Char('0'));
    } else if (next == QLatin1Char('(') && (c == QLatin1Char(')') || c == QLatin1Char('.') || IsDigit(c))) {
      s.insert(i + 1, QLatin1Char('*'));
    }
  }
  for (qsizetype i = 0; i + 1 < s.size(); ++i) {
    const QChar c = s[i];
    if ((c == QLatin1Char(')') || c == QLatin1Char('.') || IsDigit(c)) && IsLower(s[i + 1])) {
      s.insert(i + 1, QLatin1Char('*'));
    }
  }
  if (!s.endsWith(QLatin1Char('#'))) s += QLatin1Char('#');
  return s;
}

// ---- Preparation

bool ExpEvaluator::Prepare(const QString& text, int maxDepth) {
  expr_ = Rewrite(text);
  Restart();
  if (expr_.isEmpty()) {
    Fail(kFormatError);
    return false;
  }
  ExpEvaluator probe;
  probe.expr_ = expr_;
  probe.Restart();
  probe.Evaluate();
  if (probe.maxOptr_ > maxDepth || probe.maxOpnd_ > maxDepth) {
    Fail(QStringLiteral("表达式太复杂，栈的深度超过%1！").arg(maxDepth));
    return false;
  }
  return true;
}

void ExpEvaluator::Restart() {
  optr_.Clear();
  opnd_.Clear();
  optr_.PushText(QStringLiteral("#"));
  pos_ = 0;
  errorFlag_ = false;
  isOperand_ = false;
  name_.clear();
  token_.clear();
  a_.clear();
  b_.clear();
  theta_.clear();
  result_.clear();
  operation_.clear();
  error_.clear();
  maxOptr_ = 1;
  maxOpnd_ = 0;
}

void ExpEvaluator::Fail(const QString& message) {
  if (errorFlag_) return;
  errorFlag_ = true;
  error_ = message;
  result_.clear();  // a result shown so far belongs to no finished evaluation
}

// ---- Stacks

void ExpEvaluator::Push(ExpStack which, const QString& text) {
  StringStack& stack = which == ExpStack::Optr ? optr_ : opnd_;
  if (!stack.PushText(text)) {
    Fail(kFormatError);
    return;
  }
  if (which == ExpStack::Optr) {
    maxOptr_ = std::max(maxOptr_, optr_.GetCount());
  } else {
    maxOpnd_ = std::max(maxOpnd_, opnd_.GetCount());
  }
  if (onPush) onPush(which, text);
}

bool ExpEvaluator::Pop(ExpStack which, QString& text) {
  StringStack& stack = which == ExpStack::Optr ? optr_ : opnd_;
  std::unique_ptr<SSNod> node = stack.PopText();
  if (node == nullptr) return false;
  text = node->Str;
  if (onPop) onPop(which);
  return true;
}

QString ExpEvaluator::OptrTopText() const {
  const SSNod* top = optr_.Top();
  return top != nullptr ? top->Str : QString();
}

QString ExpEvaluator::OpndTopText() const {
  const SSNod* top = opnd_.Top();
  return top != nullptr ? top->Str : QString();
}

namespace {
QStringList Texts(const StringStack& stack) {
  QStringList out;
  for (const LinkNode* p = stack.First(); p != nullptr; p = p->Next.get()) out << static_cast<const SSNod*>(p)->Str;
  return out;
}
}  // namespace

QStringList ExpEvaluator::OpndTexts() const { return Texts(opnd_); }
QStringList ExpEvaluator::OptrTexts() const { return Texts(optr_); }

// ---- The steps

void ExpEvaluator::ReadChar() {
  if (expr_.isEmpty()) {
    Fail(kFormatError);
    return;
  }
  if (errorFlag_) return;
  name_.clear();
  if (pos_ >= expr_.size() ||
      (expr_[pos_] == QLatin1Char('#') && OptrTopText() == QLatin1String("#"))) {
    // Finished: the pending token is the end mark, not the operand read before.
    isOperand_ = false;
    token_ = QStringLiteral("#");
    return;
  }
  const QChar c = expr_[pos_];
  if (IsDigit(c) || c == QLatin1Char('.')) {
    isOperand_ = true;
    token_.clear();
    while (pos_ < expr_.size() && (IsDigit(expr_[pos_]) || expr_[pos_] == QLatin1Char('.'))) {
      token_ += expr_[pos_++];
    }
    return;
  }
  isOperand_ = false;
  while (pos_ < expr_.size() && !IsOperatorChar(expr_[pos_])) name_ += expr_[pos_++];
  token_ = pos_ < expr_.size() ? QString(expr_[pos_]) : QString();
  name_ = name_.trimmed();  // blanks between tokens are no name
  if (name_.isEmpty()) return;
  if (FunctionNamed(name_) != Fn::None) {
    if (token_ != QLatin1String("(")) Fail(kFormatError);
  } else if (name_[0].isLetter()) {
    Fail(kUnknownFunction);
  } else {
    Fail(kFormatError);
  }
}

bool ExpEvaluator::Rotate() const {
  if (errorFlag_) return false;
  // An operand read last is still to be pushed, even when the scan already stands at the
  // final "#" (a lone operand such as "5").
  if (isOperand_) return true;
  if (pos_ >= expr_.size()) return false;
  return !(CharAtPos() == QLatin1Char('#') && OptrTopText() == QLatin1String("#"));
}

QChar ExpEvaluator::Relation() const {
  const QString top = OptrTopText();
  return Precede(top.isEmpty() ? QChar() : top.back(), CharAtPos());
}

void ExpEvaluator::PushOperand() {
  if (errorFlag_) return;
  operation_ = QStringLiteral("操作数") + token_.left(8) + QStringLiteral("入栈");
  Push(ExpStack::Opnd, token_);
}

void ExpEvaluator::PushOperator() {
  if (errorFlag_ || pos_ >= expr_.size()) return;
  const QString text = name_.isEmpty() ? QString(expr_[pos_]) : name_ + QLatin1Char('(');
  Push(ExpStack::Optr, text);
  operation_ = QStringLiteral("操作符") + text + QStringLiteral("入栈");
  pos_ += 1;
}

void ExpEvaluator::PopMatching() {
  if (errorFlag_) return;
  QString x;
  if (Relation() != QLatin1Char('=') || !Pop(ExpStack::Optr, x)) {
    Fail(kFormatError);
    return;
  }
  operation_ = x == QLatin1String("(") ? QStringLiteral("消括号") : QStringLiteral("函数") + x + QLatin1Char(')');
  ApplyFunction(x);
  if (!errorFlag_) pos_ += 1;
}

void ExpEvaluator::ApplyFunction(const QString& x) {
  if (x.startsWith(QLatin1Char('#')) || x.startsWith(QLatin1Char('('))) return;
  const Fn fn = x.endsWith(QLatin1Char('(')) ? FunctionNamed(x.chopped(1)) : Fn::None;
  if (fn == Fn::None) {
    Fail(kUnknownFunction);
    return;
  }
  QString text;
  if (!Pop(ExpStack::Opnd, text)) {
    Fail(kEmptyOperands);
    return;
  }
  const std::optional<double> v = text::ParseReal(text);
  if (!v) {
    Fail(kBadNumber);
    return;
  }
  double r = 0;
  switch (fn) {
    case Fn::Sin: r = std::sin(*v); break;
    case Fn::Cos: r = std::cos(*v); break;
    case Fn::Tan:
      if (std::cos(*v) == 0) return Fail(QStringLiteral("正切自变量越界"));
      r = std::tan(*v);
      break;
    case Fn::ArcSin:
      if (std::fabs(*v) > 1) return Fail(QStringLiteral("反正弦自变量越界"));
      r = std::asin(*v);
      break;
    case Fn::ArcCos:
      if (std::fabs(*v) > 1) return Fail(QStringLiteral("反余弦自变量越界"));
      r = std::acos(*v);
      break;
    case Fn::None: break;
  }
  result_ = text::FloatToStr(r);
  Push(ExpStack::Opnd, result_);
}

void ExpEvaluator::PopB() {
  if (errorFlag_) return;
  if (!Pop(ExpStack::Opnd, b_)) Fail(kEmptyOperands);
}

void ExpEvaluator::PopA() {
  if (errorFlag_) return;
  if (!Pop(ExpStack::Opnd, a_)) {
    Fail(kEmptyOperands);
  } else if (!text::ParseReal(a_) || !text::ParseReal(b_)) {
    Fail(kBadNumber);
  }
}

void ExpEvaluator::PopTheta() {
  if (errorFlag_) return;
  if (!Pop(ExpStack::Optr, theta_)) {
    Fail(kFormatError);
    return;
  }
  operation_ = theta_;
}

double ExpEvaluator::Operate(QChar op, double a, double b) {
  double r = 0;
  switch (op.unicode()) {
    case '+': r = a + b; break;
    case '-': r = a - b; break;
    case '*': r = a * b; break;
    case '/':
      if (b == 0) {
        Fail(QStringLiteral("分母为零！"));
        return 0;
      }
      r = a / b;
      break;
    case '^':
      if (a <= 0) {
        Fail(QStringLiteral("底数必须为正！"));
        return 0;
      }
      r = std::exp(b * std::log(a));
      break;
    default:
      Fail(kFormatError);
      return 0;
  }
  if (!std::isfinite(r)) Fail(QStringLiteral("运算结果溢出！"));
  return r;
}

void ExpEvaluator::PushResult() {
  if (errorFlag_) return;
  const std::optional<double> a = text::ParseReal(a_), b = text::ParseReal(b_);
  if (!a || !b || theta_.isEmpty()) {
    Fail(kBadNumber);
    return;
  }
  const double r = Operate(theta_.back(), *a, *b);
  if (errorFlag_) return;
  result_ = text::FloatToStr(r);
  Push(ExpStack::Opnd, result_);
}

void ExpEvaluator::FinishResult() {
  if (errorFlag_) return;
  if (opnd_.IsEmpty()) {
    Fail(kEmptyOperands);
    return;
  }
  // Anything but one operand, with OPTR back at "#" and the scan at the final "#", means
  // operators or operands were left over.
  if (opnd_.GetCount() > 1 || optr_.GetCount() != 1 || pos_ != expr_.size() - 1) {
    Fail(kFormatError);
    return;
  }
  const std::optional<double> v = text::ParseReal(OpndTopText());
  if (!v) {
    Fail(kBadNumber);
    return;
  }
  result_ = text::FloatToStr(*v);
}

bool ExpEvaluator::Evaluate() {
  ReadChar();
  while (Rotate()) {
    if (IsOperand()) {
      PushOperand();
      ReadChar();
      continue;
    }
    const QChar r = Relation();
    if (r == QLatin1Char('<')) {
      PushOperator();
      ReadChar();
    } else if (r == QLatin1Char('>')) {
      PopB();
      PopA();
      PopTheta();
      PushResult();
    } else {
      PopMatching();
      ReadChar();
    }
  }
  FinishResult();
  return !errorFlag_;
}
