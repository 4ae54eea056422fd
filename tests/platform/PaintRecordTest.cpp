#include "platform/PaintRecord.h"

#include <gtest/gtest.h>

#include <QImage>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"

namespace {

struct Painted {
  QImage image{200, 100, QImage::Format_RGB32};
  TCanvas c{&image};
  Painted() {
    c.Brush.Color = clWhite;
    c.FillRect(Rect(0, 0, 200, 100));
  }
  ~Painted() { paintrecord::Forget(&image); }
  const paintrecord::Record& Record() const { return *paintrecord::Find(&image); }
};

}  // namespace

TEST(PaintRecordFigures, EachFigureIsKeptWithItsKindPlaceFillAndEdge) {
  Painted p;
  p.c.Brush.Style = bsSolid;
  p.c.Rectangle(10, 10, 30, 20);
  p.c.Brush.Style = bsClear;
  p.c.Ellipse(40, 10, 60, 30);
  p.c.Polygon({TPoint(70, 10), TPoint(80, 30), TPoint(60, 30)});
  p.c.Pen.Style = psClear;
  p.c.Brush.Style = bsSolid;
  p.c.RoundRect(100, 10, 120, 30, 6, 6);
  const auto& f = p.Record().figures;
  ASSERT_EQ(f.size(), 4u);
  EXPECT_EQ(f[0].kind, paintrecord::Figure::Rect);
  EXPECT_EQ(f[0].bounds, QRectF(10, 10, 20, 10));
  EXPECT_TRUE(f[0].filled && f[0].outlined);
  EXPECT_EQ(f[1].kind, paintrecord::Figure::Ellipse);
  EXPECT_TRUE(!f[1].filled && f[1].outlined) << "a clear brush fills nothing";
  EXPECT_EQ(f[2].kind, paintrecord::Figure::Polygon);
  EXPECT_EQ(f[2].points.size(), 3);
  EXPECT_EQ(f[3].kind, paintrecord::Figure::RoundRect);
  EXPECT_TRUE(f[3].filled && !f[3].outlined) << "a clear pen draws no edge";
}

TEST(PaintRecordFigures, APictureAndAFigurePartlyOffTheImageAreKeptAsFarAsTheyShow) {
  Painted p;
  p.c.Rectangle(180, 80, 240, 140);
  TBitmap bitmap;
  bitmap.SetSize(16, 16);
  p.c.Draw(5, 60, bitmap);
  const auto& f = p.Record().figures;
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[0].bounds, QRectF(180, 80, 60, 60));
  EXPECT_EQ(f[0].shown, QRectF(180, 80, 20, 20));
  EXPECT_EQ(f[1].kind, paintrecord::Figure::Picture);
  EXPECT_EQ(f[1].bounds, QRectF(5, 60, 16, 16));

  p.c.Brush.Color = clBlue;
  p.c.FillRect(Rect(0, 50, 30, 100));
  EXPECT_EQ(p.Record().figures.size(), 2u) << "the picture went under a fill, the fill came";
  EXPECT_EQ(p.Record().figures[1].bounds, QRectF(0, 50, 30, 50));
}

TEST(PaintRecordNames, WhatIsPaintedInANamedScopeCarriesTheNameAndCutLinesKeepIt) {
  Painted p;
  {
    paintrecord::Named link(QStringLiteral("a>b"));
    p.c.MoveTo(0, 40);
    p.c.LineTo(200, 40);
    {
      paintrecord::Named node(QStringLiteral("b"));
      p.c.Rectangle(90, 30, 110, 50);
      p.c.TextOut(95, 32, QStringLiteral("b"));
    }
    EXPECT_EQ(paintrecord::CurrentName(), "a>b");
  }
  EXPECT_EQ(paintrecord::CurrentName(), "");
  const auto& r = p.Record();
  ASSERT_EQ(r.segments.size(), 6u) << "the line cut in two by the box, and the box's four edges";
  int cut = 0;
  for (const auto& s : r.segments) cut += s.name == "a>b" ? 1 : 0;
  EXPECT_EQ(cut, 2);
  ASSERT_EQ(r.figures.size(), 1u);
  EXPECT_EQ(r.figures[0].name, "b");
  ASSERT_EQ(r.texts.size(), 1u);
  EXPECT_EQ(r.texts[0].name, "b");
}
