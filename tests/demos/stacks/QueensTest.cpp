#include <gtest/gtest.h>

#include "demos/stacks/QueenInputDlg.h"
#include "demos/stacks/Queens.h"
#include "demos/stacks/QueensForm.h"
#include "framework/drawkit/IntEdit.h"
#include "framework/drawkit/StackBox.h"
#include "platform/Controls.h"
#include "platform/Pacing.h"
#include "tests/demos/stacks/AloneRun.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

// Queens alone, at the fastest speeds so that the search of eight queens stays short.
class QueensRun : public AloneRun<TQueens> {
 protected:
  void SetUp() override {
    savedRun_ = RunSpeed;
    savedAnim_ = AnimSpeed;
    RunSpeed = 99;
    AnimSpeed = 99;
  }
  void TearDown() override {
    AloneRun::TearDown();
    RunSpeed = savedRun_;
    AnimSpeed = savedAnim_;
  }
  TQueens& Start(int n, bool useC) {
    return StartAlone(QStringLiteral("Queens"), useC, [n](TQueens& d) { d.N = n; });
  }
  QStringList Messages() {
    QStringList found;
    for (const QString& line : host_->Transcript())
      if (line.startsWith(QLatin1String("message "))) found << line;
    return found;
  }
  TQueensForm& Board() const { return *demo_->BoardForm(); }
  int Q(int index) const {
    return static_cast<TIntData*>(demo_->Globals()->FindByName("q")->Items(index))->Value();
  }

  std::uint8_t savedRun_ = 60;
  int savedAnim_ = 0;
};

// The engine's closing message, whatever the application's title.
bool IsEnd(const QString& line) { return line.endsWith(QStringLiteral("| 算法演示完毕。")); }

std::string Lines(const QStringList& lines) { return lines.join('\n').toStdString(); }

}  // namespace

TEST(QueensStkData, RowsRightAlignKAndI) {
  EXPECT_EQ(TQueensStkData("", 0, 1, 0).GetText(), QStringLiteral("0       1    0"));
  EXPECT_EQ(TQueensStkData("", 8, 0, 7).GetText(), QStringLiteral("8       0    7"));
  EXPECT_EQ(TQueensStkData("", 8, 10, 10).GetText(), QStringLiteral("8      10   10"));
}

// ---------------------------------------------------------------- board geometry

TEST(QueensBoardLayout, DesignSizeWithEightAndFourQueens) {
  // The design window: the stack display's left edge at 332, 355 pixels high.
  const TQueensBoardLayout eight(332, 355, 8);
  EXPECT_EQ(eight.CellSize, 32) << "the height (355 / 11) limits the cell, not the width";
  EXPECT_EQ(eight.BoardLeft, 38);
  EXPECT_EQ(eight.BoardTop, 74) << "73.5 rounds to the even neighbour";
  EXPECT_EQ(eight.FrameWidth, 2);
  EXPECT_EQ(eight.SpriteSize, 25);
  const TQueensBoardLayout four(332, 355, 4);
  EXPECT_EQ(four.CellSize, 51);
  EXPECT_EQ(four.BoardLeft, 64);
  EXPECT_EQ(four.BoardTop, 114);
  EXPECT_EQ(four.FrameWidth, 4);
}

TEST(QueensBoardLayout, HalfWayValuesRoundToEven) {
  EXPECT_EQ(TQueensBoardLayout(1000, 351, 3).CellSize, 58) << "351 / 6 = 58.5";
  const TQueensBoardLayout small(100, 60, 3);
  EXPECT_EQ(small.CellSize, 10);
  EXPECT_EQ(small.BoardLeft, 35);
  EXPECT_EQ(small.BoardTop, 22) << "22.5";
  EXPECT_EQ(TQueensBoardLayout(200, 120, 3).FrameWidth, 2) << "20 x 0.075 = 1.5";
  EXPECT_EQ(TQueensBoardLayout(200, 800, 3).FrameWidth, 3) << "44 x 0.075 = 3.3";
}

TEST(QueensBoardLayout, QueensStandInTheirCellsOrWaitAboveTheBoard) {
  const TQueensBoardLayout l(332, 355, 8);
  EXPECT_EQ(l.QueenRect(1, 0), QRect(41, 30, 25, 25)) << "-44.8 truncates toward zero";
  EXPECT_EQ(l.QueenRect(5, 3), QRect(38 + 131, 74 + 67, 25, 25));
  // 4.1 cells of 10 pixels are exactly 41, whatever binary fractions make of 4.1.
  const TQueensBoardLayout small(100, 60, 3);
  EXPECT_EQ(small.QueenRect(5, 5).topLeft(), QPoint(35 + 41, 22 + 41));
  // A queen lies inside its cell, clear of the current column's red frame.
  for (int r = 1; r <= 8; ++r) {
    const QRect cells = l.ColumnCells(3);
    const QRect q = l.QueenRect(3, r);
    EXPECT_TRUE(cells.adjusted(l.FrameWidth, l.FrameWidth, -l.FrameWidth, -l.FrameWidth).contains(q)) << r;
  }
}

TEST(QueensBoardLayout, FrameBarsAndTheShelfOfTheWaitingQueens) {
  const TQueensBoardLayout l(200, 175, 4);  // cell 25: (4 + 0.3) x 25 = 107.5
  ASSERT_EQ(l.CellSize, 25);
  const auto bars = l.FrameBars();
  EXPECT_EQ(bars[0], QRect(l.BoardLeft, l.BoardTop - 2, 100, 2)) << "above the board";
  EXPECT_EQ(bars[1], QRect(l.BoardLeft, l.BoardTop + 100, 100, 2)) << "below";
  EXPECT_EQ(bars[2], QRect(l.BoardLeft - 2, l.BoardTop - 2, 2, 104)) << "left";
  EXPECT_EQ(bars[3], QRect(l.BoardLeft + 100, l.BoardTop - 2, 2, 104)) << "right";
  EXPECT_EQ(bars[4], QRect(l.BoardLeft - 4, l.BoardTop - 10, 108, 2)) << "the shelf";
}

// ---------------------------------------------------------------- board window

TEST(QueensForm, QueensSlideDownTheirColumnAndBackUpAfterTheLastRow) {
  TQueensForm form;
  form.StartBoard(4);
  form.CursorNext();
  EXPECT_EQ(form.CurrentColumn, 1);
  pacing::StartRecording();
  form.MoveQueenDown();
  const std::vector<int> waits = pacing::StopRecording();
  EXPECT_EQ(waits, std::vector<int>((99 - RunSpeed) / 2 + 2, 10)) << "F + 1 frames of 10 ms";
  EXPECT_EQ(form.Row(1), 1);
  for (int i = 0; i < 3; ++i) form.MoveQueenDown();
  EXPECT_EQ(form.Row(1), 4);
  form.MoveQueenDown();
  EXPECT_EQ(form.Row(1), 0) << "after the last row the queen waits above the board again";
  form.CursorNext();
  form.CursorBack();
  EXPECT_EQ(form.CurrentColumn, 1);
}

TEST(QueensForm, CollisionsInARowAndOnBothDiagonals) {
  TQueensForm form;
  form.StartBoard(5);
  form.Rows = {2, 4, 0, 0, 0};
  form.CurrentColumn = 3;
  const auto collides = [&](int row) {
    form.Rows[2] = row;
    return !form.ShowCollision(true);
  };
  EXPECT_TRUE(collides(2)) << "same row as column 1";
  EXPECT_TRUE(collides(4)) << "same row as column 2";
  EXPECT_TRUE(collides(3)) << "diagonal of column 2 (4 - 2 = 3 - 3 + 2)";
  EXPECT_TRUE(collides(5)) << "diagonal of column 2 going down";
  EXPECT_FALSE(collides(1));
  form.CurrentColumn = 1;
  EXPECT_TRUE(form.ShowCollision(true)) << "the first column has nothing to collide with";
}

TEST(QueensForm, ConflictingQueensShowTheThirdPictureUntilTurnedOff) {
  TQueensForm form;
  form.resize(428, 355);
  form.StartBoard(4);
  form.Rows = {2, 0, 0, 0};
  form.CurrentColumn = 2;
  form.Rows[1] = 2;
  const QRect q = form.Layout().QueenRect(1, 2);
  const QPoint middle = q.center();
  const auto shown = [&] { return form.Canvas().Pixels(middle.x(), middle.y()); };
  const auto sprite = [&](int p) {
    const TBitmap& s = form.QueenSprites[static_cast<std::size_t>(p - 1)];
    return s.Canvas().Pixels(middle.x() - q.x(), middle.y() - q.y());
  };
  ASSERT_NE(sprite(1), sprite(3)) << "placed and conflicting queens must look different here";
  EXPECT_FALSE(form.ShowCollision(true));
  EXPECT_TRUE(form.ShowConflicts);
  EXPECT_EQ(shown(), sprite(3));
  form.ShowCollision(false);
  EXPECT_EQ(shown(), sprite(1)) << "turned off, the queen of an earlier column is placed again";
}

// ---------------------------------------------------------------- count dialog

TEST(QueenInputDlg, ConfirmIsEnabledOnlyForThreeToEightQueens) {
  TQueenInputDlg dlg;
  for (int n : {0, 1, 2, 3, 5, 8, 9, 10, 99}) {
    dlg.IntEdit->SetValue(n);
    EXPECT_EQ(dlg.OkBtn->isEnabled(), n >= 3 && n <= 8) << n;
    EXPECT_EQ(dlg.Count, n);
  }
  EXPECT_EQ(dlg.IntEdit->MaxLength(), 2);
}

TEST(QueenInputDlg, ConfirmAcceptsTheCountCancelAndEscDoNot) {
  modal::ScriptedHostScope host;
  {
    TQueenInputDlg dlg;
    host->QueueDialog(QStringLiteral("IntEdit=5 确定"));
    EXPECT_TRUE(dlg.Execute());
    EXPECT_EQ(dlg.Count, 5);
  }
  for (const char* answer : {"取消", "key:Esc"}) {
    TQueenInputDlg dlg;
    dlg.Count = 4;
    host->QueueDialog(QString::fromUtf8(answer));
    EXPECT_FALSE(dlg.Execute()) << answer;
  }
  EXPECT_TRUE(host->ScriptErrors().isEmpty()) << host->ScriptErrors().join('\n').toStdString();
}

// ---------------------------------------------------------------- whole runs

TEST_F(QueensRun, ThreeQueensHaveNone) {
  Start(3, false);
  demo_->Run();
  const QStringList messages = Messages();
  ASSERT_EQ(messages.size(), 1) << Lines(messages);
  EXPECT_TRUE(IsEnd(messages[0])) << Lines(messages);
}

TEST_F(QueensRun, EightQueensHaveNinetyTwoPlacements) {
  Start(8, true);
  demo_->Run();
  const QStringList messages = Messages();
  ASSERT_EQ(messages.size(), 93) << Lines(messages.mid(85));
  EXPECT_EQ(messages[91], QStringLiteral("message 第92种排布 | 第92种排布找到了!"));
  EXPECT_TRUE(IsEnd(messages[92]));
}

TEST_F(QueensRun, TheFirstPlacementInPascalCountsFromOne) {
  Start(4, false);
  TraceTo(QStringLiteral("PrintQueen"));
  EXPECT_EQ(Q(0), 2);
  EXPECT_EQ(Q(1), 4);
  EXPECT_EQ(Q(2), 1);
  EXPECT_EQ(Q(3), 3);
  EXPECT_EQ(demo_->Globals()->FindByName("q")->Items(0)->Name(), QStringLiteral("q[1]"));
  TStackBox& stack = *Board().StackBox;
  ASSERT_EQ(stack.Count(), 4);
  EXPECT_EQ(stack.GetItem(0)->GetText(), QStringLiteral("0       1    2"));
  EXPECT_EQ(stack.GetItem(3)->GetText(), QStringLiteral("8       4    3"));
  for (int c = 1; c <= 4; ++c) EXPECT_EQ(Board().Row(c), Q(c - 1)) << "the board draws q's rows";
}

TEST_F(QueensRun, TheFirstPlacementInCCountsFromZeroAndDrawsTheSameBoard) {
  Start(4, true);
  TraceTo(QStringLiteral("PrintQueen"));
  EXPECT_EQ(demo_->Globals()->FindByName("q")->Items(0)->Name(), QStringLiteral("q[0]"));
  for (int c = 1; c <= 4; ++c) EXPECT_EQ(Board().Row(c), Q(c - 1) + 1) << c;
  EXPECT_EQ(Board().StackBox->GetItem(0)->GetText(), QStringLiteral("0       0    1"));
}

TEST_F(QueensRun, AQueenTakenAwayHoldsNoRowOfItsText) {
  for (const bool useC : {false, true}) {
    Start(4, useC);
    TraceTo(QStringLiteral("Recurse"));  // the second column's first row collides
    demo_->TraceInto();
    EXPECT_EQ(Q(1), useC ? -1 : 0) << (useC ? "C counts rows from 0" : "Pascal counts rows from 1");
  }
}

TEST_F(QueensRun, VariablesStartUnassignedAndResetStartsAgain) {
  Start(5, false);
  const TData* q = demo_->Globals()->FindByName("q");
  ASSERT_EQ(q->Count(), 5);
  EXPECT_EQ(q->GetText(), QStringLiteral("(" "???, ???, ???, ???, ???" ")"));
  TraceTo(QStringLiteral("PrintQueen"));
  ASSERT_NE(demo_->CurLine(), nullptr);
  demo_->Reset();
  EXPECT_EQ(demo_->SolutionCount, 0);
  EXPECT_EQ(Board().StackBox->Count(), 0);
  EXPECT_EQ(Board().CurrentColumn, 0);
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(Board().Row(c), 0) << "every queen waits again";
  demo_->Run();
  EXPECT_EQ(demo_->SolutionCount, 10);
}
