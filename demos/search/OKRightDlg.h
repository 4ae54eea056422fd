#pragma once
// The plain dialog template with OK and Cancel on the right: a framed area on the left for
// the dialog's own contents. Dialogs derive from it and lay out their contents over it.
#include "platform/Forms.h"

class TBevel;
class TButton;

class TOKRightDlg : public TForm {
 public:
  explicit TOKRightDlg(QWidget* parent = nullptr);

  TBevel* Bevel1;
  TButton* OKBtn;
  TButton* CancelBtn;
};
