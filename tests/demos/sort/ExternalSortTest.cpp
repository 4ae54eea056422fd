#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTextBlock>

#include "demos/sort/ExternalForms.h"
#include "demos/sort/LoserTree.h"
#include "demos/sort/MergeSort.h"
#include "demos/sort/ReplaceSelection.h"
#include "framework/engine/BasicData.h"
#include "platform/Random.h"
#include "tests/demos/stacks/AloneRun.h"

namespace {

QString LastLine(QPlainTextEdit& memo) { return memo.document()->lastBlock().text(); }

QString Values(const TData* vector) {
  QStringList values;
  for (int i = 0; i < vector->Count(); ++i) values << vector->Items(i)->GetText();
  return values.join(',');
}

template <class T>
class ExternalRun : public AloneRun<T> {
 protected:
  // Traces until procedure proc is about to run the line labelled label, or the end.
  void RunUntil(const QString& proc, const QString& label) {
    T& demo = *this->demo_;
    do demo.TraceInto();
    while (demo.CurLine() != nullptr &&
           !(demo.CurProc()->Name() == proc && demo.CurLine()->Label() == label));
  }
  void RunToEnd() { RunUntil(QString(), QString()); }
  int GlobalInt(const char* name) const {
    return static_cast<TIntData*>(this->demo_->Globals()->FindByName(QString::fromLatin1(name)))->Value();
  }
  QString GlobalText(const char* name) const {
    return Values(this->demo_->Globals()->FindByName(QString::fromLatin1(name)));
  }
};

using MergeRun = ExternalRun<TMergeSort>;
using RepSelRun = ExternalRun<TReplaceSelection>;

}  // namespace

TEST(LoserTreeLayout, FiveLeavesTakeEightColumnsAndFiveRows) {
  TLoserLayout l;
  l.Compute(400, 300, 4, TLoserLayout::Loser);
  EXPECT_EQ(l.Rows, 5);
  EXPECT_EQ(l.Cols, 8);
  EXPECT_EQ(l.NodeWidth, 20);
  EXPECT_EQ(l.NodeHeight, 41) << "30 leaves a label of 10 pixels: the node grows to hold 13";
  EXPECT_EQ(l.Row, 47) << "the levels spread to keep a link visible between the grown nodes";
  for (int pos : {5, 6, 7}) EXPECT_EQ(l.Y(pos), 152) << "b[0..2] sit one level above b[3], b[4]";
  EXPECT_EQ(l.Y(8), 199);
  EXPECT_EQ(l.Y(9), 199);
  EXPECT_EQ(l.X[8], 15) << "b[3] is the first of the bottom row";
  EXPECT_EQ(l.X[10], 300) << "the sentinel stands at three quarters of the width";
}

// Sixteen leaves, the replacement selection's tree at 1024 x 768 and at 1920 x 1080: every
// label fits its box at a size that reads, and no two boxes of a row touch.
TEST(LoserTreeLayout, SixteenLeavesKeepTheirLabelsInsideTheirBoxes) {
  for (const QSize size : {QSize(612, 410), QSize(1150, 620)}) {
    TLoserLayout l;
    l.Compute(size.width(), size.height(), 15, TLoserLayout::RepSel);
    EXPECT_GE(l.LabelFont, TLoserLayout::LeastFont);
    const TFont font{.Name = QStringLiteral("Arial"), .Height = -l.LabelFont};
    for (int p = 0; p <= 31; ++p) {
      const QString label = p <= 15 ? QStringLiteral("ls[%1]").arg(p) : QStringLiteral("b[%1]").arg(p - 16);
      const int room = p <= 15 ? l.W[p] * 80 / 100 : l.W[p];
      EXPECT_LT(font.TextWidth(label), room) << label.toStdString() << " spills out at " << size.width();
      if (p > 16 && TLoserLayout::TreeDepth(p) == TLoserLayout::TreeDepth(p - 1)) {
        EXPECT_LT(l.Left(p - 1) + l.W[p - 1], l.Left(p)) << label.toStdString() << " touches its neighbour";
      }
    }
  }
}

// The largest trees at 1024 x 768, 1366 x 768 and 1920 x 1080 (the k-way merge's eight runs
// of eight keys, the replacement selection's work area of sixteen): labels and values at a
// size that reads, levels apart, and every link leaving its node beside the value above it.
TEST(LoserTreeLayout, LargestTreesReadAndTheirLinksPassBesideTheValues) {
  struct Case {
    QSize size;
    int least;
    int n;
    TLoserLayout::Kind kind;
    int keysUnder;
  };
  for (const Case c : {Case{{612, 510}, 13, 7, TLoserLayout::Loser, 9}, Case{{817, 479}, 13, 7, TLoserLayout::Loser, 9},
                       Case{{1150, 678}, 18, 7, TLoserLayout::Loser, 9}, Case{{612, 410}, 13, 15, TLoserLayout::RepSel, 1},
                       Case{{817, 372}, 13, 15, TLoserLayout::RepSel, 1},
                       Case{{1150, 614}, 17, 15, TLoserLayout::RepSel, 1}}) {
    TLoserLayout l;
    l.Compute(c.size.width(), c.size.height(), c.n, c.kind, c.least, c.keysUnder, TLoserLayout::FloorOf(c.least));
    const std::string at = std::to_string(c.size.width()) + " x " + std::to_string(c.size.height());
    EXPECT_GE(l.LabelFont, c.least) << at;
    EXPECT_GE(l.ValueFont, c.least) << at;
    const TFont value{.Name = QStringLiteral("Arial"), .Height = -l.ValueFont};
    EXPECT_GE(l.ValueBand, value.TextHeight(QStringLiteral("999"))) << at << ": a value taller than its band";
    EXPECT_GT(l.Row, l.NodeHeight) << at << ": the levels touch";
    EXPECT_GE(l.KeySide, value.TextHeight(QStringLiteral("999")) + 2) << at << ": keys under the leaves too low";
    const int bottom = l.Y(2 * c.n + 1) + l.NodeHeight + (c.kind == TLoserLayout::Loser ? l.NodeHeight / 2 : 0);
    EXPECT_LE(bottom + c.keysUnder * l.KeySide, c.size.height()) << at << ": keys under the leaves cut off";
    const int width = value.TextWidth(QStringLiteral("999"));
    for (int p = 1; p <= 2 * c.n + 1; ++p) {
      const TRect box = l.ValueRect(p, l.Y(p), width, value.TextHeight(QStringLiteral("999")));
      for (const int toward : {l.Mid(p) - 1, l.Mid(p) + 1}) {
        const TPoint start = l.LinkStart(p, l.Y(p), toward, p <= c.n);
        EXPECT_TRUE(start.x() < box.Left - 2 || start.x() > box.Right + 1)
            << at << ": the link of position " << p << " leaves under its value";
        EXPECT_GE(start.y(), box.Bottom) << at << ": the link of position " << p << " starts in its value's band";
      }
    }
  }
}

TEST(LoserTreeLayout, OneLeafStandsUnderTheRoot) {
  TLoserLayout l;
  l.Compute(400, 300, 0, TLoserLayout::Loser);
  EXPECT_EQ(l.Rows, 2);
  EXPECT_EQ(l.Cols, 1);
  EXPECT_EQ(l.X[0], 175);
  EXPECT_EQ(l.X[1], 175);
  EXPECT_LT(l.Y(0), l.Y(1));
}

// The k-way merge's tree at 1024 x 768 with four runs of three keys and with eight runs of
// eight: every key of every run, and the closing 999, stands in its column inside the tree.
TEST(LoserTreeControl, RunColumnsShowEveryKeyOfTheirRun) {
  for (const int k : {4, 8}) {
    TMovingLsTree tree;
    tree.resize(612, 510);
    tree.SetLastIndex(k - 1);
    tree.ShowRuns = true;
    const int keys = k == 4 ? 3 : 8;
    for (int j = 0; j < k; ++j) {
      TLsRunRec run;
      for (int i = 0; i < keys; ++i) run.Keys[static_cast<std::size_t>(i)] = 100 * j + i + 1;
      run.Keys[static_cast<std::size_t>(keys)] = 999;
      run.LastKey = keys;
      tree.SetRun(j, run);
    }
    const TLoserLayout l = tree.Layout();
    for (int j = 0; j < k; ++j) {
      for (int i = 0; i <= keys; ++i) {
        const TRect box = tree.ColumnBox(l, j, i);
        EXPECT_GT(box.Height(), 0) << "run " << j << " of " << k << " loses key " << i;
        EXPECT_LE(box.Bottom, tree.height());
        EXPECT_GE(box.Height(), 18) << "keys too small to read";
      }
    }
  }
}

namespace {

// The arrows among a tree's shapes: the links after the 2n + 1 of the tree itself.
std::vector<TDrawnShape> Arrows(const TLoserTree& tree) {
  std::vector<TDrawnShape> out;
  int links = 0;
  for (const TDrawnShape& s : tree.DrawingShapes())
    if (s.Kind == TDrawnShape::Link && ++links > 2 * tree.LastIndex() + 1) out.push_back(s);
  return out;
}

}  // namespace

// The tree says what it draws: k ls ellipses, k leaf boxes, the 2k - 1 links of the tree, and
// an arrow from every ls record to the leaf it names, coming down over the leaf's key.
TEST(LoserTreeShapes, EveryLsRecordPointsAtItsLeaf) {
  TMovingLsTree tree;
  tree.resize(612, 510);
  tree.SetLastIndex(7);
  const int named[8] = {5, 2, 1, 6, 0, 3, 4, 7};
  for (int i = 0; i < 8; ++i) tree.SetNode(i, TLsNodeRec{named[i], i, true, false});
  const std::vector<TDrawnShape> shapes = tree.DrawingShapes();
  int round = 0, boxes = 0;
  for (const TDrawnShape& s : shapes) {
    round += s.Kind == TDrawnShape::Node && s.Round;
    boxes += s.Kind == TDrawnShape::Node && !s.Round;
  }
  EXPECT_EQ(round, 8);
  EXPECT_EQ(boxes, 8);
  const std::vector<TDrawnShape> arrows = Arrows(tree);
  ASSERT_EQ(arrows.size(), 8u);
  for (const TDrawnShape& arrow : arrows) {
    const int leaf = tree.Leaf(named[arrow.From.Index]);
    EXPECT_EQ(arrow.To.Index, leaf) << "ls[" << arrow.From.Index << "] points at the wrong leaf";
    const QRect box = shapes[static_cast<std::size_t>(leaf)].Box;
    EXPECT_NEAR(arrow.Path.back().x(), box.center().x(), 1) << "an arrow lands beside its leaf";
    EXPECT_LT(arrow.Path.back().y(), box.top()) << "an arrow stops over the leaf's key";
  }
}

// While a tree is built several ls records may name one leaf, or a leaf outside their own
// subtree (the replacement selection starts all at leaf 0): one arrow goes to the leaf, from
// the lowest record on its path; the others show the number only.
TEST(LoserTreeShapes, ALeafNamedSeveralTimesGetsOneArrow) {
  TRepSelTree tree;
  tree.resize(612, 410);
  tree.SetLastIndex(7);
  for (int i = 0; i < 8; ++i) tree.SetNode(i, TLsNodeRec{0, i, true, false});
  std::vector<TDrawnShape> arrows = Arrows(tree);
  ASSERT_EQ(arrows.size(), 1u);
  EXPECT_EQ(arrows[0].From.Index, 4) << "b[0] hangs under ls[4]";
  tree.SetNode(4, TLsNodeRec{1, 4, true, false});
  arrows = Arrows(tree);
  ASSERT_EQ(arrows.size(), 2u);
  EXPECT_EQ(arrows[0].From.Index, 2) << "ls[2] is now the lowest naming b[0]";
  EXPECT_EQ(arrows[1].From.Index, 4);
}

// In a crowded tree (sixteen leaves in a window made small) the links rise almost straight: they
// meet their parent on either side of the middle, where the arrow to the named leaf leaves it,
// never on it.
TEST(LoserTreeShapes, ArrowsLeaveTheirNodeBetweenItsChildrensLinks) {
  TRepSelTree tree;
  tree.resize(432, 300);
  tree.SetLastIndex(15);
  // The lowest records name their left and right leaves by turns; the others none.
  for (int i = 8; i < 16; ++i) tree.SetNode(i, TLsNodeRec{2 * (i - 8) + i % 2, i, true, false});
  std::vector<TDrawnShape> links;  // the tree's own, child to parent
  for (const TDrawnShape& s : tree.DrawingShapes())
    if (s.Kind == TDrawnShape::Link && links.size() < 31) links.push_back(s);
  const std::vector<TDrawnShape> arrows = Arrows(tree);
  ASSERT_EQ(arrows.size(), 8u);
  for (const TDrawnShape& arrow : arrows) {
    const int i = arrow.From.Index;
    for (const int child : {2 * i, 2 * i + 1}) {
      const TDrawnShape& link = links[static_cast<std::size_t>(child - 1)];
      const int side = child == 2 * i ? -1 : 1;
      EXPECT_GE(side * (link.Path.back().x() - arrow.Path.front().x()), 3)
          << "the link of b[" << child - 16 << "] meets ls[" << i << "] on its arrow";
    }
  }
}

// The value over each record is its label, as DrawValue writes it (nothing over a blank
// record, the sentinel's MINKEY too), standing for what the demonstration says; a grey leaf
// and a grey run number are noted.
TEST(LoserTreeShapes, ValuesOverTheRecordsAreTheirLabels) {
  TRepSelTree tree;
  tree.resize(612, 410);
  tree.SetLastIndex(1);
  tree.SetNode(0, TLsNodeRec{1, 0, true, false});
  tree.SetNode(tree.Leaf(0), TLsNodeRec{512, tree.Leaf(0), true, false});
  tree.SetNode(tree.Leaf(1), TLsNodeRec{999, tree.Leaf(1), false, false});
  tree.SetRunNumber(1, TLsNodeRec{3, 1, false, false});
  tree.ValueMeans = [](int r) -> std::vector<TValueMeaning> { return {{.Of = {QStringLiteral("v[%1]").arg(r)}}}; };
  std::vector<QString> labels;
  QStringList notes;
  for (const TDrawnShape& s : tree.DrawingShapes()) {
    if (s.Kind == TDrawnShape::Label) {
      labels.push_back(s.Text);
      EXPECT_EQ(s.OfNode.Index, static_cast<int>(labels.size()) - 1) << "a value labels its own record";
      EXPECT_EQ(s.Stands.front().Of.front(), QStringLiteral("v[%1]").arg(labels.size() - 1));
    }
    if (s.Kind == TDrawnShape::Node) notes << s.Note;
  }
  EXPECT_EQ(labels, (std::vector<QString>{QStringLiteral("1"), QString(), QStringLiteral("512"), QStringLiteral("999")}));
  EXPECT_EQ(notes.count(QStringLiteral("grey")), 2) << "the dummy leaf and its run number";
}

TEST(LoserTreeControl, IndexesOutsideTheirRangeChangeNothing) {
  TLoserTree tree;
  tree.SetLastIndex(2);
  tree.SetLastIndex(17);
  EXPECT_EQ(tree.LastIndex(), 2);
  tree.SetNode(7, TLsNodeRec{5, 7, true, false});
  EXPECT_EQ(tree.GetNode(7).Value, -1) << "record 7 is past the sentinel 2n+2 = 6";
  tree.SetRun(3, TLsRunRec{});
  tree.SetNode(6, TLsNodeRec{0, 6, true, true});
  EXPECT_TRUE(tree.GetNode(6).Highlight);
}

TEST(InMemoryFile, WritesUpToCapacityAndReadsToTheEnd) {
  TFile f;
  EXPECT_FALSE(f.Write(1)) << "a closed file takes nothing";
  ASSERT_TRUE(f.Open('w'));
  EXPECT_FALSE(f.Open('r')) << "only a closed file opens";
  for (int i = 0; i < TFile::Capacity; ++i) ASSERT_TRUE(f.Write(i));
  EXPECT_FALSE(f.Write(100));
  EXPECT_EQ(f.Count(), 100);
  f.Close();
  ASSERT_TRUE(f.Open('r'));
  int x = -1;
  for (int i = 0; i < 99; ++i) f.Read(x);
  EXPECT_FALSE(f.Eof());
  ASSERT_TRUE(f.Read(x));
  EXPECT_EQ(x, 99);
  EXPECT_TRUE(f.Eof()) << "end of file right after the last record";
  EXPECT_FALSE(f.Read(x));
  EXPECT_EQ(x, 99);
}

TEST(MergeRunFiles, GeneratedKeysStayClearOfTheSentinelAndTheEndMark) {
  for (int round = 0; round < 1000; ++round) {
    const int m = round % 8 + 1;
    const auto keys = MakeRunFile(m);
    for (int i = 0; i < m; ++i) {
      EXPECT_GE(keys[i], 1);
      EXPECT_LE(keys[i], 998);
      if (i > 0) {
        EXPECT_LE(keys[i - 1], keys[i]) << "runs stay ascending";
      }
    }
    EXPECT_EQ(keys[m], 999);
  }
}

TEST_F(MergeRun, LoserTreeOfThreeRunsAndTheirMerge) {
  StartAlone(QStringLiteral("MergeSort"), false, [](TMergeSort& d) { d.SetRuns({{12, 300}, {7, 8, 900}, {500}}); });
  RunUntil(QStringLiteral("KMerge"), QStringLiteral("While"));
  EXPECT_EQ(GlobalText("ls"), QStringLiteral("1,0,2"));
  EXPECT_EQ(GlobalText("b"), QStringLiteral("12,7,500,-1"));
  RunToEnd();
  EXPECT_EQ(LastLine(*demo_->GraphForm()->OutputMemo), QStringLiteral("    7    8   12  300  500  900  999"));
}

// A run may start at key 0: the sentinel b[k] (MINKEY) lies below it, so building the tree
// leaves no ls record naming the pseudo-leaf, and the 0 is the first key merged.
TEST_F(MergeRun, ARunStartingAtKeyZeroWinsOverTheSentinel) {
  StartAlone(QStringLiteral("MergeSort"), true, [](TMergeSort& d) { d.SetRuns({{5}, {7}, {0, 9}}); });
  RunUntil(QStringLiteral("KMerge"), QStringLiteral("While"));
  EXPECT_EQ(GlobalText("ls"), QStringLiteral("2,0,1")) << "the tree names the three runs, the winner run 2";
  EXPECT_EQ(GlobalText("b"), QStringLiteral("5,7,0,-1"));
  RunToEnd();
  EXPECT_EQ(LastLine(*demo_->GraphForm()->OutputMemo), QStringLiteral("    0    5    7    9  999"));
}

TEST_F(MergeRun, EqualKeysAndASingleRun) {
  StartAlone(QStringLiteral("MergeSort"), true, [](TMergeSort& d) { d.SetRuns({{3}, {3}, {3}}); });
  RunToEnd();
  EXPECT_EQ(LastLine(*demo_->GraphForm()->OutputMemo), QStringLiteral("    3    3    3  999"));
  EXPECT_EQ(GlobalText("b"), QStringLiteral("999,999,999,-1"));
  demo_->SetRuns({{5, 6}});
  demo_->Reset();
  RunToEnd();
  EXPECT_EQ(LastLine(*demo_->GraphForm()->OutputMemo), QStringLiteral("    5    6  999"));
  EXPECT_EQ(GlobalText("ls"), QStringLiteral("0"));
}

namespace {

QString Runs(const std::vector<std::vector<int>>& runs) {
  QString line;
  for (const auto& run : runs) {
    for (int key : run) line += QString::asprintf("%5d", key);
    line += QStringLiteral(" *");
  }
  return line;
}

}  // namespace

TEST_F(RepSelRun, RunsOfAWorkAreaOfFour) {
  const std::vector<int> input{51, 49, 39, 46, 38, 29, 14, 61, 15, 30, 1, 48, 52, 3, 63, 27, 4, 13, 89, 24};
  StartAlone(QStringLiteral("ReplaceSelection"), false, [&](TReplaceSelection& d) { d.SetInput(4, input); });
  RunToEnd();
  EXPECT_EQ(LastLine(*demo_->GraphForm()->OutputMemo),
            Runs({{39, 46, 49, 51, 61}, {14, 15, 29, 30, 38, 48, 52, 63}, {1, 3, 4, 13, 24, 27, 89}}));
  EXPECT_EQ(GlobalInt("rc"), 4);
  EXPECT_EQ(GlobalInt("rmax"), 3);
}

TEST_F(RepSelRun, AscendingInputIsOneRunDescendingInputSeveral) {
  StartAlone(QStringLiteral("ReplaceSelection"), true, [](TReplaceSelection& d) {
    d.SetInput(4, {10, 20, 30, 40, 50, 60, 70, 80, 90, 95});
  });
  RunToEnd();
  EXPECT_EQ(LastLine(*demo_->GraphForm()->OutputMemo), Runs({{10, 20, 30, 40, 50, 60, 70, 80, 90, 95}}));
  demo_->SetInput(4, {95, 90, 80, 70, 60, 50, 40, 30, 20, 10});
  demo_->Reset();
  RunToEnd();
  EXPECT_EQ(LastLine(*demo_->GraphForm()->OutputMemo), Runs({{70, 80, 90, 95}, {30, 40, 50, 60}, {10, 20}}));
}

TEST_F(RepSelRun, InputShorterThanTheWorkAreaIsOneRun) {
  StartAlone(QStringLiteral("ReplaceSelection"), false, [](TReplaceSelection& d) {
    d.SetInput(12, {5, 3, 8, 1, 9, 2, 7, 4, 6, 0});
  });
  RunUntil(QStringLiteral("ReplaceSelection"), QStringLiteral("RcRmax1"));
  EXPECT_TRUE(GlobalText("wa").startsWith(QStringLiteral("(999,2),(999,2),("))) << GlobalText("wa").toStdString();
  RunToEnd();
  EXPECT_EQ(LastLine(*demo_->GraphForm()->OutputMemo), Runs({{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}}));
  EXPECT_EQ(GlobalInt("rc"), 2);
  EXPECT_EQ(GlobalInt("rmax"), 1);
}


