#pragma once
// The input of the tree built from its preorder and inorder sequences. OK is refused (a
// message, the dialog stays open) for sequences of different lengths, of more than ten
// letters (the room of the cell rows), of characters a node cannot hold, or that are not
// the preorder and inorder sequences of one tree.
#include <QString>

#include "platform/Controls.h"
#include "platform/Forms.h"

// Empty when pre and ino are the preorder and inorder sequences of one tree as the
// procedure reads them (each root found in its inorder range); else why not.
QString CheckSequences(const QString& pre, const QString& ino);

class TTreCrtDlg : public TForm {
 public:
  static constexpr int MaxLetters = 10;

  explicit TTreCrtDlg(QWidget* parent = nullptr);
  // Empties both edits and shows the dialog; true on OK.
  bool Execute();
  QString Pre() const { return Edit1->text(); }
  QString Ino() const { return Edit2->text(); }

  TEdit* Edit1;
  TEdit* Edit2;
  TButton* OkBtn;
  TButton* CancelBtn;

 private:
  void OkBtnClick();
};
