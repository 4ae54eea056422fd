#include "demos/sort/ExternalForms.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QSplitter>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>

#include "framework/drawkit/IntEdit.h"
#include "platform/Controls.h"
#include "platform/Pacing.h"
#include "platform/Random.h"

namespace {

TFileMemo* NewMemo(QWidget* parent, const char* name, const QString& heading, const char* back,
                   const char* text, int designHeight) {
  auto* memo = new TFileMemo(parent);
  memo->DesignHeight = designHeight;
  memo->setObjectName(QString::fromLatin1(name));
  memo->setReadOnly(true);
  // A file of up to a hundred keys wraps, in view, rather than running off to the right.
  memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // The scroll bar stays, so that the wrapping does not change as it comes and goes.
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // No margin inside the document: the memo is sized to whole lines (ScaleMemos), and a line
  // scrolled to the top or bottom then shows whole, never cut by the frame.
  memo->document()->setDocumentMargin(0);
  memo->setStyleSheet(QStringLiteral("QPlainTextEdit { background: %1; color: %2; padding: 2px 4px; }")
                          .arg(QString::fromLatin1(back), QString::fromLatin1(text)));
  QFont font = memo->font();
  font.setPixelSize(18);
  memo->setFont(font);
  StartMemo(*memo, heading);
  return memo;
}

QSplitter* NewSplitter(QWidget* form, const char* name) {
  auto* layout = new QVBoxLayout(form);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* splitter = new QSplitter(Qt::Vertical, form);
  splitter->setObjectName(QString::fromLatin1(name));
  splitter->setChildrenCollapsible(false);
  layout->addWidget(splitter);
  return splitter;
}

// Pending paints and input between animation frames; then the pause of one flash.
void FlashPause(int speed) {
  pacing::ProcessMessages();
  pacing::Sleep((100 - speed) * 10);
}

}  // namespace

std::vector<TDrawnShape> TFileMemo::DrawingShapes() const {
  if (Stands.empty()) return {};
  TDrawnShape file = TDrawnShape::CellAt(rect(), QString()).Noted(toPlainText());
  file.Stands = Stands;
  return {file};
}

QString FileText(const QString& heading, const std::vector<int>& records) {
  QString text = heading + QLatin1Char('\n');
  for (int r : records) text += KeyText(r);
  return text;
}

QString KeyText(int record) { return record < 0 ? QStringLiteral(" *") : QString::asprintf("%5d", record); }

void AppendToLastLine(QPlainTextEdit& memo, const QString& text) {
  QTextCursor cursor(memo.document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(text);
  // The newest key stays in view.
  memo.moveCursor(QTextCursor::End);
  memo.ensureCursorVisible();
}

void ScaleMemos(const TGraphForm& form, std::initializer_list<TFileMemo*> memos) {
  const int pixels = form.Ratio().Grow(18);
  for (TFileMemo* memo : memos) {
    QFont font = memo->font();
    if (font.pixelSize() != pixels) {
      font.setPixelSize(pixels);
      memo->setFont(font);
    }
    // The memo takes whole lines of the room the splitter gives it; what is left goes to the
    // drawing beside it, so that no line shows cut in half at the memo's edge.
    auto* splitter = qobject_cast<QSplitter*>(memo->parentWidget());
    if (splitter == nullptr) continue;
    QList<int> sizes = splitter->sizes();
    const int at = splitter->indexOf(memo);
    const int drawing = at == 1 ? 0 : 1;
    // Not yet laid out: nothing to share.
    if (at < 0 || sizes.size() <= drawing || sizes[at] <= 0 || sizes[drawing] <= 0) continue;
    const int line = QFontMetrics(font).lineSpacing();
    const int frame = memo->height() - memo->viewport()->height();
    // Its share of the window as it was designed, not of the room the splitter left it: a
    // window made smaller takes the height from the memos too, not from the drawing alone.
    const int design = form.DesignClientSize().height();
    const int room = design > 0 && memo->DesignHeight > 0 ? form.height() * memo->DesignHeight / design : sizes[at];
    const int lines = std::max(2, (room - frame + line / 2) / line);
    const int wanted = lines * line + frame;
    sizes[drawing] += sizes[at] - wanted;
    sizes[at] = wanted;
    splitter->setSizes(sizes);
  }
}

void StartMemo(QPlainTextEdit& memo, const QString& heading) { memo.setPlainText(heading + QStringLiteral("\n")); }

// ---------------------------------------------------------------- k-way merge

TMgStGraphForm::TMgStGraphForm(QWidget* parent) : TGraphForm(parent) {
  SetCaption(QStringLiteral("MgStGraphForm"));
  SetDesignClientSize(420, 590);
  Splitter = NewSplitter(this, "Splitter");
  OutputMemo = NewMemo(Splitter, "OutputMemo", QStringLiteral("<Output file>"), "navy", "white", 105);
  MovingLsTree = new TMovingLsTree(Splitter);
  MovingLsTree->setObjectName(QStringLiteral("MovingLsTree"));
  Splitter->addWidget(OutputMemo);
  Splitter->addWidget(MovingLsTree);
  const int memo = OutputMemo->DesignHeight, tree = DesignClientSize().height() - memo;
  Splitter->setStretchFactor(0, memo);
  Splitter->setStretchFactor(1, tree);
  Splitter->setSizes({memo, tree});
}

void TMgStGraphForm::FormResize() {
  TGraphForm::FormResize();
  ScaleMemos(*this, {OutputMemo});
}

void TMgStGraphForm::SetHighlight(int record, bool on) {
  TLsNodeRec rec = MovingLsTree->GetNode(record);
  rec.Highlight = on;
  MovingLsTree->SetNode(record, rec);
}

void TMgStGraphForm::ReadLeaf(int q) {
  TMovingLsTree& tree = *MovingLsTree;
  TLsRunRec run = tree.GetRun(q);
  TLsNodeRec leaf = tree.GetNode(tree.Leaf(q));
  leaf.Value = run.Keys[0];
  if (leaf.Value == 999) leaf.Shown = false;
  std::rotate(run.Keys.begin(), run.Keys.begin() + 1, run.Keys.end());
  --run.LastKey;
  tree.SetRun(q, run);
  tree.SetNode(tree.Leaf(q), leaf);
}

void TMgStGraphForm::HighlightLeaf(int q) { SetHighlight(MovingLsTree->Leaf(q), true); }

void TMgStGraphForm::OutputLeaf(int q, int speed) {
  const int key = MovingLsTree->MoveKeyOut(speed, q);
  AppendToLastLine(*OutputMemo, KeyText(key));
}

void TMgStGraphForm::ShowInitLosers(int speed) {
  const int k = MovingLsTree->LastIndex() + 1;
  for (int i = 0; i < k; ++i) {
    TLsNodeRec rec = MovingLsTree->GetNode(i);
    rec.Value = k;
    rec.Highlight = true;
    MovingLsTree->SetNode(i, rec);
  }
  FlashPause(speed);
  for (int i = 0; i < k; ++i) SetHighlight(i, false);
}

void TMgStGraphForm::ShowTCursor(int t) {
  SetHighlight(0, false);
  SetHighlight(t, true);
}

void TMgStGraphForm::ShowSwap(int t, int s) { MovingLsTree->ShowSwap(t, s); }

void TMgStGraphForm::ShowHalveT(int t) {
  SetHighlight(t, false);
  SetHighlight(t / 2, true);
}

void TMgStGraphForm::ShowWinner(int s) {
  SetHighlight(1, false);
  TLsNodeRec root = MovingLsTree->GetNode(0);
  root.Value = s;
  root.Highlight = true;
  MovingLsTree->SetNode(0, root);
}

void TMgStGraphForm::ShowMinKey(int minKey) {
  TLsNodeRec sentinel = MovingLsTree->GetNode(MovingLsTree->Sentinel());
  sentinel.Value = minKey;
  MovingLsTree->SetNode(MovingLsTree->Sentinel(), sentinel);
  MovingLsTree->SetShowSentinel(true);
}

std::array<int, 9> MakeRunFile(int m) {
  std::array<int, 9> keys{};
  m = std::clamp(m, 1, 8);
  // Keys stay below the end mark 999, which must not win before every run is exhausted.
  int key = 0;
  for (int i = 0; i < m; ++i) {
    key = (i == 0 ? 0 : key) + rnd::Random(1000 / m);
    keys[static_cast<std::size_t>(i)] = std::clamp(key, 1, 998);
  }
  keys[static_cast<std::size_t>(m)] = 999;
  return keys;
}

TmsGetDataFm::TmsGetDataFm(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("msGetDataFm"));
  SetCaption(QStringLiteral("Create Data"));
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(559, 364);
  // Every label, count and button takes it: the counts were once smaller than the labels,
  // too small to read.
  ApplyFont(*this, TFont{.Name = QStringLiteral("MS Sans Serif"), .Height = -14});
  auto* kLbl = new QLabel(QStringLiteral("参与归并文件数"), this);
  kLbl->setObjectName(QStringLiteral("KLbl"));
  kLbl->setGeometry(24, 20, 140, 24);
  KSpEdit = new QSpinBox(this);
  KSpEdit->setObjectName(QStringLiteral("KSpEdit"));
  KSpEdit->setRange(1, MaxRuns);
  KSpEdit->setValue(5);
  KSpEdit->findChild<QLineEdit*>()->setReadOnly(true);
  KSpEdit->setGeometry(170, 18, 60, 26);
  auto* bevel = new TBevel(this, bsTopLine);
  bevel->setGeometry(8, 56, 543, 4);
  for (int i = 0; i < MaxRuns; ++i) {
    auto* label = new QLabel(QStringLiteral("第%1个文件包含记录数").arg(i), this);
    auto* count = new QSpinBox(this);
    count->setObjectName(QStringLiteral("SpinEdit%1").arg(i));
    count->setRange(1, 8);
    count->setValue(3);
    count->findChild<QLineEdit*>()->setReadOnly(true);
    // Two columns of four, each half the client width.
    const int left = (i / 4) * (559 / 2) + 16;
    const int top = 364 / 5 + (i % 4) * (364 / 6);
    label->setGeometry(left, top, 170, 24);
    count->setGeometry(left + 176, top, 80, 24);
    Labels[static_cast<std::size_t>(i)] = label;
    Counts[static_cast<std::size_t>(i)] = count;
  }
  connect(KSpEdit, &QSpinBox::valueChanged, this, [this] { KSpEditChange(); });
  KSpEditChange();
  OKBtn = new TButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setGeometry(170, 322, 88, 28);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  CancelBtn = new TButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn->setGeometry(300, 322, 88, 28);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
}

void TmsGetDataFm::KSpEditChange() {
  for (int i = 0; i < MaxRuns; ++i) {
    Labels[static_cast<std::size_t>(i)]->setEnabled(i < KSpEdit->value());
    Counts[static_cast<std::size_t>(i)]->setEnabled(i < KSpEdit->value());
  }
}

bool TmsGetDataFm::Execute(int& k, std::array<std::array<int, 9>, MaxRuns>& runKeys) {
  if (ShowModal() != mrOk) return false;
  k = KSpEdit->value();
  rnd::Randomize();
  for (int j = 0; j < k; ++j) runKeys[static_cast<std::size_t>(j)] = MakeRunFile(Counts[static_cast<std::size_t>(j)]->value());
  return true;
}

// ---------------------------------------------------------------- replacement selection

TRepSelGraphForm::TRepSelGraphForm(QWidget* parent) : TGraphForm(parent) {
  SetCaption(QStringLiteral("RepSelGraphForm"));
  SetDesignClientSize(420, 617);
  Splitter1 = NewSplitter(this, "Splitter1");
  OutputMemo = NewMemo(Splitter1, "OutputMemo", QStringLiteral("<Output file>"), "navy", "white", 103);
  RepSelTree = new TRepSelTree(Splitter1);
  RepSelTree->setObjectName(QStringLiteral("RepSelTree"));
  InputMemo = NewMemo(Splitter1, "InputMemo", QStringLiteral("<Input file>"), "blue", "yellow", 104);
  Splitter1->addWidget(OutputMemo);
  Splitter1->addWidget(RepSelTree);
  Splitter1->addWidget(InputMemo);
  const int output = OutputMemo->DesignHeight, input = InputMemo->DesignHeight;
  Splitter1->setSizes({output, DesignClientSize().height() - output - input, input});
  Splitter1->setStretchFactor(1, 1);
  connect(Splitter1, &QSplitter::splitterMoved, this, [this] { RepSelTree->Invalidate(); });
}

void TRepSelGraphForm::FormResize() {
  TGraphForm::FormResize();
  ScaleMemos(*this, {OutputMemo, InputMemo});
}

void TRepSelGraphForm::EndRun() { AppendToLastLine(*OutputMemo, KeyText(-1)); }

void TRepSelGraphForm::OutputKey(int q, int speed) {
  const int key = RepSelTree->MoveKeyOut(speed, q);
  AppendToLastLine(*OutputMemo, KeyText(key));
}

void TRepSelGraphForm::TakeInputHead(int speed) {
  for (int i = 0; i < 5; ++i) {
    QTextCursor cursor(InputMemo->document()->findBlockByNumber(1));
    if (cursor.block().length() <= 1) break;
    cursor.deleteChar();
    pacing::Sleep((100 - speed) * 5);
  }
}

void TRepSelGraphForm::ReadKey(int q, int key, int speed) {
  TakeInputHead(speed);
  RepSelTree->MoveKeyIn(q, key, speed);
  TLsNodeRec leaf = RepSelTree->GetNode(RepSelTree->Leaf(q));
  leaf.Value = key;
  RepSelTree->SetNode(RepSelTree->Leaf(q), leaf);
}

void TRepSelGraphForm::ReadFirstKey(int q, int key, int speed) {
  ReadKey(q, key, speed);
  const int record = RepSelTree->Leaf(q);
  TLsNodeRec leaf = RepSelTree->GetNode(record);
  leaf.Highlight = true;
  RepSelTree->SetNode(record, leaf);
  FlashPause(speed);
  leaf.Highlight = false;
  RepSelTree->SetNode(record, leaf);
}

void TRepSelGraphForm::ShowDummy(int q, int key, int rmax) {
  TLsNodeRec leaf = RepSelTree->GetNode(RepSelTree->Leaf(q));
  leaf.Value = key;
  leaf.Shown = false;
  RepSelTree->SetNode(RepSelTree->Leaf(q), leaf);
  TLsNodeRec number = RepSelTree->GetRunNumber(q);
  number.Value = rmax + 1;
  number.Shown = false;
  RepSelTree->SetRunNumber(q, number);
}

void TRepSelGraphForm::FlashRunNumber(int q, int r, int speed) {
  TLsNodeRec number = RepSelTree->GetRunNumber(q);
  number.Value = r;
  number.Shown = true;
  number.Highlight = true;
  RepSelTree->SetRunNumber(q, number);
  FlashPause(speed);
  number.Highlight = false;
  RepSelTree->SetRunNumber(q, number);
}

void TRepSelGraphForm::ShowInitSlot(int i, int speed) {
  TRepSelTree& tree = *RepSelTree;
  const TLsNodeRec lit{0, 0, true, true};
  TLsNodeRec ls = lit;
  ls.Index = i;
  TLsNodeRec leaf = lit;
  leaf.Index = tree.Leaf(i);
  tree.SetNode(i, ls);
  tree.SetNode(tree.Leaf(i), leaf);
  tree.SetRunNumber(i, lit);
  FlashPause(speed);
  ls.Highlight = leaf.Highlight = false;
  tree.SetNode(i, ls);
  tree.SetNode(tree.Leaf(i), leaf);
  tree.SetRunNumber(i, TLsNodeRec{0, 0, true, false});
}

void TRepSelGraphForm::SetLs0(int q) {
  TLsNodeRec root = RepSelTree->GetNode(0);
  root.Value = q;
  RepSelTree->SetNode(0, root);
}

namespace {

// An edit and its up-down: a number in range typed into the edit moves the up-down, leaving
// the edit shows the up-down's position.
void PairEditAndUpDown(TIntEdit* edit, QSpinBox* upDown) {
  QObject::connect(upDown, &QSpinBox::valueChanged, edit, [edit](int v) { edit->SetValue(v); });
  QObject::connect(edit, &QLineEdit::textChanged, upDown, [edit, upDown] {
    const int v = edit->Value();
    if (!edit->text().isEmpty() && v >= upDown->minimum() && v <= upDown->maximum()) upDown->setValue(v);
  });
  QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit, upDown] { edit->SetValue(upDown->value()); });
}

}  // namespace

TrsGetDataForm::TrsGetDataForm(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("rsGetDataForm"));
  SetCaption(QStringLiteral("Input Data"));
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(320, 150);
  ApplyFont(*this, TFont{.Name = QStringLiteral("MS Sans Serif"), .Height = -14});
  const auto row = [this](const QString& caption, const char* editName, const char* upDownName, int min,
                          int max, int value, int top, TIntEdit*& edit, QSpinBox*& upDown) {
    auto* label = new QLabel(caption, this);
    label->setGeometry(16, top, 170, 24);
    edit = new TIntEdit(this);
    edit->setObjectName(QString::fromLatin1(editName));
    edit->setGeometry(190, top, 60, 24);
    upDown = new QSpinBox(this);
    upDown->setObjectName(QString::fromLatin1(upDownName));
    upDown->setRange(min, max);
    upDown->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    upDown->findChild<QLineEdit*>()->hide();
    upDown->setGeometry(250, top, 20, 24);
    upDown->setValue(value);
    edit->SetValue(value);
    PairEditAndUpDown(edit, upDown);
  };
  row(QStringLiteral("工作区大小(4-16)"), "Edit1", "UpDown1", 4, 16, 8, 20, Edit1, UpDown1);
  row(QStringLiteral("输入文件大小(10-100)"), "Edit2", "UpDown2", 10, 100, 30, 60, Edit2, UpDown2);
  OKBtn = new TButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setGeometry(60, 108, 88, 28);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  CancelBtn = new TButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn->setGeometry(172, 108, 88, 28);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
}

bool TrsGetDataForm::Execute(int& w, int& n) {
  if (ShowModal() != mrOk) return false;
  w = UpDown1->value();
  n = UpDown2->value();
  return true;
}
