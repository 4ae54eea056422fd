// The engine's own cost: executing lines with instant pacing and no windows, and reading
// and parsing every algorithm text of the program.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/AlgoSrc.h"
#include "framework/engine/BasicData.h"
#include "framework/engine/Globals.h"
#include "platform/Pacing.h"

namespace {

// A loop that calls a small procedure on every round: six executed lines per round
// (condition, step, call, the callee's two lines, the jump back).
const QStringList kLoopText = {
    "!Main",
    "Run;`Begin@C{Loop}",
    "`End@R",
    "!Loop",
    "WHILE i < n DO`Begin@F{End}",
    "  i := i + 1;`Body@P",
    "  Leaf(i);`Call@C{Leaf}",
    "END;`Again=>Begin",
    "`End@R",
    "!Leaf",
    "x := i;`Begin@P",
    "`End@R",
};

constexpr int kRounds = 10000;
constexpr int kLinesPerRound = 6;

class TLoopDemo : public TAlgoDemo {
  Q_OBJECT

 public:
  using TAlgoDemo::TAlgoDemo;
  bool CreateData() override { return true; }
  void SetWindowRect() override {}
  void ShowGraph() override {}
  void ClearGraph() override {}
  void DemoFinished() override {}
  std::unique_ptr<TData> GetInitialParam() override {
    auto locals = std::make_unique<TData>();
    i_ = locals->Add(new TIntData(QStringLiteral("i"), 0));
    return locals;
  }

  Q_INVOKABLE TData* Main_C_Begin() { return new TData(); }
  Q_INVOKABLE void Main_AfterBegin() {}
  Q_INVOKABLE bool Loop_F_Begin() { return i_->Value() < kRounds; }
  Q_INVOKABLE void Loop_Body() { i_->SetValue(i_->Value() + 1); }
  Q_INVOKABLE TData* Loop_C_Call() {
    auto* args = new TData();
    args->Add(new TIntData(QStringLiteral("x"), i_->Value()));
    return args;
  }
  Q_INVOKABLE void Loop_AfterCall() {}
  Q_INVOKABLE void Leaf_Begin() {}

 private:
  TIntData* i_ = nullptr;  // in Main's locals, saved while the loop runs
};

void BM_EngineLines(benchmark::State& state) {
  pacing::SetInstant(true);
  auto demo = CreateDemo<TLoopDemo>(kLoopText);
  CurrentDemo = demo.get();
  for (auto _ : state) {
    demo->Reset();
    demo->Run();
  }
  CurrentDemo = nullptr;
  // Time per executed line.
  state.counters["per_line"] = benchmark::Counter(
      static_cast<double>(kRounds) * kLinesPerRound,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_EngineLines)->Unit(benchmark::kMillisecond);

void BM_LoadTextHolder(benchmark::State& state) {
  for (auto _ : state) {
    TProcSrcContainer holder;
    benchmark::DoNotOptimize(holder.Texts().size());
  }
  state.counters["texts"] = static_cast<double>(ProcSrcContainer().Texts().size());
}
BENCHMARK(BM_LoadTextHolder)->Unit(benchmark::kMicrosecond);

void BM_ParseAllTexts(benchmark::State& state) {
  const TProcSrcContainer& holder = ProcSrcContainer();
  if (holder.Texts().empty()) {
    state.SkipWithError("no algorithm text is compiled in");
    return;
  }
  double lines = 0;
  for (const auto& t : holder.Texts()) lines += t->Source.size();
  for (auto _ : state) {
    for (const auto& t : holder.Texts()) {
      TData procs;
      ParseSource(t->Source, procs);
      benchmark::DoNotOptimize(procs.Count());
    }
  }
  state.counters["texts"] = static_cast<double>(holder.Texts().size());
  state.counters["per_entry"] = benchmark::Counter(
      lines, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ParseAllTexts)->Unit(benchmark::kMicrosecond);

// A corpus the size of the whole program's: 150 texts of two procedures and 30 entries.
QStringList SyntheticText(int n) {
  QStringList t = {QStringLiteral("!Main"),
                   QStringLiteral("Res:=Proc%1(a,b); `Begin@C{Proc}").arg(n),
                   QStringLiteral("`End@R"),
                   QStringLiteral("!Proc"),
                   QStringLiteral("PROC Proc%1(a,b:Integer);").arg(n),
                   QStringLiteral("VAR"),
                   QStringLiteral("\ti, j:Integer;"),
                   QStringLiteral("BEGIN")};
  for (int i = 1; i <= 20; ++i) {
    t << QStringLiteral("%1\tIF a[%1] > b THEN`Line%1@F{Line%2}@P").arg(i).arg(i + 1);
  }
  t << QStringLiteral("  i := i + 1;`Loop@C{Proc}@P{End}") << QStringLiteral("END;`Again=>Begin")
    << QStringLiteral("END;`End@R");
  return t;
}

void BM_ParseFullSizeCorpus(benchmark::State& state) {
  std::vector<QStringList> corpus;
  for (int n = 0; n < 150; ++n) corpus.push_back(SyntheticText(n));
  for (auto _ : state) {
    for (const QStringList& text : corpus) {
      TData procs;
      ParseSource(text, procs);
      benchmark::DoNotOptimize(procs.Count());
    }
  }
  state.counters["entries"] = static_cast<double>(corpus.size() * corpus.front().size());
}
BENCHMARK(BM_ParseFullSizeCorpus)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

#include "engine.moc"
