#pragma once
// The creation dialog "生成B+树": a copy of the demonstration's B+-tree, made at random,
// saved to or loaded from a data file.
#include "platform/Controls.h"
#include "platform/Forms.h"

class TBPTreeClass;

class TBPTreeInputDlg : public TForm {
 public:
  explicit TBPTreeInputDlg(QWidget* parent = nullptr);

  TBevel* Bevel1;
  TButton* OKBtn;
  TButton* CancelBtn;
  TButton* RandBtn;
  TButton* SaveBtn;
  TButton* LoadBtn;
  TBPTreeClass* Tree;
};
