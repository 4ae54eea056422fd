#pragma once
// The input dialog of the tree built from a preorder string: the user's text, normalised
// as it is typed into a complete preorder string in which "#" marks an empty subtree.
#include <QString>

#include "platform/Controls.h"
#include "platform/Forms.h"

class QGroupBox;
class QLabel;

// The preorder string of a tree with the letters of text: a space or "#" is an empty
// subtree (dropped while there would be more empties than letters), letters past the
// sixteenth and characters a node cannot hold (outside printable ASCII) are dropped, and
// the missing "#" are appended at the end.
QString NormalisePreorder(const QString& text);
// The number of levels of the tree a preorder string describes ("#" is 0).
int PreorderDepth(const QString& preorder);

class TCrtBTIptDlg : public TForm {
 public:
  static constexpr int MaxDepth = 4;

  explicit TCrtBTIptDlg(QWidget* parent = nullptr);
  // Shows the dialog; true on OK.
  bool Execute();

  QGroupBox* GroupBox1;
  TEdit* EdtInput;
  QLabel* STxtShow;  // the normalised string; a string deeper than MaxDepth is not taken
  TButton* RandomBtn;
  TButton* OKBtn;
  TButton* CancelBtn;

  void EdtInputChange();
  // A random tree of at most MaxDepth levels, lettered A, B, ... in preorder.
  void RandomBtnClick();
};
