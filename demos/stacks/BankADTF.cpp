#include "demos/stacks/BankADTF.h"

#include "demos/stacks/BankModel.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/Globals.h"

namespace {

// Design layout, 447 x 340: four queue blocks of two cell rows, then the event list.
constexpr int kCaptionX = 4;      // "No.k" over "Queue", "Event" over "List"
constexpr int kRowCaptionX = 46;  // "ArriveTime=>" over "TheDurTime=>", up to the cells
constexpr int kCellX = 130;
constexpr int kCellW = 42;
constexpr int kCellStep = 44;
constexpr int kRowH = 22;
constexpr int kRowStep = 24;
constexpr int kMoreX = kCellX + TADTF::ShownCustomers * kCellStep;  // 394
constexpr int kEventTop = 252;
constexpr int kEntryW = 60;
constexpr int kEntryStep = 63;

int QueueTop(int k) { return 8 + (k - 1) * 60; }
QRect ArriveRect(int k, int j) { return {kCellX + (j - 1) * kCellStep, QueueTop(k), kCellW, kRowH}; }
QRect DurRect(int k, int j) { return ArriveRect(k, j).translated(0, kRowStep); }
QRect MoreRect(int k) { return {kMoreX, QueueTop(k), 447 - 4 - kMoreX, kRowStep + kRowH}; }
QRect EvTimeRect(int j) { return {kCellX + (j - 1) * kEntryStep, kEventTop, kEntryW, kRowH}; }
QRect EvKindRect(int j) { return {kCellX + (j - 1) * kEntryStep, kEventTop + kRowStep, kEntryW, 2 * kRowH}; }

TFont CellFont(TColor color = clBlack) {
  return TFont{.Name = QStringLiteral("Arial"), .Height = -12, .Color = color};
}

TFont CaptionFont() {
  TFont f = CellFont(clNavy);
  f.Style = fsBold;
  return f;
}

}  // namespace

TADTF::TADTF(QWidget* parent) : TGraphForm(parent) {
  setObjectName(QStringLiteral("ADTF"));
  SetCaption(QStringLiteral("数据演示"));
  SetDesignClientSize(447, 340);

  const auto left = Qt::AlignLeft | Qt::AlignVCenter;
  for (int k = 1; k <= 4; ++k) {
    const int top = QueueTop(k);
    controls_.AddLabel(this, QStringLiteral("No.%1").arg(k), {kCaptionX, top, 44, kRowH}, CaptionFont(), left);
    controls_.AddLabel(this, QStringLiteral("Queue"), {kCaptionX, top + kRowStep, 44, kRowH}, CaptionFont(), left);
    controls_.AddLabel(this, QStringLiteral("ArriveTime=>"), {kRowCaptionX, top, kCellX - 1 - kRowCaptionX, kRowH}, CellFont(clNavy), left);
    controls_.AddLabel(this, QStringLiteral("TheDurTime=>"), {kRowCaptionX, top + kRowStep, kCellX - 1 - kRowCaptionX, kRowH}, CellFont(clNavy), left);
    for (int j = 1; j <= ShownCustomers; ++j) {
      arrive_[Index(k, j)] = controls_.AddLabel(this, QString(), ArriveRect(k, j), CellFont());
      arrive_[Index(k, j)]->setObjectName(QStringLiteral("Q%1Arrive%2").arg(k).arg(j));
      dur_[Index(k, j)] = controls_.AddLabel(this, QString(), DurRect(k, j), CellFont());
      dur_[Index(k, j)]->setObjectName(QStringLiteral("Q%1Dur%2").arg(k).arg(j));
    }
    QLabel*& more = more_[static_cast<std::size_t>(k - 1)];
    more = controls_.AddLabel(this, QString(), MoreRect(k), CellFont(clMaroon));
    more->setObjectName(QStringLiteral("Q%1More").arg(k));
  }
  controls_.AddLabel(this, QStringLiteral("Event"), {kCaptionX, kEventTop, 120, kRowH}, CaptionFont(), left);
  controls_.AddLabel(this, QStringLiteral("List"), {kCaptionX, kEventTop + kRowStep, 120, kRowH}, CaptionFont(), left);
  for (int j = 1; j <= EventEntries; ++j) {
    QLabel*& time = evTime_[static_cast<std::size_t>(j - 1)];
    time = controls_.AddLabel(this, QString(), EvTimeRect(j), CellFont());
    time->setObjectName(QStringLiteral("Ev%1Time").arg(j));
    QLabel*& kind = evKind_[static_cast<std::size_t>(j - 1)];
    kind = controls_.AddLabel(this, QString(), EvKindRect(j), CellFont());
    kind->setObjectName(QStringLiteral("Ev%1Kind").arg(j));
  }
}

QString TADTF::ArriveText(const TBankModel& model, int k, int j) {
  const auto& queue = model.Queue(k);
  return j <= static_cast<int>(queue.size()) ? BankClock(queue[static_cast<std::size_t>(j - 1)].ArriveTime) : QString();
}

QString TADTF::DurText(const TBankModel& model, int k, int j) {
  const auto& queue = model.Queue(k);
  return j <= static_cast<int>(queue.size()) ? QStringLiteral("%1min").arg(queue[static_cast<std::size_t>(j - 1)].DurTime) : QString();
}

QString TADTF::MoreText(const TBankModel& model, int k) {
  const int waiting = static_cast<int>(model.Queue(k).size()) - ShownCustomers;
  return waiting > 0 ? QStringLiteral("+%1").arg(waiting) : QString();
}

QString TADTF::EvTimeText(const TBankModel& model, int j) {
  return j <= model.EvCount() ? BankClock(model.EvList[static_cast<std::size_t>(j - 1)].OccurTime) : QString();
}

QString TADTF::EvKindText(const TBankModel& model, int j) {
  if (j > model.EvCount()) return {};
  const int type = model.EvList[static_cast<std::size_t>(j - 1)].NType;
  return type == 0 ? QStringLiteral("Arrive\nWelcome") : QStringLiteral("Depart\nFrom W%1").arg(type);
}

void TADTF::ShowQueue(int k) {
  if (Model == nullptr) return;
  for (int j = 1; j <= ShownCustomers; ++j) {
    ArriveCell(k, j)->setText(ArriveText(*Model, k, j));
    DurCell(k, j)->setText(DurText(*Model, k, j));
  }
  const int waiting = static_cast<int>(Model->Queue(k).size()) - ShownCustomers;
  MoreCell(k)->setText(MoreText(*Model, k));
  MoreCell(k)->setToolTip(waiting > 0 ? QStringLiteral("还有%1人等候").arg(waiting) : QString());
}

void TADTF::ShowEvents() {
  if (Model == nullptr) return;
  for (int j = 1; j <= EventEntries; ++j) {
    EvTimeCell(j)->setText(EvTimeText(*Model, j));
    QLabel* kind = EvKindCell(j);
    kind->setText(EvKindText(*Model, j));
    const bool arrival = j <= Model->EvCount() && Model->EvList[static_cast<std::size_t>(j - 1)].NType == 0;
    QPalette p = kind->palette();
    p.setColor(QPalette::WindowText, arrival ? QColor(Qt::black) : QColor(Qt::blue));
    kind->setPalette(p);
  }
}

std::vector<TDrawnShape> TADTF::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  if (Model == nullptr) return out;
  const TBankModel* model = Model;
  const auto cell = [&](const QLabel* label, std::function<QString()> text) {
    out.push_back(TDrawnShape::CellAt(label->geometry(), QString())
                      .Noted(label->text())
                      .StandingFor({.Value = [text = std::move(text)]() -> std::optional<QString> {
                                      if (CurrentDemo == nullptr || CurrentDemo->CurLine() == nullptr) return std::nullopt;
                                      return text();
                                    },
                                    .Part = TValueMeaning::InNote}));
  };
  for (int k = 1; k <= 4; ++k) {
    for (int j = 1; j <= ShownCustomers; ++j) {
      cell(ArriveCell(k, j), [model, k, j] { return ArriveText(*model, k, j); });
      cell(DurCell(k, j), [model, k, j] { return DurText(*model, k, j); });
    }
    cell(MoreCell(k), [model, k] { return MoreText(*model, k); });
  }
  for (int j = 1; j <= EventEntries; ++j) {
    cell(EvTimeCell(j), [model, j] { return EvTimeText(*model, j); });
    cell(EvKindCell(j), [model, j] { return EvKindText(*model, j); });
  }
  return out;
}

void TADTF::ShowAll() {
  for (int k = 1; k <= 4; ++k) ShowQueue(k);
  ShowEvents();
}

TRect TADTF::Scaled(const QRect& design) const {
  return TScaledControls::Scaled(design, DesignClientSize(), size());
}

void TADTF::FormPaint() {
  TGraphForm::FormPaint();
  TCanvas& c = Canvas();
  const auto sunken = [&c](const TRect& r) { Frame3D(c, r.Left, r.Top, r.Right, r.Bottom, clGray, clWhite); };
  for (int k = 1; k <= 4; ++k) {
    for (int j = 1; j <= ShownCustomers; ++j) {
      sunken(Scaled(ArriveRect(k, j)));
      sunken(Scaled(DurRect(k, j)));
    }
    sunken(Scaled(MoreRect(k)));
  }
  for (int j = 1; j <= EventEntries; ++j) {
    sunken(Scaled(EvTimeRect(j)));
    sunken(Scaled(EvKindRect(j)));
  }
}

void TADTF::FormResize() {
  controls_.Apply(DesignClientSize(), size());
  TGraphForm::FormResize();
}
