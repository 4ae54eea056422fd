#include "framework/drawkit/MarkPlaces.h"

#include <gtest/gtest.h>

#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/drawkit/Rect.h"
#include "platform/Forms.h"
#include "platform/Pacing.h"
#include "platform/Screen.h"

namespace {

const QRect kArea(0, 0, 400, 300);

bool Clear(const QRect& head, const QRect& other) {
  return !(head.adjusted(2, 2, -2, -2).intersects(other));
}

}  // namespace

TEST(MarkPlaces, AMarkWithNothingInItsWayStandsAboveAndLeftOfItsNode) {
  const QRect node(100, 100, 60, 30);
  const auto at = PlaceMarks({{.Target = node, .Head = {32, 32}}}, {node}, {}, kArea);
  ASSERT_EQ(at.size(), 1u);
  EXPECT_EQ(at[0].Tip, QPoint(100, 100));
  EXPECT_EQ(at[0].Head, QRect(68, 68, 32, 32));

  const auto left = PlaceMarks({{.Target = node, .Head = {32, 32}, .PointsLeft = true}}, {node}, {}, kArea);
  EXPECT_EQ(left[0].Head, QRect(left[0].Tip.x(), 68, 32, 32));
  EXPECT_GE(left[0].Tip.x(), 159) << "on the node's right corner";
}

TEST(MarkPlaces, MarksOnOneNodeFanOutAndEachTipStaysOnTheNode) {
  const QRect node(100, 100, 80, 30);
  const auto at = PlaceMarks({{.Target = node, .Head = {32, 32}}, {.Target = node, .Head = {32, 32}},
                              {.Target = node, .Head = {32, 32}}},
                             {node}, {}, kArea);
  ASSERT_EQ(at.size(), 3u);
  for (std::size_t i = 0; i < at.size(); ++i) {
    EXPECT_TRUE(QRect(node).adjusted(-2, -2, 2, 2).contains(at[i].Tip)) << "mark " << i;
    for (std::size_t j = i + 1; j < at.size(); ++j) EXPECT_TRUE(Clear(at[i].Head, at[j].Head)) << i << " and " << j;
  }
}

namespace {
// A 400 x 300 drawing window holding one node at 150,120, 80 x 30.
struct OneNode {
  TGraphForm form;
  TRectbase* node = new TRectbase(&form);
  OneNode() {
    form.setGeometry(0, 0, 400, 300);
    node->setGeometry(150, 120, 80, 30);
  }
};
}  // namespace

TEST(MarkPlaces, AHeadKeepsOffANeighbourNodeAndALinkWhereItCan) {
  const QRect node(100, 100, 60, 30);
  const QRect neighbour(50, 60, 40, 40);                        // above and left: the usual place
  const QPolygon link({QPoint(130, 40), QPoint(130, 100)});     // into the node's top from above
  const auto at = PlaceMarks({{.Target = node, .Head = {32, 32}}}, {node, neighbour}, {link}, kArea);
  EXPECT_TRUE(Clear(at[0].Head, neighbour)) << at[0].Head.x() << "," << at[0].Head.y();
  EXPECT_FALSE(link.boundingRect().intersects(at[0].Head.adjusted(2, 2, -2, -2)));
  EXPECT_TRUE(kArea.contains(at[0].Head));
}

TEST(MarkPlaces, FanOutPointersMovesTheHeadsOfTwoPointersOnOneNodeApart) {
  OneNode w;
  TGraphForm& form = w.form;
  TRectbase* node = w.node;
  auto* p = new TPointer2(&form);
  auto* q = new TPointer2(&form);
  p->SetCaption("p");
  q->SetCaption("q");
  p->SetTarget(node);
  q->SetTarget(node);
  form.show();
  pacing::ProcessMessages();
  ASSERT_EQ(p->geometry(), q->geometry()) << "placed alone, both stand at the node's corner";
  FanOutPointers(form);
  EXPECT_TRUE(Clear(p->geometry(), q->geometry()));
  const QPoint tipQ = q->mapTo(&form, q->Tip());
  EXPECT_TRUE(node->geometry().adjusted(-2, -2, 2, 2).contains(tipQ));
}

// A leaf between two neighbours, the links into them coming down past its top corners: every
// place above and beside is taken; a mark that may stand below takes the place under the
// node, its tip on the bottom edge; one that may not keeps a place above.
TEST(MarkPlaces, AMarkThatMayStandBelowTakesTheRoomUnderACrowdedTop) {
  const QRect node(100, 200, 40, 40), leftNeighbour(46, 200, 40, 40), rightNeighbour(154, 200, 40, 40);
  const std::vector<QRect> nodes{node, leftNeighbour, rightNeighbour};
  const std::vector<QPolygon> links{QPolygon({QPoint(130, 60), QPoint(66, 200)}),
                                    QPolygon({QPoint(80, 60), QPoint(120, 200)}),
                                    QPolygon({QPoint(60, 60), QPoint(174, 200)})};
  for (const bool left : {false, true}) {
    const auto below =
        PlaceMarks({{.Target = node, .Head = {32, 32}, .PointsLeft = left, .MayStandBelow = true}}, nodes, links, kArea);
    EXPECT_TRUE(below[0].Below) << "pointing left: " << left;
    EXPECT_EQ(below[0].Tip.y(), 240);
    EXPECT_EQ(below[0].Head.top(), 240) << "the head hangs from the tip";
    EXPECT_TRUE(Clear(below[0].Head, leftNeighbour) && Clear(below[0].Head, rightNeighbour));
  }
  const auto above = PlaceMarks({{.Target = node, .Head = {32, 32}}}, nodes, links, kArea);
  EXPECT_FALSE(above[0].Below);
  EXPECT_LE(above[0].Head.bottom(), 240);
}

// Pointing up, the tip is the head's upper corner and lands on the target's bottom edge.
TEST(MarkPlaces, APointerThatPointsUpHangsUnderItsNode) {
  OneNode w;
  TGraphForm& form = w.form;
  TRectbase* node = w.node;
  auto* p = new TPointer2(&form);
  p->GrowsWithWindow = false;
  p->PointsUp = true;
  p->SetTarget(node);
  EXPECT_EQ(p->geometry(), QRect(118, 150, 32, 32));
  EXPECT_EQ(p->mapTo(&form, p->Tip()), QPoint(150, 150));
  p->PointsLeft = true;
  p->Reposition();
  EXPECT_EQ(p->mapTo(&form, p->Tip()), QPoint(230, 150)) << "the bottom-right corner";
}

// The places a mark is offered: every tip on its node's outline, above before below, the usual
// one first; a fine step offers the places between the usual ones.
TEST(MarkPlaces, ThePlacesOfAMarkRunRoundItsNodeAboveFirst) {
  const QRect node(100, 100, 60, 30);
  const TMarkToPlace mark{.Target = node, .Head = {32, 32}, .MayStandBelow = true};
  const std::vector<TPlacedMark> places = PlacesOn(mark);
  ASSERT_FALSE(places.empty());
  EXPECT_EQ(places.front().Tip, QPoint(100, 100));
  EXPECT_FALSE(places.front().Below);
  EXPECT_TRUE(places.back().Below);
  for (const TPlacedMark& p : places) {
    EXPECT_TRUE(p.Tip.x() >= 100 && p.Tip.x() <= 160 && p.Tip.y() >= 100 && p.Tip.y() <= 130);
    EXPECT_EQ(p.Head.size(), QSize(32, 32));
    EXPECT_EQ(p.Below ? p.Head.topRight() + QPoint(1, 0) : p.Head.bottomRight() + QPoint(1, 1), p.Tip);
  }
  const auto fine = PlacesOn({.Target = node, .Head = {32, 32}, .MayStandBelow = true, .Step = 4});
  EXPECT_GT(fine.size(), 2 * places.size());
}

// Stood on a smaller place, a pointer grows from its own design size again when it is put
// back on its node.
TEST(MarkPlaces, APointerStoodSmallerKeepsItsDesignSize) {
  OneNode w;
  auto* p = new TPointer2(&w.form);
  p->GrowsWithWindow = false;
  p->SetTarget(w.node);
  p->StandAt(QRect(10, 10, 20, 20));
  EXPECT_EQ(p->size(), QSize(20, 20));
  p->Reposition();
  EXPECT_EQ(p->size(), QSize(32, 32));
  EXPECT_GT(TPointer2::CaptionPixels(QStringLiteral("p"), {64, 64}),
            TPointer2::CaptionPixels(QStringLiteral("pre"), {32, 32}));
}

// OffX moves a tip along its node's top edge, never past its end: a node made narrower than the
// offset (a window made smaller) keeps the tip at its corner.
TEST(MarkPlaces, APointerMovedAlongItsNodeKeepsItsTipOnANarrowNode) {
  OneNode w;
  auto* p = new TPointer2(&w.form);
  p->GrowsWithWindow = false;
  p->OffX = 32;
  w.node->setGeometry(150, 120, 20, 30);
  p->SetTarget(w.node);
  EXPECT_EQ(p->mapTo(&w.form, p->Tip()), QPoint(170, 120));
  p->PointsLeft = true;
  p->Reposition();
  EXPECT_EQ(p->mapTo(&w.form, p->Tip()), QPoint(170, 120)) << "pointing left from the top-right corner";
}

// A caption of four letters needs a larger head than one letter to read: its head grows past its
// node until it does; a caption of one letter asks for no more than the least side.
TEST(MarkPlaces, ALongCaptionGetsAHeadOnWhichItReads) {
  OneNode w;
  w.form.resize(screen::Width(), screen::Height());  // letters of the screen's least height
  w.node->setGeometry(150, 120, 20, 20);             // a head no larger than its node would be 32 pixels
  auto* thrt = new TPointer2(&w.form);
  thrt->SetCaption(QStringLiteral("thrt"));
  thrt->SetTarget(w.node);
  EXPECT_GT(thrt->LegibleSide(), 32);
  EXPECT_GE(thrt->height(), thrt->LegibleSide());
  EXPECT_GE(TPointer2::CaptionPixels(thrt->Caption(), thrt->size()), LegiblePixelsIn(*thrt));
  auto* p = new TPointer2(&w.form);
  p->SetTarget(w.node);
  EXPECT_LE(p->LegibleSide(), TPointer2::LeastSide);
  EXPECT_LE(p->height(), TPointer2::LeastSide);
}
