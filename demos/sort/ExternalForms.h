#pragma once
// The windows of the external sorts: the k-way merge's drawing window (output memo over the
// moving loser tree) and its "Create Data" dialog; the replacement selection's drawing window
// (output memo, tree with run numbers, input memo) and its "Input Data" dialog.
#include <QString>
#include <array>
#include <initializer_list>
#include <vector>

#include <QPlainTextEdit>

#include "demos/sort/LoserTree.h"
#include "framework/drawkit/GraphForm.h"
#include "platform/Forms.h"

class QLabel;
class QSpinBox;
class QSplitter;
class TIntEdit;

// A memo that shows a file of the algorithm (the output file, what is left of the input): its
// lines are read as a memo's, so it says its text as a cell's note, standing for the file.
class TFileMemo : public QPlainTextEdit, public TKitControl {
 public:
  using QPlainTextEdit::QPlainTextEdit;
  // Its height in the window's design: the share of the window it keeps (ScaleMemos).
  int DesignHeight = 0;
  // What the file holds, set by the demonstration; none: the memo reports nothing.
  std::vector<TValueMeaning> Stands;
  std::vector<TDrawnShape> DrawingShapes() const override;
};

// How a memo writes a file of keys under its heading, record by record.
QString FileText(const QString& heading, const std::vector<int>& records);
// One record as a memo writes it: five characters a key, " *" for the end of a run (a
// negative record).
QString KeyText(int record);

// Adds text to the last line of a memo.
void AppendToLastLine(QPlainTextEdit& memo, const QString& text);
// Clears a memo to its heading and one empty line.
void StartMemo(QPlainTextEdit& memo, const QString& heading);
// The memos' text grows with the drawing window (18 pixels at its design size, never less);
// each memo keeps whole lines of its design share of the window's height, two at least, and
// gives the rest to the drawing beside it.
void ScaleMemos(const TGraphForm& form, std::initializer_list<TFileMemo*> memos);

class TMgStGraphForm : public TGraphForm {
 public:
  explicit TMgStGraphForm(QWidget* parent = nullptr);

  TFileMemo* OutputMemo;
  QSplitter* Splitter;
  TMovingLsTree* MovingLsTree;

  // The operations of the merge's steps; k is the tree's LastIndex + 1.
  void ReadLeaf(int q);
  void HighlightLeaf(int q);
  void OutputLeaf(int q, int speed);
  void ShowInitLosers(int speed);
  void ShowTCursor(int t);
  void ShowSwap(int t, int s);
  void ShowHalveT(int t);
  void ShowWinner(int s);
  void ShowMinKey(int minKey);

 protected:
  void FormResize() override;

 private:
  void SetHighlight(int record, bool on);
};

// The keys of one run of m keys (1 .. 8): ascending within 1 .. 998, then 999.
std::array<int, 9> MakeRunFile(int m);

class TmsGetDataFm : public TForm {
 public:
  static constexpr int MaxRuns = 8;
  explicit TmsGetDataFm(QWidget* parent = nullptr);

  // On OK: k and the generated runs; false when cancelled.
  bool Execute(int& k, std::array<std::array<int, 9>, MaxRuns>& runKeys);

  QSpinBox* KSpEdit;
  std::array<QLabel*, MaxRuns> Labels{};
  std::array<QSpinBox*, MaxRuns> Counts{};  // "SpinEdit0" .. "SpinEdit7"
  TButton* OKBtn;
  TButton* CancelBtn;

 private:
  void KSpEditChange();
};

class TRepSelGraphForm : public TGraphForm {
 public:
  explicit TRepSelGraphForm(QWidget* parent = nullptr);

  TFileMemo* OutputMemo;
  QSplitter* Splitter1;
  TRepSelTree* RepSelTree;
  TFileMemo* InputMemo;

  void EndRun();
  void OutputKey(int q, int speed);
  void TakeInputHead(int speed);
  void ReadKey(int q, int key, int speed);
  void ReadFirstKey(int q, int key, int speed);
  void ShowDummy(int q, int key, int rmax);
  void FlashRunNumber(int q, int r, int speed);
  void ShowInitSlot(int i, int speed);
  void SetLs0(int q);

 protected:
  void FormResize() override;
};

// The work area size and the input file size, each an edit with an up-down.
class TrsGetDataForm : public TForm {
 public:
  explicit TrsGetDataForm(QWidget* parent = nullptr);
  bool Execute(int& w, int& n);

  TIntEdit* Edit1;
  QSpinBox* UpDown1;
  TIntEdit* Edit2;
  QSpinBox* UpDown2;
  TButton* OKBtn;
  TButton* CancelBtn;
};
