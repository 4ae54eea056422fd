#pragma once
// The program's start-up, shared by velkora and the scripted driver: the application's
// title, the selection window (the main window: closing it ends the program) and the
// demonstration window, hidden behind it. The demonstrations are registered before
// (RegisterAllDemos). What the selection window does not show waits until it is first
// needed: the texts are read when a demonstration starts, the description, call-stack and
// options windows are made when asked for. Destroying the object frees the current
// demonstration, then the windows in the reverse order.
#include <memory>

class TAlgoSelectForm;
class TMainForm;

class TProgramWindows {
 public:
  TProgramWindows();
  ~TProgramWindows();
  TProgramWindows(const TProgramWindows&) = delete;
  TProgramWindows& operator=(const TProgramWindows&) = delete;

 private:
  std::unique_ptr<TAlgoSelectForm> select_;
  std::unique_ptr<TMainForm> main_;
};
