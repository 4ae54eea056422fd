#pragma once
// The count dialog of the N-queens demonstration: the number of queens, 3 to 8, typed into a
// digit edit over a picture; "确定" is enabled only while the number lies in that range, and
// Enter presses it.
#include "platform/Forms.h"

class QLabel;
class TImage;
class TIntEdit;
class TSpeedButton;

class TQueenInputDlg : public TForm {
 public:
  static constexpr int MinQueens = 3;
  static constexpr int MaxQueens = 8;

  explicit TQueenInputDlg(QWidget* parent = nullptr);

  // Puts Count into the edit, shows the dialog modally and returns Accepted.
  bool Execute();

  bool Accepted = false;
  int Count = 8;

  TImage* Image1;
  QLabel* Label1;
  QLabel* Label2;
  TIntEdit* IntEdit;
  TSpeedButton* OkBtn;
  TSpeedButton* CancelBtn;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void EditChange();
  void Close(bool accepted);
};
