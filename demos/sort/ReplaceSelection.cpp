#include "demos/sort/ReplaceSelection.h"

#include <QPlainTextEdit>

#include "demos/sort/ExternalForms.h"
#include "demos/sort/SortDemo.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/DemoViews.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"
#include "platform/Random.h"

// ---------------------------------------------------------------- in-memory file

bool TFile::Open(char mode) {
  if (mode_ != 'c' || (mode != 'r' && mode != 'w')) return false;
  mode_ = mode;
  // Writing appends after lastRec_; only reading needs a position of its own.
  if (mode == 'r')
    pos_ = 0;
  else
    lastRec_ = -1;
  return true;
}

bool TFile::Write(int x) {
  if (mode_ != 'w' || lastRec_ >= Capacity - 1) return false;
  data_[static_cast<std::size_t>(++lastRec_)] = x;
  return true;
}

bool TFile::Read(int& x) {
  if (mode_ != 'r' || pos_ > lastRec_) return false;
  x = data_[static_cast<std::size_t>(pos_++)];
  return true;
}

// ---------------------------------------------------------------- demonstration

void TReplaceSelection::CreateChildWindow() {
  TFormDemo::CreateChildWindow();
  TRepSelTree& tree = *graphForm_->RepSelTree;
  // Records 0 .. w-1 are ls, w .. 2w-1 the leaves wa[0].key .. wa[w-1].key.
  tree.ValueMeans = [this](int r) -> std::vector<TValueMeaning> {
    if (r < W)
      return {GlobalShown(QStringLiteral("ls[%1]").arg(r), [this, r](const QString& v) -> std::optional<QString> {
        if (!SlotSet(r)) return std::nullopt;
        return v;
      })};
    const int q = r - W;
    return {GlobalShown(QStringLiteral("wa[%1].key").arg(q), [this, q](const QString& v) -> std::optional<QString> {
      if (!SlotSet(q)) return std::nullopt;
      return LeafShown(q) ? v : QString();
    })};
  };
  const auto grey = [this](int q) {
    return TValueMeaning{.Value = [this, q]() -> std::optional<QString> {
                           if (!SlotSet(q)) return std::nullopt;
                           return dummy_[static_cast<std::size_t>(q)] ? QStringLiteral("grey") : QString();
                         },
                         .Part = TValueMeaning::InNote};
  };
  tree.ShapeMeans = [this, grey](int r) -> std::vector<TValueMeaning> {
    if (r < W || r >= 2 * W) return {};
    return {grey(r - W)};
  };
  // The box under leaf q is wa[q].rnum, grey for a dummy.
  tree.UnderMeans = [this, grey](int q, int) -> std::vector<TValueMeaning> {
    return {GlobalShown(QStringLiteral("wa[%1].rnum").arg(q),
                   [this, q](const QString& v) -> std::optional<QString> {
                     if (!SlotSet(q)) return std::nullopt;
                     return v;
                   }),
            grey(q)};
  };
  HoldFiles();
}

void TReplaceSelection::HoldFiles() {
  TRepSelGraphForm& f = *graphForm_;
  f.OutputMemo->Stands = {{.Value = [this] { return std::optional(FileText(QStringLiteral("<Output file>"), Written)); },
                           .Part = TValueMeaning::InNote}};
  // The input memo loses each key as it is read.
  f.InputMemo->Stands = {{.Value = [this] {
                            std::vector<int> left;
                            for (int i = std::max(0, FI.Position()); i < FI.Count(); ++i) left.push_back(FI.At(i));
                            return std::optional(FileText(QStringLiteral("<Input file>"), left));
                          },
                          .Part = TValueMeaning::InNote}};
}

bool TReplaceSelection::SlotSet(int q) const {
  if (RunIn(*this, "ReplaceSelection")) return !RunAt(*this, {"Begin"});
  if (!RunIn(*this, "ConstructLoser")) return true;
  const int i = Var("i").Value();
  if (RunAt(*this, {"Begin"})) return q <= i;
  if (RunAt(*this, {"Val"})) return q < i;
  return true;
}

bool TReplaceSelection::LeafShown(int q) const {
  return !(RunIn(*this, "GetRun") && RunAt(*this, {"If1", "ValWaQ", "Else1", "FRead"}) && q == Var("q").Value());
}

std::unique_ptr<TData> TReplaceSelection::GetGlobalData() {
  auto globals = std::make_unique<TData>(QString());
  auto* ls = globals->Add(new TVector(QStringLiteral("ls")));
  for (int i = 0; i < W; ++i) ls->Add(new TIntData(QString::number(i), 0));
  auto* wa = globals->Add(new TVector(QStringLiteral("wa")));
  for (int i = 0; i < W; ++i) {
    auto* rec = wa->Add(new TRecord(QString::number(i)));
    AddVars(*rec, IntVar("key", 0), IntVar("rnum", 0));
  }
  AddVars(*globals, IntVar("w", W), IntVar("rc", 0), IntVar("rmax", 0));
  return globals;
}

bool TReplaceSelection::CreateData() {
  TrsGetDataForm dlg;
  if (!dlg.Execute(W, N)) return false;
  FI.Close();
  FI.Open('w');
  rnd::Randomize();
  for (int i = 0; i < N; ++i) FI.Write(rnd::Random(1000));
  StartFiles();
  return true;
}

void TReplaceSelection::SetInput(int w, const std::vector<int>& keys) {
  W = w;
  N = static_cast<int>(keys.size());
  FI.Close();
  FI.Open('w');
  for (int key : keys) FI.Write(key);
  StartFiles();
}

void TReplaceSelection::StartFiles() {
  FI.Close();
  FI.Open('r');
  FO.Close();
  FO.Open('w');
}

void TReplaceSelection::SetWindowRect() {
  MainForm->DockThreePanes(graphForm_.get(), 60, AlgorithmForm, 60, VariableForm);
}

void TReplaceSelection::Reset() {
  TAlgoDemo::Reset();
  StartFiles();
  Written.clear();
  dummy_.fill(false);
  StartMemo(*graphForm_->OutputMemo, QStringLiteral("<Output file>"));
  StartMemo(*graphForm_->InputMemo, QStringLiteral("<Input file>"));
  QString input;
  for (int i = 0; i < FI.Count(); ++i) input += KeyText(FI.At(i));
  AppendToLastLine(*graphForm_->InputMemo, input);
  // Keys leave the input file from its head: the view starts there.
  graphForm_->InputMemo->moveCursor(QTextCursor::Start);
  graphForm_->RepSelTree->ShowRuns = false;
  graphForm_->RepSelTree->SetLastIndex(W - 1);
}

TIntData* TReplaceSelection::Global(const char* name) const {
  return static_cast<TIntData*>(Globals()->FindByName(QString::fromLatin1(name)));
}

TIntData* TReplaceSelection::Ls(int i) const {
  return static_cast<TIntData*>(Globals()->FindByName(QStringLiteral("ls"))->Items(i));
}

TIntData* TReplaceSelection::Key(int i) const {
  return static_cast<TIntData*>(Globals()->FindByName(QStringLiteral("wa"))->Items(i)->Items(0));
}

TIntData* TReplaceSelection::Rnum(int i) const {
  return static_cast<TIntData*>(Globals()->FindByName(QStringLiteral("wa"))->Items(i)->Items(1));
}

// ---------------------------------------------------------------- ReplaceSelection

// Construct_Loser(ls, wa)
TData* TReplaceSelection::ReplaceSelection_C_Begin() { return NewFrame(IntVar("i", -1)); }

// rc := 1; rmax := 1
void TReplaceSelection::ReplaceSelection_RcRmax1() {
  Global("rc")->SetValue(1);
  Global("rmax")->SetValue(1);
}

// WHILE rc <= rmax DO
bool TReplaceSelection::ReplaceSelection_F_While() { return Global("rc")->Value() <= Global("rmax")->Value(); }

// get_run(ls, wa)
TData* TReplaceSelection::ReplaceSelection_C_GoSubGetRun() {
  return NewFrame(IntVar("q", 0), IntVar("minimax", 0), IntVar("MAXKEY", MaxKey));
}

// write(fo, RUNEND_SYMBOL)
void TReplaceSelection::ReplaceSelection_FWrite() {
  FO.Write(-1);
  Written.push_back(-1);
  graphForm_->EndRun();
}

// rc := wa[ls[0]].rnum
void TReplaceSelection::ReplaceSelection_RcEqWa() { Global("rc")->SetValue(Rnum(Ls(0)->Value())->Value()); }

// ---------------------------------------------------------------- GetRun

// WHILE wa[ls[0]].rnum = rc DO
bool TReplaceSelection::GetRun_F_Begin() { return Rnum(Ls(0)->Value())->Value() == Global("rc")->Value(); }

// q := ls[0]
void TReplaceSelection::GetRun_QeqLs0() { Var("q").SetValue(Ls(0)->Value()); }

// minimax := wa[q].key
void TReplaceSelection::GetRun_ValMiniMax() { Var("minimax").SetValue(Key(Var("q").Value())->Value()); }

// write(fo, wa[q].rec)
void TReplaceSelection::GetRun_FWrite() {
  const int q = Var("q").Value();
  FO.Write(Key(q)->Value());
  Written.push_back(Key(q)->Value());
  graphForm_->OutputKey(q, RunSpeed);
}

// IF eof(fi) THEN
bool TReplaceSelection::GetRun_F_If1() { return FI.Eof(); }

// wa[q].rnum := rmax+1; wa[q].key := MAXKEY
void TReplaceSelection::GetRun_ValWaQ() {
  const int q = Var("q").Value();
  const int rmax = Global("rmax")->Value();
  Rnum(q)->SetValue(rmax + 1);
  Key(q)->SetValue(MaxKey);
  dummy_[static_cast<std::size_t>(q)] = true;
  graphForm_->ShowDummy(q, MaxKey, rmax);
}

// read(fi, wa[q].rec)
void TReplaceSelection::GetRun_FRead() {
  const int q = Var("q").Value();
  int key = MaxKey;
  FI.Read(key);
  Key(q)->SetValue(key);
  graphForm_->ReadKey(q, key, RunSpeed);
}

// IF wa[q].key < minimax THEN
bool TReplaceSelection::GetRun_F_If2() { return Key(Var("q").Value())->Value() < Var("minimax").Value(); }

// rmax := rc+1; wa[q].rnum := rmax
void TReplaceSelection::GetRun_RMaxWaq() {
  const int q = Var("q").Value();
  const int rmax = Global("rc")->Value() + 1;
  Global("rmax")->SetValue(rmax);
  Rnum(q)->SetValue(rmax);
  graphForm_->FlashRunNumber(q, rmax, RunSpeed);
}

// ELSE wa[q].rnum := rc
void TReplaceSelection::GetRun_Else2() {
  const int q = Var("q").Value();
  Rnum(q)->SetValue(Global("rc")->Value());
  graphForm_->FlashRunNumber(q, Global("rc")->Value(), RunSpeed);
}

// Select_MiniMax(ls, wa, q)
TData* TReplaceSelection::GetRun_C_GoSubSelectMiniM() {
  return NewFrame(IntVar("t", 0), IntVar("p", 0), IntVar("q", Var("q").Value()));
}

// ---------------------------------------------------------------- SelectMiniMax

// t := w+q
void TReplaceSelection::SelectMiniMax_Begin() { Var("t").SetValue(W + Var("q").Value()); }

// REPEAT t := t DIV 2; IF t > 0 THEN p := ls[t] ... UNTIL t = 0
bool TReplaceSelection::SelectMiniMax_F_ForT() {
  const int t = Var("t").Value() / 2;
  Var("t").SetValue(t);
  if (t > 0) Var("p").SetValue(Ls(t)->Value());
  return t > 0;
}

// IF (wa[p].rnum < wa[q].rnum) OR (wa[p].rnum = wa[q].rnum) AND (wa[p].key < wa[q].key) THEN
bool TReplaceSelection::SelectMiniMax_F_If() {
  const int p = Var("p").Value();
  const int q = Var("q").Value();
  return Rnum(p)->Value() < Rnum(q)->Value() ||
         (Rnum(p)->Value() == Rnum(q)->Value() && Key(p)->Value() < Key(q)->Value());
}

// q <-> ls[t]
void TReplaceSelection::SelectMiniMax_SwapQLsT() {
  const int t = Var("t").Value();
  const int q = Var("q").Value();
  Var("q").SetValue(Ls(t)->Value());
  Ls(t)->SetValue(q);
  graphForm_->RepSelTree->ShowSwap(t, q);
}

// ls[0] := q
void TReplaceSelection::SelectMiniMax_Ls0EqQ() {
  Ls(0)->SetValue(Var("q").Value());
  graphForm_->SetLs0(Var("q").Value());
}

// ---------------------------------------------------------------- ConstructLoser

// FOR i := 0 TO w-1 DO
bool TReplaceSelection::ConstructLoser_F_Begin() {
  Var("i").SetValue(Var("i").Value() + 1);
  return Var("i").Value() < W;
}

// wa[i].rnum := 0; wa[i].key := 0; ls[i] := 0
void TReplaceSelection::ConstructLoser_Val() {
  const int i = Var("i").Value();
  Rnum(i)->SetValue(0);
  Key(i)->SetValue(0);
  Ls(i)->SetValue(0);
  graphForm_->ShowInitSlot(i, RunSpeed);
}

// FOR i := w-1 DOWNTO 0 DO
bool TReplaceSelection::ConstructLoser_F_ForI() {
  Var("i").SetValue(Var("i").Value() - 1);
  return Var("i").Value() >= 0;
}

// read(fi, wa[i].rec)
void TReplaceSelection::ConstructLoser_FRead() {
  const int i = Var("i").Value();
  int key = 0;
  if (FI.Read(key)) {
    Key(i)->SetValue(key);
    graphForm_->ReadFirstKey(i, key, RunSpeed);
    return;
  }
  // An input shorter than the work area: the slot waits as a dummy of the run after the
  // first, so the records read form one run and the dummies end it.
  dummy_[static_cast<std::size_t>(i)] = true;
  Key(i)->SetValue(MaxKey);
  Rnum(i)->SetValue(2);
  graphForm_->ShowDummy(i, MaxKey, 1);
}

// wa[i].rnum := 1
void TReplaceSelection::ConstructLoser_WaIRnumEq1() {
  const int i = Var("i").Value();
  if (dummy_[static_cast<std::size_t>(i)]) return;
  Rnum(i)->SetValue(1);
  graphForm_->FlashRunNumber(i, 1, RunSpeed);
}

// Select_MiniMax(ls, wa, i)
TData* TReplaceSelection::ConstructLoser_C_GoSubSelectMiniM() {
  return NewFrame(IntVar("t", 0), IntVar("p", 0), IntVar("q", Var("i").Value()));
}
