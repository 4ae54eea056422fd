#include <gtest/gtest.h>

#include <QApplication>

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

TEST(InputQuery, AskedOverAPlaceItOpensCentredThereAndStaysOnTheScreen) {
  modal::ScriptedHostScope host;
  QList<QRect> opened;
  host->SetOpenedHook([&](bool) {
    for (const QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && w->objectName() == QLatin1String("InputQuery")) opened << w->frameGeometry();
  });
  host->QueueDialog(QStringLiteral("OK"));
  host->QueueDialog(QStringLiteral("OK"));
  QString value;
  InputQuery(QStringLiteral("c"), QStringLiteral("p"), value, QRect(600, 500, 300, 200));
  InputQuery(QStringLiteral("c"), QStringLiteral("p"), value, QRect(900, 700, 300, 200));  // off the screen's corner
  ASSERT_EQ(opened.size(), 2) << "each question opens once";
  EXPECT_EQ(opened[0].center(), QRect(600, 500, 300, 200).center()) << "the question must stand over the place it was given";
  EXPECT_EQ(opened[1].bottomRight(), QPoint(1023, 767)) << "a place near the corner still shows the whole question";
}
