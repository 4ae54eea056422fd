#include "demos/trees/HuffmanTree.h"

#include <algorithm>
#include <functional>

#include "demos/trees/TreeLayout.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/FitFont.h"

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
  parts << QStringLiteral("编码");
  for (std::size_t k = 1; k < codes_.size(); ++k) parts << codes_[k];
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
  QStringList codes;
  for (int k = 1; k <= n_; ++k) codes << codes_[static_cast<std::size_t>(k)];
  l.CodeFont = FitFont(TFont{.Name = QStringLiteral("Arial"), .Height = -r.Grow(14), .Color = clBlue}, codes, colW * 4 / 5,
                       kAnyHeight, 9);
  const int codeCell = l.CodeFont.TextHeight(QStringLiteral("0"));
  // The bottom rows: "编码" with the work string, then the leaves' codes in their columns.
  const int rowsTop = h - margin - 2 * codeCell - margin;
  const int levels = std::max(maxLevel_, 1);
  const int treeBottom = rowsTop - codeCell - margin;  // under the lowest leaves: their codes
  const auto nodeSize = [&](int top) {
    return std::max(36, std::min({r.Grow(36), colW * 3 / 5, (treeBottom - top) / levels * 9 / 20}));
  };
  const int treeTop = nodeSize(margin) / 2 + margin;  // the root's "HT[i]" above it
  const int d = nodeSize(treeTop);
  const int rowH = levels > 1 ? (treeBottom - treeTop - d) / (levels - 1) : 0;
  QStringList weights;
  for (std::size_t i = 1; i < nodes_.size(); ++i) weights << QString::number(nodes_[i].link.weight);
  l.WeightFont = FitFont(TFont{.Name = QStringLiteral("Arial"), .Height = -std::max(12, d * 2 / 5), .Color = clBlack},
                         weights, colW - r.Grow(8), kAnyHeight, 9);

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
    const int nodeW = std::min(std::max(d, l.WeightFont.TextWidth(weights[static_cast<int>(i) - 1]) + r.Grow(6)), colW - 4);
    l.Node[i] = QRect(l.Centre[i].x() - nodeW / 2, l.Centre[i].y() - d / 2, nodeW, d);
  }
  // "HT[i]" above each node, on the side its link does not cross.
  std::vector<TCaptionSpot> spots;
  for (std::size_t i = 1; i < nodes_.size(); ++i) {
    if (!nodes_[i].shown) continue;
    TCaptionSpot spot{l.Node[i], std::nullopt, QStringLiteral("HT[%1]").arg(i), true};
    if (const int p = nodes_[i].link.parent) spot.ParentCentre = l.Centre[static_cast<std::size_t>(p)];
    spots.push_back(spot);
  }
  const TCaptionPlan plan = PlanCaptions(spots, w, 0, 9, std::max(9, d * 2 / 5));
  l.CaptionFont = plan.Font;
  l.CaptionFont.Color = clNavy;
  for (std::size_t k = 0; k < spots.size(); ++k) l.Texts.push_back({spots[k].Text, plan.Boxes[k], TText::Caption, plan.Ems[k]});
  // The code digit of a link beside its middle, on the outer side, above the middle so the
  // link keeps clear of it: "0" left of a left link, "1" right of a right one. The design's 30
  // pixels while they fit between the levels.
  l.LabelFont = TFont{.Name = QStringLiteral("Arial"),
                      .Height = -std::clamp(rowH / 2 - d / 2 - 2, 12, std::max(30, r.Grow(30) * 2 / 3)),
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
    QRect box(QPoint(one ? mid.x() + gap : mid.x() - gap - size.width(), mid.y() - size.height()), size);
    // A wide node near the middle pushes the digit further out.
    for (const QRect& other : l.Node)
      if (!other.isNull() && other.intersects(box)) box.moveLeft(one ? other.right() + gap : other.left() - gap - size.width());
    l.Texts.push_back({digit, box, node.label <= Blue1 ? TText::BlueLabel : TText::YellowLabel});
  }
  // Each finished code under its leaf, then the code rows.
  for (int k = 1; k <= n_; ++k) {
    const std::size_t i = static_cast<std::size_t>(k);
    if (!nodes_[i].shown || codes_[i].isEmpty()) continue;
    const QSize size = l.CodeFont.TextExtent(codes_[i]);
    l.Texts.push_back({codes_[i], QRect(QPoint(l.Centre[i].x() - size.width() / 2, l.Node[i].bottom() + 2), size), TText::LeafCode});
  }
  const QString head = QStringLiteral("编码  ") + codeRow_;
  l.Texts.push_back({head, QRect(QPoint(margin, rowsTop), l.CodeFont.TextExtent(head)), TText::RowCode});
  for (int k = 1; k <= n_; ++k) {
    const QString& code = codes_[static_cast<std::size_t>(k)];
    if (code.isEmpty()) continue;
    const QSize size = l.CodeFont.TextExtent(code);
    l.Texts.push_back({code, QRect(QPoint(margin + (k - 1) * colW + (colW - size.width()) / 2, rowsTop + codeCell + margin / 2), size), TText::RowCode});
  }
  l.LinkWidth = r.Text(1);
  return l;
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
    c.Brush.Color = node.highlight ? clFuchsia : clAqua;
    const QRect& b = l.Node[i];
    const TRect box = Rect(b.left(), b.top(), b.right() + 1, b.bottom() + 1);
    static_cast<int>(i) <= n_ ? c.Ellipse(box) : c.Rectangle(box);
    c.Brush.Style = bsClear;
    c.Font = l.WeightFont;
    const QString weight = QString::number(node.link.weight);
    c.TextOut(l.Centre[i].x() - c.TextWidth(weight) / 2, l.Centre[i].y() - c.TextHeight(weight) / 2, weight);
  }
  for (const TText& t : l.Texts) {
    switch (t.Kind) {
      case TText::Caption: c.Font = CaptionFont(t.Em); c.Font.Color = l.CaptionFont.Color; break;
      case TText::BlueLabel:
      case TText::YellowLabel:
        c.Font = l.LabelFont;
        // A shadow keeps the yellow of a finished code readable on the sky.
        TextOutShadow(c, t.Box.left(), t.Box.top(), t.Text, t.Kind == TText::BlueLabel ? clBlue : clYellow);
        continue;
      case TText::LeafCode: c.Font = l.CodeFont; c.Font.Color = clRed; break;
      case TText::RowCode: c.Font = l.CodeFont; break;
    }
    c.TextOut(t.Box.left(), t.Box.top(), t.Text);
  }
}
