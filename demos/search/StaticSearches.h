#pragma once
// The four searches of a static table of at most 16 letters: sequential search with a
// sentinel, binary, interpolation and Fibonacci search, all shown on the static search
// table window.
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "framework/drawkit/KitControl.h"
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
  // What cell i (from 1) of the window stands for: its letter the table's element, its colour
  // the markers on it and whether it lies in the live range.
  std::vector<TValueMeaning> CellStands(int i) const;
  QString SearchTable;
  char SearchKey = ' ';
  int TableLength = 0;

 protected:
  // The locals of the procedure, before the window is set up.
  virtual void AddLocals() = 0;
  // The path of the element cell i (from 1) shows, and of the key.
  virtual QString CellPath(int i) const { return QStringLiteral("r[%1]").arg(i - 1); }
  virtual QString KeyPath() const { return QStringLiteral("K"); }
  // The word of cell i's colour (TStaticSrchForm::ColourWord) by the algorithm's variables;
  // nothing while they are not there.
  virtual std::optional<QString> CellNote(int i) const;
  // The live range as the window shows it: the ends as they stood at the last probe, since
  // the end that moves slides along with the next probe.
  void NoteRange();
  // The code of letter i (from 1) of the sorted table, 0 .. 255: keys are compared as the
  // character codes they are, a letter past 127 above the rest as the table is sorted.
  int Elem(int i) const;
  // The code of the key K of the first frame.
  int Key() const;
  // How long the search thinks of the table as being (the window's cells past the letters).
  virtual int ExtendedLength() const { return 0; }
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
  // The probe's variable: "mid", or "pos" in the interpolation search.
  const char* ProbeVar = "mid";
  int RangeLow = 1;
  int RangeHigh = 0;

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
  // The sentinel cell is grey, the cells already passed too; the probe is r[i], and r[n]
  // until i is first set.
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
  QString CellPath(int i) const override;
  QString KeyPath() const override;
  std::optional<QString> CellNote(int i) const override;

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
