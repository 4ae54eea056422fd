#include <gtest/gtest.h>

#include "tests/scriptdriver/Expect.h"

using script::ExpectCursor;

namespace {

const QStringList kRun = {
    "dialog 阿克曼函数",
    "line Ackman 3 @C",
    "var m = 1",
    "line Ackman 5 @R",
    "var m = 0",
    "message 阿克曼函数 | 结果为3。",
};

}  // namespace

TEST(ScriptExpect, EachExpectLooksFromWhereThePreviousOneMatched) {
  ExpectCursor e;
  EXPECT_EQ(e.Match(kRun, "line Ackman 3", 4), "");
  EXPECT_EQ(e.Match(kRun, "var m = 1", 5), "");
  EXPECT_EQ(e.Match(kRun, "var m = 1", 6), "") << "several expects may match the same line";
  EXPECT_EQ(e.Match(kRun, "m = 0", 7), "");
  // An older line no longer satisfies a check: a run that printed "var m = 1" before the
  // second line cannot pass for one that shows it after.
  const QString failure = e.Match(kRun, "var m = 1", 8);
  EXPECT_TRUE(failure.startsWith("FAILED line 8: expect var m = 1")) << failure.toStdString();
  EXPECT_TRUE(failure.contains("line 7 matched on: \"var m = 0\"")) << "names the last matched line";
  EXPECT_TRUE(failure.contains("only before")) << "says the text came too early";
}

TEST(ScriptExpect, FailuresSayWhatWasMissingAndCutLongLines) {
  ExpectCursor fresh;
  EXPECT_EQ(fresh.Match(kRun, "结果为4", 3), "FAILED line 3: expect 结果为4 (not in the transcript)");

  const QStringList drawing = {"shape TNodeRect - \"" + QString(200, 'x') + "\" 3 95 398 29", "message done"};
  ExpectCursor e;
  ASSERT_EQ(e.Match(drawing, "TNodeRect", 2), "");
  const QString failure = e.Match(drawing, "TListNode", 9);
  EXPECT_FALSE(failure.contains("only before")) << "nowhere, not out of order";
  EXPECT_LT(failure.size(), 160) << failure.toStdString();
  // A failure does not move the cursor: the run stops there anyway, but the next check
  // looks from the same place.
  EXPECT_EQ(e.Match(drawing, "done", 10), "");
}
