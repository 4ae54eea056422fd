#include "platform/PaintBox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <set>
#include <utility>

#include "platform/Pacing.h"
#include "platform/PaintRecord.h"

namespace {

// Widgets with direct drawing not yet shown.
std::set<TCanvasWidget*>& Pending() {
  static std::set<TCanvasWidget*> pending;
  return pending;
}

}  // namespace

TCanvasWidget::TCanvasWidget(QWidget* parent) : QWidget(parent) {
  static const bool hooked = [] {
    pacing::SetFlushHook(&TCanvasWidget::FlushAll);
    return true;
  }();
  (void)hooked;
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  image_ = QImage(size().expandedTo({1, 1}), QImage::Format_RGB32);
  image_.fill(ToQColor(Color));
  canvas_.OnChange = [this](const QRect& r) { CanvasChanged(r); };
  paintrecord::ShowOn(&image_, this);
}

TCanvasWidget::~TCanvasWidget() {
  Pending().erase(this);
  paintrecord::Forget(&image_);
}

void TCanvasWidget::Invalidate() {
  needsPaint_ = true;
  update();
}

void TCanvasWidget::Repaint() {
  needsPaint_ = true;
  if (isVisible()) repaint();
}

void TCanvasWidget::Update() {
  if (!isVisible()) return;
  if (needsPaint_) {
    repaint();
  } else if (!dirty_.isEmpty()) {
    Flush();
  }
}

void TCanvasWidget::Flush() {
  Pending().erase(this);
  const QRect r = std::exchange(dirty_, QRect());
  if (!r.isEmpty() && isVisible()) repaint(r);
}

void TCanvasWidget::FlushAll() {
  // Flush may destroy nothing, but copy anyway: repaint can run arbitrary paint code.
  const std::set<TCanvasWidget*> pending = std::exchange(Pending(), {});
  for (TCanvasWidget* w : pending) w->Flush();
}

TPoint TCanvasWidget::ClientToScreen(TPoint p) const { return mapToGlobal(p); }

TPoint TCanvasWidget::ScreenToClient(TPoint p) const { return mapFromGlobal(p); }

void TCanvasWidget::Paint() {
  canvas_.Brush.Color = Color;
  canvas_.Brush.Style = bsSolid;
  canvas_.FillRect(ClientRect());
}

QImage TCanvasWidget::PaintedAfresh() {
  QImage fresh(image_.size(), QImage::Format_RGB32);
  fresh.fill(ToQColor(Color));
  const bool wasInPaint = std::exchange(inPaint_, true);
  canvas_.SetTarget(&fresh);
  const auto restore = [&] {
    canvas_.SetTarget(&image_);
    inPaint_ = wasInPaint;
    paintrecord::Forget(&fresh);
  };
  try {
    Paint();
  } catch (...) {
    restore();
    throw;
  }
  restore();
  return fresh;
}

void TCanvasWidget::CanvasChanged(const QRect& r) {
  if (inPaint_) return;  // the paint shows everything when it ends
  dirty_ |= r;
  Pending().insert(this);
  update(r);
}

void TCanvasWidget::PaintNow() {
  needsPaint_ = false;
  inPaint_ = true;
  try {
    Paint();
  } catch (...) {
    inPaint_ = false;
    throw;
  }
  inPaint_ = false;
  dirty_ = QRect();
  Pending().erase(this);
}

void TCanvasWidget::paintEvent(QPaintEvent* event) {
  if (needsPaint_) PaintNow();
  QPainter p(this);
  p.drawImage(event->rect(), image_, event->rect());
  if (event->rect().contains(dirty_)) {
    dirty_ = QRect();
    Pending().erase(this);
  }
}

void TCanvasWidget::resizeEvent(QResizeEvent*) {
  const QSize s = size().expandedTo({1, 1});
  if (s == image_.size()) return;
  QImage resized(s, QImage::Format_RGB32);
  resized.fill(ToQColor(Color));
  {
    QPainter p(&resized);
    p.drawImage(0, 0, image_);
  }
  image_ = std::move(resized);
  // What was painted shows until the next paint covers it: the record keeps it too.
  paintrecord::Resized(&image_);
  needsPaint_ = true;
  update();
}

void TCanvasWidget::mousePressEvent(QMouseEvent* event) { MousePressed(*event); }

void TCanvasWidget::mouseMoveEvent(QMouseEvent* event) { MouseMoved(*event); }

void TCanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
  MouseReleased(*event, rect().contains(event->position().toPoint()));
}

void TCanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) { MousePressed(*event, true); }

TPaintBox::TPaintBox(QWidget* parent) : TCanvasWidget(parent) {}

void TPaintBox::Paint() {
  if (OnPaint) OnPaint(*this);
}
