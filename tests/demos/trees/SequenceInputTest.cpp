#include <gtest/gtest.h>

#include "demos/trees/CrtBTIptDlg.h"
#include "demos/trees/TreCrtDlg.h"
#include "framework/drawkit/WesternText.h"

namespace {

TEST(PreorderString, EmptiesAreMarkedAndCompletedAtTheEnd) {
  EXPECT_EQ(NormalisePreorder(QString()), QStringLiteral("#"));
  EXPECT_EQ(NormalisePreorder(QStringLiteral("A B C")), QStringLiteral("A#B#C##"));
  EXPECT_EQ(NormalisePreorder(QStringLiteral("#AB##C##")), QStringLiteral("AB##C##")) << "a leading # is dropped";
  EXPECT_EQ(NormalisePreorder(QStringLiteral("A###B")), QStringLiteral("A#B##")) << "no more empties than letters";
  EXPECT_EQ(NormalisePreorder(QStringLiteral("A\u4E2DB")), QStringLiteral("AB###")) << "a node holds one byte";
  EXPECT_EQ(NormalisePreorder(QString(20, 'A')).count('A'), 16);
}

TEST(PreorderString, DepthCountsTheLongestPath) {
  EXPECT_EQ(PreorderDepth(QStringLiteral("#")), 0);
  EXPECT_EQ(PreorderDepth(QStringLiteral("AB##C##")), 2);
  EXPECT_EQ(PreorderDepth(QStringLiteral("A#B#C##")), 3);
  EXPECT_EQ(PreorderDepth(NormalisePreorder(QStringLiteral("ABCDE"))), 5);
}

TEST(PreorderInorder, OnlySequencesOfOneTreeAreTaken) {
  EXPECT_TRUE(CheckSequences(QStringLiteral("ABC"), QStringLiteral("BAC")).isEmpty());
  EXPECT_TRUE(CheckSequences(QStringLiteral("ABC"), QStringLiteral("CBA")).isEmpty());
  EXPECT_TRUE(CheckSequences(QString(), QString()).isEmpty()) << "the empty tree";
  EXPECT_FALSE(CheckSequences(QStringLiteral("ABC"), QStringLiteral("AB")).isEmpty());
  EXPECT_FALSE(CheckSequences(QStringLiteral("ABC"), QStringLiteral("CAB")).isEmpty());
  EXPECT_FALSE(CheckSequences(QStringLiteral("ABC"), QStringLiteral("ABD")).isEmpty());
  EXPECT_FALSE(CheckSequences(QStringLiteral("ABCDEFGHIJK"), QStringLiteral("ABCDEFGHIJK")).isEmpty());
  EXPECT_FALSE(CheckSequences(QStringLiteral("A B"), QStringLiteral("A B")).isEmpty());
  EXPECT_EQ(CheckSequences(QStringLiteral("\u4E2D"), QStringLiteral("\u4E2D")), kWesternOnly);
}

}  // namespace
