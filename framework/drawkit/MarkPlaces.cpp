#include "framework/drawkit/MarkPlaces.h"

#include <QLineF>
#include <QWidget>
#include <algorithm>
#include <limits>

#include "framework/drawkit/KitControl.h"
#include "framework/drawkit/Pointer2.h"

namespace {

// A head may graze what is beside it by this much.
constexpr int kGraze = 2;
// What each thing in a head's way costs: a pixel of a node or another head, a link through
// it, a pixel outside the area. A later place costs a little more than an earlier one, so
// that a mark stays at its usual place when nothing is in its way.
constexpr double kNodePixel = 1;
constexpr double kHeadPixel = 2;
constexpr double kLink = 400;
constexpr double kOutsidePixel = 4;
constexpr double kLaterPlace = 0.01;

double Area(const QRect& r) { return r.isEmpty() ? 0 : double(r.width()) * r.height(); }


bool PathCrosses(const QPolygon& path, const QRect& box) {
  const QRectF r = QRectF(box).adjusted(kGraze, kGraze, -kGraze, -kGraze);
  if (r.isEmpty()) return false;
  for (qsizetype i = 1; i < path.size(); ++i)
    if (SegmentCrossesBox(QLineF(path[i - 1], path[i]), r)) return true;
  return false;
}

// Steps from first to last (last included), about step apart.
std::vector<int> Steps(int first, int last, int step) {
  std::vector<int> out;
  const int sign = last >= first ? 1 : -1;
  for (int v = first; sign * (last - v) > 0; v += sign * step) out.push_back(v);
  out.push_back(last);
  return out;
}

// The places a mark's tip may take on its node, the usual one first: along the top edge from
// the corner it points at, then down the side it stands on; under the node, along its bottom
// edge from the same corner.
std::vector<QPoint> Tips(const TMarkToPlace& m, bool below) {
  const QRect& t = m.Target;
  const int stepX = std::max(4, m.Step > 0 ? m.Step : m.Head.width() / 2);
  const int stepY = std::max(4, m.Step > 0 ? m.Step : m.Head.height() / 2);
  const int near = m.PointsLeft ? t.left() + t.width() : t.left();
  const int far = m.PointsLeft ? t.left() : t.left() + t.width();
  std::vector<QPoint> tips;
  if (below) {
    for (const int x : Steps(near, far, stepX)) tips.emplace_back(x, t.top() + t.height());
    return tips;
  }
  for (const int x : Steps(near, far, stepX)) tips.emplace_back(x, t.top());
  for (const int y : Steps(t.top(), t.top() + t.height(), stepY))
    if (y != t.top()) tips.emplace_back(near, y);
  return tips;
}

QRect HeadAt(const TMarkToPlace& m, QPoint tip, bool below) {
  const int x = m.PointsLeft ? tip.x() : tip.x() - m.Head.width();
  return {QPoint(x, below ? tip.y() : tip.y() - m.Head.height()), m.Head};
}

}  // namespace

bool SegmentCrossesBox(const QLineF& s, const QRectF& r) {
  if (r.contains(s.p1()) || r.contains(s.p2())) return true;
  const QLineF edges[] = {{r.topLeft(), r.topRight()},
                          {r.topRight(), r.bottomRight()},
                          {r.bottomRight(), r.bottomLeft()},
                          {r.bottomLeft(), r.topLeft()}};
  return std::any_of(std::begin(edges), std::end(edges),
                     [&](const QLineF& e) { return s.intersects(e, nullptr) == QLineF::BoundedIntersection; });
}

std::vector<TPlacedMark> PlacesOn(const TMarkToPlace& m) {
  std::vector<TPlacedMark> places;
  for (const bool below : {false, true}) {
    if (below && !m.MayStandBelow) continue;
    for (const QPoint& tip : Tips(m, below)) places.push_back({HeadAt(m, tip, below), tip, below});
  }
  return places;
}

std::vector<TPlacedMark> PlaceMarks(const std::vector<TMarkToPlace>& marks, const std::vector<QRect>& nodes,
                                    const std::vector<QPolygon>& links, const QRect& area) {
  std::vector<TPlacedMark> placed;
  placed.reserve(marks.size());
  for (const TMarkToPlace& m : marks) {
    const std::vector<TPlacedMark> places = PlacesOn(m);
    double best = std::numeric_limits<double>::max();
    const QPoint usual = m.PointsLeft ? m.Target.topRight() + QPoint(1, 0) : m.Target.topLeft();
    TPlacedMark choice{HeadAt(m, usual, false), usual};
    for (std::size_t k = 0; k < places.size(); ++k) {
      const auto [head, tip, below] = places[k];
      const QRect inner = head.adjusted(kGraze, kGraze, -kGraze, -kGraze);
      double cost = kLaterPlace * double(k);
      for (const QRect& n : nodes)
        if (n != m.Target) cost += kNodePixel * Area(inner & n);
      for (const TPlacedMark& p : placed) cost += kHeadPixel * Area(head & p.Head);
      for (const QPolygon& l : links)
        if (PathCrosses(l, head)) cost += kLink;
      cost += kOutsidePixel * (Area(head) - Area(head & area));
      if (cost < best) {
        best = cost;
        choice = {head, tip, below};
      }
    }
    placed.push_back(choice);
  }
  return placed;
}

void FanOutPointers(QWidget& drawing) {
  std::vector<QRect> nodes;
  std::vector<QPolygon> links;
  std::vector<TPointer2*> pointers;
  std::vector<TMarkToPlace> marks;
  // The nodes and links of every shown kit control, in the drawing's pixels.
  const QList<QWidget*> controls = drawing.findChildren<QWidget*>();
  for (QWidget* w : controls) {
    if (!w->isVisibleTo(&drawing)) continue;
    if (auto* pointer = dynamic_cast<TPointer2*>(w)) {
      if (pointer->Target() != nullptr) pointers.push_back(pointer);
      continue;
    }
    const auto* kit = dynamic_cast<const TKitControl*>(w);
    if (kit == nullptr) continue;
    const QPoint at = w->mapTo(&drawing, QPoint(0, 0));
    for (const TDrawnShape& s : kit->DrawingShapes()) {
      if (s.Kind == TDrawnShape::Node) nodes.push_back(s.Box.translated(at));
      if (s.Kind == TDrawnShape::Link) links.push_back(s.Path.translated(at));
    }
  }
  for (TPointer2* p : pointers) {
    const QWidget* target = p->Target();
    const QRect box(target->mapTo(&drawing, QPoint(0, 0)), target->size());
    marks.push_back({.Target = box, .Head = p->size(), .PointsLeft = p->PointsLeft});
  }
  const std::vector<TPlacedMark> places = PlaceMarks(marks, nodes, links, drawing.rect());
  for (std::size_t i = 0; i < pointers.size(); ++i) {
    QWidget* parent = pointers[i]->parentWidget();
    const QPoint corner = parent == &drawing ? places[i].Head.topLeft() : parent->mapFrom(&drawing, places[i].Head.topLeft());
    pointers[i]->PointsUp = places[i].Below;
    pointers[i]->move(corner);
  }
}
