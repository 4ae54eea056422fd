#include "demos/storage/MemKit.h"

#include <gtest/gtest.h>

#include "platform/Screen.h"

#include <QWidget>

namespace {

// A free-list row of the buddy system's design (40 x 30 boxes 20 apart) in a window grown
// from its 480 x 440 design to client.
class MemListRow : public ::testing::Test {
 protected:
  void Lay(QSize client, int entries) {
    Lay(client, entries, {.left = 10, .box = {40, 30}, .gap = 20, .framedHead = true}, QRect(0, 0, 400, 54),
        QStringLiteral(" 2^1"));
  }
  void Lay(QSize client, int entries, const TMemList::TLook& look, const QRect& design, const QString& head) {
    window_.resize(client);
    list_ = new TMemList(&window_, look);
    list_->SetDesignBounds(design.x(), design.y(), design.width(), design.height(), QSize(480, 440));
    list_->Rescale(client.width(), client.height());
    QList<int> numbers;
    for (int i = 0; i < entries; ++i) numbers << 60 - 4 * i;
    list_->Show(head, numbers);
  }
  QWidget window_;
  TMemList* list_ = nullptr;
};

}  // namespace

TEST_F(MemListRow, AShortListKeepsTheDesignSizeInOneLine) {
  Lay({480, 440}, 3);
  const auto boxes = list_->Boxes();
  ASSERT_EQ(boxes.size(), 4u);
  EXPECT_EQ(boxes[1]->geometry(), QRect(70, 12, 40, 30));
  EXPECT_EQ(boxes[3]->geometry(), QRect(190, 12, 40, 30));
  EXPECT_EQ(boxes[3]->Next, nullptr);
}

TEST_F(MemListRow, ALongListGoesOnInASecondLineInsideTheRowWithoutOverlaps) {
  // The design size and the drawing window's sizes on 1024 x 768 and 1920 x 1080 screens.
  for (const QSize client : {QSize(480, 440), QSize(612, 625), QSize(1150, 829)}) {
    Lay(client, 16);
    const auto boxes = list_->Boxes();
    ASSERT_EQ(boxes.size(), 17u);
    EXPECT_EQ(boxes[1]->y(), boxes[8]->y()) << client.width() << ": eight entries on the first line";
    EXPECT_GT(boxes[9]->y(), boxes[8]->geometry().bottom()) << client.width() << ": the ninth below them";
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      const QRect r = boxes[i]->geometry();
      EXPECT_TRUE(list_->rect().contains(r)) << client.width() << ": box " << i << " inside the row";
      const TFont font = FitMemFont(MemFont(list_->Ratio(), 14, clBlue), QStringLiteral("64"), r.size());
      EXPECT_GE(-font.Height, 9) << client.width() << ": box " << i << " readable";
      for (std::size_t j = i + 1; j < boxes.size(); ++j)
        EXPECT_FALSE(r.intersects(boxes[j]->geometry())) << client.width() << ": boxes " << i << " and " << j;
    }
  }
}

TEST_F(MemListRow, AnUnframedHeadInALowRowHoldsItsNameAndPointsStraightAtTheFirstEntry) {
  // The boundary tags' free list from pav (30 x 20 boxes, a 40 pixel row) in the drawing
  // window of the smallest demonstration window and of one a little larger.
  for (const QSize client : {QSize(380, 330), QSize(560, 350)}) {
    Lay(client, 16, {.left = 4, .box = {30, 20}, .gap = 20, .framedHead = false}, QRect(0, 360, 480, 40),
        QStringLiteral("pav"));
    const auto boxes = list_->Boxes();
    ASSERT_EQ(boxes.size(), 17u);
    ASSERT_GT(boxes[9]->y(), boxes[1]->y()) << client.width() << ": two lines";
    const QRect head = boxes[0]->geometry();
    const TFont font = FitMemFont(MemFont(list_->Ratio(), 14, clBlue), QStringLiteral("pav"), head.size());
    EXPECT_GE(head.height(), font.TextHeight(QStringLiteral("pav"))) << client.width() << ": the p's tail inside";
    EXPECT_TRUE(list_->rect().contains(head)) << client.width();
    const TDrawnShape mark = list_->DrawingShapes().front();
    EXPECT_EQ(mark.Tip, QPoint(boxes[1]->x(), boxes[1]->geometry().center().y()))
        << client.width() << ": straight into the entry's side, not bent down into its top";
  }
}

TEST(MemFont, ShrinksToItsRoomButNeverBelowWhatAClassReads) {
  const TFont large = MemFont(TDesignRatio(QSize(480, 440), QSize(960, 880)), 14, clBlack);
  EXPECT_EQ(large.Height, -28) << "twice the window, twice the text";
  EXPECT_EQ(MemFont(TDesignRatio(QSize(480, 440), QSize(240, 220)), 14, clBlack).Height, -14)
      << "never below its design size";
  const TFont fitted = FitMemFont(large, QStringLiteral("64"), QSize(20, 40));
  EXPECT_LE(fitted.TextWidth(QStringLiteral("64")), 20);
  EXPECT_EQ(FitMemFont(large, QStringLiteral("a long name"), QSize(3, 3)).Height, -13) << "13 px on a 1024 screen";
  EXPECT_EQ(FitMemFont(large, QStringLiteral("a long name"), QSize(3, 3), 6).Height, -6) << "a name may go smaller";
  screen::SetFixedSize(QSize(1920, 1080));
  EXPECT_EQ(FitMemFont(large, QStringLiteral("64"), QSize(3, 3)).Height, -16) << "16 px on a 1920 screen";
  screen::SetFixedSize(QSize(1024, 768));
}
