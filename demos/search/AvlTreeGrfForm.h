#pragma once
// The window of the balanced binary tree: the tree on silver, whose nodes show their balance
// factors, with the markers a, f, b, ff, p, s, q and t, and below it the letter to work
// with and the buttons "插入" and "删除". It holds the two procedures the buttons load
// (Pascal in both languages).
#include <QStringList>

#include "demos/search/BsTreeGrfForm.h"

class TAvlTreeClass;

class TAVlTreeGraphForm : public TSearchTreeForm {
 public:
  explicit TAVlTreeGraphForm(QWidget* parent = nullptr);

  static const QStringList AlgoInsert;  // "ins_avltree"
  static const QStringList AlgoDelete;  // "del_avltree"

  TAvlTreeClass* Tree;
  TPointer2* a;
  TPointer2* f;
  TPointer2* b;
  TPointer2* ff;
  TPointer2* p;
  TPointer2* s;
  TPointer2* q;
  TPointer2* t;
  TButton* InsertBtn;  // operation 1
  TButton* DeleteBtn;  // 2
};
