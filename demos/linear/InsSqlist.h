#pragma once
// Inserting an element b before the i-th element of a sequential list: the elements from
// the last down to the i-th slide one cell to the right, then b drops into cell i.
#include <memory>

#include "demos/linear/SqlstGraphForm.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TInsSqlist : public TFormDemo<TSqlstGraphForm> {
  Q_OBJECT
 public:
  using TFormDemo::TFormDemo;

  void AfterConstruction() override;
  bool CreateData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  void ResetLocalData(const QString& procName) override;
  void SetWindowRect() override;

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
};
