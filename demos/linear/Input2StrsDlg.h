#pragma once
// The input of the pattern-matching demonstrations: a source string of up to 32 characters
// and a pattern of up to 16.
#include <QString>

#include "platform/Controls.h"
#include "platform/Forms.h"

class TInput2StrsDlg : public TForm {
 public:
  explicit TInput2StrsDlg(QWidget* parent = nullptr);

  TEdit* Edit1;
  TEdit* Edit2;
  TButton* Button1;
  QString Source;
  QString Pattern;

  // Shows Source and Pattern in the edits; on OK takes the edits back. True on OK.
  bool Execute();
};
