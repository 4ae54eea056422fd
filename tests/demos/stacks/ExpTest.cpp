#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "demos/stacks/AboutBox.h"
#include "demos/stacks/Exp.h"
#include "demos/stacks/ExpF.h"
#include "framework/drawkit/StackBox.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/shell/MainForm.h"
#include "platform/Controls.h"
#include "tests/support/ProgramRun.h"

namespace {

// The whole program with the expression demonstration started.
class ExpRun : public ProgramRun<TExp> {
 protected:
  void SetUp() override { Start(QStringLiteral("Exp")); }

  TExpF& Form() const { return *demo_->Form(); }
  bool CanRun() const { return MainForm->Buttons(static_cast<int>(ToolButton::DemoRun))->isEnabled(); }

  // Types an expression and prepares it as the start button does.
  void Enter(const QString& text) {
    MainForm->AlgDataClick();
    Form().Edit1->setText(text);
    Form().BitBtn2->click();
  }

  // The stack displays show the evaluator's stacks row for row (OPND rows cut to 6).
  void ExpectDisplaysInStep(const char* when) const {
    const ExpEvaluator& e = Form().Evaluator();
    const TStackBox& optr = *Form().StackBox1;
    const TStackBox& opnd = *Form().StackBox2;
    if (optr.Count() == 0) return;  // before the first step, or emptied at the end
    ASSERT_EQ(optr.Count(), e.OptrCount()) << when;
    EXPECT_EQ(optr.Top()->GetText(), e.OptrTopText()) << when;
    const QStringList texts = e.OpndTexts();
    ASSERT_EQ(opnd.Count(), texts.size()) << when;
    for (int i = 0; i < opnd.Count(); ++i) {
      EXPECT_EQ(opnd.GetItem(i)->GetText(), texts[texts.size() - 1 - i].left(6)) << when;
    }
  }

  // Traces the run to its end, checking the displays after every line.
  void TraceToEnd(const QString& what) {
    int lines = 0;
    while (demo_->CurLine() != nullptr && lines++ < 2000) {
      demo_->TraceInto();
      ExpectDisplaysInStep(qPrintable(what));
    }
    ASSERT_EQ(demo_->CurLine(), nullptr) << what.toStdString() << ": the run did not end";
  }

  QString Var(const char* name) const {
    const TData* v = demo_->Locals() != nullptr ? demo_->Locals()->FindByName(QString::fromLatin1(name)) : nullptr;
    return v != nullptr ? v->GetText() : QString();
  }

  int Count(const QString& line) { return static_cast<int>(host_->Transcript().count(line)); }

};

const QString kFinished = QStringLiteral("message Velkora 数据结构算法演示 | 算法演示完毕。");
const QString kApology = QStringLiteral("message Velkora 数据结构算法演示 | 大虾请退出重新来过");

}  // namespace

TEST_F(ExpRun, StartsWithTheHelpBoxAndTheRunButtonsWaitingForAnExpression) {
  EXPECT_TRUE(host_->Transcript().contains(QStringLiteral("dialog 表达式求值")));
  EXPECT_FALSE(Form().Edit1->isHidden());
  EXPECT_TRUE(Form().Edit1->isEnabled());
  EXPECT_FALSE(Form().Edit1->isReadOnly());
  EXPECT_FALSE(Form().BitBtn2->isHidden());
  EXPECT_FALSE(Form().BitBtn2->isEnabled()) << "nothing to start with an empty expression";
  EXPECT_FALSE(CanRun());
  EXPECT_TRUE(MainForm->Buttons(static_cast<int>(ToolButton::Return))->isEnabled())
      << "the user must be able to leave before typing anything";
  MainForm->ResetRunClick();
  EXPECT_FALSE(CanRun()) << "a reset without an expression keeps the run buttons disabled";

  Form().Edit1->setText(QStringLiteral("1+2"));
  EXPECT_TRUE(Form().BitBtn2->isEnabled());
  Form().Edit1->clear();
  EXPECT_FALSE(Form().BitBtn2->isEnabled());
}

TEST_F(ExpRun, EnterInTheExpressionPreparesItAsTheStartButtonDoes) {
  MainForm->AlgDataClick();
  Form().Edit1->setText(QStringLiteral("2+3*4"));
  QTest::keyClick(Form().Edit1, Qt::Key_Return);
  EXPECT_TRUE(Form().Edit1->isReadOnly()) << "Enter left the expression open for editing";
  EXPECT_TRUE(CanRun());
}

TEST_F(ExpRun, EverySampleRunsToTheEvaluatorsResultWithTheDisplaysInStep) {
  for (const QString& sample : ExpEvaluator::Samples()) {
    Enter(sample);
    ASSERT_TRUE(CanRun()) << sample.toStdString();
    TraceToEnd(sample);
    ExpEvaluator reference;
    ASSERT_TRUE(reference.Prepare(sample, TExpF::StackRows));
    ASSERT_TRUE(reference.Evaluate());
    EXPECT_EQ(Form().Label1->Caption(), reference.ResultText()) << sample.toStdString();
    EXPECT_TRUE(Form().Label2->Caption().isEmpty()) << sample.toStdString();
    EXPECT_EQ(Form().StackBox1->Count(), 0);
    EXPECT_EQ(Form().StackBox2->Count(), 0);
  }
  EXPECT_EQ(Count(kApology), 0);
}

TEST_F(ExpRun, OnePlusTwoReducesAtTheEndMark) {
  Enter(QStringLiteral("1+2"));
  while (demo_->CurLine() != nullptr && demo_->CurLine()->Label() != QLatin1String("PushOPND2")) demo_->TraceInto();
  ASSERT_NE(demo_->CurLine(), nullptr);
  EXPECT_EQ(Var("a"), QStringLiteral("'1'"));
  EXPECT_EQ(Var("b"), QStringLiteral("'2'"));
  EXPECT_EQ(Var("theta"), QStringLiteral("'+'"));
  EXPECT_EQ(Form().StackBox1->Count(), 1) << "only the # row is left";
  demo_->TraceInto();
  ASSERT_EQ(Form().StackBox2->Count(), 1);
  EXPECT_EQ(Form().StackBox2->Top()->GetText(), QStringLiteral("3"));
  TraceToEnd(QStringLiteral("1+2"));
  EXPECT_EQ(Form().Label1->Caption(), QStringLiteral("3"));
}

TEST_F(ExpRun, ResetStartsTheSameExpressionAfreshEvenHalfWay) {
  Enter(QStringLiteral("(2+3)*4"));
  for (int i = 0; i < 12; ++i) demo_->TraceInto();
  ASSERT_GT(Form().StackBox1->Count() + Form().StackBox2->Count(), 1);
  MainForm->ResetRunClick();
  EXPECT_EQ(Form().StackBox1->Count(), 0);
  EXPECT_EQ(Form().StackBox2->Count(), 0);
  ASSERT_TRUE(CanRun());
  TraceToEnd(QStringLiteral("after a reset half way"));
  EXPECT_EQ(Form().Label1->Caption(), QStringLiteral("20"));
  MainForm->ResetRunClick();
  TraceToEnd(QStringLiteral("after a reset at the end"));
  EXPECT_EQ(Form().Label1->Caption(), QStringLiteral("20"));
  EXPECT_EQ(Count(kFinished), 2);
}

TEST_F(ExpRun, ErrorsEndTheRunCleanlyAndLeaveTheExpressionOpen) {
  const struct {
    const char* text;
    const char* message;
    bool apology;  // failed reductions show "大虾请退出重新来过" once
  } cases[] = {
      {"1/0", "分母为零！", true},
      {"(-8)^(1/3)", "底数必须为正！", true},
      {"arcsin(2)", "反正弦自变量越界", false},
      {"foo(1)", "未知函数！", false},
      {"1++2", "空操作数栈！", true},
      {"7*(1.2.3)", "非法数字！", true},
      {"(1", "运算符格式错误！", false},
  };
  for (const auto& c : cases) {
    const int apologies = Count(kApology);
    const int finished = Count(kFinished);
    Enter(QString::fromUtf8(c.text));
    TraceToEnd(QString::fromUtf8(c.text));
    EXPECT_EQ(Form().Label2->Caption(), QString::fromUtf8(c.message)) << c.text;
    EXPECT_TRUE(Form().Label1->Caption().isEmpty()) << c.text << ": a result is shown";
    EXPECT_EQ(Form().StackBox1->Count(), 0) << c.text;
    EXPECT_EQ(Form().StackBox2->Count(), 0) << c.text;
    EXPECT_EQ(Count(kApology) - apologies, c.apology ? 1 : 0) << c.text;
    EXPECT_EQ(Count(kFinished) - finished, 1) << c.text << ": the run must end once";
    EXPECT_FALSE(Form().Edit1->isReadOnly()) << c.text;
    EXPECT_TRUE(Form().BitBtn2->isEnabled()) << c.text;
  }
  // The corrected expression runs after a reset.
  Form().Edit1->setText(QStringLiteral("1/4"));
  Form().BitBtn2->click();
  MainForm->ResetRunClick();
  TraceToEnd(QStringLiteral("corrected"));
  EXPECT_EQ(Form().Label1->Caption(), QStringLiteral("0.25"));
}

TEST_F(ExpRun, TooDeepForTheDisplaysIsRefusedWhenPrepared) {
  Enter(QStringLiteral("1+(1+(1+(1+(1+(1+(1+(1+(1+(1+1)))))))))"));
  EXPECT_FALSE(Form().Label2->Caption().isEmpty());
  EXPECT_FALSE(CanRun());
  EXPECT_FALSE(Form().Edit1->isReadOnly()) << "the expression can be shortened";
  EXPECT_EQ(Form().StackBox1->Count(), 0);
}

TEST_F(ExpRun, TheDogSkipsItsRunInANarrowPane) {
  Form().resize(60, Form().height());
  Form().RunDog();  // no division by zero, no negative frame count
  EXPECT_FALSE(Form().Edit1->isHidden());
  EXPECT_TRUE(Form().Edit1->isEnabled());
  EXPECT_FALSE(Form().BitBtn2->isHidden());
}

TEST(AboutBox, SecondButtonSwitchesThePages) {
  TAboutBox box;
  EXPECT_TRUE(box.HelpShown());
  EXPECT_EQ(box.SwitchBtn->text(), QStringLiteral("关于"));
  EXPECT_TRUE(box.HelpMemo->toPlainText().contains(QStringLiteral("arccos")));
  box.SwitchBtn->click();
  EXPECT_FALSE(box.HelpShown());
  EXPECT_EQ(box.SwitchBtn->text(), QStringLiteral("帮助"));
}

TEST(AboutBox, TheHelpReadsWholeWithoutScrolling) {
  TAboutBox box;
  box.show();
  QApplication::processEvents();
  // Hidden scroll bars still say how far the text reaches beyond the memo.
  EXPECT_EQ(box.HelpMemo->verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(box.HelpMemo->horizontalScrollBar()->maximum(), 0);
}
