#pragma once
// The window of the binary sort tree: the tree with the markers bst, f, p, q and s, and
// below it the letter to work with and the buttons "查找", "插入" and "删除". It holds the
// three procedures the buttons load (Pascal in both languages).
#include <QList>
#include <QStringList>
#include <functional>

#include "framework/drawkit/PanelControls.h"
#include "framework/drawkit/GraphForm.h"

class TBsTreeClass;
class TButton;
class TEdit;
class TPanel;
class TPointer2;

// What the two search-tree windows share: markers on the tree, and the panel at the bottom
// with the letter edit (letters only, raised to capitals, one at a time) and the operation
// buttons, which are enabled while the edit holds a letter.
class TSearchTreeForm : public TGraphForm {
 public:
  explicit TSearchTreeForm(QWidget* parent = nullptr);

  TPanel* Panel1;
  TEdit* ChEdit;

  // Told of the operation buttons, with each button's number.
  std::function<void(int)> OnOperation;

  void ChEditKeyPress(QChar& key);
  // More than one letter keeps the first; the buttons follow whether there is one.
  void ChEditChange();
  // The letter in ChEdit, or '\0' when it is empty.
  char Letter() const;
  void EnableButtons(bool enabled);
  void HideMarkers();
  // Between operations: the edit and the buttons take letters again, the markers hide.
  void Idle();
  // Puts the markers back on their nodes after the window put them back on their corners
  // (arranging the tree places them itself).
  void PlaceMarkers();

 protected:
  // The panel at top (width wide, 39 high) with the edit at editLeft.
  void MakePanel(int top, int width, int editLeft);
  // A marker on tree, captioned, hidden until it points.
  TPointer2* AddMarker(QWidget* tree, const char* name, const QString& caption, TColor color, int size);
  // An operation button on the panel with a two-state glyph, disabled.
  TButton* AddButton(const char* name, const QString& caption, const char* glyph, int operation, int left, int width);
  void FormResize() override;

 private:
  QList<TPointer2*> markers_;
  QList<TButton*> buttons_;
  TPanelControls panelControls_;
};

class TBsTreeGraphForm : public TSearchTreeForm {
 public:
  explicit TBsTreeGraphForm(QWidget* parent = nullptr);

  // "bstsrch"; "ins_bstree" with "srch_bstree"; "del_bstree" with "srch_bstree".
  static const QStringList AlgoSearch;
  static const QStringList AlgoInsert;
  static const QStringList AlgoDelete;

  TBsTreeClass* Tree;
  TPointer2* bstPointer;
  TPointer2* fPointer;
  TPointer2* pPointer;
  TPointer2* qPointer;
  TPointer2* sPointer;
  TButton* SearchBtn;  // operation 1
  TButton* InsertBtn;  // 2
  TButton* DeleteBtn;  // 3
};

// Points marker at node (nullptr hides it).
void PointMarker(TPointer2& marker, QWidget* node);
