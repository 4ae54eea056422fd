#pragma once
// Inserting an element b before the i-th element of a sequential list: the elements from
// the last down to the i-th slide one cell to the right, then b drops into cell i.
#include <memory>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TSqlstGraphForm;

class TInsSqlist : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit TInsSqlist(const QStringList& source);
  ~TInsSqlist() override;

  void CreateChildWindow() override;
  void AfterConstruction() override;
  bool CreateData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  void ResetLocalData(const QString& procName) override;
  void SetWindowRect() override;
  void ShowGraph() override {}
  void ClearGraph() override {}

  TSqlstGraphForm* GraphForm() const { return graphForm_.get(); }
  static constexpr int MaxLen = 16;
  QString Text = QStringLiteral("ajcniydu");
  char Elem = 'p';
  int Position = 3;

  Q_INVOKABLE bool InsSqlist_F_Begin();
  Q_INVOKABLE void InsSqlist_ShowError1();
  Q_INVOKABLE bool InsSqlist_F_Else1();
  Q_INVOKABLE void InsSqlist_ShowError2();
  Q_INVOKABLE bool InsSqlist_F_Loop();
  Q_INVOKABLE void InsSqlist_MoveRight();
  Q_INVOKABLE void InsSqlist_Finish();
  Q_INVOKABLE void InsSqlist_RetOK();

 private:
  TData* V() const;
  std::unique_ptr<TSqlstGraphForm> graphForm_;
};
