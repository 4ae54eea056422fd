#include <gtest/gtest.h>

#include "platform/TextRules.h"

TEST(TextRules, RoundsHalvesToEven) {
  EXPECT_EQ(text::Round(2.5), 2);
  EXPECT_EQ(text::Round(3.5), 4);
  EXPECT_EQ(text::Round(-2.5), -2);
  EXPECT_EQ(text::Round(0.49), 0);
  EXPECT_EQ(text::Round(68.4), 68);
}

TEST(TextRules, DivisionTruncatesTowardZero) {
  EXPECT_EQ(text::Div(-7, 2), -3);
  EXPECT_EQ(text::Div(7, -2), -3);
  EXPECT_EQ(text::Mod(-7, 2), -1);
}

TEST(TextRules, CutsByGbkBytesWithoutSplittingCharacters) {
  EXPECT_EQ(text::CutToBytes(QStringLiteral("abcdefghijklmnopqrst"), 16), QStringLiteral("abcdefghijklmnop"));
  // 15 ASCII bytes, then a CJK character of two bytes would make 17: it is left out whole.
  EXPECT_EQ(text::CutToBytes(QStringLiteral("abcdefghijklmno中"), 16), QStringLiteral("abcdefghijklmno"));
  EXPECT_EQ(text::CutToBytes(QStringLiteral("阿克曼函数阿克曼函数"), 16), QStringLiteral("阿克曼函数阿克曼"));
  EXPECT_EQ(text::GbkLength(QStringLiteral("结果为29。")), 10);
}

TEST(TextRules, GbkRoundTrip) {
  const QString s = QStringLiteral("迷宫 maze");
  EXPECT_EQ(text::ToGbk(s).size(), 9);
  EXPECT_EQ(text::FromGbk(text::ToGbk(s)), s);
}

TEST(TextRules, FloatTextMatchesTheRuntimeGeneralForm) {
  EXPECT_EQ(text::FloatToStr(0.1 + 0.2), QStringLiteral("0.3"));
  EXPECT_EQ(text::FloatToStr(1e20), QStringLiteral("1E20"));
  EXPECT_EQ(text::FloatToStr(1e15), QStringLiteral("1E15"));
  EXPECT_EQ(text::FloatToStr(123456789012345.0), QStringLiteral("123456789012345"));
  EXPECT_EQ(text::FloatToStr(0.0001), QStringLiteral("0.0001"));
  EXPECT_EQ(text::FloatToStr(0.00001), QStringLiteral("1E-5"));
  EXPECT_EQ(text::FloatToStr(-1.5e-7), QStringLiteral("-1.5E-7"));
  EXPECT_EQ(text::FloatToStr(36), QStringLiteral("36"));
  EXPECT_EQ(text::FloatToStr(0), QStringLiteral("0"));
  EXPECT_EQ(text::FloatToStr(2.0 / 3.0), QStringLiteral("0.666666666666667"));
}

TEST(TextRules, IntegerParsingReportsBadInput) {
  EXPECT_EQ(text::ParseInt(QStringLiteral(" 42 ")), 42);
  EXPECT_EQ(text::ParseInt(QStringLiteral("-7")), -7);
  EXPECT_FALSE(text::ParseInt(QStringLiteral("4x")).has_value());
  EXPECT_FALSE(text::ParseInt(QStringLiteral("")).has_value());
  EXPECT_FALSE(text::ParseInt(QStringLiteral("99999999999")).has_value());
}
