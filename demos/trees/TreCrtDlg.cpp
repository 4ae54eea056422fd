#include "demos/trees/TreCrtDlg.h"

#include <QLabel>
#include <memory>

#include "demos/trees/BinCharTreeCreateDlg.h"
#include "framework/drawkit/WesternText.h"
#include "platform/Bitmap.h"
#include "platform/ModalHost.h"

namespace {

// Whether the procedure, reading pre[pp..] and ino[ip..] (1-based) for n letters, finds
// every root in its inorder range.
bool Consistent(const QString& pre, const QString& ino, int pp, int ip, int n) {
  if (n == 0) return true;
  int i = 1;
  while (pre[pp - 1] != ino[ip + i - 2] && i < n) ++i;
  if (pre[pp - 1] != ino[ip + i - 2]) return false;
  return Consistent(pre, ino, pp + 1, ip, i - 1) && Consistent(pre, ino, pp + i, ip + i, n - i);
}

QLabel* Label(QWidget* parent, const QString& text, int x, int y, const TFont& font) {
  auto* label = new QLabel(text, parent);
  ApplyFont(*label, font);
  label->move(x, y);
  label->adjustSize();
  return label;
}

TEdit* Edit(QWidget* parent, const char* name, int x) {
  auto* edit = new TEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(x, 192, 177, 23);
  return edit;
}

}  // namespace

QString CheckSequences(const QString& pre, const QString& ino) {
  if (!WesternText(pre) || !WesternText(ino)) return kWesternOnly;
  if (pre.size() != ino.size()) return QStringLiteral("先序序列与中序序列的长度不同，请重新输入。");
  if (pre.size() > TTreCrtDlg::MaxLetters)
    return QStringLiteral("序列至多有%1个字母，请重新输入。").arg(TTreCrtDlg::MaxLetters);
  for (const QString* s : {&pre, &ino})
    for (QChar c : *s)
      if (c.unicode() <= 0x20 || c.unicode() > 0x7E) return QStringLiteral("序列中只能有字母等单字节字符，请重新输入。");
  if (!Consistent(pre, ino, 1, 1, static_cast<int>(pre.size())))
    return QStringLiteral("这两个序列不是同一棵二叉树的先序序列和中序序列，请重新输入。");
  return {};
}

TTreCrtDlg::TTreCrtDlg(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("TreCrtDlg"));
  RaiseFont(*this);  // the buttons and edits
  SetCaption(QStringLiteral("先序中序建二叉树"));
  SetBorderStyle(bsDialog);
  SetClientSize(427, 247);
  move(100, 100);

  auto* image = new TImage(this);
  image->setObjectName(QStringLiteral("Image1"));
  image->setGeometry(16, 16, 120, 150);
  if (const std::unique_ptr<TBitmap> picture = LoadPicture(QStringLiteral("trecrtpic.bmp"))) {
    image->Picture().Assign(*picture);
    image->Changed();
  }
  const TFont big{.Name = QStringLiteral("宋体"), .Height = -24, .Color = clBlue};
  Label(this, QStringLiteral("请输入二叉树的"), 170, 50, big);
  Label(this, QStringLiteral("先序及中序序列"), 200, 100, big);
  const TFont small{.Name = QStringLiteral("宋体"), .Height = -13};
  Label(this, QStringLiteral("先序序列"), 16, 174, small);
  Label(this, QStringLiteral("中序序列"), 224, 174, small);
  Edit1 = Edit(this, "Edit1", 16);
  Edit2 = Edit(this, "Edit2", 224);
  Edit1->SetMaxLength(MaxLetters + 1);  // one over: too long is said, not cut silently
  Edit2->SetMaxLength(MaxLetters + 1);

  OkBtn = TreeDlgButton(this, "OkBtn", QStringLiteral("确定"), 230, 218);
  OkBtn->ModalResult = mrOk;
  OkBtn->SetDefault(true);
  OkBtn->OnClick = [this] { OkBtnClick(); };
  CancelBtn = TreeDlgButton(this, "CancelBtn", QStringLiteral("取消"), 326, 218);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
}

bool TTreCrtDlg::Execute() {
  Edit1->clear();
  Edit2->clear();
  return ShowModal() == mrOk;
}

void TTreCrtDlg::OkBtnClick() {
  const QString problem = CheckSequences(Pre(), Ino());
  if (problem.isEmpty()) return;
  modal::ShowMessage(problem);
  SetModalResult(mrNone);
}
