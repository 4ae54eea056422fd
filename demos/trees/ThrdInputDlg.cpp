#include "demos/trees/ThrdInputDlg.h"

#include "demos/trees/ThrdTree.h"
#include "demos/trees/TreeFileDialog.h"

namespace {

TThrdTree* MakeTree(QWidget* parent) {
  auto* tree = new TThrdTree(parent);
  tree->setObjectName(QStringLiteral("Tree"));
  tree->setGeometry(8, 8, 285, 350);
  tree->setToolTip(QStringLiteral("请单击要改变的节点"));
  tree->PreLineColor = clBlack;
  tree->PostLineColor = clBlack;
  tree->ShowTags = false;
  return tree;
}

TEdit* MakeCharEdit(QWidget* parent) {
  auto* edit = new TEdit(parent);
  edit->setObjectName(QStringLiteral("CharEdit"));
  edit->setGeometry(328, 256, 25, 24);
  return edit;
}

}  // namespace

TThrdInputDlg::TThrdInputDlg(QWidget* parent)
    : TForm(parent), Tree(MakeTree(this)), CharEdit(MakeCharEdit(this)), letters_(*Tree, *CharEdit) {
  setObjectName(QStringLiteral("ThrdInputDlg"));
  SetCaption(QStringLiteral("生成线索二叉树"));
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(387, 367);
  ApplyFont(*this, TFont{.Name = QStringLiteral("MS Sans Serif")});
  RaiseFont(*this);  // the buttons and edits

  auto* bevel = new TBevel(this, bsFrame);
  bevel->setGeometry(8, 8, 285, 350);
  bevel->lower();
  Tree->OnNodeClick = [this](TTreeNodeBase& node) { TreeNodeClick(node); };

  OKBtn = TreeDlgButton(this, "OKBtn", QStringLiteral("OK"), 300, 8);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  CancelBtn = TreeDlgButton(this, "CancelBtn", QStringLiteral("Cancel"), 300, 38);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
  RandBtn = TreeDlgButton(this, "RandBtn", QStringLiteral("随机生成"), 299, 93, 76);
  UserButton = TreeDlgButton(this, "UserButton", QStringLiteral("满  树"), 299, 126, 76);
  SaveBtn = TreeDlgButton(this, "SaveBtn", QStringLiteral("保存数据"), 299, 160, 76);
  LoadBtn = TreeDlgButton(this, "LoadBtn", QStringLiteral("取出数据"), 299, 193, 76);
  for (TButton* b : {RandBtn, UserButton, SaveBtn, LoadBtn})
    ApplyFont(*b, TFont{.Name = QStringLiteral("MS Sans Serif"), .Height = -17});

  RandBtn->OnClick = [this] {
    letters_.Cancel();
    Tree->RandomBuild();
    Tree->Repaint();
  };
  UserButton->OnClick = [this] {
    letters_.Cancel();
    Tree->CreateFullTree();
    Tree->Repaint();
  };
  SaveBtn->OnClick = [this] { SaveBtnClick(); };
  LoadBtn->OnClick = [this] { LoadBtnClick(); };
}

void TThrdInputDlg::SaveBtnClick() {
  letters_.Cancel();
  WithTreeFile(true, QStringLiteral("保存数据"), [this](const QString& name) { Tree->SaveToFile(name); });
}

void TThrdInputDlg::LoadBtnClick() {
  letters_.Cancel();
  if (WithTreeFile(false, QStringLiteral("取出数据"), [this](const QString& name) { Tree->LoadFromFile(name); })) {
    Tree->Arrange();
    Tree->Repaint();
  }
}
