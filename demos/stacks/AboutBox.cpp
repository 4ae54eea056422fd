#include "demos/stacks/AboutBox.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "platform/Controls.h"
#include "platform/Forms.h"

namespace {

QLabel* Line(QWidget* parent, const QString& text, int top, int height, bool bold) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(10, top, 321, height);
  l->setAlignment(Qt::AlignCenter);
  const TFont f{.Name = QStringLiteral("宋体"), .Height = bold ? -20 : -14, .Style = bold ? TFontStyles{fsBold} : TFontStyles{0}};
  ApplyFont(*l, f);
  return l;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : TForm(parent) {
  SetUpDialog(QStringLiteral("AboutBox"), QStringLiteral("表达式求值"), 361, 261);
  RaiseFont(*this);  // the buttons and the help text

  AboutPanel = new TPanel(this);
  AboutPanel->setObjectName(QStringLiteral("AboutPanel"));
  AboutPanel->setGeometry(8, 8, 345, 205);
  AboutPanel->SetBevelOuter(bvLowered);
  Line(AboutPanel, QStringLiteral("表达式求值"), 40, 30, true);
  Line(AboutPanel, QStringLiteral("算符优先法演示"), 86, 22, false);
  Line(AboutPanel, QStringLiteral("运算符栈 OPTR 与运算数栈 OPND"), 112, 22, false);

  HelpPanel = new TPanel(this);
  HelpPanel->setObjectName(QStringLiteral("HelpPanel"));
  HelpPanel->setGeometry(8, 8, 345, 205);
  HelpPanel->SetBevelOuter(bvLowered);
  HelpMemo = new QPlainTextEdit(HelpPanel);
  HelpMemo->setObjectName(QStringLiteral("HelpMemo"));
  HelpMemo->setGeometry(6, 6, 333, 193);
  HelpMemo->setReadOnly(true);
  const QString help(QStringLiteral(
      "表达式中可以使用：\n"
      "  四则运算 + - * / 和括号 ( )；\n"
      "  乘方 ^，与乘除同级，自左向右计算；\n"
      "  函数 sin、cos、tan、arcsin、arccos，\n"
      "  自变量用弧度，须写在括号中，如 sin(3.14/2)。\n"
      "数字与函数或左括号之间的乘号可以省略，如 5cos(1.57)。\n"
      "\n"
      "请输入一个正确的表达式，按回车或\"开始\"按钮，\n"
      "再用工具栏的按钮执行算法。\n"
      "单击\"表达式\"可随机生成一个表达式。"));
  HelpMemo->setPlainText(help);
  // The help reads whole: the memo as wide as its longest line and as tall as its lines, the
  // panels and the window grown round it, the buttons below.
  const int margins = 2 * HelpMemo->frameWidth() + 2 * static_cast<int>(HelpMemo->document()->documentMargin()) + 8;
  // Laid out as the memo lays it out: a line holding Chinese takes the height of the face
  // that draws it, taller than the Latin face's line spacing.
  QTextDocument laidOut;
  laidOut.setDefaultFont(HelpMemo->font());
  laidOut.setDocumentMargin(0);
  laidOut.setPlainText(help);
  const QSizeF whole = laidOut.size();
  const int memoWidth = std::max(333, static_cast<int>(std::ceil(whole.width())) + margins);
  const int memoHeight = std::max(193, static_cast<int>(std::ceil(whole.height())) + margins);
  HelpMemo->setGeometry(6, 6, memoWidth, memoHeight);
  HelpMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
  // Sized to its lines, it never needs a scroll bar (one would take the room of the last line).
  HelpMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  HelpMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  HelpPanel->setGeometry(8, 8, memoWidth + 12, memoHeight + 12);
  AboutPanel->setGeometry(HelpPanel->geometry());
  for (QLabel* line : AboutPanel->findChildren<QLabel*>()) line->setGeometry(10, line->y(), AboutPanel->width() - 20, line->height());
  const int clientWidth = memoWidth + 28, panelBottom = HelpPanel->y() + HelpPanel->height();
  SetClientSize(clientWidth, panelBottom + 48);

  CloseBtn = new TButton(QStringLiteral("关闭"), this);
  CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
  CloseBtn->setGeometry(clientWidth / 2 + 10, panelBottom + 11, 75, 28);
  CloseBtn->ModalResult = mrOk;
  CloseBtn->Cancel = true;
  CloseBtn->SetDefault(true);

  SwitchBtn = new TButton(QString(), this);
  SwitchBtn->setObjectName(QStringLiteral("SwitchBtn"));
  SwitchBtn->setGeometry(clientWidth / 2 - 85, panelBottom + 11, 75, 28);
  SwitchBtn->OnClick = [this] { ShowPage(!HelpShown()); };

  ShowPage(true);
}

bool TAboutBox::HelpShown() const { return !HelpPanel->isHidden(); }

void TAboutBox::ShowPage(bool help) {
  HelpPanel->setVisible(help);
  AboutPanel->setVisible(!help);
  SwitchBtn->setText(help ? QStringLiteral("关于") : QStringLiteral("帮助"));
}
