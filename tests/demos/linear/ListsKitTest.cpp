#include <gtest/gtest.h>

#include "demos/linear/CopyLists.h"
#include "demos/linear/DepthLists.h"
#include "demos/linear/ListsForms.h"
#include "demos/linear/ListsKit.h"
#include "platform/Controls.h"
#include "platform/Screen.h"
#include "framework/engine/Globals.h"

namespace {

// The nodes in parse order (a list node, then its head, then its tail).
void Collect(const TListsNode* node, QStringList& out) {
  if (!node) return;
  out << TLists::NodeText(node).trimmed();
  Collect(node->hp.get(), out);
  Collect(node->tp.get(), out);
}

QStringList ParseOrder(const TLists& view) {
  QStringList out;
  Collect(view.Root(), out);
  return out;
}

class ListsBuild : public ::testing::Test {
 protected:
  void SetUp() override {
    view_.resize(536, 348);
    view_.SetRow(7);
    view_.SetColumn(6);
  }
  TLists view_;
};

}  // namespace

TEST(ListsSyntax, AcceptsWellFormedListsOnly) {
  for (const char* good : {"(A,(B))", "( )", "((),())", "(a, (b))", "((A),((B),C),D)"})
    EXPECT_TRUE(CheckListSyntax(QString::fromLatin1(good))) << good;
  for (const char* bad : {"(A,(B)", "(AB)", "(A,,B)", "(A)(B)", "A", "(A,)", "(A,B))", "(1)", "",
                          "  ", "(,A)", ")("})
    EXPECT_FALSE(CheckListSyntax(QString::fromLatin1(bad))) << bad;
}

TEST(ListsSever, SplitsOffTheFirstElementAtLevelZero) {
  QString sub = QStringLiteral("(A,B),C,D");
  QString hsub;
  SeverList(sub, hsub);
  EXPECT_EQ(hsub, QStringLiteral("(A,B)"));
  EXPECT_EQ(sub, QStringLiteral("C,D"));
  sub = QStringLiteral("((B),C)");
  SeverList(sub, hsub);
  EXPECT_EQ(hsub, QStringLiteral("((B),C)"));
  EXPECT_TRUE(sub.isEmpty());
}

TEST_F(ListsBuild, NodesAreNumberedInParseOrderAndTailsTakeNewColumns) {
  view_.Build(QStringLiteral("((A),((B),C),D)"));
  EXPECT_EQ(ParseOrder(view_), QStringList({"n1", "n2", "A3", "n3", "n4", "n5", "B6", "n6", "C7",
                                            "n7", "D8"}));
  const TListsNode* root = view_.Root();
  EXPECT_EQ(TLists::NodeText(root), QStringLiteral(" n1"));
  EXPECT_EQ(TLists::NodeText(root->hp->hp.get()), QStringLiteral(" A3"));
  EXPECT_EQ(root->tp->Column, 1);
  EXPECT_EQ(root->tp->tp->Column, 3);
  EXPECT_EQ(root->tp->tp->tp, nullptr);
  EXPECT_EQ(TLists::NodeText(nullptr), QStringLiteral("NIL"));
}

TEST_F(ListsBuild, TheEmptyListBuildsNoRootAndEmptyElementsAreNilHeads) {
  view_.Build(QStringLiteral("()"));
  EXPECT_EQ(view_.Root(), nullptr);
  view_.Build(QStringLiteral("(A,(B),(),((C)),D)"));
  const TListsNode* third = view_.Root()->tp->tp.get();
  EXPECT_EQ(third->hp, nullptr);
  EXPECT_EQ(view_.Deepest(), 3);
}

TEST_F(ListsBuild, DeeperLevelsAndLaterColumnsAreCutExactlyAtTheGrid) {
  view_.Build(QStringLiteral("((((((A))))))"));  // A on level 6, the last row
  EXPECT_EQ(view_.Deepest(), 6);
  EXPECT_TRUE(TLists::Fits(QStringLiteral("((((((A))))))"), 7, 6));
  view_.Build(QStringLiteral("(((((((A)))))))"));  // A on level 7: not drawn
  EXPECT_EQ(view_.Deepest(), 6);
  EXPECT_FALSE(TLists::Fits(QStringLiteral("(((((((A)))))))"), 7, 6));

  view_.Build(QStringLiteral("(A,B,C,D,E,F)"));  // columns 0 .. 5
  EXPECT_EQ(view_.LastColumn(), 5);
  EXPECT_TRUE(TLists::Fits(QStringLiteral("(A,B,C,D,E,F)"), 7, 6));
  view_.Build(QStringLiteral("(A,B,C,D,E,(F),G)"));
  EXPECT_EQ(view_.LastColumn(), 5);
  EXPECT_EQ(view_.Root()->tp->tp->tp->tp->tp->hp->Letter, QChar('G'))
      << "past the last column the later element replaces the one before";
  EXPECT_FALSE(TLists::Fits(QStringLiteral("(A,B,C,D,E,(F),G)"), 7, 6));
}

TEST_F(ListsBuild, APointerMarkFocusesItsNodeUntilNoMarkIsLeftOnIt) {
  view_.Build(QStringLiteral("(A)"));
  TListsNode* root = view_.Root();
  view_.AttachPointer(1, root);
  view_.AttachPointer(2, root);
  view_.AttachPointer(1, nullptr);
  EXPECT_TRUE(root->Focus);
  view_.AttachPointer(2, root->hp.get());
  EXPECT_FALSE(root->Focus);
  view_.Build(QStringLiteral("(B)"));
  EXPECT_EQ(view_.PointerTarget(2), nullptr) << "a build detaches the marks";
}

// A node's shape reads as its box is painted: its label (written above it) first, the tag
// digit, an atom's letter, a "^" in each shown nil field; a hidden field shows nothing.
TEST_F(ListsBuild, ANodeShapeReadsItsTagAtomAndNilFields) {
  view_.Build(QStringLiteral("(A,(),b)"));
  const auto texts = [this] {
    QStringList out;
    for (const TDrawnShape& s : view_.DrawingShapes())
      if (s.Kind == TDrawnShape::Node) out << s.Name + QLatin1Char('|') + s.Text;
    return out;
  };
  EXPECT_EQ(texts(), QStringList({"n1|n1 1", "A2|A2 0 A", "n2|n2 1 ^", "n3|n3 1 ^", "b4|b4 0 b"}));
  TListsNode* n3 = view_.Root()->tp->tp.get();
  n3->TpVisible = false;   // a tail not linked yet
  n3->hp->Letter = QLatin1Char(' ');  // an atom not copied yet
  EXPECT_EQ(texts().mid(3), QStringList({"n3|n3 1", "4|4 0"}));
}

TEST_F(ListsBuild, StackRowsShowAddressLabelsAndNilAsTheLanguageWritesIt) {
  view_.Build(QStringLiteral("(a,(b,c),((d)))"));
  const TListsNode* n1 = view_.Root();
  const TListsNode* n2 = n1->tp.get();
  UseCLanguage = false;
  EXPECT_EQ(TDLStkData(0, n1, 0, n2, 0).GetText(), QStringLiteral("0     n1    0  n2    0"));
  EXPECT_EQ(TCLStkData(0, nullptr, nullptr).GetText(), QStringLiteral("0    NIL  NIL"));
  UseCLanguage = true;
  EXPECT_EQ(TDLStkData(8, n2->hp->hp.get(), 0, nullptr, 0).GetText(), QStringLiteral("8     b4    0  NULL  0"));
  EXPECT_EQ(TCLStkData(0, nullptr, nullptr).GetText(), QStringLiteral("0   NULL NULL"));
  UseCLanguage = false;
}

TEST(InputListsDlg, OKFollowsTheSyntaxOfATypedListOnly) {
  TInputListsDlg dlg;
  dlg.SelectChoice(TInputListsDlg::ChoiceCount);
  dlg.Edit1->setText(QStringLiteral("(a,(b)"));
  EXPECT_FALSE(dlg.OKBtn->isEnabled()) << "an unclosed list was accepted";
  dlg.Edit1->setText(QStringLiteral("(a, (b))"));
  EXPECT_TRUE(dlg.OKBtn->isEnabled());
  dlg.Edit1->setText(QString());
  EXPECT_FALSE(dlg.OKBtn->isEnabled()) << "an empty text was accepted";
  dlg.SelectChoice(2);
  EXPECT_TRUE(dlg.OKBtn->isEnabled()) << "a prepared list needs no typing";
  dlg.SelectChoice(TInputListsDlg::ChoiceCount);
  dlg.Edit1->setText(QStringLiteral("(甲)"));
  EXPECT_TRUE(dlg.OKBtn->isEnabled()) << "pressing it must be able to say why the text is refused";
}

// On a large screen the dialog grows: the marker still stands beside the chosen list.
TEST(InputListsDlg, TheMarkerStandsBesideTheChoiceOnALargeScreen) {
  screen::SetFixedSize(QSize(1920, 1080));
  TInputListsDlg dlg;
  FitToScreen(dlg);
  dlg.show();
  dlg.SelectChoice(4);
  const TChoiceLabel* chosen = dlg.Choices[3];
  EXPECT_LT(std::abs(dlg.Image2->geometry().center().y() - chosen->geometry().center().y()), chosen->height() / 2);
  EXPECT_LT(dlg.Image2->geometry().right(), chosen->x());
  screen::SetFixedSize(QSize(1024, 768));
}

// Two marks on the root at the view's left edge: both callouts stay whole inside the view, apart,
// and both tips point at the root's box.
TEST(ListsMarks, MarksOnANodeAtTheLeftEdgeStayInsideAndPointAtIt) {
  const QRect box(6, 80, 60, 20);
  const QRect area(2, 0, 400, 300);
  const std::vector<TMarkPlace> marks = PlaceMarks({{box, 30}, {box, 24}}, 20, area, {box}, {});
  ASSERT_EQ(marks.size(), 2U);
  EXPECT_FALSE(marks[0].Body.intersects(marks[1].Body)) << "one callout on the other";
  for (const TMarkPlace& m : marks) {
    EXPECT_TRUE(area.contains(m.Body)) << "a callout cut by the view's edge";
    EXPECT_GE(m.Tip.x(), box.left());
    EXPECT_LE(m.Tip.x(), box.right());
    EXPECT_EQ(m.Tip.y(), box.top());
    EXPECT_LT(m.Body.bottom(), box.top());
  }
  const std::vector<TMarkPlace> roomy = PlaceMarks({{QRect(200, 80, 60, 20), 30}}, 20, area, {}, {});
  EXPECT_EQ(roomy[0].Body.right() + 1, 200) << "with room, the first stands right at the node's left";
}

// Three marks on one node beside a node on its left: the callouts keep off that node's label,
// off the link running down past it, and off one another, where the place over the node is free.
TEST(ListsMarks, MarksOnOneNodeKeepOffTheLabelsAndLinksBesideIt) {
  const int u = 20;
  const QRect node(200, 150, 3 * u, u);
  const QRect label(150, 132, 30, 16);       // the left neighbour's label
  const QLine link(QPoint(170, 60), QPoint(170, 132));  // a head link down to that neighbour
  const std::vector<QRect> blocks{node, label};
  const std::vector<TMarkPlace> marks =
      PlaceMarks({{node, 22}, {node, 28}, {node, 22}}, u, QRect(2, 0, 600, 400), blocks, {link});
  ASSERT_EQ(marks.size(), 3U);
  for (std::size_t k = 0; k < marks.size(); ++k) {
    EXPECT_FALSE(marks[k].Body.intersects(label)) << "callout " << k << " on the label";
    EXPECT_FALSE(marks[k].Body.intersects(node)) << "callout " << k << " on its node";
    EXPECT_FALSE(marks[k].Body.contains(QPoint(170, marks[k].Body.center().y()))) << "callout " << k << " on the link";
    for (std::size_t j = 0; j < k; ++j) EXPECT_FALSE(marks[k].Body.intersects(marks[j].Body)) << k << " on " << j;
    const std::array<QPoint, 3> tail = MarkTail(marks[k], u);
    EXPECT_EQ(tail[2], QPoint(node.left() + u / 3, node.top())) << "the tail ends at the tip";
  }
}

// The dual view's grid of 4 x 5 grows for the prepared lists that need more, never shrinks.
TEST_F(ListsBuild, TheGridMakesRoomForEveryPreparedList) {
  for (int i = 0; i + 1 < TInputListsDlg::ChoiceCount; ++i) {
    QString list = QString::fromUtf8(TInputListsDlg::Captions[static_cast<std::size_t>(i)]);
    list.remove(QLatin1Char(' '));
    view_.MakeRoomFor(list, 4, 5);
    EXPECT_TRUE(TLists::Fits(list, view_.Row(), view_.Column())) << list.toStdString();
    EXPECT_GE(view_.Row(), 4);
    EXPECT_GE(view_.Column(), 5);
  }
  EXPECT_EQ(TLists::GridFor(QStringLiteral("((A,(B,(C))),(),(((((D),E)))))")), QSize(6, 7));
  EXPECT_EQ(TLists::GridFor(QStringLiteral("(((A,(B)),C,(D),((E)),F))")), QSize(6, 5));
  EXPECT_EQ(TLists::GridFor(QStringLiteral("()")), QSize(1, 1));
}

// A node's path from the root names the element of the written list it stands for: a head the
// first element, a tail the list of the elements left; a path past an atom or the last element
// names none.
TEST(ListsElement, EachPathNamesTheElementItsNodeStandsFor) {
  const QString list = QStringLiteral("((A),((B),C),D)");
  EXPECT_EQ(ListElementAt(list, QString()), list);
  EXPECT_EQ(ListElementAt(list, QStringLiteral("h")), QStringLiteral("(A)"));
  EXPECT_EQ(ListElementAt(list, QStringLiteral("hh")), QStringLiteral("A"));
  EXPECT_EQ(ListElementAt(list, QStringLiteral("t")), QStringLiteral("(((B),C),D)"));
  EXPECT_EQ(ListElementAt(list, QStringLiteral("th")), QStringLiteral("((B),C)"));
  EXPECT_EQ(ListElementAt(list, QStringLiteral("tth")), QStringLiteral("D"));
  EXPECT_FALSE(ListElementAt(list, QStringLiteral("ttt")));
  EXPECT_FALSE(ListElementAt(list, QStringLiteral("hhh")));
  EXPECT_EQ(ListElementAt(QStringLiteral("((),A)"), QStringLiteral("h")), QStringLiteral("()"));
  EXPECT_FALSE(ListElementAt(QStringLiteral("()"), QStringLiteral("h")));
}

// The fields of the drawn list are held to the written list: a cell per field, reading what the
// element its node stands for says, and nothing for an atom whose letter is not set yet.
TEST_F(ListsBuild, EachFieldStandsForTheElementOfTheWrittenList) {
  view_.Build(QStringLiteral("(A,(),b)"));
  view_.Source = [] { return std::optional<QString>(QStringLiteral("(A,(),b)")); };
  const TListsNode* unset = view_.Root()->tp->tp->hp.get();
  view_.LetterSet = [unset](const TListsNode* atom) { return atom != unset; };
  QStringList shown, expected;
  for (const TDrawnShape& s : view_.DrawingShapes()) {
    if (s.Kind != TDrawnShape::Cell) continue;
    shown << s.Text;
    expected << *s.Stands.front().Value();
  }
  EXPECT_EQ(shown, QStringList({"1", "", "", "0", "A", "1", "^", "", "1", "", "^", "0", "b"}));
  EXPECT_EQ(expected, QStringList({"1", "", "", "0", "A", "1", "^", "", "1", "", "^", "0", ""}))
      << "the letter of an atom not set yet stands for nothing";
}

// A sub too long for one line at a legible size breaks after a comma; the rows keep clear of
// the band the longest one takes, so that the deepest node is not drawn under it.
TEST_F(ListsBuild, ALongSubBreaksAfterACommaAndTheRowsKeepClearOfItsBand) {
  view_.resize(480, 420);
  const QString list = QStringLiteral("(((((((a)))))),((((((b)))))),((((((c)))))),((((((d)))))),((((((e)))))),((((((f)))))))");
  view_.SetRow(8);
  view_.SetColumn(6);
  view_.RoomForListText = QStringLiteral("sub = ") + list.mid(1, list.size() - 2);
  view_.Build(list);
  view_.SetListText(view_.RoomForListText);
  int lowestNode = 0, textTop = view_.height();
  QList<int> lines;
  QString firstLine;
  for (const TDrawnShape& s : view_.DrawingShapes()) {
    if (s.Kind == TDrawnShape::Node) lowestNode = std::max(lowestNode, s.Box.bottom());
    if (s.Kind == TDrawnShape::Cell && s.Text.startsWith(QStringLiteral("sub"))) {
      textTop = s.Box.top();
      firstLine = s.Text;
    }
    if (s.Kind == TDrawnShape::Cell && s.Text.contains(QLatin1Char('(')) && !lines.contains(s.Box.top())) lines << s.Box.top();
  }
  EXPECT_GE(lines.size(), 2) << "the sub takes two lines";
  EXPECT_TRUE(firstLine.endsWith(QLatin1Char(','))) << "the first line breaks after a comma: " << firstLine.toStdString();
  EXPECT_LT(lowestNode, textTop) << "the deepest node stands above the sub";
}
