#include <gtest/gtest.h>

#include "KitTestSupport.h"
#include "framework/drawkit/AdvancedTools.h"

using kittest::CountColor;
using kittest::Filled;

namespace {

// A target showing clAqua over a background of clNavy, and a 10 x 10 red sprite.
struct Scene {
  std::unique_ptr<TBitmap> target = Filled(100, 60, clAqua);
  std::unique_ptr<TBitmap> background = Filled(200, 200, clNavy);
  std::unique_ptr<TBitmap> sprite = Filled(10, 10, clRed);
  TImgAnim anim{target->Canvas()};
  Scene() {
    sprite->Canvas().Pixels(5, 5) = clLime;
    sprite->Canvas().Pixels(0, 9) = clRed;  // the automatic transparent colour is this pixel's
    anim.SetBackground(background.get());
  }
  TColor At(int x, int y) const { return target->Canvas().Pixels(x, y); }
};

}  // namespace

TEST(ImgAnim, FirstMoveDrawsWithoutErasing) {
  Scene s;
  s.sprite->Canvas().Pixels(0, 9) = clYellow;  // make the body opaque
  s.anim.MoveTo(20, 10, *s.sprite);
  EXPECT_EQ(s.At(25, 15), clLime);
  EXPECT_EQ(s.At(21, 11), clRed);
  EXPECT_EQ(CountColor(*s.target, clNavy), 0) << "nothing restored yet";
  EXPECT_EQ(s.anim.LastRect, Bounds(20, 10, 10, 10));
  EXPECT_FALSE(s.sprite->Transparent) << "the sprite's own transparency is given back";
}

TEST(ImgAnim, ALongJumpLeavesNoTrail) {
  Scene s;
  s.sprite->Canvas().Pixels(0, 9) = clYellow;
  s.anim.MoveTo(0, 0, *s.sprite);
  s.anim.MoveTo(50, 30, *s.sprite);
  EXPECT_EQ(CountColor(*s.target, clNavy), 100) << "the old place shows the background again";
  EXPECT_EQ(s.At(5, 5), clNavy);
  EXPECT_EQ(s.At(55, 35), clLime);
}

TEST(ImgAnim, OverlappingMovesComposeOffScreen) {
  Scene s;
  s.sprite->Canvas().Pixels(0, 9) = clYellow;
  s.anim.MoveTo(10, 10, *s.sprite);
  s.anim.MoveTo(14, 12, *s.sprite);
  EXPECT_EQ(s.At(10, 10), clNavy) << "uncovered part of the old place restored";
  EXPECT_EQ(s.At(13, 21), clNavy);
  EXPECT_EQ(s.At(19, 17), clLime);
  EXPECT_EQ(CountColor(*s.target, clNavy), 14 * 12 - 100 + 1) << "+1: the transparent corner";
  EXPECT_GE(s.anim.Work.Width(), 64) << "the work bitmap only grows";
}

TEST(ImgAnim, TransparentPixelsOfTheSpriteShowWhatIsUnder) {
  Scene s;
  // Bottom-left pixel red: the red body is see-through, only the lime dot is drawn.
  s.anim.MoveTo(20, 10, *s.sprite);
  EXPECT_EQ(s.At(25, 15), clLime);
  EXPECT_EQ(s.At(21, 11), clAqua);
  s.anim.MoveTo(22, 10, *s.sprite);
  EXPECT_EQ(s.At(21, 11), clNavy) << "in an overlapping move the background is under the sprite";
}

TEST(ImgAnim, OffsetsMapTheTargetOntoTheBackground) {
  Scene s;
  s.background->Canvas().Pixels(35, 47) = clFuchsia;  // background point of target (5, 7)
  s.anim.OffsetX = -30;
  s.anim.OffsetY = -40;
  s.sprite->Canvas().Pixels(0, 9) = clYellow;
  s.anim.MoveTo(0, 0, *s.sprite);
  s.anim.MoveTo(60, 40, *s.sprite);
  EXPECT_EQ(s.At(5, 7), clFuchsia);
}

TEST(AnimateAlongPath, RestoresWhatTheFigureLeavesAndPacesThroughTheCallbacks) {
  TImageList images(10, 10);
  images.Add(*Filled(10, 10, clRed));
  images.Add(*Filled(10, 10, clLime));
  auto target = Filled(100, 40, clAqua);
  const std::vector<TPoint> path = {{0, 5}, {4, 5}, {8, 5}, {40, 5}};
  std::vector<TRect> restored;
  AnimateAlongPath(
      images, target->Canvas(),
      [&](int step, TPoint& p, int& frame) {
        p = path[static_cast<std::size_t>(step)];
        frame = step % 2;
        return step + 1 < static_cast<int>(path.size());
      },
      [&](int, TCanvas& canvas, const TRect& r) {
        restored.push_back(r);
        canvas.Brush.Color = clNavy;
        canvas.FillRect(r);
      });
  ASSERT_EQ(restored.size(), 3u);
  EXPECT_EQ(restored[0], Bounds(0, 5, 14, 10)) << "overlapping steps restore the union";
  EXPECT_EQ(restored[1], Bounds(4, 5, 14, 10));
  EXPECT_EQ(restored[2], Bounds(8, 5, 10, 10)) << "a long step restores the old place only";
  EXPECT_EQ(target->Canvas().Pixels(45, 10), clLime) << "frame 1 at the last point";
  EXPECT_EQ(target->Canvas().Pixels(10, 10), clNavy);
  EXPECT_EQ(target->Canvas().Pixels(2, 10), clNavy);
  EXPECT_EQ(target->Canvas().Pixels(70, 10), clAqua);
}

TEST(DrawPictureFitted, CoversTheTargetWithOneScale) {
  auto picture = Filled(100, 50, clRed);
  picture->Canvas().Brush.Color = clBlue;
  picture->Canvas().FillRect(Rect(50, 0, 100, 50));
  auto target = Filled(200, 200, clWhite);
  DrawPictureFitted(*target, *picture);
  EXPECT_EQ(CountColor(*target, clRed), 200 * 200) << "stretched to 400 x 200: only the left half shows";

  auto small = Filled(60, 20, clWhite);
  DrawPictureFitted(*small, *picture);
  EXPECT_EQ(small->Canvas().Pixels(49, 19), clRed) << "a larger picture is drawn unscaled";
  EXPECT_EQ(small->Canvas().Pixels(50, 0), clBlue);

  auto tall = Filled(50, 100, clWhite);
  DrawPictureFitted(*tall, *picture);  // scaled by 2 to 200 x 100
  EXPECT_EQ(CountColor(*tall, clWhite), 0);
  EXPECT_EQ(CountColor(*tall, clRed), 50 * 100);
}

TEST(MakeCheckerBitmap, DotsOnGrayOrOnBlack) {
  const auto red = MakeCheckerBitmap(clRed);
  ASSERT_EQ(red->Width(), 8);
  ASSERT_EQ(red->Height(), 8);
  EXPECT_EQ(red->Canvas().Pixels(0, 0), clGray);
  EXPECT_EQ(red->Canvas().Pixels(1, 0), clRed);
  EXPECT_EQ(red->Canvas().Pixels(1, 1), clGray);
  EXPECT_EQ(CountColor(*red, clRed), 32);
  const auto gray = MakeCheckerBitmap(clGray);
  EXPECT_EQ(gray->Canvas().Pixels(0, 0), clBlack);
  EXPECT_EQ(gray->Canvas().Pixels(0, 7), clGray);
}
