// Pictures of the storage management demonstrations.
#include <QLinearGradient>

#include "tools/gen/Catalog.h"
#include "tools/gen/Paint.h"

namespace gen {

namespace {

// The command window's picture: a memory drawn as a column of words with occupied blocks in
// colour and free ones white. The window shows only the part from (80, 70), 194 wide and
// 122 high, above its buttons; the rest fades out.
QImage MemUser(int w, int h) {
  return Scene(
      w, h,
      [w, h](QPainter& p) {
        QLinearGradient sky(0, 0, 0, h);
        sky.setColorAt(0, QColor(226, 236, 248));
        sky.setColorAt(1, QColor(200, 214, 236));
        p.fillRect(QRectF(0, 0, w, h), sky);
        const QColor blocks[] = {QColor(120, 190, 110), QColor(255, 255, 255), QColor(230, 120, 100),
                                 QColor(255, 255, 255), QColor(110, 150, 220), QColor(240, 200, 90)};
        const int sizes[] = {3, 2, 4, 1, 3, 2};
        const QRectF column(130, 78, 94, 104);
        SoftShadow(p, RoundRect(column, 4), 3, 3);
        double y = column.top();
        const double word = column.height() / 15.0;
        for (int i = 0; i < 6; ++i) {
          const QRectF r(column.left(), y, column.width(), word * sizes[i]);
          Flat(p, RoundRect(r.adjusted(1, 1, -1, -1), 2), blocks[i], 1.0);
          y += r.height();
        }
        p.setPen(QPen(QColor(60, 80, 120), 1.2));
        for (int k = 0; k <= 15; ++k) {
          const double ly = column.top() + k * word;
          p.drawLine(QPointF(column.left() - 8, ly), QPointF(column.left() - 2, ly));
        }
      },
      2);
}

}  // namespace

void AddStoragePictures(PictureTable& t) {
  Add(t, QStringLiteral("memuser"), {353, 257}, Transparency::Opaque,
      QStringLiteral("command window of the boundary-tag and buddy demonstrations: a column of "
                     "memory words in coloured and white blocks"),
      [] { return MemUser(353, 257); });
}

}  // namespace gen
