#include "demos/search/BTreeInDlg.h"

#include "demos/search/BTreeClass.h"
#include "demos/trees/BinCharTreeCreateDlg.h"
#include "demos/trees/TreeFileDialog.h"

TOKBottomDlg::TOKBottomDlg(QWidget* parent) : TForm(parent) {
  SetCaption(QStringLiteral("Dialog"));
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(313, 214);
  ApplyFont(*this, TFont{.Name = QStringLiteral("MS Sans Serif")});
  RaiseFont(*this);  // the buttons
  Bevel1 = new TBevel(this, bsFrame);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setGeometry(8, 8, 297, 161);
  Bevel1->lower();
  OKBtn = TreeDlgButton(this, "OKBtn", QStringLiteral("OK"), 79, 180);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  CancelBtn = TreeDlgButton(this, "CancelBtn", QStringLiteral("Cancel"), 159, 180);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
}

void ConnectTreeFileButtons(TBTreeClass& tree, TButton& randBtn, TButton& saveBtn, TButton& loadBtn) {
  randBtn.OnClick = [&tree] {
    tree.RandomBuild();
    tree.MarkRoot();
    tree.Arrange();
    tree.Repaint();
  };
  saveBtn.OnClick = [&tree] {
    WithTreeFile(true, QStringLiteral("保存数据"), [&tree](const QString& name) { tree.SaveToFile(name); });
  };
  loadBtn.OnClick = [&tree] {
    if (WithTreeFile(false, QStringLiteral("取出数据"), [&tree](const QString& name) { tree.LoadFromFile(name); })) {
      tree.Arrange();
      tree.Repaint();
    }
  };
}

TBTreeInputDlg::TBTreeInputDlg(QWidget* parent) : TOKBottomDlg(parent) {
  setObjectName(QStringLiteral("BTreeInputDlg"));
  SetCaption(QStringLiteral("生成B-树"));
  // The tree is given the room a full tree needs for readable keys, about what the
  // demonstration's own window gives it on the smallest screen; the buttons keep their size.
  SetClientSize(940, 600);
  Bevel1->setGeometry(8, 8, 924, 554);
  OKBtn->move(24, 567);
  CancelBtn->move(108, 567);
  RandBtn = TreeDlgButton(this, "RandBtn", QStringLiteral("随机生成"), 191, 567, 76, 26);
  SaveBtn = TreeDlgButton(this, "SaveBtn", QStringLiteral("保存数据"), 275, 567, 75, 26);
  LoadBtn = TreeDlgButton(this, "LoadBtn", QStringLiteral("取出数据"), 358, 567, 75, 26);
  Tree = new TBTreeClass(this);
  Tree->setObjectName(QStringLiteral("Tree"));
  Tree->setGeometry(11, 11, 918, 548);
  Tree->LineColor = clBlack;
  Tree->PointerSize = 32;
  // A dialog grown for a large screen grows its tree's nodes, marks and least sizes with it.
  Tree->RecordDesignGeometry();
  ConnectTreeFileButtons(*Tree, *RandBtn, *SaveBtn, *LoadBtn);
}
