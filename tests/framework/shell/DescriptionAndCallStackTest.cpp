#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include "framework/shell/CallStackForm.h"
#include "framework/engine/AlgoSrc.h"
#include "framework/shell/DemoDescriptForm.h"
#include "platform/Controls.h"
#include "platform/Font.h"
#include "platform/Forms.h"
#include "platform/Screen.h"
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

// Every description of the program reads whole at both screen sizes: no row wider than the
// text area, the title inside the window, every row reachable by the scroll bar, and the
// window on the screen.
TEST(DemoDescriptForm, EveryDescriptionReadsWholeAtBothScreenSizes) {
  int seen = 0;
  for (const QSize screenSize : {QSize(1024, 768), QSize(1920, 1080)}) {
    screen::SetFixedSize(screenSize);
    for (const auto& text : ProcSrcContainer().Texts()) {
      if (text->Descript.isEmpty()) continue;
      ++seen;
      const std::string name = text->Name.toStdString() + " at " + std::to_string(screenSize.width());
      modal::ScriptedHostScope host;
      host->QueueDialog(QStringLiteral("确定"));
      TDemoDescriptForm form;
      form.Execute(text->Descript);
      const double scale = DialogScale(form);
      const TFont font = TDescGrid::RowFont(scale);
      for (const QString& row : form.TextRows())
        EXPECT_LE(font.TextWidth(row), form.DescGrid->width()) << name << ": a row cut off: " << row.toStdString();
      EXPECT_LE(form.LabelTitle->geometry().right(), form.width() - 2) << name << ": the title cut off";
      EXPECT_GE(form.LabelTitle->width(), form.LabelTitle->sizeHint().width()) << name;
      EXPECT_EQ(form.VisibleRows() + (form.ScrollBar->isVisibleTo(&form) ? form.ScrollBar->maximum() : 0),
                form.TextRows().size())
          << name << ": rows out of reach";
      EXPECT_GE(form.DescGrid->height(), form.VisibleRows() * TDescGrid::RowPitch(scale)) << name;
      EXPECT_LE(form.height(), screenSize.height()) << name << ": taller than the screen";
    }
  }
  screen::SetFixedSize(QSize(1024, 768));
  EXPECT_GT(seen, 100) << "the program's descriptions were not found";
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

TEST(CallStackForm, ADeepRecursionOpensOnTheCurrentCallAndScrolls) {
  // About the depth of Ackermann (3, 2): Main and 150 nested calls.
  QStringList calls{"Main"};
  for (int i = 1; i <= 150; ++i) calls << QStringLiteral("Ackman(%1,%2)").arg(i % 4).arg(i);
  TCallStackForm form;
  form.Fill(calls);
  form.show();
  QTreeWidget& view = *form.StackView;
  EXPECT_TRUE(view.isEnabled()) << "a disabled list takes no wheel, scroll bar or key";
  EXPECT_EQ(view.editTriggers(), QAbstractItemView::NoEditTriggers);
  QTreeWidgetItem* inner = form.Innermost();
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(inner->text(0), calls.last());
  const QRect shown = view.visualItemRect(inner);
  EXPECT_TRUE(view.viewport()->rect().contains(shown.center()))
      << "the current call is not in view: " << shown.x() << "," << shown.y();
  QScrollBar& down = *view.verticalScrollBar();
  ASSERT_GT(down.maximum(), 0);
  EXPECT_EQ(down.value(), down.maximum());
  QTest::keyClick(&view, Qt::Key_Home);
  EXPECT_EQ(down.value(), 0) << "Home goes up to Main";
  EXPECT_EQ(view.horizontalScrollBar()->value(), 0);
  QTest::keyClick(&view, Qt::Key_PageDown);
  EXPECT_GT(down.value(), 0) << "Page Down scrolls";
  QTest::keyClick(&view, Qt::Key_End);
  EXPECT_EQ(down.value(), down.maximum()) << "End comes back to the current call";
  EXPECT_EQ(view.selectedItems().size(), 0) << "nothing is selected in a read-only list";
}
