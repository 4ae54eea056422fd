#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "demos/trees/ThrdTree.h"
#include "demos/trees/TreeFile.h"
#include "demos/trees/TreeLayout.h"
#include "framework/drawkit/Pointer2.h"

namespace {

// "Node1 A 0 0 -> Node2,Node3" for every node in preorder over real links, then the head.
QString Links(TThrdTree& tree) {
  QStringList out;
  auto name = [](const TBinTreeNode* n) { return n ? n->objectName() : QStringLiteral("-"); };
  tree.Arrange();
  auto line = [&](TThrdTreeNode& n) {
    out << n.objectName() + ' ' + n.DrawingText() + " -> " + name(n.LeftChild) + ',' + name(n.RightChild);
  };
  if (tree.Root())
    tree.Root()->ForEach([&](TTreeNodeBase& n) {
      line(static_cast<TThrdTreeNode&>(n));
      return true;
    });
  if (tree.thrt) line(*tree.thrt);
  return out.join(" | ");
}

TThrdTreeNode* Child(TThrdTree& tree, TThrdTreeNode* parent, bool left, char value) {
  auto* n = tree.MakeNode<TThrdTreeNode>();
  left ? parent->SetLeft(n) : parent->SetRight(n);
  n->stair = parent->stair + 1;
  n->SetValue(value);
  return n;
}

class ThreadedTree : public ::testing::Test {
 protected:
  ThreadedTree() {
    tree.setGeometry(0, 0, 371, 332);
    tree.MaxDepth = 4;
  }
  void BuildABCDE() {
    auto* a = static_cast<TThrdTreeNode*>(tree.NewRoot());
    a->SetValue('A');
    Child(tree, Child(tree, a, true, 'B'), true, 'D');
    Child(tree, Child(tree, a, false, 'C'), false, 'E');
  }
  QWidget window;
  TThrdTree tree{&window};
};

TEST_F(ThreadedTree, EmptyTreeGivesTheHeadTwoLoops) {
  tree.InOrderThreading();
  EXPECT_EQ(Links(tree), QStringLiteral("Head   1 1 -> Head,Head"));
}

TEST_F(ThreadedTree, SingleRootThreadsBothWaysToTheHead) {
  static_cast<TThrdTreeNode*>(tree.NewRoot())->SetValue('A');
  tree.InOrderThreading();
  EXPECT_EQ(Links(tree), QStringLiteral("Node1 A 1 1 -> Head,Head | Head   0 1 -> Node1,Node1"));
}

TEST_F(ThreadedTree, ClearingAndThreadingAgainGivesTheSameLinks) {
  BuildABCDE();
  tree.InOrderThreading();
  const QString first = Links(tree);
  EXPECT_TRUE(first.contains(QStringLiteral("Node4 D 1 1 -> Head,Node2"))) << first.toStdString();
  EXPECT_TRUE(first.contains(QStringLiteral("Node7 E 1 1 -> Node3,Head"))) << first.toStdString();
  tree.ClearThreads();
  EXPECT_TRUE(Links(tree).contains(QStringLiteral("Node4 D 0 0 -> -,-")));
  tree.InOrderThreading();
  EXPECT_EQ(Links(tree), first);
}

TEST_F(ThreadedTree, FilesHoldTheRealTreeAndRefuseTags) {
  static_cast<TThrdTreeNode*>(tree.NewRoot())->SetValue('A');
  tree.Arrange();
  const QByteArray one = tree.SaveToBytes();
  EXPECT_TRUE(one.startsWith(QByteArray("\xFF\x0A\x00TTHRDTREENODE\x00", 17)));
  EXPECT_TRUE(one.contains(QByteArray("\x05Value\x06\x01\x41\x04ltag\x02\x00\x04rtag\x02\x00", 20)));

  BuildABCDE();
  tree.InOrderThreading();
  const QByteArray bytes = tree.SaveToBytes();
  TThrdTree other(&window);
  other.MaxDepth = 4;
  other.LoadFromBytes(bytes, QStringLiteral("t.dat"));
  other.InOrderThreading();
  EXPECT_EQ(Links(other), Links(tree)) << "threads are made again from the real tree";

  QByteArray tagged = one;
  tagged.replace(QByteArray("\x04ltag\x02\x00", 7), QByteArray("\x04ltag\x02\x01", 7));
  EXPECT_THROW(other.LoadFromBytes(tagged, QStringLiteral("t.dat")), ETreeFileError);
  EXPECT_TRUE(Links(other).startsWith(QStringLiteral("Node1 A 0 0 -> Node2,Node3"))) << "the tree stays";
}

TEST_F(ThreadedTree, ShapesAreTheLinksTheThreadsAndTheHeadsLineAsDrawn) {
  BuildABCDE();
  tree.InOrderThreading();
  // "A>B" for each link, by the values of its ends (the head has none: "_").
  QStringList links;
  const auto value = [](const QWidget* w) {
    const char v = static_cast<const TThrdTreeNode*>(w)->Value();
    return v == ' ' ? QChar('_') : QChar::fromLatin1(v);
  };
  for (const TDrawnShape& s : tree.DrawingShapes()) {
    ASSERT_EQ(s.Kind, TDrawnShape::Link);
    links << QString(value(s.From.Control)) + '>' + value(s.To.Control);
  }
  links.sort();
  // Four links to parents, the head's line to the root, and D B A C E threaded through the head.
  EXPECT_EQ(links.join(' '), QStringLiteral("A>B A>C B>A B>D C>A C>E D>B D>_ E>C E>_ _>A _>E"));
}

TEST_F(ThreadedTree, ANodeWaitingInTheCornerThreadsRoundTheNodesOfItsRow) {
  BuildABCDE();
  tree.InOrderThreading();
  // Inserting X as B's left child: X waits in the top left corner; its level is already B's
  // child's while its left thread leads to the head, on the row of the root and the head.
  auto* x = tree.MakeNode<TThrdTreeNode>();
  x->SetValue('X');
  x->setGeometry(tree.PointerBand(), tree.PointerBand(), tree.thrt->width(), tree.thrt->height());
  x->stair = 3;
  x->ltag = 1;
  x->LeftChild = tree.thrt;
  const std::vector<QPoint> path = x->ThreadPath(true);
  ASSERT_GE(path.size(), 2u);
  for (const QObject* child : tree.children()) {
    const auto* node = dynamic_cast<const TThrdTreeNode*>(child);
    if (!node || node == x || node == tree.thrt) continue;
    for (std::size_t i = 0; i + 1 < path.size(); ++i)
      EXPECT_FALSE(SegmentCrosses(path[i], path[i + 1], node->geometry())) << "through " << node->Value();
  }
  // The head's right thread to E and E's back to the head share no end.
  const TThrdTreeNode* e = tree.Root()->RealRight()->RealRight();
  const std::vector<QPoint> headToE = tree.thrt->ThreadPath(false), eToHead = e->ThreadPath(false);
  EXPECT_NE(headToE.front(), eToHead.back());
  EXPECT_NE(headToE.back(), eToHead.front());
}

TEST_F(ThreadedTree, FreeingFollowsRealLinksOnly) {
  BuildABCDE();
  tree.InOrderThreading();
  tree.Clear();  // under the sanitizers a node freed twice or left behind would show
  EXPECT_EQ(tree.Root(), nullptr);
  tree.InOrderThreading();
  EXPECT_EQ(Links(tree), QStringLiteral("Head   1 1 -> Head,Head"));
}

// Pointers on a crowded node: every head is clear of the threads and links, its tip on its node,
// and two heads on one node cover neither most of the other nor the same tip.
void ExpectPointersClear(TThrdTree& tree, const std::vector<TPointer2*>& pointers) {
  tree.PlacePointers();
  std::vector<QPolygon> links;
  for (const TDrawnShape& s : tree.DrawingShapes()) links.push_back(s.Path);
  for (const TPointer2* p : pointers) {
    const QRect inner = p->geometry().adjusted(2, 2, -2, -2);
    for (const QPolygon& link : links)
      for (qsizetype i = 1; i < link.size(); ++i)
        EXPECT_FALSE(SegmentCrosses(link[i - 1], link[i], inner)) << p->Caption().toStdString() << " on a link";
    const QRect node = p->Target()->geometry();
    const QPoint tip = p->pos() + p->Tip();
    EXPECT_TRUE(node.adjusted(-1, -1, 1, 1).contains(tip) && !node.adjusted(1, 1, -1, -1).contains(tip))
        << p->Caption().toStdString() << " off its node's outline";
    EXPECT_TRUE(tree.rect().contains(p->geometry()));
    for (const TPointer2* q : pointers) {
      if (q == p) continue;
      const QRect both = p->geometry() & q->geometry();
      EXPECT_LE(2 * both.width() * both.height(), q->width() * q->height()) << "covers another head";
      EXPECT_NE(tip, q->pos() + q->Tip());
    }
  }
}

TPointer2* PointerOn(TThrdTree& tree, const char* caption, QWidget* node) {
  auto* p = new TPointer2(&tree);
  p->SetCaption(QString::fromLatin1(caption));
  p->SetTarget(node);
  return p;
}

// A leaf's top is crossed by its parent's link and its own threads: its marks stand under it.
TEST_F(ThreadedTree, MarksOnALeafStandClearOfItsLinksAndThreads) {
  tree.RoomForPointersBelow = true;
  BuildABCDE();
  tree.InOrderThreading();
  QWidget* d = tree.Root()->RealLeft()->RealLeft();
  const std::vector<TPointer2*> marks{PointerOn(tree, "p", d), PointerOn(tree, "pre", d)};
  ExpectPointersClear(tree, marks);
  EXPECT_TRUE(marks[0]->PointsUp || marks[1]->PointsUp);
}

// The head of an empty tree loops its two threads round itself, above and beside it.
TEST_F(ThreadedTree, MarksOnTheHeadKeepOffItsLoops) {
  tree.RoomForPointersBelow = true;
  tree.InOrderThreading();
  ExpectPointersClear(tree, {PointerOn(tree, "thrt", tree.thrt), PointerOn(tree, "p", tree.thrt)});
}

// A full tree keeps a pointer's room right of its last column for the marks on its rightmost nodes,
// and its last row, narrowed for it, still stands apart.
TEST_F(ThreadedTree, AFullTreeKeepsRoomForPointersRightOfItsLastColumn) {
  tree.setGeometry(0, 0, 559, 623);  // the drawing's size on the smallest screen
  tree.RoomForPointersBelow = true;
  auto* a = static_cast<TThrdTreeNode*>(tree.NewRoot());
  a->SetValue('A');
  char next = 'B';
  const std::function<void(TThrdTreeNode*)> grow = [&](TThrdTreeNode* n) {
    if (n->stair == 4) return;
    for (const bool left : {true, false}) grow(Child(tree, n, left, next++));
  };
  grow(a);
  tree.InOrderThreading();
  std::vector<QRect> lastRow;
  a->ForEach([&](TTreeNodeBase& n) {
    if (n.stair == 4) lastRow.push_back(n.geometry());
    return true;
  });
  ASSERT_EQ(lastRow.size(), 8u);
  std::sort(lastRow.begin(), lastRow.end(), [](const QRect& l, const QRect& r) { return l.x() < r.x(); });
  EXPECT_GE(tree.width() - (lastRow.back().x() + lastRow.back().width()), TPointer2::LeastSide);
  for (std::size_t i = 1; i < lastRow.size(); ++i) EXPECT_GT(lastRow[i].x(), lastRow[i - 1].right() + 1);
  // The head stands over that column, clear of the root, and leaves the room free too.
  EXPECT_FALSE(tree.thrt->geometry().intersects(a->geometry()));
  EXPECT_GE(tree.width() - (tree.thrt->x() + tree.thrt->width()), TPointer2::LeastSide);
}

}  // namespace
