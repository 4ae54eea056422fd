#pragma once
// A fixture for running one demonstration of this chapter on its own: no shell windows (the
// engine's views do nothing), the compiled-in text of the chosen language, messages answered
// and recorded by the scripted modal host.
#include <gtest/gtest.h>

#include <memory>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/AlgoSrc.h"
#include "framework/engine/Globals.h"
#include "tests/support/ScriptedModalHost.h"

template <class T>
class AloneRun : public ::testing::Test {
 protected:
  void TearDown() override {
    demo_.reset();
    CurrentDemo = nullptr;
    UseCLanguage = false;
  }
  // Creates the demonstration of text "P_name" or "C_name", lets prepare set its input,
  // makes it current and resets it.
  template <class Prepare>
  T& StartAlone(const QString& name, bool useC, Prepare prepare) {
    UseCLanguage = useC;
    const TAlgoSrc* text = ProcSrcContainer().FindText((useC ? "C_" : "P_") + name);
    EXPECT_NE(text, nullptr) << name.toStdString();
    demo_ = CreateDemo<T>(text != nullptr ? text->Source : QStringList());
    prepare(*demo_);
    CurrentDemo = demo_.get();
    demo_->Reset();
    return *demo_;
  }
  // Traces until the next line labelled label, or the end of the run.
  void TraceTo(const QString& label) {
    do demo_->TraceInto();
    while (demo_->CurLine() != nullptr && demo_->CurLine()->Label() != label);
  }

  modal::ScriptedHostScope host_;
  std::unique_ptr<T> demo_;
};
