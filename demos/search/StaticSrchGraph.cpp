#include "demos/search/StaticSrchGraph.h"

#include <algorithm>
#include <cstdlib>

#include "framework/drawkit/FitFont.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/engine/Globals.h"
#include "platform/Pacing.h"

TStaticSrchForm::TStaticSrchForm(QWidget* parent) : TCanvasWidget(parent) {
  if (!parent) setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("StaticSearchGraph"));
  setObjectName(QStringLiteral("StaticSrchForm"));
  Canvas().Font.Height = -10;
  resize(554, 318);
}

TColor LetterColorOn(TColor fill) {
  return fill == clGreen || fill == clTeal || fill == clNavy ? clWhite : clBlack;
}

int TStaticSrchForm::CellCount() const { return std::max(static_cast<int>(Table.size()), ExtendedLength); }

QChar TStaticSrchForm::CellText(int i) const { return IsPastTable(i) ? QChar(0x221E) : Table[i - 1]; }

void TStaticSrchForm::ComputeCellSize() {
  CellWidth = width() / (CellCount() + 2);
  CellHeight = height() / 4;
}

TColor TStaticSrchForm::CellColor(int i) const {
  if (i < RangeLow || i > RangeHigh) return clGray;
  // A live cell past the table is white: no key of the table is there.
  const TColor plain = IsPastTable(i) ? clWhite : clGreen;
  TColor fill = plain;
  if (i == MidIndex)
    fill = clTeal;
  else if (i == LowIndex)
    fill = clAqua;
  else if (i == HighIndex)
    fill = clNavy;
  if (!ShowMarkers) {
    // Only the end that stayed keeps its colour while the other one slides.
    const int kept = MovedEnd == 'h' ? LowIndex : HighIndex;
    fill = i == kept ? (MovedEnd == 'h' ? clAqua : clNavy) : plain;
    if (i == kept && i == MidIndex) fill = clTeal;
  }
  if (Found && i == MidIndex) fill = clRed;
  return fill;
}

bool TStaticSrchForm::DrawBox(int x, int y, int w, int h, TColor fillColor, TColor lineColor) {
  TCanvas& c = Canvas();
  if (fillColor == Color) {  // the form's own colour: the backdrop shows again
    CopyBackdrop(c, *this, Rect(x, y, x + w, y + h), Color);
    return false;
  }
  c.Pen.Color = lineColor;
  c.Brush.Color = fillColor;
  c.Brush.Style = bsSolid;
  c.Rectangle(x, y, x + w, y + h);
  return true;
}

void TStaticSrchForm::DrawCell(int x, TColor textColor, TColor fillColor, TColor lineColor, QChar letter,
                               int h, int w, int y) {
  if (!DrawBox(x, y, w, h, fillColor, lineColor)) return;
  TCanvas& c = Canvas();
  c.Font.Name = QStringLiteral("Times New Roman");
  c.Font.Color = textColor;
  // The letter with its ascender and descender stands inside the cell, centred: a wide letter
  // in a narrow cell is written smaller rather than cut.
  const QString text(letter);
  c.Font.Height = std::max(h * 7 / 10, 1);
  c.Font = FitFont(c.Font, {text}, w - 4, kAnyHeight, 6);
  c.TextRect(Rect(x + 1, y + 1, x + w - 1, y + h - 1), x + (w - c.TextWidth(text)) / 2,
             y + (h - c.TextHeight(text)) / 2, text);
}

void TStaticSrchForm::DrawLabelBox(int x, TColor textColor, TColor fillColor, TColor lineColor,
                                   const QString& caption, int h, int w, int y) {
  if (!DrawBox(x, y, w, h, fillColor, lineColor)) return;
  TCanvas& c = Canvas();
  c.Font.Name = QStringLiteral("Courier New");
  c.Font.Color = textColor;
  // As large as the box's width allows for the caption, centred.
  c.Font.Height = std::max(h * 2 / 5, 1);
  c.Font = FitFont(c.Font, {caption}, w - 4, kAnyHeight, 6);
  c.TextRect(Rect(x + 1, y + 1, x + w - 1, y + h - 1), x + (w - c.TextWidth(caption)) / 2,
             y + (h - c.TextHeight(caption)) / 2, caption);
}

void TStaticSrchForm::Paint() {
  ComputeCellSize();
  TCanvas& c = Canvas();
  CopyBackdrop(c, *this, ClientRect(), Color);
  for (int i = 1; i <= CellCount(); ++i) {
    const QRect cell = CellRect(i);
    const TColor fill = CellColor(i);
    // A cell past the table has a dashed black edge, whatever its fill.
    const bool past = IsPastTable(i);
    c.Pen.Style = past ? psDash : psSolid;
    DrawCell(cell.x(), LetterColorOn(fill), fill, past ? clBlack : clWhite, CellText(i), CellHeight, CellWidth,
             cell.y());
    c.Pen.Style = psSolid;
    if (ShowMarkers && i == MidIndex && !Found)
      DrawCell(cell.x(), clBlack, clRed, clWhite, Key, CellHeight, CellWidth, cell.y() - CellHeight * 3 / 2);
  }
}

QRect TStaticSrchForm::CellRect(int i) const { return {i * CellWidth, height() * 2 / 5, CellWidth, CellHeight}; }

std::vector<TDrawnShape> TStaticSrchForm::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  for (int i = 1; i <= CellCount(); ++i) out.push_back(TDrawnShape::NodeAt(CellRect(i), CellText(i)));
  return out;
}

void TStaticSrchForm::resizeEvent(QResizeEvent* event) {
  TCanvasWidget::resizeEvent(event);
  Repaint();
}

void TStaticSrchForm::SlideMarkers(int fromCell, int toCell, const QString& caption, const QString& probe,
                                   int newMid, int oldMid) {
  ComputeCellSize();
  const int steps = std::abs(toCell - fromCell) * CellWidth / 10;
  if (steps == 0) return;
  const bool high = caption == QLatin1String("hig");
  for (int k = 0; k <= steps; ++k) {
    ComputeCellSize();
    const int y = height() * 2 / 5;
    const int x1 = (toCell - fromCell) * k * CellWidth / steps + fromCell * CellWidth;
    const int x2 = (newMid - oldMid) * k * CellWidth / steps + oldMid * CellWidth;
    const int keyY = y - CellHeight * 3 / 2;
    DrawLabelBox(x1, high ? clLime : clPurple, high ? clNavy : clAqua, clWhite, caption, CellHeight, CellWidth, y);
    DrawLabelBox(x2, clYellow, clTeal, clWhite, probe, CellHeight, CellWidth, y);
    DrawLabelBox(x2, clBlack, clRed, clWhite, QStringLiteral("Key"), CellHeight, CellWidth, keyY);
    pacing::Sleep(SrchMarkerFrameMs(RunSpeed));
    DrawLabelBox(x2, clBlack, Color, clWhite, QString(), CellHeight, CellWidth, keyY);
    pacing::ProcessMessages();
    FormPaint();
  }
}

void TStaticSrchForm::DrawRangeMarker(int fromCell, int toCell, const QString& caption, int newMid, int oldMid) {
  SlideMarkers(fromCell, toCell, caption, QStringLiteral("mid"), newMid, oldMid);
}

void TStaticSrchForm::DrawSeqMarker(int fromCell, int toCell, const QString& caption, int newMid, int oldMid) {
  SlideMarkers(fromCell, toCell, caption, QStringLiteral(" i"), newMid, oldMid);
}

void TStaticSrchForm::KeyFrame(int k, bool restore) {
  ComputeCellSize();
  const int x = MidIndex * CellWidth;
  const int y = height() * 2 / 5 - CellHeight * 3 / 2 + (CellHeight / 2) * k / 6;
  DrawCell(x, clBlack, clRed, clWhite, Key, CellHeight, CellWidth, y);
  pacing::Sleep(SrchKeyFrameMs(RunSpeed));
  if (restore) DrawCell(x, clBlack, Color, clWhite, Key, CellHeight, CellWidth, y);
}

void TStaticSrchForm::NodKey() {
  for (int k = 0; k <= 6; ++k) KeyFrame(k, true);
  pacing::Sleep(SrchMarkerFrameMs(RunSpeed));
  for (int k = 6; k >= 0; --k) KeyFrame(k, k != 0);
}

void TStaticSrchForm::DropKey() {
  for (int k = 0; k <= 18; ++k) KeyFrame(k, true);
  FormPaint();
}
