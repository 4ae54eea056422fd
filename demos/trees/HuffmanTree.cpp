#include "demos/trees/HuffmanTree.h"

#include <algorithm>
#include <functional>

#include "framework/drawkit/DrawTool.h"

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

void THuffmanTree::Paint() {
  TNodeContainer::Paint();
  if (n_ == 0) return;
  TCanvas& c = Canvas();
  const int colW = std::max(1, width() / std::max(1, n_));
  const int rowH = std::max(1, (height() - 80) / (maxLevel_ + 1));
  std::vector<QPoint> at(nodes_.size());
  // Leaves at their columns; made nodes above the middle of their children.
  const std::function<int(int)> xOf = [&](int i) -> int {
    const TNode& node = nodes_[static_cast<std::size_t>(i)];
    if (i <= n_) return column_[static_cast<std::size_t>(i)] * colW + colW / 2;
    return (xOf(node.link.lchild) + xOf(node.link.rchild)) / 2;
  };
  for (std::size_t i = 1; i < nodes_.size(); ++i)
    if (nodes_[i].shown) at[i] = QPoint(xOf(static_cast<int>(i)), level_[i] * rowH);
  c.Pen.Color = clBlack;
  for (std::size_t i = 1; i < nodes_.size(); ++i) {
    const int p = nodes_[i].link.parent;
    if (!nodes_[i].shown || p == 0) continue;
    c.MoveTo(at[i].x(), at[i].y());
    c.LineTo(at[static_cast<std::size_t>(p)].x(), at[static_cast<std::size_t>(p)].y());
  }
  c.Font.Name = QStringLiteral("Arial");
  for (std::size_t i = 1; i < nodes_.size(); ++i) {
    const TNode& node = nodes_[i];
    if (!node.shown) continue;
    const QPoint p = at[i];
    c.Brush.Color = node.highlight ? clFuchsia : clAqua;
    c.Brush.Style = bsSolid;
    const TRect box = Rect(p.x() - 18, p.y() - 18, p.x() + 18, p.y() + 18);
    if (static_cast<int>(i) <= n_)
      c.Ellipse(box);
    else
      c.Rectangle(box);
    c.SetBkMode(TRANSPARENT);
    c.Font.Height = -12;
    c.Font.Color = clBlack;
    const QString w = QString::number(node.link.weight);
    c.TextOut(p.x() - c.TextWidth(w) / 2, p.y() - c.TextHeight(w) / 2, w);
    c.Font.Color = clNavy;
    c.TextOut(p.x() + 20, p.y() - 22, QStringLiteral("HT[%1]").arg(i));
    if (node.label != NoLabel) {
      const bool one = node.label == Blue1 || node.label == Yellow1;
      c.Font.Height = -30;
      c.Font.Color = node.label <= Blue1 ? clBlue : clYellow;
      const QString digit = one ? QStringLiteral("1") : QStringLiteral("0");
      c.TextOut(one ? p.x() + 15 : p.x() - 15 - c.TextWidth(digit), p.y() - 48, digit);
    }
    if (static_cast<int>(i) <= n_ && !codes_[i].isEmpty()) {
      c.Font.Height = -14;
      c.Font.Color = clRed;
      c.TextOut(p.x() - c.TextWidth(codes_[i]) / 2, p.y() + 22, codes_[i]);
    }
  }
  // The code row: "编码", then one column of 90 pixels per leaf.
  c.Font.Height = -16;
  c.Font.Color = clBlue;
  const int rowY = height() - 12 - c.TextHeight(QStringLiteral("编码"));
  c.TextOut(8, rowY, QStringLiteral("编码 ") + codeRow_);
  for (int k = 1; k <= n_; ++k) c.TextOut(8 + 60 + (k - 1) * 90 + 60, rowY, codes_[static_cast<std::size_t>(k)]);
}
