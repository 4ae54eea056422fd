#include "demos/search/BPTreeInDlg.h"

#include "demos/search/BPTreeClass.h"
#include "demos/search/BTreeInDlg.h"
#include "demos/trees/BinCharTreeCreateDlg.h"

TBPTreeInputDlg::TBPTreeInputDlg(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("BPTreeInputDlg"));
  SetCaption(QStringLiteral("生成B+树"));
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(457, 291);
  ApplyFont(*this, TFont{.Name = QStringLiteral("MS Sans Serif")});
  Bevel1 = new TBevel(this, bsFrame);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setGeometry(8, 8, 441, 246);
  Bevel1->lower();
  OKBtn = TreeDlgButton(this, "OKBtn", QStringLiteral("OK"), 27, 258);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  CancelBtn = TreeDlgButton(this, "CancelBtn", QStringLiteral("Cancel"), 107, 258);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
  RandBtn = TreeDlgButton(this, "RandBtn", QStringLiteral("随机生成"), 191, 258, 76, 26);
  SaveBtn = TreeDlgButton(this, "SaveBtn", QStringLiteral("保存数据"), 275, 258, 75, 26);
  LoadBtn = TreeDlgButton(this, "LoadBtn", QStringLiteral("取出数据"), 358, 258, 75, 26);
  Tree = new TBPTreeClass(this);
  Tree->setObjectName(QStringLiteral("Tree"));
  Tree->setGeometry(11, 11, 437, 242);
  Tree->LineColor = clBlack;
  Tree->PointerSize = 32;
  ConnectTreeFileButtons(*Tree, *RandBtn, *SaveBtn, *LoadBtn);
}
