#include "tests/scriptdriver/Stale.h"

#include <QImage>
#include <QWidget>
#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/drawkit/StackBox.h"
#include "tests/scriptdriver/Drawing.h"
#include "tests/scriptdriver/Painted.h"
#include "tests/scriptdriver/Texts.h"

namespace script {

StalePixels StaleIn(const QImage& shown, const QImage& fresh, const QRect& area, const QList<QRect>& covered) {
  StalePixels out;
  const QRect r = area & shown.rect() & fresh.rect();
  if (r.isEmpty()) return out;
  const auto same = [](QRgb a, QRgb b) { return ((a ^ b) & 0x00ffffffu) == 0; };
  std::vector<std::pair<int, int>> spans;  // the covered parts of a row, [from, to)
  for (int y = r.top(); y <= r.bottom(); ++y) {
    spans.clear();
    for (const QRect& c : covered)
      if (y >= c.top() && y <= c.bottom()) spans.emplace_back(c.left(), c.right() + 1);
    std::sort(spans.begin(), spans.end());
    const auto* a = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(fresh.constScanLine(y));
    // The pixels between the covered parts, a stretch at a time.
    int x = r.left();
    const auto compare = [&](int to) {
      // A stretch the same through is passed at once.
      if (x < to && std::memcmp(a + x, b + x, static_cast<std::size_t>(to - x) * sizeof(QRgb)) == 0) x = to;
      for (; x < to; ++x) {
        if (same(a[x], b[x])) continue;
        ++out.count;
        out.box |= QRect(x, y, 1, 1);
      }
    };
    for (const auto& [from, to] : spans) {
      compare(std::min(from, r.right() + 1));
      x = std::max(x, to);
    }
    compare(r.right() + 1);
  }
  return out;
}

QStringList StaleFindings(const QList<QWidget*>& windows) {
  QStringList out;
  for (QWidget* window : windows) {
    for (QWidget* child : window->findChildren<QWidget*>()) {
      // The kit's controls carry no meta-object of their own: found by their C++ type.
      auto* box = dynamic_cast<TStackBox*>(child);
      if (box == nullptr || !box->isVisible()) continue;
      const QRect area = ShownOf(*box);
      if (area.isEmpty()) continue;
      // What the rows and the marker cover is theirs to show.
      QList<QRect> covered;
      for (const QObject* child : box->children())
        if (const auto* w = qobject_cast<const QWidget*>(child); w && w->isVisible()) covered << w->geometry();
      const StalePixels stale = StaleIn(box->Image(), box->PaintedAfresh(), area, covered);
      if (stale.count == 0) continue;
      const QWidget* form = DrawingWindowOf(box);
      if (form == nullptr) form = box->window();
      const QRect at = stale.box.translated(box->mapTo(form, QPoint(0, 0)));
      out << QStringLiteral("wrong stale %1 in %2 -- %3 pixels differ from what it paints, left from a slide, at %4 %5 %6 %7")
                 .arg(NameOf(*box), NameOf(*form))
                 .arg(stale.count)
                 .arg(at.x())
                 .arg(at.y())
                 .arg(at.width())
                 .arg(at.height());
    }
  }
  return out;
}

}  // namespace script
