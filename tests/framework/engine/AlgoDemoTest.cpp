#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "EngineRecorders.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"
#include "framework/engine/Errors.h"
#include "framework/engine/Globals.h"
#include "framework/engine/RunFrames.h"
#include "platform/ModalHost.h"
#include "platform/Pacing.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

// A recursive text: Main computes Fact(3), then Fact(1).
// Fact rows: 0 heading, 1 BEGIN, 2 Begin, 3 Base, 4 ELSE, 5 Rec, 6 End.
const QStringList kFactText = {
    "!Main",
    "x := Fact(3);`Begin@C{Fact}",
    "y := Fact(1);`Again@C{Fact}",
    "`End@R",
    "!Fact",
    "FUNC Fact(n: Integer): Integer;",
    "BEGIN",
    "  IF n <= 1 THEN`Begin@F{Rec}",
    "    RETURN 1`Base@P{End}",
    "  ELSE",
    "    RETURN n * Fact(n-1)`Rec@C{Fact}@P{End}",
    "END;`End@R",
    "!Spare",
    "`Begin@R",
};

class TFactDemo : public TAlgoDemo {
  Q_OBJECT

 public:
  using TAlgoDemo::TAlgoDemo;

  bool CreateData() override { return true; }
  void SetWindowRect() override {}
  void ShowGraph() override {}
  void ClearGraph() override { cleared += 1; }
  std::unique_ptr<TData> GetInitialParam() override { return std::make_unique<TData>(); }
  void ResetLocalData(const QString& procName) override { entered << procName; }
  void AfterConstruction() override { constructed += 1; }

  Q_INVOKABLE TData* Main_C_Begin() { return Call("Main_C_Begin", firstArg); }
  Q_INVOKABLE void Main_AfterBegin() { After("Main_AfterBegin"); }
  Q_INVOKABLE TData* Main_C_Again() { return Call("Main_C_Again", secondArg); }
  Q_INVOKABLE void Main_AfterAgain() { After("Main_AfterAgain"); }
  Q_INVOKABLE bool Main_F_Again() { return againAnswer; }
  Q_INVOKABLE bool Fact_F_Begin() {
    calls << "Fact_F_Begin";
    return N() <= 1;
  }
  Q_INVOKABLE void Fact_Base() {
    calls << "Fact_Base";
    if (throwInBase) throw std::runtime_error("step failed");
    result = 1;
    if (pauseInBase) SetStopRequest(true);
  }
  Q_INVOKABLE TData* Fact_C_Rec() { return Call("Fact_C_Rec", N() - 1); }
  Q_INVOKABLE void Fact_AfterRec() { calls << "Fact_AfterRec"; }
  Q_INVOKABLE void Fact_Rec() {
    calls << "Fact_Rec";
    result *= N();
  }
  // For the error cases.
  Q_INVOKABLE TData* Main_C_Missing() { return Call("Main_C_Missing", 1); }
  Q_INVOKABLE TData* Main_C_Lost() { return Call("Main_C_Lost", 1); }
  Q_INVOKABLE void Main_F_Void() { calls << "Main_F_Void"; }
  // Switches to another text in the middle of a step, as the threaded-tree demonstration does.
  Q_INVOKABLE void Main_Switch() {
    calls << "Main_Switch";
    LoadSource({"!Fact", "`Begin@F{End}", "`Base@P", "`End@R"});
    PushCall(QStringLiteral("Fact"), std::unique_ptr<TData>(Call("switched", 1)));
  }

  QStringList calls;
  QStringList entered;
  QList<int> results;
  int firstArg = 3;
  int secondArg = 1;
  int result = 0;
  int cleared = 0;
  int constructed = 0;
  bool pauseInBase = false;
  bool throwInBase = false;
  bool againAnswer = true;

 private:
  int N() const { return static_cast<TIntData*>(Locals()->FindByName("n"))->Value(); }
  TData* Call(const char* name, int n) {
    calls << name;
    auto* args = new TData();
    args->Add(new TIntData(QStringLiteral("n"), n));
    return args;  // the engine adopts it as the callee's locals
  }
  void After(const char* name) {
    calls << name;
    results << result;
    if (onAfter) onAfter();
  }

 public:
  // Told inside every After step.
  std::function<void()> onAfter;
};

class Engine : public ::testing::Test {
 protected:
  void SetUp() override {
    views::SetHost(&host);
    views::SetToolbar(&toolbar);
    RunSpeed = 60;
  }
  void TearDown() override {
    demo.reset();
    views::SetToolbar(nullptr);
    views::SetHost(nullptr);
    RunSpeed = 60;
  }

  TFactDemo& Start(const QStringList& text = kFactText) {
    demo = CreateDemo<TFactDemo>(text);
    CurrentDemo = demo.get();
    demo->Reset();
    return *demo;
  }
  // "Proc:Label" of the current line; "end" when the run has ended.
  QString Where() const {
    if (demo->CurLine() == nullptr) return QStringLiteral("end");
    return demo->CurProc()->Name() + ':' + demo->CurLine()->Label();
  }
  int Depth() const { return demo->RunStack()->Count(); }
  QStringList CallTexts() const {
    QStringList out;
    for (int i = 0; i < demo->RunStack()->Count(); ++i) out << demo->RunStack()->Frame(i)->CallText;
    return out;
  }
  int MarkedLines() const {
    int n = 0;
    for (int p = 0; p < demo->Procedures()->Count(); ++p) {
      const TProcedure* proc = demo->ProcedureAt(p);
      for (int i = 0; i < proc->Count(); ++i) n += proc->LineByIndex(i)->Current ? 1 : 0;
    }
    return n;
  }
  TProcLine* Line(const char* proc, const char* label) const {
    return demo->GetProcedure(QString::fromLatin1(proc))->LineByLabel(QString::fromLatin1(label));
  }
  bool RunButtonsEnabled() const {
    return toolbar.IsEnabled(ToolButton::DemoRun) && toolbar.IsEnabled(ToolButton::StepOver) &&
           toolbar.IsEnabled(ToolButton::TraceInto) && toolbar.IsEnabled(ToolButton::RunToCursor);
  }

  modal::ScriptedHostScope modalHost;
  RecordingDemoHost host;
  RecordingToolbar toolbar;
  std::unique_ptr<TFactDemo> demo;
};

// The transcript line of a plain message box showing text.
QString Message(const QString& text) {
  return QStringLiteral("message ") + modal::AppTitle() + QStringLiteral(" | ") + text;
}

QString Finished() { return Message(QStringLiteral("算法演示完毕。")); }

}  // namespace

TEST_F(Engine, ResetEntersTheFirstProcedure) {
  Start();
  EXPECT_EQ(Where(), "Main:Begin");
  EXPECT_EQ(CallTexts(), QStringList{"Main"})
      << "an argument record without children shows the name alone";
  EXPECT_EQ(MarkedLines(), 1);
  EXPECT_TRUE(Line("Main", "Begin")->Current);
  EXPECT_EQ(demo->cleared, 1);
  EXPECT_TRUE(toolbar.IsEnabled(ToolButton::CallStack));
  EXPECT_TRUE(RunButtonsEnabled());
  EXPECT_FALSE(toolbar.IsEnabled(ToolButton::DemoStop));
  EXPECT_EQ(host.algorithm.tabs, (QStringList{"Main", "Fact", "Spare"}));
  EXPECT_EQ(host.algorithm.selectedTab, 0);
}

TEST_F(Engine, TraceIntoRunsOneLineAtATimeThroughTheRecursion) {
  Start();
  const QStringList expected = {"Fact:Begin", "Fact:Rec",  "Fact:Begin", "Fact:Rec", "Fact:Begin",
                                "Fact:Base",  "Fact:End",  "Fact:End",   "Fact:End", "Main:Again",
                                "Fact:Begin", "Fact:Base", "Fact:End",   "end"};
  const QList<int> depths = {2, 2, 3, 3, 4, 4, 4, 3, 2, 1, 2, 2, 2, 1};
  QStringList where;
  QList<int> depth;
  for (int i = 0; i < expected.size(); ++i) {
    demo->TraceInto();
    where << Where();
    depth << Depth();
    if (i == 4) {
      EXPECT_EQ(CallTexts(), (QStringList{"Main", "Fact(3)", "Fact(2)", "Fact(1)"}));
      EXPECT_EQ(host.algorithm.frames, 3) << "one nested frame per active call";
    }
    if (i < expected.size() - 1) {
      EXPECT_EQ(MarkedLines(), 1) << "after trace " << i + 1;
    }
  }
  EXPECT_EQ(where, expected);
  EXPECT_EQ(depth, depths) << "the first frame stays when the run has ended";
  EXPECT_EQ(demo->calls,
            (QStringList{"Main_C_Begin", "Fact_F_Begin", "Fact_C_Rec", "Fact_F_Begin", "Fact_C_Rec",
                         "Fact_F_Begin", "Fact_Base", "Fact_AfterRec", "Fact_Rec", "Fact_AfterRec",
                         "Fact_Rec", "Main_AfterBegin", "Main_C_Again", "Fact_F_Begin", "Fact_Base",
                         "Main_AfterAgain"}));
  EXPECT_EQ(demo->results, (QList<int>{6, 1}));
  EXPECT_EQ(demo->entered, (QStringList{"Main", "Fact", "Fact", "Fact", "Fact"}));
  EXPECT_EQ(modalHost->Transcript(), QStringList{Finished()});
  EXPECT_EQ(MarkedLines(), 0);
  EXPECT_EQ(host.algorithm.frames, 0);
  EXPECT_EQ(demo->Locals(), nullptr);
  EXPECT_FALSE(RunButtonsEnabled()) << "an ended run keeps the run buttons disabled";
  EXPECT_TRUE(toolbar.IsEnabled(ToolButton::DemoReset));
  EXPECT_TRUE(toolbar.IsEnabled(ToolButton::Return));

  demo->TraceInto();  // nothing left to run
  EXPECT_EQ(modalHost->Transcript().size(), 1);
}

// Every call on the run stack keeps its own n: the innermost in Locals, each caller's as saved
// in the frame of the call it made; nothing below the first or past the innermost.
TEST_F(Engine, TheLocalsOfEveryCallOnTheStackCanBeRead) {
  Start();
  for (int i = 0; i < 5; ++i) demo->TraceInto();  // Fact(3) > Fact(2) > Fact(1)
  ASSERT_EQ(Depth(), 4);
  const auto n = [&](int depth) {
    const TData* locals = demo->LocalsAt(depth);
    const auto* v = locals ? dynamic_cast<const TIntData*>(locals->FindByName(QStringLiteral("n"))) : nullptr;
    return v ? v->Value() : -1;
  };
  EXPECT_EQ(n(1), 3);
  EXPECT_EQ(n(2), 2);
  EXPECT_EQ(n(3), 1);
  EXPECT_EQ(demo->LocalsAt(3), demo->Locals());
  EXPECT_EQ(demo->LocalsAt(0)->FindByName(QStringLiteral("n")), nullptr) << "Main has no n";
  EXPECT_EQ(demo->LocalsAt(4), nullptr);
  EXPECT_EQ(demo->LocalsAt(-1), nullptr);
}

TEST_F(Engine, StepOverRunsWholeCallsAndStopsWhenTheDepthIsEqualAgain) {
  Start();
  demo->StepOver();  // Main's first call, all of it
  EXPECT_EQ(Where(), "Main:Again");
  EXPECT_EQ(demo->results, QList<int>{6});

  Start();
  demo->TraceInto();
  demo->TraceInto();  // Fact(3) on its recursive call
  demo->StepOver();
  EXPECT_EQ(Where(), "Fact:End") << "the call line's own jump after the call returned";
  EXPECT_EQ(Depth(), 2);

  // Stepping over a return runs on in the caller until the depth is equal again: here the
  // caller's next call.
  demo->StepOver();
  EXPECT_EQ(Where(), "Fact:Begin");
  EXPECT_EQ(CallTexts(), (QStringList{"Main", "Fact(1)"}));

  // From deeper than the caller ever comes back to, the run goes to its end.
  Start();
  for (int i = 0; i < 7; ++i) demo->TraceInto();
  ASSERT_EQ(Depth(), 4);
  demo->StepOver();
  EXPECT_EQ(Where(), "end");
  EXPECT_EQ(modalHost->Transcript().last(), Finished());
}

TEST_F(Engine, StepOverStopsAtABreakpointInsideTheCallee) {
  Start();
  demo->TraceInto();
  demo->TraceInto();
  Line("Fact", "Base")->Breakpoint = true;
  demo->StepOver();
  EXPECT_EQ(Where(), "Fact:Base");
  EXPECT_EQ(Depth(), 4);
}

TEST_F(Engine, RunStopsAtEachBreakpointThenFinishes) {
  Start();
  Line("Fact", "Base")->Breakpoint = true;
  demo->Run();
  EXPECT_EQ(Where(), "Fact:Base");
  EXPECT_EQ(CallTexts(), (QStringList{"Main", "Fact(3)", "Fact(2)", "Fact(1)"}));
  EXPECT_TRUE(RunButtonsEnabled());
  demo->Run();
  EXPECT_EQ(Where(), "Fact:Base");
  EXPECT_EQ(CallTexts(), (QStringList{"Main", "Fact(1)"}));
  demo->Run();
  EXPECT_EQ(Where(), "end");
  EXPECT_EQ(modalHost->Transcript(), QStringList{Finished()});
}

TEST_F(Engine, ABreakpointOnTheStartingLineDoesNotStopAtOnce) {
  Start();
  demo->TraceInto();
  ASSERT_EQ(Where(), "Fact:Begin");
  Line("Fact", "Begin")->Breakpoint = true;
  demo->Run();
  EXPECT_EQ(Where(), "Fact:Begin");
  EXPECT_EQ(Depth(), 3) << "the line is executed first; the stop is at its next visit";
}

TEST_F(Engine, RunToCursorStopsAtTheSelectedRowOfTheSelectedProcedure) {
  Start();
  host.algorithm.selectedTab = 1;  // Fact
  host.algorithm.selectedRow = 3;  // Base
  demo->RunToCursor();
  EXPECT_EQ(Where(), "Fact:Base");
  EXPECT_EQ(Depth(), 4);
  EXPECT_EQ(demo->CursorProcName(), "Fact");
  EXPECT_EQ(demo->CursorRow(), 3);

  // A cursor in a procedure that is never reached runs to the end.
  Start();
  host.algorithm.selectedTab = 2;  // Spare
  host.algorithm.selectedRow = 0;
  demo->RunToCursor();
  EXPECT_EQ(Where(), "end");
}

TEST_F(Engine, TheEndOfMainRunsWithoutAPause) {
  Start();
  for (int i = 0; i < 13; ++i) demo->TraceInto();
  ASSERT_EQ(Where(), "Fact:End");
  pacing::StartRecording();
  demo->Run();
  EXPECT_TRUE(pacing::StopRecording().empty()) << "returning into Main's End line must not wait";
  EXPECT_EQ(Where(), "end");
  EXPECT_EQ(demo->calls.last(), "Main_AfterAgain");
  EXPECT_EQ(modalHost->Transcript(), QStringList{Finished()});
}

// While a run waits after a line, the windows show that line as the current one, in its
// procedure, even where it made a call or returned: one line marked at every wait.
TEST_F(Engine, EveryWaitShowsTheLineJustExecutedAndNoOther) {
  Start();
  QStringList shown;
  const auto previous = SetWaitObserver([&] {
    QStringList marked;
    for (int p = 0; p < demo->Procedures()->Count(); ++p) {
      const TProcedure* proc = demo->ProcedureAt(p);
      for (int i = 0; i < proc->Count(); ++i)
        if (proc->LineByIndex(i)->Current) marked << proc->Name() + ':' + proc->LineByIndex(i)->Label();
    }
    shown << QStringLiteral("%1 in %2").arg(marked.join(' '), demo->ShownProc()->Name());
  });
  Line("Fact", "Base")->Breakpoint = true;
  demo->Run();
  SetWaitObserver(previous);
  EXPECT_EQ(shown, QStringList({"Main:Begin in Main", "Fact:Begin in Fact", "Fact:Rec in Fact", "Fact:Begin in Fact",
                                "Fact:Rec in Fact"}))
      << "a call waits on its call line, in the caller; the callee's first line follows";
  EXPECT_EQ(Where(), "Fact:Base");
  EXPECT_EQ(MarkedLines(), 1);
}

TEST_F(Engine, TheRunLoopWaitsByTheSpeed) {
  for (auto [speed, wait] : {std::pair{60, 645}, std::pair{99, 8}, std::pair{0, 3605}}) {
    Start();
    Line("Fact", "Base")->Breakpoint = true;
    RunSpeed = static_cast<std::uint8_t>(speed);
    pacing::StartRecording();
    demo->Run();  // six lines to the breakpoint: a wait after each of the first five
    EXPECT_EQ(pacing::StopRecording(), std::vector<int>(5, wait)) << "speed " << speed;
  }
}

TEST_F(Engine, EscAndThePauseButtonStopAfterTheCurrentLine) {
  Start();
  host.escapeAfterPolls = 0;
  demo->Run();
  EXPECT_EQ(Where(), "Fact:Begin") << "Esc during the first wait";
  EXPECT_FALSE(demo->Running());

  host.escapeAfterPolls = -1;
  demo->pauseInBase = true;  // as if the pause button were pressed during the step
  demo->Run();
  EXPECT_EQ(Where(), "Fact:End");
  EXPECT_EQ(Depth(), 4);
}

TEST_F(Engine, MissingStepMethodsAndProceduresAreNamedAndLeaveTheRunUsable) {
  struct Case {
    const char* label;
    const char* line;
    const char* error;
  };
  for (const Case& c : {Case{"Step", "`Step@P", "demo get custom proc: nil"},
                        Case{"Test", "`Test@F{End}", "demo get condition proc: nil"},
                        Case{"Void", "`Void@F{End}", "demo get condition proc: nil"},
                        Case{"Nocall", "`Nocall@C{Fact}", "demo get call proc: nil"},
                        Case{"Missing", "`Missing@C{Nowhere}", "demo get proc: nil"}}) {
    // "Begin" has nothing to run and jumps to the line under test.
    Start({"!Main", QStringLiteral("`Begin=>") + c.label, c.line, "`End@R", "!Fact", "`Begin@R"});
    TProcLine* failing = demo->GetProcedure("Main")->LineByIndex(1);
    EXPECT_EQ(ErrorText([&] { demo->Run(); }), c.error) << c.line;
    EXPECT_FALSE(demo->Running()) << c.line;
    EXPECT_TRUE(RunButtonsEnabled()) << c.line;
    EXPECT_FALSE(toolbar.IsEnabled(ToolButton::DemoStop)) << c.line;
    EXPECT_EQ(demo->CurLine(), failing) << c.line;
    EXPECT_EQ(Depth(), 1) << c.line;
    EXPECT_EQ(host.algorithm.frames, 0) << c.line;
    EXPECT_TRUE(demo->calls.isEmpty() || demo->calls == QStringList{"Main_F_Void"})
        << c.line << ": no step ran for a call that cannot be made";
    // Another run mode works and meets the same error.
    EXPECT_EQ(ErrorText([&] { demo->TraceInto(); }), c.error) << c.line;
  }
}

TEST_F(Engine, AMissingAfterMethodFailsBeforeTheReturn) {
  Start({"!Main", "`Begin=>Lost", "`Lost@C{Fact}", "`End@R", "!Fact", "`Begin@F{End}", "`End@R"});
  for (int i = 0; i < 3; ++i) demo->TraceInto();
  ASSERT_EQ(Where(), "Fact:End");
  EXPECT_EQ(ErrorText([&] { demo->TraceInto(); }), "demo get after call proc: nil");
  EXPECT_EQ(Where(), "Fact:End");
  EXPECT_EQ(Depth(), 2);
  ASSERT_NE(demo->Locals(), nullptr);
  EXPECT_EQ(demo->Locals()->FindByName("n")->GetText(), "1") << "still the callee's locals";
  EXPECT_EQ(host.algorithm.frames, 1);
}

TEST_F(Engine, AConditionAfterACallFollowsOnlyThisReturnsAnswer) {
  Start({"!Main", "`Begin=>Again", "`Again@C{Fact}@F{Skip}", "`Middle=>End", "`Skip=>End", "`End@R", "!Fact",
         "`Begin@F{End}", "`End@R"});
  demo->againAnswer = false;
  for (int i = 0; i < 4; ++i) demo->TraceInto();
  EXPECT_EQ(Where(), "Main:Skip");
  demo->Run();
  // The next run (a reset, or new data) answers true: the line goes on to the next one.
  demo->Reset();
  demo->againAnswer = true;
  for (int i = 0; i < 4; ++i) demo->TraceInto();
  EXPECT_EQ(Where(), "Main:Middle") << "not the jump the first run's return answered";
}

TEST_F(Engine, AStepThatThrowsLeavesTheDemonstrationReadyToGoOn) {
  Start();
  demo->throwInBase = true;
  EXPECT_THROW(demo->Run(), std::runtime_error);
  EXPECT_FALSE(demo->Running());
  EXPECT_TRUE(RunButtonsEnabled());
  EXPECT_EQ(Where(), "Fact:Base");
  demo->throwInBase = false;
  demo->Run();
  EXPECT_EQ(Where(), "end");
  EXPECT_EQ(demo->results, (QList<int>{6, 1}));
}

TEST_F(Engine, WindowsFollowTheCurrentLine) {
  Start();
  host.algorithm.visibleRows = 2;
  host.algorithm.rowCount = 7;
  host.algorithm.selectedRow = 2;
  demo->TraceInto();  // into Fact(3); the row selected at the call is saved
  host.algorithm.selectedRow = 6;
  demo->TraceInto();  // to Rec, row 5
  EXPECT_EQ(host.algorithm.selectedTab, 1);
  EXPECT_EQ(host.algorithm.topRow, 4) << "row 5 centred: 5 - 2 div 2";
  demo->Run();  // no breakpoint: to the end; Main's row selected at the call comes back
  EXPECT_EQ(host.algorithm.selectedRow, 0) << "the row selected when Fact(1) was called";
  EXPECT_GT(host.variables.reloads, 0);
  EXPECT_GT(host.variables.updates, 0);
}

TEST_F(Engine, ResetStartsAgainFromAnyPoint) {
  Start();
  for (int i = 0; i < 6; ++i) demo->TraceInto();
  demo->Reset();
  EXPECT_EQ(Where(), "Main:Begin");
  EXPECT_EQ(Depth(), 1);
  EXPECT_EQ(host.algorithm.frames, 0);
  EXPECT_EQ(MarkedLines(), 1);
  demo->Run();
  EXPECT_EQ(demo->results.last(), 1);
  EXPECT_EQ(demo->results.size(), 2);
}

TEST_F(Engine, ATextWithoutProceduresStartsWithNoCurrentLine) {
  Start({"#!Hidden", "`Begin@R"});
  EXPECT_EQ(demo->CurLine(), nullptr);
  EXPECT_FALSE(RunButtonsEnabled());
  demo->Run();
  demo->StepOver();
  demo->TraceInto();
  demo->RunToCursor();
  EXPECT_EQ(Where(), "end");
  EXPECT_TRUE(modalHost->Transcript().isEmpty());
}

TEST_F(Engine, SwitchingTextsEndsAtTheNewTextsReturn) {
  Start();
  demo->TraceInto();
  demo->LoadSource({"!Fact", "`Begin@F{End}", "`Base@P", "`End@R"});
  EXPECT_EQ(host.algorithm.tabs, QStringList{"Fact"});
  EXPECT_EQ(demo->CurLine(), nullptr);
  auto args = std::make_unique<TData>();
  args->Add(new TIntData(QStringLiteral("n"), 1));
  demo->PushCall(QStringLiteral("Fact"), std::move(args));
  EnableRunButtons(true);
  EXPECT_TRUE(RunButtonsEnabled());
  demo->Run();
  EXPECT_EQ(Where(), "end");
  EXPECT_EQ(demo->calls.last(), "Fact_Base");
  EXPECT_EQ(modalHost->Transcript(), QStringList{Finished()});
}

TEST_F(Engine, ATextLoadedByAStepIsEnteredAtOnce) {
  Start({"!Main", "`Begin=>Switch", "`Switch@P", "`End@R"});
  demo->Run();  // the old text's lines are still being executed when the new one arrives
  EXPECT_EQ(Where(), "end");
  EXPECT_EQ(demo->calls, (QStringList{"Main_Switch", "switched", "Fact_F_Begin", "Fact_Base"}));
  EXPECT_EQ(modalHost->Transcript(), QStringList{Finished()});
}

TEST_F(Engine, CallTextsShowLeafValuesAndCompositeNames) {
  Start();
  auto args = std::make_unique<TData>();
  args->Add(new TRecord(QStringLiteral("pos")));
  args->Add(new TStringData(QStringLiteral("s"), QStringLiteral("ab")));
  args->Add(new TIntData(QStringLiteral("n"), -2));
  demo->PushCall(QStringLiteral("Fact"), std::move(args));
  EXPECT_EQ(demo->RunStack()->TopFrame()->CallText, "Fact(pos,'ab',-2)");
  EXPECT_EQ(ErrorText([&] { demo->PushCall(QStringLiteral("fact"), nullptr); }),
            "demo get proc: nil")
      << "procedures match with letter case";
  EXPECT_EQ(Depth(), 2);
}

TEST_F(Engine, TheVariableWindowNeverKeepsRowsOfFreedValues) {
  Start();
  demo->Run();
  ASSERT_EQ(Where(), "end");
  EXPECT_TRUE(host.variables.reloadedWithoutLocals)
      << "reloaded after the first procedure returned";
}

TEST_F(Engine, DemonstrationsAreFoundByNameAndCreatedWhole) {
  DemoClasses().Register<TFactDemo>();
  const DemoClassRegistry::Entry* cls = FindDemoClass("Fact_Demo");
  ASSERT_NE(cls, nullptr) << "\"T\" + the name without underscores, letter case ignored";
  EXPECT_EQ(FindDemoClass("factdemo"), cls);
  EXPECT_EQ(FindDemoClass("Nothing"), nullptr);

  std::unique_ptr<TAlgoDemo> made = CreateDemo(*cls, kFactText);
  auto* fact = dynamic_cast<TFactDemo*>(made.get());
  ASSERT_NE(fact, nullptr);
  EXPECT_EQ(fact->constructed, 1);
  EXPECT_EQ(host.created, 1);
  EXPECT_EQ(host.algorithm.bevel, 2);
  EXPECT_EQ(host.algorithm.border, 4);
  EXPECT_EQ(fact->Procedures()->Count(), 3);
  made.reset();
  EXPECT_EQ(host.destroyed, 1);

  // A text that cannot be parsed fails the creation and leaves no windows behind.
  EXPECT_THROW(CreateDemo(*cls, {"!Main", "`Begin@P@P@P@P@P@P@P@P@P"}), ERangeError);
  EXPECT_EQ(host.created, 2);
  EXPECT_EQ(host.destroyed, 2);
}

TEST(EngineRoutines, WaitFormulaAndDefaultMessages) {
  EXPECT_EQ(RunLoopWait(60), 645);
  EXPECT_EQ(RunLoopWait(99), 8);
  EXPECT_EQ(RunLoopWait(0), 3605);
  pacing::StartRecording();
  Delay(40);
  EXPECT_EQ(pacing::StopRecording(), std::vector<int>{40});

  modal::ScriptedHostScope modalHost;
  auto demo = CreateDemo<TFactDemo>(kFactText);  // no host: windows are do-nothing views
  demo->SaveData("x.dat");
  demo->LoadData("x.dat");
  EXPECT_EQ(modalHost->Transcript(), QStringList(2, Message(QStringLiteral("本算法不支持数据的存取！"))));
}

#include "AlgoDemoTest.moc"

TEST_F(Engine, RunFramesReadEveryCallAndNotTheOneAnAfterStepReturnsFrom) {
  TFactDemo& d = Start();
  const TRunFrames calls{d};
  while (Where() != QLatin1String("Fact:Base")) d.TraceInto();
  ASSERT_EQ(calls.Count(), 4) << "Main, Fact(3), Fact(2), Fact(1)";
  EXPECT_EQ(calls.Int(1, "n"), 3);
  EXPECT_EQ(calls.Int(3, "n"), 1) << "the innermost call's own locals";
  EXPECT_EQ(calls.Int(1, "m"), std::nullopt);
  EXPECT_EQ(calls.CalledFrom(1), QStringLiteral("Begin"));
  EXPECT_EQ(calls.CalledFrom(2), QStringLiteral("Rec"));
  EXPECT_EQ(calls.CalledFrom(0), QString()) << "the first procedure was called by no line";
  EXPECT_EQ(calls.Procedure(0), QStringLiteral("Main"));
  EXPECT_EQ(calls.Line(1), QStringLiteral("Rec")) << "a caller stands on the line of its call";
  EXPECT_EQ(calls.Line(3), QStringLiteral("Base"));
  EXPECT_EQ(calls.Locals(4), nullptr);

  // Inside Main's After step the call of Fact(3) has returned, though its frame is still on
  // the engine's stack.
  int countInAfter = -1;
  QString lineInAfter;
  d.onAfter = [&] {
    if (d.CurProc()->Name() != QLatin1String("Main")) return;
    countInAfter = calls.Count();
    lineInAfter = calls.Line(0);
  };
  while (Where() == QLatin1String("Fact:Base") || d.CurProc()->Name() != QLatin1String("Main")) d.TraceInto();
  EXPECT_EQ(countInAfter, 1);
  EXPECT_EQ(lineInAfter, QStringLiteral("Begin"));
  d.onAfter = nullptr;
  d.Run();
  EXPECT_EQ(calls.Count(), 0) << "no run stands";
}
