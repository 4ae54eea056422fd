#pragma once
// Building a binary tree from its preorder string, "#" for an empty subtree: each call
// reads one character and either ends an empty subtree or makes a node and builds its two
// subtrees. The drawn tree grows node by node, the pointer "T" on the node being built,
// and every active call is a row of the drawn stack (its line, the parent whose child it
// builds and that parent's letter).
#include <QString>
#include <memory>

#include "demos/trees/TrTravForm.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"

class TAckmanGraphForm;
class TBinCharTreeNode;

class TCrtBTPreOdr : public TFormDemo<TTrTravForm> {
  Q_OBJECT
 public:
  explicit TCrtBTPreOdr(const QStringList& source);
  ~TCrtBTPreOdr() override;

  void CreateChildWindow() override;
  bool CreateData() override;
  void Reset() override;
  void SetWindowRect() override;
  void UpdateChildWindow() override;

  Q_INVOKABLE TData* Main_C_Begin();
  Q_INVOKABLE void Main_AfterBegin();
  Q_INVOKABLE void CrtBT_PreOdr_Begin();
  Q_INVOKABLE bool CrtBT_PreOdr_F_ifch();
  Q_INVOKABLE void CrtBT_PreOdr_TNULL();
  Q_INVOKABLE void CrtBT_PreOdr_else() {}
  Q_INVOKABLE bool CrtBT_PreOdr_F_ifT();
  Q_INVOKABLE void CrtBT_PreOdr_exit();
  Q_INVOKABLE void CrtBT_PreOdr_Tdata();
  Q_INVOKABLE TData* CrtBT_PreOdr_C_Crtl() { return CallChild(true); }
  Q_INVOKABLE void CrtBT_PreOdr_AfterCrtl() { ReturnFromChild(); }
  Q_INVOKABLE TData* CrtBT_PreOdr_C_Crtr() { return CallChild(false); }
  Q_INVOKABLE void CrtBT_PreOdr_AfterCrtr() { ReturnFromChild(); }
  Q_INVOKABLE void CrtBT_PreOdr_endif() {}
  Q_INVOKABLE void CrtBT_PreOdr_return() {}

 private:
  TData* CallChild(bool left);
  void ReturnFromChild();
  void PushRow(int lineNo);
  void PointAt(TBinCharTreeNode* node);
  void SetResult(const QString& text);
  // What T, the stack rows, the result line and each node's letter stand for: the run stack,
  // the string as read so far and the letters placed.
  void SayMeanings();
  QString RowFor(int depth) const;
  // The k-th letter of the string (from 1).
  QChar LetterOf(int k) const;
  // The letters read so far.
  int LettersRead() const;

  QString RestString;   // the characters not read yet
  QString InputString;  // the whole string as confirmed
  TBinCharTreeNode* CurNode = nullptr;      // t: the node being built
  TBinCharTreeNode* BuildParent = nullptr;  // whose child the current call builds
  bool BuildLeft = true;
  QChar CurChar;  // ch
  int lettersPlaced_ = 0;  // t^.data := ch lines run
  std::unique_ptr<TAckmanGraphForm> stackForm_;
};
