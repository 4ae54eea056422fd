#include <gtest/gtest.h>

#include "demos/graphs/GraphInput.h"
#include "demos/graphs/GraphList.h"
#include "demos/graphs/GraphMatrix.h"
#include "demos/graphs/GraphNode.h"
#include "demos/graphs/GraphP.h"
#include "demos/graphs/OrthLink.h"
#include "demos/graphs/TableBase.h"
#include "demos/graphs/TextFit.h"
#include "demos/graphs/WeightDialog.h"
#include "platform/Controls.h"
#include "tests/support/RenderWidget.h"
#include "tests/demos/graphs/GraphSupport.h"
#include "tests/support/ScriptedModalHost.h"

// The vertices go round the middle at equal angles, as far out as two fifths of the panel's
// width and height: a wide panel spreads them over its width, where a network's weights
// find room.
TEST(GraphViews, DisplayPanelPutsVerticesRoundItsMiddle) {
  const TCircleLayout l = LayoutCircle(264, 196, 3);
  EXPECT_EQ(l.Position[1], QPoint(185, 30));
  EXPECT_EQ(l.Position[2], QPoint(185, 166));
  EXPECT_EQ(l.Position[3], QPoint(26, 98));
  const TCircleLayout square = LayoutCircle(200, 200, 4);
  EXPECT_EQ(square.Position[2], QPoint(100 + 80, 100));
  EXPECT_EQ(square.Position[1], QPoint(100, 100 - 80));
}

// Every vertex's circle (drawn 2 px up and left of its shadow) lies inside the panel, no two
// touch, and ten of them are still big enough to hold a letter a user can read.
TEST(GraphViews, VertexCirclesFitThePanelAndStayLegible) {
  for (const QSize panel : {QSize(264, 196), QSize(345, 345), QSize(600, 420)}) {
    for (int n = 1; n <= 10; ++n) {
      const TCircleLayout l = LayoutCircle(panel.width(), panel.height(), n);
      const int r = l.NodeRadius;
      for (int i = 1; i <= n; ++i) {
        const QPoint p = l.Position[static_cast<std::size_t>(i)];
        EXPECT_TRUE(p.x() - r - 2 >= 0 && p.y() - r - 2 >= 0 && p.x() + r <= panel.width() &&
                    p.y() + r <= panel.height())
            << n << " vertices in " << panel.width() << "x" << panel.height() << ": vertex " << i;
        for (int j = 1; j < i; ++j) {
          const QPoint d = p - l.Position[static_cast<std::size_t>(j)];
          EXPECT_GT(d.x() * d.x() + d.y() * d.y(), 4 * (r + 1) * (r + 1)) << n << " vertices: " << j << "," << i;
        }
      }
    }
    EXPECT_GE(LayoutCircle(panel.width(), panel.height(), 10).NodeRadius, 12) << panel.width();
  }
}

// A network's circle reaching 0.44 of a small panel leaves its vertices a few pixels to the
// edge: asked for a least radius, the circle comes in until they have it, inside the panel
// and apart; where their neighbours leave less, that is the most they get.
TEST(GraphViews, CircleComesInForTheLeastVertexRadius) {
  const TCircleLayout plain = LayoutCircle(250, 185, 9, 0.44);
  ASSERT_LT(plain.NodeRadius, 8) << "the edge leaves little room";
  const TCircleLayout l = LayoutCircle(250, 185, 9, 0.44, 0, 8);
  EXPECT_GE(l.NodeRadius, 8);
  EXPECT_LT(l.Radius, plain.Radius);
  for (int i = 1; i <= 9; ++i) {
    const QPoint p = l.Position[static_cast<std::size_t>(i)];
    EXPECT_TRUE(p.x() - l.NodeRadius - 2 >= 0 && p.y() - l.NodeRadius - 2 >= 0 && p.x() + l.NodeRadius <= 250 &&
                p.y() + l.NodeRadius <= 185)
        << "vertex " << i;
  }
  // A panel narrower than high (Prim's window made smaller) brings the circle in across too.
  const TCircleLayout tall = LayoutCircle(190, 235, 5, 0.44, 0, 10);
  EXPECT_GE(tall.NodeRadius, 10);
  for (int i = 1; i <= 5; ++i) {
    const QPoint p = tall.Position[static_cast<std::size_t>(i)];
    EXPECT_TRUE(p.x() - tall.NodeRadius - 2 >= 0 && p.x() + tall.NodeRadius <= 190) << "vertex " << i;
  }
  EXPECT_EQ(LayoutCircle(600, 420, 9, 0.44, 0, 8).Position, LayoutCircle(600, 420, 9, 0.44).Position) << "room enough";
  // Ten vertices on a circle of 40 px leave each other 6 px: no more for the least asked.
  EXPECT_LE(LayoutCircle(100, 100, 10, 0.4, 0, 20).NodeRadius, 7);
}

// Brought in across, a tall panel's circle comes in: the side vertices move in from the edges
// (where their loops stand), and it stays round, never narrower than high.
TEST(GraphViews, ACircleBroughtInAcrossInATallPanelComesIn) {
  const TCircleLayout wide = LayoutCircle(320, 420, 10, 0.4, 0.4);
  const TCircleLayout in = LayoutCircle(320, 420, 10, 0.4, 0.3);
  EXPECT_LT(in.Position[5].x(), wide.Position[5].x()) << "E, on the right";
  EXPECT_GT(in.Position[10].x(), wide.Position[10].x()) << "J, on the left";
  EXPECT_LE(in.Radius, wide.Radius);
  EXPECT_GE(in.Position[5].x() - 160, in.Radius - 1) << "round";
}

namespace {

// The display panel at the drawing window's design size showing digraph g.
void ShowDigraph(TGraphP& panel, TGraphm& g, bool weighted) {
  panel.resize(264, 196);
  panel.SetDirected(true);
  panel.SetWeighted(weighted);
  panel.SetGraph(&g);
  panel.SetState(csDisplay);
}

}  // namespace

// Two arcs that run both ways between A and B share one line; a user must be able to read
// both weights, so the picture of the pair holds the ink of two weights, not one.
TEST(GraphViews, BothWeightsOfOppositeArcsCanBeRead) {
  const auto blackPixels = [](std::initializer_list<Arc> arcs, bool weighted) {
    auto g = MakeGraph(2, arcs, true);
    TGraphP panel;
    ShowDigraph(panel, *g, weighted);
    // Red lines, so that the black is the letters, the circles' shadows and the weights.
    panel.SetArcColor(1, 2, clRed);
    panel.SetArcColor(2, 1, clRed);
    const QImage image = RenderWidget(panel);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == Qt::black ? 1 : 0;
    return n;
  };
  // A network stands its vertices further out than a plain graph: the baseline is a network too.
  const int none = blackPixels({}, true);
  const int one = blackPixels({{'A', 'B', 8}}, true);
  const int both = blackPixels({{'A', 'B', 8}, {'B', 'A', 8}}, true);
  const int weightInk = one - none;
  ASSERT_GT(weightInk, 20);
  EXPECT_GT(both - one, weightInk * 9 / 10) << "the second weight is written over the first";
}

// Weights on a circle of vertices: every weight on its own line (the line runs through it, a
// pixel in from its edges), none over another
// weight or a vertex. Crossing lines (two diameters meet in one middle) and a full network
// of ten vertices, at the sizes the windows give the panel; where the network leaves no room
// a weight may touch a vertex's rim, never its letter.
TEST(GraphViews, EveryWeightSitsOnItsOwnLineClearOfTheOthers) {
  const auto check = [](QSize panel, int n, const std::vector<std::pair<int, int>>& arcs, QSize text,
                        bool rimMayTouch = false) {
    const TCircleLayout l = LayoutCircle(panel.width(), panel.height(), n);
    std::vector<TWeightLabel> labels;
    for (const auto& [i, j] : arcs)
      labels.push_back({l.Position[static_cast<std::size_t>(i)], l.Position[static_cast<std::size_t>(j)], text, {}});
    std::vector<TDisc> discs;
    for (int i = 1; i <= n; ++i) discs.push_back({l.Position[static_cast<std::size_t>(i)], l.NodeRadius + 2});
    const std::vector<QRect> places = PlaceWeights(labels, discs, QRect(QPoint(0, 0), panel));
    ASSERT_EQ(places.size(), labels.size());
    for (std::size_t k = 0; k < places.size(); ++k) {
      const QString where = QStringLiteral("%1 vertices in %2x%3, arc %4-%5")
                                .arg(n).arg(panel.width()).arg(panel.height()).arg(arcs[k].first).arg(arcs[k].second);
      const QLineF own(labels[k].From, labels[k].To);
      const QPointF c = QRectF(places[k]).center();
      const QPointF d = own.p2() - own.p1();
      const double off = std::abs(d.x() * (c.y() - own.y1()) - d.y() * (c.x() - own.x1())) / own.length();
      // How far off the line the box's middle may be while the line still crosses the box.
      const double reach = ((places[k].width() / 2.0 - 1) * std::abs(d.y()) + (places[k].height() / 2.0 - 1) * std::abs(d.x())) / own.length();
      EXPECT_LE(off, reach) << where.toStdString() << ": the weight is off its line";
      EXPECT_TRUE(QRect(QPoint(0, 0), panel).contains(places[k])) << where.toStdString();
      for (std::size_t m = 0; m < k; ++m)
        EXPECT_FALSE(places[k].intersects(places[m])) << where.toStdString() << " covers the weight of arc "
                                                      << arcs[m].first << "-" << arcs[m].second;
      for (const TDisc& d : discs) {
        const QPoint near(std::clamp(d.Centre.x(), places[k].left(), places[k].right()),
                          std::clamp(d.Centre.y(), places[k].top(), places[k].bottom()));
        EXPECT_GE(QLineF(near, d.Centre).length(), rimMayTouch ? l.NodeRadius * 2 / 3 : d.Radius)
            << where.toStdString() << " covers a vertex";
      }
    }
  };
  check(QSize(264, 196), 4, {{1, 3}, {2, 4}}, QSize(16, 13));
  check(QSize(300, 300), 6, {{1, 4}, {2, 5}, {3, 6}}, QSize(22, 15));
  std::vector<std::pair<int, int>> all;
  for (int i = 1; i <= 10; ++i)
    for (int j = i + 1; j <= 10; ++j) all.emplace_back(i, j);
  check(QSize(612, 370), 10, all, QSize(16, 15));
  check(QSize(1150, 520), 10, all, QSize(22, 21));
  // Prim's narrow panel at 1024 x 768 with three-digit weights: every place crosses lines.
  check(QSize(303, 386), 10, all, QSize(20, 14), true);
}

// An arc given again with another weight keeps its line: its weight's white cell is laid out
// anew for the new digits, not kept from the old ones.
TEST(GraphViews, AWeightChangedOnTheSameArcGetsACellForItsNewDigits) {
  auto g = MakeGraph(3, {{'A', 'B', 5}, {'B', 'C', 7}}, true);
  TGraphP panel;
  ShowDigraph(panel, *g, true);
  const auto cellOf = [&panel](const QString& digits) {
    RenderWidget(panel);
    for (const TDrawnShape& s : panel.DrawingShapes())
      if (s.Kind == TDrawnShape::Label && s.Text == digits) return s.Box;
    return QRect();
  };
  const QRect narrow = cellOf(QStringLiteral("5"));
  ASSERT_FALSE(narrow.isNull());
  g->AddArc(1, 2, 500);
  const QRect wide = cellOf(QStringLiteral("500"));
  ASSERT_FALSE(wide.isNull());
  EXPECT_GT(wide.width(), narrow.width() * 2) << "the cell of 5 holds 500";
  EXPECT_TRUE(panel.DrawingText().contains(QStringLiteral("A>B 500"))) << panel.DrawingText().toStdString();
}

// A loop stands out of its vertex on the side away from the picture's middle: its line runs
// outside the vertex's circle from rim to rim, and its weight's cell, beyond it or beside it,
// touches neither the vertex nor the loop's own circle.
TEST(GraphViews, ALoopStandsOutOfItsVertexAwayFromTheMiddle) {
  const TDisc rim{QPoint(200, 60), 20};
  const QPoint middle(200, 200);
  for (const int side : {0, 1, -1}) {
    const TLoopShape loop = LoopAt(rim, middle, QSize(26, 15), side);
    ASSERT_GE(loop.Path.size(), 3);
    for (const QPoint& p : loop.Path) {
      EXPECT_GE(QLineF(p, rim.Centre).length(), rim.Radius - 1.5) << "the loop runs inside its vertex";
      EXPECT_LT(p.y(), 75) << "the loop hangs towards the middle";
    }
    EXPECT_LE(QLineF(loop.Path.first(), rim.Centre).length(), rim.Radius + 1.5) << "it leaves from the rim";
    EXPECT_LE(QLineF(loop.Path.last(), rim.Centre).length(), rim.Radius + 1.5) << "it comes back to the rim";
    const QPoint near(std::clamp(rim.Centre.x(), loop.Weight.left(), loop.Weight.right()),
                      std::clamp(rim.Centre.y(), loop.Weight.top(), loop.Weight.bottom()));
    EXPECT_GT(QLineF(near, rim.Centre).length(), rim.Radius) << "side " << side << ": the weight lies on the vertex";
    const QPoint inLoop(std::clamp(loop.Circle.Centre.x(), loop.Weight.left(), loop.Weight.right()),
                        std::clamp(loop.Circle.Centre.y(), loop.Weight.top(), loop.Weight.bottom()));
    EXPECT_GE(QLineF(inLoop, loop.Circle.Centre).length(), loop.Circle.Radius) << "side " << side << ": the weight lies on the loop";
  }
}

// A network's loops are drawn and told like its other arcs: a link from the vertex back to
// itself, drawn round the outside, and a weight a reader finds beside it, not in the circle.
TEST(GraphViews, LoopsAreLinksWithTheirWeightsBesideThem) {
  auto g = MakeGraph(4, {{'A', 'A', 5}, {'A', 'B', 2}, {'B', 'B', 3}, {'B', 'C', 4}, {'C', 'D', 1}}, true);
  TGraphP panel;
  ShowDigraph(panel, *g, true);
  RenderWidget(panel);
  const std::vector<TDrawnShape> shapes = panel.DrawingShapes();
  int loops = 0;
  for (std::size_t k = 0; k < shapes.size(); ++k) {
    const TDrawnShape& s = shapes[k];
    if (s.Kind != TDrawnShape::Link || s.From != s.To) continue;
    ++loops;
    const QRect vertex = shapes[static_cast<std::size_t>(s.From.Index)].Box;
    EXPECT_FALSE(vertex.contains(s.Path.boundingRect())) << "a loop inside its vertex";
    for (const TDrawnShape& label : shapes)
      if (label.Kind == TDrawnShape::Label && label.Of == static_cast<int>(k)) {
        EXPECT_FALSE(label.Box.intersects(vertex.adjusted(2, 2, -2, -2))) << label.Text.toStdString() << " lies on its vertex";
        EXPECT_TRUE(QRect(QPoint(0, 0), panel.size()).contains(label.Box));
      }
  }
  EXPECT_EQ(loops, 2);
  const QString text = panel.DrawingText();
  EXPECT_TRUE(text.contains(QStringLiteral("A>A 5")) && text.contains(QStringLiteral("B>B 3"))) << text.toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral(" on "))) << text.toStdString();
}

// The layout a panel with loops came to is kept only while nothing it was fitted to changes: a
// panel made smaller, or given a loop weight of more digits, draws what a new panel would.
TEST(GraphViews, APanelWithLoopsLaysOutAnewForANewSizeOrLoopWeight) {
  auto g = MakeGraph(4, {{'A', 'A', 5}, {'A', 'B', 2}, {'B', 'B', 3}, {'B', 'C', 4}, {'C', 'D', 1}}, true);
  TGraphP panel;
  ShowDigraph(panel, *g, true);
  const auto boxes = [](TGraphP& p) {
    RenderWidget(p);
    std::vector<QRect> out;
    for (const TDrawnShape& s : p.DrawingShapes())
      if (s.Kind == TDrawnShape::Node) out.push_back(s.Box);
    return out;
  };
  const std::vector<QRect> first = boxes(panel);
  const auto asNew = [&](const char* what) {
    TGraphP fresh;
    ShowDigraph(fresh, *g, true);
    fresh.resize(panel.size());
    EXPECT_EQ(boxes(panel), boxes(fresh)) << what;
  };
  g->AddArc(2, 2, 30000);
  asNew("the layout fitted to B's loop weight of one digit kept");
  EXPECT_NE(boxes(panel), first) << "the longer weight does not bring the vertices in";
  panel.resize(180, 140);
  asNew("the layout of the larger panel kept");
}

// A vertex clicked twice in the input window makes a loop, drawn at once beside its box.
TEST(GraphViews, ALoopDrawnByHandShowsBesideItsBox) {
  modal::ScriptedHostScope host;
  Tinputform form;
  form.NodeButtonClick();
  form.GraphP1->MouseDown(300, 200);
  form.GraphP1->MouseDown(100, 100);
  form.ArcButtonClick();
  form.GraphP1->CreateArc(form.GraphP1->Node(1));
  form.GraphP1->CreateArc(form.GraphP1->Node(1));
  ASSERT_TRUE(form.GraphP1->Graph()->IsArc(1, 1));
  const QImage image = RenderWidget(*form.GraphP1);
  const QRect box = form.GraphP1->Node(1)->geometry();
  // Red (the panel's pen) beyond the box, away from the panel's middle: on the side of the
  // box's centre that faces away from it, and none on the side that faces it.
  const QPoint away = box.center() - QPoint(form.GraphP1->width() / 2, form.GraphP1->height() / 2);
  int red = 0;
  int near = 0;
  for (int y = box.top() - box.height(); y < box.bottom() + box.height(); ++y)
    for (int x = box.left() - box.width(); x < box.right() + box.width(); ++x)
      if (!box.contains(x, y) && image.rect().contains(x, y) && image.pixelColor(x, y) == QColor(255, 0, 0))
        ++(QPoint::dotProduct(QPoint(x, y) - box.center(), away) > 0 ? red : near);
  EXPECT_GT(red, 20) << "no loop drawn beside A, away from the panel's middle";
  EXPECT_EQ(near, 0) << "the loop is drawn on A's side that faces the panel's middle";
}

// Two arcs both ways on one line, with a third line crossing its middle: each weight keeps to
// the half before its own head, a reader takes it for its own arc, and a weight put over
// another or over a vertex counts as unclear.
TEST(GraphViews, WeightsOfOppositeArcsKeepToTheirOwnHalves) {
  const QRect bounds(0, 0, 300, 200);
  const QPoint a(40, 100), b(260, 100), c(150, 20), d(150, 180);
  const QSize text(24, 14);
  const std::vector<TWeightLabel> labels{{a, b, text, true}, {b, a, text, true}, {c, d, text, false}};
  const std::vector<TDisc> discs{{a, 16}, {b, 16}, {c, 16}, {d, 16}};
  const std::vector<QRect> places = PlaceWeights(labels, discs, bounds);
  ASSERT_EQ(places.size(), 3U);
  EXPECT_GT(places[0].left(), 150) << "A->B's weight is on B->A's half";
  EXPECT_LT(places[1].right(), 150) << "B->A's weight is on A->B's half";
  for (std::size_t k = 0; k < places.size(); ++k)
    EXPECT_EQ(NearestLabel(labels, QRectF(places[k]).center()), k) << "weight " << k << " reads as another arc's";
  EXPECT_EQ(UnclearWeights(labels, places, discs, bounds), 0);
  std::vector<QRect> crowded = places;
  crowded[1] = crowded[0].translated(4, 0);
  EXPECT_EQ(UnclearWeights(labels, crowded, discs, bounds), 2);
  crowded = places;
  crowded[2] = QRect(b - QPoint(10, 5), text);
  EXPECT_EQ(UnclearWeights(labels, crowded, discs, bounds), 1);
}

// The complete network of ten in the narrow panel a window made smaller leaves (three-digit
// weights at the least size): the lines from each side of the circle cross the chords near
// its middle so closely that the weights there find a clear place only off the middle of
// their cells or by moving two others aside. At the utmost search every weight reads as its
// own line's, its line runs through its digits and no other line does.
TEST(GraphViews, WeightsOfACrowdedNetworkTakeTheLastClearPlaces) {
  const QRect bounds(0, 0, 278, 326);
  const TCircleLayout l = LayoutCircle(bounds.width(), bounds.height(), 10, 0.44, 0, 10);
  std::vector<TWeightLabel> labels;
  for (std::size_t i = 1; i <= 10; ++i)
    for (std::size_t j = i + 1; j <= 10; ++j) labels.push_back({l.Position[i], l.Position[j], QSize(15, 8), false});
  std::vector<TDisc> discs;
  for (std::size_t i = 1; i <= 10; ++i) discs.push_back({l.Position[i] - QPoint(1, 1), l.NodeRadius + 2});
  const std::vector<QRect> places = PlaceWeights(labels, discs, bounds, TWeightSearch::Utmost);
  for (std::size_t k = 0; k < places.size(); ++k) {
    EXPECT_EQ(NearestLabel(labels, QRectF(places[k]).center()), k) << "weight " << k << " reads as another line's";
    const QRectF ink = QRectF(places[k]).adjusted(1, 1, -1, -1);
    for (std::size_t o = 0; o < labels.size(); ++o) {
      const QLineF line(labels[o].From, labels[o].To);
      bool through = false;
      for (int step = 0; step <= 4 * line.length() && !through; ++step)
        through = ink.contains(line.pointAt(step / (4 * line.length())));
      EXPECT_EQ(through, o == k) << "weight " << k << " at " << places[k].x() << "," << places[k].y()
                                 << (o == k ? " is off its own line " : " lies on line ") << o;
    }
  }
}

// Ten vertices in the low list under a traversal's graph, and nine with two-digit weights
// and eight arcs out of one vertex in the critical path's list: the letters, numbers and
// weights stay big enough to read and inside their fields, and the rows inside the panel.
TEST(GraphViews, ListTextsStayReadableInsideTheirFields) {
  const auto check = [](QSize panel, std::unique_ptr<TGraphm> g, bool weighted, int least = 10) {
    TGraphList list;
    list.resize(panel);
    list.SetWeighted(weighted);
    list.SetGraph(g.get());
    list.Arrange();
    const TFont font = list.TextFont();
    const QString where = QStringLiteral("%1 vertices in %2x%3").arg(g->VertexCount()).arg(panel.width()).arg(panel.height());
    EXPECT_GE(-font.Height, least) << where.toStdString();
    EXPECT_LE(TTextFit::CapHeightOf(font) + 6, list.BoxSize().height())
        << where.toStdString() << ": letters touch the double lines of their boxes";
    const int n = g->VertexCount();
    for (int i = 1; i <= n; ++i) {
      EXPECT_GE(list.Cell(i, 0).y(), 0) << where.toStdString();
      EXPECT_LE(list.Cell(i, 0).y() + list.BoxSize().height(), panel.height()) << where.toStdString();
      int k = 0;
      for (int j = 0; j <= n; ++j) {
        if (j > 0 && !g->IsArc(i, j)) continue;
        for (const auto& t : list.NodeTexts(i, k, j == 0 ? i : j))
          EXPECT_LE(font.TextWidth(t.Text), t.Right - t.Left - 2) << where.toStdString() << ": " << t.Text.toStdString();
        k += 1;
      }
      EXPECT_LE(list.Cell(i, k - 1).x() + list.BoxSize().width(), panel.width()) << where.toStdString();
    }
  };
  auto ten = std::make_unique<TGraphm>(10);
  for (int i = 1; i <= 10; ++i)
    for (int j = 1; j <= 10; ++j)
      if (i != j && (i * j) % 3 != 0) ten->AddArc(i, j, 1);
  check(QSize(612, 186), std::move(ten), false);
  auto nine = std::make_unique<TGraphm>(9);
  for (int j = 2; j <= 9; ++j) nine->AddArc(1, j, 90 + j);
  for (int i = 2; i < 9; ++i) nine->AddArc(i, i + 1, 10 * i);
  check(QSize(520, 308), std::move(nine), true);
  // A dense network with three-digit weights (eight arcs leave A): the weight fields take the
  // room the one-digit vertex fields leave, and the letters stay 13 px high.
  auto dense = std::make_unique<TGraphm>(9);
  for (int i = 1; i <= 9; ++i)
    for (int j = i + 1; j <= 9; ++j) dense->AddArc(i, j, 100 + 97 * i + 11 * j);
  check(QSize(520, 308), std::move(dense), true, 13);
  // The same in a window made smaller (the critical path's lists at 640 x 480): boxes wider
  // than the arrows' dozen pixels leave, so that the weights keep 8 px.
  auto small = std::make_unique<TGraphm>(9);
  for (int i = 1; i <= 9; ++i)
    for (int j = i + 1; j <= 9; ++j) small->AddArc(i, j, 100 + 97 * i + 11 * j);
  check(QSize(355, 185), std::move(small), true, 8);
  // A list as high as HeightFor asks holds letters of that size in every row.
  auto full = std::make_unique<TGraphm>(10);
  for (int i = 1; i <= 10; ++i)
    for (int j = 1; j <= 10; ++j) full->AddArc(i, j, 1);
  TGraphList probe;
  probe.SetGraph(full.get());
  for (const int em : {8, 13, 16}) {
    auto g = std::make_unique<TGraphm>(*full);
    check(QSize(900, probe.HeightFor(em)), std::move(g), false, em);
  }
}

TEST(GraphViews, ListAndMatrixLayout) {
  auto g = MakeGraph(3, {{'A', 'B'}, {'A', 'C'}, {'C', 'A'}}, true);
  TGraphList list;
  list.resize(264, 196);
  list.SetGraph(g.get());
  list.Arrange();
  EXPECT_EQ(list.MaxOut(), 2);
  EXPECT_EQ(list.ColumnWidth(), 88);
  // Three rows share the height less 3 px above and below; a box is four fifths of a row.
  EXPECT_EQ(list.RowHeight(), 63);
  EXPECT_EQ(list.BoxSize(), QSize(44, 50));
  EXPECT_EQ(list.Cell(2, 1), QPoint(88 + 22, 3 + 63 + 6));
  list.Highlight(2, 3, true);
  EXPECT_TRUE(list.Highlighted(2, 3));
  EXPECT_FALSE(list.Highlighted(3, 2));

  auto g4 = MakeGraph(4, {}, true);
  TGraphMatrix matrix;
  matrix.resize(300, 200);
  matrix.SetGraph(g4.get());
  matrix.Arrange();
  // The letters' column and row clear of the frame's line, the entries half a cell further on,
  // the brackets in that half.
  EXPECT_EQ(matrix.CellWidth(), 51);
  EXPECT_EQ(matrix.CellHeight(), 36);
  EXPECT_EQ(matrix.Cell(-1, -1), QPoint(2, 2));
  EXPECT_EQ(matrix.Cell(1, 1), QPoint(25 + 51, 18 + 36));
}

// Ten vertices with three-digit weights in the low matrix beside the Dijkstra log at
// 1024 x 768: every entry fits its cell with a blank to spare, so "10" and "2" never read as
// "102", and the last column stays inside the right bracket.
// On 1920 x 1080 the same matrix has rows of 18 px: its digits take most of a row's height.
TEST(GraphViews, MatrixEntriesKeepApartInsideTheBrackets) {
  auto g = std::make_unique<TGraphm>(10);
  for (int i = 1; i <= 10; ++i) g->AddArc(i, 11 - i, 100 * i - 1);
  // The least cap height: three digits in a narrow cell at 1024 x 768, two thirds of a row at 1920.
  for (const auto& [size, cap] : {std::pair(QSize(306, 186), 7), std::pair(QSize(575, 246), 12)}) {
    TGraphMatrix matrix;
    matrix.resize(size);
    matrix.SetGraph(g.get());
    matrix.Arrange();
    const TFont& font = matrix.TextFont();
    EXPECT_GE(-font.Height, 9) << size.width();
    EXPECT_GE(TTextFit::CapHeightOf(font), cap) << size.width() << ": digits small in their rows";
    EXPECT_LE(font.TextWidth(QStringLiteral("999")), matrix.CellWidth() - 4) << size.width();
    EXPECT_LE(matrix.Cell(1, 10).x() + (matrix.CellWidth() + font.TextWidth(QStringLiteral("999"))) / 2,
              matrix.RightBracket() - 2) << size.width();
    EXPECT_LE(matrix.RightBracket(), size.width());
  }
}

// The nodes of the orthogonal list at 1024 x 768 (five vertices) and larger: a vertex number,
// a nil mark and a head node's letter each fit their field with room to spare.
TEST(OrthogonalLink, NodeTextsFitTheirFields) {
  for (const QSize node : {QSize(88, 62), QSize(167, 87)}) {
    TFont font{.Name = QStringLiteral("Times New Roman")};
    font.Height = -TVexNode::FittedEm(node.width(), node.height(), 5);
    const int w = node.width() - 5;
    EXPECT_GE(-font.Height, 12) << node.width();
    EXPECT_LT(font.TextWidth(QStringLiteral("5")), w * 3 / 10 - 2) << node.width();
    EXPECT_LT(font.TextWidth(QStringLiteral("^")), w / 5 - 2) << node.width();
  }
}

// A node's shape reads only what is painted in it as glyphs; its link fields are noted.
TEST(OrthogonalLink, ANodeReadsItsGlyphsAndNotesItsLinkFields) {
  TVexNode arc;
  arc.SetNodeIsArcNode(false);
  arc.Set(QStringLiteral("1"), QStringLiteral("3"), clend, clline);
  std::vector<TDrawnShape> shapes = arc.DrawingShapes();
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_EQ(shapes[0].Text, QStringLiteral("1 3 ^"));
  EXPECT_EQ(shapes[0].Note, QStringLiteral("tlink >"));
  EXPECT_EQ(arc.DrawingText(), QStringLiteral("1 3 ^ >")) << "the words keep every field";

  TVexNode head;
  head.Set(QString(), QString(), clnull, clnull);  // a head node not read yet
  shapes = head.DrawingShapes();
  EXPECT_EQ(shapes[0].Text, QString());
  EXPECT_EQ(shapes[0].Note, QStringLiteral("firstin - firstout -"));
  head.Set(QStringLiteral("E"), QString(), clline, clend);
  EXPECT_EQ(head.DrawingShapes()[0].Text, QStringLiteral("E ^"));
}

TEST(GraphViews, TableIgnoresImpossibleColumnCounts) {
  Ttablebase table;
  table.SetTotalnumber(4);
  table.SetTotalnumber(21);
  table.SetTotalnumber(-1);
  EXPECT_EQ(table.totalnumber(), 4);
  EXPECT_EQ(table.CellText(1, 3), QStringLiteral("C"));
  table.SetCell(5, 1, 2);
  EXPECT_EQ(table.CellText(5, 1), QStringLiteral("B"));
  table.ClearValues();
  EXPECT_EQ(table.CellText(5, 1), QString());
  EXPECT_EQ(table.GetCell(6, 1), 0);
}

TEST(WeightDialog, TakesOneTo999) {
  EXPECT_EQ(TWDialog::ParseWeight(QStringLiteral("12")), 12);
  EXPECT_EQ(TWDialog::ParseWeight(QStringLiteral("999")), 999);
  EXPECT_EQ(TWDialog::ParseWeight(QStringLiteral("")), 0);
  EXPECT_EQ(TWDialog::ParseWeight(QStringLiteral("0")), 0);
  EXPECT_EQ(TWDialog::ParseWeight(QStringLiteral("000")), 0);

  modal::ScriptedHostScope host;
  host->QueueDialog(QStringLiteral("MaskEdit1= OK"));
  host->QueueDialog(QStringLiteral("MaskEdit1=0 OK"));
  host->QueueDialog(QStringLiteral("MaskEdit1=25 OK"));
  TWDialog dlg;
  EXPECT_EQ(dlg.Execute(), 25);
  EXPECT_EQ(host->Transcript().filter(QStringLiteral("输入数据越界！，请重新输入。")).size(), 2)
      << host->Transcript().join('\n').toStdString();
}

class GraphInputWindow : public ::testing::Test {
 protected:
  modal::ScriptedHostScope host_;
  GraphFiles files_;
};

TEST_F(GraphInputWindow, OkOnlyAfterShowingOrLoading) {
  Tinputform form;
  EXPECT_FALSE(form.BitBtn1->isEnabled());
  form.NodeButtonClick();
  form.GraphP1->MouseDown(10, 10);
  form.GraphP1->MouseDown(100, 10);
  form.ArcButtonClick();
  EXPECT_FALSE(form.BitBtn1->isEnabled());
  form.GraphP1->CreateArc(form.GraphP1->Node(1));
  form.GraphP1->CreateArc(form.GraphP1->Node(2));
  form.ShowButtonClick();
  EXPECT_TRUE(form.BitBtn1->isEnabled());
  ASSERT_NE(form.GraphP1->Graph(), nullptr);
  EXPECT_EQ(form.GraphP1->Graph()->VertexCount(), 2);
  EXPECT_EQ(form.GraphP1->Graph()->ArcCount(), 2) << "an undirected edge";

  Tinputform loading;
  host_->QueueFile(files_.Write(*MakeGraph(3, {{'A', 'B'}}, false)));
  loading.FileLoadClick();
  EXPECT_TRUE(loading.BitBtn1->isEnabled());
  EXPECT_FALSE(loading.NodeButton->isEnabled()) << "a loaded graph is not edited";
}

TEST_F(GraphInputWindow, RefusedFilesKeepTheGraphLoadedBefore) {
  const QString good = files_.Write(*MakeGraph(3, {{'A', 'B', 4}}, false));
  QTemporaryDir dir;
  const QString truncated = dir.filePath(QStringLiteral("t.gra"));
  QFile f(truncated);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray(20, '\0'));
  f.close();
  // After a load the load button is off; the second file goes through the handler.
  Tinputform form;
  form.MaxVertices = 10;
  host_->QueueFile(good);
  form.FileLoadClick();
  host_->QueueFile(truncated);
  form.FileLoadClick();
  EXPECT_EQ(host_->Transcript().filter(QStringLiteral("不是可用的图形文件")).size(), 1);
  std::unique_ptr<TGraphm> taken = form.TakeGraph();
  ASSERT_NE(taken, nullptr);
  EXPECT_EQ(taken->Entry(1, 2), 4);
}

TEST_F(GraphInputWindow, TooManyVerticesKeepsTheWindowOpen) {
  host_->QueueDialog(QStringLiteral("@FileLoad"));
  host_->QueueFile(files_.Write(*MakeGraph(12, {}, true)));
  host_->QueueDialog(QStringLiteral("确定"));
  host_->QueueDialog(QStringLiteral("@FileLoad"));
  host_->QueueFile(files_.Write(*MakeGraph(2, {{'B', 'A'}}, true)));
  host_->QueueDialog(QStringLiteral("确定"));
  std::unique_ptr<TGraphm> graph;
  ASSERT_TRUE(ShowGraphInput(QStringLiteral("创建有向图"), 10, true, false, graph));
  EXPECT_TRUE(host_->Transcript().join('\n').contains(QStringLiteral("输入结点过多!\n最多10个结点")))
      << host_->Transcript().join('\n').toStdString();
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(graph->VertexCount(), 2);
}

// A graph the demonstration cannot take is refused with its words and the window stays open
// with the graph in it.
TEST_F(GraphInputWindow, ARefusedGraphKeepsTheWindowOpen) {
  const QString looped = files_.Write(*MakeGraph(2, {{'A', 'A'}, {'A', 'B'}}, false));
  host_->QueueDialog(QStringLiteral("@FileLoad"));
  host_->QueueFile(looped);
  host_->QueueDialog(QStringLiteral("确定"));
  host_->QueueDialog(QStringLiteral("取消"));
  std::unique_ptr<TGraphm> graph;
  const auto refuse = [](const TGraphm& g) { return g.Loops() > 0 ? QStringLiteral("不要自环") : QString(); };
  EXPECT_FALSE(ShowGraphInput(QStringLiteral("创建无向图"), 10, false, false, graph, refuse));
  EXPECT_EQ(host_->Transcript().filter(QStringLiteral("不要自环")).size(), 1) << host_->Transcript().join('\n').toStdString();
  EXPECT_EQ(graph, nullptr) << "cancelled after the refusal";
  host_->QueueDialog(QStringLiteral("@FileLoad"));
  host_->QueueFile(files_.Write(*MakeGraph(2, {{'A', 'B'}}, false)));
  host_->QueueDialog(QStringLiteral("确定"));
  ASSERT_TRUE(ShowGraphInput(QStringLiteral("创建无向图"), 10, false, false, graph, refuse));
  EXPECT_EQ(graph->Loops(), 0);
}

TEST_F(GraphInputWindow, TypeDialogKeepsADisabledChoice) {
  bool directed = true;
  bool weighted = false;
  host_->QueueDialog(QStringLiteral("CheckBox1=0 确认"));
  EXPECT_TRUE(SelectGraphType(QStringLiteral("选择图的类型"), true, false, directed, weighted));
  EXPECT_FALSE(directed);
  EXPECT_FALSE(weighted);
  host_->QueueDialog(QStringLiteral("取消"));
  directed = true;
  EXPECT_FALSE(SelectGraphType(QStringLiteral("选择图的类型"), true, true, directed, weighted));
  EXPECT_TRUE(directed);
}
