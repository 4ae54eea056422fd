#include "demos/stacks/BankGF.h"

#include <algorithm>

#include "demos/stacks/BankModel.h"
#include "framework/drawkit/DrawTool.h"
#include "platform/Pacing.h"
#include "platform/TextRules.h"

namespace {

constexpr int kSpriteW = 32;
constexpr int kSpriteH = 48;
// Customers in a queue stand closer than their pictures are high: each covers the legs of
// the one in front.
constexpr int kQueueStep = 30;

// The counters' centres: 460 * (2k - 1) / 8.
int CounterX(int k) { return TBankHall::DesignWidth * (2 * k - 1) / 8; }

std::unique_ptr<TBitmap> Picture(const char* name) {
  auto picture = LoadPicture(QString::fromLatin1(name) + QStringLiteral(".bmp"));
  if (picture) picture->Transparent = true;
  return picture;
}

// A picture at a new size, pixel for pixel (no blending), so its see-through colour stays.
void ScaleInto(TBitmap& target, const TBitmap* picture, int w, int h) {
  if (picture == nullptr || w <= 0 || h <= 0) {
    target.SetSize(0, 0);
    return;
  }
  target.Assign(picture->Image().scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  target.Transparent = true;
}

int Sign(int v) { return (v > 0) - (v < 0); }

// Rows from..to (excluded) of a see-through picture, seeing through the picture's colour.
TBitmap Rows(const TBitmap& picture, int from, int to) {
  TBitmap part;
  part.Assign(picture.Image().copy(0, from, picture.Width(), to - from));
  part.SetTransparentColor(picture.TransparentColor());
  part.Transparent = true;
  return part;
}

// A customer at whole whose legs the one behind him covers: the part in view (seen, the top
// of whole) and the rest drawn one after the other, the same pixels as the picture at once,
// so that what stands where the customer is seen is one picture of that box.
void DrawInTwo(TCanvas& c, const TBitmap& picture, const QRect& whole, const QRect& seen) {
  const int split = seen.height();
  if (split <= 0 || split >= picture.Height()) {
    c.Draw(whole.x(), whole.y(), picture);
    return;
  }
  c.Draw(whole.x(), whole.y(), Rows(picture, 0, split));
  c.Draw(whole.x(), whole.y() + split, Rows(picture, split, picture.Height()));
}

}  // namespace

// ---------------------------------------------------------------- the hall

TBankHall::TBankHall(QWidget* parent) : TNodeContainer(parent), anim_(Canvas()) {
  setObjectName(QStringLiteral("Hall"));
  hallPicture_ = Picture("bankgate2");
  if (hallPicture_) hallPicture_->Transparent = false;
  tellerPicture_ = Picture("bb");
  const char* directions[] = {"down", "up", "left", "right"};
  for (int d = 0; d < 4; ++d)
    for (int f = 0; f < 3; ++f)
      walkPictures_[static_cast<std::size_t>(d)][static_cast<std::size_t>(f)] =
          Picture(QStringLiteral("%1%2").arg(QLatin1String(directions[d])).arg(f + 1).toLatin1().constData());
  standPicture_ = Picture("stand");
  anim_.SetBackground(&scene_);
}

TBankHall::~TBankHall() = default;

QPoint TBankHall::QueuePlace(int k, int j) { return {CounterX(k) - kSpriteW / 2, 62 + j * kQueueStep}; }
QPoint TBankHall::DoorPlace() { return {DesignWidth / 2 - kSpriteW / 2, DesignHeight - kSpriteH}; }
int TBankHall::AisleY() { return 262; }
// Queues 1 and 2 leave by the aisle on their right, 3 and 4 by the one on their left, so
// that everyone walks toward the door in the middle.
int TBankHall::ExitX(int k) { return (k <= 2 ? CounterX(k) + 57 : CounterX(k) - 57) - kSpriteW / 2; }

void TBankHall::SetPending(int k, int hiddenTail, int shift) {
  hiddenTail_.at(static_cast<std::size_t>(k - 1)) = hiddenTail;
  shift_.at(static_cast<std::size_t>(k - 1)) = shift;
}

void TBankHall::ClearPending() {
  hiddenTail_.fill(0);
  shift_.fill(0);
}

int TBankHall::DrawnInQueue(int k) const {
  if (Model == nullptr) return 0;
  const int present = static_cast<int>(Model->Queue(k).size()) - hiddenTail_.at(static_cast<std::size_t>(k - 1));
  const int room = ShownPerQueue - shift_.at(static_cast<std::size_t>(k - 1));
  return std::clamp(std::min(present, room), 0, ShownPerQueue);
}

int TBankHall::DrawnWaiting(int k) const {
  if (Model == nullptr) return 0;
  const int present = static_cast<int>(Model->Queue(k).size()) - hiddenTail_.at(static_cast<std::size_t>(k - 1));
  return std::max(0, present - DrawnInQueue(k));
}

QPoint TBankHall::ToScreen(QPoint design) const {
  return {text::Round(static_cast<double>(design.x()) * width() / DesignWidth),
          text::Round(static_cast<double>(design.y()) * height() / DesignHeight)};
}

std::vector<QRect> TBankHall::QueueRects(int k) const {
  std::vector<QRect> rects;
  const int shift = shift_.at(static_cast<std::size_t>(k - 1));
  const QSize sprite(walk_[Up][1].Width(), walk_[Up][1].Height());
  for (int j = 0; j < DrawnInQueue(k); ++j) rects.emplace_back(ToScreen(QueuePlace(k, j + shift)), sprite);
  return rects;
}

std::vector<QRect> TBankHall::SeenRects(const std::vector<QRect>& queue) {
  std::vector<QRect> seen = queue;
  for (std::size_t j = 0; j + 1 < seen.size(); ++j) seen[j].setBottom(std::min(seen[j].bottom(), queue[j + 1].top() - 1));
  return seen;
}

QString TBankHall::PlaceNote(int k, int j) { return QStringLiteral("Q%1 #%2").arg(k).arg(j + 1); }

std::vector<TDrawnShape> TBankHall::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  // Which place a customer stands on says which queue he waits in and how far back.
  const auto placeOf = [this](const QRect& r) {
    for (int k = 1; k <= TBankModel::TellerCount; ++k)
      for (int j = 0; j < ShownPerQueue; ++j)
        if (ToScreen(QueuePlace(k, j)) == r.topLeft()) return PlaceNote(k, j);
    return QStringLiteral("between places");
  };
  for (int k = 1; k <= TBankModel::TellerCount; ++k) {
    const std::vector<QRect> queue = QueueRects(k);
    const std::vector<QRect> seen = SeenRects(queue);
    for (std::size_t j = 0; j < seen.size(); ++j) {
      TDrawnShape customer = TDrawnShape::NodeAt(seen[j], QString()).Noted(placeOf(queue[j]));
      if (PlaceStandsFor)
        customer = customer.StandingFor({.Value = [stands = PlaceStandsFor, k, j = static_cast<int>(j)] { return stands(k, j); },
                                         .Part = TValueMeaning::InNote});
      out.push_back(customer);
    }
  }
  if (walker_ != nullptr)
    out.push_back(TDrawnShape::NodeAt(QRect(ToScreen(walkerAt_), QSize(walker_->Width(), walker_->Height())), QString())
                      .Noted(QStringLiteral("walking")));
  return out;
}

void TBankHall::ScalePictures() {
  if (scaledFor_ == size()) return;
  scaledFor_ = size();
  const int sw = text::Round(static_cast<double>(kSpriteW) * width() / DesignWidth);
  const int sh = text::Round(static_cast<double>(kSpriteH) * height() / DesignHeight);
  ScaleInto(teller_, tellerPicture_.get(), text::Round(48.0 * width() / DesignWidth),
            text::Round(48.0 * height() / DesignHeight));
  for (std::size_t d = 0; d < 4; ++d)
    for (std::size_t f = 0; f < 3; ++f) ScaleInto(walk_[d][f], walkPictures_[d][f].get(), sw, sh);
  ScaleInto(stand_, standPicture_.get(), sw, sh);
  sceneStale_ = true;
}

void TBankHall::BuildScene() {
  sceneStale_ = false;
  scene_.SetSize(width(), height());
  TCanvas& c = scene_.Canvas();
  if (hallPicture_) {
    c.StretchDraw(Rect(0, 0, width(), height()), *hallPicture_);
  } else {
    c.Brush.Color = clSilver;
    c.FillRect(Rect(0, 0, width(), height()));
  }
  for (int k = 1; k <= 4; ++k) {
    const QPoint teller = ToScreen({CounterX(k) - 24, 4});
    c.Draw(teller.x(), teller.y(), teller_);
    const std::vector<QRect> queue = QueueRects(k);
    const std::vector<QRect> seen = SeenRects(queue);
    for (std::size_t j = 0; j < queue.size(); ++j) DrawInTwo(c, walk_[Up][1], queue[j], seen[j]);
    if (const int more = DrawnWaiting(k); more > 0) {
      c.Brush.Style = bsClear;
      c.Font.Name = QStringLiteral("Arial");
      c.Font.Style = fsBold;
      c.Font.Height = -std::max(8, text::Round(14.0 * height() / DesignHeight));
      const QPoint at = ToScreen({CounterX(k) - 14, 236});
      // Outlined: the hall's light floor shows through around the letters.
      TextOutOutlined(c, at.x(), at.y(), QStringLiteral("+%1").arg(more), clYellow);
    }
  }
  Frame3D(c, 0, 0, width(), height(), clGray, clWhite);
}

void TBankHall::Paint() {
  ScalePictures();
  if (sceneStale_ || scene_.Width() != width() || scene_.Height() != height()) BuildScene();
  Canvas().Draw(0, 0, scene_);
  anim_.LastRect = {};
  if (walker_) DrawWalker();
}

void TBankHall::Redraw() {
  sceneStale_ = true;
  Paint();
}

void TBankHall::DrawWalker() {
  if (scaledFor_ != size()) {
    Paint();  // a resize came between two steps: everything at the new scale
    return;
  }
  const QPoint at = ToScreen(walkerAt_);
  anim_.MoveTo(at.x(), at.y(), *walker_);
}

void TBankHall::PlaceWalker(QPoint place, Facing facing, int frame) {
  walker_ = &walk_[static_cast<std::size_t>(facing)][static_cast<std::size_t>(frame)];
  walkerAt_ = place;
  DrawWalker();
}

void TBankHall::PlaceStanding(QPoint place) {
  walker_ = &stand_;
  walkerAt_ = place;
  DrawWalker();
}

void TBankHall::HideWalker() {
  if (walker_ == nullptr) return;
  walker_ = nullptr;
  const TRect r = anim_.LastRect;
  if (!r.IsEmpty()) Canvas().BitBlt(r.Left, r.Top, r.Width(), r.Height(), scene_.Canvas(), r.Left, r.Top);
  anim_.LastRect = {};
}

bool TBankHall::WalkThrough(const std::vector<QPoint>& points, const std::function<bool()>& wait) {
  static constexpr int kFrames[] = {0, 1, 2, 1};
  int step = 0;
  for (const QPoint& target : points) {
    while (walkerAt_ != target) {
      const int dx = Sign(target.x() - walkerAt_.x());
      const int dy = Sign(target.y() - walkerAt_.y());
      const Facing facing = dx > 0 ? Right : dx < 0 ? Left : dy > 0 ? Down : Up;
      ++step;
      PlaceWalker(walkerAt_ + QPoint(dx, dy), facing, kFrames[(step / 6) % 4]);
      if (!wait()) return false;
    }
  }
  return true;
}

// ---------------------------------------------------------------- the animation view

namespace {

TFont ViewFont(const char* name, int pixels, TColor color, TFontStyles style = 0) {
  return TFont{.Name = QString::fromUtf8(name), .Height = -pixels, .Style = style, .Color = color};
}

const QRect kSpeechBox(4, 348, 461, 46);

}  // namespace

TGF::TGF(QWidget* parent) : TGraphForm(parent) {
  setObjectName(QStringLiteral("GF"));
  SetCaption(QStringLiteral("动画模拟"));
  SetDesignClientSize(469, 456);
  Hall = Place(new TBankHall(this), 4, 4, TBankHall::DesignWidth, TBankHall::DesignHeight);

  SayWho = controls_.AddLabel(this, QString(), {8, 350, 70, 42}, ViewFont("Arial", 13, clMaroon, fsBold));
  SayWho->setObjectName(QStringLiteral("SayWho"));
  Say = controls_.AddLabel(this, QString(), {82, 350, 380, 42}, ViewFont("宋体", 14, clNavy),
                           Qt::AlignLeft | Qt::AlignVCenter);
  Say->setObjectName(QStringLiteral("Say"));

  const TFont caption = ViewFont("宋体", 14, clBlack);
  const TFont value = ViewFont("Arial", 14, clMaroon, fsBold);
  const auto left = Qt::AlignLeft | Qt::AlignVCenter;
  controls_.AddLabel(this, QStringLiteral("客户总数"), {8, 402, 64, 20}, caption, left);
  CusNumLabel = controls_.AddLabel(this, QString(), {74, 402, 100, 20}, value, left);
  CusNumLabel->setObjectName(QStringLiteral("CusNumLabel"));
  controls_.AddLabel(this, QStringLiteral("累计时间"), {200, 402, 64, 20}, caption, left);
  TotalTimeLabel = controls_.AddLabel(this, QString(), {266, 402, 120, 20}, value, left);
  TotalTimeLabel->setObjectName(QStringLiteral("TotalTimeLabel"));

  // Position 0 walks slowest: the slow end is on the left.
  controls_.AddLabel(this, QStringLiteral("慢"), {8, 428, 20, 22}, caption);
  TB = new QSlider(Qt::Horizontal, this);
  TB->setObjectName(QStringLiteral("TB"));
  TB->setRange(0, 25);
  TB->setValue(0);
  controls_.Add(TB, {30, 428, 200, 22});
  controls_.AddLabel(this, QStringLiteral("快"), {232, 428, 20, 22}, caption);
}

void TGF::SetModel(const TBankModel* model) {
  model_ = model;
  Hall->Model = model;
  Hall->Redraw();
}

std::vector<TDrawnShape> TGF::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  if (CusNumLabel->isVisible() && CustomersStandFor)
    out.push_back(TDrawnShape::CellAt(CusNumLabel->geometry(), QString())
                      .Noted(CusNumLabel->text())
                      .StandingFor({.Value = CustomersStandFor, .Part = TValueMeaning::InNote}));
  if (TotalTimeLabel->isVisible() && TotalTimeStandsFor)
    out.push_back(TDrawnShape::CellAt(TotalTimeLabel->geometry(), QString())
                      .Noted(TotalTimeLabel->text())
                      .StandingFor({.Value = TotalTimeStandsFor, .Part = TValueMeaning::InNote}));
  return out;
}

void TGF::ShowCustomers(int n) { CusNumLabel->setText(QString::number(n) + QStringLiteral("人次")); }
void TGF::ShowTotalTime(int minutes) { TotalTimeLabel->setText(QString::number(minutes) + QStringLiteral("分钟")); }

void TGF::ClearCounters() {
  CusNumLabel->clear();
  TotalTimeLabel->clear();
}

void TGF::ResetScene() {
  Hall->HideWalker();
  Hall->ClearPending();
  Hall->Redraw();
  SayWho->clear();
  Say->clear();
}

bool TGF::Playing() const { return AnimOn && model_ != nullptr && model_->Running; }

int TGF::WalkDelay(int divisor) const { return (60 - 2 * TB->value()) / divisor; }

bool TGF::WalkWait(int divisor) {
  return !pacing::WaitProcessing(WalkDelay(divisor), [this] { return !AnimOn; });
}

void TGF::Speak(const QString& line1, const QString& line2) {
  Say->setText(line2.isEmpty() ? line1 : line1 + QLatin1Char('\n') + line2);
}

void TGF::Announce(int time) {
  if (!Playing()) return;
  SayWho->clear();
  Speak(QStringLiteral("据说，有一客户") + QStringLiteral("将于北京时间 ") + BankClockPadded(time) +
        QStringLiteral(" 光顾。"));
}

void TGF::Enter(int time) {
  if (!Playing()) return;
  SayWho->setText(QStringLiteral("Arrive\nWelcome"));
  Speak(QStringLiteral("我进门的时候是 ") + BankClockPadded(time));
  // In through the door, then standing on the mat.
  const QPoint door = TBankHall::DoorPlace();
  Hall->PlaceStanding(door + QPoint(0, 24));
  Hall->WalkThrough({door}, [this] { return WalkWait(10); });
  if (AnimOn) Hall->PlaceStanding(door);
}

void TGF::Wish(int durTime) {
  if (!Playing()) return;
  static const QString kWhat[] = {QStringLiteral("存钱"), QStringLiteral("取钱"), QStringLiteral("换外币")};
  const QString first = Say->text().section(QLatin1Char('\n'), 0, 0);
  Speak(first, QStringLiteral("我想") + kWhat[durTime % 3] + QStringLiteral(", 估计要花") +
                   QString::number(durTime) + QStringLiteral("分钟。"));
}

void TGF::WalkToQueue(int k) {
  if (!Playing()) return;
  const int place = std::min(static_cast<int>(model_->Queue(k).size()) - 1, TBankHall::ShownPerQueue);
  Hall->SetPending(k, 1, 0);
  Hall->Redraw();
  if (!Hall->WalkerShown()) Hall->PlaceStanding(TBankHall::DoorPlace());
  const QPoint from = Hall->WalkerPlace();
  const QPoint target = TBankHall::QueuePlace(k, place);
  Hall->WalkThrough({{from.x(), TBankHall::AisleY()}, {target.x(), TBankHall::AisleY()}, target},
                    [this] { return WalkWait(10); });
  Hall->HideWalker();
  Hall->ClearPending();
  Hall->Redraw();
}

void TGF::Served(const TBankCustomer& customer, int until) {
  if (!Playing()) return;
  static const QString kTurn[] = {QStringLiteral("轮到我了。"), QStringLiteral("该我了！"), QStringLiteral("到我了？")};
  SayWho->clear();
  Speak(kTurn[customer.ArriveTime % 3],
        QStringLiteral("营业员说,要到") + BankClockPadded(until) + QStringLiteral("才能搞定。"));
}

void TGF::Leave(int k, int time) {
  if (!Playing()) return;
  static const QString kBye[] = {QStringLiteral("谢谢，再见！"), QStringLiteral("多谢，Bye"), QStringLiteral("谢谢!")};
  SayWho->clear();
  Speak(kBye[time % 3], QStringLiteral("我在") + BankClockPadded(time) + QStringLiteral("离开。"));
  // The others stay where they stood until the leaver is out of the way.
  Hall->SetPending(k, 0, 1);
  Hall->Redraw();
  const QPoint counter = TBankHall::QueuePlace(k, 0);
  const QPoint door = TBankHall::DoorPlace();
  Hall->PlaceStanding(counter);
  Hall->WalkThrough({{TBankHall::ExitX(k), counter.y()},
                     {TBankHall::ExitX(k), TBankHall::AisleY()},
                     {door.x(), TBankHall::AisleY()},
                     {door.x(), TBankHall::DesignHeight}},
                    [this] { return WalkWait(15); });
  Hall->HideWalker();
  Hall->ClearPending();
  Hall->Redraw();
}

void TGF::Finish() {
  if (!Playing()) return;
  ResetScene();
}

void TGF::FormPaint() {
  TGraphForm::FormPaint();
  const TRect box = TScaledControls::Scaled(kSpeechBox, DesignClientSize(), size());
  Frame3D(Canvas(), box.Left, box.Top, box.Right, box.Bottom, clGray, clWhite);
}

void TGF::FormResize() {
  controls_.Apply(DesignClientSize(), size());
  TGraphForm::FormResize();
}
