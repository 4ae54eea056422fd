#include "demos/stacks/PkgMsgForm.h"

#include <QKeyEvent>

#include "platform/ModalHost.h"

TPkgMsgForm::TPkgMsgForm(QWidget* parent) : TForm(parent) {
  SetCaption(QStringLiteral("背包"));
  SetBorderStyle(bsSingle);
  SetPosition(poScreenCenter);
  SetClientSize(192, 92);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);

  Label1 = new QLabel(QStringLiteral("I have seen Them!"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  const TFont font{.Name = QStringLiteral("Arial"), .Height = -19, .Color = clBlue};
  ApplyFont(*Label1, font);
  Label1->move(0, 52);
  Label1->setFixedWidth(192);
  Label1->setAlignment(Qt::AlignHCenter);
  Label1->adjustSize();

  for (int i = 0; i < 3; ++i) {
    TImage* image = new TImage(this);
    image->setObjectName(QStringLiteral("Image%1").arg(i + 1));
    image->setGeometry(73, 12, 48, 40);
    if (auto picture = LoadPicture(QStringLiteral("PkgMsg%1.bmp").arg(i + 1))) image->Assign(picture->Image());
    image->hide();
    Images[static_cast<std::size_t>(i)] = image;
  }

  SpeedButton1 = new TSpeedButton(this);
  SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
  if (auto glyph = LoadPicture(QStringLiteral("PkgMsgSB.bmp"))) SpeedButton1->SetGlyph(glyph->Image());
  SetHint(*SpeedButton1, QStringLiteral("Have You seen Them?"));
  SpeedButton1->setGeometry(160, 4, 28, 28);
  SpeedButton1->hide();

  Cover = new TGraphicControl(this);
  Cover->setObjectName(QStringLiteral("Cover"));
  Cover->setGeometry(0, 0, 192, 92);
  Cover->OnClick = [this] { done(mrOk); };
  Cover->raise();

  Timer1 = new QTimer(this);
  Timer1->setInterval(250);
  QObject::connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

int TPkgMsgForm::ShowModal() {
  return modal::Current().ExecMessageWindow(*this, Caption(), Label1->text());
}

void TPkgMsgForm::Timer1Timer() {
  const auto show = [this](int i, bool on) { Images[static_cast<std::size_t>(i)]->setVisible(on); };
  switch (phase_) {
    case 0: show(2, false); show(0, true); break;
    case 1: show(0, false); show(1, true); break;
    default: show(1, false); show(2, true); break;
  }
  phase_ = (phase_ + 1) % 3;
}

void TPkgMsgForm::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  Timer1->start();
}

void TPkgMsgForm::keyPressEvent(QKeyEvent* event) {
  event->accept();
  done(mrOk);
}

void TPkgMsgForm::done(int result) {
  Timer1->stop();
  TForm::done(result);
}
