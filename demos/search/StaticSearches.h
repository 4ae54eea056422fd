#pragma once
// The four searches of a static table of at most 16 letters: sequential search with a
// sentinel, binary, interpolation and Fibonacci search, all shown on the static search
// table window.
#include <QString>
#include <memory>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TStaticSrchForm;

// Fibonacci number i: 0 below 1, then 1, 1, 2, 3, 5, ...
int Fibonacci(int i);
// The smallest j with Fibonacci(j) >= n + 1, counting from 1.
int FibIndexFor(int n);
// The Fibonacci search thinks of a table of n keys as Fibonacci(j) - 1 long, the keys past n
// larger than any.
int FibExtendedLength(int n);
// The interpolation probe between low and hig for key k over the keys at both ends; low
// when both ends hold the same key (the formula would divide zero by zero).
int InterpolationPos(int low, int hig, int lowKey, int higKey, int key);

// What the searches share: the input of the table and the key, the window, the markers.
class TStaticSearch : public TAlgoDemo {
  Q_OBJECT
 public:
  TStaticSearch(const QStringList& source, bool sorted, const QString& defaultTable, const QString& defaultKey);
  ~TStaticSearch() override;

  void CreateChildWindow() override;
  void DestroyChildWindow() override;
  bool CreateData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  void ResetLocalData(const QString& procName) override;
  void SetWindowRect() override;
  void ShowGraph() override {}
  void ClearGraph() override {}

  TStaticSrchForm* StaticSrchForm() const { return form_.get(); }
  QString SearchTable;
  char SearchKey = ' ';
  int TableLength = 0;

 protected:
  // The locals of the procedure, before the window is set up.
  virtual void AddLocals() = 0;
  // How long the search thinks of the table as being (the window's cells past the letters).
  virtual int ExtendedLength() const { return 0; }
  // Letter i (from 1) of the sorted table.
  char Elem(int i) const;
  // The key K of the first frame.
  char Key() const;
  void SuccessMessage(int pos);
  void FailureMessage();
  // An end marker moves: its variable takes the new cell, the key nods at the probe.
  void MoveEnd(const char* var, int to);
  // The probe variable takes a new cell; the end moved last slides with it.
  void Slide(const char* var, int to);
  void SetFoundNow();

  int MoveFrom = 0;
  int MoveTo = 0;
  QString MovedMarker;
  int OldMid = 0;

 private:
  bool sorted_;
  QString defaultTable_;
  QString defaultKey_;
  std::unique_ptr<TStaticSrchForm> form_;
};

class TSeqSrch : public TStaticSearch {
  Q_OBJECT
 public:
  explicit TSeqSrch(const QStringList& source);
  std::unique_ptr<TData> GetInitialParam() override;
  void ResetLocalData(const QString& procName) override;
  void SetWindowRect() override;
  void Reset() override;

  Q_INVOKABLE void SeqSrch_Begin();
  Q_INVOKABLE bool SeqSrch_F_While();
  Q_INVOKABLE void SeqSrch_DecI();
  Q_INVOKABLE void SeqSrch_ForI();
  Q_INVOKABLE void SeqSrch_RetI();

 protected:
  void AddLocals() override;

 private:
  TVector* Cells() const;
  TIntData* ResultVar() const;
  char SeqKey() const;
};

class TBinSrch : public TStaticSearch {
  Q_OBJECT
 public:
  explicit TBinSrch(const QStringList& source);

  Q_INVOKABLE void BinSrch_Begin();
  Q_INVOKABLE void BinSrch_InitFound();
  Q_INVOKABLE bool BinSrch_F_IfWhile();
  Q_INVOKABLE void BinSrch_SetMid();
  Q_INVOKABLE bool BinSrch_F_IfCase1();
  Q_INVOKABLE void BinSrch_Case1();
  Q_INVOKABLE bool BinSrch_F_IfCase2();
  Q_INVOKABLE void BinSrch_Case2();
  Q_INVOKABLE bool BinSrch_F_IfCase3();
  Q_INVOKABLE void BinSrch_Case3();
  Q_INVOKABLE bool BinSrch_F_IfFound();
  Q_INVOKABLE void BinSrch_RetSucc();
  Q_INVOKABLE void BinSrch_Else();

 protected:
  void AddLocals() override;
};

class TInsSrch : public TStaticSearch {
  Q_OBJECT
 public:
  explicit TInsSrch(const QStringList& source);

  Q_INVOKABLE void InsSrch_Begin();
  Q_INVOKABLE bool InsSrch_F_While();
  Q_INVOKABLE bool InsSrch_F_Break();
  Q_INVOKABLE void InsSrch_SetPos();
  Q_INVOKABLE void InsSrch_Case() {}
  Q_INVOKABLE bool InsSrch_F_Case1();
  Q_INVOKABLE bool InsSrch_F_Case2();
  Q_INVOKABLE bool InsSrch_F_Case3();
  Q_INVOKABLE bool InsSrch_F_EndC() { return false; }
  Q_INVOKABLE bool InsSrch_F_RetSucc();
  Q_INVOKABLE void InsSrch_RetUnsucc();

 protected:
  void AddLocals() override;
};

class TFibSrch : public TStaticSearch {
  Q_OBJECT
 public:
  explicit TFibSrch(const QStringList& source);

  Q_INVOKABLE void FibSrch_Begin();
  Q_INVOKABLE void FibSrch_CalJ();
  Q_INVOKABLE void FibSrch_InitMid();
  Q_INVOKABLE void FibSrch_Init();
  Q_INVOKABLE bool FibSrch_F_While();
  Q_INVOKABLE bool FibSrch_F_IfCase1();
  Q_INVOKABLE void FibSrch_Case1();
  Q_INVOKABLE bool FibSrch_F_IfCase2();
  Q_INVOKABLE bool FibSrch_F_IfFeqZ();
  Q_INVOKABLE void FibSrch_MidEqZ();
  Q_INVOKABLE void FibSrch_AltMid1();
  Q_INVOKABLE void FibSrch_SetT();
  Q_INVOKABLE void FibSrch_ResetF1F2();
  Q_INVOKABLE bool FibSrch_F_IfCase3();
  Q_INVOKABLE bool FibSrch_F_IfFeq1();
  Q_INVOKABLE void FibSrch_AltMid2();
  Q_INVOKABLE void FibSrch_ResetF1();
  Q_INVOKABLE void FibSrch_ResetF2();
  Q_INVOKABLE bool FibSrch_F_IfFound();
  Q_INVOKABLE void FibSrch_RetSucc();
  Q_INVOKABLE void FibSrch_RetUnsucc();

 protected:
  void AddLocals() override;
  int ExtendedLength() const override { return FibExtendedLength(TableLength); }

 private:
  // The probe moves by step towards one end, which has moved to the other side of it.
  void AltMid(bool high);
};
