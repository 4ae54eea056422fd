#include "framework/drawkit/CoolMsg.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "framework/drawkit/KitGlobals.h"
#include "platform/ModalHost.h"

namespace {

TFont KaiFont(int height, TColor color, TFontStyles style = 0) {
  TFont f;
  f.Name = QStringLiteral("楷体_GB2312");
  f.Height = height;
  f.Color = color;
  f.Style = style;
  return f;
}

}  // namespace

TCoolMsgDlg::TCoolMsgDlg(QWidget* parent) : TForm(parent) {
  SetBorderStyle(bsNone);
  SetFormStyle(fsStayOnTop);
  SetCaption(QStringLiteral("CoolMsgDlg"));
  SetClientSize(356, 207);
  move(388, 222);

  Panel1 = new TPanel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->SetBevelWidth(2);
  SetAlign(*Panel1, alClient);

  BkImage = new TImage(Panel1);
  BkImage->setObjectName(QStringLiteral("BkImage"));
  BkImage->setGeometry(2, 2, 352, 203);
  SetAlign(*BkImage, alClient);
  BkImage->OnMouseDown = [this](TMouseButton, TShiftState, int x, int y) { DragStart(x, y); };
  BkImage->OnMouseMove = [this](TShiftState, int x, int y) { DragMove(x, y); };
  BkImage->OnMouseUp = [this](TMouseButton, TShiftState, int, int) { dragging_ = false; };

  SpeedButtonOK = new TSpeedButton(QStringLiteral("确定"), Panel1);
  SpeedButtonOK->setObjectName(QStringLiteral("SpeedButtonOK"));
  SpeedButtonOK->setGeometry(131, 131, 99, 43);
  ApplyFont(*SpeedButtonOK, KaiFont(-27, clRed));
  // Outlined: red reads on every part of the texture the window may open over.
  SpeedButtonOK->OutlinedCaption = true;
  SpeedButtonOK->OnClick = [this] { SpeedButtonOKClick(); };

  Bevel1 = new TBevel(Panel1);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setGeometry(5, 28, 347, 2);

  CaptionLabel = new QLabel(Panel1);
  CaptionLabel->setObjectName(QStringLiteral("CaptionLabel"));
  CaptionLabel->move(12, 8);
  ApplyFont(*CaptionLabel, KaiFont(-19, clNavy, fsBold));
  CaptionLabel->installEventFilter(this);

  LabelMsg = new QLabel(Panel1);
  LabelMsg->setObjectName(QStringLiteral("LabelMsg"));
  LabelMsg->move(46, 62);
  ApplyFont(*LabelMsg, KaiFont(-29, clBlue));
}

void TCoolMsgDlg::SetMessage(const QString& text) {
  LabelMsg->setText(text);
  LabelMsg->adjustSize();
}

int TCoolMsgDlg::ShowModal() {
  LabelMsg->adjustSize();
  return modal::Current().ExecMessageWindow(*this, Caption(), LabelMsg->text());
}

int TCoolMsgDlg::Execute(const QString& message) {
  SetMessage(message);
  return ShowModal();
}

void TCoolMsgDlg::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  FormShow();
}

void TCoolMsgDlg::FormShow() {
  CaptionLabel->setText(Caption());
  CaptionLabel->adjustSize();
  ActivePopup = this;
  dragging_ = false;
  PaintBackdrop();
}

void TCoolMsgDlg::PaintBackdrop() {
  // The texture of the place where the window opens: the backdrop shifted by the picture's
  // screen origin.
  TBitmap& picture = BkImage->Picture();
  picture.SetSize(BkImage->width(), BkImage->height());
  if (BackBitmap) {
    const QPoint origin = BkImage->mapToGlobal(QPoint(0, 0));
    picture.Canvas().Draw(-origin.x(), -origin.y(), *BackBitmap);
  }
  BkImage->Changed();
}

void TCoolMsgDlg::SpeedButtonOKClick() { done(mrOk); }

void TCoolMsgDlg::done(int result) {
  // However the window closes (OK, a key, the modal host), it lets its picture go and is no
  // longer the popup of the demonstration window.
  BkImage->Clear();
  if (ActivePopup == this) ActivePopup = nullptr;
  dragging_ = false;
  TForm::done(result);
}

void TCoolMsgDlg::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      SpeedButtonOKClick();
      return;
    default:
      TForm::keyPressEvent(event);
  }
}

bool TCoolMsgDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == CaptionLabel) {
    auto* mouse = dynamic_cast<QMouseEvent*>(event);
    const QPoint p = mouse ? mouse->position().toPoint() : QPoint();
    switch (event->type()) {
      case QEvent::MouseButtonPress: DragStart(p.x(), p.y()); return true;
      case QEvent::MouseMove: DragMove(p.x(), p.y()); return true;
      case QEvent::MouseButtonRelease: dragging_ = false; return true;
      default: break;
    }
  }
  return TForm::eventFilter(watched, event);
}

void TCoolMsgDlg::DragStart(int x, int y) {
  dragging_ = true;
  dragX_ = x;
  dragY_ = y;
}

void TCoolMsgDlg::DragMove(int x, int y) {
  if (dragging_) move(this->x() + x - dragX_, this->y() + y - dragY_);
}
