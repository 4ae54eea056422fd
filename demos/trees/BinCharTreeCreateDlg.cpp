#include "demos/trees/BinCharTreeCreateDlg.h"

#include "demos/trees/TreeBase.h"
#include "framework/drawkit/Glyph.h"
#include "framework/drawkit/WesternText.h"

TNodeLetterEdit::TNodeLetterEdit(TBinCharTree& tree, TEdit& edit) : tree_(tree), edit_(edit) {
  edit_.hide();
  edit_.SetMaxLength(1);
  edit_.OnKeyPress = [this](QChar& key) { Typed(key); };
}

void TNodeLetterEdit::NodeClick(TTreeNodeBase& node) {
  auto* letterNode = dynamic_cast<TBinCharTreeNode*>(&node);
  if (!letterNode || (Editable && !Editable(*letterNode))) return;
  Cancel();
  pending_ = letterNode;
  pending_->SetHighlighted(true);
  // The edit's parent is the dialog; the node lies on the tree.
  const QPoint topLeft = tree_.mapTo(edit_.parentWidget(), node.geometry().topLeft());
  const int top = node.stair >= tree_.MaxDepth ? topLeft.y() - edit_.height() : topLeft.y() + node.height();
  edit_.move(topLeft.x(), top);
  edit_.clear();
  edit_.show();
  edit_.raise();
  edit_.setFocus();
}

void TNodeLetterEdit::Cancel() {
  edit_.hide();
  if (pending_) std::exchange(pending_, nullptr)->SetHighlighted(false);
}

void TNodeLetterEdit::Typed(QChar& key) {
  const QChar c = Accepts ? key : key.toUpper();
  key = QChar();  // the edit itself never keeps a character
  if (!CheckWestern(QString(c))) return;  // said, and the node still waits for its letter
  if (!pending_ || !(Accepts ? Accepts(c) : (c == ' ' || (c >= 'A' && c <= 'Z')))) return;
  TBinCharTreeNode* node = std::exchange(pending_, nullptr);
  node->SetValue(static_cast<char>(c.unicode()));
  node->SetHighlighted(false);
  edit_.hide();
  tree_.setFocus();
}

TButton* TreeDlgButton(QWidget* parent, const char* name, const QString& caption, int x, int y, int width,
                       int height) {
  auto* b = new TButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setGeometry(x, y, width, height);
  // Disabled, the caption is the window system's grey, which still reads on the button's face.
  QPalette palette = b->palette();
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, ToQColor(clGrayText));
  b->setPalette(palette);
  return b;
}

QIcon TwoImageGlyph(const char* name) {
  QIcon icon;
  const QImage all = KeyedPicture(QString::fromLatin1(name));
  if (all.isNull()) return icon;
  const int half = all.width() / 2;
  icon.addPixmap(QPixmap::fromImage(all.copy(0, 0, half, all.height())), QIcon::Normal);
  icon.addPixmap(QPixmap::fromImage(all.copy(half, 0, half, all.height())), QIcon::Disabled);
  return icon;
}

namespace {
TBinCharTree* MakeTree(QWidget* parent) {
  auto* tree = new TBinCharTree(parent);
  tree->setObjectName(QStringLiteral("Tree"));
  tree->setGeometry(10, 10, 277, 261);
  tree->setToolTip(QStringLiteral("请单击要改变的节点"));
  tree->MaxDepth = 0;
  tree->LineColor = clBlack;
  tree->PointerSize = 32;
  // The panel is narrow: the leaves of a full last level stand too close for all their captions
  // above them.
  tree->RoomForCaptionsBelow = true;
  return tree;
}
TEdit* MakeCharEdit(QWidget* parent, int x, int y, int w, int h) {
  auto* edit = new TEdit(parent);
  edit->setObjectName(QStringLiteral("CharEdit"));
  edit->setGeometry(x, y, w, h);
  return edit;
}
}  // namespace

TBinCharTreeInputDlg::TBinCharTreeInputDlg(QWidget* parent)
    : TForm(parent),
      Tree(MakeTree(this)),
      CharEdit(MakeCharEdit(this, 304, 184, 25, 21)),
      letters_(*Tree, *CharEdit) {
  setObjectName(QStringLiteral("BinCharTreeInputDlg"));
  RaiseFont(*this);  // the buttons and edits
  SetCaption(QStringLiteral("建树"));
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(384, 282);

  auto* bevel = new TBevel(this, bsFrame);
  bevel->setGeometry(8, 8, 281, 265);
  bevel->lower();
  Tree->OnNodeClick = [this](TTreeNodeBase& node) { TreeNodeClick(node); };

  OKBtn = TreeDlgButton(this, "OKBtn", QStringLiteral("OK"), 300, 8);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  CancelBtn = TreeDlgButton(this, "CancelBtn", QStringLiteral("Cancel"), 300, 43);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
  RandomCrtBtn = TreeDlgButton(this, "RandomCrtBtn", QStringLiteral("自动建树"), 300, 77);
  RandomCrtBtn->OnClick = [this] {
    letters_.Cancel();
    Tree->RandomBuild();
    Tree->Repaint();
  };
  UserCrtBtn = TreeDlgButton(this, "UserCrtBtn", QStringLiteral("满  树"), 300, 112);
  UserCrtBtn->OnClick = [this] {
    letters_.Cancel();
    Tree->CreateFullTree();
    Tree->Repaint();
  };
}

TBinCharTreeInputDlg::~TBinCharTreeInputDlg() = default;
