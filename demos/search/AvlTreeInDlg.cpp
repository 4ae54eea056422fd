#include "demos/search/AvlTreeInDlg.h"

#include "demos/search/AvlTreeClass.h"
#include "demos/search/BsTreeClass.h"
#include "demos/trees/BinCharTreeCreateDlg.h"
#include "platform/Controls.h"

TAVLTreeInputDlg::TAVLTreeInputDlg(QWidget* parent) : TOKRightDlg(parent) {
  setObjectName(QStringLiteral("AVLTreeInputDlg"));
  SetCaption(QStringLiteral("生成二叉平衡树"));
  // The tree is given the room five full levels need for readable letters and balance
  // factors; the buttons keep their size.
  SetClientSize(892, 592);
  Bevel1->setGeometry(10, 10, 772, 572);
  OKBtn->setGeometry(791, 10, 93, 31);
  CancelBtn->setGeometry(791, 62, 93, 31);
  Tree = new TAvlTreeClass(this);
  Tree->setObjectName(QStringLiteral("Tree"));
  Tree->setGeometry(16, 16, 760, 560);
  Tree->LineColor = clBlack;
  Tree->PointerSize = 32;
  // A dialog grown for a large screen grows its tree's nodes, marks and least sizes with it.
  Tree->RecordDesignGeometry();
  RandBtn = TreeDlgButton(this, "RandBtn", QStringLiteral("随机生成"), 791, 114, 93, 31);
  RandBtn->OnClick = [this] { RandBtnClick(); };
  SaveBtn = TreeDlgButton(this, "SaveBtn", QStringLiteral("保存数据"), 791, 166, 93, 31);
  SaveBtn->OnClick = [this] { SaveBtnClick(); };
  LoadBtn = TreeDlgButton(this, "LoadBtn", QStringLiteral("取出数据"), 791, 218, 93, 31);
  LoadBtn->OnClick = [this] { LoadBtnClick(); };
}

void TAVLTreeInputDlg::RandBtnClick() {
  RandomSearchTree(*Tree, [this](char key) { Tree->AvlInsertQuiet(key); });
}

void TAVLTreeInputDlg::SaveBtnClick() { SaveTreeFile(*Tree, QStringLiteral("保存数据")); }

void TAVLTreeInputDlg::LoadBtnClick() { LoadTreeFile(*Tree, QStringLiteral("取出数据")); }
