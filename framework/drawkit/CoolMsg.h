#pragma once
// The borderless, textured message window in which demonstrations show their results. It
// shows the backdrop of the place where it opens, its caption in its own caption label and
// the message in LabelMsg; the OK button, Enter or Esc close it; it can be dragged by its
// background or its caption. It is modal and goes through the modal host, which records it
// as "message CAPTION | TEXT".
//
//   MsgDlg = new TCoolMsgDlg();                  // in CreateChildWindow
//   MsgDlg->SetPosition(poScreenCenter);
//   MsgDlg->SetCaption("阿克曼函数");
//   MsgDlg->Execute("结果为" + QString::number(Res) + "。");
#include <QLabel>

#include "platform/Controls.h"
#include "platform/Forms.h"

class TCoolMsgDlg : public TForm {
 public:
  explicit TCoolMsgDlg(QWidget* parent = nullptr);

  TPanel* Panel1;
  TImage* BkImage;
  TSpeedButton* SpeedButtonOK;
  TBevel* Bevel1;
  QLabel* CaptionLabel;
  QLabel* LabelMsg;

  // Sets the message text (LabelMsg sizes itself to it).
  void SetMessage(const QString& text);
  // Shows the window modally with LabelMsg's text; returns mrOk once it is closed.
  int ShowModal();
  // SetMessage, then ShowModal.
  int Execute(const QString& message);

  void done(int result) override;
  // Moved with the demonstration window: it shows the texture of its new place.
  void PlacedAgain() override { PaintBackdrop(); }

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormShow();
  void PaintBackdrop();
  void SpeedButtonOKClick();
  void DragStart(int x, int y);
  void DragMove(int x, int y);

  bool dragging_ = false;
  int dragX_ = 0;
  int dragY_ = 0;
};
