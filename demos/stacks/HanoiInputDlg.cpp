#include "demos/stacks/HanoiInputDlg.h"

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

THanoiInputDlg::THanoiInputDlg(QWidget* parent)
    : TDigitInputDlg(QStringLiteral("HanoiInputDlg"), QStringLiteral("hanoi塔问题"), 385, 263, parent) {
  const TFont font{.Name = QStringLiteral("宋体"), .Height = -20};
  AddLabel(QStringLiteral("盘子个数："), 80, 92, font);
  PlateNumEdit = AddEdit("PlateNumEdit", 3, {MinPlates, MaxPlates}, {196, 88, 64, 28});
  PlateNumEdit->setReadOnly(true);
  ApplyFont(*PlateNumEdit, font);

  PlateNumSpin = new TSpinButton(this);
  PlateNumSpin->setObjectName(QStringLiteral("PlateNumSpin"));
  PlateNumSpin->setRange(MinPlates, MaxPlates);
  PlateNumSpin->setValue(3);
  PlateNumSpin->setGeometry(260, 88, 20, 28);
  connect(PlateNumSpin, &QSpinBox::valueChanged, this, [this](int value) { PlateNumEdit->SetValue(value); });

  AddButtons({88, 196, 88, 30}, {208, 196, 88, 30});

  // The arrow keys work the spin button from wherever the focus is, as its arrows do.
  SetKeyPreview(true);
  OnKeyDown = [this](int& key, TShiftState) {
    if (key == Qt::Key_Up) PlateNumSpin->stepUp();
    else if (key == Qt::Key_Down) PlateNumSpin->stepDown();
    else return;
    key = 0;
  };
}

int THanoiInputDlg::PlateCount() const { return PlateNumEdit->Value(); }
