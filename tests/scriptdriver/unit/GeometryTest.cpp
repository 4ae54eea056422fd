#include "tests/scriptdriver/Geometry.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QRegularExpression>

#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/drawkit/Rect.h"
#include "platform/Pacing.h"
#include "tests/scriptdriver/Texts.h"

using script::DrawingFindings;
using script::Scene;
using script::Shape;
using Kind = TDrawnShape::TKind;

namespace {

// A drawing in one window of 400 x 300, built shape by shape.
struct Drawing {
  Scene scene;
  int Add(Shape s) {
    s.form = "F";
    if (s.room.isNull()) s.room = QRect(0, 0, 400, 300);
    scene.shapes.push_back(std::move(s));
    return static_cast<int>(scene.shapes.size()) - 1;
  }
  int Node(const QString& text, QRect box, bool round = false) {
    return Add({.kind = Kind::Node, .text = text, .box = box, .round = round});
  }
  int Link(int from, int to, QPolygon path) {
    return Add({.kind = Kind::Link, .path = std::move(path), .from = from, .to = to});
  }
  int Label(int link, const QString& text, QRect box) {
    return Add({.kind = Kind::Label, .text = text, .box = box, .of = link});
  }
  int Mark(const QString& caption, int target, QPoint tip) {
    return Add({.kind = Kind::Mark, .text = caption, .box = QRect(tip - QPoint(32, 32), QSize(32, 32)), .tip = tip, .to = target});
  }
  int Named(const QString& name, QRect box) { return Add({.kind = Kind::Node, .text = name, .box = box, .name = name}); }
  QStringList Findings(const script::Variables& variables = {}) const { return DrawingFindings(scene, variables); }
};

std::string Rules(const QStringList& findings) {
  QStringList rules;
  for (const QString& f : findings) rules << f.section(' ', 1, 1);
  return rules.join(' ').toStdString();
}

// The findings of one rule.
QStringList Only(const QStringList& findings, const QString& rule) {
  return findings.filter(QRegularExpression("^wrong " + rule + " "));
}

using script::Variable;
// A run standing in its second call, with p and q of the first call shadowed where the second
// has them.
script::Variables TwoCalls(std::map<std::pair<int, QString>, Variable> values) {
  return {.running = true, .calls = 2, .values = std::move(values)};
}

}  // namespace

TEST(CheckDrawing, OverlapTwoNodesOnOnePlaceButNotNeighboursTouchingOrCirclesDiagonallyApart) {
  Drawing d;
  d.Node("86 87", QRect(229, 40, 60, 20));
  d.Node("89 90", QRect(233, 40, 60, 20));
  d.Node("A", QRect(10, 100, 40, 40));
  d.Node("B", QRect(49, 100, 40, 40));  // shares a one-pixel column with A
  d.Node("C", QRect(10, 200, 40, 40), true);
  d.Node("D", QRect(44, 234, 40, 40), true);  // the boxes meet in a corner, the circles do not
  const QStringList f = d.Findings();
  ASSERT_EQ(f.size(), 1) << f.join('\n').toStdString();
  EXPECT_EQ(f[0].section(" -- ", 0, 0),
            "wrong overlap node F \"86 87\" 229 40 60 20 / node F \"89 90\" 233 40 60 20");
}

TEST(CheckDrawing, OutsideANodeMarkOrLabelCutByItsWindow) {
  Drawing d;
  d.Node("in", QRect(10, 10, 40, 40));
  d.Node("cut", QRect(380, 10, 40, 40));
  d.Mark("p", -1, QPoint(60, 20));  // head from (28, -12)
  const QStringList f = Only(d.Findings(), "outside");
  EXPECT_EQ(Rules(f), "outside outside");
  EXPECT_TRUE(f[0].contains("\"cut\""));
  EXPECT_TRUE(f[1].startsWith("wrong outside mark F \"p\""));
}

TEST(CheckDrawing, AimTipOnItsNodeWithinTwoPixelsNotBesideItNorInsideAnother) {
  Drawing d;
  const int j = d.Node("J", QRect(100, 100, 40, 40));
  const int m = d.Node("M", QRect(200, 100, 40, 40));
  d.Mark("a", m, QPoint(201, 98));   // two pixels above its corner: on it
  d.Mark("q", m, QPoint(156, 100));  // 44 px left of M, in the gap
  d.Mark("p", m, QPoint(112, 110));  // in J
  (void)j;
  const QStringList f = Only(d.Findings(), "aim");
  ASSERT_EQ(f.size(), 3) << f.join('\n').toStdString();
  EXPECT_TRUE(f[0].startsWith("wrong aim mark F \"q\"") && f[0].endsWith("tip 44 px off its node")) << f[0].toStdString();
  EXPECT_TRUE(f[1].startsWith("wrong aim mark F \"p\"") && f[1].contains("off its node"));
  EXPECT_TRUE(f[2].startsWith("wrong aim mark F \"p\"") && f[2].contains("/ node F \"J\"") &&
              f[2].endsWith("tip inside another node"));
}

TEST(CheckDrawing, AimTipOnACircleIsMeasuredToTheCircleNotItsBox) {
  Drawing d;
  const int v = d.Node("V", QRect(100, 100, 60, 60), true);
  d.Mark("p", v, QPoint(100, 100));        // the box's corner, 12 px from the circle
  d.Mark("q", v, QPoint(109, 109));        // on the rim
  const QStringList f = Only(d.Findings(), "aim");
  ASSERT_EQ(f.size(), 1) << f.join('\n').toStdString();
  EXPECT_TRUE(f[0].startsWith("wrong aim mark F \"p\""));
}

TEST(CheckDrawing, AimAMarkStandingForAVariableNotYetAssignedOrAtAHiddenNode) {
  Drawing d;
  const int a = d.Node("A", QRect(100, 100, 40, 40));
  d.Mark("x", a, QPoint(100, 100));
  d.Mark("p", a, QPoint(120, 100));
  d.Mark("top", a, QPoint(140, 100));
  Shape hidden;
  hidden.kind = Kind::Mark;
  hidden.text = "q";
  hidden.aimsAtHidden = true;
  hidden.tip = QPoint(200, 200);
  hidden.box = QRect(168, 168, 32, 32);
  d.Add(hidden);
  // "top" and "q" are no variables.
  const QStringList f = Only(d.Findings(TwoCalls({{{1, "x"}, {Variable::Unassigned, {}}}, {{1, "p"}, {Variable::Value, "7"}}})),
                             "aim");
  ASSERT_EQ(f.size(), 2) << f.join('\n').toStdString();
  EXPECT_TRUE(f[0].startsWith("wrong aim mark F \"q\"") && f[0].contains("-> (hidden)") &&
              f[0].endsWith("points at a node not shown"));
  EXPECT_TRUE(f[1].startsWith("wrong aim mark F \"x\"") && f[1].endsWith("stands for x, not yet assigned in this call"));
}

TEST(MarkVariables, ACallsOwnVariableShadowsTheGlobalAndACallThatReturnedHasNone) {
  auto vars = TwoCalls({{{0, "ls"}, {Variable::Value, "n1"}},
                        {{1, "ls"}, {Variable::Value, "r5"}},
                        {{script::Variables::GlobalCall, "ls"}, {Variable::Value, "g"}},
                        {{script::Variables::GlobalCall, "T"}, {Variable::Value, "n9"}}});
  EXPECT_EQ(vars.Of({}, " ls ")->text, "r5") << "the innermost call's, by the caption";
  EXPECT_EQ(vars.Of({.Of = "T"}, "root")->text, "n9") << "no local T: the global";
  EXPECT_EQ(vars.Of({.Call = TMarkMeaning::Global, .Of = "ls"}, "")->text, "g");
  EXPECT_EQ(vars.Of({.Call = TMarkMeaning::Depth, .CallDepth = 0}, "ls")->text, "n1");
  EXPECT_EQ(vars.Of({.Call = TMarkMeaning::Depth, .CallDepth = 2}, "ls")->state, Variable::Returned);
  EXPECT_FALSE(vars.Of({}, "k").has_value()) << "no variable of that name: nothing to hold it to";
  EXPECT_EQ(vars.Of({.Value = [] { return std::optional<QString>("r9"); }}, "r[adr[k]]")->text, "r9");
  EXPECT_EQ(vars.Of({.Value = [] { return std::optional<QString>(); }}, "t")->state, Variable::Nil);
  vars.running = false;
  EXPECT_FALSE(vars.Of({}, "ls").has_value()) << "before the first line no mark stands for anything";
}

TEST(CheckDrawing, AimAMarkHeldToWhatItStandsForAtEveryLine) {
  Drawing d;
  const int n1 = d.Named("n1", QRect(20, 100, 40, 30));
  const int n2 = d.Named("n2", QRect(120, 100, 40, 30));
  d.Named("n3", QRect(220, 100, 40, 30));
  auto mark = [&](const QString& caption, int target, QPoint tip, std::optional<TMarkMeaning> means = {}) {
    Shape s{.kind = Kind::Mark, .text = caption, .box = QRect(tip - QPoint(32, 32), QSize(32, 32)), .tip = tip, .to = target};
    s.means = std::move(means);
    return d.Add(std::move(s));
  };
  mark("ls", n2, QPoint(120, 100));                                                   // ls = n1: on the wrong node
  mark("p", n2, QPoint(140, 100));                                                    // p = n2: right
  mark("j", n1, QPoint(20, 100), TMarkMeaning{.NodeName = "n%1", .ZeroNamesNone = true});  // j = 0 names none
  mark("k", n1, QPoint(40, 100), TMarkMeaning{.NodeName = "n%1"});                   // k = 1: right
  mark("s", n2, QPoint(160, 100), TMarkMeaning{.Call = TMarkMeaning::Depth, .CallDepth = 3});  // returned
  mark("q", n1, QPoint(60, 100));                                                     // q = nil
  const int hidden = mark("r", -1, QPoint(0, 0));                                     // r = n3, not shown
  d.scene.shapes[static_cast<std::size_t>(hidden)].shown = false;
  const int spare = mark("t", -1, QPoint(0, 0));                                      // t = nil, rightly hidden
  d.scene.shapes[static_cast<std::size_t>(spare)].shown = false;
  mark("low", n2, QPoint(130, 100));  // low = "n3": a text, not a pointer, names no node
  const QStringList f = Only(d.Findings(TwoCalls({{{1, "ls"}, {Variable::Value, "n1", true}},
                                                  {{1, "p"}, {Variable::Value, "n2", true}},
                                                  {{1, "low"}, {Variable::Value, "n3"}},
                                                  {{1, "j"}, {Variable::Value, "0"}},
                                                  {{1, "k"}, {Variable::Value, "1"}},
                                                  {{1, "s"}, {Variable::Value, "n2", true}},
                                                  {{1, "q"}, {Variable::Nil, {}}},
                                                  {{1, "r"}, {Variable::Value, "n3", true}},
                                                  {{1, "t"}, {Variable::Nil, {}}}})),
                             "aim");
  ASSERT_EQ(f.size(), 5) << f.join('\n').toStdString();
  EXPECT_TRUE(f[0].startsWith("wrong aim mark F \"ls\"") && f[0].endsWith("stands for ls = n1, points at n2 instead of n1"))
      << f[0].toStdString();
  EXPECT_TRUE(f[1].startsWith("wrong aim mark F \"j\"") && f[1].endsWith("names no element now"));
  EXPECT_TRUE(f[2].startsWith("wrong aim mark F \"s\"") && f[2].endsWith("of a call that has returned"));
  EXPECT_TRUE(f[3].startsWith("wrong aim mark F \"q\"") && f[3].endsWith("names no element now"));
  EXPECT_TRUE(f[4].startsWith("wrong aim mark F \"r\"") && f[4].contains(" hidden -- ") &&
              f[4].endsWith("stands for r = n3, which is drawn, and is not shown"));
}

TEST(CheckDrawing, StackedTwoMarksAtOnePlaceButNotFannedOut) {
  Drawing d;
  const int a = d.Node("A", QRect(100, 100, 40, 40));
  const int b = d.Node("B", QRect(250, 100, 40, 40));
  d.Mark("i", a, QPoint(100, 100));
  d.Mark("j", a, QPoint(101, 101));   // one pixel from i: one arrow hides the other
  d.Mark("la", b, QPoint(250, 100));
  d.Mark("p", b, QPoint(250, 116));   // half a mark lower on the same node
  const QStringList f = d.Findings();
  ASSERT_EQ(Rules(f), "stacked") << f.join('\n').toStdString();
  EXPECT_TRUE(f[0].startsWith("wrong stacked mark F \"i\"") && f[0].contains("/ mark F \"j\""));
}

TEST(CheckDrawing, OntoAMarksHeadOnAnotherNodeOrALinkButNotBesideItsOwn) {
  Drawing d;
  const int a = d.Node("A", QRect(20, 100, 40, 40));
  const int b = d.Node("B", QRect(80, 100, 40, 40));
  const int c = d.Node("C", QRect(20, 200, 40, 40));
  d.Link(a, c, QPolygon({QPoint(25, 140), QPoint(25, 200)}));
  d.Link(b, c, QPolygon({QPoint(100, 140), QPoint(100, 170), QPoint(50, 170), QPoint(50, 200)}));
  d.Mark("p", b, QPoint(80, 120));   // head over A's right part
  d.Mark("s", c, QPoint(60, 200));   // head over the link from B, tip on C's right corner
  d.Mark("q", a, QPoint(20, 100));   // above and left of A: clear
  const QStringList f = Only(d.Findings(), "onto");
  ASSERT_EQ(f.size(), 2) << f.join('\n').toStdString();
  EXPECT_TRUE(f[0].startsWith("wrong onto mark F \"p\"") && f[0].contains("/ node F \"A\"") &&
              f[0].endsWith("lies on a node not its own"));
  EXPECT_TRUE(f[1].startsWith("wrong onto mark F \"s\"") && f[1].endsWith("lies on a link"));
}

TEST(CheckDrawing, NameTwoNodesOfOneDrawingWithOneName) {
  Drawing d;
  d.Named("n1", QRect(20, 20, 40, 30));
  d.Named("n8", QRect(100, 20, 40, 30));
  d.Named("n8", QRect(200, 20, 40, 30));
  d.Node("J", QRect(20, 100, 40, 30));  // nodes without names are not compared
  d.Node("K", QRect(100, 100, 40, 30));
  // The original and its copy, two lists side by side, each a panel of its own.
  QWidget window;
  auto* original = new QWidget(&window);
  auto* copy = new QWidget(&window);
  for (QWidget* panel : {original, copy})
    for (const char* name : {"A3", "B4"}) {
      const int n = d.Named(name, QRect(panel == original ? 20 : 200, QString(name) == "A3" ? 200 : 240, 40, 30));
      d.scene.shapes[static_cast<std::size_t>(n)].owner = panel;
    }
  const QStringList f = d.Findings();
  ASSERT_EQ(Rules(f), "name") << f.join('\n').toStdString();
  EXPECT_TRUE(f[0].endsWith("two nodes named n8"));
}

TEST(CheckDrawing, ThroughALinkCrossingAThirdNodeButNotItsOwnEnds) {
  Drawing d;
  const int head = d.Node("head", QRect(10, 10, 40, 30));
  const int a = d.Node("A", QRect(100, 60, 40, 30));
  const int x = d.Node("X", QRect(160, 120, 40, 30));
  d.Link(x, head, QPolygon({QPoint(180, 120), QPoint(30, 40)}));  // straight across A's box
  d.Link(a, x, QPolygon({QPoint(120, 75), QPoint(180, 120)}));    // from A's centre: its own end
  // Routed around A: down the gap, then up into the head's corner.
  d.Link(x, head, QPolygon({QPoint(160, 150), QPoint(60, 150), QPoint(60, 40), QPoint(50, 40)}));
  const QStringList f = d.Findings();
  ASSERT_EQ(f.size(), 1) << f.join('\n').toStdString();
  EXPECT_EQ(f[0], "wrong through link F \"X>head\" 180,120 30,40 / node F \"A\" 100 60 40 30 -- passes through a node");
}

TEST(CheckDrawing, ThroughTwoLinksAlongOneLineButNotLinksThatOnlyMeetOrCross) {
  Drawing d;
  const int head = d.Node("head", QRect(10, 20, 40, 30));
  const int v = d.Node("V", QRect(300, 20, 40, 30));
  const int w = d.Node("W", QRect(300, 200, 40, 30));
  d.Link(head, v, QPolygon({QPoint(50, 38), QPoint(300, 38)}));
  d.Link(v, head, QPolygon({QPoint(300, 37), QPoint(50, 37)}));  // one pixel above, the other way
  d.Link(head, w, QPolygon({QPoint(50, 45), QPoint(300, 215)}));  // leaves the head beside them
  d.Link(v, w, QPolygon({QPoint(320, 50), QPoint(320, 200)}));
  const QStringList f = d.Findings();
  ASSERT_EQ(f.size(), 1) << f.join('\n').toStdString();
  EXPECT_TRUE(f[0].startsWith("wrong through link F \"head>V\""));
  EXPECT_TRUE(f[0].endsWith("two links run along one another for 250 px"));
}

TEST(CheckDrawing, LabelNearerAnotherLineOrOnANodeButNotOnItsOwnLine) {
  Drawing d;
  const int a = d.Node("A", QRect(0, 100, 30, 30), true);
  const int b = d.Node("B", QRect(300, 100, 30, 30), true);
  const int c = d.Node("C", QRect(150, 0, 30, 30), true);
  const int d2 = d.Node("D", QRect(150, 250, 30, 30), true);
  const int ab = d.Link(a, b, QPolygon({QPoint(30, 115), QPoint(300, 115)}));
  const int cd = d.Link(c, d2, QPolygon({QPoint(165, 30), QPoint(165, 250)}));
  d.Label(ab, "639", QRect(60, 105, 24, 14));   // on its own line, clear of the other
  d.Label(cd, "564", QRect(170, 106, 24, 14));  // beside its own line, but the other passes under it
  d.Label(ab, "933", QRect(20, 95, 24, 14));    // on A's rim
  const QStringList f = d.Findings();
  EXPECT_EQ(Rules(f), "label label") << f.join('\n').toStdString();
  ASSERT_EQ(f.size(), 2);
  EXPECT_TRUE(f[0].startsWith("wrong label label F \"564\"") && f[0].endsWith("nearer another line than its own"));
  EXPECT_TRUE(f[1].startsWith("wrong label label F \"933\"") && f[1].endsWith("lies on a node"));
}

// Codes under leaves and in a row below the tree: each is read as the code of the leaf whose
// column it stands in; a leaf high above in the same column does not claim a code that stands
// right under a lower one.
TEST(CheckDrawing, LabelOfANodeInItsColumnNotNearerNorAsNearAnother) {
  Drawing d;
  const int root = d.Node("7", QRect(100, 10, 40, 30));  // right above leaf 4's column
  const int leaf3 = d.Node("3", QRect(20, 100, 40, 40), true);
  const int leaf4 = d.Node("4", QRect(100, 100, 40, 40), true);
  (void)root;
  auto code = [&](int leaf, const QString& text, QRect box) {
    return d.Add({.kind = Kind::Label, .text = text, .box = box, .ofNode = leaf, .inColumn = true});
  };
  code(leaf4, "0", QRect(114, 145, 12, 14));   // under its leaf: the root is as far across, but higher
  code(leaf3, "11", QRect(32, 260, 16, 14));   // in the row below, in its own column
  code(leaf4, "10", QRect(28, 260, 16, 14));   // in the row below, in leaf 3's column
  code(leaf3, "111", QRect(70, 145, 20, 14));  // halfway between the two leaves
  const QStringList f = Only(d.Findings(), "label");
  ASSERT_EQ(f.size(), 2) << f.join('\n').toStdString();
  EXPECT_EQ(f[0], "wrong label label F \"10\" 28 260 16 14 of node \"4\" / node F \"3\" 20 100 40 40 round -- "
                  "nearer another node than its own");
  EXPECT_TRUE(f[1].startsWith("wrong label label F \"111\"") && f[1].contains("/ node F \"4\"") &&
              f[1].endsWith("as near another node as its own"));
}

// A mark that stands for a node itself (the root of a tree whose nodes have no names): held to
// that node, hidden when it stands for none, shown when the node is drawn.
TEST(CheckDrawing, AimAMarkHeldToTheNodeItStandsFor) {
  Drawing d;
  QWidget oldRoot, newRoot;
  const int c = d.Add({.kind = Kind::Node, .text = "C", .box = QRect(200, 100, 40, 40), .owner = &oldRoot});
  const int b = d.Add({.kind = Kind::Node, .text = "B", .box = QRect(100, 50, 40, 40), .owner = &newRoot});
  const QWidget* root = &newRoot;
  auto mark = [&](const QString& caption, int target, QPoint tip, bool shown) {
    Shape s{.kind = Kind::Mark, .text = caption, .box = QRect(tip - QPoint(32, 32), QSize(32, 32)), .tip = tip, .to = target};
    s.means = TMarkMeaning{.Node = [&] { return TShapeRef{root}; }};
    s.shown = shown;
    return d.Add(std::move(s));
  };
  mark("t", c, QPoint(200, 100), true);   // left on the old root
  mark("t", b, QPoint(100, 50), true);    // on the root
  const script::Variables running{.running = true, .calls = 1};
  QStringList f = Only(d.Findings(running), "aim");
  ASSERT_EQ(f.size(), 1) << f.join('\n').toStdString();
  EXPECT_TRUE(f[0].startsWith("wrong aim mark F \"t\" 168 68") && f[0].endsWith("stands for t, points at \"C\" instead of \"B\""));

  d.scene.shapes.resize(static_cast<std::size_t>(b) + 1);
  mark("t", -1, QPoint(0, 0), false);  // hidden while the root is drawn
  f = Only(d.Findings(running), "aim");
  ASSERT_EQ(f.size(), 1) << f.join('\n').toStdString();
  EXPECT_TRUE(f[0].endsWith("stands for t = \"B\", which is drawn, and is not shown"));

  root = nullptr;  // an empty tree: no mark, hidden or not, is wrong; a shown one is
  EXPECT_TRUE(Only(d.Findings(running), "aim").isEmpty());
  d.scene.shapes.back().shown = true;
  EXPECT_TRUE(Only(d.Findings(running), "aim").join('\n').endsWith("stands for t, which names no element now"));
}

// A round node is its circle, not its box: a weight in the box's corner, clear of the rim, is
// not on the node; one whose corner dips two pixels into the rim is.
TEST(CheckDrawing, LabelByARoundNodesRimIsOnItOnlyInsideTheCircle) {
  Drawing d;
  const int a = d.Node("A", QRect(0, 140, 20, 20), true);
  const int b = d.Node("B", QRect(380, 140, 20, 20), true);
  d.Node("C", QRect(100, 100, 40, 40), true);  // its rim passes (134, 134)
  const int ab = d.Link(a, b, QPolygon({QPoint(20, 150), QPoint(380, 150)}));
  d.Label(ab, "933", QRect(136, 136, 24, 14));  // its corner 2.6 px clear of the rim
  EXPECT_TRUE(d.Findings().isEmpty()) << d.Findings().join('\n').toStdString();
  d.Label(ab, "564", QRect(132, 132, 24, 18));  // its corner 3 px inside the rim
  const QStringList f = d.Findings();
  ASSERT_EQ(f.size(), 1) << f.join('\n').toStdString();
  EXPECT_TRUE(f[0].startsWith("wrong label label F \"564\"") && f[0].endsWith("lies on a node")) << f[0].toStdString();
}

TEST(CheckDrawing, CoveredANodeUnderAWindowOpenOverTheDrawing) {
  Drawing d;
  d.Node("54-63", QRect(20, 200, 80, 30));
  d.Node("0-9", QRect(20, 20, 80, 30));
  d.scene.covers.push_back({0, "F", "请输入需回收内存块的首地址", QRect(0, 180, 200, 100)});
  const QStringList f = d.Findings();
  ASSERT_EQ(f.size(), 1);
  EXPECT_EQ(f[0].section(" -- ", 0, 0),
            "wrong covered node F \"54-63\" 20 200 80 30 / window \"请输入需回收内存块的首地址\" 0 180 200 100 over F");
}

TEST(PrintShapes, ANodeControlAndAPointerOnItAreGatheredInTheirWindowsPixels) {
  TGraphForm form;
  form.setObjectName("Form");
  form.setGeometry(0, 0, 400, 300);
  auto* node = new TRectbase(&form);
  node->setGeometry(100, 80, 40, 30);
  node->SetCaptionText("20,20,M");
  auto* p = new TPointer2(&form);
  p->SetCaption("q");
  p->SetTarget(node);
  form.show();
  pacing::ProcessMessages();
  const Scene scene = script::GatherShapes(script::ScreenWindows());
  ASSERT_EQ(scene.shapes.size(), 2u);
  EXPECT_EQ(scene.shapes[0].Line(scene.shapes), "node Form \"M\" 100 80 40 30");
  EXPECT_EQ(scene.shapes[1].Line(scene.shapes).section(' ', 0, 2), "mark Form \"q\"");
  EXPECT_EQ(scene.shapes[1].tip, QPoint(100, 80)) << "the head's point on the node's corner";
  EXPECT_EQ(scene.shapes[1].to, 0);
  EXPECT_TRUE(DrawingFindings(scene).isEmpty());

  node->hide();
  pacing::ProcessMessages();
  const Scene hidden = script::GatherShapes(script::ScreenWindows());
  ASSERT_EQ(hidden.shapes.size(), 1u);
  EXPECT_TRUE(hidden.shapes[0].aimsAtHidden) << "a pointer left on a node that is gone";

  node->show();
  p->hide();
  pacing::ProcessMessages();
  const Scene unshown = script::GatherShapes(script::ScreenWindows());
  ASSERT_EQ(unshown.shapes.size(), 2u) << "a hidden pointer is still the variable's mark";
  EXPECT_FALSE(unshown.shapes[1].shown);
  ASSERT_TRUE(unshown.shapes[1].means.has_value());
  EXPECT_TRUE(unshown.shapes[1].means->Of.isEmpty()) << "by default it stands for its caption's variable";
  EXPECT_TRUE(DrawingFindings(unshown).isEmpty()) << "a hidden mark has no geometry to check";
}

TEST(PendingRules, OnlyTheListedRulesOfTheListedDemonstrationPass) {
  const auto pending = script::ParsePending(
      "# not kept yet\n"
      "ThrdInDel onto  stacked   # marks on the thread links\n"
      "\n"
      "Huffman\n");
  ASSERT_EQ(pending.size(), 2u);
  const QString onto = "wrong onto mark F \"p\" 0 0 32 32 tip 32 32 -> \"A\" -- the mark's head lies on a link";
  EXPECT_TRUE(script::IsPending(pending, "thrdindel", onto)) << "the name as start gave it, in any letter case";
  EXPECT_FALSE(script::IsPending(pending, "ThrdInDel", "wrong aim mark F \"p\" -- tip 9 px off its node"));
  EXPECT_FALSE(script::IsPending(pending, "ThrdTravel", onto));
  EXPECT_FALSE(script::IsPending(pending, "Huffman", onto)) << "a line without rules is the sweep's alone";
  EXPECT_FALSE(script::IsPending(pending, "ThrdInDel", "illegible size glyphs F \"onto\" 0 0 9 9 9 #000000 #ffffff"));
}

TEST(PendingRules, ALegibilityRuleOrOneOnlyAfterAResize) {
  const auto pending = script::ParsePending(
      "HeapSort resized outside size\n"
      "Bank contrast\n");
  ASSERT_EQ(pending.size(), 2u);
  const QString outside = "wrong outside node F \"N blue\" 70 62 12 82 -- not wholly inside its window";
  const QString small = "illegible size glyphs F \"A\" 30 407 4 5 6 #000000 #008000";
  EXPECT_FALSE(script::IsPending(pending, "HeapSort", outside)) << "in a window never resized it still fails";
  EXPECT_TRUE(script::IsPending(pending, "HeapSort", outside, true));
  EXPECT_TRUE(script::IsPending(pending, "HeapSort", small, true)) << "a legibility rule is named as a drawing rule";
  EXPECT_FALSE(script::IsPending(pending, "HeapSort", "wrong overlap node F \"A\" -- two nodes", true));
  EXPECT_TRUE(script::IsPending(pending, "Bank", "illegible contrast glyphs F \"x\" 0 0 9 9 13 #808080 #c2daf1"));
}

namespace {

Shape Cell(const QString& glyphs, std::vector<TValueMeaning> stands, const QString& note = {}) {
  return {.kind = Kind::Cell, .text = glyphs, .glyphs = glyphs, .note = note, .box = QRect(10, 10, 20, 20),
          .stands = std::move(stands)};
}

}  // namespace

TEST(CheckDrawing, ValueATextOrNoteHeldToTheValuesItStandsFor) {
  Drawing d;
  d.Add(Cell("c", {{.Of = {"v.elem[2]"}}}));                          // right
  d.Add(Cell("d", {{.Of = {"v.elem[3]"}}}));                          // the next element's letter
  d.Add(Cell("i: 3", {{.Of = {"i"}, .Shows = "i:%1"}}));              // blanks do not count
  d.Add(Cell("i:2", {{.Of = {"i"}, .Shows = "i:%1"}}));               // one step stale
  d.Add(Cell("7", {{.Of = {"k"}}}));                                  // k not yet assigned: not held
  d.Add(Cell("", {{.Of = {"tag"}, .Map = [](const QStringList& v) { return std::optional<QString>(v[0] == "1" ? "used" : "free"); },
                   .Part = TValueMeaning::InNote}}, "free"));          // the colour that means free on a used block
  d.Add(Cell("J", {{.Value = [] { return std::optional<QString>("J"); }}}));
  d.Add(Cell("x", {{.Of = {"v.elem[9]"}}}));                          // names nothing
  Shape hidden = Cell("z", {{.Of = {"v.elem[2]"}}});
  hidden.shown = false;
  d.Add(hidden);
  script::Variables vars = TwoCalls({{{1, "v.elem[2]"}, {Variable::Value, "c"}},
                                     {{1, "v.elem[3]"}, {Variable::Value, "e"}},
                                     {{1, "i"}, {Variable::Value, "3"}},
                                     {{1, "k"}, {Variable::Unassigned, {}}},
                                     {{script::Variables::GlobalCall, "tag"}, {Variable::Value, "1"}}});
  const QStringList f = Only(d.Findings(vars), "value");
  ASSERT_EQ(f.size(), 4) << f.join('\n').toStdString();
  EXPECT_TRUE(f[0].startsWith("wrong value cell F \"d\"") && f[0].endsWith("its text reads \"d\" where v.elem[3] = e says \"e\""))
      << f[0].toStdString();
  EXPECT_TRUE(f[1].startsWith("wrong value cell F \"i:2\"") && f[1].endsWith("says \"i:3\""));
  EXPECT_TRUE(f[2].endsWith("its note reads \"free\" where tag = 1 says \"used\"")) << f[2].toStdString();
  EXPECT_TRUE(f[3].endsWith("its text stands for v.elem[9], which names no value"));
  vars.running = false;
  EXPECT_TRUE(Only(d.Findings(vars), "value").isEmpty()) << "before the first line nothing stands for a value";
}

TEST(CheckDrawing, ValueShownLateOnPurposeIsHeldToTheValueOfLinesBefore) {
  Drawing d;
  d.Add(Cell("4", {{.Of = {"r[1]"}, .Lag = 1}}));
  int asked = -1;
  script::Variables vars{.running = true, .calls = 1};
  vars.read = [&](const TValueMeaning& m, const QString& path) -> std::optional<Variable> {
    asked = m.Lag;
    return path == "r[1]" ? std::optional<Variable>({Variable::Value, m.Lag == 1 ? "4" : "5"}) : std::nullopt;
  };
  EXPECT_TRUE(Only(d.Findings(vars), "value").isEmpty());
  EXPECT_EQ(asked, 1) << "the driver is asked for the value one line before";
}
