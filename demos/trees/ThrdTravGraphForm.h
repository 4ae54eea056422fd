#pragma once
// The drawing window of the threaded traversal: the threaded tree with pointers p and thrt,
// and the visited letters below.
#include "framework/drawkit/GraphForm.h"

class TAutoSizeEdit;
class TPointer2;
class TThrdTree;

class TThrdTravGraphForm : public TGraphForm {
 public:
  explicit TThrdTravGraphForm(QWidget* parent = nullptr);

  TThrdTree* Tree;
  TPointer2* p;
  TPointer2* thrt;
  TAutoSizeEdit* AutoSizeEdit1;
  TAutoSizeEdit* OutputEdit;
};

// A pointer of a threaded-tree window: 32 x 32 (or size), captioned, in its colours, hidden
// until it points at a node.
TPointer2* ThrdPointer(QWidget* tree, const char* name, TColor color, TColor fontColor, int size = 32);
