#pragma once
// The whole program for a test: every demonstration registered, the program's windows and
// the scripted modal host, with one demonstration started by name as its catalogue leaf
// starts it. Queue the answers to its input dialogs on host_ before Start.
//
//   class AckmanRun : public ProgramRun<TAckman> {};   // ProgramRun<TTrains, TestWithParam<bool>>
//   TEST_F(AckmanRun, ...) {
//     host_->QueueDialog("MEdit=1 NEdit=1 OK");
//     Start("Ackman");
//     if (HasFatalFailure()) return;
//     TraceTo("Ackman", "End");
//   }
#include <gtest/gtest.h>

#include <memory>

#include "demos/DemoList.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/Startup.h"
#include "tests/support/ScriptedModalHost.h"

template <class Demo, class Base = ::testing::Test>
class ProgramRun : public Base {
 protected:
  // Starts the demonstration in Pascal (or C); a second start makes the windows afresh.
  void Start(const QString& name, bool useC = false) {
    RegisterAllDemos();
    windows_.reset();
    windows_ = std::make_unique<TProgramWindows>();
    MainForm->StartDemo(name, useC);
    demo_ = dynamic_cast<Demo*>(CurrentDemo);
    ASSERT_NE(demo_, nullptr) << Said().toStdString();
  }
  void TearDown() override { windows_.reset(); }

  // Steps into every line until procedure's line labelled label is current.
  void TraceTo(const char* procedure, const char* label) {
    while (demo_->CurLine() != nullptr && !(demo_->CurProc()->Name() == QLatin1String(procedure) &&
                                             demo_->CurLine()->Label() == QLatin1String(label)))
      demo_->TraceInto();
    ASSERT_NE(demo_->CurLine(), nullptr) << "the run ended before " << procedure << "_" << label;
  }
  // Every modal window shown so far, a line each.
  QString Said() { return host_->Transcript().join('\n'); }

  modal::ScriptedHostScope host_;
  std::unique_ptr<TProgramWindows> windows_;
  Demo* demo_ = nullptr;
};
