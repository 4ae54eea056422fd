#pragma once
// List insertion sort on a static linked list: ListInsertSort links the records in key order
// through r[0] without moving them; arrange then exchanges them into place along the links.
#include <memory>

#include "demos/sort/SortGraphForms.h"

class TListSortNode;

// One record of the list as the variable window shows it: its key and its link.
class TListSortNodeDT : public TRecord {
 public:
  TListSortNodeDT(const QString& name, char key, int next);
  void SetKey(char key) { Key->SetValue(key); }
  void SetNext(int next) { Next->SetValue(next); }
  TCharData* Key;
  TIntData* Next;
};

class TListInsertSort : public TFormSortDemo<TListSortGraphForm> {
  Q_OBJECT
 public:
  using TFormSortDemo::TFormSortDemo;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetGlobalData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override { return InputKeys(12, 7); }
  void ResetLocalData(const QString& procName) override;
  void Reset() override;

  Q_INVOKABLE void ListInsertSort_Begin();
  Q_INVOKABLE void ListInsertSort_Line1();
  Q_INVOKABLE bool ListInsertSort_F_For();
  Q_INVOKABLE void ListInsertSort_Line2();
  Q_INVOKABLE bool ListInsertSort_F_While();
  Q_INVOKABLE void ListInsertSort_Line3();
  Q_INVOKABLE void ListInsertSort_Line4();
  Q_INVOKABLE TData* ListInsertSort_C_Arrange();
  Q_INVOKABLE void ListInsertSort_AfterArrange();
  Q_INVOKABLE void arrange_Begin();
  Q_INVOKABLE bool arrange_F_While();
  Q_INVOKABLE bool arrange_F_While2();
  Q_INVOKABLE void arrange_Line1();
  Q_INVOKABLE void arrange_Line2();
  Q_INVOKABLE bool arrange_F_If();
  Q_INVOKABLE void arrange_Line3();
  Q_INVOKABLE void arrange_Line4();

 private:
  // The link of place p: r0's for 0, box p's otherwise; setting it repaints and shows it.
  int Link(int p) const;
  void SetLink(int p, int next);
  TListSortNodeDT* Record(int p) const;
  void PlaceR0();

  TVector* VarR = nullptr;
  TIntData* VarN = nullptr;
  TIntData* VarI = nullptr;
  TIntData* VarJ = nullptr;
  TIntData* VarPj = nullptr;
  TIntData* VarP = nullptr;
  TIntData* VarQ = nullptr;
  int NextI = 2;
};
