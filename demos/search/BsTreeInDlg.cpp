#include "demos/search/BsTreeInDlg.h"

#include "demos/search/BsTreeClass.h"
#include "demos/trees/BinCharTreeCreateDlg.h"
#include "platform/Controls.h"

TBsTreeInputDlg::TBsTreeInputDlg(QWidget* parent) : TOKRightDlg(parent) {
  setObjectName(QStringLiteral("BsTreeInputDlg"));
  SetCaption(QStringLiteral("生成二叉排序树"));
  // The tree is given the room five full levels need for readable letters and captions;
  // the buttons keep their size.
  SetClientSize(866, 590);
  Bevel1->setGeometry(7, 8, 766, 572);
  OKBtn->move(780, 8);
  CancelBtn->move(780, 46);
  Tree = new TBsTreeClass(this);
  Tree->setObjectName(QStringLiteral("Tree"));
  Tree->setGeometry(7, 7, 766, 574);
  Tree->LineColor = clBlack;
  Tree->PointerSize = 32;
  // A dialog grown for a large screen grows its tree's nodes, marks and least sizes with it.
  Tree->RecordDesignGeometry();
  RandomBtn = TreeDlgButton(this, "RandomBtn", QStringLiteral("随机生成"), 780, 85);
  RandomBtn->OnClick = [this] { RandomBtnClick(); };
  SaveBtn = TreeDlgButton(this, "SaveBtn", QStringLiteral("保存"), 779, 130, 76, 25);
  SaveBtn->OnClick = [this] { SaveBtnClick(); };
  LoadBtn = TreeDlgButton(this, "LoadBtn", QStringLiteral("取出"), 779, 169, 76, 25);
  LoadBtn->OnClick = [this] { LoadBtnClick(); };
}

void TBsTreeInputDlg::RandomBtnClick() {
  RandomSearchTree(*Tree, [this](char key) { Tree->BstInsert(key); });
}

void TBsTreeInputDlg::SaveBtnClick() { SaveTreeFile(*Tree, QStringLiteral("保存")); }

void TBsTreeInputDlg::LoadBtnClick() { LoadTreeFile(*Tree, QStringLiteral("取出")); }
