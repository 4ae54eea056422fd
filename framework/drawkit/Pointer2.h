#pragma once
// Pointers: TPointer2, a named arrow head whose tip sits on the top-left corner of the node
// it points at (the pointer variables of the list and tree drawings), and the "top" marker
// of the stack display.
#include <QPointer>
#include <QString>

#include "framework/drawkit/KitControl.h"
#include "platform/Color.h"
#include "platform/Controls.h"
#include "platform/PaintBox.h"

// An arrow head pointing down and right, shaded on its lower half, with its caption in the
// upper-left quarter, outlined so that it reads on any ground. Drawn on its parent: only the
// head covers what lies below.
//
// The size it is given (32 x 32 unless set) is its design size: placed on its target, it
// grows with its drawing window (TGraphForm::RatioOf, Grow) and is never smaller than
// LeastSide, so that its caption stays readable; OffX and OffY grow with it. A drawing that
// sizes its pointers itself turns GrowsWithWindow off: they keep the size it gives them.
class TPointer2 : public TGraphicControl, public TKitControl {
 public:
  // The least side of a placed pointer: its caption, half its height, is then 20 pixels.
  static constexpr int LeastSide = 40;

  // A 32 x 32 pointer captioned "p", blue with a white border, without a target (it stays
  // where it is put until SetTarget or a resize of its window).
  explicit TPointer2(QWidget* parent = nullptr);

  TColor BorderColor() const { return borderColor_; }
  TColor FontColor() const { return fontColor_; }
  TColor Color() const { return color_; }
  const QString& Caption() const { return caption_; }
  void SetBorderColor(TColor color);
  void SetFontColor(TColor color);
  void SetColor(TColor color);
  void SetCaption(const QString& caption);

  // Where the tip lands relative to the target's top-left corner.
  int OffX = 0;
  int OffY = 0;
  bool GrowsWithWindow = true;
  // Keeps the head from crossing the parent's top and left edges: a target closer to them
  // than the head's size is taken as standing that far in, so the head moves down or right
  // instead of being cut off, and heads on one target keep their offsets from each other.
  bool KeepInside = false;

  // Points down and to the left instead: the tip at the lower left corner, the caption in the
  // upper right quarter; placed on a target, the tip lands on its top-right corner. For a
  // pointer that stands right of its node where the room left of it is taken.
  bool PointsLeft = false;
  // Stands under its node and points up instead: the tip at the head's upper corner, the
  // caption in the lower quarter; placed on a target, the tip lands on its bottom-left corner
  // (bottom-right when it also points left). For a node whose room above is taken.
  bool PointsUp = false;

  // What the pointer stands for (see TMarkMeaning); by default the variable its caption names,
  // in the call the run stands in.
  TMarkMeaning Means{};

  QWidget* Target() const { return target_; }
  // Points at control (nullptr hides the pointer) and moves there.
  void SetTarget(QWidget* control);
  // Sizes the pointer for its window, puts the tip on the target's top-left corner (top-right
  // when it points left, the bottom corner when it points up) shifted by (OffX, OffY) (grown
  // alike), shows the pointer and brings it to the front; without a target (or once it is
  // gone) hides it.
  void Reposition();
  // The size it was given, before it grew with its window.
  QSize DesignSize() const { return design_.isValid() ? design_ : size(); }
  // Stands at box, as it now points: a drawing that finds no room near the node for the head
  // it was placed with puts a smaller one there. The next Reposition sizes it from its design
  // size again.
  void StandAt(const QRect& box);
  // The pixel height of caption written on a head of size.
  static int CaptionPixels(const QString& caption, QSize size);
  // The least side of a square head on which its caption reads in its window (LegiblePixelsIn),
  // at most twice LeastSide: a long caption ("thrt") needs more than LeastSide.
  int LegibleSide() const;

  // The caption; the target, when there is one.
  QString DrawingText() const override { return caption_; }
  QList<const QWidget*> DrawingTargets() const override;
  // Where the tip of a head standing at box is: its lower right corner (lower left when it
  // points left; the upper one when it points up).
  static QPoint TipOf(const QRect& box, bool pointsLeft, bool pointsUp) {
    return {box.left() + (pointsLeft ? 0 : box.width()), box.top() + (pointsUp ? 0 : box.height())};
  }
  // The quarter of a head standing at box that its caption is written in: the one away from
  // its tip.
  static QRect CaptionQuarterOf(const QRect& box, bool pointsLeft, bool pointsUp) {
    const int w = box.width() / 2, h = box.height() / 2;
    return {box.left() + (pointsLeft ? box.width() - w : 0), box.top() + (pointsUp ? box.height() - h : 0), w, h};
  }
  // Where its tip is, in its own pixels.
  QPoint Tip() const { return TipOf(rect(), PointsLeft, PointsUp); }
  // A mark on its target, its tip at Tip(), with its meaning; reported also while hidden.
  std::vector<TDrawnShape> DrawingShapes() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TColor borderColor_ = clWhite;
  TColor fontColor_ = clBlue;
  TColor color_ = clBlue;
  QString caption_ = QStringLiteral("p");
  QPointer<QWidget> target_;
  QSize design_;  // invalid until placed
  QSize placed_;  // the size Reposition gave it: any other was set by its owner, as design
};

// Base of the markers that stand next to a control.
class TPointerBase : public TCanvasWidget, public TKitControl {
 public:
  explicit TPointerBase(QWidget* parent = nullptr);
  virtual void PlaceAt(const QWidget& control) = 0;
};

// The "top" marker of the stack display: a band in its Color with a small downward triangle
// in the canvas font's colour and the word "top". Created 0 x 0; the stack display sizes it.
class TStackTopPointer : public TPointerBase {
 public:
  explicit TStackTopPointer(QWidget* parent = nullptr);
  // Stands directly above control, left-aligned with it.
  void PlaceAt(const QWidget& control) override;

  // "top", pointing at the row it was last placed at.
  QString DrawingText() const override { return QStringLiteral("top"); }
  QList<const QWidget*> DrawingTargets() const override;
  // A mark on the row, its tip at the triangle's point.
  std::vector<TDrawnShape> DrawingShapes() const override;

 protected:
  void Paint() override;

 private:
  QPointer<const QWidget> placedAt_;
};
