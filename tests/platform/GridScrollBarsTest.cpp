#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include "platform/Grid.h"

// Cells that fill the viewport exactly, both ways, once neither scroll bar shows: a bar that
// comes takes room from the other direction, which then wants its own bar, and so on. Each
// bar that comes or goes resizes the viewport; the grid must settle instead of laying its
// bars out again forever (as the variable window did in a short pane).
TEST(GridScrollBars, CellsThatJustFitSettle) {
  TStringGrid g;
  g.setFrameShape(QFrame::NoFrame);
  g.SetScrollBars(ssBoth);
  g.SetGridLineWidth(0);
  g.SetFixedRows(0);
  g.SetFixedCols(0);
  g.SetColCount(2);
  g.SetRowCount(6);
  g.SetDefaultRowHeight(20);
  g.SetColWidths(0, 125);
  g.SetColWidths(1, 279);
  g.resize(404, 80);
  g.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&g));
  // Rows come and go as a run goes on, columns follow the window.
  for (int rows : {6, 4, 5, 4, 3, 4}) {
    g.SetRowCount(rows);
    for (int w : {390, 404, 418}) {
      g.SetColWidths(1, w - 125);
      g.resize(404, 80);
    }
  }
  EXPECT_EQ(g.TopRow(), 0);
  // However it settled, a bar shows exactly when there is something to scroll.
  for (const QScrollBar* bar : {g.verticalScrollBar(), g.horizontalScrollBar()})
    EXPECT_EQ(bar->parentWidget()->isHidden(), bar->minimum() == bar->maximum());
}
