#include "demos/graphs/WeightDialog.h"

#include <QLabel>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/ModalHost.h"

TWDialog::TWDialog(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("WDialog"));
  SetCaption(QStringLiteral("请输入权值:"));
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  // Written at the least height a class reads on this screen, its label and field side by
  // side with room for it.
  SetClientSize(230, 96);
  RaiseFont(*this, LegiblePixels());
  auto* label = new QLabel(QStringLiteral("权值 (1-999):"), this);
  label->setGeometry(12, 18, 130, 24);
  MaskEdit1 = new TEdit(this);
  MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
  MaskEdit1->setGeometry(148, 16, 64, 26);
  MaskEdit1->SetMaxLength(3);
  MaskEdit1->OnKeyPress = [](QChar& key) {
    if (!key.isDigit() && key != QChar(8) && key != QChar(13) && key != QChar(27)) key = QChar(0);
  };
  MaskEdit1->setText(QStringLiteral("1"));
  BitBtn1 = new TButton(QStringLiteral("OK"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setGeometry(75, 56, 80, 28);
  BitBtn1->ModalResult = mrOk;
  BitBtn1->SetDefault(true);
  BitBtn1->OnClick = [this] { BitBtn1Click(); };
}

int TWDialog::ParseWeight(const QString& text) {
  const QString digits = text.section(' ', 0, 0);
  bool ok = false;
  const int value = digits.toInt(&ok);
  return ok && value >= 1 && value <= 999 ? value : 0;
}

int TWDialog::Execute() {
  weight_ = 0;
  MaskEdit1->selectAll();
  MaskEdit1->setFocus();
  if (ShowModal() != mrOk) weight_ = 0;
  return weight_;
}

void TWDialog::BitBtn1Click() {
  const int weight = ParseWeight(MaskEdit1->text());
  if (weight == 0) {
    // An empty field or 0 would draw an arc that is never stored.
    modal::ShowMessage(QStringLiteral("输入数据越界！，请重新输入。"));
    SetModalResult(mrNone);
    return;
  }
  weight_ = weight;
  MaskEdit1->setText(QStringLiteral("1"));
  MaskEdit1->selectAll();
}
