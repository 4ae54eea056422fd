#include <gtest/gtest.h>

#include <QToolButton>
#include <array>
#include <deque>

#include "demos/stacks/Bank.h"
#include "demos/stacks/BankADTF.h"
#include "demos/stacks/BankCtnForm.h"
#include "demos/stacks/BankGF.h"
#include "framework/engine/BasicData.h"
#include "framework/shell/MainForm.h"
#include "platform/Random.h"
#include "tests/support/ProgramRun.h"

namespace {

// The day worked out again from the same random numbers, without the demonstration: every
// arrival draws its transaction time and then the time to the next arrival; events of one
// minute are handled newest first.
struct Day {
  int customers = 0;
  int totalTime = 0;
  int lastArrival = 0;
  int nextArrival = 0;  // the arrival that was not let in
  int lastEvent = 0;
  std::size_t longestQueue = 0;
};

Day Recompute(std::uint32_t seed, int open, int close) {
  rnd::FixSeed(seed);
  struct Pending {
    int time;
    int type;
    long order;
  };
  std::vector<Pending> pending;
  long order = 0;
  const auto add = [&](int time, int type) { pending.push_back({time, type, order++}); };
  std::array<std::deque<std::pair<int, int>>, 4> queues;  // (arrival, duration)
  Day day;
  add(open, 0);
  while (!pending.empty()) {
    auto next = pending.begin();
    for (auto it = pending.begin(); it != pending.end(); ++it)
      if (it->time < next->time || (it->time == next->time && it->order > next->order)) next = it;
    const Pending e = *next;
    pending.erase(next);
    day.lastEvent = e.time;
    if (e.type == 0) {
      ++day.customers;
      day.lastArrival = e.time;
      const int duration = rnd::Random(30) + 13;
      const int interval = rnd::Random(7) + 3;
      day.nextArrival = e.time + interval;
      if (day.nextArrival < close) add(day.nextArrival, 0);
      std::size_t k = 0;
      for (std::size_t q = 1; q < 4; ++q)
        if (queues[q].size() < queues[k].size()) k = q;
      queues[k].push_back({e.time, duration});
      day.longestQueue = std::max(day.longestQueue, queues[k].size());
      if (queues[k].size() == 1) add(e.time + duration, static_cast<int>(k) + 1);
    } else {
      auto& q = queues[static_cast<std::size_t>(e.type - 1)];
      day.totalTime += e.time - q.front().first;
      q.pop_front();
      if (!q.empty()) add(e.time + q.front().second, e.type);
    }
  }
  return day;
}

// The whole program with the bank started for the given hours.
class BankRun : public ProgramRun<TBank> {
 protected:
  void Start(const QString& hours = QStringLiteral("OpenHE=9 OpenME=30 CloseHE=10 CloseME=50"), bool useC = false) {
    host_->QueueDialog(hours + QStringLiteral(" @SpeedButton1"));
    ProgramRun::Start(QStringLiteral("Bank"), useC);
  }
  QStringList LocalNames() const {
    QStringList names;
    for (int i = 0; i < demo_->Locals()->Count(); ++i) names << demo_->Locals()->Items(i)->Name();
    return names;
  }
};

}  // namespace

TEST_F(BankRun, EachRunSeedsTheGeneratorOnce) {
  Start();
  const int before = rnd::RandomizeCount();
  demo_->Run();
  EXPECT_EQ(rnd::RandomizeCount(), before + 1) << "a day's customers follow from one seed";
  demo_->Reset();
  demo_->Run();
  EXPECT_EQ(rnd::RandomizeCount(), before + 2) << "a second run takes a new seed";
}

TEST_F(BankRun, DefaultHoursCountAndAverageMatchTheDayWorkedOutAgain) {
  Start();
  EXPECT_EQ(demo_->Model().CurTime, 9 * 60 + 30);
  EXPECT_EQ(demo_->Model().CloseTime, 10 * 60 + 50);
  rnd::FixSeed(4711);
  demo_->Run();
  ASSERT_EQ(demo_->CurLine(), nullptr) << "the run goes to its end";
  const Day day = Recompute(4711, 9 * 60 + 30, 10 * 60 + 50);
  EXPECT_EQ(demo_->Model().CusNum, day.customers);
  EXPECT_EQ(demo_->Model().TotalTime, day.totalTime);
  EXPECT_LT(day.lastArrival, 10 * 60 + 50);
  EXPECT_GE(day.nextArrival, 10 * 60 + 50) << "arrivals stop once the next would be at or after closing";
  EXPECT_EQ(demo_->Model().EvNode.OccurTime, day.lastEvent);
  EXPECT_GT(day.lastEvent, 10 * 60 + 50) << "those already in the bank are served after closing";
  EXPECT_TRUE(Said().contains(QStringLiteral("| 客户平均逗留时间是") + BankAverage(day.totalTime, day.customers) +
                              QStringLiteral("分钟\n")))
      << Said().toStdString();
  EXPECT_TRUE(Said().endsWith(QStringLiteral("| 算法演示完毕。"))) << "the engine's end follows the report";
  EXPECT_TRUE(demo_->GF()->CusNumLabel->text().isEmpty()) << "the counters are cleared after the report";
}

TEST_F(BankRun, ALongDayInTheDataViewMatchesToo) {
  Start(QStringLiteral("OpenHE=7 OpenME=0 CloseHE=23 CloseME=59"), true);
  demo_->Container()->AdtBtnClick();
  rnd::FixSeed(99);
  demo_->Run();
  const Day day = Recompute(99, 7 * 60, 23 * 60 + 59);
  EXPECT_EQ(demo_->Model().CusNum, day.customers);
  EXPECT_EQ(demo_->Model().TotalTime, day.totalTime);
  EXPECT_GT(day.longestQueue, 6u) << "arrivals outpace the tellers over a long day";
  EXPECT_TRUE(Said().contains(QStringLiteral("客户平均逗留时间是") + BankAverage(day.totalTime, day.customers)));
}

TEST_F(BankRun, TheFirstCustomerFindsFourEmptyQueuesAndGoesToQueueOne) {
  Start();
  TraceTo("OnCusArrive", "ChooseShortest");
  EXPECT_EQ(demo_->Model().CusNum, 1);
  EXPECT_EQ(demo_->GF()->CusNumLabel->text(), QStringLiteral("1人次"));
  demo_->TraceInto();
  EXPECT_EQ(demo_->Model().i, 1);
  demo_->TraceInto();  // AddQue
  EXPECT_EQ(demo_->Model().Queue(1).size(), 1u);
  EXPECT_EQ(demo_->Model().Queue(1).front().ArriveTime, 9 * 60 + 30);
  EXPECT_EQ(demo_->ADTF()->ArriveCell(1, 1)->text(), QStringLiteral("9:30"));
  EXPECT_FALSE(demo_->GF()->Hall->WalkerShown()) << "the walk ends at the queue";
  EXPECT_EQ(demo_->GF()->Hall->DrawnInQueue(1), 1);
  demo_->TraceInto();  // IsOnlyOneInQue
  demo_->TraceInto();  // InsEv3: served at once
  const int until = 9 * 60 + 30 + demo_->Model().DurTime;
  EXPECT_TRUE(demo_->GF()->Say->text().contains(QStringLiteral("营业员说,要到") + BankClockPadded(until) +
                                                 QStringLiteral("才能搞定。")))
      << demo_->GF()->Say->text().toStdString();
  EXPECT_TRUE(std::count(demo_->Model().EvList.begin(), demo_->Model().EvList.end(), TBankEvent{until, 1}) == 1);
}

TEST_F(BankRun, EachProcedureShowsItsVariables) {
  Start();
  EXPECT_EQ(LocalNames(), QStringList({"EvNode"}));
  TraceTo("BankOpen", "Begin");
  EXPECT_EQ(LocalNames(), QStringList({"TotalTime", "CusNum", "EvNode"}));
  TraceTo("BankOpen", "InsEv");
  EXPECT_EQ(demo_->Locals()->FindByName(QStringLiteral("EvNode"))->GetText(), QStringLiteral("(570,0)"));
  TraceTo("OnCusArrive", "SetNextArriveTim");
  EXPECT_EQ(LocalNames(), QStringList({"CusNum", "DurTime", "Interval", "NextArriveTime", "i", "EvNode"}));
  const int dur = demo_->Model().DurTime;
  const int interval = demo_->Model().Interval;
  EXPECT_GE(dur, 13);
  EXPECT_LE(dur, 42);
  EXPECT_GE(interval, 3);
  EXPECT_LE(interval, 9);
  EXPECT_EQ(static_cast<TIntData*>(demo_->Locals()->FindByName(QStringLiteral("DurTime")))->Value(), dur);
  EXPECT_EQ(static_cast<TIntData*>(demo_->Locals()->FindByName(QStringLiteral("CusNum")))->Value(), 1);
  TraceTo("OnCusDepart", "DelFirstCusInQue");
  EXPECT_EQ(LocalNames(), QStringList({"EvNode", "i", "Cus"}));
  demo_->TraceInto();
  EXPECT_EQ(demo_->Locals()->FindByName(QStringLiteral("Cus"))->GetText(),
            QStringLiteral("(%1,%2)").arg(demo_->Model().Cus.ArriveTime).arg(demo_->Model().Cus.DurTime));
}

TEST_F(BankRun, DocksBesideTheTextAndVariablesWithoutFoldButtons) {
  Start();
  EXPECT_EQ(MainForm->DockMode(), TMainForm::DockThree);
  TSplitWnds* frame = MainForm->DockFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->Pane(1)->DockedForm(), demo_->Container());
  EXPECT_EQ(frame->Pane(2)->DockedForm(), static_cast<QWidget*>(AlgorithmForm));
  EXPECT_EQ(frame->Pane(3)->DockedForm(), static_cast<QWidget*>(VariableForm));
  for (int p = 1; p <= 3; ++p) EXPECT_TRUE(frame->Pane(p)->FoldButton()->isHidden());
  EXPECT_FALSE(demo_->GF()->isHidden());
  EXPECT_TRUE(demo_->ADTF()->isHidden());
}

TEST_F(BankRun, ResetEmptiesTheBankAndShowsTheAnimationAgain) {
  Start();
  demo_->Container()->AdtBtnClick();
  TraceTo("OnCusDepart", "SetTotalTime");
  ASSERT_GT(demo_->Model().CusNum, 1);
  MainForm->ResetRunClick();
  EXPECT_EQ(demo_->Model().CusNum, 0);
  EXPECT_EQ(demo_->Model().EvCount(), 0);
  for (int k = 1; k <= 4; ++k) EXPECT_TRUE(demo_->Model().Queue(k).empty());
  EXPECT_TRUE(demo_->GF()->CusNumLabel->text().isEmpty());
  EXPECT_TRUE(demo_->GF()->TotalTimeLabel->text().isEmpty());
  EXPECT_FALSE(demo_->GF()->isHidden());
  EXPECT_FALSE(demo_->Container()->AnimBtn->isEnabled());
  EXPECT_TRUE(demo_->ADTF()->ArriveCell(1, 1)->text().isEmpty());
  EXPECT_EQ(demo_->Model().CurTime, 9 * 60 + 30) << "the same hours again";
}

TEST_F(BankRun, ClosingTheDialogKeepsTheHoursItHad) {
  RegisterAllDemos();
  windows_ = std::make_unique<TProgramWindows>();
  host_->QueueDialog(QStringLiteral("OpenHE=12 key:Esc"));
  MainForm->StartDemo(QStringLiteral("Bank"), false);
  demo_ = dynamic_cast<TBank*>(CurrentDemo);
  ASSERT_NE(demo_, nullptr) << "the demonstration goes on with the hours it had";
  EXPECT_EQ(demo_->Model().CurTime, 9 * 60 + 30);
  EXPECT_EQ(demo_->Model().CloseTime, 10 * 60 + 50);
  EXPECT_TRUE(MainForm->Buttons(static_cast<int>(ToolButton::DemoRun))->isEnabled());
}
