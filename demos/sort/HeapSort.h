#pragma once
// Heap sort on a min-heap: every step shows on the key row and on the same keys laid out as
// a complete binary tree. Each pass exchanges r[1] with r[i], so the keys end descending.
#include <memory>

#include "demos/sort/SortDemo.h"

class TArrayedBinCharTree;

class THeapSortGraphForm : public TSortGraphForm {
 public:
  explicit THeapSortGraphForm(QWidget* parent = nullptr);
  TSortNode* x;
  TSortNode* t;
  TArrayedBinCharTree* Tree;
  TZqStaticText* LabelR0;
  TZqStaticText* ZqStaticText1;

 protected:
  void FormResize() override;
};

class THeapSort : public TFormSortDemo<THeapSortGraphForm> {
  Q_OBJECT
 public:
  using TFormSortDemo::TFormSortDemo;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetGlobalData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override { return InputKeys(15, 8); }
  void ResetLocalData(const QString& procName) override;
  void SetWindowRect() override;
  void Reset() override;

  Q_INVOKABLE bool heapsort_F_Begin();
  Q_INVOKABLE TData* heapsort_C_Line1();
  Q_INVOKABLE void heapsort_AfterLine1();
  Q_INVOKABLE void heapsort_Line1() {}
  Q_INVOKABLE bool heapsort_F_For();
  Q_INVOKABLE void heapsort_Line2();
  Q_INVOKABLE TData* heapsort_C_Line3();
  Q_INVOKABLE void heapsort_AfterLine3();
  Q_INVOKABLE void heapsort_Line3() {}
  Q_INVOKABLE void sift_Begin();
  Q_INVOKABLE void sift_Line1();
  Q_INVOKABLE bool sift_F_While();
  Q_INVOKABLE bool sift_F_If1();
  Q_INVOKABLE void sift_Line2();
  Q_INVOKABLE bool sift_F_If2();
  Q_INVOKABLE void sift_Line3();
  Q_INVOKABLE void sift_Else();
  Q_INVOKABLE void sift_Line4();

 private:
  TVector* R() const;
  void PlaceXBeside(int j);
  // x and t as high as their key at the window's present size, back beside r[j] and under t's
  // caption (a resize rescales the row under them).
  void Relayout();
  void HideBoxes();

  int Counter = 0;  // the counter of the two FOR loops of heapsort
  char SiftKey = ' ';  // x and t of the sift: the key r[k] held when it began
  int XBeside = 0;     // the place of the row x stands beside (0: x hidden)
};
