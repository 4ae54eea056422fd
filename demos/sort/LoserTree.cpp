#include "demos/sort/LoserTree.h"

#include <cmath>

#include "framework/drawkit/KitGlobals.h"
#include "platform/Pacing.h"

int LsFrameWait(int speed) { return (100 - speed) * 5; }

// ---------------------------------------------------------------- layout

int TLoserLayout::TreeDepth(int n) {
  if (n <= 0) return 1;
  return static_cast<int>(std::trunc(std::log(n) / std::log(2.0) + 1e-6)) + 2;
}

void TLoserLayout::SetLeafCount(int n) {
  Rows = TreeDepth(n) + 1;
  Cols = n <= 0 ? 1 : n == 1 ? 2 : n <= 3 ? 4 : n <= 7 ? 8 : 16;
}

void TLoserLayout::Compute(int width, int height, int lastIndex, Kind kind) {
  Width = width;
  Height = height;
  SetLeafCount(lastIndex);
  const int colWidth = width / Cols;
  const int rowHeight = height / Rows;
  NodeWidth = colWidth * 2 / 3;
  if (kind == Loser) {
    int cell = 3 * NodeWidth;
    if (rowHeight < cell) {
      NodeWidth = rowHeight / 3;
      cell = rowHeight;
    }
    NodeHeight = cell / 2;
  } else {
    int cell = 2 * NodeWidth;
    if (rowHeight < cell) {
      NodeWidth = rowHeight / 2;
      cell = rowHeight;
    }
    NodeHeight = cell * 3 / 4;
  }
  X.fill(0);
  for (int j = 0; j < Cols; ++j) X[Cols + j] = j * width / Cols + (colWidth / 2 - NodeWidth / 2);
  for (int i = Cols - 1; i >= 1; --i) X[i] = (X[2 * i] + X[2 * i + 1]) / 2;
  X[0] = X[1];
  if (2 * lastIndex + 2 < Positions) X[2 * lastIndex + 2] = width * 3 / 4;
}

int TLoserLayout::Y(int position) const {
  const int row = (Height * 3 / 4) / Rows;
  return (TreeDepth(position) - 1) * row + row / 4;
}

// ---------------------------------------------------------------- the tree

TLoserTree::TLoserTree(QWidget* parent) : TCanvasWidget(parent) {
  for (int i = 0; i < NodeCount; ++i) nodes_[i].Index = i;
}

void TLoserTree::SetLastIndex(int n) {
  if (n < 0 || n > MaxLastIndex) return;
  lastIndex_ = n;
  Invalidate();
}

void TLoserTree::SetShowSentinel(bool show) {
  showSentinel_ = show;
  Invalidate();
}

TLsNodeRec TLoserTree::GetNode(int i) const { return ValidNode(i) ? nodes_[i] : TLsNodeRec{}; }

void TLoserTree::SetNode(int i, const TLsNodeRec& rec) {
  if (!ValidNode(i)) return;
  nodes_[i] = rec;
  Invalidate();
}

TLsRunRec TLoserTree::GetRun(int j) const { return j >= 0 && j <= lastIndex_ ? runs_[j] : TLsRunRec{}; }

void TLoserTree::SetRun(int j, const TLsRunRec& rec) {
  if (j < 0 || j > lastIndex_) return;
  runs_[j] = rec;
  Invalidate();
}

TLoserLayout TLoserTree::Layout() const {
  TLoserLayout l;
  l.Compute(width(), height(), lastIndex_, LayoutKind());
  return l;
}

void TLoserTree::ShowSwap(int t, int s) {
  if (!ValidNode(t) || !ValidNode(Leaf(s))) return;
  nodes_[Leaf(s)].Highlight = false;
  const int named = nodes_[t].Value;
  if (named >= 0 && ValidNode(Leaf(named))) nodes_[Leaf(named)].Highlight = true;
  nodes_[t].Value = s;
  Invalidate();
}

QString TLoserTree::RecordText(const TLsNodeRec& rec) {
  QString text = rec.Value < 0 ? QStringLiteral("_") : QString::number(rec.Value);
  if (rec.Highlight) text += QLatin1Char('*');
  if (!rec.Shown) text += QLatin1Char('#');
  return text;
}

QString TLoserTree::DrawingText() const {
  QStringList ls;
  QStringList leaves;
  for (int i = 0; i <= lastIndex_; ++i) {
    ls << RecordText(nodes_[i]);
    leaves << RecordText(nodes_[Leaf(i)]);
  }
  QString text = QStringLiteral("ls ") + ls.join(',') + QStringLiteral(" b ") + leaves.join(',');
  if (showSentinel_) text += QStringLiteral(" b[k] ") + RecordText(nodes_[Sentinel()]);
  if (ShowRuns) {
    QStringList columns;
    for (int j = 0; j <= lastIndex_; ++j) {
      QStringList keys;
      for (int k = 0; k <= runs_[j].LastKey && k < 10; ++k) keys << QString::number(runs_[j].Keys[k]);
      columns << keys.join(',');
    }
    text += QStringLiteral(" runs ") + columns.join('/');
  }
  return text;
}

void TLoserTree::DrawArrow(int x1, int y1, int x2, int y2) {
  TCanvas& c = Canvas();
  c.Pen = TPen{clPurple, 1};
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double len = std::hypot(dx, dy);
  if (len < 1) return;
  const double ux = dx / len;
  const double uy = dy / len;
  const double bx = x2 - 10 * ux;
  const double by = y2 - 10 * uy;
  c.Brush.Color = clPurple;
  c.Polygon({TPoint(x2, y2), TPoint(static_cast<int>(bx - 2 * uy), static_cast<int>(by + 2 * ux)),
             TPoint(static_cast<int>(bx + 2 * uy), static_cast<int>(by - 2 * ux))});
}

void TLoserTree::DrawNodeBox(const TLoserLayout& l, int record, int x, int y) {
  const TLsNodeRec& rec = nodes_[record];
  const int w = l.NodeWidth;
  const int h = l.NodeHeight;
  const bool internal = record <= lastIndex_;
  TCanvas& c = Canvas();
  c.Brush.Color = !rec.Shown ? clGray : rec.Highlight ? clFuchsia : internal ? clRed : clTeal;
  c.Brush.Style = bsSolid;
  c.Pen = TPen{clBlack, 1};
  if (internal)
    c.Ellipse(x, y + h / 3, x + w, y + h);
  else
    c.Rectangle(x, y + h / 3, x + w, y + h);
  c.SetBkMode(TRANSPARENT);
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Height = std::max(1, h / 3);
  c.Font.Color = clBlack;
  const QString label = internal ? QStringLiteral("ls[%1]").arg(rec.Index)
                                 : QStringLiteral("b[%1]").arg(rec.Index - lastIndex_ - 1);
  c.TextOut(x + (w - c.TextWidth(label)) / 2, y + 2 * h / 3 - c.TextHeight(label) / 2, label);
  const QString value = rec.Value < 0 ? QStringLiteral(" ") : QString::number(rec.Value);
  c.TextOut(x + (w - c.TextWidth(value)) / 2, y + h / 6 - c.TextHeight(value) / 2, value);
}

void TLoserTree::DrawKeyBox(const TLoserLayout& l, int x, int y, const QString& text, TColor color) {
  const int w = l.NodeWidth;
  TCanvas& c = Canvas();
  c.Brush.Color = color;
  c.Brush.Style = bsSolid;
  c.Pen = TPen{clBlack, 1};
  c.Rectangle(x, y, x + w, y + w);
  c.SetBkMode(TRANSPARENT);
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Height = std::max(1, w / 2);
  c.Font.Color = clBlack;
  c.TextOut(x + (w - c.TextWidth(text)) / 2, y + (w - c.TextHeight(text)) / 2, text);
}

void TLoserTree::Paint() {
  CopyBackdrop(Canvas(), *this, ClientRect());
  const TLoserLayout l = Layout();
  const int n = lastIndex_;
  const int w = l.NodeWidth;
  const int h = l.NodeHeight;
  const auto middle = [&](int position) { return TPoint(l.X[position] + w / 2, l.Y(position) + 2 * h / 3); };
  for (int i = 0; i <= n; ++i) {
    const int v = nodes_[i].Value;
    if (v == -1 || v + n + 1 >= NodeCount) continue;
    const int pos = v + n + 1;
    if (v == n + 1)
      DrawArrow(l.X[i] + w / 2, l.Y(i) + h, l.X[Sentinel()] + w / 2, l.Y(0) + h);
    else
      DrawArrow(l.X[i] + w / 2, l.Y(i) + h, l.X[pos] + w / 2, l.Y(pos) + h / 3);
  }
  if (showSentinel_ && Sentinel() < NodeCount) DrawNodeBox(l, Sentinel(), l.X[Sentinel()], l.Y(0));
  for (int r = 2 * n + 1; r >= 0; --r) {
    const TPoint from = middle(r);
    const TPoint to = middle(r / 2);
    Canvas().Pen = TPen{r > n ? clBlue : clRed, 2};
    Canvas().MoveTo(from.x(), from.y());
    Canvas().LineTo(to.x(), to.y());
    DrawNodeBox(l, r, l.X[r], l.Y(r));
  }
  DrawUnderLeaves(l);
}

void TLoserTree::DrawUnderLeaves(const TLoserLayout& l) {
  if (!ShowRuns) return;
  for (int j = 0; j <= lastIndex_; ++j) {
    const int pos = Leaf(j);
    const int top = l.Y(pos) + 3 * l.NodeHeight / 2;
    for (int k = 0; k <= runs_[j].LastKey && k < 10; ++k) {
      const int y = top + k * l.NodeWidth;
      if (y + l.NodeWidth > height()) break;
      DrawKeyBox(l, l.X[pos], y, runs_[j].Keys[k], clAqua);
    }
  }
}

int TLoserTree::MoveKeyOut(int speed, int s, int frames) {
  const int rec = Leaf(s);
  if (!ValidNode(rec)) return -1;
  const int key = nodes_[rec].Value;
  nodes_[rec].Value = -1;
  Repaint();
  const TLoserLayout l = Layout();
  const int y = l.Y(rec);
  for (int f = frames; f >= 0; --f) {
    DrawKeyBox(l, l.X[rec], y * f / frames, key, clFuchsia);
    pacing::ProcessMessages();
    pacing::Sleep(LsFrameWait(speed));
    Repaint();
  }
  return key;
}

// ---------------------------------------------------------------- replacement selection

TLsNodeRec TRepSelTree::GetRunNumber(int j) const { return j >= 0 && j < RunCount ? runNumbers_[j] : TLsNodeRec{}; }

void TRepSelTree::SetRunNumber(int j, const TLsNodeRec& rec) {
  if (j < 0 || j >= RunCount) return;
  runNumbers_[j] = rec;
  Invalidate();
}

QString TRepSelTree::DrawingText() const {
  QStringList numbers;
  for (int j = 0; j <= LastIndex(); ++j) numbers << RecordText(runNumbers_[j]);
  return TLoserTree::DrawingText() + QStringLiteral(" rnum ") + numbers.join(',');
}

void TRepSelTree::MoveKeyIn(int s, int key, int speed) {
  const int rec = Leaf(s);
  if (!ValidNode(rec)) return;
  const TLoserLayout l = Layout();
  const int y = l.Y(rec);
  for (int f = 3; f >= 0; --f) {
    DrawKeyBox(l, l.X[rec], y + l.NodeWidth + (height() - y - l.NodeWidth) * f / 3, key, clFuchsia);
    pacing::ProcessMessages();
    pacing::Sleep(LsFrameWait(speed));
    Repaint();
  }
}

void TRepSelTree::DrawUnderLeaves(const TLoserLayout& l) {
  for (int j = 0; j <= LastIndex(); ++j) {
    const TLsNodeRec& rec = runNumbers_[j];
    const QString text = rec.Value < 0 ? QStringLiteral(" ") : QString::number(rec.Value);
    DrawKeyBox(l, l.X[Leaf(j)], l.Y(Leaf(j)) + l.NodeHeight, text,
               !rec.Shown ? clGray : rec.Highlight ? clFuchsia : clTeal);
  }
}
