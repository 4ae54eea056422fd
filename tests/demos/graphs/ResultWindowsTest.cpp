#include <gtest/gtest.h>

#include <QCoreApplication>
#include <set>

#include "demos/graphs/CrtPathDlg.h"
#include "demos/graphs/OrthLink.h"
#include "demos/graphs/ShortestPath.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Screen.h"
#include "tests/demos/graphs/GraphSupport.h"

TEST(CrtPathDlg, ListsEverySlackWithTheCriticalActivitiesInRed) {
  auto g = MakeGraph(6, {{'A', 'B', 3}, {'A', 'C', 2}, {'B', 'D', 2}, {'B', 'E', 3}, {'C', 'D', 4}, {'C', 'F', 3},
                         {'D', 'F', 2}, {'E', 'F', 1}},
                     true);
  TCrtPathDlg dlg;
  dlg.Fill(*g, {0, 0, 3, 2, 6, 6, 8}, {0, 0, 4, 2, 6, 7, 8});
  QStringList arcs;
  QStringList slack;
  QStringList critical;
  for (int col = 1; col <= 8; ++col) {
    arcs << dlg.ArcGrid->Cells(col, 0);
    slack << dlg.ArcGrid->Cells(col, 4);
    if (dlg.IsCritical(col)) critical << dlg.ArcGrid->Cells(col, 0);
  }
  EXPECT_EQ(arcs.join(' '), "AB AC BD BE CD CF DF EF");
  EXPECT_EQ(slack.join(' '), "1 0 1 1 0 3 0 1");
  EXPECT_EQ(critical.join(' '), "AC CD DF");
  EXPECT_EQ(dlg.VexGrid->Cells(5, 2), "7") << "vl of E";
  EXPECT_FALSE(dlg.RightBtn->isVisibleTo(&dlg));
  EXPECT_EQ(dlg.ArcGrid->width(), 10 * TCrtPathDlg::ColWidth) << "one-digit times keep the narrow cells";
}

// A four-digit time widens the cells of both tables alike.
TEST(CrtPathDlg, WidensItsCellsForFourDigitTimes) {
  auto g = MakeGraph(3, {{'A', 'B', 999}, {'B', 'C', 999}}, true);
  TCrtPathDlg dlg;
  dlg.Fill(*g, {0, 0, 999, 1998}, {0, 0, 999, 1998});
  EXPECT_EQ(dlg.ArcGrid->width(), 4 * TCrtPathDlg::WideColWidth);
  EXPECT_EQ(dlg.VexGrid->width(), 5 * TCrtPathDlg::WideColWidth);
}

TEST(CrtPathDlg, PagesTenActivitiesAtATime) {
  auto chain = [](int arcs) {
    auto g = std::make_unique<TGraphm>(arcs + 1);
    for (int v = 1; v <= arcs; ++v) g->AddArc(v, v + 1, 1);
    return g;
  };
  const std::vector<int> times(13, 0);
  TCrtPathDlg ten;
  ten.Fill(*chain(10), times, times);
  EXPECT_EQ(ten.ArcGrid->width(), 12 * TCrtPathDlg::ColWidth);
  EXPECT_FALSE(ten.RightBtn->isVisibleTo(&ten));
  EXPECT_FALSE(ten.LeftBtn->isVisibleTo(&ten));

  TCrtPathDlg eleven;
  eleven.Fill(*chain(11), times, times);
  EXPECT_EQ(eleven.ArcGrid->width(), 12 * TCrtPathDlg::ColWidth);
  ASSERT_TRUE(eleven.RightBtn->isVisibleTo(&eleven));
  EXPECT_TRUE(eleven.RightBtn->isEnabled());
  EXPECT_FALSE(eleven.LeftBtn->isEnabled());
  eleven.RightBtnClick();
  EXPECT_EQ(eleven.ArcGrid->LeftCol(), 2);
  EXPECT_FALSE(eleven.RightBtn->isEnabled());
  EXPECT_TRUE(eleven.LeftBtn->isEnabled());
  eleven.LeftBtnClick();
  EXPECT_EQ(eleven.ArcGrid->LeftCol(), 1);
  EXPECT_FALSE(eleven.LeftBtn->isEnabled());
}

// Where the window must fit a narrow room (beside a drawing on a small screen), a page holds
// fewer activities, then the cells narrow, and the paging still ends on the last activities.
TEST(CrtPathDlg, FitsANarrowRoomWithFewerActivitiesToAPage) {
  auto g = std::make_unique<TGraphm>(9);
  for (int u = 1; u <= 9; ++u)
    for (int w = u + 1; w <= 9; ++w) g->AddArc(u, w, 999);
  std::vector<int> times(10, 0);
  for (int v = 1; v <= 9; ++v) times[static_cast<std::size_t>(v)] = 999 * (v - 1);
  TCrtPathDlg wide;
  wide.Fill(*g, times, times);
  EXPECT_EQ(wide.PageSize(), TCrtPathDlg::MostPageSize);
  EXPECT_EQ(wide.VexGrid->width(), 11 * TCrtPathDlg::WideColWidth);

  TCrtPathDlg narrow;
  narrow.Fill(*g, times, times, 430);
  EXPECT_LE(narrow.width(), 430) << "the window leaves the drawing's nodes in view";
  EXPECT_EQ(narrow.PageSize(), TCrtPathDlg::LeastPageSize);
  EXPECT_GE(narrow.VexGrid->DefaultColWidth(), TCrtPathDlg::LeastColWidth);
  EXPECT_GE(-narrow.VexGrid->Font.Height, 13) << "the letters a class reads";
  for (int page = 0; page < 20 && narrow.RightBtn->isEnabled(); ++page) narrow.RightBtnClick();
  EXPECT_EQ(narrow.ArcGrid->LeftCol(), 36 - 3) << "the last page shows the last four activities";
  EXPECT_TRUE(narrow.LeftBtn->isEnabled());
}

// Opened on a 1920 x 1080 screen the window grows: its tables keep showing the ten activity
// columns of a page, in larger cells and letters, rather than more columns of the old size.
TEST(CrtPathDlg, GrowsOnALargeScreenShowingTheSameColumns) {
  screen::SetFixedSize(QSize(1920, 1080));
  auto g = std::make_unique<TGraphm>(12);
  for (int v = 1; v <= 11; ++v) g->AddArc(v, v + 1, 100 + v);
  const std::vector<int> times(13, 0);
  TCrtPathDlg dlg;
  dlg.Fill(*g, times, times);
  FitToScreen(dlg);
  dlg.show();
  QCoreApplication::sendPostedEvents();
  screen::SetFixedSize(QSize(1024, 768));
  const TStringGrid& arcs = *dlg.ArcGrid;
  EXPECT_NEAR(arcs.ColWidths(0) + 10 * arcs.DefaultColWidth(), arcs.width(), 12) << "a page shows ten activities";
  EXPECT_NEAR(5 * arcs.DefaultRowHeight(), arcs.height(), 5);
  EXPECT_GE(-arcs.Font.Height, 22) << "the letters keep their size in the larger cells";
  EXPECT_GE(dlg.VexGrid->DefaultColWidth(), 50);
}

// Every end vertex's path has a colour of its own that a line on the light backdrop shows:
// no two alike, none a pale yellow (all three parts high, blue the lowest).
TEST(ShortestPaths, PathColoursStayInRangeForEveryEndVertex) {
  EXPECT_EQ(TShortestPathBase::PathColour(2), RGB(120, 160, 195));
  std::set<TColor> seen;
  for (int v = 2; v <= 10; ++v) {
    const TColor c = TShortestPathBase::PathColour(v);
    EXPECT_EQ(c & 0xFF000000u, 0u) << v;
    EXPECT_TRUE(seen.insert(c).second) << v << " has the colour of another end vertex";
    EXPECT_FALSE(GetRValue(c) >= 220 && GetGValue(c) >= 220) << v << " is too pale to see on the backdrop";
  }
  EXPECT_EQ(TShortestPathBase::PathText({1, 10}, QStringLiteral("-->")), "A-->J") << "vertex 10 is J, not a digit";
}

TEST(OrthogonalLink, RefusesWhatItCannotHold) {
  TOrthogonalLink link;
  link.resize(400, 300);
  for (const char* s : {"A", "F", "K"}) link.addnode(QString::fromLatin1(s));
  link.addnode(QStringLiteral("F"));
  EXPECT_EQ(link.RealNodes(), 3) << "existing data";
  link.addnode(QStringLiteral("P"));
  link.addnode(QStringLiteral("U"));
  link.addnode(QStringLiteral("Z"));
  EXPECT_EQ(link.RealNodes(), 5) << "a sixth vertex";
  link.addarc(QStringLiteral("A"), QStringLiteral("Q"));
  EXPECT_EQ(link.NodeCount(), 5) << "an arc to a vertex that is not there";
  link.addarc(QStringLiteral("A"), QStringLiteral("K"));
  EXPECT_TRUE(link.HasArc(1, 3));
  EXPECT_EQ(link.NodeCount(), 6);
  // A loop gets its node in its vertex's row and column, first in both lists after the head
  // node's.
  link.addarc(QStringLiteral("A"), QStringLiteral("A"));
  EXPECT_TRUE(link.HasArc(1, 1));
  EXPECT_EQ(link.NodeCount(), 7);
  ASSERT_NE(link.Box(1, 1), nullptr);
  EXPECT_EQ(link.Box(1, 1)->Text(), "1 1 ^ >") << "A's loop, then on along the row to A->K";
  EXPECT_EQ(link.Box(1, 0)->Text(), "A > >") << "A's head node leads to its loop in both lists";
  link.delarc(QStringLiteral("A"), QStringLiteral("A"));
  link.SetHeadarrow(7);
  EXPECT_EQ(link.headarrow(), 0);
  link.SetHeadarrow(3);
  EXPECT_EQ(link.headarrow(), 3);
  link.delnode(QStringLiteral("A"));
  EXPECT_EQ(link.RealNodes(), 4);
  EXPECT_FALSE(link.HasArc(1, 2)) << "the arcs of a removed vertex go with it";
  EXPECT_EQ(link.NodeCount(), 4);

  TOrthogonalLink one;
  one.resize(400, 300);
  one.addnode(QStringLiteral("B"));
  one.delnode(QStringLiteral("B"));
  EXPECT_EQ(one.RealNodes(), 0);
  EXPECT_EQ(one.NodeCount(), 0);
}
