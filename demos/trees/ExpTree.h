#pragma once
// The expression tree: an infix expression over letters is built into a binary tree with a
// stack of operators and a stack of pending operand subtrees, shown side by side in six
// slots until the final tree stands; then, if the user gives the letters digits, the tree is
// evaluated by a recursive postorder walk whose results show in the expression's edit.
#include <memory>
#include <optional>
#include <vector>

#include "demos/trees/ExpTreeF.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"

class TBinCharTreeNode;
class TTreeNodeBase;

class TExpTree : public TFormDemo<TExptF> {
  Q_OBJECT
 public:
  using TFormDemo::TFormDemo;

  void DestroyChildWindow() override;
  bool CreateData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  void SetWindowRect() override;
  void Reset() override;

  Q_INVOKABLE void ExpTree_Begin() {}
  Q_INVOKABLE void ExpTree_Pushchend();
  Q_INVOKABLE void ExpTree_Rep() {}
  Q_INVOKABLE void ExpTree_GetOneChar();
  Q_INVOKABLE bool ExpTree_F_ChInOpset();
  Q_INVOKABLE void ExpTree_CrtNodePushp();
  Q_INVOKABLE bool ExpTree_F_NotOther();
  Q_INVOKABLE bool ExpTree_F_IsLeft();
  Q_INVOKABLE void ExpTree_Left();
  Q_INVOKABLE void ExpTree_Right() {}
  Q_INVOKABLE bool ExpTree_F_Rotate();
  Q_INVOKABLE void ExpTree_CrtSubPushp();
  Q_INVOKABLE void ExpTree_Pop();
  Q_INVOKABLE void ExpTree_Others() {}
  Q_INVOKABLE bool ExpTree_F_Rotate2();
  Q_INVOKABLE void ExpTree_CrtSubPushp2();
  Q_INVOKABLE bool ExpTree_F_NotEqu();
  Q_INVOKABLE void ExpTree_Pushch();
  Q_INVOKABLE void ExpTree_Pop2();
  Q_INVOKABLE bool ExpTree_F_UntilSE();
  Q_INVOKABLE void ExpTree_GetTopPop();
  Q_INVOKABLE bool ExpTree_F_Needed();
  Q_INVOKABLE TData* ExpTree_C_Calculate();
  Q_INVOKABLE void ExpTree_AfterCalculate() {}

  Q_INVOKABLE bool CalExpTree_F_Begin();
  Q_INVOKABLE bool CalExpTree_F_IsOPND();
  Q_INVOKABLE void CalExpTree_RetValue();
  Q_INVOKABLE TData* CalExpTree_C_LChild();
  Q_INVOKABLE void CalExpTree_AfterLChild();
  Q_INVOKABLE TData* CalExpTree_C_RChild();
  Q_INVOKABLE void CalExpTree_AfterRChild();
  Q_INVOKABLE void CalExpTree_Calcu();

 private:
  void SetStr(const char* name, const QString& value);
  TData* BtRecord() const;
  TData* CallChild(bool left);
  void ReturnFromChild();
  // The node of the final tree the evaluation lights at the line the run stands at: the innermost
  // call's, the root's only once its value or its children's are in; nothing outside a run.
  std::optional<const TTreeNodeBase*> LitNode() const;

  QChar ch_;
  TBinCharTreeNode* CurNode = nullptr;
  TBinCharTreeNode* SavedNode = nullptr;
  std::vector<int> results_;
};
