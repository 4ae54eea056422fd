#include "framework/drawkit/KitGlobals.h"

#include <QWidget>

std::unique_ptr<TBitmap> MakeBackdrop(const TBitmap& picture, QSize screenSize) {
  auto backdrop = std::make_unique<TBitmap>(screenSize.width(), screenSize.height());
  backdrop->Canvas().StretchDraw(Rect(0, 0, screenSize.width(), screenSize.height()), picture);
  return backdrop;
}

void CopyBackdrop(TCanvas& canvas, const QWidget& control, const TRect& r, TColor fallback) {
  if (r.IsEmpty()) return;
  if (!BackBitmap) {
    const TBrush brush = canvas.Brush;
    canvas.Brush.Color = fallback;
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(r);
    canvas.Brush = brush;
    return;
  }
  const QPoint topLeft = control.mapToGlobal(QPoint(r.Left, r.Top));
  canvas.BitBlt(r.Left, r.Top, r.Width(), r.Height(), BackBitmap->Canvas(), topLeft.x(),
                topLeft.y(), SRCCOPY);
}
