#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QSet>

#include "demos/sort/SortData.h"
#include "demos/sort/SortGraphForms.h"
#include "demos/sort/SortInputDlg.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/drawkit/WesternText.h"
#include "framework/engine/Errors.h"
#include "platform/Controls.h"
#include "tests/support/ScriptControls.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

// A row of the insertion sort's size holding keys.
std::unique_ptr<TSortData> Row(const QString& keys, int capacity = 12, int startIndex = 1) {
  auto row = std::make_unique<TSortData>();
  row->resize(321, 304);
  row->Capacity = capacity;
  row->StartIndex = startIndex;
  row->SetDataString(keys);
  return row;
}

QString Keys(const TSortData& row) { return row.GetDataString(); }

}  // namespace

TEST(SortRowLayout, BoxesStandOnTheBottomSizedByTheirKeys) {
  auto row = Row(QStringLiteral("ABCDEFGHIJKL"));
  const TSortNode* a = row->NodeAt(1);
  const TSortNode* l = row->NodeAt(12);
  EXPECT_EQ(a->width(), 6);
  EXPECT_EQ(a->height(), 76) << "the lowest key is a quarter of the row";
  EXPECT_EQ(l->height(), 266) << "the highest key is seven eighths of the row";
  EXPECT_EQ(a->x(), 3);
  EXPECT_EQ(l->y() + l->height(), 304) << "boxes stand on the bottom edge";
  EXPECT_EQ(row->Count(), 12);
}

TEST(SortRowLayout, EqualKeysAndFixedSizesAreThreeQuartersHigh) {
  TRowLayout l{321, 304, 12, 1, 1, false, 'C', 'C'};
  EXPECT_EQ(l.NodeHeight('C'), 228);
  l.LowKey = 'A';
  l.HighKey = 'L';
  l.FixedNodeSize = true;
  EXPECT_EQ(l.NodeHeight('A'), 228);
  l.NodeWidthRatio = 10;
  EXPECT_EQ(l.NodeWidth(), 16) << "ratio 10 gives seven tenths of a place";
}

// A low row (the address row, the tournament's keys at 1024 x 768): the tallest box would
// cover the place numbers at the top; the boxes shrink, still each taller than the last.
TEST(SortRowLayout, InALowRowTheBoxesStayBelowThePlaceNumbers) {
  const TRowLayout l{423, 83, 9, 1, 10, false, 'C', 'U'};
  EXPECT_LE(l.NodeHeight('U'), 83 - l.LabelBand);
  EXPECT_GT(l.NodeHeight('U'), l.NodeHeight('T'));
  EXPECT_GT(l.NodeHeight('D'), l.NodeHeight('C'));
  const TRowLayout fixed{423, 20, 9, 1, 10, true, 'C', 'U'};
  EXPECT_GT(fixed.NodeHeight('C'), 0) << "a row lower than the numbers still shows its boxes";
}

// The address row of the quick address-table sort at 1920 x 1080: every box shows its number
// in one size fitted to the row, and even the lowest box holds it.
TEST(SortRowLayout, BoxesShowingNumbersAreNeverTooLowForThem) {
  const TRowLayout l{635, 87, 9, 1, 10, false, 'C', 'U', 24, true};
  EXPECT_GE(l.DigitHeight(), 20) << "digits sized by the row, not by the lowest bar";
  EXPECT_GE(l.NodeHeight('C'), l.DigitHeight() + 4);
  EXPECT_GT(l.NodeHeight('D'), l.NodeHeight('C')) << "the heights still tell the keys apart";
  EXPECT_LE(l.NodeHeight('U'), 87 - 24);
  EXPECT_LE(l.DigitHeight() * 10 / 9, l.NodeWidth()) << "two digits fit side by side";
}

// Place numbers are bold italic, whose line runs higher than the font: at any row size each
// number's line stays inside its label, so no digit loses its top or its foot.
TEST(SortRowLayout, PlaceNumbersKeepTheirWholeLine) {
  for (const QSize size : {QSize(587, 463), QSize(321, 304), QSize(800, 600), QSize(423, 53), QSize(378, 304)}) {
    auto row = Row(QStringLiteral("LKJIHGFEDCBA"), 17, -4);
    row->resize(size);
    row->AfterRescale();
    const QList<TPlaceLabel*> labels = row->findChildren<TPlaceLabel*>();
    ASSERT_EQ(labels.size(), 17);
    for (const TPlaceLabel* label : labels) {
      const QRect line = QFontMetrics(label->font()).boundingRect(label->rect(), Qt::AlignCenter, label->text());
      EXPECT_TRUE(label->rect().contains(line))
          << label->text().toStdString() << " in a row of " << size.width() << " x " << size.height();
    }
  }
}

TEST(SortRowKeys, IndexOutsideThePlacesIsRefusedAndChangesNothing) {
  auto row = Row(QStringLiteral("DCBA"), 17, -4);
  for (int bad : {-5, 13}) {
    try {
      row->SetKey(bad, 'Z');
      ADD_FAILURE() << "SetKey(" << bad << ") was accepted";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("index out of bounds"));
    }
  }
  EXPECT_EQ(Keys(*row), QStringLiteral("DCBA"));
  EXPECT_EQ(row->HighKey(), 'D') << "a refused key must not widen the key range";
  EXPECT_THROW(row->GetKey(5), Exception);
}

TEST(SortRowKeys, ShorterTextDeletesTheBoxesBeyondIt) {
  auto row = Row(QStringLiteral("QUICKSORT"));
  row->SetDataString(QStringLiteral("AB"));
  EXPECT_EQ(Keys(*row), QStringLiteral("AB"));
  EXPECT_EQ(row->NodeCount(), 2);
  EXPECT_EQ(row->NodeAt(3), nullptr);
}

TEST(SortRowActions, CompareIsStrictOnCharacterCodes) {
  auto row = Row(QStringLiteral("BAB"));
  EXPECT_TRUE(row->Compare(1, 2, true));
  EXPECT_FALSE(row->Compare(2, 1, false));
  EXPECT_FALSE(row->Compare(1, 3, true)) << "equal keys are not greater";
}

TEST(SortRowActions, SwapExchangesHeightsNotPlaces) {
  auto row = Row(QStringLiteral("AL"));
  TSortNode* first = row->NodeAt(1);
  TSortNode* second = row->NodeAt(2);
  const QPoint firstPlace(first->x(), 0);
  const int lowHeight = first->height();
  const int highHeight = second->height();
  row->Swap(1, 2, true);
  EXPECT_EQ(row->NodeAt(1), first) << "the boxes keep their places";
  EXPECT_EQ(first->x(), firstPlace.x());
  EXPECT_EQ(Keys(*row), QStringLiteral("LA"));
  EXPECT_EQ(first->height(), highHeight);
  EXPECT_EQ(second->height(), lowHeight);
  EXPECT_EQ(first->FaceColor(), row->NodeColor) << "the flashes end in the colour at rest";
}

TEST(SortRowActions, SwapCarriesTheLinkOfListRecords) {
  TSortData row;
  row.resize(395, 375);
  row.Capacity = 12;
  row.NodeClass = SortNodeClass<TListSortNode>();
  row.SetDataString(QStringLiteral("DC"));
  static_cast<TListSortNode*>(row.NodeAt(1))->SetNext(0);
  static_cast<TListSortNode*>(row.NodeAt(2))->SetNext(1);
  row.Swap(1, 2, false);
  EXPECT_EQ(static_cast<TListSortNode*>(row.NodeAt(1))->Next(), 1);
  EXPECT_EQ(static_cast<TListSortNode*>(row.NodeAt(2))->Next(), 0);
}

TEST(SortRowActions, MoveKeyOntoAnEmptyPlaceCreatesTheBoxAndLeavesTheSourceSilver) {
  auto row = Row(QStringLiteral("DCBA"), 17, -4);
  row->NodeColor = clPurple;
  row->MoveKey(-2, 4, true);
  ASSERT_NE(row->NodeAt(-2), nullptr);
  EXPECT_EQ(row->GetKey(-2), 'A');
  EXPECT_EQ(row->NodeAt(-2)->height(), row->NodeAt(4)->height());
  EXPECT_EQ(row->NodeAt(4)->FaceColor(), clSilver) << "the emptied place stays silver";
  EXPECT_EQ(row->NodeAt(-2)->FaceColor(), clPurple);
  EXPECT_EQ(row->Count(), 4) << "a sentinel box is no key";
  try {
    row->MoveKey(1, -4, false);
    ADD_FAILURE() << "moving from an empty place was accepted";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("tend to read a nil node"));
  }
}

TEST(SortRowShapes, ABoxReadsOnlyWhatItWritesItsKeyAndColourAreNoted) {
  // A key box writes nothing: its height tells the key, its face the colour.
  auto row = Row(QStringLiteral("DC"));
  row->NodeAt(1)->SetColor(clPurple);
  const TDrawnShape key = row->NodeAt(1)->DrawingShapes().front();
  EXPECT_EQ(key.Text, QString());
  EXPECT_EQ(key.Note, QStringLiteral("D purple"));
  // A list record writes its link; an address or queue place its number, a queue's in two
  // digits, and a place that holds no key notes only its colour.
  TListSortNode record;
  record.SetKey('A');
  record.SetNext(3);
  record.SetColor(16744703);
  EXPECT_EQ(record.DrawingShapes().front().Text, QStringLiteral("3"));
  EXPECT_EQ(record.DrawingShapes().front().Note, QStringLiteral("A pink"));
  TRadixNode queue;
  queue.Addr = 7;
  queue.SetColor(clAqua);
  EXPECT_EQ(queue.DrawingShapes().front().Text, QStringLiteral("07"));
  EXPECT_EQ(queue.DrawingShapes().front().Note, QStringLiteral("aqua"));
  queue.Addr = 42;
  EXPECT_EQ(queue.DrawingShapes().front().Text, QStringLiteral("42"));
}

// A box tells its key by its height: left at another key's height (a box copied from a row box
// that was not laid out again), it tells that key, so the value rule sees the stale bar.
TEST(SortRowShapes, ABoxTellsTheKeyItsHeightShows) {
  auto row = Row(QStringLiteral("AHPZ"));
  TSortNode& h = *row->NodeAt(2);
  EXPECT_EQ(h.ToldKey(), 'H');
  h.resize(h.width(), row->NodeAt(3)->height());
  EXPECT_EQ(h.ToldKey(), 'P') << "a box at P's height reads as P";
  EXPECT_EQ(h.DrawingShapes().front().Note.left(1), QStringLiteral("P"));
  // A box of no row copies a row box (x, t): against that row its height tells its key.
  TSortNode x;
  row->NodeAt(4)->AssignTo(x);
  x.SetKey('A');
  EXPECT_EQ(x.ToldKey(), 'A') << "with no row to measure against, its own key";
  x.HeightRow = row.get();
  EXPECT_EQ(x.ToldKey(), 'Z') << "as high as Z against its row";
  row->LayoutNode(x);
  EXPECT_EQ(x.ToldKey(), 'A');
}

// The row's places stand for what the demonstration says; one that stands for an element but
// shows no box is an empty cell, so that a box missing where the element holds a key is told.
TEST(SortRowShapes, PlacesWithoutABoxAreEmptyCellsStandingForTheirElements) {
  auto row = Row(QStringLiteral("AB"), 6);
  EXPECT_TRUE(row->DrawingShapes().empty()) << "no meanings, no cells";
  row->Means = [](int i) -> std::vector<TValueMeaning> {
    if (i > 4) return {};
    return {{.Of = {QStringLiteral("r[%1]").arg(i - 1)}, .Part = TValueMeaning::InNote}};
  };
  row->NodeAt(2)->hide();
  const std::vector<TDrawnShape> cells = row->DrawingShapes();
  ASSERT_EQ(cells.size(), 3u) << "places 2 (hidden), 3 and 4; none past the array";
  EXPECT_EQ(cells[0].Kind, TDrawnShape::Cell);
  EXPECT_EQ(cells[0].Stands.front().Of, QStringList{QStringLiteral("r[1]")});
  EXPECT_EQ(cells[2].Note, QString());
  EXPECT_EQ(cells[0].Box.left(), row->NodeAt(2)->x()) << "the empty cell stands where its missing box stood";
  EXPECT_LT(cells[1].Box.right(), cells[2].Box.left()) << "places 3 and 4 each in its own column";
  EXPECT_GE(cells[1].Box.top(), row->Layout().LabelBand) << "a cell keeps off the place numbers";
  EXPECT_EQ(row->NodeAt(1)->DrawingShapes().front().Stands.size(), 1u) << "a box stands for its place";
}

TEST(SortRowShapes, ACaptionIsACellOnlyWhereItStandsForAValue) {
  TZqStaticText counter;
  counter.resize(160, 30);
  counter.SetCaption(QStringLiteral("比较次数: 3"));
  EXPECT_TRUE(counter.DrawingShapes().empty());
  CaptionReads(counter, QStringLiteral("r1"));
  const std::vector<TDrawnShape> shapes = counter.DrawingShapes();
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_EQ(shapes[0].Kind, TDrawnShape::Cell);
  EXPECT_EQ(shapes[0].Text, QStringLiteral("比较次数: 3"));
  EXPECT_EQ(shapes[0].Stands.front().Value(), std::optional<QString>(QStringLiteral("r1")));
  // Held to its text, a caption set to another name later (two rows' captions swapped) reads
  // apart from what it stands for, and the caption it was set to agrees.
  counter.SetCaption(QStringLiteral("r2"));
  EXPECT_NE(counter.DrawingShapes().front().Text, counter.DrawingShapes().front().Stands.front().Value());
  counter.SetCaption(QStringLiteral("r1"));
  EXPECT_EQ(counter.DrawingShapes().front().Text, counter.DrawingShapes().front().Stands.front().Value());
}

TEST(SortRowInput, TooLongTextIsReportedAndCut) {
  modal::ScriptedHostScope host;
  auto row = Row(QStringLiteral("AB"));
  row->AcceptInput(QStringLiteral("ABCDEFGHIJKLM"));
  EXPECT_EQ(Keys(*row), QStringLiteral("ABCDEFGHIJKL"));
  ASSERT_EQ(host->Transcript().size(), 1);
  EXPECT_TRUE(host->Transcript()[0].endsWith(QStringLiteral("数据太长,将被截断")));
}

TEST(SortRowInput, DialogOkReplacesTheKeysAndCancelKeepsThem) {
  modal::ScriptedHostScope host;
  auto row = Row(QStringLiteral("QUICKSORT"));
  host->QueueDialog(QStringLiteral("Edit=dcb4a OK"));
  EXPECT_TRUE(row->InputData());
  EXPECT_EQ(Keys(*row), QStringLiteral("DCBA")) << "digits are dropped, letters made capitals";
  host->QueueDialog(QStringLiteral("Edit=XYZ Cancel"));
  EXPECT_FALSE(row->InputData());
  EXPECT_EQ(Keys(*row), QStringLiteral("DCBA"));
}

TEST(SortInputDialog, KeysAreCapitalsUpToMaxLen) {
  TSortInputDlg dlg;
  dlg.MaxLen = 4;
  EXPECT_FALSE(dlg.OKBtn->isEnabled()) << "OK waits for a key";
  script::TypeText(*dlg.Edit, QStringLiteral("a1 b-cde"));
  EXPECT_EQ(dlg.Text(), QStringLiteral("ABCD"));
  EXPECT_TRUE(dlg.OKBtn->isEnabled());
  dlg.Edit->clear();
  EXPECT_FALSE(dlg.OKBtn->isEnabled());
  dlg.MaxLen = 12;
  dlg.UpBtn->click();
  EXPECT_EQ(dlg.Text(), QStringLiteral("ABCDEFGHIJKL"));
  dlg.DownBtn->click();
  EXPECT_EQ(dlg.Text(), QStringLiteral("LKJIHGFEDCBA"));
}

TEST(SortInputDialog, OkRefusesKeysOfMoreThanOneByteAndStaysOpen) {
  modal::ScriptedHostScope host;
  TSortInputDlg dlg;
  dlg.SetText(QStringLiteral("AB中"));
  host->QueueDialog(QStringLiteral("OK"));
  EXPECT_NE(dlg.ShowModal(), mrOk) << "the text was taken";
  ASSERT_GE(host->Transcript().size(), 2);
  EXPECT_TRUE(host->Transcript()[1].endsWith(kWesternOnly)) << host->Transcript()[1].toStdString();
}

TEST(SortInputDialog, RandomFillGivesDistinctCapitalsShortOfMaxLen) {
  for (int maxLen : {2, 9, 12}) {
    for (int round = 0; round < 50; ++round) {
      const QString keys = TSortInputDlg::RandomKeys(maxLen);
      EXPECT_GE(keys.size(), 2);
      EXPECT_LE(keys.size(), std::max(2, maxLen - 1));
      QSet<QChar> seen;
      for (QChar c : keys) {
        EXPECT_TRUE(c >= 'A' && c <= 'Z') << keys.toStdString();
        EXPECT_FALSE(seen.contains(c)) << "repeated letter in " << keys.toStdString();
        seen.insert(c);
      }
    }
  }
}

// The address sort's arrows are wider than the narrow key boxes: each stands centred under its
// box, so that its point is on the box it marks, not beside it.
TEST(SortPointers, AnArrowUnderAKeyBoxPointsAtItsMiddle) {
  TQkAddrSortGraphForm form;
  form.R->SetDataString(QStringLiteral("QUICKSORT"));
  for (const int index : {1, 5, 9}) {
    form.PointAtRecord(form.rkp, index);
    const TSortNode* box = form.R->NodeAt(index);
    const std::vector<TDrawnShape> shapes = form.rkp->DrawingShapes();
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].To.Control, box);
    const QPoint tip = form.rkp->mapTo(&form, shapes[0].Tip);
    const QRect target(box->mapTo(&form, QPoint(0, 0)), box->size());
    EXPECT_LE(std::abs(tip.x() - target.center().x()), 1) << "record " << index;
    EXPECT_LE(std::abs(tip.y() - target.bottom()), 2) << "record " << index;
  }
}

// Two arrows on one box lean apart: both points stay on the box, the arrows differ, and their
// captions stand apart inside the window, also on the first and last box of the row.
TEST(SortPointers, TwoArrowsOnOneBoxCanBothBeRead) {
  TQkAddrSortGraphForm form;
  form.resize(510, 630);
  form.R->SetDataString(QStringLiteral("QUICKSORT"));
  for (const int index : {1, 5, 9}) {
    form.PointAtRecord(form.addrkp, index);
    form.PointAtRecord(form.addrjp, index);
    const TSortNode* box = form.R->NodeAt(index);
    const QRect target(box->mapTo(&form, QPoint(0, 0)), box->size());
    for (const TRowPointer* p : {form.addrkp, form.addrjp}) {
      const QPoint tip = p->mapTo(&form, p->Tip());
      EXPECT_TRUE(target.adjusted(-2, -2, 2, 2).contains(tip)) << p->Caption().toStdString() << " on " << index;
      EXPECT_TRUE(form.rect().contains(p->geometry())) << p->Caption().toStdString() << " on " << index;
    }
    // Their tips more than 2 px apart, neither covering more than three fifths of the other.
    EXPECT_GT((form.addrkp->mapTo(&form, form.addrkp->Tip()) - form.addrjp->mapTo(&form, form.addrjp->Tip())).manhattanLength(), 2);
    const QRect k = form.addrkp->geometry(), j = form.addrjp->geometry(), both = k & j;
    EXPECT_LE(5 * both.width() * both.height(), 3 * std::min(k.width() * k.height(), j.width() * j.height())) << "on " << index;
    EXPECT_FALSE(form.addrkp->CaptionBox().intersects(form.addrjp->CaptionBox())) << "on " << index;
  }
  // One of them gone, the other stands upright again, centred under its box.
  form.Hide({form.addrjp});
  const TSortNode* box = form.R->NodeAt(9);
  EXPECT_NEAR(form.addrkp->mapTo(&form, form.addrkp->Tip()).x(), box->mapTo(&form, QPoint(0, 0)).x() + box->width() / 2, 1);
}

// In a small window the boxes stand closer than an arrow's caption is wide: arrows on two
// neighbouring boxes keep their captions apart, each arrow's tip still on its own box.
TEST(SortPointers, ArrowsOnNeighbouringBoxesKeepTheirCaptionsApart) {
  TQkAddrSortGraphForm form;
  form.resize(350, 430);
  form.R->SetDataString(QStringLiteral("ZAZAZAZAZ"));
  for (const int index : {1, 4, 8}) {
    form.PointAtRecord(form.addrkp, index);
    form.PointAtRecord(form.addrjp, index + 1);
    EXPECT_FALSE(form.addrkp->CaptionBox().intersects(form.addrjp->CaptionBox())) << "on " << index;
    for (const auto& [p, at] : {std::pair{form.addrkp, index}, std::pair{form.addrjp, index + 1}}) {
      const TSortNode* box = form.R->NodeAt(at);
      const QRect target(box->mapTo(&form, QPoint(0, 0)), box->size());
      EXPECT_TRUE(target.adjusted(-2, -2, 2, 2).contains(p->mapTo(&form, p->Tip()))) << p->Caption().toStdString();
    }
  }
}

// However far an arrow leans, nothing of it (its box included) stands above its tip, where the
// neighbouring boxes reach down to the same bottom edge.
TEST(SortPointers, NoArrowRisesAboveItsTip) {
  TQkAddrSortGraphForm form;
  form.resize(510, 630);
  form.R->SetDataString(QStringLiteral("QUICKSORT"));
  TSortNode* box = form.R->NodeAt(5);
  const QPoint tip = form.R->mapTo(&form, QPoint(box->x() + box->width() / 2, box->y() + box->height() - 1));
  for (const int lean : {-2, -1, 0, 1, 2}) {
    form.addrkp->Place(box, tip, 40, lean);
    EXPECT_EQ(form.addrkp->mapTo(&form, form.addrkp->Tip()), tip) << "lean " << lean;
    EXPECT_GE(form.addrkp->geometry().top(), tip.y() - 1) << "lean " << lean;
  }
}
