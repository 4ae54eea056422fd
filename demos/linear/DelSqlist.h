#pragma once
// Deleting the i-th element of a sequential list: the elements after it slide one cell to
// the left, then the last cell blinks and goes.
#include <memory>

#include "demos/linear/SqlstGraphForm.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TDelSqlist : public TFormDemo<TSqlstGraphForm> {
  Q_OBJECT
 public:
  using TFormDemo::TFormDemo;

  void AfterConstruction() override;
  bool CreateData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  void ResetLocalData(const QString& procName) override;
  void SetWindowRect() override;

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
};
