#pragma once
// Building a linked list with a head node by head insertion: the characters a[n] .. a[1]
// each become a new node linked in right after the head, so the list reads as the array.
// The new node floats below the row until it is linked in.
#include <memory>
#include <vector>

#include "demos/linear/LinkForms.h"

class TLinkNode;

class TCrtLinkList : public TLinkBase {
  Q_OBJECT
 public:
  explicit TCrtLinkList(const QStringList& source);
  ~TCrtLinkList() override;
  void AfterConstruction() override;

  std::unique_ptr<TData> GetInitialParam() override;
  void ResetLocalData(const QString& procName) override;
  void Reset() override;

  Q_INVOKABLE void CrtLinkList_Begin();
  Q_INVOKABLE bool CrtLinkList_F_Rotate();
  Q_INVOKABLE void CrtLinkList_NewItem();
  Q_INVOKABLE void CrtLinkList_Insert1();
  Q_INVOKABLE void CrtLinkList_Insert2();
  Q_INVOKABLE bool CrtLinkList_F_EndLoop();

 private:
  // The character the current pass takes: a[n - counter + 1].
  QChar Current() const;

  int counter_ = 0;  // nodes made in this run
  bool floating_ = false;  // p's node is made and not yet in the list as drawn
  TLinkNode* head_ = nullptr;
  std::vector<std::unique_ptr<TLinkNode>> records_;  // the head and the nodes made
};
