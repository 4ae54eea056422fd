#include <gtest/gtest.h>

#include "demos/stacks/Ackman.h"
#include "demos/stacks/AckmanInputDlg.h"
#include "framework/drawkit/StackBox.h"
#include "tests/support/ProgramRun.h"

namespace {

// The whole program with Ackermann started for m and n.
class AckmanRun : public ProgramRun<TAckman> {
 protected:
  void Start(int m, int n) {
    host_->QueueDialog(QStringLiteral("MEdit=%1 NEdit=%2 OK").arg(m).arg(n));
    ProgramRun::Start(QStringLiteral("Ackman"));
  }
  TStackBox& Stack() const { return *demo_->GraphForm()->Stack; }
};

}  // namespace

TEST(AckStackData, RowsShowUnknownValuesAsQuestionMarks) {
  EXPECT_EQ(TAckStackData("", 0, 1, 2, -1, -1).GetText(), QStringLiteral("0     1  2     ?       ?"));
  EXPECT_EQ(TAckStackData("", 8, 2, 13, 5, 29).GetText(), QStringLiteral("8     2 13     5      29"));
  EXPECT_EQ(TAckStackData("", 7, 0, 0, -1, 1).GetText(), QStringLiteral("7     0  0     ?       1"));
}

TEST(AckmanInputDlg, LimitsOfTheArguments) {
  EXPECT_TRUE(TAckmanInputDlg::InRange(0, 3)) << "n may be 3 while m is below 3";
  EXPECT_TRUE(TAckmanInputDlg::InRange(3, 2));
  EXPECT_FALSE(TAckmanInputDlg::InRange(3, 3)) << "63 frames would not fit the drawn stack";
  EXPECT_FALSE(TAckmanInputDlg::InRange(4, 0));
  EXPECT_FALSE(TAckmanInputDlg::InRange(0, 4));
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
  EXPECT_EQ(locals->Items(5)->GetText(), QStringLiteral("3")) << "the second call's own pair holds what it returned";
  EXPECT_EQ(Stack().Count(), 1);
  EXPECT_EQ(Stack().Top()->GetText(), QStringLiteral("0     1  1     2       3"));
}
