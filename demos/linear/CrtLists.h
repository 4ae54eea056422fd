#pragma once
// Building the head-and-tail storage of a generalized list from its written form S: strip
// the outer parentheses, sever the first element off the rest, build it as the head of the
// current list node, and append a list node for the tail while anything is left. The drawing
// grows node by node as the steps run.
#include <memory>
#include <set>
#include <vector>

#include "demos/linear/ListsForms.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"

class TListsNode;

class TCrtLists : public TFormDemo<TListsForm> {
  Q_OBJECT
 public:
  using TFormDemo::TFormDemo;

  void CreateChildWindow() override;
  bool CreateData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  void SetWindowRect() override;
  void Reset() override;

  QString S;  // the list chosen in the dialog

  Q_INVOKABLE TData* Main_C_Begin();
  Q_INVOKABLE void Main_AfterBegin();
  Q_INVOKABLE bool CrtLists_F_Begin();
  Q_INVOKABLE bool CrtLists_F_IsSAChar();
  Q_INVOKABLE void CrtLists_NewDataNode();
  Q_INVOKABLE void CrtLists_SetData();
  Q_INVOKABLE void CrtLists_NewListsNode();
  Q_INVOKABLE void CrtLists_SetP();
  Q_INVOKABLE void CrtLists_SetSub();
  Q_INVOKABLE TData* CrtLists_C_CallSever();
  Q_INVOKABLE void CrtLists_AfterCallSever();
  Q_INVOKABLE TData* CrtLists_C_CreateHp();
  Q_INVOKABLE void CrtLists_AfterCreateHp();
  Q_INVOKABLE bool CrtLists_F_IsSubNotNULL();
  Q_INVOKABLE void CrtLists_NewTp();
  Q_INVOKABLE void CrtLists_LinkTp();
  Q_INVOKABLE bool CrtLists_F_IsSubNULL();
  Q_INVOKABLE void CrtLists_SetTpNil();
  Q_INVOKABLE void Sever_Begin();
  Q_INVOKABLE void Sever_SetCh();
  Q_INVOKABLE void Sever_CaseCh();
  Q_INVOKABLE bool Sever_F_IncK();
  Q_INVOKABLE void Sever_DecK();
  Q_INVOKABLE void Sever_EndCase();
  Q_INVOKABLE void Sever_IncI();
  Q_INVOKABLE bool Sever_F_IsStrEnd();
  Q_INVOKABLE bool Sever_F_IsILEA();
  Q_INVOKABLE void Sever_SetHsub();
  Q_INVOKABLE void Sever_SetSub();
  Q_INVOKABLE void Sever_HsubIsSub();

 private:
  // What each active call of CrtLists works on; level 1 is the call from Main.
  struct Level {
    TListsNode* ls = nullptr;
    TListsNode* p = nullptr;
    int row = 0;
  };
  Level& Current() { return levels_.back(); }
  // Hangs a new node where the current call's ls belongs: the root, or the head of the
  // caller's p.
  TListsNode* LinkIn(std::unique_ptr<TListsNode> node);
  void ShowSub(const QString& sub);

  std::vector<Level> levels_;
  std::set<const TListsNode*> lettered_;  // the atoms whose letter is set
  TListsNode* q_ = nullptr;
  int columnCounter_ = 0;
  int nodeCounter_ = 1;
  // Sever's own state, and what it hands back.
  int n_ = 0, i_ = 0;
  QChar ch_;
  QString severHsub_, severSub_;
};
