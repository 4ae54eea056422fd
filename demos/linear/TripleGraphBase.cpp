#include "demos/linear/TripleGraphBase.h"

#include <cstdlib>

#include "framework/engine/Globals.h"
#include "platform/Pacing.h"

TTripleGeometry TTripleGeometry::Plain(int width, int height, int tu) {
  TTripleGeometry g;
  g.W = width / (tu + 4);
  g.H = height * 3 / 13;
  g.RowA = height / 13;
  g.RowMid = height * 5 / 13;
  g.RowB = height * 9 / 13;
  g.LabelAY = height * 2 / 13;
  g.LabelBY = height * 10 / 13;
  g.FirstColumn = 2;
  return g;
}

TTripleGeometry TTripleGeometry::Fast(int width, int height, int tu, int nu) {
  TTripleGeometry g;
  g.W = width / (tu + 3);
  g.W2 = width / (nu + 3);
  g.H = height * 3 / 17;
  g.RowA = height / 17;
  g.RowMid = height * 5 / 17;
  g.RowB = height * 9 / 17;
  g.RowCount = height * 13 / 17;
  g.LabelAY = height * 2 / 17;
  g.LabelBY = height * 10 / 17;
  g.FirstColumn = 1;
  return g;
}

void TriplePause(int ms) {
  pacing::Sleep(ms);
  pacing::ProcessMessages();
}

int TripleFrameMs(int speed) { return 125 - speed; }

TTripleGraphBase::TTripleGraphBase(int width, int height, QWidget* parent) : TCanvasWidget(parent) {
  if (!parent) setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("矩阵转置图示"));
  resize(width, height);
}

void TTripleGraphBase::resizeEvent(QResizeEvent* event) {
  TCanvasWidget::resizeEvent(event);
  Repaint();
}

void TTripleGraphBase::CellText(int x, int y, int w, int h, const QString& text, TColor color) {
  TCanvas& c = Canvas();
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Height = h;
  c.Font.Color = color;
  const QSize size = c.TextExtent(text);
  const int old = c.SetBkMode(TRANSPARENT);
  c.TextRect(Rect(x + 1, y + 1, x + w - 1, y + h - 1), x + (w - size.width()) / 2, y + (h - size.height()) / 2,
             text);
  c.SetBkMode(old);
}

void TTripleGraphBase::DrawTriple(int x, int y, int w, const TTriple& t) {
  TCanvas& c = Canvas();
  const int h = Geometry().H / 3;
  QString texts[3] = {QString::number(t.i), QString::number(t.j), QString::number(t.v)};
  if (t.i == -1) {
    texts[0] = QStringLiteral("i");
    texts[1] = QStringLiteral("j");
    texts[2] = QStringLiteral("v");
  } else if (t.i == -2) {
    texts[0] = QStringLiteral("col");
    texts[1] = QStringLiteral("num[col]");
    texts[2] = QStringLiteral("cpot[col]");
  }
  const TColor textColors[3] = {clWhite, clNavy, clPurple};
  for (int k = 0; k < 3; ++k) {
    c.Pen.Color = clBlack;
    c.Brush.Color = CellColors[static_cast<std::size_t>(k)];
    c.Brush.Style = bsSolid;
    c.Rectangle(x, y + k * h, x + w, y + (k + 1) * h);
    CellText(x, y + k * h, w, h, texts[k], textColors[k]);
  }
  c.Pen.Color = clRed;
  c.Brush.Style = bsClear;
  c.Rectangle(x, y, x + w, y + 3 * h);
  c.Brush.Style = bsSolid;
}

void TTripleGraphBase::DrawLabels() {
  const TTripleGeometry g = Geometry();
  TCanvas& c = Canvas();
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Height = g.H / 3;
  c.Font.Color = clFuchsia;
  c.Brush.Color = clBtnFace;
  c.Brush.Style = bsSolid;
  c.TextOut(g.W / 4, g.LabelAY, QStringLiteral("a"));
  c.TextOut(g.W / 4, g.LabelBY, QStringLiteral("b"));
}

void TTripleGraphBase::EraseRect(int x, int y, int w, int h) {
  TCanvas& c = Canvas();
  c.Brush.Color = Color;
  c.Brush.Style = bsSolid;
  c.FillRect(Rect(x, y, x + w, y + h));
}

void TTripleGraphBase::DrawFrame(int x, int y, int w, const QString& middle, TColor textColor) {
  TCanvas& c = Canvas();
  const int h = Geometry().H / 3;
  c.Pen.Color = clWhite;
  c.Brush.Style = bsClear;
  for (int k = 0; k < 3; ++k) c.Rectangle(x, y + k * h, x + w, y + (k + 1) * h);
  c.Brush.Style = bsSolid;
  if (!middle.isEmpty()) CellText(x, y + h, w, h, middle, textColor);
}

void TTripleGraphBase::DropTriple(int x, int y0, int dy, int restoreElement) {
  const std::array<TColor, 3> standard{clMaroon, clLime, clYellow};
  for (int k = 0; k <= 6; ++k) {
    const TTripleGeometry g = Geometry();
    const int y = y0 + k * dy / 6;
    CellColors = standard;
    DrawTriple(x, y, g.W, MovingTriple);
    TriplePause(TripleFrameMs(RunSpeed));
    if (k < 6) {
      EraseRect(x, y, g.W + 1, g.H + 1);
      if (restoreElement >= 1 && restoreElement <= A.tu) DrawTriple(g.X(restoreElement), g.RowA, g.W, A.At(restoreElement));
    }
  }
}

void TTripleGraphBase::SlideAcross(int p, int q) {
  const TTripleGeometry g = Geometry();
  const int n = std::abs(p - q) * g.W / 25;
  if (n == 0) return;
  for (int k = 0; k <= n; ++k) {
    const TTripleGeometry now = Geometry();
    const int x = now.X(p) + k * (q - p) * now.W / n;
    DrawTriple(x, now.RowMid, now.W, MovingTriple);
    TriplePause(TripleFrameMs(RunSpeed));
    EraseRect(x, now.RowMid, now.W + 1, now.H + 1);
  }
}
