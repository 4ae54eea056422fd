#include "demos/trees/ThrdInDelGraphForm.h"

#include "demos/trees/BinCharTreeCreateDlg.h"
#include "demos/trees/ThrdTravGraphForm.h"
#include "demos/trees/ThrdTree.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/drawkit/StatusLine.h"
#include "framework/drawkit/WesternText.h"
#include "platform/Bitmap.h"
#include "platform/PacedTimer.h"

const QStringList TThrdInDelGraphForm::AlgoInsert = {
    QStringLiteral("!insert"),
    QStringLiteral("PROC ins_lchild_inthr(thrt,x,y:thlinktp);"),
    QStringLiteral("{ 在中序线索树中插入结点x作为结点y的左孩子 }"),
    QStringLiteral("BEGIN"),
    QStringLiteral("  IF (y=thrt) AND (y^.ltag=1) THEN`Begin@F{Line2}"),
    QStringLiteral("    y^.rc:=x;`Line1@P"),
    QStringLiteral("  p:=y;`Line2@P"),
    QStringLiteral("  WHILE p^.ltag=0 DO`Line3@F{Line5}"),
    QStringLiteral("    p:=p^.lc;`Line4@P{Line3}"),
    QStringLiteral("  x^.ltag:=1; x^.lc:=p^.lc;`Line5@P"),
    QStringLiteral("  IF y^.ltag=1 THEN`Line6@F{Line8}"),
    QStringLiteral("    [ x^.rtag:=1; x^.rc:=y ]`Line7@P{Line10}"),
    QStringLiteral("  ELSE [ x^.rtag:=0; x^.rc:=y^.lc;`Line8@P"),
    QStringLiteral("         p^.lc:=x ];`Line9@P"),
    QStringLiteral("  y^.ltag:=0; y^.lc:=x`Line10@P"),
    QStringLiteral("END;`End@R"),
    QStringLiteral("#"),
};

const QStringList TThrdInDelGraphForm::AlgoDelete = {
    QStringLiteral("!delete"),
    QStringLiteral("PROC del_lchild_inthr(thrt,y:thlinktp);"),
    QStringLiteral("{ 在中序线索树中删除结点y的左子树 }"),
    QStringLiteral("BEGIN"),
    QStringLiteral("  IF y=thrt THEN`Begin@F{Line2}"),
    QStringLiteral("    y^.rc:=y;`Line1@P"),
    QStringLiteral("  IF y^.ltag=0 THEN`Line2@F{End}"),
    QStringLiteral("  [ x:=y^.lc; p:=x;`Line3@P"),
    QStringLiteral("    WHILE p^.ltag=0 DO`Line4@F{Line6}"),
    QStringLiteral("      p:=p^.lc;`Line5@P{Line4}"),
    QStringLiteral("    y^.ltag:=1; y^.lc:=p^.lc;`Line6@P"),
    QStringLiteral("    Clear(x) ]`Line7@P"),
    QStringLiteral("END;`End@R"),
    QStringLiteral("#"),
};

TThrdInDelGraphForm::TThrdInDelGraphForm(QWidget* parent) : TGraphForm(parent) {
  setObjectName(QStringLiteral("ThrdInDelGraphForm"));
  SetCaption(QStringLiteral("线索树的插入和删除"));
  SetDesignClientSize(274, 354);
  Tree = Place(new TThrdTree(this), 0, 0, 274, 280);
  Tree->setObjectName(QStringLiteral("Tree"));
  Tree->MaxDepth = 4;
  Tree->LineColor = clBlack;
  Tree->PointerSize = 32;
  Tree->ChrColor = clYellow;
  Tree->RoomForPointersBelow = true;
  Tree->OnNodeClick = [this](TTreeNodeBase& node) { TreeNodeClick(node); };
  p = ThrdPointer(Tree, "p", clLime, clGreen);
  p->OffX = 32;
  y = ThrdPointer(Tree, "y", clTeal, clTeal);
  x = ThrdPointer(Tree, "x", clAqua, clBlue);
  thrt = ThrdPointer(Tree, "thrt", clBlue, clRed);

  Panel1 = new TPanel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(0, 281, 274, 73);
  ChEdit = new TEdit(Panel1);
  ChEdit->setObjectName(QStringLiteral("ChEdit"));
  panelControls_.Add(ChEdit, QRect(7, 7, 33, 21), TFont{.Height = -13});
  ChEdit->OnKeyPress = [](QChar& key) {
    key = key.toUpper();
    if (!CheckWestern(QString(key))) key = QChar();
    if (key < 'A' || key > 'Z') key = QChar();
  };
  QObject::connect(ChEdit, &QLineEdit::textChanged, ChEdit, [this](const QString& text) {
    if (text.size() > 1) ChEdit->setText(text.left(1));
    InsertBtn->setEnabled(!ChEdit->text().isEmpty());
  });
  InsertBtn = TreeDlgButton(Panel1, "InsertBtn", QStringLiteral("插入"), 72, 7, 60, 26);
  InsertBtn->setIcon(TwoImageGlyph("thrdinsert.bmp"));
  panelControls_.Add(InsertBtn, InsertBtn->geometry(), TFont{.Height = -12});
  InsertBtn->setEnabled(false);
  InsertBtn->OnClick = [this] {
    if (OnInsert) OnInsert();
  };
  DeleteBtn = TreeDlgButton(Panel1, "DeleteBtn", QStringLiteral("删除"), 169, 7, 61, 26);
  DeleteBtn->setIcon(TwoImageGlyph("thrddelete.bmp"));
  panelControls_.Add(DeleteBtn, DeleteBtn->geometry(), TFont{.Height = -12});
  DeleteBtn->OnClick = [this] {
    if (OnDelete) OnDelete();
  };
  Status = new TStatusLine(Panel1);
  Status->setObjectName(QStringLiteral("Status"));
  Status->OnKeyPress = [](QChar& key) { key = QChar(); };
  // Never focused: the focus leaving the key edit as it is switched off would select the whole
  // instruction, red on the selection's blue.
  Status->setFocusPolicy(Qt::NoFocus);
  // The status line spans the panel.
  panelControls_.AddStretched(Status, QRect(7, 39, 260, 28), 7,
                              TFont{.Name = QStringLiteral("MS Sans Serif"), .Height = -16, .Color = clRed});
  ScrollTimer = new TPacedTimer(400, this);
  ScrollTimer->OnTimer = [this] { ScrollTimerTimer(); };
}

void TThrdInDelGraphForm::FormResize() {
  // The panel keeps to the bottom, its share of the height as the tree keeps its own; its
  // controls grow with the window and the status line follows its width.
  panelControls_.ApplyAtBottom(*Panel1, 73, Ratio(), size());
  TGraphForm::FormResize();
}

void TThrdInDelGraphForm::SetStatus(const QString& text, bool scroll) {
  ScrollTimer->Stop();
  StatusText = text;
  // The whole instruction is in view when it appears.
  panelControls_.ShowWhole(*Status, text);
  if (scroll) ScrollTimer->Start();
}

void TThrdInDelGraphForm::ScrollTimerTimer() {
  const QString shown = Status->text();
  Status->setText(shown.isEmpty() ? StatusText : shown.mid(1));
  Status->setCursorPosition(0);
}

void TThrdInDelGraphForm::TreeNodeClick(TTreeNodeBase& node) {
  if (ClicksLocked) return;
  ClicksLocked = true;
  if (OnCheckDepth) OnCheckDepth(node);
}
