#include "demos/trees/HuffmanTree.h"

#include <QFontMetrics>
#include <algorithm>
#include <array>
#include <functional>

#include "demos/trees/TreeLayout.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/FitFont.h"
#include "platform/Forms.h"
#include "platform/PaintRecord.h"

std::pair<int, int> HuffmanSelect(const std::vector<THuffNode>& ht, int upTo) {
  // No fixed bound: any weight a 32-bit total allows can be the smallest.
  const auto smallest = [&](int except) {
    int best = 0;
    for (int k = 1; k <= upTo; ++k) {
      const THuffNode& e = ht[static_cast<std::size_t>(k)];
      if (e.parent != 0 || k == except) continue;
      if (best == 0 || e.weight < ht[static_cast<std::size_t>(best)].weight) best = k;
    }
    return best;
  };
  const int s1 = smallest(0);
  return {s1, smallest(s1)};
}

THuffmanTree::THuffmanTree(QWidget* parent) : TNodeContainer(parent) {}

void THuffmanTree::SetWeights(const std::vector<int>& weights) {
  n_ = static_cast<int>(weights.size());
  const int m = std::max(1, 2 * n_ - 1);
  nodes_.assign(static_cast<std::size_t>(m + 1), TNode{});
  for (int k = 1; k <= n_; ++k) nodes_[static_cast<std::size_t>(k)].link.weight = weights[static_cast<std::size_t>(k - 1)];
  codes_.assign(static_cast<std::size_t>(n_ + 1), QString());
  codeRow_.clear();
  Relayout();
  Invalidate();
}

void THuffmanTree::ShowLeaves() {
  for (int k = 1; k <= n_; ++k) nodes_[static_cast<std::size_t>(k)].shown = true;
  Relayout();
  Invalidate();
}

void THuffmanTree::Join(int i, int s1, int s2) {
  TNode& node = nodes_.at(static_cast<std::size_t>(i));
  node.shown = true;
  node.link.lchild = s1;
  node.link.rchild = s2;
  nodes_.at(static_cast<std::size_t>(s1)).link.parent = i;
  nodes_.at(static_cast<std::size_t>(s2)).link.parent = i;
  Relayout();
  Invalidate();
}

void THuffmanTree::SetWeight(int i, int weight) {
  nodes_.at(static_cast<std::size_t>(i)).link.weight = weight;
  Invalidate();
}

void THuffmanTree::SetHighlight(int i, bool on) {
  if (i < 1 || i >= static_cast<int>(nodes_.size())) return;
  nodes_[static_cast<std::size_t>(i)].highlight = on;
  Invalidate();
}

TColor THuffmanTree::Fill(std::size_t i) const { return nodes_[i].highlight ? clFuchsia : clAqua; }

TColor THuffmanTree::DigitColour(TText::TKind kind) { return kind == TText::BlueLabel ? clBlue : clYellow; }

QString THuffmanTree::FillWord(TColor fill) { return fill == clFuchsia ? QStringLiteral("lit") : QString(); }

QString THuffmanTree::DigitWord(TColor colour) {
  if (colour == clBlue) return QStringLiteral("current");
  if (colour == clYellow) return QStringLiteral("finished");
  return QStringLiteral("none");
}

void THuffmanTree::ClearHighlights() {
  for (TNode& node : nodes_) node.highlight = false;
  Invalidate();
}

void THuffmanTree::SetLabel(int i, TLabel label) {
  nodes_.at(static_cast<std::size_t>(i)).label = label;
  Invalidate();
}

void THuffmanTree::FinishLabels() {
  for (TNode& node : nodes_) {
    if (node.label == Blue0) node.label = Yellow0;
    if (node.label == Blue1) node.label = Yellow1;
  }
  Invalidate();
}

void THuffmanTree::SetCodeRow(const QString& text) {
  codeRow_ = text;
  Invalidate();
}

void THuffmanTree::SetCode(int leaf, const QString& code) {
  codes_.at(static_cast<std::size_t>(leaf)) = code;
  Invalidate();
}

void THuffmanTree::Relayout() {
  const int m = static_cast<int>(nodes_.size()) - 1;
  column_.assign(nodes_.size(), 0);
  level_.assign(nodes_.size(), 1);
  int col = 0;
  maxLevel_ = 1;
  const std::function<void(int, int)> walk = [&](int i, int level) {
    if (i == 0) return;
    const TNode& node = nodes_[static_cast<std::size_t>(i)];
    level_[static_cast<std::size_t>(i)] = level;
    maxLevel_ = std::max(maxLevel_, level);
    if (i <= n_) {
      column_[static_cast<std::size_t>(i)] = col++;
      return;
    }
    walk(node.link.lchild, level + 1);
    walk(node.link.rchild, level + 1);
  };
  for (int i = 1; i <= m; ++i)
    if (nodes_[static_cast<std::size_t>(i)].shown && nodes_[static_cast<std::size_t>(i)].link.parent == 0) walk(i, 1);
}

QString THuffmanTree::DrawingText() const {
  QStringList parts;
  for (std::size_t i = 1; i < nodes_.size(); ++i)
    if (nodes_[i].shown) parts << QStringLiteral("HT[%1]=%2").arg(i).arg(nodes_[i].link.weight);
  // The codes as the bottom row shows them: in the leaves' order.
  parts << QStringLiteral("编码");
  std::vector<int> byColumn;
  for (int k = 1; k < static_cast<int>(codes_.size()); ++k)
    if (!codes_[static_cast<std::size_t>(k)].isEmpty()) byColumn.push_back(k);
  std::sort(byColumn.begin(), byColumn.end(),
            [&](int a, int b) { return column_[static_cast<std::size_t>(a)] < column_[static_cast<std::size_t>(b)]; });
  for (const int k : byColumn) parts << codes_[static_cast<std::size_t>(k)];
  return parts.join(QLatin1Char(' '));
}


THuffmanTree::TLayout THuffmanTree::Layout() const {
  TLayout l;
  if (n_ == 0) return l;
  const TDesignRatio r = Ratio();
  const int w = width(), h = height();
  const int margin = r.Grow(4);
  // One column a leaf across the width; the node keeps its 36 pixels and grows with
  // the window while it leaves room between neighbours and levels.
  const int colW = std::max(1, (w - 2 * margin) / n_);
  const int legible = LegiblePixelsIn(*this);
  QStringList codes;
  for (int k = 1; k <= n_; ++k) codes << codes_[static_cast<std::size_t>(k)];
  // A code may take two columns: neighbours' codes stand on two lines. Readable letters, and no
  // larger: the levels of a deep tree need the height.
  l.CodeFont = FitFont(TFont{.Name = QStringLiteral("Arial"), .Height = -std::max(std::min(r.Grow(14), legible + 2), legible),
                             .Color = clBlue},
                       codes, colW * 2 - r.Grow(6), kAnyHeight, legible);
  const int codeCell = l.CodeFont.TextHeight(QStringLiteral("0"));
  // The bottom rows: "编码" with the work string, then the leaves' codes in their columns, odd
  // and even leaves on a line each.
  const int rowsTop = h - margin - 3 * codeCell - margin;
  const int levels = std::max(maxLevel_, 1);
  const int treeBottom = rowsTop - 2 * codeCell - margin;  // under the lowest leaves: their codes, on two lines
  const auto nodeSize = [&](int top) {
    // A deep tree's nodes give up some of their 36 pixels to the room between its levels, down
    // to twice the readable letter, the height its weights need.
    return std::max(std::min(36, 2 * legible), std::min({r.Grow(36), colW * 3 / 5, (treeBottom - top) / levels * 9 / 20}));
  };
  const int treeTop = nodeSize(margin) / 2 + margin;  // the root's "HT[i]" above it
  const int d = nodeSize(treeTop);
  const int rowH = levels > 1 ? (treeBottom - treeTop - d) / (levels - 1) : 0;
  l.Weight.assign(nodes_.size(), QString());
  for (std::size_t i = 1; i < nodes_.size(); ++i) l.Weight[i] = QString::number(nodes_[i].link.weight);
  const QStringList weights(l.Weight.begin() + 1, l.Weight.end());
  l.WeightFont = FitFont(TFont{.Name = QStringLiteral("Arial"), .Height = -std::max(legible, d * 2 / 5), .Color = clBlack},
                         weights, colW - r.Grow(8), kAnyHeight, legible);

  l.Centre.assign(nodes_.size(), QPoint());
  l.Node.assign(nodes_.size(), QRect());
  const std::function<int(int)> xOf = [&](int i) -> int {
    const TNode& node = nodes_[static_cast<std::size_t>(i)];
    if (i <= n_) return margin + column_[static_cast<std::size_t>(i)] * colW + colW / 2;
    return (xOf(node.link.lchild) + xOf(node.link.rchild)) / 2;
  };
  for (std::size_t i = 1; i < nodes_.size(); ++i) {
    if (!nodes_[i].shown) continue;
    l.Centre[i] = QPoint(xOf(static_cast<int>(i)), treeTop + d / 2 + (level_[i] - 1) * rowH);
    // A weight wider than the node widens it, short of the neighbouring column.
    const int nodeW = std::min(std::max(d, l.WeightFont.TextWidth(l.Weight[i]) + r.Grow(6)), colW - 4);
    l.Node[i] = QRect(l.Centre[i].x() - nodeW / 2, l.Centre[i].y() - d / 2, nodeW, d);
  }
  // "HT[i]" above each node, on the side its link does not cross, a little apart from the node's
  // outline (a caption touching a square node's black top reads as written on black).
  const int apart = 2;
  std::vector<TCaptionSpot> spots;
  for (std::size_t i = 1; i < nodes_.size(); ++i) {
    if (!nodes_[i].shown) continue;
    TCaptionSpot spot{l.Node[i].adjusted(-apart, -apart, apart, apart), std::nullopt, QStringLiteral("HT[%1]").arg(i), true};
    if (const int p = nodes_[i].link.parent) spot.ParentCentre = l.Centre[static_cast<std::size_t>(p)];
    spots.push_back(spot);
  }
  const TCaptionPlan plan = PlanCaptions(spots, w, 0, legible, std::max(legible + 3, d * 2 / 5));
  l.CaptionFont = plan.Font;
  l.CaptionFont.Color = clNavy;
  // The links, centre to centre: a caption moved aside keeps off them.
  std::vector<QLineF> links;
  for (std::size_t i = 1; i < nodes_.size(); ++i)
    if (nodes_[i].shown && nodes_[i].link.parent != 0)
      links.emplace_back(l.Centre[i], l.Centre[static_cast<std::size_t>(nodes_[i].link.parent)]);
  const auto onNode = [&](const QRect& box) {
    return std::any_of(l.Node.begin(), l.Node.end(), [&](const QRect& o) {
      return !o.isNull() && o.adjusted(-apart, -apart, apart, apart).intersects(box);
    });
  };
  const auto onText = [&](const QRect& box) {
    return std::any_of(l.Texts.begin(), l.Texts.end(), [&](const TText& t) { return t.Box.intersects(box); });
  };
  const auto onLink = [&](const QRect& box) {
    return std::any_of(links.begin(), links.end(), [&](const QLineF& link) { return paintrecord::Crosses(link, QRectF(box)); });
  };
  // The code digit of a link beside its middle, on the outer side, above the middle so the link
  // keeps clear of it: "0" left of a left link, "1" right of a right one; placed before the
  // captions, which keep off it. The design's 30 pixels while they fit between the levels.
  l.LabelFont = TFont{.Name = QStringLiteral("Arial"),
                      .Height = -std::clamp(rowH / 2 - d / 2 - 2, legible, std::max(30, r.Grow(30) * 2 / 3)),
                      .Style = fsBold};
  for (std::size_t i = 1; i < nodes_.size(); ++i) {
    const TNode& node = nodes_[i];
    const int p = node.link.parent;
    if (!node.shown || node.label == NoLabel || p == 0) continue;
    const bool one = node.label == Blue1 || node.label == Yellow1;
    const QString digit = one ? QStringLiteral("1") : QStringLiteral("0");
    const QPoint mid = (l.Centre[i] + l.Centre[static_cast<std::size_t>(p)]) / 2;
    const QSize size = l.LabelFont.TextExtent(digit);
    const int gap = r.Grow(3);
    bool pushed = false;
    const auto beside = [&](QPoint at) {
      QRect box(QPoint(one ? at.x() + gap : at.x() - gap - size.width(), at.y() - size.height()), size);
      // A wide node near the point pushes the digit further out.
      pushed = false;
      for (const QRect& other : l.Node)
        if (!other.isNull() && other.intersects(box)) {
          box.moveLeft(one ? other.right() + gap : other.left() - gap - size.width());
          pushed = true;
        }
      return box;
    };
    // Beside the middle of the link, else nearer its upper end, away from the child's caption;
    // a place where a wide node pushed it aside (beside the node, it reads as the node's) only
    // where no other is free.
    const QPointF from = l.Centre[static_cast<std::size_t>(p)], to = l.Centre[i];
    QRect box = beside(mid);
    for (const double f : {0.4, 0.3, 0.6, 0.25, 0.7})
      if (pushed || onText(box) || onNode(box)) box = beside((from + (to - from) * f).toPoint());
    if (pushed || onText(box) || onNode(box)) box = beside(mid);
    l.Texts.push_back({digit, box, node.label <= Blue1 ? TText::BlueLabel : TText::YellowLabel, 0, static_cast<int>(i)});
  }
  const QRect panel = rect().adjusted(margin / 2, 0, -margin / 2, 0);
  const int frameRoom = std::max(margin, 4);
  for (std::size_t k = 0; k < spots.size(); ++k) {
    QRect box = plan.Boxes[k];
    const auto free = [&](const QRect& b) {
      if (!panel.contains(b) || onNode(b) || onText(b)) return false;
      for (std::size_t j = k + 1; j < spots.size(); ++j)
        if (plan.Boxes[j].intersects(b)) return false;
      return true;
    };
    const QRect& node = spots[k].Node;
    const int gap = r.Grow(2);
    const auto besides = [&](const QSize& sized) {
      const int top = node.center().y() - sized.height() / 2;
      return std::array{QRect(QPoint(node.left() - gap - sized.width(), top), sized),
                        QRect(QPoint(node.right() + 1 + gap, top), sized)};
    };
    int em = plan.Ems[k];
    // A caption the panel's top edge cuts into (over a small root in a window made smaller) reads
    // as written on the frame and the pane's title bar above it: beside its node, level with its
    // middle, where a place is free, else where the plan put it.
    for (int size = em; box.top() < frameRoom && size >= legible; --size)
      for (const QRect& place : besides(QFontMetrics(CaptionFont(size).ToQFont()).size(0, spots[k].Text)))
        if (place.top() >= frameRoom && free(place) && !onLink(place)) {
          box = place;
          em = size;
          break;
        }
    // A caption that found no free place above its node (the levels of a deep tree stand close,
    // siblings' captions meet) takes the nearest one where no link runs: above the node, shifted
    // aside or a line higher (still below the parent), else beside it, level with its middle.
    // In smaller letters, down to the least readable, where none is free at the plan's size.
    for (int size = em; (!free(box) || onLink(box)) && size >= legible; --size) {
      const QSize sized = QFontMetrics(CaptionFont(size).ToQFont()).size(0, spots[k].Text);
      const int parentBottom = spots[k].ParentCentre ? spots[k].ParentCentre->y() + d / 2 : -1;
      std::vector<QRect> places;
      for (int line = 0; line < 2; ++line) {
        const int top = node.top() - 1 - (line + 1) * sized.height() - line;
        for (int dx = 0; dx <= sized.width() + node.width() / 2; dx += 2)
          for (const int sign : {-1, 1}) {
            const QRect b(QPoint(node.center().x() - sized.width() / 2 + sign * dx, top), sized);
            if (b.top() > parentBottom) places.push_back(b);
          }
      }
      for (const QRect& place : besides(sized)) places.push_back(place);
      for (const QRect& place : places)
        if (free(place) && !onLink(place)) {
          box = place;
          em = size;
          break;
        }
    }
    l.Texts.push_back({spots[k].Text, box, TText::Caption, em});
  }
  // Each finished code under its leaf, inside the panel: centred, else shifted aside or a line
  // lower, wherever it covers no node and no other text (a neighbour's code, a caption).
  const auto taken = [&](const QRect& box) { return onNode(box) || onText(box); };
  for (int k = 1; k <= n_; ++k) {
    const std::size_t i = static_cast<std::size_t>(k);
    if (!nodes_[i].shown || codes_[i].isEmpty()) continue;
    const QSize size = l.CodeFont.TextExtent(codes_[i]);
    // Below the leaf's outline and the room kept around it, so that the centred place is free.
    const auto at = [&](int dx, int line) {
      const int x = std::clamp(l.Centre[i].x() - size.width() / 2 + dx, margin, std::max(margin, w - margin - size.width()));
      return QRect(QPoint(x, l.Node[i].bottom() + apart + 2 + line * codeCell), size);
    };
    // A line lower before aside, and aside by less than half a column while any place allows:
    // a code halfway between two leaves could be either's.
    QRect box = at(0, 0);
    bool found = false;
    for (const int dx : {0, -colW / 4, colW / 4, -colW / 2, colW / 2, -colW, colW})
      for (int line = 0; line < 3 && !found; ++line)
        if (!taken(at(dx, line)) && at(dx, line).bottom() < rowsTop) {
          box = at(dx, line);
          found = true;
        }
    l.Texts.push_back({codes_[i], box, TText::LeafCode, 0, k});
  }
  const QString head = QStringLiteral("编码  ") + codeRow_;
  l.Texts.push_back({head, QRect(QPoint(margin, rowsTop), l.CodeFont.TextExtent(head)), TText::RowCode});
  // Each code in its leaf's column, so that the row reads in the leaves' order; neighbouring
  // columns on lines of their own.
  for (int k = 1; k <= n_; ++k) {
    const QString& code = codes_[static_cast<std::size_t>(k)];
    if (code.isEmpty()) continue;
    const QSize size = l.CodeFont.TextExtent(code);
    const int col = column_[static_cast<std::size_t>(k)];
    const int line = 1 + col % 2;
    const int x = std::clamp(margin + col * colW + (colW - size.width()) / 2, margin, w - margin - size.width());
    l.Texts.push_back({code, QRect(QPoint(x, rowsTop + line * codeCell + margin / 2), size), TText::RowCode, 0, k});
  }
  l.LinkWidth = r.Text(1);
  return l;
}

std::vector<TDrawnShape> THuffmanTree::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  if (n_ == 0) return out;
  const TLayout l = Layout();
  // Node i is shape place[i]; its link up to its parent, linkOf[i].
  std::vector<int> place(nodes_.size(), -1), linkOf(nodes_.size(), -1);
  for (std::size_t i = 1; i < nodes_.size(); ++i) {
    if (!nodes_[i].shown) continue;
    place[i] = static_cast<int>(out.size());
    // Node i shows HT[i].weight (the engine's table counts from 0); its fill, whether it is lit.
    out.push_back(TDrawnShape::NodeAt(l.Node[i], l.Weight[i], static_cast<int>(i) <= n_)
                      .Noted(FillWord(Fill(i)))
                      .StandingFor({.Of = {QStringLiteral("HT[%1].weight").arg(i - 1)}})
                      .StandingFor({.Value = [this, i]() -> std::optional<QString> {
                                      const std::optional<bool> lit = LitOf ? LitOf(static_cast<int>(i)) : std::nullopt;
                                      if (!lit) return std::nullopt;
                                      return *lit ? QStringLiteral("lit") : QString();
                                    },
                                    .Part = TValueMeaning::InNote}));
  }
  for (std::size_t i = 1; i < nodes_.size(); ++i) {
    const auto p = static_cast<std::size_t>(nodes_[i].link.parent);
    if (place[i] < 0 || p == 0 || place[p] < 0) continue;
    linkOf[i] = static_cast<int>(out.size());
    out.push_back(TDrawnShape::LinkBetween({this, place[p]}, {this, place[i]}, QPolygon({l.Centre[p], l.Centre[i]})));
  }
  // A code digit says on which side of its parent HT[t.Node] hangs: 0 for the left child.
  for (const TText& t : l.Texts)
    if ((t.Kind == TText::BlueLabel || t.Kind == TText::YellowLabel) && linkOf[static_cast<std::size_t>(t.Node)] >= 0) {
      const int parent = nodes_[static_cast<std::size_t>(t.Node)].link.parent;
      const QString child = QString::number(t.Node);
      // Its colour, for which leaf it was written.
      const int node = t.Node;
      out.push_back(TDrawnShape::LabelOf(linkOf[static_cast<std::size_t>(t.Node)], t.Box, t.Text)
                        .Noted(DigitWord(DigitColour(t.Kind)))
                        .StandingFor({.Of = {QStringLiteral("HT[%1].lchild").arg(parent - 1)},
                                      .Map = [child](const QStringList& v) {
                                        return std::optional<QString>(v[0] == child ? QStringLiteral("0")
                                                                                    : QStringLiteral("1"));
                                      }})
                        .StandingFor({.Value = [this, node] { return DigitOf ? DigitOf(node) : std::nullopt; },
                                      .Part = TValueMeaning::InNote}));
    }
  // A leaf's code, under the leaf and in the row below the tree, is read as the code of the
  // leaf whose column it stands in.
  for (const TText& t : l.Texts) {
    if ((t.Kind == TText::LeafCode || t.Kind == TText::RowCode) && t.Node > 0 && place[static_cast<std::size_t>(t.Node)] >= 0)
      out.push_back(TDrawnShape::LabelOfNode({this, place[static_cast<std::size_t>(t.Node)]}, t.Box, t.Text, true)
                        .StandingFor({.Of = {QStringLiteral("HC[%1]").arg(t.Node - 1)}}));
    // The work string cd, after its heading.
    if (t.Kind == TText::RowCode && t.Node == 0)
      out.push_back(TDrawnShape::CellAt(t.Box, t.Text).StandingFor({.Of = {QStringLiteral("cd")}, .Shows = QStringLiteral("编码 %1")}));
  }
  return out;
}

void THuffmanTree::Paint() {
  TNodeContainer::Paint();
  if (n_ == 0) return;
  TCanvas& c = Canvas();
  const TLayout l = Layout();
  c.Pen.Color = clBlack;
  c.Pen.Width = l.LinkWidth;
  for (std::size_t i = 1; i < nodes_.size(); ++i) {
    const int p = nodes_[i].link.parent;
    if (!nodes_[i].shown || p == 0) continue;
    c.MoveTo(l.Centre[i].x(), l.Centre[i].y());
    c.LineTo(l.Centre[static_cast<std::size_t>(p)].x(), l.Centre[static_cast<std::size_t>(p)].y());
  }
  c.Pen.Width = 1;
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_LEFT | TA_TOP);
  for (std::size_t i = 1; i < nodes_.size(); ++i) {
    const TNode& node = nodes_[i];
    if (!node.shown) continue;
    c.Brush.Style = bsSolid;
    c.Brush.Color = Fill(i);
    const QRect& b = l.Node[i];
    const TRect box = Rect(b.left(), b.top(), b.right() + 1, b.bottom() + 1);
    static_cast<int>(i) <= n_ ? c.Ellipse(box) : c.Rectangle(box);
    c.Brush.Style = bsClear;
    c.Font = l.WeightFont;
    const QString& weight = l.Weight[i];
    c.TextOut(l.Centre[i].x() - c.TextWidth(weight) / 2, l.Centre[i].y() - c.TextHeight(weight) / 2, weight);
  }
  for (const TText& t : l.Texts) {
    switch (t.Kind) {
      case TText::Caption: c.Font = CaptionFont(t.Em); c.Font.Color = l.CaptionFont.Color; break;
      case TText::BlueLabel:
      case TText::YellowLabel:
        c.Font = l.LabelFont;
        // An outline keeps the yellow of a finished code, and the blue, readable on the sky.
        TextOutOutlined(c, t.Box.left(), t.Box.top(), t.Text, DigitColour(t.Kind));
        continue;
      case TText::LeafCode:
        c.Font = l.CodeFont;
        // Outlined: the red alone hardly stands out from the light sky.
        TextOutOutlined(c, t.Box.left(), t.Box.top(), t.Text, clRed);
        continue;
      case TText::RowCode: c.Font = l.CodeFont; break;
    }
    c.TextOut(t.Box.left(), t.Box.top(), t.Text);
  }
}
