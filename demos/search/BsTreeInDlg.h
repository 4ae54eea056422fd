#pragma once
// The dialog "生成二叉排序树": the binary sort tree the demonstration starts from, which the
// user makes at random ("随机生成"), saves ("保存") or loads ("取出").
#include "demos/search/OKRightDlg.h"

class TBsTreeClass;

class TBsTreeInputDlg : public TOKRightDlg {
 public:
  explicit TBsTreeInputDlg(QWidget* parent = nullptr);

  TBsTreeClass* Tree;
  TButton* RandomBtn;
  TButton* SaveBtn;
  TButton* LoadBtn;

  // Up to 26 distinct random letters inserted in the order drawn (those that would land
  // below MaxDepth are left out).
  void RandomBtnClick();
  void SaveBtnClick();
  void LoadBtnClick();
};
