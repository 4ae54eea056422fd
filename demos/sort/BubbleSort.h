#pragma once
// Bubble sort: passes over the row exchanging neighbours out of order, until a pass
// exchanges nothing.
#include <memory>

#include "demos/sort/SortGraphForms.h"

class TBubbleSort : public TFormSortDemo<TBubGraphForm> {
  Q_OBJECT
 public:
  using TFormSortDemo::TFormSortDemo;

  void CreateChildWindow() override;

  std::unique_ptr<TData> GetInitialParam() override { return KeysAndCount(); }
  bool CreateData() override { return InputKeys(12, 5); }
  void ResetLocalData(const QString& procName) override;
  void Reset() override;

  Q_INVOKABLE void BubbleSort_Begin() {}
  Q_INVOKABLE bool BubbleSort_F_While();
  Q_INVOKABLE void BubbleSort_IncPass();
  Q_INVOKABLE bool BubbleSort_F_For();
  Q_INVOKABLE bool BubbleSort_F_If();
  Q_INVOKABLE void BubbleSort_Swap();
  Q_INVOKABLE void BubbleSort_fail();

 private:
  TVector* VarR = nullptr;
  TIntData* VarN = nullptr;
  TBoolData* VarSorted = nullptr;
  TIntData* VarPass = nullptr;
  TIntData* VarI = nullptr;
  int NextI = 1;
};
