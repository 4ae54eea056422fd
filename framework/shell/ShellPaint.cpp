#include "framework/shell/ShellPaint.h"

#include <QWidget>

namespace shellpaint {

namespace {
std::unique_ptr<TBitmap> g_backdrop;
}

const TBitmap* Backdrop() { return g_backdrop.get(); }
void SetBackdrop(std::unique_ptr<TBitmap> backdrop) { g_backdrop = std::move(backdrop); }

void CopyBackdrop(TCanvas& canvas, const QWidget& w, const TRect& r) {
  if (const TBitmap* back = Backdrop()) {
    const QPoint origin = w.mapToGlobal(r.TopLeft());
    canvas.CopyRect(r, back->Canvas(), Bounds(origin.x(), origin.y(), r.Width(), r.Height()));
    return;
  }
  canvas.Brush.Color = clSilver;
  canvas.Brush.Style = bsSolid;
  canvas.FillRect(r);
}

void Frame3D(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight) {
  canvas.Pen.Color = topLeft;
  canvas.MoveTo(r.Left, r.Bottom - 1);
  canvas.LineTo(r.Left, r.Top);
  canvas.LineTo(r.Right - 1, r.Top);
  canvas.Pen.Color = bottomRight;
  canvas.LineTo(r.Right - 1, r.Bottom - 1);
  canvas.LineTo(r.Left, r.Bottom - 1);
}

std::unique_ptr<TBitmap> MakeCheckerBitmap(TColor colour) {
  auto b = std::make_unique<TBitmap>(8, 8);
  b->Canvas().Brush.Color = colour == clGray ? clBlack : clGray;
  b->Canvas().FillRect(Rect(0, 0, 8, 8));
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if ((x + y) % 2 == 1) b->Canvas().Pixels(x, y) = colour;
  return b;
}

}  // namespace shellpaint

TBackdropImage::TBackdropImage(QWidget* parent) : TCanvasWidget(parent) { Color = clSilver; }

void TBackdropImage::TakeBackdrop() {
  picture_ = std::make_unique<TBitmap>(qMax(1, width()), qMax(1, height()));
  shellpaint::CopyBackdrop(picture_->Canvas(), *this, ClientRect());
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
