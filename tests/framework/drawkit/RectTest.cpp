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
