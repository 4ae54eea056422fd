#include <gtest/gtest.h>

#include <QCoreApplication>

#include "demos/linear/IndexKMP.h"
#include "demos/linear/IndexStrsForm.h"
#include "framework/engine/Globals.h"
#include "platform/Pacing.h"
#include "tests/demos/stacks/AloneRun.h"

TEST(IndexLayout, BoxesAndMarkersStandAroundTheMiddle) {
  const TIndexLayout l = TIndexLayout::Compute(536, 184, 1, 17, 8);
  EXPECT_EQ(l.Cell, 16) << "184 div 9 = 20, but at most 536 div 33";
  EXPECT_EQ(l.BorderWidth, 4);
  EXPECT_EQ(l.BoxLeft, 76) << "a seventh of the width for up to 20 characters";
  EXPECT_EQ(l.UpperTop, 59);
  EXPECT_EQ(l.LowerTop, 93);
  EXPECT_EQ(l.LowerMarkerTop, 127);
  EXPECT_EQ(l.UpperMarkerTop, 59 - 4 - 24);
  EXPECT_EQ(TIndexLayout::Compute(536, 184, 1, 20, 4).BoxLeft, 76);
  EXPECT_EQ(TIndexLayout::Compute(536, 184, 1, 21, 2).BoxLeft, (536 - 24 * 16) / 2) << "21 characters are centred";
  const TIndexLayout next = TIndexLayout::Compute(536, 184, 2, 8, 8);
  EXPECT_EQ(next.LowerTop - next.UpperTop, 45 + 12) << "the box with the next row is twice as tall";
}

// The longest strings the dialog takes: the pattern, shifted as far as past the source's last
// cell, and the i marker over it stay inside the window; the cells shrink only as far as that
// needs.
TEST(IndexLayout, TheLongestStringsStayInsideTheWindowAtEveryShift) {
  for (const int stage : {1, 2, 3}) {
    const int upper = stage == 2 ? 16 : 32;
    for (const QSize window : {QSize(1022, 300), QSize(536, 184), QSize(1918, 420)}) {
      const TIndexLayout l = TIndexLayout::Compute(window.width(), window.height(), stage, upper, 16);
      EXPECT_GE(l.BoxLeft, 0) << "stage " << stage << " in " << window.width();
      EXPECT_LE(l.Right(upper, 16), window.width()) << "stage " << stage << " in " << window.width();
      const int usual = std::min(window.height() / 9, window.width() / 33);
      EXPECT_GE(l.Cell, std::min(usual, window.width() / (upper + 16 + 4)));
    }
  }
  // A window made narrow (a projector's 640 pixels): the cells shrink below a readable
  // caption's height, the markers do not, and still stay inside and above the boxes.
  const TIndexLayout narrow = TIndexLayout::Compute(670, 250, 1, 32, 16);
  EXPECT_LT(narrow.Cell * 3 / 2, 24);
  EXPECT_EQ(narrow.MarkerH, 24);
  EXPECT_GE(narrow.UpperMarkerTop, 0);
  EXPECT_EQ(narrow.UpperMarkerTop + narrow.MarkerH + narrow.BorderWidth, narrow.UpperTop);
  EXPECT_LE(narrow.Right(32, 16), 670);
}

TEST(IndexLayout, AGlideTakesFewerStepsAtHigherSpeed) {
  EXPECT_EQ(GlideSteps(99), 5);
  EXPECT_EQ(GlideSteps(0), 54);
  TIndexStrsForm form;
  const std::uint8_t saved = RunSpeed;
  for (const auto& [speed, steps] : {std::pair{99, 5}, std::pair{0, 54}}) {
    RunSpeed = static_cast<std::uint8_t>(speed);
    form.Reset();
    form.SetStage(1);
    pacing::StartRecording();
    form.CreateStrBoxes("abc", clSilver, clBlue, clGreen, clRed, "b", clGreen, clBlue, clYellow, clRed);
    EXPECT_EQ(pacing::StopRecording(), std::vector<int>(2 * (steps + 1), 10)) << "two glides at " << speed;
  }
  RunSpeed = saved;
}

TEST(IndexStrsForm, ThePatternShiftsUnderTheComparedSourceCell) {
  TIndexStrsForm form;
  form.SetStage(1);
  form.CreateStrBoxes("acabaab", clSilver, clBlue, clGreen, clRed, "aab", clGreen, clBlue, clYellow, clRed);
  form.MoveMarkers(5, 2);
  EXPECT_EQ(form.LowerBox->Left, form.BoxLeft + 3 * form.Cell) << "pattern cell 2 under source cell 5";
  EXPECT_EQ(form.UpperBox->FirstMark, 4);
  EXPECT_EQ(form.UpperBox->LastMark, 5);
  EXPECT_EQ(form.LowerBox->LastMark, 2);
  form.MoveMarkers(5, 0);
  EXPECT_EQ(form.LowerBox->Left, form.BoxLeft + 5 * form.Cell) << "j = 0: one cell right of source cell i";
  EXPECT_EQ(form.UpperBox->FirstMark, 5);
  EXPECT_EQ(form.UpperBox->LastMark, 5);
  EXPECT_EQ(form.LowerBox->LastMark, 0) << "no pattern cell is highlighted";
  form.show();
  form.resize(1072, 368);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(form.Cell, 32);
  EXPECT_EQ(form.LowerBox->Left, form.BoxLeft + 5 * 32) << "a resize keeps the shift in cells";
}

// The markers' stems carry their tips to the cells they stand for: i onto the upper box's cell
// i, j onto the lower edge of the lower box's last row at cell j (the next value, once the
// pattern has its next row); with j = 0 the j marker stands for no cell.
TEST(IndexStrsForm, TheMarkersTipsReachTheirCells) {
  TIndexStrsForm form;
  const auto marks = [&form] {
    std::vector<TDrawnShape> out;
    for (const TDrawnShape& s : form.DrawingShapes())
      if (s.Kind == TDrawnShape::Mark) out.push_back(s);
    return out;
  };
  form.SetStage(1);
  form.CreateStrBoxes("acabaab", clSilver, clBlue, clGreen, clRed, "aab", clGreen, clBlue, clYellow, clRed);
  form.MoveMarkers(5, 2);
  // Where a tip lands on a cell: its upper or lower edge, within its middle third.
  const auto on = [](QPoint tip, const QRect& cell, bool top) {
    return tip.y() == (top ? cell.top() : cell.bottom() + 1) && std::abs(tip.x() - cell.center().x()) <= cell.width() / 6;
  };
  std::vector<TDrawnShape> m = marks();
  ASSERT_EQ(m.size(), 2U);
  EXPECT_TRUE(on(m[0].Tip, form.UpperBox->CellRect(5, 0), true)) << "i on the top of source cell 5";
  EXPECT_TRUE(on(m[1].Tip, form.LowerBox->CellRect(2, 0), false)) << "j on the bottom of pattern cell 2";
  EXPECT_EQ(form.DrawingShapes()[static_cast<std::size_t>(m[0].To.Index)].Text, QStringLiteral("a"));
  form.MoveMarkers(5, 0);
  EXPECT_EQ(marks()[1].To.Control, nullptr) << "no pattern cell 0";
  EXPECT_EQ(marks()[1].Tip.y(), form.LowerBox->Top + form.LowerBox->Height) << "the stem stops at the box";

  form.Reset();
  form.SetStage(3);
  form.StartMatching("abcab", clTeal, clBlue, clYellow, clRed);  // no pattern: nothing to move down
  form.LowerBox = std::make_unique<TIndexStrBox>(&form, QStringLiteral("T"), "ab", true, clGreen, clBlue, clYellow, clRed);
  form.LowerBox->Layout(form.BoxLeft, form.LowerTop, form.Cell);
  form.LowerBox->AppendNextValue(0);
  form.LowerBox->AppendNextValue(1);
  form.MoveMarkers(2, 2);
  EXPECT_TRUE(on(marks()[1].Tip, form.LowerBox->CellRect(2, 1), false)) << "j on the next value under T[2]";
}

// An empty pattern has no cell for next[1]: the value is kept nowhere and no node reports it.
TEST(IndexStrsForm, AnEmptyPatternShowsNoNextValue) {
  TIndexStrsForm form;
  form.SetStage(2);
  form.CreateStrBoxes("", clGreen, clBlue, clYellow, clRed, "", clGreen, clBlue, clYellow, clRed);
  form.UpperBox->AppendNextValue(0);
  form.UpperBox->CopyNextValue(1);
  EXPECT_EQ(form.UpperBox->NextCount, 0);
  EXPECT_TRUE(form.DrawingShapes().empty());
}

namespace {

template <class T>
class MatchRun : public AloneRun<T> {
 protected:
  T& Run(const QString& name, const QString& s, const QString& t) {
    T& d = this->StartAlone(name, false, [&](T& demo) {
      demo.S = s;
      demo.T = t;
    });
    d.Run();
    return d;
  }
  QString Result() { return this->host_->Transcript().value(0); }
  QString NextRow() {
    QStringList values;
    for (int k = 1; k <= this->demo_->T.size(); ++k) values << QString::number(this->demo_->Next(k));
    return values.join(',');
  }
};

using KmpRun = MatchRun<TIndexKMP>;
using NValRun = MatchRun<TIndexKMPNVal>;
using BFRun = MatchRun<TIndexBF>;

}  // namespace

TEST_F(BFRun, EdgeCasesOfTheBruteForce) {
  EXPECT_EQ(Run("IndexBF", "abc", "abcd").MatchResult, 0) << "a pattern longer than the source";
  EXPECT_EQ(Result(), QStringLiteral("message BF法模式匹配 | 未发现匹配!"));
  EXPECT_EQ(Run("IndexBF", "abc", "").MatchResult, 1) << "an empty pattern matches at 1";
  EXPECT_EQ(Run("IndexBF", "aaaaab", "aab").MatchResult, 4);
  EXPECT_EQ(Run("IndexBF", "xyzab", "ab").MatchResult, 4) << "a suffix of the source";
}

TEST_F(KmpRun, NextValuesAndSearch) {
  EXPECT_EQ(Run("IndexKMP", "abacabab", "abab").MatchResult, 5);
  EXPECT_EQ(NextRow(), QStringLiteral("0,1,1,2"));
  EXPECT_EQ(Run("IndexKMP", "abc", "x").MatchResult, 0);
  EXPECT_EQ(NextRow(), QStringLiteral("0"));
}

TEST_F(KmpRun, AnEmptyPatternMatchesAtTheFirstCharacter) {
  EXPECT_EQ(Run("IndexKMP", "abc", "").MatchResult, 1);
  EXPECT_EQ(Result(), QStringLiteral("message KMP法模式匹配 | 在第1个字符处发现匹配!"));
  EXPECT_EQ(demo_->Globals()->FindByName("next")->Count(), 0) << "the vector next is empty";
}

TEST_F(NValRun, NextvalCopiesValuesOfEqualCharacters) {
  EXPECT_EQ(Run("IndexKMPNVal", "abacabab", "abab").MatchResult, 5);
  EXPECT_EQ(NextRow(), QStringLiteral("0,1,0,1"));
  EXPECT_EQ(Run("IndexKMPNVal", "xaaaa", "aaaa").MatchResult, 2);
  EXPECT_EQ(NextRow(), QStringLiteral("0,0,0,0"));
  EXPECT_EQ(Run("IndexKMPNVal", "abc", "").MatchResult, 1);
}
