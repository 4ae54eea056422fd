#include <gtest/gtest.h>

#include "demos/trees/ExpTreeF.h"
#include "demos/trees/ExpTreeModel.h"
#include "demos/trees/TreeBase.h"
#include "framework/drawkit/WesternText.h"
#include "platform/Forms.h"

TEST(ExpTreePrecede, TableRowsAndNonOperators) {
  EXPECT_EQ(ExpTreeOpPrecede(u'+', u'*'), '<');
  EXPECT_EQ(ExpTreeOpPrecede(u'-', u'-'), '>') << "equal ranks reduce left to right";
  EXPECT_EQ(ExpTreeOpPrecede(u'*', u'('), '<');
  EXPECT_EQ(ExpTreeOpPrecede(u'(', u')'), '=');
  EXPECT_EQ(ExpTreeOpPrecede(u'#', u'#'), '=');
  EXPECT_EQ(ExpTreeOpPrecede(u'^', u'+'), '>');
  EXPECT_EQ(ExpTreeOpPrecede(u'a', u'+'), 0);
  EXPECT_EQ(ExpTreeOpPrecede(u'+', u'x'), 0);
}

TEST(ExpTreeCheck, WellBuiltExpressionsGetTheEndMark) {
  EXPECT_EQ(CheckExpTreeExpression("a+b*c").Expression, "a+b*c#");
  EXPECT_EQ(CheckExpTreeExpression("(a-b)/c#").Expression, "(a-b)/c#");
  EXPECT_TRUE(CheckExpTreeExpression("((a))").Ok());
  for (const char* bad : {"a+", "+a", "a+(b", "ab", "A+b", "a#+b", "", "#", "a##", "()", "a)", "(a)b",
                          "a + b", "a^b"})
    EXPECT_EQ(CheckExpTreeExpression(bad).Error, "运算符格式错误！") << bad;
  EXPECT_EQ(CheckExpTreeExpression(QStringLiteral("a+\u4E2D")).Error, kWesternOnly)
      << "a character of more than one byte has the common message";
}

TEST(ExpTreeCheck, SlotsCountTheOneASubtreeIsBuiltIn) {
  EXPECT_EQ(ExpTreeSlotsNeeded("a+b+c+d+e#"), 3);
  EXPECT_EQ(ExpTreeSlotsNeeded("a+b*c#"), 4);
  EXPECT_EQ(ExpTreeSlotsNeeded("a#"), 1);
  // Five pending operands and a sixth slot to build in still fit; one more does not.
  EXPECT_TRUE(CheckExpTreeExpression("a+b*(c+d*e)").Ok());
  EXPECT_EQ(ExpTreeSlotsNeeded("a+b*(c+d*(e+f))#"), 7);
  const TExpTreeCheck tooDeep = CheckExpTreeExpression("a+b*(c+d*(e+f))");
  EXPECT_FALSE(tooDeep.Ok());
  EXPECT_NE(tooDeep.Error, "运算符格式错误！") << "a different reason gets its own message";
  EXPECT_EQ(ExpTreeSlotsNeeded("a+(b+(c+(d+(e+(f+g)))))#"), 8) << "seven letters wait";
}

TEST(ExpTreeCalcu, OperatorsTruncationAndRefusals) {
  std::vector<int> r{1, 8, 2};
  EXPECT_TRUE(ExpTreeCalcu(r, u'/'));
  EXPECT_EQ(r, (std::vector<int>{1, 4}));
  EXPECT_TRUE(ExpTreeCalcu(r, u'-'));
  EXPECT_EQ(r, (std::vector<int>{-3}));
  r = {-7, 2};
  EXPECT_TRUE(ExpTreeCalcu(r, u'/'));
  EXPECT_EQ(r, (std::vector<int>{-3})) << "toward zero";
  r = {8, 0};
  EXPECT_FALSE(ExpTreeCalcu(r, u'/'));
  EXPECT_EQ(r, (std::vector<int>{8, 0})) << "results stay as they were";
  r = {5};
  EXPECT_FALSE(ExpTreeCalcu(r, u'+'));
  EXPECT_EQ(r, (std::vector<int>{5}));
  r = {2, 3};
  EXPECT_TRUE(ExpTreeCalcu(r, u'*'));
  EXPECT_EQ(r, (std::vector<int>{6}));
}

TEST(ExpTreeSlots, ADeepSubtreeTakesTheRoomLeftFreeAndNoTwoSlotsMeet) {
  TExptF form;
  form.resize(448, 366);  // its design size
  form.show();
  // (a+b)*(c-d)/(e+f) waiting in the first slot, then g pushed beside it.
  const auto build = [&form](QChar op) {
    form.PushOperator(op);
    form.CrtSubtree();
  };
  form.CrtNodePush(u'a');
  form.CrtNodePush(u'b');
  build(u'+');
  form.CrtNodePush(u'c');
  form.CrtNodePush(u'd');
  build(u'-');
  build(u'*');
  form.CrtNodePush(u'e');
  form.CrtNodePush(u'f');
  build(u'+');
  build(u'/');
  form.CrtNodePush(u'g');
  std::vector<const TBinCharTree*> shown;
  for (int k = 1; k <= kExpTreeSlots; ++k)
    if (!form.Trees[static_cast<std::size_t>(k)]->isHidden()) shown.push_back(form.Trees[static_cast<std::size_t>(k)]);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_FALSE(shown[0]->geometry().intersects(shown[1]->geometry())) << "two slots on one place";
  for (const TBinCharTree* tree : shown) {
    for (const QObject* child : tree->children()) {
      // A node's letter is four fifths of its height.
      if (const auto* node = dynamic_cast<const TBinCharTreeNode*>(child)) {
        EXPECT_GE(std::lround(0.8 * node->height()), LegiblePixels())
            << "the letter " << node->Value() << " is written smaller than readable";
      }
    }
  }
}
