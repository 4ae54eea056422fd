#pragma once
// A picture of the backdrop under a dialog, taken when the dialog is shown and kept while it
// is dragged: the window shows the texture of the place where it was opened.
#include <memory>

#include "platform/Bitmap.h"
#include "platform/PaintBox.h"

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
