#pragma once
// Recursive merge sort: mergesort sorts r[s..t] into r1 by sorting both halves into r2 and
// merging them. Arrays are passed by copy-in and copy-out.
#include "demos/sort/MergeSortGraphForm.h"

class TRecMergeSort : public TMergeSortBase {
  Q_OBJECT
 public:
  using TMergeSortBase::TMergeSortBase;
  std::unique_ptr<TData> GetInitialParam() override;
  void ResetLocalData(const QString& procName) override;

  Q_INVOKABLE bool mergesort_F_Begin();
  Q_INVOKABLE void mergesort_Line1();
  Q_INVOKABLE TData* mergesort_C_Else();
  Q_INVOKABLE void mergesort_AfterElse();
  Q_INVOKABLE TData* mergesort_C_Line2();
  Q_INVOKABLE void mergesort_AfterLine2();
  Q_INVOKABLE TData* mergesort_C_Line3();
  Q_INVOKABLE void mergesort_AfterLine3();
  Q_INVOKABLE void mergesort_End();

 protected:
  // r, r1 and r2 of the call being run; merge shows its caller's r1, where its r2 will go.
  std::optional<TShownArray> ShownIn(const TSortData& row) const override;

 private:
  TData* SortCall(int s, int t) const;
  // After a call returned: the array it handed back into name, and the rows again.
  void Returned(const char* name);
};

// Bottom-up merge sort: passes of merges of runs of length p = 1, 2, 4 ..., between r and r1.
class TIntMergeSort : public TMergeSortBase {
  Q_OBJECT
 public:
  using TMergeSortBase::TMergeSortBase;
  std::unique_ptr<TData> GetInitialParam() override;
  void ResetLocalData(const QString& procName) override;

  Q_INVOKABLE void mergesort_Begin();
  Q_INVOKABLE bool mergesort_F_While();
  Q_INVOKABLE TData* mergesort_C_Line1();
  Q_INVOKABLE void mergesort_AfterLine1();
  Q_INVOKABLE void mergesort_Line2();
  Q_INVOKABLE bool mergesort_F_If();
  Q_INVOKABLE void mergesort_Line3();
  Q_INVOKABLE TData* mergesort_C_Else();
  Q_INVOKABLE void mergesort_AfterElse();
  Q_INVOKABLE void mergesort_Line4();
  Q_INVOKABLE void mergesort_End() {}
  Q_INVOKABLE void mergepass_Begin();
  Q_INVOKABLE bool mergepass_F_While();
  Q_INVOKABLE TData* mergepass_C_Line1();
  Q_INVOKABLE void mergepass_AfterLine1();
  Q_INVOKABLE void mergepass_Line2();
  Q_INVOKABLE bool mergepass_F_If();
  Q_INVOKABLE TData* mergepass_C_Line3();
  Q_INVOKABLE void mergepass_AfterLine3();
  Q_INVOKABLE void mergepass_Line3() {}
  Q_INVOKABLE bool mergepass_F_Else();
  Q_INVOKABLE void mergepass_Line4();
  Q_INVOKABLE void mergepass_End();

 protected:
  // r and r1 in mergesort; r and r2 in mergepass and merge.
  std::optional<TShownArray> ShownIn(const TSortData& row) const override;

 private:
  TData* PassCall(const QString& r, const QString& r2) const;
  void PassReturned();
};
