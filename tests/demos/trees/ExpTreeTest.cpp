#include <gtest/gtest.h>

#include "demos/trees/ExpTreeModel.h"
#include "framework/drawkit/WesternText.h"

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
