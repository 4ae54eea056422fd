#include "platform/PaintBox.h"

// Bodies being filled in.
TCanvasWidget::TCanvasWidget(QWidget* parent) : QWidget(parent) {}
TCanvasWidget::~TCanvasWidget() = default;
void TCanvasWidget::Invalidate() { update(); }
void TCanvasWidget::Repaint() { repaint(); }
void TCanvasWidget::Update() {}
void TCanvasWidget::Flush() {}
TPoint TCanvasWidget::ClientToScreen(TPoint p) const { return mapToGlobal(p); }
TPoint TCanvasWidget::ScreenToClient(TPoint p) const { return mapFromGlobal(p); }
void TCanvasWidget::FlushAll() {}
void TCanvasWidget::Paint() {}
void TCanvasWidget::paintEvent(QPaintEvent*) {}
void TCanvasWidget::resizeEvent(QResizeEvent*) {}
void TCanvasWidget::mousePressEvent(QMouseEvent*) {}
void TCanvasWidget::mouseMoveEvent(QMouseEvent*) {}
void TCanvasWidget::mouseReleaseEvent(QMouseEvent*) {}
void TCanvasWidget::mouseDoubleClickEvent(QMouseEvent*) {}
void TCanvasWidget::CanvasChanged(const QRect&) {}
void TCanvasWidget::PaintNow() {}
TPaintBox::TPaintBox(QWidget* parent) : TCanvasWidget(parent) {}
void TPaintBox::Paint() { if (OnPaint) OnPaint(*this); }
