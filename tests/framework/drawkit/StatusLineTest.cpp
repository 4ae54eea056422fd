#include <gtest/gtest.h>

#include <QWidget>

#include "framework/drawkit/PanelControls.h"
#include "framework/drawkit/StatusLine.h"

namespace {

const QString kHint = QStringLiteral("  请用鼠标选择一个节点，插入的节点将成为此节点的左孩子");

}  // namespace

TEST(StatusLine, SaysWhichPartOfItsTextIsInView) {
  QWidget panel;
  TStatusLine line(&panel);
  line.setGeometry(0, 0, 200, 28);
  line.setText(QStringLiteral("ab"));
  EXPECT_EQ(line.DrawingText(), QStringLiteral("ab")) << "a text that fits is in view whole";
  line.setText(kHint);  // the cursor goes to the end: the line shows the tail
  const QString tail = line.DrawingText();
  ASSERT_FALSE(tail.isEmpty());
  EXPECT_LT(tail.size(), kHint.size());
  EXPECT_TRUE(kHint.endsWith(tail));
  line.setCursorPosition(0);
  const QString head = line.DrawingText();
  EXPECT_TRUE(kHint.startsWith(head)) << head.toStdString();
  EXPECT_LT(head.size(), kHint.size());
  line.resize(0, 28);
  EXPECT_EQ(line.DrawingText(), QString()) << "no room: nothing in view";
}

TEST(StatusLine, PanelShowsAHintWholeAndGrowsItsFontBackForAShortOne) {
  QWidget panel;
  auto* line = new TStatusLine(&panel);
  TPanelControls controls;
  controls.AddStretched(line, QRect(7, 39, 260, 28), 7, TFont{.Name = QStringLiteral("MS Sans Serif"), .Height = -16});
  controls.Apply(TDesignRatio(QSize(274, 354), QSize(548, 708)), 548);  // twice the design: a 32-pixel font
  controls.ShowWhole(*line, kHint);
  EXPECT_EQ(line->DrawingText(), kHint) << "the font shrank until the whole hint fits";
  const int shrunk = line->font().pixelSize();
  EXPECT_LT(shrunk, 32);
  EXPECT_GE(shrunk, 13);
  controls.ShowWhole(*line, QStringLiteral("删除结束"));
  EXPECT_EQ(line->font().pixelSize(), 32) << "a short text takes the window's font again";
  controls.ShowWhole(*line, kHint);
  controls.Apply(TDesignRatio(QSize(274, 354), QSize(274, 354)), 274);
  EXPECT_EQ(line->DrawingText().left(3), kHint.left(3)) << "at the design size the start stays in view";
  EXPECT_GE(line->font().pixelSize(), 13) << "never below the least size";
}
