#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include "platform/Grid.h"
#include "platform/Pacing.h"
#include "tests/support/RenderWidget.h"

namespace {

// A grid of 3 columns x 20 rows (one fixed of each), 20-pixel rows, no scroll bars, with
// a viewport exactly 200 x 105.
void MakeGrid(TDrawGrid& g) {
  g.SetScrollBars(ssNone);
  g.SetColCount(3);
  g.SetRowCount(20);
  g.SetDefaultRowHeight(20);
  g.SetDefaultColWidth(50);
  g.resize(202, 107);  // a one-pixel frame round the viewport
  g.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&g));
  ASSERT_EQ(g.ClientWidth(), 200);
  ASSERT_EQ(g.ClientHeight(), 105);
}

}  // namespace

TEST(Grid, CellRectanglesFollowSizesAndLines) {
  TDrawGrid g;
  MakeGrid(g);
  EXPECT_EQ(g.CellRect(0, 0), Bounds(0, 0, 50, 20));
  EXPECT_EQ(g.CellRect(1, 1), Bounds(51, 21, 50, 20));
  g.SetColWidths(1, 30);
  g.SetRowHeights(2, 10);
  EXPECT_EQ(g.CellRect(2, 3), Bounds(82, 53, 50, 20));
  g.SetOptions(0);  // no lines at all
  EXPECT_EQ(g.CellRect(2, 3), Bounds(80, 50, 50, 20));
  EXPECT_TRUE(g.CellRect(1, 19).IsEmpty()) << "a row below the view has no rectangle";
  int col = -1, row = -1;
  ASSERT_TRUE(g.MouseToCell(85, 55, col, row));
  EXPECT_EQ(col, 2);
  EXPECT_EQ(row, 3);
  EXPECT_FALSE(g.MouseToCell(199, 55, col, row)) << "right of the last column";
}

TEST(Grid, TopRowAndVisibleRowCount) {
  TDrawGrid g;
  MakeGrid(g);
  // 105 pixels: fixed row 21, then 4 whole rows of 21 (84) = 105.
  EXPECT_EQ(g.TopRow(), 1);
  EXPECT_EQ(g.VisibleRowCount(), 4);
  g.SetTopRow(10);
  EXPECT_EQ(g.TopRow(), 10);
  EXPECT_EQ(g.CellRect(1, 10).Top, 21);
  g.SetTopRow(100);
  EXPECT_EQ(g.TopRow(), 16) << "the last row stays at the bottom";
  g.SetTopRow(0);
  EXPECT_EQ(g.TopRow(), 1) << "fixed rows never scroll";
}

TEST(Grid, ScrollBarMovesTheTopRow) {
  TDrawGrid g;
  MakeGrid(g);
  EXPECT_FALSE(g.verticalScrollBar()->isVisible());
  g.SetScrollBars(ssVertical);
  pacing::ProcessMessages();
  EXPECT_TRUE(g.verticalScrollBar()->isVisible());
  int moves = 0;
  g.OnTopLeftChanged = [&] { ++moves; };
  g.verticalScrollBar()->setValue(5);
  EXPECT_EQ(g.TopRow(), 5);
  EXPECT_EQ(moves, 1);
  g.SetTopRow(3);
  EXPECT_EQ(g.verticalScrollBar()->value(), 3);
}

// A grid made without fixed columns whose columns are wider than its view (the variable
// window with a long value) shows its first column, not the second scrolled to the left.
TEST(Grid, DroppingTheFixedColumnsShowsTheFirstColumn) {
  TDrawGrid g;
  MakeGrid(g);
  g.SetColCount(2);
  g.SetColWidths(0, 150);
  g.SetColWidths(1, 150);
  g.SetFixedCols(0);
  g.SetFixedRows(0);
  EXPECT_EQ(g.LeftCol(), 0);
  EXPECT_FALSE(g.CellRect(0, 1).IsEmpty()) << "the first column is in view";
  EXPECT_EQ(g.TopRow(), 0);
  EXPECT_EQ(std::make_pair(g.Col(), g.Row()), std::make_pair(0, 0));
}

TEST(Grid, KeysMoveTheSelectionAndScrollItIntoView) {
  TDrawGrid g;
  MakeGrid(g);
  std::vector<std::pair<int, int>> asked;
  int clicks = 0;
  g.OnSelectCell = [&](int c, int r, bool& can) {
    asked.emplace_back(c, r);
    can = r != 7;
  };
  g.OnClick = [&] { ++clicks; };
  g.setFocus();
  QTest::keyClick(&g, Qt::Key_Down);
  EXPECT_EQ(g.Row(), 2);
  QTest::keyClick(&g, Qt::Key_Right);
  EXPECT_EQ(g.Col(), 2);
  QTest::keyClick(&g, Qt::Key_Right);
  EXPECT_EQ(g.Col(), 2) << "stops at the last column";
  for (int i = 0; i < 3; ++i) QTest::keyClick(&g, Qt::Key_Down);
  EXPECT_EQ(g.Row(), 5);
  EXPECT_EQ(g.TopRow(), 2) << "row 5 scrolled into view at the bottom";
  QTest::keyClick(&g, Qt::Key_Down);
  QTest::keyClick(&g, Qt::Key_Down);
  EXPECT_EQ(g.Row(), 6) << "OnSelectCell refused row 7";
  EXPECT_EQ(asked.back(), std::make_pair(2, 7));
  EXPECT_EQ(clicks, 6) << "one click per change of the current cell";
  QTest::keyClick(&g, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(g.Row(), 19);
  EXPECT_EQ(g.TopRow(), 16);
  QTest::keyClick(&g, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(g.Row(), 1);
  EXPECT_EQ(g.Col(), 1);
  EXPECT_EQ(g.TopRow(), 1);
}

TEST(Grid, MouseSelectsCellsAndReportsClicks) {
  TDrawGrid g;
  MakeGrid(g);
  int clicks = 0;
  g.OnClick = [&] { ++clicks; };
  QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, QPoint(120, 70));
  EXPECT_EQ(g.Col(), 2);
  EXPECT_EQ(g.Row(), 3);
  EXPECT_EQ(clicks, 1);
  QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, QPoint(10, 70));
  EXPECT_EQ(g.Col(), 2) << "a fixed cell is never selected";
}

TEST(Grid, OwnerDrawingGetsEveryVisibleCellWithItsState) {
  TDrawGrid g;
  MakeGrid(g);
  int cells = 0;
  TGridDrawState fixedState = 0, currentState = 0;
  g.OnDrawCell = [&](int c, int r, const TRect& rect, TGridDrawState s) {
    ++cells;
    if (c == 0 && r == 0) fixedState = s;
    if (c == 1 && r == 1) currentState = s;
    EXPECT_EQ(rect, g.CellRect(c, r));
    g.Canvas().Brush.Color = clRed;
    g.Canvas().FillRect(Rect(0, 0, 1000, 1000));  // clipped to the cell
  };
  g.Repaint();
  EXPECT_EQ(cells, 3 * 5);
  EXPECT_TRUE(fixedState & gdFixed);
  EXPECT_TRUE(currentState & gdSelected);
  const QImage shot = RenderWidget(g);
  EXPECT_EQ(shot.pixel(1 + 10, 1 + 10), ToQRgb(clRed));
  EXPECT_NE(shot.pixel(1 + 50, 1 + 10), ToQRgb(clRed)) << "grid line between cells";
  EXPECT_EQ(shot.pixel(1 + 180, 1 + 10), ToQRgb(clWindow)) << "right of the last column";
}

TEST(Grid, StringGridDrawsItsCellTexts) {
  TStringGrid g;
  MakeGrid(g);
  g.SetCells(2, 3, QStringLiteral("WW"));
  EXPECT_EQ(g.Cells(2, 3), QStringLiteral("WW"));
  EXPECT_EQ(g.Cells(9, 9), QString());
  g.Font.Color = clRed;
  g.Repaint();
  const QImage shot = RenderWidget(g);
  const TRect r = g.CellRect(2, 3);
  int red = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) red += shot.pixel(x + 1, y + 1) == ToQRgb(clRed);
  EXPECT_GT(red, 10);
  g.ClearCells();
  EXPECT_EQ(g.Cells(2, 3), QString());
}

TEST(Grid, RepaintingSomeCellsShowsWhatAWholeRepaintShows) {
  TStringGrid g;
  MakeGrid(g);
  g.SetOptions(kDefaultGridOptions | goRowSelect);
  g.SetColWidths(2, 120);  // the last column reaches past the viewport
  for (int r = 0; r < 20; ++r)
    for (int c = 0; c < 3; ++c) g.SetCells(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
  g.Repaint();
  const auto shot = [&] { return g.viewport()->grab().toImage(); };
  // Changes that repaint single cells: new texts, and the selection moving by a row.
  g.SetCells(1, 2, QStringLiteral("WWWWWWWW"));
  g.SetCells(2, 4, QStringLiteral("changed"));
  g.SetRow(3);
  const QImage partial = shot();
  g.Invalidate();
  EXPECT_EQ(partial, shot());
  // Direct drawing stays until its cells are painted again.
  g.Canvas().Brush.Color = clRed;
  g.Canvas().FillRect(Rect(0, 0, 200, 105));
  g.SetCells(0, 1, QStringLiteral("x"));
  const QImage mixed = shot();
  EXPECT_EQ(mixed.pixel(10, 30), ToQRgb(g.FixedColor));
  EXPECT_EQ(mixed.pixel(10, 90), ToQRgb(clRed)) << "a cell not painted again";
}
