#include "platform/InputQuery.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Screen.h"

bool InputQuery(const QString& caption, const QString& prompt, QString& value, const QRect& over) {
  TForm form;
  RaiseFont(form);  // the prompt, the typed value and the buttons

  auto* label = new QLabel(prompt, &form);
  label->setObjectName(QStringLiteral("QueryPrompt"));
  label->move(8, 8);
  label->adjustSize();
  auto* edit = new TEdit(&form);
  edit->setObjectName(QStringLiteral("QueryEdit"));
  edit->setText(value);
  edit->selectAll();

  // As wide as the prompt needs, never narrower than the class library's dialog.
  const int width = std::max(label->width() + 16, 240);
  const int editTop = label->y() + label->height() + 6;
  edit->setGeometry(8, editTop, width - 16, 24);
  const int buttonTop = editTop + 24 + 12;
  auto* ok = new TButton(QStringLiteral("OK"), &form);
  ok->setObjectName(QStringLiteral("OKBtn"));
  ok->ModalResult = mrOk;
  ok->SetDefault(true);
  ok->setGeometry(width / 2 - 80, buttonTop, 75, 25);
  auto* cancel = new TButton(QStringLiteral("Cancel"), &form);
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  cancel->ModalResult = mrCancel;
  cancel->Cancel = true;
  cancel->setGeometry(width / 2 + 5, buttonTop, 75, 25);
  form.SetUpDialog(QStringLiteral("InputQuery"), caption, width, buttonTop + 25 + 8);
  if (!over.isEmpty()) {
    PlaceForScreen(form, [&over](QSize frame, const QRect& area) {
      return KeptInside(CentredPlace(frame, over, screen::Size()), frame, area);
    });
  }
  edit->setFocus();

  if (form.ShowModal() != mrOk) return false;
  value = edit->text();
  return true;
}

QString InputBox(const QString& caption, const QString& prompt, const QString& defaultValue, const QRect& over) {
  QString value = defaultValue;
  return InputQuery(caption, prompt, value, over) ? value : defaultValue;
}
