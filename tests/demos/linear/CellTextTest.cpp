#include <gtest/gtest.h>

#include "demos/linear/CellText.h"

namespace {

TFont Arial(int height) { return TFont{.Name = QStringLiteral("Arial"), .Height = height}; }

}  // namespace

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
