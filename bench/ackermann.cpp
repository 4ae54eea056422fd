// A full Ackermann (3,2) run at speed 99 in real time, against the sum of the waits the
// program asks for on the way: the run loop's 8 ms between two lines and the 10 ms frames of
// the stack's slides. The ratio of the two is what executing, drawing and bookkeeping add.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <numeric>

#include "demos/DemoList.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/Startup.h"
#include "platform/Application.h"
#include "platform/MidiPlayer.h"
#include "platform/Pacing.h"
#include "platform/Screen.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

void BM_Ackermann32AtSpeed99(benchmark::State& state) {
  modal::ScriptedHostScope host;
  TProgramWindows windows;
  RunSpeed = 99;
  AnimSpeed = 99;  // as after the options dialog was confirmed at 99
  double waitsMs = 0;
  double realMs = 0;
  for (auto _ : state) {
    host->QueueDialog(QStringLiteral("MEdit=3 NEdit=2 OK"));
    MainForm->DisableButtons();
    MainForm->ShowMainForm();
    MainForm->StartDemo(QStringLiteral("Ackman"), false);
    pacing::StartRecording();
    QElapsedTimer clock;
    clock.start();
    CurrentDemo->Run();
    realMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const std::vector<int> waits = pacing::StopRecording();
    waitsMs = std::accumulate(waits.begin(), waits.end(), 0.0);
    state.SetIterationTime(realMs / 1000.0);
    MainForm->ReturnBtnClick();
  }
  state.counters["waits_ms"] = waitsMs;
  state.counters["real_ms"] = realMs;
  state.counters["overhead_ratio"] = realMs / waitsMs;
}

BENCHMARK(BM_Ackermann32AtSpeed99)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication application(argc, argv);
  screen::SetFixedSize({1024, 768});
  TMidiPlayer::SetAudioOutput(false);
  RegisterAllDemos();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
