#include "demos/trees/CrtBTIptDlg.h"

#include <QGroupBox>
#include <QLabel>

#include "demos/trees/BinCharTreeCreateDlg.h"
#include "framework/drawkit/WesternText.h"
#include "platform/Random.h"

namespace {

constexpr int kMaxLetters = 16;

bool IsEmptyMark(QChar c) { return c == ' ' || c == '#'; }

// Reads one subtree off the front of s; its depth.
int DepthOf(QStringView& s) {
  if (s.isEmpty()) return 0;
  const QChar c = s.front();
  s = s.mid(1);
  if (c == '#') return 0;
  const int left = DepthOf(s);
  const int right = DepthOf(s);
  return 1 + std::max(left, right);
}

void RandomSubtree(QString& out, char& letter, int depth) {
  if (depth < 4 && rnd::Random(depth + 1) < 1) {
    out += ' ';
    return;
  }
  out += QChar::fromLatin1(letter++);
  RandomSubtree(out, letter, depth - 1);
  RandomSubtree(out, letter, depth - 1);
}

}  // namespace

QString NormalisePreorder(const QString& text) {
  QString out;
  int nodes = 0;
  int empties = 0;
  for (const QChar c : text) {
    if (IsEmptyMark(c)) {
      if (empties + 1 > nodes) continue;
      ++empties;
      out += '#';
    } else if (c.unicode() <= 0x20 || c.unicode() > 0x7E) {
      continue;  // a node holds one character of the single-byte set
    } else if (nodes < kMaxLetters) {
      ++nodes;
      out += c;
    }
  }
  out += QString(nodes - empties + 1, '#');
  return out;
}

int PreorderDepth(const QString& preorder) {
  QStringView s(preorder);
  return DepthOf(s);
}

TCrtBTIptDlg::TCrtBTIptDlg(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("CrtBTIptDlg"));
  RaiseFont(*this);  // the buttons and edits
  SetCaption(QStringLiteral("输入数据"));
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(458, 205);

  GroupBox1 = new QGroupBox(QStringLiteral("请输入先序遍历字符串，深度不超过4。"), this);
  GroupBox1->setGeometry(18, 10, 417, 111);
  EdtInput = new TEdit(GroupBox1);
  EdtInput->setObjectName(QStringLiteral("EdtInput"));
  EdtInput->setGeometry(10, 30, 395, 28);
  STxtShow = new QLabel(QStringLiteral("#"), GroupBox1);
  STxtShow->setObjectName(QStringLiteral("STxtShow"));
  STxtShow->setGeometry(10, 70, 395, 27);
  STxtShow->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  QObject::connect(EdtInput, &QLineEdit::textChanged, this, [this] { EdtInputChange(); });

  RandomBtn = TreeDlgButton(this, "RandomBtn", QStringLiteral("随机生成"), 18, 130, 111, 31);
  RandomBtn->OnClick = [this] { RandomBtnClick(); };
  OKBtn = TreeDlgButton(this, "OKBtn", QStringLiteral("确定"), 169, 130, 111, 31);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  // The shown string drops what a node cannot hold; a character of more than one byte is
  // refused outright rather than lost unseen.
  OKBtn->OnClick = [this] {
    if (!CheckWestern(EdtInput->text())) SetModalResult(mrNone);
  };
  CancelBtn = TreeDlgButton(this, "CancelBtn", QStringLiteral("取消"), 320, 130, 111, 31);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
}

bool TCrtBTIptDlg::Execute() { return ShowModal() == mrOk; }

void TCrtBTIptDlg::EdtInputChange() {
  const QString normalised = NormalisePreorder(EdtInput->text());
  if (PreorderDepth(normalised) <= MaxDepth) STxtShow->setText(normalised);
}

void TCrtBTIptDlg::RandomBtnClick() {
  rnd::Randomize();
  QString s;
  char letter = 'A';
  RandomSubtree(s, letter, 4);
  EdtInput->setText(s);
}
