#include <gtest/gtest.h>

#include <QEvent>
#include <QTest>

#include "platform/Pacing.h"
#include "platform/PaintBox.h"
#include "platform/PaintRecord.h"
#include "tests/support/RenderWidget.h"

namespace {

// Counts paint events that reach a widget.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

}  // namespace

TEST(PaintBox, OnPaintDrawsWhenShownAndOnRepaint) {
  TPaintBox box;
  box.resize(40, 30);
  int calls = 0;
  TColor fill = clRed;
  box.OnPaint = [&](TPaintBox& b) {
    ++calls;
    b.Canvas().Brush.Color = fill;
    b.Canvas().FillRect(b.ClientRect());
  };
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  EXPECT_GE(calls, 1);
  EXPECT_EQ(RenderWidget(box).pixel(5, 5), ToQRgb(clRed));
  fill = clBlue;
  const int before = calls;
  box.Repaint();
  EXPECT_EQ(calls, before + 1) << "Repaint paints at once";
  EXPECT_EQ(box.Canvas().Pixels(39, 29), clBlue);
}

TEST(PaintBox, DirectDrawingReachesTheScreenAtTheNextWait) {
  TPaintBox box;
  box.resize(40, 30);
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  pacing::ProcessMessages();
  PaintCounter counter;
  box.installEventFilter(&counter);
  box.Canvas().Brush.Color = clGreen;
  box.Canvas().FillRect(Rect(0, 0, 10, 10));
  EXPECT_EQ(counter.paints, 0);
  pacing::Sleep(10);  // an animation frame: no messages, but the drawing is shown
  EXPECT_EQ(counter.paints, 1);
  pacing::Sleep(10);
  EXPECT_EQ(counter.paints, 1) << "nothing new to show";
  EXPECT_EQ(RenderWidget(box).pixel(3, 3), ToQRgb(clGreen));
  box.removeEventFilter(&counter);
}

TEST(PaintBox, ResizingKeepsTheImageAndPaintsAgain) {
  TPaintBox box;
  box.resize(20, 20);
  box.Canvas().Pixels(5, 5) = clRed;
  int calls = 0;
  box.OnPaint = [&](TPaintBox&) { ++calls; };
  box.resize(30, 10);
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  EXPECT_EQ(box.Canvas().Width(), 30);
  EXPECT_EQ(box.Canvas().Pixels(5, 5), clRed);
  EXPECT_GE(calls, 1);
}

TEST(PaintBox, WhatWasPaintedStaysRecordedAcrossAResizeUntilPaintedOver) {
  TPaintBox box;
  box.resize(100, 60);
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  box.Canvas().TextOut(5, 5, "kept");
  box.Canvas().TextOut(70, 40, "cut");
  box.Canvas().MoveTo(10, 30);
  box.Canvas().LineTo(90, 30);
  box.resize(60, 35);  // the user drags the window smaller; nothing has painted since
  std::optional<paintrecord::Record> r = paintrecord::ShownBy(&box);
  ASSERT_TRUE(r.has_value());
  ASSERT_EQ(r->texts.size(), 1u) << "a text the smaller canvas no longer holds is gone, the other stays";
  EXPECT_EQ(r->texts[0].text, "kept");
  ASSERT_EQ(r->segments.size(), 1u);
  EXPECT_LE(r->segments[0].line.x2(), 60) << "the line is cut at the canvas's new edge";
  box.resize(120, 60);
  r = paintrecord::ShownBy(&box);
  ASSERT_TRUE(r.has_value());
  ASSERT_EQ(r->texts.size(), 1u) << "growing again shows nothing new";
  box.Canvas().Brush.Color = clWhite;
  box.Canvas().FillRect(box.ClientRect());
  EXPECT_TRUE(paintrecord::ShownBy(&box)->texts.empty()) << "painted over";
}

TEST(PaintBox, MouseCallbacksGetClientCoordinates) {
  TPaintBox box;
  box.resize(50, 50);
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  TMouseButton button = mbRight;
  int downX = -1, downY = -1, clicks = 0, upX = -1;
  box.OnMouseDown = [&](TMouseButton b, TShiftState, int x, int y) {
    button = b;
    downX = x;
    downY = y;
  };
  box.OnMouseUp = [&](TMouseButton, TShiftState, int x, int) { upX = x; };
  box.OnClick = [&] { ++clicks; };
  QTest::mouseClick(&box, Qt::LeftButton, Qt::ShiftModifier, QPoint(12, 34));
  EXPECT_EQ(button, mbLeft);
  EXPECT_EQ(downX, 12);
  EXPECT_EQ(downY, 34);
  EXPECT_EQ(upX, 12);
  EXPECT_EQ(clicks, 1);
  int doubles = 0;
  TShiftState shift = 0;
  box.OnDblClick = [&] { ++doubles; };
  box.OnMouseDown = [&](TMouseButton, TShiftState s, int, int) { shift = s; };
  QTest::mouseDClick(&box, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(doubles, 1);
  EXPECT_TRUE(shift & ssDouble);
  EXPECT_EQ(box.ScreenToClient(box.ClientToScreen(Point(7, 8))), Point(7, 8));
}
