// "print text" reads every text-showing control of the platform and the kit as the user
// sees it, and refuses the ones that show no text it can read.
#include "tests/scriptdriver/ControlText.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextEdit>
#include <QTreeWidget>

#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/IntEdit.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/drawkit/StackBox.h"
#include "framework/drawkit/ThemedControls.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Grid.h"
#include "platform/PaintBox.h"

using script::ShownText;

namespace {

template <class T>
QString Read(const T& control) {
  const std::optional<QString> text = ShownText(control);
  EXPECT_TRUE(text.has_value()) << "a " << typeid(T).name() << " could not be read";
  return text.value_or(QStringLiteral("<unreadable>"));
}

}  // namespace

TEST(PrintText, EditsLabelsAndNumbersShowWhatTheUserReads) {
  TEdit edit;
  edit.setText(QStringLiteral("abc"));
  EXPECT_EQ(Read(edit), "abc");
  TIntEdit digits;
  digits.SetValue(42);
  EXPECT_EQ(Read(digits), "42");
  QLabel label(QStringLiteral("比较次数: 3"));
  EXPECT_EQ(Read(label), "比较次数: 3");
  QTextEdit rich;
  rich.setPlainText(QStringLiteral("a\nb"));
  EXPECT_EQ(Read(rich), "a\nb");
  QPlainTextEdit plain;
  plain.setPlainText(QStringLiteral("memo"));
  EXPECT_EQ(Read(plain), "memo");
  QSpinBox spin;
  spin.setValue(7);
  EXPECT_EQ(Read(spin), "7");
  QScrollBar bar;
  bar.setRange(0, 99);
  bar.setValue(60);
  EXPECT_EQ(Read(bar), "60");
  QComboBox combo;
  combo.addItems({QStringLiteral("有向图"), QStringLiteral("无向图")});
  combo.setCurrentIndex(1);
  EXPECT_EQ(Read(combo), "无向图");
  QGroupBox group(QStringLiteral("类型"));
  EXPECT_EQ(Read(group), "类型");
}

TEST(PrintText, ButtonsAndPanelsShowTheirCaptions) {
  TButton ok(QStringLiteral("&OK"));
  EXPECT_EQ(Read(ok), "OK");
  TSpeedButton speed(QStringLiteral("执行"), nullptr);
  EXPECT_EQ(Read(speed), "执行");
  QCheckBox check(QStringLiteral("音乐"));
  EXPECT_EQ(Read(check), "音乐");
  TSpeedButton bare;
  EXPECT_EQ(Read(bare), "") << "a button without a caption shows nothing, readably";
  TPanel panel;
  panel.SetCaption(QStringLiteral("Panel"));
  EXPECT_EQ(Read(panel), "Panel");
}

TEST(PrintText, KitControlsShowWhatTheyDraw) {
  TGraphForm form;
  form.SetCaption(QStringLiteral("图示"));
  EXPECT_EQ(Read(form), "图示");
  TZqStaticText caption(&form);
  caption.SetCaption(QStringLiteral("1:  a--1-->c"));
  EXPECT_EQ(Read(caption), "1:  a--1-->c");
  TAutoSizeEdit output(&form);
  output.SetText(QStringLiteral("DBACE"));
  EXPECT_EQ(Read(output), "DBACE") << "the threaded walk's output line read empty";
  TNodeRect row(&form);
  row.RowText = QStringLiteral("5  1  a");
  EXPECT_EQ(Read(row), "5  1  a");
  TPointer2 pointer(&form);
  pointer.SetCaption(QStringLiteral("la"));
  EXPECT_EQ(Read(pointer), "la");
  TStackTopPointer top(&form);
  EXPECT_EQ(Read(top), "top");
  TStackBox stack(&form);
  stack.Title = QStringLiteral("Addr  m  n");
  EXPECT_EQ(Read(stack), "Addr  m  n");
  TNodeContainer empty(&form);
  EXPECT_EQ(Read(empty), "") << "a container that draws no text shows nothing, readably";
  TImage picture(&form);
  picture.setAccessibleDescription(QStringLiteral("PoleA"));
  EXPECT_EQ(Read(picture), "PoleA");
}

TEST(PrintText, ListsShowTheirItemsInOrder) {
  TZqTabSet tabs;
  tabs.addTab(QStringLiteral("Main"));
  tabs.addTab(QStringLiteral("Ackman"));
  EXPECT_EQ(Read(tabs), "Main | Ackman");
  QTreeWidget tree;
  auto* outer = new QTreeWidgetItem(&tree, {QStringLiteral("Main")});
  new QTreeWidgetItem(outer, {QStringLiteral("Ackman(2,1)")});
  EXPECT_EQ(Read(tree), "Main | Ackman(2,1)");
  TStringGrid grid;
  grid.SetColCount(2);
  grid.SetRowCount(2);
  grid.SetCells(0, 0, QStringLiteral("变量名"));
  grid.SetCells(1, 0, QStringLiteral("当前值"));
  grid.SetCells(0, 1, QStringLiteral("m"));
  grid.SetCells(1, 1, QStringLiteral("2"));
  EXPECT_EQ(Read(grid), "变量名 当前值 | m 2");
}

TEST(PrintText, ControlsThatShowNoTextAreRefused) {
  TPaintBox box;
  EXPECT_FALSE(ShownText(box).has_value());
  TBevel bevel;
  EXPECT_FALSE(ShownText(bevel).has_value());
  TShape shape;
  EXPECT_FALSE(ShownText(shape).has_value());
  TDrawGrid grid;
  EXPECT_FALSE(ShownText(grid).has_value()) << "a grid its owner paints holds no text";
  TImage picture;
  EXPECT_FALSE(ShownText(picture).has_value()) << "a picture without a description";
  box.setAccessibleDescription(QStringLiteral("vex 1 3 | lowcost 0 0"));
  EXPECT_EQ(ShownText(box).value_or(QString()), "vex 1 3 | lowcost 0 0");
}
