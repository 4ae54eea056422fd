#include "demos/storage/Mempacks.h"

#include <QPushButton>

#include "demos/storage/StoreBase.h"
#include "framework/shell/MainForm.h"
#include "platform/Forms.h"

TMempackform::TMempackform(QWidget* parent) : TGraphForm(parent) {
  setObjectName(QStringLiteral("Mempackform"));
  SetCaption(QStringLiteral("存储紧缩演示"));
  // The store's texts take the window's size against this one.
  SetDesignClientSize(480, 440);
  Store = Place(new TStoreBase(this), 0, 0, 480, 440 / 20 * 19);
  Store->setObjectName(QStringLiteral("Store"));
  const auto button = [this](const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
  };
  AllocBtn = button("AllocBtn", QStringLiteral("分配空间"));
  FreeBtn = button("FreeBtn", QStringLiteral("回收空间"));
  connect(AllocBtn, &QPushButton::clicked, this, [this] { Store->AllocateSpaceQuery(); });
  connect(FreeBtn, &QPushButton::clicked, this, [this] { Store->FreeSpaceQuery(); });
}

void TMempackform::FormResize() {
  TGraphForm::FormResize();
  const int strip = ClientHeight() / 20;
  Store->setGeometry(0, 0, ClientWidth(), strip * 19);
  Store->Layout();
  const int buttonW = std::max(80, ClientWidth() / 6);
  const int buttonH = std::max(strip - 4, 1);
  TFont font{.Name = QStringLiteral("宋体"), .Height = -std::max(strip - 8, 9)};
  AllocBtn->setGeometry(ClientWidth() / 2 - buttonW - 10, strip * 19 + 2, buttonW, buttonH);
  FreeBtn->setGeometry(ClientWidth() / 2 + 10, strip * 19 + 2, buttonW, buttonH);
  ApplyFont(*AllocBtn, font);
  ApplyFont(*FreeBtn, font);
}

TMemPack::TMemPack(const QStringList& source) : TAlgoDemo(source) {}
TMemPack::~TMemPack() = default;

void TMemPack::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  form_ = std::make_unique<TMempackform>();
}

void TMemPack::SetWindowRect() { MainForm->DockOnePane(form_.get()); }

void TMemPack::UpdateChildWindow() {
  if (form_->isVisible()) form_->Update();
  TAlgoDemo::UpdateChildWindow();
}
