#pragma once
// The creation dialogs of the B-tree: the dialog template with OK and Cancel under a
// framed area, and "生成B-树" on it, which shows a copy of the demonstration's tree and makes
// a random one, saves it to or loads it from a data file.
#include "platform/Controls.h"
#include "platform/Forms.h"

class TBTreeClass;

// The template: caption "Dialog", a framed area, "OK" (default) and "Cancel" below it.
class TOKBottomDlg : public TForm {
 public:
  explicit TOKBottomDlg(QWidget* parent = nullptr);

  TBevel* Bevel1;
  TButton* OKBtn;
  TButton* CancelBtn;
};

// The buttons "随机生成", "保存数据" and "取出数据" working on tree; a file that cannot be
// taken is said in a message and the tree stays as it was.
void ConnectTreeFileButtons(TBTreeClass& tree, TButton& randBtn, TButton& saveBtn, TButton& loadBtn);

class TBTreeInputDlg : public TOKBottomDlg {
 public:
  explicit TBTreeInputDlg(QWidget* parent = nullptr);

  TButton* RandBtn;
  TButton* SaveBtn;
  TButton* LoadBtn;
  TBTreeClass* Tree;
};
