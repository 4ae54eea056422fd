#pragma once
// Inserting a node as the left child of a chosen node of an inorder-threaded tree (its old
// left subtree becoming the new node's right subtree) and deleting a chosen node's whole
// left subtree, keeping the threads right. The user types a letter and presses "插入", or
// presses "删除", clicks a node, and steps through the procedure the window loads.
#include <QByteArray>
#include <QPointer>
#include <memory>

#include "demos/trees/ThrdInDelGraphForm.h"
#include "demos/trees/ThrdTree.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"

class TThrdTreeNode;
class TTreeNodeBase;

class TThrdInDel : public TFormDemo<TThrdInDelGraphForm> {
  Q_OBJECT
 public:
  explicit TThrdInDel(const QStringList& source);
  ~TThrdInDel() override;

  void CreateChildWindow() override;
  void AfterConstruction() override;
  bool CreateData() override;
  // Back to idle as at the start: no text entered, an operation in progress undone.
  void Reset() override;
  void ResetLocalData(const QString& procName) override;
  void DemoFinished() override;
  void SetWindowRect() override;
  void UpdateChildWindow() override;
  // After a resize: pointers on one node apart again.
  void ShowGraph() override;
  void SaveData(const QString& fileName) override;
  void LoadData(const QString& fileName) override;

  void InsertBtnClick();
  void DeleteBtnClick();
  void CheckDepth(TTreeNodeBase& node);

  // insert
  Q_INVOKABLE bool insert_F_Begin();
  Q_INVOKABLE void insert_Line1();
  Q_INVOKABLE void insert_Line2();
  Q_INVOKABLE bool insert_F_Line3();
  Q_INVOKABLE void insert_Line4();
  Q_INVOKABLE void insert_Line5();
  Q_INVOKABLE bool insert_F_Line6();
  Q_INVOKABLE void insert_Line7();
  Q_INVOKABLE void insert_Line8();
  Q_INVOKABLE void insert_Line9();
  Q_INVOKABLE void insert_Line10();
  // delete
  Q_INVOKABLE bool delete_F_Begin();
  Q_INVOKABLE void delete_Line1();
  Q_INVOKABLE bool delete_F_Line2();
  Q_INVOKABLE void delete_Line3();
  Q_INVOKABLE bool delete_F_Line4();
  Q_INVOKABLE void delete_Line5();
  Q_INVOKABLE void delete_Line6();
  Q_INVOKABLE void delete_Line7();

 private:
  void StartOperation(bool insert);
  void SetDataAndResetButtons(bool enabled);
  TThrdTreeNode* Target(int which) const;
  void Point(int which, TThrdTreeNode* node);
  void Changed();

  QStringList idleSource_;  // the demonstration's own text: no procedure
  QByteArray snapshot_;     // the tree before the operation in progress; empty when idle
  // The procedure's p, x, y and thrt: the marks follow them (a node freed with a tree
  // replaced or restored leaves them nil).
  QPointer<TThrdTreeNode> vars_[4];
};
