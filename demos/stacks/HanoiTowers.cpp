#include "demos/stacks/HanoiTowers.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Forms.h"

// ---------------------------------------------------------------- layout

THanoiLayout::THanoiLayout(QSize control, int plateCount)
    : Width(control.width()), Height(control.height()), PlateCount(plateCount) {}

int THanoiLayout::CenterX(char pole) const {
  switch (pole) {
    case 'a': return Width / 6;
    case 'b': return Width / 2;
    default: return Width - Width / 6;
  }
}

int THanoiLayout::BaseY() const { return (Height / 15) * 14; }

QRect THanoiLayout::Pole(char pole) const {
  const int h = 2 * Height / 3;
  const int w = Width / 15;
  return QRect(CenterX(pole) - w / 2, BaseY() - h, w, h);
}

QSize THanoiLayout::Plate(int size) const {
  const int a = Width / 3;
  const int b = Width / 5;
  const int c = Height / 5;
  const int d = Height / 7;
  if (PlateCount < 2) return QSize(a, c);
  return QSize(a - ((size - 1) * (a - b)) / 4, c - ((size - 1) * (c - d)) / 4);
}

std::vector<QRect> THanoiLayout::Stack(int centerX, int baseY, const std::vector<int>& sizes) const {
  std::vector<QRect> bounds;
  int top = baseY;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const QSize s = Plate(sizes[i]);
    top = i == 0 ? baseY - (s.height() / 3) * 2 : top - s.height() / 3;
    // The largest plate on pole c can reach a pixel past the right edge: kept inside.
    bounds.emplace_back(std::min(centerX - s.width() / 2, Width - s.width()), top, s.width(), s.height());
  }
  return bounds;
}

QRect THanoiLayout::PlateFront(const QRect& bounds) {
  const int top = bounds.top() + bounds.height() * 2 / 3;
  return QRect(bounds.left(), top, bounds.width(), bounds.bottom() + 1 - top);
}

// ---------------------------------------------------------------- plates and poles

namespace {

TImage* NewPicture(QWidget* parent) {
  auto* image = new TImage(parent);
  image->SetStretch(true);
  image->SetTransparent(true);
  return image;
}

}  // namespace

TPlate::TPlate(THanoiTowers* towers, int size) : Towers(towers), Size(size), Image(NewPicture(towers)) {
  Image->setObjectName(QStringLiteral("Plate%1").arg(size));
  Image->hide();
  towers->PlateImages.GetBitmap(size - 1, Image->Picture());
  Image->Changed();
}

TPlate::~TPlate() = default;

TPole::TPole(THanoiTowers* towers, char name)
    : TStack(QString()), Towers(towers), PoleName(name), Image(NewPicture(towers)) {
  SetItemClass<TPlate>();
  Image->setObjectName(QStringLiteral("Pole") + QChar::fromLatin1(name).toUpper());
  Image->LoadFromFile(app::ImagePath() + QStringLiteral("pole%1.bmp").arg(QChar::fromLatin1(name)));
}

void TPole::Arrange() {
  std::vector<int> sizes;
  for (int i = 0; i < Count(); ++i) sizes.push_back(Plate(i)->Size);
  const std::vector<QRect> bounds = Towers->Layout().Stack(CenterX, BaseY, sizes);
  for (int i = 0; i < Count(); ++i) {
    Plate(i)->Image->setGeometry(bounds[static_cast<std::size_t>(i)]);
    Plate(i)->Image->show();
  }
}

// ---------------------------------------------------------------- towers

THanoiTowers::THanoiTowers(QWidget* parent) : TNodeContainer(parent), background_(new TImage(this)) {
  SetAlign(*background_, alClient);
  background_->SetStretch(true);
  background_->LoadFromFile(app::ImagePath() + QStringLiteral("hanoiback.bmp"));
  for (int k = 1; k <= 5; ++k) {
    TBitmap plate;
    plate.LoadFromFile(app::ImagePath() + QStringLiteral("plate%1.bmp").arg(k));
    PlateImages.Add(plate);
  }
  PoleA = std::make_unique<TPole>(this, 'a');
  PoleB = std::make_unique<TPole>(this, 'b');
  PoleC = std::make_unique<TPole>(this, 'c');
}

// The plates' pictures are children of this control: they go with the poles, before the
// control's own children are freed.
THanoiTowers::~THanoiTowers() = default;

TPole* THanoiTowers::Pole(char name) const {
  switch (name) {
    case 'a': return PoleA.get();
    case 'b': return PoleB.get();
    case 'c': return PoleC.get();
    default: return nullptr;
  }
}

void THanoiTowers::SetPlateCount(int count) {
  PlateCount = count;
  PoleA->Clear();
  PoleB->Clear();
  PoleC->Clear();
  for (int k = 1; k <= count; ++k) PoleA->Push(std::make_unique<TPlate>(this, k));
}

void THanoiTowers::MovePlate(char from, char to) {
  TPole* source = Pole(from);
  TPole* target = Pole(to);
  if (source == nullptr || target == nullptr || source->Count() == 0) return;
  target->Push(source->Pop());
  target->Arrange();
  source->Arrange();
}

QString THanoiTowers::PlaceNote(int size, char pole, int level) {
  return QStringLiteral("%1 on %2, %3").arg(size).arg(QChar::fromLatin1(pole)).arg(level);
}

std::vector<TDrawnShape> THanoiTowers::DrawingShapes() const {
  std::vector<const TPlate*> shown;
  for (const TPole* pole : {PoleA.get(), PoleB.get(), PoleC.get()})
    for (int i = 0; i < pole->Count(); ++i)
      if (!pole->Plate(i)->Image->isHidden()) shown.push_back(pole->Plate(i));
  // Where each picture stands says where the plate is: the pole nearest its middle, and the
  // plates drawn lower on that pole.
  const THanoiLayout layout = Layout();
  const auto poleOf = [&](const QRect& r) {
    char nearest = 'a';
    for (char p : {'b', 'c'})
      if (std::abs(layout.CenterX(p) - r.center().x()) < std::abs(layout.CenterX(nearest) - r.center().x())) nearest = p;
    return nearest;
  };
  std::vector<TDrawnShape> out;
  for (const TPlate* plate : shown) {
    const QRect r = plate->Image->geometry();
    const char pole = poleOf(r);
    const int level = static_cast<int>(std::count_if(shown.begin(), shown.end(), [&](const TPlate* other) {
      return other != plate && poleOf(other->Image->geometry()) == pole && other->Image->geometry().bottom() > r.bottom();
    }));
    TDrawnShape node = TDrawnShape::NodeAt(THanoiLayout::PlateFront(r), QString()).Noted(PlaceNote(plate->Size, pole, level));
    if (PlateStandsFor)
      node = node.StandingFor({.Value = [stands = PlateStandsFor, size = plate->Size] { return stands(size); },
                               .Part = TValueMeaning::InNote});
    out.push_back(node);
  }
  return out;
}

void THanoiTowers::AfterRescale() {
  const THanoiLayout layout = Layout();
  for (TPole* pole : {PoleA.get(), PoleB.get(), PoleC.get()}) {
    pole->CenterX = layout.CenterX(pole->PoleName);
    pole->BaseY = layout.BaseY();
    pole->Image->setGeometry(layout.Pole(pole->PoleName));
    pole->Arrange();
  }
}
