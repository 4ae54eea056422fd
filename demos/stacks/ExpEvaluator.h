#pragma once
// The operator-precedence evaluator behind the expression window: the expression text is
// rewritten into a form the scanner understands, then read token by token while the
// operator stack OPTR and the operand stack OPND change one move at a time. The window
// and the demonstration call the operations below one per step; Evaluate runs the same
// loop at once (the window's check before a run, and the tests). No windows here.
#include <QChar>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "demos/stacks/LinkedStack.h"

enum class ExpStack { Optr, Opnd };

class ExpEvaluator {
 public:
  static const std::array<QString, 13>& Samples();

  // The relation between the operator on top of OPTR (its last character) and the next
  // operator: '<' push it, '=' remove a matching pair, '>' reduce, QChar() none.
  static QChar Precede(QChar top, QChar w);
  // Step 2 of the preparation: unary minus and implied multiplication spelled out,
  // "#" appended. "-10sin(3.14/2)" becomes "0-10*sin(3.14/2)#".
  static QString Rewrite(const QString& text);

  // ---- Preparation
  // Takes a new expression: rewritten, checked by a silent run that the stacks never hold
  // more than maxDepth entries (OPTR's "#" counted), then started as Restart does. False,
  // with the message in Error(), when the text is empty or too deep.
  bool Prepare(const QString& text, int maxDepth);
  // Starts the prepared expression again: texts cleared, OPTR holding "#", OPND empty.
  void Restart();
  // No expression at all.
  void Clear() {
    expr_.clear();
    Restart();
  }

  // ---- The steps
  // Reads the token at Pos into Token (an operand), or the operator there (not consumed)
  // with the letters before it in Name.
  void ReadChar();
  // The loop goes on: no error, and not at "#" with "#" on top of OPTR, and not past the end.
  bool Rotate() const;
  // Precede(top of OPTR, operator at Pos).
  QChar Relation() const;
  void PushOperand();
  void PushOperator();
  // The '=' case: a parenthesis or a function's opening removed, the function applied.
  void PopMatching();
  void PopB();
  void PopA();
  void PopTheta();
  void PushResult();
  // After the loop: the one operand left is the result (ResultText); anything else is an
  // error.
  void FinishResult();

  // Runs the whole loop (after Prepare or Restart). True when a result came out.
  bool Evaluate();

  // ---- State read by the window and the demonstration
  const QString& Expression() const { return expr_; }
  int Pos() const { return pos_; }  // index into Expression(), 0-based
  QChar CharAtPos() const { return pos_ < expr_.size() ? expr_[pos_] : QChar(); }
  bool ErrorFlag() const { return errorFlag_; }
  bool IsOperand() const { return isOperand_; }
  const QString& Name() const { return name_; }
  const QString& Token() const { return token_; }
  const QString& A() const { return a_; }
  const QString& B() const { return b_; }
  const QString& Theta() const { return theta_; }
  // The window's three texts: last result, operation, error.
  const QString& ResultText() const { return result_; }
  const QString& OperationText() const { return operation_; }
  const QString& Error() const { return error_; }
  QString OptrTopText() const;
  QString OpndTopText() const;
  int OptrCount() const { return optr_.GetCount(); }
  int OpndCount() const { return opnd_.GetCount(); }
  int MaxOptrCount() const { return maxOptr_; }
  int MaxOpndCount() const { return maxOpnd_; }
  // The operand and operator stacks, top first (for the tests and the stack displays).
  QStringList OpndTexts() const;
  QStringList OptrTexts() const;

  // A stack move as it happens; the window mirrors them in its stack displays.
  std::function<void(ExpStack, const QString&)> onPush;
  std::function<void(ExpStack)> onPop;

  // Stops the evaluation with a message; the first message stays.
  void Fail(const QString& message);
  // The message of an expression that is no longer there (its text was edited) goes.
  void ClearError() { error_.clear(); }

 private:
  void Push(ExpStack which, const QString& text);
  bool Pop(ExpStack which, QString& text);
  double Operate(QChar op, double a, double b);
  void ApplyFunction(const QString& x);

  QString expr_;
  int pos_ = 0;
  StringStack optr_;
  StringStack opnd_;
  bool errorFlag_ = false;
  bool isOperand_ = false;
  QString name_;
  QString token_;
  QString a_, b_, theta_;
  QString result_, operation_, error_;
  int maxOptr_ = 0;
  int maxOpnd_ = 0;
};
