#include "tests/scriptdriver/RunView.h"

#include <gtest/gtest.h>

using script::RunView;
using script::RunViewFindings;

namespace {

// The demonstration window with the pause button and one that runs lines, set as given.
RunView Toolbar(bool running, bool atLine, bool pauseOn, bool runOn) {
  RunView view;
  view.shown = true;
  view.running = running;
  view.atLine = atLine;
  view.buttons = {{"DemoStopBtn", "暂停", pauseOn, true}, {"DemoRunBtn", "执行", runOn, false}};
  return view;
}

}  // namespace

TEST(RunView, ButtonOnlyWhereItCanDoSomething) {
  EXPECT_TRUE(RunViewFindings(Toolbar(true, true, true, false)).isEmpty()) << "pause on during a run";
  EXPECT_TRUE(RunViewFindings(Toolbar(false, true, false, true)).isEmpty()) << "run on at a line, paused";
  EXPECT_TRUE(RunViewFindings(Toolbar(false, false, false, false)).isEmpty()) << "the run ended: both off";
  EXPECT_TRUE(RunViewFindings(Toolbar(true, false, true, true)).isEmpty())
      << "the last step of a run turned 执行 on: the run turns it off as it stops";

  const QStringList pause = RunViewFindings(Toolbar(false, false, true, false));
  ASSERT_EQ(pause.size(), 1) << "behind a first dialog, with nothing running";
  EXPECT_EQ(pause[0].toStdString(), "wrong button DemoStopBtn \"暂停\" -- on while no run goes on");
  const QStringList run = RunViewFindings(Toolbar(false, false, false, true));
  ASSERT_EQ(run.size(), 1);
  EXPECT_EQ(run[0].toStdString(), "wrong button DemoRunBtn \"执行\" -- on while the demonstration stands at no line");

  RunView hidden = Toolbar(false, false, true, true);
  hidden.shown = false;
  EXPECT_TRUE(RunViewFindings(hidden).isEmpty()) << "the selection window in front: no toolbar to see";
}

TEST(RunView, DoubleNeverTwoCurrentLines) {
  RunView view = Toolbar(true, true, true, false);
  view.procedure = "Hanoi";
  view.current = {{2, "2    IF n=1 THEN"}};
  EXPECT_TRUE(RunViewFindings(view).isEmpty());
  view.current.push_back({5, "5      hanoi(n-1,x,z,y);"});
  const QStringList f = RunViewFindings(view);
  ASSERT_EQ(f.size(), 1) << "the call line and the callee's first line both marked";
  EXPECT_EQ(f[0].toStdString(),
            "wrong double Hanoi 2 \"2    IF n=1 THEN\" / Hanoi 5 \"5      hanoi(n-1,x,z,y);\" -- 2 lines shown as the "
            "current line");
}
