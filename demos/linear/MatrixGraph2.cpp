#include "demos/linear/MatrixGraph2.h"

#include <algorithm>

#include "framework/engine/Globals.h"
#include "platform/Pacing.h"

TProductLayout TProductLayout::Compute(int width, int height, const TDenseMatrix& m, const TDenseMatrix& n,
                                       const TDenseMatrix& q) {
  TProductLayout l;
  l.R = std::max(m.mu, n.mu);
  l.CellH = height / (l.R + 3);
  l.CellW = width / (m.nu + n.nu + q.nu + 3);
  l.Org = {1, (l.R - m.mu) / 2 + 2, m.nu + 1, (l.R - n.mu) / 2 + 2, m.nu + n.nu + 2, (l.R - q.mu) / 2 + 2};
  return l;
}

TMatrixGraph2Form::TMatrixGraph2Form(QWidget* parent) : TGraphForm(parent) {
  SetCaption(QStringLiteral("矩阵乘法图示"));
  setObjectName(QStringLiteral("MatrixGraph2Form"));
  SetDesignClientSize(688, 453);
  RowColour.fill(clBtnFace);
  ColColour.fill(clAqua);
}

void TMatrixGraph2Form::ComputeOrigins() {
  Org = TProductLayout::Compute(ClientWidth(), ClientHeight(), MDense, NDense, QDense).Org;
}

void TMatrixGraph2Form::DrawCellText(int column, int row, const QString& text, TColor fontColor,
                                     TColor backColor) {
  TCanvas& c = Canvas();
  c.Font.Name = QStringLiteral("Times New Roman");
  c.Font.Style = fsBold;
  c.Font.Height = CellH > 0 && static_cast<double>(CellW) / CellH >= 2.5 ? CellH * 2 / 3 : CellW * 4 / 11;
  c.Font.Color = fontColor;
  const int old = c.SetBkMode(backColor == Color ? TRANSPARENT : OPAQUE);
  c.Brush.Color = backColor;
  c.Brush.Style = backColor == Color ? bsClear : bsSolid;
  const QSize size = c.TextExtent(text);
  c.TextOut(column * CellW + (CellW - size.width()) / 2, row * CellH + (CellH - size.height()) / 2, text);
  c.SetBkMode(old);
  c.Brush.Style = bsSolid;
}

void TMatrixGraph2Form::ClearCell(int column, int row, TColor color) {
  DrawCellText(column, row, QStringLiteral("    "), color, color);
}

void TMatrixGraph2Form::FillRowSpan(int firstColumn, int lastColumn, TColor color, int row) {
  TCanvas& c = Canvas();
  c.Pen.Color = color;
  c.Brush.Color = color;
  c.Brush.Style = bsSolid;
  c.Rectangle(firstColumn * CellW + 3, row * CellH + 2, (lastColumn + 1) * CellW - 3, (row + 1) * CellH - 3);
}

void TMatrixGraph2Form::DrawBrackets(const TDenseMatrix& m, int column, int row) {
  TCanvas& c = Canvas();
  c.Pen.Color = clBlack;
  const int top = row * CellH;
  const int bottom = (row + m.mu) * CellH;
  const int left = column * CellW + 2;
  c.Polyline({Point(column * CellW + CellW / 4, top), Point(left, top), Point(left, bottom),
              Point(column * CellW + CellW / 4, bottom)});
  const int right = (column + m.nu) * CellW - 2;
  const int serif = (column + m.nu - 1) * CellW + 3 * CellW / 4;
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
        DrawCellText(column + j - 1, row + i - 1, QString::number(v), clAqua, clBlue);
      else if (v != 0)
        DrawCellText(column + j - 1, row + i - 1, QString::number(v), clBlue, back);
      else
        DrawCellText(column + j - 1, row + i - 1, QStringLiteral("0"), clSilver, back);
    }
  }
}

void TMatrixGraph2Form::DrawProduct() {
  const int column = Org[4];
  const int row = Org[5];
  DrawBrackets(QDense, column, row);
  for (int i = 1; i <= QDense.mu && i <= QRow; ++i) {
    const bool current = i == QRow;
    const TColor back = current ? clAqua : Color;
    if (current) FillRowSpan(column, column + QDense.nu - 1, clAqua, row + i - 1);
    for (int j = 1; j <= QDense.nu; ++j) {
      ClearCell(column + j - 1, row + i - 1, back);
      const int v = QDense.Cell(i, j);
      if (current)
        DrawCellText(column + j - 1, row + i - 1, QString::number(v), ColColour[static_cast<std::size_t>(j - 1)], clAqua);
      else if (v == 0)
        DrawCellText(column + j - 1, row + i - 1, QStringLiteral("0"), clSilver, back);
      else
        DrawCellText(column + j - 1, row + i - 1, QString::number(v), RowColour[static_cast<std::size_t>(i - 1)], back);
    }
  }
}

void TMatrixGraph2Form::FormPaint() {
  TGraphForm::FormPaint();
  if (MDense.mu == 0) return;
  const TProductLayout l = TProductLayout::Compute(ClientWidth(), ClientHeight(), MDense, NDense, QDense);
  CellW = l.CellW;
  CellH = l.CellH;
  const TTriple* m = P >= 1 && P <= MTable.tu ? &MTable.At(P) : nullptr;
  const TTriple* n = Q >= 1 && Q <= NTable.tu ? &NTable.At(Q) : nullptr;
  DrawFactor(MDense, Org[0], Org[1], MRow, m);
  DrawFactor(NDense, Org[2], Org[3], NRow, n);
  if (ShowQ) DrawProduct();
  const int r = l.R;
  DrawCellText(MDense.nu + NDense.nu + 1, (r + 1) / 2 + 1, QStringLiteral("="), clBlue, Color);
  DrawCellText((MDense.nu - 1) / 2 + Org[0], 1, QStringLiteral("M"), clMaroon, Color);
  DrawCellText((NDense.nu - 1) / 2 + Org[2], 1, QStringLiteral("N"), clMaroon, Color);
  DrawCellText((QDense.nu - 1) / 2 + Org[4], 1, QStringLiteral("Q"), clMaroon, Color);
}

void TMatrixGraph2Form::FormResize() { Repaint(); }

void TMatrixGraph2Form::CountUp(int row, int column, int delta) {
  const int old = QDense.Cell(row, column);
  for (const int acc : CountUpSteps(delta)) {
    DrawCellText(Org[4] + column - 1, Org[5] + row - 1, QString::number(old + acc), clRed, clAqua);
    pacing::Sleep(125 - RunSpeed);
    pacing::ProcessMessages();
  }
}
