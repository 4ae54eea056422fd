#include <gtest/gtest.h>

#include "framework/drawkit/StackBox.h"

TEST(StackLayout, AckermannWindowHasThreeColumnsOfEighteenRows) {
  // The stack window of the recursive demonstrations: 313 x 217, marker and title shown.
  const TStackLayout l({313, 217}, 3, 18, true, true);
  EXPECT_EQ(l.CellWidth, 98);      // 313 div 3 - 6
  EXPECT_EQ(l.CellHeight, 10);     // Round(217 / 20.5) - 1 = 11 - 1
  EXPECT_EQ(l.TitleBand, 15);      // Trunc(1.5 * 10)
  EXPECT_EQ(l.MarkerHeight, 10);
  EXPECT_EQ(l.Capacity(), 54);
  EXPECT_EQ(l.Cell(0), QPoint(211, 191)) << "entry 0 stands at the bottom of the rightmost column";
  EXPECT_EQ(l.Cell(17), QPoint(211, 4)) << "entry 17 tops the rightmost column";
  EXPECT_EQ(l.Cell(18), QPoint(107, 191)) << "entry 18 starts the middle column at the bottom";
  EXPECT_EQ(l.Cell(53), QPoint(3, 4)) << "entry 53 tops the leftmost column";
}

TEST(StackLayout, WithoutMarkerAndTitleRowsShareTheFullHeight) {
  const TStackLayout l({100, 200}, 1, 10, false, false);
  EXPECT_EQ(l.CellHeight, 19);  // Round(200 / 10) - 1
  EXPECT_EQ(l.TitleBand, 0);
  EXPECT_EQ(l.MarkerHeight, 0);
  EXPECT_EQ(l.Cell(0), QPoint(3, 180));
  EXPECT_EQ(l.Cell(9), QPoint(3, 0));
}

TEST(StackLayout, CellHeightRoundsHalvesToEven) {
  // 2 rows + marker + title = 4.5 slots.
  EXPECT_EQ(TStackLayout({60, 45}, 1, 2, true, true).CellHeight, 9);
  EXPECT_EQ(TStackLayout({60, 63}, 1, 2, true, true).CellHeight, 13);
  EXPECT_EQ(TStackLayout({60, 21}, 1, 1, false, false).CellHeight, 20);
  // 5 / 2 = 2.5 -> 2, 7 / 2 = 3.5 -> 4
  EXPECT_EQ(TStackLayout({60, 5}, 1, 2, false, false).CellHeight, 1);
  EXPECT_EQ(TStackLayout({60, 7}, 1, 2, false, false).CellHeight, 3);
}

TEST(StackSlide, FrameCountFollowsTheAnimationSpeed) {
  EXPECT_EQ(SlideSteps(0) + 1, 51);
  EXPECT_EQ(SlideSteps(60) + 1, 21);
  EXPECT_EQ(SlideSteps(99) + 1, 2);
  EXPECT_EQ(SlideSteps(150), 1) << "a speed above the range must not give zero steps";
  EXPECT_EQ(SlideSteps(-5), 50);
}

TEST(StackSlide, FramesRunFromStartToEndTruncatingTowardZero) {
  // Push into a cell at y 191 with rows 10 high: from -10 to 191 in 20 steps.
  EXPECT_EQ(SlideFrameY(-10, 191, 0, 20), -10);
  EXPECT_EQ(SlideFrameY(-10, 191, 1, 20), -10 + 201 / 20);
  EXPECT_EQ(SlideFrameY(-10, 191, 20, 20), 191);
  // Pop upwards: the product is negative and truncates toward zero.
  EXPECT_EQ(SlideFrameY(191, -10, 1, 20), 191 - 10);
  EXPECT_EQ(SlideFrameY(4, -10, 1, 20), 4);  // -14 / 20 = 0
}

// --- The stack display in the stack window of the recursive demonstrations

#include "KitTestSupport.h"
#include "framework/engine/Errors.h"
#include "framework/engine/Globals.h"
#include "platform/Pacing.h"
#include "platform/PaintRecord.h"
#include "tests/support/RenderWidget.h"

namespace {

// A stack row record that tells when it is freed.
class Row : public TData {
 public:
  explicit Row(QString text, bool* freed = nullptr) : text_(std::move(text)), freed_(freed) {}
  ~Row() override {
    if (freed_) *freed_ = true;
  }
  QString GetText() const override { return text_; }
  void SetText(const QString& t) { text_ = t; }

 private:
  QString text_;
  bool* freed_;
};

struct StackWindow {
  kittest::Host host{400, 300};
  TAckmanGraphForm* form = new TAckmanGraphForm(&host);
  TStackBox& stack = *form->Stack;
  StackWindow() {
    host.show();
    pacing::ProcessMessages();
  }
  void Fill(int n) {
    for (int i = 0; i < n; ++i) stack.Push(std::make_unique<Row>(QString::number(i)));
  }
};

// Row controls on the box.
int RowControls(const TStackBox& box) {
  int n = 0;
  for (QObject* child : box.children()) n += dynamic_cast<TNodeRect*>(child) ? 1 : 0;
  return n;
}

// Waits recorded while f runs.
template <class F>
std::vector<int> Waits(F f) {
  pacing::StartRecording();
  f();
  return pacing::StopRecording();
}

}  // namespace

TEST(StackBox, AckermannWindowPlacesEntriesBottomUpRightToLeft) {
  StackWindow w;
  ASSERT_EQ(w.stack.size(), QSize(313, 217));
  w.stack.ShowAnimate = false;
  w.Fill(54);
  EXPECT_EQ(w.stack.Row(0)->geometry(), QRect(211, 191, 98, 10)) << "bottom of the rightmost column";
  EXPECT_EQ(w.stack.Row(17)->geometry(), QRect(211, 4, 98, 10)) << "top of the rightmost column";
  EXPECT_EQ(w.stack.Row(18)->geometry(), QRect(107, 191, 98, 10)) << "19th entry starts the middle column";
  EXPECT_EQ(w.stack.Row(53)->geometry(), QRect(3, 4, 98, 10)) << "last entry tops the left column";
  EXPECT_EQ(w.stack.Marker().geometry(), QRect(3, 0, 98, 4))
      << "marker right above the top row, in the room left there: never out of the box";
  EXPECT_TRUE(w.stack.Marker().isVisible());
}

TEST(StackBox, PushOnAFullBoxRaisesBeforeAnythingChanges) {
  StackWindow w;
  w.stack.ShowAnimate = false;
  w.Fill(54);
  EXPECT_EQ(RowControls(w.stack), 54);
  bool freed = false;
  try {
    w.stack.Push(std::make_unique<Row>(QStringLiteral("55"), &freed));
    FAIL() << "the 55th push must raise";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("invalid push action, stack full"));
  }
  EXPECT_EQ(w.stack.Count(), 54);
  EXPECT_EQ(RowControls(w.stack), 54) << "no row was created";
  EXPECT_TRUE(freed) << "the refused record is not leaked";
  EXPECT_EQ(w.stack.Top()->GetText(), QStringLiteral("53"));
}

TEST(StackBox, PopOnAnEmptyBoxRaises) {
  StackWindow w;
  try {
    w.stack.Pop();
    FAIL() << "pop on an empty box must raise";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Invalid pop action"));
  }
  EXPECT_THROW(w.stack.Top(), Exception);
  EXPECT_THROW(w.stack.GetItem(0), Exception);
}

TEST(StackBox, SlidesTakeFramesByTheAnimationSpeed) {
  StackWindow w;
  const int saved = AnimSpeed;
  for (const auto& [speed, frames] : {std::pair{0, 51}, {60, 21}, {99, 2}}) {
    AnimSpeed = speed;
    const auto push = Waits([&] { w.stack.Push(std::make_unique<Row>(QStringLiteral("x"))); });
    EXPECT_EQ(push, std::vector<int>(static_cast<std::size_t>(frames), 10)) << "push at speed " << speed;
    const auto pop = Waits([&] { w.stack.Pop(); });
    EXPECT_EQ(pop, std::vector<int>(static_cast<std::size_t>(frames), 10)) << "pop at speed " << speed;
  }
  w.stack.ShowAnimate = false;
  EXPECT_TRUE(Waits([&] { w.Fill(3); }).empty()) << "no slide without ShowAnimate";
  AnimSpeed = saved;
}

TEST(StackBox, PushSlidesTheRowInFromAboveTheBox) {
  kittest::BackdropScope backdrop;
  AnimSpeed = 0;  // every frame, so that the row passes over the box's upper part
  for (const bool transparent : {true, false}) {
    StackWindow w;
    w.stack.Transparent = transparent;
    w.stack.Color = clAqua;
    w.stack.Repaint();
    w.stack.Push(std::make_unique<Row>(QStringLiteral("0")));
    // The last frame is drawn where the row stands; the frames before it left the box's
    // ground behind them (the backdrop, or its own plain colour), not a trail.
    const TNodeRect& row = *w.stack.Row(0);
    EXPECT_EQ(FromQRgb(w.stack.Image().pixel(row.x() + row.width() - 1, row.y() + 2)), clBlack)
        << "the sprite's frame";
    const QPoint screen = w.stack.mapToGlobal(QPoint(row.x() + 5, row.y() - 3));
    EXPECT_EQ(FromQRgb(w.stack.Image().pixel(row.x() + 5, row.y() - 3)),
              transparent ? kittest::BackdropAt(screen.x(), screen.y()) : clAqua)
        << (transparent ? "on the backdrop" : "on a plain colour");
  }
  AnimSpeed = 0;
}

TEST(StackBox, RecordsBelongToTheBoxUntilPopped) {
  StackWindow w;
  w.stack.ShowAnimate = false;
  bool firstFreed = false, secondFreed = false, clearedFreed = false;
  w.stack.Push(std::make_unique<Row>(QStringLiteral("a"), &firstFreed));
  Row* second = w.stack.Push(std::make_unique<Row>(QStringLiteral("b"), &secondFreed));
  EXPECT_EQ(w.stack.Top(), second);
  std::unique_ptr<TData> popped = w.stack.Pop();
  EXPECT_EQ(popped.get(), second) << "pop hands the record back";
  EXPECT_FALSE(secondFreed);
  popped.reset();
  EXPECT_TRUE(secondFreed);
  w.stack.Pop();  // dropping the result frees it
  EXPECT_TRUE(firstFreed);
  EXPECT_FALSE(w.stack.Marker().isVisible()) << "no entries: the marker stays hidden";
  w.stack.Push(std::make_unique<Row>(QStringLiteral("c"), &clearedFreed));
  w.stack.Clear();
  EXPECT_TRUE(clearedFreed);
  EXPECT_EQ(w.stack.Count(), 0);
  EXPECT_EQ(RowControls(w.stack), 0) << "Clear frees the rows";
}

TEST(StackBox, UpdateRowWithItsOwnRecordRetextsWithoutFreeing) {
  StackWindow w;
  w.stack.ShowAnimate = false;
  bool ownFreed = false, replacedFreed = false;
  auto* own = w.stack.Push(std::make_unique<Row>(QStringLiteral("0   1   2   ?   ?"), &ownFreed));
  own->SetText(QStringLiteral("0   1   2   ?   4"));
  w.stack.UpdateRow(0, own);
  EXPECT_FALSE(ownFreed);
  EXPECT_EQ(w.stack.Row(0)->RowText, QStringLiteral("0   1   2   ?   4"));
  auto* fresh = new Row(QStringLiteral("new"), &replacedFreed);
  w.stack.UpdateRow(0, fresh);
  EXPECT_TRUE(ownFreed) << "a new record replaces and frees the old one";
  EXPECT_EQ(w.stack.Top(), fresh);
  EXPECT_EQ(w.stack.Row(0)->RowText, QStringLiteral("new"));
  w.stack.UpdateRow(0, std::make_unique<Row>(QStringLiteral("newer")));
  EXPECT_TRUE(replacedFreed);
  EXPECT_THROW(w.stack.UpdateRow(3, std::make_unique<Row>(QStringLiteral("nowhere"))), Exception);
}

TEST(StackBox, ARecordOwnedElsewhereIsRefusedAndStaysThere) {
  StackWindow w;
  w.stack.ShowAnimate = false;
  TData owner;
  auto* owned = owner.Add(new Row(QStringLiteral("owned")));
  std::unique_ptr<TData> claim(owned);
  EXPECT_THROW(w.stack.Push(std::move(claim)), EMultiLinkedData);
  EXPECT_EQ(w.stack.Count(), 0);
  EXPECT_EQ(owner.Items(0), owned) << "its owner keeps it";
}

TEST(StackBox, HiddenMarkerAndTitleGiveTheRowsTheFullHeight) {
  StackWindow w;
  w.stack.ShowAnimate = false;
  w.stack.SetPointerVisible(false);
  w.stack.SetTitleVisible(false);
  w.Fill(2);
  EXPECT_EQ(w.stack.Row(0)->height(), 11);  // Round(217 / 18) - 1
  EXPECT_EQ(w.stack.Row(0)->y(), 217 - 12);
  EXPECT_EQ(w.stack.Marker().height(), 0);
}

TEST(StackBox, RowsFollowARescale) {
  StackWindow w;
  w.stack.ShowAnimate = false;
  w.Fill(19);
  w.form->resize(626, 434);
  const TStackLayout l({626, 434}, 3, 18, true, true);
  EXPECT_EQ(w.stack.Row(18)->geometry(), QRect(l.Cell(18), QSize(l.CellWidth, l.CellHeight)));
  EXPECT_EQ(w.stack.Marker().geometry().bottom() + 1, w.stack.Row(18)->y());
}

TEST(StackBox, TheFieldFontFollowsTheBoxHoweverItChanged) {
  // The font a new box fits for the same settings: a box changed in place must agree.
  const auto fitted = [](QSize size, int rows, const QString& title) {
    TStackBox box;
    box.FieldColumns = true;
    box.FieldChars = 12;
    box.RowCount = rows;
    box.Title = title;
    box.resize(size);
    return box.FieldFont().Height;
  };
  const QString shortTitle = QStringLiteral("Addr  n");
  const QString longTitle = QStringLiteral("Addr  n  temp  result  return  where");
  TStackBox box;
  box.FieldColumns = true;
  box.FieldChars = 12;
  box.RowCount = 5;
  box.Title = shortTitle;
  box.resize(200, 150);
  box.AfterRescale();
  int before = box.FieldFont().Height;
  EXPECT_EQ(before, fitted({200, 150}, 5, shortTitle));

  box.resize(100, 150);  // without the rescale a window's resize goes through
  EXPECT_LT(box.FieldFont().Height, before) << "a narrower box keeps a font too wide for its rows";
  EXPECT_EQ(box.FieldFont().Height, fitted({100, 150}, 5, shortTitle));

  before = box.FieldFont().Height;
  box.RowCount = 12;  // a demonstration growing its box before a push
  EXPECT_LT(box.FieldFont().Height, before) << "more rows keep a font too tall for them";
  EXPECT_EQ(box.FieldFont().Height, fitted({100, 150}, 12, shortTitle));

  before = box.FieldFont().Height;
  box.Title = longTitle;
  EXPECT_LT(box.FieldFont().Height, before) << "a longer title runs past its column";
  EXPECT_EQ(box.FieldFont().Height, fitted({100, 150}, 12, longTitle));
}

TEST(StackBox, ARowTooWideIsSqueezedNotCut) {
  StackWindow w;
  w.stack.ShowAnimate = false;
  w.stack.Push(std::make_unique<Row>(QString(60, QChar('W'))));
  pacing::ProcessMessages();
  const TNodeRect& row = *w.stack.Row(0);
  const QImage& im = row.Image();
  auto red = [&im](int x) {
    for (int y = 1; y < im.height() - 1; ++y)
      if (FromQRgb(im.pixel(x, y)) == clRed) return true;
    return false;
  };
  EXPECT_TRUE(red(2) || red(3)) << "text reaches the left edge";
  EXPECT_TRUE(red(row.width() - 3) || red(row.width() - 4)) << "and the right edge";
  EXPECT_FALSE(red(1) || red(row.width() - 2)) << "a pixel clear of the frame on either side";
  EXPECT_EQ(FromQRgb(im.pixel(0, 0)), clWhite) << "raised frame";
  EXPECT_EQ(FromQRgb(im.pixel(row.width() - 1, row.height() - 1)), clBlack);
}

TEST(StackBox, ATitleWiderThanTheBoxIsMadeSmallerNotCut) {
  StackWindow w;
  w.stack.ShowAnimate = false;
  w.stack.TitleColor = clBlue;
  const auto titleColumns = [&w] {
    w.stack.Repaint();
    const QImage& im = w.stack.Image();
    const int base = im.height() - w.stack.Layout().TitleBand;
    int first = -1, last = -1;
    for (int x = 0; x < im.width(); ++x)
      for (int y = base + 1; y < im.height(); ++y)
        if (FromQRgb(im.pixel(x, y)) == clBlue) {
          if (first < 0) first = x;
          last = x;
        }
    return std::pair{first, last};
  };
  const auto [left, right] = titleColumns();  // the title as it comes: flush right
  ASSERT_GT(left, 0);
  EXPECT_GE(right, w.stack.width() - 3);
  w.stack.Title = QString(60, QChar('W')) + QStringLiteral("  Addr  m  n  temp  result");
  const auto [wideLeft, wideRight] = titleColumns();
  EXPECT_GT(wideLeft, 0) << "the first letter is whole";
  EXPECT_LT(wideRight, w.stack.width());
  EXPECT_GE(wideRight, w.stack.width() - 3) << "still flush right";
}

TEST(StackBox, ClearingLeavesNoRowDrawnBehind) {
  // Reset and a cancelled data dialog clear the drawn stack; no row may stay on screen.
  StackWindow w;
  w.stack.ShowAnimate = true;
  w.Fill(3);
  w.stack.Clear();
  const QImage shown = RenderWidget(w.stack);
  const QRgb node = ToQColor(w.stack.NodeColor).rgb();
  int nodePixels = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) nodePixels += (shown.pixel(x, y) | 0xff000000u) == (node | 0xff000000u);
  EXPECT_EQ(nodePixels, 0) << "the rows' colour is still on the cleared stack";
}

TEST(StackBox, ARowHidesTheLastFrameOfItsSlideAndReadsOnlyItsNewText) {
  // The slide leaves its last frame, with the text the row came in with, on the box under the
  // row; a row re-texted later must not read as both texts.
  StackWindow w;
  w.stack.ShowAnimate = true;
  w.stack.Push(std::make_unique<Row>(QStringLiteral("7  1  2  ?  ?")));
  auto* top = static_cast<Row*>(w.stack.Top());
  top->SetText(QStringLiteral("7  1  2  3  4"));
  w.stack.UpdateRow(0, top);
  pacing::ProcessMessages();
  const std::optional<paintrecord::Record> row = paintrecord::ShownBy(w.stack.Row(0));
  ASSERT_TRUE(row);
  EXPECT_TRUE(row->ground) << "the row covers the whole of its place";
  ASSERT_EQ(row->texts.size(), 1u);
  EXPECT_EQ(row->texts.front().text, QStringLiteral("7  1  2  3  4"));
}
