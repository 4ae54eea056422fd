// Start-up time: from spawning the program to its first window shown and painted, against a
// bare Qt window started the same way (this executable with --bare-window). Both run on the
// offscreen platform with a 1024 x 768 screen and end themselves once shown
// (VELKORA_EXIT_WHEN_SHOWN=1). At the end it prints the ratio of the median times and the
// peak memory of each.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/Application.h"

namespace {

QString g_self;
QString g_velkora;
QString g_platform;  // the offscreen platform with its screen

// Wall times of the runs, and the peak resident size of each program's biggest run.
struct Runs {
  std::vector<double> ms;
  long peakKiB = 0;
  double Median() {
    std::sort(ms.begin(), ms.end());
    return ms.empty() ? 0 : ms[ms.size() / 2];
  }
};
Runs g_bare;
Runs g_program;

// The largest resident size of any child ended so far (the bare window runs first and is
// the smaller, so after the program's runs this is the program's).
long ChildrenPeakKiB() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return usage.ru_maxrss;
}

void Spawn(benchmark::State& state, const QString& program, const QStringList& args, Runs& runs) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), g_platform);
  env.insert(QStringLiteral("VELKORA_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
  for (auto _ : state) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
      std::fprintf(stderr, "%s", p.readAll().constData());
      state.SkipWithError("the program did not start and end cleanly");
      break;
    }
    runs.ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  }
  runs.peakKiB = ChildrenPeakKiB();
  state.counters["peak_MiB"] = static_cast<double>(runs.peakKiB) / 1024;
}

void BM_VelkoraStartup(benchmark::State& state) { Spawn(state, g_velkora, {}, g_program); }
void BM_BareQtWindowStartup(benchmark::State& state) {
  Spawn(state, g_self, {QStringLiteral("--bare-window")}, g_bare);
}

BENCHMARK(BM_BareQtWindowStartup)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_VelkoraStartup)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

int BareWindow(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(800, 600);
  app::ExitWhenShownIfAsked(window);
  window.show();
  return application.exec();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && QByteArray(argv[1]) == "--bare-window") return BareWindow(argc, argv);
  QCoreApplication application(argc, argv);
  g_self = QCoreApplication::applicationFilePath();
  g_velkora = QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/../velkora")).canonicalFilePath();
  if (g_velkora.isEmpty()) {
    std::fprintf(stderr, "velkora is not built beside the bench folder\n");
    return 1;
  }
  // The offscreen platform's screen is 800 x 600 unless a configuration file says otherwise.
  QTemporaryDir dir;
  QFile config(dir.filePath(QStringLiteral("screen.json")));
  if (!dir.isValid() || !config.open(QIODevice::WriteOnly) ||
      config.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1024, "height": 768,
                      "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0) {
    std::fprintf(stderr, "cannot write the screen configuration\n");
    return 1;
  }
  config.close();
  g_platform = QStringLiteral("offscreen:configfile=") + config.fileName();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  const double bare = g_bare.Median();
  const double program = g_program.Median();
  if (bare > 0 && program > 0)
    std::printf("start-up: velkora %.1f ms, bare Qt window %.1f ms (median): ratio %.2f; peak %.1f MiB against %.1f MiB\n",
                program, bare, program / bare, g_program.peakKiB / 1024.0, g_bare.peakKiB / 1024.0);
  return 0;
}
