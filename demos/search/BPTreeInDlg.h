#pragma once
// The creation dialog "生成B+树": a copy of the demonstration's B+-tree, made at random,
// saved to or loaded from a data file.
#include "demos/search/BTreeInDlg.h"

class TBPTreeClass;

class TBPTreeInputDlg : public TOKBottomDlg {
 public:
  explicit TBPTreeInputDlg(QWidget* parent = nullptr);

  TButton* RandBtn;
  TButton* SaveBtn;
  TButton* LoadBtn;
  TBPTreeClass* Tree;
};
