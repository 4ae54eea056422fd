#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <utility>

#include "platform/Bitmap.h"
#include "platform/Font.h"

namespace {

// The first and last rows of a white bitmap that hold ink; -1, -1 when none does.
std::pair<int, int> InkRows(TBitmap& b) {
  int top = -1, bottom = -1;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Canvas().Pixels(x, y) != clWhite) {
        if (top < 0) top = y;
        bottom = y;
      }
  return {top, bottom};
}

// Height of the inked rows when the text is drawn in black on white.
int InkHeight(const TFont& f, const QString& text) {
  TBitmap b(200, 120);
  TCanvas& c = b.Canvas();
  c.Font = f;
  c.TextOut(4, 4, text);
  const auto [top, bottom] = InkRows(b);
  return top < 0 ? 0 : bottom - top + 1;
}

}  // namespace

TEST(Font, ProgramFontNamesMapToInstalledFamilies) {
  EXPECT_EQ(SubstituteFamily(QStringLiteral("宋体")), QStringLiteral("AR PL UMing CN"));
  EXPECT_EQ(SubstituteFamily(QStringLiteral("楷体_GB2312")), QStringLiteral("AR PL UKai CN"));
  EXPECT_EQ(SubstituteFamily(QStringLiteral("Arail")), SubstituteFamily(QStringLiteral("Arial")));
  EXPECT_EQ(SubstituteFamily(QStringLiteral("times new roman")), QStringLiteral("Liberation Serif"));
  EXPECT_EQ(SubstituteFamily(QStringLiteral("Fixedsys")), QStringLiteral("Liberation Mono"));
  for (const char* name : {"宋体", "楷体_GB2312", "黑体", "隶书", "Arial", "MS Sans Serif",
                           "Times New Roman", "Courier New", "Fixedsys", "NoSuchFont"}) {
    TFont f;
    f.Name = QString::fromUtf8(name);
    const QFontInfo info(f.ToQFont());
    EXPECT_TRUE(f.ToQFont().families().contains(info.family()))
        << name << " fell back to " << info.family().toStdString() << ": family not installed";
  }
}

TEST(Font, NegativeHeightIsTheCharacterHeight) {
  TFont f;
  f.Name = QStringLiteral("宋体");
  f.Height = -16;
  EXPECT_EQ(f.ToQFont().pixelSize(), 16);
  const int han = InkHeight(f, QStringLiteral("国"));
  EXPECT_GE(han, 13);
  EXPECT_LE(han, 16) << "a 16-pixel font draws CJK characters at most 16 pixels high";
  f.Name = QStringLiteral("Arial");
  const int h = InkHeight(f, QStringLiteral("H"));
  EXPECT_GE(h, 10);
  EXPECT_LE(h, 13);
  EXPECT_GE(f.TextHeight(QStringLiteral("H")), 16) << "the cell holds the character height";
}

TEST(Font, PositiveHeightIsTheCellHeight) {
  for (int cell : {12, 20, 23, 30}) {
    for (const char* name : {"宋体", "Arial", "Courier New"}) {
      TFont f;
      f.Name = QString::fromUtf8(name);
      f.Height = cell;
      const int got = f.TextHeight(QStringLiteral("Xy"));
      EXPECT_LE(got, cell) << name;
      EXPECT_GE(got, cell - 1) << name;
    }
  }
}

TEST(Font, SizeInPointsAndStyles) {
  TFont f;
  f.SetSize(12);
  EXPECT_EQ(f.Height, -16);
  EXPECT_EQ(f.Size(), 12);
  f.Style = fsBold | fsUnderline;
  const QFont q = f.ToQFont();
  EXPECT_TRUE(q.bold());
  EXPECT_TRUE(q.underline());
  EXPECT_FALSE(q.italic());
  EXPECT_EQ(q.styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
  const int plain = TFont{}.TextWidth(QStringLiteral("abc"));
  EXPECT_GT(plain, 0);
  EXPECT_EQ(f.TextExtent(QStringLiteral("")).width(), 0);
}

// A bold zero in the fixed-pitch face, as stack records and table rows draw it, stays a zero
// at the sizes they use: a dot that runs into its sides makes it read as an eight.
TEST(Font, BoldFixedPitchZeroIsNotAnEight) {
  for (const int px : {12, 13, 14, 15, 16, 18, 20}) {
    TBitmap b(60, 60);
    TCanvas& c = b.Canvas();
    c.Font = TFont{.Name = QStringLiteral("Courier New"), .Height = -px, .Style = fsBold, .Pitch = fpFixed};
    c.TextOut(10, 10, QStringLiteral("0"));
    const auto [top, bottom] = InkRows(b);
    // Across the middle of the glyph its two sides stand apart from anything between them
    // (a dot may be there, as long as it does not run into them).
    int runs = 0;
    const int y = (top + bottom) / 2;
    for (int x = 1; x < b.Width(); ++x) runs += c.Pixels(x, y) != clWhite && c.Pixels(x - 1, y) == clWhite;
    EXPECT_GE(runs, 2) << px << " px";
  }
}
