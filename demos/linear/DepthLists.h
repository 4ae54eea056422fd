#pragma once
// The depth of a generalized list, recursively: the empty list has depth 1, an atom depth
// 0, any other list one more than the deepest of its elements, found by walking the tail
// chain with pp and measuring each head. Marks follow ls and pp, every activation is a row of
// the drawn stack, and the result is announced in the message window.
#include <memory>
#include <vector>

#include "demos/linear/ListsForms.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/Data.h"

class TAckmanGraphForm;
class TCoolMsgDlg;
class TListsNode;

// One row of the drawn stack: Addr (0 from Main, 8 from the recursive call), ls, dep, pp and
// max: "8     n3    0  n3    0".
class TDLStkData : public TData {
 public:
  TDLStkData(int addr, const TListsNode* ls, int dep, const TListsNode* pp, int max);
  QString GetText() const override;
  int Addr;
  const TListsNode* ls;
  int dep;
  const TListsNode* pp;
  int max;
};

class TDepthLists : public TFormDemo<TListsForm> {
  Q_OBJECT
 public:
  explicit TDepthLists(const QStringList& source);
  ~TDepthLists() override;

  void CreateChildWindow() override;
  bool CreateData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  void SetWindowRect() override;
  void Reset() override;

  TAckmanGraphForm* StackForm() const { return stackForm_.get(); }
  QString S;

  Q_INVOKABLE TData* Main_C_Begin();
  Q_INVOKABLE void Main_AfterBegin();
  Q_INVOKABLE bool Depth_F_Begin();
  Q_INVOKABLE void Depth_NullLists();
  Q_INVOKABLE bool Depth_F_IsLeaf();
  Q_INVOKABLE void Depth_LeafNode();
  Q_INVOKABLE void Depth_InitCount();
  Q_INVOKABLE bool Depth_F_IsNullTp();
  Q_INVOKABLE TData* Depth_C_CallDepth();
  Q_INVOKABLE void Depth_AfterCallDepth();
  Q_INVOKABLE bool Depth_F_IsDeeper();
  Q_INVOKABLE void Depth_NewMax();
  Q_INVOKABLE void Depth_NextTp();
  Q_INVOKABLE void Depth_CountDepth();

 private:
  struct Level {
    TListsNode* ls = nullptr;
    TListsNode* pp = nullptr;
  };
  Level& Current() { return levels_.back(); }
  TData* Enter(int addr, TListsNode* ls);
  void ShowMarks();
  // dep := value, in the variables and the top row.
  void SetDep(int value);
  void UpdateTopRow();

  int dep_ = 0;  // the depth last set or returned
  std::vector<Level> levels_;
  std::unique_ptr<TAckmanGraphForm> stackForm_;
  std::unique_ptr<TCoolMsgDlg> msgDlg_;
};
