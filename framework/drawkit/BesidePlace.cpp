#include "framework/drawkit/BesidePlace.h"

#include <QWidget>
#include <algorithm>

#include "platform/Forms.h"
#include "platform/Screen.h"

QPoint BesidePlace(const QRect& drawing, QSize window, QSize screen) {
  return {std::max(0, screen.width() - window.width()),
          std::clamp(drawing.top(), 0, std::max(0, screen.height() - window.height()))};
}

void PlaceBeside(TForm& window, const QWidget& drawing) {
  const QRect at(drawing.mapToGlobal(QPoint(0, 0)), drawing.size());
  PlaceForScreen(window, [&](QSize frame) { return BesidePlace(at, frame, screen::Size()); });
}
