#include "demos/stacks/TrainForm.h"

#include "framework/drawkit/AdvancedTools.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/Globals.h"
#include "platform/Pacing.h"
#include "platform/PaintBox.h"
#include "platform/TextRules.h"

namespace {

constexpr int kColumns = 10;
constexpr int kRows = 6;
constexpr int kMainRow = 1;
constexpr int kSwitchColumn = 4;
constexpr int kBufferRow = 5;      // the bottom of the siding
constexpr int kFirstInputColumn = 6;
constexpr TColor kCarColors[TTrainForm::CarCount] = {clMaroon, clNavy, clGreen, clPurple};
constexpr TColor kKey = clFuchsia;

TZqStaticText* NewCaption(TTrainForm* form, const QString& caption, int x, int y, int w, int h,
                          int fontHeight, TAlignment alignment = taCenter) {
  auto* label = form->Place(new TZqStaticText(form), x, y, w, h);
  label->SetBevel(bvNone);
  label->SetAlignment(alignment);
  const TFont font{.Name = QStringLiteral("楷体_GB2312"), .Height = fontHeight, .Color = clNavy};
  label->SetFont(font);
  label->SetCaption(caption);
  return label;
}

TAutoSizeEdit* NewField(TTrainForm* form, const QString& editName, int x, int y, int w, int h) {
  auto* field = form->Place(new TAutoSizeEdit(form), x, y, w, h);
  field->setObjectName(editName + QStringLiteral("Box"));
  field->Edit().setObjectName(editName);
  field->Edit().setAlignment(Qt::AlignCenter);
  field->Edit().setFocusPolicy(Qt::NoFocus);
  field->SetReadOnly(true);
  const TFont font{.Name = QStringLiteral("Courier New"), .Style = fsBold, .Color = clNavy};
  field->SetFont(font);
  field->AfterRescale();
  return field;
}

}  // namespace

TTrainForm::TTrainForm(QWidget* parent) : TGraphForm(parent) {
  SetCaption(QStringLiteral("栈的输出序列"));
  SetDesignClientSize(420, 466);
  track_ = LoadPicture(QStringLiteral("TrainPic.bmp"));

  Title = NewCaption(this, QStringLiteral("产生过程演示"), 10, 4, 400, 32, -24);
  NewCaption(this, QStringLiteral("输出"), 12, 40, 158, 22, -17);
  NewCaption(this, QStringLiteral("栈"), 170, 40, 40, 22, -17);
  NewCaption(this, QStringLiteral("输入"), 210, 40, 198, 22, -17);

  Bevel = Place(new TNodeContainer(this), 10, 64, 400, 244);
  Bevel->setObjectName(QStringLiteral("Bevel"));
  PaintBox = new TRailwayBox(Bevel, *this);
  PaintBox->setObjectName(QStringLiteral("PaintBox"));
  PaintBox->OnPaint = [this](TPaintBox& box) { PaintBoxPaint(box.Canvas()); };
  Bevel->OnResize = [this] { BevelResize(); };

  NewCaption(this, QStringLiteral("操作序列"), 10, 316, 82, 28, -16);
  EOrder = NewField(this, QStringLiteral("EOrder"), 94, 316, 110, 28);
  NewCaption(this, QStringLiteral("操作位置"), 208, 316, 84, 28, -16);
  EPos = NewField(this, QStringLiteral("EPos"), 294, 316, 34, 28);
  NewCaption(this, QStringLiteral("操作"), 330, 316, 46, 28, -16);
  EAct = NewField(this, QStringLiteral("EAct"), 378, 316, 32, 28);

  NewCaption(this, QStringLiteral("输出序列"), 10, 352, 400, 28, -17, taLeftJustify);
  for (int i = 1; i <= ResultCells; ++i) {
    const int column = (i - 1) % 7;
    const int row = (i - 1) / 7;
    Edits[i] = NewField(this, QStringLiteral("Edit%1").arg(i), 10 + column * 58, 384 + row * 40, 52, 32);
    Edits[i]->hide();
  }
  Reset();
  BevelResize();
}

TTrainForm::~TTrainForm() {
  if (TrainForm == this) TrainForm = nullptr;
}

int TTrainForm::FramesPerLeg(int speed) { return (99 - speed) / 4 + 1 + 1; }

// ---------------------------------------------------------------- texts and results

void TTrainForm::SetOrder(const QString& order) { EOrder->SetText(order); }

void TTrainForm::SetPos(const QString& posText, const QString& op) {
  EPos->SetText(posText);
  EAct->SetText(op);
}

QString TTrainForm::OutputText() const {
  QString text;
  for (int i = 0; i < OutCount; ++i) text += QString::number(OutTrack[static_cast<std::size_t>(i)] + 1);
  return text;
}

void TTrainForm::RecordOrder() {
  ++OrderCount;
  if (OrderCount > ResultCells) return;
  Edits[static_cast<std::size_t>(OrderCount)]->SetText(OutputText());
  Edits[static_cast<std::size_t>(OrderCount)]->show();
}

void TTrainForm::ClearResults() {
  OrderCount = 0;
  for (int i = 1; i <= ResultCells; ++i) {
    Edits[static_cast<std::size_t>(i)]->SetText(QString());
    Edits[static_cast<std::size_t>(i)]->hide();
  }
}

// ---------------------------------------------------------------- the railway

void TTrainForm::Reset() {
  SetPos(QString(), QString());
  InputLeft = CarCount;
  InStack = 0;
  OutCount = 0;
  for (int k = 0; k < CarCount; ++k) InTrack[static_cast<std::size_t>(k)] = k;
  StackCars.fill(NoCar);
  OutTrack.fill(NoCar);
  SwitchToStack = false;
  PaintBox->Repaint();
}

QPoint TTrainForm::GridPlace(int column, int row) const {
  return {cellWidth_ * column + cellWidth_ / 2, cellHeight_ * row + cellHeight_ / 2};
}

void TTrainForm::FormResize() {
  TGraphForm::FormResize();
  BevelResize();
}

void TTrainForm::BevelResize() {
  PaintBox->setGeometry(2, 2, std::max(1, Bevel->width() - 4), std::max(1, Bevel->height() - 4));
  cellWidth_ = std::max(1, PaintBox->width() / kColumns);
  cellHeight_ = std::max(1, PaintBox->height() / kRows);
  MakeCarBitmaps();
  PaintBox->Repaint();
}

void TTrainForm::MakeCarBitmaps() {
  const int w = cellWidth_;
  const int h = cellHeight_;
  for (int car = 0; car < CarCount; ++car) {
    TBitmap& bmp = cars_[static_cast<std::size_t>(car)];
    bmp.SetSize(w, h);
    TCanvas& c = bmp.Canvas();
    c.Brush.Color = kKey;
    c.Brush.Style = bsSolid;
    c.FillRect(Rect(0, 0, w, h));
    // A car seen from above: a rounded body with its number.
    const int mx = std::max(1, w / 10);
    const int my = std::max(1, h / 8);
    c.Pen.Color = clBlack;
    c.Brush.Color = kCarColors[car];
    c.RoundRect(mx, my, w - mx, h - my, w / 4, h / 4);
    c.Brush.Style = bsClear;
    c.Font.Name = QStringLiteral("Arial");
    c.Font.Style = fsBold;
    c.Font.Height = -std::max(6, (h - 2 * my) * 2 / 3);
    c.Font.Color = clWhite;
    const QString number = QString::number(car + 1);
    const QSize extent = c.TextExtent(number);
    c.TextOut((w - extent.width()) / 2, (h - extent.height()) / 2, number);
    c.Brush.Style = bsSolid;
    bmp.Transparent = true;
    bmp.SetTransparentColor(kKey);
  }
}

void TTrainForm::PaintBoxPaint(TCanvas& canvas) {
  const TRect all = Rect(0, 0, PaintBox->width(), PaintBox->height());
  if (track_) {
    canvas.StretchDraw(all, *track_);
  } else {
    canvas.Brush.Color = clOlive;
    canvas.FillRect(all);
  }
  if (SwitchToStack) {
    // The switch set for the siding: a red mark just below the main line.
    const QPoint p = GridPlace(kSwitchColumn, kMainRow);
    const int r = std::max(2, cellHeight_ / 6);
    canvas.Pen.Color = clRed;
    canvas.Brush.Color = clRed;
    canvas.Ellipse(p.x() - r, p.y() + cellHeight_ / 2 - r, p.x() + r, p.y() + cellHeight_ / 2 + r);
  }
  for (const TCarPlace& p : CarPlaces()) canvas.Draw(p.cell.x(), p.cell.y(), cars_[static_cast<std::size_t>(p.car)]);
}

QPoint TTrainForm::InputPlace(int car) { return {kFirstInputColumn + car, kMainRow}; }
QPoint TTrainForm::SidingPlace(int depth) { return {kSwitchColumn, kBufferRow - depth}; }
QPoint TTrainForm::OutputPlace(int k) { return {k, kMainRow}; }

std::vector<TTrainForm::TCarPlace> TTrainForm::CarPlaces() const {
  std::vector<TCarPlace> places;
  const auto standing = [&](int car, QPoint grid) {
    if (car < 0 || car >= CarCount) return;
    const QPoint centre = GridPlace(grid.x(), grid.y());
    places.push_back({car, QRect(centre.x() - cellWidth_ / 2, centre.y() - cellHeight_ / 2, cellWidth_, cellHeight_)});
  };
  for (int k = 0; k < CarCount; ++k) standing(InTrack[static_cast<std::size_t>(k)], InputPlace(k));
  for (int s = 0; s < InStack; ++s) standing(StackCars[static_cast<std::size_t>(s)], SidingPlace(s));
  for (int o = 0; o < OutCount; ++o) standing(OutTrack[static_cast<std::size_t>(o)], OutputPlace(o));
  return places;
}

TTrainForm::TYard TTrainForm::YardAfter(const QString& ops) {
  TYard yard;
  for (QChar op : ops) {
    if (op == QLatin1Char('S') && yard.next < CarCount) {
      yard.siding.push_back(yard.next++);
    } else if (op == QLatin1Char('X') && !yard.siding.empty()) {
      yard.out.push_back(yard.siding.back());
      yard.siding.pop_back();
    }
  }
  return yard;
}

std::vector<TTrainForm::TCarAt> TTrainForm::PlacesAfter(const QString& ops) {
  const TYard yard = YardAfter(ops);
  std::vector<TCarAt> places;
  for (std::size_t o = 0; o < yard.out.size(); ++o) places.push_back({yard.out[o], OutputPlace(static_cast<int>(o))});
  for (int car = yard.next; car < CarCount; ++car) places.push_back({car, InputPlace(car)});
  for (std::size_t s = 0; s < yard.siding.size(); ++s) places.push_back({yard.siding[s], SidingPlace(static_cast<int>(s))});
  return places;
}

QPoint TTrainForm::GridOf(const QRect& cell) const { return {cell.center().x() / cellWidth_, cell.center().y() / cellHeight_}; }

TRailwayBox::TRailwayBox(QWidget* parent, const TTrainForm& form) : TPaintBox(parent), form_(form) {}

std::vector<TDrawnShape> TRailwayBox::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  for (const TTrainForm::TCarPlace& p : form_.CarPlaces()) {
    TDrawnShape car = TDrawnShape::NodeAt(p.cell, QString::number(p.car + 1));
    // Whose car stands there, by the grid place its picture stands on.
    if (form_.CarStandsFor) {
      const QPoint grid = form_.GridOf(p.cell);
      car = car.StandingFor({.Value = [stands = form_.CarStandsFor, grid] { return stands(grid.x(), grid.y()); }});
    }
    out.push_back(car);
  }
  return out;
}

void TTrainForm::RunCar(int car, std::initializer_list<QPoint> places) {
  // What the car runs over: the railway without it.
  TBitmap background(PaintBox->width(), PaintBox->height());
  PaintBoxPaint(background.Canvas());
  PaintBox->Canvas().Draw(0, 0, background);
  TImgAnim mover(PaintBox->Canvas());
  mover.SetBackground(&background);
  TBitmap& sprite = cars_[static_cast<std::size_t>(car)];
  const int steps = FramesPerLeg(RunSpeed) - 1;
  const QPoint half(cellWidth_ / 2, cellHeight_ / 2);
  const QPoint* from = places.begin();
  for (const QPoint* to = from + 1; to != places.end(); from = to, ++to) {
    for (int k = 0; k <= steps; ++k) {
      const QPoint p(from->x() + text::Div((to->x() - from->x()) * k, steps),
                     from->y() + text::Div((to->y() - from->y()) * k, steps));
      mover.MoveTo(p.x() - half.x(), p.y() - half.y(), sprite);
      pacing::Sleep(20);
    }
  }
}

void TTrainForm::PushIn() {
  if (InputLeft == 0 || InStack == CarCount) return;
  const int front = CarCount - InputLeft;
  const int car = InTrack[static_cast<std::size_t>(front)];
  InTrack[static_cast<std::size_t>(front)] = NoCar;
  SwitchToStack = true;
  RunCar(car, {GridPlace(kFirstInputColumn + front, kMainRow), GridPlace(kSwitchColumn, kMainRow),
               GridPlace(kSwitchColumn, kBufferRow - InStack)});
  StackCars[static_cast<std::size_t>(InStack)] = car;
  ++InStack;
  --InputLeft;
  PaintBox->Repaint();
}

void TTrainForm::PopOut() {
  if (InStack == 0 || OutCount == CarCount) return;
  --InStack;
  const int car = StackCars[static_cast<std::size_t>(InStack)];
  StackCars[static_cast<std::size_t>(InStack)] = NoCar;
  SwitchToStack = true;
  RunCar(car, {GridPlace(kSwitchColumn, kBufferRow - InStack), GridPlace(kSwitchColumn, kMainRow),
               GridPlace(OutCount, kMainRow)});
  OutTrack[static_cast<std::size_t>(OutCount)] = car;
  ++OutCount;
  PaintBox->Repaint();
}
