#include "demos/stacks/Hanoi.h"

#include "demos/stacks/HanoiGraphForm.h"
#include "demos/stacks/HanoiInputDlg.h"
#include "demos/stacks/HanoiTowers.h"
#include "demos/stacks/NamedVar.h"
#include "framework/drawkit/StackBox.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"

// ---------------------------------------------------------------- stack row and moves

THanoiStkData::THanoiStkData(const QString& name, int addr, int n, char x, char y, char z)
    : TData(name), Addr(addr), n(n), x(x), y(y), z(z) {}

QString THanoiStkData::GetText() const {
  return CutText(QStringLiteral("%1  %2  %3  %4  %5")
                     .arg(Addr)
                     .arg(n)
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
  stackForm_ = std::make_unique<TAckmanGraphForm>();
}

void THanoi::AfterConstruction() {
  // At most five frames: one column of five rows, laid out at the next resize.
  stackForm_->SetCaption(QStringLiteral("堆栈"));
  TStackBox& stack = *stackForm_->Stack;
  stack.ColCount = 1;
  stack.RowCount = 5;
  stack.NodeFont.Name = QStringLiteral("Courier New");
  stack.Title = QStringLiteral("Addr   n   x   y   z        ");
}

std::unique_ptr<TData> THanoi::GetInitialParam() { return std::make_unique<TData>(QString()); }

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
  auto* args = new TData(QString());
  VarN = args->Add(new TIntData(QStringLiteral("n"), n));
  VarX = args->Add(new TCharData(QStringLiteral("x"), x));
  VarY = args->Add(new TCharData(QStringLiteral("y"), y));
  VarZ = args->Add(new TCharData(QStringLiteral("z"), z));
  stackForm_->Stack->Push(std::make_unique<THanoiStkData>(QString(), addr, n, x, y, z));
  return args;
}

void THanoi::Returned() {
  VarN = NamedVar(Locals(), "n");
  VarX = NamedVar<TCharData>(Locals(), "x");
  VarY = NamedVar<TCharData>(Locals(), "y");
  VarZ = NamedVar<TCharData>(Locals(), "z");
  (void)stackForm_->Stack->Pop();
}

void THanoi::Move(int plate) {
  const char from = VarX->Value();
  const char to = VarZ->Value();
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
bool THanoi::Hanoi_F_Begin() { return NamedVar(Locals(), "n")->Value() == 1; }

// 3    move(x,1,z)
void THanoi::Hanoi_LastMove() { Move(1); }

// 5    hanoi(n-1,x,z,y);
TData* THanoi::Hanoi_C_FirstHanoi() {
  return Call(5, VarN->Value() - 1, VarX->Value(), VarZ->Value(), VarY->Value());
}
void THanoi::Hanoi_AfterFirstHanoi() { Returned(); }

// 6    move(x,n,z);
void THanoi::Hanoi_MiddleMove() { Move(VarN->Value()); }

// 7    hanoi(n-1,y,x,z)
TData* THanoi::Hanoi_C_SecondHanoi() {
  return Call(7, VarN->Value() - 1, VarY->Value(), VarX->Value(), VarZ->Value());
}
void THanoi::Hanoi_AfterSecondHanoi() { Returned(); }
