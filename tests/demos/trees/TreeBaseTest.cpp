#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <tuple>

#include "demos/trees/BinCharTreeCreateDlg.h"
#include "demos/trees/TreeBase.h"
#include "demos/trees/TreeFile.h"
#include "tests/framework/drawkit/KitTestSupport.h"
#include "tests/support/RenderWidget.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

// "A(B(D,),C(,E))" style: a node's letter, then its subtrees in parentheses.
QString Shape(const TBinCharTreeNode* n) {
  if (!n) return {};
  QString s(QChar::fromLatin1(n->Value()));
  if (n->Left() || n->Right()) s += '(' + Shape(n->Left()) + ',' + Shape(n->Right()) + ')';
  return s;
}

QString Levels(TBinCharTree& tree) {
  QString s;
  if (tree.Root())
    tree.Root()->ForEach([&s](TTreeNodeBase& n) {
      s += QString::number(n.stair);
      return true;
    });
  return s;
}

QString Captions(TBinCharTree& tree) {
  QStringList s;
  if (tree.Root())
    tree.Root()->ForEach([&s](TTreeNodeBase& n) {
      s << n.GetCaption();
      return true;
    });
  return s.join(' ');
}

TBinCharTreeNode* Child(TBinCharTree& tree, TBinCharTreeNode* parent, bool left, char value) {
  auto* n = tree.MakeNode<TBinCharTreeNode>();
  left ? parent->SetLeft(n) : parent->SetRight(n);
  n->stair = parent->stair + 1;
  n->SetValue(value);
  return n;
}

class TreeKit : public ::testing::Test {
 protected:
  TreeKit() {
    tree.setGeometry(0, 0, 441, 345);
    tree.MaxDepth = 4;
    tree.PointerSize = 32;
    tree.NodeCaption = QStringLiteral("n");
  }
  // A(B(D,),C(,E)): the tree the scripts type into the full tree.
  void BuildABCDE() {
    auto* a = static_cast<TBinCharTreeNode*>(tree.NewRoot());
    a->SetValue('A');
    Child(tree, Child(tree, a, true, 'B'), true, 'D');
    Child(tree, Child(tree, a, false, 'C'), false, 'E');
  }
  QWidget window;
  TBinCharTree tree{&window};
  QTemporaryDir dir;
};

// A node moved by a new arrangement paints again: the ground behind its picture is the backdrop
// of its new place, not a patch of the old one.
TEST_F(TreeKit, AMovedNodeShowsTheBackdropOfItsNewPlace) {
  const kittest::BackdropScope backdrop;
  BuildABCDE();
  tree.Arrange();
  TTreeNodeBase* node = tree.Root();
  RenderWidget(window);
  const QPoint before = node->mapToGlobal(QPoint(0, 0));
  node->move(node->pos() + QPoint(37, 11));
  RenderWidget(window);
  const QPoint after = node->mapToGlobal(QPoint(0, 0));
  // The backdrop differs at every point: a ground pixel tells where it was copied from.
  int fromNew = 0, fromOld = 0;
  const QImage& image = node->Image();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y) & 0xFFFFFF;
      fromNew += pixel == (ToQRgb(kittest::BackdropAt(after.x() + x, after.y() + y)) & 0xFFFFFF) ? 1 : 0;
      fromOld += pixel == (ToQRgb(kittest::BackdropAt(before.x() + x, before.y() + y)) & 0xFFFFFF) ? 1 : 0;
    }
  EXPECT_GT(fromNew, 0);
  EXPECT_EQ(fromOld, 0);
}

TEST_F(TreeKit, OneNodeLiesCentredAndSavesAsOneRecord) {
  static_cast<TBinCharTreeNode*>(tree.NewRoot())->SetValue('A');
  tree.Arrange();
  EXPECT_EQ(tree.Root()->geometry(), QRect(213, 32, 46, 46)) << "one level: as large as a fourth of the height allows";
  EXPECT_EQ(tree.Root()->objectName(), QStringLiteral("Node1"));

  const QByteArray bytes = tree.SaveToBytes();
  ASSERT_EQ(bytes.size(), 124) << "one record of a one-node tree";
  EXPECT_TRUE(bytes.startsWith(QByteArray("\xFF\x0A\x00TBINCHARTREENODE\x00\x30\x10", 22)));
  EXPECT_EQ(bytes.mid(22, 4), QByteArray("\x62\x00\x00\x00", 4)) << "image size 98";
  EXPECT_TRUE(bytes.contains(QByteArray("\x04Left\x03\xD5\x00", 8))) << "Left 213 in two bytes";
  EXPECT_TRUE(bytes.contains(QByteArray("\x05Value\x06\x01\x41", 9)));
  EXPECT_TRUE(bytes.endsWith(QByteArray("\x00\x00", 2)));
}

// A blank node paints no glyph: its shape asks for none in its box and lists what it holds
// (its caption written beside it and the blank) without glyphs; a lettered node is read.
TEST_F(TreeKit, ABlankNodeIsListedNotRead) {
  BuildABCDE();
  tree.NumberNodes();
  auto* d = tree.Root()->Left()->Left();
  d->SetValue(' ');
  const TDrawnShape blank = d->DrawingShapes().front();
  EXPECT_EQ(blank.Text, QString());
  EXPECT_EQ(blank.Note, QStringLiteral("n3 ' '"));
  EXPECT_EQ(blank.Name, QStringLiteral("n3"));
  const TDrawnShape lettered = tree.Root()->DrawingShapes().front();
  EXPECT_EQ(lettered.Text, QStringLiteral("n1 A"));
  EXPECT_EQ(lettered.Note, QString());
}

TEST_F(TreeKit, LayoutSpreadsChildrenByLevelAndNamesThemByPlace) {
  BuildABCDE();
  tree.Arrange();
  const TBinCharTreeNode* a = tree.Root();
  const TBinCharTreeNode* e = a->Right()->Right();
  EXPECT_EQ(e->objectName(), QStringLiteral("Node7"));
  EXPECT_EQ(a->Left()->Left()->objectName(), QStringLiteral("Node4"));
  // Three of four levels: the nodes are sized for the third level's places, not the fourth's.
  EXPECT_EQ(e->width(), 46);
  EXPECT_EQ(e->y(), 32 + 2 * ((313 - 3 - 46) / 3)) << "level 3 two steps below the top margin, 3 pixels kept off the frame";
  EXPECT_LT(a->Left()->x(), a->x());
  EXPECT_GT(a->Right()->x(), a->x());
}

TEST_F(TreeKit, ADeepSparseTreeTakesColumnsAndKeepsItsNodesApart) {
  // The tree of (a+b)*(c-d)/(e+f)-g*h+i: six levels, seventeen nodes, packed to the left.
  tree.MaxDepth = 6;
  auto* plus = static_cast<TBinCharTreeNode*>(tree.NewRoot());
  auto* minus = Child(tree, plus, true, '-');
  Child(tree, plus, false, 'i');
  auto* div = Child(tree, minus, true, '/');
  auto* times = Child(tree, minus, false, '*');
  Child(tree, times, true, 'g');
  Child(tree, times, false, 'h');
  auto* times2 = Child(tree, div, true, '*');
  auto* ef = Child(tree, div, false, '+');
  Child(tree, ef, true, 'e');
  Child(tree, ef, false, 'f');
  for (auto [op, l, r] : {std::tuple{'+', 'a', 'b'}, std::tuple{'-', 'c', 'd'}}) {
    auto* n = Child(tree, times2, op == '+', op);
    Child(tree, n, true, l);
    Child(tree, n, false, r);
  }
  ASSERT_LT(tree.ComputeLayout(), tree.LeastNodeSize()) << "the level layout would lose these nodes";
  tree.Arrange();
  std::vector<const TBinCharTreeNode*> inorder;
  std::function<void(const TBinCharTreeNode*)> walk = [&](const TBinCharTreeNode* n) {
    if (!n) return;
    walk(n->Left());
    inorder.push_back(n);
    walk(n->Right());
  };
  walk(tree.Root());
  ASSERT_EQ(inorder.size(), 17u);
  for (std::size_t i = 0; i < inorder.size(); ++i) {
    const QRect r = inorder[i]->geometry();
    EXPECT_GE(r.width(), tree.LeastNodeSize()) << inorder[i]->Value();
    EXPECT_TRUE(tree.rect().contains(r)) << inorder[i]->Value() << " lies outside the panel";
    if (i > 0) {
      EXPECT_GT(r.x(), inorder[i - 1]->x()) << "nodes stand in the order the expression reads";
    }
    for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(r.intersects(inorder[j]->geometry())) << inorder[i]->Value();
  }
}

TEST_F(TreeKit, SaveLoadAndNumberingGiveTheSameTree) {
  BuildABCDE();
  const QString path = dir.filePath("t.dat");
  tree.SaveToFile(path);
  tree.NewRoot();
  TBinCharTree other(&window);
  other.MaxDepth = 4;
  other.NodeCaption = QStringLiteral("n");
  other.LoadFromFile(path);
  other.NumberNodes();
  EXPECT_EQ(Shape(other.Root()), QStringLiteral("A(B(D,),C(,E))"));
  EXPECT_EQ(Levels(other), QStringLiteral("12323"));
  EXPECT_EQ(Captions(other), QStringLiteral("n1 n2 n3 n4 n5"));
}

TEST_F(TreeKit, EmptyTreeIsAnEmptyFileBothWays) {
  const QString path = dir.filePath("empty.dat");
  tree.SaveToFile(path);
  EXPECT_EQ(QFileInfo(path).size(), 0);
  BuildABCDE();
  tree.LoadFromFile(path);
  EXPECT_EQ(tree.Root(), nullptr);
}

TEST_F(TreeKit, BadFilesAreRefusedAndTheTreeStays) {
  BuildABCDE();
  const QByteArray good = tree.SaveToBytes();

  auto refused = [this](const QByteArray& bytes, const char* what, const QString& says = QStringLiteral("树没有改变")) {
    try {
      tree.LoadFromBytes(bytes, QStringLiteral("x.dat"));
      ADD_FAILURE() << what << " was taken";
    } catch (const ETreeFileError& e) {
      EXPECT_TRUE(e.Message().contains(QStringLiteral("树没有改变"))) << e.Message().toStdString();
      EXPECT_TRUE(e.Message().contains(says)) << what << ": " << e.Message().toStdString();
      // Chinese throughout: the only Latin letters are the file's name.
      EXPECT_FALSE(QString(e.Message()).remove(QStringLiteral("x.dat")).contains(QRegularExpression("[A-Za-z]")))
          << what << ": " << e.Message().toStdString();
    }
    EXPECT_EQ(Shape(tree.Root()), QStringLiteral("A(B(D,),C(,E))")) << what;
  };
  // A record cut short is a file cut short, not a stream fault in the user's message.
  refused(good.left(good.size() - 10), "a cut file", QStringLiteral("文件在第 5 个结点处中断"));
  refused(good + good, "a second tree after the first");
  QByteArray unknown = good;
  unknown.replace(QByteArray("\x05Value"), QByteArray("\x05Vxxxx"));
  refused(unknown, "an unknown property", QStringLiteral("第 1 个结点的记录含有这种树的结点没有的数据"));
  QByteArray unframed = good;
  unframed[0] = static_cast<char>(0xFE);
  refused(unframed, "no node record", QStringLiteral("第 1 个结点的记录格式不对"));
  QByteArray wrongLevel = good;
  wrongLevel.replace(QByteArray("\x05stair\x02\x02"), QByteArray("\x05stair\x02\x03"));
  refused(wrongLevel, "a child two levels below its parent");

  // Five levels: a chain one deeper than MaxDepth 4.
  TBinCharTree deep(&window);
  deep.MaxDepth = 5;
  auto* n = static_cast<TBinCharTreeNode*>(deep.NewRoot());
  for (char c : {'B', 'C', 'D', 'E'}) n = Child(deep, n, true, c);
  refused(deep.SaveToBytes(), "a five-level file");
}

TEST_F(TreeKit, FullAndRandomTreesStayWithinMaxDepth) {
  tree.CreateFullTree();
  int count = 0;
  tree.Root()->ForEach([&count](TTreeNodeBase& n) {
    ++count;
    EXPECT_LE(n.stair, 4);
    return true;
  });
  EXPECT_EQ(count, 15);
  EXPECT_EQ(tree.Root()->GetCaption(), QStringLiteral("n1"));

  tree.RandomBuild();
  QStringList captions = Captions(tree).split(' ');
  EXPECT_EQ(captions.removeDuplicates(), 0) << "every random node numbered once";
  EXPECT_EQ(Levels(tree).toStdString().find_first_of("056789"), std::string::npos);
}

TEST_F(TreeKit, CopiesFollowTheSourceAndStopBelowMaxDepth) {
  BuildABCDE();
  TBinCharTree copy(&window);
  copy.Assign(tree);
  EXPECT_EQ(Shape(copy.Root()), QStringLiteral("A(B(D,),C(,E))"));
  EXPECT_EQ(copy.MaxDepth, 4);

  copy.MaxDepth = 2;
  auto* root = static_cast<TBinCharTreeNode*>(copy.NewRoot());
  EXPECT_THROW(root->Assign(*tree.Root()), Exception) << "a third level under MaxDepth 2";
}

TEST_F(TreeKit, BlankNodesAreCutWithTheirSubtrees) {
  BuildABCDE();
  tree.Root()->Left()->SetValue(' ');
  tree.RemoveBlankNodes();
  EXPECT_EQ(Shape(tree.Root()), QStringLiteral("A(,C(,E))"));
  tree.Root()->SetValue(' ');
  tree.RemoveBlankNodes();
  EXPECT_EQ(tree.Root(), nullptr);
}

// A node made before its letter is given paints nothing inside: its shape has no glyphs to
// read there, only a note of what the variables window writes; a letter reads as painted.
TEST_F(TreeKit, ABlankNodeReportsNoGlyphs) {
  BuildABCDE();
  tree.Root()->Left()->SetValue(' ');
  const TDrawnShape blank = tree.Root()->Left()->DrawingShapes().front();
  EXPECT_TRUE(blank.Text.isEmpty());
  EXPECT_TRUE(blank.Note.endsWith(QStringLiteral("' '")));
  EXPECT_TRUE(tree.Root()->DrawingShapes().front().Text.endsWith(QLatin1Char('A')));
}

TEST_F(TreeKit, RecordsMirrorTheSubtreeAndFreeItWithThemselves) {
  BuildABCDE();
  tree.NumberNodes();
  auto record = std::make_unique<TCharNodeData>(*tree.Root());
  EXPECT_EQ(record->Name(), QStringLiteral("n1"));
  EXPECT_EQ(record->GetLChild()->GetLChild()->GetKey(), 'D');
  EXPECT_EQ(record->GetRChild()->GetLChild(), nullptr);
  TCharNodeData alias;
  record->AssignTo(&alias);
  EXPECT_EQ(alias.GetRChild(), record->GetRChild());
  record.reset();  // frees the children; the alias's pointers become nil
  EXPECT_EQ(alias.GetRChild(), nullptr);
}

// The dialog's letter edit: no loop waits for a letter, so a click elsewhere moves on.
TEST(TreeDialog, LettersGoToTheClickedNodeOnly) {
  TBinCharTreeInputDlg dlg;
  dlg.Tree->MaxDepth = 3;
  dlg.Tree->CreateFullTree();
  dlg.show();
  auto* root = dlg.Tree->Root();
  dlg.TreeNodeClick(*root);
  EXPECT_TRUE(dlg.CharEdit->isVisible());
  EXPECT_TRUE(root->Highlighted());
  QTest::keyClicks(dlg.CharEdit, "1?");
  EXPECT_EQ(root->Value(), ' ') << "digits and signs are dropped";
  dlg.TreeNodeClick(*root->Left());
  EXPECT_FALSE(root->Highlighted());
  QTest::keyClicks(dlg.CharEdit, "b");
  EXPECT_EQ(root->Value(), ' ') << "the first node was left";
  EXPECT_EQ(root->Left()->Value(), 'B');
  EXPECT_FALSE(dlg.CharEdit->isVisible());
  QTest::keyClicks(dlg.CharEdit, "c");
  EXPECT_EQ(root->Left()->Value(), 'B') << "no node waits once a letter was taken";
}

TEST(TreeDialog, InputTakesTheTypedTreeAndCancelKeepsTheOld) {
  QWidget window;
  TBinCharTree tree(&window);
  tree.setGeometry(0, 0, 441, 345);
  tree.MaxDepth = 4;
  tree.NodeCaption = QStringLiteral("n");
  modal::ScriptedHostScope scope;
  auto& host = static_cast<modal::ScriptedHost&>(modal::Current());
  for (const char* line : {"@UserCrtBtn", "@Node1", "CharEdit=a @Node2", "CharEdit=B @Node3", "CharEdit=C OK"})
    host.QueueDialog(QString::fromLatin1(line));
  ASSERT_TRUE(tree.Input());
  EXPECT_EQ(Shape(tree.Root()), QStringLiteral("A(B,C)"));
  EXPECT_EQ(Captions(tree), QStringLiteral("n1 n2 n3"));

  host.QueueDialog(QStringLiteral("@UserCrtBtn key:Esc"));
  EXPECT_FALSE(tree.Input());
  EXPECT_EQ(Shape(tree.Root()), QStringLiteral("A(B,C)"));
}

}  // namespace
