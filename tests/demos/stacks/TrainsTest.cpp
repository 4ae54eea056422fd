#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "demos/stacks/TrainForm.h"
#include "demos/stacks/Trains.h"
#include "framework/drawkit/StackBox.h"
#include "framework/drawkit/ThemedControls.h"
#include "platform/Pacing.h"
#include "tests/support/ProgramRun.h"

namespace {

// Sleeps of one car's run (20 ms a frame) among the recorded waits.
int CarFrames(const std::vector<int>& waits) {
  return static_cast<int>(std::count(waits.begin(), waits.end(), 20));
}

class TrainsRun : public ProgramRun<TTrains, ::testing::TestWithParam<bool>> {
 protected:
  void Start(bool useC) { ProgramRun::Start(QStringLiteral("Trains"), useC); }
  QStringList Results() const {
    QStringList out;
    for (int i = 1; i <= TTrainForm::ResultCells; ++i) {
      const TAutoSizeEdit* cell = demo_->Railway()->Edits[static_cast<std::size_t>(i)];
      if (!cell->isHidden()) out << cell->Text();
    }
    return out;
  }
};

}  // namespace

TEST(Trains, StackRowsShowTheArgumentsOfEachCall) {
  EXPECT_EQ(TTrains::RowText(0, 0, 4, ""), QStringLiteral("0    0    4  "));
  EXPECT_EQ(TTrains::RowText(3, 1, 4, "SSXS"), QStringLiteral("3    1    4  SSXS"));
}

TEST(Trains, TheOutputOrderAndTheYardFollowThePushesAndPops) {
  EXPECT_EQ(TTrains::OutputOf(QStringLiteral("SSSSXXXX")), QStringLiteral("4321"));
  EXPECT_EQ(TTrains::OutputOf(QStringLiteral("SXSSXX")), QStringLiteral("132?")) << "a car not yet out";
  EXPECT_EQ(TTrains::OutputOf(QStringLiteral("XSX")), QStringLiteral("1???")) << "a pop of an empty siding does nothing";
  // After "SSX": car 2 out first, car 1 at the siding's bottom, cars 3 and 4 still in.
  std::vector<std::pair<int, QPoint>> places;
  for (const TTrainForm::TCarAt& p : TTrainForm::PlacesAfter(QStringLiteral("SSX"))) places.emplace_back(p.car, p.grid);
  EXPECT_EQ(places, (std::vector<std::pair<int, QPoint>>{{1, TTrainForm::OutputPlace(0)},
                                                         {2, TTrainForm::InputPlace(2)},
                                                         {3, TTrainForm::InputPlace(3)},
                                                         {0, TTrainForm::SidingPlace(0)}}));
}

TEST(TrainForm, FramesPerLegFollowTheSpeed) {
  EXPECT_EQ(TTrainForm::FramesPerLeg(99), 2);
  EXPECT_EQ(TTrainForm::FramesPerLeg(60), 11);
  EXPECT_EQ(TTrainForm::FramesPerLeg(0), 26);
}

TEST(TrainForm, ACarRunsTwoLegsAtThePaceOfTheSpeed) {
  TTrainForm form;
  const std::uint8_t saved = RunSpeed;
  for (const auto& [speed, frames] : {std::pair{99, 2}, std::pair{0, 26}}) {
    RunSpeed = static_cast<std::uint8_t>(speed);
    form.Reset();
    pacing::StartRecording();
    form.PushIn();
    EXPECT_EQ(CarFrames(pacing::StopRecording()), 2 * frames) << "push at speed " << speed;
    pacing::StartRecording();
    form.PopOut();
    EXPECT_EQ(CarFrames(pacing::StopRecording()), 2 * frames) << "pop at speed " << speed;
  }
  RunSpeed = saved;
}

TEST(TrainForm, CarsMoveFromTheInputThroughTheSidingToTheOutput) {
  TTrainForm form;
  form.PushIn();  // 1 in
  form.PushIn();  // 2 in
  EXPECT_EQ(form.InputLeft, 2);
  EXPECT_EQ(form.InStack, 2);
  EXPECT_EQ(form.StackCars[1], 1) << "car 2 (internally 1) on top";
  EXPECT_EQ(form.InTrack[0], TTrainForm::NoCar);
  form.PopOut();  // 2 out
  form.PushIn();  // 3 in
  form.PopOut();  // 3 out
  form.PopOut();  // 1 out
  form.PushIn();  // 4 in
  form.PopOut();  // 4 out
  EXPECT_EQ(form.OutputText(), QStringLiteral("2314"));
  EXPECT_EQ(form.InStack, 0);
  EXPECT_TRUE(form.SwitchToStack);
  form.PopOut();  // nothing left in the siding: nothing happens
  EXPECT_EQ(form.OutCount, 4);
  form.Reset();
  EXPECT_EQ(form.OutputText(), QString());
  EXPECT_EQ(form.InTrack, (std::array<int, 4>{0, 1, 2, 3}));
  EXPECT_FALSE(form.SwitchToStack);
}

TEST(TrainForm, OnlyFourteenResultsAreShown) {
  TTrainForm form;
  for (int i = 0; i < 4; ++i) form.PushIn();
  for (int i = 0; i < 4; ++i) form.PopOut();
  for (int i = 1; i <= 15; ++i) form.RecordOrder();
  EXPECT_EQ(form.OrderCount, 15);
  for (int i = 1; i <= 14; ++i) {
    EXPECT_FALSE(form.Edits[static_cast<std::size_t>(i)]->isHidden()) << i;
    EXPECT_EQ(form.Edits[static_cast<std::size_t>(i)]->Text(), QStringLiteral("4321"));
  }
  form.ClearResults();
  EXPECT_EQ(form.OrderCount, 0);
  EXPECT_TRUE(form.Edits[1]->isHidden());
}

TEST_P(TrainsRun, ResetStartsTheRailwayAndTheDrawnStackAfresh) {
  Start(GetParam());
  for (int i = 0; i < 400 && demo_->Railway()->OrderCount < 2; ++i) demo_->TraceInto();
  ASSERT_EQ(demo_->Railway()->OrderCount, 2);
  demo_->Reset();
  EXPECT_EQ(demo_->Railway()->OrderCount, 0);
  EXPECT_TRUE(demo_->Railway()->Edits[1]->isHidden());
  EXPECT_EQ(demo_->StackForm()->Stack->Count(), 0);
  demo_->Run();
  EXPECT_EQ(Results().size(), 14) << "no row is left over from before the reset";
}

INSTANTIATE_TEST_SUITE_P(Languages, TrainsRun, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "C" : "Pascal"; });
