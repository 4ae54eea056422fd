#include "demos/stacks/Hanoi.h"

#include "demos/stacks/HanoiGraphForm.h"
#include "demos/stacks/HanoiInputDlg.h"
#include "demos/stacks/HanoiTowers.h"
#include "framework/drawkit/StackBox.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/Globals.h"
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

// ---------------------------------------------------------------- windows and data

THanoi::THanoi(const QStringList& source) : TAlgoDemo(source) {}
THanoi::~THanoi() = default;

void THanoi::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  graphForm_ = std::make_unique<THanoiGraphForm>();
  // At most five frames: one column of five rows.
  stackForm_ = MakeStackWindow({.cols = 1, .rows = 5, .title = QStringLiteral("Addr   n   x   y   z        "),
                               .columns = true});
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
