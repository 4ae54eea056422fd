#pragma once
// Deleting the i-th element of a sequential list: the elements after it slide one cell to
// the left, then the last cell blinks and goes.
#include <memory>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TSqlstGraphForm;

class TDelSqlist : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit TDelSqlist(const QStringList& source);
  ~TDelSqlist() override;

  void CreateChildWindow() override;
  void AfterConstruction() override;
  bool CreateData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  void ResetLocalData(const QString& procName) override;
  void SetWindowRect() override;
  void ShowGraph() override {}
  void ClearGraph() override {}

  TSqlstGraphForm* GraphForm() const { return graphForm_.get(); }
  QString Text = QStringLiteral("ajcniydu");
  int Position = 3;

  Q_INVOKABLE bool DelSqlist_F_Begin();
  Q_INVOKABLE void DelSqlist_ShowError();
  Q_INVOKABLE bool DelSqlist_F_Loop();
  Q_INVOKABLE void DelSqlist_MoveLeft();
  Q_INVOKABLE void DelSqlist_Finish();
  Q_INVOKABLE void DelSqlist_RetOK();

 private:
  TData* V() const;
  std::unique_ptr<TSqlstGraphForm> graphForm_;
};
