#include "demos/search/BTreeGrfForm.h"

#include "demos/search/BTreeClass.h"
#include "demos/search/BsTreeClass.h"
#include "demos/trees/BinCharTreeCreateDlg.h"
#include "demos/trees/ThrdTravGraphForm.h"
#include "framework/drawkit/Pointer2.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/PacedTimer.h"
#include "platform/TextRules.h"

namespace {
constexpr int kPanelHeight = 72;
}  // namespace

TBTreeGraphForm::TBTreeGraphForm(QWidget* parent)
    : TBTreeGraphForm(parent, QStringLiteral("B-树"), 340, new TBTreeClass()) {
  setObjectName(QStringLiteral("BTreeGraphForm"));
}

TBTreeGraphForm::TBTreeGraphForm(QWidget* parent, const QString& caption, int clientWidth, TBTreeClass* tree)
    : TGraphForm(parent), Tree(tree) {
  SetCaption(caption);
  SetDesignClientSize(clientWidth, 353);
  Tree->setParent(this);
  Place(Tree, 0, 0, 339, 280);
  Tree->setObjectName(QStringLiteral("Tree"));
  Tree->MaxDepth = 3;
  Tree->LineColor = clBlack;
  Tree->PointerSize = 32;
  Tree->show();
  ap = ThrdPointer(Tree, "ap", clBlue, clBlue);
  q = ThrdPointer(Tree, "q", clFuchsia, clFuchsia);
  p = ThrdPointer(Tree, "p", clLime, clGreen);
  succ = ThrdPointer(Tree, "succ", clAqua, clNavy);
  for (TPointer2* mark : {ap, q, p, succ}) {
    mark->KeepInside = true;  // on the root, inside the window
    // Sized with the tree's cells and wide enough for "succ" when spread (SpreadPointers), not
    // bounded by a node of one key.
    mark->GrowsWithWindow = false;
  }

  Panel1 = new TPanel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(0, 353 - kPanelHeight, clientWidth, kPanelHeight);
  KeyEdit = new TEdit(Panel1);
  KeyEdit->setObjectName(QStringLiteral("KeyEdit"));
  panelControls_.Add(KeyEdit, QRect(7, 7, 33, 21));
  KeyEdit->OnKeyPress = [this](QChar& key) { KeyEditKeyPress(key); };
  QObject::connect(KeyEdit, &QLineEdit::textChanged, KeyEdit, [this] { KeyEditChange(); });
  InsertBtn = TreeDlgButton(Panel1, "InsertBtn", QStringLiteral("插入"), 72, 7, 60, 26);
  panelControls_.Add(InsertBtn, InsertBtn->geometry());
  InsertBtn->setEnabled(false);
  InsertBtn->OnClick = [this] { ButtonClick(true); };
  DeleteBtn = TreeDlgButton(Panel1, "DeleteBtn", QStringLiteral("删除"), 169, 7, 61, 26);
  panelControls_.Add(DeleteBtn, DeleteBtn->geometry());
  DeleteBtn->setEnabled(false);
  DeleteBtn->OnClick = [this] { ButtonClick(false); };
  Status = new TEdit(Panel1);
  Status->setObjectName(QStringLiteral("Status"));
  Status->OnKeyPress = [](QChar& key) { key = QChar(); };
  // The status line spans the panel.
  panelControls_.AddStretched(Status, QRect(7, 39, clientWidth - 16, 28), 9,
                              TFont{.Name = QStringLiteral("MS Sans Serif"), .Height = -16, .Color = clRed});
  ScrollTimer = new TPacedTimer(400, this);
  ScrollTimer->OnTimer = [this] { ScrollTimerTimer(); };
  setFocusProxy(KeyEdit);
}

void TBTreeGraphForm::FormResize() {
  // The panel keeps to the bottom, its share of the height as the tree keeps its own; its
  // controls grow with the window and the status line follows its width.
  panelControls_.ApplyAtBottom(*Panel1, kPanelHeight, Ratio(), size());
  TGraphForm::FormResize();
  SpreadPointers(*Tree);  // the window put every mark back on its corner
}

void TBTreeGraphForm::KeyEditKeyPress(QChar& key) {
  if (key == '\b') return;
  // Typing over a selection replaces it, so only the rest counts towards the two digits.
  const int kept = static_cast<int>(KeyEdit->text().size() - KeyEdit->selectedText().size());
  if (!key.isDigit() || key.unicode() > '9' || kept >= 2) key = QChar();
}

void TBTreeGraphForm::KeyEditChange() {
  const bool any = !KeyEdit->text().isEmpty();
  InsertBtn->setEnabled(any);
  DeleteBtn->setEnabled(any);
}

int TBTreeGraphForm::Key() const { return std::clamp(KeyEdit->text().toInt(), 0, 99); }

void TBTreeGraphForm::ButtonClick(bool insert) {
  InsertBtn->setEnabled(false);
  DeleteBtn->setEnabled(false);
  if (insert && OnInsert) OnInsert();
  if (!insert && OnDelete) OnDelete();
}

void TBTreeGraphForm::SetStatus(const QString& text, bool scroll) {
  ScrollTimer->Stop();
  StatusText = text;
  Status->setText(text);
  if (scroll) ScrollTimer->Start();
}

void TBTreeGraphForm::ScrollTimerTimer() {
  const QByteArray shown = text::ToGbk(Status->text());
  Status->setText(shown.isEmpty() ? StatusText : text::FromGbk(shown.mid(2)));
}
