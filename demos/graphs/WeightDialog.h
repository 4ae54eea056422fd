#pragma once
// "请输入权值:": the weight of an arc drawn on a weighted graph, 1 to 999.
#include "platform/Forms.h"

class TEdit;

class TWDialog : public TForm {
 public:
  explicit TWDialog(QWidget* parent = nullptr);

  // The weight entered; 0 when the dialog was closed without one.
  int Weight() const { return weight_; }
  // Shows the dialog; the weight, or 0 when it was cancelled.
  int Execute();

  // A weight the field's text stands for (its digits up to the first blank), or 0 when it
  // is not one of 1 .. 999.
  static int ParseWeight(const QString& text);

  TEdit* MaskEdit1;
  TButton* BitBtn1;

 private:
  void BitBtn1Click();
  int weight_ = 0;
};
