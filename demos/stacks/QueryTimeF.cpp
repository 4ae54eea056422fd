#include "demos/stacks/QueryTimeF.h"

#include <QApplication>
#include <QLabel>

#include "demos/stacks/BankModel.h"
#include "framework/drawkit/IntEdit.h"
#include "platform/Controls.h"

namespace {

TIntEdit* TimeEdit(QWidget* parent, const char* name, const QString& text, int x, int y) {
  auto* edit = new TIntEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->SetMaxLength(2);
  edit->setText(text);
  edit->setAlignment(Qt::AlignCenter);
  edit->setGeometry(x, y, 36, 24);
  return edit;
}

}  // namespace

TQueryTimeF::TQueryTimeF(QWidget* parent) : TForm(parent) {
  SetUpDialog(QStringLiteral("QueryTimeF"), QStringLiteral("时间设置"), 240, 179);

  const TFont font{.Name = QStringLiteral("宋体"), .Height = -14};
  ApplyFont(*this, font);  // the labels, edits and button take it

  auto* bevel = new TBevel(this, bsFrame);
  bevel->setGeometry(10, 10, 220, 110);
  const struct {
    const char* text;
    int x, y;
  } labels[] = {{"开门时间", 30, 34}, {":", 150, 34}, {"关门时间", 30, 78}, {":", 150, 78}};
  for (const auto& l : labels) (new QLabel(QString::fromUtf8(l.text), this))->move(l.x, l.y);
  OpenHE = TimeEdit(this, "OpenHE", QStringLiteral("09"), 110, 30);
  OpenME = TimeEdit(this, "OpenME", QStringLiteral("30"), 162, 30);
  CloseHE = TimeEdit(this, "CloseHE", QStringLiteral("10"), 110, 74);
  CloseME = TimeEdit(this, "CloseME", QStringLiteral("50"), 162, 74);

  // Enter goes on to the next edit, round to the first.
  TIntEdit* const order[] = {OpenHE, OpenME, CloseHE, CloseME};
  for (int k = 0; k < 4; ++k) {
    TIntEdit* next = order[(k + 1) % 4];
    connect(order[k], &QLineEdit::returnPressed, next, [next] {
      next->setFocus();
      next->selectAll();
    });
  }

  SpeedButton1 = new TSpeedButton(QStringLiteral("OK"), this);
  SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
  SpeedButton1->setGeometry(80, 134, 80, 30);
  SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
}

void TQueryTimeF::SpeedButton1Click() {
  const int openH = OpenHE->Value(), openM = OpenME->Value();
  const int closeH = CloseHE->Value(), closeM = CloseME->Value();
  if (!ValidBankHours(openH, openM, closeH, closeM)) {
    QApplication::beep();
    return;
  }
  CurTime = openH * 60 + openM;
  CloseTime = closeH * 60 + closeM;
  SetModalResult(mrOk);
}
