#include "demos/stacks/StkContainerForm.h"

#include <QEvent>

#include "framework/drawkit/StackBox.h"
#include "platform/Forms.h"

namespace {

TSpeedButton* PageButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new TSpeedButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  const TFont font{.Name = QStringLiteral("Arial"), .Height = -15, .Color = clRed};
  ApplyFont(*button, font);
  button->hide();
  return button;
}

}  // namespace

TStkContainerForm::TStkContainerForm(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("StkContainer"));
  setWindowTitle(QStringLiteral("堆栈"));
  setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
  resize(302, 183);

  Panel2 = new TPanel(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setGeometry(0, 160, 302, 23);
  Panel2->SetColor(clAqua);
  Panel2->SetCaption(QStringLiteral("Addr   succ   k   x   y   i"));
  const TFont captionFont{.Name = QStringLiteral("Times New Roman"), .Height = -15, .Color = clBlue};
  ApplyFont(*Panel2, captionFont);
  SetAlign(*Panel2, alBottom);
  Panel1 = new TPanel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  SetAlign(*Panel1, alClient);

  BtnL = PageButton(Panel2, "BtnL", QStringLiteral("<<"));
  BtnR = PageButton(Panel2, "BtnR", QStringLiteral(">>"));
  BtnL->OnClick = [this] { BtnLClick(); };
  BtnR->OnClick = [this] { BtnRClick(); };
  Panel1->installEventFilter(this);
  Panel2->installEventFilter(this);
  RealignChildren(*this);
  Panel2Resize();
}

TStkContainerForm::~TStkContainerForm() { ReleaseStack(); }

bool TStkContainerForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    if (watched == Panel1) Panel1Resize();
    if (watched == Panel2) Panel2Resize();
  }
  return QWidget::eventFilter(watched, event);
}

void TStkContainerForm::Embed() {
  // Owned by Panel1 from here on, and freed by ReleaseStack.
  EmbeddedStack = MakeStackWindow({.cols = 11, .rows = 6, .title = QString()}).release();
  EmbeddedStack->setParent(Panel1);
  EmbeddedStack->setWindowFlags(Qt::Widget);
  Stack = EmbeddedStack->Stack;
  ResetPage();
  EmbeddedStack->show();
}

void TStkContainerForm::ReleaseStack() {
  delete EmbeddedStack;
  EmbeddedStack = nullptr;
  Stack = nullptr;
}

void TStkContainerForm::ResetPage() {
  if (Stack == nullptr) return;
  const int used = std::max(1, Stack->Count() / Stack->RowCount);
  MinPage = Stack->ColCount - used - 1;
  Page = MinPage;
  UpdatePage();
}

void TStkContainerForm::UpdatePage() {
  Panel1Resize();
  const int colCount = Stack != nullptr ? Stack->ColCount : 2;
  BtnL->setVisible(Page > MinPage);
  BtnR->setVisible(Page < colCount - 2);
}

void TStkContainerForm::Panel1Resize() {
  if (EmbeddedStack == nullptr) return;
  const int w = Panel1->width();
  EmbeddedStack->setGeometry((-w * Page) / 2, 0, Stack->ColCount * w / 2, Panel1->height());
}

void TStkContainerForm::Panel2Resize() {
  const int h = Panel2->height() - 6;
  BtnL->setGeometry(3, 3, 30, h);
  BtnR->setGeometry(Panel2->width() - 3 - 30, 3, 30, h);
}

void TStkContainerForm::BtnLClick() {
  --Page;
  UpdatePage();
}

void TStkContainerForm::BtnRClick() {
  ++Page;
  UpdatePage();
}
