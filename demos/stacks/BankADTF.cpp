#include "demos/stacks/BankADTF.h"

#include "demos/stacks/BankModel.h"
#include "framework/drawkit/DrawTool.h"

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

void TADTF::ShowQueue(int k) {
  if (Model == nullptr) return;
  const auto& queue = Model->Queue(k);
  for (int j = 1; j <= ShownCustomers; ++j) {
    const bool here = j <= static_cast<int>(queue.size());
    const TBankCustomer* c = here ? &queue[static_cast<std::size_t>(j - 1)] : nullptr;
    ArriveCell(k, j)->setText(c ? BankClock(c->ArriveTime) : QString());
    DurCell(k, j)->setText(c ? QStringLiteral("%1min").arg(c->DurTime) : QString());
  }
  const int waiting = static_cast<int>(queue.size()) - ShownCustomers;
  MoreCell(k)->setText(waiting > 0 ? QStringLiteral("+%1").arg(waiting) : QString());
  MoreCell(k)->setToolTip(waiting > 0 ? QStringLiteral("还有%1人等候").arg(waiting) : QString());
}

void TADTF::ShowEvents() {
  if (Model == nullptr) return;
  for (int j = 1; j <= EventEntries; ++j) {
    QLabel* time = EvTimeCell(j);
    QLabel* kind = EvKindCell(j);
    if (j > Model->EvCount()) {
      time->setText(QString());
      kind->setText(QString());
      continue;
    }
    const TBankEvent& e = Model->EvList[static_cast<std::size_t>(j - 1)];
    time->setText(BankClock(e.OccurTime));
    const bool arrival = e.NType == 0;
    kind->setText(arrival ? QStringLiteral("Arrive\nWelcome") : QStringLiteral("Depart\nFrom W%1").arg(e.NType));
    QPalette p = kind->palette();
    p.setColor(QPalette::WindowText, arrival ? QColor(Qt::black) : QColor(Qt::blue));
    kind->setPalette(p);
  }
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
