#include "demos/linear/MatrixGraph2.h"

#include <algorithm>
#include <cstdlib>

#include "demos/linear/CellText.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/FitFont.h"
#include "framework/engine/Globals.h"
#include "platform/Forms.h"
#include "platform/Pacing.h"

TProductLayout TProductLayout::Compute(int width, int height, const TDenseMatrix& m, const TDenseMatrix& n,
                                       const TDenseMatrix& q, double qWidth) {
  TProductLayout l;
  l.R = std::max(m.mu, n.mu);
  l.CellH = height / (l.R + 3);
  // The edges a quarter cell each, the parting half a cell, the equals sign a whole one.
  l.CellW = static_cast<int>(width / (m.nu + n.nu + 2 + q.nu * qWidth));
  l.QCellW = static_cast<int>(l.CellW * qWidth);
  l.Margin = l.CellW / 4;
  l.Parting = l.CellW / 2;
  l.EqualsColumn = m.nu + n.nu + 2;
  l.Org = {1, (l.R - m.mu) / 2 + 2, m.nu + 2, (l.R - n.mu) / 2 + 2, m.nu + n.nu + 3, (l.R - q.mu) / 2 + 2};
  return l;
}

TMatrixGraph2Form::TMatrixGraph2Form(QWidget* parent) : TGraphForm(parent) {
  SetCaption(QStringLiteral("矩阵乘法图示"));
  setObjectName(QStringLiteral("MatrixGraph2Form"));
  SetDesignClientSize(688, 453);
  RowColour.fill(clBtnFace);
  ColColour.fill(clAqua);
}

int TProductLayout::X(int column) const {
  if (column <= 0) return 0;
  int x = Margin + (column - 1) * CellW;
  if (column >= Org[2]) x -= CellW - Parting;
  if (column > Org[4]) x += (column - Org[4]) * (QCellW - CellW);
  return x;
}

int TProductLayout::Width(int column) const {
  if (column <= 0) return Margin;
  if (column == Org[2] - 1) return Parting;
  return column >= Org[4] ? QCellW : CellW;
}

void TMatrixGraph2Form::ComputeOrigins() {
  Org = TProductLayout::Compute(ClientWidth(), ClientHeight(), MDense, NDense, QDense).Org;
}

QString TMatrixGraph2Form::WidestValue(const TDenseMatrix& m) const {
  QString widest;
  // Of two values as long, one without a sign is the wider: a digit is wider than "-".
  const auto take = [&widest](int v) {
    const QString text = QString::number(v);
    if (text.size() > widest.size() || (text.size() == widest.size() && widest.startsWith('-') && v >= 0))
      widest = text;
  };
  // M and N share one size, Q has its own.
  const std::vector<const TDenseMatrix*> shown =
      &m == &QDense ? std::vector<const TDenseMatrix*>{&QDense} : std::vector<const TDenseMatrix*>{&MDense, &NDense};
  for (const TDenseMatrix* d : shown)
    for (int i = 1; i <= d->mu; ++i)
      for (int j = 1; j <= d->nu; ++j) take(d->Cell(i, j));
  if (&m != &QDense) return widest;
  // A sum that counts up passes values no larger than the sum of its products' sizes.
  for (int i = 1; i <= MDense.mu; ++i) {
    for (int j = 1; j <= NDense.nu; ++j) {
      int bound = 0;
      for (int k = 1; k <= MDense.nu && k <= NDense.mu; ++k) bound += std::abs(MDense.Cell(i, k) * NDense.Cell(k, j));
      take(-bound);
    }
  }
  return widest;
}

namespace {
// A cell's text keeps this many pixels clear of its edges in all (a bracket stands in them).
constexpr int kCellPadding = 8;
// The sky-blue backdrop the matrices stand on, as light as its lightest part.
constexpr TColor kLightBackdrop = clWhite;

TFont CellFace() { return TFont{.Name = QStringLiteral("Times New Roman"), .Style = fsBold}; }
}  // namespace

TProductLayout TMatrixGraph2Form::Layout() const {
  // Q's cells are as much wider as its widest value needs at the least legible size, so that
  // both fonts reach it in the same narrow window.
  TFont least = CellFace();
  least.Height = -LegiblePixelsIn(*this);
  const double longer = static_cast<double>(least.TextWidth(WidestValue(QDense)) + kCellPadding) /
                        (least.TextWidth(WidestValue(MDense)) + kCellPadding);
  return TProductLayout::Compute(ClientWidth(), ClientHeight(), MDense, NDense, QDense, std::clamp(longer, 1.0, 2.0));
}

TFont TMatrixGraph2Form::CellFont(const TProductLayout& l, int column, const TDenseMatrix* fit) const {
  TFont font = CellFace();
  const int cellW = l.Width(column);
  const int cellH = l.CellH;
  const int plain = cellH > 0 && static_cast<double>(cellW) / cellH >= 2.5 ? cellH * 2 / 3 : cellW * 4 / 11;
  // As large as two thirds of the cell's height where the widest text still fits; the plain
  // size where that is larger and fits too.
  font.Height = std::max(plain, cellH * 2 / 3);
  return FitFont(font, {fit ? WidestValue(*fit) : QStringLiteral("M")}, cellW - kCellPadding);
}

void TMatrixGraph2Form::DrawCellText(int column, int row, const QString& text, TColor fontColor,
                                     TColor backColor, const TDenseMatrix* fit) {
  const TProductLayout& l = layout_;
  TCanvas& c = Canvas();
  c.Font = CellFont(l, column, fit);
  c.Font.Color = fontColor;
  const int old = c.SetBkMode(backColor == Color ? TRANSPARENT : OPAQUE);
  c.Brush.Color = backColor;
  c.Brush.Style = backColor == Color ? bsClear : bsSolid;
  const QSize size = c.TextExtent(text);
  const int x = l.X(column) + (l.Width(column) - size.width()) / 2;
  const int y = row * l.CellH + (l.CellH - size.height()) / 2;
  // A pale text (the silver zeros) on the light backdrop or on a highlighted row is outlined
  // to stand out from it.
  if (ContrastRatio(fontColor, backColor == Color ? kLightBackdrop : backColor) < 3.0) {
    c.SetBkMode(TRANSPARENT);
    TextOutOutlined(c, x, y, text, fontColor);
  } else {
    c.TextOut(x, y, text);
  }
  c.SetBkMode(old);
  c.Brush.Style = bsSolid;
}

QString TMatrixGraph2Form::ReadCell(const TProductLayout& l, int column, const QString& text,
                                    const TDenseMatrix& fit) const {
  const TFont font = CellFont(l, column, &fit);
  const int left = l.X(column) + (l.Width(column) - font.TextWidth(text)) / 2;
  // Brackets stand 2 pixels inside a matrix's outer cells: a character touching one is lost.
  return VisibleText(font, text, left, l.X(column) + 4, l.X(column) + l.Width(column) - 3);
}

QString TMatrixGraph2Form::ReadMatrix(const TProductLayout& l, const TDenseMatrix& m, int column,
                                      int rows) const {
  QStringList lines;
  for (int i = 1; i <= rows; ++i) {
    QStringList cells;
    for (int j = 1; j <= m.nu; ++j) cells << ReadCell(l, column + j - 1, QString::number(m.Cell(i, j)), m);
    lines << cells.join(' ');
  }
  return QLatin1Char('[') + lines.join(QStringLiteral("; ")) + QLatin1Char(']');
}

QString TMatrixGraph2Form::DrawingText() const {
  if (MDense.mu == 0) return {};
  const TProductLayout l = Layout();
  QString text = QStringLiteral("M %1 N %2").arg(ReadMatrix(l, MDense, l.Org[0], MDense.mu),
                                                 ReadMatrix(l, NDense, l.Org[2], NDense.mu));
  if (ShowQ) text += QStringLiteral(" = Q ") + ReadMatrix(l, QDense, l.Org[4], std::min(QDense.mu, QRow));
  return text;
}

std::vector<TDrawnShape> TMatrixGraph2Form::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  if (MDense.mu == 0) return out;
  const TProductLayout l = Layout();
  // Cells row by row, as painted; hidden: a cell of the product's current row whose
  // accumulator was not to be seen when last painted (the colours change between paints).
  const auto cells = [&](int matrix, const TDenseMatrix& m, int column, int row, int rows, int hiddenRow) {
    for (int i = 1; i <= rows; ++i)
      for (int j = 1; j <= m.nu; ++j) {
        const int c = column + j - 1;
        const bool hidden = i == hiddenRow && hidden_[static_cast<std::size_t>(j - 1)];
        TDrawnShape cell = TDrawnShape::CellAt(QRect(l.X(c), (row + i - 1) * l.CellH, l.Width(c), l.CellH),
                                               hidden ? QString() : ReadCell(l, c, QString::number(m.Cell(i, j)), m));
        if (!hidden && CellStandsFor)
          cell = cell.StandingFor({.Value = [f = CellStandsFor, matrix, i, j]() -> std::optional<QString> {
            const std::optional<int> v = f(matrix, i, j);
            return v ? std::optional<QString>(QString::number(*v)) : std::nullopt;
          }});
        out.push_back(cell);
      }
  };
  cells(0, MDense, l.Org[0], l.Org[1], MDense.mu, 0);
  cells(1, NDense, l.Org[2], l.Org[3], NDense.mu, 0);
  if (ShowQ) cells(2, QDense, l.Org[4], l.Org[5], std::min(QDense.mu, QRow), QRow);
  return out;
}

void TMatrixGraph2Form::ClearCell(int column, int row, TColor color, const TDenseMatrix* fit) {
  DrawCellText(column, row, QStringLiteral("    "), color, color, fit);
}

void TMatrixGraph2Form::FillRowSpan(int firstColumn, int lastColumn, TColor color, int row) {
  TCanvas& c = Canvas();
  c.Pen.Color = color;
  c.Brush.Color = color;
  c.Brush.Style = bsSolid;
  const TProductLayout& l = layout_;
  c.Rectangle(l.X(firstColumn) + 3, row * l.CellH + 2, l.X(lastColumn + 1) - 3, (row + 1) * l.CellH - 3);
}

void TMatrixGraph2Form::DrawBrackets(const TDenseMatrix& m, int column, int row) {
  TCanvas& c = Canvas();
  c.Pen.Color = clBlack;
  const TProductLayout& l = layout_;
  const int top = row * l.CellH;
  const int bottom = (row + m.mu) * l.CellH;
  const int left = l.X(column) + 2;
  const int w = l.Width(column);
  c.Polyline({Point(l.X(column) + w / 4, top), Point(left, top), Point(left, bottom), Point(l.X(column) + w / 4, bottom)});
  const int right = l.X(column + m.nu) - 2;
  const int serif = l.X(column + m.nu - 1) + 3 * w / 4;
  c.Polyline({Point(serif, top), Point(right, top), Point(right, bottom), Point(serif, bottom)});
}

void TMatrixGraph2Form::DrawFactor(const TDenseMatrix& m, int column, int row, int highlightRow,
                                   const TTriple* current) {
  DrawBrackets(m, column, row);
  for (int i = 1; i <= m.mu; ++i) {
    TColor back = Color;
    if (i == highlightRow) {
      FillRowSpan(column, column + m.nu - 1, clAqua, row + i - 1);
      back = clAqua;
    }
    for (int j = 1; j <= m.nu; ++j) {
      const int v = m.Cell(i, j);
      if (current != nullptr && current->i == i && current->j == j)
        DrawCellText(column + j - 1, row + i - 1, QString::number(v), clAqua, clBlue, &m);
      else if (v != 0)
        DrawCellText(column + j - 1, row + i - 1, QString::number(v), clBlue, back, &m);
      else
        DrawCellText(column + j - 1, row + i - 1, QStringLiteral("0"), clSilver, back, &m);
    }
  }
}

void TMatrixGraph2Form::DrawProduct() {
  const int column = Org[4];
  const int row = Org[5];
  DrawBrackets(QDense, column, row);
  hidden_.fill(false);
  for (int i = 1; i <= QDense.mu && i <= QRow; ++i) {
    const bool current = i == QRow;
    const TColor back = current ? clAqua : Color;
    if (current) FillRowSpan(column, column + QDense.nu - 1, clAqua, row + i - 1);
    for (int j = 1; j <= QDense.nu; ++j) {
      ClearCell(column + j - 1, row + i - 1, back, &QDense);
      const int v = QDense.Cell(i, j);
      const TColor colour = ColColour[static_cast<std::size_t>(j - 1)];
      // An accumulator in the row's own aqua is not to be seen (not cleared yet, or blinking).
      if (current && colour == clAqua) {
        hidden_[static_cast<std::size_t>(j - 1)] = true;
        continue;
      }
      if (current)
        DrawCellText(column + j - 1, row + i - 1, QString::number(v), colour, clAqua, &QDense);
      else if (v == 0)
        DrawCellText(column + j - 1, row + i - 1, QStringLiteral("0"), clSilver, back, &QDense);
      else
        DrawCellText(column + j - 1, row + i - 1, QString::number(v), RowColour[static_cast<std::size_t>(i - 1)],
                     back, &QDense);
    }
  }
}

void TMatrixGraph2Form::FormPaint() {
  TGraphForm::FormPaint();
  if (MDense.mu == 0) return;
  layout_ = Layout();
  const TProductLayout& l = layout_;
  const TTriple* m = P >= 1 && P <= MTable.tu ? &MTable.At(P) : nullptr;
  const TTriple* n = Q >= 1 && Q <= NTable.tu ? &NTable.At(Q) : nullptr;
  DrawFactor(MDense, Org[0], Org[1], MRow, m);
  DrawFactor(NDense, Org[2], Org[3], NRow, n);
  if (ShowQ) DrawProduct();
  const int r = l.R;
  DrawCellText(l.EqualsColumn, (r + 1) / 2 + 1, QStringLiteral("="), clBlue, Color);
  DrawCellText((MDense.nu - 1) / 2 + Org[0], 1, QStringLiteral("M"), clMaroon, Color);
  DrawCellText((NDense.nu - 1) / 2 + Org[2], 1, QStringLiteral("N"), clMaroon, Color);
  DrawCellText((QDense.nu - 1) / 2 + Org[4], 1, QStringLiteral("Q"), clMaroon, Color);
}

void TMatrixGraph2Form::FormResize() { Repaint(); }

void TMatrixGraph2Form::CountUp(int row, int column, int delta) {
  const int old = QDense.Cell(row, column);
  for (const int acc : CountUpSteps(delta)) {
    DrawCellText(Org[4] + column - 1, Org[5] + row - 1, QString::number(old + acc), clRed, clAqua, &QDense);
    pacing::Sleep(125 - RunSpeed);
    pacing::ProcessMessages();
  }
}
