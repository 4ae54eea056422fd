#pragma once
// The input dialog of the Towers of Hanoi: the number of plates, 1 to 5, shown in a
// read-only digit edit and changed only by the spin button beside it (or the Up and Down
// keys), so that it cannot leave that range.
#include "framework/drawkit/DigitInputDlg.h"

class QSpinBox;

class THanoiInputDlg : public TDigitInputDlg {
 public:
  static constexpr int MinPlates = 1;
  static constexpr int MaxPlates = 5;

  explicit THanoiInputDlg(QWidget* parent = nullptr);

  int PlateCount() const;

  TIntEdit* PlateNumEdit;
  QSpinBox* PlateNumSpin;  // only its arrows show
};
