// Pictures of the sorting demonstrations: the pointers of the address-table window.
#include <QPainterPath>

#include "tools/gen/Catalog.h"
#include "tools/gen/Paint.h"

namespace gen {

namespace {

// An arrow pointing up at a box above it, in a colour of its own so that the pointers
// under the records and those under the addresses tell apart.
QImage UpPointer(QColor body, QColor rim) {
  return Sprite(32, 32, kKeyColour, [body, rim](QPainter& p) {
    QPainterPath arrow;
    arrow.moveTo(16, 1);
    arrow.lineTo(30, 17);
    arrow.lineTo(21, 17);
    arrow.lineTo(21, 31);
    arrow.lineTo(11, 31);
    arrow.lineTo(11, 17);
    arrow.lineTo(2, 17);
    arrow.closeSubpath();
    p.setPen(QPen(rim, 1.5));
    p.setBrush(body);
    p.drawPath(arrow);
  });
}

}  // namespace

void AddSortPictures(PictureTable& t) {
  Add(t, QStringLiteral("recptr"), {32, 32}, Transparency::BottomLeftKey,
      QStringLiteral("quick address-table sort: pointer under a record, stretched to 27 or 33 pixels"),
      [] { return UpPointer(QColor(230, 60, 60), QColor(110, 20, 20)); });
  Add(t, QStringLiteral("addrptr"), {32, 32}, Transparency::BottomLeftKey,
      QStringLiteral("quick address-table sort: pointer under an address place, stretched to 27 pixels"),
      [] { return UpPointer(QColor(60, 120, 230), QColor(20, 40, 110)); });
}

}  // namespace gen
