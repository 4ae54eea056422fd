#pragma once
// Deleting the i-th element of a linked list with a head node: p walks from the head with a
// counter j to element i - 1, q takes its successor, which is unlinked and disposed of.
#include <memory>

#include "demos/linear/LinkForms.h"

// The position asked for; kept while the program runs.
inline int DelLinkPosition = 4;

class TDelLinkList : public TLinkBase {
  Q_OBJECT
 public:
  explicit TDelLinkList(const QStringList& source);
  ~TDelLinkList() override;
  void AfterConstruction() override;

  // The list text, then the position.
  bool CreateData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  void ResetLocalData(const QString& procName) override;
  void Reset() override;

  Q_INVOKABLE void DelLinkList_Begin();
  Q_INVOKABLE bool DelLinkList_F_NextWhile();
  Q_INVOKABLE void DelLinkList_Next();
  Q_INVOKABLE bool DelLinkList_F_AfterWhile();
  Q_INVOKABLE void DelLinkList_Error();
  Q_INVOKABLE void DelLinkList_DelItem1();
  Q_INVOKABLE void DelLinkList_DelItem2();
  Q_INVOKABLE void DelLinkList_Dispose();

 private:
  TLinkNode* P() const;
};
