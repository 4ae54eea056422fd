#include "framework/drawkit/BesidePlace.h"

#include <QWidget>
#include <algorithm>
#include <limits>
#include <utility>

#include "framework/drawkit/KitControl.h"
#include "platform/Forms.h"
#include "platform/Screen.h"

namespace {

QRect OnScreen(const QWidget& drawing) { return {drawing.mapToGlobal(QPoint(0, 0)), drawing.size()}; }

}  // namespace

QPoint BesidePlace(const QRect& drawing, QSize window, QSize screen) {
  return {std::max(0, screen.width() - window.width()),
          std::clamp(drawing.top(), 0, std::max(0, screen.height() - window.height()))};
}

QPoint PlaceClearOf(QSize frame, const QList<QRect>& drawings, const QRect& screen) {
  const QPoint middle = screen.center() - QPoint(frame.width() / 2, frame.height() / 2);
  QPoint best = middle;
  long long bestCover = std::numeric_limits<long long>::max();
  long long bestDistance = 0;
  // Every place on a grid of a few pixels: few enough to try them all.
  constexpr int kStep = 4;
  for (int y = screen.top(); y + frame.height() <= screen.bottom() + 1; y += kStep) {
    for (int x = screen.left(); x + frame.width() <= screen.right() + 1; x += kStep) {
      const QRect at(QPoint(x, y), frame);
      long long cover = 0;
      for (const QRect& d : drawings) {
        const QRect shared = at & d;
        if (!shared.isEmpty()) cover += static_cast<long long>(shared.width()) * shared.height();
      }
      const QPoint off = at.topLeft() - middle;
      const long long distance = static_cast<long long>(off.x()) * off.x() + static_cast<long long>(off.y()) * off.y();
      if (cover < bestCover || (cover == bestCover && distance < bestDistance)) {
        best = at.topLeft();
        bestCover = cover;
        bestDistance = distance;
      }
    }
  }
  return best;
}

QPoint PlaceClearOfNodes(QSize frame, const QList<QRect>& nodes, const QRect& drawing, const QRect& screen) {
  const QPoint beside = BesidePlace(drawing, frame, screen.size());
  const auto cost = [&](QPoint at) {
    const QRect r(at, frame);
    long long covered = 0;
    for (const QRect& n : nodes) {
      const QRect shared = r & n;
      if (!shared.isEmpty()) covered += 1 + static_cast<long long>(shared.width()) * shared.height();
    }
    const QPoint off = at - beside;
    return std::pair(covered, static_cast<long long>(off.x()) * off.x() + static_cast<long long>(off.y()) * off.y());
  };
  QPoint best = beside;
  std::pair<long long, long long> least = cost(beside);
  // Every place on a grid of a few pixels from the drawing's top down.
  constexpr int kStep = 4;
  const int top = std::clamp(drawing.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - frame.height()));
  for (int y = top; y + frame.height() <= screen.bottom() + 1; y += kStep) {
    for (int x = screen.left(); x + frame.width() <= screen.right() + 1; x += kStep) {
      const auto c = cost(QPoint(x, y));
      if (c < least) {
        least = c;
        best = QPoint(x, y);
      }
    }
  }
  return best;
}

namespace {

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

}  // namespace

int RoomRightOfNodes(const QWidget& drawing) {
  int right = 0;
  for (const QRect& n : NodesOf(drawing)) right = std::max(right, n.right() + 1);
  return std::max(0, screen::Size().width() - right);
}

void PlaceBeside(TForm& window, const QWidget& drawing) {
  const QRect at = OnScreen(drawing);
  PlaceForScreen(window, [&](QSize frame) { return BesidePlace(at, frame, screen::Size()); });
}

void PlaceBesideNodes(TForm& window, const QWidget& drawing) {
  const QList<QRect> nodes = NodesOf(drawing);
  const QRect at = OnScreen(drawing);
  PlaceForScreen(window, [&](QSize frame) { return PlaceClearOfNodes(frame, nodes, at, QRect(QPoint(0, 0), screen::Size())); });
}

void MoveClearOf(TForm& window, const QList<const QWidget*>& drawings) {
  QList<QRect> rects;
  for (const QWidget* d : drawings) rects << OnScreen(*d);
  PlaceForScreen(window, [&](QSize frame) { return PlaceClearOf(frame, rects, QRect(QPoint(0, 0), screen::Size())); });
}
