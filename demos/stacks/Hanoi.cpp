#include "demos/stacks/Hanoi.h"

#include <functional>

#include "demos/stacks/HanoiGraphForm.h"
#include "demos/stacks/HanoiInputDlg.h"
#include "demos/stacks/HanoiTowers.h"
#include "framework/drawkit/StackBox.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/Globals.h"
#include "framework/engine/RunFrames.h"
#include "framework/shell/MainForm.h"

// ---------------------------------------------------------------- stack row and moves

THanoiStkData::THanoiStkData(const QString& name, int addr, int n, char x, char y, char z)
    : TData(name), Addr(addr), n(n), x(x), y(y), z(z) {}

QString THanoiStkData::GetText() const {
  // Each field starts under the first letter of its heading in "Addr   n   x   y   z".
  return CutText(QStringLiteral("%1%2%3   %4   %5")
                     .arg(Addr, -7)
                     .arg(n, -4)
                     .arg(QChar::fromLatin1(x), QChar::fromLatin1(y), QChar::fromLatin1(z)));
}

QString HanoiMoveText(int moveNo, char from, int plate, char to) {
  QString prefix = QString::number(moveNo) + QStringLiteral(": ");
  if (prefix.size() == 3) prefix += QLatin1Char(' ');
  return prefix + QChar::fromLatin1(from) + QStringLiteral("--") + QString::number(plate) +
         QStringLiteral("-->") + QChar::fromLatin1(to);
}

std::vector<THanoiMove> HanoiMoves(int n) {
  std::vector<THanoiMove> moves;
  const std::function<void(int, char, char, char)> hanoi = [&](int k, char x, char y, char z) {
    if (k <= 0) return;
    if (k == 1) {
      moves.push_back({x, 1, z});
      return;
    }
    hanoi(k - 1, x, z, y);
    moves.push_back({x, k, z});
    hanoi(k - 1, y, x, z);
  };
  hanoi(n, 'a', 'b', 'c');
  return moves;
}

// ---------------------------------------------------------------- windows and data

THanoi::THanoi(const QStringList& source) : TAlgoDemo(source) {}
THanoi::~THanoi() = default;

void THanoi::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  graphForm_ = std::make_unique<THanoiGraphForm>();
  // At most five frames: one column of five rows.
  stackForm_ = MakeStackWindow({.cols = 1, .rows = 5, .title = QStringLiteral("Addr   n   x   y   z        "),
                               .columns = true});
  SayMeanings();
}

void THanoi::SayMeanings() {
  // Row k shows the call at run-stack depth k + 1 (Main being 0).
  stackForm_->Stack->RowsStandFor = [this](int index) { return RowFor(index + 1); };
  graphForm_->Towers->PlateStandsFor = [this](int size) { return PlateFor(size); };
  for (int k = 1; k <= THanoiGraphForm::CellCount; ++k)
    graphForm_->ResText[static_cast<std::size_t>(k - 1)]->Stands = {{.Value = [this, k]() -> std::optional<QString> {
      if (RunStack()->Count() == 0 || CurLine() == nullptr) return std::nullopt;
      if (k > MovesMade()) return QString();
      const THanoiMove m = HanoiMoves(N)[static_cast<std::size_t>(k - 1)];
      return HanoiMoveText(k, m.from, m.plate, m.to);
    }}};
}

int THanoi::MovesMade() const {
  // Each call of hanoi(n, ...) has made, by the line it stands on, the moves of its first
  // call and its own (2^(n-1)) once its second call is made or made, all 2^n - 1 at its end;
  // the calls inside it count their own.
  const TRunFrames calls{*this};
  int made = 0;
  for (int d = 0; d < calls.Count(); ++d) {
    const QString line = calls.Line(d);
    if (d == 0) {
      if (line == QLatin1String("End")) made = (1 << N) - 1;
      continue;
    }
    const int n = calls.Int(d, "n").value_or(0);
    if (n == 1) {
      made += line == QLatin1String("End") ? 1 : 0;
    } else if (line == QLatin1String("MiddleMove")) {
      made += (1 << (n - 1)) - 1;
    } else if (line == QLatin1String("SecondHanoi")) {
      made += 1 << (n - 1);
    } else if (line == QLatin1String("End")) {
      made += (1 << n) - 1;
    }
  }
  return made;
}

std::optional<QString> THanoi::RowFor(int depth) const {
  const TRunFrames calls{*this};
  if (depth >= calls.Count()) return std::nullopt;
  const QString from = calls.CalledFrom(depth);
  const int addr = from == QLatin1String("FirstHanoi") ? 5 : from == QLatin1String("SecondHanoi") ? 7 : 0;
  return THanoiStkData(QString(), addr, calls.Int(depth, "n").value_or(0), calls.Char(depth, "x").value_or('?'),
                       calls.Char(depth, "y").value_or('?'), calls.Char(depth, "z").value_or('?'))
      .GetText();
}

std::optional<QString> THanoi::PlateFor(int size) const {
  // The poles as the moves made so far leave them, plate 1 (the largest) at the bottom of a.
  std::vector<int> poles[3];
  for (int k = 1; k <= N; ++k) poles[0].push_back(k);
  const std::vector<THanoiMove> moves = HanoiMoves(N);
  const int made = CurLine() != nullptr ? MovesMade() : 0;
  for (int i = 0; i < made && i < static_cast<int>(moves.size()); ++i) {
    std::vector<int>& from = poles[moves[static_cast<std::size_t>(i)].from - 'a'];
    if (from.empty()) return std::nullopt;
    poles[moves[static_cast<std::size_t>(i)].to - 'a'].push_back(from.back());
    from.pop_back();
  }
  for (int p = 0; p < 3; ++p)
    for (std::size_t level = 0; level < poles[p].size(); ++level)
      if (poles[p][level] == size) return THanoiTowers::PlaceNote(size, static_cast<char>('a' + p), static_cast<int>(level));
  return std::nullopt;
}


bool THanoi::CreateData() {
  THanoiInputDlg dlg;
  if (dlg.ShowModal() != mrOk) return false;
  N = dlg.PlateCount();
  graphForm_->Towers->SetPlateCount(N);
  return true;
}

void THanoi::SetWindowRect() {
  MainForm->DockThreePanes(graphForm_.get(), 60, AlgorithmForm, 60, stackForm_.get());
}

void THanoi::Reset() {
  TAlgoDemo::Reset();
  for (TZqStaticText* cell : graphForm_->ResText) cell->SetCaption(QString());
  MoveCount = 0;
  THanoiTowers& towers = *graphForm_->Towers;
  towers.SetPlateCount(N);
  towers.AfterRescale();
  towers.Repaint();
  stackForm_->Stack->Clear();
}

void THanoi::UpdateChildWindow() {
  TAlgoDemo::UpdateChildWindow();
  if (UpdateHiddenWindows || graphForm_->isVisible()) {
    graphForm_->Update();
    stackForm_->Update();
  }
}

// ---------------------------------------------------------------- helpers

TData* THanoi::Call(int addr, int n, char x, char y, char z) {
  stackForm_->Stack->Push(std::make_unique<THanoiStkData>(QString(), addr, n, x, y, z));
  return NewFrame(IntVar("n", n), CharVar("x", x), CharVar("y", y), CharVar("z", z));
}

char THanoi::Peg(const char* name) const { return Var<TCharData>(name).Value(); }

void THanoi::Move(int plate) {
  const char from = Peg("x");
  const char to = Peg("z");
  graphForm_->Towers->MovePlate(from, to);
  ++MoveCount;
  if (MoveCount <= THanoiGraphForm::CellCount)
    graphForm_->ResText[static_cast<std::size_t>(MoveCount - 1)]->SetCaption(
        HanoiMoveText(MoveCount, from, plate, to));
  graphForm_->Towers->Repaint();
}

// ---------------------------------------------------------------- Main

// hanoi(n,'a','b','c');
TData* THanoi::Main_C_Begin() { return Call(0, N, 'a', 'b', 'c'); }
void THanoi::Main_AfterBegin() { (void)stackForm_->Stack->Pop(); }

// ---------------------------------------------------------------- Hanoi

// 2  IF n=1 THEN
bool THanoi::Hanoi_F_Begin() { return Var("n").Value() == 1; }

// 3    move(x,1,z)
void THanoi::Hanoi_LastMove() { Move(1); }

// 5    hanoi(n-1,x,z,y);
TData* THanoi::Hanoi_C_FirstHanoi() {
  return Call(5, Var("n").Value() - 1, Peg("x"), Peg("z"), Peg("y"));
}
void THanoi::Hanoi_AfterFirstHanoi() { (void)stackForm_->Stack->Pop(); }

// 6    move(x,n,z);
void THanoi::Hanoi_MiddleMove() { Move(Var("n").Value()); }

// 7    hanoi(n-1,y,x,z)
TData* THanoi::Hanoi_C_SecondHanoi() {
  return Call(7, Var("n").Value() - 1, Peg("y"), Peg("x"), Peg("z"));
}
void THanoi::Hanoi_AfterSecondHanoi() { (void)stackForm_->Stack->Pop(); }
