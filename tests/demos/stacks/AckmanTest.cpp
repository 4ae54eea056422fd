#include <gtest/gtest.h>

#include "demos/DemoList.h"
#include "demos/stacks/Ackman.h"
#include "demos/stacks/AckmanInputDlg.h"
#include "framework/drawkit/StackBox.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/Startup.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

// The whole program with Ackermann started for m and n.
class AckmanRun : public ::testing::Test {
 protected:
  void Start(int m, int n) {
    RegisterAllDemos();
    windows_ = std::make_unique<TProgramWindows>();
    host_->QueueDialog(QStringLiteral("MEdit=%1 NEdit=%2 OK").arg(m).arg(n));
    MainForm->StartDemo(QStringLiteral("Ackman"), false);
    demo_ = dynamic_cast<TAckman*>(CurrentDemo);
    ASSERT_NE(demo_, nullptr) << host_->Transcript().join('\n').toStdString();
  }
  void TearDown() override { windows_.reset(); }

  TStackBox& Stack() const { return *demo_->GraphForm()->Stack; }

  modal::ScriptedHostScope host_;
  std::unique_ptr<TProgramWindows> windows_;
  TAckman* demo_ = nullptr;
};

}  // namespace

TEST(AckStackData, RowsShowUnknownValuesAsQuestionMarks) {
  EXPECT_EQ(TAckStackData("", 0, 1, 2, -1, -1).GetText(), QStringLiteral("0   1   2   ?   ?"));
  EXPECT_EQ(TAckStackData("", 8, 2, 13, 5, 29).GetText(), QStringLiteral("8   2  13   5  29"));
  EXPECT_EQ(TAckStackData("", 7, 0, 0, -1, 1).GetText(), QStringLiteral("7   0   0   ?   1"));
}

TEST(AckmanInputDlg, LimitsOfTheArguments) {
  EXPECT_TRUE(TAckmanInputDlg::InRange(0, 3)) << "n may be 3 while m is below 3";
  EXPECT_TRUE(TAckmanInputDlg::InRange(3, 2));
  EXPECT_FALSE(TAckmanInputDlg::InRange(3, 3)) << "63 frames would not fit the drawn stack";
  EXPECT_FALSE(TAckmanInputDlg::InRange(4, 0));
  EXPECT_FALSE(TAckmanInputDlg::InRange(0, 4));
}

TEST_F(AckmanRun, ThreeTwoGoesThirtyOneRowsDeepAndReturns29) {
  Start(3, 2);
  int deepest = 0;
  while (demo_->CurLine() != nullptr) {
    demo_->TraceInto();
    deepest = std::max(deepest, Stack().Count());
    // Every active call of the function has its row.
    if (demo_->CurLine() != nullptr) {
      ASSERT_EQ(Stack().Count(), demo_->RunStack()->Count() - 1);
    }
  }
  EXPECT_EQ(deepest, 31);
  EXPECT_EQ(Stack().Count(), 0) << "every row is popped by the end";
  EXPECT_TRUE(host_->Transcript().contains(QStringLiteral("message 阿克曼函数 | 结果为29。")))
      << host_->Transcript().join('\n').toStdString();
}

TEST_F(AckmanRun, AFrameThatMadeTwoCallsShowsTwoPairsTheFirstFilledIn) {
  Start(1, 1);  // A(1,1) = A(0, A(1,0)) = A(0, 2) = 3
  // Run until the outer call is back from both its calls, on its closing line.
  while (demo_->CurLine() != nullptr &&
         !(demo_->RunStack()->Count() == 2 && demo_->CurLine()->Label() == QLatin1String("End")))
    demo_->TraceInto();
  ASSERT_NE(demo_->CurLine(), nullptr);
  const TData* locals = demo_->Locals();
  ASSERT_EQ(locals->Count(), 6);
  QStringList names;
  for (int i = 0; i < locals->Count(); ++i) names << locals->Items(i)->Name();
  EXPECT_EQ(names, QStringList({"m", "n", "temp", "result", "temp", "result"}));
  EXPECT_EQ(locals->Items(2)->GetText(), QStringLiteral("2")) << "temp = A(1,0)";
  EXPECT_EQ(locals->Items(3)->GetText(), QStringLiteral("3")) << "result = A(0,2)";
  EXPECT_EQ(Stack().Count(), 1);
  EXPECT_EQ(Stack().Top()->GetText(), QStringLiteral("0   1   1   2   3"));
}

TEST_F(AckmanRun, DocksTheStackBesideTheTextAtSixtyPercent) {
  Start(0, 0);
  EXPECT_EQ(MainForm->DockMode(), TMainForm::DockTwo);
  TSplitWnds* frame = MainForm->DockFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->Pane(1)->DockedForm(), demo_->GraphForm());
  EXPECT_EQ(frame->Pane(1)->width(), frame->width() * 60 / 100);
  EXPECT_EQ(frame->Pane(1)->Caption(), QStringLiteral("阿克曼函数"));
  EXPECT_EQ(frame->Pane(2)->DockedForm(), static_cast<QWidget*>(AlgorithmForm));
}
