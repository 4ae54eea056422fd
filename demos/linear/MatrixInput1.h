#pragma once
// The input of the two matrices M (m x n) and N (n x p), each up to 7 x 7, for the
// multiplication.
#include <QSpinBox>

#include "demos/linear/MatrixCellGrid.h"

class TIntEdit;

class TMatrixInput1Dlg : public TMatrixDlgBase {
 public:
  explicit TMatrixInput1Dlg(QWidget* parent = nullptr);
  ~TMatrixInput1Dlg() override;

  TIntEdit* IntEdit1;  // M's rows
  QSpinBox* UpDown1;
  TIntEdit* IntEdit2;  // M's columns, N's rows
  QSpinBox* UpDown2;
  TIntEdit* IntEdit3;  // N's columns
  QSpinBox* UpDown3;
  TIntEdit* IntEdit4;  // M's count
  TIntEdit* IntEdit5;  // N's count
  TButton* AutoBtn;
  TButton* OKBtn;
  TButton* CanBtn;
  TButton* clrBtn;
  std::unique_ptr<TCellGrid> Cells[2];  // M, N
  TTripleTable Tables[2];              // the results of the last OK

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void SizeChanged();
  void CellClick(TSpeedButton* button);
  void ShowCounts();
  void AutoBtnClick();
  void ClrBtnClick();
  void OKBtnClick();
};
