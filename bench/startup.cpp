// Start-up time: from spawning the program to its first window shown and painted, against a
// bare Qt window started the same way (this executable with --bare-window). Both run on the
// offscreen platform with a 1024 x 768 screen and end themselves once shown
// (VELKORA_EXIT_WHEN_SHOWN=1). The two are started in turn, pair by pair, so that whatever
// else the machine does weighs on both alike; at the end it prints the ratio of the median
// times and the peak memory of each.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Application.h"

extern char** environ;

namespace {

std::string g_self;
std::string g_velkora;
std::string g_platform;  // QT_QPA_PLATFORM=offscreen with its screen

// Wall times of the runs and the largest peak resident size of any run.
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

// Runs the program to its end; false when it could not start or did not end cleanly.
bool Run(const std::string& program, const std::vector<std::string>& args, Runs& runs) {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 && entry.rfind("VELKORA_EXIT_WHEN_SHOWN=", 0) != 0)
      env.push_back(entry);
  }
  env.push_back(g_platform);
  env.push_back("VELKORA_EXIT_WHEN_SHOWN=1");
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::vector<std::string> argStrings{program};
  argStrings.insert(argStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : argStrings) argv.push_back(a.data());
  argv.push_back(nullptr);

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0)
    return false;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return false;
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
  runs.ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  runs.peakKiB = std::max(runs.peakKiB, usage.ru_maxrss);
  return true;
}

void BM_VelkoraStartupPairedWithBareQtWindow(benchmark::State& state) {
  for (auto _ : state) {
    if (!Run(g_self, {"--bare-window"}, g_bare) || !Run(g_velkora, {}, g_program)) {
      state.SkipWithError("a program did not start and end cleanly");
      break;
    }
  }
  state.counters["velkora_ms"] = g_program.Median();
  state.counters["bare_ms"] = g_bare.Median();
  state.counters["peak_MiB"] = static_cast<double>(g_program.peakKiB) / 1024;
}

BENCHMARK(BM_VelkoraStartupPairedWithBareQtWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(30);

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
  g_self = QCoreApplication::applicationFilePath().toStdString();
  g_velkora = QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/../velkora"))
                  .canonicalFilePath()
                  .toStdString();
  if (g_velkora.empty()) {
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
  g_platform = "QT_QPA_PLATFORM=offscreen:configfile=" + config.fileName().toStdString();
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
