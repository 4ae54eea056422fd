#pragma once
// Inserting an element b before the i-th element of a linked list with a head node: p walks
// from the head with a counter j to element i - 1, then a new node s is linked in after it.
#include <memory>

#include "demos/linear/LinkForms.h"

// The element and position asked for; kept while the program runs.
inline QChar InsLinkElement = QLatin1Char('Z');
inline int InsLinkPosition = 4;

class TInsLinkList : public TLinkBase {
  Q_OBJECT
 public:
  explicit TInsLinkList(const QStringList& source);
  ~TInsLinkList() override;
  void AfterConstruction() override;

  void CreateChildWindow() override;

  // The list text, then the element (asked again until it is one character), then the
  // position.
  bool CreateData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  void ResetLocalData(const QString& procName) override;
  void Reset() override;

  Q_INVOKABLE void InsLinkList_Begin();
  Q_INVOKABLE bool InsLinkList_F_NextWhile();
  Q_INVOKABLE void InsLinkList_Next();
  Q_INVOKABLE bool InsLinkList_F_AfterWhile();
  Q_INVOKABLE void InsLinkList_showerror();
  Q_INVOKABLE void InsLinkList_NewItem();
  Q_INVOKABLE void InsLinkList_Insert1();
  Q_INVOKABLE void InsLinkList_Insert2();
  Q_INVOKABLE void InsLinkList_INsertend();
};
