#pragma once
// Insertion into and deletion from a balanced binary tree of letters, rebalanced by
// rotations. As with the binary sort tree, the demonstration's own text holds no
// procedure: the user types a letter and presses "插入" or "删除", and the button loads that
// operation's procedure. The algorithm's pointers are markers on the tree; the variables
// window shows d and balanced (insertion) or d, shorter and newkey (deletion).
#include <memory>

#include "demos/search/BsTreeClass.h"
#include "framework/engine/AlgoDemo.h"

class TAVlTreeGraphForm;
class TAVlTreeNode;
class TPointer2;

class TAVLTree : public TAlgoDemo {
  Q_OBJECT
 public:
  enum { kNone = 0, kInsert = 1, kDelete = 2 };

  explicit TAVLTree(const QStringList& source);
  ~TAVLTree() override;

  void DemoFinished() override;
  void CreateChildWindow() override;
  void AfterConstruction() override;
  bool CreateData() override;
  void ResetLocalData(const QString& procName) override;
  void SaveData(const QString& fileName) override;
  void LoadData(const QString& fileName) override;
  void SetWindowRect() override;
  // Starts the last operation again with the letter now in the edit (an operation cut
  // short undone first); nothing before the first operation of this start.
  void Reset() override;
  void UpdateChildWindow() override;

  TAVlTreeGraphForm* GraphForm() const { return graphForm_.get(); }
  int LastAvlOperation = kNone;
  char Key = ' ';

  // The first frame's (empty) arguments; Key taken from the edit.
  std::unique_ptr<TData> BuildAvlArgs();
  void RunOperation(int operation);
  void InsertBtnClick() { RunOperation(kInsert); }
  void DeleteBtnClick() { RunOperation(kDelete); }

  // ---- ins_avltree
  Q_INVOKABLE void ins_avltree_Begin();
  Q_INVOKABLE bool ins_avltree_F_Line1();
  Q_INVOKABLE void ins_avltree_Line2();
  Q_INVOKABLE void ins_avltree_Line3();
  Q_INVOKABLE bool ins_avltree_F_Line4();
  Q_INVOKABLE bool ins_avltree_F_Line5();
  Q_INVOKABLE void ins_avltree_Line6();
  Q_INVOKABLE void ins_avltree_Line7();
  Q_INVOKABLE bool ins_avltree_F_Line8();
  Q_INVOKABLE void ins_avltree_Line9();
  Q_INVOKABLE bool ins_avltree_F_Line10();
  Q_INVOKABLE void ins_avltree_Line11();
  Q_INVOKABLE void ins_avltree_Line12();
  Q_INVOKABLE bool ins_avltree_F_Line13();
  Q_INVOKABLE bool ins_avltree_F_Line14();
  Q_INVOKABLE void ins_avltree_Line14() {}
  Q_INVOKABLE bool ins_avltree_F_Line15();
  Q_INVOKABLE bool ins_avltree_F_Line16();
  Q_INVOKABLE void ins_avltree_Line17();
  Q_INVOKABLE void ins_avltree_Line18();
  Q_INVOKABLE bool ins_avltree_F_Line19();
  Q_INVOKABLE bool ins_avltree_F_Line20();
  Q_INVOKABLE void ins_avltree_Line21();
  Q_INVOKABLE void ins_avltree_Line22();
  Q_INVOKABLE void ins_avltree_Line23();
  Q_INVOKABLE bool ins_avltree_F_Line24();
  Q_INVOKABLE void ins_avltree_Line25();
  Q_INVOKABLE bool ins_avltree_F_Line26();
  Q_INVOKABLE void ins_avltree_Line27();
  Q_INVOKABLE void ins_avltree_Line28();
  Q_INVOKABLE bool ins_avltree_F_Line29();
  Q_INVOKABLE bool ins_avltree_F_Line30();
  Q_INVOKABLE void ins_avltree_Line31();
  Q_INVOKABLE bool ins_avltree_F_Line32();
  Q_INVOKABLE void ins_avltree_Line33();
  Q_INVOKABLE bool ins_avltree_F_Line34();
  Q_INVOKABLE void ins_avltree_Line35();
  Q_INVOKABLE bool ins_avltree_F_Line36();
  Q_INVOKABLE void ins_avltree_Line37();
  // ---- del_avltree
  Q_INVOKABLE void del_avltree_Begin();
  Q_INVOKABLE bool del_avltree_F_Line0();
  Q_INVOKABLE void del_avltree_Line1();
  Q_INVOKABLE bool del_avltree_F_Line2();
  Q_INVOKABLE void del_avltree_Line3();
  Q_INVOKABLE void del_avltree_Line4();
  Q_INVOKABLE bool del_avltree_F_Line5();
  Q_INVOKABLE void del_avltree_Line6();
  Q_INVOKABLE bool del_avltree_F_Line7();
  Q_INVOKABLE bool del_avltree_F_Line8();
  Q_INVOKABLE void del_avltree_Line9();
  Q_INVOKABLE bool del_avltree_F_Line10();
  Q_INVOKABLE void del_avltree_Line11();
  Q_INVOKABLE void del_avltree_Line12();
  Q_INVOKABLE void del_avltree_Line13();
  Q_INVOKABLE void del_avltree_Line14();
  Q_INVOKABLE bool del_avltree_F_Line15();
  Q_INVOKABLE void del_avltree_Line16();
  Q_INVOKABLE void del_avltree_Line17();
  Q_INVOKABLE bool del_avltree_F_Line18();
  Q_INVOKABLE void del_avltree_Line19();
  Q_INVOKABLE void del_avltree_Line20();
  Q_INVOKABLE void del_avltree_Line21();
  Q_INVOKABLE void del_avltree_Line22();
  Q_INVOKABLE bool del_avltree_F_Line23();
  Q_INVOKABLE bool del_avltree_F_Line24();
  Q_INVOKABLE void del_avltree_Line25();
  Q_INVOKABLE void del_avltree_Line26();
  Q_INVOKABLE bool del_avltree_F_Line27();
  Q_INVOKABLE void del_avltree_Line28();
  Q_INVOKABLE bool del_avltree_F_Line29();
  Q_INVOKABLE void del_avltree_Line30();
  Q_INVOKABLE bool del_avltree_F_Line31();
  Q_INVOKABLE bool del_avltree_F_Line32();
  Q_INVOKABLE void del_avltree_Line33();
  Q_INVOKABLE bool del_avltree_F_Line34();
  Q_INVOKABLE void del_avltree_Line35();
  Q_INVOKABLE bool del_avltree_F_Line36();
  Q_INVOKABLE void del_avltree_Line37();
  Q_INVOKABLE bool del_avltree_F_Line38();
  Q_INVOKABLE void del_avltree_Line39();
  Q_INVOKABLE bool del_avltree_F_Line40();
  Q_INVOKABLE void del_avltree_Line41();
  Q_INVOKABLE bool del_avltree_F_Line42();
  Q_INVOKABLE void del_avltree_Line43();
  Q_INVOKABLE bool del_avltree_F_Line44();
  Q_INVOKABLE void del_avltree_Line45();
  Q_INVOKABLE bool del_avltree_F_Line50();
  Q_INVOKABLE void del_avltree_Line51();
  Q_INVOKABLE bool del_avltree_F_Line52();
  Q_INVOKABLE void del_avltree_Line53();
  Q_INVOKABLE bool del_avltree_F_Line54();
  Q_INVOKABLE void del_avltree_Line55();
  Q_INVOKABLE void del_avltree_Line56();
  Q_INVOKABLE void del_avltree_Line57();
  Q_INVOKABLE void del_avltree_Line58();
  Q_INVOKABLE bool del_avltree_F_Line59();
  Q_INVOKABLE void del_avltree_Line60();
  Q_INVOKABLE void del_avltree_Line61();

 private:
  void AbandonOperation();
  // The node a marker points at, or nullptr.
  TAVlTreeNode* At(const TPointer2* marker) const;
  void Point(TPointer2* marker, TAVlTreeNode* node);
  int D() const;
  void SetD(int d);
  void SetFlag(const char* name, bool value);
  bool Flag(const char* name) const;
  // s becomes q's left or right child unless q is on the last level (then s goes).
  bool LinkNewNode(bool left);
  // p's right subtree takes p's place below f; p goes.
  void BypassP(bool left);
  // s's left subtree takes s's place below q; s goes.
  void UnlinkS(bool asRight);
  // The rotations of the text: LL/RR leave bf to the caller; the new subtree root gets the
  // markers a (and b for the double ones), and t when it became the tree's root.
  void Single(bool ll, int aBf, int bBf);
  void Double(bool lr);
  void FollowRoot(TAVlTreeNode* subtreeRoot);
  void Changed();
  TAVlTreeNode* NewNode() const;

  std::unique_ptr<TAVlTreeGraphForm> graphForm_;
  char NewKey = ' ';
  TTreeOperation operation_;
};
