#include "framework/shell/Backdrop.h"

#include <QWidget>

#include "framework/drawkit/KitGlobals.h"
#include "platform/Bitmap.h"

const TBitmap* CurrentBackdrop() { return BackBitmap.get(); }

void CopyBackdrop(TCanvas& canvas, const QWidget* control, const TRect& r, TColor fallback) {
  const TBitmap* back = CurrentBackdrop();
  if (!back || back->Empty() || r.IsEmpty()) {
    const TBrush saved = canvas.Brush;
    canvas.Brush.Color = fallback;
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(r);
    canvas.Brush = saved;
    return;
  }
  const QPoint screen = control->mapToGlobal(QPoint(r.Left, r.Top));
  const int inside = std::clamp(back->Width() - screen.x(), 0, r.Width());
  if (inside > 0)
    canvas.CopyRect(Rect(r.Left, r.Top, r.Left + inside, r.Bottom), back->Canvas(),
                    Bounds(screen.x(), screen.y(), inside, r.Height()));
  if (inside < r.Width())
    canvas.CopyRect(Rect(r.Left + inside, r.Top, r.Right, r.Bottom), back->Canvas(),
                    Bounds(0, screen.y(), r.Width() - inside, r.Height()));
}
