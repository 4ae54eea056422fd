#pragma once
// Replacement selection: initial runs built through a loser tree over a work area of w
// records. Each record read from the input joins the current run when its key is not below
// the last key written, the next run otherwise; runs therefore average 2w records.
#include <array>
#include <memory>
#include <vector>

#include "demos/sort/ExternalForms.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"

class TIntData;

// A sequential file of at most 100 integer records held in memory.
class TFile {
 public:
  static constexpr int Capacity = 100;
  // Only from closed: 'r' reads from the start, 'w' writes from empty.
  bool Open(char mode);
  void Close() { mode_ = 'c'; }
  // False when not writing or full; nothing is stored then.
  bool Write(int x);
  // False when not reading or past the last record.
  bool Read(int& x);
  bool Eof() const { return mode_ == 'r' && lastRec_ < pos_; }
  int Count() const { return lastRec_ + 1; }
  // The next record to read (reading), -1 after opening for writing.
  int Position() const { return pos_; }
  int At(int i) const { return data_[static_cast<std::size_t>(i)]; }

 private:
  std::array<int, Capacity> data_{};
  int lastRec_ = -1;
  int pos_ = -1;
  char mode_ = 'c';
};

class TReplaceSelection : public TFormDemo<TRepSelGraphForm> {
  Q_OBJECT
 public:
  static constexpr int MaxKey = 999;

  using TFormDemo::TFormDemo;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetGlobalData() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;

  // A work area of w records and the input file's keys, as CreateData would leave them.
  void SetInput(int w, const std::vector<int>& keys);

  int W = 8;
  int N = 30;
  TFile FI;
  TFile FO;
  // Every record written to fo, those past its capacity too (the output memo shows them all);
  // -1 ends a run.
  std::vector<int> Written;

  Q_INVOKABLE TData* ReplaceSelection_C_Begin();
  Q_INVOKABLE void ReplaceSelection_AfterBegin() {}
  Q_INVOKABLE void ReplaceSelection_RcRmax1();
  Q_INVOKABLE bool ReplaceSelection_F_While();
  Q_INVOKABLE TData* ReplaceSelection_C_GoSubGetRun();
  Q_INVOKABLE void ReplaceSelection_AfterGoSubGetRun() {}
  Q_INVOKABLE void ReplaceSelection_FWrite();
  Q_INVOKABLE void ReplaceSelection_RcEqWa();
  Q_INVOKABLE bool GetRun_F_Begin();
  Q_INVOKABLE void GetRun_QeqLs0();
  Q_INVOKABLE void GetRun_ValMiniMax();
  Q_INVOKABLE void GetRun_FWrite();
  Q_INVOKABLE bool GetRun_F_If1();
  Q_INVOKABLE void GetRun_ValWaQ();
  Q_INVOKABLE void GetRun_Else1() {}
  Q_INVOKABLE void GetRun_FRead();
  Q_INVOKABLE void GetRun_ValWaQKey() {}
  Q_INVOKABLE bool GetRun_F_If2();
  Q_INVOKABLE void GetRun_RMaxWaq();
  Q_INVOKABLE void GetRun_Else2();
  Q_INVOKABLE TData* GetRun_C_GoSubSelectMiniM();
  Q_INVOKABLE void GetRun_AfterGoSubSelectMiniM() {}
  Q_INVOKABLE void GetRun_GoWhile() {}
  Q_INVOKABLE void SelectMiniMax_Begin();
  Q_INVOKABLE bool SelectMiniMax_F_ForT();
  Q_INVOKABLE bool SelectMiniMax_F_If();
  Q_INVOKABLE void SelectMiniMax_SwapQLsT();
  Q_INVOKABLE void SelectMiniMax_Ls0EqQ();
  Q_INVOKABLE bool ConstructLoser_F_Begin();
  Q_INVOKABLE void ConstructLoser_Val();
  Q_INVOKABLE bool ConstructLoser_F_ForI();
  Q_INVOKABLE void ConstructLoser_FRead();
  Q_INVOKABLE void ConstructLoser_ValWaIKey() {}
  Q_INVOKABLE void ConstructLoser_WaIRnumEq1();
  Q_INVOKABLE TData* ConstructLoser_C_GoSubSelectMiniM();
  Q_INVOKABLE void ConstructLoser_AfterGoSubSelectMiniM() {}
  Q_INVOKABLE void ConstructLoser_GoFor() {}

 private:
  TIntData* Global(const char* name) const;
  TIntData* Ls(int i) const;
  TIntData* Key(int i) const;
  TIntData* Rnum(int i) const;
  void StartFiles();
  // The memos stand for the files: every record written, and the input not yet read.
  void HoldFiles();
  // Whether slot q of the tree shows this run's values yet: from wa[q], ls[q] := 0 on (until
  // then it keeps what the run before left).
  bool SlotSet(int q) const;
  // Whether leaf q shows wa[q].key: not while its key is on its way out (after write(fo,
  // wa[q].rec) until the slot is filled again).
  bool LeafShown(int q) const;

  // Slots that hold a dummy record (MAXKEY of the run after the last): the input ran out
  // before they were filled. Drawn grey.
  std::array<bool, 16> dummy_{};
};
