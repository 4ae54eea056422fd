#include "demos/sort/RecMergeSort.h"

#include "framework/engine/CallFrame.h"

// ---------------------------------------------------------------- recursive

std::unique_ptr<TData> TRecMergeSort::GetInitialParam() {
  return std::unique_ptr<TData>(NewFrame(Array("r", Keys), BlankArray("r1"), IntVar("s", 1), IntVar("t", N)));
}

void TRecMergeSort::ResetLocalData(const QString& procName) {
  if (procName == QLatin1String("merge")) {
    EnterMerge();
    return;
  }
  Locals()->Add(BlankArray("r2"));
  Show(*GraphForm()->R, Text(*Var<TVector>("r")));
  Show(*GraphForm()->R1, Text(*Var<TVector>("r1")));
  // The call's own r2 starts empty: the row keeps nothing of its caller's.
  Show(*GraphForm()->R2, Text(*Var<TVector>("r2")));
}

std::optional<TMergeSortBase::TShownArray> TRecMergeSort::ShownIn(const TSortData& row) const {
  if (&row == GraphForm()->R) return TShownArray{"r"};
  if (&row == GraphForm()->R2) return TShownArray{"r2"};
  if (InProc("merge")) return TShownArray{"r1", RunStack()->Count() - 2};
  return TShownArray{"r1"};
}

TData* TRecMergeSort::SortCall(int s, int t) const {
  return NewFrame(Array("r", Text(*Var<TVector>("r"))), Array("r1", Text(*Var<TVector>("r2"))), IntVar("s", s),
                  IntVar("t", t));
}

void TRecMergeSort::Returned(const char* name) {
  SetText(*Var<TVector>(name), Result);
  Show(*GraphForm()->R, Text(*Var<TVector>("r")));
  Show(*GraphForm()->R1, Text(*Var<TVector>("r1")));
  Show(*GraphForm()->R2, Text(*Var<TVector>("r2")));
}

// IF s = t THEN
bool TRecMergeSort::mergesort_F_Begin() { return Var("s").Value() == Var("t").Value(); }

// r1[s] := r[s]
void TRecMergeSort::mergesort_Line1() {
  const int s = Var("s").Value();
  const char key = static_cast<TCharData*>(Var<TVector>("r")->Items(s - 1))->Value();
  GraphForm()->R1->SetKey(s, key);
  GraphForm()->R1->AfterRescale();
  static_cast<TCharData*>(Var<TVector>("r1")->Items(s - 1))->SetValue(key);
}

// mergesort(r, r2, s, (s+t) DIV 2)
TData* TRecMergeSort::mergesort_C_Else() {
  return SortCall(Var("s").Value(), (Var("s").Value() + Var("t").Value()) / 2);
}
void TRecMergeSort::mergesort_AfterElse() { Returned("r2"); }

// mergesort(r, r2, (s+t) DIV 2 + 1, t)
TData* TRecMergeSort::mergesort_C_Line2() {
  return SortCall((Var("s").Value() + Var("t").Value()) / 2 + 1, Var("t").Value());
}
void TRecMergeSort::mergesort_AfterLine2() { Returned("r2"); }

// merge(r2, s, (s+t) DIV 2, t, r1)
TData* TRecMergeSort::mergesort_C_Line3() {
  const int s = Var("s").Value();
  const int t = Var("t").Value();
  return MergeCall(Text(*Var<TVector>("r2")), s, (s + t) / 2, t, Text(*Var<TVector>("r1")));
}
void TRecMergeSort::mergesort_AfterLine3() { Returned("r1"); }

// END: r1 goes back to the caller
void TRecMergeSort::mergesort_End() { Result = Text(*Var<TVector>("r1")); }

// ---------------------------------------------------------------- bottom-up

std::unique_ptr<TData> TIntMergeSort::GetInitialParam() {
  return std::unique_ptr<TData>(NewFrame(Array("r", Keys), IntVar("n", N)));
}

void TIntMergeSort::ResetLocalData(const QString& procName) {
  if (procName == QLatin1String("merge")) {
    EnterMerge();
    Show(*GraphForm()->R1, QString());
    return;
  }
  if (procName == QLatin1String("mergesort")) {
    AddVars(*Locals(), IntVar("p", 0));
    Locals()->Add(BlankArray("r1"));
    Show(*GraphForm()->R1, QString());
    return;
  }
  AddVars(*Locals(), IntVar("i", 0));
  Show(*GraphForm()->R1, QString());
  Show(*GraphForm()->R, Text(*Var<TVector>("r")));
  Show(*GraphForm()->R2, Text(*Var<TVector>("r2")));
}

std::optional<TMergeSortBase::TShownArray> TIntMergeSort::ShownIn(const TSortData& row) const {
  if (&row == GraphForm()->R) return TShownArray{"r"};
  const bool sorting = InProc("mergesort");
  if (&row == GraphForm()->R1) return sorting ? std::optional(TShownArray{"r1"}) : std::nullopt;
  return sorting ? std::nullopt : std::optional(TShownArray{"r2"});
}

TData* TIntMergeSort::PassCall(const QString& r, const QString& r2) const {
  return NewFrame(Array("r", r), IntVar("p", Var("p").Value()), IntVar("n", Var("n").Value()), Array("r2", r2));
}

// p := 1
void TIntMergeSort::mergesort_Begin() { Var("p").SetValue(1); }

// WHILE p < n DO
bool TIntMergeSort::mergesort_F_While() { return Var("p").Value() < Var("n").Value(); }

// mergepass(r, p, n, r1)
TData* TIntMergeSort::mergesort_C_Line1() { return PassCall(Text(*Var<TVector>("r")), Text(*Var<TVector>("r1"))); }

void TIntMergeSort::mergesort_AfterLine1() {
  SetText(*Var<TVector>("r1"), Result);
  Show(*GraphForm()->R1, Text(*Var<TVector>("r1")));
  Show(*GraphForm()->R, Text(*Var<TVector>("r")));
  Show(*GraphForm()->R2, QString());
}

// p := p*2
void TIntMergeSort::mergesort_Line2() { Var("p").SetValue(Var("p").Value() * 2); }

// IF p > n THEN
bool TIntMergeSort::mergesort_F_If() { return Var("p").Value() > Var("n").Value(); }

// r[1..n] := r1[1..n]
void TIntMergeSort::mergesort_Line3() {
  const QString r1 = Text(*Var<TVector>("r1"));
  SetText(*Var<TVector>("r"), r1);
  Show(*GraphForm()->R, r1);
  CountMove(Var("n").Value());
}

// mergepass(r1, p, n, r)
TData* TIntMergeSort::mergesort_C_Else() { return PassCall(Text(*Var<TVector>("r1")), Text(*Var<TVector>("r"))); }

void TIntMergeSort::mergesort_AfterElse() {
  SetText(*Var<TVector>("r"), Result);
  Show(*GraphForm()->R, Text(*Var<TVector>("r")));
  Show(*GraphForm()->R1, Text(*Var<TVector>("r1")));
  Show(*GraphForm()->R2, QString());
}

// p := p*2
void TIntMergeSort::mergesort_Line4() { Var("p").SetValue(Var("p").Value() * 2); }

// i := 1
void TIntMergeSort::mergepass_Begin() { Var("i").SetValue(1); }

// WHILE i <= n-2*p+1 DO
bool TIntMergeSort::mergepass_F_While() {
  return Var("i").Value() <= Var("n").Value() - 2 * Var("p").Value() + 1;
}

// merge(r, i, i+p-1, i+2*p-1, r2)
TData* TIntMergeSort::mergepass_C_Line1() {
  const int i = Var("i").Value();
  const int p = Var("p").Value();
  return MergeCall(Text(*Var<TVector>("r")), i, i + p - 1, i + 2 * p - 1, Text(*Var<TVector>("r2")));
}

void TIntMergeSort::PassReturned() {
  SetText(*Var<TVector>("r2"), Result);
  Show(*GraphForm()->R, Text(*Var<TVector>("r")));
  Show(*GraphForm()->R1, QString());
  Show(*GraphForm()->R2, Text(*Var<TVector>("r2")));
}

void TIntMergeSort::mergepass_AfterLine1() { PassReturned(); }

// i := i+2*p
void TIntMergeSort::mergepass_Line2() { Var("i").SetValue(Var("i").Value() + 2 * Var("p").Value()); }

// IF i+p-1 < n THEN
bool TIntMergeSort::mergepass_F_If() { return Var("i").Value() + Var("p").Value() - 1 < Var("n").Value(); }

// merge(r, i, i+p-1, n, r2)
TData* TIntMergeSort::mergepass_C_Line3() {
  const int i = Var("i").Value();
  return MergeCall(Text(*Var<TVector>("r")), i, i + Var("p").Value() - 1, Var("n").Value(), Text(*Var<TVector>("r2")));
}

void TIntMergeSort::mergepass_AfterLine3() { PassReturned(); }

// IF i <= n THEN
bool TIntMergeSort::mergepass_F_Else() { return Var("i").Value() <= Var("n").Value(); }

// r2[i..n] := r[i..n]
void TIntMergeSort::mergepass_Line4() {
  TData& r = *Var<TVector>("r");
  TData& r2 = *Var<TVector>("r2");
  for (int x = Var("i").Value(); x <= Var("n").Value(); ++x) {
    const char key = static_cast<TCharData*>(r.Items(x - 1))->Value();
    static_cast<TCharData*>(r2.Items(x - 1))->SetValue(key);
    if (key != ' ') GraphForm()->R2->SetKey(x, key);
  }
  GraphForm()->R2->AfterRescale();
  CountMove(Var("n").Value() - Var("i").Value() + 1);
}

// END: r2 goes back to the caller
void TIntMergeSort::mergepass_End() { Result = Text(*Var<TVector>("r2")); }
