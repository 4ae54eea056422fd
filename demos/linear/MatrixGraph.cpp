#include "demos/linear/MatrixGraph.h"

#include "framework/engine/Globals.h"

TMatrixGraphForm::TMatrixGraphForm(QWidget* parent) : TTripleGraphBase(644, 453, parent) {
  setObjectName(QStringLiteral("MatrixGraphForm"));
  FrameShows = QStringLiteral("col");  // the marker carries the column sought
}

TTripleGeometry TMatrixGraphForm::Geometry() const {
  return Folded([this](int lines) { return TTripleGeometry::Plain(width(), height(), A.tu, lines); });
}

std::vector<TTripleGraphBase::TPlacedTriple> TMatrixGraphForm::WholePicture() const {
  const TTripleGeometry g = Geometry();
  std::vector<TPlacedTriple> out{{g.HeaderX(), g.RowA, g.W, {-1, 0, 0}}};
  for (int k = 1; k <= A.tu; ++k) out.push_back({g.X(k), g.AY(k), g.W, A.At(k), TripleOf(QStringLiteral("a"), k)});
  out.push_back({g.HeaderX(), g.RowB, g.W, {-1, 0, 0}});
  for (int k = 1; k <= B.tu; ++k) out.push_back({g.X(k), g.BY(k), g.W, B.At(k), TripleOf(QStringLiteral("b"), k)});
  return out;
}

QString TMatrixGraphForm::DrawingText() const {
  const TTripleGeometry g = Geometry();
  QStringList a{ReadTriple(g, g.W, {-1, 0, 0})};
  for (int k = 1; k <= A.tu; ++k) a << ReadTriple(g, g.W, A.At(k));
  QStringList b{ReadTriple(g, g.W, {-1, 0, 0})};
  for (int k = 1; k <= B.tu; ++k) b << ReadTriple(g, g.W, B.At(k));
  return QStringLiteral("a: %1 | b: %2").arg(a.join(' '), b.join(' '));
}

void TMatrixGraphForm::Marker(int x, int y) { DrawFrame(x, y, Geometry().W, QString::number(Col), clNavy); }

// The marker with the column sought comes to rest on the header column.
void TMatrixGraphForm::ShowCol() {
  if (Col > A.nu) return;
  for (int k = 0; k <= 4; ++k) {
    const TTripleGeometry g = Geometry();
    Marker(g.W + k * (3 * g.W / 2) / 4, g.RowA);
    TriplePause(TripleFrameMs(RunSpeed));
    EraseRect(g.W, g.RowA - g.H / 3, g.W + g.W / 2 + 1, g.H + g.H / 3 + 1);
    if (k < 4) FormPaint();
  }
  const TTripleGeometry g = Geometry();
  Marker(g.HeaderX(), g.RowA);
}

// The marker moves from element P - 1 (or the header) to element P.
void TMatrixGraphForm::ShowP() {
  // Where element P starts a new line of a folded table, the marker leaves the line before.
  if (frame_) RepaintArea(frame_->Area());
  for (int k = 0; k <= 4; ++k) {
    const TTripleGeometry g = Geometry();
    const int x = g.X(P) - g.W + k * g.W / 4;
    Marker(x, g.AY(P));
    TriplePause(TripleFrameMs(RunSpeed));
    if (P > A.tu) EraseRect(g.X(P), g.AY(P) - g.H / 3, g.W + 1, g.H + g.H / 3 + 1);
    // Between two frames only what the marker stood on is drawn again: the whole view five
    // times for each element looked at would slow a long table's run to a crawl.
    if (k < 4) RepaintArea(QRect(x, g.AY(P) - g.H / 3, g.W + 1, g.H + g.H / 3 + 1));
  }
}

void TMatrixGraphForm::MatchFound() {
  MovingTriple = {0, Col, 0};
  const TTripleGeometry g = Geometry();
  const int h = g.H / 3;
  TCanvas& c = Canvas();
  c.Brush.Color = clTeal;
  c.Brush.Style = bsSolid;
  c.FillRect(Rect(g.X(P) + 1, g.AY(P) + h + 1, g.X(P) + g.W - 1, g.AY(P) + 2 * h - 1));
  CellText(g.X(P), g.AY(P) + h, g.W, h, QString::number(A.At(P).j), clAqua, clTeal);
  TriplePause(1000 - 8 * RunSpeed);
}

void TMatrixGraphForm::MoveTriple(int mode) {
  const TTripleGeometry g = Geometry();
  if (mode == 0)
    DropTriple(g.X(P), g.AY(P), g.RowMid - g.AY(P));
  else
    DropTriple(g.X(Q), g.RowMid, g.BY(Q) - g.RowMid);
  if (mode != 0) moving_.reset();  // it is b's triple now
}

void TMatrixGraphForm::SetMovingI() {
  MovingTriple.i = A.At(P).j;
  const TTripleGeometry g = Geometry();
  TCanvas& c = Canvas();
  c.Pen.Color = clBlack;
  c.Brush.Color = clMaroon;
  c.Rectangle(g.X(P), g.RowMid, g.X(P) + g.W, g.RowMid + g.H / 3);
  CellText(g.X(P), g.RowMid, g.W, g.H / 3, QString::number(MovingTriple.i), clTeal, clMaroon);
}

void TMatrixGraphForm::SetMovingJ() {
  MovingTriple.j = A.At(P).i;
  const TTripleGeometry g = Geometry();
  const int h = g.H / 3;
  TCanvas& c = Canvas();
  c.Pen.Color = clBlack;
  c.Brush.Color = clLime;
  c.Rectangle(g.X(P), g.RowMid + h, g.X(P) + g.W, g.RowMid + 2 * h);
  CellText(g.X(P), g.RowMid + h, g.W, h, QString::number(MovingTriple.j), clNavy, clLime);
}

void TMatrixGraphForm::PlaceInB() {
  MovingTriple.v = A.At(P).v;
  SlideAcross(P, Q);
  MoveTriple(1);
}
