#include "demos/search/BsTreeGrfForm.h"

#include "demos/search/BsTreeClass.h"
#include "demos/trees/BinCharTreeCreateDlg.h"
#include "framework/drawkit/Pointer2.h"
#include "platform/Controls.h"
#include "platform/Forms.h"

const QStringList TBsTreeGraphForm::AlgoSearch = {
    QStringLiteral("!bstsrch"),
    QStringLiteral("FUNC bstsrch(t:bitreptr; k:keytype):bitreptr;"),
    QStringLiteral("{ 在根指针为t的二叉排序树中查找关键字等于k的结点， }"),
    QStringLiteral("{ 成功时返回指向该结点的指针，否则返回NIL }"),
    QStringLiteral("BEGIN"),
    QStringLiteral("  IF (t=NIL) OR (t^.key=k) THEN`Begin@F{Else}"),
    QStringLiteral("    RETURN(t)`Line1@P{End}"),
    QStringLiteral("  ELSE IF k<t^.key THEN`Else@F{Line3}"),
    QStringLiteral("    RETURN(bstsrch(t^.lchild,k))`Line2@C{bstsrch}@P{End}"),
    QStringLiteral("  ELSE RETURN(bstsrch(t^.rchild,k))`Line3@C{bstsrch}"),
    QStringLiteral("END;`End@R"),
    QStringLiteral("#"),
};

namespace {
// The search both insertion and deletion start with.
const QStringList kSrchBstree = {
    QStringLiteral("!srch_bstree"),
    QStringLiteral("FUNC srch_bstree(VAR f:bitreptr; bst:bitreptr; k:keytype;"),
    QStringLiteral("                 VAR found:boolean):bitreptr;"),
    QStringLiteral("{ 在bst所指二叉排序树中查找关键字k，f指向bst的双亲。 }"),
    QStringLiteral("{ 找到时found为TRUE，返回该结点；否则found为FALSE，返回 }"),
    QStringLiteral("{ 查找路径上的最后一个结点(插入位置的双亲) }"),
    QStringLiteral("BEGIN"),
    QStringLiteral("  IF bst=NIL THEN`Begin@F{Else}"),
    QStringLiteral("    [ found:=FALSE; RETURN(f) ]`Line1@P{End}"),
    QStringLiteral("  ELSE IF bst^.key=k THEN`Else@F{Else2}"),
    QStringLiteral("    [ found:=TRUE; RETURN(bst) ]`Line2@P{End}"),
    QStringLiteral("  ELSE IF k<bst^.key THEN`Else2@F{Else3}"),
    QStringLiteral("    [ f:=bst;`Line3@P"),
    QStringLiteral("      RETURN(srch_bstree(f,bst^.lchild,k,found)) ]`Line4@C{srch_bstree}@P{End}"),
    QStringLiteral("  ELSE [ f:=bst;`Else3@P"),
    QStringLiteral("      RETURN(srch_bstree(f,bst^.rchild,k,found)) ]`Line5@C{srch_bstree}"),
    QStringLiteral("END;`End@P@R"),
};

QStringList WithSearch(QStringList text) {
  text.append(kSrchBstree);
  text.append(QStringLiteral("#"));
  return text;
}
}  // namespace

const QStringList TBsTreeGraphForm::AlgoInsert = WithSearch({
    QStringLiteral("!ins_bstree"),
    QStringLiteral("PROC ins_bstree(VAR bst:bitreptr; k:keytype);"),
    QStringLiteral("{ 二叉排序树bst中没有关键字k时，插入一个关键字为k的结点 }"),
    QStringLiteral("BEGIN"),
    QStringLiteral("  f:=NIL; f:=srch_bstree(f,bst,k,found);`Begin@C{srch_bstree}"),
    QStringLiteral("  IF found THEN`IfFound@F{NotFound}"),
    QStringLiteral("    writeln('关键字已存在')`Found@P{End}"),
    QStringLiteral("  ELSE [ new(s); s^.key:=k; s^.lchild:=NIL; s^.rchild:=NIL;`NotFound@P"),
    QStringLiteral("    IF bst=NIL THEN`IfNil@F{NotNil}"),
    QStringLiteral("      bst:=s`Line1@P{End}"),
    QStringLiteral("    ELSE IF k<f^.key THEN`NotNil@F{Line3}"),
    QStringLiteral("      f^.lchild:=s`Line2@P{End}"),
    QStringLiteral("    ELSE f^.rchild:=s ]`Line3@P"),
    QStringLiteral("END;`End@R"),
});

const QStringList TBsTreeGraphForm::AlgoDelete = WithSearch({
    QStringLiteral("!del_bstree"),
    QStringLiteral("PROC del_bstree(VAR bst:bitreptr; k:keytype);"),
    QStringLiteral("{ 删除二叉排序树bst中关键字为k的结点：没有左子树的结点由 }"),
    QStringLiteral("{ 右子树顶替；否则取左子树中最大的关键字(中序前驱)顶替， }"),
    QStringLiteral("{ 再删去前驱结点 }"),
    QStringLiteral("BEGIN"),
    QStringLiteral("  f:=NIL; p:=srch_bstree(f,bst,k,found);`Begin@C{srch_bstree}"),
    QStringLiteral("  IF NOT found THEN`IfFound@F{If}"),
    QStringLiteral("    writeln('关键字不存在')`NotFound@P{End}"),
    QStringLiteral("  ELSE IF p^.lchild=NIL THEN`If@F{Else}"),
    QStringLiteral("    IF f=NIL THEN`If1@F{Else1}"),
    QStringLiteral("      bst:=p^.rchild`Line1@P{End}"),
    QStringLiteral("    ELSE IF p=f^.lchild THEN`Else1@F{Else2}"),
    QStringLiteral("      f^.lchild:=p^.rchild`Line2@P{End}"),
    QStringLiteral("    ELSE f^.rchild:=p^.rchild`Else2@P{End}"),
    QStringLiteral("  ELSE [ q:=p; s:=p^.lchild;`Else@P"),
    QStringLiteral("    WHILE s^.rchild<>NIL DO`While@F{Line4}"),
    QStringLiteral("      [ q:=s; s:=s^.rchild ];`Line3@P{While}"),
    QStringLiteral("    p^.key:=s^.key;`Line4@P"),
    QStringLiteral("    IF q<>p THEN`If2@F{Else3}"),
    QStringLiteral("      q^.rchild:=s^.lchild`Line5@P{End}"),
    QStringLiteral("    ELSE q^.lchild:=s^.lchild ]`Else3@P"),
    QStringLiteral("END;`End@R"),
});

namespace {
constexpr int kPanelHeight = 39;
}  // namespace

void PointMarker(TPointer2& marker, QWidget* node) {
  marker.SetTarget(node);
  if (marker.parentWidget()) SpreadPointers(*marker.parentWidget());
  else marker.Reposition();
}

TSearchTreeForm::TSearchTreeForm(QWidget* parent) : TGraphForm(parent) {}

void TSearchTreeForm::MakePanel(int top, int width, int editLeft) {
  Panel1 = new TPanel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(0, top, width, kPanelHeight);
  ChEdit = new TEdit(Panel1);
  ChEdit->setObjectName(QStringLiteral("ChEdit"));
  panelControls_.Add(ChEdit, QRect(editLeft, 7, 33, 26), TFont{.Name = QStringLiteral("MS Sans Serif"), .Height = -19});
  ChEdit->OnKeyPress = [this](QChar& key) { ChEditKeyPress(key); };
  QObject::connect(ChEdit, &QLineEdit::textChanged, ChEdit, [this](const QString&) { ChEditChange(); });
}

void TSearchTreeForm::ChEditKeyPress(QChar& key) {
  // Letters only: Backspace too is dropped, a new letter typed over the old one.
  key = key.toUpper();
  if (key < 'A' || key > 'Z') key = QChar();
}

void TSearchTreeForm::ChEditChange() {
  const QString text = ChEdit->text();
  if (text.size() > 1) {
    ChEdit->setText(text.left(1));  // changes again
    return;
  }
  EnableButtons(!text.isEmpty());
}

TPointer2* TSearchTreeForm::AddMarker(QWidget* tree, const char* name, const QString& caption, TColor color,
                                      int size) {
  auto* marker = new TPointer2(tree);
  marker->setObjectName(QString::fromLatin1(name));
  marker->SetCaption(caption);
  marker->setGeometry(0, 0, size, size);
  marker->SetColor(color);
  marker->SetFontColor(color);
  marker->SetBorderColor(clWhite);
  marker->KeepInside = true;  // on the root, below the window's title rather than under it
  marker->GrowsWithWindow = false;  // sized with the tree's nodes when spread (SpreadPointers)
  marker->hide();
  markers_ << marker;
  return marker;
}

TButton* TSearchTreeForm::AddButton(const char* name, const QString& caption, const char* glyph, int operation,
                                    int left, int width) {
  TButton* button = TreeDlgButton(Panel1, name, caption, left, 7, width, 26);
  button->setIcon(TwoImageGlyph(glyph));
  panelControls_.Add(button, button->geometry());
  button->OnClick = [this, operation] {
    if (OnOperation) OnOperation(operation);
  };
  button->setEnabled(false);
  buttons_ << button;
  return button;
}

char TSearchTreeForm::Letter() const {
  const QString text = ChEdit->text();
  return text.isEmpty() ? '\0' : static_cast<char>(text.at(0).unicode());
}

void TSearchTreeForm::EnableButtons(bool enabled) {
  for (TButton* button : buttons_) button->setEnabled(enabled);
}

void TSearchTreeForm::HideMarkers() {
  for (TPointer2* marker : markers_) PointMarker(*marker, nullptr);
}

void TSearchTreeForm::Idle() {
  ChEdit->setEnabled(true);
  EnableButtons(Letter() != '\0');
  HideMarkers();
}

void TSearchTreeForm::PlaceMarkers() {
  for (TPointer2* marker : markers_) marker->Reposition();
  if (!markers_.isEmpty() && markers_.front()->parentWidget()) SpreadPointers(*markers_.front()->parentWidget());
}

void TSearchTreeForm::FormResize() {
  // The panel keeps to the bottom, its share of the height as the tree keeps its own; its
  // controls grow with the window.
  panelControls_.ApplyAtBottom(*Panel1, kPanelHeight, Ratio(), size());
  TGraphForm::FormResize();
  PlaceMarkers();  // the window put every pointer back on its corner
}

TBsTreeGraphForm::TBsTreeGraphForm(QWidget* parent) : TSearchTreeForm(parent) {
  setObjectName(QStringLiteral("BsTreeGraphForm"));
  SetCaption(QStringLiteral("二叉排序树"));
  SetDesignClientSize(441, 456);
  Tree = Place(new TBsTreeClass(this), 0, 0, 441, 417);
  Tree->setObjectName(QStringLiteral("Tree"));
  Tree->MaxDepth = 5;
  Tree->LineColor = clBlack;
  Tree->PointerSize = 32;
  Tree->NodeCaption = QStringLiteral("n");
  Tree->RoomForPointersBelow = true;  // a crowded leaf's pointer stands under it
  bstPointer = AddMarker(Tree, "bstPointer", QStringLiteral("bst"), clBlue, 26);
  fPointer = AddMarker(Tree, "fPointer", QStringLiteral("f"), clLime, 26);
  pPointer = AddMarker(Tree, "pPointer", QStringLiteral("p"), clTeal, 26);
  qPointer = AddMarker(Tree, "qPointer", QStringLiteral("q"), clYellow, 26);
  sPointer = AddMarker(Tree, "sPointer", QStringLiteral("s"), clFuchsia, 26);
  MakePanel(417, 441, 7);
  SearchBtn = AddButton("SearchBtn", QStringLiteral("查找"), "bstsearch.bmp", 1, 52, 61);
  InsertBtn = AddButton("InsertBtn", QStringLiteral("插入"), "bstinsert.bmp", 2, 150, 60);
  DeleteBtn = AddButton("DeleteBtn", QStringLiteral("删除"), "bstdelete.bmp", 3, 247, 61);
}
