#pragma once
// Building a binary tree from its preorder and inorder sequences: the first letter of the
// preorder range is the root; found in the inorder range at position i, it splits the
// range into the left subtree's i - 1 letters and the right subtree's n - i, built by two
// recursive calls. The tree grows above the two rows of cells that show each call's ranges.
#include <memory>
#include <optional>

#include "demos/trees/TreeCrtForm.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"

class TBinCharTreeNode;
class TTreeNodeBase;

class TCrtPreIn : public TFormDemo<TTreeCrtForm> {
  Q_OBJECT
 public:
  using TFormDemo::TFormDemo;

  bool CreateData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  void ResetLocalData(const QString& procName) override;
  void Reset() override;
  void SetWindowRect() override;
  void UpdateChildWindow() override;

  Q_INVOKABLE TData* Main_C_Begin();
  Q_INVOKABLE void Main_AfterBegin();
  Q_INVOKABLE bool CrtTree_F_Begin();
  Q_INVOKABLE void CrtTree_SetNil();
  Q_INVOKABLE void CrtTree_NotNil();
  Q_INVOKABLE bool CrtTree_F_WhileDo();
  Q_INVOKABLE void CrtTree_IncI();
  Q_INVOKABLE void CrtTree_NewNode();
  Q_INVOKABLE TData* CrtTree_C_CrtLeft();
  Q_INVOKABLE void CrtTree_AfterCrtLeft();
  Q_INVOKABLE TData* CrtTree_C_CrtRight();
  Q_INVOKABLE void CrtTree_AfterCrtRight();

 private:
  // Both rows' cells of a range.
  void MarkRange(int pp, int ip, int n, int kind);
  // What cell k (from 1) of row 1 (preorder) or 2 (inorder) is at the line the run stands at,
  // read from the calls on the run stack: waiting for a right call still to come, in the range
  // a call builds, or placed (a call's root, and the ranges of the calls that returned).
  std::optional<TTreeCrtForm::TCellKind> KindOf(int row, int k) const;
  // The node lit at the line the run stands at: the innermost call's once it is made, else its
  // caller's (a call that returned moves the light up), the root once the tree stands.
  std::optional<const TTreeNodeBase*> LitNode() const;

  QString pre_;
  QString ino_;
  TBinCharTreeNode* CurNode = nullptr;  // the node made last; nil before the first
  bool BuildRight = false;
};
