#pragma once
// Straight insertion sort with the sentinel r[0]: each key in turn is taken out into r[0]
// (the box x carries it along the row) and the greater keys before it shift right.
#include <memory>

#include "demos/sort/SortGraphForms.h"

class TInsertSort : public TFormSortDemo<TInSortGraphForm> {
  Q_OBJECT
 public:
  using TFormSortDemo::TFormSortDemo;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override;
  void ResetLocalData(const QString& procName) override;
  void Reset() override;
  void ShowGraph() override;

  Q_INVOKABLE bool InsertSort_F_Begin();
  Q_INVOKABLE void InsertSort_Init();
  Q_INVOKABLE bool InsertSort_F_Loop();
  Q_INVOKABLE void InsertSort_InLoop();
  Q_INVOKABLE void InsertSort_Change();

 private:
  // The place left empty while the key x is out, from r[0] := r[i] to r[j+1] := r[0]: j + 1
  // (0 at any other line).
  int Hole() const;
  // r0 beside the row's bottom, as high as its key; x beside box j, or beside r0 once j
  // reached 0.
  void PlaceR0();
  void PlaceX();
  void Relayout();

  TIntData* VarI = nullptr;
  TIntData* VarJ = nullptr;
  TIntData* VarN = nullptr;
  TCharData* VarX = nullptr;
  TVector* VarR = nullptr;
  int NextI = 2;
};
