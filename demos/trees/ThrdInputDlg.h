#pragma once
// The threaded-tree dialog "生成线索二叉树": the tree dialog of the binary-tree kit with
// saving and loading of tree files. Its tree is never threaded.
#include "demos/trees/BinCharTreeCreateDlg.h"

class TThrdTree;

class TThrdInputDlg : public TForm {
 public:
  explicit TThrdInputDlg(QWidget* parent = nullptr);

  TThrdTree* Tree;
  TEdit* CharEdit;
  TButton* OKBtn;
  TButton* CancelBtn;
  TButton* RandBtn;
  TButton* UserButton;
  TButton* SaveBtn;
  TButton* LoadBtn;

  void TreeNodeClick(TTreeNodeBase& node) { letters_.NodeClick(node); }
  void SaveBtnClick();
  void LoadBtnClick();

 private:
  TNodeLetterEdit letters_;
};
