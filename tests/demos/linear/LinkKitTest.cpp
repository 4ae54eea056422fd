#include <gtest/gtest.h>

#include "demos/linear/LinkForms.h"
#include "demos/linear/LinkKit.h"
#include "framework/drawkit/Pointer2.h"
#include "tests/support/RenderWidget.h"

namespace {

QStringList Lines(const QString& chars) {
  QStringList lines{QStringLiteral(" ")};
  for (const QChar c : chars) lines << QString(c);
  return lines;
}

// What a node shows, as a script reads it: "c ^" or "c".
QString Pieces(const TListNode& node) { return node.DrawingText(); }

// The drawing window's list at its design size.
class LinkLayout : public ::testing::Test {
 protected:
  void SetUp() override { link_.SetContent(Lines(QStringLiteral("abcd"))); }
  TLinkGraphForm form_;
  TLink& link_ = *form_.Link;
};

}  // namespace

TEST_F(LinkLayout, FourByFourGridAtTheDesignSize) {
  link_.SetMarkRoom(false);  // the grid as designed, without the room its marks take above it
  ASSERT_EQ(link_.size(), QSize(332, 203));
  const linkkit::TLinkGeometry& g = link_.Geometry();
  EXPECT_EQ(g.QuarterW, 20);
  EXPECT_EQ(g.QuarterH, 12);
  EXPECT_EQ(g.NodeW, 40);
  EXPECT_EQ(g.NodeH, 24);
  EXPECT_EQ(g.Place(6), QPoint(100, 60));
  EXPECT_EQ(link_.Node(4)->PointerCentre(), QPoint(290, 21));
  EXPECT_EQ(link_.Node(5)->Entry(), QPoint(20, 69));
}

TEST_F(LinkLayout, TheLinkAtTheEndOfARowWrapsBackToTheNextRow) {
  link_.SetMarkRoom(false);
  TListNode& from = *link_.Node(4);
  TListNode& to = *link_.Node(5);
  ASSERT_EQ(linkkit::LinkMode(from.PointerCentre(), to.geometry(), to.Entry()), 3);
  const linkkit::TLinkPath path = linkkit::LinkPath(from.PointerCentre(), to.Entry(), 5, 3, 40, 24);
  EXPECT_EQ(path.Points, (std::vector<QPoint>{{290, 21}, {310, 21}, {310, 53}, {7, 53}, {7, 69}, {20, 69}}));
  EXPECT_EQ(linkkit::LinkMode(link_.Node(1)->PointerCentre(), link_.Node(2)->geometry(),
                              link_.Node(2)->Entry()),
            1);
}

TEST_F(LinkLayout, TheFloatingNodeStandsBelowTheRowBetweenTwoNodes) {
  link_.SetMarkRoom(false);
  link_.InsertNodeAnimated(1, QStringLiteral("x"));
  ASSERT_NE(link_.FloatingNode(), nullptr);
  EXPECT_EQ(link_.FloatingNode()->pos(), QPoint(60, 42));
  EXPECT_EQ(Pieces(*link_.FloatingNode()), QStringLiteral("x ^"));
  // It survives a rescale with its links.
  link_.SetFloatingNext(link_.Node(2));
  link_.SetNodeNextToFloating(1);
  form_.resize(664, 406);
  form_.RescaleContents();
  EXPECT_EQ(link_.Node(1)->Next(), link_.FloatingNode());
  EXPECT_EQ(link_.FloatingNode()->Next(), link_.Node(2));
  EXPECT_EQ(link_.FloatingNode()->pos(), QPoint(123, 88)) << "the same quarter cells at the new size";
}

// After the last node of a row the new node stands below it in the middle of the gap to the
// next row. While the row's last node still points at the next row, its wrap link passes above
// the new node and the new node's link below it, into the next node from above: two arrows
// into one node that never run into one. The arrow into the new node comes down into it.
TEST(LinkRowEnd, LinksAroundANodeInsertedAtARowEndRunBesideIt) {
  TLinkGraphForm form;
  TLink& link = *form.Link;
  link.SetRatio(1.5);
  link.SetColumn(3);
  link.SetContent(Lines(QStringLiteral("abcde")));
  link.InsertNodeAnimated(3, QStringLiteral("Z"));
  TListNode& p = *link.Node(3);
  TListNode& z = *link.FloatingNode();
  TListNode& next = *link.Node(4);
  const QRect row = p.geometry(), mid = z.geometry(), below = next.geometry();
  EXPECT_EQ(mid.left(), row.left());
  EXPECT_EQ(mid.top() - row.bottom(), below.top() - mid.bottom()) << "the gap is shared evenly";
  link.SetFloatingNext(&next);
  const auto stretchY = [&](const TListNode& from, const TListNode& to, std::size_t size) {
    const std::vector<QPoint> points = link.Route(from, to).Points;
    EXPECT_EQ(points.size(), size);
    return points.size() > 2 ? points[2].y() : 0;
  };
  const int wrap = stretchY(p, next, 6);
  EXPECT_GT(wrap, row.bottom()) << "the old wrap link passes between the row and the new node";
  EXPECT_LT(wrap + p.Shadow(), mid.top());
  const std::vector<QPoint> out = link.Route(z, next).Points;
  ASSERT_EQ(out.size(), 5U);
  EXPECT_GT(out[2].y(), mid.bottom()) << "the new node's link passes below it";
  EXPECT_LT(out[2].y() + z.Shadow(), below.top());
  EXPECT_EQ(out.back(), QPoint(below.left() + next.Split() / 2, below.top())) << "into the next node from above";
  link.SetNodeNextToFloating(3);
  const int into = stretchY(p, z, 5);
  EXPECT_GT(into, row.bottom());
  EXPECT_LT(into + p.Shadow(), mid.top());
  EXPECT_EQ(link.Route(p, z).Points.back(), QPoint(mid.left() + z.Split() / 2, mid.top()))
      << "into the new node from above, its left side free for its mark";
  EXPECT_EQ(link.DrawingText().count(QStringLiteral(">Node4")), 1) << "only the new node leads to d";
}

// On the same row the new node's link rises into its successor from below, apart from the
// arrow of the node before it, and the arrow into the new node comes down into it; every link
// drawn is a shape between the nodes it joins.
TEST(LinkRowEnd, TheNewNodesLinkEntersItsSuccessorFromBelow) {
  TLinkGraphForm form;
  TLink& link = *form.Link;
  link.SetContent(Lines(QStringLiteral("ab")));
  link.InsertNodeAnimated(1, QStringLiteral("Z"));
  TListNode& head = *link.Node(1);
  TListNode& a = *link.Node(2);
  link.SetFloatingNext(&a);
  const std::vector<QPoint> up = link.Route(*link.FloatingNode(), a).Points;
  ASSERT_EQ(up.size(), 3U);
  EXPECT_EQ(up.back(), QPoint(a.x() + a.Split() / 2, a.y() + a.height() - a.Shadow())) << "into a's lower edge";
  EXPECT_EQ(link.Route(head, a).Points.back(), a.Entry()) << "the head's arrow still from the left";
  const std::vector<TDrawnShape> shapes = link.DrawingShapes();
  ASSERT_EQ(shapes.size(), 3U) << "head>a, a>b, Z>a";
  for (const TDrawnShape& s : shapes) EXPECT_EQ(s.Kind, TDrawnShape::Link);
  EXPECT_EQ(shapes[2].From.Control, link.FloatingNode());
  EXPECT_EQ(shapes[2].To.Control, &a);
  EXPECT_EQ(shapes[2].Path, QPolygon(QList<QPoint>(up.begin(), up.end())));
  link.SetNodeNextToFloating(1);
  const TListNode& z = *link.FloatingNode();
  EXPECT_EQ(link.Route(head, z).Points.back(), QPoint(z.x() + z.Split() / 2, z.y()))
      << "the head's arrow goes down into the new node's upper edge, right of the mark on it";
}

// The first row stands a mark's height down and the first column a mark's width in: a mark on
// any node there, alone or below another, points at the node from above and left rather than
// being pushed past it.
TEST_F(LinkLayout, TheFirstRowAndColumnLeaveRoomForAMark) {
  form_.resize(612, 625);
  form_.RescaleContents();
  link_.AttachMark(form_.la, 1);
  link_.AttachMark(form_.p, 1);
  link_.AttachMark(form_.q, 2);
  EXPECT_GE(link_.Node(1)->y(), form_.la->height()) << "the head of la above the first row";
  EXPECT_GE(link_.Node(1)->x(), form_.la->width()) << "and left of the first column";
  for (TPointer2* mark : {form_.la, form_.p, form_.q}) {
    const QRect node = mark->Target()->geometry();
    const QPoint tip = mark->geometry().bottomRight() + QPoint(1, 1);
    EXPECT_GE(tip.y(), node.top()) << mark->Caption().toStdString();
    EXPECT_LE(tip.y(), node.bottom() - link_.Node(1)->Shadow()) << mark->Caption().toStdString();
    EXPECT_GE(tip.x(), node.left()) << mark->Caption().toStdString();
    EXPECT_LE(tip.x(), node.right()) << mark->Caption().toStdString();
  }
}

TEST_F(LinkLayout, NodesShowTheirTextAndANilPointer) {
  EXPECT_EQ(Pieces(*link_.Node(2)), QStringLiteral("a"));
  EXPECT_EQ(Pieces(*link_.Node(5)), QStringLiteral("d ^"));
  EXPECT_EQ(link_.Node(5)->objectName(), QStringLiteral("Node5"));
}

TEST_F(LinkLayout, SetItemPastTheEndChangesNothingAndInsertItemThereAppends) {
  EXPECT_FALSE(link_.SetItem(5, QStringLiteral("z")));
  EXPECT_EQ(link_.Content(), Lines(QStringLiteral("abcd")));
  EXPECT_TRUE(link_.SetItem(4, QStringLiteral("z")));
  EXPECT_TRUE(link_.InsertItem(5, QStringLiteral("y")));
  EXPECT_EQ(link_.Content(), Lines(QStringLiteral("abczy")));
  EXPECT_FALSE(link_.InsertItem(7, QStringLiteral("w")));
  EXPECT_EQ(link_.NodeCount(), 6);
}

TEST_F(LinkLayout, AListLongerThanTheGridGetsAPlaceForEveryNode) {
  link_.SetColumn(3);
  link_.SetContent(Lines(QStringLiteral("abcdefghijklmnop")));  // 17 nodes on 4 x 3
  ASSERT_EQ(link_.NodeCount(), 17);
  QSet<QPoint> places;
  for (int i = 1; i <= 17; ++i) {
    const QRect r = link_.Node(i)->geometry();
    EXPECT_TRUE(link_.rect().contains(r)) << "node " << i << " lies outside the list";
    places.insert(r.topLeft());
  }
  EXPECT_EQ(places.size(), 17);
  EXPECT_LE(link_.Geometry().Rows * link_.Geometry().Columns, linkkit::MaxNodes);
}

// The merged list of 16 + 16 letters at 1024 x 768: 33 nodes where 3 x 5 places were designed.
TEST(LinkGeometry, ALongListTakesTheColumnsThatGiveTheLargestNodes) {
  const linkkit::TLinkGeometry g = linkkit::LinkGeometry(510, 252, 3, 5, 2.0, 33);
  EXPECT_GE(g.Rows * g.Columns, 33);
  EXPECT_EQ(g.Columns, 7) << "seven columns of five rows, not five columns of seven flat rows";
  EXPECT_EQ(g.NodeH, 24);
  EXPECT_GE(g.NodeW, g.NodeH * 3 / 2) << "room beside the letter for the pointer part";
  for (int k = 1; k <= 33; ++k)
    EXPECT_TRUE(QRect(0, 0, 510, 252).contains(QRect(g.Place(k), QSize(g.NodeW, g.NodeH)))) << "node " << k;
  const linkkit::TLinkGeometry fits = linkkit::LinkGeometry(510, 252, 3, 5, 2.0, 15);
  EXPECT_EQ(fits.Columns, 5) << "a list that fits keeps its designed grid";
  EXPECT_EQ(fits.Rows, 3);
}

// The letter is h - 7 points high as designed, but never stands out of its box.
TEST(ListNode, TheLetterGrowsWithTheNodeAndStaysInside) {
  for (const int height : {20, 29, 45, 80}) {
    TListNode node;
    node.resize(height * 2, height);
    node.SetNodeString(QStringLiteral("f"));
    const int h = height - node.Shadow();
    EXPECT_LE(node.Font.Ascent(), h - 5) << "node " << height << " high";
    TFont designed = node.Font;
    designed.SetSize(h - 7);
    EXPECT_TRUE(node.Font.Height == designed.Height || designed.Ascent() > h - 5)
        << "the designed size wherever it fits, node " << height << " high";
  }
}

// Two marks on the head fan out: neither head lies on the other, both tips on the head node.
TEST_F(LinkLayout, MarksOnOneNodeFanOutWithTheirTipsOnIt) {
  link_.AttachMark(form_.la, 1);
  link_.AttachMark(form_.p, 1);
  form_.resize(1150, 880);
  form_.RescaleContents();
  EXPECT_GT(form_.la->width(), 32) << "marks grow with a larger list";
  EXPECT_EQ(form_.p->width(), form_.la->width());
  const QRect la = form_.la->geometry(), p = form_.p->geometry();
  EXPECT_LE((la & p).width() * (la & p).height(), 4) << "p's head on la's";
  const QRect node = link_.Node(1)->geometry();
  for (const QRect& head : {la, p}) {
    const QPoint tip = head.topLeft() + QPoint(head.width(), head.height());
    EXPECT_TRUE(node.adjusted(0, 0, 1, 1).contains(tip)) << "a tip off the head node";
  }
  link_.AttachMark(form_.p, 3);  // alone on a node with room: its usual place
  EXPECT_EQ(form_.p->geometry().bottomRight() + QPoint(1, 1), link_.Node(3)->pos());
}

// A mark on a node of the second row stands clear of the link wrapping back to that row.
TEST_F(LinkLayout, AMarkOnTheNextRowStandsClearOfTheWrapLink) {
  link_.SetContent(Lines(QStringLiteral("abcdefg")));
  form_.resize(1150, 880);
  form_.RescaleContents();
  link_.AttachMark(form_.p, 6);
  const QRect head = form_.p->geometry().adjusted(2, 2, -2, -2);
  for (const TDrawnShape& s : link_.DrawingShapes())
    for (qsizetype i = 1; i < s.Path.size(); ++i)
      EXPECT_FALSE(QRect(s.Path[i - 1], s.Path[i]).normalized().intersects(head))
          << "p's head on a link from " << s.Path.first().x() << "," << s.Path.first().y();
}

TEST_F(LinkLayout, MarksStandOnTheNewNodeOfTheirIndexAfterEveryRebuild) {
  link_.AttachMark(form_.p, 3);
  link_.AttachMark(form_.la, 1);
  form_.resize(500, 900);  // room above the first row for a whole mark
  form_.RescaleContents();
  EXPECT_EQ(form_.p->Target(), link_.Node(3));
  EXPECT_TRUE(form_.p->isVisibleTo(&form_));
  EXPECT_EQ(form_.p->pos() + QPoint(form_.p->width(), form_.p->height() - form_.p->OffY),
            link_.Node(3)->pos());
  link_.SetContent(Lines(QStringLiteral("a")));  // node 3 is gone
  EXPECT_EQ(form_.p->Target(), nullptr);
  EXPECT_FALSE(form_.p->isVisibleTo(&form_));
  EXPECT_EQ(form_.la->Target(), link_.Node(1));

  link_.InsertNodeAnimated(1, QStringLiteral("x"));
  link_.AttachMarkToFloating(form_.q);
  link_.FreeFloatingNode();
  EXPECT_EQ(form_.q->Target(), nullptr);
  link_.SetContent(Lines(QStringLiteral("abc")));
  EXPECT_EQ(form_.q->Target(), nullptr) << "a mark whose floating node was freed stays detached";
  link_.Clear();
  EXPECT_EQ(form_.la->Target(), nullptr);
  link_.SetContent(Lines(QStringLiteral("abc")));
  EXPECT_EQ(form_.la->Target(), nullptr) << "Clear detaches every mark";
}

TEST(Input2LinksDlg, SortTextOrdersTheCharactersByCode) {
  EXPECT_EQ(TInput2LinksDlg::SortText(QStringLiteral("dbca")), QStringLiteral("abcd"));
  EXPECT_EQ(TInput2LinksDlg::SortText(QStringLiteral("bAa")), QStringLiteral("Aab"));
  EXPECT_EQ(TInput2LinksDlg::SortText(QString()), QString());
}

// Nodes of the sizes the merge shows at 1024 x 768 and larger: the nil mark stays in the narrow
// pointer part, leaving the data part (here empty) its plain colour and the shadow bare.
TEST(ListNode, TheNilMarkFitsTheNarrowPointerPart) {
  for (const QSize size : {QSize(50, 42), QSize(44, 34), QSize(60, 50)}) {
    TListNode node;
    node.resize(size);
    node.SetNodeString(QString());
    node.SetNext(nullptr);
    node.show();
    const QImage img = RenderWidget(node);
    const linkkit::TNodeShape s = linkkit::NodeShape(size.width(), size.height(), node.Shadow());
    int foreign = 0;
    for (int y = 1; y < s.H - 1; ++y)
      for (int x = 1; x < s.Split - 1; ++x)
        if (QColor(img.pixel(x, y)) != QColor(0, 128, 128)) ++foreign;
    for (int y = 0; y < size.height(); ++y)  // nor over its right edge, on the shadow
      for (int x = s.W; x < size.width(); ++x)
        if (QColor(img.pixel(x, y)) == QColor(Qt::white)) ++foreign;
    EXPECT_EQ(foreign, 0) << "pixels of the nil mark in the data part of " << size.width() << "x" << size.height();
  }
}

TEST(LinkNode, RecordShowsDataAndNext) {
  TLinkNode a(QStringLiteral("值为d的结点"));
  TLinkNode b(QStringLiteral("值为Z的结点"));
  a.SetData('d');
  a.SetNext(&b);
  EXPECT_EQ(a.GetText(), QStringLiteral("(d,指向值为Z的结点)"));
  EXPECT_EQ(a.GetNext(), &b);
}

// A drawn node stands for a record: its letter and a "^" where its Next is nil, or is the record
// that only names nil; the row follows the chain, leaving out the record that floats below it,
// and a node past the records reads "(no record)".
TEST(LinkNode, ANodeStandsForItsRecordsLetterAndNilPointer) {
  TLinkNode head(QStringLiteral("头结点")), a(QStringLiteral("a")), b(QStringLiteral("b")), nil(QStringLiteral("nil"));
  a.SetData('a');
  b.SetData('b');
  head.SetNext(&a);
  a.SetNext(&b);
  EXPECT_EQ(linkkit::RecordText(head), QString());
  EXPECT_EQ(linkkit::RecordText(b), QStringLiteral("b ^"));
  b.SetNext(&nil);
  EXPECT_EQ(linkkit::RecordText(b, &nil), QStringLiteral("b ^"));
  EXPECT_EQ(linkkit::Chain(&head, nullptr, &nil), (std::vector<const TLinkNode*>{&head, &a, &b}));
  EXPECT_EQ(linkkit::Chain(&head, &a, &nil), (std::vector<const TLinkNode*>{&head, &b}));
  const auto records = [&] { return linkkit::Chain(&head, &a, &nil); };
  EXPECT_EQ(*linkkit::NodeOf(records, 2, {}, &nil).front().Value(), QStringLiteral("b ^"));
  EXPECT_EQ(*linkkit::NodeOf(records, 3, {}, &nil).front().Value(), QStringLiteral("(no record)"));
  const std::vector<TValueMeaning> noted = linkkit::NodeOf(records, 2, [](const TLinkNode& r) { return QString(QChar::fromLatin1(r.GetData())); });
  EXPECT_EQ(noted.back().Part, TValueMeaning::InNote);
  EXPECT_EQ(*noted.back().Value(), QStringLiteral("b"));
}
