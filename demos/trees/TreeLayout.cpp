#include "demos/trees/TreeLayout.h"

#include <QFontMetrics>
#include <QLineF>
#include <algorithm>
#include <cmath>
#include <climits>
#include <functional>
#include <queue>
#include <utility>

#include "platform/Forms.h"


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

// Whether a caption box is clear of every link of the tree (from a parent's centre to its
// child's top centre, or centre), with a pixel to spare for a wide pen.
bool ClearOfLinks(const std::vector<TCaptionSpot>& spots, const QRect& box) {
  const QRect wide = box.adjusted(-1, -1, 1, 1);
  for (const TCaptionSpot& s : spots) {
    if (!s.ParentCentre) continue;
    const QPoint end(s.Node.center().x(), s.LinkToCentre ? s.Node.center().y() : s.Node.top());
    if (SegmentCrosses(*s.ParentCentre, end, wide)) return false;
  }
  return true;
}

// Whether spot i has a child among the spots (a link coming down from its centre).
bool HasChild(const std::vector<TCaptionSpot>& spots, std::size_t i) {
  const QPoint c = spots[i].Node.center();
  return std::any_of(spots.begin(), spots.end(), [&c](const TCaptionSpot& s) { return s.ParentCentre == c; });
}

// A place away from the node's top, where nothing else is planned: inside the panel, off every
// link and off the place left of and above each node's top-left corner where its pointer stands.
bool FreeAside(const std::vector<TCaptionSpot>& spots, const QRect& box, int panelWidth, int panelHeight,
               int pointerSize) {
  if (box.left() < 0 || box.right() > panelWidth - 2 || box.top() < 0 || box.bottom() > panelHeight - 2) return false;
  for (const TCaptionSpot& s : spots) {
    const QRect pointer(s.Node.left() - pointerSize, s.Node.top() - pointerSize, pointerSize, pointerSize);
    if (pointerSize > 0 && pointer.intersects(box)) return false;
  }
  return ClearOfLinks(spots, box);
}

// The gap a caption keeps off its node.
int CaptionGap(const TCaptionSpot& s) { return std::max(2, s.Node.width() / 20); }

// The two places above a node for a caption w x h: left of the link from the parent, and right of
// it (each a gap off the node's middle, past the link where it comes down on that side).
std::pair<QRect, QRect> PlacesAbove(const TCaptionSpot& s, int w, int h) {
  const int top = s.Node.top() - h;
  const int cx = s.Node.center().x();
  const int gap = CaptionGap(s);
  const int reach = LinkReach(s, h);
  const bool fromLeft = s.ParentCentre && s.ParentCentre->x() < cx;
  const bool fromRight = s.ParentCentre && s.ParentCentre->x() > cx;
  return {QRect(cx - gap - (fromLeft ? reach : 0) - w, top, w, h), QRect(cx + gap + (fromRight ? reach : 0), top, w, h)};
}

// How far a point lies from a box (0 inside it).
double Away(QPointF p, const QRect& box) {
  const double dx = std::max({box.left() - p.x(), 0.0, p.x() - (box.left() + box.width())});
  const double dy = std::max({box.top() - p.y(), 0.0, p.y() - (box.top() + box.height())});
  return std::hypot(dx, dy);
}

// How far a point lies from a node: from its circle when it is as wide as high, else its box.
double AwayFromNode(QPointF p, const QRect& node) {
  if (node.width() != node.height()) return Away(p, node);
  const QPointF c = QRectF(node).center();
  return std::max(0.0, std::hypot(p.x() - c.x(), p.y() - c.y()) - node.width() / 2.0);
}

// Whether a caption box of spot i stands clearly nearer its own node than any other.
bool NearestOwn(const std::vector<TCaptionSpot>& spots, std::size_t i, const QRect& box) {
  constexpr double kClearly = 2;
  const QPointF centre = QRectF(box).center();
  const double own = AwayFromNode(centre, spots[i].Node);
  for (std::size_t k = 0; k < spots.size(); ++k)
    if (k != i && AwayFromNode(centre, spots[k].Node) < own + kClearly) return false;
  return true;
}

// The first free place for spot i's caption; taken says which boxes other captions hold, so a
// caption whose place above is taken by a neighbour's tries the next one (under its leaf).
std::optional<QRect> Place(const std::vector<TCaptionSpot>& spots, std::size_t i, const QFontMetrics& fm,
                           int panelWidth, int panelHeight, int pointerSize,
                           const std::function<bool(const QRect&)>& held, bool overNextPointer = false) {
  const TCaptionSpot& s = spots[i];
  const auto taken = [&](const QRect& box) { return held(box) || (s.NearestOwn && !NearestOwn(spots, i, box)); };
  if (s.Text.isEmpty()) return QRect(s.Node.topLeft(), QSize(0, 0));  // a node without a caption: nothing to place
  const int w = fm.horizontalAdvance(s.Text);
  const int h = fm.height();
  const int cx = s.Node.center().x();
  const int gap = CaptionGap(s);
  if (s.Node.top() - h >= 0) {
    const auto [left, right] = PlacesAbove(s, w, h);
    if (left.left() >= LeftLimit(spots, i, pointerSize) && ClearOfLinks(spots, left) && !taken(left)) return left;
    // Past the link, but no further than a node's width off the node: a caption further out
    // reads as a caption of nothing, or of the next node.
    const bool near = right.left() + w / 2 < s.Node.left() + 2 * s.Node.width() - gap;
    const int limit = RightLimit(spots, i, panelWidth, overNextPointer ? 0 : pointerSize);
    if (near && right.right() + 1 <= limit - gap && ClearOfLinks(spots, right) && !taken(right)) return right;
  }
  // Where the top is crowded: under a leaf, where no link leaves it; else beside the node, half
  // way down, where the links from above and below have not yet come near it, a gap off the next
  // node, whose caption it would otherwise read as.
  if (panelHeight > 0) {
    if (!HasChild(spots, i)) {
      const QRect below(cx - w / 2, s.Node.top() + s.Node.height() + gap / 2, w, h);
      if (FreeAside(spots, below, panelWidth, panelHeight, pointerSize) && !taken(below)) return below;
    }
    const int y = s.Node.center().y() - h / 2;
    for (const QRect& beside : {QRect(s.Node.left() + s.Node.width() + gap, y, w, h), QRect(s.Node.left() - gap - w, y, w, h)})
      if (FreeAside(spots, beside, panelWidth, panelHeight, pointerSize) && !taken(beside.adjusted(-gap, 0, gap, 0)))
        return beside;
  }
  return std::nullopt;
}

// Boxes at one font, in the spots' order; a spot that finds no free place gets none.
std::vector<std::optional<QRect>> PlaceEach(const std::vector<TCaptionSpot>& spots, const QFontMetrics& fm,
                                            int panelWidth, int panelHeight, int pointerSize) {
  std::vector<std::optional<QRect>> boxes;
  const auto taken = [&spots, &boxes](const QRect& box) {
    return std::any_of(spots.begin(), spots.end(), [&box](const TCaptionSpot& s) { return s.Node.intersects(box); }) ||
           std::any_of(boxes.begin(), boxes.end(), [&box](const auto& other) { return other && other->intersects(box); });
  };
  for (std::size_t i = 0; i < spots.size(); ++i)
    boxes.push_back(Place(spots, i, fm, panelWidth, panelHeight, pointerSize, taken));
  return boxes;
}

int Placed(const std::vector<std::optional<QRect>>& boxes) {
  return static_cast<int>(std::count_if(boxes.begin(), boxes.end(), [](const auto& b) { return b.has_value(); }));
}

// Caption i, standing under its node at box where a pointer head under the nodes covers it,
// moved where it still reads as its node's: above the node left of the link from the parent,
// right of it, under the heads that cover it, or beside the node half way down; each off the
// nodes, the links, the other captions and the heads, within a node's size of its node (a
// caption's, where that is larger) and nearer it than any other. The
// pointers' places on the nodes are not kept free here: the pointers stand already, and the
// tree moves a caption only where it keeps off them. None when no such place is free.
std::optional<QRect> AwayFromHeads(const std::vector<TCaptionSpot>& spots, const std::vector<QRect>& boxes,
                                   std::size_t i, const QRect& box, int panelWidth, int panelHeight,
                                   const THeadsBelow& heads) {
  const TCaptionSpot& s = spots[i];
  const int gap = CaptionGap(s);
  QRect under = box;
  for (bool covered = true; covered;) {
    covered = false;
    for (const QRect& head : heads.Heads)
      if (head.intersects(under)) {
        under.moveTop(head.top() + head.height() + gap / 2);
        covered = true;
      }
  }
  // Within a node's size of its node, or a caption's where the node is smaller.
  const int nearX = std::max(s.Node.width(), box.width() + gap), nearY = std::max(s.Node.height(), box.height() + gap);
  const QRect near = s.Node.adjusted(-nearX, -nearY, nearX, nearY);
  const auto free = [&](const QRect& at) {
    if (!near.contains(at) || at.left() < 0 || at.right() > panelWidth - 2 || at.top() < 0 ||
        at.bottom() > panelHeight + heads.Room - 2 || !ClearOfLinks(spots, at))
      return false;
    for (const QRect& head : heads.Heads)
      if (head.intersects(at)) return false;
    const QPointF centre = QRectF(at).center();
    const double own = Away(centre, s.Node);
    for (std::size_t k = 0; k < spots.size(); ++k) {
      if (spots[k].Node.intersects(at)) return false;
      if (k != i && (boxes[k].intersects(at) || Away(centre, spots[k].Node) < own + 1)) return false;
    }
    return true;
  };
  const auto [left, right] = PlacesAbove(s, box.width(), box.height());
  // Beside the node half way down, right of it, then left of it.
  const int middle = s.Node.top() + (s.Node.height() - box.height()) / 2;
  const QRect besideRight(QPoint(s.Node.left() + s.Node.width() + gap, middle), box.size());
  const QRect besideLeft(QPoint(s.Node.left() - gap - box.width(), middle), box.size());
  for (const QRect& at : {left, right, under, besideRight, besideLeft})
    if (free(at)) return at;
  return std::nullopt;
}

}  // namespace

TCaptionPlan PlanCaptions(const std::vector<TCaptionSpot>& spots, int panelWidth, int pointerSize, int leastEm,
                          int largestEm, int panelHeight, const THeadsBelow& heads) {
  int largest = std::max(leastEm, largestEm);
  if (largestEm == 0) {
    largest = std::max(largest, LegiblePixels());
    for (const TCaptionSpot& s : spots) largest = std::max(largest, s.Node.height() / 2);
  }
  // The largest font that places as many captions as a readable one does (the least one, when
  // that is larger): a caption that finds no room at any size (a root right under the panel's
  // top) does not shrink all the others, nor does one that finds room only in smaller letters.
  const int readable = std::clamp(LegiblePixels(), leastEm, largest);
  const int needed =
      Placed(PlaceEach(spots, QFontMetrics(CaptionFont(readable).ToQFont()), panelWidth, panelHeight, pointerSize));
  TCaptionPlan plan{CaptionFont(readable), {}, {}};
  std::vector<std::optional<QRect>> boxes;
  for (int em = largest; em >= readable; --em) {
    plan.Font = CaptionFont(em);
    boxes = PlaceEach(spots, QFontMetrics(plan.Font.ToQFont()), panelWidth, panelHeight, pointerSize);
    if (Placed(boxes) >= needed) break;
  }
  const int em = -plan.Font.Height;
  for (std::size_t i = 0; i < spots.size(); ++i) {
    if (boxes[i]) {
      plan.Boxes.push_back(*boxes[i]);
      plan.Ems.push_back(em);
      continue;
    }
    // Without room at the common size: the largest smaller one at which it finds a free place
    // among the others; else right-aligned on its node's left half, inside the panel.
    std::optional<QRect> box;
    int own = em - 1;
    const auto taken = [&](const QRect& b) {
      for (std::size_t k = 0; k < spots.size(); ++k)
        if (spots[k].Node.intersects(b) || (k < plan.Boxes.size() && plan.Boxes[k].intersects(b)) ||
            (k > i && boxes[k] && boxes[k]->intersects(b)))
          return true;
      return false;
    };
    const auto at = [&](int size, bool overNextPointer) {
      return Place(spots, i, QFontMetrics(CaptionFont(size).ToQFont()), panelWidth, panelHeight, pointerSize, taken,
                   overNextPointer);
    };
    const int legible = std::clamp(LegiblePixels(), leastEm, std::max(leastEm, em));
    for (; own >= legible && !box; --own) box = at(own, false);
    // Before letters too small to read: beside the right half over the place where the next
    // node's pointer would stand; a pointer there steps off the caption.
    for (int size = em; size >= legible && !box && pointerSize > 0; --size) {
      box = at(size, true);
      own = size - 1;
    }
    for (; own >= leastEm && !box; --own) box = at(own, false);
    if (box) {
      plan.Boxes.push_back(*box);
      plan.Ems.push_back(own + 1);
      continue;
    }
    // On its node's left half: in the largest letters that keep off the captions placed about
    // it (a window made small crowds the last level), down to leastEm.
    QRect spot;
    int size = em;
    for (;; --size) {
      const QFontMetrics fm(CaptionFont(size).ToQFont());
      const int w = fm.horizontalAdvance(spots[i].Text);
      spot = QRect(std::max(0, spots[i].Node.center().x() - 2 - w), std::max(0, spots[i].Node.top() - fm.height()), w,
                   fm.height());
      const bool crowded =
          std::any_of(plan.Boxes.begin(), plan.Boxes.end(), [&spot](const QRect& b) { return b.intersects(spot); }) ||
          std::any_of(boxes.begin() + static_cast<std::ptrdiff_t>(i) + 1, boxes.end(),
                      [&spot](const auto& b) { return b && b->intersects(spot); });
      if (!crowded || size <= leastEm) break;
    }
    plan.Boxes.push_back(spot);
    plan.Ems.push_back(size);
    ++plan.Unplaced;
  }
  // The heads under the nodes move only the captions under a node that they cover.
  for (std::size_t i = 0; i < spots.size() && panelHeight > 0; ++i) {
    const QRect& box = plan.Boxes[i];
    const bool under = box.top() >= spots[i].Node.top() + spots[i].Node.height();
    const auto covers = [&box](const QRect& head) { return head.intersects(box); };
    if (!under || std::none_of(heads.Heads.begin(), heads.Heads.end(), covers)) continue;
    if (const std::optional<QRect> moved =
            AwayFromHeads(spots, plan.Boxes, i, box, panelWidth, panelHeight, heads))
      plan.Boxes[i] = *moved;
  }
  // So do the heads that stand over captions.
  if (!heads.Over.empty()) {
    THeadsBelow all = heads;
    all.Heads.insert(all.Heads.end(), heads.Over.begin(), heads.Over.end());
    for (std::size_t i = 0; i < spots.size() && panelHeight > 0; ++i) {
      const QRect& box = plan.Boxes[i];
      if (std::none_of(heads.Over.begin(), heads.Over.end(), [&box](const QRect& head) { return head.intersects(box); }))
        continue;
      if (const std::optional<QRect> moved = AwayFromHeads(spots, plan.Boxes, i, box, panelWidth, panelHeight, all))
        plan.Boxes[i] = *moved;
    }
  }
  return plan;
}

std::vector<QPoint> RowThreadPath(const QRect& node, const QRect& target, bool left, int depth, int ceiling,
                                  bool far) {
  const int eighth = node.width() / 8;
  const int from = left ? node.left() + eighth : node.right() - eighth;
  const bool rightward = target.center().x() > node.center().x();
  const int in = far ? 0 : target.width() / 8;
  const int to = rightward ? target.left() + in : target.right() - in;
  if (far) depth *= 2;
  if (left) {
    // Just under the nodes' last rows, which the nodes cover.
    const int nodeEnd = node.bottom() + 1, targetEnd = target.bottom() + 1;
    const int under = std::max(nodeEnd, targetEnd) + depth;
    return {{from, nodeEnd}, {from, under}, {to, under}, {to, targetEnd}};
  }
  const int over = std::max(ceiling, std::min(node.top(), target.top()) - depth);
  return {{from, node.top()}, {from, over}, {to, over}, {to, target.top()}};
}

int UnderRowLinkLane(int step) { return 3 * step; }

std::vector<QPoint> UnderRowThreadPath(const QRect& node, const QRect& target, TUnderRow kind, int step) {
  const int eighth = node.width() / 8;
  const bool leftTag = kind == TUnderRow::Left || kind == TUnderRow::FarLeft;
  const int from = leftTag ? node.left() + eighth : node.left() + node.width() - eighth;
  const bool rightward = target.center().x() > node.center().x();
  // From the target's side facing the node; the head's thread into the corner away from it.
  int eighths = 0, lane = 0;
  switch (kind) {
    case TUnderRow::Right: eighths = 2, lane = 1; break;
    case TUnderRow::Left: eighths = 3, lane = 2; break;
    case TUnderRow::FarLeft: eighths = 5, lane = 4; break;
    case TUnderRow::Head: lane = 5; break;
  }
  const int targetRight = target.left() + target.width();
  int to = rightward ? target.left() + eighths * target.width() / 8 : targetRight - eighths * target.width() / 8;
  if (kind == TUnderRow::Head) to = rightward ? targetRight : target.left();
  const int nodeEnd = node.top() + node.height(), targetEnd = target.top() + target.height();
  const int under = std::max(nodeEnd, targetEnd) + lane * step;
  return {{from, nodeEnd}, {from, under}, {to, under}, {to, targetEnd}};
}

std::vector<QPoint> SelfThreadPath(const QRect& node, bool left, int loop) {
  const int side = left ? node.left() : node.left() + node.width();
  const int out = left ? side - loop : side + loop;
  const int fifth = std::max(1, node.height() / 5);
  const int upper = node.top() + fifth, lower = node.top() + node.height() - fifth;
  return {{side, upper}, {out, upper}, {out, lower}, {side, lower}};
}

QRect PointerPlace(const QRect& natural, const QRect& node, const std::vector<QRect>& placed, int panelWidth) {
  const auto sameRow = [&natural](const QRect& other) { return other.top() == natural.top(); };
  const auto tipOnNode = [&node](const QRect& box) {
    const int tip = box.left() + box.width();
    return tip >= node.left() - 2 && tip <= node.left() + node.width() + 2;
  };
  // Heads on one row stand side by side: a later one steps right of those in its way, or left.
  for (const int step : {1, -1}) {
    QRect box = natural;
    for (bool moved = true; moved;) {
      moved = false;
      for (const QRect& other : placed)
        if (sameRow(other) && other.intersects(box)) {
          box.moveLeft(step > 0 ? other.left() + other.width() : other.left() - box.width());
          moved = true;
        }
    }
    if ((box == natural || tipOnNode(box)) && box.left() >= 0 && box.left() + box.width() <= panelWidth) return box;
  }
  // No room beside the others: a tip on the node's top edge where it covers least of any other
  // head, the nearest to the natural one of those alike.
  const auto offNatural = [&natural](const QRect& b) { return std::abs(b.left() - natural.left()); };
  QRect best = natural;
  int bestOverlap = -1;
  for (int tip = node.left(); tip <= node.left() + node.width(); ++tip) {
    const QRect box(tip - natural.width(), natural.top(), natural.width(), natural.height());
    int overlap = 0;
    for (const QRect& other : placed)
      if (sameRow(other)) overlap = std::max(overlap, (other & box).width());
    if (bestOverlap < 0 || overlap < bestOverlap || (overlap == bestOverlap && offNatural(box) < offNatural(best))) {
      best = box;
      bestOverlap = overlap;
    }
  }
  return best;
}

bool SegmentCrosses(QPoint a, QPoint b, const QRect& box) {
  // Liang-Barsky clipping against the open box: what is left of the segment inside it.
  const double x0 = a.x(), y0 = a.y(), dx = b.x() - a.x(), dy = b.y() - a.y();
  const double left = box.left(), right = box.left() + box.width(), top = box.top(), bottom = box.top() + box.height();
  double t0 = 0, t1 = 1;
  const auto clip = [&](double p, double q) {
    if (p == 0) return q > 0;  // parallel: inside this bound only when strictly within it
    const double t = q / p;
    if (p < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    return true;
  };
  if (!clip(-dx, x0 - left) || !clip(dx, right - x0) || !clip(-dy, y0 - top) || !clip(dy, bottom - y0)) return false;
  if (t0 >= t1) return false;
  // A piece that only runs along an edge, or touches a corner, is no crossing: test its middle.
  const double tm = (t0 + t1) / 2, mx = x0 + dx * tm, my = y0 + dy * tm;
  return mx > left && mx < right && my > top && my < bottom;
}

bool RunsAlong(const QLine& leg, const QLine& line) {
  // Upright or across both, at most 3 pixels apart, side by side for more than 4.
  const bool upright = leg.x1() == leg.x2();
  if (upright != (line.x1() == line.x2()) || (!upright && (leg.y1() != leg.y2() || line.y1() != line.y2()))) return false;
  const auto span = [upright](const QLine& l) {
    const int p = upright ? l.y1() : l.x1(), q = upright ? l.y2() : l.x2();
    return std::pair{std::min(p, q), std::max(p, q)};
  };
  const auto [a0, a1] = span(leg);
  const auto [b0, b1] = span(line);
  const int apart = upright ? std::abs(leg.x1() - line.x1()) : std::abs(leg.y1() - line.y1());
  return apart <= 3 && std::min(a1, b1) - std::max(a0, b0) > 4;
}

std::vector<QPoint> LevelThreadPath(QPoint from, QPoint to, const std::vector<QRect>& others, const QRect& area,
                                    int lane, const std::vector<QRect>& rooms, const std::vector<QLine>& lines) {
  const auto clear = [&](QPoint a, QPoint b) {
    return std::none_of(others.begin(), others.end(), [&](const QRect& box) { return SegmentCrosses(a, b, box); });
  };
  if (from.y() == to.y() || clear(from, to)) return {from, to};
  const int down = to.y() > from.y() ? 1 : -1;
  // The rows the boxes stand in, merged where they overlap, and the gaps between them.
  std::vector<std::pair<int, int>> rows;
  for (const QRect& box : others) rows.emplace_back(box.top(), box.top() + box.height());
  rows.emplace_back(std::min(from.y(), to.y()), std::min(from.y(), to.y()));
  rows.emplace_back(std::max(from.y(), to.y()), std::max(from.y(), to.y()));
  std::sort(rows.begin(), rows.end());
  std::vector<std::pair<int, int>> merged;
  for (const auto& r : rows) {
    if (!merged.empty() && r.first <= merged.back().second) merged.back().second = std::max(merged.back().second, r.second);
    else merged.push_back(r);
  }
  std::vector<int> ys{from.y(), to.y()};
  const int lo = std::min(from.y(), to.y()), hi = std::max(from.y(), to.y());
  for (std::size_t i = 0; i + 1 < merged.size(); ++i) {
    const int gapTop = merged[i].second, gapBottom = merged[i + 1].first;
    if (gapBottom < lo || gapTop > hi) continue;
    // Nearer the upper row: the room over the lower row is where the marks on its nodes stand.
    const int near = gapTop + std::max(1, (gapBottom - gapTop) / 6);
    ys.push_back(std::clamp(near + lane, gapTop + 1, std::max(gapTop + 1, gapBottom - 1)));
  }
  // Upright legs run through the corners, or just beside a box.
  std::vector<int> xs{from.x(), to.x()};
  const int beside = 4;
  for (const QRect& box : others) {
    for (const int x : {box.left() - beside, box.left() + box.width() + beside})
      if (x > area.left() && x < area.left() + area.width() - 1) xs.push_back(x);
  }
  for (const QRect& room : rooms)
    if (const int x = room.left() - beside; x > area.left()) xs.push_back(x);
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  const int nx = static_cast<int>(xs.size()), ny = static_cast<int>(ys.size());
  const auto index = [&](int v, const std::vector<int>& in) {
    return static_cast<int>(std::lower_bound(in.begin(), in.end(), v) - in.begin());
  };
  const int sx = index(from.x(), xs), sy = index(from.y(), ys), tx = index(to.x(), xs), ty = index(to.y(), ys);
  // The cheapest way over the grid of those lines, a bend costing as much as a long leg;
  // states are a grid point and whether the leg that reached it was upright.
  const int bend = 4 * (hi - lo) + 200;
  const auto state = [&](int ix, int iy, bool upright) { return ((iy * nx) + ix) * 2 + (upright ? 1 : 0); };
  std::vector<long long> cost(static_cast<std::size_t>(nx * ny * 2), LLONG_MAX);
  std::vector<int> previous(cost.size(), -1);
  using Entry = std::pair<long long, int>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
  // The first leg leaves the node upright, away from it.
  if (const int first = sy + down; first >= 0 && first < ny && clear(from, {from.x(), ys[first]})) {
    const int s = state(sx, first, true);
    cost[s] = std::abs(ys[first] - from.y());
    previous[s] = -2;
    open.push({cost[s], s});
  }
  int reached = -1;
  while (!open.empty()) {
    const auto [c, s] = open.top();
    open.pop();
    if (c != cost[s]) continue;
    const bool upright = s % 2 == 1;
    const int ix = (s / 2) % nx, iy = (s / 2) / nx;
    if (ix == tx && iy == ty) {
      if (upright) {
        reached = s;
        break;
      }
      continue;
    }
    const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& st : steps) {
      const int jx = ix + st[0], jy = iy + st[1];
      if (jx < 0 || jx >= nx || jy < 0 || jy >= ny) continue;
      const QPoint a(xs[ix], ys[iy]), b(xs[jx], ys[jy]);
      // The path stays between the two corners' rows and never runs back through a corner.
      if (b.y() < lo || b.y() > hi) continue;
      // Across only in a gap between rows, never along the corners' own rows.
      if (st[1] == 0 && (iy == sy || iy == ty)) continue;
      if ((jx == sx && jy == sy) || !clear(a, b)) continue;
      const bool up = st[1] != 0;
      const int t = state(jx, jy, up);
      // Of two ways alike, the one running across nearer the thread's own node.
      const long long across = up ? 0 : std::abs(b.x() - a.x()) * (1 + std::abs(a.y() - from.y()) / 64);
      // Up through the room where a mark stands over its node: worth two bends and more to go round.
      const long long inRoom =
          up ? 3 * bend * std::count_if(rooms.begin(), rooms.end(), [&](const QRect& r) { return SegmentCrosses(a, b, r); })
             : 0;
      // A line crossed costs a quarter of a bend; a leg running along one, close beside it, as
      // much as a room: the two would read as one line.
      const long long crossed =
          bend / 4 * std::count_if(lines.begin(), lines.end(), [&](const QLine& l) {
            return QLineF(a, b).intersects(QLineF(l), nullptr) == QLineF::BoundedIntersection;
          });
      const long long along =
          3 * bend * std::count_if(lines.begin(), lines.end(), [&](const QLine& l) { return RunsAlong(QLine(a, b), l); });
      const long long next = c + across + std::abs(b.y() - a.y()) + (up != upright ? bend : 0) + inRoom + crossed + along;
      if (next < cost[t]) {
        cost[t] = next;
        previous[t] = s;
        open.push({next, t});
      }
    }
  }
  if (reached < 0) return {from, to};
  std::vector<QPoint> path;
  for (int s = reached; s >= 0; s = previous[s]) path.emplace_back(xs[(s / 2) % nx], ys[(s / 2) / nx]);
  path.push_back(from);
  std::reverse(path.begin(), path.end());
  // Points where the way goes straight on are no bends.
  std::vector<QPoint> bends{path.front()};
  for (std::size_t i = 1; i + 1 < path.size(); ++i) {
    const QPoint& a = bends.back();
    const QPoint& b = path[i];
    const QPoint& c = path[i + 1];
    if ((a.x() == b.x() && b.x() == c.x()) || (a.y() == b.y() && b.y() == c.y())) continue;
    bends.push_back(b);
  }
  bends.push_back(path.back());
  return bends;
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
