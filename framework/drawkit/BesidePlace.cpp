#include "framework/drawkit/BesidePlace.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <limits>

#include "platform/Forms.h"

namespace {

QRect OnScreen(const QWidget& drawing) { return {drawing.mapToGlobal(QPoint(0, 0)), drawing.size()}; }

}  // namespace

QPoint BesidePlace(const QRect& drawing, QSize window, const QRect& area) {
  return {std::max(area.left(), area.right() + 1 - window.width()),
          std::clamp(drawing.top(), area.top(), std::max(area.top(), area.bottom() + 1 - window.height()))};
}

QPoint PlaceClearOf(QSize frame, const QList<QRect>& drawings, const QRect& area) {
  const QPoint middle = area.center() - QPoint(frame.width() / 2, frame.height() / 2);
  QPoint best = middle;
  long long bestCover = std::numeric_limits<long long>::max();
  long long bestDistance = 0;
  // Every place on a grid of a few pixels: few enough to try them all.
  constexpr int kStep = 4;
  for (int y = area.top(); y + frame.height() <= area.bottom() + 1; y += kStep) {
    for (int x = area.left(); x + frame.width() <= area.right() + 1; x += kStep) {
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

void PlaceBeside(TForm& window, const QWidget& drawing) {
  PlaceForScreen(window, [drawing = QPointer<const QWidget>(&drawing)](QSize frame, const QRect& area) {
    return BesidePlace(drawing ? OnScreen(*drawing) : area, frame, area);
  });
}

void MoveClearOf(TForm& window, const QList<const QWidget*>& drawings) {
  QList<QPointer<const QWidget>> watched;
  for (const QWidget* d : drawings) watched << d;
  PlaceForScreen(window, [watched](QSize frame, const QRect& area) {
    QList<QRect> rects;
    for (const QPointer<const QWidget>& d : watched)
      if (d) rects << OnScreen(*d);
    return PlaceClearOf(frame, rects, area);
  });
}
