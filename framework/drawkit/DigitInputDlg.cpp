#include "framework/drawkit/DigitInputDlg.h"

#include <QLabel>

#include "framework/drawkit/IntEdit.h"
#include "platform/ModalHost.h"

TDigitInputDlg::TDigitInputDlg(const QString& objectName, const QString& caption, int clientWidth,
                               int clientHeight, QWidget* parent)
    : TForm(parent) {
  RaiseFont(*this);  // the edits and buttons; labels name their own fonts
  SetUpDialog(objectName, caption, clientWidth, clientHeight);
}

QLabel* TDigitInputDlg::AddLabel(const QString& text, int x, int y, const TFont& font) {
  auto* label = new QLabel(text, this);
  ApplyFont(*label, font);
  label->move(x, y);
  label->adjustSize();
  return label;
}

TIntEdit* TDigitInputDlg::AddEdit(const char* name, int value, Limits limits, const QRect& geometry) {
  auto* edit = new TIntEdit(this);
  edit->setObjectName(QString::fromLatin1(name));
  edit->SetValue(value);
  edit->setGeometry(geometry);
  edits_.push_back({edit, limits});
  return edit;
}

void TDigitInputDlg::AddButtons(const QRect& ok, const QRect& cancel) {
  OKBtn = new TButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setGeometry(ok);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  OKBtn->OnClick = [this] { OKBtnClick(); };
  CancelBtn = new TButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn->setGeometry(cancel);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
}

bool TDigitInputDlg::Acceptable() const {
  for (const LimitedEdit& e : edits_) {
    const int v = e.edit->Value();
    if (v < e.limits.min || v > e.limits.max) return false;
  }
  return !Check || Check();
}

void TDigitInputDlg::OKBtnClick() {
  if (Acceptable()) return;
  modal::ShowMessage(RefusalMessage);
  SetModalResult(mrNone);
}
