// Pictures of the railway, the expression window's running dog and the bank hall.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "tools/gen/Catalog.h"
#include "tools/gen/Paint.h"

namespace gen {

namespace {

const QString kSans = QStringLiteral("DejaVu Sans");

// ---- Railway ---------------------------------------------------------------------------------
// The railway drawing is a grid of 10 columns by 6 rows: the main line runs along row 1 from
// edge to edge, the siding (the stack) leaves it at column 4 and runs down to row 5, where a
// buffer stop ends it. Cars enter on the right, wait in the siding and leave on the left.

void Track(QPainter& p, QPointF from, QPointF to, double gauge) {
  const QPointF d = to - from;
  const double len = std::hypot(d.x(), d.y());
  const QPointF u = d / len;
  const QPointF n(-u.y(), u.x());
  p.save();
  // Ballast bed.
  p.setPen(QPen(QColor(196, 190, 176), gauge * 2.6, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(from, to);
  // Sleepers.
  p.setPen(QPen(QColor(130, 95, 60), 4.5, Qt::SolidLine, Qt::FlatCap));
  for (double s = 5; s < len; s += 11) {
    const QPointF c = from + u * s;
    p.drawLine(c - n * gauge * 0.95, c + n * gauge * 0.95);
  }
  // Rails: a dark line under a light one.
  for (double side : {-0.5, 0.5}) {
    p.setPen(QPen(QColor(90, 95, 105), 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from + n * gauge * side, to + n * gauge * side);
    p.setPen(QPen(QColor(200, 205, 215), 1.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from + n * gauge * side - n * 0.6, to + n * gauge * side - n * 0.6);
  }
  p.restore();
}

QImage TrainPic(int w, int h) {
  const Noise n(4242);
  const QImage ground = Texture(w, h, [&](int x, int y) {
    const double v = n.Fbm(x / 40.0, y / 40.0, 4);
    return Mix(QColor(214, 228, 196), QColor(190, 212, 172), v).rgb();
  });
  return Scene(
      w, h,
      [w, h, ground](QPainter& p) {
        p.drawImage(0, 0, ground);
        const double cw = w / 10.0;
        const double ch = h / 6.0;
        const double gauge = ch * 0.36;
        const double mainY = ch * 1.5;
        const double sidingX = cw * 4.5;
        Track(p, QPointF(sidingX, mainY), QPointF(sidingX, ch * 5.75), gauge);
        Track(p, QPointF(0, mainY), QPointF(w, mainY), gauge);
        // The switch where the siding leaves the main line.
        Glossy(
            p,
            Ellipse(QRectF(sidingX - gauge * 0.55, mainY - gauge * 0.55, gauge * 1.1, gauge * 1.1)),
            QColor(230, 180, 60), 1.2);
        // Buffer stop at the end of the siding.
        const QRectF stop(sidingX - gauge * 0.9, ch * 5.72, gauge * 1.8, ch * 0.2);
        Glossy(p, RoundRect(stop, 2), QColor(205, 65, 55), 1.2);
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(QPointF(stop.center().x() - 6, stop.center().y()),
                   QPointF(stop.center().x() + 6, stop.center().y()));
      },
      2);
}

// ---- Running dog (40 x 44) -----------------------------------------------------------------

const QColor kFur(196, 136, 74);
const QColor kFurDark(120, 78, 40);

void Leg(QPainter& p, QPointF top, double angleDeg, double length) {
  const double a = angleDeg * M_PI / 180.0;
  const QPointF foot = top + QPointF(std::sin(a), std::cos(a)) * length;
  p.setPen(QPen(kFurDark, 4.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(top, foot);
  p.setPen(QPen(kFur, 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(top, foot);
}

void DogHead(QPainter& p, QPointF c) {
  Glossy(p, Ellipse(QRectF(c.x() + 1, c.y() - 1, 9, 7)), Shade(kFur, 1.1), 1.2);  // snout
  Glossy(p, Ellipse(QRectF(c.x() - 6, c.y() - 6, 12, 12)), kFur, 1.2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 30, 25));
  p.drawEllipse(QPointF(c.x() + 9.5, c.y() + 1), 1.8, 1.6);  // nose
  p.drawEllipse(QPointF(c.x() + 2, c.y() - 1.5), 1.3, 1.3);  // eye
  // Floppy ear.
  Flat(p,
       Polygon({QPointF(c.x() - 3, c.y() - 5), QPointF(c.x() + 1, c.y() - 6),
                QPointF(c.x() - 1, c.y() + 4), QPointF(c.x() - 5, c.y() + 2)}),
       Shade(kFur, 0.7), 1);
}

// Frame k of the gallop, 0 .. 5; the dog runs to the right.
QImage RunningDog(int k) {
  return Sprite(40, 44, kKeyColour, [k](QPainter& p) {
    p.translate(-2.5, 1);
    const double phase = k * 2 * M_PI / 6;
    const double bob = -2.0 * std::fabs(std::sin(phase));
    const double swing = 38 * std::sin(phase);
    // Tail.
    p.setPen(QPen(kFurDark, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath tail;
    tail.moveTo(9, 24 + bob);
    tail.quadTo(3, 20 + bob, 3, 14 + bob + std::sin(phase) * 2);
    p.drawPath(tail);
    // Far legs first (darker), then body, then near legs.
    Leg(p, QPointF(13, 28 + bob), -swing * 0.8 - 10, 11);
    Leg(p, QPointF(27, 28 + bob), swing * 0.8 + 8, 11);
    Glossy(p, Ellipse(QRectF(7, 19 + bob, 25, 13)), kFur, 1.3);
    Leg(p, QPointF(11, 28 + bob), -swing, 12);
    Leg(p, QPointF(29, 28 + bob), swing, 12);
    DogHead(p, QPointF(31, 15 + bob));
  });
}

QImage WatchDog() {
  return Sprite(40, 44, kKeyColour, [](QPainter& p) {
    // Tail curled on the ground.
    p.setPen(QPen(kFurDark, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath tail;
    tail.moveTo(10, 38);
    tail.quadTo(2, 40, 4, 32);
    p.drawPath(tail);
    Glossy(p, Ellipse(QRectF(7, 24, 20, 17)), Shade(kFur, 0.95), 1.3);  // haunch
    Glossy(p, RoundRect(QRectF(15, 16, 13, 22), 6), kFur, 1.3);         // chest
    Leg(p, QPointF(24, 28), 2, 13);
    Leg(p, QPointF(20, 28), -2, 13);
    DogHead(p, QPointF(26, 12));
  });
}

// ---- Bank ------------------------------------------------------------------------------------
// The hall is seen from above: four counters along the top wall, tellers 1 .. 4 centred at
// x = 460 * (2k - 1) / 8, their queues running down the floor below them, and the entrance
// in the middle of the bottom wall. Customers are drawn upright, as they are seen walking.

QImage BankHall(int w, int h) {
  return Scene(
      w, h,
      [w, h](QPainter& p) {
        // Floor tiles.
        const double tile = 20;
        for (int r = 0; r * tile < h; ++r)
          for (int c = 0; c * tile < w; ++c)
            p.fillRect(QRectF(c * tile, r * tile, tile, tile),
                       (r + c) % 2 ? QColor(236, 232, 222) : QColor(226, 221, 210));
        // Top wall and counter.
        QLinearGradient wall(0, 0, 0, 48);
        wall.setColorAt(0, QColor(150, 170, 190));
        wall.setColorAt(1, QColor(185, 200, 215));
        p.fillRect(QRectF(0, 0, w, 48), wall);
        for (int k = 0; k < 4; ++k) {
          const double cx = w * (2 * k + 1) / 8.0;
          // A glass window with its number.
          Glossy(p, RoundRect(QRectF(cx - 34, 6, 68, 36), 4), QColor(190, 225, 240), 1.5);
          Glossy(p, Ellipse(QRectF(cx - 11, 8, 22, 22)), QColor(40, 110, 170), 1.2);
          CentredText(p, QRectF(cx - 11, 7, 22, 22), QString::number(k + 1), PixelFont(kSans, 15),
                      Qt::white);
          // Queue guide: two rows of posts with a rope between them.
          p.setPen(QPen(QColor(160, 60, 60, 150), 2));
          for (double side : {-22.0, 22.0}) {
            p.drawLine(QPointF(cx + side, 78), QPointF(cx + side, 250));
            for (double y = 78; y <= 250; y += 43)
              Glossy(p, Ellipse(QRectF(cx + side - 3.5, y - 3.5, 7, 7)), QColor(200, 170, 70), 1);
          }
        }
        QLinearGradient counter(0, 44, 0, 62);
        counter.setColorAt(0, QColor(200, 150, 95));
        counter.setColorAt(1, QColor(150, 100, 60));
        p.fillRect(QRectF(0, 44, w, 18), counter);
        p.fillRect(QRectF(0, 44, w, 2), QColor(235, 200, 150));
        // Bottom wall with the entrance.
        p.fillRect(QRectF(0, h - 14, w, 14), QColor(150, 170, 190));
        const QRectF door(w / 2.0 - 44, h - 16, 88, 16);
        p.fillRect(door, QColor(236, 232, 222));
        p.fillRect(QRectF(door.left() - 4, h - 18, 4, 18), QColor(110, 120, 135));
        p.fillRect(QRectF(door.right(), h - 18, 4, 18), QColor(110, 120, 135));
        Glossy(p, RoundRect(QRectF(w / 2.0 - 40, h - 50, 80, 30), 6), QColor(170, 70, 70),
               1.2);  // mat
        // Plants in the lower corners.
        for (double x : {24.0, w - 24.0}) {
          Glossy(p, Ellipse(QRectF(x - 16, h - 58, 32, 32)), QColor(80, 150, 80), 1.2);
          Glossy(p, Ellipse(QRectF(x - 8, h - 50, 16, 16)), QColor(110, 180, 100), 1);
        }
      },
      2);
}

// A teller behind the counter window, seen from the front (drawn transparent).
QImage Teller() {
  return Sprite(48, 48, kKeyColour, [](QPainter& p) {
    Glossy(p, RoundRect(QRectF(8, 28, 32, 22), 10), QColor(50, 70, 110), 1.5);  // jacket
    Flat(p, Polygon({QPointF(20, 28), QPointF(28, 28), QPointF(24, 40)}), QColor(245, 245, 240), 1);
    Flat(p, Polygon({QPointF(23, 30), QPointF(25, 30), QPointF(24, 39)}), QColor(200, 50, 50), 0.6);
    Glossy(p, Ellipse(QRectF(14, 6, 20, 22)), QColor(245, 205, 170), 1.4);  // face
    Flat(p, RoundRect(QRectF(13, 4, 22, 9), 4), QColor(60, 45, 35), 1.2);   // hair
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 50));
    p.drawEllipse(QPointF(20, 17), 1.6, 1.6);
    p.drawEllipse(QPointF(28, 17), 1.6, 1.6);
    p.setPen(QPen(QColor(170, 90, 70), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(20, 18, 8, 5), 200 * 16, 140 * 16);
  });
}

enum class Facing { Down, Up, Left, Right };

// A customer 32 x 48; step 0 and 2 are the two strides, 1 the step between them.
QImage Walker(Facing facing, int step, bool standing = false) {
  return Sprite(32, 48, kKeyColour, [facing, step, standing](QPainter& p) {
    const QColor skin(245, 205, 170);
    const QColor hair(95, 62, 40);
    const QColor shirt(70, 125, 200);
    const QColor trousers(70, 72, 95);
    const double stride = standing ? 0 : (step - 1) * 4.0;
    const bool side = facing == Facing::Left || facing == Facing::Right;
    const double dir = facing == Facing::Left ? -1 : 1;
    // Legs.
    if (side) {
      Flat(p, RoundRect(QRectF(13 - stride * dir * 1.2, 34, 6, 12), 2.5), Shade(trousers, 0.8),
           1.2);
      Flat(p, RoundRect(QRectF(13 + stride * dir * 1.2, 34, 6, 12), 2.5), trousers, 1.2);
    } else {
      Flat(p, RoundRect(QRectF(10, 34, 6, 12 - std::max(0.0, stride)), 2.5), trousers, 1.2);
      Flat(p, RoundRect(QRectF(16, 34, 6, 12 - std::max(0.0, -stride)), 2.5), trousers, 1.2);
    }
    // Body and arms.
    if (side) {
      Flat(p, RoundRect(QRectF(12 - stride * dir * 0.6, 22, 5, 12), 2.5), Shade(shirt, 0.8), 1.2);
      Glossy(p, RoundRect(QRectF(10, 20, 12, 17), 4), shirt, 1.3);
      Flat(p, RoundRect(QRectF(14 + stride * dir * 0.6, 22, 5, 12), 2.5), shirt, 1.2);
    } else {
      Flat(p, RoundRect(QRectF(5, 22 + std::max(0.0, -stride) * 0.5, 5, 12), 2.5), shirt, 1.2);
      Flat(p, RoundRect(QRectF(22, 22 + std::max(0.0, stride) * 0.5, 5, 12), 2.5), shirt, 1.2);
      Glossy(p, RoundRect(QRectF(8, 20, 16, 17), 4), shirt, 1.3);
    }
    // Head.
    const QRectF head(8, 3, 16, 17);
    if (facing == Facing::Up) {
      Glossy(p, Ellipse(head), hair, 1.3);
      return;
    }
    Glossy(p, Ellipse(head), skin, 1.3);
    p.setPen(QPen(Shade(hair, 0.6), 1.2));
    p.setBrush(hair);
    if (side) {
      // Hair over the back of the head.
      QPainterPath h;
      h.moveTo(head.center().x() + dir * 6, head.top() + 3);
      h.quadTo(head.center().x(), head.top() - 3, head.center().x() - dir * 8, head.top() + 6);
      h.lineTo(head.center().x() - dir * 7, head.center().y() + 4);
      h.quadTo(head.center().x() - dir * 2, head.center().y(), head.center().x() + dir * 6,
               head.top() + 3);
      p.drawPath(h);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(40, 40, 50));
      p.drawEllipse(QPointF(head.center().x() + dir * 4, head.center().y()), 1.4, 1.5);
    } else {
      p.drawChord(QRectF(head.left(), head.top() - 1, head.width(), 12), 0, 180 * 16);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(40, 40, 50));
      p.drawEllipse(QPointF(13, 12.5), 1.4, 1.5);
      p.drawEllipse(QPointF(19, 12.5), 1.4, 1.5);
      p.setPen(QPen(QColor(180, 100, 80), 1, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(13.5, 13, 5, 3.5), 200 * 16, 140 * 16);
    }
  });
}

}  // namespace

void AddQueuesPictures(PictureTable& t) {
  Add(t, QStringLiteral("TrainPic"), {400, 240}, Transparency::Opaque,
      QStringLiteral("railway track picture on a 10 x 6 grid: main line on row 1, siding down "
                     "column 4 to row 5"),
      [] { return TrainPic(400, 240); });
  for (int k = 1; k <= 6; ++k)
    Add(t, QStringLiteral("rundog%1").arg(k), {40, 44}, Transparency::BottomLeftKey,
        QStringLiteral("expression window: running dog, frame %1 of 6, running to the right")
            .arg(k),
        [k] { return RunningDog(k - 1); });
  Add(t, QStringLiteral("watchdog"), {40, 44}, Transparency::BottomLeftKey,
      QStringLiteral("expression window: the dog sitting, seventh frame"),
      [] { return WatchDog(); });
  Add(t, QStringLiteral("bankgate2"), {460, 340}, Transparency::Opaque,
      QStringLiteral(
          "bank hall seen from above: counters 1..4 at x = 460(2k-1)/8 along the top (y 0..62), "
          "queue lanes below them (y 78..250), entrance in the middle of the bottom wall"),
      [] { return BankHall(460, 340); });
  Add(t, QStringLiteral("bb"), {48, 48}, Transparency::BottomLeftKey,
      QStringLiteral("bank teller behind a counter window"), [] { return Teller(); });
  const struct {
    const char* name;
    Facing facing;
  } ways[] = {
      {"down", Facing::Down}, {"up", Facing::Up}, {"left", Facing::Left}, {"right", Facing::Right}};
  for (const auto& way : ways)
    for (int k = 1; k <= 3; ++k) {
      const Facing f = way.facing;
      Add(t, QStringLiteral("%1%2").arg(QLatin1String(way.name)).arg(k), {32, 48},
          Transparency::BottomLeftKey,
          QStringLiteral("bank customer walking %1, step %2 of 3")
              .arg(QLatin1String(way.name))
              .arg(k),
          [f, k] { return Walker(f, k - 1); });
    }
  Add(t, QStringLiteral("stand"), {32, 48}, Transparency::BottomLeftKey,
      QStringLiteral("bank customer standing, facing the viewer"),
      [] { return Walker(Facing::Down, 1, true); });
}

}  // namespace gen
