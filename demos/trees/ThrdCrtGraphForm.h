#pragma once
// The drawing window of the three threading demonstrations: the tree with pointers p (the
// current node) and pre (the node visited before it).
#include "framework/drawkit/GraphForm.h"

class TPointer2;
class TThrdTree;

class TThrdCrtGraphForm : public TGraphForm {
 public:
  explicit TThrdCrtGraphForm(QWidget* parent = nullptr);

  TThrdTree* Tree;
  TPointer2* p;
  TPointer2* pre;
};
