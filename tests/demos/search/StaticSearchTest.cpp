#include <gtest/gtest.h>

#include "demos/search/StaticSearches.h"
#include "demos/search/StaticSrchGraph.h"

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
}

TEST(StaticSearch, InterpolationRoundsHalvesToEvenAndSurvivesEqualEnds) {
  // "12345abcdfhrstuv" for 'h': 1 + Round(55 / 69 * 15) = 13, then 1 + Round(55 / 65 * 11) = 10.
  EXPECT_EQ(InterpolationPos(1, 16, '1', 'v', 'h'), 13);
  EXPECT_EQ(InterpolationPos(1, 12, '1', 's', 'h'), 10);
  // 1 / 2 * 1 = 0.5 rounds to 0, 3 / 2 * 1 = 1.5 rounds to 2.
  EXPECT_EQ(InterpolationPos(4, 5, 'a', 'c', 'b'), 4);
  EXPECT_EQ(InterpolationPos(1, 4, 'a', 'c', 'b'), 3);  // 1 + Round(1.5)
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

TEST(StaticSrchForm, EmptyTableHalvesTheWidth) {
  TStaticSrchForm form;
  form.resize(400, 200);
  form.ComputeCellSize();
  EXPECT_EQ(form.CellWidth, 200);
  EXPECT_EQ(form.CellHeight, 50);
}
