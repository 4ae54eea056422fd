#pragma once
// The dialog in which the keys of an internal sort are typed or generated: capital letters,
// one per key, at most MaxLen of them.
#include "platform/Forms.h"

class TEdit;

class TSortInputDlg : public TForm {
 public:
  explicit TSortInputDlg(QWidget* parent = nullptr);

  int MaxLen = 12;

  QString Text() const;
  void SetText(const QString& text);

  // The keys of a random fill: 2 to MaxLen - 1 distinct capitals.
  static QString RandomKeys(int maxLen);

  TEdit* Edit;
  TButton* OKBtn;
  TButton* CancelBtn;
  TButton* UpBtn;
  TButton* DownBtn;
  TButton* RandBtn;

 private:
  void EditKeyPress(QChar& key);
  void EditChange();
  void UpBtnClick();
  void DownBtnClick();
  void RandBtnClick();
};
