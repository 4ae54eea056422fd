#pragma once
// Simple selection sort: each pass finds the least of the keys left and exchanges it into
// the first place of the pass.
#include <memory>

#include "demos/sort/SortGraphForms.h"

class TSelectSort : public TFormSortDemo<TSelSortGraphForm> {
  Q_OBJECT
 public:
  using TFormSortDemo::TFormSortDemo;

  void CreateChildWindow() override;

  std::unique_ptr<TData> GetInitialParam() override { return KeysAndCount(); }
  bool CreateData() override { return InputKeys(12, 5); }
  void ResetLocalData(const QString& procName) override;
  void Reset() override;

  Q_INVOKABLE bool SelectSort_F_Begin();
  Q_INVOKABLE void SelectSort_ki();
  Q_INVOKABLE bool SelectSort_F_Loopj();
  Q_INVOKABLE bool SelectSort_F_Compare();
  Q_INVOKABLE void SelectSort_kj();
  Q_INVOKABLE bool SelectSort_F_Determine();
  Q_INVOKABLE void SelectSort_Swap();

 private:
  TVector* VarR = nullptr;
  TIntData* VarN = nullptr;
  TIntData* VarI = nullptr;
  TIntData* VarJ = nullptr;
  TIntData* VarK = nullptr;
  int NextI = 1;
  int NextJ = 2;
};
