#pragma once
// The input dialog most demonstrations ask their numbers with: labels, digit edits with the
// limits each value must keep, OK (the default button) and Cancel. OK refuses values out of
// their limits, or failing the demonstration's own Check, by showing RefusalMessage; the
// dialog then stays open with the values as typed.
//
//   TDigitInputDlg dlg(QStringLiteral("HanoiInputDlg"), QStringLiteral("hanoi塔问题"), 385, 263);
//   dlg.AddLabel(QStringLiteral("盘子个数："), 80, 92, {.Name = QStringLiteral("宋体"), .Height = -20});
//   TIntEdit* plates = dlg.AddEdit("PlateNumEdit", 3, {1, 5}, {196, 88, 64, 28});
//   dlg.AddButtons({88, 196, 88, 30}, {208, 196, 88, 30});
//   dlg.RefusalMessage = QStringLiteral("输入数据越界！，请重新输入。");
//   if (dlg.ShowModal() != mrOk) return false;
#include <QRect>
#include <functional>
#include <vector>

#include "platform/Forms.h"

class QLabel;
class TIntEdit;

class TDigitInputDlg : public TForm {
 public:
  struct Limits {
    int min = 0;
    int max = 2147483647;
  };

  // A fixed-size dialog centred on the screen.
  TDigitInputDlg(const QString& objectName, const QString& caption, int clientWidth,
                 int clientHeight, QWidget* parent = nullptr);

  // A label whose top-left corner is at (x, y), sized to its text.
  QLabel* AddLabel(const QString& text, int x, int y, const TFont& font);
  // A digit edit named name (scripts set it by that name) holding value, accepted by OK only
  // within limits.
  TIntEdit* AddEdit(const char* name, int value, Limits limits, const QRect& geometry);
  // "OK" named OKBtn (the default button) and "Cancel" named CancelBtn (Esc).
  void AddButtons(const QRect& ok, const QRect& cancel);

  // A further test of the values together (say, n at most 2 when m is 3); true accepts.
  std::function<bool()> Check;
  QString RefusalMessage = QStringLiteral("输入数据越界！，请重新输入。");

  // Whether OK would take the values as they stand.
  bool Acceptable() const;

  TButton* OKBtn = nullptr;
  TButton* CancelBtn = nullptr;

 private:
  void OKBtnClick();

  struct LimitedEdit {
    TIntEdit* edit;
    Limits limits;
  };
  std::vector<LimitedEdit> edits_;
};
