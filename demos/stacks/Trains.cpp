#include "demos/stacks/Trains.h"

#include <functional>

#include "demos/stacks/MyStringData.h"
#include "demos/stacks/TrainForm.h"
#include "framework/drawkit/StackBox.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/DemoViews.h"
#include "framework/engine/RunFrames.h"
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
  SayMeanings();
}

QStringList TTrains::Sequences(int n) {
  QStringList out;
  const std::function<void(int, int, const QString&)> gen = [&](int pun, int pon, const QString& order) {
    if (pun == n && pon == n) {
      out << order;
      return;
    }
    if (pun < n) gen(pun + 1, pon, order + 'S');
    if (pon < pun) gen(pun, pon + 1, order + 'X');
  };
  gen(0, 0, QString());
  return out;
}

QString TTrains::OutputOf(const QString& sequence) {
  QString out(TTrainForm::CarCount, QLatin1Char('?'));
  const std::vector<int> sent = TTrainForm::YardAfter(sequence).out;
  for (std::size_t k = 0; k < sent.size(); ++k) out[static_cast<qsizetype>(k)] = QChar('1' + sent[k]);
  return out;
}

TTrains::TRunState TTrains::RunState() const {
  const TRunFrames calls{*this};
  TRunState state;
  const int n = Cars;
  // Sequences Gen(pun, pon) completes, all of its subtree.
  const std::function<int(int, int)> below = [&](int pun, int pon) -> int {
    if (pun == n && pon == n) return 1;
    return (pun < n ? below(pun + 1, pon) : 0) + (pon < pun ? below(pun, pon + 1) : 0);
  };
  for (int d = 0; d < calls.Count(); ++d) {
    const QString proc = calls.Procedure(d);
    const QString line = calls.Line(d);
    if (proc == QLatin1String("Trains")) {
      if (line == QLatin1String("End")) state.completed += below(0, 0);
    } else if (proc == QLatin1String("GenOrder")) {
      const int pun = calls.Int(d, "pun").value_or(0);
      const int pon = calls.Int(d, "pon").value_or(0);
      // On the line after the first call (or where it would stand) the S branch is done; at
      // the end all of it; from the X call the S branch.
      if (line == QLatin1String("End")) state.completed += below(pun, pon);
      else if ((line == QLatin1String("PonLess") || line == QLatin1String("AddX")) && pun < n) state.completed += below(pun + 1, pon);
    } else if (proc == QLatin1String("Perform") && line != QLatin1String("Begin")) {
      state.performing = true;
      state.shown = calls.Str(d, "order").value_or(QString());
      state.pos = calls.Int(d, "pos").value_or(1);
      state.done = state.pos - 1 + (line == QLatin1String("IncPos") ? 1 : 0);
    }
  }
  if (!state.performing && state.completed > 0) {
    // Between two performances the railway shows how the last one ended.
    state.shown = Sequences(n).value(state.completed - 1);
    state.done = static_cast<int>(state.shown.size());
  }
  return state;
}

void TTrains::SayMeanings() {
  stackForm_->Stack->RowsStandFor = [this](int index) { return RowFor(index + 1); };
  TTrainForm& railway = *trainForm_;
  railway.CarStandsFor = [this](int column, int row) -> std::optional<QString> {
    if (CurLine() == nullptr) return std::nullopt;
    const TRunState state = RunState();
    for (const TTrainForm::TCarAt& p : TTrainForm::PlacesAfter(state.shown.left(state.done)))
      if (p.grid == QPoint(column, row)) return QString::number(p.car + 1);
    return QStringLiteral("no car");
  };
  // The sequence of the latest call of Perform, from its call on (none before the first and
  // after the run).
  railway.EOrder->Stands = {{.Value = [this]() -> std::optional<QString> {
    const TRunFrames calls{*this};
    if (calls.Count() == 0) return std::nullopt;
    for (int d = calls.Innermost(); d >= 0; --d)
      if (calls.Procedure(d) == QLatin1String("Perform")) return calls.Str(d, "order");
    const TRunState state = RunState();
    return state.completed > 0 && calls.Innermost() > 0 ? Sequences(Cars).value(state.completed - 1) : QString();
  }}};
  railway.EPos->Stands = {{.Value = [this]() -> std::optional<QString> {
    if (CurLine() == nullptr) return std::nullopt;
    const TRunState state = RunState();
    return state.performing ? QString::number(state.pos) : QString();
  }}};
  railway.EAct->Stands = {{.Value = [this]() -> std::optional<QString> {
    if (CurLine() == nullptr) return std::nullopt;
    const TRunState state = RunState();
    return state.performing ? state.shown.mid(state.pos - 1, 1) : QString();
  }}};
  for (int k = 1; k <= TTrainForm::ResultCells; ++k)
    railway.Edits[static_cast<std::size_t>(k)]->Stands = {{.Value = [this, k]() -> std::optional<QString> {
      if (CurLine() == nullptr) return std::nullopt;
      return k <= RunState().completed ? OutputOf(Sequences(Cars).value(k - 1)) : QString();
    }}};
}

std::optional<QString> TTrains::RowFor(int depth) const {
  const TRunFrames calls{*this};
  if (depth >= calls.Count() || calls.Procedure(depth) != QLatin1String("GenOrder")) return std::nullopt;
  return RowText(calls.Int(depth, "pun").value_or(0), calls.Int(depth, "pon").value_or(0), calls.Int(depth, "n").value_or(0),
                 calls.Str(depth, "order").value_or(QString()));
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
