#pragma once
// The keypad through which every element of a matrix is typed: ten digits, "+/-" and
// backspace. What it shows is mirrored live in the cell button it was opened for.
#include <QString>

#include "platform/Controls.h"
#include "platform/Forms.h"

class TNoForm : public TForm {
 public:
  explicit TNoForm(QWidget* parent = nullptr);

  // The digit buttons by digit: Digits[d]'s Tag is d.
  TButton* Digits[10];
  TButton* BitBtn11;  // Cancel
  TButton* BitBtn3;   // OK
  TEdit* Edit1;
  TButton* pnBtn;
  TButton* ReBtn;
  // 't': single-matrix values (-10000 .. 10000); 'm': two-matrix values (-100 .. 100).
  char Mode = 't';
  TSpeedButton* Target = nullptr;  // not owned

  int Limit() const { return Mode == 't' ? 10000 : 100; }

 private:
  void Edit1Change();
  void DigitClick(int digit);
  void PnBtnClick();
  void ReBtnClick();
  bool changing_ = false;
};
