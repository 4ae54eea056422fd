#pragma once
// The recursive preorder, inorder and postorder traversals of a tree of letters the user
// builds in the tree dialog. The pointer "bt" follows the current node, which is
// highlighted; each visited letter is appended to the result line; every active call is a
// row of the drawn stack (its line and the node it received, "NIL" for an empty subtree).
// The three differ only in where the visit stands and in the lines of the two calls.
#include <QString>
#include <memory>

#include "demos/trees/TrTravForm.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"
#include "platform/Color.h"

class TAckmanGraphForm;
class TBinCharTreeNode;

class TTreeTraversal : public TFormDemo<TTrTravForm> {
  Q_OBJECT
 public:
  // The lines the calls stand on in the text, and the stack's colours.
  struct TOrder {
    int leftLine;
    int rightLine;
    TColor titleColor;
    TColor rowColor;
    // Where the visit stands: 0 before both calls, 1 between them, 2 after them.
    int visitAt;
  };
  TTreeTraversal(const QStringList& source, TOrder order);
  ~TTreeTraversal() override;

  void CreateChildWindow() override;
  bool CreateData() override;
  void Reset() override;
  void SetWindowRect() override;
  void UpdateChildWindow() override;

 protected:
  // The steps the three texts share, by what they do.
  TData* CallMain();
  void ReturnToMain();
  bool NodeNotNil() const { return CurNode != nullptr; }
  void Visit();
  TData* CallChild(bool left);
  void ReturnFromChild();

 private:
  void Highlight(TBinCharTreeNode* node, bool on);
  void PushRow(int lineNo);
  // What bt, each stack row and the result line stand for, read from the run stack, the
  // tree and the visits made (CurNode and SavedNode are the drawing's followers).
  void SayMeanings();
  QString RowFor(int depth) const;
  QString ResultFor(int visits) const;

  TOrder order_;
  TBinCharTreeNode* CurNode = nullptr;    // bt: nil stands for an empty subtree
  TBinCharTreeNode* SavedNode = nullptr;  // the node to go back to when the call ends
  int visits_ = 0;                        // visit(bt^.data) lines run
  std::unique_ptr<TAckmanGraphForm> stackForm_;
};

class TPreOrder : public TTreeTraversal {
  Q_OBJECT
 public:
  explicit TPreOrder(const QStringList& source);

  Q_INVOKABLE TData* Main_C_Begin() { return CallMain(); }
  Q_INVOKABLE void Main_AfterBegin() { ReturnToMain(); }
  Q_INVOKABLE bool PreOrder_F_Begin() { return NodeNotNil(); }
  Q_INVOKABLE void PreOrder_Visit() { Visit(); }
  Q_INVOKABLE TData* PreOrder_C_LChild() { return CallChild(true); }
  Q_INVOKABLE void PreOrder_AfterLChild() { ReturnFromChild(); }
  Q_INVOKABLE TData* PreOrder_C_RChild() { return CallChild(false); }
  Q_INVOKABLE void PreOrder_AfterRChild() { ReturnFromChild(); }
};

class TInOrder : public TTreeTraversal {
  Q_OBJECT
 public:
  explicit TInOrder(const QStringList& source);

  Q_INVOKABLE TData* Main_C_Begin() { return CallMain(); }
  Q_INVOKABLE void Main_AfterBegin() { ReturnToMain(); }
  Q_INVOKABLE bool InOrder_F_Begin() { return NodeNotNil(); }
  Q_INVOKABLE TData* InOrder_C_LChild() { return CallChild(true); }
  Q_INVOKABLE void InOrder_AfterLChild() { ReturnFromChild(); }
  Q_INVOKABLE void InOrder_Visite() { Visit(); }
  Q_INVOKABLE TData* InOrder_C_RChild() { return CallChild(false); }
  Q_INVOKABLE void InOrder_AfterRChild() { ReturnFromChild(); }
};

class TPostOrder : public TTreeTraversal {
  Q_OBJECT
 public:
  explicit TPostOrder(const QStringList& source);

  Q_INVOKABLE TData* Main_C_Begin() { return CallMain(); }
  Q_INVOKABLE void Main_AfterBegin() { ReturnToMain(); }
  Q_INVOKABLE bool PostOrder_F_Begin() { return NodeNotNil(); }
  Q_INVOKABLE TData* PostOrder_C_LChild() { return CallChild(true); }
  Q_INVOKABLE void PostOrder_AfterLChild() { ReturnFromChild(); }
  Q_INVOKABLE TData* PostOrder_C_RChild() { return CallChild(false); }
  Q_INVOKABLE void PostOrder_AfterRChild() { ReturnFromChild(); }
  Q_INVOKABLE void PostOrder_Visite() { Visit(); }
};
