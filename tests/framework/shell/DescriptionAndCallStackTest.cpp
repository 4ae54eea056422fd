#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>
#include <QTreeWidget>

#include "framework/shell/CallStackForm.h"
#include "framework/shell/DemoDescriptForm.h"
#include "platform/Controls.h"
#include "platform/Font.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

QStringList Description(int textLines) {
  QStringList lines{QStringLiteral("阿克曼函数")};
  for (int i = 1; i <= textLines; ++i) lines << QStringLiteral("第%1行").arg(i);
  return lines;
}

}  // namespace

TEST(DemoDescriptForm, AnEmptyDescriptionShowsNothing) {
  modal::ScriptedHostScope host;
  TDemoDescriptForm form;
  form.Execute({});
  EXPECT_TRUE(host->Transcript().isEmpty()) << "no window may open for a missing description";
}

TEST(DemoDescriptForm, AShortTextShowsAllItsLinesBelowTheTitle) {
  modal::ScriptedHostScope host;
  TDemoDescriptForm form;
  host->QueueDialog(QStringLiteral("确定"));
  form.Execute(Description(3));
  EXPECT_EQ(host->Transcript(), QStringList({"dialog 算法说明"}));
  EXPECT_EQ(form.LabelTitle->text(), QStringLiteral("阿克曼函数"));
  EXPECT_EQ(form.DescGrid->Rows(), QStringList({"第1行", "第2行", "第3行"}));
  EXPECT_EQ(form.DescGrid->height(), 3 * 24);
  EXPECT_FALSE(form.ScrollBar->isVisibleTo(&form));
  EXPECT_EQ(form.SpeedButtonOK->y(), 84 + 72 + 20);
  EXPECT_EQ(form.height(), form.SpeedButtonOK->y() + form.SpeedButtonOK->height() + 20);
}

TEST(DemoDescriptForm, ALongTextScrollsByPagesClampedToItsEnd) {
  // 30 text lines on a 768-pixel screen: 24 rows fit, the scroll bar runs 0 .. 6.
  EXPECT_EQ(TDemoDescriptForm::MaxRows(768), 24);
  modal::ScriptedHostScope host;
  TDemoDescriptForm form;
  host->QueueDialog(QStringLiteral("key:PgDown"));
  host->QueueDialog(QStringLiteral("key:Enter"));
  form.Execute(Description(30));
  EXPECT_EQ(form.VisibleRows(), 24);
  EXPECT_EQ(form.ScrollBar->maximum(), 6);
  EXPECT_EQ(form.ScrollBar->value(), 6) << "page down from 0 goes to 23, clamped to 6";
  EXPECT_EQ(form.DescGrid->Rows().first(), QStringLiteral("第7行"));
  EXPECT_EQ(form.DescGrid->Rows().last(), QStringLiteral("第30行"));
  EXPECT_TRUE(host->ScriptErrors().isEmpty()) << host->ScriptErrors().join('\n').toStdString();
}

// Rows as a reader wants them: a Latin name is never split over two rows, and no row
// starts with a closing mark. Each width lets the row end just where it should not.
TEST(DemoDescriptForm, RowsBreakNeitherInsideAWordNorBeforeAClosingMark) {
  const TFont font = TDescGrid::RowFont();
  const auto wrap = [&](const QString& line, const QString& fitting) {
    return TDescGrid::Wrap({line}, font.TextWidth(fitting));
  };
  EXPECT_EQ(wrap(QStringLiteral("链成循环链表，pav指向其中一块"), QStringLiteral("链成循环链表，pa")),
            QStringList({"链成循环链表，", "pav指向其中一块"}));
  EXPECT_EQ(wrap(QStringLiteral("集中在表头。然后"), QStringLiteral("集中在表头")),
            QStringList({"集中在表", "头。然后"}));
  EXPECT_EQ(wrap(QStringLiteral("表示空指针NIL。"), QStringLiteral("表示空指针NIL")),
            QStringList({"表示空指针", "NIL。"}));
  EXPECT_EQ(wrap(QStringLiteral("  ab cd"), QStringLiteral("  ab c")), QStringList({"  ab ", "  cd"}))
      << "a blank still ends a row, and the indent goes on";
  EXPECT_EQ(wrap(QStringLiteral("abcdef"), QStringLiteral("abc")), QStringList({"abc", "def"}))
      << "a word wider than the row is cut after all";
}

TEST(CallStackForm, CallsAreNestedOutermostFirst) {
  TCallStackForm form;
  form.Fill({"Main", "Ackman(1,2)", "Ackman(1,1)"});
  ASSERT_EQ(form.StackView->topLevelItemCount(), 1);
  QTreeWidgetItem* main = form.StackView->topLevelItem(0);
  ASSERT_EQ(main->childCount(), 1);
  EXPECT_EQ(main->child(0)->text(0), QStringLiteral("Ackman(1,2)"));
  EXPECT_TRUE(main->child(0)->isExpanded());
  EXPECT_EQ(form.Calls(), QStringList({"Main", "Ackman(1,2)", "Ackman(1,1)"}));
  form.Fill({"Main"});
  EXPECT_EQ(form.Calls(), QStringList({"Main"})) << "a second fill replaces the first";
}
