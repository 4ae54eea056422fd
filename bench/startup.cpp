// Start-up time: from spawning the program to its first window shown and painted, against a
// bare Qt window started the same way (this executable with --bare-window). Both run on the
// offscreen platform and end themselves once shown (VELKORA_EXIT_WHEN_SHOWN=1).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QWidget>

#include "platform/Application.h"

namespace {

QString g_self;
QString g_velkora;

void Spawn(benchmark::State& state, const QString& program, const QStringList& args) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("VELKORA_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
  for (auto _ : state) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
      std::fprintf(stderr, "%s", p.readAll().constData());
      state.SkipWithError("the program did not start and end cleanly");
      break;
    }
  }
}

void BM_VelkoraStartup(benchmark::State& state) { Spawn(state, g_velkora, {}); }
void BM_BareQtWindowStartup(benchmark::State& state) { Spawn(state, g_self, {QStringLiteral("--bare-window")}); }

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
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
