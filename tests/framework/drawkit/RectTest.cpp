#include <gtest/gtest.h>

#include "framework/drawkit/Rect.h"

TEST(CaptionPieces, TriplesOfPositionAndText) {
  const auto p = ParseCaptionPieces("20,15,a,40,15,b");
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0].X, 20);
  EXPECT_EQ(p[0].Y, 15);
  EXPECT_EQ(p[0].Text, "a");
  EXPECT_EQ(p[1].X, 40);
  EXPECT_EQ(p[1].Text, "b");
  EXPECT_TRUE(ParseCaptionPieces("").empty());
}

TEST(CaptionPieces, ReadingStopsAtAnEmptyTextOrField) {
  EXPECT_EQ(ParseCaptionPieces("1,2,,3,4,x").size(), 0u);
  EXPECT_EQ(ParseCaptionPieces("1,2,a,,3,4,x").size(), 1u);
  EXPECT_EQ(ParseCaptionPieces("1,2").size(), 0u);
  EXPECT_EQ(ParseCaptionPieces("1,2,中文").at(0).Text, "中文");
}

TEST(CaptionPieces, MalformedPositionEndsTheCaptionWithoutThrowing) {
  const auto p = ParseCaptionPieces("1,2,a,x,4,b,5,6,c");
  ASSERT_EQ(p.size(), 1u) << "the pieces before a malformed one are still drawn";
  EXPECT_EQ(p[0].Text, "a");
  EXPECT_TRUE(ParseCaptionPieces("1,y,a").empty());
  EXPECT_TRUE(ParseCaptionPieces("99999999999,1,a").empty());
}

TEST(CaptionPieces, TheRestIsCutTo200BytesAfterEachField) {
  QString longText(250, QChar('w'));
  const auto p = ParseCaptionPieces("1,2," + longText);
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].Text.size(), 198) << "\"2,\" and 198 letters make the 200 bytes kept";
  EXPECT_EQ(ParseCaptionPieces("1,2," + QString(190, QChar('a')) + ",3,4,b").size(), 2u);
  // A piece that starts beyond the limit is lost.
  EXPECT_EQ(ParseCaptionPieces("1,2," + QString(196, QChar('a')) + ",3,4,b").size(), 1u);
}

// --- Node rectangles and pointers on the screen

#include "KitTestSupport.h"
#include "framework/drawkit/Pointer2.h"
#include "platform/Pacing.h"
#include "tests/support/RenderWidget.h"

namespace {

QRect BoxOf(const QImage& im, TColor color) {
  QRect box;
  for (int y = 0; y < im.height(); ++y)
    for (int x = 0; x < im.width(); ++x)
      if (FromQRgb(im.pixel(x, y)) == color) box |= QRect(x, y, 1, 1);
  return box;
}

}  // namespace

TEST(Rectbase, CaptionPiecesAreCentredOnTheirBaselinePoints) {
  kittest::Host host(200, 100);
  auto* node = new TRectbase(&host);
  node->Color = clWhite;
  node->setGeometry(10, 10, 80, 40);
  node->Font.Name = QStringLiteral("Arial");
  node->Font.Height = -16;
  node->Font.Color = clRed;
  host.show();
  pacing::ProcessMessages();
  node->SetCaptionText(QStringLiteral("20,25,I,60,25,I"));
  const QRect red = BoxOf(node->Image(), clRed);
  ASSERT_FALSE(red.isEmpty());
  EXPECT_LE(red.bottom(), 24) << "the text stands on its baseline";
  EXPECT_GE(red.bottom(), 22);
  EXPECT_LE(std::abs(red.left() - 19), 2);
  EXPECT_LE(std::abs(red.right() - 60), 2);
  EXPECT_EQ(BoxOf(node->Image(), clBlack), red.translated(1, 1)) << "shadow one pixel down and right";
  node->SetCaptionText(QStringLiteral("x,1,bad"));  // nothing thrown out of the paint
}

TEST(Pointer2, ArrowHeadPointsDownRightOverItsParent) {
  kittest::Host host(200, 100);
  host.setStyleSheet(QStringLiteral("background: rgb(0, 128, 128)"));
  auto* p = new TPointer2(&host);
  p->SetColor(clRed);
  p->SetBorderColor(clWhite);
  p->SetFontColor(clBlue);
  p->SetCaption(QStringLiteral("p"));
  p->setGeometry(20, 20, 32, 32);
  host.show();
  pacing::ProcessMessages();
  const QImage im = RenderWidget(*p);
  EXPECT_EQ(FromQRgb(im.pixel(31, 2)), clTeal) << "the corner away from the head is see-through";
  EXPECT_EQ(FromQRgb(im.pixel(2, 30)), clTeal);
  EXPECT_EQ(FromQRgb(im.pixel(24, 20)), clRed) << "upper half of the head in Color";
  EXPECT_EQ(FromQRgb(im.pixel(20, 24)), RGB(127, 0, 0)) << "lower half at half intensity";
  EXPECT_FALSE(BoxOf(im, clBlue).isEmpty()) << "the caption";
  EXPECT_LT(BoxOf(im, clBlue).right(), 16) << "in the upper-left quarter";
  EXPECT_FALSE(BoxOf(im, clWhite).intersected(QRect(0, 0, 16, 16)).isEmpty())
      << "a dark caption is outlined in white, so that it reads on a dark ground";
  p->SetFontColor(clYellow);
  const QImage light = RenderWidget(*p);
  const QRect yellow = BoxOf(light, clYellow);
  ASSERT_FALSE(yellow.isEmpty());
  EXPECT_TRUE(BoxOf(light, clBlack).contains(yellow)) << "a light caption is outlined in black";
  p->SetFontColor(clBlue);
  p->SetCaption(QStringLiteral("thrt"));
  p->setGeometry(20, 20, 48, 48);
  const QRect wide = BoxOf(RenderWidget(*p), clBlue);
  EXPECT_LT(wide.right(), 24) << "a caption too long for the quarter beside the head takes smaller letters";
  EXPECT_GE(wide.height(), 8) << "and as large as fit there";
}

TEST(Pointer2, PointingLeftItsTipTakesTheTargetsTopRightCornerAndTheCaptionTheOtherQuarter) {
  kittest::Host host(200, 100);
  host.setStyleSheet(QStringLiteral("background: rgb(0, 128, 128)"));
  auto* target = new QWidget(&host);
  target->setGeometry(60, 50, 40, 30);
  auto* p = new TPointer2(&host);
  p->SetColor(clRed);
  p->SetFontColor(clBlue);
  p->GrowsWithWindow = false;
  p->PointsLeft = true;
  p->SetTarget(target);
  host.show();
  pacing::ProcessMessages();
  EXPECT_EQ(p->pos() + p->Tip(), QPoint(100, 50)) << "the tip on the target's top-right corner";
  ASSERT_EQ(p->DrawingShapes().size(), 1u);
  EXPECT_EQ(p->DrawingShapes()[0].Tip, p->Tip());
  const QImage im = RenderWidget(*p);
  EXPECT_EQ(FromQRgb(im.pixel(0, 2)), clTeal) << "the corner away from the head is see-through";
  EXPECT_EQ(FromQRgb(im.pixel(7, 20)), clRed) << "upper half of the head in Color, mirrored";
  EXPECT_GE(BoxOf(im, clBlue).left(), 16) << "the caption in the upper-right quarter";
}

TEST(StackTopPointer, StandsAboveItsControlLeftAligned) {
  QWidget parent;
  TStackTopPointer marker(&parent);
  EXPECT_EQ(marker.size(), QSize(0, 0));
  QWidget row(&parent);
  row.setGeometry(40, 100, 90, 12);
  marker.resize(90, 12);
  marker.PlaceAt(row);
  EXPECT_EQ(marker.geometry(), QRect(40, 88, 90, 12));
}
