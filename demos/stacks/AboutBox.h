#pragma once
// The help box of the expression window: a help page listing what an expression may hold
// and an about page, switched by the second button.
#include "platform/Forms.h"

class QPlainTextEdit;
class TPanel;

class TAboutBox : public TForm {
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  TPanel* AboutPanel;
  TPanel* HelpPanel;
  QPlainTextEdit* HelpMemo;
  TButton* CloseBtn;
  TButton* SwitchBtn;  // "关于" while the help page shows, "帮助" while the about page does

  bool HelpShown() const;

 private:
  void ShowPage(bool help);
};
