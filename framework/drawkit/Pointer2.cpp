#include "framework/drawkit/Pointer2.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPaintEvent>
#include <algorithm>

#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/GraphForm.h"
#include "platform/Forms.h"
#include "platform/PaintRecord.h"
#include "platform/TextRules.h"

TPointer2::TPointer2(QWidget* parent) : TGraphicControl(parent) { resize(32, 32); }

void TPointer2::SetBorderColor(TColor color) {
  borderColor_ = color;
  update();
}

void TPointer2::SetFontColor(TColor color) {
  fontColor_ = color;
  update();
}

void TPointer2::SetColor(TColor color) {
  color_ = color;
  update();
}

void TPointer2::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void TPointer2::SetTarget(QWidget* control) {
  target_ = control;
  Reposition();
}

void TPointer2::Reposition() {
  if (!target_) {
    hide();
    return;
  }
  if (!design_.isValid() || size() != placed_) design_ = size();
  QPoint corner = target_->pos();
  if (target_->parentWidget() != parentWidget() && parentWidget() && target_->parentWidget())
    corner = parentWidget()->mapFromGlobal(target_->parentWidget()->mapToGlobal(corner));
  QSize grown = design_;
  if (GrowsWithWindow) {
    // Grown, and at least readable, as far as the room above and left of the tip allows
    // (a head kept inside by KeepInside has all the room it needs) and no larger than what
    // it points at, unless its caption needs more to read (a long one, "thrt"); never below the
    // design.
    const TDesignRatio ratio = TGraphForm::RatioOf(*this);
    const int legible = LegibleSide();
    int room = std::max({target_->width(), target_->height(), legible});
    if (!KeepInside) room = std::min({room, corner.x() + OffX, PointsUp ? room : corner.y() + OffY});
    auto grow = [&](int design) {
      return std::max(design, std::min(std::max({ratio.Grow(design), LeastSide, legible}), room));
    };
    grown = QSize(grow(design_.width()), grow(design_.height()));
  }
  resize(grown);
  placed_ = grown;
  const int offX = design_.width() > 0 ? text::Round(OffX * static_cast<double>(grown.width()) / design_.width()) : OffX;
  const int offY = design_.height() > 0 ? text::Round(OffY * static_cast<double>(grown.height()) / design_.height()) : OffY;
  const int targetLeft = corner.x();
  if (PointsLeft) corner.rx() += target_->width();
  if (PointsUp) corner.ry() += target_->height();
  if (KeepInside)
    corner = QPoint(std::max(corner.x(), PointsLeft ? 0 : width()), PointsUp ? corner.y() : std::max(corner.y(), height()));
  QPoint at(corner.x() - (PointsLeft ? 0 : width()) + offX, corner.y() - (PointsUp ? 0 : height()) + offY);
  // OffX moves the tip along the target's edge, never past its end (a target narrower than the
  // offset, in a window made smaller).
  if (!KeepInside) {
    const int tip = std::clamp(at.x() + (PointsLeft ? 0 : width()), targetLeft, targetLeft + target_->width());
    at.setX(tip - (PointsLeft ? 0 : width()));
  }
  if (KeepInside) at = QPoint(std::max(at.x(), 0), std::max(at.y(), 0));
  move(at);
  show();
  raise();
}

namespace {

// The caption's font on a head of size: half its height, smaller while the caption's ink would
// run past the head's middle.
TFont CaptionFont(const QString& caption, QSize size) {
  TFont font{.Name = QStringLiteral("Arial"), .Height = size.height() / 2, .Style = fsBold};
  auto besideHead = [&] {
    const QFontMetrics fm(font.ToQFont());
    return 1 + fm.tightBoundingRect(caption).right() < size.width() / 2;
  };
  while (font.Height > 1 && !caption.isEmpty() && !besideHead()) --font.Height;
  return font;
}

}  // namespace

int TPointer2::CaptionPixels(const QString& caption, QSize size) {
  return CaptionFont(caption, size).ToQFont().pixelSize();
}

int TPointer2::LegibleSide() const {
  // The caption's pixels grow with the side: the least side that reads, found by halving.
  const int least = LegiblePixelsIn(*this);
  int low = 1, high = 2 * LeastSide;
  while (low < high) {
    const int side = (low + high) / 2;
    if (CaptionPixels(caption_, QSize(side, side)) >= least) high = side;
    else low = side + 1;
  }
  return low;
}

void TPointer2::StandAt(const QRect& box) {
  if (!design_.isValid()) design_ = size();
  setGeometry(box);
  placed_ = box.size();
  update();
}

QList<const QWidget*> TPointer2::DrawingTargets() const {
  if (!target_) return {};
  return {target_.data()};
}

std::vector<TDrawnShape> TPointer2::DrawingShapes() const {
  TDrawnShape mark = TDrawnShape::MarkOn({target_.data(), -1}, rect(), Tip(), caption_).Meaning(Means);
  return {isHidden() ? mark.Hidden() : mark};
}

void TPointer2::paintEvent(QPaintEvent*) {
  const int w = width();
  const int h = height();
  // Drawn on a see-through image, so that only the head covers the parent.
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  TCanvas c(&image);
  // Pointing left, the head is the same mirrored: its back edge on the right; pointing up, it
  // is mirrored top to bottom.
  const int tipY = PointsUp ? 0 : h, backY = PointsUp ? h : 0;
  const TPoint tip(PointsLeft ? 0 : w, tipY), left(PointsLeft ? w : 0, h / 2), top(w / 2, backY), centre(w / 2, h / 2);
  c.Pen.Color = color_;
  c.Pen.Width = 1;
  c.Brush.Style = bsSolid;
  c.Brush.Color = RGB(GetRValue(color_) / 2, GetGValue(color_) / 2, GetBValue(color_) / 2);
  c.Polygon({tip, left, centre});
  c.Brush.Color = color_;
  c.Polygon({tip, top, centre});
  c.Pen.Color = borderColor_;
  c.Polyline({tip, left, centre, top, tip});
  c.Brush.Style = bsClear;
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Style = fsBold;
  // The caption stands in the quarter beside and above the head (the upper left one, the upper
  // right one when it points left; below it, the lower one, when it points up), whose notch
  // runs along its edges: one too wide for it
  // ("thrt") takes smaller letters until its ink keeps inside.
  c.Font.Height = CaptionFont(caption_, size()).Height;
  const int textWidth = c.TextWidth(caption_);
  const int x = (textWidth < w / 2 ? (w / 2 - textWidth) / 2 : 1) + (PointsLeft ? w - w / 2 : 0);
  TextOutOutlined(c, x, PointsUp ? h - c.TextHeight(caption_) : 0, caption_, fontColor_);
  paintrecord::Adopt(this, &image);
  QPainter(this).drawImage(0, 0, image);
}

TPointerBase::TPointerBase(QWidget* parent) : TCanvasWidget(parent) { Color = clWindow; }

namespace {
constexpr QPoint kTriangleTip(6, 13);
}  // namespace

TStackTopPointer::TStackTopPointer(QWidget* parent) : TPointerBase(parent) { resize(0, 0); }

void TStackTopPointer::PlaceAt(const QWidget& control) {
  placedAt_ = &control;
  move(control.x(), control.y() - height());
}

QList<const QWidget*> TStackTopPointer::DrawingTargets() const {
  if (!placedAt_) return {};
  return {placedAt_.data()};
}

std::vector<TDrawnShape> TStackTopPointer::DrawingShapes() const {
  // The band stands on the row: its lower edge under the triangle is where it points.
  return {TDrawnShape::MarkOn({placedAt_.data(), -1}, rect(), QPoint(kTriangleTip.x(), height()), DrawingText())};
}

void TStackTopPointer::Paint() {
  TCanvas& c = Canvas();
  c.Brush.Style = bsSolid;
  c.Brush.Color = Color;
  c.FillRect(ClientRect());
  c.Brush.Color = c.Font.Color;
  c.Polygon({TPoint(2, 7), TPoint(10, 7), TPoint(kTriangleTip.x(), kTriangleTip.y())});
  c.Brush.Color = Color;
  c.Font.SetSize(height() / 2);
  TextOutShadow(c, 10, -2, QStringLiteral("top"), c.Font.Color);
}
