// Pictures of the list demonstrations: the two-list dialog's panel picture and the
// generalized-list dialog's background and choice marker.
#include <QLinearGradient>
#include <QRadialGradient>

#include "tools/gen/Catalog.h"
#include "tools/gen/Paint.h"

namespace gen {

namespace {

const QString kSerif = QStringLiteral("DejaVu Serif");
const QString kSans = QStringLiteral("DejaVu Sans");

// A two-part node box (data and pointer part) seen a little raised.
void NodeBox(QPainter& p, const QRectF& r, const QColor& data, const QColor& pointer,
             const QString& text) {
  SoftShadow(p, RoundRect(r, 3), 3, 3, 90);
  const double split = r.width() * 0.68;
  Glossy(p, RoundRect(QRectF(r.left(), r.top(), split, r.height()), 3), data);
  Glossy(p, RoundRect(QRectF(r.left() + split - 1, r.top(), r.width() - split + 1, r.height()), 3),
         pointer);
  CentredText(p, QRectF(r.left(), r.top(), split, r.height()), text, PixelFont(kSerif, r.height() * 0.6),
              QColor(255, 255, 240));
}

// A chain of linked nodes running down a black panel, the last pointing nowhere.
QImage LinksPanel() {
  return Scene(104, 242, [](QPainter& p) {
    QLinearGradient back(0, 0, 0, 242);
    back.setColorAt(0, QColor(18, 22, 38));
    back.setColorAt(1, QColor(6, 8, 14));
    p.fillRect(QRectF(0, 0, 104, 242), back);
    QRadialGradient glow(QPointF(52, 90), 120);
    glow.setColorAt(0, QColor(60, 90, 160, 90));
    glow.setColorAt(1, QColor(60, 90, 160, 0));
    p.fillRect(QRectF(0, 0, 104, 242), glow);
    const char* letters[] = {"a", "c", "f"};
    const QColor data[] = {QColor(0, 128, 128), QColor(0, 150, 150), QColor(190, 60, 50)};
    for (int k = 0; k < 3; ++k) {
      const QRectF box(18, 16 + k * 74, 66, 32);
      NodeBox(p, box, data[k], QColor(128, 30, 30), QString::fromLatin1(letters[k]));
      const QPointF from(box.left() + 56, box.center().y());
      if (k < 2) {
        // Out of the pointer part, down, and into the next node.
        p.setPen(QPen(QColor(255, 80, 255), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath path(from);
        path.lineTo(from.x(), box.bottom() + 20);
        path.lineTo(box.left() + 18, box.bottom() + 20);
        path.lineTo(box.left() + 18, box.bottom() + 38);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 80, 255));
        p.drawPath(Polygon({{box.left() + 12, box.bottom() + 34}, {box.left() + 24, box.bottom() + 34},
                            {box.left() + 18, box.bottom() + 42}}));
      } else {
        CentredText(p, QRectF(box.left() + 45, box.top(), 21, box.height()), QStringLiteral("^"),
                    PixelFont(kSans, 16), QColor(255, 255, 240));
      }
    }
  });
}

// Calm paper with a faint head-and-tail drawing in the corner, under the choices.
QImage ListsBack() {
  return Scene(512, 384, [](QPainter& p) {
    QLinearGradient back(0, 0, 512, 384);
    back.setColorAt(0, QColor(236, 242, 250));
    back.setColorAt(1, QColor(214, 226, 242));
    p.fillRect(QRectF(0, 0, 512, 384), back);
    p.setPen(QPen(QColor(200, 212, 232), 1));
    for (int x = 0; x < 512; x += 24) p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, 384));
    for (int y = 0; y < 384; y += 24) p.drawLine(QPointF(0, y + 0.5), QPointF(512, y + 0.5));
    // A faint list node with its head below it and its tail to the right.
    p.setOpacity(0.35);
    const QColor tag(0, 128, 128), field(128, 128, 0);
    const auto node = [&](QPointF at, int fields) {
      Flat(p, RoundRect(QRectF(at.x(), at.y(), 18, 18), 2), tag);
      for (int k = 1; k < fields; ++k)
        Flat(p, RoundRect(QRectF(at.x() + 18 * k, at.y(), 18, 18), 2), field);
    };
    node({380, 300}, 3);
    node({448, 300}, 3);
    node({389, 344}, 2);
    p.setPen(QPen(QColor(200, 0, 200), 2));
    p.drawLine(QPointF(425, 309), QPointF(448, 309));
    p.drawLine(QPointF(407, 318), QPointF(407, 344));
    p.setOpacity(1);
  });
}

// The hand that points at the chosen list.
QImage ListsMarker() {
  return Sprite(40, 24, kKeyColour, [](QPainter& p) {
    const QPainterPath arrow = ArrowPath({3, 12}, {37, 12}, 8, 20, 14);
    SoftShadow(p, arrow, 1.5, 1.5, 70);
    Glossy(p, arrow, QColor(220, 50, 40), 1.2);
  });
}

}  // namespace

void AddListsPictures(PictureTable& t) {
  Add(t, QStringLiteral("links2"), {104, 242}, Transparency::Opaque,
      QStringLiteral("two-list dialog: the panel picture"), LinksPanel);
  Add(t, QStringLiteral("Lists"), {512, 384}, Transparency::Opaque,
      QStringLiteral("generalized-list dialog: background"), ListsBack);
  Add(t, QStringLiteral("ListsMarker"), {40, 24}, Transparency::BottomLeftKey,
      QStringLiteral("generalized-list dialog: marker of the chosen list"), ListsMarker);
}

}  // namespace gen
