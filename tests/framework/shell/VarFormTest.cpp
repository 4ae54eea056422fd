// The variable window on a running demonstration: rows rebuilt on call and return, changed
// values marked for one step, composites opened by a click, zoom per window.
#include <QTest>

#include "framework/drawkit/ThemedControls.h"
#include "platform/Grid.h"
#include "platform/Screen.h"
#include "tests/framework/shell/DemoFixture.h"

namespace {

QStringList Texts(const TVariableForm& vars) {
  QStringList out;
  for (int i = 0; i < vars.Rows().Count(); ++i) out << vars.RowText(i);
  return out;
}

void ClickRow(TVariableForm& vars, int gridRow) {
  TStringGrid* grid = vars.VarGrid();
  const TRect r = grid->CellRect(0, gridRow);
  ASSERT_FALSE(r.IsEmpty());
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(r.Left + 5, r.Top + 3));
}

}  // namespace

TEST_F(DemoWindows, VariablesFollowCallsAndReturns) {
  TRecDemo& d = Start(TRecDemo::Text(), 1);
  TVariableForm& vars = Vars();
  EXPECT_EQ(Texts(vars), QStringList({"calls = 0", "p = (0,0)"}));  // Main has no locals
  EXPECT_EQ(vars.VarGrid()->RowCount(), 3);  // with the header
  EXPECT_EQ(vars.VarGrid()->Cells(0, 0), "变量名");
  EXPECT_EQ(vars.VarGrid()->Cells(1, 0), "当前值");
  d.TraceInto();  // the call: Rec's argument joins the rows
  EXPECT_EQ(Texts(vars), QStringList({"calls = 0", "p = (0,0)", "k = 1"}));
  d.TraceInto();
  d.TraceInto();  // the inner call
  EXPECT_EQ(vars.RowText(2), "k = 0");
  d.TraceInto();  // its condition fails: on to its end
  d.TraceInto();  // the return: back in Rec(1), whose step counted the call
  EXPECT_EQ(Texts(vars), QStringList({"calls = 1 *", "p = (0,1) *", "k = 1"}));
  EXPECT_EQ(vars.Rows().Row(1).Mark, "   # ");
  d.TraceInto();  // back in Main, which ends: nothing changed, so the marks go
  EXPECT_EQ(d.CurLine(), nullptr);
  EXPECT_EQ(Texts(vars), QStringList({"calls = 1", "p = (0,1)"}));
}

TEST_F(DemoWindows, ClickingARecordOpensAndClosesIt) {
  TRecDemo& d = Start(TRecDemo::Text(), 1);
  TVariableForm& vars = Vars();
  d.TraceInto();
  ClickRow(vars, 2);  // "p"
  EXPECT_EQ(Texts(vars), QStringList({"calls = 0", "p = (0,0)", "a = 0", "b = 0", "k = 1"}));
  EXPECT_EQ(vars.Rows().Row(1).Status, TVarStatus::Open);
  EXPECT_EQ(vars.VarGrid()->RowCount(), 6);
  ClickRow(vars, 1);  // a leaf: nothing
  EXPECT_EQ(vars.Rows().Count(), 5);
  // An open record: its field's own row is marked too.
  for (int i = 0; i < 10 && d.Calls->Value() == 0; ++i) d.TraceInto();
  ASSERT_EQ(d.Calls->Value(), 1);
  EXPECT_EQ(Texts(vars), QStringList({"calls = 1 *", "p = (0,1) *", "k = 1"}));
  ClickRow(vars, 2);
  ASSERT_EQ(vars.Rows().Count(), 5);
  ClickRow(vars, 2);
  EXPECT_EQ(vars.Rows().Count(), 3);
}

TEST_F(DemoWindows, ColumnsFitTheWidestTexts) {
  TRecDemo& d = Start(TRecDemo::Text(), 1);
  TVariableForm& vars = Vars();
  d.TraceInto();
  const TFont& font = vars.VarGrid()->Font;
  EXPECT_EQ(vars.NameColWidth(), std::max(font.TextWidth("calls") + 16 + 52, font.TextWidth("变量名") + 72));
  EXPECT_EQ(vars.VarGrid()->ColWidths(0), vars.NameColWidth());
  EXPECT_GE(vars.VarGrid()->ColWidths(1), vars.ValueColWidth());
  EXPECT_EQ(vars.VarGrid()->ClientHeight() % vars.RowHeight(), 0);
}

// A demonstration may unassign values after its reset has shown them (the sequential
// search's Result): the window shows "???" from then on, unmarked, also inside a record.
TEST_F(DemoWindows, UnassignedValuesShowQuestionMarksUnmarked) {
  TRecDemo& d = Start(TRecDemo::Text(), 1);
  TVariableForm& vars = Vars();
  d.Calls->SetAssigned(false);
  d.P->Items(0)->SetAssigned(false);
  d.UpdateChildWindow();
  EXPECT_EQ(Texts(vars), QStringList({"calls = ???", "p = (???,0)"})) << "the start still showed 0";
  d.TraceInto();
  EXPECT_EQ(Texts(vars), QStringList({"calls = ???", "p = (???,0)", "k = 1"}));
  d.Calls->SetAssigned(true);  // assigning it again is a change, marked
  d.UpdateChildWindow();
  EXPECT_EQ(vars.RowText(0), "calls = 0 *");
  EXPECT_EQ(vars.VarGrid()->Cells(1, 1), "0");
}

TEST(VariableWindow, WithoutADemonstrationOnlyTheHeader) {
  TVariableForm vars;
  vars.ReloadVariables();
  vars.UpdateValues();
  EXPECT_EQ(vars.Rows().Count(), 0);
  EXPECT_EQ(vars.VarGrid()->RowCount(), 1);
}

TEST(VariableWindow, ZoomIsKeptPerWindow) {
  TVariableForm a, b;
  a.show();
  b.show();
  const int rowHeight = a.RowHeight();
  a.resize(screen::Width(), 200);
  EXPECT_TRUE(a.Zoomed());
  EXPECT_EQ(a.RowHeight(), 2 * rowHeight);
  b.resize(250, 200);
  EXPECT_FALSE(b.Zoomed());
  EXPECT_EQ(b.RowHeight(), rowHeight);
  a.resize(300, 200);
  EXPECT_EQ(a.RowHeight(), rowHeight);
}
