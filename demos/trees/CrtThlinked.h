#pragma once
// Threading a binary tree in preorder, inorder or postorder by a recursive traversal that
// carries p (the current node) and pre (the node visited before it): an empty left link of
// p becomes a thread to pre, an empty right link of pre a thread to p. The three differ only
// in where the two recursive calls stand in the procedure.
#include <QPointer>
#include <memory>

#include "demos/trees/ThrdCrtGraphForm.h"
#include "demos/trees/ThrdTree.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"

class TThrdTreeNode;

class TThrdCrtDemo : public TFormDemo<TThrdCrtGraphForm> {
  Q_OBJECT
 public:
  using TFormDemo::TFormDemo;

  bool CreateData() override;
  void Reset() override;
  void SetWindowRect() override;
  void UpdateChildWindow() override;
  // After a resize: pointers on one node apart again.
  void ShowGraph() override;
  void SaveData(const QString& fileName) override;
  void LoadData(const QString& fileName) override;

  // The three orders share their labels: one set of step methods serves all of them.
  Q_INVOKABLE bool thr_F_Begin() { return F_Begin(); }
  Q_INVOKABLE bool thr_F_Line1() { return F_Line1(); }
  Q_INVOKABLE void thr_Line2() { Line2(); }
  Q_INVOKABLE bool thr_F_Line3() { return F_Line3(); }
  Q_INVOKABLE void thr_Line4() { Line4(); }
  Q_INVOKABLE bool thr_F_Line5() { return F_Line5(); }
  Q_INVOKABLE void thr_Line6() { Line6(); }
  Q_INVOKABLE bool thr_F_Line7() { return F_Line7(); }
  Q_INVOKABLE void thr_Line8() { Line8(); }
  Q_INVOKABLE void thr_Line9() { Line9(); }
  Q_INVOKABLE bool thr_F_Line10() { return F_Line10(); }
  Q_INVOKABLE TData* thr_C_Line11() { return C_Line11(); }
  Q_INVOKABLE void thr_AfterLine11() { AfterCall(); }
  Q_INVOKABLE bool thr_F_Line12() { return F_Line12(); }
  Q_INVOKABLE TData* thr_C_Line13() { return C_Line13(); }
  Q_INVOKABLE void thr_AfterLine13() { AfterCall(); }
 protected:
  // The steps the three texts share, named by their lines.
  bool F_Begin() const { return P() != nullptr; }
  bool F_Line1() const;
  void Line2();
  bool F_Line3() const;
  void Line4();
  bool F_Line5() const;
  void Line6();
  bool F_Line7() const;
  void Line8();
  void Line9();
  bool F_Line10() const;
  TData* C_Line11() { return Call(true); }
  bool F_Line12() const;
  TData* C_Line13() { return Call(false); }
  void AfterCall();

 private:
  TThrdTreeNode* P() const { return p_; }
  TThrdTreeNode* Pre() const { return pre_; }
  void SetP(TThrdTreeNode* node);
  void SetPre(TThrdTreeNode* node);
  TData* Call(bool left);
  void Changed(TThrdTreeNode* node);

  TThrdTreeNode* CallerNode = nullptr;  // where p stood when the last call was made
  QPointer<TThrdTreeNode> p_;    // p of the innermost call: its mark follows it
  QPointer<TThrdTreeNode> pre_;  // pre: the node visited last
};

class TCrtPrethlinked : public TThrdCrtDemo {
  Q_OBJECT
 public:
  using TThrdCrtDemo::TThrdCrtDemo;
};

class TCrtInthlinked : public TThrdCrtDemo {
  Q_OBJECT
 public:
  using TThrdCrtDemo::TThrdCrtDemo;
};

class TCrtPostthlinked : public TThrdCrtDemo {
  Q_OBJECT
 public:
  using TThrdCrtDemo::TThrdCrtDemo;
};
