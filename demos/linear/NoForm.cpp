#include "demos/linear/NoForm.h"

#include "demos/linear/TripleTable.h"
#include "framework/drawkit/Glyph.h"

namespace {

struct DigitPlace {
  const char* name;
  int digit;
  int left;
  int top;
};
constexpr DigitPlace kDigits[] = {
    {"BitBtn1", 1, 25, 60},   {"BitBtn5", 2, 105, 60},   {"BitBtn10", 3, 185, 60},
    {"BitBtn4", 4, 25, 103},  {"BitBtn9", 5, 105, 103},  {"BitBtn7", 6, 185, 103},
    {"BitBtn8", 7, 25, 145},  {"BitBtn12", 8, 105, 145}, {"BitBtn13", 9, 185, 145},
    {"BitBtn6", 0, 105, 188},
};

TButton* NewButton(QWidget* parent, const char* name, const QString& caption, int x, int y, int w, int h) {
  auto* b = new TButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setGeometry(x, y, w, h);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

// The glyph on button at scale (an icon never grows by itself beyond its picture).
void ShowGlyph(TButton& button, const QImage& image, double scale) {
  const QSize size = (QSizeF(image.size()) * scale).toSize();
  button.setIcon(QIcon(QPixmap::fromImage(image.scaled(size, Qt::KeepAspectRatio, Qt::FastTransformation))));
  button.setIconSize(size);
}

}  // namespace

void TNoForm::SetGlyph(TButton& button, const QString& picture) {
  const QImage image = KeyedPicture(picture);
  if (image.isNull()) return;
  glyphs_.emplace_back(&button, image);
  ShowGlyph(button, image, 1);
}

TNoForm::TNoForm(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("NoForm"));
  SetCaption(QStringLiteral("Numbers"));
  SetBorderStyle(bsDialog);
  SetClientSize(275, 233);
  for (const DigitPlace& d : kDigits) {
    TButton* b = NewButton(this, d.name, QString(), d.left, d.top, 70, 30);
    b->Tag = d.digit;
    b->setAccessibleName(QString::number(d.digit));
    SetGlyph(*b, QStringLiteral("keypad%1.bmp").arg(d.digit));
    if (b->icon().isNull()) b->setText(QString::number(d.digit));
    b->OnClick = [this, digit = d.digit] { DigitClick(digit); };
    Digits[d.digit] = b;
  }
  BitBtn11 = NewButton(this, "BitBtn11", QStringLiteral("Cancel"), 25, 188, 70, 30);
  BitBtn11->ModalResult = mrCancel;
  BitBtn11->Cancel = true;
  BitBtn3 = NewButton(this, "BitBtn3", QStringLiteral("&OK"), 185, 188, 70, 30);
  BitBtn3->ModalResult = mrOk;
  BitBtn3->SetDefault(true);
  // The captions beside the glyphs in the dialogs' 15 px.
  const TFont captions{.Height = -15};
  ApplyFont(*BitBtn11, captions);
  ApplyFont(*BitBtn3, captions);

  Edit1 = new TEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setGeometry(16, 15, 140, 37);
  Edit1->setReadOnly(true);
  Edit1->SetMaxLength(6);
  TFont font;
  font.Height = 23;
  ApplyFont(*Edit1, font);
  connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });

  pnBtn = NewButton(this, "pnBtn", QStringLiteral("+/-"), 160, 17, 50, 30);
  TFont bold;
  bold.Height = -17;
  bold.Style = fsBold;
  ApplyFont(*pnBtn, bold);
  pnBtn->OnClick = [this] { PnBtnClick(); };
  ReBtn = NewButton(this, "ReBtn", QStringLiteral("&BS"), 215, 17, 50, 30);
  SetGlyph(*ReBtn, QStringLiteral("keypadbs.bmp"));
  ApplyFont(*ReBtn, captions);
  ReBtn->OnClick = [this] { ReBtnClick(); };
}

void TNoForm::DigitClick(int digit) {
  if (Edit1->text().size() < Edit1->MaxLength()) Edit1->setText(Edit1->text() + QString::number(digit));
}

void TNoForm::PnBtnClick() {
  const QString t = Edit1->text();
  if (t == QLatin1String("0")) return;
  Edit1->setText(t.startsWith('-') ? t.mid(1) : QStringLiteral("-") + t);
}

void TNoForm::ReBtnClick() {
  QString t = Edit1->text();
  t.chop(1);
  Edit1->setText(t);
}

void TNoForm::Edit1Change() {
  // The corrections set the text again; they are applied in one pass.
  if (changing_) return;
  changing_ = true;
  const QString fixed = KeypadText(Edit1->text(), Limit());
  if (fixed != Edit1->text()) Edit1->setText(fixed);
  changing_ = false;
  if (Target != nullptr) Target->SetCaption(fixed);
}

void TNoForm::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  // The glyphs grow with the keypad, which has grown for its screen.
  for (const auto& [button, image] : glyphs_) ShowGlyph(*button, image, DialogScale(*this));
  if (!At) return;
  // Under its cell, its frame kept whole in the demonstration window.
  move(KeptInside(*At, frameGeometry().size(), OwnerArea(*this)));
}
