#include "demos/sort/MergeSortGraphForm.h"

#include <algorithm>

#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/DemoViews.h"
#include "framework/shell/MainForm.h"

TMergeSortGraphForm::TMergeSortGraphForm(QWidget* parent) : TSortGraphForm(parent) {
  SetCaption(QStringLiteral("MergeSortGraphForm"));
  SetDesignClientSize(388, 433);
  R = PlaceRow("R", {1, 37, 385, 87}, 12, 1, clPurple, 1);
  R1 = PlaceRow("R1", {1, 160, 385, 88}, 12, 1, clPurple, 1);
  R2 = PlaceRow("R2", {1, 284, 385, 87}, 12, 1, clPurple, 1);
  const TFont blue = SortFont("Times New Roman", -16, clBlue);
  ZqStaticText1 = PlaceCaption("ZqStaticText1", QStringLiteral("r"), {1, 10, 32, 23}, blue);
  ZqStaticText2 = PlaceCaption("ZqStaticText2", QStringLiteral("r1"), {1, 133, 32, 23}, blue);
  ZqStaticText3 = PlaceCaption("ZqStaticText3", QStringLiteral("r2"), {1, 258, 32, 23}, blue);
  PlaceCounters({16, 384, 169, 33}, {200, 384, 169, 33}, SortFont("宋体", -19, clBlue, fsBold));
}

void TMergeSortBase::CreateChildWindow() {
  TFormSortDemo::CreateChildWindow();
  TMergeSortGraphForm& f = *graphForm_;
  for (TSortData* row : {f.R, f.R1, f.R2}) {
    row->Means = [this, row](int i) -> std::vector<TValueMeaning> {
      if (i < 1 || i > N) return {};
      const std::optional<TShownArray> a = ShownIn(*row);
      if (!a) return {{.Value = [] { return std::optional<QString>(QString()); }, .Part = TValueMeaning::InNote}};
      return {KeyBox(QStringLiteral("%1[%2]").arg(QLatin1String(a->Name)).arg(i - 1), Always(clPurple),
                     a->Depth < 0 ? TMarkMeaning::Innermost : TMarkMeaning::Depth, std::max(0, a->Depth))};
    };
  }
  CaptionReads(*f.ZqStaticText1, QStringLiteral("r"));
  CaptionReads(*f.ZqStaticText2, QStringLiteral("r1"));
  CaptionReads(*f.ZqStaticText3, QStringLiteral("r2"));
}

bool TMergeSortBase::CreateData() {
  TMergeSortGraphForm& f = *graphForm_;
  const bool ok = InputKeys(12, 6);
  for (TSortData* row : {f.R1, f.R2}) {
    row->Capacity = f.R->Capacity;
    row->SetKeyRange(f.R->LowKey(), f.R->HighKey());
    row->AfterRescale();
  }
  return ok;
}

void TMergeSortBase::SetWindowRect() {
  MainForm->DockThreePanes(graphForm_.get(), 50, AlgorithmForm, 60, VariableForm);
}

void TMergeSortBase::Reset() {
  N = static_cast<int>(Keys.size());
  TSortDemo::Reset();
  ResetRow();
  Show(*graphForm_->R1, QString());
  Show(*graphForm_->R2, QString());
}

std::unique_ptr<TVector> TMergeSortBase::Array(const char* name, const QString& s) const {
  auto v = std::make_unique<TVector>(QString::fromLatin1(name));
  for (int i = 1; i <= N; ++i)
    v->Add(new TCharData(QStringLiteral("%1[%2]").arg(QLatin1String(name)).arg(i), i <= s.size() ? s[i - 1].toLatin1() : ' '));
  return v;
}

std::unique_ptr<TVector> TMergeSortBase::BlankArray(const char* name) const { return Array(name, QString()); }

QString TMergeSortBase::Text(const TData& vector) {
  QString s;
  for (int i = 0; i < vector.Count(); ++i) s += QChar::fromLatin1(static_cast<TCharData*>(vector.Items(i))->Value());
  return s;
}

void TMergeSortBase::SetText(TData& vector, const QString& s) {
  for (int i = 0; i < vector.Count() && i < s.size(); ++i) {
    auto* item = static_cast<TCharData*>(vector.Items(i));
    if (item->Value() != s[i].toLatin1()) item->SetValue(s[i].toLatin1());
  }
}

void TMergeSortBase::Show(TSortData& row, const QString& s) { row.ShowKeys(s); }

TData* TMergeSortBase::MergeCall(const QString& r, int l, int m, int n, const QString& r2) const {
  return NewFrame(Array("r", r), IntVar("l", l), IntVar("m", m), IntVar("n", n), Array("r2", r2));
}

void TMergeSortBase::EnterMerge() {
  AddVars(*Locals(), IntVar("i", 0), IntVar("j", 0), IntVar("k", 0));
  Show(*graphForm_->R, Text(*Var<TVector>("r")));
  Show(*graphForm_->R2, Text(*Var<TVector>("r2")));
}

void TMergeSortBase::MoveToR2(int to, int from) {
  auto* key = static_cast<TCharData*>(Var<TVector>("r")->Items(from - 1));
  graphForm_->R2->SetKey(to, key->Value());
  graphForm_->R2->AfterRescale();
  static_cast<TCharData*>(Var<TVector>("r2")->Items(to - 1))->SetValue(key->Value());
  CountMove();
}

// ---------------------------------------------------------------- merge

// i := l; j := m+1; k := l-1
void TMergeSortBase::merge_Begin() {
  Var("i").SetValue(Var("l").Value());
  Var("j").SetValue(Var("m").Value() + 1);
  Var("k").SetValue(Var("l").Value() - 1);
}

// WHILE (i <= m) AND (j <= n) DO
bool TMergeSortBase::merge_F_While() {
  return Var("i").Value() <= Var("m").Value() && Var("j").Value() <= Var("n").Value();
}

// k := k+1
void TMergeSortBase::merge_Line1() { Var("k").SetValue(Var("k").Value() + 1); }

// IF r[i].key <= r[j].key THEN
bool TMergeSortBase::merge_F_If1() {
  CountComp();
  return !graphForm_->R->Compare(Var("i").Value(), Var("j").Value(), false);
}

// r2[k] := r[i]; i := i+1
void TMergeSortBase::merge_Line2() {
  MoveToR2(Var("k").Value(), Var("i").Value());
  Var("i").SetValue(Var("i").Value() + 1);
}

// r2[k] := r[j]; j := j+1
void TMergeSortBase::merge_Else() {
  MoveToR2(Var("k").Value(), Var("j").Value());
  Var("j").SetValue(Var("j").Value() + 1);
}

// IF i <= m THEN
bool TMergeSortBase::merge_F_If2() { return Var("i").Value() <= Var("m").Value(); }

// r2[k+1..n] := r[i..m]
void TMergeSortBase::merge_Line3() {
  const int i = Var("i").Value();
  for (int x = i; x <= Var("m").Value(); ++x) MoveToR2(Var("k").Value() + 1 + x - i, x);
}

// IF j <= n THEN
bool TMergeSortBase::merge_F_If3() { return Var("j").Value() <= Var("n").Value(); }

// r2[k+1..n] := r[j..n]
void TMergeSortBase::merge_Line4() {
  const int j = Var("j").Value();
  for (int x = j; x <= Var("n").Value(); ++x) MoveToR2(Var("k").Value() + 1 + x - j, x);
}

// END: r2 goes back to the caller
void TMergeSortBase::merge_End() { Result = Text(*Var<TVector>("r2")); }
