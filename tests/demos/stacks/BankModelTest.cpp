#include <gtest/gtest.h>

#include <QTest>

#include "demos/stacks/BankADTF.h"
#include "demos/stacks/BankCtnForm.h"
#include "demos/stacks/BankGF.h"
#include "demos/stacks/BankModel.h"
#include "demos/stacks/QueryTimeF.h"
#include "framework/drawkit/IntEdit.h"
#include "tests/support/ScriptedModalHost.h"

// ---------------------------------------------------------------- the model

TEST(BankModel, EventsAreOrderedAndTheLaterOfTwoAtOneMinuteComesFirst) {
  TBankModel m;
  m.InsertEvent({600, 0});
  m.InsertEvent({620, 2});
  EXPECT_EQ(m.InsertEvent({610, 1}), 1);
  EXPECT_EQ(m.InsertEvent({610, 3}), 1) << "a new event goes before those of its minute";
  EXPECT_EQ(m.InsertEvent({590, 4}), 0);
  EXPECT_EQ(m.InsertEvent({700, 0}), 5);
  const std::vector<TBankEvent> want{{590, 4}, {600, 0}, {610, 3}, {610, 1}, {620, 2}, {700, 0}};
  EXPECT_EQ(m.EvList, want);

  m.TakeFirstEvent();
  EXPECT_EQ(m.EvNode, (TBankEvent{590, 4}));
  EXPECT_EQ(m.EvCount(), 5) << "the list closes up";
  m.TakeFirstEvent();
  m.TakeFirstEvent();
  EXPECT_EQ(m.EvNode, (TBankEvent{610, 3})) << "of two events at 10:10, the later inserted is handled first";
}

TEST(BankModel, TheShortestQueueWinsAndTiesGoToTheLowestNumber) {
  TBankModel m;
  EXPECT_EQ(m.ShortestQueue(), 1) << "all four empty: queue 1";
  m.Queue(1).push_back({600, 20});
  EXPECT_EQ(m.ShortestQueue(), 2);
  m.Queue(2).push_back({600, 20});
  m.Queue(3).push_back({600, 20});
  EXPECT_EQ(m.ShortestQueue(), 4);
  m.Queue(4).push_back({600, 20});
  EXPECT_EQ(m.ShortestQueue(), 1) << "equal lengths: the lowest number";
  m.Queue(1).push_back({610, 20});
  m.Queue(3).push_back({610, 20});
  EXPECT_EQ(m.ShortestQueue(), 2) << "a later queue is taken only when strictly shorter";
}

TEST(BankModel, QueuesHoldAsManyCustomersAsArriveAndClearEmptiesThem) {
  TBankModel m;
  for (int c = 0; c < 40; ++c) m.Queue(3).push_back({540 + c, 13 + c % 30});
  EXPECT_EQ(m.Queue(3).size(), 40u);
  EXPECT_EQ(m.Queue(3).back(), (TBankCustomer{579, 22}));
  m.CusNum = 40;
  m.InsertEvent({600, 0});
  m.Running = true;
  m.CurTime = 480;
  m.Clear();
  EXPECT_TRUE(m.Queue(3).empty());
  EXPECT_EQ(m.EvCount(), 0);
  EXPECT_EQ(m.CusNum, 0);
  EXPECT_FALSE(m.Running);
  EXPECT_EQ(m.CurTime, 480) << "the opening hours stay";
}

TEST(BankModel, ClockAndAverageTexts) {
  EXPECT_EQ(BankClock(9 * 60 + 5), QStringLiteral("9:05"));
  EXPECT_EQ(BankClock(10 * 60 + 50), QStringLiteral("10:50"));
  EXPECT_EQ(BankClock(24 * 60 + 12), QStringLiteral("24:12")) << "a run may end after midnight";
  EXPECT_EQ(BankClockPadded(9 * 60 + 5), QStringLiteral("09:05"));
  EXPECT_EQ(BankAverage(181, 4), QStringLiteral("45.3")) << "45.25: halves go up";
  EXPECT_EQ(BankAverage(100, 3), QStringLiteral("33.3"));
  EXPECT_EQ(BankAverage(200, 3), QStringLiteral("66.7"));
  EXPECT_EQ(BankAverage(27, 1), QStringLiteral("27.0"));
  EXPECT_EQ(BankAverage(0, 0), QStringLiteral("0.0"));
}

TEST(BankModel, OpeningHours) {
  EXPECT_TRUE(ValidBankHours(9, 30, 10, 50));
  EXPECT_FALSE(ValidBankHours(10, 0, 10, 0)) << "opening and closing at once";
  EXPECT_FALSE(ValidBankHours(10, 50, 9, 30));
  EXPECT_FALSE(ValidBankHours(10, 1, 10, 0));
  EXPECT_TRUE(ValidBankHours(0, 0, 23, 59)) << "23:59 is the latest time";
  EXPECT_TRUE(ValidBankHours(23, 58, 23, 59));
  EXPECT_FALSE(ValidBankHours(9, 0, 24, 0));
  EXPECT_FALSE(ValidBankHours(9, 60, 10, 0));
  EXPECT_FALSE(ValidBankHours(9, 0, 10, 60));
  EXPECT_FALSE(ValidBankHours(24, 0, 24, 30));
}

// ---------------------------------------------------------------- the dialog

TEST(QueryTimeF, RefusedHoursKeepTheDialogOpenUntilGoodOnesAreGiven) {
  modal::ScriptedHostScope host;
  host->QueueDialog(QStringLiteral("OpenHE=10 OpenME=0 CloseHE=10 CloseME=0 @SpeedButton1"));
  host->QueueDialog(QStringLiteral("OpenHE=0 OpenME=0 CloseHE=24 CloseME=0 @SpeedButton1"));
  host->QueueDialog(QStringLiteral("OpenHE=8 OpenME=5 CloseHE=23 CloseME=59 @SpeedButton1"));
  TQueryTimeF dlg;
  EXPECT_EQ(dlg.ShowModal(), mrOk);
  EXPECT_EQ(dlg.CurTime, 8 * 60 + 5);
  EXPECT_EQ(dlg.CloseTime, 23 * 60 + 59);
  EXPECT_FALSE(host->HasUnused()) << "the first two answers were refused, the third taken";
}

TEST(QueryTimeF, StartsAtTheDefaultHoursAndEnterGoesToTheNextEdit) {
  TQueryTimeF dlg;
  EXPECT_EQ(dlg.Caption(), QStringLiteral("时间设置"));
  EXPECT_EQ(dlg.OpenHE->text(), QStringLiteral("09"));
  EXPECT_EQ(dlg.OpenME->text(), QStringLiteral("30"));
  EXPECT_EQ(dlg.CloseHE->text(), QStringLiteral("10"));
  EXPECT_EQ(dlg.CloseME->text(), QStringLiteral("50"));
  dlg.SpeedButton1Click();
  EXPECT_EQ(dlg.CurTime, 570);
  EXPECT_EQ(dlg.CloseTime, 650);

  dlg.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
  dlg.OpenHE->setFocus();
  QTest::keyClick(dlg.OpenHE, Qt::Key_Return);
  EXPECT_TRUE(dlg.OpenME->hasFocus());
  dlg.CloseME->setFocus();
  QTest::keyClick(dlg.CloseME, Qt::Key_Return);
  EXPECT_TRUE(dlg.OpenHE->hasFocus()) << "round to the first edit";
  EXPECT_TRUE(dlg.isVisible()) << "Enter does not close the dialog";
}

// ---------------------------------------------------------------- the views

TEST(BankViews, TheDataViewShowsTheFirstSixOfAQueueAndHowManyMoreWait) {
  TBankModel m;
  TADTF view;
  view.Model = &m;
  for (int c = 0; c < 9; ++c) m.Queue(2).push_back({9 * 60 + c * 7, 13 + c});
  m.Queue(4).push_back({10 * 60 + 5, 42});
  m.InsertEvent({10 * 60 + 20, 2});
  m.InsertEvent({10 * 60 + 8, 0});
  view.ShowAll();
  EXPECT_EQ(view.ArriveCell(2, 1)->text(), QStringLiteral("9:00"));
  EXPECT_EQ(view.ArriveCell(2, 2)->text(), QStringLiteral("9:07"));
  EXPECT_EQ(view.DurCell(2, 6)->text(), QStringLiteral("18min"));
  EXPECT_EQ(view.MoreCell(2)->text(), QStringLiteral("+3")) << "nine wait, six are shown";
  EXPECT_EQ(view.ArriveCell(4, 1)->text(), QStringLiteral("10:05"));
  EXPECT_EQ(view.DurCell(4, 1)->text(), QStringLiteral("42min"));
  EXPECT_EQ(view.ArriveCell(4, 2)->text(), QString());
  EXPECT_EQ(view.MoreCell(4)->text(), QString());
  EXPECT_EQ(view.ArriveCell(1, 1)->text(), QString());
  EXPECT_EQ(view.EvTimeCell(1)->text(), QStringLiteral("10:08"));
  EXPECT_EQ(view.EvKindCell(1)->text(), QStringLiteral("Arrive\nWelcome"));
  EXPECT_EQ(view.EvTimeCell(2)->text(), QStringLiteral("10:20"));
  EXPECT_EQ(view.EvKindCell(2)->text(), QStringLiteral("Depart\nFrom W2"));
  EXPECT_EQ(view.EvKindCell(2)->palette().color(QPalette::WindowText), QColor(Qt::blue));
  EXPECT_EQ(view.EvTimeCell(3)->text(), QString());

  // The queue moves up as customers leave; the last "+n" goes.
  for (int c = 0; c < 3; ++c) m.Queue(2).pop_front();
  view.ShowQueue(2);
  EXPECT_EQ(view.ArriveCell(2, 1)->text(), QStringLiteral("9:21"));
  EXPECT_EQ(view.MoreCell(2)->text(), QString());
}

TEST(BankViews, TheHallDrawsSixOfAQueueAndCountsTheRest) {
  TBankModel m;
  TGF view;
  view.resize(view.DesignClientSize());
  view.SetModel(&m);
  for (int c = 0; c < 8; ++c) m.Queue(1).push_back({600 + c, 20});
  m.Queue(3).push_back({600, 20});
  view.Hall->Redraw();
  EXPECT_EQ(view.Hall->DrawnInQueue(1), 6);
  EXPECT_EQ(view.Hall->DrawnWaiting(1), 2);
  EXPECT_EQ(view.Hall->DrawnInQueue(3), 1);
  EXPECT_EQ(view.Hall->DrawnInQueue(2), 0);
  // While the last customer is still walking to queue 3 he is not drawn there yet; while
  // the first of queue 1 leaves, the others keep their places.
  view.Hall->SetPending(3, 1, 0);
  view.Hall->SetPending(1, 0, 1);
  EXPECT_EQ(view.Hall->DrawnInQueue(3), 0);
  EXPECT_EQ(view.Hall->DrawnInQueue(1), 5);
  EXPECT_EQ(view.Hall->DrawnWaiting(1), 3);
  view.Hall->ClearPending();
  EXPECT_EQ(view.Hall->DrawnInQueue(3), 1);
}

TEST(BankViews, ACustomerIsSeenDownToWhereTheOneBehindHimStands) {
  EXPECT_TRUE(TBankHall::SeenRects({}).empty());
  const QRect alone(10, 62, 32, 48);
  EXPECT_EQ(TBankHall::SeenRects({alone}), std::vector<QRect>{alone}) << "nobody behind: seen whole";
  const std::vector<QRect> queue{{10, 62, 32, 48}, {10, 92, 32, 48}, {10, 122, 32, 48}};
  const std::vector<QRect> seen = TBankHall::SeenRects(queue);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0], QRect(10, 62, 32, 30));
  EXPECT_EQ(seen[1], QRect(10, 92, 32, 30));
  EXPECT_EQ(seen[2], queue[2]) << "the last one of the queue whole";
  // Customers apart (a rescaled hall rounds their places) keep their whole pictures.
  const std::vector<QRect> apart{{10, 62, 32, 20}, {10, 92, 32, 20}};
  EXPECT_EQ(TBankHall::SeenRects(apart), apart);
}

TEST(BankViews, AWalkEndsAtItsLastPointUnlessTheWaitStopsIt) {
  TBankModel m;
  TGF view;
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  view.SetModel(&m);
  const QImage empty = view.Hall->Image().copy();
  ASSERT_EQ(empty.size(), view.Hall->size());
  view.Hall->PlaceStanding(TBankHall::DoorPlace());
  EXPECT_NE(view.Hall->Image(), empty) << "the customer is drawn at the door";
  int steps = 0;
  const QPoint target = TBankHall::QueuePlace(2, 0);
  EXPECT_TRUE(view.Hall->WalkThrough({{TBankHall::DoorPlace().x(), TBankHall::AisleY()},
                                      {target.x(), TBankHall::AisleY()},
                                      target},
                                     [&] { return ++steps > 0; }));
  EXPECT_EQ(view.Hall->WalkerPlace(), target);
  const QPoint door = TBankHall::DoorPlace();
  EXPECT_EQ(steps, (door.y() - TBankHall::AisleY()) + (door.x() - target.x()) + (TBankHall::AisleY() - target.y()))
      << "one design pixel a step";
  steps = 0;
  EXPECT_FALSE(view.Hall->WalkThrough({door}, [&] { return ++steps < 5; }));
  EXPECT_EQ(steps, 5);
  view.Hall->HideWalker();
  EXPECT_FALSE(view.Hall->WalkerShown());
  EXPECT_EQ(view.Hall->Image(), empty) << "a walk leaves no trail";
}

TEST(BankViews, WalkingSpeedFollowsTheTrackBar) {
  TGF view;
  EXPECT_EQ(view.TB->minimum(), 0);
  EXPECT_EQ(view.TB->maximum(), 25);
  EXPECT_EQ(view.TB->value(), 0);
  EXPECT_EQ(view.WalkDelay(10), 6);
  EXPECT_EQ(view.WalkDelay(15), 4);
  view.TB->setValue(25);
  EXPECT_EQ(view.WalkDelay(10), 1) << "a larger position walks faster";
  EXPECT_EQ(view.WalkDelay(15), 0);
}

TEST(BankViews, TogglingTheViewsKeepsExactlyOneShownAndOneButtonEnabled) {
  TBankCtnForm ctn;
  auto* gf = new TGF();
  auto* adtf = new TADTF();
  ctn.HostViews(gf, adtf);
  ctn.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&ctn));
  const auto check = [&](bool animation) {
    EXPECT_EQ(gf->isVisible(), animation);
    EXPECT_EQ(adtf->isVisible(), !animation);
    EXPECT_EQ(ctn.AnimBtn->isEnabled(), !animation);
    EXPECT_EQ(ctn.AdtBtn->isEnabled(), animation);
    EXPECT_EQ(gf->AnimOn, animation);
  };
  check(true);
  ctn.AdtBtn->click();
  check(false);
  ctn.AdtBtn->click();  // disabled: nothing changes
  check(false);
  ctn.AnimBtn->click();
  check(true);
  ctn.AdtBtnClick();
  ctn.AnimBtnClick();
  ctn.AnimBtnClick();
  check(true);
  // Each view fills the panel; the buttons stand above it, four times as wide as high.
  EXPECT_EQ(gf->geometry(), ctn.CtnPanel->rect());
  EXPECT_EQ(ctn.AnimBtn->height(), ctn.CtnPanel->y());
  EXPECT_EQ(ctn.AnimBtn->width(), 4 * ctn.CtnPanel->y());
  EXPECT_EQ(ctn.AdtBtn->x(), ctn.AnimBtn->width());
}
