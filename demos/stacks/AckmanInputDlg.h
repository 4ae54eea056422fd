#pragma once
// The input dialog of the Ackermann demonstration: m and n, each 0 to 3, n at most 2 when m
// is 3 (deeper recursions would not fit the drawn stack). Values out of range are refused
// with a message and the dialog stays open.
#include "framework/drawkit/DigitInputDlg.h"

class TAckmanInputDlg : public TDigitInputDlg {
 public:
  explicit TAckmanInputDlg(QWidget* parent = nullptr);

  // Whether m and n may be computed.
  static bool InRange(int m, int n) { return m <= 3 && n <= 3 && !(m == 3 && n == 3); }

  TIntEdit* MEdit;
  TIntEdit* NEdit;
};
