#include <gtest/gtest.h>

#include <QSpinBox>

#include "demos/stacks/Hanoi.h"
#include "demos/stacks/HanoiGraphForm.h"
#include "demos/stacks/HanoiInputDlg.h"
#include "demos/stacks/HanoiTowers.h"
#include "framework/drawkit/IntEdit.h"
#include "framework/drawkit/StackBox.h"
#include "framework/drawkit/ThemedControls.h"
#include "platform/Controls.h"
#include "tests/demos/stacks/AloneRun.h"

namespace {

// The moves of hanoi(n, x, y, z) as the cells should read them, worked out here
// independently of the demonstration.
void Moves(int n, char x, char y, char z, QStringList& out) {
  const auto move = [&](int plate) {
    QString prefix = QStringLiteral("%1:").arg(out.size() + 1);
    out << prefix.leftJustified(4, QLatin1Char(' ')) + x + "--" + QString::number(plate) + "-->" + z;
  };
  if (n == 1) {
    move(1);
    return;
  }
  Moves(n - 1, x, z, y, out);
  move(n);
  Moves(n - 1, y, x, z, out);
}

std::vector<int> Sizes(const TPole& pole) {
  std::vector<int> sizes;
  for (int i = 0; i < pole.Count(); ++i) sizes.push_back(pole.Plate(i)->Size);
  return sizes;
}

class HanoiRun : public AloneRun<THanoi> {
 protected:
  THanoi& Start(int n, bool useC) {
    return StartAlone(QStringLiteral("Hanoi"), useC, [n](THanoi& d) { d.N = n; });
  }
  QStringList Cells() const {
    QStringList cells;
    for (const TZqStaticText* cell : demo_->GraphForm()->ResText) cells << cell->Caption();
    return cells;
  }
  THanoiTowers& Towers() const { return *demo_->GraphForm()->Towers; }
  TStackBox& Stack() const { return *demo_->StackForm()->Stack; }
};

}  // namespace

TEST(HanoiStkData, RowsShowAddrNAndThePoles) {
  EXPECT_EQ(THanoiStkData("", 0, 3, 'a', 'b', 'c').GetText(), QStringLiteral("0      3   a   b   c"));
  EXPECT_EQ(THanoiStkData("", 7, 1, 'b', 'a', 'c').GetText(), QStringLiteral("7      1   b   a   c"));
}

TEST(HanoiMoveText, TheNumberTakesFourCharactersWithItsColon) {
  EXPECT_EQ(HanoiMoveText(1, 'a', 1, 'c'), QStringLiteral("1:  a--1-->c"));
  EXPECT_EQ(HanoiMoveText(9, 'c', 1, 'b'), QStringLiteral("9:  c--1-->b"));
  EXPECT_EQ(HanoiMoveText(10, 'c', 2, 'a'), QStringLiteral("10: c--2-->a"));
  EXPECT_EQ(HanoiMoveText(31, 'a', 1, 'c'), QStringLiteral("31: a--1-->c"));
}

// ---------------------------------------------------------------- towers geometry

TEST(HanoiLayout, PolesStandAtASixthAHalfAndFiveSixthsOnTheTable) {
  const THanoiLayout l(QSize(363, 193), 3);
  EXPECT_EQ(l.CenterX('a'), 60);
  EXPECT_EQ(l.CenterX('b'), 181);
  EXPECT_EQ(l.CenterX('c'), 303);
  EXPECT_EQ(l.BaseY(), 168) << "(193 div 15) x 14";
  EXPECT_EQ(l.Pole('a'), QRect(48, 40, 24, 128)) << "W div 15 wide, 2H div 3 high, standing on BaseY";
  EXPECT_EQ(l.Pole('c'), QRect(291, 40, 24, 128));
}

TEST(HanoiLayout, PlateOneIsAThirdWidePlateFiveAFifth) {
  const THanoiLayout five(QSize(363, 193), 5);
  EXPECT_EQ(five.Plate(1), QSize(121, 38));
  EXPECT_EQ(five.Plate(2), QSize(109, 36));
  EXPECT_EQ(five.Plate(5), QSize(72, 27));
  EXPECT_EQ(THanoiLayout(QSize(363, 193), 3).Plate(2), QSize(109, 36)) << "the same whatever the count";
  EXPECT_EQ(THanoiLayout(QSize(363, 193), 1).Plate(1), QSize(121, 38));
}

TEST(HanoiLayout, PlatesRestAThirdOfTheirHeightIntoThePlateBelow) {
  const THanoiLayout l(QSize(363, 193), 3);
  const std::vector<QRect> stack = l.Stack(l.CenterX('a'), l.BaseY(), {1, 2, 3});
  ASSERT_EQ(stack.size(), 3U);
  EXPECT_EQ(stack[0], QRect(0, 144, 121, 38)) << "the bottom plate two thirds of its height above BaseY";
  EXPECT_EQ(stack[1], QRect(6, 132, 109, 36));
  EXPECT_EQ(stack[2], QRect(12, 121, 97, 33));
}

TEST(HanoiLayout, TheLargestPlateOnPoleCStaysInsideAndPlateFrontsNeverMeet) {
  // 1151 pixels wide (the towers at 1920 x 1080): pole c at 960, the largest plate 383 wide.
  const THanoiLayout wide(QSize(1151, 580), 5);
  const QRect largest = wide.Stack(wide.CenterX('c'), wide.BaseY(), {1})[0];
  EXPECT_EQ(largest.right(), 1150) << "a plate must not reach past the towers' right edge";
  const std::vector<QRect> five = wide.Stack(wide.CenterX('a'), wide.BaseY(), {1, 2, 3, 4, 5});
  for (std::size_t i = 1; i < five.size(); ++i)
    EXPECT_GE(THanoiLayout::PlateFront(five[i - 1]).top(), five[i].bottom())
        << "the front of plate " << i << " must show under the plate resting on it";
}

// ---------------------------------------------------------------- towers control

TEST(HanoiTowers, PlatesStartOnPoleAAndMoveAsTheSameObjects) {
  THanoiTowers towers;
  towers.resize(363, 193);
  towers.SetPlateCount(3);
  towers.AfterRescale();
  EXPECT_EQ(Sizes(*towers.PoleA), std::vector<int>({1, 2, 3})) << "the largest at the bottom";
  TPlate* smallest = towers.PoleA->Plate(2);
  towers.MovePlate('a', 'c');
  EXPECT_EQ(Sizes(*towers.PoleA), std::vector<int>({1, 2}));
  ASSERT_EQ(towers.PoleC->Count(), 1);
  EXPECT_EQ(towers.PoleC->Plate(0), smallest);
  const THanoiLayout l = towers.Layout();
  EXPECT_EQ(smallest->Image->geometry(), l.Stack(l.CenterX('c'), l.BaseY(), {3})[0]);
  EXPECT_TRUE(smallest->Image->isVisibleTo(&towers));
  towers.MovePlate('b', 'a');
  EXPECT_EQ(towers.PoleA->Count(), 2) << "an empty pole gives nothing to move";
  towers.SetPlateCount(2);
  EXPECT_EQ(towers.PoleC->Count(), 0);
  EXPECT_EQ(Sizes(*towers.PoleA), std::vector<int>({1, 2}));
}

TEST(HanoiTowers, ResizingTheWindowReplacesPolesAndPlatesInProportion) {
  THanoiGraphForm form;
  form.show();
  form.Towers->SetPlateCount(4);
  form.Towers->AfterRescale();
  form.Towers->MovePlate('a', 'b');
  form.resize(726, 786);
  THanoiTowers& towers = *form.Towers;
  EXPECT_EQ(towers.size(), QSize(726, 386));
  const THanoiLayout l = towers.Layout();
  EXPECT_EQ(towers.PoleB->Image->geometry(), l.Pole('b'));
  EXPECT_EQ(towers.PoleB->Plate(0)->Image->geometry(), l.Stack(l.CenterX('b'), l.BaseY(), {4})[0]);
  EXPECT_EQ(towers.PoleA->Plate(2)->Image->geometry(), l.Stack(l.CenterX('a'), l.BaseY(), {1, 2, 3})[2]);
  EXPECT_EQ(form.ResText[31]->geometry(), QRect(8 + 3 * 178, 448 + 7 * 42, 176, 40)) << "ResText32";
}

// ---------------------------------------------------------------- plate dialog

TEST(HanoiInputDlg, TheSpinKeepsTheCountBetweenOneAndFive) {
  THanoiInputDlg dlg;
  EXPECT_EQ(dlg.PlateCount(), 3);
  EXPECT_TRUE(dlg.PlateNumEdit->isReadOnly());
  for (int i = 0; i < 4; ++i) dlg.PlateNumSpin->stepUp();
  EXPECT_EQ(dlg.PlateCount(), 5);
  for (int i = 0; i < 6; ++i) dlg.PlateNumSpin->stepDown();
  EXPECT_EQ(dlg.PlateCount(), 1);
  dlg.PlateNumSpin->setValue(9);
  EXPECT_EQ(dlg.PlateCount(), 5);
}

// ---------------------------------------------------------------- whole runs

TEST_F(HanoiRun, StackRowsAndVariablesOfTheInnermostCall) {
  Start(3, false);
  TraceTo(QStringLiteral("LastMove"));
  ASSERT_EQ(Stack().Count(), 3);
  EXPECT_EQ(Stack().GetItem(0)->GetText(), QStringLiteral("0      3   a   b   c"));
  EXPECT_EQ(Stack().GetItem(1)->GetText(), QStringLiteral("5      2   a   c   b"));
  EXPECT_EQ(Stack().GetItem(2)->GetText(), QStringLiteral("5      1   a   b   c"));
  QStringList locals;
  for (int i = 0; i < demo_->Locals()->Count(); ++i)
    locals << demo_->Locals()->Items(i)->Name() + "=" + demo_->Locals()->Items(i)->GetText();
  EXPECT_EQ(locals, QStringList({"n=1", "x=a", "y=b", "z=c"}));
}

TEST_F(HanoiRun, ResetInMidRunPutsThePlatesBackAndEmptiesTheCells) {
  Start(3, true);
  while (demo_->MoveCount < 4) demo_->TraceInto();
  ASSERT_FALSE(Cells()[3].isEmpty());
  demo_->Reset();
  EXPECT_EQ(demo_->MoveCount, 0);
  for (const QString& cell : Cells()) EXPECT_EQ(cell, QString());
  EXPECT_EQ(Sizes(*Towers().PoleA), std::vector<int>({1, 2, 3}));
  EXPECT_EQ(Towers().PoleB->Count() + Towers().PoleC->Count(), 0);
  EXPECT_EQ(Stack().Count(), 0);
  demo_->Run();
  EXPECT_EQ(demo_->MoveCount, 7);
}

