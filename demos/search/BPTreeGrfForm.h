#pragma once
// The drawing window of the B+-tree: the B-tree window (BTreeGrfForm.h) with a B+-tree.
#include "demos/search/BTreeGrfForm.h"

class TBPTreeClass;

class TBPTreeGraphForm : public TBTreeGraphForm {
 public:
  explicit TBPTreeGraphForm(QWidget* parent = nullptr);

  TBPTreeClass* BPTree() const;
};
