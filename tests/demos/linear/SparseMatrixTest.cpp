#include <gtest/gtest.h>

#include "demos/linear/MatrixGraph.h"
#include "demos/linear/MatrixGraph1.h"
#include "demos/linear/MatrixGraph2.h"
#include "demos/linear/MatrixInput.h"
#include "demos/linear/MatrixInput1.h"
#include "demos/linear/NoForm.h"
#include "demos/linear/TripleTable.h"
#include "framework/drawkit/IntEdit.h"
#include "framework/engine/Globals.h"
#include "platform/Pacing.h"
#include "platform/Forms.h"
#include "platform/Random.h"
#include "platform/Screen.h"
#include "tests/support/RenderWidget.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

// Presses keypad keys: digits, 'p' for +/-, 'b' for backspace.
QString Keys(TNoForm& pad, const char* keys) {
  pad.Edit1->setText(QStringLiteral("0"));
  for (const char* k = keys; *k != '\0'; ++k) {
    if (*k == 'p')
      pad.pnBtn->click();
    else if (*k == 'b')
      pad.ReBtn->click();
    else
      pad.Digits[*k - '0']->click();
  }
  return pad.Edit1->text();
}

}  // namespace

TEST(Keypad, KeepsTheValueWithinItsLimit) {
  TNoForm pad;
  pad.Mode = 't';
  EXPECT_EQ(Keys(pad, "5"), QStringLiteral("5")) << "the leading zero goes";
  EXPECT_EQ(Keys(pad, "1p"), QStringLiteral("-1"));
  EXPECT_EQ(Keys(pad, "12345"), QStringLiteral("1234")) << "10000 at most: the fifth digit is undone";
  EXPECT_EQ(Keys(pad, "p"), QStringLiteral("0")) << "+/- on 0 does nothing";
  EXPECT_EQ(Keys(pad, "5pb"), QStringLiteral("0")) << "a lone minus becomes 0";
  EXPECT_EQ(Keys(pad, "10000p0"), QStringLiteral("-10000")) << "-10000 .. 10000 only";
  pad.Mode = 'm';
  EXPECT_EQ(Keys(pad, "101"), QStringLiteral("10")) << "100 at most in the two-matrix dialog";
  EXPECT_EQ(Keys(pad, "100p"), QStringLiteral("-100"));
}

TEST(Keypad, TheCellButtonShowsWhatIsTyped) {
  TNoForm pad;
  for (int d = 0; d <= 9; ++d) EXPECT_FALSE(pad.Digits[d]->icon().isNull()) << "digit " << d << " has its glyph";
  EXPECT_FALSE(pad.ReBtn->icon().isNull()) << "backspace has its glyph";
  TSpeedButton cell(QStringLiteral("0"), nullptr);
  pad.Target = &cell;
  Keys(pad, "42p");
  EXPECT_EQ(cell.Caption(), QStringLiteral("-42"));
}

namespace {

// A 1920 x 1080 screen for one test, the fixed 1024 x 768 again after it.
struct LargeScreen {
  LargeScreen() { screen::SetFixedSize(QSize(1920, 1080)); }
  ~LargeScreen() { screen::SetFixedSize(QSize(1024, 768)); }
};

}  // namespace

// On a large screen every dialog grows and opens in the middle; the keypad still opens
// below the cell it types for, whole on the screen, its glyphs grown with it.
TEST(Keypad, OpensBelowItsCellOnAnyScreen) {
  LargeScreen large;
  TNoForm pad;
  const QSize glyph = pad.Digits[5]->iconSize();
  pad.At = QPoint(300, 500);
  FitToScreen(pad);
  pad.show();
  EXPECT_EQ(pad.pos(), QPoint(300, 500)) << "not in the middle, where it would hide the cells";
  EXPECT_GT(pad.width(), 275);
  EXPECT_GT(pad.Digits[5]->iconSize().width(), glyph.width());
  pad.hide();
  pad.At = QPoint(1900, 1070);
  pad.show();
  EXPECT_LE(pad.x() + pad.width(), 1920);
  EXPECT_LE(pad.y() + pad.height(), 1080);
}

// The brackets are painted, not controls: they grow with the cells they enclose.
TEST(MatrixInput, BracketsStandAroundTheCellsOnALargeScreen) {
  LargeScreen large;
  TMatrixInputDlg dlg;
  FitToScreen(dlg);
  dlg.show();
  const QImage img = RenderWidget(dlg);
  const QRect first = dlg.Cells->Button(1, 1)->geometry();
  const QRect last = dlg.Cells->Button(5, 5)->geometry();
  const int x = dlg.Scaled(40);  // the left bracket's line
  int black = 0;
  for (int y = first.top(); y <= last.bottom(); ++y) black += QColor(img.pixel(x, y)) == QColor(Qt::black);
  EXPECT_GE(black, last.bottom() - first.top()) << "the left bracket runs beside the cells";
  EXPECT_LT(x, first.left());
}

TEST(TripleTable, CellsBecomeTriplesInRowMajorOrder) {
  TCellValues cells{};
  cells[0][1] = 5;
  cells[0][3] = -1;
  cells[2][0] = 7;
  cells[4][4] = 9;  // outside the 3 x 4 shown
  const TTripleTable t = TableFromCells(cells, 3, 4);
  EXPECT_EQ(t.mu, 3);
  EXPECT_EQ(t.nu, 4);
  ASSERT_EQ(t.tu, 3) << "hidden cells are not stored";
  EXPECT_EQ(t.At(1), (TTriple{1, 2, 5}));
  EXPECT_EQ(t.At(2), (TTriple{1, 4, -1}));
  EXPECT_EQ(t.At(3), (TTriple{3, 1, 7}));
  EXPECT_EQ(CountNonZero(cells, 5, 5), 4);
}

TEST(TripleTable, RowStartsOfN) {
  TCellValues cells{};
  cells[0][1] = 4;
  cells[1][0] = 5;
  cells[2][0] = 1;
  cells[2][1] = -1;
  EXPECT_EQ(RowStarts(TableFromCells(cells, 3, 2)), (std::vector<int>{1, 2, 3, 5}));
  cells[1][0] = 0;
  EXPECT_EQ(RowStarts(TableFromCells(cells, 3, 2)), (std::vector<int>{1, 2, 2, 4})) << "an empty row";
}

TEST(RandomFilling, StaysSparseAndNeverFillsTheFirstCell) {
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    rnd::FixSeed(seed);
    TMatrixInputDlg dlg;
    dlg.AutoBtn->click();
    const int m = dlg.IntEdit1->Value();
    const int n = dlg.IntEdit2->Value();
    const int count = dlg.Edit1->text().toInt();
    EXPECT_LE(count, SparseLimit(m, n)) << "seed " << seed;
    EXPECT_EQ(dlg.Cells->Values[0][0], 0) << "seed " << seed;
    EXPECT_LE(dlg.Cells->Count(), count) << "a drawn 0 counts but leaves its cell empty";
  }
  rnd::FixSeed(12345);
}

TEST(MatrixInput, RefusesTooManyElementsAndKeepsTheDialogOpen) {
  modal::ScriptedHostScope host;
  TMatrixInputDlg dlg;
  dlg.UpDown1->setValue(10);
  dlg.UpDown2->setValue(10);
  for (int k = 0; k < 26; ++k) dlg.Cells->SetValue(k / 10 + 1, k % 10 + 1, k + 1);
  host->QueueDialog(QStringLiteral("@BtnOK"));
  host->QueueDialog(QStringLiteral("@BtnCancel"));
  EXPECT_FALSE(dlg.Execute());
  EXPECT_TRUE(host->Transcript().join('\n').contains(
      QStringLiteral("您输入的非零元超过了25个，这将会影响演示速度，请重新输入矩阵！")))
      << host->Transcript().join('\n').toStdString();
}

TEST(MatrixInput1, ChecksMThenN) {
  modal::ScriptedHostScope host;
  TMatrixInput1Dlg dlg;
  dlg.UpDown1->setValue(1);
  dlg.UpDown2->setValue(2);
  dlg.UpDown3->setValue(1);
  dlg.Cells[0]->SetValue(1, 1, 3);
  dlg.Cells[0]->SetValue(1, 2, 4);
  host->QueueDialog(QStringLiteral("@OKBtn"));
  host->QueueMessage(QStringLiteral("No"));
  host->QueueDialog(QStringLiteral("@OKBtn"));
  host->QueueMessage(QStringLiteral("Yes"));
  EXPECT_TRUE(dlg.Execute()) << "No keeps the dialog open, Yes closes it";
  EXPECT_EQ(dlg.Tables[0].tu, 2);
  EXPECT_EQ(dlg.Tables[1].mu, 2) << "N's rows are M's columns";
  EXPECT_EQ(host->Transcript().filter(QStringLiteral("矩阵M中，您输入的非零元过多")).size(), 2);
}

TEST(ProductView, CellsAndOrigins) {
  TDenseMatrix m;
  m.mu = 2;
  m.nu = 1;
  TDenseMatrix n;
  n.mu = 1;
  n.nu = 7;
  TDenseMatrix q;
  q.mu = 2;
  q.nu = 7;
  const TProductLayout l = TProductLayout::Compute(688, 453, m, n, q);
  EXPECT_EQ(l.CellW, 40) << "688 div (1 + 7 + 7 + 2)";
  EXPECT_EQ(l.CellH, 90) << "453 div (2 + 3)";
  EXPECT_EQ(l.Org[2], 3) << "N stands one empty column after M, so that their brackets stand apart";
  EXPECT_EQ(l.Org[4], 11) << "Q after N and the equals sign";
  EXPECT_EQ(l.Org[3], 2 + (2 - 1) / 2) << "the shorter N is centred on M";
  EXPECT_EQ(l.X(1), 10) << "a quarter cell keeps M's bracket off the edge";
  EXPECT_EQ(l.X(l.Org[2]) - l.X(2), 20) << "half a cell parts M from N";
  EXPECT_EQ(l.Width(l.Org[2] - 1), 20);
  EXPECT_EQ(l.X(l.Org[4]) - l.X(l.Org[4] - 1), 40) << "the equals sign takes a whole cell";
  EXPECT_EQ(l.X(l.Org[4] + 7), 10 + 16 * 40 + 20) << "Q ends a quarter cell from the edge";

  // Q's cells half as wide again: the other columns narrow so that Q still ends in time.
  const TProductLayout wide = TProductLayout::Compute(688, 453, m, n, q, 1.5);
  EXPECT_EQ(wide.CellW, 33) << "688 div (1 + 7 + 2 + 7 * 1.5)";
  EXPECT_EQ(wide.QCellW, 49);
  EXPECT_EQ(wide.X(wide.Org[4] + 1) - wide.X(wide.Org[4]), 49);
  EXPECT_LE(wide.X(wide.Org[4] + 7) + wide.Margin, 688);
}

TEST(ProductView, CountUpShowsTheSumGrowing) {
  std::vector<int> up45;
  for (int k = 2; k <= 44; k += 2) up45.push_back(k);
  up45.push_back(45);
  EXPECT_EQ(CountUpSteps(45), up45);
  EXPECT_EQ(CountUpSteps(-3), (std::vector<int>{-1, -2, -3}));

  TMatrixGraph2Form form;
  form.MDense.mu = form.MDense.nu = 1;
  form.NDense.mu = form.NDense.nu = 1;
  form.QDense.mu = form.QDense.nu = 1;
  form.ComputeOrigins();
  const std::uint8_t saved = RunSpeed;
  RunSpeed = 99;
  pacing::StartRecording();
  form.CountUp(1, 1, 45);
  EXPECT_EQ(pacing::StopRecording(), std::vector<int>(23, 26)) << "23 frames of 125 - speed";
  RunSpeed = saved;
  EXPECT_EQ(form.QDense.Cell(1, 1), 0) << "the stored cell is left to the caller";
}

// The accumulators of Q's current row are hidden while their column shows the row's own
// aqua; the cells say what the last paint showed, not the colours set since.
TEST(ProductView, QsCurrentRowReportsWhatWasLastPainted) {
  TMatrixGraph2Form form;
  form.resize(688, 453);
  form.MDense.mu = form.MDense.nu = 1;
  form.NDense.mu = 1;
  form.NDense.nu = 2;
  form.QDense.mu = 1;
  form.QDense.nu = 2;
  form.QDense.Cell(1, 1) = 6;
  form.QDense.Cell(1, 2) = 8;
  form.ComputeOrigins();
  form.ShowQ = true;
  form.QRow = 1;
  const auto qRow = [&form] {
    QStringList texts;
    const std::vector<TDrawnShape> shapes = form.DrawingShapes();
    for (std::size_t k = shapes.size() - 2; k < shapes.size(); ++k) texts << shapes[k].Text;
    return texts.join(',');
  };
  form.ColColour = {clAqua, clRed};
  form.FormPaint();
  EXPECT_EQ(qRow(), QStringLiteral(",8"));
  form.ColColour.fill(clBlue);
  EXPECT_EQ(qRow(), QStringLiteral(",8")) << "not painted since";
  form.FormPaint();
  EXPECT_EQ(qRow(), QStringLiteral("6,8"));
}

TEST(TripleView, OneLineKeepsTheColumnsAndRowsOfTheWholeTable) {
  const TTripleGeometry g = TTripleGeometry::Plain(644, 453, 5);
  EXPECT_EQ(g.W, 644 / 9);
  EXPECT_EQ(g.H, 453 * 3 / 13);
  EXPECT_EQ(g.X(1), 3 * g.W + g.W / 2);
  EXPECT_EQ(g.X(6), 8 * g.W + g.W / 2) << "the place after the last element";
  EXPECT_EQ(g.AY(5), 453 / 13);
  EXPECT_EQ(g.RowMid, 453 * 5 / 13);
  EXPECT_EQ(g.BY(5), 453 * 9 / 13);
  const TTripleGeometry f = TTripleGeometry::Fast(644, 453, 5, 4);
  EXPECT_EQ(f.W, 644 / 8);
  EXPECT_EQ(f.W2, 644 / 7);
  EXPECT_EQ(f.RowCount, 453 * 13 / 17);
  EXPECT_EQ(f.BY(3), 453 * 9 / 17);
}

TEST(TripleView, AFoldedTableContinuesUnderItsFirstElement) {
  for (const TTripleGeometry& g : {TTripleGeometry::Plain(1000, 400, 25, 2), TTripleGeometry::Fast(1000, 400, 25, 10, 2)}) {
    EXPECT_EQ(g.PerLine, 13);
    EXPECT_EQ(g.X(14), g.X(1));
    EXPECT_EQ(g.AY(13), g.AY(1));
    EXPECT_GT(g.AY(14), g.AY(13) + g.H) << "the second line stands below the first";
    EXPECT_GT(g.RowMid, g.AY(25) + g.H) << "the middle row below a";
    EXPECT_GT(g.BY(1), g.RowMid + g.H) << "b below the middle row";
    EXPECT_EQ(g.BY(25), g.BY(14));
    EXPECT_EQ(g.X(26), g.X(25) + g.W) << "the place after the last element ends its line";
    EXPECT_EQ(g.AY(26), g.AY(25));
    EXPECT_LT(g.BY(25) + g.H, g.RowCount > 0 ? g.RowCount : 401);
  }
  // A table that fills its lines exactly keeps the place after its end on its last line.
  const TTripleGeometry even = TTripleGeometry::Plain(1000, 400, 24, 2);
  EXPECT_EQ(even.AY(25), even.AY(24));
  EXPECT_EQ(even.X(25), even.X(24) + even.W);
}

namespace {

class TOpenTripleView : public TMatrixGraphForm {
 public:
  using TMatrixGraphForm::CellFontHeight;
  using TMatrixGraphForm::Geometry;
};

}  // namespace

TEST(TripleView, FoldsALongTableOfWideValuesAndKeepsAShortOneOnOneLine) {
  TOpenTripleView view;
  view.resize(1024, 360);
  view.A.mu = 10;
  view.A.nu = 10;
  view.A.tu = 25;
  for (int k = 1; k <= 25; ++k) view.A.At(k) = {(k - 1) / 3 + 1, (k - 1) % 3 * 3 + 1, -10000};
  const TTripleGeometry folded = view.Geometry();
  EXPECT_GE(folded.Lines, 2);
  const QString widest = QStringLiteral("-10000");
  const TTripleGeometry flat = TTripleGeometry::Plain(1024, 360, 25);
  EXPECT_GT(view.CellFontHeight(folded.W, folded.H / 3, widest), view.CellFontHeight(flat.W, flat.H / 3, widest));
  view.A.tu = 3;
  EXPECT_EQ(view.Geometry().Lines, 1);
}

namespace {

class TOpenDropView : public TMatrixGraphForm {
 public:
  using TMatrixGraphForm::Geometry;
};

}  // namespace

// A triple dropping into b's second line passes b's first line on its way: that line stays
// whole, and the triple, once in b, is b's (no moving triple apart from it); the frame walking
// along a is a mark on the element it stands on.
TEST(TripleView, ADropAcrossALineLeavesItWholeAndTheShapesSayWhatIsShown) {
  TOpenDropView view;
  view.resize(1024, 360);
  view.show();
  view.A.mu = view.A.nu = 10;
  view.A.tu = 25;
  for (int k = 1; k <= 25; ++k) view.A.At(k) = {(k - 1) / 3 + 1, (k - 1) % 3 * 3 + 1, -10000};
  view.B = view.A;
  view.B.tu = 13;
  view.FormPaint();
  const TTripleGeometry g = view.Geometry();
  ASSERT_EQ(g.Lines, 2);
  view.P = view.Q = 14;  // line 2, under b's element 1
  view.MovingTriple = view.A.At(14);
  view.MoveTriple(1);
  const QImage img = RenderWidget(view);
  EXPECT_EQ(QColor(img.pixel(g.X(1) + g.W / 2, g.BY(1) + 2)), QColor(128, 0, 0)) << "b's element 1 still drawn";
  view.B.tu = 14;
  view.B.At(14) = view.MovingTriple;
  int cells = 0;
  for (const TDrawnShape& s : view.DrawingShapes()) cells += s.Kind == TDrawnShape::Cell;
  EXPECT_EQ(cells, 3 * (25 + 14) + 2) << "a's and b's triples, three cells each, and the labels a and b, nothing else";
  view.P = 2;
  view.SetCol(3);
  view.ShowP();
  const std::vector<TDrawnShape> shapes = view.DrawingShapes();
  ASSERT_EQ(shapes.back().Kind, TDrawnShape::Mark);
  EXPECT_EQ(shapes[static_cast<std::size_t>(shapes.back().To.Index)].Box, QRect(g.X(2), g.AY(2), g.W, g.H / 3))
      << "on element 2's top cell";
}
