#include "demos/stacks/QueenInputDlg.h"

#include <QLabel>

#include "framework/drawkit/IntEdit.h"
#include "platform/Application.h"
#include "platform/Controls.h"

namespace {

QLabel* Label(QWidget* parent, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  const TFont font{.Name = QStringLiteral("楷体_GB2312"), .Height = -20, .Color = clTeal};
  ApplyFont(*label, font);
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->move(x, y);
  label->adjustSize();
  return label;
}

TSpeedButton* Button(QWidget* parent, const QString& caption, const char* name, int x) {
  auto* button = new TSpeedButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  const TFont font{.Name = QStringLiteral("黑体"), .Height = -16, .Color = clBlue};
  ApplyFont(*button, font);
  button->setGeometry(x, 128, 72, 30);
  return button;
}

}  // namespace

TQueenInputDlg::TQueenInputDlg(QWidget* parent) : TForm(parent) {
  RaiseFont(*this);  // the buttons and the edit
  SetUpDialog(QStringLiteral("QueenInputDlg"), QStringLiteral("输入数据"), 300, 180);
  SetFormStyle(fsStayOnTop);
  SetKeyPreview(true);

  Image1 = new TImage(this);
  SetAlign(*Image1, alClient);
  Image1->SetStretch(true);
  Image1->LoadFromFile(app::ImagePath() + QStringLiteral("QueensBack.bmp"));

  Label1 = Label(this, QStringLiteral("请输入皇后的个数。"), 32, 24);
  Label2 = Label(this, QStringLiteral("皇后个数(3到8)"), 32, 74);
  IntEdit = new TIntEdit(this);
  IntEdit->setObjectName(QStringLiteral("IntEdit"));
  IntEdit->SetMaxLength(2);
  IntEdit->setGeometry(196, 70, 56, 28);
  connect(IntEdit, &QLineEdit::textChanged, this, [this] { EditChange(); });

  OkBtn = Button(this, QStringLiteral("确定"), "OkBtn", 56);
  OkBtn->OnClick = [this] { Close(true); };
  CancelBtn = Button(this, QStringLiteral("取消"), "CancelBtn", 172);
  CancelBtn->OnClick = [this] { Close(false); };

  // Enter is 确定's (while the count is in range), Esc 取消's.
  OnKeyPress = [this](QChar& key) {
    if (key.unicode() == 13) {
      key = QChar();
      if (OkBtn->isEnabled()) Close(true);
    } else if (key.unicode() == 27) {
      key = QChar();
      Close(false);
    }
  };
}

bool TQueenInputDlg::Execute() {
  IntEdit->SetValue(Count);
  ShowModal();
  return Accepted;
}

void TQueenInputDlg::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  IntEdit->setFocus();
  IntEdit->selectAll();
}

void TQueenInputDlg::EditChange() {
  Count = IntEdit->Value();
  OkBtn->setEnabled(Count >= MinQueens && Count <= MaxQueens);
}

void TQueenInputDlg::Close(bool accepted) {
  Accepted = accepted;
  SetModalResult(accepted ? mrOk : mrCancel);
}
