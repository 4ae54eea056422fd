#include "demos/stacks/Trains.h"

#include "demos/stacks/MyStringData.h"
#include "demos/stacks/TrainForm.h"
#include "framework/drawkit/StackBox.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/DemoViews.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"

TTrains::TTrains(const QStringList& source) : TAlgoDemo(source) {}
TTrains::~TTrains() = default;

void TTrains::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  trainForm_ = std::make_unique<TTrainForm>();
  TrainForm = trainForm_.get();
  // The widest row is a complete order: one push and one pop for every car.
  stackForm_ = MakeStackWindow({.cols = 2,
                                .rows = 6,
                                .title = QStringLiteral("pun  pon  n  order"),
                                .columns = true,
                                .fieldChars = static_cast<int>(RowText(Cars, Cars, Cars, QString(2 * Cars, 'S')).size())});
}

void TTrains::AfterConstruction() {
  // Ten and more nested calls: thin frames leave room for the text.
  views::Algorithm().SetFrameBevelWidth(1);
  views::Algorithm().SetFrameBorderWidth(1);
}

void TTrains::DestroyChildWindow() {
  stackForm_.reset();
  TrainForm = nullptr;
  trainForm_.reset();
  TAlgoDemo::DestroyChildWindow();
}

std::unique_ptr<TData> TTrains::GetInitialParam() {
  return std::unique_ptr<TData>(
      NewFrame(IntVar("n", Cars), IntVar("pun", 0), IntVar("pon", 0), StrVar("order", QString()), IntVar("pos", 1)));
}

void TTrains::SetWindowRect() {
  MainForm->DockThreePanes(trainForm_.get(), 60, AlgorithmForm, 60, stackForm_.get());
}

void TTrains::Reset() {
  TAlgoDemo::Reset();
  // A reset in the middle of a run starts the railway and the drawn stack afresh too.
  stackForm_->Stack->Clear();
  trainForm_->Reset();
  trainForm_->SetOrder(QString());
  trainForm_->ClearResults();
}

// ---------------------------------------------------------------- helpers

QString TTrains::RowText(int pun, int pon, int n, const QString& order) {
  // Each field starts under the first letter of its heading in "pun  pon  n  order".
  return QStringLiteral("%1%2%3%4").arg(pun, -5).arg(pon, -5).arg(n, -3).arg(order);
}

int TTrains::Int(const char* name) const { return Var(name).Value(); }

QString TTrains::Order() const { return Var<TStringData>("order").Value(); }

QString TTrains::OpAt(int pos) const {
  const QString order = Order();
  return pos >= 1 && pos <= order.size() ? QString(order[pos - 1]) : QString();
}

TData* TTrains::GenCall(int pun, int pon, int n, const QString& order) {
  stackForm_->Stack->Push(std::make_unique<TMyStringData>(QString(), RowText(pun, pon, n, order)));
  return NewFrame(IntVar("pun", pun), IntVar("pon", pon), IntVar("n", n), StrVar("order", order));
}

void TTrains::PopRow() { (void)stackForm_->Stack->Pop(); }

// ---------------------------------------------------------------- TrainShow

// Gen(0,0,4,'')
TData* TTrains::Trains_C_Begin() { return GenCall(0, 0, Int("n"), QString()); }

void TTrains::Trains_AfterBegin() {
  PopRow();
  trainForm_->SetOrder(QString());
  trainForm_->SetPos(QString(), QString());
}

// ---------------------------------------------------------------- Gen

// IF (pun = n) AND (pon = n)
bool TTrains::GenOrder_F_Begin() { return Int("pun") == Int("n") && Int("pon") == Int("n"); }

// Perform(n, order)
TData* TTrains::GenOrder_C_Over() {
  trainForm_->SetOrder(Order());
  trainForm_->Repaint();
  return NewFrame(IntVar("n", Int("n")), StrVar("order", Order()), IntVar("pos", 1));
}

void TTrains::GenOrder_AfterOver() {
  trainForm_->RecordOrder();
  trainForm_->SetPos(QString(), QString());
}

// IF pun < n
bool TTrains::GenOrder_F_PunLess() { return Int("pun") < Int("n"); }

// Gen(pun+1, pon, n, order+'S')
TData* TTrains::GenOrder_C_AddS() { return GenCall(Int("pun") + 1, Int("pon"), Int("n"), Order() + 'S'); }
void TTrains::GenOrder_AfterAddS() { PopRow(); }

// IF pon < pun
bool TTrains::GenOrder_F_PonLess() { return Int("pon") < Int("pun"); }

// Gen(pun, pon+1, n, order+'X')
TData* TTrains::GenOrder_C_AddX() { return GenCall(Int("pun"), Int("pon") + 1, Int("n"), Order() + 'X'); }
void TTrains::GenOrder_AfterAddX() { PopRow(); }

// ---------------------------------------------------------------- Perform

// pos := 1
void TTrains::Perform_Begin() {
  Var("pos").SetValue(1);
  trainForm_->Reset();
  trainForm_->SetPos(QStringLiteral("1"), OpAt(1));
}

// WHILE pos <= 2*n
bool TTrains::Perform_F_WhileDo() { return Int("pos") <= 2 * Int("n"); }

// IF order[pos] = 'S'
bool TTrains::Perform_F_IF_S() { return OpAt(Int("pos")) == QLatin1String("S"); }

void TTrains::Perform_PushIn() { trainForm_->PushIn(); }
void TTrains::Perform_PopOut() { trainForm_->PopOut(); }

// pos := pos + 1
void TTrains::Perform_IncPos() {
  const int pos = Int("pos") + 1;
  Var("pos").SetValue(pos);
  trainForm_->SetPos(QString::number(pos), OpAt(pos));
}
