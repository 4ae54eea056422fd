#pragma once
// Inorder traversal of an inorder-threaded tree without a stack: from the head down the
// left links to the first node, then along right threads to successors, stepping into a
// right subtree where there is one, until the walk is back at the head.
#include <QPointer>
#include <memory>

#include "demos/trees/ThrdTravGraphForm.h"
#include "demos/trees/ThrdTree.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"

class TThrdTreeNode;

class TThrdTravel : public TFormDemo<TThrdTravGraphForm> {
  Q_OBJECT
 public:
  using TFormDemo::TFormDemo;

  bool CreateData() override;
  void Reset() override;
  void ResetLocalData(const QString& procName) override;
  void SetWindowRect() override;
  void UpdateChildWindow() override;
  // After a resize: pointers on one node apart again.
  void ShowGraph() override;
  void SaveData(const QString& fileName) override;
  void LoadData(const QString& fileName) override;

  Q_INVOKABLE void travel_Begin();
  Q_INVOKABLE bool travel_F_Line1();
  Q_INVOKABLE bool travel_F_Line2();
  Q_INVOKABLE void travel_Line3();
  Q_INVOKABLE void travel_Line4() { Visit(); }
  Q_INVOKABLE bool travel_F_Line5();
  Q_INVOKABLE void travel_Line6() { GoRight(); }
  Q_INVOKABLE void travel_Line7() { Visit(); }
  Q_INVOKABLE void travel_Line8() { GoRight(); }

 private:
  TThrdTreeNode* P() const { return p_; }
  void SetP(TThrdTreeNode* node);
  void Visit();

  QPointer<TThrdTreeNode> p_;  // p: its mark follows it (nil once its tree is replaced)
  void GoRight();

};
