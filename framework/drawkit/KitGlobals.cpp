#include "framework/drawkit/KitGlobals.h"

#include <QWidget>

std::unique_ptr<TBitmap> MakeBackdrop(const TBitmap& picture, QSize screenSize) {
  auto backdrop = std::make_unique<TBitmap>(screenSize.width(), screenSize.height());
  backdrop->Canvas().StretchDraw(Rect(0, 0, screenSize.width(), screenSize.height()), picture);
  return backdrop;
}

namespace {

void FillPlain(TCanvas& canvas, const TRect& r, TColor color) {
  const TBrush brush = canvas.Brush;
  canvas.Brush.Color = color;
  canvas.Brush.Style = bsSolid;
  canvas.FillRect(r);
  canvas.Brush = brush;
}

}  // namespace

void CopyBackdrop(TCanvas& canvas, const QWidget& control, const TRect& r, TColor fallback) {
  if (r.IsEmpty()) return;
  if (!BackBitmap) {
    FillPlain(canvas, r, fallback);
    return;
  }
  const QPoint topLeft = control.mapToGlobal(QPoint(r.Left, r.Top));
  canvas.BitBlt(r.Left, r.Top, r.Width(), r.Height(), BackBitmap->Canvas(), topLeft.x(),
                topLeft.y(), SRCCOPY);
}

void PaintGround(TCanvas& canvas, const QWidget& control, const TRect& r, bool transparent, TColor color) {
  if (transparent)
    CopyBackdrop(canvas, control, r, color);
  else if (!r.IsEmpty())
    FillPlain(canvas, r, color);
}
