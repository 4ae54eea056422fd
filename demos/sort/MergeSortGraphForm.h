#pragma once
// The drawing window shared by the recursive and the bottom-up merge sort: the rows of the
// arrays r, r1 and r2 of the frame being run.
#include <optional>

#include "demos/sort/SortDemo.h"

class TMergeSortGraphForm : public TSortGraphForm {
 public:
  explicit TMergeSortGraphForm(QWidget* parent = nullptr);
  TSortData* R1;
  TSortData* R2;
  TZqStaticText* ZqStaticText1;
  TZqStaticText* ZqStaticText2;
  TZqStaticText* ZqStaticText3;
};

// What both merge sorts share: the window, the copy-in and copy-out of the arrays a call is
// given, and the procedure merge.
class TMergeSortBase : public TFormSortDemo<TMergeSortGraphForm> {
  Q_OBJECT
 public:
  using TFormSortDemo::TFormSortDemo;

  void CreateChildWindow() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;

  Q_INVOKABLE void merge_Begin();
  Q_INVOKABLE bool merge_F_While();
  Q_INVOKABLE void merge_Line1();
  Q_INVOKABLE bool merge_F_If1();
  Q_INVOKABLE void merge_Line2();
  Q_INVOKABLE void merge_Else();
  Q_INVOKABLE bool merge_F_If2();
  Q_INVOKABLE void merge_Line3();
  Q_INVOKABLE bool merge_F_If3();
  Q_INVOKABLE void merge_Line4();
  Q_INVOKABLE void merge_End();

 protected:
  // The array a row shows: its name, in the innermost call or (Depth >= 0) the call at Depth.
  struct TShownArray {
    const char* Name;
    int Depth = -1;
  };
  // Which array each row shows now; nothing: the row is empty now.
  virtual std::optional<TShownArray> ShownIn(const TSortData& row) const = 0;
  // A vector of the array's places, "name[1]" .., from s (a blank is an empty place).
  std::unique_ptr<TVector> Array(const char* name, const QString& s) const;
  std::unique_ptr<TVector> BlankArray(const char* name) const;
  static QString Text(const TData& vector);
  static void SetText(TData& vector, const QString& s);
  // The arguments of merge(r, l, m, n, r2).
  TData* MergeCall(const QString& r, int l, int m, int n, const QString& r2) const;
  // Enters merge: its locals, and the rows showing its arrays.
  void EnterMerge();
  // Moves r[from] into r2[to] (vector and row R2); one counted move.
  void MoveToR2(int to, int from);
  void Show(TSortData& row, const QString& s);

  QString Result;  // the result array of the call that returned last
  int N = 0;
};
