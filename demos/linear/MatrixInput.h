#pragma once
// The input of one sparse matrix of up to 10 x 10 for the two transposes.
#include <QSpinBox>

#include "demos/linear/MatrixCellGrid.h"

class TIntEdit;
class QLabel;

class TMatrixInputDlg : public TMatrixDlgBase {
 public:
  explicit TMatrixInputDlg(QWidget* parent = nullptr);
  ~TMatrixInputDlg() override;

  TButton* BtnOK;
  TButton* BtnCancel;
  TIntEdit* IntEdit1;
  QSpinBox* UpDown1;
  TIntEdit* IntEdit2;
  QSpinBox* UpDown2;
  TButton* AutoBtn;
  TEdit* Edit1;  // the count of non-zero elements
  TButton* clrBtn;
  std::unique_ptr<TCellGrid> Cells;
  TTripleTable Table;  // the result of the last OK

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void SizeChanged();
  void CellClick(TSpeedButton* button);
  void ShowCount(int count);
  void AutoBtnClick();
  void ClrBtnClick();
  void BtnOKClick();
};
