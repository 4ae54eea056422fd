#pragma once
// TAlgoDemo, the base of every demonstration: it parses an annotated algorithm text into
// procedures and runs it line by line like a program under a small debugger. Each line's
// directives call the demonstration's step methods by name; "@C" and "@R" push and pop
// call frames; the algorithm and variable windows follow (through DemoViews.h).
//
// Writing a demonstration:
//   class TAckman : public TAlgoDemo {
//     Q_OBJECT
//    public:
//     using TAlgoDemo::TAlgoDemo;              // constructor (const QStringList& source)
//     bool CreateData() override;              // input dialog; false when cancelled
//     void SetWindowRect() override;           // docks its windows
//     // Optional: GetInitialParam (the first procedure's locals; an empty record by
//     // default), GetGlobalData, ShowGraph, ClearGraph, Reset, UpdateChildWindow.
//     // Step methods, found by name: P_L ("@P"), P_F_L ("@F", returns bool),
//     // P_C_L ("@C", returns a NEW node: the callee's locals, adopted by the engine),
//     // P_AfterL (after the call made on line L returned). P = procedure, L = label.
//     Q_INVOKABLE TData* Main_C_Begin();
//     Q_INVOKABLE void Main_AfterBegin();
//     Q_INVOKABLE bool Ackman_F_Begin();
//   };
//   The callee's locals and typed access to the current frame's variables: CallFrame.h.
//   Registered with DemoClasses().Register<TAckman>(); created with CreateDemo.
//
// Creation runs in two steps because C++ constructors cannot call overrides: the C++
// constructor only stores the text; CreateDemo then calls Construct(), which creates the
// windows (CreateChildWindow), parses the text and finally calls AfterConstruction().
// Put what the demonstration does "after the inherited constructor" there.
// Destruction: ~TAlgoDemo frees the engine's data and calls the base DestroyChildWindow;
// a demonstration frees its own windows in its own destructor (owned members do it).
#include <QMetaMethod>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

#include "framework/engine/CallFrame.h"
#include "framework/engine/Data.h"
#include "framework/engine/Proc.h"
#include "platform/ClassRegistry.h"

// A call frame: the line that made the call, the caller's locals (owned while saved), the
// algorithm window's selected row at the time of the call, and the call text "Fact(2)".
class TProcContext : public TData {
 public:
  TProcContext() : TData(QStringLiteral("@Context")) {}
  TProcLine* ReturnLine = nullptr;  // nullptr for the first procedure
  std::unique_ptr<TData> SavedLocals;
  int SavedRow = 0;
  QString CallText;
};

// The stack of call frames, innermost on top.
class TRunStack : public TStack {
 public:
  TRunStack() : TStack(QStringLiteral("RunStack")) { SetItemClass<TProcContext>(); }
  TProcContext* Frame(int i) const { return static_cast<TProcContext*>(Items(i)); }
  TProcContext* TopFrame() const { return static_cast<TProcContext*>(Top()); }
};

class TAlgoDemo : public QObject {
  Q_OBJECT

 public:
  explicit TAlgoDemo(const QStringList& source);
  ~TAlgoDemo() override;

  // The creation steps that call overridable operations (see above). Called once.
  void Construct();

  // ---- State read by the windows and the demonstrations
  TRunStack* RunStack() const { return runStack_.get(); }
  TData* Locals() const { return locals_.get(); }
  TData* Globals() const { return globals_.get(); }
  TProcedure* CurProc() const { return curProc_; }
  // The procedure and line the windows show executing: CurProc and CurLine as
  // UpdateChildWindow (or a call made outside a run) last showed them. While a run waits
  // between two lines they still show the line just executed, in its procedure, though it
  // has already moved CurLine on, into a call or out of one.
  const TProcedure* ShownProc() const { return shownProc_; }
  const TProcLine* ShownLine() const { return shownLine_; }
  TData* Procedures() const { return procedures_.get(); }
  TProcedure* ProcedureAt(int i) const { return static_cast<TProcedure*>(procedures_->Items(i)); }
  TProcLine* CurLine() const { return curLine_; }
  TProcLine* PrevLine() const { return prevLine_; }
  int StartDepth() const { return startDepth_; }
  const QStringList& Description() const { return description_; }
  bool Running() const { return running_; }
  bool StopRequest() const { return stopRequest_; }
  // The pause button: the run loop stops after the current line.
  void SetStopRequest(bool v) { stopRequest_ = v; }
  int CursorRow() const { return cursorRow_; }
  const QString& CursorProcName() const { return cursorProcName_; }
  // A variable of the current frame (Locals), typed; see CallFrame.h.
  template <class T = TIntData>
  TFrameVar<T> Var(const char* name) const {
    return TFrameVar<T>(Locals(), name);
  }
  // The locals of the procedure that called the current one; none in the first procedure.
  TData* CallerLocals() const {
    const TProcContext* frame = runStack_->TopFrame();
    return frame != nullptr ? frame->SavedLocals.get() : nullptr;
  }
  // A variable of the caller's frame (where a call keeps what it returns), typed.
  template <class T = TIntData>
  TFrameVar<T> CallerVar(const char* name) const {
    return TFrameVar<T>(CallerLocals(), name);
  }

  // ---- Overridable operations
  // End of run: the message "算法演示完毕。".
  virtual void DemoFinished();
  // Creates the algorithm and variable windows through the installed host (none without
  // one). Overrides call it first, then create their own windows.
  virtual void CreateChildWindow();
  // Frees the algorithm and variable windows and undocks the demonstration window.
  virtual void DestroyChildWindow();
  // The algorithm's global variables; none by default.
  virtual std::unique_ptr<TData> GetGlobalData();
  // Becomes the first procedure's Locals; an empty record by default, so that steps of the
  // first procedure may add variables to it.
  virtual std::unique_ptr<TData> GetInitialParam();
  // Asks for the input; false when the user cancelled.
  virtual bool CreateData() = 0;
  // Called at the end of every call with the callee's name.
  virtual void ResetLocalData(const QString& procName);
  virtual void SaveData(const QString& fileName);
  virtual void LoadData(const QString& fileName);
  // Docks the demonstration's windows (docking routines of the demonstration window).
  virtual void SetWindowRect() = 0;
  virtual void Reset();
  virtual void UpdateChildWindow();
  // Redraws the demonstration's drawing after its window was resized; nothing by default.
  virtual void ShowGraph() {}
  // Clears the drawing at the end of Reset; nothing by default.
  virtual void ClearGraph() {}
  // The last step of Construct.
  virtual void AfterConstruction() {}

  // ---- Text and calls
  void SetDescription(const QStringList& lines) { description_ = lines; }
  // Replaces the procedures with those of source and the algorithm window's tabs with
  // theirs. The current line and procedure become none, and frames on the stack forget
  // their return lines (they belonged to the old text). A text that fails to parse
  // leaves the old one in place.
  void LoadSource(const QStringList& source);
  // The procedure named so (exactly); raises EDemoError "demo get proc: nil".
  TProcedure* GetProcedure(const QString& name) const;
  // Enters a procedure: a frame is pushed and args (adopted; may be none) become Locals.
  void PushCall(const QString& procName, std::unique_ptr<TData> args);
  // Returns from the current procedure to the line that called it (or ends the run).
  void PopCall();
  // Forgets every call frame and the locals: no procedure is entered (what Reset does
  // before it enters the first procedure again). For demonstrations that start each
  // operation of their own with PushCall.
  void DropFrames();

  // Step-method calls for a line of CurProc. A missing method (or one of the wrong kind)
  // raises EDemoError before anything has changed.
  void CallCustomMethod(const TProcLine& line);
  bool CallConditionMethod(const TProcLine& line);
  // Also checks that the callee exists before the step method runs; adds a nested frame.
  std::unique_ptr<TData> CallCallMethod(const TProcLine& line, const QString& callee);
  void CallAfterMethod(const TProcLine& line);

  // ---- Run modes; each does nothing while a run is active.
  void Run();
  void StepOver();
  void TraceInto();
  void RunToCursor();

 private:
  QMetaMethod FindStepMethod(const QString& procName, const QString& kind, const QString& label,
                             const char* missingText) const;
  void RunMode(const std::function<bool()>& stopTest);
  void RunLoop(const std::function<bool()>& stopTest);
  QString CallText(const QString& procName, const TData* args) const;

  QStringList source_;  // the text given at creation, parsed by Construct
  std::unique_ptr<TRunStack> runStack_;
  std::unique_ptr<TData> locals_;
  std::unique_ptr<TData> globals_;
  TProcedure* curProc_ = nullptr;
  const TProcedure* shownProc_ = nullptr;
  const TProcLine* shownLine_ = nullptr;
  std::unique_ptr<TData> procedures_;
  // Procedures replaced by LoadSource during a run stay alive until the run ends, since
  // the line being executed belongs to them.
  std::vector<std::unique_ptr<TData>> retired_;
  TProcLine* curLine_ = nullptr;
  int startDepth_ = 0;
  TProcLine* prevLine_ = nullptr;
  QStringList description_;
  bool running_ = false;
  bool stopRequest_ = false;
  int cursorRow_ = 0;
  QString cursorProcName_;
  int sourceGeneration_ = 0;
};

// The registry of demonstration classes, filled at start-up by each chapter's list.
using DemoClassRegistry = ClassRegistry<TAlgoDemo, const QStringList&>;
DemoClassRegistry& DemoClasses();
// The class of a demonstration name: "T" + name without "_", letter case ignored.
const DemoClassRegistry::Entry* FindDemoClass(const QString& name);
// Creates and constructs a demonstration; a text that fails to parse throws and leaves
// nothing behind (its windows are freed again).
std::unique_ptr<TAlgoDemo> CreateDemo(const DemoClassRegistry::Entry& cls,
                                      const QStringList& source);
template <class T>
std::unique_ptr<T> CreateDemo(const QStringList& source) {
  auto demo = std::make_unique<T>(source);
  demo->Construct();
  return demo;
}

// What a text asks of a demonstration class that the class lacks: for each directive the
// step method of its kind ("@P" a void Proc_Label, "@F" a bool Proc_F_Label, "@C" a TData*
// Proc_C_Label and a void Proc_AfterLabel, and the procedure it calls) and the lines that
// jumps name. Empty when the class can run the text; a text that does not parse gives the
// parser's message.
QStringList CheckStepMethods(const QMetaObject& demoClass, const QStringList& source);

// Enables the run buttons when enable is set and CurrentDemo has a current line; the
// reset, return, breakpoint and data buttons as enable; the pause button as its opposite.
void EnableRunButtons(bool enable);
// Turns off the four buttons that run lines (执行, 单步, 跟踪, 执行到) and nothing else: a
// demonstration waiting for its own buttons between runs, where 暂停 must stay off too.
void DisableRunKeys();
// Waits ms on the millisecond clock without processing anything.
void Delay(int ms);
// The run loop's wait between two lines at a speed 0 .. 99: (104 - speed)^2 div 3 ms.
int RunLoopWait(int speed);
// Told after every line a run executes, once the windows show it (the scripted driver's
// checks at every step); nothing is told in the program. Returns the one set before.
std::function<void()> SetLineObserver(std::function<void()> observer);
// Told at every wait between two lines of a run, once what was pending has been painted:
// what the windows show while the run waits. Returns the one set before.
std::function<void()> SetWaitObserver(std::function<void()> observer);
