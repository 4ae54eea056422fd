#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>
#include <optional>

#include "demos/stacks/ExpEvaluator.h"

namespace {

constexpr int kRows = 10;

struct Outcome {
  bool ok = false;
  QString result;
  QString error;
};

Outcome Evaluated(const QString& text) {
  ExpEvaluator e;
  if (!e.Prepare(text, kRows)) return {false, {}, e.Error()};
  const bool ok = e.Evaluate();
  return {ok, e.ResultText(), e.Error()};
}

// A plain recursive-descent reading of the same language, written apart from the
// operator-precedence evaluator: '^' ranks with '*' and '/' and groups to the left; a
// number or ')' directly before a letter or '(' multiplies; a sign at the start of the
// text or right after '(' subtracts from zero.
class Reference {
 public:
  explicit Reference(QString s) : s_(std::move(s)) {}
  std::optional<double> Value() {
    const double v = Sum();
    if (!ok_ || i_ != s_.size()) return std::nullopt;
    return v;
  }

 private:
  QChar Peek() const { return i_ < s_.size() ? s_[i_] : QChar(); }
  double Sum() {
    double v = 0;
    if (Peek() == '-' || Peek() == '+') {
      const bool neg = Peek() == '-';
      ++i_;
      v = neg ? -Product() : Product();
    } else {
      v = Product();
    }
    while (Peek() == '+' || Peek() == '-') {
      const QChar op = s_[i_++];
      const double r = Product();
      v = op == '+' ? v + r : v - r;
    }
    return v;
  }
  double Product() {
    double v = Atom();
    for (;;) {
      const QChar c = Peek();
      if (c == '*' || c == '/' || c == '^') {
        ++i_;
        const double r = Atom();
        v = c == '*' ? v * r : c == '/' ? v / r : std::pow(v, r);
      } else if (c.isLetter() || c == '(') {
        v *= Atom();
      } else {
        return v;
      }
    }
  }
  double Atom() {
    if (Peek() == '(') {
      ++i_;
      const double v = Sum();
      Expect(')');
      return v;
    }
    if (Peek().isLetter()) {
      QString name;
      while (Peek().isLetter()) name += s_[i_++];
      Expect('(');
      const double x = Sum();
      Expect(')');
      if (name == "sin") return std::sin(x);
      if (name == "cos") return std::cos(x);
      if (name == "tan") return std::tan(x);
      if (name == "arcsin") return std::asin(x);
      if (name == "arccos") return std::acos(x);
      ok_ = false;
      return 0;
    }
    QString num;
    while (Peek().isDigit() || Peek() == '.') num += s_[i_++];
    bool good = false;
    const double v = num.toDouble(&good);
    if (!good) ok_ = false;
    return v;
  }
  void Expect(char c) {
    if (Peek() == c) {
      ++i_;
    } else {
      ok_ = false;
    }
  }

  QString s_;
  qsizetype i_ = 0;
  bool ok_ = true;
};

}  // namespace

TEST(ExpEvaluator, PowerRanksWithMultiplicationAndGroupsLeft) {
  EXPECT_EQ(Evaluated("2*3^2").result, "36");
  EXPECT_EQ(Evaluated("2^3^2").result, "64");
  EXPECT_EQ(Evaluated("2+3^2").result, "11");
  EXPECT_EQ(Evaluated("(1+2)*(3+4)/7-1").result, "2");
  EXPECT_EQ(Evaluated("5").result, "5") << "a lone operand is the result";
  EXPECT_EQ(Evaluated("(7)").result, "7");
}

TEST(ExpEvaluator, RewriteSpellsOutUnaryMinusAndImpliedProducts) {
  EXPECT_EQ(ExpEvaluator::Rewrite("(-3)"), "(0-3)#");
  EXPECT_EQ(ExpEvaluator::Rewrite("-10sin(3.14/2)"), "0-10*sin(3.14/2)#");
  EXPECT_EQ(ExpEvaluator::Rewrite("(+2)*3.(1)"), "(0+2)*3.*(1)#");
  EXPECT_EQ(ExpEvaluator::Rewrite("1+2#"), "1+2#") << "a final # is not doubled";
  // Text inserted by the pass is examined as well, up to the very end.
  EXPECT_EQ(ExpEvaluator::Rewrite("2(-1)(-2)(-3)"), "2*(0-1)*(0-2)*(0-3)#");
  EXPECT_EQ(Evaluated("2(-1)(-2)(-3)").result, "-12");
  EXPECT_EQ(ExpEvaluator::Rewrite("(1)sin(0)*2cos(0)"), "(1)*sin(0)*2*cos(0)#");
}

TEST(ExpEvaluator, FunctionsWorkInRadians) {
  EXPECT_EQ(Evaluated("sin(0)").result, "0");
  EXPECT_EQ(Evaluated("cos(0)+arccos(1)").result, "1");
  // Every result on the operand stack is a text of at most 15 digits: arcsin(1) is
  // 1.5707963267949 there.
  EXPECT_EQ(Evaluated("2arcsin(1)").result, "3.1415926535898");
  EXPECT_EQ(Evaluated("tan(0)-1").result, "-1");
}

TEST(ExpEvaluator, ErrorsGiveTheirMessagesAndNoResult) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"1/0", "分母为零！"},
      {"3*2+1/(1-1)", "分母为零！"},
      {"(-8)^(1/3)", "底数必须为正！"},
      {"0^2", "底数必须为正！"},
      {"arcsin(2)", "反正弦自变量越界"},
      {"arccos(-1.5)", "反余弦自变量越界"},
      {"foo(1)", "未知函数！"},
      {"x+1", "未知函数！"},
      {"2x", "未知函数！"},
      {"1+x", "未知函数！"},
      {"SIN(0)", "未知函数！"},
      {"sin+1", "运算符格式错误！"},
      {"1+sin", "运算符格式错误！"},
      {"1++2", "空操作数栈！"},
      {"sin()", "空操作数栈！"},
      {"()", "空操作数栈！"},
      {"1.2.3+1", "非法数字！"},
      {".", "非法数字！"},
      {"(1", "运算符格式错误！"},
      {"1)", "空操作数栈！"},
      {"1#+2", "运算符格式错误！"},
      {"10^400", "运算结果溢出！"},
  };
  for (const auto& c : cases) {
    const Outcome o = Evaluated(QString::fromUtf8(c.text));
    EXPECT_FALSE(o.ok) << c.text;
    EXPECT_EQ(o.error, QString::fromUtf8(c.message)) << c.text;
    EXPECT_TRUE(o.result.isEmpty()) << c.text << " showed the result " << o.result.toStdString();
  }
}

TEST(ExpEvaluator, AnErrorStopsTheScanForGood) {
  ExpEvaluator e;
  ASSERT_TRUE(e.Prepare("arcsin(2)+1", kRows));
  e.Evaluate();
  const int pos = e.Pos();
  EXPECT_FALSE(e.Rotate()) << "the loop must end at the error";
  e.ReadChar();
  EXPECT_EQ(e.Pos(), pos) << "reading after an error must not start the scan again";
  EXPECT_TRUE(e.ErrorFlag());
  EXPECT_EQ(e.Error(), "反正弦自变量越界");
}

TEST(ExpEvaluator, StackMovesMirrorTheStacks) {
  // The window keeps its stack displays in step through these moves; replaying them must
  // give the stacks as they are, also when an error stops the run half way.
  for (const char* text : {"1+2", "2*(3+sin(0))-4/2", "1+2*3/0", "1++2", "foo(1)+2", "(1"}) {
    ExpEvaluator e;
    ASSERT_TRUE(e.Prepare(text, kRows)) << text;
    QStringList optr{"#"}, opnd;
    QStringList moves;
    e.onPush = [&](ExpStack s, const QString& t) {
      (s == ExpStack::Optr ? optr : opnd).prepend(t);
      moves << (s == ExpStack::Optr ? "+R" : "+D") + t;
    };
    e.onPop = [&](ExpStack s) {
      QStringList& l = s == ExpStack::Optr ? optr : opnd;
      ASSERT_FALSE(l.isEmpty()) << text << ": a pop from an empty stack reached the display";
      l.removeFirst();
      moves << (s == ExpStack::Optr ? "-R" : "-D");
    };
    e.Evaluate();
    EXPECT_EQ(opnd, e.OpndTexts()) << text;
    EXPECT_EQ(optr.size(), e.OptrCount()) << text;
    if (QString(text) == "1+2") {
      EXPECT_EQ(moves.join(' '), "+D1 +R+ +D2 -D -D -R +D3");
      EXPECT_EQ(e.A(), "1");
      EXPECT_EQ(e.B(), "2");
      EXPECT_EQ(e.Theta(), "+");
      EXPECT_EQ(e.OptrTopText(), "#");
    }
  }
}

TEST(ExpEvaluator, OperationTexts) {
  ExpEvaluator e;
  ASSERT_TRUE(e.Prepare("(1)", kRows));
  e.ReadChar();
  ASSERT_EQ(e.Relation(), '<');
  e.PushOperator();
  EXPECT_EQ(e.OperationText(), "操作符(入栈");
  e.ReadChar();
  ASSERT_TRUE(e.IsOperand());
  e.PushOperand();
  EXPECT_EQ(e.OperationText(), "操作数1入栈");
  e.ReadChar();
  ASSERT_EQ(e.Relation(), '=');
  e.PopMatching();
  EXPECT_EQ(e.OperationText(), "消括号");

  ASSERT_TRUE(e.Prepare("sin(0)", kRows));
  e.ReadChar();
  EXPECT_EQ(e.Name(), "sin");
  e.PushOperator();
  EXPECT_EQ(e.OptrTopText(), "sin(");
  EXPECT_EQ(e.OperationText(), "操作符sin(入栈");
  e.ReadChar();
  e.PushOperand();
  e.ReadChar();
  e.PopMatching();
  EXPECT_EQ(e.OperationText(), "函数sin()");
  EXPECT_EQ(e.OpndTexts(), QStringList{"0"});

  ASSERT_TRUE(e.Prepare("123456789012*2", kRows));
  e.ReadChar();
  e.PushOperand();
  EXPECT_EQ(e.OperationText(), "操作数12345678入栈") << "the operation shows at most 8 characters";
}

TEST(ExpEvaluator, TooDeepForTheStackDisplaysIsRefusedBeforeAnyPush) {
  ExpEvaluator e;
  // "#" and nine "(" fill the ten rows of the operator stack exactly.
  EXPECT_TRUE(e.Prepare("(((((((((1)))))))))", kRows)) << e.Error().toStdString();
  EXPECT_TRUE(e.Evaluate());
  EXPECT_EQ(e.MaxOptrCount(), 10);

  EXPECT_FALSE(e.Prepare("((((((((((1))))))))))", kRows));
  EXPECT_FALSE(e.Error().isEmpty());
  EXPECT_EQ(e.OpndCount(), 0);
  EXPECT_EQ(e.OptrCount(), 1);
  // Operands pile up too: 1+2*(3+4*(5+...)).
  EXPECT_FALSE(e.Prepare("1+2*(1+2*(1+2*(1+2*(1+2*(1+2)))))", kRows));
  EXPECT_FALSE(e.Prepare("", kRows));
}

TEST(ExpEvaluator, EverySampleAgreesWithAnIndependentReading) {
  for (const QString& sample : ExpEvaluator::Samples()) {
    const Outcome o = Evaluated(sample);
    ASSERT_TRUE(o.ok) << sample.toStdString() << ": " << o.error.toStdString();
    const std::optional<double> expected = Reference(sample).Value();
    ASSERT_TRUE(expected.has_value()) << sample.toStdString();
    const double got = o.result.toDouble();
    EXPECT_NEAR(got, *expected, 5e-12 * std::fabs(*expected))
        << sample.toStdString() << " gave " << o.result.toStdString();
  }
}
