#pragma once
// The dog that runs along an expression's edit when an expression window opens (rundog1 ..
// rundog6, then watchdog, over and over), shared by the expression windows of the stacks and
// of the trees.
#include <array>
#include <functional>

#include "platform/Bitmap.h"
#include "platform/Geometry.h"

class TCanvasWidget;

class TRunningDog {
 public:
  // Loads the pictures from the image folder; a missing one leaves the dog unloaded.
  TRunningDog();

  bool Loaded() const { return loaded_; }
  int Height() const { return pictures_[0].Height(); }

  // Frames 0 .. lastFrame drawn over the window's backdrop at at(k) (window coordinates),
  // follow(k) after each so that the edit keeps up; the window is repainted at the end so the
  // dog leaves no trace. Nothing happens without the pictures or with no frame to run.
  void Run(TCanvasWidget& form, int lastFrame, const std::function<TPoint(int)>& at,
           const std::function<void(int)>& follow);

 private:
  std::array<TBitmap, 7> pictures_;
  bool loaded_ = true;
};
