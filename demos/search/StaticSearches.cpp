#include "demos/search/StaticSearches.h"

#include <cmath>

#include "demos/linear/MergeSqlist.h"
#include "demos/search/StaticSrchGraph.h"
#include "framework/drawkit/WesternText.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/DemoViews.h"
#include "framework/engine/Globals.h"
#include "framework/engine/RunFrames.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "platform/ModalHost.h"

namespace {

constexpr int kMaxTable = 16;

QString CellName(int i) { return QStringLiteral("[%1]").arg(i); }

std::unique_ptr<TVector> CharVector(const char* name, const QString& text, int first) {
  auto v = std::make_unique<TVector>(QString::fromLatin1(name));
  for (int k = 0; k < text.size(); ++k) v->Add(new TCharData(CellName(first + k), static_cast<char>(text[k].toLatin1())));
  return v;
}

}  // namespace

int Fibonacci(int i) {
  if (i < 1) return 0;
  int a = 1;
  int b = 1;
  for (int k = 3; k <= i; ++k) {
    const int c = a + b;
    a = b;
    b = c;
  }
  return b;
}

int FibIndexFor(int n) {
  int j = 1;
  while (Fibonacci(j) < n + 1) ++j;
  return j;
}

int FibExtendedLength(int n) { return Fibonacci(FibIndexFor(n)) - 1; }

int InterpolationPos(int low, int hig, int lowKey, int higKey, int key) {
  if (lowKey == higKey) return low;
  const double ratio = static_cast<double>(key - lowKey) / static_cast<double>(higKey - lowKey);
  return low + static_cast<int>(std::nearbyint(ratio * (hig - low)));
}

// ---------------------------------------------------------------- shared

TStaticSearch::TStaticSearch(const QStringList& source, bool sorted, const QString& defaultTable,
                             const QString& defaultKey)
    : TAlgoDemo(source), sorted_(sorted), defaultTable_(defaultTable), defaultKey_(defaultKey) {}
TStaticSearch::~TStaticSearch() = default;

void TStaticSearch::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  form_ = std::make_unique<TStaticSrchForm>();
  form_->CellStands = [this](int i) { return CellStands(i); };
}

std::vector<TValueMeaning> TStaticSearch::CellStands(int i) const {
  const TValueMeaning note{.Value = [this, i] { return CellNote(i); }, .Part = TValueMeaning::InNote};
  // A cell past the table (the Fibonacci search's) stands for a key larger than any.
  if (i > SearchTable.size()) return {{.Value = [] { return std::optional<QString>(QChar(0x221E)); }}, note};
  return {{.Of = {CellPath(i)}}, note};
}

std::optional<QString> TStaticSearch::CellNote(int i) const {
  const TRunFrames calls{*this};
  const int depth = calls.Innermost();
  const std::optional<int> low = calls.Int(depth, "low"), hig = calls.Int(depth, "hig"), probe = calls.Int(depth, ProbeVar);
  const std::optional<bool> found = calls.Bool(depth, "found");
  if (!low || !hig || !probe || !found) return std::nullopt;
  if (i < RangeLow || i > RangeHigh) return QStringLiteral("out");
  if (i == *probe) return *found ? QStringLiteral("found") : QStringLiteral("mid");
  if (i == *low) return QStringLiteral("low");
  if (i == *hig) return QStringLiteral("high");
  return QStringLiteral("in");
}

void TStaticSearch::NoteRange() {
  RangeLow = Var("low")->Value();
  RangeHigh = Var("hig")->Value();
}

void TStaticSearch::DestroyChildWindow() {
  form_.reset();
  TAlgoDemo::DestroyChildWindow();
}

bool TStaticSearch::CreateData() {
  const QString remembered = SearchTable;
  const QString caption = sorted_ ? QStringLiteral("有序表") : QStringLiteral("无序表");
  QString text = defaultTable_;
  // The table and the key are one-byte letters: any other text is refused and asked again.
  if (!QueryWestern(caption, sorted_ ? QStringLiteral("建立有序串") : QStringLiteral("建立无序串"), text)) {
    SearchTable = remembered;
    return false;
  }
  if (text.size() > kMaxTable) {
    if (modal::MessageDlg(QStringLiteral("数据太长，将被截断"), modal::Icon::Warning, modal::Buttons::OkCancel) !=
        modal::ResultOk) {
      SearchTable = remembered;
      return false;
    }
    text.truncate(kMaxTable);
  }
  if (sorted_) {
    if (!TMergeSqlist::CheckOrderedString(text)) {
      SearchTable = remembered;
      return false;
    }
    TableLength = static_cast<int>(text.size());
  } else {
    text.prepend(QChar('?'));  // the sentinel cell r[0]
    TableLength = static_cast<int>(text.size()) - 1;
  }
  SearchTable = text;
  form_->Table = text;
  form_->ExtendedLength = ExtendedLength();
  // The key is one letter: an empty answer asks again.
  QString key = defaultKey_;
  do {
    if (!QueryWestern(caption, QStringLiteral("建立关键字"), key)) return false;
  } while (key.isEmpty());
  SearchKey = static_cast<char>(key[0].toLatin1());
  form_->FormPaint();
  return true;
}

std::unique_ptr<TData> TStaticSearch::GetInitialParam() {
  auto args = std::make_unique<TData>(QString());
  args->Add(CharVector("r", SearchTable, 1));
  AddVars(*args, IntVar("n", TableLength), CharVar("K", SearchKey), IntVar("Result", 0));
  return args;
}

void TStaticSearch::ResetLocalData(const QString&) {
  AddLocals();
  RangeLow = 1;
  RangeHigh = TableLength;
  form_->KeyStands = {{.Of = {KeyPath()}}};
  form_->Table = SearchTable;
  form_->ExtendedLength = ExtendedLength();
  form_->SetLow(0);
  form_->SetHigh(TableLength + 1);
  form_->SetMid(0);
  form_->SetRangeLow(1);
  form_->SetRangeHigh(TableLength);
  MoveFrom = MoveTo = 0;
  form_->SetShowMarkers(true);
  form_->SetKey(QChar::fromLatin1(SearchKey));
  form_->SetFound(false);
  form_->FormPaint();
}

void TStaticSearch::SetWindowRect() {
  MainForm->DockThreePanesB(form_.get(), 50, VariableForm, 60, AlgorithmForm);
}

int TStaticSearch::Elem(int i) const {
  const auto* r = static_cast<const TVector*>(Locals()->FindByName(QStringLiteral("r")));
  const auto* c = r != nullptr && i >= 1 && i <= r->Count() ? static_cast<const TCharData*>(r->Items(i - 1)) : nullptr;
  if (c == nullptr) throw EDemoError(QStringLiteral("no table element ") + QString::number(i));
  return static_cast<unsigned char>(c->Value());
}

int TStaticSearch::Key() const { return static_cast<unsigned char>(Var<TCharData>("K")->Value()); }

void TStaticSearch::SuccessMessage(int pos) {
  modal::MessageDlg(QStringLiteral("查找成功。K为r中第%1个元素。").arg(pos), modal::Icon::Information,
                    modal::Buttons::Ok);
}

void TStaticSearch::FailureMessage() {
  modal::MessageDlg(QStringLiteral("未查找到关键字。"), modal::Icon::Information, modal::Buttons::Ok);
}

void TStaticSearch::MoveEnd(const char* var, int to) {
  const bool high = var[0] == 'h';
  auto v = Var(var);
  MoveFrom = v->Value();
  v->SetValue(to);
  if (high)
    form_->SetHigh(to);
  else
    form_->SetLow(to);
  MoveTo = to;
  MovedMarker = high ? QStringLiteral("hig") : QStringLiteral("low");
  form_->SetMovedEnd(high ? 'h' : 'l');
  form_->NodKey();
}

void TStaticSearch::Slide(const char* var, int to) {
  OldMid = form_->MidIndex;
  Var(var)->SetValue(to);
  form_->SetMid(to);
  form_->SetShowMarkers(false);
  form_->DrawRangeMarker(MoveFrom, MoveTo, MovedMarker, to, OldMid);
  if (MovedMarker == QLatin1String("hig"))
    form_->SetRangeHigh(form_->HighIndex);
  else
    form_->SetRangeLow(form_->LowIndex);
  NoteRange();
  form_->SetShowMarkers(true);
  form_->FormPaint();
}

void TStaticSearch::SetFoundNow() {
  Var<TBoolData>("found")->SetValue(true);
  form_->SetFound(true);
  form_->DropKey();
}

// ---------------------------------------------------------------- sequential search

TSeqSrch::TSeqSrch(const QStringList& source)
    : TStaticSearch(source, false, QStringLiteral("biwoeurslp"), QStringLiteral("r")) {}

std::unique_ptr<TData> TSeqSrch::GetInitialParam() {
  auto args = std::make_unique<TData>(QString());
  if (UseCLanguage) {
    auto st = std::make_unique<TRecord>(QStringLiteral("ST"));
    st->Add(CharVector("elem", SearchTable, 0));
    st->Add(IntVar("length", TableLength));
    args->Add(std::move(st));
    AddVars(*args, CharVar("key", SearchKey), IntVar("Result", 0));
  } else {
    args->Add(CharVector("r", SearchTable, 0));
    AddVars(*args, IntVar("n", TableLength), CharVar("K", SearchKey), IntVar("Result", 0));
  }
  return args;
}

void TSeqSrch::AddLocals() { AddVars(*Locals(), IntVar("i", 0)); }

QString TSeqSrch::CellPath(int i) const {
  return UseCLanguage ? QStringLiteral("ST.elem[%1]").arg(i - 1) : QStringLiteral("r[%1]").arg(i - 1);
}

QString TSeqSrch::KeyPath() const { return UseCLanguage ? QStringLiteral("key") : QStringLiteral("K"); }

std::optional<QString> TSeqSrch::CellNote(int i) const {
  const TRunFrames calls{*this};
  const std::optional<int> at = calls.Int(calls.Innermost(), "i");
  const TIntData* result = ResultVar();
  if (!at || !result || !CurLine()) return std::nullopt;
  // Before "i := n" the probe already stands on r[n].
  const int probe = CurLine()->Label() == QLatin1String("Begin") ? TableLength + 1 : *at + 1;
  if (i < 2 || i > probe) return QStringLiteral("out");
  if (i == probe) return result->Assigned() ? QStringLiteral("found") : QStringLiteral("mid");
  return QStringLiteral("in");
}

void TSeqSrch::ResetLocalData(const QString&) {
  AddLocals();
  TStaticSrchForm* f = StaticSrchForm();
  f->KeyStands = {{.Of = {KeyPath()}}};
  f->Table = SearchTable;
  f->SetRangeLow(2);
  f->SetRangeHigh(TableLength + 1);
  f->SetMid(TableLength + 1);
  f->SetFound(false);
  f->SetKey(QChar::fromLatin1(SearchKey));
  // The probe and the key over it show from the first line, in the first run as after 恢复.
  f->SetShowMarkers(true);
  f->FormPaint();
}

void TSeqSrch::SetWindowRect() {
  MainForm->DockThreePanesB(StaticSrchForm(), 60, VariableForm, 60, AlgorithmForm);
}

void TSeqSrch::Reset() {
  TStaticSearch::Reset();
  if (TIntData* result = ResultVar()) result->SetAssigned(false);
}

TVector* TSeqSrch::Cells() const {
  const TData* owner = UseCLanguage ? Locals()->FindByName(QStringLiteral("ST")) : Locals();
  return owner != nullptr ? dynamic_cast<TVector*>(owner->FindByName(UseCLanguage ? QStringLiteral("elem")
                                                                                   : QStringLiteral("r")))
                          : nullptr;
}

TIntData* TSeqSrch::ResultVar() const {
  return Locals() != nullptr ? dynamic_cast<TIntData*>(Locals()->FindByName(QStringLiteral("Result"))) : nullptr;
}

char TSeqSrch::SeqKey() const { return Var<TCharData>(UseCLanguage ? "key" : "K")->Value(); }

// i := n; r[0].key := K
void TSeqSrch::SeqSrch_Begin() {
  Var("i")->SetValue(TableLength);
  static_cast<TCharData*>(Cells()->Items(0))->SetValue(SeqKey());
  StaticSrchForm()->Table[0] = QChar::fromLatin1(SeqKey());
  StaticSrchForm()->FormPaint();
}

// WHILE r[i].key <> K DO
bool TSeqSrch::SeqSrch_F_While() {
  return static_cast<const TCharData*>(Cells()->Items(Var("i")->Value()))->Value() != SeqKey();
}

// i := i - 1
void TSeqSrch::SeqSrch_DecI() {
  auto i = Var("i");
  i->SetValue(i->Value() - 1);
  TStaticSrchForm* f = StaticSrchForm();
  const int at = i->Value();
  f->NodKey();
  f->SetShowMarkers(false);
  f->DrawSeqMarker(at + 2, at + 1, QStringLiteral("h"), at + 1, at + 2);
  f->SetMid(f->MidIndex - 1);
  f->SetRangeHigh(f->MidIndex);
  f->SetShowMarkers(true);
  f->FormPaint();
}

// for (i = ST.length; ST.elem[i].key != key; --i);
void TSeqSrch::SeqSrch_ForI() {
  Var("i")->SetValue(TableLength);
  while (SeqSrch_F_While()) {
    SeqSrch_DecI();
    views::Variables().UpdateValues();
  }
}

// return i
void TSeqSrch::SeqSrch_RetI() {
  const int i = Var("i")->Value();
  TIntData* result = ResultVar();
  result->SetValue(i);
  result->SetAssigned(true);
  TStaticSrchForm* f = StaticSrchForm();
  f->DropKey();
  f->SetFound(true);
  f->FormPaint();
  const QString text = i != 0 ? QChar::fromLatin1(SeqKey()) + QStringLiteral("为查找串中第%1个元素。").arg(i)
                              : QStringLiteral("查找不成功！");
  modal::MessageDlg(text, modal::Icon::Information, modal::Buttons::Ok);
}

// ---------------------------------------------------------------- binary search

TBinSrch::TBinSrch(const QStringList& source)
    : TStaticSearch(source, true, QStringLiteral("acefiklmoqrtvxz"), QStringLiteral("r")) {}

void TBinSrch::AddLocals() {
  AddVars(*Locals(), IntVar("low", 0), IntVar("hig", 0), IntVar("mid", 0), BoolVar("found", false));
}

void TBinSrch::BinSrch_Begin() {
  Var("low")->SetValue(1);
  Var("hig")->SetValue(TableLength);
  StaticSrchForm()->SetLow(1);
  StaticSrchForm()->SetHigh(TableLength);
  StaticSrchForm()->FormPaint();
}

void TBinSrch::BinSrch_InitFound() { Var<TBoolData>("found")->SetValue(false); }

bool TBinSrch::BinSrch_F_IfWhile() {
  return Var("low")->Value() <= Var("hig")->Value() && !Var<TBoolData>("found")->Value();
}

void TBinSrch::BinSrch_SetMid() { Slide("mid", (Var("low")->Value() + Var("hig")->Value()) / 2); }

bool TBinSrch::BinSrch_F_IfCase1() { return Key() > Elem(Var("mid")->Value()); }
void TBinSrch::BinSrch_Case1() { MoveEnd("low", Var("mid")->Value() + 1); }
bool TBinSrch::BinSrch_F_IfCase2() { return Key() == Elem(Var("mid")->Value()); }
void TBinSrch::BinSrch_Case2() { SetFoundNow(); }
bool TBinSrch::BinSrch_F_IfCase3() { return Key() < Elem(Var("mid")->Value()); }
void TBinSrch::BinSrch_Case3() { MoveEnd("hig", Var("mid")->Value() - 1); }
bool TBinSrch::BinSrch_F_IfFound() { return Var<TBoolData>("found")->Value(); }

void TBinSrch::BinSrch_RetSucc() {
  Var("Result")->SetValue(Var("mid")->Value());
  SuccessMessage(Var("mid")->Value());
}

void TBinSrch::BinSrch_Else() {
  Var("Result")->SetValue(0);
  FailureMessage();
}

// ---------------------------------------------------------------- interpolation search

TInsSrch::TInsSrch(const QStringList& source)
    : TStaticSearch(source, true, QStringLiteral("12345abcdfhrstuv"), QStringLiteral("h")) {
  ProbeVar = "pos";
}

void TInsSrch::AddLocals() {
  AddVars(*Locals(), IntVar("low", 0), IntVar("hig", 0), BoolVar("found", false), IntVar("pos", 0));
}

void TInsSrch::InsSrch_Begin() {
  Var<TBoolData>("found")->SetValue(false);
  Var("low")->SetValue(1);
  Var("hig")->SetValue(TableLength);
  Var("pos")->SetValue(0);
  StaticSrchForm()->SetLow(1);
  StaticSrchForm()->SetHigh(TableLength);
  StaticSrchForm()->FormPaint();
}

bool TInsSrch::InsSrch_F_While() {
  return !Var<TBoolData>("found")->Value() && Var("low")->Value() <= Var("hig")->Value();
}

bool TInsSrch::InsSrch_F_Break() {
  const int k = Key();
  return Elem(Var("low")->Value()) <= k && k <= Elem(Var("hig")->Value());
}

void TInsSrch::InsSrch_SetPos() {
  const int low = Var("low")->Value();
  const int hig = Var("hig")->Value();
  Slide("pos", InterpolationPos(low, hig, Elem(low), Elem(hig), Key()));
}

bool TInsSrch::InsSrch_F_Case1() {
  const int pos = Var("pos")->Value();
  if (!(Key() > Elem(pos))) return true;
  MoveEnd("low", pos + 1);
  return false;
}

bool TInsSrch::InsSrch_F_Case2() {
  if (Key() != Elem(Var("pos")->Value())) return true;
  SetFoundNow();
  return false;
}

bool TInsSrch::InsSrch_F_Case3() {
  const int pos = Var("pos")->Value();
  if (!(Key() < Elem(pos))) return true;
  MoveEnd("hig", pos - 1);
  return false;
}

bool TInsSrch::InsSrch_F_RetSucc() {
  if (!Var<TBoolData>("found")->Value()) return true;
  Var("Result")->SetValue(Var("pos")->Value());
  SuccessMessage(Var("pos")->Value());
  return false;
}

void TInsSrch::InsSrch_RetUnsucc() {
  Var("Result")->SetValue(0);
  FailureMessage();
}

// ---------------------------------------------------------------- Fibonacci search

TFibSrch::TFibSrch(const QStringList& source)
    : TStaticSearch(source, true, QStringLiteral("acefiklmoqrtvxz"), QStringLiteral("r")) {}

void TFibSrch::AddLocals() {
  AddVars(*Locals(), IntVar("j", 0), IntVar("mid", 0), IntVar("hig", 0), IntVar("low", 0), IntVar("f1", 0),
          IntVar("f2", 0), BoolVar("found", false), IntVar("t", 0));
}

void TFibSrch::FibSrch_Begin() { Var("j")->SetValue(1); }

void TFibSrch::FibSrch_CalJ() { Var("j")->SetValue(FibIndexFor(TableLength)); }

// mid := fib(j-1): the live interval is the table thought of as fib(j)-1 long.
void TFibSrch::FibSrch_InitMid() {
  const int j = Var("j")->Value();
  const int mid = Fibonacci(j - 1);
  const int last = Fibonacci(j) - 1;
  Var("mid")->SetValue(mid);
  Var("hig")->SetValue(last);
  Var("low")->SetValue(1);
  TStaticSrchForm* f = StaticSrchForm();
  f->SetLow(1);
  f->SetHigh(last);
  f->SetRangeHigh(last);
  NoteRange();
  f->SetMid(mid);
  f->FormPaint();
}

void TFibSrch::FibSrch_Init() {
  const int j = Var("j")->Value();
  Var("f1")->SetValue(Fibonacci(j - 2));
  Var("f2")->SetValue(Fibonacci(j - 3));
  Var<TBoolData>("found")->SetValue(false);
}

bool TFibSrch::FibSrch_F_While() { return Var("mid")->Value() != 0 && !Var<TBoolData>("found")->Value(); }
// (mid <= n) AND (K = r[mid].key): past the table no key is K.
bool TFibSrch::FibSrch_F_IfCase1() {
  const int mid = Var("mid")->Value();
  return mid <= TableLength && Key() == Elem(mid);
}
void TFibSrch::FibSrch_Case1() { SetFoundNow(); }
// (mid > n) OR (K < r[mid].key): past the table every key is larger than K.
bool TFibSrch::FibSrch_F_IfCase2() {
  const int mid = Var("mid")->Value();
  return mid > TableLength || Key() < Elem(mid);
}
bool TFibSrch::FibSrch_F_IfFeqZ() { return Var("f2")->Value() == 0; }
// mid := 0: no cell is probed any more.
void TFibSrch::FibSrch_MidEqZ() {
  Var("mid")->SetValue(0);
  StaticSrchForm()->SetMid(0);
  StaticSrchForm()->FormPaint();
}

void TFibSrch::AltMid(bool high) {
  TStaticSrchForm* f = StaticSrchForm();
  auto mid = Var("mid");
  const int f2 = Var("f2")->Value();
  MoveEnd(high ? "hig" : "low", high ? mid->Value() - 1 : mid->Value() + 1);
  OldMid = mid->Value();
  mid->SetValue(high ? OldMid - f2 : OldMid + f2);
  f->SetMid(mid->Value());
  f->SetShowMarkers(false);
  f->DrawRangeMarker(MoveFrom, MoveTo, MovedMarker, mid->Value(), OldMid);
  if (high)
    f->SetRangeHigh(f->HighIndex);
  else
    f->SetRangeLow(f->LowIndex);
  NoteRange();
  f->SetShowMarkers(true);
  f->FormPaint();
}

void TFibSrch::FibSrch_AltMid1() { AltMid(true); }

void TFibSrch::FibSrch_SetT() { Var("t")->SetValue(Var("f1")->Value() - Var("f2")->Value()); }

void TFibSrch::FibSrch_ResetF1F2() {
  Var("f1")->SetValue(Var("f2")->Value());
  Var("f2")->SetValue(Var("t")->Value());
}

bool TFibSrch::FibSrch_F_IfCase3() { return Key() > Elem(Var("mid")->Value()); }
bool TFibSrch::FibSrch_F_IfFeq1() { return Var("f1")->Value() == 1; }
void TFibSrch::FibSrch_AltMid2() { AltMid(false); }
void TFibSrch::FibSrch_ResetF1() { Var("f1")->SetValue(Var("f1")->Value() - Var("f2")->Value()); }
void TFibSrch::FibSrch_ResetF2() { Var("f2")->SetValue(Var("f2")->Value() - Var("f1")->Value()); }
bool TFibSrch::FibSrch_F_IfFound() { return Var<TBoolData>("found")->Value(); }

void TFibSrch::FibSrch_RetSucc() {
  Var("Result")->SetValue(Var("mid")->Value());
  SuccessMessage(Var("mid")->Value());
}

void TFibSrch::FibSrch_RetUnsucc() {
  Var("Result")->SetValue(0);
  FailureMessage();
}
