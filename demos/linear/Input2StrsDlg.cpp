#include "demos/linear/Input2StrsDlg.h"

#include <QLabel>

#include "framework/drawkit/WesternText.h"

namespace {

QLabel* Label(QWidget* parent, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  TFont font;
  font.Name = QStringLiteral("System");
  font.Height = -16;
  ApplyFont(*label, font);
  label->move(x, y);
  label->adjustSize();
  return label;
}

TEdit* Edit(QWidget* parent, const char* name, int maxLength, int x, int y, int w) {
  auto* edit = new TEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->SetMaxLength(maxLength);
  edit->setGeometry(x, y, w, 26);
  // Fixed pitch, in which I, l and 1 all look different: every character of a string counts.
  ApplyFont(*edit, TFont{.Name = QStringLiteral("Courier New"), .Height = -16});
  return edit;
}

}  // namespace

TInput2StrsDlg::TInput2StrsDlg(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("Input2StrsDlg"));
  SetCaption(QStringLiteral("请输入字符串"));
  SetBorderStyle(bsDialog);
  SetFormStyle(fsStayOnTop);
  SetPosition(poScreenCenter);
  SetClientSize(479, 183);
  Label(this, QStringLiteral("请输入源串和模式串，源串最长32个字符，"), 24, 12);
  Label(this, QStringLiteral("模式串最长16个字符。"), 24, 36);
  Label(this, QStringLiteral("源串"), 24, 74);
  Edit1 = Edit(this, "Edit1", 32, 88, 70, 360);
  Label(this, QStringLiteral("模式串"), 24, 110);
  Edit2 = Edit(this, "Edit2", 16, 88, 106, 200);
  Button1 = new TButton(QStringLiteral("确定"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(192, 146, 96, 28);
  ApplyFont(*Button1, TFont{.Name = QStringLiteral("System"), .Height = -16});
  Button1->ModalResult = mrOk;
  Button1->SetDefault(true);
  // The strings are compared byte by byte: other characters are refused, the dialog stays.
  Button1->OnClick = [this] {
    if (!CheckWestern(Edit1->text() + Edit2->text())) SetModalResult(mrNone);
  };
  SetKeyPreview(true);
  OnKeyPress = [this](QChar& key) {
    if (key.unicode() == 27) {
      key = QChar();
      SetModalResult(mrCancel);
    }
  };
}

bool TInput2StrsDlg::Execute() {
  Edit1->setText(Source);
  Edit2->setText(Pattern);
  if (ShowModal() != mrOk) return false;
  Source = Edit1->text();
  Pattern = Edit2->text();
  return true;
}
