#include <gtest/gtest.h>

#include "demos/linear/MergeSqlist.h"
#include "demos/linear/SqlstGraphForm.h"
#include "framework/engine/Globals.h"
#include "platform/Pacing.h"
#include "tests/support/RenderWidget.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

// The waits of one animation at a speed.
template <class Animate>
std::vector<int> Waits(int speed, Animate animate) {
  const std::uint8_t saved = RunSpeed;
  RunSpeed = static_cast<std::uint8_t>(speed);
  pacing::StartRecording();
  animate();
  RunSpeed = saved;
  return pacing::StopRecording();
}

}  // namespace

TEST(SqlstGeometry, CellsFollowTheWindowAndTheListLength) {
  const TSqlstGeometry g = TSqlstGeometry::Single(512, 329, 8);
  EXPECT_EQ(g.CellWidth, 51) << "512 div (8 + 2)";
  EXPECT_EQ(g.CellHeight, 82) << "329 div 4";
  EXPECT_EQ(g.RowY, 109) << "329 div 3";
  EXPECT_EQ(g.PointerRect(3), Rect(153, 186, 204, 227)) << "the pointer stands under cell 3";
  EXPECT_EQ(TSqlstGeometry::PointerTriangle(g.PointerRect(3))[0], Point(178, 191))
      << "its apex on the cell's lower edge (109 + 82)";
  EXPECT_EQ(TSqlstGeometry::Single(512, 329, 0).CellWidth, 256) << "an empty list: Width div 2";
  const TSqlstGeometry m = TSqlstGeometry::Merge(512, 329, 8, 6);
  EXPECT_EQ(m.CellWidth, 34) << "512 div (8 + 6 + 1)";
  EXPECT_EQ(m.CellHeight, 65);
}

TEST(SqlstGraphForm, AnimationsArePacedByTheRunSpeed) {
  TSqlstGraphForm form;
  form.resize(512, 329);
  form.Mode = QStringLiteral("del");
  form.Current = QStringLiteral("ajcniydu");
  EXPECT_EQ(Waits(99, [&] { form.SlideCell(3, 4); }), std::vector<int>(11, 26));
  EXPECT_EQ(form.Current, QStringLiteral("ajnniydu")) << "the slid element lands in its new cell";
  EXPECT_EQ(Waits(0, [&] { form.SlideCell(4, 5); }), std::vector<int>(11, 125));
  EXPECT_EQ(Waits(99, [&] { form.BlinkCell(8); }), std::vector<int>(6, 104));
  EXPECT_EQ(Waits(0, [&] { form.BlinkCell(8); }), std::vector<int>(6, 500));
  EXPECT_EQ(form.Current.size(), 8) << "blinking leaves the text to the caller";

  form.Mode = QStringLiteral("ins");
  form.NewElem = 'p';
  form.Current = QStringLiteral("ab?");
  EXPECT_EQ(Waits(99, [&] { form.AnimateMove(3); }), std::vector<int>(13, 26));
  EXPECT_EQ(form.Current, QStringLiteral("abp"));

  form.Mode = QStringLiteral("merge");
  form.TextA = QStringLiteral("ac");
  form.TextB = QStringLiteral("b");
  form.PosA = form.PosB = 1;
  EXPECT_EQ(Waits(99, [&] { form.BlinkMergeCell('a'); }), std::vector<int>(6, 52));
  EXPECT_EQ(Waits(0, [&] { form.BlinkMergeCell('b'); }), std::vector<int>(6, 250));
}

TEST(SqlstGraphForm, PaintsTheListAndItsPointer) {
  TSqlstGraphForm form;
  form.resize(512, 329);
  form.Mode = QStringLiteral("del");
  form.Current = QStringLiteral("ajcniydu");
  form.PosJ = 3;
  const QImage img = RenderWidget(form);
  EXPECT_EQ(QColor(img.pixel(51 + 25, 109 + 5)), QColor(0, 128, 128)) << "cell 1 is teal";
  EXPECT_EQ(QColor(img.pixel(178, 196)), QColor(255, 0, 0)) << "the pointer under cell 3 is red";
  EXPECT_NE(QColor(img.pixel(229, 196)), QColor(255, 0, 0)) << "and not under cell 4";
}

// The cells and the new element's box are nodes, the pointer a mark whose apex touches the
// lower edge of the cell it stands under; the blink of the deletion takes the last cell and the
// pointer off without drawing again.
TEST(SqlstGraphForm, SaysWhatItShowsInShapes) {
  TSqlstGraphForm form;
  form.Mode = QStringLiteral("ins");
  form.Current = QStringLiteral("ab?");
  form.NewElem = 'p';
  form.PosI = 2;
  form.FormPaint();
  std::vector<TDrawnShape> shapes = form.DrawingShapes();
  ASSERT_EQ(shapes.size(), 5U) << "three cells, the new element's box, the pointer";
  EXPECT_EQ(shapes[3].Text, QStringLiteral("p"));
  EXPECT_LT(shapes[3].Box.bottom(), shapes[1].Box.top()) << "the new element waits above cell 2";
  const TDrawnShape& pointer = shapes[4];
  EXPECT_EQ(pointer.Kind, TDrawnShape::Mark);
  EXPECT_EQ(pointer.To.Index, 1) << "on cell 2";
  EXPECT_EQ(pointer.Tip.y(), shapes[1].Box.bottom() + 1);
  EXPECT_TRUE(shapes[1].Box.contains(pointer.Tip.x(), shapes[1].Box.bottom()));

  form.Mode = QStringLiteral("del");
  form.Current = QStringLiteral("abc");
  form.PosJ = 3;
  form.FormPaint();
  form.BlinkCell(3);
  shapes = form.DrawingShapes();
  ASSERT_EQ(shapes.size(), 2U) << "the last cell and the pointer are gone";
  EXPECT_EQ(shapes[1].Text, QStringLiteral("b"));
}

TEST(CheckOrderedString, SortsAndAsksOnlyWhenOutOfOrder) {
  modal::ScriptedHostScope host;
  for (const char* ordered : {"", "q", "acdijtuy", "aab"}) {
    QString s = QString::fromLatin1(ordered);
    EXPECT_TRUE(TMergeSqlist::CheckOrderedString(s)) << ordered;
    EXPECT_EQ(s, QString::fromLatin1(ordered));
  }
  EXPECT_TRUE(host->Transcript().isEmpty()) << "an ordered text shows no box";

  QString s = QStringLiteral("bba");
  host->QueueMessage(QStringLiteral("OK"));
  EXPECT_TRUE(TMergeSqlist::CheckOrderedString(s));
  EXPECT_EQ(s, QStringLiteral("abb"));
  ASSERT_EQ(host->Transcript().size(), 1);
  EXPECT_TRUE(host->Transcript()[0].endsWith(QStringLiteral("您输入的并非有序串,调整为abb")))
      << host->Transcript()[0].toStdString();

  s = QStringLiteral("dcba");
  host->QueueMessage(QStringLiteral("Cancel"));
  EXPECT_FALSE(TMergeSqlist::CheckOrderedString(s)) << "Cancel refuses the sorted text";
  EXPECT_EQ(s, QStringLiteral("abcd")) << "the text stays sorted";
}
