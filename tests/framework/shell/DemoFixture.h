#pragma once
// A small recursive demonstration and a host that gives it real algorithm and variable
// windows, for the tests of those windows.
#include <gtest/gtest.h>

#include <memory>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"
#include "framework/engine/DemoViews.h"
#include "framework/engine/Globals.h"
#include "framework/shell/AlgoForm.h"
#include "framework/shell/VarForm.h"
#include "tests/support/ScriptedModalHost.h"

// Rec(k) calls Rec(k - 1) while k > 0; every return adds one to the global "calls" and
// copies it into the field "b" of the global record "p".
// Rec's text may be padded between its call and its end, and before its call, so that it
// has more rows than fit.
class TRecDemo : public TAlgoDemo {
  Q_OBJECT
 public:
  using TAlgoDemo::TAlgoDemo;
  static QStringList Text(int recPadding = 0, int paddingBeforeCall = 0);
  int Depth = 4;
  TIntData* Calls = nullptr;
  TRecord* P = nullptr;

  bool CreateData() override { return true; }
  void SetWindowRect() override {}
  void ShowGraph() override {}
  void ClearGraph() override {}
  std::unique_ptr<TData> GetGlobalData() override;

  Q_INVOKABLE TData* Main_C_Begin();
  Q_INVOKABLE void Main_AfterBegin() {}
  Q_INVOKABLE bool Rec_F_Begin();
  Q_INVOKABLE TData* Rec_C_Call();
  Q_INVOKABLE void Rec_AfterCall();
};

class TTestDemoHost : public IDemoHost {
 public:
  std::unique_ptr<TAlgorithmForm> Algorithm;
  std::unique_ptr<TVariableForm> Variables;
  QSize AlgorithmSize{420, 300};

  void CreateChildWindows() override;
  void DestroyChildWindows() override;
  bool TakeEscape() override { return false; }
};

class DemoWindows : public ::testing::Test {
 protected:
  void SetUp() override { views::SetHost(&host); }
  void TearDown() override;
  // Creates, makes current and resets a demonstration of the text.
  TRecDemo& Start(const QStringList& text, int depth = 4);
  TAlgorithmForm& Algo() { return *host.Algorithm; }
  TVariableForm& Vars() { return *host.Variables; }

  modal::ScriptedHostScope modalHost;
  TTestDemoHost host;
  std::unique_ptr<TRecDemo> demo;
};
