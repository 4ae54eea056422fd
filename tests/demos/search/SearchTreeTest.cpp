#include <gtest/gtest.h>

#include <QLineF>
#include <QTemporaryDir>

#include "demos/search/AvlTree.h"
#include "demos/search/AvlTreeClass.h"
#include "demos/search/AvlTreeGrfForm.h"
#include "demos/search/BsTree.h"
#include "demos/search/BsTreeClass.h"
#include "demos/search/BsTreeGrfForm.h"
#include "demos/trees/TreeFile.h"
#include "framework/drawkit/Pointer2.h"
#include "platform/Controls.h"
#include "platform/Pacing.h"
#include "tests/framework/drawkit/KitTestSupport.h"

namespace {

// "B(A,C)": a node's letter, then its subtrees in parentheses; with bf, "B0(A0,C0)".
QString Shape(const TBinCharTreeNode* n, bool withBf = false) {
  if (!n) return {};
  QString s(QChar::fromLatin1(n->Value()));
  if (withBf) s += QString::number(static_cast<const TAVlTreeNode*>(n)->bf);
  if (n->Left() || n->Right()) s += '(' + Shape(n->Left(), withBf) + ',' + Shape(n->Right(), withBf) + ')';
  return s;
}

QString Levels(const TBinCharTree& tree) {
  QString s;
  if (tree.Root())
    tree.Root()->ForEach([&s](TTreeNodeBase& n) {
      s += QString::number(n.stair);
      return true;
    });
  return s;
}

template <class Tree>
void Insert(Tree& tree, const char* letters) {
  for (const char* c = letters; *c; ++c) {
    if constexpr (std::is_same_v<Tree, TAvlTreeClass>) tree.AvlInsertQuiet(*c);
    else tree.BstInsert(*c);
  }
}

// A record of a tree file as read: "B(A,C)" with optional empty sides.
std::unique_ptr<TTreeRecord> Records(const QString& shape, int& at) {
  if (at >= shape.size() || shape[at] == ',' || shape[at] == ')') return nullptr;
  auto r = std::make_unique<TTreeRecord>();
  r->Values.emplace_back(QStringLiteral("Value"), QString(shape[at++]));
  if (at < shape.size() && shape[at] == '(') {
    ++at;
    r->Left = Records(shape, at);
    ++at;  // ','
    r->Right = Records(shape, at);
    ++at;  // ')'
  }
  return r;
}
QString Fault(const QString& shape, bool balanced) {
  int at = 0;
  const auto root = Records(shape, at);
  return SearchTreeFault(root.get(), balanced);
}

TEST(BsTreeClass, InsertKeepsSearchOrderWithinMaxDepth) {
  TBsTreeClass tree;
  tree.MaxDepth = 5;
  Insert(tree, "DBACEA");
  EXPECT_EQ(Shape(tree.Root()), QStringLiteral("D(B(A,C),E)")) << "a letter present is not added twice";
  EXPECT_EQ(Levels(tree), QStringLiteral("12332"));

  TBinCharTreeNode* parent = nullptr;
  bool found = false;
  EXPECT_EQ(tree.BstSearch(parent, 'C', found)->Value(), 'C');
  EXPECT_TRUE(found);
  EXPECT_EQ(parent->Value(), 'B');
  EXPECT_EQ(tree.BstSearch(parent, 'F', found), nullptr);
  EXPECT_FALSE(found);
  EXPECT_EQ(parent->Value(), 'E') << "an absent key answers its would-be parent";

  // Below the last level a letter is dropped without a word.
  TBsTreeClass chain;
  chain.MaxDepth = 5;
  Insert(chain, "ABCDEF");
  EXPECT_EQ(Shape(chain.Root()), QStringLiteral("A(,B(,C(,D(,E))))"));

  TBsTreeClass none;
  none.MaxDepth = 0;
  Insert(none, "A");
  EXPECT_EQ(none.Root(), nullptr) << "a tree of no levels takes not even a root";
}

TEST(AvlTreeClass, QuietInsertRotatesIntoBalance) {
  struct {
    const char* letters;
    const char* shape;
  } cases[] = {
      {"CBA", "B0(A0,C0)"},                   // LL at the root
      {"ACB", "B0(A0,C0)"},                   // RL
      {"ABC", "B0(A0,C0)"},                   // RR
      {"CAB", "B0(A0,C0)"},                   // LR
      {"DBFACE", "D0(B0(A0,C0),F1(E0,))"},    // no rotation, balance factors along the path
      {"DBFACB", "D1(B0(A0,C0),F0)"},         // a letter present changes nothing
      {"EBGADC", "D0(B0(A0,C0),E-1(,G0))"},   // LR at the root
  };
  for (const auto& c : cases) {
    TAvlTreeClass tree;
    tree.MaxDepth = 5;
    Insert(tree, c.letters);
    EXPECT_EQ(Shape(tree.Root(), true), QString::fromLatin1(c.shape)) << c.letters;
  }
}

// Every tree the quiet insertion builds is a balanced search tree whose levels and bf agree
// with its shape, however many letters come and however deep the limit cuts.
TEST(AvlTreeClass, QuietInsertKeepsEveryTreeBalanced) {
  const char* orders[] = {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ZYXWVUTSRQPONMLKJIHGFEDCBA", "MGTBJPWADFHKNRUYCEILOQSVXZ",
                          "QWERTYUIOPASDFGHJKLZXCVBNM"};
  for (int depth : {3, 5}) {
    for (const char* order : orders) {
      TAvlTreeClass tree;
      tree.MaxDepth = depth;
      Insert(tree, order);
      const QByteArray bytes = tree.SaveToBytes();
      const auto records = ParseTreeFile(bytes, TAVlTreeNode::StreamClass(), depth, QStringLiteral("t"));
      EXPECT_EQ(SearchTreeFault(records.get(), true), QString()) << order << " depth " << depth;
      tree.Root()->ForEach([&](TTreeNodeBase& n) {
        auto& node = static_cast<TAVlTreeNode&>(n);
        EXPECT_EQ(node.bf, TAVlTreeNode::NodeHeight(node.AvlLeft()) - TAVlTreeNode::NodeHeight(node.AvlRight()))
            << order << " at " << node.Value();
        return true;
      });
    }
  }
}

TAVlTreeNode* Below(TAvlTreeClass& tree, TAVlTreeNode* parent, bool left, char letter) {
  auto* node = tree.MakeNode<TAVlTreeNode>();
  node->SetValue(letter);
  if (!parent) {
    node->stair = 1;
    tree.SetRootBase(node);
  } else {
    left ? parent->SetLeft(node) : parent->SetRight(node);
    node->stair = parent->stair + 1;
  }
  return node;
}

// The double rotations set a's and b's bf from c's old one and c's to 0; the new root takes
// a's place below a's parent (or as the root), levels following.
TEST(AvlRotations, DoubleRotationsTakeBalanceFromC) {
  // LR around F below Z, RL around the root A: c's bf before, the tree after.
  const struct {
    bool left;
    int cBf;
    const char* shape;
  } cases[] = {
      {true, -1, "Z0(D0(B1,F0),)"}, {true, 0, "Z0(D0(B0,F0),)"}, {true, 1, "Z0(D0(B0,F-1),)"},
      {false, -1, "B0(A1,C0)"},     {false, 0, "B0(A0,C0)"},     {false, 1, "B0(A0,C-1)"},
  };
  for (const auto& k : cases) {
    TAvlTreeClass tree;
    tree.MaxDepth = 5;
    TAVlTreeNode* a = k.left ? Below(tree, Below(tree, nullptr, true, 'Z'), true, 'F') : Below(tree, nullptr, true, 'A');
    TAVlTreeNode* b = Below(tree, a, k.left, k.left ? 'B' : 'C');
    TAVlTreeNode* c = Below(tree, b, !k.left, k.left ? 'D' : 'B');
    c->bf = k.cBf;
    const char* name = k.left ? "LR" : "RL";
    EXPECT_EQ(RotateDouble(tree, a, k.left), c) << name;
    EXPECT_EQ(Shape(tree.Root(), true), QString::fromLatin1(k.shape)) << name << " with c's bf " << k.cBf;
    EXPECT_EQ(Levels(tree), k.left ? QStringLiteral("1233") : QStringLiteral("122")) << name;
    if (!k.left) {
      EXPECT_EQ(c->ParentNode, nullptr) << "c becomes the root";
    }
  }
}

TEST(SearchTreeFault, RefusesWhatIsNoSearchTree) {
  EXPECT_EQ(Fault(QString(), true), QString()) << "the empty tree";
  EXPECT_EQ(Fault(QStringLiteral("D(B(A,C),E)"), true), QString());
  EXPECT_EQ(Fault(QStringLiteral("A(,B(,C))"), false), QString());
  EXPECT_NE(Fault(QStringLiteral("A(,B(,C))"), true), QString()) << "bf -2 at A";
  EXPECT_NE(Fault(QStringLiteral("D(B(A,E),F)"), false), QString()) << "E left of D";
  EXPECT_NE(Fault(QStringLiteral("B(A,B)"), false), QString()) << "a letter twice";
  EXPECT_NE(Fault(QStringLiteral("B(a,C)"), false), QString()) << "not a capital";
  EXPECT_NE(Fault(QStringLiteral("B( ,C)"), false), QString()) << "a blank node";
}

// A file is read whole before the tree changes: a refused one leaves it as it was.
TEST(SearchTreeFiles, RefusedFilesLeaveTheTree) {
  QTemporaryDir dir;
  const QString chain = dir.filePath(QStringLiteral("chain.dat"));
  TBsTreeClass bst;
  bst.MaxDepth = 5;
  Insert(bst, "ABC");
  bst.SaveToFile(chain);

  TAvlTreeClass avl;
  avl.MaxDepth = 5;
  Insert(avl, "DBF");
  EXPECT_THROW(avl.LoadFromFile(chain), ETreeFileError) << "A(,B(,C)) is out of balance";
  EXPECT_EQ(Shape(avl.Root(), true), QStringLiteral("D0(B0,F0)"));

  // A balanced binary sort tree file loads, its bf worked out from the shape.
  const QString small = dir.filePath(QStringLiteral("small.dat"));
  TBsTreeClass two;
  two.MaxDepth = 5;
  Insert(two, "BA");
  two.SaveToFile(small);
  avl.LoadFromFile(small);
  EXPECT_EQ(Shape(avl.Root(), true), QStringLiteral("B1(A0,)"));

  // Deeper than the limit.
  bst.MaxDepth = 2;
  const QString deep = dir.filePath(QStringLiteral("deep.dat"));
  TBsTreeClass five;
  five.MaxDepth = 5;
  Insert(five, "ABCDE");
  five.SaveToFile(deep);
  EXPECT_THROW(bst.LoadFromFile(deep), ETreeFileError);
  EXPECT_EQ(Shape(bst.Root()), QStringLiteral("A(,B(,C))"));
}

// The texts the operation buttons load parse, and every line finds its step method (the
// catalogue texts, which the registry test checks, hold no procedure).
TEST(SearchTreeTexts, EveryOperationFindsItsStepMethods) {
  for (const QStringList* text :
       {&TBsTreeGraphForm::AlgoSearch, &TBsTreeGraphForm::AlgoInsert, &TBsTreeGraphForm::AlgoDelete})
    EXPECT_EQ(CheckStepMethods(TBsTree::staticMetaObject, *text), QStringList()) << text->first().toStdString();
  for (const QStringList* text : {&TAVlTreeGraphForm::AlgoInsert, &TAVlTreeGraphForm::AlgoDelete})
    EXPECT_EQ(CheckStepMethods(TAVLTree::staticMetaObject, *text), QStringList()) << text->first().toStdString();
}

// The balanced tree stands on silver, also under its nodes, where the sort tree shows the
// backdrop; the patterned backdrop is nowhere silver, so a copied backdrop would show.
TEST(SearchTreeWindows, BalancedTreeStandsOnSilver) {
  kittest::BackdropScope backdrop;
  kittest::Host host;
  auto* avlForm = new TAVlTreeGraphForm(&host);
  auto* bstForm = new TBsTreeGraphForm(&host);
  bstForm->move(avlForm->width(), 0);
  host.show();
  pacing::ProcessMessages();
  TAvlTreeClass& avl = *avlForm->Tree;
  Insert(avl, "B");
  avl.NumberNodes();
  avl.Arrange();
  avl.Repaint();
  avl.Root()->Repaint();
  bstForm->Tree->Repaint();

  const QPoint inside(10, 10);
  EXPECT_EQ(avl.Canvas().Pixels(inside.x(), inside.y()), clSilver);
  EXPECT_EQ(avl.Root()->Canvas().Pixels(0, 0), clSilver);
  EXPECT_EQ(avlForm->Panel1->Color(), clSilver);
  const QPoint screen = bstForm->Tree->mapToGlobal(inside);
  EXPECT_EQ(bstForm->Tree->Canvas().Pixels(inside.x(), inside.y()), kittest::BackdropAt(screen.x(), screen.y()));
}

// The balanced tree's window in its pane on the smallest screen, with the 26 letters that
// make five full levels.
TAVlTreeGraphForm* FullAvlForm(kittest::Host& host) {
  auto* form = new TAVlTreeGraphForm(&host);
  form->resize(615, 590);
  host.show();
  pacing::ProcessMessages();
  Insert(*form->Tree, "MFSCIPWADGKNQUYBEHJLORTVXZ");
  form->Tree->Arrange();
  return form;
}

// Pointers on one node stand side by side, none over another's caption, also after the tree
// is arranged again; one with no room on the left stands above instead.
// Where a pointer's tip is and where its caption stands, in the tree's pixels.
QPoint TipOf(const TPointer2& p) { return p.pos() + p.Tip(); }
QRect CaptionOf(const TPointer2& p) {
  const QSize quarter(p.width() / 2, p.height() / 2);
  const int x = p.PointsLeft ? p.x() + p.width() - quarter.width() : p.x();
  return {QPoint(x, p.PointsUp ? p.y() + p.height() - quarter.height() : p.y()), quarter};
}
bool OnOutline(QPoint tip, const QWidget& node) {
  const QRect r = node.geometry().adjusted(0, 0, 1, 1);  // the outline's far edges included
  return r.contains(tip) && !r.adjusted(1, 1, -1, -1).contains(tip);
}

TEST(SearchTreeWindows, PointersOnOneNodeAllReachItWithTheirCaptionsApart) {
  kittest::Host host;
  TAVlTreeGraphForm* form = FullAvlForm(host);
  TAvlTreeClass& tree = *form->Tree;
  for (TPointer2* marker : {form->t, form->q, form->p, form->a}) PointMarker(*marker, tree.Root());
  tree.Arrange();
  const std::vector<TPointer2*> onRoot{form->a, form->p, form->q, form->t};
  for (std::size_t i = 0; i < onRoot.size(); ++i) {
    EXPECT_TRUE(OnOutline(TipOf(*onRoot[i]), *tree.Root()))
        << onRoot[i]->Caption().toStdString() << " points beside the root";
    for (std::size_t j = i + 1; j < onRoot.size(); ++j) {
      EXPECT_FALSE(CaptionOf(*onRoot[i]).intersects(CaptionOf(*onRoot[j])))
          << onRoot[i]->Caption().toStdString() << " written over " << onRoot[j]->Caption().toStdString();
      // Two heads back to back with their tips at one point read as one mark.
      const QPoint apart = TipOf(*onRoot[i]) - TipOf(*onRoot[j]);
      EXPECT_GT(std::max(std::abs(apart.x()), std::abs(apart.y())), 2)
          << onRoot[i]->Caption().toStdString() << " and " << onRoot[j]->Caption().toStdString() << " point at one spot";
    }
  }
  EXPECT_EQ(TipOf(*form->a), tree.Root()->pos()) << "the first caption's pointer left the corner";
  EXPECT_TRUE(form->p->PointsLeft) << "the second stands on the other corner, pointing left";

  // The leftmost leaf, its neighbour close beside it: both pointers reach it and cover neither
  // the neighbour nor each other's caption.
  TBinCharTreeNode* leaf = tree.Root();
  while (leaf->Left()) leaf = leaf->Left();
  PointMarker(*form->b, leaf);
  PointMarker(*form->f, leaf);
  for (TPointer2* marker : {form->b, form->f}) {
    EXPECT_TRUE(OnOutline(TipOf(*marker), *leaf)) << marker->Caption().toStdString();
    EXPECT_TRUE(tree.rect().contains(marker->geometry())) << marker->Caption().toStdString();
    EXPECT_FALSE(marker->geometry().intersects(leaf->ParentNode->geometry()));
  }
  EXPECT_FALSE(CaptionOf(*form->b).intersects(CaptionOf(*form->f)));
}

// Whether a line the tree draws runs through a pointer's head (its box pulled in by 2 pixels).
bool OnALink(const TPointer2& pointer, const QWidget& tree) {
  const QRectF head = QRectF(pointer.geometry()).adjusted(2, 2, -2, -2);
  for (const TDrawnShape& shape : dynamic_cast<const TKitControl&>(tree).DrawingShapes()) {
    if (shape.Kind != TDrawnShape::Link) continue;
    for (qsizetype i = 1; i < shape.Path.size(); ++i) {
      const QLineF line(shape.Path[i - 1], shape.Path[i]);
      for (int k = 0; k <= 100; ++k)
        if (head.contains(line.pointAt(k / 100.0))) return true;
    }
  }
  return false;
}

// A right child: its usual place, above and left of it, lies on the link from its parent, so
// the pointer takes a place clear of it. Pointers crowded onto one node never hide more than
// half of one another's head.
TEST(SearchTreeWindows, PointersKeepOffLinksAndDoNotHideEachOther) {
  kittest::Host host;
  auto* form = new TAVlTreeGraphForm(&host);
  form->resize(615, 590);
  host.show();
  pacing::ProcessMessages();
  Insert(*form->Tree, "BAC");
  TAvlTreeClass& tree = *form->Tree;
  tree.Arrange();
  TBinCharTreeNode* right = tree.Root()->Right();
  ASSERT_NE(right, nullptr);
  PointMarker(*form->p, right);
  EXPECT_TRUE(OnOutline(TipOf(*form->p), *right)) << "p points beside C";
  EXPECT_FALSE(OnALink(*form->p, tree)) << "p's head lies on the link from B to C";

  std::vector<TPointer2*> all{form->a, form->b, form->q, form->t, form->f};
  for (TPointer2* marker : all) PointMarker(*marker, tree.Root());
  // The binary sort tree writes "n1" right of its root: bst and p share the room left of it.
  auto* bstForm = new TBsTreeGraphForm(&host);
  bstForm->resize(615, 590);
  pacing::ProcessMessages();
  Insert(*bstForm->Tree, "MFT");
  bstForm->Tree->NumberNodes();
  bstForm->Tree->Arrange();
  PointMarker(*bstForm->bstPointer, bstForm->Tree->Root());
  PointMarker(*bstForm->pPointer, bstForm->Tree->Root());
  all.push_back(bstForm->bstPointer);
  all.push_back(bstForm->pPointer);
  for (std::size_t i = 0; i < all.size(); ++i)
    for (std::size_t j = i + 1; j < all.size(); ++j) {
      if (all[i]->parentWidget() != all[j]->parentWidget()) continue;
      const QRect both = all[i]->geometry() & all[j]->geometry();
      const int area = both.isEmpty() ? 0 : both.width() * both.height();
      EXPECT_LE(2 * area, std::min(all[i]->width() * all[i]->height(), all[j]->width() * all[j]->height()))
          << all[i]->Caption().toStdString() << " hides " << all[j]->Caption().toStdString();
    }
}

// Where every place above a node is crossed by a link, taken by another head or off the window,
// its pointer stands under it pointing up, or beside it with its head below the tip: the
// rightmost leaf of five full levels (the link into its neighbour crosses its top, the window's
// edge is on its right), and a right child holding bst and f (its parent's link crosses its
// top-left corner, its caption stands at its top-right one).
TEST(SearchTreeWindows, PointersWithNoRoomAboveTheirNodeStandUnderIt) {
  kittest::Host host;
  auto* bstForm = new TBsTreeGraphForm(&host);
  bstForm->resize(615, 590);
  TAVlTreeGraphForm* form = FullAvlForm(host);
  TAvlTreeClass& tree = *form->Tree;
  TBinCharTreeNode* last = tree.Root();
  while (last->Right()) last = last->Right();
  PointMarker(*form->p, last);
  EXPECT_TRUE(form->p->PointsUp);
  EXPECT_TRUE(OnOutline(TipOf(*form->p), *last));
  EXPECT_FALSE(OnALink(*form->p, tree)) << "p's head lies on the link into the leaf beside Z";
  EXPECT_TRUE(tree.rect().contains(form->p->geometry())) << "no room kept under the last level";

  TBsTreeClass& bst = *bstForm->Tree;
  Insert(bst, "MGUDKRXBFILPTWZACEHJOQSVY");
  bst.NumberNodes();
  bst.Arrange();
  TBinCharTreeNode* right = bst.Root()->Right();
  PointMarker(*bstForm->bstPointer, right);
  PointMarker(*bstForm->fPointer, right);
  for (const TPointer2* marker : {bstForm->bstPointer, bstForm->fPointer}) {
    EXPECT_TRUE(OnOutline(TipOf(*marker), *right)) << marker->Caption().toStdString();
    EXPECT_FALSE(OnALink(*marker, bst)) << marker->Caption().toStdString() << " lies on a link";
  }
  const QRect both = bstForm->bstPointer->geometry() & bstForm->fPointer->geometry();
  EXPECT_LE(2 * (both.isEmpty() ? 0 : both.width() * both.height()), 32 * 32) << "bst hides f";
  EXPECT_FALSE(CaptionOf(*bstForm->fPointer).intersects(CaptionOf(*bstForm->bstPointer)));
}

// A leaf of the last level between two close neighbours, links crossing every place above it:
// bst stands under it over the captions of the leaves, and the caption it would cover moves
// off its head, still nearer its own node than any other.
TEST(SearchTreeWindows, CaptionsUnderTheLastLevelGiveWayToAPointerUnderItsNode) {
  kittest::Host host;
  auto* form = new TBsTreeGraphForm(&host);
  form->resize(612, 611);
  host.show();
  pacing::ProcessMessages();
  TBsTreeClass& bst = *form->Tree;
  Insert(bst, "XEZARYCIUBDFNTV");
  bst.NumberNodes();
  bst.Arrange();
  TBinCharTreeNode* n = bst.Root()->Left()->Right()->Left()->Right();
  ASSERT_EQ(n->Value(), 'N');
  const std::vector<QRect> under = bst.CaptionBoxes({});
  PointMarker(*form->bstPointer, n);
  const TPointer2& head = *form->bstPointer;
  EXPECT_TRUE(std::any_of(under.begin(), under.end(), [&](const QRect& c) { return c.intersects(head.geometry()); }))
      << "the head found a free place: nothing gave way";
  EXPECT_TRUE(head.PointsUp);
  EXPECT_TRUE(OnOutline(TipOf(head), *n));
  EXPECT_FALSE(OnALink(head, bst));
  for (const QRect& caption : bst.CaptionBoxes()) EXPECT_FALSE(caption.intersects(head.geometry()));
  PointMarker(*form->bstPointer, bst.Root());
  EXPECT_FALSE(head.PointsUp);
  EXPECT_EQ(bst.CaptionBoxes(), bst.CaptionBoxes({})) << "the captions went back under their leaves";
}

// Five full levels in the window's pane on the smallest screen: the letter and the balance
// factor under it both get cells in which a sign and a digit read.
TEST(AvlTreeClass, FullLevelsKeepBothTextsReadable) {
  kittest::Host host;
  TAVlTreeGraphForm* form = FullAvlForm(host);
  TAvlTreeClass& tree = *form->Tree;
  const TAVlTreeNode* root = tree.AvlRoot();
  EXPECT_GE(root->height() * 9 / 20, 15) << "balance factors below 13 pixels";
  EXPECT_GE(root->height(), root->width());
  // Neighbours on the last level keep apart.
  const TBinCharTreeNode* j = tree.Root()->Left()->Right()->Right()->Left();
  const TBinCharTreeNode* l = tree.Root()->Left()->Right()->Right()->Right();
  ASSERT_TRUE(j && l);
  EXPECT_LT(j->geometry().right(), l->x()) << "J and L touch";
}

}  // namespace
