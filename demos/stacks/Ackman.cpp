#include "demos/stacks/Ackman.h"

#include "demos/stacks/AckmanInputDlg.h"
#include "framework/drawkit/CoolMsg.h"
#include "framework/drawkit/IntEdit.h"
#include "framework/drawkit/StackBox.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/DemoViews.h"
#include "framework/engine/Globals.h"
#include "framework/engine/RunFrames.h"
#include "framework/shell/MainForm.h"

// ---------------------------------------------------------------- stack row

TAckStackData::TAckStackData(const QString& name, int addr, int m, int n, int temp, int result)
    : TData(name), Addr(addr), m(m), n(n), temp(temp), result(result) {}

QString TAckStackData::GetText() const {
  // Under "Addr  m  n  temp  result" (the title without its leading blanks): Addr from the
  // heading's first letter, the numbers flush with their headings' last letters.
  const auto field = [](int v, int width) {
    return v < 0 ? QStringLiteral("?").rightJustified(width) : QStringLiteral("%1").arg(v, width);
  };
  return CutText(QStringLiteral("%1").arg(Addr, -4) + field(m, 3) + field(n, 3) + field(temp, 6) +
                 field(result, 8));
}

// ---------------------------------------------------------------- windows and data

TAckman::TAckman(const QStringList& source) : TAlgoDemo(source) {}
TAckman::~TAckman() = default;

void TAckman::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  graphForm_ = std::make_unique<TAckmanGraphForm>();
  graphForm_->Stack->FieldColumns = true;
  // Row k shows the call at run-stack depth k + 1 (Main being 0).
  graphForm_->Stack->RowsStandFor = [this](int index) { return RowFor(index + 1); };
  msgDlg_ = std::make_unique<TCoolMsgDlg>();
  msgDlg_->SetPosition(poScreenCenter);
  msgDlg_->SetCaption(QStringLiteral("阿克曼函数"));
}

void TAckman::AfterConstruction() {
  // Deep recursion: thin nested frames leave room for the text.
  views::Algorithm().SetFrameBevelWidth(1);
  views::Algorithm().SetFrameBorderWidth(1);
}


bool TAckman::CreateData() {
  TAckmanInputDlg dlg;
  if (dlg.ShowModal() != mrOk) return false;
  M = dlg.MEdit->Value();
  N = dlg.NEdit->Value();
  return true;
}

void TAckman::SetWindowRect() { MainForm->DockTwoPanes(graphForm_.get(), 60, AlgorithmForm); }

void TAckman::Reset() {
  TAlgoDemo::Reset();
  graphForm_->Stack->Clear();
}

void TAckman::UpdateChildWindow() {
  TAlgoDemo::UpdateChildWindow();
  if (UpdateHiddenWindows || graphForm_->isVisible()) graphForm_->Update();
}

// ---------------------------------------------------------------- helpers

std::optional<QString> TAckman::RowFor(int depth) const {
  const TRunFrames calls{*this};
  if (depth >= calls.Count()) return std::nullopt;
  const QString from = calls.CalledFrom(depth);
  const int addr = from == QLatin1String("AckLine3") ? 4 : from == QLatin1String("AckLine4") ? 7 : from == QLatin1String("AckLine5") ? 8 : 0;
  // temp and result are the first pair the call added to its own locals, made by its first
  // call; a call that makes none (m = 0) writes its result into the pair its caller made for
  // it, the caller's last. A call that waits for the one it made shows no result yet: what
  // comes back is written there before the return, and the row shows it once the call
  // above it is gone.
  const auto pairValue = [&](const char* name) -> int {
    const bool result = QLatin1String(name) == QLatin1String("result");
    if (result && depth < calls.Innermost()) return -1;
    if (const std::optional<int> own = calls.Int(depth, name)) return *own;
    if (!result) return -1;
    const TData* caller = calls.Locals(depth - 1);
    for (int i = caller != nullptr ? caller->Count() - 1 : -1; i >= 0; --i)
      if (const auto* v = dynamic_cast<const TIntData*>(caller->Items(i)); v && v->Name() == QLatin1String("result"))
        return v->Value();
    return -1;
  };
  return TAckStackData(QString(), addr, calls.Int(depth, "m").value_or(-1), calls.Int(depth, "n").value_or(-1),
                       pairValue("temp"), pairValue("result"))
      .GetText();
}

TAckStackData* TAckman::TopRow() const { return static_cast<TAckStackData*>(graphForm_->Stack->Top()); }

void TAckman::RetextTopRow() {
  TStackBox& stack = *graphForm_->Stack;
  stack.UpdateRow(stack.Count() - 1, stack.Top());
}

TData* TAckman::Call(int addr, int m, int n) {
  AddVars(*Locals(), IntVar("temp", -1), IntVar("result", -1));
  graphForm_->Stack->Push(std::make_unique<TAckStackData>(QString(), addr, m, n, -1, -1));
  return NewFrame(IntVar("m", m), IntVar("n", n));
}

TIntData& TAckman::CallResult() const {
  const TData& caller = *CallerLocals();
  return static_cast<TIntData&>(*caller.Items(caller.Count() - 1));
}

void TAckman::Returned(bool intoTemp) {
  Var(intoTemp ? "temp" : "result").SetValue(Res);
  (void)graphForm_->Stack->Pop();
  (intoTemp ? TopRow()->temp : TopRow()->result) = Res;
  RetextTopRow();
}

// ---------------------------------------------------------------- Main

// Res := Ackman(m, n)
TData* TAckman::Main_C_Begin() { return Call(0, M, N); }

void TAckman::Main_AfterBegin() {
  msgDlg_->Execute(QStringLiteral("结果为") + QString::number(Res) + QStringLiteral("。"));
  (void)graphForm_->Stack->Pop();
}

// ---------------------------------------------------------------- Ackman

// 1  IF m = 0 THEN
bool TAckman::Ackman_F_Begin() { return Var("m").Value() == 0; }

// 2    RETURN (n + 1)
void TAckman::Ackman_AckLine1() {
  Res = Var("n").Value() + 1;
  CallResult().SetValue(Res);
  TopRow()->result = Res;
  RetextTopRow();
}

// 3  ELSE IF n = 0 THEN
bool TAckman::Ackman_F_AckLine2() { return Var("n").Value() == 0; }

// 4    RETURN Ackman(m-1,1)
TData* TAckman::Ackman_C_AckLine3() { return Call(4, Var("m").Value() - 1, 1); }
void TAckman::Ackman_AfterAckLine3() { Returned(false); }
void TAckman::Ackman_AckLine3() {}

// 7    temp := Ackman(m,n-1)
TData* TAckman::Ackman_C_AckLine4() { return Call(7, Var("m").Value(), Var("n").Value() - 1); }
void TAckman::Ackman_AfterAckLine4() { Returned(true); }

// 8    RETURN Ackman(m-1,temp)
TData* TAckman::Ackman_C_AckLine5() { return Call(8, Var("m").Value() - 1, Var("temp").Value()); }
void TAckman::Ackman_AfterAckLine5() { Returned(false); }
