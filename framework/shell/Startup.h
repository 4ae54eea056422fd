#pragma once
// The program's start-up, shared by velkora and the scripted driver: the application's
// title and the six windows in their order — the selection window (the main window:
// closing it ends the program), the demonstration window, the text holder, the
// description, call-stack and options windows. The demonstrations are registered before
// (RegisterAllDemos). Destroying the object frees the current demonstration, then the
// windows in the reverse order.
#include <memory>

class TAlgoSelectForm;
class TCallStackForm;
class TDemoDescriptForm;
class TMainForm;
class TOptionsForm;

class TProgramWindows {
 public:
  TProgramWindows();
  ~TProgramWindows();
  TProgramWindows(const TProgramWindows&) = delete;
  TProgramWindows& operator=(const TProgramWindows&) = delete;

 private:
  std::unique_ptr<TAlgoSelectForm> select_;
  std::unique_ptr<TMainForm> main_;
  std::unique_ptr<TDemoDescriptForm> descript_;
  std::unique_ptr<TCallStackForm> callStack_;
  std::unique_ptr<TOptionsForm> options_;
};
