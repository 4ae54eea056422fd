#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Random.h"

namespace {

// A white bitmap of the given size.
TBitmap White(int w = 40, int h = 40) { return TBitmap(w, h); }

int CountColor(const TCanvas& c, TColor color, const TRect& area) {
  int n = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) n += c.Pixels(x, y) == color;
  return n;
}

// The bounding box of every pixel that is not `background`.
TRect Ink(const TCanvas& c, TColor background) {
  TRect r{c.Width(), c.Height(), -1, -1};
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x)
      if (c.Pixels(x, y) != background) {
        r.Left = std::min(r.Left, x);
        r.Top = std::min(r.Top, y);
        r.Right = std::max(r.Right, x + 1);
        r.Bottom = std::max(r.Bottom, y + 1);
      }
  return r;
}

}  // namespace

TEST(CanvasLines, LineToLeavesOutTheEndPixelAndMovesThePen) {
  TBitmap b = White();
  TCanvas& c = b.Canvas();
  c.MoveTo(2, 5);
  c.LineTo(12, 5);
  EXPECT_EQ(c.Pixels(2, 5), clBlack);
  EXPECT_EQ(c.Pixels(11, 5), clBlack);
  EXPECT_EQ(c.Pixels(12, 5), clWhite) << "the end pixel of a line must not be set";
  EXPECT_EQ(c.PenPos, TPoint(12, 5));
  c.LineTo(12, 15);  // continues from the end: the corner is set by the second stroke
  EXPECT_EQ(c.Pixels(12, 5), clBlack);
  EXPECT_EQ(c.Pixels(12, 14), clBlack);
  EXPECT_EQ(c.Pixels(12, 15), clWhite);
  c.MoveTo(20, 20);
  c.LineTo(30, 30);
  EXPECT_EQ(CountColor(c, clBlack, Rect(20, 20, 31, 31)), 10);
  EXPECT_EQ(c.Pixels(30, 30), clWhite);
}

TEST(CanvasLines, PolylineSetsEveryVertexOnceAndLeavesOutTheLastPoint) {
  TBitmap b = White();
  TCanvas& c = b.Canvas();
  c.Pen.Mode = pmXor;
  c.Pen.Color = clWhite;  // xor with white inverts: a pixel set twice would come back
  c.Polyline({Point(5, 5), Point(15, 5), Point(15, 15), Point(5, 15)});
  EXPECT_EQ(c.Pixels(15, 5), clBlack);
  EXPECT_EQ(c.Pixels(15, 15), clBlack);
  EXPECT_EQ(c.Pixels(5, 15), clWhite);
  EXPECT_EQ(CountColor(c, clBlack, Rect(0, 0, 40, 40)), 30);
}

// A one-pixel line in copy mode is drawn straight onto the image; on white, mask mode
// gives the same pixels through the figure's coverage grid. Both agree for a polyline that
// crosses itself, runs out of the image and is dashed with its gaps filled.
TEST(CanvasLines, ThinCopyLinesMatchTheCoverageGrid) {
  const auto draw = [](TPenMode mode, TPenStyle style) {
    TBitmap b = White(30, 30);
    TCanvas& c = b.Canvas();
    c.Pen.Mode = mode;
    c.Pen.Style = style;
    c.Pen.Color = clRed;
    c.Brush.Color = clBlue;
    c.Polyline({Point(2, 2), Point(27, 20), Point(4, 24), Point(20, -5), Point(35, 12)});
    QImage out = b.Image();
    return out;
  };
  for (const TPenStyle style : {psSolid, psDash, psDashDot}) EXPECT_EQ(draw(pmCopy, style), draw(pmMask, style)) << style;
}

TEST(CanvasLines, StyledPenFillsItsGapsOnlyWithAnOpaqueBackground) {
  TBitmap b = White();
  TCanvas& c = b.Canvas();
  c.Pen.Style = psDot;
  c.Brush.Color = clYellow;
  c.MoveTo(0, 1);
  c.LineTo(12, 1);
  EXPECT_EQ(c.Pixels(0, 1), clBlack);
  EXPECT_EQ(c.Pixels(2, 1), clBlack);
  EXPECT_EQ(c.Pixels(3, 1), clYellow) << "gaps take the brush colour while it is solid";
  EXPECT_EQ(c.Pixels(6, 1), clBlack);
  c.Brush.Style = bsClear;
  c.MoveTo(0, 3);
  c.LineTo(12, 3);
  EXPECT_EQ(c.Pixels(3, 3), clWhite);
  EXPECT_EQ(c.Pixels(6, 3), clBlack);
}

TEST(CanvasLines, WidePenCoversItsWidth) {
  TBitmap b = White();
  TCanvas& c = b.Canvas();
  c.Pen.Width = 3;
  c.MoveTo(5, 10);
  c.LineTo(30, 10);
  for (int y = 9; y <= 11; ++y) EXPECT_EQ(c.Pixels(15, y), clBlack) << y;
  EXPECT_EQ(c.Pixels(15, 7), clWhite);
  EXPECT_EQ(c.Pixels(15, 13), clWhite);
}

TEST(CanvasFigures, RectangleExcludesRightAndBottomEdges) {
  TBitmap b = White();
  TCanvas& c = b.Canvas();
  c.Brush.Color = clRed;
  c.Pen.Color = clBlue;
  c.Rectangle(0, 0, 10, 10);
  EXPECT_EQ(c.Pixels(0, 0), clBlue);
  EXPECT_EQ(c.Pixels(9, 9), clBlue);
  EXPECT_EQ(c.Pixels(9, 0), clBlue);
  EXPECT_EQ(c.Pixels(10, 5), clWhite);
  EXPECT_EQ(c.Pixels(5, 10), clWhite);
  EXPECT_EQ(CountColor(c, clRed, Rect(0, 0, 40, 40)), 64);
  EXPECT_EQ(CountColor(c, clBlue, Rect(0, 0, 40, 40)), 36);

  c.Pen.Style = psClear;
  c.Rectangle(Rect(20, 20, 25, 25));
  EXPECT_EQ(CountColor(c, clRed, Rect(20, 20, 26, 26)), 25);
  c.Brush.Style = bsClear;
  c.Pen.Style = psSolid;
  c.Rectangle(30, 30, 35, 35);
  EXPECT_EQ(c.Pixels(32, 32), clWhite);
  EXPECT_EQ(CountColor(c, clBlue, Rect(30, 30, 36, 36)), 16);
}

TEST(CanvasFigures, FillAndFrameRectUseTheBrush) {
  TBitmap b = White();
  TCanvas& c = b.Canvas();
  c.Brush.Color = clGreen;
  c.Pen.Mode = pmXor;  // fills ignore the pen mode
  c.FillRect(Rect(2, 2, 5, 5));
  EXPECT_EQ(CountColor(c, clGreen, Rect(0, 0, 40, 40)), 9);
  EXPECT_EQ(c.Pixels(5, 5), clWhite);
  c.Brush.Color = clNavy;
  c.FrameRect(Rect(10, 10, 20, 15));
  EXPECT_EQ(CountColor(c, clNavy, Rect(0, 0, 40, 40)), 2 * 10 + 2 * 3);
  EXPECT_EQ(c.Pixels(19, 14), clNavy);
  EXPECT_EQ(c.Pixels(15, 12), clWhite);
}

TEST(CanvasFigures, PatternBrushesAreAlignedToTheImage) {
  TBitmap pattern(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) pattern.Canvas().Pixels(x, y) = (x + y) % 2 ? clRed : clGray;
  TBitmap b = White();
  TCanvas& c = b.Canvas();
  c.Brush.Bitmap = &pattern;
  c.FillRect(Rect(3, 3, 20, 20));
  EXPECT_EQ(c.Pixels(3, 3), clGray);
  EXPECT_EQ(c.Pixels(4, 3), clRed);
  EXPECT_EQ(c.Pixels(19, 18), clRed);
  c.Brush.Bitmap = nullptr;
  c.Brush.Style = bsHorizontal;
  c.Brush.Color = clBlue;
  c.FillRect(Rect(20, 20, 40, 40));
  EXPECT_EQ(c.Pixels(25, 27), clBlue) << "hatch lines every 8 rows";
  EXPECT_EQ(c.Pixels(25, 26), clWhite) << "hatch gaps keep what was there";
}

TEST(CanvasFigures, EllipseStaysInsideItsBox) {
  TBitmap b = White();
  TCanvas& c = b.Canvas();
  c.Brush.Color = clRed;
  c.Ellipse(4, 6, 24, 18);
  const TRect ink = Ink(c, clWhite);
  EXPECT_EQ(ink, Rect(4, 6, 24, 18));
  EXPECT_EQ(c.Pixels(14, 12), clRed);
  EXPECT_EQ(c.Pixels(4, 12), clBlack);
}

TEST(CanvasFigures, ArcRunsAnticlockwiseFromStartToEndRadial) {
  TBitmap b = White();
  TCanvas& c = b.Canvas();
  // From 3 o'clock anticlockwise to 12 o'clock: the upper right quarter only.
  c.Arc(0, 0, 21, 21, 20, 10, 10, 0);
  const TRect ink = Ink(c, clWhite);
  EXPECT_GE(ink.Left, 9);
  EXPECT_LE(ink.Bottom, 12);
  EXPECT_GT(CountColor(c, clBlack, Rect(0, 0, 40, 40)), 10);

  TBitmap b2 = White();
  TCanvas& c2 = b2.Canvas();
  // From 12 o'clock anticlockwise to 3 o'clock: three quarters, none in the upper right.
  c2.Arc(0, 0, 21, 21, 10, 0, 20, 10);
  EXPECT_EQ(CountColor(c2, clBlack, Rect(13, 0, 21, 8)), 0);
  EXPECT_GT(CountColor(c2, clBlack, Rect(0, 0, 10, 10)), 5);
  EXPECT_GT(CountColor(c2, clBlack, Rect(11, 11, 21, 21)), 5);
}

TEST(CanvasFigures, PieAndPolygonFillTheirInsides) {
  TBitmap b = White();
  TCanvas& c = b.Canvas();
  c.Brush.Color = clLime;
  c.Pie(0, 0, 21, 21, 20, 10, 10, 0);
  EXPECT_EQ(c.Pixels(14, 6), clLime);
  EXPECT_EQ(c.Pixels(6, 14), clWhite);
  c.Polygon({Point(25, 25), Point(35, 25), Point(35, 35), Point(25, 35)});
  EXPECT_EQ(c.Pixels(30, 30), clLime);
  EXPECT_EQ(c.Pixels(35, 30), clBlack);
  EXPECT_EQ(c.Pixels(36, 30), clWhite);
}

TEST(CanvasModes, NotXorTwiceRestoresTheImage) {
  TBitmap b = White(60, 60);
  TCanvas& c = b.Canvas();
  for (int i = 0; i < 300; ++i)
    c.Pixels(rnd::Random(60), rnd::Random(60)) = RGB(rnd::Random(256), rnd::Random(256), 77);
  const QImage before = b.Image().copy();
  c.Pen.Mode = pmNotXor;
  c.Pen.Color = clRed;
  c.Brush.Color = clAqua;
  for (int pass = 0; pass < 2; ++pass) {
    c.MoveTo(1, 1);
    c.LineTo(50, 37);
    c.Rectangle(5, 5, 40, 30);
    c.Ellipse(10, 10, 55, 50);
    c.Polygon({Point(0, 59), Point(30, 20), Point(59, 59)});
    if (pass == 0) {
      EXPECT_NE(b.Image(), before);
    }
  }
  EXPECT_EQ(b.Image(), before) << "not-xor drawn twice must leave no trace";
}

TEST(CanvasModes, RasterOperationsOfPenAndBlocks) {
  TBitmap b = White();
  TCanvas& c = b.Canvas();
  c.Pen.Mode = pmNot;
  c.MoveTo(0, 0);
  c.LineTo(5, 0);
  EXPECT_EQ(c.Pixels(1, 0), clBlack);
  c.Pen.Mode = pmMask;
  c.Pen.Color = clRed;
  c.MoveTo(0, 2);
  c.LineTo(5, 2);
  EXPECT_EQ(c.Pixels(1, 2), clRed);

  TBitmap src(4, 4);
  src.Canvas().Brush.Color = clYellow;
  src.Canvas().FillRect(Rect(0, 0, 4, 4));
  c.Brush.Color = clBlue;
  c.FillRect(Rect(10, 10, 14, 14));
  c.BitBlt(10, 10, 4, 4, src.Canvas(), 0, 0, SRCAND);
  EXPECT_EQ(c.Pixels(11, 11), clBlack);
  c.BitBlt(10, 10, 4, 4, src.Canvas(), 0, 0, SRCPAINT);
  EXPECT_EQ(c.Pixels(11, 11), clYellow);
  c.BitBlt(10, 10, 4, 4, src.Canvas(), 0, 0, SRCINVERT);
  EXPECT_EQ(c.Pixels(11, 11), clBlack);
  c.BitBlt(20, 20, 4, 4, src.Canvas(), 0, 0, NOTSRCCOPY);
  EXPECT_EQ(c.Pixels(21, 21), clBlue);
  EXPECT_THROW(c.BitBlt(0, 0, 2, 2, src.Canvas(), 0, 0, 0x00123456), std::invalid_argument);
}

TEST(CanvasBlocks, CopyRectCopiesOnlyWhatTheSourceHas) {
  TBitmap src(10, 10);
  src.Canvas().Brush.Color = clRed;
  src.Canvas().FillRect(Rect(0, 0, 10, 10));
  TBitmap dst = White();
  // Half of the source rectangle lies outside the source bitmap.
  dst.Canvas().CopyRect(Rect(0, 0, 10, 10), src.Canvas(), Rect(5, 0, 15, 10));
  EXPECT_EQ(dst.Canvas().Pixels(4, 5), clRed);
  EXPECT_EQ(dst.Canvas().Pixels(5, 5), clWhite);
  // Overlapping copy inside one canvas.
  TCanvas& c = dst.Canvas();
  c.CopyRect(Rect(2, 0, 12, 10), c, Rect(0, 0, 10, 10));
  EXPECT_EQ(c.Pixels(6, 5), clRed);
  EXPECT_EQ(c.Pixels(7, 5), clWhite);
}

TEST(CanvasBitmaps, TransparentDrawKeepsTheBackgroundWhereTheColourMatches) {
  TBitmap sprite(4, 4);
  sprite.Canvas().Brush.Color = clFuchsia;
  sprite.Canvas().FillRect(Rect(0, 0, 4, 4));
  sprite.Canvas().Pixels(1, 1) = clBlue;
  sprite.Transparent = true;
  EXPECT_EQ(sprite.TransparentColor(), clFuchsia) << "the bottom-left pixel by default";
  TBitmap dst = White(10, 10);
  dst.Canvas().Draw(3, 3, sprite);
  EXPECT_EQ(dst.Canvas().Pixels(4, 4), clBlue);
  EXPECT_EQ(dst.Canvas().Pixels(3, 3), clWhite);
  EXPECT_EQ(CountColor(dst.Canvas(), clFuchsia, Rect(0, 0, 10, 10)), 0);

  sprite.SetTransparentColor(clBlue);
  dst.Canvas().Draw(3, 3, sprite);
  EXPECT_EQ(dst.Canvas().Pixels(4, 4), clBlue);  // kept from before
  EXPECT_EQ(dst.Canvas().Pixels(3, 3), clFuchsia);
  sprite.Transparent = false;
  dst.Canvas().Draw(0, 0, sprite);
  EXPECT_EQ(dst.Canvas().Pixels(1, 1), clBlue);
}

TEST(CanvasBitmaps, TransparentDrawIgnoresTheBrushAndKeepsToTheClip) {
  TBitmap sprite(4, 4);
  sprite.Canvas().Brush.Color = clLime;
  sprite.Canvas().FillRect(Rect(0, 0, 4, 4));
  sprite.Canvas().Pixels(0, 3) = clFuchsia;  // the transparent colour
  sprite.Transparent = true;
  TBitmap dst = White(10, 10);
  TCanvas& c = dst.Canvas();
  c.Brush.Color = clRed;
  c.Brush.Style = bsDiagCross;
  c.SetClipRect(Rect(0, 0, 5, 10));
  c.Draw(3, 3, sprite);
  EXPECT_EQ(CountColor(c, clLime, Rect(0, 0, 10, 10)), 7);  // two columns, less one pixel
  EXPECT_EQ(c.Pixels(3, 6), clWhite);
  EXPECT_EQ(c.Pixels(5, 3), clWhite) << "outside the clip";
  EXPECT_EQ(CountColor(c, clRed, Rect(0, 0, 10, 10)), 0);
}

TEST(CanvasBitmaps, StretchDrawCoversExactlyItsRectangle) {
  TBitmap pic(3, 3);
  pic.Canvas().Brush.Color = clTeal;
  pic.Canvas().FillRect(Rect(0, 0, 3, 3));
  pic.Canvas().Pixels(2, 2) = clMaroon;
  TBitmap dst = White();
  dst.Canvas().StretchDraw(Rect(5, 5, 17, 11), pic);
  EXPECT_EQ(Ink(dst.Canvas(), clWhite), Rect(5, 5, 17, 11));
  EXPECT_EQ(dst.Canvas().Pixels(16, 10), clMaroon);
  EXPECT_EQ(dst.Canvas().Pixels(13, 9), clMaroon);  // each source pixel is 4 x 2
  EXPECT_EQ(dst.Canvas().Pixels(12, 9), clTeal);
  EXPECT_EQ(dst.Canvas().Pixels(13, 8), clTeal);
}

TEST(CanvasState, ClipRectAndWindowOrigin) {
  TBitmap b = White();
  TCanvas& c = b.Canvas();
  c.SetClipRect(Rect(0, 0, 5, 5));
  c.Brush.Color = clRed;
  c.FillRect(Rect(0, 0, 40, 40));
  EXPECT_EQ(CountColor(c, clRed, Rect(0, 0, 40, 40)), 25);
  EXPECT_EQ(c.ClipRect(), Rect(0, 0, 5, 5));
  c.ClearClipRect();
  EXPECT_EQ(c.ClipRect(), Rect(0, 0, 40, 40));

  const TPoint old = c.SetWindowOrg(10, 10);
  EXPECT_EQ(old, TPoint(0, 0));
  c.Pixels(15, 15) = clBlue;
  EXPECT_EQ(c.Pixels(15, 15), clBlue);
  EXPECT_EQ(b.Image().pixel(5, 5), ToQRgb(clBlue));
  EXPECT_EQ(c.ClipRect(), Rect(10, 10, 50, 50));
  c.SetClipRect(Rect(10, 10, 12, 12));  // logical: device 0..1
  c.FillRect(Rect(0, 0, 40, 40));
  c.Brush.Color = clLime;
  c.FillRect(Rect(0, 0, 40, 40));
  EXPECT_EQ(b.Image().pixel(1, 1), ToQRgb(clLime));
  EXPECT_EQ(b.Image().pixel(2, 2), ToQRgb(clRed)) << "outside the clip: unchanged";
  EXPECT_EQ(c.Pixels(-100, 3), clNone);
}

TEST(CanvasText, AlignmentPlacesTheCellOrTheBaseline) {
  TBitmap b = White(120, 60);
  TCanvas& c = b.Canvas();
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Height = -16;
  c.Brush.Style = bsClear;
  c.TextOut(50, 30, QStringLiteral("H"));
  TRect ink = Ink(c, clWhite);
  const int ascent = c.Font.Ascent();
  EXPECT_GE(ink.Left, 50);
  EXPECT_EQ(ink.Bottom, 30 + ascent) << "the letter stands on the baseline at top + ascent";

  TBitmap b2 = White(120, 60);
  TCanvas& c2 = b2.Canvas();
  c2.Font = c.Font;
  c2.Brush.Style = bsClear;
  c2.SetTextAlign(TA_CENTER | TA_BASELINE);
  c2.TextOut(50, 30, QStringLiteral("H"));
  ink = Ink(c2, clWhite);
  EXPECT_EQ(ink.Bottom, 30) << "the baseline is at y";
  EXPECT_LE(std::abs((ink.Left + ink.Right) / 2 - 50), 1) << "centred on x";
}

TEST(CanvasText, OpaqueBackgroundFillsTheCellWithTheBrushColour) {
  TBitmap b(100, 40);
  TCanvas& c = b.Canvas();
  c.Brush.Color = clBlack;
  c.FillRect(Rect(0, 0, 100, 40));
  c.Brush.Color = clYellow;
  c.Font.Color = clRed;
  c.TextOut(10, 5, QStringLiteral("A国"));
  const QSize cell = c.TextExtent(QStringLiteral("A国"));
  EXPECT_EQ(c.BkMode(), OPAQUE);
  EXPECT_EQ(c.Pixels(10, 5), clYellow);
  EXPECT_EQ(c.Pixels(10 + cell.width() - 1, 5 + cell.height() - 1), clYellow);
  EXPECT_EQ(c.Pixels(10 + cell.width(), 5), clBlack);
  EXPECT_GT(CountColor(c, clRed, Rect(0, 0, 100, 40)), 10);

  c.Brush.Color = clBlack;
  c.FillRect(Rect(0, 0, 100, 40));
  c.Brush.Color = clYellow;
  c.SetBkMode(TRANSPARENT);
  c.TextOut(10, 5, QStringLiteral("A国"));
  EXPECT_EQ(CountColor(c, clYellow, Rect(0, 0, 100, 40)), 0);
  EXPECT_GT(CountColor(c, clRed, Rect(0, 0, 100, 40)), 10);
  c.Brush.Color = clWhite;  // a new brush sets the mode again, as the class library did
  EXPECT_EQ(c.BkMode(), OPAQUE);
  c.Brush.Style = bsClear;
  EXPECT_EQ(c.BkMode(), TRANSPARENT);
}

TEST(CanvasText, TextIsNotAntialiased) {
  TBitmap b(80, 30);
  TCanvas& c = b.Canvas();
  c.Font.Name = QStringLiteral("宋体");
  c.Font.Height = -14;
  c.TextOut(2, 2, QStringLiteral("汉字ab"));
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 80; ++x) {
      const TColor p = c.Pixels(x, y);
      ASSERT_TRUE(p == clWhite || p == clBlack) << "grey pixel at " << x << "," << y;
    }
}

TEST(CanvasText, TextRectClipsAndFillsItsRectangle) {
  TBitmap b(100, 40);
  TCanvas& c = b.Canvas();
  c.Brush.Color = clAqua;
  c.TextRect(Rect(10, 10, 30, 30), 12, 12, QStringLiteral("WWWWWWWW"));
  EXPECT_EQ(Ink(c, clWhite), Rect(10, 10, 30, 30));
  EXPECT_EQ(c.Pixels(10, 10), clAqua);
  EXPECT_FALSE(c.HasClipRect()) << "the clip is restored";
}

TEST(CanvasText, TextOutDrawsThePixelsQtDraws) {
  // Texts are laid out once and then drawn from their glyphs: the pixels must be Qt's own.
  const QStringList texts = {QStringLiteral("Addr    k    i"),     QStringLiteral("Res:=AckMan(m,n);"),
                             QStringLiteral("第92种排布找到了!"), QStringLiteral("q = (2,4,1,3)"),
                             QStringLiteral("变量名 Mixed 中文 text"), QStringLiteral("  \tTab  "),
                             QStringLiteral("fi ffl AV To")};
  for (const char* name : {"Arial", "宋体", "Fixedsys", "Times New Roman", "楷体"}) {
    for (TFontStyles style : {0u, unsigned(fsBold), unsigned(fsItalic), unsigned(fsUnderline)}) {
      for (int height : {-12, -16, 15}) {
        TFont f;
        f.Name = QString::fromUtf8(name);
        f.Height = height;
        f.Style = style;
        f.Color = clNavy;
        for (const QString& text : texts) {
          QImage qt(240, 40, QImage::Format_RGB32);
          qt.fill(Qt::white);
          QPainter p(&qt);
          p.setRenderHint(QPainter::TextAntialiasing, false);
          p.setFont(f.ToQFont());
          p.setPen(ToQColor(clNavy));
          p.drawText(QPoint(3, 5 + QFontMetrics(f.ToQFont()).ascent()), text);
          p.end();
          for (int pass = 0; pass < 2; ++pass) {  // laid out, then drawn again
            TBitmap mine = White(240, 40);
            mine.Canvas().Font = f;
            mine.Canvas().Brush.Style = bsClear;
            mine.Canvas().TextOut(3, 5, text);
            ASSERT_EQ(mine.Image(), qt) << name << " style " << style << " height " << height << " "
                                        << text.toStdString() << " pass " << pass;
          }
        }
      }
    }
  }
}
