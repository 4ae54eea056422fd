#pragma once
// The dialog "生成二叉平衡树": the balanced tree the demonstration starts from, which the
// user makes at random ("随机生成"), saves ("保存数据") or loads ("取出数据").
#include "demos/search/OKRightDlg.h"

class TAvlTreeClass;

class TAVLTreeInputDlg : public TOKRightDlg {
 public:
  explicit TAVLTreeInputDlg(QWidget* parent = nullptr);

  TAvlTreeClass* Tree;
  TButton* RandBtn;
  TButton* SaveBtn;
  TButton* LoadBtn;

  // Up to 26 distinct random letters inserted with rebalancing, in the order drawn.
  void RandBtnClick();
  void SaveBtnClick();
  void LoadBtnClick();
};
