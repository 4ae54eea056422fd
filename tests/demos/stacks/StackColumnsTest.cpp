// The stack windows of the recursive demonstrations as drawn: every heading stands over its
// field (starting where the field starts, or ending where it ends), in every row of every
// column, and a row's fields keep their places whatever follows them.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <functional>

#include "demos/DemoList.h"
#include "demos/linear/CopyLists.h"
#include "demos/linear/DepthLists.h"
#include "demos/linear/ListsKit.h"
#include "demos/search/NOST.h"
#include "demos/stacks/Ackman.h"
#include "demos/stacks/Hanoi.h"
#include "demos/stacks/Maze.h"
#include "demos/stacks/MyStringData.h"
#include "demos/stacks/Queens.h"
#include "demos/stacks/QueensForm.h"
#include "demos/stacks/StkContainerForm.h"
#include "demos/stacks/Trains.h"
#include "demos/trees/TrTravForm.h"
#include "demos/trees/TreeBase.h"
#include "framework/drawkit/StackBox.h"
#include "platform/Pacing.h"
#include "tests/demos/stacks/AloneRun.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

// A pixel of ink: near the colour of the text.
bool IsInk(QRgb pixel, TColor ink) {
  return std::abs(qRed(pixel) - GetRValue(ink)) + std::abs(qGreen(pixel) - GetGValue(ink)) +
             std::abs(qBlue(pixel) - GetBValue(ink)) <
         120;
}

// What a line of text shows: the pixel columns (in the coordinates of `in`) where its words
// start and end, and the pitch of its characters.
struct Line {
  std::vector<std::pair<int, int>> words;
  double pitch = 0;
  int expected = 0;  // words of the text
};

// The words of text, drawn in ink inside area of widget's picture (a blank gap of more than
// two thirds of a character parts two words). The pitch, unless given, comes from the span of
// the ink over the characters text has between its first and last letter.
Line Read(const QWidget& widget, const QImage& image, QRect area, TColor ink, const QString& text,
          const QWidget& in, double pitch = 0) {
  std::vector<int> columns;
  area &= image.rect();
  for (int x = area.left(); x <= area.right(); ++x)
    for (int y = area.top(); y <= area.bottom(); ++y)
      if (IsInk(image.pixel(x, y), ink)) {
        columns.push_back(widget.mapTo(&in, QPoint(x, 0)).x());
        break;
      }
  Line line;
  line.expected = int(text.split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
  const QString letters = text.trimmed();
  if (columns.empty() || letters.size() < 2) return line;
  line.pitch = pitch > 0 ? pitch : double(columns.back() - columns.front()) / double(letters.size() - 1);
  line.words.emplace_back(columns.front(), columns.front());
  for (int x : columns) {
    if (x - line.words.back().second > line.pitch * 2 / 3) line.words.emplace_back(x, x);
    line.words.back().second = x;
  }
  return line;
}

// The row's text inside its frame.
Line ReadRow(const TNodeRect& row, TColor ink, const QWidget& in) {
  return Read(row, row.Image(), QRect(2, 2, row.width() - 4, row.height() - 4), ink, row.RowText, in);
}

// The fields in the row stand under the first headings (a field left blank has none).
void ExpectOver(const Line& heading, const Line& fields, const QString& what) {
  ASSERT_EQ(int(heading.words.size()), heading.expected) << what.toStdString();
  ASSERT_EQ(int(fields.words.size()), fields.expected) << what.toStdString();
  ASSERT_LE(fields.words.size(), heading.words.size()) << what.toStdString();
  const double near = heading.pitch / 3;
  for (std::size_t i = 0; i < fields.words.size(); ++i) {
    const auto [hl, hr] = heading.words[i];
    const auto [fl, fr] = fields.words[i];
    EXPECT_TRUE(std::abs(hl - fl) <= near || std::abs(hr - fr) <= near)
        << "heading " << i + 1 << " at " << hl << ".." << hr << ", its field at " << fl << ".." << fr << ": "
        << what.toStdString();
  }
}

// Shows window at a size a docked pane has and lets everything paint.
void Show(QWidget& window, QSize size) {
  window.resize(size);
  window.show();
  pacing::ProcessMessages();
}

// The title band's words in box coordinates, at the pitch of the fields' font (a Chinese
// heading's glyphs are not two of its characters wide).
Line ReadTitle(TStackBox& box) {
  const int band = box.Layout().TitleBand;
  return Read(box, box.Image(), QRect(0, box.height() - band + 2, box.width(), band - 2), box.TitleColor, box.Title,
              box, QFontMetricsF(box.FieldFont().ToQFont()).horizontalAdvance(QLatin1Char('0')));
}

// Pushes the rows, then checks each row against the title: the rows of the rightmost column
// where they are, the rows of the other columns moved by the columns' distance.
void ExpectTitleOverEveryRow(TStackBox& box, const std::vector<QString>& rows) {
  box.ShowAnimate = false;
  box.Clear();
  for (const QString& text : rows) box.Push(std::make_unique<TMyStringData>(QString(), text));
  pacing::ProcessMessages();
  const Line title = ReadTitle(box);
  ASSERT_FALSE(title.words.empty()) << "no title drawn";
  for (int i = 0; i < box.Count(); ++i) {
    Line row = ReadRow(*box.Row(i), box.NodeFont.Color, box);
    const int shift = box.Row(0)->x() - box.Row(i)->x();
    for (auto& [l, r] : row.words) l += shift, r += shift;
    ExpectOver(title, row, QStringLiteral("row %1 \"%2\" under \"%3\"").arg(i).arg(rows[i], box.Title));
  }
  box.Clear();
}

template <class T>
class StackColumns : public AloneRun<T> {};

using AckmanColumns = StackColumns<TAckman>;
using HanoiColumns = StackColumns<THanoi>;
using QueensColumns = StackColumns<TQueens>;
using TrainsColumns = StackColumns<TTrains>;
using MazeColumns = StackColumns<TMaze>;

}  // namespace

TEST_F(AckmanColumns, AckermannHeadingsStandOverTheFields) {
  TAckmanGraphForm& form = *StartAlone(QStringLiteral("Ackman"), false, [](TAckman&) {}).GraphForm();
  Show(form, {600, 620});
  std::vector<QString> rows;
  for (int i = 0; i < 20; ++i) rows.push_back(TAckStackData("", i ? 8 : 0, 2, i, i % 3 ? i * 7 : -1, -1).GetText());
  rows.push_back(TAckStackData("", 8, 0, 13, 5, 29).GetText());
  ExpectTitleOverEveryRow(*form.Stack, rows);
}

TEST_F(HanoiColumns, HanoiHeadingsStandOverTheFields) {
  TAckmanGraphForm& form = *StartAlone(QStringLiteral("Hanoi"), false, [](THanoi&) {}).StackForm();
  Show(form, {400, 230});
  ExpectTitleOverEveryRow(*form.Stack, {THanoiStkData("", 0, 4, 'a', 'b', 'c').GetText(),
                                        THanoiStkData("", 5, 3, 'a', 'c', 'b').GetText(),
                                        THanoiStkData("", 7, 2, 'c', 'b', 'a').GetText()});
}

TEST_F(QueensColumns, QueensHeadingsStandOverTheFields) {
  TQueensForm& form = *StartAlone(QStringLiteral("Queens"), false, [](TQueens&) {}).BoardForm();
  Show(form, form.size() * 3 / 2);
  ExpectTitleOverEveryRow(*form.StackBox, {TQueensStkData("", 0, 1, 2).GetText(), TQueensStkData("", 8, 2, 4).GetText(),
                                           TQueensStkData("", 8, 10, 10).GetText()});
}

TEST_F(TrainsColumns, RailwayHeadingsStandOverTheFieldsInBothColumnsAsTheOrderGrows) {
  TAckmanGraphForm& form = *StartAlone(QStringLiteral("Trains"), false, [](TTrains&) {}).StackForm();
  for (const QSize size : {QSize(400, 250), QSize(760, 420)}) {
    Show(form, size);
    // One call deeper per operation, down to a complete order: rows in both columns.
    const QString order = QStringLiteral("SSXSXSXX");
    std::vector<QString> rows;
    for (int k = 0; k <= order.size(); ++k) {
      const QString done = order.left(k);
      rows.push_back(TTrains::RowText(int(done.count('S')), int(done.count('X')), TTrains::Cars, done));
    }
    ExpectTitleOverEveryRow(*form.Stack, rows);
  }
}

TEST_F(MazeColumns, MazeHeadingOnTheBottomPanelStandsOverTheRightColumnOnEveryPageAndSize) {
  TStkContainerForm& form = *StartAlone(QStringLiteral("Maze"), false, [](TMaze&) {}).StkContainer();
  TStackBox& box = *form.Stack;
  box.ShowAnimate = false;
  for (int k = 1; k <= 15; ++k)
    box.Push(std::make_unique<TMazeStkData>(QString(), k > 1 ? 2 : 0, k == 15, k, std::min(k, 8), k / 8 + 1,
                                            k < 15 ? k % 4 + 1 : -1));
  form.ResetPage();
  // Resized larger and back, as a user drags the window: the heading is written afresh at
  // each size, nothing of the one before left on the panel. A window too narrow for two
  // columns (290 wide) shows one a page, its buttons beside the heading.
  for (const QSize size : {QSize(456, 228), QSize(700, 300), QSize(290, 228), QSize(456, 228)}) {
    Show(form, size);
    EXPECT_EQ(form.PerPage, size.width() < 400 ? 1 : 2) << size.width();
    for (int page = form.MinPage; page <= box.ColCount - form.PerPage; ++page) {
      Show(form, size);
      form.Page = page;
      form.UpdatePage();
      pacing::ProcessMessages();
      const Line heading = Read(*form.Heading, form.Heading->Image(), form.Heading->rect(), clBlue,
                                QStringLiteral("Addr   succ   k   x   y   i"), form);
      // The bottom row of the page's right column, when that column holds any.
      const int bottom = (box.ColCount - form.PerPage - page) * box.RowCount;
      if (bottom >= box.Count()) continue;
      ExpectOver(heading, ReadRow(*box.Row(bottom), box.NodeFont.Color, form),
                 QStringLiteral("%1 x %2, page %3, row \"%4\"")
                     .arg(size.width())
                     .arg(size.height())
                     .arg(page)
                     .arg(box.Row(bottom)->RowText));
      for (const TSpeedButton* button : {form.BtnL, form.BtnR}) {
        if (!button->isVisibleTo(&form)) continue;
        const int left = button->mapTo(&form, QPoint(0, 0)).x();
        for (const auto& [l, r] : heading.words)
          EXPECT_TRUE(r < left || l > left + button->width() - 1) << "a paging button covers a heading, page " << page;
      }
    }
  }
}

// ---------------------------------------------------------------- the other chapters' stack windows

namespace {

// A demonstration's stack window and records for it: rows as its records write them, deep
// enough to fill both columns of a two-column window, with the widest fields it shows.
struct StackWindowCase {
  const char* demo;
  bool useC;
  std::function<std::vector<QString>()> rows;
};

// Records of the binary-tree demonstrations: lines of the calls over nodes n1 .. n12 and NIL.
std::vector<QString> TreeRows(TTrTravColumns columns) {
  QWidget window;
  TBinCharTree tree(&window);
  auto* node = static_cast<TBinCharTreeNode*>(tree.NewRoot());
  node->SetValue('K');
  std::vector<QString> rows{TTrTravStackData({}, 0, node, columns).GetText()};
  node->SetCaption(QStringLiteral("n12"));
  rows.push_back(TTrTravStackData({}, 6, node, columns).GetText());
  rows.push_back(TTrTravStackData({}, 4, nullptr, columns).GetText());
  return rows;
}

std::vector<QString> NOSTRows() {
  QWidget window;
  TBinCharTree tree(&window);
  auto* node = static_cast<TBinCharTreeNode*>(tree.NewRoot());
  node->SetValue('B');
  return {TNOSTStackData({}, 0, nullptr, 1, 12).GetText(), TNOSTStackData({}, 12, node, 10, 12).GetText(),
          TNOSTStackData({}, 9, node, 1, 1).GetText()};
}

// The nodes of "(a,(b,c),((d)))": n1 .. with atoms and NIL between them.
template <class Row>
std::vector<QString> ListsRows(Row row) {
  TLists lists;
  lists.resize(536, 348);
  lists.SetRow(7);
  lists.SetColumn(6);
  lists.Build(QStringLiteral("(a,(b,c),((d)))"));
  const TListsNode* n1 = lists.Root();
  const TListsNode* n2 = n1->tp.get();
  const std::vector<const TListsNode*> nodes{n1, n2, n2->hp.get(), n2->hp->hp.get(), nullptr};
  std::vector<QString> rows;
  for (std::size_t i = 0; i < 10; ++i) rows.push_back(row(i ? 8 : 0, nodes[i % nodes.size()], nodes[(i + 1) % nodes.size()], int(i)));
  return rows;
}

const StackWindowCase kStackWindows[] = {
    {"Preorder", false, [] { return TreeRows({}); }},
    {"Inorder", true, [] { return TreeRows({}); }},
    {"Postorder", false, [] { return TreeRows({}); }},
    {"CrtBTPreOdr", true, [] { return TreeRows({10, 22}); }},
    {"NOST", true, NOSTRows},
    {"CopyLists", true,
     [] {
       return ListsRows([](int addr, const TListsNode* a, const TListsNode* b, int) {
         return TCLStkData(addr, a, b).GetText();
       });
     }},
    {"DepthLists", true,
     [] {
       return ListsRows([](int addr, const TListsNode* a, const TListsNode* b, int k) {
         return TDLStkData(addr, a, k % 3, b, k).GetText();
       });
     }},
};

void PrintTo(const StackWindowCase& c, std::ostream* os) { *os << c.demo; }

class StackWindowColumns : public ::testing::TestWithParam<StackWindowCase> {
 protected:
  void TearDown() override { UseCLanguage = false; }
  modal::ScriptedHostScope host_;
};

}  // namespace

// Every heading stands over its field in each row of each column, in a small and a large pane.
TEST_P(StackWindowColumns, HeadingsStandOverTheFields) {
  const StackWindowCase& c = GetParam();
  RegisterAllDemos();
  UseCLanguage = c.useC;
  const TAlgoSrc* text = ProcSrcContainer().FindText(QString::fromLatin1(c.useC ? "C_" : "P_") + c.demo);
  ASSERT_NE(text, nullptr);
  const DemoClassRegistry::Entry* cls = FindDemoClass(QString::fromLatin1(c.demo));
  ASSERT_NE(cls, nullptr);
  const std::unique_ptr<TAlgoDemo> demo = CreateDemo(*cls, text->Source);
  TAckmanGraphForm* form = nullptr;
  for (TGraphForm* f : TGraphForm::All())
    if (auto* stack = dynamic_cast<TAckmanGraphForm*>(f)) form = stack;
  ASSERT_NE(form, nullptr) << "no stack window";
  const std::vector<QString> rows = c.rows();
  for (const QSize size : {QSize(330, 230), QSize(760, 420)}) {
    Show(*form, size);
    ExpectTitleOverEveryRow(*form->Stack, rows);
  }
}

INSTANTIATE_TEST_SUITE_P(Chapters, StackWindowColumns, ::testing::ValuesIn(kStackWindows),
                         [](const auto& info) { return std::string(info.param.demo); });
