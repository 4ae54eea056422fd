#include "framework/shell/OptionsForm.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSlider>

#include "framework/engine/Globals.h"
#include "framework/shell/BackdropImage.h"
#include "platform/Controls.h"
#include "platform/Font.h"
#include "platform/Forms.h"

namespace {

QFont KaiFont(int pixels) {
  TFont f;
  f.Name = QStringLiteral("楷体_GB2312");
  f.Height = -pixels;
  return f.ToQFont();
}

TSpeedButton* FlatButton(const QString& caption, const QString& name, QWidget* parent) {
  auto* b = new TSpeedButton(caption, parent);
  b->setObjectName(name);
  b->setFocusPolicy(Qt::NoFocus);
  b->setFont(KaiFont(19));
  QPalette pal = b->palette();
  pal.setColor(QPalette::ButtonText, Qt::blue);
  b->setPalette(pal);
  return b;
}

}  // namespace

TSwitchShape::TSwitchShape(QWidget* parent) : QWidget(parent) { setFixedSize(17, 17); }

void TSwitchShape::SetOn(bool on) {
  on_ = on;
  update();
}

void TSwitchShape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), on_ ? ToQColor(clRed) : ToQColor(clGray));
  p.setPen(Qt::black);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TSwitchShape::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit pressed();
}

TOptionsForm::TOptionsForm(IOptionsOwner& owner, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), owner_(owner) {
  setObjectName(QStringLiteral("OptionsForm"));
  setWindowTitle(QStringLiteral("设置选项"));
  setFixedSize(277, 150);
  bkImage_ = new TBackdropImage(this);
  bkImage_->setObjectName(QStringLiteral("BkImage"));
  bkImage_->setGeometry(2, 2, width() - 4, height() - 4);

  auto* label = new QLabel(QStringLiteral("演示速度"), this);
  label->setObjectName(QStringLiteral("Label1"));
  label->setFont(KaiFont(19));
  label->setStyleSheet(QStringLiteral("color: blue; background: transparent;"));
  label->move(160, 28);

  auto* container = new QWidget(this);
  container->setObjectName(QStringLiteral("TrackBarContainer"));
  container->setGeometry(32, 30, 120, 18);
  SpeedTrackBar = new QSlider(Qt::Horizontal, container);
  SpeedTrackBar->setObjectName(QStringLiteral("SpeedTrackBar"));
  SpeedTrackBar->setGeometry(0, 0, 120, 18);
  SpeedTrackBar->setRange(0, 99);
  SpeedTrackBar->setPageStep(20);
  SpeedTrackBar->setSingleStep(1);
  SpeedTrackBar->setValue(60);
  SpeedTrackBar->setTickPosition(QSlider::NoTicks);
  SpeedTrackBar->setToolTip(QStringLiteral("设置连续执行时的演示速度"));

  MusicShape = new TSwitchShape(this);
  MusicShape->setObjectName(QStringLiteral("MusicShape"));
  MusicShape->move(32, 64);
  MusicBtn = FlatButton(QStringLiteral("音乐"), QStringLiteral("MusicBtn"), this);
  MusicBtn->setGeometry(52, 58, 64, 28);
  SoundShape = new TSwitchShape(this);
  SoundShape->setObjectName(QStringLiteral("SoundShape"));
  SoundShape->move(152, 64);
  SoundBtn = FlatButton(QStringLiteral("音效"), QStringLiteral("SoundBtn"), this);
  SoundBtn->setGeometry(172, 58, 64, 28);

  OkBtn = FlatButton(QStringLiteral("确定"), QStringLiteral("OkBtn"), this);
  OkBtn->setGeometry(40, 108, 81, 25);
  CancelBtn = FlatButton(QStringLiteral("取消"), QStringLiteral("CancelBtn"), this);
  CancelBtn->setGeometry(156, 108, 81, 25);

  connect(MusicBtn, &TSpeedButton::clicked, this, [this] { SetMusic(!music_); });
  connect(MusicShape, &TSwitchShape::pressed, this, [this] { SetMusic(!music_); });
  connect(SoundBtn, &TSpeedButton::clicked, this, [this] { SetSound(!sound_); });
  connect(SoundShape, &TSwitchShape::pressed, this, [this] { SetSound(!sound_); });
  connect(OkBtn, &TSpeedButton::clicked, this, &TOptionsForm::OkBtnClick);
  connect(CancelBtn, &TSpeedButton::clicked, this, &TOptionsForm::CancelBtnClick);
}

void TOptionsForm::SetMusic(bool on) {
  music_ = on;
  MusicShape->SetOn(on);
}

void TOptionsForm::SetSound(bool on) {
  sound_ = on;
  SoundShape->SetOn(on);
}

void TOptionsForm::showEvent(QShowEvent* e) {
  // In the middle of the demonstration window: the screen's while it fills the screen.
  CentreOnOwner(*this);
  owner_.SetActivePopup(this);
  bkImage_->TakeBackdrop();
  SpeedTrackBar->setValue(RunSpeed);
  SetMusic(owner_.MusicOn());
  SetSound(owner_.SoundOn());
  QDialog::showEvent(e);
}

void TOptionsForm::OkBtnClick() {
  RunSpeed = static_cast<std::uint8_t>(SpeedTrackBar->value());
  AnimSpeed = RunSpeed;
  if (music_ != owner_.MusicOn()) owner_.SetMusic(music_);
  owner_.SetSoundOn(sound_);
  Close(QDialog::Accepted);
}

void TOptionsForm::CancelBtnClick() { Close(QDialog::Rejected); }

void TOptionsForm::Close(int result) {
  owner_.SetActivePopup(nullptr);
  bkImage_->DropPicture();
  done(result);
}

void TOptionsForm::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    OkBtnClick();
  } else if (e->key() == Qt::Key_Escape) {
    CancelBtnClick();
  } else {
    QDialog::keyPressEvent(e);
  }
}

void TOptionsForm::paintEvent(QPaintEvent*) {
  // Panel1: a raised bevel two pixels wide around the backdrop picture.
  QPainter p(this);
  const QRect r = rect();
  p.setPen(Qt::white);
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
  p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
  p.setPen(ToQColor(clGray));
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
  p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
  p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
}
