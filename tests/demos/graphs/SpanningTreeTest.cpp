#include <gtest/gtest.h>

#include "demos/graphs/KruskalForm.h"
#include "demos/graphs/MiniTreeKruskal.h"
#include "demos/graphs/MiniTreePrim.h"
#include "framework/engine/AlgoSrc.h"
#include "framework/engine/Globals.h"
#include "tests/demos/graphs/GraphSupport.h"
#include "tests/demos/stacks/AloneRun.h"
#include "tests/support/ScriptedModalHost.h"
#include "platform/TextRules.h"

#include <QCoreApplication>
#include <QLineF>
#include <string>
#include <utility>

namespace {

// The network A-B 4, A-C 1, B-C 2, B-D 5, C-D 8, C-E 10, D-E 2.
std::unique_ptr<TGraphm> Network() {
  return MakeGraph(5, {{'A', 'B', 4}, {'A', 'C', 1}, {'B', 'C', 2}, {'B', 'D', 5}, {'C', 'D', 8}, {'C', 'E', 10}, {'D', 'E', 2}},
                   false);
}

// One run of a spanning-tree demonstration on network g, loaded through the input window.
template <class T>
class SpanningRun : public AloneRun<T> {
 protected:
  T& Start(const QString& name, bool useC, const TGraphm& g) {
    return this->StartAlone(name, useC, [&](T& demo) {
      this->host_->QueueDialog(QStringLiteral("@FileLoad"));
      this->host_->QueueFile(files_.Write(g));
      this->host_->QueueDialog(QStringLiteral("确定"));
      EXPECT_TRUE(demo.CreateData());
    });
  }
  QString Shown(const char* name) const {
    return this->demo_->Locals()->FindByName(QString::fromLatin1(name))->GetText();
  }

  GraphFiles files_;
};

using KruskalRun = SpanningRun<TMiniTreeKRUSKAL>;
using PrimRun = SpanningRun<TMinispantreePRIM>;

TEST_F(KruskalRun, HeapTreeAndSetsOfTheFirstNetwork) {
  Start(QStringLiteral("MiniTreeKRUSKAL"), false, *Network());
  TraceTo(QStringLiteral("WhileDo"));
  const QStringList rows = demo_->GraphForm()->TableRows();
  ASSERT_EQ(rows.size(), 7);
  EXPECT_EQ(rows[0], " 2    A <---> C    1 ");
  QStringList order;
  for (int k = 1; k <= 7; ++k) order << QString::number(demo_->GraphForm()->fo[static_cast<std::size_t>(k)]);
  EXPECT_EQ(order.join(' '), "2 1 3 4 5 6 7");
  TraceTo(QStringLiteral("Finish"));
  EXPECT_EQ(Shown("T"), "(4,(2,A,C,1),(7,D,E,2),(3,B,C,2),(4,B,D,5))");
  EXPECT_EQ(Shown("hp"), "(2,(5,C,D,8),(6,C,E,10))");
  EXPECT_EQ(demo_->GraphForm()->SetsText(), "-5 1 1 1 4");
  while (demo_->CurLine() != nullptr) demo_->TraceInto();
  EXPECT_TRUE(host_->Transcript().filter(QStringLiteral("not connected")).isEmpty());
}

TEST_F(KruskalRun, EveryEdgeOfTenVerticesFits) {
  auto complete = std::make_unique<TGraphm>(10);
  for (int i = 1; i <= 10; ++i)
    for (int j = i + 1; j <= 10; ++j) complete->AddEdge(i, j, i * j);
  Start(QStringLiteral("MiniTreeKRUSKAL"), true, *complete);
  TraceTo(QStringLiteral("WhileDo"));
  EXPECT_EQ(demo_->GraphForm()->Last, 45);
  while (demo_->CurLine() != nullptr) demo_->TraceInto();
  EXPECT_EQ(demo_->GraphForm()->Arcn, 9);
}

// The edge table of a full network of ten stays legible at 1024 x 768 (about 270 x 300 px
// below the heading): rows at least 12 px tall, text inside them, every row shown.
TEST(KruskalTable, FortyFiveEdgesAreSpreadOverColumnsRatherThanSquashed) {
  for (const int rows : {7, 20, 45}) {
    const auto t = TKruskalForm::ShapeTable(270, 300, rows);
    EXPECT_GE(t.rowHeight, 12) << rows;
    EXPECT_LT(t.fontHeight, t.rowHeight) << rows;
    EXPECT_GE(t.fontHeight, 9) << rows;
    EXPECT_GE(t.columns * t.rows, rows);
    EXPECT_LE(t.rows * t.rowHeight, 300) << rows;
    const TFont font{.Name = QStringLiteral("Courier New"), .Height = -t.fontHeight};
    EXPECT_LE(t.columns * font.TextWidth(QStringLiteral("45    J <---> I  999 ")), 270) << rows << ": text wider than its column";
  }
  EXPECT_EQ(TKruskalForm::ShapeTable(270, 300, 7).columns, 1) << "a short table keeps one column";
}

// A Kruskal window on a graph of n vertices, its heap and sets made: each vertex a tree alone.
struct FreshForest {
  TGraphm graph;
  TKruskalForm form;
  explicit FreshForest(int n) : graph(n) {
    form.SetGraph(&graph);
    form.InitHeap();
    form.InitSets();
  }
};

// The forest's geometry in the window resized to window, and the size as words for messages.
std::pair<TKruskalForm::TForestGeometry, std::string> ForestIn(TKruskalForm& form, QSize window) {
  form.resize(window);
  QCoreApplication::sendPostedEvents();
  const QRect area = form.findChild<QWidget*>(QStringLiteral("SetTree"))->geometry();
  return {form.ForestGeometry(area), QStringLiteral("%1x%2").arg(window.width()).arg(window.height()).toStdString()};
}

// The forest grows with its window (a screen of 1920 x 1080 gives the window about 2.0 times
// its design), keeps the design's size in a window no larger than that, and ten roots side
// by side never touch.
TEST(KruskalForest, GrowsWithTheWindowWithoutCirclesTouching) {
  const auto forest = [](double ratio, int width, int height, int across) {
    return TKruskalForm::ShapeForest(TDesignRatio(QSize(480, 435), QSize(text::Round(480 * ratio), text::Round(435 * ratio))),
                                     width, height, across, 3);
  };
  EXPECT_EQ(forest(1.0, 614, 330, 10).Radius, 15);
  EXPECT_EQ(forest(2.0, 1150, 540, 10).Radius, 30);
  EXPECT_EQ(forest(2.0, 1150, 540, 10).S(20), 40) << "the letters grow with the circles";
  const auto crowded = forest(2.0, 400, 540, 10);
  EXPECT_LE(2 * crowded.Radius, 400 / 10 - 2) << "neighbours touch";
}

// i, j and t all at root A, whose six children fan out just below it, in the window's size at
// 1024 x 768 and at 1366 x 768: no corner below the root is free, yet every letter stays
// clear of the circles, of the other letters and of every arrow, and inside the picture.
TEST(KruskalForest, ThreeMarksOnARootOverAFanOfChildrenKeepTheirLettersClear) {
  FreshForest forest(10);
  TKruskalForm& form = forest.form;
  form.s[1] = {-7, 6};
  for (int v = 2; v <= 7; ++v) form.s[static_cast<std::size_t>(v)] = {1, 0};
  form.LayoutTrees();
  for (int k = 1; k <= 3; ++k) form.SetPointer(k, 1, true);
  form.show();
  for (const QSize window : {QSize(614, 625), QSize(819, 625)}) {
    const auto [g, where] = ForestIn(form, window);
    ASSERT_EQ(g.Marks.size(), 3u);
    for (const TKruskalForm::TMark& m : g.Marks) {
      for (int v = 1; v <= 10; ++v) {
        const QPoint c = g.Centres[static_cast<std::size_t>(v)];
        const QPoint near(std::clamp(c.x(), m.Letter.left(), m.Letter.right()), std::clamp(c.y(), m.Letter.top(), m.Letter.bottom()));
        EXPECT_GE(QLineF(near, c).length(), g.Shape.Radius) << where << ": letter of pointer " << m.Pointer << " on vertex " << v;
      }
      for (const TKruskalForm::TMark& other : g.Marks) {
        if (&other != &m) {
          EXPECT_FALSE(m.Letter.intersects(other.Letter)) << where << ": two letters on each other";
        }
      }
    }
    EXPECT_EQ(form.MarksText(), "i->A, j->A, t->A") << where << ": a letter touches an arrow or leaves the picture";
  }
}

// Three marks on a root with two children, its size box above it and other roots beside it
// (a ring of eight half joined): each mark's head, arrow and letter together, stays off every
// other circle, every size box and every line of the forest, and off most of the other heads,
// in a small window, a wide one and a tall one.
TEST(KruskalForest, HeadsOfThreeMarksOnACrowdedRootLieOnNoOtherFigure) {
  FreshForest forest(8);
  TKruskalForm& form = forest.form;
  form.s[1] = {-2, 1};
  form.s[2] = {1, 0};
  form.s[7] = {-3, 2};
  form.s[6] = {7, 0};
  form.s[8] = {7, 0};
  form.LayoutTrees();
  for (int k = 1; k <= 3; ++k) form.SetPointer(k, 7, true);
  form.show();
  for (const QSize window : {QSize(614, 625), QSize(930, 860), QSize(1150, 870)}) {
    const auto [g, where] = ForestIn(form, window);
    const QRect area = form.findChild<QWidget*>(QStringLiteral("SetTree"))->geometry();
    ASSERT_EQ(g.Marks.size(), 3u);
    for (const TKruskalForm::TMark& m : g.Marks) {
      const QRect head = TKruskalForm::Head(m).adjusted(3, 3, -3, -3);
      for (int v = 1; v <= 8; ++v) {
        if (v != m.Vertex) {
          const QPoint c = g.Centres[static_cast<std::size_t>(v)];
          const QPoint near(std::clamp(c.x(), head.left(), head.right()), std::clamp(c.y(), head.top(), head.bottom()));
          EXPECT_GE(QLineF(near, c).length(), g.Shape.Radius) << where << ": head of pointer " << m.Pointer << " on vertex " << v;
        }
        if (form.s[static_cast<std::size_t>(v)].pa < 0) {
          EXPECT_FALSE(head.intersects(form.SizeBox(g, area, v))) << where << ": head of pointer " << m.Pointer << " on the size box of " << v;
        }
        const QLine line = form.TreeLine(g, area, v);
        const QRectF box(head);
        EXPECT_FALSE(QLineF(line).intersects(QLineF(box.topLeft(), box.bottomRight()), nullptr) == QLineF::BoundedIntersection ||
                     QLineF(line).intersects(QLineF(box.topRight(), box.bottomLeft()), nullptr) == QLineF::BoundedIntersection ||
                     box.contains(QPointF(line.p1())) || box.contains(QPointF(line.p2())))
            << where << ": head of pointer " << m.Pointer << " on the line of " << v;
      }
      for (const TKruskalForm::TMark& other : g.Marks) {
        if (&other == &m) continue;
        const QRect a = TKruskalForm::Head(m);
        const QRect b = TKruskalForm::Head(other);
        const QRect both = a & b;
        EXPECT_LE(both.width() * both.height() * 5, std::min(a.width() * a.height(), b.width() * b.height()) * 3)
            << where << ": two heads on each other";
      }
    }
  }
}

// The closedge table of ten columns fits its box at both screen sizes, its texts fit their
// cells, and it grows on the larger screen.
TEST(PrimTable, TenColumnsFitTheirBoxAndGrowWithTheWindow) {
  auto g = Network();
  g->AddEdge(1, 5, 999);
  TPrimForm form;
  form.SetGraph(g.get());
  form.DrawTable(10);
  form.show();
  int pitch = 0;
  for (const QSize window : {QSize(612, 625), QSize(1150, 870)}) {
    form.resize(window);
    QCoreApplication::sendPostedEvents();
    const TPrimForm::TTableShape t = form.TableShape();
    const QString where = QStringLiteral("%1x%2").arg(window.width()).arg(window.height());
    EXPECT_LE(t.Cell(10, 3).right(), form.PaintBox->width()) << where.toStdString();
    EXPECT_LE(t.Cell(10, 3).bottom(), form.PaintBox->height()) << where.toStdString();
    EXPECT_LE(t.Font.TextWidth(QStringLiteral("999")), t.CellWidth - 4) << where.toStdString();
    EXPECT_GE(-t.Font.Height, 14) << where.toStdString();
    EXPECT_GT(t.Pitch, pitch) << where.toStdString();
    pitch = t.Pitch;
  }
}

TEST_F(PrimRun, ClosedgeOfTheFirstNetworkAndOfAGraphInTwoParts) {
  Start(QStringLiteral("MiniSpanTreePRIM"), false, *Network());
  QStringList ks;
  while (demo_->CurLine() != nullptr) {
    TraceTo(QStringLiteral("AddEdge"));
    if (demo_->CurLine() != nullptr) ks << Shown("k");
  }
  EXPECT_EQ(ks.join(' '), "3 2 4 5");
  EXPECT_EQ(demo_->GraphForm()->TableText(), "vex 1 3 1 2 4 | lowcost 0 0 0 0 0");

  Start(QStringLiteral("MiniSpanTreePRIM"), true, *MakeGraph(4, {{'A', 'B', 3}, {'C', 'D', 1}}, false));
  TraceTo(QStringLiteral("NotConnected"));
  EXPECT_EQ(Shown("k"), "2");
  TraceTo(QStringLiteral("FindMin"));
  TraceTo(QStringLiteral("NotConnected"));
  EXPECT_EQ(Shown("k"), "0");
  while (demo_->CurLine() != nullptr) demo_->TraceInto();
  EXPECT_EQ(demo_->GraphForm()->TableText(), "vex 1 1 1 1 | lowcost 0 0 * *");
  EXPECT_EQ(host_->Transcript().filter(QStringLiteral("Error: The Graph is not connected!")).size(), 1);
}

}  // namespace
