// The algorithm window: rows and their geometry, following the current line, nested frames
// per active call, marks and their precedence, breakpoints and zoom.
#include <QScopeGuard>
#include <QScrollBar>
#include <QTabBar>
#include <QImage>

#include "demos/DemoList.h"
#include "framework/engine/Proc.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/Startup.h"
#include "platform/Controls.h"
#include "platform/Grid.h"
#include "platform/Screen.h"
#include "tests/framework/shell/DemoFixture.h"

namespace {

// The colour at the right end of a row's visible cell, where no text reaches.
TColor FillOf(TAlgorithmForm& form, int row) {
  TDrawGrid* grid = form.ProcBox();
  const QImage image = grid->viewport()->grab().toImage();
  const TRect r = grid->CellRect(0, row);
  const int x = std::min(r.Right, grid->ClientWidth()) - 3;
  return FromQColor(image.pixelColor(x, r.Top + r.Height() / 2));
}

// Whether any pixel of the row's visible cell has the colour.
bool RowHasColor(TAlgorithmForm& form, int row, TColor color) {
  TDrawGrid* grid = form.ProcBox();
  const QImage image = grid->viewport()->grab().toImage();
  const TRect r = grid->CellRect(0, row);
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < std::min(r.Right, grid->ClientWidth()); ++x)
      if (FromQColor(image.pixelColor(x, y)) == color) return true;
  return false;
}

void TraceUntil(TAlgoDemo& demo, const std::function<bool()>& done) {
  for (int i = 0; i < 100 && !done(); ++i) demo.TraceInto();
  ASSERT_TRUE(done());
}

}  // namespace

TEST_F(DemoWindows, ShortProcedureIsPaddedToTheVisibleRows) {
  Start(TRecDemo::Text());
  TAlgorithmForm& algo = Algo();
  EXPECT_EQ(algo.ProcTabSet()->count(), 2);
  EXPECT_EQ(algo.ProcTabSet()->tabText(1), "Rec");
  EXPECT_EQ(algo.ProcLineCount(), 2);  // Main
  EXPECT_GE(algo.MaxLines(), 10);
  EXPECT_EQ(algo.RowCount(), algo.MaxLines());
  // Whole rows only, and a column for 80 characters: the grid scrolls sideways.
  EXPECT_EQ(algo.ProcBox()->ClientHeight() % algo.RowHeight(), 0);
  EXPECT_EQ(algo.RowHeight(), algo.ProcBox()->Font.TextHeight(" ") + 2);
  EXPECT_EQ(algo.GridWidth(), 84 * algo.ProcBox()->Font.TextWidth(" ") + 2);
  EXPECT_EQ(algo.TextWidth(), algo.GridWidth());
  EXPECT_TRUE(algo.TextScrollBar()->isVisible());
  EXPECT_EQ(algo.TextScrollBar()->maximum(), algo.GridWidth() - algo.ProcBox()->ClientWidth());
  // Rows past the procedure's lines hold nothing and draw only the backdrop.
  EXPECT_EQ(FillOf(algo, algo.MaxLines() - 1), clSilver);
  EXPECT_TRUE(algo.LineVisible(0));
  EXPECT_FALSE(algo.LineVisible(algo.MaxLines()));
}

TEST_F(DemoWindows, CurrentLineOutsideTheRowsIsScrolledToTheMiddle) {
  TRecDemo& d = Start(TRecDemo::Text(60), 1);
  TAlgorithmForm& algo = Algo();
  // Into Rec(1), to its call, into Rec(0), whose condition fails: on to the "End" line.
  TraceUntil(d, [&] { return d.CurLine() && d.CurLine()->Label() == "End"; });
  const int row = d.CurLine()->LineNo();
  EXPECT_EQ(row, 62);
  EXPECT_EQ(algo.RowCount(), 63);
  EXPECT_TRUE(algo.LineVisible(row));
  EXPECT_EQ(algo.TopRow(), std::min(row - algo.MaxLines() / 2, 63 - algo.MaxLines()));
  // A line already in view does not scroll.
  const int top = algo.TopRow();
  d.TraceInto();  // back in Rec(1), on its end line
  EXPECT_EQ(algo.TopRow(), top);
}

TEST_F(DemoWindows, TheCurrentLineScrollsToTheMiddleBeforeItReachesAnEdge) {
  TRecDemo& d = Start(TRecDemo::Text(60, 60), 1);
  TAlgorithmForm& algo = Algo();
  TraceUntil(d, [&] { return d.CurLine() && d.CurLine()->Label() == "Call"; });
  const int row = d.CurLine()->LineNo();
  ASSERT_EQ(row, 61) << "sixty rows of text above the call and sixty below";
  const int visible = algo.MaxLines();
  ASSERT_GE(visible, 6);
  // On the last row, the one above it, the first row or the second: the lines beyond it
  // would not show; it goes to the middle.
  for (const int top : {row - visible + 1, row - visible + 2, row, row - 1}) {
    algo.SetTopRow(top);
    d.UpdateChildWindow();
    EXPECT_EQ(algo.TopRow(), row - visible / 2) << "the line on row " << row - top << " of the window";
  }
  // Two rows in from either edge, the window stays.
  for (const int top : {row - visible + 3, row - 2}) {
    algo.SetTopRow(top);
    d.UpdateChildWindow();
    EXPECT_EQ(algo.TopRow(), top) << "the line on row " << row - top << " of the window";
  }
}

TEST_F(DemoWindows, OneNestedFramePerActiveCall) {
  TRecDemo& d = Start(TRecDemo::Text(), 6);
  TAlgorithmForm& algo = Algo();
  EXPECT_EQ(algo.FrameDepth(), 0);
  EXPECT_EQ(algo.CurrentPanel(), algo.BkPanel()->parentWidget());
  TraceUntil(d, [&] { return algo.FrameDepth() == 4; });
  EXPECT_EQ(d.CurProc()->Name(), "Rec");
  // From the inside out: maroon, purple, green, black.
  QWidget* w = algo.BkPanel()->parentWidget();
  for (TColor expected : {clMaroon, clPurple, clGreen, clBlack}) {
    auto* frame = dynamic_cast<TPanel*>(w);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->Color(), expected);
    EXPECT_EQ(frame->Inset(), 2 + 4);
    w = w->parentWidget();
  }
  // The unmarked lines of the innermost procedure are drawn in navy, frame colour [4].
  algo.SetSelectedRow(0);  // keep the selection off the unmarked rows
  EXPECT_TRUE(RowHasColor(algo, 1, clNavy));
  EXPECT_EQ(FillOf(algo, 1), clSilver);
  // Each return removes one frame, down to none when the run has ended.
  TraceUntil(d, [&] { return d.CurLine() && d.CurLine()->Label() == "End"; });
  const int deepest = algo.FrameDepth();
  d.TraceInto();
  EXPECT_EQ(algo.FrameDepth(), deepest - 1);
  TraceUntil(d, [&] { return d.CurLine() == nullptr; });
  EXPECT_EQ(algo.FrameDepth(), 0);
  EXPECT_EQ(algo.BkPanel()->parentWidget(), algo.CurrentPanel());
  // Reset clears the frames a paused run left.
  d.Reset();
  TraceUntil(d, [&] { return algo.FrameDepth() == 3; });
  d.Reset();
  EXPECT_EQ(algo.FrameDepth(), 0);
}

TEST_F(DemoWindows, MarksTakeTheirPrecedence) {
  TRecDemo& d = Start(TRecDemo::Text());
  TAlgorithmForm& algo = Algo();
  d.TraceInto();  // on Rec's first line
  ASSERT_EQ(d.CurLine()->LineNo(), 0);
  ASSERT_TRUE(algo.SelectLine("Rec", 1));
  EXPECT_EQ(FillOf(algo, 0), clNavy);   // the current line
  EXPECT_EQ(FillOf(algo, 1), clGreen);  // the selected row
  ASSERT_TRUE(algo.ToggleBreakpoint());
  EXPECT_TRUE(d.GetProcedure("Rec")->LineByIndex(1)->Breakpoint);
  EXPECT_EQ(FillOf(algo, 1), clRed);  // a breakpoint on the selected row shows red
  ASSERT_TRUE(algo.SelectLine("Rec", 0));
  EXPECT_EQ(FillOf(algo, 0), clGreen);
  EXPECT_EQ(FillOf(algo, 1), clRed);
  // A procedure that is not executing shows its lines without marks.
  ASSERT_TRUE(algo.SelectLine("Main", 0));
  EXPECT_EQ(algo.ShownProcedure()->Name(), "Main");
  EXPECT_EQ(FillOf(algo, 0), clSilver);
  ASSERT_TRUE(algo.ToggleBreakpoint());
  EXPECT_EQ(FillOf(algo, 0), clSilver);
  // The next step shows the executing procedure again.
  d.TraceInto();
  EXPECT_EQ(algo.ShownProcedure()->Name(), "Rec");
  EXPECT_EQ(algo.SelectedTab(), 1);
}

TEST_F(DemoWindows, BreakpointOnARowWithoutALineDoesNothing) {
  TRecDemo& d = Start(TRecDemo::Text());
  TAlgorithmForm& algo = Algo();
  ASSERT_GT(algo.RowCount(), 8);
  ASSERT_TRUE(algo.SelectLine("Rec", 8));  // Rec has 3 lines; row 8 is padding
  EXPECT_EQ(algo.SelectedLine(), nullptr);
  EXPECT_FALSE(algo.ToggleBreakpoint());
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(d.GetProcedure("Rec")->LineByIndex(i)->Breakpoint);
  ASSERT_TRUE(algo.SelectLine("Rec", 2));
  EXPECT_TRUE(algo.ToggleBreakpoint());
  EXPECT_TRUE(d.GetProcedure("Rec")->LineByIndex(2)->Breakpoint);
  EXPECT_TRUE(algo.ToggleBreakpoint());
  EXPECT_FALSE(d.GetProcedure("Rec")->LineByIndex(2)->Breakpoint);
  EXPECT_FALSE(algo.SelectLine("NoSuchProc", 0));
  EXPECT_FALSE(algo.SelectLine("Rec", algo.RowCount()));
}

TEST_F(DemoWindows, RefreshKeepsEveryRowOfTheBrowsedProcedure) {
  TRecDemo& d = Start(TRecDemo::Text(60));
  TAlgorithmForm& algo = Algo();
  ASSERT_EQ(d.CurProc()->Name(), "Main");
  ASSERT_TRUE(algo.SelectLine("Rec", 62));
  ASSERT_TRUE(algo.ToggleBreakpoint());
  algo.Refresh();  // the demonstration window refreshes after a toggle
  EXPECT_EQ(algo.RowCount(), 63);
  EXPECT_EQ(algo.SelectedRow(), 62);
  EXPECT_TRUE(algo.LineVisible(62));
}

TEST_F(DemoWindows, RunToCursorStopsOnTheSelectedLine) {
  TRecDemo& d = Start(TRecDemo::Text(), 3);
  TAlgorithmForm& algo = Algo();
  ASSERT_TRUE(algo.SelectLine("Rec", 2));
  d.RunToCursor();
  ASSERT_NE(d.CurLine(), nullptr);
  EXPECT_EQ(d.CurProc()->Name(), "Rec");
  EXPECT_EQ(d.CurLine()->LineNo(), 2);
  EXPECT_EQ(algo.FrameDepth(), 4);  // Main -> Rec(3) -> ... -> Rec(0)
}

TEST_F(DemoWindows, DoubleClickTellsTheRowNumber) {
  Start(TRecDemo::Text());
  ASSERT_TRUE(Algo().SelectLine("Rec", 4));
  Algo().ProcBoxDblClick();
  EXPECT_TRUE(modalHost->Transcript().last().endsWith("| 第4行"));
}

TEST(AlgorithmWindow, ZoomIsKeptPerWindow) {
  TAlgorithmForm a, b;
  a.resize(400, 300);
  b.resize(400, 300);
  a.show();
  b.show();
  const int rowHeight = a.RowHeight();
  a.resize(screen::Width(), 300);  // a pane maximized by its frame
  EXPECT_TRUE(a.Zoomed());
  EXPECT_EQ(a.RowHeight(), 2 * rowHeight);
  EXPECT_EQ(a.ProcBox()->Font.Height, 2 * rowHeight - 2);
  // The other window's resize is its own business: it neither zooms nor unzooms.
  b.resize(380, 300);
  EXPECT_FALSE(b.Zoomed());
  EXPECT_EQ(b.RowHeight(), rowHeight);
  a.resize(screen::Width() - 5, 310);  // still full width: no second zoom
  EXPECT_EQ(a.RowHeight(), 2 * rowHeight);
  a.resize(500, 300);
  EXPECT_FALSE(a.Zoomed());
  EXPECT_EQ(a.RowHeight(), rowHeight);
}

TEST(AlgorithmWindow, FrameColoursCycleThroughThirteen) {
  EXPECT_EQ(TAlgorithmForm::FrameColor(0), clBlack);
  EXPECT_EQ(TAlgorithmForm::FrameColor(4), clNavy);
  EXPECT_EQ(TAlgorithmForm::FrameColor(12), clAqua);
  EXPECT_EQ(TAlgorithmForm::FrameColor(13), clBlack);
  EXPECT_EQ(TAlgorithmForm::FrameColor(14), clGreen);
}

TEST(AlgorithmWindow, NestedFramesShareTheRoomThinnerAsTheyNest) {
  using Insets = std::vector<int>;
  const auto insets = [](int depth, int full, int room) {
    return TAlgorithmForm::FrameInsets(depth, full, room);
  };
  EXPECT_EQ(insets(0, 6, 50), Insets{});
  EXPECT_EQ(insets(4, 6, 24), Insets(4, 6)) << "while the room holds them, as wide as the engine asks";
  // Nine in 19 pixels: two each, the pixel left over to the outermost.
  EXPECT_EQ(insets(9, 6, 19), (Insets{3, 2, 2, 2, 2, 2, 2, 2, 2}));
  // Thirty in 19: the innermost nine, whose colours tell the depth; the outer ones give way.
  const Insets deep = insets(30, 6, 19);
  EXPECT_EQ(Insets(deep.begin(), deep.begin() + 21), Insets(21, 0));
  EXPECT_EQ(Insets(deep.begin() + 21, deep.end()), (Insets{3, 2, 2, 2, 2, 2, 2, 2, 2}));
  EXPECT_EQ(insets(5, 6, 1), Insets(5, 0)) << "no room for a frame: the text keeps it all";
  // One-pixel bevel and border (the maze's): never thinner than two.
  const Insets thin = insets(30, 2, 41);
  EXPECT_EQ(Insets(thin.begin(), thin.begin() + 10), Insets(10, 0));
  EXPECT_EQ(Insets(thin.begin() + 10, thin.end()), Insets(20, 2));
}

// 由先序及中序序列建立二叉树 nine calls deep (preorder ABCDEFGHIJ, inorder BDFHJIGECA, the
// ninth stop on the left-subtree call), docked as the program docks it.
TEST(AlgorithmWindow, NineCallsDeepTheCurrentLineShowsWithTwoLinesOnEachSide) {
  RegisterAllDemos();
  const auto restore = qScopeGuard([] { screen::SetFixedSize(QSize(1024, 768)); });
  for (const QSize screenSize : {QSize(1024, 768), QSize(1366, 768)}) {
    for (const bool useC : {false, true}) {
      screen::SetFixedSize(screenSize);
      modal::ScriptedHostScope host;
      TProgramWindows windows;
      host->QueueDialog(QStringLiteral("Edit1=ABCDEFGHIJ Edit2=BDFHJIGECA 确定"));
      MainForm->ShowMainForm();
      MainForm->DisableButtons();
      MainForm->StartDemo(QStringLiteral("CrtPreIn"), useC);
      ASSERT_TRUE(AlgorithmForm->SelectLine(QStringLiteral("CrtTree"), 10));
      MainForm->SetBreakPointBtnClick();
      for (int i = 0; i < 9; ++i) MainForm->DemoRunClick();
      ASSERT_EQ(AlgorithmForm->FrameDepth(), 9);
      const int row = CurrentDemo->CurLine()->LineNo();
      const std::string where = (useC ? "C at " : "Pascal at ") + std::to_string(screenSize.width());
      EXPECT_GE(AlgorithmForm->MaxLines(), TAlgorithmForm::LeastRows) << where;
      for (int r = row - 2; r <= row + 2; ++r)
        EXPECT_TRUE(AlgorithmForm->LineVisible(r)) << where << ": row " << r;
      MainForm->ReturnBtnClick();
    }
  }
}

TEST_F(DemoWindows, StepsRepaintOnlyChangedRowsYetShowTheWholeState) {
  TRecDemo& d = Start(TRecDemo::Text());
  TAlgorithmForm& algo = Algo();
  TVariableForm& vars = Vars();
  const auto shot = [](TDrawGrid* grid) { return grid->viewport()->grab().toImage(); };
  ASSERT_TRUE(algo.SelectLine("Rec", 2));
  for (int step = 0; step < 14; ++step) {
    d.TraceInto();  // calls, returns, marks moving, values changing
    const QImage rows = shot(algo.ProcBox());
    const QImage values = shot(vars.VarGrid());
    algo.ProcBox()->Invalidate();
    vars.VarGrid()->Invalidate();
    ASSERT_EQ(rows, shot(algo.ProcBox())) << "algorithm rows after step " << step;
    ASSERT_EQ(values, shot(vars.VarGrid())) << "variables after step " << step;
  }
}
