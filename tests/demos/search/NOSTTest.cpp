#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>

#include "demos/search/NOST.h"
#include "demos/search/NOSTFrm.h"
#include "demos/trees/TreeBase.h"
#include "framework/engine/Globals.h"
#include "platform/Forms.h"
#include "platform/Pacing.h"
#include "tests/support/RenderWidget.h"

namespace {

// A table of count keys A, B, ... of one weight each (their sums as FindSw leaves them).
void Fill(TNOSTForm& form, int count, int weight) {
  form.Count = count;
  for (int k = 1; k <= count; ++k) {
    form.Keys[k] = static_cast<char>('A' + k - 1);
    form.Weights[k] = weight;
    form.SW[k] = form.SW[k - 1] + weight;
  }
}

// A marker slides frame by frame, one wait a frame, and lands on its cell; a hidden marker
// comes in from the left; a marker already there does not move.
TEST(NOSTForm, MarkerMovesTakeTheirFrames) {
  TNOSTForm form;
  form.Count = 5;
  for (int k = 1; k <= 5; ++k) form.Keys[k] = static_cast<char>('A' + k - 1);
  EXPECT_EQ(NostMoveFrames(1, 3, 5), 30);
  EXPECT_EQ(NostMoveFrames(3, 1, 5), 30);
  EXPECT_EQ(NostMoveFrames(-1, 1, 5), 30);
  EXPECT_EQ(NostMoveFrames(1, 2, 10), 10);  // 150 / 15

  TNOSTForm::SetMark(form.MarkI, 1);
  pacing::StartRecording();
  form.MoveMarkI(3);
  EXPECT_EQ(pacing::StopRecording().size(), 30u);
  EXPECT_EQ(form.MarkI.Index, 3);
  EXPECT_DOUBLE_EQ(form.MarkI.Pos, 3);

  pacing::StartRecording();
  form.MoveMarkI(3);
  EXPECT_TRUE(pacing::StopRecording().empty());

  pacing::StartRecording();
  form.MoveMarkLow(2);  // hidden until now
  EXPECT_EQ(pacing::StopRecording().size(), static_cast<std::size_t>(NostMoveFrames(-1, 2, 5)));
  EXPECT_EQ(form.MarkLow.Index, 2);
}

// Four-digit weights in a narrow window (ten keys, 1024 x 768): each number wider than its
// column ran into the next one; between two neighbouring numbers a few columns of the
// picture must stay free of their ink.
TEST(NOSTForm, NeighbouringWeightsStayApart) {
  TNOSTForm form;
  form.resize(612, 620);
  Fill(form, 10, 8888);
  const QImage image = RenderWidget(form);
  const double cw = 612 / 15.0;
  const auto inkIn = [&](int x, int top) {
    for (int y = top; y < top + 30; ++y)
      if (qGray(image.pixel(x, y)) < 110) return true;
    return false;
  };
  for (int top : {80, 110}) {
    for (int k = 1; k < 10; ++k) {
      int run = 0, widest = 0;
      for (int x = static_cast<int>(cw * (k + 3.5)); x < static_cast<int>(cw * (k + 4.5)); ++x) {
        run = inkIn(x, top) ? 0 : run + 1;
        widest = std::max(widest, run);
      }
      EXPECT_GE(widest, 4) << "the numbers under keys " << k << " and " << k + 1 << " run together (row at y "
                           << top << ")";
    }
  }
}

// Markers on one key: each label on its own tab above the key (none over its letter, where
// it read as part of the key), the tabs side by side in the order low, i, j, high, each tip
// on the key's top edge; a marker on its way points at no key.
TEST(NOSTForm, MarkerTabsStandSideBySideAboveTheirKey) {
  TNOSTForm form;
  form.resize(612, 620);
  Fill(form, 10, 1);
  TNOSTForm::SetMark(form.MarkLow, 4);
  TNOSTForm::SetMark(form.MarkI, 4);
  TNOSTForm::SetMark(form.MarkJ, 4);
  TNOSTForm::SetMark(form.MarkHigh, 4);
  QRect key;
  std::vector<TDrawnShape> marks;
  for (const TDrawnShape& s : form.DrawingShapes()) {
    if (s.Kind == TDrawnShape::Node && s.Text == QStringLiteral("D")) key = s.Box;
    if (s.Kind == TDrawnShape::Mark) marks.push_back(s);
  }
  ASSERT_EQ(marks.size(), 4u);
  std::sort(marks.begin(), marks.end(), [](const auto& a, const auto& b) { return a.Box.left() < b.Box.left(); });
  QStringList order;
  for (std::size_t n = 0; n < marks.size(); ++n) {
    const TDrawnShape& m = marks[n];
    order << m.Text;
    EXPECT_LT(m.Box.bottom(), key.top()) << m.Text.toStdString();
    EXPECT_GE(m.Box.left(), key.left()) << m.Text.toStdString();
    EXPECT_LE(m.Box.right(), key.right()) << m.Text.toStdString();
    EXPECT_EQ(m.Tip.y(), key.top());
    EXPECT_EQ(m.To.Index, 3);
    if (n > 0) {
      EXPECT_FALSE(m.Box.intersects(marks[n - 1].Box)) << m.Text.toStdString();
    }
  }
  EXPECT_EQ(order.join(' '), QStringLiteral("< i j >"));

  form.MarkHigh.Index = 0;  // on its way from D to E
  form.MarkHigh.Pos = 4.5;
  for (const TDrawnShape& s : form.DrawingShapes())
    if (s.Kind == TDrawnShape::Mark && s.Text == QStringLiteral("high")) {
      EXPECT_EQ(s.To.Control, nullptr);
    }
}

// The table in a window of the design's size keeps the design's places; in a narrow, low one
// (a teacher's smallest window, ten keys, four-digit sums) its labels shrink to what reads, the
// columns share the rest wide enough for four digits, low and high stand under the keys and
// the rows pull together above the tree, which starts under the minimum's line.
TEST(NOSTForm, TableKeepsTheDesignWhereItFitsAndPullsTogetherWhereNot) {
  TNOSTForm form;
  Fill(form, 10, 999);
  form.resize(569 * 15 / 10, 458);
  TNOSTForm::TTable t = form.Table();
  EXPECT_DOUBLE_EQ(t.Column, 569 * 15 / 10 / 15.0);
  EXPECT_DOUBLE_EQ(t.Left, 4 * t.Column);
  EXPECT_FALSE(t.TabsBelow);
  EXPECT_EQ(t.KeyTop, 20);
  EXPECT_EQ(t.KeyHeight, 50);
  EXPECT_EQ(t.WeightTop, 80);
  EXPECT_EQ(t.SumTop, 110);
  EXPECT_EQ(t.MinTop, 140);

  form.resize(380, 330);
  form.PlaceTree();
  t = form.Table();
  const TFont least{.Name = QStringLiteral("Times New Roman"), .Height = -LegiblePixels()};
  EXPECT_EQ(t.LabelX, 4);
  EXPECT_GE(t.Column, least.TextWidth(QStringLiteral("9990")) + 4);
  EXPECT_LE(t.Left + 10 * t.Column, 380);
  EXPECT_TRUE(t.TabsBelow);
  EXPECT_LT(t.KeyHeight, 50);
  EXPECT_GE(t.WeightTop, t.KeyTop + t.KeyHeight + t.TabHeight);
  EXPECT_GT(t.SumTop, t.WeightTop);
  EXPECT_GT(t.MinTop, t.SumTop);
  EXPECT_EQ(form.Tree->y(), t.Bottom);
  EXPECT_GT(form.Tree->height(), 330 / 2) << "the tree keeps more than half the window";

  // low and high under their key, touching its lower edge; i above it.
  TNOSTForm::SetMark(form.MarkLow, 2);
  TNOSTForm::SetMark(form.MarkI, 2);
  for (const TDrawnShape& s : form.DrawingShapes()) {
    if (s.Kind != TDrawnShape::Mark) continue;
    if (s.Text == QStringLiteral("<")) {
      EXPECT_EQ(s.Tip.y(), t.KeyTop + t.KeyHeight);
      EXPECT_GT(s.Box.top(), t.KeyTop + t.KeyHeight - 1);
    } else {
      EXPECT_EQ(s.Tip.y(), t.KeyTop);
      EXPECT_LT(s.Box.bottom(), t.KeyTop);
    }
  }
}

// The minimum stands in a gap as wide as the largest minimum can be (the sum of the weights),
// so five digits never run into the formula after it.
TEST(NOSTForm, MinimumNeverRunsIntoTheFormula) {
  TNOSTForm form;
  form.resize(612, 620);
  Fill(form, 5, 1999);
  form.MarkMin = 9995;
  QRect min;
  for (const TDrawnShape& s : form.DrawingShapes())
    if (s.Kind == TDrawnShape::Cell && s.Text == QStringLiteral("9995")) min = s.Box;
  ASSERT_FALSE(min.isEmpty());
  const QImage image = RenderWidget(form);
  // Ink of the minimum ends before the formula's "(": a blank column between them.
  bool blank = false;
  for (int x = min.right() + 1; x < min.right() + 12 && !blank; ++x) {
    bool ink = false;
    for (int y = min.top(); y <= min.bottom(); ++y) ink = ink || qGray(image.pixel(x, y)) < 110;
    blank = !ink;
  }
  EXPECT_TRUE(blank) << "the minimum runs into the formula";
}

// Stack rows keep their columns with and without a parent, in both languages.
TEST(NOSTStackData, RowsKeepTheirColumns) {
  QWidget window;
  TBinCharTree tree(&window);
  auto* node = static_cast<TBinCharTreeNode*>(tree.NewRoot());
  node->SetValue('B');
  EXPECT_EQ(TNOSTStackData({}, 9, node, 1, 1).GetText(), QStringLiteral("9       B         1        1"));
  EXPECT_EQ(TNOSTStackData({}, 12, node, 10, 3).GetText(), QStringLiteral("12      B         10       3"));
  EXPECT_EQ(TNOSTStackData({}, 0, nullptr, 1, 3).GetText(), QStringLiteral("0       NIL       1        3"));
  UseCLanguage = true;
  EXPECT_EQ(TNOSTStackData({}, 0, nullptr, 1, 3).GetText(), QStringLiteral("0       NULL      1        3"));
  UseCLanguage = false;
}

}  // namespace
