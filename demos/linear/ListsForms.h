#pragma once
// The windows of the generalized-list demonstrations: one list, two lists (a source and its
// copy), and the dialog choosing one of six prepared lists or a typed one.
#include <QAbstractButton>
#include <QLabel>
#include <array>
#include <functional>

#include "framework/drawkit/GraphForm.h"
#include "platform/Color.h"
#include "platform/Forms.h"

class TEdit;
class TImage;
class TLists;

// A choice of the dialog: text in its colour and font, clicked like a button.
class TChoiceLabel : public QAbstractButton {
 public:
  TChoiceLabel(const QString& caption, QWidget* parent);
  void SetColor(TColor color);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TColor color_ = clBlue;
};

class TListsForm : public TGraphForm {
 public:
  explicit TListsForm(QWidget* parent = nullptr);
  TLists* theLists;
};

class TDualListsForm : public TGraphForm {
 public:
  explicit TDualListsForm(QWidget* parent = nullptr);
  TLists* Lists1;
  TLists* Lists2;
};

// Asks for a list in the dialog; a typed list that a view of row x column cannot draw whole,
// or that holds an atom written as one of names (the letters naming list nodes), is refused.
// False when cancelled (list unchanged).
bool AskForList(QString& list, int row, int column, const QString& names);

class TInputListsDlg : public TForm {
 public:
  static constexpr int ChoiceCount = 7;
  static const std::array<const char*, ChoiceCount> Captions;

  explicit TInputListsDlg(QWidget* parent = nullptr);

  // Choice 1 selected, the edit emptied; true when closed with "确定".
  bool Execute();
  // The chosen list without blanks.
  const QString& Result() const { return result_; }

  // A typed list the demonstration cannot show whole: the message refusing it (the dialog
  // stays open), or an empty text to accept it.
  std::function<QString(const QString& list)> Refuse;

  void SelectChoice(int i);
  int Selected() const { return selected_; }
  // Enables "确定" when the typed list is well formed, or holds characters of more than one
  // byte (refused with a message when pressed).
  void CheckListSyntax();

  TEdit* Edit1;
  TImage* Image2;
  TButton* OKBtn;
  TButton* CancelBtn;
  std::array<TChoiceLabel*, ChoiceCount> Choices{};

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OKBtnClick();
  void Hover(int i);
  void Recolour(int i);
  int selected_ = 1;
  int hot_ = 0;
  QString result_;
};
