#include "demos/stacks/Bank.h"

#include <QToolButton>
#include <algorithm>

#include "demos/stacks/BankADTF.h"
#include "demos/stacks/BankCtnForm.h"
#include "demos/stacks/BankGF.h"
#include "demos/stacks/QueryTimeF.h"
#include "framework/engine/BasicData.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/DemoViews.h"
#include "framework/engine/RunFrames.h"
#include "framework/shell/MainForm.h"
#include "platform/ModalHost.h"
#include "platform/Pacing.h"
#include "platform/Random.h"

namespace {

// Writes value into the integer named so among owner's children, when it differs (so that
// only what a step changed shows as changed).
void Write(TData* owner, const char* name, int value) {
  if (owner == nullptr) return;
  auto* v = dynamic_cast<TIntData*>(owner->FindByName(QString::fromLatin1(name)));
  if (v != nullptr && v->Value() != value) v->SetValue(value);
}

}  // namespace

TBank::TBank(const QStringList& source) : TAlgoDemo(source) {}
TBank::~TBank() = default;

// ---------------------------------------------------------------- windows and data

void TBank::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  ctnForm_ = std::make_unique<TBankCtnForm>();
  adtf_ = new TADTF();
  gf_ = new TGF();
  adtf_->Model = &model_;
  gf_->SetModel(&model_);
  ctnForm_->HostViews(gf_, adtf_);
  SayMeanings();
}

void TBank::SayMeanings() {
  // The data view's cells (standing for their Model) and the hall's queues show the
  // simulation's queues and event list.
  gf_->Hall->PlaceStandsFor = [this](int k, int j) -> std::optional<QString> {
    if (CurLine() == nullptr) return std::nullopt;
    const int waiting = static_cast<int>(model_.Queue(k).size());
    return j < std::min(waiting, TBankHall::ShownPerQueue) ? TBankHall::PlaceNote(k, j) : QStringLiteral("nobody there");
  };
  // The counters, from the line that sets each to the report that clears them.
  const auto shown = [this](const char* setAt, const char* setBy) {
    const TRunFrames calls{*this};
    if (calls.Count() == 0) return false;
    const QString first = calls.Line(0);
    if (first == QLatin1String("End")) return false;
    if (calls.Count() == 1) return first != QLatin1String("Begin");
    if (calls.Procedure(1) != QLatin1String("BankOpen")) return true;
    const QString line = calls.Line(1);
    return line != QLatin1String(setAt) && line != QLatin1String(setBy);
  };
  gf_->CustomersStandFor = [this, shown]() -> std::optional<QString> {
    if (CurLine() == nullptr) return std::nullopt;
    return shown("Begin", "SetCustomerNum") ? QString::number(model_.CusNum) + QStringLiteral("人次") : QString();
  };
  gf_->TotalTimeStandsFor = [this, shown]() -> std::optional<QString> {
    if (CurLine() == nullptr) return std::nullopt;
    return shown("Begin", "Begin") ? QString::number(model_.TotalTime) + QStringLiteral("分钟") : QString();
  };
}

void TBank::DestroyChildWindow() {
  ctnForm_.reset();  // the views go with it
  gf_ = nullptr;
  adtf_ = nullptr;
  TAlgoDemo::DestroyChildWindow();
}

std::unique_ptr<TRecord> TBank::NewEvNode() const {
  auto node = std::make_unique<TRecord>(QStringLiteral("EvNode"));
  AddVars(*node, IntVar("OccurTime", model_.EvNode.OccurTime), IntVar("NType", model_.EvNode.NType));
  return node;
}

std::unique_ptr<TData> TBank::GetInitialParam() {
  return std::unique_ptr<TData>(NewFrame(NewEvNode()));
}

bool TBank::CreateData() {
  // The run button stays off while the hours are asked for.
  QAbstractButton* run = MainForm ? MainForm->Buttons(static_cast<int>(ToolButton::DemoRun)) : nullptr;
  const bool wasEnabled = run != nullptr && run->isEnabled();
  if (run) run->setEnabled(false);
  TQueryTimeF dlg;
  // A dialog closed without OK keeps the hours it had.
  if (dlg.ShowModal() == mrOk) {
    model_.CurTime = dlg.CurTime;
    model_.CloseTime = dlg.CloseTime;
  }
  if (run) run->setEnabled(wasEnabled);
  return true;
}

void TBank::SetWindowRect() {
  MainForm->DockThreePanes(ctnForm_.get(), 60, AlgorithmForm, 80, VariableForm);
  ctnForm_->show();
  // The container chooses its view itself: its pane is not folded away.
  if (TSplitWnds* frame = MainForm->DockFrame()) {
    for (int p = 1; p <= frame->PaneCount(); ++p)
      if (QWidget* fold = frame->Pane(p)->FoldButton()) fold->hide();
  }
}

void TBank::Reset() {
  TAlgoDemo::Reset();
  model_.Clear();
  loopJ_ = 0;
  gf_->ClearCounters();
  ctnForm_->AnimBtnClick();
  gf_->ResetScene();
  adtf_->ShowAll();
}

// ---------------------------------------------------------------- helpers

void TBank::Pump() { pacing::ProcessMessages(); }

void TBank::Refresh() {
  Pump();
  ShowVariables();
}

void TBank::ShowVariables() {
  TData* locals = Locals();
  if (locals == nullptr) return;
  Write(locals, "TotalTime", model_.TotalTime);
  Write(locals, "CusNum", model_.CusNum);
  Write(locals, "DurTime", model_.DurTime);
  Write(locals, "Interval", model_.Interval);
  Write(locals, "NextArriveTime", model_.NextArriveTime);
  Write(locals, "i", model_.i);
  TData* node = locals->FindByName(QStringLiteral("EvNode"));
  Write(node, "OccurTime", model_.EvNode.OccurTime);
  Write(node, "NType", model_.EvNode.NType);
  TData* cus = locals->FindByName(QStringLiteral("Cus"));
  Write(cus, "ArriveTime", model_.Cus.ArriveTime);
  Write(cus, "DurTime", model_.Cus.DurTime);
}

void TBank::InsertEvent(const TBankEvent& event) {
  model_.InsertEvent(event);
  adtf_->ShowEvents();
  if (event.NType == 0) gf_->Announce(event.OccurTime);
}

// ---------------------------------------------------------------- BankSimulation

// BankOpen;
TData* TBank::BankSimulation_C_Begin() {
  Pump();
  // One seed a run: the day's customers follow from it.
  rnd::Randomize();
  model_.Running = true;
  return NewFrame(IntVar("TotalTime", model_.TotalTime), IntVar("CusNum", model_.CusNum), NewEvNode());
}

// Back from a call, and the step after it on the same line: the caller's variables again.
void TBank::BankSimulation_AfterBegin() { Refresh(); }
void TBank::BankSimulation_Begin() { Refresh(); }

// WHILE NOT Empty(EvList)
bool TBank::BankSimulation_F_Rotate() {
  Pump();
  return model_.EvCount() > 0;
}

// DelFirst(EvList, EvNode)
void TBank::BankSimulation_GetEvNode() {
  Pump();
  model_.TakeFirstEvent();
  adtf_->ShowEvents();
  ShowVariables();
}

// IF EvNode.NType = 0
bool TBank::BankSimulation_F_IsType0() {
  Pump();
  return model_.EvNode.NType == 0;
}

TData* TBank::BankSimulation_C_OnCustomerArrive() {
  Pump();
  return NewFrame(IntVar("CusNum", model_.CusNum), IntVar("DurTime", model_.DurTime),
                  IntVar("Interval", model_.Interval), IntVar("NextArriveTime", model_.NextArriveTime),
                  IntVar("i", model_.i), NewEvNode());
}

void TBank::BankSimulation_AfterOnCustomerArrive() { Refresh(); }
void TBank::BankSimulation_OnCustomerArrive() { Refresh(); }

TData* TBank::BankSimulation_C_OnCustomerDepart() {
  Pump();
  auto cus = std::make_unique<TRecord>(QStringLiteral("Cus"));
  AddVars(*cus, IntVar("ArriveTime", model_.Cus.ArriveTime), IntVar("DurTime", model_.Cus.DurTime));
  return NewFrame(NewEvNode(), IntVar("i", model_.i), std::move(cus));
}

void TBank::BankSimulation_AfterOnCustomerDepart() { Refresh(); }
void TBank::BankSimulation_OnCustomerDepart() { Refresh(); }

// The average stay; the first customer comes at opening time, so CusNum is at least 1.
void TBank::BankSimulation_Output() {
  Pump();
  modal::MessageDlg(QStringLiteral("客户平均逗留时间是") + BankAverage(model_.TotalTime, model_.CusNum) +
                        QStringLiteral("分钟"),
                    modal::Icon::Information, modal::Buttons::Ok);
  gf_->Finish();
  model_.Running = false;
  gf_->ClearCounters();
  views::Toolbar().EnableButton(ToolButton::DemoRun, true);
}

// ---------------------------------------------------------------- BankOpen

// TotalTime := 0
void TBank::BankOpen_Begin() {
  Pump();
  model_.TotalTime = 0;
  loopJ_ = 0;
  gf_->ShowTotalTime(0);
  ShowVariables();
}

// CusNum := 0
void TBank::BankOpen_SetCustomerNum() {
  Pump();
  model_.CusNum = 0;
  gf_->ShowCustomers(0);
  ShowVariables();
}

// InitList(EvList)
void TBank::BankOpen_ClearEvList() {
  Pump();
  model_.EvList.clear();
  adtf_->ShowEvents();
}

// EvNode.OccurTime := CurTime
void TBank::BankOpen_SetEvOccurTime() {
  Pump();
  model_.EvNode.OccurTime = model_.CurTime;
  ShowVariables();
}

// EvNode.NType := 0
void TBank::BankOpen_SetType0() {
  Pump();
  model_.EvNode.NType = 0;
  ShowVariables();
}

// OrderInsert(EvList, EvNode): the list holds the first arrival only.
void TBank::BankOpen_InsEv() {
  Pump();
  model_.EvList.clear();
  InsertEvent(model_.EvNode);
}

// FOR j := 1 TO 4
bool TBank::BankOpen_F_Rotate() {
  Pump();
  return ++loopJ_ <= TBankModel::TellerCount;
}

// InitQueue(Q[j])
void TBank::BankOpen_InitQueue() {
  Pump();
  model_.Queue(loopJ_).clear();
  adtf_->ShowQueue(loopJ_);
}

// ---------------------------------------------------------------- OnCusArrive

// CusNum := CusNum + 1
void TBank::OnCusArrive_Begin() {
  Pump();
  model_.CusNum += 1;
  gf_->ShowCustomers(model_.CusNum);
  gf_->Enter(model_.EvNode.OccurTime);
  ShowVariables();
}

// DurTime and Interval at random (the generator was seeded when the run began).
void TBank::OnCusArrive_RandomizeTransac() {
  Pump();
  model_.DurTime = rnd::Random(30) + 13;
  model_.Interval = rnd::Random(7) + 3;
  gf_->Wish(model_.DurTime);
  ShowVariables();
}

// NextArriveTime := EvNode.OccurTime + Interval
void TBank::OnCusArrive_SetNextArriveTim() {
  Pump();
  model_.NextArriveTime = model_.EvNode.OccurTime + model_.Interval;
  ShowVariables();
}

// IF NextArriveTime < CloseTime
bool TBank::OnCusArrive_F_IsNATBelowCT() {
  Pump();
  return model_.NextArriveTime < model_.CloseTime;
}

// OrderInsert(EvList, (NextArriveTime, 0))
void TBank::OnCusArrive_InsEv2() {
  Pump();
  InsertEvent({model_.NextArriveTime, 0});
}

// i := Minimum(Q)
void TBank::OnCusArrive_ChooseShortest() {
  Pump();
  model_.i = model_.ShortestQueue();
  ShowVariables();
}

// EnQueue(Q[i], (EvNode.OccurTime, DurTime))
void TBank::OnCusArrive_AddQue() {
  Pump();
  model_.Queue(model_.i).push_back({model_.EvNode.OccurTime, model_.DurTime});
  adtf_->ShowQueue(model_.i);
  gf_->WalkToQueue(model_.i);
}

// IF QueueLength(Q[i]) = 1
bool TBank::OnCusArrive_F_IsOnlyOneInQue() {
  Pump();
  return model_.Queue(model_.i).size() == 1;
}

// OrderInsert(EvList, (EvNode.OccurTime + DurTime, i)): served at once.
void TBank::OnCusArrive_InsEv3() {
  Pump();
  const int until = model_.EvNode.OccurTime + model_.DurTime;
  InsertEvent({until, model_.i});
  gf_->Served(model_.Queue(model_.i).back(), until);
}

// ---------------------------------------------------------------- OnCusDepart

// i := EvNode.NType
void TBank::OnCusDepart_Begin() {
  Pump();
  model_.i = model_.EvNode.NType;
  ShowVariables();
}

// DelQueue(Q[i], Cus)
void TBank::OnCusDepart_DelFirstCusInQue() {
  Pump();
  auto& queue = model_.Queue(model_.i);
  if (queue.empty()) return;  // a departure always has its customer; nothing to take else
  model_.Cus = queue.front();
  queue.pop_front();
  adtf_->ShowQueue(model_.i);
  gf_->Leave(model_.i, model_.EvNode.OccurTime);
  ShowVariables();
}

// TotalTime := TotalTime + EvNode.OccurTime - Cus.ArriveTime
void TBank::OnCusDepart_SetTotalTime() {
  Pump();
  model_.TotalTime += model_.EvNode.OccurTime - model_.Cus.ArriveTime;
  gf_->ShowTotalTime(model_.TotalTime);
  ShowVariables();
}

// IF NOT QueueEmpty(Q[i])
bool TBank::OnCusDepart_F_IsQueNotEmpty() {
  Pump();
  return !model_.Queue(model_.i).empty();
}

// GetHead(Q[i], Cus)
void TBank::OnCusDepart_GetHeadOfQue() {
  Pump();
  const auto& queue = model_.Queue(model_.i);
  if (!queue.empty()) model_.Cus = queue.front();
  ShowVariables();
}

// OrderInsert(EvList, (EvNode.OccurTime + Cus.DurTime, i)): the next one is served.
void TBank::OnCusDepart_InsEv4() {
  Pump();
  const int until = model_.EvNode.OccurTime + model_.Cus.DurTime;
  InsertEvent({until, model_.i});
  gf_->Served(model_.Cus, until);
}
