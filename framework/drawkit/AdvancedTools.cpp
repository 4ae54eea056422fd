#include "framework/drawkit/AdvancedTools.h"

#include <algorithm>
#include <cstdlib>

#include "platform/TextRules.h"

void TImgAnimBase::PrepareWork(const TRect& r) {
  if (Work.Width() < r.Width() || Work.Height() < r.Height())
    Work.SetSize(std::max(Work.Width(), r.Width()), std::max(Work.Height(), r.Height()));
  CopyBackground(r);
}

void TImgAnimBase::MoveTo(int x, int y, TBitmap& sprite) {
  const TRect now = Bounds(x, y, sprite.Width(), sprite.Height());
  const bool wasTransparent = sprite.Transparent;
  sprite.Transparent = true;
  TRect both;
  TRect overlap;
  if (IntersectRect(overlap, now, LastRect)) {
    UnionRect(both, now, LastRect);
    PrepareWork(both);
    Work.Canvas().Draw(x - both.Left, y - both.Top, sprite);
    Canvas.BitBlt(both.Left, both.Top, both.Width(), both.Height(), Work.Canvas(), 0, 0, SRCCOPY);
  } else {
    if (!LastRect.IsEmpty()) {
      PrepareWork(LastRect);
      Canvas.BitBlt(LastRect.Left, LastRect.Top, LastRect.Width(), LastRect.Height(), Work.Canvas(),
                    0, 0, SRCCOPY);
    }
    Canvas.Draw(x, y, sprite);
  }
  LastRect = now;
  sprite.Transparent = wasTransparent;
}

void TImgAnim::CopyBackground(const TRect& r) {
  if (!Background) return;
  Work.Canvas().BitBlt(0, 0, r.Width(), r.Height(), Background->Canvas(), r.Left - OffsetX,
                       r.Top - OffsetY, SRCCOPY);
}

void AnimateAlongPath(const TImageList& images, TCanvas& canvas, const TNextPointFunc& nextPoint,
                      const TPaintBackgroundFunc& paintBackground) {
  const int w = images.Width();
  const int h = images.Height();
  TBitmap work(2 * w, 2 * h);
  TPoint p;
  int frame = 0;
  bool more = nextPoint(0, p, frame);
  images.Draw(canvas, p.x(), p.y(), frame);
  TPoint prev = p;
  for (int step = 1; more; ++step) {
    more = nextPoint(step, p, frame);
    const int dx = p.x() - prev.x();
    const int dy = p.y() - prev.y();
    if (std::abs(dx) < w && std::abs(dy) < h) {
      // Old and new overlap: compose both on the work bitmap in the target's coordinates.
      const TPoint origin(std::min(prev.x(), p.x()), std::min(prev.y(), p.y()));
      const TRect r = Bounds(origin.x(), origin.y(), std::abs(dx) + w, std::abs(dy) + h);
      work.Canvas().SetWindowOrg(origin.x(), origin.y());
      paintBackground(step, work.Canvas(), r);
      images.Draw(work.Canvas(), p.x(), p.y(), frame);
      canvas.BitBlt(r.Left, r.Top, r.Width(), r.Height(), work.Canvas(), r.Left, r.Top, SRCCOPY);
    } else {
      const TRect old = Bounds(prev.x(), prev.y(), w, h);
      work.Canvas().SetWindowOrg(prev.x(), prev.y());
      paintBackground(step, work.Canvas(), old);
      canvas.BitBlt(old.Left, old.Top, w, h, work.Canvas(), old.Left, old.Top, SRCCOPY);
      images.Draw(canvas, p.x(), p.y(), frame);
    }
    prev = p;
  }
}

void DrawPictureFitted(TBitmap& target, const TBitmap& picture) {
  if (picture.Empty() || target.Empty()) return;
  if (target.Width() <= picture.Width() && target.Height() <= picture.Height()) {
    target.Canvas().Draw(0, 0, picture);
    return;
  }
  const double r = std::min(static_cast<double>(picture.Width()) / target.Width(),
                            static_cast<double>(picture.Height()) / target.Height());
  target.Canvas().StretchDraw(
      Rect(0, 0, text::Round(picture.Width() / r), text::Round(picture.Height() / r)), picture);
}

std::unique_ptr<TBitmap> MakeCheckerBitmap(TColor color) {
  auto checker = std::make_unique<TBitmap>(8, 8);
  TCanvas& c = checker->Canvas();
  c.Brush.Style = bsSolid;
  c.Brush.Color = color == clGray ? clBlack : clGray;
  c.FillRect(Rect(0, 0, 8, 8));
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if ((x + y) % 2 == 1) c.Pixels(x, y) = color;
  return checker;
}
