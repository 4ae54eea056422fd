#include <gtest/gtest.h>

#include "platform/InputQuery.h"
#include "tests/support/ScriptedModalHost.h"

TEST(InputQuery, OkTakesTheEditedTextAndCancelKeepsTheValue) {
  modal::ScriptedHostScope host;
  host->QueueDialog(QStringLiteral("QueryEdit=42 OK"));
  host->QueueDialog(QStringLiteral("QueryEdit=7 Cancel"));
  host->QueueDialog(QStringLiteral("key:Esc"));
  host->QueueDialog(QStringLiteral("QueryEdit=abc"));  // no action: the default button

  QString value = QStringLiteral("5");
  EXPECT_TRUE(InputQuery(QStringLiteral("插入"), QStringLiteral("请输入插入的位置"), value));
  EXPECT_EQ(value, "42");
  EXPECT_FALSE(InputQuery(QStringLiteral("插入"), QStringLiteral("位置"), value));
  EXPECT_EQ(value, "42") << "Cancel must leave the caller's value alone";
  EXPECT_EQ(InputBox(QStringLiteral("查找"), QStringLiteral("关键字"), QStringLiteral("9")), "9")
      << "Esc answers the default";
  EXPECT_EQ(InputBox(QStringLiteral("查找"), QStringLiteral("关键字"), QStringLiteral("9")), "abc")
      << "OK is the default button";
  EXPECT_EQ(host->Transcript(),
            QStringList({"dialog 插入", "dialog 插入", "dialog 查找", "dialog 查找"}));
  EXPECT_TRUE(host->ScriptErrors().isEmpty()) << host->ScriptErrors().join('\n').toStdString();
}

TEST(InputQuery, TheEditStartsWithTheDefault) {
  modal::ScriptedHostScope host;
  host->QueueDialog(QStringLiteral("OK"));
  EXPECT_EQ(InputBox(QStringLiteral("c"), QStringLiteral("p"), QStringLiteral("12")), "12");
}
