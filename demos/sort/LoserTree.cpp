#include "demos/sort/LoserTree.h"

#include <algorithm>
#include <cmath>

#include "framework/drawkit/FitFont.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitGlobals.h"
#include "platform/Font.h"
#include "platform/Forms.h"
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

namespace {

TFont Arial(int pixels) { return TFont{.Name = QStringLiteral("Arial"), .Height = -pixels}; }
int ArialWidth(const QString& text, int pixels) { return Arial(pixels).TextWidth(text); }
int ArialCell(int pixels) {
  const TFont f = Arial(pixels);
  return f.Ascent() + f.Descent();
}

// What of a box's width its label may take: the ls nodes are ellipses.
int LabelRoom(int boxWidth, bool ellipse) { return ellipse ? boxWidth * 80 / 100 - 4 : boxWidth - 4; }
// The box width a label needs.
int WidthFor(int textWidth, bool ellipse) { return ellipse ? (textWidth + 4) * 100 / 80 + 1 : textWidth + 4; }

}  // namespace

void TLoserLayout::Compute(int width, int height, int lastIndex, Kind kind, int leastFont, int keysUnder,
                           int floorFont) {
  Width = width;
  Height = height;
  SetLeafCount(lastIndex);
  const int colWidth = width / Cols;
  const int rowHeight = height / Rows;
  NodeWidth = colWidth * 2 / 3;
  int designHeight = 0;  // the node's height by the columns and levels alone
  if (kind == Loser) {
    int cell = 3 * NodeWidth;
    if (rowHeight < cell) {
      NodeWidth = rowHeight / 3;
      cell = rowHeight;
    }
    designHeight = cell / 2;
  } else {
    int cell = 2 * NodeWidth;
    if (rowHeight < cell) {
      NodeWidth = rowHeight / 2;
      cell = rowHeight;
    }
    designHeight = cell * 3 / 4;
  }
  X.fill(0);
  for (int j = 0; j < Cols; ++j) X[Cols + j] = j * width / Cols + (colWidth / 2 - NodeWidth / 2);
  for (int i = Cols - 1; i >= 1; --i) X[i] = (X[2 * i] + X[2 * i + 1]) / 2;
  X[0] = X[1];
  const int n = std::max(lastIndex, 0);
  const int sentinel = 2 * n + 2;
  if (sentinel < Positions) X[sentinel] = width * 3 / 4;

  // Each box may take nine tenths of the spacing of its row (positions 2^m .. 2^(m+1) - 1
  // share the width); the font is the largest that fits every label so.
  const auto label = [n](int p) {
    return p <= n ? QStringLiteral("ls[%1]").arg(p) : QStringLiteral("b[%1]").arg(p - n - 1);
  };
  const auto roomOf = [&](int p) {
    const int spacing = p == sentinel ? width / 4 : p == 0 ? width : width >> (TreeDepth(p) - 2);
    return std::max(NodeWidth, spacing * 9 / 10);
  };
  const int last = std::min(sentinel, Positions - 1);
  const auto fits = [&](int font) {
    for (int p = 0; p <= last; ++p)
      if (ArialWidth(label(p), font) > LabelRoom(roomOf(p), p <= n)) return false;
    return true;
  };
  // Below the least size only as far as a crowded row forces, and never below eleven pixels
  // of its design (in a window smaller than the screen, its share of them).
  const int floor = std::max(1, std::min(floorFont, leastFont));
  LabelFont = std::max(leastFont, designHeight / 3 * 7 / 8);
  while (LabelFont > floor && !fits(LabelFont)) --LabelFont;
  // The levels take the upper three quarters of the height unless the nodes or the keys under
  // the leaves need more: then they spread over all of it, and the font gives way last.
  for (;; --LabelFont) {
    const int cell = ArialCell(LabelFont);
    const int gap = std::max(6, LabelFont / 2);  // a link stays visible between two levels
    NodeHeight = std::max(designHeight, cell + 2 + cell * 3 / 2 + 2);
    ValueBand = std::max(NodeHeight / 3, cell + 2);
    const int keyLeast = cell + 4;
    int under = 0;
    if (keysUnder > 0)
      under = kind == Loser ? NodeHeight / 2 + keysUnder * keyLeast : std::max(NodeWidth, keyLeast);
    Row = (height * 3 / 4) / Rows;
    Top = Row / 4;
    const auto mostRow = [&] { return (height - Top - NodeHeight - under) / (Rows - 1); };
    if (mostRow() < std::max(Row, NodeHeight + gap)) Top = std::min(Top, gap);
    Row = std::min(std::max(Row, NodeHeight + gap), mostRow());
    if (Row >= NodeHeight + gap || LabelFont <= floor) {
      KeySide = std::max(NodeWidth, keyLeast);
      if (kind == Loser && keysUnder > 0) {
        // The columns take what the levels leave, no wider than a square.
        const int columnTop = Top + (Rows - 1) * Row + 3 * NodeHeight / 2;
        KeySide = std::max(keyLeast, std::min(NodeWidth, (height - columnTop) / keysUnder));
      }
      break;
    }
  }
  // Three digits stand clear of the neighbour's.
  ValueFont = -FitFont(Arial(LabelFont), {QStringLiteral("999")}, colWidth - 6, kAnyHeight, floor).Height;
  // A box is wide enough for its label, and for a link to leave it beside the value above it.
  const int beside = ArialWidth(QStringLiteral("999"), ValueFont) + 12;
  W.fill(NodeWidth);
  for (int p = 0; p <= last; ++p)
    W[p] = std::max(NodeWidth, std::min(roomOf(p), std::max(beside, WidthFor(ArialWidth(label(p), LabelFont), p <= n))));
}

int TLoserLayout::Y(int position) const { return (TreeDepth(position) - 1) * Row + Top; }

TRect TLoserLayout::ValueRect(int position, int y, int textWidth, int textHeight) const {
  const int h = std::min(ValueBand, textHeight + 1);
  return Bounds(Mid(position) - textWidth / 2 - 1, y + (ValueBand - h) / 2, textWidth + 2, h);
}

namespace {

// The height of an ellipse of half-axes a and b over its middle at dx from it.
double EllipseRise(double a, double b, double dx) {
  const double t = std::clamp(dx / std::max(a, 1.0), -1.0, 1.0);
  return b * std::sqrt(1 - t * t);
}

}  // namespace

TPoint TLoserLayout::LinkStart(int position, int y, int x, bool ellipse) const {
  const double a = W[position] / 2.0;
  const double b = (NodeHeight - ValueBand) / 2.0;
  // Clear of the widest value's box and of an arrow head's flanks, inside the shape.
  const double clear = ArialWidth(QStringLiteral("999"), ValueFont) / 2.0 + 4;
  const double dx = (x < Mid(position) ? -1 : 1) * std::min(std::max(a * 0.7, clear), a - 1);
  const int top = y + ValueBand;
  const int rise = ellipse ? static_cast<int>(std::lround(b - EllipseRise(a, b, dx))) : 0;
  return TPoint(Mid(position) + static_cast<int>(dx), top + rise);
}

int TLoserLayout::LowerRim(int position, int y, int x, bool ellipse) const {
  const int bottom = y + NodeHeight - 1;
  if (!ellipse) return bottom;
  const double a = W[position] / 2.0;
  const double b = (NodeHeight - ValueBand) / 2.0;
  return bottom - static_cast<int>(std::lround(b - EllipseRise(a, b, x - Mid(position))));
}

// ---------------------------------------------------------------- the tree

TLoserTree::TLoserTree(QWidget* parent) : TCanvasWidget(parent) {
  for (int i = 0; i < NodeCount; ++i) nodes_[i].Index = i;
}

void TLoserTree::SetLastIndex(int n) {
  if (n < 0 || n > MaxLastIndex) return;
  lastIndex_ = n;
  columnSlots_ = 0;
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
  columnSlots_ = std::max(columnSlots_, std::min(rec.LastKey + 1, 10));
  Invalidate();
}

TLoserLayout TLoserTree::Layout() const {
  TLoserLayout l;
  const int least = TGraphForm::RatioOf(*this).Grow(TLoserLayout::LeastFont);
  // In a window made smaller than the screen the labels may be as small as it is legible there.
  const int share = LegiblePixelsIn(*this);
  const int floor = TLoserLayout::FloorOf(least);
  l.Compute(width(), height(), lastIndex_, LayoutKind(), least, KeysUnder(),
            share < LegiblePixels() ? std::min(floor, share) : floor);
  return l;
}

int TLoserTree::KeysUnder() const { return ShowRuns ? columnSlots_ : 0; }

int TLoserTree::ColumnTop(const TLoserLayout& l) const {
  int top = 0;
  for (int j = 0; j <= lastIndex_; ++j) top = std::max(top, l.Y(Leaf(j)) + 3 * l.NodeHeight / 2);
  return top;
}

void TLoserTree::ShowSwap(int t, int s) {
  if (!ValidNode(t) || !ValidNode(Leaf(s))) return;
  nodes_[Leaf(s)].Highlight = false;
  const int named = nodes_[t].Value;
  if (named >= 0 && ValidNode(Leaf(named))) nodes_[Leaf(named)].Highlight = true;
  nodes_[t].Value = s;
  Invalidate();
}

QString TLoserTree::RecordText(const TLsNodeRec& rec, bool keyed) {
  QString text = rec.Value < 0 && !keyed ? QStringLiteral("_") : QString::number(rec.Value);
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
  if (showSentinel_) text += QStringLiteral(" b[k] ") + RecordText(nodes_[Sentinel()], true);
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

void TLoserTree::DrawArrow(const QPolygon& path) {
  const TDesignRatio r = TGraphForm::RatioOf(*this);
  const int half = r.Grow(2);
  TCanvas& c = Canvas();
  c.Pen = TPen{clPurple, 1};
  c.MoveTo(path.front().x(), path.front().y());
  for (qsizetype k = 1; k < path.size(); ++k) c.LineTo(path[k].x(), path[k].y());
  const int x1 = path[path.size() - 2].x(), y1 = path[path.size() - 2].y();
  const int x2 = path.back().x(), y2 = path.back().y();
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double len = std::hypot(dx, dy);
  if (len < 1) return;
  // A head no longer than the last stretch of its line.
  const double length = std::min<double>(r.Grow(10), len);
  const double ux = dx / len;
  const double uy = dy / len;
  const double bx = x2 - length * ux;
  const double by = y2 - length * uy;
  c.Brush.Color = clPurple;
  c.Polygon({TPoint(x2, y2), TPoint(static_cast<int>(bx - half * uy), static_cast<int>(by + half * ux)),
             TPoint(static_cast<int>(bx + half * uy), static_cast<int>(by - half * ux))});
}

TRect TLoserTree::ShapeRect(const TLoserLayout& l, int position, int y) {
  return Rect(l.Left(position), y + l.ValueBand, l.Left(position) + l.W[position], y + l.NodeHeight);
}

void TLoserTree::DrawNodeBox(const TLoserLayout& l, int record, int position, int y) {
  const TLsNodeRec& rec = nodes_[record];
  const TRect shape = ShapeRect(l, position, y);
  const bool internal = record <= lastIndex_;
  const TColor fill = !rec.Shown ? clGray : rec.Highlight ? clFuchsia : internal ? clRed : clTeal;
  TCanvas& c = Canvas();
  c.Brush.Color = fill;
  c.Brush.Style = bsSolid;
  c.Pen = TPen{clBlack, 1};
  if (internal)
    c.Ellipse(shape.Left, shape.Top, shape.Right, shape.Bottom);
  else
    c.Rectangle(shape.Left, shape.Top, shape.Right, shape.Bottom);
  c.SetBkMode(TRANSPARENT);
  c.Font = Arial(l.LabelFont);
  // Black reads on red, fuchsia and grey; the dark teal of a leaf takes white.
  c.Font.Color = fill == clTeal ? clWhite : clBlack;
  c.TextOut(shape.Left + (shape.Width() - c.TextWidth(LabelOf(record))) / 2,
            (shape.Top + shape.Bottom - c.TextHeight(LabelOf(record))) / 2, LabelOf(record));
}

QString TLoserTree::LabelOf(int record) const {
  return record <= lastIndex_ ? QStringLiteral("ls[%1]").arg(nodes_[record].Index)
                              : QStringLiteral("b[%1]").arg(nodes_[record].Index - lastIndex_ - 1);
}

QString TLoserTree::ValueText(int record) const {
  const int v = nodes_[record].Value;
  return v < 0 && record != Sentinel() ? QString() : QString::number(v);
}

TRect TLoserTree::ValueBox(const TLoserLayout& l, const TFont& font, const QString& value, int position, int y) {
  const QString measured = value.isEmpty() ? QStringLiteral("0") : value;
  return l.ValueRect(position, y, font.TextWidth(measured), font.TextHeight(measured));
}

void TLoserTree::DrawValue(const TLoserLayout& l, int record, int position, int y) {
  const QString value = ValueText(record);
  if (value.isEmpty()) return;
  TCanvas& c = Canvas();
  c.SetBkMode(TRANSPARENT);
  c.Font = Arial(l.ValueFont);
  c.Font.Color = clBlack;
  const TRect r = ValueBox(l, c.Font, value, position, y);
  CopyBackdrop(c, *this, r);
  c.TextOut(r.Left + 1, r.Top + (r.Height() - c.TextHeight(value)) / 2, value);
}

TRect TLoserTree::KeyBoxRect(const TLoserLayout& l, int position, int y, int height) {
  return Bounds(l.Left(position), y, l.W[position], height > 0 ? height : l.NodeWidth);
}

void TLoserTree::DrawKeyBox(const TLoserLayout& l, int position, int y, const QString& text, TColor color,
                            int height) {
  const TRect box = KeyBoxRect(l, position, y, height);
  const int x = box.Left;
  const int w = box.Width();
  const int h = box.Height();
  TCanvas& c = Canvas();
  c.Brush.Color = color;
  c.Brush.Style = bsSolid;
  c.Pen = TPen{clBlack, 1};
  c.Rectangle(box.Left, box.Top, box.Right, box.Bottom);
  c.SetBkMode(TRANSPARENT);
  c.Font = FitFont(Arial(std::max(1, h - 2)), {text}, w - 4, h - 2);
  c.Font.Color = clBlack;
  c.TextOut(x + (w - c.TextWidth(text)) / 2, y + (h - c.TextHeight(text)) / 2, text);
}

QPolygon TLoserTree::NameArrow(const TLoserLayout& l, int i) const {
  const int n = lastIndex_;
  const int v = nodes_[i].Value;
  if (v == -1 || v + n + 1 >= NodeCount) return {};
  const TPoint start(l.Mid(i), l.Y(i) + l.NodeHeight);
  // While the tree is built every record names the sentinel: the arrows go from the lowest
  // records only (the others tell it by the number above them), each to its own point of the
  // box's lower edge, so that none runs along another past the records between.
  if (v == n + 1) {
    for (const int child : {i == 0 ? 1 : 2 * i, i == 0 ? 1 : 2 * i + 1})
      if (child <= n && child != i && nodes_[child].Value == v) return {};
    const int s = Sentinel();
    return QPolygon({start, TPoint(l.Left(s) + l.W[s] * (i + 1) / (n + 2), l.Y(0) + l.NodeHeight)});
  }
  // Once the tree is built an ls record names a leaf under it. While it is built (the
  // replacement selection starts every record at leaf 0) a record may name another leaf, and
  // several on one path may name one leaf (ls[0] too, until Adjust ends): the arrow then goes
  // from the lowest of them only; the others tell it by the number above them.
  const int pos = v + n + 1;
  int p = pos / 2;
  for (; p > i; p /= 2)
    if (nodes_[p].Value == v) return {};
  if (p != i) return {};
  // The arrow runs from the node down into the upper third of the gap under its level, along
  // it over the leaf's middle, and down onto the leaf's key, stopping over it. Where a node of
  // a level between is wide enough to reach the leaf's middle (a crowded tree), the arrow steps
  // aside round it through the lower third of the gaps above and below that level.
  const int mid = l.Mid(pos);
  const TPoint end(mid, l.ValueRect(pos, l.Y(pos), 0, ArialCell(l.ValueFont)).Top - 1);
  const int third = (l.Row - l.NodeHeight) / 3;
  const int lane = l.Y(i) + l.NodeHeight + third;
  QPolygon path({start, TPoint(start.x(), lane), TPoint(mid, lane)});
  const int clear = 3;  // between the arrow and a node it passes
  for (int level = TLoserLayout::TreeDepth(i); level < TLoserLayout::TreeDepth(pos) - 1; ++level) {
    for (int q = 1 << (level - 1); q < (1 << level) && q <= 2 * n + 1; ++q) {
      const int reach = l.W[q] / 2 + clear;
      if (std::abs(l.Mid(q) - mid) >= reach) continue;
      const int aside = mid < l.Mid(q) ? l.Mid(q) - reach : l.Mid(q) + reach;
      const int above = l.Y(q) - third;
      const int below = l.Y(q) + l.NodeHeight + 2 * third;
      path << TPoint(mid, above) << TPoint(aside, above) << TPoint(aside, below) << TPoint(mid, below);
    }
  }
  path << end;
  return path;
}

QLine TLoserTree::TreeLink(const TLoserLayout& l, int r) const {
  // A link leaves its node beside the value and meets its parent under the label, on the
  // child's side of the middle: the arrow to the named leaf leaves the parent at its middle,
  // and in a crowded tree, whose links rise almost straight, it would run along them there.
  const int parent = r / 2;
  const int px = l.Mid(parent);
  const TPoint from = l.LinkStart(r, l.Y(r), px, r <= lastIndex_);
  const bool straightUp = std::abs(l.Mid(r) - px) < l.W[r] / 4;
  const int aside = std::min(std::max(l.W[parent] / 4, 5), l.W[parent] / 2 - 2);
  const int x = straightUp ? from.x() : l.Mid(r) < px ? px - aside : px + aside;
  return {from, TPoint(x, l.LowerRim(parent, l.Y(parent), x, true))};
}

void TLoserTree::Paint() {
  CopyBackdrop(Canvas(), *this, ClientRect());
  const TLoserLayout l = Layout();
  const int n = lastIndex_;
  for (int i = 0; i <= n; ++i)
    if (const QPolygon arrow = NameArrow(l, i); !arrow.isEmpty()) DrawArrow(arrow);
  const int lineWidth = TGraphForm::RatioOf(*this).Grow(2);
  const bool sentinel = showSentinel_ && Sentinel() < NodeCount;
  if (sentinel) DrawNodeBox(l, Sentinel(), Sentinel(), l.Y(0));
  for (int r = 2 * n + 1; r >= 0; --r) {
    if (r > 0) {
      const QLine link = TreeLink(l, r);
      Canvas().Pen = TPen{r > n ? clBlue : clRed, lineWidth};
      Canvas().MoveTo(link.x1(), link.y1());
      Canvas().LineTo(link.x2(), link.y2());
    }
    DrawNodeBox(l, r, r, l.Y(r));
  }
  if (sentinel) DrawValue(l, Sentinel(), Sentinel(), l.Y(0));
  for (int r = 2 * n + 1; r >= 0; --r) DrawValue(l, r, r, l.Y(r));
  DrawUnderLeaves(l);
}

TRect TLoserTree::ColumnBox(const TLoserLayout& l, int j, int k) const {
  const int pos = Leaf(j);
  const int y = l.Y(pos) + 3 * l.NodeHeight / 2 + k * l.KeySide;
  if (k > runs_[j].LastKey || k >= 10 || y + l.KeySide > height()) return {};
  return Bounds(l.Left(pos), y, l.W[pos], l.KeySide);
}

std::vector<std::pair<TRect, QString>> TLoserTree::BoxesUnder(const TLoserLayout& l, int j) const {
  std::vector<std::pair<TRect, QString>> boxes;
  if (!ShowRuns) return boxes;
  for (int k = 0; k <= runs_[j].LastKey && k < 10; ++k) {
    const TRect box = ColumnBox(l, j, k);
    if (box.Width() == 0) break;
    boxes.emplace_back(box, QString::number(runs_[j].Keys[k]));
  }
  return boxes;
}

void TLoserTree::DrawUnderLeaves(const TLoserLayout& l) {
  for (int j = 0; j <= lastIndex_; ++j)
    for (const auto& [box, text] : BoxesUnder(l, j)) DrawKeyBox(l, Leaf(j), box.Top, text, clAqua, box.Height());
}

std::vector<TDrawnShape> TLoserTree::DrawingShapes() const {
  const TLoserLayout l = Layout();
  const int n = lastIndex_;
  std::vector<TDrawnShape> out;
  const auto means = [](const auto& f, auto... at) { return f ? f(at...) : std::vector<TValueMeaning>{}; };
  // Record r's node is shape r; the sentinel's follows the tree's.
  const auto node = [&](int r, int position, int y) {
    TDrawnShape shape = TDrawnShape::NodeAt(ShapeRect(l, position, y).ToQRect(), LabelOf(r), r <= n)
                            .Noted(nodes_[r].Shown ? QString() : QStringLiteral("grey"));
    shape.Stands = means(ShapeMeans, r);
    return shape;
  };
  for (int r = 0; r <= 2 * n + 1; ++r) out.push_back(node(r, r, l.Y(r)));
  const bool sentinel = showSentinel_ && Sentinel() < NodeCount;
  const int sentinelShape = static_cast<int>(out.size());
  if (sentinel) out.push_back(node(Sentinel(), Sentinel(), l.Y(0)));
  const auto line = [](const QLine& q) { return QPolygon({q.p1(), q.p2()}); };
  for (int r = 1; r <= 2 * n + 1; ++r) out.push_back(TDrawnShape::LinkBetween({this, r / 2}, {this, r}, line(TreeLink(l, r))));
  for (int i = 0; i <= n; ++i) {
    const QPolygon arrow = NameArrow(l, i);
    if (arrow.isEmpty()) continue;
    // An arrow to the sentinel's place while it is not shown ends at no node.
    const int v = nodes_[i].Value;
    const TShapeRef named = v != n + 1 ? TShapeRef{this, v + n + 1} : sentinel ? TShapeRef{this, sentinelShape} : TShapeRef{};
    out.push_back(TDrawnShape::LinkBetween({this, i}, named, arrow));
  }
  for (int j = 0; j <= n; ++j) {
    int k = 0;
    for (const auto& [box, text] : BoxesUnder(l, j)) {
      TDrawnShape key = TDrawnShape::NodeAt(box.ToQRect(), text).Noted(UnderNote(j));
      key.Stands = means(UnderMeans, j, k++);
      out.push_back(key);
    }
  }
  // The values over the records, each its record's label.
  const TFont valueFont = Arial(l.ValueFont);
  const auto value = [&](int r, int shape, int position, int y) {
    const QString text = ValueText(r);
    TDrawnShape label = TDrawnShape::LabelOfNode({this, shape}, ValueBox(l, valueFont, text, position, y).ToQRect(), text);
    label.Stands = means(ValueMeans, r);
    out.push_back(label);
  };
  for (int r = 0; r <= 2 * n + 1; ++r) value(r, r, r, l.Y(r));
  if (sentinel) value(Sentinel(), sentinelShape, Sentinel(), l.Y(0));
  return out;
}

int TLoserTree::MoveKeyOut(int speed, int s, int frames) {
  const int rec = Leaf(s);
  if (!ValidNode(rec)) return -1;
  const int key = nodes_[rec].Value;
  nodes_[rec].Value = -1;
  Repaint();
  const QImage still = Still();
  const TLoserLayout l = Layout();
  const int y = l.Y(rec);
  for (int f = frames; f >= 0; --f) {
    const int top = y * f / frames;
    DrawKeyBox(l, rec, top, key, clFuchsia);
    pacing::ProcessMessages();
    pacing::Sleep(LsFrameWait(speed));
    PutBack(still, Bounds(l.Left(rec), top, l.W[rec], l.NodeWidth));
  }
  Repaint();
  return key;
}

QImage TLoserTree::Still() {
  Update();  // a change not painted yet belongs in it
  return Image().copy();
}

void TLoserTree::PutBack(const QImage& still, const TRect& r) {
  const QRect area = QRect(r.Left, r.Top, r.Width(), r.Height()) & still.rect();
  if (!area.isEmpty()) Canvas().Draw(area.left(), area.top(), still.copy(area));
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
  const QImage still = Still();
  const TLoserLayout l = Layout();
  const int y = l.Y(rec);
  for (int f = 3; f >= 0; --f) {
    const int top = y + l.NodeWidth + (height() - y - l.NodeWidth) * f / 3;
    DrawKeyBox(l, rec, top, key, clFuchsia);
    pacing::ProcessMessages();
    pacing::Sleep(LsFrameWait(speed));
    PutBack(still, Bounds(l.Left(rec), top, l.W[rec], l.NodeWidth));
  }
  Repaint();
}

std::vector<std::pair<TRect, QString>> TRepSelTree::BoxesUnder(const TLoserLayout& l, int j) const {
  const TLsNodeRec& rec = runNumbers_[j];
  const QString text = rec.Value < 0 ? QStringLiteral(" ") : QString::number(rec.Value);
  return {{KeyBoxRect(l, Leaf(j), l.Y(Leaf(j)) + l.NodeHeight, l.KeySide), text}};
}

void TRepSelTree::DrawUnderLeaves(const TLoserLayout& l) {
  for (int j = 0; j <= LastIndex(); ++j) {
    const TLsNodeRec& rec = runNumbers_[j];
    const auto [box, text] = BoxesUnder(l, j).front();
    DrawKeyBox(l, Leaf(j), box.Top, text, !rec.Shown ? clGray : rec.Highlight ? clFuchsia : clTeal, l.KeySide);
  }
}
