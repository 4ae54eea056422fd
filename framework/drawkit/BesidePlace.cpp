#include "framework/drawkit/BesidePlace.h"

#include <QWidget>
#include <algorithm>
#include <limits>

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

void PlaceBeside(TForm& window, const QWidget& drawing) {
  const QRect at = OnScreen(drawing);
  PlaceForScreen(window, [&](QSize frame) { return BesidePlace(at, frame, screen::Size()); });
}

void MoveClearOf(TForm& window, const QList<const QWidget*>& drawings) {
  QList<QRect> rects;
  for (const QWidget* d : drawings) rects << OnScreen(*d);
  PlaceForScreen(window, [&](QSize frame) { return PlaceClearOf(frame, rects, QRect(QPoint(0, 0), screen::Size())); });
}
