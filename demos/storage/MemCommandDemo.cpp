#include "demos/storage/MemCommandDemo.h"

#include "demos/storage/MemGraphForm.h"
#include "framework/engine/BasicData.h"
#include "framework/shell/MainForm.h"
#include "platform/Forms.h"

TMemCommandDemo::TMemCommandDemo(const QStringList& source) : TAlgoDemo(source) {}
TMemCommandDemo::~TMemCommandDemo() = default;

void TMemCommandDemo::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  userForm_ = std::make_unique<TMemUserForm>();
  userForm_->hide();
}

void TMemCommandDemo::SetWindowRect() {
  MainForm->DockThreePanes(&MemoryForm(), 60, AlgorithmForm, 70, VariableForm);
  PlaceUserForm();
}

void TMemCommandDemo::Reset() {
  TAlgoDemo::Reset();
  MemoryForm().MemoryShown = false;
  InitMemoryPicture();
}

void TMemCommandDemo::UpdateChildWindow() {
  TAlgoDemo::UpdateChildWindow();
  MemoryForm().ShowMemory();
}

void TMemCommandDemo::InitSpace() {
  MemoryForm().SetStatusText(QStringLiteral("内存空间初始化:"));
  InitMemory();
  MemoryForm().MemoryShown = true;
  InitMemoryPicture();
}

void TMemCommandDemo::PlaceUserForm() {
  // Below the toolbar, beside the memory drawing, as they stand whenever it shows.
  PlaceForScreen(*userForm_, [this](QSize frame, const QRect& area) {
    const TMemGraphForm& drawing = MemoryForm();
    const QWidget* toolBar = MainForm->ToolBar();
    const int toolbarBottom = toolBar->mapToGlobal(QPoint(0, toolBar->height())).y();
    return CommandWindowPlace(area, toolbarBottom, QRect(drawing.mapToGlobal(QPoint(0, 0)), drawing.size()), frame);
  });
  MemoryForm().CommandWindow = userForm_.get();
}

bool TMemCommandDemo::GetUserOrder() {
  PlaceUserForm();
  action_ = userForm_->NextCommand();
  if (action_ == TMemUserForm::EndShow) return false;
  n_ = userForm_->Value;
  return true;
}

void TMemCommandDemo::ShowAllocating() { MemoryForm().SetStatusText(QStringLiteral("分配内存:")); }
void TMemCommandDemo::ShowNoSpace() { MemoryForm().SetStatusText(QStringLiteral("无足够空间!")); }
void TMemCommandDemo::ShowInputError() { MemoryForm().SetStatusText(QStringLiteral("输入错误，非占用块首地址！")); }

TData* TMemCommandDemo::NewRecord(std::initializer_list<const char*> ints, std::initializer_list<const char*> bools) {
  auto* rec = new TData(QString());
  for (const char* n : ints) rec->Add(new TIntData(QString::fromLatin1(n), 0));
  for (const char* n : bools) rec->Add(new TBoolData(QString::fromLatin1(n), true));
  return rec;
}
