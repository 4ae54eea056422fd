#include <gtest/gtest.h>

#include <QTest>
#include <tuple>

#include "demos/search/BPTreeClass.h"
#include "demos/search/BTreeClass.h"
#include "demos/search/BTreeGrfForm.h"
#include "demos/trees/TreeFile.h"
#include "framework/engine/Errors.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/PacedTimer.h"

// Failures show the texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << s.toStdString(); }

namespace {

// The tree in words: each node's keys with its level, in preorder, children in brackets:
// "1:30[2:10 20|2:40 50]".
QString ShapeOf(const TBTreeNode* n) {
  if (!n) return QStringLiteral("-");
  QString s = QString::number(n->stair) + ':' + n->KeysText();
  if (n->IsLeaf()) return s;
  QStringList children;
  for (int j = 0; j < n->ChildSlots(); ++j) {
    const TBTreeNode* child = n->GetChild(j);
    children << ShapeOf(child);
    if (child && child->Parent() != n) children << QStringLiteral("(wrong parent)");
  }
  return s + '[' + children.join('|') + ']';
}

template <class Tree>
class Trees : public ::testing::Test {
 protected:
  Trees() { tree.setGeometry(0, 0, 339, 280); }
  void InsertAll(std::initializer_list<int> keys) {
    for (int k : keys) tree.Insert(k);
  }
  // Takes k out of the leaf holding it as the demonstration's deletion step does, without
  // the repair.
  TBTreeNode* DeleteFromLeaf(int k) {
    TBTreeNode* p = nullptr;
    int i = 0;
    EXPECT_TRUE(tree.Search(k, p, i)) << k;
    if (auto* bp = dynamic_cast<TBPTreeNode*>(p)) {
      if (i == bp->KeyNum) static_cast<TBPTreeClass&>(tree).ReplaceLargestKey(*bp, i);
      bp->DeleteEntry(i);
    } else {
      p->DeleteKey(i);
    }
    return p;
  }
  QString Shape() const { return ShapeOf(tree.Root()); }
  Tree tree;
};

using BTrees = Trees<TBTreeClass>;
using BPTrees = Trees<TBPTreeClass>;

// ---------------------------------------------------------------- nodes

TEST_F(BTrees, NodeKeepsKeysAsTwoDigitsAndChildFlags) {
  auto* node = tree.NewNode();
  EXPECT_EQ(node->KeyNum, 0);
  EXPECT_EQ(node->KeyStr, QStringLiteral("0000000000"));
  EXPECT_EQ(node->TagStr, QStringLiteral("000000"));
  node->SetKey(1, 7);
  node->SetKey(5, 99);
  EXPECT_EQ(node->KeyStr, QStringLiteral("0700000099"));
  EXPECT_EQ(node->GetKey(1), 7);
  node->KeyNum = 1;
  EXPECT_EQ(node->KeysText(), QStringLiteral("7"));  // drawn without a leading zero
  auto* child = tree.NewNode();
  node->SetChild(1, child);
  EXPECT_EQ(node->TagStr, QStringLiteral("010000"));
  EXPECT_EQ(child->Parent(), node);
  EXPECT_THROW(node->SetKey(0, 1), ERangeError);
  EXPECT_THROW(node->GetKey(6), ERangeError);
  EXPECT_THROW(node->SetChild(6, nullptr), ERangeError);
  EXPECT_THROW(node->SetKey(1, 100), ERangeError);
  delete child;
  delete node;
}

// ---------------------------------------------------------------- B-tree

TEST_F(BTrees, InsertionSplitsAFifthKeyAndGrowsANewRoot) {
  TBTreeNode* p = nullptr;
  int i = -1;
  EXPECT_FALSE(tree.Search(5, p, i));
  EXPECT_EQ(p, nullptr);

  InsertAll({30});
  EXPECT_EQ(Shape(), QStringLiteral("1:30"));
  InsertAll({10, 20, 40});
  EXPECT_EQ(Shape(), QStringLiteral("1:10 20 30 40"));
  InsertAll({50});
  EXPECT_EQ(Shape(), QStringLiteral("1:30[2:10 20|2:40 50]"));
  InsertAll({50});  // present: nothing happens
  EXPECT_EQ(Shape(), QStringLiteral("1:30[2:10 20|2:40 50]"));

  ASSERT_FALSE(tree.Search(45, p, i));
  EXPECT_EQ(p->KeysText(), QStringLiteral("40 50"));
  EXPECT_EQ(i, 1);  // one key of p below 45
  ASSERT_TRUE(tree.Search(30, p, i));
  EXPECT_EQ(p, tree.Root());
  EXPECT_EQ(i, 1);

  // Splits further up: middle keys go to the root until it splits too; the tree stays a
  // B-tree (the file check holds it to every rule) and grows a level.
  for (int k = 51; k <= 70; ++k) tree.Insert(k);
  EXPECT_NO_THROW(tree.ParseFile(tree.SaveToBytes(), QStringLiteral("t.dat")));
  EXPECT_TRUE(Shape().contains(QStringLiteral("3:")));
  EXPECT_EQ(tree.Root()->KeyNum, 1);
}

TEST_F(BTrees, DeletedKeysPastKeyNumAreNotFound) {
  InsertAll({10, 20, 30});
  DeleteFromLeaf(30);
  TBTreeNode* p = nullptr;
  int i = 0;
  EXPECT_FALSE(tree.Search(30, p, i));
  EXPECT_EQ(i, 2);
}

TEST_F(BTrees, ALeafAKeyShortBorrowsThroughItsParent) {
  for (int k = 10; k <= 70; k += 10) tree.Insert(k);
  ASSERT_EQ(Shape(), QStringLiteral("1:30[2:10 20|2:40 50 60 70]"));
  TBTreeNode* p = DeleteFromLeaf(10);
  TBTreeNode* ap = tree.Sibling(*p);
  EXPECT_EQ(ap->KeysText(), QStringLiteral("40 50 60 70"));  // the first child takes its right sibling
  tree.Borrow(*p, *ap);
  tree.MarkRoot();
  EXPECT_EQ(Shape(), QStringLiteral("1:40[2:20 30|2:50 60 70]"));
}

TEST_F(BTrees, BorrowFromTheLeftTakesTheSiblingsLargestKey) {
  InsertAll({10, 20, 30, 40, 50, 5, 6});
  ASSERT_EQ(Shape(), QStringLiteral("1:30[2:5 6 10 20|2:40 50]"));
  TBTreeNode* p = DeleteFromLeaf(50);
  TBTreeNode* ap = tree.Sibling(*p);
  EXPECT_EQ(ap->KeysText(), QStringLiteral("5 6 10 20"));
  tree.Borrow(*p, *ap);
  tree.MarkRoot();
  EXPECT_EQ(Shape(), QStringLiteral("1:20[2:5 6 10|2:30 40]"));
}

TEST_F(BTrees, AMergeTakingTheRootsLastKeyMakesTheMergedNodeTheRoot) {
  InsertAll({30, 10, 20, 40, 50});
  TBTreeNode* p = DeleteFromLeaf(10);
  TBTreeNode* ap = tree.Sibling(*p);
  TBTreeNode* kept = tree.Merge(*p, *ap);
  EXPECT_EQ(kept, p);
  EXPECT_EQ(tree.Root()->KeyNum, 0);
  EXPECT_TRUE(tree.CollapseRoot());
  EXPECT_EQ(Shape(), QStringLiteral("1:20 30 40 50"));
  EXPECT_EQ(tree.Root()->Parent(), nullptr);
  EXPECT_FALSE(tree.CollapseRoot());
  tree.Arrange();  // a sound layout: every node has room
  EXPECT_GT(tree.Root()->width(), 0);

  // Merging into the left sibling keeps the left node.
  tree.Clear();
  InsertAll({30, 10, 20, 40, 50});
  p = DeleteFromLeaf(50);
  ap = tree.Sibling(*p);
  EXPECT_EQ(tree.Merge(*p, *ap), ap);
  tree.CollapseRoot();
  EXPECT_EQ(Shape(), QStringLiteral("1:10 20 30 40"));
}

// A merge leaving an inner node a key short repeats on that node; the children of the
// merged inner nodes go along, and the emptied root gives way.
TEST_F(BTrees, MergesRepeatUpTheTreeAndTakeTheChildrenAlong) {
  for (int k = 1; k <= 17; ++k) tree.Insert(k * 2);
  ASSERT_EQ(Shape(), QStringLiteral("1:18[2:6 12[3:2 4|3:8 10|3:14 16]|2:24 30[3:20 22|3:26 28|3:32 34]]"));
  TBTreeNode* p = DeleteFromLeaf(10);
  TBTreeNode* parent = p->Parent();
  EXPECT_EQ(tree.Merge(*p, *tree.Sibling(*p))->KeysText(), QStringLiteral("2 4 6 8"));
  EXPECT_FALSE(tree.CollapseRoot());
  ASSERT_EQ(parent->KeysText(), QStringLiteral("12"));
  tree.Merge(*parent, *tree.Sibling(*parent));
  EXPECT_TRUE(tree.CollapseRoot());
  EXPECT_EQ(Shape(), QStringLiteral("1:12 18 24 30[2:2 4 6 8|2:14 16|2:20 22|2:26 28|2:32 34]"));
}

TEST_F(BTrees, RandomTreesHoldNoKey99AndKeepTheirInvariants) {
  for (int round = 0; round < 20; ++round) {
    tree.RandomBuild();
    const QByteArray bytes = tree.SaveToBytes();
    EXPECT_NO_THROW(tree.ParseFile(bytes, QStringLiteral("r.dat"))) << round;
    TBTreeNode* p = nullptr;
    int i = 0;
    EXPECT_FALSE(tree.Search(99, p, i));
  }
}

// ---------------------------------------------------------------- B+-tree

TEST_F(BPTrees, InsertionKeepsEachSubtreesLargestKeyInItsParent) {
  InsertAll({10});
  EXPECT_EQ(Shape(), QStringLiteral("1:10"));
  InsertAll({20, 30, 40, 50});
  EXPECT_EQ(Shape(), QStringLiteral("1:20 50[2:10 20|2:30 40 50]"));
  InsertAll({60});  // above every key: the path's last keys follow it
  EXPECT_EQ(Shape(), QStringLiteral("1:20 60[2:10 20|2:30 40 50 60]"));

  TBTreeNode* p = nullptr;
  int i = 0;
  EXPECT_FALSE(tree.Search(70, p, i));
  EXPECT_EQ(p->KeysText(), QStringLiteral("30 40 50 60"));
  EXPECT_EQ(i, 5);  // one past the last key
  EXPECT_TRUE(tree.Search(20, p, i));
  EXPECT_EQ(i, 2);
}

TEST_F(BPTrees, DeletionsLowerLargestKeysBorrowAndMerge) {
  InsertAll({10, 20, 30, 40, 50, 60});
  DeleteFromLeaf(60);
  EXPECT_EQ(Shape(), QStringLiteral("1:20 50[2:10 20|2:30 40 50]"));

  TBTreeNode* p = DeleteFromLeaf(10);
  TBTreeNode* ap = tree.Sibling(*p);
  ASSERT_EQ(ap->KeyNum, 3);
  tree.Borrow(*p, *ap);
  EXPECT_EQ(Shape(), QStringLiteral("1:30 50[2:20 30|2:40 50]"));

  p = DeleteFromLeaf(20);
  tree.Merge(*p, *tree.Sibling(*p));
  EXPECT_EQ(tree.Root()->KeysText(), QStringLiteral("50"));
  EXPECT_TRUE(tree.CollapseRoot());
  EXPECT_EQ(Shape(), QStringLiteral("1:30 40 50"));
}

TEST_F(BPTrees, BorrowAndMergeWithALeftSibling) {
  InsertAll({10, 20, 30, 40, 50, 5});
  ASSERT_EQ(Shape(), QStringLiteral("1:20 50[2:5 10 20|2:30 40 50]"));
  TBTreeNode* p = DeleteFromLeaf(50);
  p = DeleteFromLeaf(40);
  ASSERT_EQ(Shape(), QStringLiteral("1:20 30[2:5 10 20|2:30]"));
  tree.Borrow(*p, *tree.Sibling(*p));
  EXPECT_EQ(Shape(), QStringLiteral("1:10 30[2:5 10|2:20 30]"));
  p = DeleteFromLeaf(30);
  tree.Merge(*p, *tree.Sibling(*p));
  tree.CollapseRoot();
  EXPECT_EQ(Shape(), QStringLiteral("1:5 10 20"));
}

TEST_F(BPTrees, AFourthLevelIsRefused) {
  for (int k = 0; k <= 21; ++k) tree.Insert(k);
  const QString full = Shape();
  TBTreeNode* p = nullptr;
  int i = 0;
  ASSERT_FALSE(tree.Search(22, p, i));
  EXPECT_TRUE(tree.InsertRefused(*p)) << full.toStdString();
  tree.Insert(22);
  EXPECT_EQ(Shape(), full);
}

TEST_F(BPTrees, RandomTreesStayWithinThreeLevels) {
  for (int round = 0; round < 20; ++round) {
    tree.RandomBuild();
    EXPECT_NO_THROW(tree.ParseFile(tree.SaveToBytes(), QStringLiteral("r.dat"))) << round;
  }
}

// ---------------------------------------------------------------- data file

QByteArray Record(const QString& cls, int keyNum, const QString& keys, const QString& tags, int stair = 1) {
  stream::TComponentClass c = TBTreeNode::StreamClass();
  c.name = cls;
  return stream::WriteComponentRecord(c, {{QStringLiteral("Left"), 0},
                                          {QStringLiteral("Top"), 0},
                                          {QStringLiteral("Width"), 10},
                                          {QStringLiteral("Height"), 10},
                                          {QStringLiteral("stair"), stair},
                                          {QStringLiteral("ShowName"), true},
                                          {QStringLiteral("KeyNum"), keyNum},
                                          {QStringLiteral("KeyStr"), keys},
                                          {QStringLiteral("TagStr"), tags}});
}

TEST(BTreeLayout, CellsOfASmallPanelStayTallEnoughForTwoDigits) {
  // The drawing window's area: the twentieth of its height, as designed.
  EXPECT_EQ(TBTreeClass::UnitHeight(439), 21);
  // The creation dialog's: 15 pixels, or as tall as the third level's staircase allows below
  // the second level (a fifteenth of the height).
  EXPECT_EQ(TBTreeClass::UnitHeight(260), 15);
  EXPECT_EQ(TBTreeClass::UnitHeight(209), 13);
}

TEST(BPlusLeafRow, TheUnitIsTheAreasFortyFifthUnlessTheLeavesNeedLess) {
  // 13 keys in 5 leaves under 2 parents: 13 + 3 sibling gaps + 2 for the gap between the
  // groups + 1 free = 19 units, which 990 / 45 = 22 leaves room for.
  EXPECT_EQ(BPlusLeafUnit(990, 13, 5, 2, 990 / 45), 22);
  // 64 keys in 16 leaves under 4 parents need 64 + 12 + 6 + 1 = 83 units.
  EXPECT_EQ(BPlusLeafUnit(990, 64, 16, 4, 22), 11);
  // A tree without a leaf row keeps the unit; nothing gives less than a pixel.
  EXPECT_EQ(BPlusLeafUnit(990, 0, 0, 0, 22), 22);
  EXPECT_EQ(BPlusLeafUnit(10, 64, 16, 4, 0), 1);
}

TEST(BPlusLeafRow, GroupsStayWhereTheyWantUnlessTheyWouldMeetOrLeaveTheRow) {
  // Room for all: every group where it wants to be.
  EXPECT_EQ(BPlusGroupLefts({10, 200, 400}, {100, 100, 100}, 20, 10, 600), (std::vector<int>{10, 200, 400}));
  // The second would start inside the first: it moves right, the gap kept, and pushes the
  // third along.
  EXPECT_EQ(BPlusGroupLefts({10, 60, 150}, {100, 100, 100}, 20, 10, 600), (std::vector<int>{10, 130, 250}));
  // Past the right end: the last group comes back inside and the one before it gives way
  // as far as it must.
  EXPECT_EQ(BPlusGroupLefts({10, 300, 420}, {100, 100, 150}, 20, 10, 500), (std::vector<int>{10, 230, 350}));
  // A row too narrow for them all keeps them apart from its left end.
  EXPECT_EQ(BPlusGroupLefts({0, 0}, {100, 100}, 20, 10, 150), (std::vector<int>{10, 130}));
}

TEST_F(BTrees, ASavedFileHoldsOneRecordPerNodeAndLoadsBackTheSameTree) {
  EXPECT_TRUE(tree.SaveToBytes().isEmpty());
  InsertAll({30, 10, 20, 40, 50});
  tree.Arrange();
  const QByteArray bytes = tree.SaveToBytes();
  const QByteArray head = QByteArray("\xFF\x0A\x00TBTREENODE\x00\x30\x10", 16);
  EXPECT_TRUE(bytes.startsWith(head));
  EXPECT_EQ(bytes.count("TPF0"), 3);
  EXPECT_EQ(bytes.count("\x0ATBTreeNode"), 3);
  EXPECT_TRUE(bytes.contains(QByteArray("\x06KeyStr\x06\x0A" "3000000000", 19)));
  EXPECT_TRUE(bytes.contains(QByteArray("\x06TagStr\x06\x06" "110000", 15)));

  TBTreeClass other;
  other.setGeometry(0, 0, 339, 280);
  other.Insert(1);
  other.LoadFromBytes(bytes, QStringLiteral("t.dat"));
  EXPECT_EQ(ShapeOf(other.Root()), QStringLiteral("1:30[2:10 20|2:40 50]"));
  other.LoadFromBytes(QByteArray(), QStringLiteral("t.dat"));
  EXPECT_EQ(other.Root(), nullptr);
}

TEST_F(BTrees, LevelsComeFromTheShapeNotFromTheStoredLevel) {
  const QByteArray bytes = Record(QStringLiteral("TBTreeNode"), 1, QStringLiteral("3000000000"),
                                  QStringLiteral("110000"), 7) +
                           Record(QStringLiteral("TBTreeNode"), 2, QStringLiteral("1020000000"),
                                  QStringLiteral("000000"), 1) +
                           Record(QStringLiteral("TBTreeNode"), 2, QStringLiteral("4050000000"),
                                  QStringLiteral("000000"), 9);
  tree.LoadFromBytes(bytes, QStringLiteral("t.dat"));
  EXPECT_EQ(Shape(), QStringLiteral("1:30[2:10 20|2:40 50]"));
}

// The message a load is refused with; empty when the file is taken.
QString RefusalOf(TBTreeClass& tree, const QByteArray& bytes) {
  try {
    tree.LoadFromBytes(bytes, QStringLiteral("bad.dat"));
  } catch (const ETreeFileError& e) {
    return e.Message();
  }
  return {};
}

TEST_F(BTrees, DamagedForeignAndOutOfRangeFilesAreRefusedLeavingTheTree) {
  InsertAll({30, 10, 20, 40, 50});
  const QByteArray good = tree.SaveToBytes();
  const QString before = Shape();
  const QString node = QStringLiteral("TBTreeNode");
  const auto leaf = [&](int n, const QString& keys) { return Record(node, n, keys, QStringLiteral("000000")); };
  // Each file with the fault its message names.
  const std::vector<std::tuple<const char*, QByteArray, QString>> bad = {
      {"cut short", good.left(good.size() - 5), QStringLiteral("文件在第 3 个结点处中断")},
      {"a child missing at the end", good.left(good.lastIndexOf(QByteArray("\xFF\x0A\x00", 3))),
       QStringLiteral("文件在第 3 个结点处中断")},
      {"bytes after the last record", good + QByteArray("x"), QStringLiteral("最后一个结点之后还有多余的数据")},
      {"another node class",
       Record(QStringLiteral("TBPTreeNode"), 2, QStringLiteral("1020000000"), QStringLiteral("000000")),
       QStringLiteral("第 1 个结点是B+树的结点，不是B-树的")},
      {"KeyNum 5", leaf(5, QStringLiteral("1020304050")), QStringLiteral("关键字个数不在 1 到 4 之间")},
      {"KeyNum 0", leaf(0, QStringLiteral("0000000000")), QStringLiteral("关键字个数不在 1 到 4 之间")},
      {"KeyStr with a letter", leaf(2, QStringLiteral("10a0000000")), QStringLiteral("关键字串不是十位数字")},
      {"KeyStr too short", leaf(2, QStringLiteral("1020")), QStringLiteral("关键字串不是十位数字")},
      {"TagStr not flags", Record(node, 2, QStringLiteral("1020000000"), QStringLiteral("00200")),
       QStringLiteral("孩子标志串不是六个 0 或 1")},
      {"keys out of order", leaf(2, QStringLiteral("2010000000")), QStringLiteral("关键字没有按从小到大的次序排列")},
      {"not a record", QByteArray("hello world"), QStringLiteral("第 1 个结点的记录格式不对")},
  };
  for (const auto& [what, bytes, reason] : bad) {
    EXPECT_THROW(tree.LoadFromBytes(bytes, QStringLiteral("bad.dat")), ETreeFileError) << what;
    EXPECT_EQ(Shape(), before) << what;
    const QString message = RefusalOf(tree, bytes);
    EXPECT_TRUE(message.contains(reason)) << what << ": " << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("树没有改变"))) << what;
    EXPECT_FALSE(message.contains(QStringLiteral("TBPTreeNode")) || message.contains(QStringLiteral("Invalid")))
        << what << ", said in Chinese throughout: " << message.toStdString();
  }
}

TEST_F(BPTrees, FilesOfBPlusTreesKeepTheirRuleAndDepth) {
  InsertAll({10, 20, 30, 40, 50});
  const QByteArray bytes = tree.SaveToBytes();
  EXPECT_TRUE(bytes.startsWith(QByteArray("\xFF\x0A\x00TBPTREENODE\x00", 15)));
  TBTreeClass btree;
  EXPECT_THROW(btree.LoadFromBytes(bytes, QStringLiteral("b.dat")), ETreeFileError);
  TBPTreeClass other;
  other.LoadFromBytes(bytes, QStringLiteral("b.dat"));
  EXPECT_EQ(ShapeOf(other.Root()), QStringLiteral("1:20 50[2:10 20|2:30 40 50]"));

  // Four levels, each an only child's chain: refused for its depth.
  const QString cls = QStringLiteral("TBPTreeNode");
  QByteArray deep;
  for (int level = 1; level <= 4; ++level)
    deep += Record(cls, 2, QStringLiteral("1020000000"), level < 4 ? QStringLiteral("110000") : QStringLiteral("000000"));
  EXPECT_THROW(other.LoadFromBytes(deep, QStringLiteral("d.dat")), ETreeFileError);
  EXPECT_EQ(ShapeOf(other.Root()), QStringLiteral("1:20 50[2:10 20|2:30 40 50]"));
  EXPECT_TRUE(RefusalOf(other, deep).contains(QStringLiteral("树的层数超过了 3 层")));
  // An inner key that is not its child's largest.
  const QByteArray wrong = Record(cls, 2, QStringLiteral("2150000000"), QStringLiteral("110000")) +
                           Record(cls, 2, QStringLiteral("1020000000"), QStringLiteral("000000")) +
                           Record(cls, 3, QStringLiteral("3040500000"), QStringLiteral("000000"));
  EXPECT_THROW(other.LoadFromBytes(wrong, QStringLiteral("w.dat")), ETreeFileError);
  EXPECT_TRUE(RefusalOf(other, wrong).contains(QStringLiteral("内部结点的关键字不是孩子的最大关键字")));
  EXPECT_TRUE(RefusalOf(other, wrong).contains(QStringLiteral("B+树数据文件")));
}

// ---------------------------------------------------------------- status line

TEST(BTreeGraphForm, StatusLineLosesOneCharacterATickAndStartsAgain) {
  TBTreeGraphForm form;
  form.SetStatus(QStringLiteral("合并节点p 和ap"), true);
  EXPECT_TRUE(form.ScrollTimer->Enabled());
  QStringList seen;
  for (int tick = 0; tick < 9; ++tick) {
    form.ScrollTimerTimer();
    seen << form.Status->text();
  }
  EXPECT_EQ(seen.join('/'), QStringLiteral("并节点p 和ap/节点p 和ap/点p 和ap/p 和ap/和ap/ap//合并节点p 和ap/并节点p 和ap"));
  form.SetStatus(QString(), false);
  EXPECT_FALSE(form.ScrollTimer->Enabled());
}

// The key edit lets through two digits at most; the buttons are there only for a key.
TEST(BTreeGraphForm, KeyEditTakesTwoDigitsAndTheButtonsFollowIt) {
  TBTreeGraphForm form;
  EXPECT_FALSE(form.InsertBtn->isEnabled());
  EXPECT_FALSE(form.DeleteBtn->isEnabled());
  QTest::keyClicks(form.KeyEdit, QStringLiteral("a7x35"));
  EXPECT_EQ(form.KeyEdit->text(), QStringLiteral("73"));
  EXPECT_EQ(form.Key(), 73);
  EXPECT_TRUE(form.InsertBtn->isEnabled());
  EXPECT_TRUE(form.DeleteBtn->isEnabled());
  QTest::keyClick(form.KeyEdit, Qt::Key_Backspace);
  QTest::keyClick(form.KeyEdit, Qt::Key_Backspace);
  EXPECT_TRUE(form.KeyEdit->text().isEmpty());
  EXPECT_FALSE(form.InsertBtn->isEnabled());
  EXPECT_FALSE(form.DeleteBtn->isEnabled());
}

}  // namespace
