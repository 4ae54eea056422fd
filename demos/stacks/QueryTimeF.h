#pragma once
// The opening-hours dialog of the bank simulation: opening and closing time as hours and
// minutes in four digit edits. OK takes them only when both are times of one day and the
// bank opens before it closes; otherwise it beeps and the dialog stays open.
#include "platform/Forms.h"

class TIntEdit;
class TSpeedButton;

class TQueryTimeF : public TForm {
 public:
  explicit TQueryTimeF(QWidget* parent = nullptr);

  TIntEdit* OpenHE;
  TIntEdit* OpenME;
  TIntEdit* CloseHE;
  TIntEdit* CloseME;
  TSpeedButton* SpeedButton1;

  // What OK accepted, in minutes since midnight.
  int CurTime = 0;
  int CloseTime = 0;

  void SpeedButton1Click();
};
