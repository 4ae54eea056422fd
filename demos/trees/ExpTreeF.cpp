#include "demos/trees/ExpTreeF.h"

#include <QLabel>
#include <QFontMetrics>
#include <QStringList>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

#include "demos/stacks/ExpF.h"
#include "framework/drawkit/ScaledControls.h"
#include "demos/trees/ExpTreeModel.h"
#include "demos/trees/TreeBase.h"
#include "framework/drawkit/StackBox.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/Globals.h"
#include "platform/ModalHost.h"
#include "platform/Random.h"
#include "platform/TextRules.h"

namespace {

class TExpTreeStackRow : public TData {
 public:
  explicit TExpTreeStackRow(const QString& text) : text_(text) {}
  QString GetText() const override { return CutText(text_); }

 private:
  QString text_;
};

TStackBox* StackDisplay(TGraphForm& form, const char* name, const QString& title, int left, int width) {
  auto* box = form.Place(new TStackBox(&form), left, 136, width, 222);
  box->setObjectName(QString::fromLatin1(name));
  box->SetLook({.RowCount = TExptF::StackRows,
                .NodeColor = clAqua,
                .NodeFont = {.Name = QStringLiteral("Courier New"), .Height = -18, .Color = clFuchsia},
                .Title = title});
  return box;
}

TZqStaticText* HiddenText(TGraphForm& form, const char* name, const QString& caption) {
  auto* t = form.Place(new TZqStaticText(&form), 262, 80, 178, 24);
  t->setObjectName(QString::fromLatin1(name));
  t->SetCaption(caption);
  t->hide();
  return t;
}

// Slot k (1..6) at design size: rows of two from the bottom up.
QRect SlotRect(int k) {
  const int tops[] = {262, 164, 66};
  return {k % 2 == 1 ? 15 : 130, tops[(k - 1) / 2], 106, 96};
}

TBinCharTree* SlotTree(TGraphForm& form, const QString& name, int left, int top, int width, int height) {
  auto* tree = form.Place(new TBinCharTree(&form), left, top, width, height);
  tree->setObjectName(name);
  tree->PointerSize = 0;
  tree->ShowName = false;  // small slots: the letters alone
  tree->hide();
  return tree;
}

const QString kSamples[] = {QStringLiteral("a+b-c/d"),   QStringLiteral("a*b-c+d"),
                            QStringLiteral("a+b+(c-d)"), QStringLiteral("a*b-c*d"),
                            QStringLiteral("a-b/(c+d)"), QStringLiteral("a*(b-c)/d")};

}  // namespace

bool ExpTreeHasLetter(const TBinCharTreeNode* node) {
  if (!node) return false;
  const char v = node->Value();
  return (v >= 'a' && v <= 'z') || ExpTreeHasLetter(node->Left()) || ExpTreeHasLetter(node->Right());
}

// ---------------------------------------------------------------- layout

TExptF::TExptF(QWidget* parent) : TGraphForm(parent) {
  setObjectName(QStringLiteral("ExptF"));
  SetCaption(QStringLiteral("表达式建树演示plus遍历表达式树求值"));
  SetDesignClientSize(448, 366);

  Edit1 = new TEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  {
    QPalette p = Edit1->palette();
    p.setColor(QPalette::Base, ToQColor(clAqua));
    Edit1->setPalette(p);
  }
  Edit1->setEnabled(false);
  Edit1->OnKeyPress = [this](QChar& key) {
    BitBtn2->show();
    if (key == QChar(13)) {
      key = QChar();
      if (!Edit1->isReadOnly()) BitBtn2Click();
    }
  };
  Label2 = HiddenText(*this, "Label2", QString());
  BitBtn2 = new TButton(QStringLiteral("开始"), this);
  BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
  SetHint(*BitBtn2, QStringLiteral("开始演示"));
  BitBtn2->hide();
  BitBtn2->OnClick = [this] { BitBtn2Click(); };
  QObject::connect(Edit1, &QLineEdit::textChanged, this, [this] {
    if (!settingText_) BitBtn2->setEnabled(true);
  });
  StaticText4 = HiddenText(*this, "StaticText4", QStringLiteral("结果："));
  StaticText5 = HiddenText(*this, "StaticText5", QStringLiteral("操作："));
  Label3 = HiddenText(*this, "Label3", QString());
  Label1 = HiddenText(*this, "Label1", QString());
  BitBtn3 = new TButton(QStringLiteral("帮助"), this);  // no help of its own
  BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
  BitBtn3->hide();
  StaticText6 = HiddenText(*this, "StaticText6", QString());

  StackBox1 = StackDisplay(*this, "StackBox1", QStringLiteral("操作符栈"), 262, 74);
  StackBox2 = StackDisplay(*this, "StackBox2", QStringLiteral("操作数栈"), 369, 71);

  Label6 = new TClickLabel(QStringLiteral("表达式"), this);
  Label6->setObjectName(QStringLiteral("Label6"));
  Label6->setAlignment(Qt::AlignCenter);
  Label6->setCursor(Qt::PointingHandCursor);
  SetHint(*Label6, QStringLiteral("随机生成表达式"));
  Label6->OnClick = [this] { Label6Click(); };
  // Switched off, the result's title still reads: a dark grey, not the faint one that vanishes
  // into the sky (the start button greys its caption itself).
  {
    QPalette palette = Label6->palette();
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x50, 0x50, 0x50));
    Label6->setPalette(palette);
  }

  // Three rows of two slots fill the room below the expression, the first row at the bottom.
  for (int k = 1; k <= kExpTreeSlots; ++k) {
    const QRect slot = SlotRect(k);
    Trees[static_cast<std::size_t>(k)] =
        SlotTree(*this, QStringLiteral("BinCharTree%1").arg(k), slot.left(), slot.top(), slot.width(), slot.height());
  }
  LastBinCharTree = SlotTree(*this, QStringLiteral("LastBinCharTree"), 15, 80, 239, 278);
  LastBinCharTree->OnNodeClick = [this](TTreeNodeBase&) {};  // the digits are given in the value dialog
  Trees[0] = LastBinCharTree;
  CharEdit = new TEdit(this);
  CharEdit->setObjectName(QStringLiteral("CharEdit"));
  CharEdit->hide();

  Layout();
}

TExptF::~TExptF() = default;

void TExptF::Layout() {
  const TDesignRatio r(DesignClientSize(), size());
  const int fontHeight = r.Text(19, 8);
  Edit1->setFont(TFont{.Name = QStringLiteral("Courier"), .Height = -fontHeight}.ToQFont());
  Label6->setFont(TFont{.Name = QStringLiteral("宋体"), .Height = -std::max(fontHeight - 4, 8), .Style = fsBold}.ToQFont());
  Label6->setGeometry(r.X(4), r.Y(34), r.X(58), r.Y(24));
  BitBtn2->setGeometry(r.X(400), r.Y(32), r.X(44), r.Y(28));
  BitBtn2->setFont(TFont{.Name = QStringLiteral("宋体"), .Height = -r.Text(12, 12)}.ToQFont());
  // Evaluating, the edit gives its first 62 design pixels to the label's longer caption.
  const int left = evaluating_ ? 64 + 62 : 64;
  const int right = BitBtn2->isHidden() && !Edit1->isEnabled() ? 72 : 396;
  Edit1->setGeometry(r.X(left), r.Y(34), std::max(r.X(right - left), 8), r.Y(24));
  if (evaluating_) Label6->setGeometry(r.X(4), r.Y(34), r.X(120), r.Y(24));
}

void TExptF::FormResize() {
  RescaleContents();
  Layout();
  Update();
}

// ---------------------------------------------------------------- preparing

bool TExptF::BitBtn2Click() {
  // The lines of a going run read the stacks and the trees: the expression waits.
  if (CurrentDemo != nullptr && CurrentDemo->Running()) return false;
  const TExpTreeCheck check = CheckExpTreeExpression(Edit1->text());
  if (!check.Ok()) {
    Label2->SetCaption(check.Error);
    modal::ShowMessage(check.Error);
    expression_.clear();
    DisableRunKeys();
    BitBtn2->setEnabled(true);
    return false;
  }
  expression_ = check.Expression;
  // A new expression starts the demonstration over, as its reset does.
  if (CurrentDemo != nullptr) {
    CurrentDemo->Reset();
    CurrentDemo->UpdateChildWindow();
  } else {
    PrepareAgain();
  }
  EnableRunButtons(true);
  return true;
}

void TExptF::PrepareAgain() {
  if (!Accepted()) {
    DisableRunKeys();
    return;
  }
  optr_.Clear();
  opnd_.Clear();
  optr_.PushText(QStringLiteral("#"));
  StackBox1->Clear();
  StackBox2->Clear();
  i_ = 0;
  free_ = 1;
  ClearSlots();
  endReached_ = isOperand_ = false;
  evaluating_ = false;
  Label2->SetCaption(QString());
  Label6->setText(QStringLiteral("表达式"));
  Label6->setEnabled(true);
  SetHint(*Label6, QStringLiteral("随机生成表达式"));
  SetEditText(expression_);
  BitBtn2->setEnabled(false);
  Layout();
}

void TExptF::Label6Click() {
  if (evaluating_) return;
  rnd::Randomize();
  Edit1->setText(kSamples[rnd::Random(6)]);
  BitBtn2->show();
  Layout();
  BitBtn2Click();
}

void TExptF::ClearSlots() {
  for (TBinCharTree* tree : Trees) {
    tree->Clear();
    tree->hide();
  }
  FitSlots();
}

void TExptF::FitSlots() {
  // The pending subtrees share the slots' room, rows of two from the bottom up: a row in use
  // takes the height of the rows above that are free, the rows in use share it by their deepest
  // subtree's levels, and two subtrees of a row share its width by the places their last levels
  // have. So a deep subtree keeps letters that can be read beside a small one.
  const int first = SlotRect(1).left(), across = SlotRect(2).right() + 1 - first;
  const int gapX = SlotRect(2).left() - SlotRect(1).right() - 1, gapY = SlotRect(1).top() - SlotRect(3).bottom() - 1;
  const int bottom = SlotRect(1).bottom() + 1, areaTop = SlotRect(kExpTreeSlots).top();
  const auto depth = [this](int k) { return std::max(1, Trees[static_cast<std::size_t>(k)]->MaxDepth); };
  const int rows = free_ / 2;  // rows holding a subtree: slots 1 .. free_ - 1
  int levels = 0;
  for (int r = 0; r < rows; ++r) levels += std::max(depth(2 * r + 1), 2 * r + 2 < free_ ? depth(2 * r + 2) : 0);
  int top = bottom;
  for (int r = 0; r < kExpTreeSlots / 2; ++r) {
    const int left = 2 * r + 1, right = left + 1;
    QRect rooms[2] = {SlotRect(left), SlotRect(right)};
    if (r < rows) {
      const int rowLevels = std::max(depth(left), right < free_ ? depth(right) : 0);
      const int h = r + 1 == rows ? top - areaTop : (bottom - areaTop - gapY * (rows - 1)) * rowLevels / levels;
      top -= h;
      if (right < free_) {
        const int placesLeft = 1 << (depth(left) - 1), placesRight = 1 << (depth(right) - 1);
        // Neither narrower than a quarter: a lone letter beside a deep subtree keeps its size.
        const int shared = across - gapX;
        const int w = std::clamp(shared * placesLeft / (placesLeft + placesRight), shared / 4, shared - shared / 4);
        rooms[0] = QRect(first, top, w, h);
        rooms[1] = QRect(first + w + gapX, top, across - w - gapX, h);
      } else {
        rooms[0] = QRect(first, top, across, h);
      }
      top -= gapY;
    }
    for (int side = 0; side < 2; ++side) {
      TBinCharTree* tree = Trees[static_cast<std::size_t>(left + side)];
      const QRect& room = rooms[side];
      if (QRect(tree->Design.OriginalLeft, tree->Design.OriginalTop, tree->Design.OriginalWidth,
                tree->Design.OriginalHeight) == room)
        continue;
      tree->SetDesignBounds(room.left(), room.top(), room.width(), room.height(), DesignClientSize());
      tree->Rescale(width(), height());
      tree->Repaint();
    }
  }
}

// ---------------------------------------------------------------- the stacks

void TExptF::Redraw(const StringStack& stack, TStackBox& box) {
  box.Clear();
  // The list runs from the top down; the display is filled from the lowest row it shows.
  QStringList rows;
  for (const LinkNode* n = stack.First(); n != nullptr; n = stack.Next(n)) rows << static_cast<const SSNod*>(n)->Str;
  for (qsizetype k = std::min<qsizetype>(rows.size(), StackRows) - 1; k >= 0; --k) {
    box.Push(std::make_unique<TExpTreeStackRow>(rows[k]));
    // The row stands for the entry k places under the stack's top as the stack holds it now,
    // not as it was copied.
    box.Row(box.Count() - 1)->Stands = {{.Value = [&stack, k]() -> std::optional<QString> {
      qsizetype at = 0;
      for (const LinkNode* n = stack.First(); n != nullptr; n = stack.Next(n), ++at)
        if (at == k) return static_cast<const SSNod*>(n)->Str;
      return QString();
    }}};
  }
}

void TExptF::ShowOperators() { Redraw(optr_, *StackBox1); }
void TExptF::ShowOperands() { Redraw(opnd_, *StackBox2); }

QChar TExptF::GetOneChar() {
  // The expression was checked: its "#" ends the build before the end of the text.
  if (endReached_ || i_ >= expression_.size()) return QChar(u'#');
  const QChar ch = expression_[i_++];
  isOperand_ = ch >= u'a' && ch <= u'z';
  endReached_ = ch == u'#';
  if (endReached_ && free_ == 2) ShowFinalTree();  // a lone operand is the whole tree
  return ch;
}

void TExptF::CrtNodePush(QChar letter) {
  TBinCharTree* tree = Trees[static_cast<std::size_t>(free_)];
  tree->MaxDepth = 1;
  static_cast<TBinCharTreeNode*>(tree->NewRoot())->SetValue(static_cast<char>(letter.unicode()));
  tree->Root()->SetCaption(QString());
  tree->show();
  tree->Arrange();
  tree->Repaint();
  ++free_;
  FitSlots();
  opnd_.PushText(letter);
  ShowOperands();
}

void TExptF::PushOperator(QChar op) {
  optr_.PushText(op);
  ShowOperators();
}

QChar TExptF::TopOperator() const {
  const SSNod* top = optr_.Top();
  return top && !top->Str.isEmpty() ? top->Str[0] : QChar();
}

void TExptF::PopOperator() {
  (void)optr_.PopText();
  ShowOperators();
}

void TExptF::CrtSubtree() {
  TBinCharTree* older = Trees[static_cast<std::size_t>(free_ - 2)];
  TBinCharTree* newer = Trees[static_cast<std::size_t>(free_ - 1)];
  TBinCharTree* built = Trees[static_cast<std::size_t>(free_)];
  const QChar op = TopOperator();
  built->MaxDepth = 1 + std::max(older->MaxDepth, newer->MaxDepth);
  TBinCharTreeNode* root = static_cast<TBinCharTreeNode*>(built->NewRoot());
  root->SetValue(static_cast<char>(op.unicode()));
  for (TBinCharTree* part : {older, newer}) {
    auto* child = built->MakeNode<TBinCharTreeNode>();
    child->stair = 2;
    part == older ? root->SetLeft(child) : root->SetRight(child);
    child->Assign(*part->Root());
  }
  older->Assign(*built);
  older->NodeCaption.clear();
  older->NumberNodes();
  older->Arrange();
  older->Repaint();
  newer->Clear();
  newer->hide();
  built->Clear();
  --free_;
  FitSlots();
  // The two operands leave the display, their subtree enters.
  (void)opnd_.PopText();
  (void)opnd_.PopText();
  opnd_.PushText(op);
  (void)optr_.PopText();
  ShowOperands();
  ShowOperators();
  if (endReached_ && free_ == 2) ShowFinalTree();
}

void TExptF::ShowFinalTree() {
  TBinCharTree* last = Trees[1];
  if (last->isHidden()) return;
  LastBinCharTree->Assign(*last);
  last->Clear();
  last->hide();
  LastBinCharTree->NodeCaption.clear();
  LastBinCharTree->NumberNodes();
  LastBinCharTree->show();
  LastBinCharTree->Arrange();
  LastBinCharTree->Repaint();
}

QChar TExptF::GetTopPop() {
  auto top = opnd_.PopText();
  ShowOperands();
  ShowFinalTree();
  free_ = 1;
  return top && !top->Str.isEmpty() ? top->Str[0] : QChar(u' ');
}

void TExptF::StartEvaluation(const TBinCharTree& valued) {
  LastBinCharTree->Assign(valued);
  LastBinCharTree->NumberNodes();
  LastBinCharTree->Arrange();
  LastBinCharTree->Repaint();
  evaluating_ = true;
  Label6->setText(QStringLiteral("当前运算结果"));
  Label6->setEnabled(false);
  SetHint(*Label6, QString());
  SetEditText(QString());
  StackBox2->Clear();
  Layout();
}

void TExptF::ShowResult(int value) { SetEditText(QString::number(value)); }

std::vector<TDrawnShape> TExptF::DrawingShapes() const {
  if (!evaluating_) return {};
  return NotedTextCell(Edit1->geometry(), Edit1->text(), ResultStands);
}

void TExptF::SetEditText(const QString& text) {
  settingText_ = true;
  Edit1->setText(text);
  settingText_ = false;
}

// ---------------------------------------------------------------- the dog

void TExptF::RunDog() {
  Layout();
  Edit1->setEnabled(false);
  // From design x 98 to 400, four design pixels a frame.
  const TDesignRatio r(DesignClientSize(), size());
  const int y = text::Round(32 * r.Ry);
  dog_.Run(
      *this, (400 - 98) / 4, [&](int k) { return TPoint(text::Round((98 + 4 * k) * r.Rx), y); },
      [&](int) { Edit1->resize(Edit1->width() + r.X(4), Edit1->height()); });
  Edit1->setEnabled(true);
  Layout();
  Edit1->setFocus();
}

// ---------------------------------------------------------------- the question

TCalNeededF::TCalNeededF(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("CalNeededF"));
  SetCaption(QStringLiteral("Calculation Needed?"));
  SetBorderStyle(bsToolWindow);
  SetPosition(poScreenCenter);
  RaiseFont(*this);  // the buttons
  RichEdit1 = new QTextEdit(this);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1->setReadOnly(true);
  RichEdit1->setFont(TFont{.Name = QStringLiteral("隶书"), .Height = -20, .Color = clBlue}.ToQFont());
  RichEdit1->setTextColor(ToQColor(clBlue));
  const QString question = QStringLiteral("(如果想看\"遍历表达式树求值\"演示 请给每个字母节点赋0-9的整数先!)");
  RichEdit1->setPlainText(question);
  // The question reads whole, with no scroll bar: the box as tall as its wrapped lines, the
  // buttons and the window below it.
  const int textWidth = 302 - 2 * RichEdit1->frameWidth() - 2 * static_cast<int>(RichEdit1->document()->documentMargin());
  const QRect lines = QFontMetrics(RichEdit1->font())
                          .boundingRect(QRect(0, 0, textWidth - 4, 10000), Qt::TextWordWrap, question);
  const int boxHeight = std::max(54, lines.height() + 2 * RichEdit1->frameWidth() +
                                         2 * static_cast<int>(RichEdit1->document()->documentMargin()) + 8);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RichEdit1->setGeometry(8, 4, 302, boxHeight);
  SetClientSize(318, boxHeight + 49);
  YesBtn = TreeDlgButton(this, "YesBtn", QStringLiteral("Yes"), 80, boxHeight + 10);
  YesBtn->ModalResult = mrYes;
  YesBtn->SetDefault(true);
  NoBtn = TreeDlgButton(this, "NoBtn", QStringLiteral("No"), 168, boxHeight + 10);
  NoBtn->ModalResult = mrNo;
  NoBtn->setAutoDefault(false);
}

// ---------------------------------------------------------------- the value dialog

namespace {
TBinCharTree* ValueTree(QWidget* parent) {
  auto* tree = new TBinCharTree(parent);
  tree->setObjectName(QStringLiteral("Tree"));
  // With its design size known, the tree grows its least node with the dialog on a larger
  // screen: a deep tree then takes one column a node rather than letters too small to read.
  tree->SetDesignBounds(10, 10, 277, 261, QSize(401, 282));
  tree->setToolTip(QStringLiteral("请单击要改变的节点"));
  return tree;
}
TEdit* ValueEdit(QWidget* parent) {
  auto* edit = new TEdit(parent);
  edit->setObjectName(QStringLiteral("CharEdit"));
  edit->setGeometry(306, 150, 25, 21);
  return edit;
}
}  // namespace

TTreeValueInputDlg::TTreeValueInputDlg(QWidget* parent)
    : TForm(parent), Tree(ValueTree(this)), CharEdit(ValueEdit(this)), digits_(*Tree, *CharEdit) {
  setObjectName(QStringLiteral("TreeValueInputDlg"));
  RaiseFont(*this);  // the buttons and edits
  SetCaption(QStringLiteral("树结点赋值"));
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(401, 282);
  // An aqua ground through the palette: a style sheet would keep the controls' letters from
  // growing with the dialog on a larger screen.
  {
    QPalette p = palette();
    p.setColor(QPalette::Window, ToQColor(clAqua));
    setPalette(p);
    setAutoFillBackground(true);
  }
  auto* bevel = new TBevel(this, bsFrame);
  bevel->setGeometry(8, 8, 281, 265);
  bevel->lower();
  Tree->OnNodeClick = [this](TTreeNodeBase& node) { TreeNodeClick(node); };
  digits_.Editable = [](const TBinCharTreeNode& node) {
    const char v = node.Value();
    return (v >= 'a' && v <= 'z') || (v >= '0' && v <= '9');
  };
  digits_.Accepts = [](QChar c) { return c >= u'0' && c <= u'9'; };
  Image1 = new QLabel(QStringLiteral("单击字母结点\n键入0-9"), this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(293, 13, 100, 120);
  Image1->setWordWrap(true);
  Image1->setToolTip(QStringLiteral("单击节点,给它赋值"));
  OKBtn = TreeDlgButton(this, "OKBtn", QStringLiteral("OK"), 306, 184);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  OKBtn->OnClick = [this] { OKBtnClick(); };
  CancelBtn = TreeDlgButton(this, "CancelBtn", QStringLiteral("Cancel"), 306, 232);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
}

TTreeValueInputDlg::~TTreeValueInputDlg() = default;

void TTreeValueInputDlg::RandomCrtBtnClick() {
  digits_.Cancel();
  static_cast<TBinCharTreeNode*>(Tree->NewRoot())->RandomValue();
  Tree->AfterRescale();
  Tree->Repaint();
}

void TTreeValueInputDlg::UserCrtBtnClick() {
  digits_.Cancel();
  Tree->CreateFullTree();
  Tree->Repaint();
}

void TTreeValueInputDlg::OKBtnClick() {
  if (!ExpTreeHasLetter(Tree->Root())) return;
  modal::ShowMessage(QStringLiteral("还有字母结点没有赋值：请单击它，键入0-9的整数。"));
  SetModalResult(mrNone);
}
