// The catalogue and the selection window: order of the catalogue, navigation through the
// path and the child grid, the language choice, leaf clicks and the exit confirmation.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCursor>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "framework/shell/AlgoSelect.h"
#include "framework/shell/Catalogue.h"
#include "framework/shell/SelectionHost.h"
#include "platform/Application.h"
#include "platform/ModalHost.h"
#include "platform/Pacing.h"
#include "platform/Screen.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

struct RecordingHost : SelectionHost {
  QStringList calls;
  void DisableButtons() override { calls << QStringLiteral("disable"); }
  void DrawCaption(const QString& text) override { calls << QStringLiteral("caption ") + text; }
  void ShowMainForm() override { calls << QStringLiteral("show"); }
  void StartDemo(const QString& name, bool useC) override {
    calls << QStringLiteral("start %1 %2").arg(name, useC ? "c" : "pascal");
  }
};

QStringList Captions(const TCatalogueNode* node) {
  QStringList out;
  for (const auto& c : node->Children) out << c->Caption();
  return out;
}

}  // namespace

TEST(Catalogue, HasThirteenChaptersAndSixtySixLeavesInOrder) {
  const TCatalogue cat = TCatalogue::Load();
  EXPECT_EQ(Captions(cat.Root()),
            QStringList({"顺序表", "链表", "栈", "串", "稀疏矩阵", "广义表", "二叉树", "图",
                         "存储管理", "静态查找", "动态查找", "内部排序", "外部排序"}));
  const auto leaves = cat.Leaves();
  ASSERT_EQ(leaves.size(), 66u);
  EXPECT_EQ(leaves.front()->Text, "顺序表插入#InsSqList");
  EXPECT_EQ(leaves.back()->Text, "置换选择排序#ReplaceSelection");
  QStringList names;
  for (const TCatalogueNode* l : leaves) names << l->DemoName();
  // First and last leaves of a few chapters, and the order inside the nested ones.
  EXPECT_EQ(names.indexOf("Exp"), 7);
  EXPECT_EQ(names.indexOf("Ackman"), 8);
  EXPECT_EQ(names.indexOf("Packages"), 13);
  EXPECT_EQ(names.mid(24, 10),
            QStringList({"Preorder", "Inorder", "Postorder", "CrtBTPreOdr", "ThrdTravel",
                         "CrtPrethlinked", "CrtInthlinked", "CrtPostthlinked", "ThrdinDel",
                         "HuffmanCoding"}));
  EXPECT_EQ(names.mid(34, 8),
            QStringList({"TraverDfs", "TraverGfs", "MiniSpanTreePRIM", "MiniTreeKRUSKAL",
                         "Toposort", "CriticalPath", "ArtiPoint", "StrongComp"}));
  EXPECT_EQ(names.mid(54, 10),
            QStringList({"InsertSort", "BubbleSort", "SelectSort", "ListInsertSort", "ShellSort",
                         "HeapSort", "QuickSort", "TournamentSort", "QuickAddrSort",
                         "RadixSort"}));
  // The stack chapter holds its three leaves before the sub-chapter.
  EXPECT_EQ(Captions(cat.Root()->Child(2)),
            QStringList({"表达式求值", "阿克曼函数", "栈的输出序列", "递归过程"}));
  EXPECT_EQ(Captions(cat.Root()->Child(6)),
            QStringList({"遍历", "由先序序列建立二叉树", "线索树", "赫夫曼树与赫夫曼编码"}));
  // Every name appears once, so a name finds one leaf whatever its letter case.
  EXPECT_EQ(names.removeDuplicates(), 0);
  ASSERT_NE(cat.FindLeaf("avltree"), nullptr);
  EXPECT_EQ(cat.FindLeaf("avltree")->Caption(), "二叉平衡树");
  EXPECT_EQ(cat.FindLeaf("NoSuchDemo"), nullptr);
}

TEST(Catalogue, ParseRejectsBrokenIndentation) {
  EXPECT_THROW(TCatalogue::Parse("root\n\t\tdeep#X\n"), std::runtime_error);
  EXPECT_THROW(TCatalogue::Parse("root\n\tleaf#A\n\t\tbelow#B\n"), std::runtime_error);
  EXPECT_THROW(TCatalogue::Parse("\n# only a comment\n"), std::runtime_error);
  const TCatalogue ok = TCatalogue::Parse("# comment\r\nroot\r\n\tch\r\n\t\tleaf#L\r\n");
  ASSERT_EQ(ok.Leaves().size(), 1u);
  EXPECT_EQ(ok.Leaves()[0]->DemoName(), "L");
  EXPECT_EQ(ok.Leaves()[0]->Chapter()->Text, "ch");
}

TEST(SelectionGeometry, GridShapeFollowsTheChildCount) {
  using selection::ChildGrid;
  EXPECT_EQ(ChildGrid(3, 20).Cols, 1);
  EXPECT_EQ(ChildGrid(3, 20).Rows, 3);
  EXPECT_EQ(ChildGrid(4, 16).Cols, 1);  // long captions: one column of four
  EXPECT_EQ(ChildGrid(4, 12).Cols, 2);  // short captions: 2 x 2
  EXPECT_EQ(ChildGrid(4, 12).Rows, 2);
  for (int n = 5; n <= 8; ++n) EXPECT_EQ(ChildGrid(n, 8).Cols, 2) << n;
  for (int n = 9; n <= 16; ++n) EXPECT_EQ(ChildGrid(n, 8).Cols, 3) << n;
  EXPECT_EQ(ChildGrid(13, 8).Rows, 5);
  EXPECT_EQ(ChildGrid(16, 8).Rows, 6);
  EXPECT_EQ(selection::ItemSide(768), 51);
  EXPECT_EQ(selection::RowPitch(768), 54);
}

class SelectionWindow : public ::testing::Test {
 protected:
  modal::ScriptedHostScope modalHost;
  RecordingHost host;
};

TEST_F(SelectionWindow, StartsAtTheRootWithPascalChosen) {
  TAlgoSelectForm form;
  form.SetHost(&host);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.size(), screen::Size());
  EXPECT_EQ(form.PathLevel(), 1);
  EXPECT_EQ(form.ChildCount(), 13);
  EXPECT_FALSE(form.UseC());
  EXPECT_EQ(form.HotItem(), nullptr);
  EXPECT_EQ(form.PasBtn()->text(), "Pascal语言");
  EXPECT_EQ(form.CBtn()->text(), "C语言");
  // Thirteen chapters in three columns of five rows: row by row, left to right.
  const QPoint a = form.ChildItem(1)->Pos(), b = form.ChildItem(2)->Pos(),
               d = form.ChildItem(4)->Pos();
  EXPECT_EQ(a.y(), b.y());
  EXPECT_LT(a.x(), b.x());
  EXPECT_EQ(a.x(), d.x());
  EXPECT_GT(d.y(), a.y());
  // The grid stays right of the path column and below the separator.
  EXPECT_GT(a.x(), form.PathItem(1)->Pos().x());
  EXPECT_GT(a.y(), form.SeparatorY());
}

TEST_F(SelectionWindow, OpensChaptersAlongThePathAndBack) {
  TAlgoSelectForm form;
  const int side = selection::ItemSide(768), pitch = selection::RowPitch(768);
  ASSERT_TRUE(form.ClickCaption("栈"));
  EXPECT_EQ(form.PathCaptions(), QStringList({"数据结构", "栈"}));
  EXPECT_EQ(form.ChildCaptions(),
            QStringList({"表达式求值", "阿克曼函数", "栈的输出序列", "递归过程"}));
  const int separatorAtTwo = form.SeparatorY();
  ASSERT_TRUE(form.ClickCaption("递归过程"));
  EXPECT_EQ(form.PathLevel(), 3);
  EXPECT_EQ(form.SeparatorY(), separatorAtTwo + pitch);
  // Each level stands one item side further right and one row pitch lower.
  EXPECT_EQ(form.PathItem(3)->Pos() - form.PathItem(2)->Pos(), QPoint(side, pitch));
  EXPECT_TRUE(form.PathItem(3)->Visible());
  // Four short captions: a 2 x 2 grid.
  EXPECT_EQ(form.ChildItem(1)->Pos().y(), form.ChildItem(2)->Pos().y());
  EXPECT_EQ(form.ChildItem(1)->Pos().x(), form.ChildItem(3)->Pos().x());
  // Clicking the chapter in the path closes the sub-chapter.
  ASSERT_TRUE(form.ClickCaption("栈"));
  EXPECT_EQ(form.PathLevel(), 2);
  EXPECT_FALSE(form.PathItem(3)->Visible());
  EXPECT_EQ(form.ChildCount(), 4);
  EXPECT_EQ(form.ChildItem(4)->Text(), "递归过程");
  // Four long captions stay in one column.
  ASSERT_TRUE(form.ClickCaption("数据结构"));
  EXPECT_EQ(form.ChildCount(), 13);
  ASSERT_TRUE(form.ClickCaption("链表"));
  EXPECT_EQ(form.ChildItem(1)->Pos().x(), form.ChildItem(2)->Pos().x());
  EXPECT_FALSE(form.ChildItem(5)->Visible());
}

TEST_F(SelectionWindow, HoverMarksOneItemAtATime) {
  TAlgoSelectForm form;
  TAlgoSelectItem* first = form.ChildItem(1);
  TAlgoSelectItem* second = form.ChildItem(2);
  QTest::mouseMove(first->Caption);
  QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(first->Image, &move);
  EXPECT_EQ(form.HotItem(), first);
  EXPECT_TRUE(first->Bevel->isVisible());
  EXPECT_TRUE(first->Caption->font().underline());
  QApplication::sendEvent(second->Caption, &move);
  EXPECT_EQ(form.HotItem(), second);
  EXPECT_FALSE(first->Bevel->isVisible());
  EXPECT_FALSE(first->Caption->font().underline());
  QApplication::sendEvent(&form, &move);  // over the background
  EXPECT_EQ(form.HotItem(), nullptr);
  EXPECT_FALSE(second->Bevel->isVisible());
}

TEST_F(SelectionWindow, BackFromADemonstrationOnlyTheItemUnderTheMouseIsHot) {
  TAlgoSelectForm form;
  form.SetHost(&host);
  ASSERT_TRUE(form.ClickLeaf("ackman"));
  ASSERT_NE(form.HotItem(), nullptr) << "the clicked leaf is hot while it is clicked";
  // Meanwhile the mouse went to the backdrop.
  QPoint backdrop(form.width() - 2, form.height() - 2);
  while (form.childAt(backdrop) != nullptr && backdrop.x() > 0) backdrop.rx() -= 10;
  QCursor::setPos(form.mapToGlobal(backdrop));
  form.ShowSelection();
  EXPECT_EQ(form.HotItem(), nullptr) << "the last item clicked stays red and underlined";
  for (int i = 1; i <= form.ChildCount(); ++i) EXPECT_FALSE(form.ChildItem(i)->Bevel->isVisible()) << i;
}

TEST_F(SelectionWindow, LeafClickStartsTheDemonstrationWithTheChosenLanguage) {
  TAlgoSelectForm form;
  form.SetHost(&host);
  form.CBtnClick();
  ASSERT_TRUE(form.ClickLeaf("ackman"));
  EXPECT_EQ(host.calls, QStringList({"disable", "caption 阿克曼函数", "show", "start Ackman c"}));
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.HasBackground());
  // Back from the demonstration: the path and the language are kept.
  form.ShowSelection();
  EXPECT_EQ(form.PathCaptions(), QStringList({"数据结构", "栈"}));
  EXPECT_TRUE(form.UseC());
  // A leaf deep in another chapter: the path backs up, then opens three levels.
  host.calls.clear();
  form.PasBtnClick();
  ASSERT_TRUE(form.ClickLeaf("CrtInthlinked"));
  EXPECT_EQ(form.PathCaptions(), QStringList({"数据结构", "二叉树", "线索树", "线索化"}));
  EXPECT_EQ(host.calls.last(), "start CrtInthlinked pascal");
  EXPECT_FALSE(form.ClickLeaf("NoSuchDemo"));
}

TEST_F(SelectionWindow, ADoubleClickOnALeafStartsItOnce) {
  TAlgoSelectForm form;
  form.SetHost(&host);
  ASSERT_TRUE(form.ClickCaption("栈"));
  TAlgoSelectItem* leaf = nullptr;
  for (int i = 1; i <= form.ChildCount(); ++i)
    if (form.ChildItem(i)->Text() == "阿克曼函数") leaf = form.ChildItem(i);
  ASSERT_NE(leaf, nullptr);
  // The four events of a double-click, queued as the window system gives them: the second
  // click comes while the first one's start is under way.
  const QPointF at(leaf->Image->width() / 2.0, leaf->Image->height() / 2.0);
  const QPointF global = leaf->Image->mapToGlobal(at);
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                            QEvent::MouseButtonRelease}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QCoreApplication::postEvent(leaf->Image,
                                new QMouseEvent(type, at, global, Qt::LeftButton, held, Qt::NoModifier));
  }
  pacing::ProcessMessages();
  EXPECT_EQ(host.calls.join(" / "), "disable / caption 阿克曼函数 / show / start Ackman pascal")
      << "the second click reached the program after the demonstration had started";
  // Clicks after the double-click time work again.
  host.calls.clear();
  form.ShowSelection();
  ASSERT_TRUE(form.ClickLeaf("hanoi"));
  EXPECT_EQ(host.calls.last(), "start Hanoi pascal");
}

TEST_F(SelectionWindow, LanguageSquaresFollowTheChoice) {
  TAlgoSelectForm form;
  EXPECT_EQ(form.PasBtn()->palette().color(QPalette::ButtonText), QColor(Qt::red));
  EXPECT_EQ(form.CBtn()->palette().color(QPalette::ButtonText), QColor(0, 128, 0));
  QTest::mouseClick(form.CBtn(), Qt::LeftButton);
  EXPECT_TRUE(form.UseC());
  EXPECT_EQ(form.CBtn()->palette().color(QPalette::ButtonText), QColor(Qt::red));
  EXPECT_EQ(form.PasBtn()->palette().color(QPalette::ButtonText), QColor(0, 128, 0));
  QTest::mouseClick(form.PasBtn(), Qt::LeftButton);
  EXPECT_FALSE(form.UseC());
}

TEST_F(SelectionWindow, ExitClosesOnlyOnYes) {
  TAlgoSelectForm form;
  for (const char* answer : {"No", "Cancel"}) {
    modalHost->QueueMessage(answer);
    form.ExitBtnClick();
    EXPECT_TRUE(form.isVisible()) << answer;
  }
  modalHost->QueueMessage("Yes");
  QTest::mouseClick(form.ExitBtn(), Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
  const QString asked = "message " + modal::AppTitle() + " | 你确定要退出本演示系统?";
  EXPECT_EQ(modalHost->Transcript(), QStringList(3, asked));
  EXPECT_FALSE(modalHost->HasUnused());
}

TEST_F(SelectionWindow, TheCloseBoxAsksAsExitDoes) {
  TAlgoSelectForm form;
  form.show();
  modalHost->QueueMessage("No");
  EXPECT_FALSE(form.close()) << "Alt+F4 or the close box ended the program without the question";
  EXPECT_TRUE(form.isVisible());
  modalHost->QueueMessage("Yes");
  EXPECT_TRUE(form.close());
  const QString asked = "message " + modal::AppTitle() + " | 你确定要退出本演示系统?";
  EXPECT_EQ(modalHost->Transcript(), QStringList(2, asked)) << "asked once each time";
}

TEST_F(SelectionWindow, MissingPicturesLeaveAPlainBackground) {
  const QString appPath = app::AppPath();
  QTemporaryDir empty;
  app::SetAppPath(empty.path());
  TAlgoSelectForm form;
  app::SetAppPath(appPath);
  EXPECT_TRUE(form.HasBackground());
  QImage shot(form.size(), QImage::Format_ARGB32);
  form.render(&shot);
  EXPECT_EQ(shot.pixelColor(form.width() / 2, 5), shot.pixelColor(5, form.height() / 3));
}
