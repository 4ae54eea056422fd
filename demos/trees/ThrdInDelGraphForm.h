#pragma once
// The window of the threaded-tree insertion and deletion: the tree with pointers p, x, y
// and thrt, and below it the letter to insert, the buttons "插入" and "删除" and a status
// line that scrolls its hint. It holds the two procedures it loads on each button.
#include <QString>
#include <QStringList>
#include <functional>

#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/PanelControls.h"

class TButton;
class TEdit;
class TPacedTimer;
class TPanel;
class TPointer2;
class TStatusLine;
class TThrdTree;
class TTreeNodeBase;

class TThrdInDelGraphForm : public TGraphForm {
 public:
  explicit TThrdInDelGraphForm(QWidget* parent = nullptr);

  // The procedures "insert" and "delete" (Pascal in both languages).
  static const QStringList AlgoInsert;
  static const QStringList AlgoDelete;

  TThrdTree* Tree;
  TPointer2* p;
  TPointer2* y;
  TPointer2* x;
  TPointer2* thrt;
  TPanel* Panel1;
  TEdit* ChEdit;
  TButton* InsertBtn;
  TButton* DeleteBtn;
  TStatusLine* Status;
  TPacedTimer* ScrollTimer;  // stands still under scripts, so the status reads the same

  bool ClicksLocked = true;  // node clicks are taken only while an operation waits for one
  bool InsertMode = false;
  QString StatusText;

  // Told of the two buttons and of an accepted click (the demonstration's part).
  std::function<void()> OnInsert;
  std::function<void()> OnDelete;
  std::function<void(TTreeNodeBase&)> OnCheckDepth;

  void SetStatus(const QString& text, bool scroll);
  void TreeNodeClick(TTreeNodeBase& node);

 protected:
  void FormResize() override;

 private:
  void ScrollTimerTimer();

  TPanelControls panelControls_;
};
