#include "framework/shell/Startup.h"

#include "framework/engine/AlgoSrc.h"
#include "framework/shell/AlgoSelect.h"
#include "framework/shell/CallStackForm.h"
#include "framework/shell/DemoDescriptForm.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/OptionsForm.h"
#include "platform/ModalHost.h"

TProgramWindows::TProgramWindows() {
  modal::SetAppTitle(QStringLiteral("Velkora 数据结构算法演示"));
  select_ = std::make_unique<TAlgoSelectForm>();
  AlgoSelectForm = select_.get();
  main_ = std::make_unique<TMainForm>();
  MainForm = main_.get();
  views::SetToolbar(MainForm);
  views::SetHost(MainForm);
  select_->SetHost(MainForm);
  ProcSrcContainer();  // loads every text, description and theme
  descript_ = std::make_unique<TDemoDescriptForm>();
  DemoDescriptForm = descript_.get();
  callStack_ = std::make_unique<TCallStackForm>();
  CallStackForm = callStack_.get();
  options_ = std::make_unique<TOptionsForm>(*MainForm);
  OptionsForm = options_.get();
}

TProgramWindows::~TProgramWindows() {
  main_->FreeDemo();
  select_->SetHost(nullptr);
  views::SetHost(nullptr);
  views::SetToolbar(nullptr);
  OptionsForm = nullptr;
  options_.reset();
  CallStackForm = nullptr;
  callStack_.reset();
  DemoDescriptForm = nullptr;
  descript_.reset();
  MainForm = nullptr;
  main_.reset();
  AlgoSelectForm = nullptr;
  select_.reset();
}
