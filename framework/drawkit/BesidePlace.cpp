#include "framework/drawkit/BesidePlace.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <limits>
#include <tuple>
#include <utility>

#include "framework/drawkit/KitControl.h"
#include "platform/Forms.h"

namespace {

QRect OnScreen(const QWidget& drawing) { return {drawing.mapToGlobal(QPoint(0, 0)), drawing.size()}; }

// The node boxes of the drawing's kit controls shown, in screen pixels.
QList<QRect> NodesOf(const QWidget& drawing) {
  QList<QRect> nodes;
  QList<const QWidget*> controls{&drawing};
  for (const QWidget* w : drawing.findChildren<QWidget*>())
    if (w->isVisibleTo(&drawing)) controls << w;
  for (const QWidget* w : controls) {
    const auto* kit = dynamic_cast<const TKitControl*>(w);
    if (kit == nullptr) continue;
    for (const TDrawnShape& s : kit->DrawingShapes())
      if (s.Kind == TDrawnShape::Node) nodes << QRect(w->mapToGlobal(s.Box.topLeft()), s.Box.size());
  }
  return nodes;
}

// How much of nodes a window at r hides: each node it meets counts, and so does every pixel
// of them it covers.
long long HiddenNodes(const QRect& r, const QList<QRect>& nodes) {
  long long covered = 0;
  for (const QRect& n : nodes) {
    const QRect shared = r & n;
    if (!shared.isEmpty()) covered += 1 + static_cast<long long>(shared.width()) * shared.height();
  }
  return covered;
}

}  // namespace

QPoint BesidePlace(const QRect& drawing, QSize window, const QRect& area) {
  return {std::max(area.left(), area.right() + 1 - window.width()),
          std::clamp(drawing.top(), area.top(), std::max(area.top(), area.bottom() + 1 - window.height()))};
}

QPoint PlaceClearOf(QSize frame, const QList<QRect>& drawings, const QRect& area, const QList<QRect>& nodes) {
  const QPoint middle = area.center() - QPoint(frame.width() / 2, frame.height() / 2);
  QPoint best = middle;
  long long bestHidden = std::numeric_limits<long long>::max();
  long long bestCover = 0;
  long long bestDistance = 0;
  // Every place on a grid of a few pixels: few enough to try them all.
  constexpr int kStep = 4;
  for (int y = area.top(); y + frame.height() <= area.bottom() + 1; y += kStep) {
    for (int x = area.left(); x + frame.width() <= area.right() + 1; x += kStep) {
      const QRect at(QPoint(x, y), frame);
      const long long hidden = HiddenNodes(at, nodes);
      if (hidden > bestHidden) continue;
      long long cover = 0;
      for (const QRect& d : drawings) {
        const QRect shared = at & d;
        if (!shared.isEmpty()) cover += static_cast<long long>(shared.width()) * shared.height();
      }
      const QPoint off = at.topLeft() - middle;
      const long long distance = static_cast<long long>(off.x()) * off.x() + static_cast<long long>(off.y()) * off.y();
      if (std::tuple(hidden, cover, distance) < std::tuple(bestHidden, bestCover, bestDistance)) {
        best = at.topLeft();
        bestHidden = hidden;
        bestCover = cover;
        bestDistance = distance;
      }
    }
  }
  return best;
}

QPoint PlaceClearOfNodes(QSize frame, const QList<QRect>& nodes, const QRect& drawing, const QRect& area) {
  const QPoint beside = BesidePlace(drawing, frame, area);
  const auto cost = [&](QPoint at) {
    const QPoint off = at - beside;
    return std::pair(HiddenNodes(QRect(at, frame), nodes),
                     static_cast<long long>(off.x()) * off.x() + static_cast<long long>(off.y()) * off.y());
  };
  QPoint best = beside;
  std::pair<long long, long long> least = cost(beside);
  // Every place on a grid of a few pixels from the drawing's top down.
  constexpr int kStep = 4;
  const int top = std::clamp(drawing.top(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()));
  for (int y = top; y + frame.height() <= area.bottom() + 1; y += kStep) {
    for (int x = area.left(); x + frame.width() <= area.right() + 1; x += kStep) {
      const auto c = cost(QPoint(x, y));
      if (c < least) {
        least = c;
        best = QPoint(x, y);
      }
    }
  }
  return best;
}

int RoomRightOfNodes(const QWidget& drawing) {
  int right = 0;
  for (const QRect& n : NodesOf(drawing)) right = std::max(right, n.right() + 1);
  // Up to the right edge of the window the result opens over (the demonstration's), where
  // PlaceForScreen keeps it.
  const QWidget& over = *drawing.window();
  return std::max(0, over.mapToGlobal(QPoint(over.width(), 0)).x() - right);
}

void PlaceBeside(TForm& window, const QWidget& drawing) {
  PlaceForScreen(window, [drawing = QPointer<const QWidget>(&drawing)](QSize frame, const QRect& area) {
    return BesidePlace(drawing ? OnScreen(*drawing) : area, frame, area);
  });
}

void PlaceBesideNodes(TForm& window, const QWidget& drawing) {
  PlaceForScreen(window, [drawing = QPointer<const QWidget>(&drawing)](QSize frame, const QRect& area) {
    if (!drawing) return BesidePlace(area, frame, area);
    return PlaceClearOfNodes(frame, NodesOf(*drawing), OnScreen(*drawing), area);
  });
}

void MoveClearOf(TForm& window, const QList<const QWidget*>& drawings) {
  QList<QPointer<const QWidget>> watched;
  for (const QWidget* d : drawings) watched << d;
  PlaceForScreen(window, [watched](QSize frame, const QRect& area) {
    QList<QRect> rects;
    QList<QRect> nodes;
    for (const QPointer<const QWidget>& d : watched)
      if (d) {
        rects << OnScreen(*d);
        nodes << NodesOf(*d);
      }
    return PlaceClearOf(frame, rects, area, nodes);
  });
}
