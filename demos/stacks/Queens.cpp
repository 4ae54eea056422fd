#include "demos/stacks/Queens.h"

#include "demos/stacks/QueenInputDlg.h"
#include "demos/stacks/QueensForm.h"
#include "framework/drawkit/BesidePlace.h"
#include "framework/drawkit/CoolMsg.h"
#include "framework/drawkit/StackBox.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/Globals.h"
#include "framework/engine/RunFrames.h"
#include "framework/shell/MainForm.h"

// ---------------------------------------------------------------- stack row

TQueensStkData::TQueensStkData(const QString& name, int addr, int k, int i)
    : TData(name), Addr(addr), k(k), i(i) {}

QString TQueensStkData::GetText() const {
  // Under "Addr    k    i": Addr from the heading's first letter, k and i flush with theirs.
  return CutText(QStringLiteral("%1%2%3").arg(Addr, -4).arg(k, 5).arg(i, 5));
}

// ---------------------------------------------------------------- windows and data

TQueens::TQueens(const QStringList& source) : TAlgoDemo(source) {}
TQueens::~TQueens() = default;

int TQueens::Base() { return UseCLanguage ? 0 : 1; }

void TQueens::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  boardForm_ = std::make_unique<TQueensForm>();
  msgDlg_ = std::make_unique<TCoolMsgDlg>();
  SayMeanings();
}

void TQueens::SayMeanings() {
  // Row k shows the call at run-stack depth k + 1 (Main being 0).
  boardForm_->StackBox->RowsStandFor = [this](int index) { return RowFor(index + 1); };
  boardForm_->QueenStandsFor = [this](int column) { return QueenFor(column); };
}

std::optional<QString> TQueens::RowFor(int depth) const {
  const TRunFrames calls{*this};
  if (depth >= calls.Count()) return std::nullopt;
  const int addr = calls.CalledFrom(depth) == QLatin1String("Seek") ? 8 : 0;
  return TQueensStkData(QString(), addr, calls.Int(depth, "k").value_or(0), calls.Int(depth, "i").value_or(0)).GetText();
}

std::optional<QString> TQueens::QueenFor(int column) const {
  // The call of seek(k) at depth d works on column d; the board draws rows from 1, a row
  // outside the board (the loop done) as the waiting place.
  const TRunFrames calls{*this};
  if (calls.Count() == 0) return std::nullopt;
  const auto rowOf = [&](int c) {
    if (c >= calls.Count()) return 0;
    const int row = calls.Int(c, "i").value_or(Base() - 1) - Base() + 1;
    return row >= 1 && row <= N ? row : 0;
  };
  const int current = calls.Innermost();
  int picture = 2;
  if (column < current) {
    // The collision test shows the queens the one being tried meets until the next line
    // takes it back.
    const bool testing = PrevLine() != nullptr && PrevLine()->Label() == QLatin1String("TestCollid");
    picture = testing && TQueensForm::Conflict(column, rowOf(column), current, rowOf(current)) ? 3 : 1;
  } else if (column == current) {
    const auto* q = dynamic_cast<const TVector*>(Globals()->FindByName(QStringLiteral("q")));
    const auto* placed = q != nullptr ? dynamic_cast<const TIntData*>(q->Items(column - 1)) : nullptr;
    const std::optional<int> i = calls.Int(current, "i");
    picture = placed != nullptr && placed->Assigned() && i && placed->Value() == *i ? 1 : 2;
  }
  return TQueensForm::QueenNote(column, rowOf(column), picture, column == current);
}

std::unique_ptr<TData> TQueens::GetGlobalData() {
  auto q = std::make_unique<TVector>(QStringLiteral("q"));
  for (int index = Base(); index < Base() + N; ++index)
    q->Add(new TIntData(QStringLiteral("q[%1]").arg(index), 0))->SetAssigned(false);
  return std::unique_ptr<TData>(NewFrame(IntVar("n", N), std::move(q)));
}


bool TQueens::CreateData() {
  TQueenInputDlg dlg;
  dlg.Count = N;
  if (!dlg.Execute()) return false;
  N = dlg.Count;
  return true;
}

void TQueens::SetWindowRect() {
  MainForm->DockThreePanes(boardForm_.get(), 63, AlgorithmForm, 60, VariableForm);
}

void TQueens::Reset() {
  TAlgoDemo::Reset();
  boardForm_->StartBoard(N);
  SolutionCount = 0;
  boardForm_->StackBox->Clear();
}

// ---------------------------------------------------------------- helpers

TData* TQueens::Call(int addr, int k) {
  auto i = IntVar("i", 0);
  i->SetAssigned(false);
  boardForm_->StackBox->Push(std::make_unique<TQueensStkData>(QString(), addr, k, 0));
  return NewFrame(IntVar("k", k), std::move(i));
}

void TQueens::SetI(int value) {
  Var("i").SetValue(value);
  Var("i")->SetAssigned(true);
  TStackBox& stack = *boardForm_->StackBox;
  static_cast<TQueensStkData*>(stack.Top())->i = value;
  stack.UpdateRow(stack.Count() - 1, stack.Top());
}

void TQueens::SetQ(int value) {
  auto* item = static_cast<TIntData*>(TFrameVar<TVector>(Globals(), "q")->Items(Var("k").Value() - Base()));
  item->SetValue(value);
  item->SetAssigned(true);
}

// ---------------------------------------------------------------- Main

// seek(1);
TData* TQueens::Main_C_Begin() {
  boardForm_->CursorNext();
  return Call(0, Base());
}

void TQueens::Main_AfterBegin() {
  boardForm_->CursorBack();
  (void)boardForm_->StackBox->Pop();
}

// ---------------------------------------------------------------- Queens

// FOR i:=1 to n DO
bool TQueens::Queens_F_Begin() {
  boardForm_->MoveQueenDown();
  SetI(Base());
  return Var("i").Value() < Base() + N;
}

// IF NOT collid(k,i) THEN
bool TQueens::Queens_F_TestCollid() { return boardForm_->ShowCollision(true); }

// q[k]:=i;
void TQueens::Queens_PlaceQueen() {
  boardForm_->ShowCollision(false);
  SetQ(Var("i").Value());
  boardForm_->SetQueenState(true);
}

// IF k=n
bool TQueens::Queens_F_LastOne() { return Var("k").Value() == Base() + N - 1; }

// THEN printQueen
void TQueens::Queens_PrintQueen() {
  ++SolutionCount;
  const QString caption = QStringLiteral("第%1种排布").arg(SolutionCount);
  msgDlg_->SetCaption(caption);
  // Beside the board: the placement it announces stays in view.
  PlaceBeside(*msgDlg_, *boardForm_);
  msgDlg_->Execute(caption + QStringLiteral("找到了!"));
}

// ELSE seek(k+1)
TData* TQueens::Queens_C_Seek() {
  boardForm_->CursorNext();
  return Call(8, Var("k").Value() + 1);
}

void TQueens::Queens_AfterSeek() {
  boardForm_->CursorBack();
  (void)boardForm_->StackBox->Pop();
}

// q[k]:=0;  (C: q[k]=-1;, row 0 being a row there)
void TQueens::Queens_Recurse() {
  boardForm_->ShowCollision(false);
  SetQ(Base() - 1);
  boardForm_->SetQueenState(false);
}

// ] (end of the loop body: the next row)
bool TQueens::Queens_F_NextPos() {
  boardForm_->MoveQueenDown();
  SetI(Var("i").Value() + 1);
  return Var("i").Value() >= Base() + N;
}
