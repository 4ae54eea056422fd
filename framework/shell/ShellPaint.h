#pragma once
// Painting the shell's windows share: the backdrop under a control, raised and sunken
// edges, the dotted title stripes. All on the platform canvas.
#include <QString>
#include <memory>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/PaintBox.h"

class QWidget;

namespace shellpaint {

// The screen-sized backdrop of the running demonstration; nullptr before one is built.
const TBitmap* Backdrop();
void SetBackdrop(std::unique_ptr<TBitmap> backdrop);

// Copies the part of the backdrop that lies under r (w's client coordinates) onto canvas at
// r; without a backdrop r is filled with the window gray.
void CopyBackdrop(TCanvas& canvas, const QWidget& w, const TRect& r);

// A one-pixel edge: top and left in topLeft, right and bottom in bottomRight.
void Frame3D(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight);

// An 8 x 8 pattern: gray with dots in colour (black with gray dots for gray).
std::unique_ptr<TBitmap> MakeCheckerBitmap(TColor colour);

}  // namespace shellpaint

// A picture of the backdrop under the control, taken when asked (a dialog takes it when it
// is shown) and kept while the dialog is dragged: the window shows the texture of the place
// where it was opened.
class TBackdropImage : public TCanvasWidget {
 public:
  explicit TBackdropImage(QWidget* parent);
  // Takes the backdrop under the control's present screen rectangle.
  void TakeBackdrop();
  // Drops the picture (shows the window gray until the next TakeBackdrop).
  void DropPicture();

 protected:
  void Paint() override;

 private:
  std::unique_ptr<TBitmap> picture_;
};
