#pragma once
// The drawing window of the B-tree: the tree with the pointer marks p, q, ap and succ, and
// below it the key edit (one or two digits), the buttons "插入" and "删除" and a status line
// whose text scrolls to the left while an operation runs. The B+-tree window is the same
// with its own tree (BPTreeGrfForm.h).
#include <QString>
#include <functional>

#include "framework/drawkit/PanelControls.h"
#include "framework/drawkit/GraphForm.h"

class TBTreeClass;
class TButton;
class TEdit;
class TPacedTimer;
class TPanel;
class TPointer2;

class TBTreeGraphForm : public TGraphForm {
 public:
  explicit TBTreeGraphForm(QWidget* parent = nullptr);

  TBTreeClass* Tree;
  TPointer2* ap;
  TPointer2* q;
  TPointer2* p;
  TPointer2* succ;
  TPanel* Panel1;
  TEdit* KeyEdit;
  TButton* InsertBtn;
  TButton* DeleteBtn;
  TEdit* Status;
  TPacedTimer* ScrollTimer;
  QString StatusText;  // the whole text of the status line

  // Told of the two buttons (the demonstration's part).
  std::function<void()> OnInsert;
  std::function<void()> OnDelete;

  void SetStatus(const QString& text, bool scroll);
  // One tick of the scroll: the first character (two bytes of the status text's code page)
  // goes; an empty line starts again with the whole text.
  void ScrollTimerTimer();
  // The key typed: one or two digits, so 0 .. 99.
  int Key() const;

 protected:
  // For the B+-tree window: its caption, client width and tree.
  TBTreeGraphForm(QWidget* parent, const QString& caption, int clientWidth, TBTreeClass* tree);
  void FormResize() override;

 private:
  void KeyEditKeyPress(QChar& key);
  void KeyEditChange();
  void ButtonClick(bool insert);

  TPanelControls panelControls_;
};
