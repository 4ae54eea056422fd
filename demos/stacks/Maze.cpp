#include "demos/stacks/Maze.h"

#include "demos/stacks/MazeData.h"
#include "demos/stacks/MazeGraphForm.h"
#include "demos/stacks/StkContainerForm.h"
#include "framework/drawkit/StackBox.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/DemoViews.h"
#include "framework/engine/Globals.h"
#include "framework/engine/RunFrames.h"
#include "framework/shell/MainForm.h"
#include "platform/ModalHost.h"

// ---------------------------------------------------------------- stack row

TMazeStkData::TMazeStkData(const QString& name, int addr, bool succ, int k, int x, int y, int i)
    : TData(name), Addr(addr), k(k), x(x), y(y), i(i), succ(succ) {}

QString TMazeStkData::GetText() const {
  return CutText(QStringLiteral("%1").arg(Addr, -6) + (succ ? QStringLiteral(" TRUE") : QStringLiteral("FALSE")) +
                 QStringLiteral("%1%2%3").arg(k, 4).arg(x, 4).arg(y, 4) +
                 (i < 0 ? QStringLiteral("    ") : QStringLiteral("%1").arg(i, 4)));
}

// ---------------------------------------------------------------- windows and data

TMaze::TMaze(const QStringList& source) : TAlgoDemo(source) {}

TMaze::~TMaze() {
  if (stkContainer_) stkContainer_->ReleaseStack();
}

TMazeData* TMaze::Maze() const { return graphForm_->Maze; }

void TMaze::DemoFinished() {
  modal::ShowMessage(succ_ ? QStringLiteral("演示结束，成功走出迷宫！") : QStringLiteral("演示结束，无法走出迷宫！"));
}

void TMaze::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  graphForm_ = std::make_unique<TfrmMazeGraphForm>();
  stkContainer_ = std::make_unique<TStkContainerForm>();
  stkContainer_->Embed();
  // Row k shows the call at run-stack depth k + 1 (Main being 0); a cell shows m[x, y].
  stkContainer_->Stack->RowsStandFor = [this](int index) { return RowFor(index + 1); };
  Maze()->StandsFor = [this](int x, int y) -> std::optional<QString> {
    if (CurLine() == nullptr) return std::nullopt;
    return QString(TMazeData::StateChar(M(x, y)));
  };
}

std::optional<QString> TMaze::RowFor(int depth) const {
  const TRunFrames calls{*this};
  if (depth >= calls.Count()) return std::nullopt;
  const int addr = calls.CalledFrom(depth) == QLatin1String("NextStep") ? 2 : 0;
  // i is blank until line 8 sets it.
  return TMazeStkData(QString(), addr, calls.Bool(depth, "succ").value_or(false), calls.Int(depth, "k").value_or(0),
                      calls.Int(depth, "x").value_or(0), calls.Int(depth, "y").value_or(0), calls.Int(depth, "i").value_or(-1))
      .GetText();
}

void TMaze::AfterConstruction() {
  // Deep recursion: thin nested frames leave room for the text.
  views::Algorithm().SetFrameBevelWidth(1);
  views::Algorithm().SetFrameBorderWidth(1);
}

std::unique_ptr<TData> TMaze::GetGlobalData() {
  succ_ = false;
  return std::unique_ptr<TData>(NewFrame(BoolVar("succ", false)));
}


bool TMaze::CreateData() { return Maze()->Edit(); }

void TMaze::ResetLocalData(const QString& procName) {
  if (procName != QLatin1String("Seek")) return;
  // Not yet assigned: line 8 sets it.
  auto i = IntVar("i", 0);
  i->SetAssigned(false);
  AddVars(*Locals(), std::move(i));
}

void TMaze::SaveData(const QString& fileName) { Maze()->SaveToFile(fileName); }

void TMaze::LoadData(const QString& fileName) {
  Maze()->LoadFromFile(fileName);
  Maze()->Repaint();
  Reset();
}

void TMaze::SetWindowRect() {
  MainForm->DockThreePanes(graphForm_.get(), 55, AlgorithmForm, 60, stkContainer_.get());
  Maze()->show();
}

void TMaze::Reset() {
  TAlgoDemo::Reset();
  Maze()->ClearMarks();
  for (int x = 1; x <= TMazeData::Size; ++x)
    for (int y = 1; y <= TMazeData::Size; ++y) m_.at(MIndex(x, y)) = static_cast<std::uint8_t>(Maze()->GetCell(x, y));
  stkContainer_->Stack->Clear();
  stkContainer_->ResetPage();
}

void TMaze::UpdateChildWindow() {
  TAlgoDemo::UpdateChildWindow();
  if (UpdateHiddenWindows || graphForm_->isVisible()) {
    graphForm_->Update();
    stkContainer_->EmbeddedStack->Update();
  }
}

// ---------------------------------------------------------------- helpers

int TMaze::Dx(int i) { return i == 1 ? 1 : i == 3 ? -1 : 0; }
int TMaze::Dy(int i) { return i == 2 ? 1 : i == 4 ? -1 : 0; }
std::uint8_t TMaze::Arrow(int i) {
  constexpr std::uint8_t arrows[] = {msRight, msDown, msLeft, msUp};
  return arrows[i - 1];
}

TData* TMaze::Call(int addr, int k, int x, int y) {
  succ_ = false;
  stkContainer_->Stack->Push(std::make_unique<TMazeStkData>(QString(), addr, false, k, x, y, -1));
  return NewFrame(BoolVar("succ", false), IntVar("k", k), IntVar("x", x), IntVar("y", y));
}

void TMaze::ReplaceTopRow() {
  TStackBox& stack = *stkContainer_->Stack;
  const int addr = static_cast<TMazeStkData*>(stack.Top())->Addr;
  stack.UpdateRow(stack.Count() - 1,
                  std::make_unique<TMazeStkData>(QString(), addr, Var<TBoolData>("succ").Value(), Var("k").Value(), Var("x").Value(),
                                                 Var("y").Value(), Var("i")->Assigned() ? Var("i").Value() : -1));
}

std::size_t TMaze::MIndex(int x, int y) {
  static_assert(std::tuple_size_v<decltype(m_)> == TMazeData::FileSize);
  return static_cast<std::size_t>((x - 1) * TMazeData::Size + y - 1);
}

void TMaze::SetM(int x, int y, std::uint8_t state) {
  m_.at(MIndex(x, y)) = state;
  Maze()->SetCell(x, y, state);
}

// ---------------------------------------------------------------- Main

// succ := false;
void TMaze::Main_Begin() {}

// Seek(1,1,1);
TData* TMaze::Main_C_StartSeek() { return Call(0, 1, 1, 1); }

void TMaze::Main_AfterStartSeek() { (void)stkContainer_->Stack->Pop();
}

// ---------------------------------------------------------------- Seek

// 3  IF m[x,y] = empty THEN
bool TMaze::Seek_F_Begin() { return M(Var("x").Value(), Var("y").Value()) == msEmpty; }

// 4    m[x,y] := visited;
void TMaze::Seek_visit() { SetM(Var("x").Value(), Var("y").Value(), msVisited); }

// 5    IF Goal(x,y) THEN
bool TMaze::Seek_F_TestGoal() { return Var("x").Value() == TMazeData::Size && Var("y").Value() == TMazeData::Size; }

// 6      succ := true
void TMaze::Seek_Goal() {
  succ_ = true;
  Var<TBoolData>("succ").SetValue(true);
  // The call's row says so too.
  ReplaceTopRow();
  modal::ShowMessage(QStringLiteral("成功走出迷宫！"));
}

// 8      i := 0;
void TMaze::Seek_Seti() {
  Var("i").SetValue(0);
  Var("i")->SetAssigned(true);
  ReplaceTopRow();
}

// 9      WHILE (NOT succ) AND (i<4) DO
bool TMaze::Seek_F_Search() { return !succ_ && Var("i").Value() < 4; }

// 10       i := i+1;
void TMaze::Seek_Inci() {
  Var("i").SetValue(Var("i").Value() + 1);
  ReplaceTopRow();
}

// 11       IF InBound(x,y,i) THEN
bool TMaze::Seek_F_TestBound() {
  const int i = Var("i").Value();
  const int x = Var("x").Value() + Dx(i);
  const int y = Var("y").Value() + Dy(i);
  return x >= 1 && x <= TMazeData::Size && y >= 1 && y <= TMazeData::Size;
}

// 12         Seek(k+1,xi,yi);
TData* TMaze::Seek_C_NextStep() {
  const int i = Var("i").Value();
  const int x = Var("x").Value();
  const int y = Var("y").Value();
  SetM(x, y, Arrow(i));
  TData* args = Call(2, Var("k").Value() + 1, x + Dx(i), y + Dy(i));
  stkContainer_->ResetPage();
  return args;
}

void TMaze::Seek_AfterNextStep() {
  // The callee's succ went with its record; its value stays in succ_.
  (void)stkContainer_->Stack->Pop();
  stkContainer_->ResetPage();
}

void TMaze::Seek_NextStep() {}

// 15   IF NOT succ THEN
bool TMaze::Seek_F_TestSucc() { return !succ_; }

// 16     m[x,y] := returned;
void TMaze::Seek_Mark() { SetM(Var("x").Value(), Var("y").Value(), msReturned); }
