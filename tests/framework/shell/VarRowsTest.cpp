// The variable window's rows: values marked character by character, composites opening and
// closing, rebuilding on call and return.
#include <gtest/gtest.h>

#include "framework/engine/BasicData.h"
#include "framework/shell/VarRows.h"

namespace {

// Every character 8 pixels wide, so widths are easy to tell.
int Measure(const QString& s) { return 8 * static_cast<int>(s.size()); }

std::unique_ptr<TRecord> Point(const QString& name, int x, int y) {
  auto r = std::make_unique<TRecord>(name);
  r->Add(new TIntData("x", x));
  r->Add(new TIntData("y", y));
  return r;
}

TIntData* Int(TData* parent, int i) { return static_cast<TIntData*>(parent->Items(i)); }

}  // namespace

TEST(MarkedText, MarksOnlyTheChangedPartsOfAComposite) {
  auto p = Point("p", 12, 7);
  EXPECT_EQ(MarkedText(p.get()).Text, "(12,7)");
  EXPECT_FALSE(MarkedText(p.get()).AnyChanged());
  Int(p.get(), 0)->SetValue(345);
  const TMarkedText t = MarkedText(p.get());
  EXPECT_EQ(t.Text, "(345,7)");
  EXPECT_EQ(t.Mark, " ###   ");

  // A vector joins its elements with a bare comma here; a nested record marks its field.
  TVector v("v");
  v.Add(new TIntData("0", 1));
  v.Add(Point("q", 2, 3).release());
  static_cast<TIntData*>(v.Items(1)->Items(1))->SetValue(9);
  EXPECT_EQ(MarkedText(&v).Text, "(1,(2,9))");
  EXPECT_EQ(MarkedText(&v).Mark, "      #  ");

  // A leaf is marked whole.
  TStringData s("s", "ab");
  s.SetValue("abc");
  EXPECT_EQ(MarkedText(&s).Mark, QString(MarkedText(&s).Text.size(), '#'));
}

TEST(MarkedText, MatrixStopsPastSeventyNineCharacters) {
  TMatrix m("m", 2, 2);
  for (int i = 0; i < 4; ++i) m.Add(new TIntData("e", i));
  static_cast<TIntData*>(m.Items(3))->SetValue(7);
  EXPECT_EQ(MarkedText(&m).Text, "((0,1,),(2,7,))");
  EXPECT_EQ(MarkedText(&m).Mark, "           #   ");

  TMatrix big("big", 10, 10);
  for (int i = 0; i < 100; ++i) big.Add(new TIntData("e", 1000 + i));
  const TMarkedText t = MarkedText(&big);
  EXPECT_LE(t.Text.size(), 80);
  EXPECT_GT(t.Text.size(), 75);
  EXPECT_TRUE(t.Text.startsWith("((1000,1001,"));
  EXPECT_TRUE(t.Text.endsWith(","));  // cut after an element, the parentheses lost
  EXPECT_EQ(t.Mark.size(), t.Text.size());
}

TEST(VarRows, ReloadListsGlobalsThenLocalsAtLevelOne) {
  TVarRows rows(Measure);
  rows.Reload(nullptr, nullptr);
  EXPECT_EQ(rows.Count(), 0);

  TData globals("g"), locals("l");
  globals.Add(new TIntData("total", 0));
  locals.Add(new TBoolData("done", false));
  locals.Add(Point("p", 1, 2).release());
  rows.Reload(&globals, &locals);
  ASSERT_EQ(rows.Count(), 3);
  EXPECT_EQ(rows.Row(0).Name, "total");
  EXPECT_EQ(rows.Row(1).Icon, TVarIcon::Bool);
  EXPECT_EQ(rows.Row(2).Status, TVarStatus::Closed);
  EXPECT_EQ(rows.Row(2).Value, "(1,2)");
  EXPECT_EQ(rows.Row(2).Icon, TVarIcon::Record);
  EXPECT_EQ(rows.Row(0).NameWidth, 8 * 5 + 16 + 52);
  EXPECT_EQ(rows.Row(2).ValueWidth, 8 * 5 + 36);

  // A return restores the caller's locals: the rows are rebuilt and an open record closes.
  ASSERT_TRUE(rows.Toggle(2));
  EXPECT_EQ(rows.Count(), 5);
  TData callerLocals("l");
  callerLocals.Add(new TIntData("m", 3));
  rows.Reload(&globals, &callerLocals);
  ASSERT_EQ(rows.Count(), 2);
  EXPECT_EQ(rows.Row(1).Name, "m");
  EXPECT_EQ(rows.Row(1).Level, 1);
}

TEST(VarRows, ChangedValueIsMarkedForOneStep) {
  TData locals("l");
  auto* n = locals.Add(new TIntData("n", 1));
  TVarRows rows(Measure);
  rows.Reload(nullptr, &locals);
  EXPECT_FALSE(rows.UpdateValues());

  n->SetValue(42);
  EXPECT_TRUE(rows.UpdateValues());
  EXPECT_TRUE(rows.Row(0).Changed);
  EXPECT_EQ(rows.Row(0).Value, "42");
  EXPECT_TRUE(rows.Row(0).Mark.isEmpty());  // a leaf is marked whole by Changed
  EXPECT_FALSE(n->Modified());

  EXPECT_TRUE(rows.UpdateValues());  // the mark of the step before goes
  EXPECT_FALSE(rows.Row(0).Changed);
  EXPECT_FALSE(rows.UpdateValues());
}

TEST(VarRows, ClosedRecordMarksOnlyTheChangedField) {
  TData locals("l");
  TRecord* p = locals.Add(Point("p", 10, 20).release());
  TVarRows rows(Measure);
  rows.Reload(nullptr, &locals);
  Int(p, 1)->SetValue(99);
  ASSERT_TRUE(rows.UpdateValues());
  EXPECT_EQ(rows.Row(0).Value, "(10,99)");
  EXPECT_EQ(rows.Row(0).Mark, "    ## ");
  EXPECT_TRUE(rows.Row(0).Changed);
  // The closed record spent its field's flag: opening it later shows no stale mark.
  EXPECT_FALSE(Int(p, 1)->Modified());
  ASSERT_TRUE(rows.Toggle(0));
  EXPECT_FALSE(rows.Row(2).Changed);
  EXPECT_FALSE(rows.Row(2).FreshMarks);
}

TEST(VarRows, OpenRecordLeavesTheFieldToItsOwnRow) {
  TData locals("l");
  TRecord* p = locals.Add(Point("p", 10, 20).release());
  TVarRows rows(Measure);
  rows.Reload(nullptr, &locals);
  ASSERT_TRUE(rows.Toggle(0));
  ASSERT_EQ(rows.Count(), 3);
  EXPECT_EQ(rows.Row(0).Status, TVarStatus::Open);
  EXPECT_EQ(rows.Row(1).Level, 2);
  EXPECT_EQ(rows.Row(2).Name, "y");
  EXPECT_EQ(rows.Row(1).NameWidth, 8 + 32 + 52);

  Int(p, 0)->SetValue(11);
  ASSERT_TRUE(rows.UpdateValues());
  EXPECT_TRUE(rows.Row(0).Changed);
  EXPECT_EQ(rows.Row(0).Mark, " ##    ");
  EXPECT_TRUE(rows.Row(1).Changed);
  EXPECT_EQ(rows.Row(1).Value, "11");
  EXPECT_FALSE(rows.Row(2).Changed);

  ASSERT_TRUE(rows.Toggle(0));  // closing removes the parts
  EXPECT_EQ(rows.Count(), 1);
  EXPECT_EQ(rows.Row(0).Status, TVarStatus::Closed);
  EXPECT_FALSE(rows.Toggle(5));
}

TEST(VarRows, OnlyLevelsOneAndTwoOpen) {
  TData locals("l");
  auto* a = locals.Add(new TRecord("a"));
  auto* b = a->Add(new TRecord("b"));
  b->Add(Point("c", 1, 2).release());
  TVarRows rows(Measure);
  rows.Reload(nullptr, &locals);
  ASSERT_TRUE(rows.Toggle(0));
  ASSERT_TRUE(rows.Toggle(1));
  ASSERT_EQ(rows.Count(), 3);
  EXPECT_EQ(rows.Row(2).Level, 3);
  EXPECT_EQ(rows.Row(2).Status, TVarStatus::Closed);
  EXPECT_FALSE(rows.Toggle(2));
  EXPECT_EQ(rows.Count(), 3);
  EXPECT_FALSE(rows.Toggle(-1));
  // Closing the top closes everything below it, deeper levels too.
  ASSERT_TRUE(rows.Toggle(0));
  EXPECT_EQ(rows.Count(), 1);
  // The deepest name, with its indent, sets the name column.
  ASSERT_TRUE(rows.Toggle(0));
  ASSERT_TRUE(rows.Toggle(1));
  EXPECT_EQ(rows.NameColWidth(), 8 + 16 * 3 + 52);
}

TEST(VarRows, ValueChangedBeforeTheRowWasMadeShowsAtTheNextStopOnly) {
  // A return: the caller's result was set by the step that ran after the call, then the
  // rows are rebuilt, then the window updates at the end of the step.
  TData locals("l");
  auto* result = locals.Add(new TIntData("result", 0));
  result->SetValue(29);
  TVarRows rows(Measure);
  rows.Reload(nullptr, &locals);
  EXPECT_EQ(rows.Row(0).Mark, "##");
  rows.UpdateValues();  // end of the step that returned: still marked
  EXPECT_TRUE(rows.Row(0).Changed);
  rows.UpdateValues();  // the next step: the mark goes
  EXPECT_FALSE(rows.Row(0).Changed);
  EXPECT_TRUE(rows.Row(0).Mark.isEmpty());
}
