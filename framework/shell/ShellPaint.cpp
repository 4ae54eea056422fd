#include "framework/shell/ShellPaint.h"

#include "framework/drawkit/KitGlobals.h"

TBackdropImage::TBackdropImage(QWidget* parent) : TCanvasWidget(parent) { Color = clSilver; }

void TBackdropImage::TakeBackdrop() {
  picture_ = std::make_unique<TBitmap>(qMax(1, width()), qMax(1, height()));
  CopyBackdrop(picture_->Canvas(), *this, ClientRect(), clSilver);
  Invalidate();
}

void TBackdropImage::DropPicture() {
  picture_.reset();
  Invalidate();
}

void TBackdropImage::Paint() {
  if (picture_) {
    Canvas().Draw(0, 0, *picture_);
  } else {
    TCanvasWidget::Paint();
  }
}
