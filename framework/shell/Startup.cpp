#include "framework/shell/Startup.h"

#include "framework/shell/AlgoSelect.h"
#include "framework/shell/MainForm.h"
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
}

TProgramWindows::~TProgramWindows() {
  main_->FreeDemo();
  select_->SetHost(nullptr);
  views::SetHost(nullptr);
  views::SetToolbar(nullptr);
  MainForm = nullptr;
  main_.reset();
  AlgoSelectForm = nullptr;
  select_.reset();
}
