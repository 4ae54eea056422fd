#include "demos/search/BPTreeInDlg.h"

#include "demos/search/BPTreeClass.h"
#include "demos/trees/BinCharTreeCreateDlg.h"

TBPTreeInputDlg::TBPTreeInputDlg(QWidget* parent) : TOKBottomDlg(parent) {
  setObjectName(QStringLiteral("BPTreeInputDlg"));
  SetCaption(QStringLiteral("生成B+树"));
  // Room for a full tree's keys, as in the B-tree's dialog.
  SetClientSize(940, 600);
  Bevel1->setGeometry(8, 8, 924, 554);
  OKBtn->move(27, 567);
  CancelBtn->move(107, 567);
  RandBtn = TreeDlgButton(this, "RandBtn", QStringLiteral("随机生成"), 191, 567, 76, 26);
  SaveBtn = TreeDlgButton(this, "SaveBtn", QStringLiteral("保存数据"), 275, 567, 75, 26);
  LoadBtn = TreeDlgButton(this, "LoadBtn", QStringLiteral("取出数据"), 358, 567, 75, 26);
  Tree = new TBPTreeClass(this);
  Tree->setObjectName(QStringLiteral("Tree"));
  Tree->setGeometry(11, 11, 918, 548);
  Tree->LineColor = clBlack;
  Tree->PointerSize = 32;
  // A dialog grown for a large screen grows its tree's nodes, marks and least sizes with it.
  Tree->RecordDesignGeometry();
  ConnectTreeFileButtons(*Tree, *RandBtn, *SaveBtn, *LoadBtn);
}
