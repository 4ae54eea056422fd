#pragma once
// The drawing window of the expression demonstration: the expression edit, the operator
// stack OPTR and the operand stack OPND each drawn by a stack display, the last result, the
// operation just done and the error text. The evaluation itself is ExpEvaluator's; the
// window shows each of its moves and keeps the run buttons disabled until an expression has
// been prepared.
#include <QLabel>
#include <functional>
#include <memory>

#include "demos/stacks/ExpEvaluator.h"
#include "demos/stacks/RunningDog.h"
#include "framework/drawkit/GraphForm.h"

class TButton;
class TEdit;
class TStackBox;
class TZqStaticText;

// A caption that answers a click (the "表达式" label draws a random sample), outlined.
class TClickLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class TExpF : public TGraphForm {
 public:
  // Rows of each stack display; an expression needing more is refused when prepared.
  static constexpr int StackRows = 10;

  explicit TExpF(QWidget* parent = nullptr);
  ~TExpF() override;

  TEdit* Edit1;
  TZqStaticText* Label2;  // error text
  TButton* BitBtn2;       // prepares the expression
  TZqStaticText* StaticText4;
  TZqStaticText* StaticText5;
  TZqStaticText* StaticText6;
  TZqStaticText* Label3;  // operation
  TZqStaticText* Label1;  // last result
  TButton* BitBtn3;       // help
  TStackBox* StackBox1;   // OPTR
  TStackBox* StackBox2;   // OPND
  TClickLabel* Label6;

  const ExpEvaluator& Evaluator() const { return eval_; }

  // ---- What the demonstration's steps call, one evaluator operation each
  void ReadChar();
  void PushOperand();
  void PushOperator();
  void PopMatching();
  void PopTheta();
  void PopB();
  void PopA();
  // False when the operation failed (the run then ends).
  bool PushResult();
  // The end of the loop: the result stays in the result text, or the error ends the run.
  void ReturnResult();
  void ShowOPTRTop();
  void ShowOPNDTop();

  // The expression rewritten, made read-only and the run buttons enabled; false (with the
  // message in the error text) when there is nothing to run or it is too deep.
  bool PrepareExpression();
  // A blank window waiting for an expression.
  void ResetForm();
  // Before a run starts again: the prepared expression afresh, or no run without one.
  void PrepareRerun();
  // The entry animation: the dog runs to the start button, the edit opens behind it.
  void RunDog();
  void ShowHelp();

 protected:
  void FormResize() override;

 private:
  // One evaluator operation with its texts shown; a failed reduction apologizes.
  void Step(void (ExpEvaluator::*operation)(), bool reduction = false);
  void ShowTexts();
  void ClearDisplays();
  // After an evaluator error: the stacks emptied and the expression open to correction.
  void EndAfterError();
  // "大虾请退出重新来过", once per run, after a failed reduction.
  void Apologize();
  void Edit1Change();
  void PickSample();
  void LayoutTopRow();
  // The expression edit's font: the largest, up to the full size, that shows the text whole.
  void FitEditFont();

  ExpEvaluator eval_;
  TRunningDog dog_;
  bool apologized_ = false;
  bool settingText_ = false;
};

