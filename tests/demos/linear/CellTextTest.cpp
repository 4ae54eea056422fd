#include <gtest/gtest.h>

#include "demos/linear/CellText.h"

namespace {

TFont Arial(int height) { return TFont{.Name = QStringLiteral("Arial"), .Height = height}; }

}  // namespace

TEST(CellText, TheFontShrinksUntilTheWidestTextFits) {
  const TFont font = Arial(-30);
  const int wide = font.TextWidth(QStringLiteral("-7941"));
  EXPECT_EQ(FittingHeight(font, {QStringLiteral("1"), QStringLiteral("-7941")}, wide, 30), 30)
      << "a text that fits keeps the height asked for";
  const int h = FittingHeight(font, {QStringLiteral("1"), QStringLiteral("-7941")}, wide / 2, 30);
  EXPECT_LT(h, 30);
  EXPECT_LE(Arial(-h).TextWidth(QStringLiteral("-7941")), wide / 2) << "the widest text fits at the height found";
  EXPECT_GT(Arial(-(h + 1)).TextWidth(QStringLiteral("-7941")), wide / 2) << "and it is the largest that does";
  EXPECT_EQ(FittingHeight(font, {QStringLiteral("-10000")}, 0, 30), 1) << "no room: the least height, not zero";
  const int cell = FittingHeight(Arial(30), {QStringLiteral("-7941")}, wide / 2, 30);
  EXPECT_LE(Arial(cell).TextWidth(QStringLiteral("-7941")), wide / 2) << "a cell height is fitted as a cell height";
}

TEST(CellText, OnlyWholeCharactersInsideTheCellCanBeRead) {
  const TFont font = Arial(-20);
  const QString text = QStringLiteral("-7941");
  const int width = font.TextWidth(text);
  EXPECT_EQ(VisibleText(font, text, 10, 10, 10 + width), text);
  const int minus = font.TextWidth(QStringLiteral("-"));
  EXPECT_EQ(VisibleText(font, text, 10, 11, 10 + width), QStringLiteral("7941")) << "the sign cut by the left edge";
  EXPECT_EQ(VisibleText(font, text, 10, 10 + minus, 10 + width - 1), QStringLiteral("794"))
      << "and the last digit by the right one";
  EXPECT_EQ(VisibleText(font, text, 10, 100, 200), QString()) << "a text outside its cell shows nothing";
}
