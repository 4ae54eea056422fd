#pragma once
// Sorting through an address table: quick sort orders the addresses adr[1..n] by the keys
// of the records they name without moving a record; rearrange then moves the records into
// key order in place, following the cycles of the table with one spare record rc.
#include <memory>
#include <optional>

#include "demos/sort/SortGraphForms.h"

class TAddrNode;

class TQuickAddrSort : public TFormSortDemo<TQkAddrSortGraphForm> {
  Q_OBJECT
 public:
  using TFormSortDemo::TFormSortDemo;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetGlobalData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override;
  void ResetLocalData(const QString& procName) override;
  void SetWindowRect() override;
  void Reset() override;

  Q_INVOKABLE TData* qkaddrst_C_Begin();
  Q_INVOKABLE void qkaddrst_AfterBegin() {}
  Q_INVOKABLE TData* qkaddrst_C_Line1();
  Q_INVOKABLE void qkaddrst_AfterLine1();
  Q_INVOKABLE bool qksort_F_Begin();
  Q_INVOKABLE TData* qksort_C_Line1();
  Q_INVOKABLE void qksort_AfterLine1();
  Q_INVOKABLE TData* qksort_C_Line2();
  Q_INVOKABLE void qksort_AfterLine2();
  Q_INVOKABLE TData* qksort_C_Line3();
  Q_INVOKABLE void qksort_AfterLine3();
  Q_INVOKABLE void qkpass_Begin();
  Q_INVOKABLE bool qkpass_F_Line1();
  Q_INVOKABLE bool qkpass_F_Line2();
  Q_INVOKABLE void qkpass_Line3();
  Q_INVOKABLE void qkpass_Line4();
  Q_INVOKABLE bool qkpass_F_Line5();
  Q_INVOKABLE void qkpass_Line6();
  Q_INVOKABLE void qkpass_Line7();
  Q_INVOKABLE void qkpass_Line8();
  Q_INVOKABLE void rearrange_Begin();
  Q_INVOKABLE bool rearrange_F_Line1();
  Q_INVOKABLE bool rearrange_F_Line2();
  Q_INVOKABLE void rearrange_Line3();
  Q_INVOKABLE bool rearrange_F_Line4();
  Q_INVOKABLE void rearrange_Line5();
  Q_INVOKABLE void rearrange_Line6();
  Q_INVOKABLE void rearrange_Line7();
  Q_INVOKABLE void rearrange_Line8();

 private:
  TData* Args(int s, int t) const;
  void TakeRestored();
  int AddrOf(int place) const;
  // The record r[adr[k]] (place "k") or r[adr[j]] while a pass runs; none outside a pass or
  // before it has set the place.
  TShapeRef PassRecord(const char* place) const;
  // Address place `place` holds `addr` (box and shown element).
  void SetAddr(int place, int addr);
  char RecordKey(int index) const;
  void PointJ();
  void PointK();
  // Moves the address of place src into place dest, leaving src empty (silver) where it is
  // another place.
  void MoveAddr(int dest, int src);
  // The colour of record place p now: in rearrange, the place whose record went on (r[j] :=
  // r[k] leaves r[k] empty until j := k) is silver.
  TColor RecordColour(int p) const;
  // The key of the record address place p names: r[adr[p]], but for the record that was in
  // r[i] when a cycle of rearrange began, which rc holds until the cycle ends.
  std::optional<char> NamedKey(int p) const;

  TVector* VarR = nullptr;
  TVector* VarAdr = nullptr;
  TIntData* VarN = nullptr;
  TIntData *VarS = nullptr, *VarT = nullptr, *VarK = nullptr, *VarJ = nullptr, *VarI = nullptr;
  TIntData* VarRp = nullptr;
  TCharData* VarX = nullptr;
  TCharData* VarRc = nullptr;
  int PassK = 0;  // the k the last qkpass left (its VAR parameter)
  int EmptyAddr = 0;  // the address place a move of the pass left empty (0: none)
};
