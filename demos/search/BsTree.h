#pragma once
// Search, insertion and deletion on a binary sort tree of letters. The demonstration's own
// text holds no procedure: the user types a letter in the drawing window and presses
// "查找", "插入" or "删除"; the button loads that operation's procedures and enters the
// first with the tree and the letter, and the run buttons step through it. The algorithm's
// pointers point into a mirror of the drawn tree made at the start of each operation.
#include <QHash>
#include <QPointer>
#include <memory>
#include <optional>

#include "demos/search/BsTreeClass.h"
#include "framework/engine/AlgoDemo.h"

class TBsTreeGraphForm;
class TCharNodeData;
class TPointer2;

class TBsTree : public TAlgoDemo {
  Q_OBJECT
 public:
  enum { kNone = 0, kSearch = 1, kInsert = 2, kDelete = 3 };

  explicit TBsTree(const QStringList& source);
  ~TBsTree() override;

  void DemoFinished() override;
  void CreateChildWindow() override;
  void AfterConstruction() override;
  bool CreateData() override;
  void ResetLocalData(const QString& procName) override;
  void SaveData(const QString& fileName) override;
  void LoadData(const QString& fileName) override;
  void SetWindowRect() override;
  // Starts the last operation again (with the letter now in the edit); nothing before the
  // first operation of this start, or with an empty edit. An operation cut short is undone
  // first.
  void Reset() override;
  void UpdateChildWindow() override;

  TBsTreeGraphForm* GraphForm() const { return graphForm_.get(); }
  int LastBstOperation = kNone;

  // The first frame's arguments of an operation.
  std::unique_ptr<TData> BuildBstArgs(int operation);
  void RunOperation(int operation);
  void SearchBtnClick() { RunOperation(kSearch); }
  void InsertBtnClick() { RunOperation(kInsert); }
  void DeleteBtnClick() { RunOperation(kDelete); }

  // ---- bstsrch
  Q_INVOKABLE bool bstsrch_F_Begin();
  Q_INVOKABLE void bstsrch_Line1();
  Q_INVOKABLE bool bstsrch_F_Else();
  Q_INVOKABLE TData* bstsrch_C_Line2();
  Q_INVOKABLE void bstsrch_AfterLine2();
  Q_INVOKABLE void bstsrch_Line2() {}
  Q_INVOKABLE TData* bstsrch_C_Line3();
  Q_INVOKABLE void bstsrch_AfterLine3();
  // ---- srch_bstree
  Q_INVOKABLE bool srch_bstree_F_Begin();
  Q_INVOKABLE void srch_bstree_Line1();
  Q_INVOKABLE bool srch_bstree_F_Else();
  Q_INVOKABLE void srch_bstree_Line2();
  Q_INVOKABLE bool srch_bstree_F_Else2();
  Q_INVOKABLE void srch_bstree_Line3();
  Q_INVOKABLE TData* srch_bstree_C_Line4();
  Q_INVOKABLE void srch_bstree_AfterLine4();
  Q_INVOKABLE void srch_bstree_Line4() {}
  Q_INVOKABLE void srch_bstree_Else3();
  Q_INVOKABLE TData* srch_bstree_C_Line5();
  Q_INVOKABLE void srch_bstree_AfterLine5();
  Q_INVOKABLE void srch_bstree_End();
  // ---- ins_bstree
  Q_INVOKABLE TData* ins_bstree_C_Begin();
  Q_INVOKABLE void ins_bstree_AfterBegin();
  Q_INVOKABLE bool ins_bstree_F_IfFound();
  Q_INVOKABLE void ins_bstree_Found();
  Q_INVOKABLE void ins_bstree_NotFound();
  Q_INVOKABLE bool ins_bstree_F_IfNil();
  Q_INVOKABLE void ins_bstree_Line1();
  Q_INVOKABLE bool ins_bstree_F_NotNil();
  Q_INVOKABLE void ins_bstree_Line2();
  Q_INVOKABLE void ins_bstree_Line3();
  // ---- del_bstree
  Q_INVOKABLE TData* del_bstree_C_Begin();
  Q_INVOKABLE void del_bstree_AfterBegin();
  Q_INVOKABLE bool del_bstree_F_IfFound();
  Q_INVOKABLE void del_bstree_NotFound();
  Q_INVOKABLE bool del_bstree_F_If();
  Q_INVOKABLE bool del_bstree_F_If1();
  Q_INVOKABLE void del_bstree_Line1();
  Q_INVOKABLE bool del_bstree_F_Else1();
  Q_INVOKABLE void del_bstree_Line2();
  Q_INVOKABLE void del_bstree_Else2();
  Q_INVOKABLE void del_bstree_Else();
  Q_INVOKABLE bool del_bstree_F_While();
  Q_INVOKABLE void del_bstree_Line3();
  Q_INVOKABLE void del_bstree_Line4();
  Q_INVOKABLE bool del_bstree_F_If2();
  Q_INVOKABLE void del_bstree_Line5();
  Q_INVOKABLE void del_bstree_Else3();

 private:
  // Undoes an operation cut short (the tree as before its button) and clears the marks.
  void AbandonOperation();
  void Highlight(TBinCharTreeNode* node, bool on);
  TCharNodeData* Rec(const char* var) const;
  void SetRec(const char* var, TCharNodeData* record);
  char K() const;
  // The drawn node of a record of the mirror (the letters are distinct).
  TBinCharTreeNode* NodeOf(const TCharNodeData* record) const;
  TBinCharTreeNode* MarkerNode(const TPointer2& marker) const;
  TData* SearchCall(bool left);
  void SearchReturned();
  TData* SrchCall(bool left);
  void SrchReturned();
  // Links s below the node under the f marker, unless that node is on the last level.
  void LinkNewNode(bool left);
  // The node under the f marker takes FoundNode's right subtree in FoundNode's place.
  void BypassFoundNode(bool left);
  void UnlinkPredecessor(bool asRight);
  void Renumber();
  // The algorithm's tree made again from the drawn one (mirror_), each drawn node standing for
  // its record: its letter the record's key, its highlight (a search) whether t points at it.
  void MirrorTree();
  std::optional<QString> LitNote(const QWidget* node) const;

  std::unique_ptr<TBsTreeGraphForm> graphForm_;
  std::unique_ptr<TCharNodeData> mirror_;
  QHash<const QWidget*, const TCharNodeData*> recordOf_;  // the drawn nodes' records in mirror_
  QPointer<TBinCharTreeNode> CurNode;
  QPointer<TBinCharTreeNode> PrevNode;
  QPointer<TBinCharTreeNode> FoundNode;
  // What srch_bstree hands back: its result, and f and found passed by reference.
  TCharNodeData* srchResult_ = nullptr;
  TCharNodeData* srchF_ = nullptr;
  bool srchFound_ = false;
  TTreeOperation operation_;
};
