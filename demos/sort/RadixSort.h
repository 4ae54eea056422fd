#pragma once
// Linked radix sort of nine two-digit keys: records chained through their links are
// distributed into ten queues by one digit and collected back in digit order, units digit
// first, then tens digit.
#include <array>
#include <memory>

#include "demos/sort/SortDemo.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"
#include "platform/Forms.h"

class TZqStaticText;
class TAutoSizeEdit;
class TEdit;

// One record of the static list: its key and the index of the next record (0 ends).
class TrcdNode : public TRecord {
 public:
  TrcdNode(const QString& name, int key, int next);
  int GetKey() const;
  void SetKey(int key);
  int GetNext() const;
  void SetNext(int next);
};

class TRadixSortGraphForm : public TSortGraphForm {
 public:
  explicit TRadixSortGraphForm(QWidget* parent = nullptr);
  TRadixdata* value;
  TAddrdata* Next;
  TAddrdata* f;
  TAddrdata* e;
  TZqStaticText* ZqStaticText5;
};

// The list of keys typed into the dialog: "输入排序序列".
class Tradixinputform : public TForm {
 public:
  explicit Tradixinputform(QWidget* parent = nullptr);
  TEdit* Edit1;
  TButton *BitBtn1, *BitBtn2, *BitBtn3, *BitBtn4, *BitBtn5;
};

// Shows the dialog; on OK true with the text of its edit.
bool ExecuteRadixInput(QString& text);
// The number before the first "," of text, digits read as they stand; removes it and the
// comma from text. An empty text gives 0.
int NextNumber(QString& text);
// Whether text is comma-separated whole numbers 0..99 in digits (blanks around them and empty
// items allowed); the sort takes the first nine.
bool RadixListValid(const QString& text);

class TRadixSort : public TFormDemo<TRadixSortGraphForm> {
  Q_OBJECT
 public:
  static constexpr int Count = 9;

  using TFormDemo::TFormDemo;

  void CreateChildWindow() override;
  void DemoFinished() override;
  std::unique_ptr<TData> GetGlobalData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override;
  void ResetLocalData(const QString& procName) override;
  void SetWindowRect() override;
  void Reset() override;
  void UpdateChildWindow() override;

  // The keys read from a list as the dialog gives it.
  void SetKeys(QString list);
  std::array<int, Count> Keys{};

  Q_INVOKABLE void radixsort_Begin();
  Q_INVOKABLE bool radixsort_F_Line1();
  Q_INVOKABLE TData* radixsort_C_Line2();
  Q_INVOKABLE void radixsort_AfterLine2() {}
  Q_INVOKABLE TData* radixsort_C_Line3();
  Q_INVOKABLE void radixsort_AfterLine3();
  Q_INVOKABLE void radixsort_Line3() {}
  Q_INVOKABLE void distribute_Begin();
  Q_INVOKABLE bool distribute_F_Line1();
  Q_INVOKABLE void distribute_Line2();
  Q_INVOKABLE bool distribute_F_Line3();
  Q_INVOKABLE void distribute_Line4();
  Q_INVOKABLE void distribute_Line5();
  Q_INVOKABLE void distribute_Line6();
  Q_INVOKABLE void distribute_Line7();
  Q_INVOKABLE void collect_Begin();
  Q_INVOKABLE void collect_Line1();
  Q_INVOKABLE void collect_Line2();
  Q_INVOKABLE bool collect_F_Line3();
  Q_INVOKABLE void collect_Line4();
  Q_INVOKABLE void collect_Line5();
  Q_INVOKABLE bool collect_F_Line6();
  Q_INVOKABLE void collect_Line7();
  Q_INVOKABLE void collect_Line8();
  Q_INVOKABLE void collect_Line9();

 private:
  TrcdNode* Record(int i) const;
  TIntData* F(int j) const;
  TIntData* E(int j) const;
  // Sets a link, a queue head or a queue tail with the box that shows it.
  void SetNext(int i, int next);
  void SetF(int j, int v);
  void SetE(int j, int v);
  static void ShowAddr(TAddrdata& row, int i, int v);

  int Counter = 2;   // the FOR counter of radixsort
  int SavedP = 1;    // the head of the chain collect left
};
