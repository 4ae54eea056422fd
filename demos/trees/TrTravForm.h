#pragma once
// The drawing window of the traversal and tree-building demonstrations: the tree, the
// pointer that follows the current node, and a result line below. Also the row of their
// drawn stacks of calls.
#include "framework/drawkit/GraphForm.h"
#include "framework/engine/Data.h"

class TBinCharTree;
class TBinCharTreeNode;
class TPointer2;
class TZqStaticText;

class TTrTravForm : public TGraphForm {
 public:
  explicit TTrTravForm(QWidget* parent = nullptr);

  TBinCharTree* BinTree;
  TPointer2* Pointer;  // "bt"
  TZqStaticText* ResultText;

  // Puts the pointer on node and shows it; nullptr hides it.
  void PointAt(TBinCharTreeNode* node);
};

// Where the node and value fields of a stack row start, in character cells: under the first
// character of their headings, a Chinese character taking two cells. The traversals' heading
// is "行号  当前结点  结点值"; tree building has "行号      父结点      结点值" ({10, 22}).
struct TTrTravColumns {
  int node = 6;
  int value = 16;
};

// One row of the drawn stack: the line of the call (0 for the call from Main) and the
// node the call received, "4     n2        B", or "4     NIL" ("NULL" in C).
class TTrTravStackData : public TData {
 public:
  TTrTravStackData(const QString& name, int lineNo, const TBinCharTreeNode* node, TTrTravColumns columns = {});
  QString GetText() const override;

  int LineNo;
  TTrTravColumns Columns;
  QString Caption;  // of the node, taken when the row is made
  char Letter = ' ';
  bool Nil = true;
};
