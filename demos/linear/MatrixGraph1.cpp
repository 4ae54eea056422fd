#include "demos/linear/MatrixGraph1.h"

#include "framework/engine/Globals.h"

TMatrixGraph1Form::TMatrixGraph1Form(QWidget* parent) : TTripleGraphBase(644, 453, parent) {
  setObjectName(QStringLiteral("MatrixGraph1Form"));
}

TTripleGeometry TMatrixGraph1Form::Geometry() const {
  return Folded([this](int lines) { return TTripleGeometry::Fast(width(), height(), A.tu, A.nu, lines); });
}

void TMatrixGraph1Form::DrawCounter(int c) {
  const TTripleGeometry g = Geometry();
  const TColInfo& info = ColInfo[static_cast<std::size_t>(c - 1)];
  DrawTriple(g.CounterX(c), g.RowCount, g.W2, {info.col, info.num, info.cpot});
}

QString TMatrixGraph1Form::WidestValue() const {
  QString widest = TTripleGraphBase::WidestValue();
  for (int c = 1; c <= A.nu; ++c) {
    const TColInfo& info = ColInfo[static_cast<std::size_t>(c - 1)];
    for (const int v : {info.col, info.num, info.cpot})
      if (DecimalLength(v) > widest.size() || (DecimalLength(v) == widest.size() && widest.startsWith('-') && v >= 0))
        widest = QString::number(v);
  }
  return widest;
}

std::vector<TTripleGraphBase::TPlacedTriple> TMatrixGraph1Form::WholePicture() const {
  const TTripleGeometry g = Geometry();
  std::vector<TPlacedTriple> out{{g.HeaderX(), g.RowA, g.W, {-1, 0, 0}}};
  for (int k = 1; k <= A.tu; ++k) out.push_back({g.X(k), g.AY(k), g.W, A.At(k), TripleOf(QStringLiteral("a"), k)});
  out.push_back({g.HeaderX(), g.RowB, g.W, {-1, 0, 0}});
  // The slots of b fill in any order.
  for (int k = 1; k <= A.tu; ++k)
    if (B.At(k).i != 0) out.push_back({g.X(k), g.BY(k), g.W, B.At(k), TripleOf(QStringLiteral("b"), k)});
  out.push_back({g.W2, g.RowCount, g.W2, {-2, 0, 0}});
  // Column c's counters: c itself, then num[c] and cpot[c].
  for (int c = 1; c <= A.nu; ++c) {
    const TColInfo& info = ColInfo[static_cast<std::size_t>(c - 1)];
    out.push_back({g.CounterX(c), g.RowCount, g.W2, {info.col, info.num, info.cpot},
                   {QString(), QStringLiteral("num[%1]").arg(c - 1), QStringLiteral("cpot[%1]").arg(c - 1)}});
  }
  return out;
}

QString TMatrixGraph1Form::DrawingText() const {
  const TTripleGeometry g = Geometry();
  QStringList a{ReadTriple(g, g.W, {-1, 0, 0})};
  for (int k = 1; k <= A.tu; ++k) a << ReadTriple(g, g.W, A.At(k));
  // An empty slot of b shows nothing.
  QStringList b{ReadTriple(g, g.W, {-1, 0, 0})};
  for (int k = 1; k <= A.tu; ++k) b << (B.At(k).i != 0 ? ReadTriple(g, g.W, B.At(k)) : QStringLiteral("()"));
  QStringList counters{ReadTriple(g, g.W2, {-2, 0, 0})};
  for (int c = 1; c <= A.nu; ++c) {
    const TColInfo& info = ColInfo[static_cast<std::size_t>(c - 1)];
    counters << ReadTriple(g, g.W2, {info.col, info.num, info.cpot});
  }
  return QStringLiteral("a: %1 | b: %2 | %3").arg(a.join(' '), b.join(' '), counters.join(' '));
}

void TMatrixGraph1Form::FlashNum() {
  const TTripleGeometry g = Geometry();
  const int h = g.H / 3;
  TCanvas& c = Canvas();
  c.Brush.Color = clFuchsia;
  c.Brush.Style = bsSolid;
  c.Pen.Color = clRed;
  for (int col = 1; col <= A.nu; ++col) {
    const int x = g.CounterX(col);
    c.Rectangle(x, g.RowCount + h, x + g.W2, g.RowCount + 2 * h);
    CellText(x, g.RowCount + h, g.W2, h, QString::number(Info(col).num), clNavy, clFuchsia);
  }
  TriplePause(TripleFrameMs(RunSpeed) * 5);
  FormPaint();
}

void TMatrixGraph1Form::ShowNumOf() {
  if (T < 1 || T > A.tu) return;
  CellColors = {clFuchsia, clSilver, clYellow};
  DrawCounter(A.At(T).j);
}

void TMatrixGraph1Form::ShowCpotOf() {
  FormPaint();
  if (Col < 1 || Col > A.nu) return;
  CellColors = {clMaroon, clLime, clFuchsia};
  DrawCounter(Col);
}

void TMatrixGraph1Form::ShowT() {
  if (P > A.tu) return;
  const TTripleGeometry g = Geometry();
  CellColors = {clMaroon, clFuchsia, clYellow};
  DrawTriple(g.X(P), g.AY(P), g.W, A.At(P));
  if (T >= 1 && T <= A.tu) {
    CellColors = {clFuchsia, clLime, clYellow};
    DrawCounter(A.At(T).j);
  }
  TriplePause(TripleFrameMs(RunSpeed) * 4);
}

void TMatrixGraph1Form::SlideFrame() {
  FormPaint();  // the frame and the marks of the element before go
  for (int k = 0; k <= 4; ++k) {
    const TTripleGeometry g = Geometry();
    DrawFrame(g.X(P) - g.W + k * g.W / 4, g.AY(P), g.W, QString(), clWhite);
    const QRect at = frame_->Area().adjusted(0, 0, 1, 1);
    TriplePause(TripleFrameMs(RunSpeed));
    if (P > A.tu) EraseRect(g.X(P), g.AY(P), g.W + 1, g.H + 1);
    // Between two frames only what the frame stood on is drawn again.
    if (k < 4) RepaintArea(at);
  }
}

void TMatrixGraph1Form::DropEmpty() {
  MovingTriple = {0, 0, 0};
  MoveTriple(0);
}

void TMatrixGraph1Form::MoveTriple(int mode) {
  CellColors = StandardCells;
  const TTripleGeometry g = Geometry();
  if (mode == 0)
    DropTriple(g.X(P), g.AY(P), g.RowMid - g.AY(P));
  else
    DropTriple(g.X(Q), g.RowMid, g.BY(Q) - g.RowMid);
  if (mode != 0) moving_.reset();  // it is b's triple now
}

void TMatrixGraph1Form::SetMovingIJ() {
  MovingTriple.i = A.At(P).j;
  MovingTriple.j = A.At(P).i;
  const TTripleGeometry g = Geometry();
  CellColors = StandardCells;
  DrawTriple(g.X(P), g.RowMid, g.W, MovingTriple);
}

void TMatrixGraph1Form::PlaceInB() {
  MovingTriple.v = A.At(P).v;
  SlideAcross(P, Q);
  MoveTriple(1);
}
