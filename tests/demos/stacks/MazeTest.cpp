#include <gtest/gtest.h>

#include "demos/stacks/Maze.h"
#include "demos/stacks/MazeData.h"
#include "demos/stacks/MazeGraphForm.h"
#include "demos/stacks/StkContainerForm.h"
#include "framework/drawkit/StackBox.h"
#include "tests/support/ProgramRun.h"

namespace {

constexpr const char* kEmptyRows = "........|........|........|........|........|........|........|........";

// The whole program with the maze search started; walls are the cells clicked in the editor.
class MazeRun : public ProgramRun<TMaze> {
 protected:
  void Start(const QStringList& wallCells, bool useC = false) {
    for (const QString& cell : wallCells) host_->QueueDialog('@' + cell);
    host_->QueueDialog(QStringLiteral("OK"));
    ProgramRun::Start(QStringLiteral("Maze"), useC);
  }

  // Traces to the end, noting the deepest stack and every row text pushed.
  void RunToEnd() {
    while (demo_->CurLine() != nullptr) {
      demo_->TraceInto();
      deepest_ = std::max(deepest_, Stack().Count());
      if (demo_->CurLine() != nullptr) {
        ASSERT_EQ(Stack().Count(), demo_->RunStack()->Count() - 1) << "one row per active call of Seek";
      }
    }
  }
  // Traces until the stack holds rows rows.
  void TraceToDepth(int rows) {
    while (demo_->CurLine() != nullptr && Stack().Count() < rows) demo_->TraceInto();
    ASSERT_EQ(Stack().Count(), rows);
  }
  QStringList Messages() { return host_->Transcript().filter(QStringLiteral("message ")); }

  TStackBox& Stack() const { return *demo_->StkContainer()->Stack; }
  TMazeData& Maze() const { return *demo_->Maze(); }

  int deepest_ = 0;
};

const QString kTitle = QStringLiteral("message Velkora 数据结构算法演示 | ");

}  // namespace

TEST(MazeStkData, RowsShowSuccKXYAndIOnceSet) {
  EXPECT_EQ(TMazeStkData("", 0, false, 1, 1, 1, -1).GetText(), QStringLiteral("0     FALSE   1   1   1    "));
  EXPECT_EQ(TMazeStkData("", 2, true, 15, 8, 8, 0).GetText(), QStringLiteral("2      TRUE  15   8   8   0"));
  EXPECT_EQ(TMazeStkData("", 2, false, 64, 3, 7, 4).GetText(), QStringLiteral("2     FALSE  64   3   7   4"));
}

TEST(MazeSteps, DirectionsAreRightDownLeftUpWithTheirArrows) {
  EXPECT_EQ(std::make_pair(TMaze::Dx(1), TMaze::Dy(1)), std::make_pair(1, 0));
  EXPECT_EQ(std::make_pair(TMaze::Dx(2), TMaze::Dy(2)), std::make_pair(0, 1));
  EXPECT_EQ(std::make_pair(TMaze::Dx(3), TMaze::Dy(3)), std::make_pair(-1, 0));
  EXPECT_EQ(std::make_pair(TMaze::Dx(4), TMaze::Dy(4)), std::make_pair(0, -1));
  EXPECT_EQ(TMaze::Arrow(1), msRight);
  EXPECT_EQ(TMaze::Arrow(2), msDown);
  EXPECT_EQ(TMaze::Arrow(3), msLeft);
  EXPECT_EQ(TMaze::Arrow(4), msUp);
}

TEST_F(MazeRun, AWalledEntranceEndsAfterOneCall) {
  Start({QStringLiteral("Cell_1_1")});
  RunToEnd();
  EXPECT_EQ(deepest_, 1);
  EXPECT_EQ(Maze().Rows(), QStringLiteral("#.......|........|........|........|........|........|........|........"));
  EXPECT_EQ(Messages(), QStringList{kTitle + "演示结束，无法走出迷宫！"});
}

TEST_F(MazeRun, AWalledExitLeavesEveryReachableCellReturned) {
  // The exit walled, and a walled pocket at the bottom left that the search cannot reach.
  Start({QStringLiteral("Cell_8_8"), QStringLiteral("Cell_1_7"), QStringLiteral("Cell_2_8")});
  RunToEnd();
  EXPECT_EQ(Maze().Rows(), QStringLiteral("xxxxxxxx|xxxxxxxx|xxxxxxxx|xxxxxxxx|xxxxxxxx|xxxxxxxx|#xxxxxxx|.#xxxxx#"));
  EXPECT_EQ(Messages(), QStringList{kTitle + "演示结束，无法走出迷宫！"});
  EXPECT_LE(deepest_, 65) << "fits the 66 rows of the stack window";
}

TEST_F(MazeRun, VariablesOfACallAndTheSuccThatReachedTheGoal) {
  Start({});
  TraceToDepth(2);
  // The callee's record: a fresh succ, k, x, y, and i added on entry.
  QStringList names;
  for (int i = 0; i < demo_->Locals()->Count(); ++i) names << demo_->Locals()->Items(i)->Name();
  EXPECT_EQ(names, QStringList({"succ", "k", "x", "y", "i"}));
  EXPECT_EQ(demo_->Locals()->FindByName("x")->GetText(), QStringLiteral("2"));
  EXPECT_EQ(Stack().Top()->GetText(), QStringLiteral("2     FALSE   2   2   1    "));
  EXPECT_EQ(Stack().GetItem(0)->GetText(), QStringLiteral("0     FALSE   1   1   1   1")) << "i of the caller";
  while (demo_->CurLine() != nullptr && !Messages().contains(kTitle + "成功走出迷宫！")) demo_->TraceInto();
  EXPECT_EQ(demo_->Locals()->FindByName("succ")->GetText(), QStringLiteral("TRUE"));
  // Every frame resumed after the goal sees succ true and returns without marking its cell.
  RunToEnd();
  EXPECT_EQ(Maze().Rows().count('x'), 0);
}

TEST_F(MazeRun, ResetDropsTheMarksButKeepsTheWalls) {
  Start({QStringLiteral("Cell_3_1")});
  TraceToDepth(5);
  ASSERT_NE(Maze().Rows().left(8), QStringLiteral("..#....."));
  demo_->Reset();
  EXPECT_EQ(Maze().Rows().left(17), QStringLiteral("..#.....|........"));
  EXPECT_EQ(Stack().Count(), 0);
  // The editor opened after a run shows the walls only.
  RunToEnd();
  host_->QueueDialog(QStringLiteral("@Cell_1_2"));
  host_->QueueDialog(QStringLiteral("OK"));
  ASSERT_TRUE(demo_->CreateData());
  EXPECT_EQ(Maze().Rows().left(17), QStringLiteral("..#.....|#......."));
}

TEST_F(MazeRun, StackPagesFromTwelveRowsOnAndEveryCallReturnsToTheNewestPair) {
  Start({});
  TStkContainerForm& form = *demo_->StkContainer();
  TraceToDepth(11);
  EXPECT_FALSE(form.BtnR->isVisibleTo(&form));
  EXPECT_FALSE(form.BtnL->isVisibleTo(&form));
  EXPECT_EQ(form.Page, 9) << "the two rightmost of 11 columns";
  TraceToDepth(12);
  EXPECT_TRUE(form.BtnR->isVisibleTo(&form));
  EXPECT_FALSE(form.BtnL->isVisibleTo(&form));
  EXPECT_EQ(form.Page, 8);
  const int w = form.Panel1->width();
  EXPECT_EQ(form.EmbeddedStack->geometry(), QRect(-(w * 8) / 2, 0, 11 * w / 2, form.Panel1->height()));
  form.BtnR->click();
  EXPECT_EQ(form.Page, 9);
  EXPECT_FALSE(form.BtnR->isVisibleTo(&form)) << "no older pair";
  EXPECT_TRUE(form.BtnL->isVisibleTo(&form));
  EXPECT_EQ(form.EmbeddedStack->x(), -(w * 9) / 2);
  form.BtnL->click();
  EXPECT_EQ(form.Page, 8);
  form.BtnR->click();
  TraceToDepth(13);
  EXPECT_EQ(form.Page, 8) << "a call shows the newest pair again";
  EXPECT_FALSE(form.BtnL->isVisibleTo(&form));
}

