// The stack windows of the recursive demonstrations: headings stand over their fields, in
// the text and on screen, and a row's fields keep their columns whatever follows them.
#include <gtest/gtest.h>

#include <set>

#include "demos/stacks/Ackman.h"
#include "demos/stacks/Hanoi.h"
#include "demos/stacks/Queens.h"
#include "demos/stacks/QueensForm.h"
#include "demos/stacks/Trains.h"
#include "framework/drawkit/StackBox.h"
#include "platform/Pacing.h"
#include "tests/demos/stacks/AloneRun.h"

namespace {

class Text : public TData {
 public:
  explicit Text(QString text) : text_(std::move(text)) {}
  QString GetText() const override { return text_; }

 private:
  QString text_;
};

// [first, last] character columns of each blank-separated word.
std::vector<std::pair<int, int>> Words(const QString& s) {
  std::vector<std::pair<int, int>> words;
  for (int i = 0; i < s.size(); ++i)
    if (s[i] != QLatin1Char(' ') && (i == 0 || s[i - 1] == QLatin1Char(' '))) {
      int j = i;
      while (j + 1 < s.size() && s[j + 1] != QLatin1Char(' ')) ++j;
      words.emplace_back(i, j);
    }
  return words;
}

// Each heading starts where its field starts or ends where its field ends.
void ExpectHeadingsOverFields(const QString& title, const QString& row) {
  const auto headings = Words(title);
  const auto fields = Words(row);
  ASSERT_EQ(headings.size(), fields.size()) << title.toStdString() << " / " << row.toStdString();
  for (std::size_t i = 0; i < headings.size(); ++i)
    EXPECT_TRUE(headings[i].first == fields[i].first || headings[i].second == fields[i].second)
        << "heading " << i + 1 << " of \"" << title.toStdString() << "\" is not over \"" << row.toStdString()
        << "\"";
}

// Box x of every pixel column in [top, bottom] of image, inside its left and right edge, that
// has a pixel of colour.
std::set<int> InkColumns(const QImage& image, int dx, int top, int bottom, TColor colour) {
  std::set<int> columns;
  for (int x = 1; x < image.width() - 1; ++x)
    for (int y = std::max(0, top); y <= std::min(bottom, image.height() - 1); ++y)
      if (FromQRgb(image.pixel(x, y)) == colour) columns.insert(x + dx);
  return columns;
}

// The title written as a row's text covers exactly the pixel columns the row's text covers,
// and a longer row with the same start keeps those columns.
void ExpectTitleAndRowsInOneLayout(TStackBox& box, const QString& row) {
  box.window()->show();
  box.ShowAnimate = false;
  box.Clear();
  box.Title = row;
  box.Push(std::make_unique<Text>(row));
  box.Push(std::make_unique<Text>(row + QStringLiteral("   SSXSXX")));
  box.Repaint();
  pacing::ProcessMessages();
  const TNodeRect& shown = *box.Row(0);
  const std::set<int> rowInk = InkColumns(shown.Image(), shown.x(), 1, shown.height() - 2, box.NodeFont.Color);
  ASSERT_FALSE(rowInk.empty());
  const int base = box.height() - box.Layout().TitleBand;
  EXPECT_EQ(InkColumns(box.Image(), 0, base + 2, box.height() - 1, box.TitleColor), rowInk)
      << "title and row \"" << row.toStdString() << "\" are not drawn in one layout";
  const TNodeRect& longer = *box.Row(1);
  std::set<int> longerInk = InkColumns(longer.Image(), longer.x(), 1, longer.height() - 2, box.NodeFont.Color);
  longerInk.erase(longerInk.upper_bound(*rowInk.rbegin()), longerInk.end());
  EXPECT_EQ(longerInk, rowInk) << "the fields moved when the row grew";
  box.Clear();
}

template <class T>
class StackColumns : public AloneRun<T> {};

using AckmanColumns = StackColumns<TAckman>;
using HanoiColumns = StackColumns<THanoi>;
using QueensColumns = StackColumns<TQueens>;
using TrainsColumns = StackColumns<TTrains>;

}  // namespace

TEST_F(AckmanColumns, HeadingsStandOverTheFields) {
  TStackBox& box = *StartAlone(QStringLiteral("Ackman"), false, [](TAckman&) {}).GraphForm()->Stack;
  ExpectHeadingsOverFields(box.Title, TAckStackData("", 8, 2, 13, 5, 29).GetText());
  ExpectHeadingsOverFields(box.Title, TAckStackData("", 0, 1, 2, -1, -1).GetText());
  ExpectTitleAndRowsInOneLayout(box, TAckStackData("", 8, 2, 13, 5, 29).GetText());
}

TEST_F(HanoiColumns, HeadingsStandOverTheFields) {
  TStackBox& box = *StartAlone(QStringLiteral("Hanoi"), false, [](THanoi&) {}).StackForm()->Stack;
  ExpectHeadingsOverFields(box.Title, THanoiStkData("", 5, 2, 'a', 'c', 'b').GetText());
  ExpectTitleAndRowsInOneLayout(box, THanoiStkData("", 5, 2, 'a', 'c', 'b').GetText());
}

TEST_F(QueensColumns, HeadingsStandOverTheFields) {
  TStackBox& box = *StartAlone(QStringLiteral("Queens"), false, [](TQueens&) {}).BoardForm()->StackBox;
  ExpectHeadingsOverFields(box.Title, TQueensStkData("", 8, 3, 2).GetText());
  ExpectTitleAndRowsInOneLayout(box, TQueensStkData("", 8, 3, 2).GetText());
}

TEST_F(TrainsColumns, HeadingsStandOverTheFieldsAndTheNumbersKeepTheirColumns) {
  TStackBox& box = *StartAlone(QStringLiteral("Trains"), false, [](TTrains&) {}).StackForm()->Stack;
  ExpectHeadingsOverFields(box.Title, TTrains::RowText(3, 1, 4, QStringLiteral("SSXS")));
  ExpectTitleAndRowsInOneLayout(box, TTrains::RowText(3, 1, 4, QString()).trimmed());
}
