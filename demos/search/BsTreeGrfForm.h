#pragma once
// The window of the binary sort tree: the tree with the markers bst, f, p, q and s, and
// below it the letter to work with and the buttons "查找", "插入" and "删除". It holds the
// three procedures the buttons load (Pascal in both languages).
#include <QStringList>
#include <functional>

#include "framework/drawkit/GraphForm.h"

class TBsTreeClass;
class TButton;
class TEdit;
class TPanel;
class TPointer2;

class TBsTreeGraphForm : public TGraphForm {
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
  TPanel* Panel1;
  TEdit* ChEdit;
  TButton* SearchBtn;
  TButton* InsertBtn;
  TButton* DeleteBtn;

  // Told of the three buttons: 1 search, 2 insert, 3 delete.
  std::function<void(int)> OnOperation;

  // The letter in ChEdit, or '\0' when it is empty.
  char Letter() const;
  void EnableButtons(bool enabled);
  void HideMarkers();
  // Puts the markers back on their nodes after the tree was arranged again.
  void PlaceMarkers();

 protected:
  void FormResize() override;
};

// The letter edit of the search-tree windows: letters only (raised to capitals), one at a
// time; changed is told whether the edit holds a letter.
void MakeLetterEdit(TEdit& edit, const std::function<void(bool)>& changed);
// The letter in the edit, or '\0' when it is empty.
char EditLetter(const TEdit& edit);
// The marker of a search-tree window: captioned with its name, hidden until it points.
TPointer2* TreeMarker(QWidget* tree, const char* name, TColor color, int size);
// Points marker at node (nullptr hides it).
void PointMarker(TPointer2& marker, QWidget* node);
