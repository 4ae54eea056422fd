#include "framework/engine/AlgoDemo.h"

#include <algorithm>
#include <utility>

#include "framework/engine/BasicData.h"
#include "framework/engine/DemoViews.h"
#include "framework/engine/Errors.h"
#include "framework/engine/Globals.h"
#include "platform/MethodLookup.h"
#include "platform/ModalHost.h"
#include "platform/Pacing.h"

TAlgoDemo::TAlgoDemo(const QStringList& source) : source_(source) {}

void TAlgoDemo::Construct() {
  description_.clear();
  cursorRow_ = 0;
  CreateChildWindow();
  procedures_ = std::make_unique<TData>(QStringLiteral("Procedures"));
  procedures_->SetItemClass<TProcedure>();
  runStack_ = std::make_unique<TRunStack>();
  LoadSource(std::exchange(source_, {}));
  views::Algorithm().SetFrameBevelWidth(2);
  views::Algorithm().SetFrameBorderWidth(4);
  running_ = false;
  AfterConstruction();
}

TAlgoDemo::~TAlgoDemo() {
  // Windows still holding this demonstration must not paint from it while it goes.
  if (CurrentDemo == this) CurrentDemo = nullptr;
  curLine_ = prevLine_ = nullptr;
  curProc_ = nullptr;
  runStack_.reset();  // frames own the callers' saved locals
  locals_.reset();
  globals_.reset();
  procedures_.reset();
  retired_.clear();
  views::Algorithm().ClearProcTabs();
  // Only the base version can run here; a demonstration frees its own windows in its
  // destructor, which has already run.
  TAlgoDemo::DestroyChildWindow();
}

// ---- Overridable operations with defaults

void TAlgoDemo::DemoFinished() { modal::ShowMessage(QStringLiteral("算法演示完毕。")); }

void TAlgoDemo::CreateChildWindow() {
  if (IDemoHost* host = views::Host()) host->CreateChildWindows();
}

void TAlgoDemo::DestroyChildWindow() {
  if (IDemoHost* host = views::Host()) host->DestroyChildWindows();
}

std::unique_ptr<TData> TAlgoDemo::GetGlobalData() { return nullptr; }
std::unique_ptr<TData> TAlgoDemo::GetInitialParam() { return std::make_unique<TData>(QString()); }
void TAlgoDemo::ResetLocalData(const QString&) {}

void TAlgoDemo::SaveData(const QString&) {
  modal::ShowMessage(QStringLiteral("本算法不支持数据的存取！"));
}

void TAlgoDemo::LoadData(const QString&) {
  modal::ShowMessage(QStringLiteral("本算法不支持数据的存取！"));
}

void TAlgoDemo::DropFrames() {
  views::Algorithm().ClearFrames();
  runStack_->Clear();
  locals_.reset();
  if (curLine_ != nullptr) curLine_->Current = false;
  prevLine_ = curLine_ = nullptr;
  curProc_ = nullptr;
  // The rows of the variable window pointed at the values just freed.
  views::Variables().ReloadVariables();
}

void TAlgoDemo::Reset() {
  globals_.reset();
  DropFrames();
  if (TProcedure* first = ProcedureAt(0)) {
    globals_ = GetGlobalData();
    PushCall(first->Name(), GetInitialParam());
  }
  ClearGraph();
  UpdateChildWindow();
  views::Toolbar().EnableButton(ToolButton::CallStack, true);
  EnableRunButtons(true);
}

void TAlgoDemo::UpdateChildWindow() {
  IAlgorithmView& algo = views::Algorithm();
  if (curProc_ != nullptr) algo.SelectTab(procedures_->IndexOf(curProc_));
  if (curLine_ != nullptr) algo.ShowRow(curLine_->LineNo());
  algo.Refresh();
  views::Variables().UpdateValues();
}

// ---- Text and calls

void TAlgoDemo::LoadSource(const QStringList& source) {
  auto fresh = std::make_unique<TData>(QStringLiteral("Procedures"));
  fresh->SetItemClass<TProcedure>();
  ParseSource(source, *fresh);  // throws before anything below changes

  if (curLine_ != nullptr) curLine_->Current = false;
  curLine_ = prevLine_ = nullptr;
  curProc_ = nullptr;
  for (int i = 0; i < runStack_->Count(); ++i) {
    if (TProcContext* frame = runStack_->Frame(i)) frame->ReturnLine = nullptr;
  }
  if (running_) {
    retired_.push_back(std::move(procedures_));
  } else {
    retired_.clear();
  }
  procedures_ = std::move(fresh);
  sourceGeneration_ += 1;

  IAlgorithmView& algo = views::Algorithm();
  algo.ClearProcTabs();
  for (int i = 0; i < procedures_->Count(); ++i) algo.AddProcTab(ProcedureAt(i)->Name());
}

TProcedure* TAlgoDemo::GetProcedure(const QString& name) const {
  auto* proc = static_cast<TProcedure*>(procedures_->FindByName(name));
  if (proc == nullptr) throw EDemoError(QStringLiteral("demo get proc: nil"));
  return proc;
}

QString TAlgoDemo::CallText(const QString& procName, const TData* args) const {
  if (args == nullptr || args->Count() == 0) return procName;
  QStringList parts;
  for (int i = 0; i < args->Count(); ++i) {
    const TData* a = args->Items(i);
    if (a == nullptr) {
      parts << QString();
    } else {
      parts << (dynamic_cast<const TLeafData*>(a) ? a->GetText() : a->Name());
    }
  }
  return procName + '(' + parts.join(',') + ')';
}

void TAlgoDemo::PushCall(const QString& procName, std::unique_ptr<TData> args) {
  TProcedure* proc = GetProcedure(procName);  // before anything changes
  auto frame = std::make_unique<TProcContext>();
  frame->ReturnLine = curLine_;
  frame->SavedLocals = std::move(locals_);
  frame->SavedRow = views::Algorithm().SelectedRow();
  frame->CallText = CallText(procName, args.get());
  curProc_ = proc;
  TProcLine* begin = proc->FirstLine();
  if (begin != nullptr) begin->Current = true;
  locals_ = std::move(args);
  runStack_->Push(std::move(frame));
  curLine_ = begin;
  ResetLocalData(procName);
  views::Variables().ReloadVariables();
}

void TAlgoDemo::PopCall() {
  TProcContext* frame = runStack_->TopFrame();
  if (frame == nullptr) {
    curLine_ = nullptr;
    return;
  }
  TProcLine* back = frame->ReturnLine;
  // A missing "_After" method fails before the return has changed anything.
  if (back != nullptr) {
    FindStepMethod(back->Procedure()->Name(), QStringLiteral("_After"), back->Label(),
                   "demo get after call proc: nil");
  }
  curLine_ = back;
  IAlgorithmView& algo = views::Algorithm();
  if (algo.RowCount() > frame->SavedRow) algo.SetSelectedRow(frame->SavedRow);
  locals_ = std::move(frame->SavedLocals);
  if (curLine_ == nullptr) {
    // The first procedure returned: the frame stays, the run has ended.
    views::Variables().ReloadVariables();
    DemoFinished();
    return;
  }
  curProc_ = curLine_->Procedure();
  try {
    CallAfterMethod(*curLine_);
    curLine_->ResumeAfterCall(*this);
  } catch (...) {
    // A step that fails after the return still leaves a consistent stack: the frame goes.
    runStack_->Pop().reset();
    views::Variables().ReloadVariables();
    throw;
  }
  // Popped and freed (the returned unique_ptr goes at once).
  runStack_->Pop().reset();
  views::Variables().ReloadVariables();
}

QMetaMethod TAlgoDemo::FindStepMethod(const QString& procName, const QString& kind,
                                      const QString& label, const char* missingText) const {
  const QByteArray name = (procName + kind + label).toUtf8();
  const QMetaMethod m = methods::Find(this, name);
  if (!m.isValid()) throw EDemoError(QString::fromLatin1(missingText));
  return m;
}

void TAlgoDemo::CallCustomMethod(const TProcLine& line) {
  const char* missing = "demo get custom proc: nil";
  const QMetaMethod m =
      FindStepMethod(curProc_->Name(), QStringLiteral("_"), line.Label(), missing);
  if (!methods::CallVoid(this, m)) throw EDemoError(QString::fromLatin1(missing));
}

bool TAlgoDemo::CallConditionMethod(const TProcLine& line) {
  const char* missing = "demo get condition proc: nil";
  const QMetaMethod m =
      FindStepMethod(curProc_->Name(), QStringLiteral("_F_"), line.Label(), missing);
  bool result = false;
  if (!methods::CallBool(this, m, result)) throw EDemoError(QString::fromLatin1(missing));
  return result;
}

std::unique_ptr<TData> TAlgoDemo::CallCallMethod(const TProcLine& line, const QString& callee) {
  const char* missing = "demo get call proc: nil";
  const QMetaMethod m =
      FindStepMethod(curProc_->Name(), QStringLiteral("_C_"), line.Label(), missing);
  if (m.returnMetaType() != QMetaType::fromType<TData*>()) {
    throw EDemoError(QString::fromLatin1(missing));
  }
  GetProcedure(callee);  // a missing callee fails before the step has run
  void* result = nullptr;
  if (!methods::CallPointer(this, m, result)) throw EDemoError(QString::fromLatin1(missing));
  std::unique_ptr<TData> args(static_cast<TData*>(result));
  views::Algorithm().PushFrame();
  return args;
}

void TAlgoDemo::CallAfterMethod(const TProcLine& line) {
  const char* missing = "demo get after call proc: nil";
  const QMetaMethod m =
      FindStepMethod(curProc_->Name(), QStringLiteral("_After"), line.Label(), missing);
  bool called = false;
  try {
    called = methods::CallVoid(this, m);
  } catch (...) {
    views::Algorithm().PopFrame();  // the call's frame is gone whatever the step did
    throw;
  }
  views::Algorithm().PopFrame();
  if (!called) throw EDemoError(QString::fromLatin1(missing));
}

// ---- Run modes

void TAlgoDemo::Run() {
  RunMode([this] { return curLine_->Breakpoint; });
}

void TAlgoDemo::StepOver() {
  RunMode([this] { return curLine_->Breakpoint || runStack_->Count() == startDepth_; });
}

void TAlgoDemo::TraceInto() {
  RunMode([] { return true; });
}

void TAlgoDemo::RunToCursor() {
  if (running_) return;
  const IAlgorithmView& algo = views::Algorithm();
  cursorRow_ = algo.SelectedRow();
  const TProcedure* shown = ProcedureAt(std::max(algo.SelectedTab(), 0));
  cursorProcName_ = shown != nullptr ? shown->Name() : QString();
  RunMode([this] {
    if (curLine_->Breakpoint) return true;
    return curLine_ == curProc_->LineByIndex(cursorRow_) && curProc_->Name() == cursorProcName_;
  });
}

void TAlgoDemo::RunMode(const std::function<bool()>& stopTest) {
  if (running_) return;
  EnableRunButtons(false);
  running_ = true;
  try {
    RunLoop(stopTest);
  } catch (...) {
    // The error is shown by the application's handler; the demonstration stays usable,
    // paused on the line that failed.
    running_ = false;
    retired_.clear();
    EnableRunButtons(true);
    throw;
  }
  running_ = false;
  retired_.clear();
  EnableRunButtons(true);
}

int RunLoopWait(int speed) { return (104 - speed) * (104 - speed) / 3; }

namespace {
std::function<void()>& LineObserver() {
  static std::function<void()> observer;
  return observer;
}
}  // namespace

std::function<void()> SetLineObserver(std::function<void()> observer) {
  return std::exchange(LineObserver(), std::move(observer));
}

void TAlgoDemo::RunLoop(const std::function<bool()>& stopTest) {
  stopRequest_ = false;
  startDepth_ = runStack_->Count();
  const auto stopped = [this] {
    if (!stopRequest_) {
      IDemoHost* host = views::Host();
      if (host != nullptr && host->TakeEscape()) stopRequest_ = true;
    }
    return stopRequest_;
  };
  const auto step = [this] {
    prevLine_ = curLine_;
    const int generation = sourceGeneration_;
    TProcLine* next = curLine_->Execute(*this);
    // A step that loaded another text has already entered it (PushCall).
    if (generation == sourceGeneration_) curLine_ = next;
  };

  while (!stopRequest_) {
    if (curLine_ == nullptr) {
      stopRequest_ = true;
      break;
    }
    step();
    if (curLine_ != nullptr && curProc_ != nullptr && curProc_->Name() == QLatin1String("Main") &&
        curLine_->Label() == QLatin1String("End")) {
      // The end of the outermost procedure never waits for another step.
      if (prevLine_ != nullptr) prevLine_->Current = false;
      curLine_->Current = true;
      pacing::ProcessMessages();
      step();
    }
    if (curLine_ == nullptr || stopTest()) {
      stopRequest_ = true;
    } else {
      pacing::WaitProcessing(RunLoopWait(RunSpeed), stopped);
    }
    if (prevLine_ != nullptr) prevLine_->Current = false;
    if (curLine_ != nullptr) curLine_->Current = true;
    UpdateChildWindow();
    if (LineObserver()) LineObserver()();
  }
}

// ---- Registry and plain routines

DemoClassRegistry& DemoClasses() {
  static DemoClassRegistry registry;
  return registry;
}

const DemoClassRegistry::Entry* FindDemoClass(const QString& name) {
  return DemoClasses().Find(QStringLiteral("T") + QString(name).remove('_'));
}

std::unique_ptr<TAlgoDemo> CreateDemo(const DemoClassRegistry::Entry& cls,
                                      const QStringList& source) {
  std::unique_ptr<TAlgoDemo> demo = cls.create(source);
  demo->Construct();  // on a failure the unique_ptr frees the half-made demonstration
  return demo;
}

void EnableRunButtons(bool enable) {
  const bool canRun = enable && CurrentDemo != nullptr && CurrentDemo->CurLine() != nullptr;
  IRunToolbar& bar = views::Toolbar();
  bar.EnableButton(ToolButton::DemoRun, canRun);
  bar.EnableButton(ToolButton::StepOver, canRun);
  bar.EnableButton(ToolButton::TraceInto, canRun);
  bar.EnableButton(ToolButton::RunToCursor, canRun);
  bar.EnableButton(ToolButton::DemoReset, enable);
  bar.EnableButton(ToolButton::Return, enable);
  bar.EnableButton(ToolButton::BreakPnt, enable);
  bar.EnableButton(ToolButton::AlgData, enable);
  bar.EnableButton(ToolButton::DemoStop, !enable);
}

void Delay(int ms) { pacing::Delay(ms); }

QStringList CheckStepMethods(const QMetaObject& demoClass, const QStringList& source) {
  TData procedures(QStringLiteral("Procedures"));
  procedures.SetItemClass<TProcedure>();
  try {
    ParseSource(source, procedures);
  } catch (const Exception& e) {
    return {e.Message()};
  }
  QStringList problems;
  const auto need = [&](const QString& name, QMetaType returns) {
    const QMetaMethod m = methods::Find(demoClass, name.toUtf8());
    if (!m.isValid())
      problems << QStringLiteral("%1: no step method %2").arg(QString::fromLatin1(demoClass.className()), name);
    else if (m.returnMetaType() != returns)
      problems << QStringLiteral("%1: %2 must return %3")
                      .arg(QString::fromLatin1(demoClass.className()), name,
                           QString::fromLatin1(returns.isValid() ? returns.name() : "void"));
  };
  const auto needLine = [&](const TProcedure& proc, const QString& label) {
    if (!label.isEmpty() && proc.LineByLabel(label) == nullptr)
      problems << QStringLiteral("%1: no line labelled %2").arg(proc.Name(), label);
  };
  for (int p = 0; p < procedures.Count(); ++p) {
    const auto& proc = static_cast<const TProcedure&>(*procedures.Items(p));
    for (int i = 0; i < proc.Count(); ++i) {
      const TProcLine* line = proc.LineByIndex(i);
      if (line == nullptr) continue;
      needLine(proc, line->GotoLabel());
      const QString stem = proc.Name() + QLatin1Char('_');
      for (int d = 1; d <= line->DirectiveCount(); ++d) {
        const TDirective& directive = line->Directive(d);
        const QString arg = directive.Args.isEmpty() ? QString() : directive.Args.first();
        switch (directive.Letter.unicode()) {
          case 'P':
            need(stem + line->Label(), QMetaType::fromType<void>());
            needLine(proc, arg);
            break;
          case 'F':
            need(stem + QStringLiteral("F_") + line->Label(), QMetaType::fromType<bool>());
            needLine(proc, arg);
            break;
          case 'C':
            need(stem + QStringLiteral("C_") + line->Label(), QMetaType::fromType<TData*>());
            need(stem + QStringLiteral("After") + line->Label(), QMetaType::fromType<void>());
            if (procedures.FindByName(arg) == nullptr)
              problems << QStringLiteral("%1: calls %2, which the text does not define").arg(proc.Name(), arg);
            break;
          default:
            break;
        }
      }
    }
  }
  return problems;
}
