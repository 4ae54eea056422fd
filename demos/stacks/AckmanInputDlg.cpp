#include "demos/stacks/AckmanInputDlg.h"

#include "framework/drawkit/IntEdit.h"
#include "platform/Controls.h"

TAckmanInputDlg::TAckmanInputDlg(QWidget* parent)
    : TDigitInputDlg(QStringLiteral("AckmanInputDlg"), QStringLiteral("阿克曼函数"), 313, 215, parent) {
  const TFont big{.Name = QStringLiteral("宋体"), .Height = -15};
  const TFont small{.Name = QStringLiteral("宋体"), .Height = -13};
  (new TBevel(this, bsFrame))->setGeometry(8, 8, 297, 160);
  AddLabel(QStringLiteral("计算Ackman(m,n)"), 24, 18, big);
  AddLabel(QStringLiteral("请输入m和n的值"), 24, 42, big);
  AddLabel(QStringLiteral("m:"), 40, 72, big);
  MEdit = AddEdit("MEdit", 1, {0, 3}, {64, 68, 60, 24});
  AddLabel(QStringLiteral("n:"), 160, 72, big);
  NEdit = AddEdit("NEdit", 2, {0, 3}, {184, 68, 60, 24});
  AddLabel(QStringLiteral(" m和n 的取值范围在0到3之间"), 24, 112, small);
  AddLabel(QStringLiteral("若m等于3则n取值范围在0到2之间"), 24, 136, small);
  AddButtons({64, 178, 80, 27}, {168, 178, 80, 27});
  Check = [this] { return InRange(MEdit->Value(), NEdit->Value()); };
}
