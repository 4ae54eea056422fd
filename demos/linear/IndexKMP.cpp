#include "demos/linear/IndexKMP.h"

#include "demos/linear/IndexStrsForm.h"

namespace {

QString NextName(int k) { return QStringLiteral("next[%1]").arg(k); }

}  // namespace

TIndexKMP::TIndexKMP(const QStringList& source) : TIndexDemo(source, QStringLiteral("KMP法模式匹配")) {}

std::unique_ptr<TData> TIndexKMP::GetGlobalData() {
  auto globals = std::make_unique<TData>(QString());
  auto* next = globals->Add(new TVector(QStringLiteral("next")));
  for (int k = 1; k <= T.size(); ++k) next->Add(new TIntData(NextName(k), 0));
  return globals;
}

std::unique_ptr<TData> TIndexKMP::GetInitialParam() {
  auto args = std::make_unique<TData>(QString());
  args->Add(new TStringData(QStringLiteral("s"), S));
  args->Add(new TStringData(QStringLiteral("t"), T));
  args->Add(new TIntData(QStringLiteral("index"), 0));
  return args;
}

void TIndexKMP::SetNext(int i, int value, int from) {
  if (i < 1 || i > static_cast<int>(NextArray.size())) return;
  NextArray[i - 1] = value;
  if (TIndexStrBox* box = graphForm_->UpperBox.get()) {
    if (from > 0)
      box->CopyNextValue(from);
    else
      box->AppendNextValue(value);
  }
  // An empty pattern has no next[1] to show.
  const TData* next = Globals()->FindByName(QStringLiteral("next"));
  if (auto* item = static_cast<TIntData*>(next->FindByName(NextName(i)))) item->SetValue(value);
}

void TIndexKMP::Advance() {
  auto i = Var("i");
  auto j = Var("j");
  i->SetValue(i->Value() + 1);
  j->SetValue(j->Value() + 1);
  graphForm_->MoveMarkers(i->Value(), j->Value());
}

// ---------------------------------------------------------------- Main

// get_next(t,next)
TData* TIndexKMP::Main_C_Begin() {
  return Args({new TStringData(QStringLiteral("t"), T), new TIntData(QStringLiteral("i"), 0),
               new TIntData(QStringLiteral("j"), 0)});
}

void TIndexKMP::Main_AfterBegin() { graphForm_->DropNextRow(); }

// index:=index_KMP(s,t,next)
TData* TIndexKMP::Main_C_GetIndex() {
  return Args({new TStringData(QStringLiteral("s"), S), new TStringData(QStringLiteral("t"), T),
               new TIntData(QStringLiteral("i"), 0), new TIntData(QStringLiteral("j"), 0)});
}

void TIndexKMP::Main_AfterGetIndex() { ShowResult(MatchResult); }

// ---------------------------------------------------------------- GetNext

// i:=1; j:=0; next[1]:=0
void TIndexKMP::GetNext_Begin() {
  Var("i")->SetValue(1);
  Var("j")->SetValue(0);
  graphForm_->SetStage(2);
  CreateBoxes(T, T);
  SetNext(1, 0);
  graphForm_->MoveMarkers(1, 0);
}

// WHILE i<t.len DO
bool TIndexKMP::GetNext_F_Loop() { return Var("i")->Value() < T.size(); }

// IF (j=0) OR (t.ch[i]=t.ch[j]) THEN
bool TIndexKMP::GetNext_F_IsEqual() {
  const int i = Var("i")->Value();
  const int j = Var("j")->Value();
  return j == 0 || T[i - 1] == T[j - 1];
}

// i:=i+1; j:=j+1
void TIndexKMP::GetNext_NextChar() { Advance(); }

// next[i]:=j
void TIndexKMP::GetNext_NextValue() { SetNext(Var("i")->Value(), Var("j")->Value()); }

// ELSE j:=next[j]
void TIndexKMP::GetNext_NotEqual() {
  auto j = Var("j");
  j->SetValue(Next(j->Value()));
  graphForm_->MoveMarkers(Var("i")->Value(), j->Value());
}

// ---------------------------------------------------------------- IndexKMP

// i:=1; j:=1
void TIndexKMP::IndexKMP_Begin() {
  Var("i")->SetValue(1);
  Var("j")->SetValue(1);
  graphForm_->StartMatching(S, clTeal, clBlue, clYellow, clRed);
  graphForm_->MoveMarkers(1, 1);
}

// WHILE (i<=s.len) AND (j<=t.len) DO
bool TIndexKMP::IndexKMP_F_Loop() { return Var("i")->Value() <= S.size() && Var("j")->Value() <= T.size(); }

// IF (j=0) OR (s.ch[i]=t.ch[j]) THEN
bool TIndexKMP::IndexKMP_F_IsEqual() {
  const int i = Var("i")->Value();
  const int j = Var("j")->Value();
  return j == 0 || S[i - 1] == T[j - 1];
}

// i:=i+1; j:=j+1
void TIndexKMP::IndexKMP_NextChar() { Advance(); }

// ELSE j:=next[j]
void TIndexKMP::IndexKMP_NotEqual() {
  auto j = Var("j");
  j->SetValue(Next(j->Value()));
  graphForm_->MoveMarkers(Var("i")->Value(), j->Value());
}

// IF j>t.len THEN
bool TIndexKMP::IndexKMP_F_IsFound() {
  const int j = Var("j")->Value();
  MatchResult = T.size() < j ? Var("i")->Value() - static_cast<int>(T.size()) : 0;
  return T.size() < j;
}

// ---------------------------------------------------------------- nextval

TIndexKMPNVal::TIndexKMPNVal(const QStringList& source) : TIndexKMP(source) {}

// IF t.ch[i]<>t.ch[j] THEN
bool TIndexKMPNVal::GetNext_F_IsNotEqual() {
  const int i = Var("i")->Value();
  const int j = Var("j")->Value();
  return T[i - 1] != T[j - 1];
}

// next[i]:=j
void TIndexKMPNVal::GetNext_NextV1() { SetNext(Var("i")->Value(), Var("j")->Value()); }

// ELSE next[i]:=next[j]
void TIndexKMPNVal::GetNext_NextV2() {
  const int j = Var("j")->Value();
  SetNext(Var("i")->Value(), Next(j), j);
}
