#include <gtest/gtest.h>

#include <QSet>

#include "demos/search/StaticSearches.h"
#include "demos/search/StaticSrchGraph.h"
#include "tests/demos/stacks/AloneRun.h"

TEST(StaticSearch, FibonacciNumbersAndTheIndexCoveringATable) {
  EXPECT_EQ(Fibonacci(-1), 0);
  EXPECT_EQ(Fibonacci(0), 0);
  EXPECT_EQ(Fibonacci(1), 1);
  EXPECT_EQ(Fibonacci(2), 1);
  EXPECT_EQ(Fibonacci(8), 21);
  // The smallest j with fib(j) >= n + 1.
  EXPECT_EQ(FibIndexFor(0), 1);
  EXPECT_EQ(FibIndexFor(7), 6);
  EXPECT_EQ(FibIndexFor(8), 7);
  EXPECT_EQ(FibIndexFor(15), 8);
  EXPECT_EQ(FibIndexFor(16), 8);
  // The table thought of as fib(j) - 1 long.
  EXPECT_EQ(FibExtendedLength(0), 0);
  EXPECT_EQ(FibExtendedLength(1), 1);
  EXPECT_EQ(FibExtendedLength(3), 4);
  EXPECT_EQ(FibExtendedLength(12), 12);
  EXPECT_EQ(FibExtendedLength(13), 20);
}

namespace {

// The Fibonacci search run alone from the text of one language (true: C).
class FibSrchRun : public AloneRun<TFibSrch>, public ::testing::WithParamInterface<bool> {
 protected:
  // What the search says of key in table: the message before the engine's closing one.
  QString Outcome(const QString& table, char key) {
    const qsizetype before = host_->Transcript().size();
    StartAlone(QStringLiteral("FibSrch"), GetParam(), [&](TFibSrch& d) {
      d.SearchTable = table;
      d.TableLength = static_cast<int>(table.size());
      d.SearchKey = key;
      // A window too small for a cell: the slides take no frames, so 576 runs stay quick.
      d.StaticSrchForm()->resize(1, 1);
    });
    while (demo_->CurLine() != nullptr) demo_->TraceInto();
    const QStringList said = host_->Transcript().mid(before);
    return said.size() >= 2 ? said[said.size() - 2].section(QStringLiteral(" | "), 1) : said.join('\n');
  }
};

}  // namespace

TEST_P(FibSrchRun, FindsEveryKeyOfEveryTableLengthAndMissesEveryOther) {
  // Tables of 1 to 16 letters B, D, F, ...; the letters A, C, E, ... between, before and after
  // them are not there.
  for (int n = 1; n <= 16; ++n) {
    QString table;
    for (int i = 0; i < n; ++i) table += QChar('B' + 2 * i);
    for (int k = 0; k <= 2 * n; ++k) {
      const char key = static_cast<char>('A' + k);
      const QString expected = k % 2 == 1 ? QStringLiteral("查找成功。K为r中第%1个元素。").arg((k + 1) / 2)
                                          : QStringLiteral("未查找到关键字。");
      ASSERT_EQ(Outcome(table, key), expected) << "table " << table.toStdString() << ", key " << key;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothTexts, FibSrchRun, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "C" : "Pascal"; });

TEST(StaticSearch, InterpolationRoundsHalvesToEvenAndSurvivesEqualEnds) {
  // "12345abcdfhrstuv" for 'h': 1 + Round(55 / 69 * 15) = 13, then 1 + Round(55 / 65 * 11) = 10.
  EXPECT_EQ(InterpolationPos(1, 16, '1', 'v', 'h'), 13);
  EXPECT_EQ(InterpolationPos(1, 12, '1', 's', 'h'), 10);
  // 1 / 2 * 1 = 0.5 rounds to 0, 3 / 2 * 1 = 1.5 rounds to 2.
  EXPECT_EQ(InterpolationPos(4, 5, 'a', 'c', 'b'), 4);
  EXPECT_EQ(InterpolationPos(1, 4, 'a', 'c', 'b'), 3);  // 1 + Round(1.5)
  // "abe" for 'b': 1 + Round(1 / 4 * 2) = 1, as the texts' ROUND and rint give it.
  EXPECT_EQ(InterpolationPos(1, 3, 'a', 'e', 'b'), 1);
  // Both ends hold the key: the first of them, no division by zero.
  EXPECT_EQ(InterpolationPos(1, 2, 'a', 'a', 'a'), 1);
  EXPECT_EQ(InterpolationPos(3, 3, 'k', 'k', 'k'), 3);
}

TEST(StaticSrchForm, CellColoursFollowMarkersRangeAndFound) {
  TStaticSrchForm form;
  form.Table = QStringLiteral("abcdefgh");
  form.SetRangeLow(2);
  form.SetRangeHigh(7);
  form.SetLow(2);
  form.SetHigh(7);
  form.SetMid(4);
  form.SetShowMarkers(true);
  EXPECT_EQ(form.CellColor(1), clGray);
  EXPECT_EQ(form.CellColor(2), clAqua);
  EXPECT_EQ(form.CellColor(4), clTeal);
  EXPECT_EQ(form.CellColor(5), clGreen);
  EXPECT_EQ(form.CellColor(7), clNavy);
  EXPECT_EQ(form.CellColor(8), clGray);
  // While the low end slides only the high end keeps its colour; the probe is green.
  form.SetShowMarkers(false);
  form.SetMovedEnd('l');
  EXPECT_EQ(form.CellColor(2), clGreen);
  EXPECT_EQ(form.CellColor(4), clGreen);
  EXPECT_EQ(form.CellColor(7), clNavy);
  form.SetMovedEnd('h');
  EXPECT_EQ(form.CellColor(2), clAqua);
  EXPECT_EQ(form.CellColor(7), clGreen);
  form.SetFound(true);
  EXPECT_EQ(form.CellColor(4), clRed);
}

TEST(StaticSrchForm, CellsPastTheTableShowInfinityAndAreWhiteWhileLive) {
  TStaticSrchForm form;
  form.Table = QStringLiteral("abc");
  form.ExtendedLength = 4;
  form.resize(600, 200);
  form.ComputeCellSize();
  EXPECT_EQ(form.CellCount(), 4);
  EXPECT_EQ(form.CellWidth, 100) << "the row leaves room for the cell past the table";
  EXPECT_EQ(form.CellText(3), QChar('c'));
  EXPECT_EQ(form.CellText(4), QChar(0x221E));
  form.SetRangeLow(1);
  form.SetRangeHigh(3);
  form.SetShowMarkers(true);
  EXPECT_EQ(form.CellColor(4), clGray);
  form.SetRangeHigh(4);
  EXPECT_EQ(form.CellColor(4), clWhite);
  form.SetMid(4);
  EXPECT_EQ(form.CellColor(4), clTeal) << "a probe past the table";
  form.SetShowMarkers(false);
  form.SetMovedEnd('l');
  form.SetHigh(3);
  EXPECT_EQ(form.CellColor(4), clWhite);
}

TEST(StaticSrchForm, EmptyTableHalvesTheWidth) {
  TStaticSrchForm form;
  form.resize(400, 200);
  form.ComputeCellSize();
  EXPECT_EQ(form.CellWidth, 200);
  EXPECT_EQ(form.CellHeight, 50);
}

// Each colour of a cell says one thing, and the key box stands over the probe only while the
// search still compares (markers shown, not found).
TEST(StaticSrchForm, ColoursSayWhatTheyMeanAndTheKeyBoxFollowsTheProbe) {
  EXPECT_EQ(TStaticSrchForm::ColourWord(clGray), QStringLiteral("out"));
  EXPECT_EQ(TStaticSrchForm::ColourWord(clTeal), QStringLiteral("mid"));
  EXPECT_EQ(TStaticSrchForm::ColourWord(clAqua), QStringLiteral("low"));
  EXPECT_EQ(TStaticSrchForm::ColourWord(clNavy), QStringLiteral("high"));
  EXPECT_EQ(TStaticSrchForm::ColourWord(clRed), QStringLiteral("found"));
  EXPECT_EQ(TStaticSrchForm::ColourWord(clGreen), QStringLiteral("in"));
  EXPECT_EQ(TStaticSrchForm::ColourWord(clWhite), QStringLiteral("in"));  // live, past the table
  // No two of the six colours a cell takes read alike.
  QSet<QString> words;
  for (const TColor colour : {clGray, clTeal, clAqua, clNavy, clRed, clGreen}) words.insert(TStaticSrchForm::ColourWord(colour));
  EXPECT_EQ(words.size(), 6);

  TStaticSrchForm form;
  form.resize(400, 200);
  form.Table = QStringLiteral("abcd");
  form.ComputeCellSize();
  form.SetShowMarkers(true);
  form.SetMid(0);
  EXPECT_TRUE(form.KeyBox().isEmpty()) << "no probe yet";
  form.SetMid(3);
  EXPECT_EQ(form.KeyBox(), form.CellRect(3).translated(0, -form.CellHeight * 3 / 2));
  // Over the probe's column, clear of the cells and inside the window.
  EXPECT_EQ(form.KeyBox().center().x(), form.CellRect(3).center().x());
  for (int k = 1; k <= 4; ++k) EXPECT_FALSE(form.KeyBox().intersects(form.CellRect(k))) << k;
  EXPECT_LT(form.KeyBox().bottom(), form.CellRect(3).top());
  EXPECT_TRUE(form.rect().contains(form.KeyBox()));
  form.SetShowMarkers(false);
  EXPECT_TRUE(form.KeyBox().isEmpty()) << "while the markers slide";
  form.SetShowMarkers(true);
  form.SetFound(true);
  EXPECT_TRUE(form.KeyBox().isEmpty()) << "the key dropped into its cell";
}
