#include <gtest/gtest.h>

#include "platform/Bitmap.h"

namespace {

// A bitmap whose pixel (x, y) has the colour RGB(x, y, 7).
std::unique_ptr<TBitmap> Ramp(int w, int h) {
  auto b = std::make_unique<TBitmap>(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b->Canvas().Pixels(x, y) = RGB(x, y, 7);
  return b;
}

}  // namespace

TEST(CanvasCopy, PlainCopiesKeepEveryPixelAndLeaveWhatLiesOutsideTheSource) {
  const auto source = Ramp(20, 20);
  TBitmap dest(10, 10);
  dest.Canvas().Brush.Color = clBlack;
  dest.Canvas().FillRect(Rect(0, 0, 10, 10));
  // The source rectangle reaches 5 pixels past the source's right edge.
  dest.Canvas().CopyRect(Rect(0, 0, 10, 10), source->Canvas(), Bounds(15, 3, 10, 10));
  EXPECT_EQ(dest.Canvas().Pixels(0, 0), RGB(15, 3, 7));
  EXPECT_EQ(dest.Canvas().Pixels(4, 9), RGB(19, 12, 7));
  EXPECT_EQ(dest.Canvas().Pixels(5, 0), clBlack) << "no source there: the pixel is left alone";
}

TEST(CanvasCopy, CopyingWithinOneImageDownwardsDoesNotSmear) {
  const auto b = Ramp(8, 8);
  b->Canvas().CopyRect(Rect(0, 2, 8, 8), b->Canvas(), Rect(0, 0, 8, 6));
  for (int y = 2; y < 8; ++y) EXPECT_EQ(b->Canvas().Pixels(3, y), RGB(3, y - 2, 7)) << "row " << y;
}

TEST(CanvasCopy, ClipAndWindowOriginApply) {
  const auto source = Ramp(10, 10);
  TBitmap dest(10, 10);
  dest.Canvas().Brush.Color = clBlack;
  dest.Canvas().FillRect(Rect(0, 0, 10, 10));
  dest.Canvas().SetClipRect(Rect(0, 0, 5, 10));
  dest.Canvas().SetWindowOrg(2, 0);  // logical x lands on pixel x - 2
  dest.Canvas().CopyRect(Rect(2, 0, 12, 10), source->Canvas(), Rect(0, 0, 10, 10));
  EXPECT_EQ(dest.Image().pixel(0, 0) & 0xFFFFFF, ToQRgb(RGB(0, 0, 7)) & 0xFFFFFF);
  EXPECT_EQ(dest.Image().pixel(6, 0) & 0xFFFFFF, 0u) << "outside the clip nothing changes";
}
