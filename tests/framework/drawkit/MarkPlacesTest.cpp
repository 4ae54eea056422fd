#include "framework/drawkit/MarkPlaces.h"

#include <gtest/gtest.h>

#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/drawkit/Rect.h"
#include "platform/Pacing.h"

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
  TGraphForm form;
  form.setGeometry(0, 0, 400, 300);
  auto* node = new TRectbase(&form);
  node->setGeometry(150, 120, 80, 30);
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
