#include "demos/stacks/AboutBox.h"

#include <QLabel>
#include <QPlainTextEdit>

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
  HelpMemo->setPlainText(QStringLiteral(
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

  CloseBtn = new TButton(QStringLiteral("关闭"), this);
  CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
  CloseBtn->setGeometry(190, 224, 75, 28);
  CloseBtn->ModalResult = mrOk;
  CloseBtn->Cancel = true;
  CloseBtn->SetDefault(true);

  SwitchBtn = new TButton(QString(), this);
  SwitchBtn->setObjectName(QStringLiteral("SwitchBtn"));
  SwitchBtn->setGeometry(96, 224, 75, 28);
  SwitchBtn->OnClick = [this] { ShowPage(!HelpShown()); };

  ShowPage(true);
}

bool TAboutBox::HelpShown() const { return !HelpPanel->isHidden(); }

void TAboutBox::ShowPage(bool help) {
  HelpPanel->setVisible(help);
  AboutPanel->setVisible(!help);
  SwitchBtn->setText(help ? QStringLiteral("关于") : QStringLiteral("帮助"));
}
