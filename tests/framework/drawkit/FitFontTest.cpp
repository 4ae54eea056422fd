#include <gtest/gtest.h>

#include "framework/drawkit/FitFont.h"

namespace {

TFont Arial(int height) { return TFont{.Name = QStringLiteral("Arial"), .Height = height}; }

}  // namespace

TEST(FitFont, TheFontShrinksUntilTheWidestTextFits) {
  const TFont font = Arial(-30);
  const QStringList texts{QStringLiteral("1"), QStringLiteral("-7941")};
  const int wide = font.TextWidth(QStringLiteral("-7941"));
  EXPECT_EQ(FitFont(font, texts, wide).Height, -30) << "a text that fits keeps the height asked for";
  const int h = -FitFont(font, texts, wide / 2).Height;
  EXPECT_LT(h, 30);
  EXPECT_LE(Arial(-h).TextWidth(QStringLiteral("-7941")), wide / 2) << "the widest text fits at the height found";
  EXPECT_GT(Arial(-(h + 1)).TextWidth(QStringLiteral("-7941")), wide / 2) << "and it is the largest that does";
  EXPECT_EQ(FitFont(font, {QStringLiteral("-10000")}, 0).Height, -1) << "no room: the least height, not zero";
  const TFont cell = FitFont(Arial(30), {QStringLiteral("-7941")}, wide / 2);
  EXPECT_GT(cell.Height, 0) << "a cell height is fitted as a cell height";
  EXPECT_LE(cell.TextWidth(QStringLiteral("-7941")), wide / 2);
}

TEST(FitFont, HeightAndLeastBoundTheFont) {
  const TFont font = Arial(-40);
  const TFont low = FitFont(font, {QStringLiteral("64")}, 1000, 20);
  EXPECT_LE(low.TextHeight(QStringLiteral("64")), 20) << "a low box takes a lower font though the width has room";
  EXPECT_GT(Arial(low.Height - 1).TextHeight(QStringLiteral("64")), 20) << "and the largest that fits";
  EXPECT_EQ(FitFont(font, {QStringLiteral("a long name")}, 3, kAnyHeight, 9).Height, -9)
      << "never below the least asked for, even when nothing fits";
  EXPECT_EQ(FitFont(Arial(-5), {QStringLiteral("a long name")}, 3, kAnyHeight, 9).Height, -5)
      << "a font already below the least is left as it is";
}
