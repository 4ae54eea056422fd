#pragma once
// Off-screen drawing helpers: a sprite mover that slides a bitmap over a canvas without
// flicker by restoring what it covered from a background, a figure from an image list moved
// along a path, a picture fitted to cover a bitmap, and the 8 x 8 checker pattern of the
// pane title stripes.
#include <functional>
#include <memory>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Geometry.h"

// Moves a sprite over a target canvas. Each move touches only the sprite's old and new
// rectangles; when they overlap, both are composed off-screen and copied in one block.
class TImgAnimBase {
 public:
  explicit TImgAnimBase(TCanvas& canvas) : Canvas(canvas) {}
  virtual ~TImgAnimBase() = default;
  TImgAnimBase(const TImgAnimBase&) = delete;
  TImgAnimBase& operator=(const TImgAnimBase&) = delete;

  // Draws the sprite at (x, y) (its transparent colour left out) and restores the background
  // where it was before. The sprite of the last move stays drawn.
  void MoveTo(int x, int y, TBitmap& sprite);

  TCanvas& Canvas;  // not owned
  TRect LastRect;   // where the sprite was drawn last; empty before the first move
  TBitmap Work{64, 64};

 protected:
  // Work grows (never shrinks) to hold r, then receives the background under r.
  void PrepareWork(const TRect& r);
  // Fills Work from (0, 0) with the background that belongs under r of the target.
  virtual void CopyBackground(const TRect& r) = 0;
};

// A sprite mover whose background is a bitmap: target point (x, y) shows background point
// (x - OffsetX, y - OffsetY). Over the screen-sized backdrop the offsets are minus the
// target control's screen origin.
class TImgAnim : public TImgAnimBase {
 public:
  using TImgAnimBase::TImgAnimBase;
  void SetBackground(const TBitmap* background) { Background = background; }

  const TBitmap* Background = nullptr;  // not owned
  int OffsetX = 0;
  int OffsetY = 0;

 protected:
  void CopyBackground(const TRect& r) override;
};

// Moves a figure of an image list along a path. nextPoint(step, point, frame) gives the
// place and frame of each step and answers whether to go on; paintBackground(step, canvas, r)
// paints what belongs under r (target coordinates) onto the canvas it is given. Pacing is the
// callbacks' business.
using TNextPointFunc = std::function<bool(int step, TPoint& point, int& frame)>;
using TPaintBackgroundFunc = std::function<void(int step, TCanvas& canvas, const TRect& r)>;
void AnimateAlongPath(const TImageList& images, TCanvas& canvas, const TNextPointFunc& nextPoint,
                      const TPaintBackgroundFunc& paintBackground);

// Fills target with picture scaled by one factor for both axes so that it covers all of
// target (the overflow cut off); a picture at least as large is drawn unscaled at (0, 0).
void DrawPictureFitted(TBitmap& target, const TBitmap& picture);

// An 8 x 8 pattern of dots in color on gray (on black when color is gray): pixel (x, y) with
// x + y odd is color.
std::unique_ptr<TBitmap> MakeCheckerBitmap(TColor color);
