#pragma once
// The keypad through which every element of a matrix is typed: ten digits, "+/-" and
// backspace. What it shows is mirrored live in the cell button it was opened for.
#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

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
  // Where the keypad opens on the screen (its top-left, kept on the screen): below the cell
  // it types for, rather than in the middle where it would hide the grid.
  std::optional<QPoint> At;

  int Limit() const { return Mode == 't' ? 10000 : 100; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // A glyph of the image folder on a button, its caption kept for readers without it.
  void SetGlyph(TButton& button, const QString& picture);
  void Edit1Change();
  void DigitClick(int digit);
  void PnBtnClick();
  void ReBtnClick();
  bool changing_ = false;
  std::vector<std::pair<TButton*, QImage>> glyphs_;  // buttons owned by the keypad
};
