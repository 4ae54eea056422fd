#include "demos/sort/SortInputDlg.h"

#include "framework/drawkit/WesternText.h"
#include "platform/Controls.h"
#include "platform/Random.h"

namespace {

TButton* NewButton(const QString& caption, const char* name, int left, int width, QWidget* parent) {
  auto* button = new TButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(left, 92, width, 25);
  return button;
}

}  // namespace

TSortInputDlg::TSortInputDlg(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("SortInputDlg"));
  SetCaption(QStringLiteral("输入排序数据"));
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(313, 134);

  auto* bevel = new TBevel(this, bsFrame);
  bevel->setGeometry(8, 8, 297, 65);

  TFont big;
  big.Height = -16;
  Edit = new TEdit(this);
  Edit->setObjectName(QStringLiteral("Edit"));
  Edit->setGeometry(16, 24, 281, 28);
  ApplyFont(*Edit, big);
  Edit->OnKeyPress = [this](QChar& key) { EditKeyPress(key); };
  connect(Edit, &QLineEdit::textChanged, this, [this] { EditChange(); });

  OKBtn = NewButton(QStringLiteral("OK"), "OKBtn", 7, 58, this);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  OKBtn->setEnabled(false);
  // Keys are one byte each: any other text is refused and the dialog stays.
  OKBtn->OnClick = [this] {
    if (!CheckWestern(Edit->text())) SetModalResult(mrNone);
  };
  CancelBtn = NewButton(QStringLiteral("Cancel"), "CancelBtn", 76, 50, this);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
  UpBtn = NewButton(QStringLiteral("升序"), "UpBtn", 134, 41, this);
  DownBtn = NewButton(QStringLiteral("降序"), "DownBtn", 183, 41, this);
  RandBtn = NewButton(QStringLiteral("随机生成"), "RandBtn", 232, 73, this);
  for (TButton* b : {UpBtn, DownBtn, RandBtn}) ApplyFont(*b, big);
  // "Cancel" in the big font would not fit its narrow button.
  TFont buttons;
  buttons.Height = -14;
  for (TButton* b : {OKBtn, CancelBtn}) ApplyFont(*b, buttons);
  UpBtn->OnClick = [this] { UpBtnClick(); };
  DownBtn->OnClick = [this] { DownBtnClick(); };
  RandBtn->OnClick = [this] { RandBtnClick(); };

  setTabOrder(Edit, OKBtn);
  setTabOrder(OKBtn, CancelBtn);
  setTabOrder(CancelBtn, RandBtn);
  setTabOrder(RandBtn, UpBtn);
  setTabOrder(UpBtn, DownBtn);
}

QString TSortInputDlg::Text() const { return Edit->text(); }
void TSortInputDlg::SetText(const QString& text) { Edit->setText(text); }

void TSortInputDlg::EditKeyPress(QChar& key) {
  if (key == QChar(8)) return;
  const bool letter = (key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z');
  // A letter typed over selected text replaces it, so it cannot make the text too long.
  if (!letter || (Edit->text().size() >= MaxLen && !Edit->hasSelectedText())) {
    key = QChar(0);
    return;
  }
  key = key.toUpper();
}

void TSortInputDlg::EditChange() { OKBtn->setEnabled(!Edit->text().isEmpty()); }

void TSortInputDlg::UpBtnClick() {
  QString s;
  for (int i = 0; i < MaxLen; ++i) s += QChar('A' + i);
  SetText(s);
}

void TSortInputDlg::DownBtnClick() {
  QString s;
  for (int i = MaxLen - 1; i >= 0; --i) s += QChar('A' + i);
  SetText(s);
}

QString TSortInputDlg::RandomKeys(int maxLen) {
  rnd::Randomize();
  const int n = maxLen <= 2 ? 2 : rnd::Random(maxLen - 2) + 2;
  QString s;
  while (s.size() < n) {
    const QChar c('A' + rnd::Random(26));
    if (!s.contains(c)) s += c;
  }
  return s;
}

void TSortInputDlg::RandBtnClick() { SetText(RandomKeys(MaxLen)); }
