#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLineF>
#include <cmath>

#include "demos/trees/TreeLayout.h"
#include "platform/Forms.h"

namespace {

constexpr int kPointer = 32;

// The last two levels of a full four-level tree as the level layout puts them in a panel 612
// pixels wide: parents 144 apart, leaves 72 apart, nodes of 54 pixels.
std::vector<TCaptionSpot> FullTreeBottom() {
  std::vector<TCaptionSpot> spots;
  const int size = 54;
  for (int k = 0; k < 4; ++k) {
    const QPoint parent(104 + 144 * k, 342 + size / 2);
    spots.push_back({QRect(parent.x() - size / 2, 342, size, size), std::nullopt, QStringLiteral("n%1").arg(10 + k)});
    for (int side : {-36, 36})
      spots.push_back({QRect(parent.x() + side - size / 2, 497, size, size), parent, QStringLiteral("n1%1").arg(k)});
  }
  return spots;
}

// Where the link from the parent crosses the band of a caption box: x at the box's top edge.
int LinkXAt(const TCaptionSpot& s, int y) {
  const QPoint c = s.Node.center();
  const QPoint p = *s.ParentCentre;
  return c.x() + (p.x() - c.x()) * (s.Node.top() - y) / (s.Node.top() - p.y());
}

TEST(CaptionPlan, CaptionsKeepOffNodesLinksPointersAndEachOther) {
  const std::vector<TCaptionSpot> spots = FullTreeBottom();
  const TCaptionPlan plan = PlanCaptions(spots, 612, kPointer, 10);
  ASSERT_EQ(plan.Boxes.size(), spots.size());
  EXPECT_GE(-plan.Font.Height, 10);
  for (std::size_t i = 0; i < spots.size(); ++i) {
    const QRect& box = plan.Boxes[i];
    const QString what = spots[i].Text;
    EXPECT_EQ(box.bottom(), spots[i].Node.top() - 1) << qPrintable(what) << " stands right above its node";
    for (std::size_t j = 0; j < spots.size(); ++j) {
      EXPECT_FALSE(box.intersects(spots[j].Node)) << qPrintable(what) << " covers node " << j;
      if (j != i) {
        EXPECT_FALSE(box.intersects(plan.Boxes[j])) << qPrintable(what) << " runs into " << j;
      }
      // A pointer on any node stands left of its top-left corner; a caption goes there only
      // rather than in letters too small to read (the pointer then steps off it).
      const QRect pointer(spots[j].Node.left() - kPointer, spots[j].Node.top() - kPointer, kPointer, kPointer);
      if (box.intersects(pointer)) {
        EXPECT_GE(plan.Ems[i], LegiblePixels()) << qPrintable(what) << " lies under the pointer of node " << j;
      }
    }
    if (spots[i].ParentCentre) {
      const int link = LinkXAt(spots[i], box.top());
      EXPECT_TRUE(link < box.left() || link > box.right()) << qPrintable(what) << " is crossed by its link";
    }
  }
}

TEST(CaptionPlan, RoomyTreesKeepHalfTheNodeHeight) {
  const std::vector<TCaptionSpot> root{{QRect(200, 60, 40, 40), std::nullopt, QStringLiteral("n1")}};
  EXPECT_EQ(-PlanCaptions(root, 612, kPointer, 10).Font.Height, 20);
}

TEST(CaptionPlan, ACrowdedTreeKeepsReadableLettersWhereItCanAndNeverGoesBelowTheLeast) {
  std::vector<TCaptionSpot> spots;
  for (int k = 0; k < 4; ++k) spots.push_back({QRect(20 + 14 * k, 40, 12, 12), std::nullopt, QStringLiteral("n%1").arg(k)});
  const TCaptionPlan plan = PlanCaptions(spots, 200, kPointer, 10);
  EXPECT_EQ(-plan.Font.Height, LegiblePixels()) << "crowding shrinks only the captions without room";
  EXPECT_EQ(plan.Boxes.size(), spots.size());
  ASSERT_EQ(plan.Ems.size(), spots.size());
  for (int em : plan.Ems) {
    EXPECT_GE(em, 10);
    EXPECT_LE(em, LegiblePixels());
  }
}

TEST(CaptionPlan, ACaptionWithoutRoomLeavesTheOthersTheirSize) {
  // A root right under the panel's top has no room above it; its children have plenty.
  const QRect root(200, 4, 40, 40);
  const std::vector<TCaptionSpot> spots{{root, std::nullopt, QStringLiteral("n1")},
                                        {QRect(100, 120, 40, 40), root.center(), QStringLiteral("n2")},
                                        {QRect(300, 120, 40, 40), root.center(), QStringLiteral("n3")}};
  const TCaptionPlan plan = PlanCaptions(spots, 612, kPointer, 10);
  EXPECT_EQ(-plan.Font.Height, 20) << "the children's captions keep half a node's height";
  ASSERT_EQ(plan.Boxes.size(), 3u);
  EXPECT_GE(plan.Boxes[0].top(), 0) << "the root's caption is cut off by the panel's top";
}

// A left child under a gentle link whose caption finds no room on its left half: beside its
// right half the link would push the caption more than a node's width off; it takes a place
// nearer its node (smaller letters, or under the leaf) instead.
TEST(CaptionPlan, ACaptionStaysWithinANodesWidthOfItsNode) {
  const QRect root(395, 51, 77, 77), child(204, 173, 77, 77);
  const std::vector<TCaptionSpot> spots{{root, std::nullopt, QStringLiteral("n1")},
                                        {child, root.center(), QStringLiteral("n2")}};
  const TCaptionPlan plan = PlanCaptions(spots, 800, 51, 10, 0, 540);
  ASSERT_EQ(plan.Boxes.size(), 2u);
  EXPECT_LT(plan.Boxes[1].center().x(), child.left() + 2 * child.width()) << plan.Boxes[1].x();
  EXPECT_FALSE(plan.Boxes[1].intersects(child));
}

// The last two levels of a full five-level tree in a narrow panel: parents 68 pixels apart,
// leaves 34, nodes of 24, no room above them for a caption beside a pointer's place.
std::vector<TCaptionSpot> CrowdedBottom() {
  std::vector<TCaptionSpot> spots;
  const int size = 24;
  for (int k = 0; k < 4; ++k) {
    const QRect parent(66 + 68 * k - size / 2, 300, size, size);
    const QPoint grand(parent.center().x() + (k % 2 == 0 ? 34 : -34), 200);
    spots.push_back({parent, grand, QStringLiteral("n%1").arg(20 + k)});
    for (int side : {-17, 17})
      spots.push_back({QRect(parent.center().x() + side - size / 2, 420, size, size), parent.center(),
                       QStringLiteral("n%1").arg(30 + 2 * k + (side > 0 ? 1 : 0))});
  }
  return spots;
}

TEST(CaptionPlan, CrowdedLeavesTakeTheirCaptionsUnderThemAndInnerNodesBesideThem) {
  // The panel keeps a caption's room under the last level.
  const std::vector<TCaptionSpot> spots = CrowdedBottom();
  const int size = 24;
  const int panelHeight = 470;
  const int pointer = 44;  // the pointers of a large window
  const TCaptionPlan plan = PlanCaptions(spots, 612, pointer, 10, 0, panelHeight);
  ASSERT_EQ(plan.Boxes.size(), spots.size());
  ASSERT_EQ(plan.Ems.size(), spots.size());
  for (const int em : plan.Ems) EXPECT_GE(em, size / 2) << "room under and beside the nodes keeps every caption half a node high";
  int under = 0, beside = 0;
  for (std::size_t i = 0; i < spots.size(); ++i) {
    const QRect& box = plan.Boxes[i];
    const QString what = spots[i].Text;
    if (box.top() > spots[i].Node.bottom()) ++under;
    if (box.left() > spots[i].Node.right() || box.right() < spots[i].Node.left()) ++beside;
    EXPECT_LE(box.bottom(), panelHeight - 1) << qPrintable(what) << " stays in the panel";
    for (std::size_t j = 0; j < spots.size(); ++j) {
      EXPECT_FALSE(box.intersects(spots[j].Node)) << qPrintable(what) << " covers node " << j;
      if (j != i) {
        EXPECT_FALSE(box.intersects(plan.Boxes[j])) << qPrintable(what) << " runs into " << j;
      }
      const QPoint end(spots[j].Node.center().x(), spots[j].Node.top());
      EXPECT_FALSE(SegmentCrosses(*spots[j].ParentCentre, end, box)) << qPrintable(what) << " is crossed by link " << j;
    }
  }
  EXPECT_GT(under, 0) << "some leaves hold their captions under them";
  EXPECT_GT(beside, 0) << "some parents hold their captions beside them";
}

TEST(CaptionPlan, LeavesTooCloseForTheirCaptionsAboveTakeTurnsUnderThem) {
  // A four-level tree in a panel 277 pixels wide that keeps a caption's room under its last
  // level: leaves of 22 pixels, 30 apart. A caption whose place above is taken by its
  // neighbour's stands under its leaf rather than shrinking.
  const std::vector<TCaptionSpot> spots{
      {QRect(143, 32, 22, 22), std::nullopt, QStringLiteral("n1")},
      {QRect(204, 94, 22, 22), QPoint(153, 42), QStringLiteral("n2")},
      {QRect(174, 156, 22, 22), QPoint(214, 104), QStringLiteral("n3")},
      {QRect(159, 218, 22, 22), QPoint(184, 166), QStringLiteral("n4")},
      {QRect(189, 218, 22, 22), QPoint(184, 166), QStringLiteral("n5")},
      {QRect(234, 156, 22, 22), QPoint(214, 104), QStringLiteral("n6")},
      {QRect(219, 218, 22, 22), QPoint(244, 166), QStringLiteral("n7")},
      {QRect(249, 218, 22, 22), QPoint(244, 166), QStringLiteral("n8")}};
  const TCaptionPlan plan = PlanCaptions(spots, 277, 0, 10, 0, 261);
  ASSERT_EQ(plan.Boxes.size(), spots.size());
  int under = 0;
  for (std::size_t i = 0; i < spots.size(); ++i) {
    const QRect& box = plan.Boxes[i];
    EXPECT_GE(plan.Ems[i], LegiblePixels()) << "caption " << i;
    if (box.top() > spots[i].Node.bottom()) ++under;
    for (std::size_t j = 0; j < spots.size(); ++j) {
      EXPECT_FALSE(box.intersects(spots[j].Node)) << i << " covers node " << j;
      if (j != i) {
        EXPECT_FALSE(box.intersects(plan.Boxes[j])) << i << " runs into " << j;
      }
      if (spots[j].ParentCentre) {
        const QPoint end(spots[j].Node.center().x(), spots[j].Node.top());
        EXPECT_FALSE(SegmentCrosses(*spots[j].ParentCentre, end, box)) << i << " is crossed by link " << j;
      }
    }
  }
  EXPECT_GT(under, 0);
}

// A pointer head under a leaf moves the captions it covers, and only those, off it: each still
// within a node's size of its own node and nearer it than any other node.
TEST(CaptionPlan, AHeadUnderALeafMovesOnlyTheCaptionsItCovers) {
  const std::vector<TCaptionSpot> spots = CrowdedBottom();
  const TCaptionPlan before = PlanCaptions(spots, 612, 44, 10, 0, 470);
  const QRect leaf = spots[2].Node;
  ASSERT_GT(before.Boxes[2].top(), leaf.bottom()) << "the leaf's caption stands under it";
  const QRect head(leaf.left() - 24, leaf.bottom() + 1, 40, 32);
  const TCaptionPlan after = PlanCaptions(spots, 612, 44, 10, 0, 470, {{head}, 40});
  int moved = 0;
  for (std::size_t i = 0; i < spots.size(); ++i) {
    const QString what = spots[i].Text;
    if (!before.Boxes[i].intersects(head)) {
      EXPECT_EQ(after.Boxes[i], before.Boxes[i]) << qPrintable(what) << " moved, not under the head";
      continue;
    }
    ++moved;
    const QRect& box = after.Boxes[i];
    const QRect& node = spots[i].Node;
    EXPECT_FALSE(box.intersects(head)) << qPrintable(what);
    const QRect near = node.adjusted(-node.width(), -node.height(), node.width(), node.height());
    EXPECT_TRUE(near.contains(box)) << qPrintable(what) << " strays from its node";
    for (std::size_t j = 0; j < spots.size(); ++j)
      if (j != i) {
        EXPECT_FALSE(box.intersects(after.Boxes[j]) || box.intersects(spots[j].Node)) << qPrintable(what);
        const QPoint d = spots[j].Node.center() - box.center(), own = node.center() - box.center();
        EXPECT_GT(d.manhattanLength(), own.manhattanLength()) << qPrintable(what) << " reads as " << j << "'s";
      }
  }
  EXPECT_EQ(moved, 2) << "the head covers the captions of its leaf and of the one left of it";
}

TEST(RowThreads, NeighboursThreadingToEachOtherPassOverAndUnderWithoutMeeting) {
  // Two sibling leaves of a postorder-threaded full tree: H's right thread leads to I, I's left
  // thread back to H.
  const QRect h(40, 548, 54, 49), i(104, 548, 54, 49);
  const int depth = 10;
  const std::vector<QPoint> right = RowThreadPath(h, i, false, depth);
  const std::vector<QPoint> left = RowThreadPath(i, h, true, depth);
  for (const QPoint& p : right) {
    EXPECT_LE(p.y(), h.top()) << "a right thread runs under the nodes, where the left one goes";
    EXPECT_GE(p.y(), h.top() - depth) << "a right thread rises further than its depth";
  }
  for (const QPoint& p : left) {
    EXPECT_GT(p.y(), h.bottom()) << "a left thread runs over the nodes, where the right one goes";
    EXPECT_LE(p.y(), h.bottom() + 1 + depth) << "a left thread sinks below the room kept under the leaves";
  }
  EXPECT_GE(right.front().x(), h.right() - h.width() / 8) << "H's right thread leaves from its right tag";
  EXPECT_LE(left.front().x(), i.left() + i.width() / 8) << "I's left thread leaves from its left tag";
  EXPECT_EQ(right.back(), QPoint(right.back().x(), i.top())) << "the arrow ends on I's top";
  EXPECT_TRUE(right.back().x() >= i.left() && right.back().x() < i.center().x()) << "and on I's side facing H";
  EXPECT_EQ(left.back(), QPoint(left.back().x(), h.bottom() + 1)) << "the arrow ends right under H";
  EXPECT_TRUE(left.back().x() > h.center().x() && left.back().x() <= h.right()) << "on H's side facing I";
  // A row at the panel's top keeps the whole bow inside it.
  for (const QPoint& p : RowThreadPath(h.translated(0, 4 - h.top()), i.translated(0, 4 - i.top()), false, depth, 2))
    EXPECT_GE(p.y(), 2);
}

}  // namespace

namespace {

// The boxes of a full tree of four levels laid out as a threaded tree lays them out: each
// level's nodes centred in equal shares of the width, all as wide as five sixths of a share of
// the last level.
std::vector<std::vector<QRect>> FullTreeRows(int width, int nodeHeight, int step) {
  const int nodeWidth = width / 8 * 5 / 6;
  std::vector<std::vector<QRect>> rows;
  for (int level = 0; level < 4; ++level) {
    std::vector<QRect> row;
    const int count = 1 << level;
    for (int k = 0; k < count; ++k) {
      const int centre = (2 * k + 1) * width / (2 * count);
      row.emplace_back(centre - nodeWidth / 2, 40 + level * step, nodeWidth, nodeHeight);
    }
    rows.push_back(row);
  }
  return rows;
}

QPoint TopCorner(const QRect& r, bool left) { return {left ? r.left() : r.left() + r.width(), r.top()}; }
QPoint BottomCorner(const QRect& r, bool left) { return {left ? r.left() : r.left() + r.width(), r.top() + r.height()}; }

}  // namespace

TEST(LevelThreadPath, ThreadsBetweenRowsCrossNoOtherNodeAndLeaveTheirOwnUpright) {
  const auto rows = FullTreeRows(560, 38, 104);
  std::vector<QRect> all;
  for (const auto& row : rows) all.insert(all.end(), row.begin(), row.end());
  int routed = 0;
  // Every node to every node at least two rows up or down, from either side.
  for (std::size_t a = 0; a < rows.size(); ++a) {
    for (std::size_t b = 0; b < rows.size(); ++b) {
      if (a == b) continue;
      for (const QRect& source : rows[a]) {
        for (const QRect& target : rows[b]) {
          for (const bool left : {true, false}) {
            const bool up = b < a;
            const QPoint from = up ? TopCorner(source, left) : BottomCorner(source, left);
            const QPoint to = up ? BottomCorner(target, left) : TopCorner(target, left);
            std::vector<QRect> others;
            for (const QRect& r : all)
              if (r != source && r != target) others.push_back(r);
            const std::vector<QPoint> path = LevelThreadPath(from, to, others, QRect(0, 0, 560, 500), left ? -3 : 3);
            ASSERT_GE(path.size(), 2u);
            EXPECT_EQ(path.front(), from);
            EXPECT_EQ(path.back(), to);
            for (std::size_t i = 0; i + 1 < path.size(); ++i)
              for (const QRect& r : others)
                ASSERT_FALSE(SegmentCrosses(path[i], path[i + 1], r))
                    << "a thread from row " << a << " to row " << b << " crosses a node at " << r.x() << "," << r.y();
            if (path.size() == 2) continue;
            ++routed;
            EXPECT_EQ(path[1].x(), from.x()) << "a bent thread leaves its node upright";
            EXPECT_EQ(path[1].y() < from.y(), up) << "away from the node";
            EXPECT_EQ(path[path.size() - 2].x(), to.x()) << "and comes upright into the target's corner";
          }
        }
      }
    }
  }
  EXPECT_GT(routed, 0) << "some straight threads of a full tree do cross a node";
  // K's right thread to C in preorder: straight it would pass through F.
  const QRect k = rows[3][3], c = rows[1][1], f = rows[2][2];
  EXPECT_TRUE(SegmentCrosses(TopCorner(k, false), BottomCorner(c, false), f));
  std::vector<QRect> others;
  for (const QRect& r : all)
    if (r != k && r != c) others.push_back(r);
  const std::vector<QPoint> kc = LevelThreadPath(TopCorner(k, false), BottomCorner(c, false), others, QRect(0, 0, 560, 500));
  ASSERT_EQ(kc.size(), 4u);
  EXPECT_LT(kc[1].y(), k.top());
  EXPECT_GT(kc[1].y(), rows[2][0].bottom()) << "of two ways alike it runs across just above its own row";
  // Across nearer the row above than its own: the room over K's row is where the marks on its
  // nodes stand, a head's height of the gap.
  const int gapTop = rows[2][0].bottom(), gapBottom = k.top();
  EXPECT_LT(kc[1].y() - gapTop, (gapBottom - gapTop) / 3) << "the leg across runs at " << kc[1].y();
}

TEST(LevelThreadPath, StraightWhereNothingStandsInTheWayOrNoWayIsClear) {
  const QPoint from(100, 300), to(200, 100);
  EXPECT_EQ(LevelThreadPath(from, to, {QRect(300, 150, 50, 30)}, QRect(0, 0, 400, 400)), (std::vector<QPoint>{from, to}));
  // A wall across the whole panel between the rows: no way round it inside the panel, so the
  // straight line stays.
  EXPECT_EQ(LevelThreadPath(from, to, {QRect(-10, 190, 420, 30)}, QRect(0, 0, 400, 400)),
            (std::vector<QPoint>{from, to}));
}

TEST(SegmentCrosses, OnlyTheInsideOfABoxCounts) {
  const QRect box(10, 10, 20, 20);  // x 10..30, y 10..30
  EXPECT_TRUE(SegmentCrosses({0, 0}, {40, 40}, box));
  EXPECT_FALSE(SegmentCrosses({10, 0}, {10, 40}, box)) << "along the left edge";
  EXPECT_FALSE(SegmentCrosses({0, 30}, {40, 30}, box)) << "along the bottom edge";
  EXPECT_FALSE(SegmentCrosses({0, 20}, {10, 10}, box)) << "ending on a corner";
  EXPECT_FALSE(SegmentCrosses({0, 40}, {40, 0}, QRect(10, 10, 10, 10))) << "passing outside, beside a corner";
  EXPECT_TRUE(SegmentCrosses({20, 20}, {20, 20}, box)) << "a point inside";
  EXPECT_FALSE(SegmentCrosses({20, 0}, {20, 9}, box)) << "stopping short of it";
}

namespace {

// The longest stretch over which two paths of upright and level legs run within two pixels of
// each other, legs of one direction alike (what reads as one line).
int SharedStretch(const std::vector<QPoint>& a, const std::vector<QPoint>& b) {
  int longest = 0;
  for (std::size_t i = 0; i + 1 < a.size(); ++i)
    for (std::size_t j = 0; j + 1 < b.size(); ++j) {
      const QPoint a1 = a[i], a2 = a[i + 1], b1 = b[j], b2 = b[j + 1];
      const bool level = a1.y() == a2.y() && b1.y() == b2.y() && std::abs(a1.y() - b1.y()) <= 2;
      const bool upright = a1.x() == a2.x() && b1.x() == b2.x() && std::abs(a1.x() - b1.x()) <= 2;
      if (!level && !upright) continue;
      const auto along = [level](QPoint p) { return level ? p.x() : p.y(); };
      const int lo = std::max(std::min(along(a1), along(a2)), std::min(along(b1), along(b2)));
      const int hi = std::min(std::max(along(a1), along(a2)), std::max(along(b1), along(b2)));
      longest = std::max(longest, hi - lo);
    }
  return longest;
}

}  // namespace

TEST(RowThreads, AThreadPastANodeOfTheRowBowsDeeperIntoTheTargetsCorner) {
  // A node waiting in the top left corner, the root and the head on one row: the root's left
  // thread and the waiting node's both lead to the head.
  const QRect x(56, 56, 55, 38), a(281, 56, 55, 38), head(476, 56, 55, 38);
  const int depth = 17;
  const std::vector<QPoint> near = RowThreadPath(a, head, true, depth, 2);
  const std::vector<QPoint> far = RowThreadPath(x, head, true, depth, 2, true);
  EXPECT_EQ(SharedStretch(near, far), 0) << "the two threads into the head run along one line";
  EXPECT_EQ(far.back(), QPoint(head.left(), head.bottom() + 1)) << "the far one ends at the head's corner";
  EXPECT_EQ(far[1].y(), x.bottom() + 1 + 2 * depth) << "twice as deep";
  for (std::size_t i = 0; i + 1 < far.size(); ++i)
    EXPECT_FALSE(SegmentCrosses(far[i], far[i + 1], a)) << "through the root between them";
}

namespace {

// Whether two paths cross or touch anywhere.
bool PathsMeet(const std::vector<QPoint>& a, const std::vector<QPoint>& b) {
  for (std::size_t i = 0; i + 1 < a.size(); ++i)
    for (std::size_t j = 0; j + 1 < b.size(); ++j)
      if (QLineF(a[i], a[i + 1]).intersects(QLineF(b[j], b[j + 1]), nullptr) == QLineF::BoundedIntersection) return true;
  return false;
}

}  // namespace

TEST(UnderRow, SmallNodesKeepTheWaitingNodesThreadOffTheHeadsLine) {
  // A window made smaller: nodes 30 wide, whose eighths do not divide evenly.
  const QRect x(45, 45, 30, 31), root(166, 45, 30, 31), head(290, 45, 30, 31);
  const int step = 6, below = head.top() + head.height();
  const std::vector<QPoint> headLine = {{head.center().x(), below},
                                        {head.center().x(), below + UnderRowLinkLane(step)},
                                        {root.center().x(), below + UnderRowLinkLane(step)},
                                        {root.center().x(), below}};
  EXPECT_EQ(SharedStretch(UnderRowThreadPath(x, head, TUnderRow::FarLeft, step), headLine), 0);
}

TEST(UnderRow, TheThreadsOfTheHeadsRowRunUnderItEachInALaneAndPlaceOfItsOwn) {
  // A node waiting in the top left corner, the root and the head on one row, with every thread
  // the row can hold at once: the root's two threads to the head, the waiting node's left thread
  // past the root, the head's thread to the root.
  const QRect x(56, 56, 49, 38), root(256, 56, 49, 38), head(456, 56, 49, 38);
  const int step = 9;
  const std::vector<std::vector<QPoint>> threads = {
      UnderRowThreadPath(root, head, TUnderRow::Right, step), UnderRowThreadPath(root, head, TUnderRow::Left, step),
      UnderRowThreadPath(x, head, TUnderRow::FarLeft, step), UnderRowThreadPath(head, root, TUnderRow::Head, step)};
  const char* names[] = {"the root's right thread", "the root's left thread", "the waiting node's", "the head's"};
  for (std::size_t i = 0; i < threads.size(); ++i) {
    const std::vector<QPoint>& t = threads[i];
    for (const QPoint& p : t) EXPECT_GE(p.y(), root.top() + root.height()) << names[i] << " runs over the row";
    for (std::size_t j = i + 1; j < threads.size(); ++j) {
      EXPECT_EQ(SharedStretch(t, threads[j]), 0) << names[i] << " runs along " << names[j];
      EXPECT_NE(t.front(), threads[j].front()) << names[i] << " leaves where " << names[j] << " does";
      EXPECT_NE(t.back(), threads[j].back()) << names[i] << " ends where " << names[j] << " does";
    }
    // The corners are left to the threads coming up from the lower rows.
    EXPECT_NE(t.back(), QPoint(head.left(), head.top() + head.height())) << names[i];
  }
  EXPECT_EQ(SharedStretch(threads[1], {{root.center().x(), 94}, {root.center().x(), 94 + UnderRowLinkLane(step)},
                                       {head.center().x(), 94 + UnderRowLinkLane(step)}, {head.center().x(), 94}}),
            0)
      << "the root's left thread runs along the head's line to the root";
  EXPECT_GT(threads[0].front().x(), root.center().x()) << "a right thread leaves from its node's right tag";
  EXPECT_LT(threads[1].front().x(), root.center().x()) << "a left thread leaves from its node's left tag";
  EXPECT_FALSE(PathsMeet(threads[0], threads[1])) << "the root's right thread runs inside its left one";
  EXPECT_EQ(threads[3].back(), QPoint(root.left(), root.top() + root.height())) << "the head's thread ends at the root's far corner";
  EXPECT_GT(threads[3][1].y(), threads[2][1].y()) << "the head's thread runs deepest";
}

TEST(SelfThread, ALoopKeepsBesideItsNodeOffTheRoomOverIt) {
  const QRect head(456, 56, 49, 38);
  for (const bool left : {true, false}) {
    const std::vector<QPoint> loop = SelfThreadPath(head, left, 27);
    ASSERT_EQ(loop.size(), 4u);
    for (const QPoint& p : loop) {
      EXPECT_GT(p.y(), head.top()) << "the loop rises to the room over the node";
      EXPECT_LT(p.y(), head.top() + head.height()) << "the loop sinks under the node";
      EXPECT_TRUE(left ? p.x() <= head.left() : p.x() >= head.left() + head.width()) << "the loop runs over the node";
    }
    EXPECT_EQ(loop.front().x(), loop.back().x()) << "out of the node's side and back into it";
    EXPECT_LT(loop.front().y(), loop.back().y());
  }
}

TEST(LevelThreadPath, AThreadToTheHeadKeepsOutOfTheRoomsOverTheNodesItPasses) {
  // The leftmost leaf's thread up to a head over the right of the tree: straight up beside it
  // runs through the room over the node above the leaf, where that node's marks stand.
  const auto rows = FullTreeRows(560, 38, 104);
  const QRect leaf = rows[3][0], head(470, rows[0][0].top(), 58, 38);
  std::vector<QRect> others, rooms;
  for (const auto& row : rows)
    for (const QRect& r : row)
      if (r != leaf) {
        others.push_back(r);
        rooms.emplace_back(r.left() - 56, r.top() - 56, r.width() + 56, 56);
      }
  const QPoint from = TopCorner(leaf, true), to = BottomCorner(head, true);
  const QRect area(0, 0, 560, 500);
  const auto throughRooms = [&](const std::vector<QPoint>& path) {
    int n = 0;
    for (std::size_t i = 0; i + 1 < path.size(); ++i)
      if (path[i].x() == path[i + 1].x())
        n += static_cast<int>(std::count_if(rooms.begin(), rooms.end(), [&](const QRect& r) { return SegmentCrosses(path[i], path[i + 1], r); }));
    return n;
  };
  const std::vector<QPoint> plain = LevelThreadPath(from, to, others, area, -3);
  ASSERT_GT(throughRooms(plain), 0) << "the way the rooms change";
  const std::vector<QPoint> path = LevelThreadPath(from, to, others, area, -3, rooms);
  EXPECT_EQ(throughRooms(path), 0);
  EXPECT_EQ(path.front(), from);
  EXPECT_EQ(path.back(), to);
  for (std::size_t i = 0; i + 1 < path.size(); ++i)
    for (const QRect& r : others) EXPECT_FALSE(SegmentCrosses(path[i], path[i + 1], r)) << "through a node";
  EXPECT_LE(path.size(), 6u) << "more than two bends more than the way through the rooms";
}

TEST(LevelThreadPath, AThreadKeepsFromRunningCloseAlongALine) {
  EXPECT_TRUE(RunsAlong(QLine(357, 264, 357, 82), QLine(359, 94, 359, 76))) << "2 px apart for 12";
  EXPECT_FALSE(RunsAlong(QLine(357, 264, 357, 82), QLine(361, 94, 361, 76))) << "4 px apart";
  EXPECT_FALSE(RunsAlong(QLine(357, 264, 357, 82), QLine(358, 86, 358, 60))) << "side by side for 4 px only";
  EXPECT_FALSE(RunsAlong(QLine(357, 264, 357, 82), QLine(300, 90, 400, 90))) << "across it";
  EXPECT_TRUE(RunsAlong(QLine(10, 40, 90, 40), QLine(80, 43, 20, 43)));
  // Round a node standing between the two corners: the upright leg it takes at first has a line
  // put 2 px beside it (the head's line to the root), and the way found then keeps off that line.
  const QRect block(100, 150, 200, 40), area(0, 0, 400, 400);
  const QPoint from(120, 300), to(280, 50);
  const std::vector<QPoint> plain = LevelThreadPath(from, to, {block}, area);
  const auto upright = std::adjacent_find(plain.begin(), plain.end(), [&](const QPoint& a, const QPoint& b) {
    return a.x() == b.x() && std::min(a.y(), b.y()) < block.top() && std::max(a.y(), b.y()) > block.bottom();
  });
  ASSERT_NE(upright, plain.end()) << "no leg past the node";
  const QLine line(upright->x() + 2, block.top() - 20, upright->x() + 2, block.bottom() + 20);
  const std::vector<QPoint> path = LevelThreadPath(from, to, {block}, area, 0, {}, {line});
  EXPECT_EQ(path.front(), from);
  EXPECT_EQ(path.back(), to);
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    EXPECT_FALSE(RunsAlong(QLine(path[i], path[i + 1]), line)) << "leg " << i;
    EXPECT_FALSE(SegmentCrosses(path[i], path[i + 1], block)) << "through the node";
  }
}

TEST(PointerPlace, HeadsStandBesideEachOtherOnTheirNodeElseFanOutOverIt) {
  const QRect head(476, 56, 55, 38);
  const QRect corner(421, 1, 55, 55);  // the tip on the head's top left corner
  EXPECT_EQ(PointerPlace(corner, head, {}, 561), corner) << "nothing in its way";
  EXPECT_EQ(PointerPlace(corner, head, {QRect(100, 1, 55, 55)}, 561), corner) << "heads elsewhere on the row";
  // A second one on the head stands right of the first, its tip on the head's right edge.
  const QRect second = PointerPlace(corner, head, {corner}, 561);
  EXPECT_EQ(second, QRect(476, 1, 55, 55));
  // A third finds no room beside them with its tip on the head (right runs past its edge, left
  // points at nothing): it stands between the two, covering half of each.
  const QRect third = PointerPlace(second, head, {corner, second}, 561);
  const int tip = third.left() + third.width();
  EXPECT_TRUE(tip >= head.left() && tip <= head.left() + head.width()) << "tip at " << tip;
  EXPECT_LE((third & corner).width(), 28);
  EXPECT_LE((third & second).width(), 28);
  // A pointer in the way of a pointer on the next node (at 160) keeps its tip on its own node.
  const QRect node(100, 200, 40, 30);
  const QRect onNeighbour(128, 168, 32, 32);
  const QRect own = PointerPlace(QRect(108, 168, 32, 32), node, {onNeighbour}, 400);
  EXPECT_TRUE(own.left() + own.width() >= node.left() - 2 && own.left() + own.width() <= node.left() + node.width() + 2);
  EXPECT_FALSE(own.intersects(onNeighbour));
}

// A pointer's head standing over a caption (a crowded node's pointer with no other place) moves
// that caption, and only it, off the head: beside or under its node, still nearer its own node
// than any other and clear of the other captions and nodes.
TEST(CaptionPlan, AHeadOverACaptionMovesItOffAndKeepsItByItsNode) {
  const std::vector<TCaptionSpot> spots = FullTreeBottom();
  const TCaptionPlan before = PlanCaptions(spots, 612, kPointer, 10, 0, 560);
  const std::size_t i = 4;  // a leaf's caption, right above it
  const QRect node = spots[i].Node;
  ASSERT_EQ(before.Boxes[i].bottom(), node.top() - 1);
  const QRect head(node.left(), node.top() - kPointer, kPointer, kPointer);
  ASSERT_TRUE(head.intersects(before.Boxes[i]));
  const TCaptionPlan after = PlanCaptions(spots, 612, kPointer, 10, 0, 560, {{}, 0, {head}});
  const QRect& box = after.Boxes[i];
  EXPECT_FALSE(box.intersects(head)) << "the caption stays under the head";
  for (std::size_t j = 0; j < spots.size(); ++j) {
    if (j == i) continue;
    if (!before.Boxes[j].intersects(head)) {
      EXPECT_EQ(after.Boxes[j], before.Boxes[j]) << j << " moved, not under the head";
    }
    EXPECT_FALSE(box.intersects(after.Boxes[j]) || box.intersects(spots[j].Node)) << "runs into " << j;
    const QPoint d = spots[j].Node.center() - box.center(), own = node.center() - box.center();
    EXPECT_GT(d.manhattanLength(), own.manhattanLength()) << "reads as " << j << "'s";
  }
}

namespace {

// A full four-level heap in a window made low (859 x 491 on a 1024 x 768 screen): nodes of
// 34 pixels, levels 56 apart, so a caption fills the gap between two levels. Every caption is
// as wide as the widest of a heap's record numbers, as any node may come to hold it.
std::vector<TCaptionSpot> LowHeap(bool nearestOwn) {
  const int xs[] = {201, 98, 304, 47, 149, 253, 355, 22, 72, 124, 174, 228, 278, 330, 380};
  std::vector<TCaptionSpot> spots;
  for (int i = 1; i <= 15; ++i) {
    const int level = i >= 8 ? 3 : i >= 4 ? 2 : i >= 2 ? 1 : 0;
    TCaptionSpot s{QRect(xs[i - 1], 27 + 56 * level, 34, 34), std::nullopt, QStringLiteral("[10]")};
    if (i > 1) s.ParentCentre = spots[static_cast<std::size_t>(i / 2 - 1)].Node.center();
    s.NearestOwn = nearestOwn;
    spots.push_back(s);
  }
  return spots;
}

double FromCircle(QPointF p, const QRect& node) {
  return std::max(0.0, std::hypot(p.x() - node.center().x(), p.y() - node.center().y()) - node.width() / 2.0);
}

// How many placed captions stand as near another node as their own.
int Misleading(const std::vector<TCaptionSpot>& spots, const TCaptionPlan& plan) {
  int count = 0;
  for (std::size_t i = 0; i < spots.size(); ++i) {
    const QPointF c = QRectF(plan.Boxes[i]).center();
    const double own = FromCircle(c, spots[i].Node);
    for (std::size_t k = 0; k < spots.size(); ++k)
      if (k != i && FromCircle(c, spots[k].Node) < own + 1) {
        ++count;
        break;
      }
  }
  return count;
}

}  // namespace

TEST(CaptionPlan, CaptionsThatTravelStandClearlyNearerTheirOwnNodeOrAreCountedUnplaced) {
  const std::vector<TCaptionSpot> loose = LowHeap(false);
  const TCaptionPlan free = PlanCaptions(loose, 420, 0, LegiblePixels(), 0, 236);
  EXPECT_GT(Misleading(loose, free), 0) << "a caption above a node reads as the one of the node above";
  const std::vector<TCaptionSpot> spots = LowHeap(true);
  const TCaptionPlan plan = PlanCaptions(spots, 420, 0, LegiblePixels(), 0, 236);
  ASSERT_EQ(plan.Boxes.size(), spots.size());
  EXPECT_LE(Misleading(spots, plan), plan.Unplaced) << "only a caption without a place may mislead";
  // Room under the leaves and beside the inner nodes places them all.
  EXPECT_EQ(PlanCaptions(spots, 420, 0, LegiblePixels(), 0, 262).Unplaced, 0);
}

TEST(CaptionPlan, CaptionsWithoutAnyFreePlaceAreCounted) {
  std::vector<TCaptionSpot> spots;
  for (int k = 0; k < 4; ++k) spots.push_back({QRect(20 + 14 * k, 40, 12, 12), std::nullopt, QStringLiteral("n%1").arg(k)});
  EXPECT_GT(PlanCaptions(spots, 200, kPointer, LegiblePixels()).Unplaced, 0);
  const std::vector<TCaptionSpot> root{{QRect(200, 60, 40, 40), std::nullopt, QStringLiteral("n1")}};
  EXPECT_EQ(PlanCaptions(root, 612, kPointer, 10).Unplaced, 0);
}
