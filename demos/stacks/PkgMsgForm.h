#pragma once
// The knapsack's little message window for a solution: "I have seen Them!" under a face
// that looks left, ahead and right in turn, one picture every 250 ms. A click anywhere or
// any key closes it.
#include <QLabel>
#include <QTimer>
#include <array>

#include "platform/Controls.h"
#include "platform/Forms.h"

class TPkgMsgForm : public TForm {
 public:
  explicit TPkgMsgForm(QWidget* parent = nullptr);

  QLabel* Label1;
  std::array<TImage*, 3> Images{};  // "PkgMsg1.bmp" .. "PkgMsg3.bmp"
  TSpeedButton* SpeedButton1;
  TGraphicControl* Cover;  // over the whole client: a click closes
  QTimer* Timer1;

  // Shown modally through the modal host, recorded as "message 背包 | I have seen Them!".
  int ShowModal();
  // One tick of the picture cycle.
  void Timer1Timer();
  int Phase() const { return phase_; }

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int phase_ = 0;
};
