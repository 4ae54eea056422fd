#include "demos/stacks/AckmanInputDlg.h"

#include <QLabel>

#include "framework/drawkit/IntEdit.h"
#include "platform/Controls.h"
#include "platform/ModalHost.h"

namespace {

QLabel* Label(QWidget* parent, const QString& text, int x, int y, int pixels) {
  auto* label = new QLabel(text, parent);
  TFont font;
  font.Name = QStringLiteral("宋体");
  font.Height = -pixels;
  ApplyFont(*label, font);
  label->move(x, y);
  label->adjustSize();
  return label;
}

TIntEdit* Edit(QWidget* parent, const char* name, int value, int x, int y) {
  auto* edit = new TIntEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->SetValue(value);
  edit->setGeometry(x, y, 60, 24);
  return edit;
}

}  // namespace

TAckmanInputDlg::TAckmanInputDlg(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("AckmanInputDlg"));
  SetCaption(QStringLiteral("阿克曼函数"));
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(313, 215);

  auto* bevel = new TBevel(this, bsFrame);
  bevel->setGeometry(8, 8, 297, 160);
  Label(this, QStringLiteral("计算Ackman(m,n)"), 24, 18, 15);
  Label(this, QStringLiteral("请输入m和n的值"), 24, 42, 15);
  Label(this, QStringLiteral("m:"), 40, 72, 15);
  MEdit = Edit(this, "MEdit", 1, 64, 68);
  Label(this, QStringLiteral("n:"), 160, 72, 15);
  NEdit = Edit(this, "NEdit", 2, 184, 68);
  Label(this, QStringLiteral(" m和n 的取值范围在0到3之间"), 24, 112, 13);
  Label(this, QStringLiteral("若m等于3则n取值范围在0到2之间"), 24, 136, 13);

  OKBtn = new TButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setGeometry(64, 178, 80, 27);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  OKBtn->OnClick = [this] { OKBtnClick(); };
  CancelBtn = new TButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn->setGeometry(168, 178, 80, 27);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
}

void TAckmanInputDlg::OKBtnClick() {
  if (InRange(MEdit->Value(), NEdit->Value())) return;
  modal::ShowMessage(QStringLiteral("输入数据越界！，请重新输入。"));
  SetModalResult(mrNone);
}
