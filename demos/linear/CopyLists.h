#pragma once
// Copying a generalized list recursively: an empty list copies as empty; otherwise a node of
// the same tag is made, an atom copied, and for a list node the head and then the tail are
// copied. The copy grows in the lower view under the source, and every activation is a row
// of the drawn stack.
#include <memory>
#include <set>
#include <vector>

#include "demos/linear/ListsForms.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/Data.h"

class TAckmanGraphForm;
class TListsNode;

// One row of the drawn stack: the line the activation returns to (0 from Main, 7 after the
// head's copy, 8 after the tail's) and the nodes ls and nls.
class TCLStkData : public TData {
 public:
  TCLStkData(int addr, const TListsNode* ls, const TListsNode* nls);
  // "7     n2   m2"; a missing node reads "NIL" (C: "NULL").
  QString GetText() const override;
  int Addr;
  const TListsNode* ls;
  const TListsNode* nls;
};

// A node's address label in a stack row: "n2", or "NIL" (C: "NULL").
QString ListsStackField(const TListsNode* node);

class TCopyLists : public TFormDemo<TDualListsForm> {
  Q_OBJECT
 public:
  explicit TCopyLists(const QStringList& source);
  ~TCopyLists() override;

  void CreateChildWindow() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;

  TAckmanGraphForm* StackForm() const { return stackForm_.get(); }
  QString S;

  Q_INVOKABLE TData* Main_C_Begin();
  Q_INVOKABLE void Main_AfterBegin();
  Q_INVOKABLE bool lscp_F_Begin();
  Q_INVOKABLE void lscp_CopyNIL();
  Q_INVOKABLE void lscp_NewNode();
  Q_INVOKABLE bool lscp_F_IsLeaf();
  Q_INVOKABLE void lscp_CopyData();
  Q_INVOKABLE TData* lscp_C_CopyHp();
  Q_INVOKABLE void lscp_AfterCopyHp();
  Q_INVOKABLE TData* lscp_C_CopyTp();
  Q_INVOKABLE void lscp_AfterCopyTp();

 private:
  enum Hang { AsRoot, AsHead, AsTail };
  struct Level {
    TListsNode* ls = nullptr;
    TListsNode* nls = nullptr;
    Hang hang = AsRoot;
  };
  Level& Current() { return levels_.back(); }
  TData* Enter(int addr, TListsNode* ls, Hang hang);
  void Leave();
  void ShowMarks();
  void UpdateTopRow();

  std::vector<Level> levels_;
  std::set<const TListsNode*> copied_;  // the copy's atoms whose letter is copied
  std::unique_ptr<TAckmanGraphForm> stackForm_;
};
