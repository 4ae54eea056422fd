#include "demos/trees/TreeLayout.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <functional>

TFont CaptionFont(int em) { return TFont{.Name = QStringLiteral("Arial"), .Height = -em, .Style = fsBold, .Color = clBlack}; }

namespace {

// How far from the node's centre line the link from the parent lies at the top of the band
// of height band above the node: it comes down at its slope to the node's top centre (or its
// centre).
int LinkReach(const TCaptionSpot& s, int band) {
  if (!s.ParentCentre) return 0;
  const QPoint c = s.Node.center();
  const int end = s.LinkToCentre ? c.y() : s.Node.top();
  const double dy = std::max(1, end - s.ParentCentre->y());
  return static_cast<int>(std::ceil(std::abs(c.x() - s.ParentCentre->x()) * (end - s.Node.top() + band) / dy));
}

// Where the next node to the right on the same row begins, less the pointer that may stand on
// its top-left corner; the panel's edge when there is none.
int RightLimit(const std::vector<TCaptionSpot>& spots, std::size_t i, int panelWidth, int pointerSize) {
  int limit = panelWidth - 2;
  const QRect& node = spots[i].Node;
  for (const TCaptionSpot& s : spots)
    if (s.Node.top() == node.top() && s.Node.left() > node.left()) limit = std::min(limit, s.Node.left() - pointerSize);
  return limit;
}

// Where a caption on the left may begin: the node's left edge where a pointer may stand left of
// it; without pointers, the previous node on the same row.
int LeftLimit(const std::vector<TCaptionSpot>& spots, std::size_t i, int pointerSize) {
  const QRect& node = spots[i].Node;
  if (pointerSize > 0) return node.left();
  int limit = 2;
  for (const TCaptionSpot& s : spots)
    if (s.Node.top() == node.top() && s.Node.right() < node.left()) limit = std::max(limit, s.Node.right() + 2);
  return std::min(limit, node.left());
}

std::optional<QRect> Place(const std::vector<TCaptionSpot>& spots, std::size_t i, const QFontMetrics& fm,
                           int panelWidth, int pointerSize) {
  const TCaptionSpot& s = spots[i];
  const int w = fm.horizontalAdvance(s.Text);
  const int h = fm.height();
  const int top = s.Node.top() - h;
  if (top < 0) return std::nullopt;
  const int cx = s.Node.center().x();
  const int gap = std::max(2, s.Node.width() / 20);
  const int reach = LinkReach(s, h);
  const bool fromLeft = s.ParentCentre && s.ParentCentre->x() < cx;
  const bool fromRight = s.ParentCentre && s.ParentCentre->x() > cx;
  const int leftEnd = cx - gap - (fromLeft ? reach : 0);
  if (leftEnd - w >= LeftLimit(spots, i, pointerSize)) return QRect(leftEnd - w, top, w, h);
  const int rightStart = cx + gap + (fromRight ? reach : 0);
  if (rightStart + w <= RightLimit(spots, i, panelWidth, pointerSize) - gap) return QRect(rightStart, top, w, h);
  return std::nullopt;
}

// Boxes at one font, in the spots' order; a spot that finds no free place gets none.
std::vector<std::optional<QRect>> PlaceEach(const std::vector<TCaptionSpot>& spots, const QFontMetrics& fm,
                                            int panelWidth, int pointerSize) {
  std::vector<std::optional<QRect>> boxes;
  for (std::size_t i = 0; i < spots.size(); ++i) {
    std::optional<QRect> box = Place(spots, i, fm, panelWidth, pointerSize);
    for (const TCaptionSpot& s : spots)
      if (box && s.Node.intersects(*box)) box.reset();
    for (const std::optional<QRect>& other : boxes)
      if (box && other && other->intersects(*box)) box.reset();
    boxes.push_back(box);
  }
  return boxes;
}

int Placed(const std::vector<std::optional<QRect>>& boxes) {
  return static_cast<int>(std::count_if(boxes.begin(), boxes.end(), [](const auto& b) { return b.has_value(); }));
}

}  // namespace

TCaptionPlan PlanCaptions(const std::vector<TCaptionSpot>& spots, int panelWidth, int pointerSize, int leastEm,
                          int largestEm) {
  int largest = std::max(leastEm, largestEm);
  if (largestEm == 0)
    for (const TCaptionSpot& s : spots) largest = std::max(largest, s.Node.height() / 2);
  // The largest font that places as many captions as the least one does: a caption that finds no
  // room at any size (a root right under the panel's top) does not shrink all the others.
  const int needed = Placed(PlaceEach(spots, QFontMetrics(CaptionFont(leastEm).ToQFont()), panelWidth, pointerSize));
  TCaptionPlan plan{CaptionFont(leastEm), {}};
  std::vector<std::optional<QRect>> boxes;
  for (int em = largest; em >= leastEm; --em) {
    plan.Font = CaptionFont(em);
    boxes = PlaceEach(spots, QFontMetrics(plan.Font.ToQFont()), panelWidth, pointerSize);
    if (Placed(boxes) >= needed) break;
  }
  // A caption without a free place: right-aligned on its node's left half, inside the panel.
  const QFontMetrics fm(plan.Font.ToQFont());
  for (std::size_t i = 0; i < spots.size(); ++i) {
    if (boxes[i]) {
      plan.Boxes.push_back(*boxes[i]);
      continue;
    }
    const int w = fm.horizontalAdvance(spots[i].Text);
    plan.Boxes.emplace_back(std::max(0, spots[i].Node.center().x() - 2 - w), std::max(0, spots[i].Node.top() - fm.height()),
                            w, fm.height());
  }
  return plan;
}

std::vector<QPoint> RowThreadPath(const QRect& node, const QRect& target, bool left, int depth, int ceiling) {
  const int eighth = node.width() / 8;
  const int from = left ? node.left() + eighth : node.right() - eighth;
  const int to = target.center().x() > node.center().x() ? target.left() + target.width() / 8
                                                          : target.right() - target.width() / 8;
  if (left) {
    // Just under the nodes' last rows, which the nodes cover.
    const int nodeEnd = node.bottom() + 1, targetEnd = target.bottom() + 1;
    const int under = std::max(nodeEnd, targetEnd) + depth;
    return {{from, nodeEnd}, {from, under}, {to, under}, {to, targetEnd}};
  }
  const int over = std::max(ceiling, std::min(node.top(), target.top()) - depth);
  return {{from, node.top()}, {from, over}, {to, over}, {to, target.top()}};
}

std::vector<int> InorderColumns(const std::vector<int>& parents, const std::vector<bool>& leftOfParent) {
  const int n = static_cast<int>(parents.size());
  std::vector<int> left(n, -1), right(n, -1), column(n, 0);
  int root = -1;
  for (int i = 0; i < n; ++i) {
    if (parents[i] < 0) root = i;
    else (leftOfParent[i] ? left : right)[parents[i]] = i;
  }
  int next = 0;
  const std::function<void(int)> walk = [&](int i) {
    if (i < 0) return;
    walk(left[i]);
    column[i] = next++;
    walk(right[i]);
  };
  walk(root);
  return column;
}
