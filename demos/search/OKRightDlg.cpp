#include "demos/search/OKRightDlg.h"

#include "demos/trees/BinCharTreeCreateDlg.h"
#include "platform/Controls.h"
#include "platform/Forms.h"

TOKRightDlg::TOKRightDlg(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("OKRightDlg"));
  SetCaption(QStringLiteral("Dialog"));
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(384, 179);
  RaiseFont(*this);  // the buttons
  Bevel1 = new TBevel(this, bsFrame);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setGeometry(8, 8, 281, 161);
  Bevel1->lower();
  OKBtn = TreeDlgButton(this, "OKBtn", QStringLiteral("OK"), 300, 8);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  CancelBtn = TreeDlgButton(this, "CancelBtn", QStringLiteral("Cancel"), 300, 38);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
}
