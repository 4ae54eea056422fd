#include "demos/stacks/HanoiInputDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "framework/drawkit/IntEdit.h"

namespace {

// A spin box showing only its up and down arrows: the value is shown by the edit beside it.
class TSpinButton : public QSpinBox {
 public:
  explicit TSpinButton(QWidget* parent) : QSpinBox(parent) {
    lineEdit()->setReadOnly(true);
    lineEdit()->hide();
  }
};

}  // namespace

THanoiInputDlg::THanoiInputDlg(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("HanoiInputDlg"));
  SetCaption(QStringLiteral("hanoi塔问题"));
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(385, 263);

  auto* label = new QLabel(QStringLiteral("盘子个数："), this);
  TFont font;
  font.Name = QStringLiteral("宋体");
  font.Height = -20;
  ApplyFont(*label, font);
  label->move(80, 92);
  label->adjustSize();

  PlateNumEdit = new TIntEdit(this);
  PlateNumEdit->setObjectName(QStringLiteral("PlateNumEdit"));
  PlateNumEdit->setReadOnly(true);
  PlateNumEdit->SetValue(3);
  PlateNumEdit->setGeometry(196, 88, 64, 28);
  ApplyFont(*PlateNumEdit, font);

  PlateNumSpin = new TSpinButton(this);
  PlateNumSpin->setObjectName(QStringLiteral("PlateNumSpin"));
  PlateNumSpin->setRange(MinPlates, MaxPlates);
  PlateNumSpin->setValue(3);
  PlateNumSpin->setGeometry(260, 88, 20, 28);
  connect(PlateNumSpin, &QSpinBox::valueChanged, this, [this](int value) { PlateNumEdit->SetValue(value); });

  OKBtn = new TButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setGeometry(88, 196, 88, 30);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  CancelBtn = new TButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn->setGeometry(208, 196, 88, 30);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
}

int THanoiInputDlg::PlateCount() const { return PlateNumEdit->Value(); }
