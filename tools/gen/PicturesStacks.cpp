// Pictures of the recursion demonstrations: Towers of Hanoi, N queens, maze and knapsack.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "tools/gen/Catalog.h"
#include "tools/gen/Paint.h"

namespace gen {

namespace {

const QString kSans = QStringLiteral("DejaVu Sans");
const QString kKai = QStringLiteral("AR PL UKai CN");

// Wood with soft grain running across; used by the Hanoi table and the queens' board.
QImage Wood(int w, int h, QColor light, QColor dark, std::uint32_t seed, double grainScale) {
  const Noise n(seed);
  return Texture(w, h, [&](int x, int y) {
    const double warp = n.Fbm(x / 90.0, y / 30.0, 3) * 6.0;
    const double grain = 0.5 + 0.5 * std::sin((y / grainScale + warp) * 2.0);
    const double fine = n.At(x / 3.0 + 100, y / 0.9);
    const double t = std::clamp(grain * 0.7 + fine * 0.3, 0.0, 1.0);
    return Mix(light, dark, t * 0.55).rgb();
  });
}

// ---- Towers of Hanoi -----------------------------------------------------------------------

const QColor kPlateColours[] = {QColor(205, 75, 65), QColor(235, 145, 55), QColor(230, 195, 65),
                                QColor(85, 165, 90), QColor(70, 125, 200)};

QImage HanoiBack(int w, int h) {
  QImage table = Wood(w, h / 5 + 2, QColor(214, 170, 120), QColor(160, 108, 65), 91, 5.0);
  return Scene(w, h, [w, h, table](QPainter& p) {
    QLinearGradient wall(0, 0, 0, h);
    wall.setColorAt(0, QColor(238, 242, 246));
    wall.setColorAt(0.8, QColor(222, 228, 236));
    p.fillRect(QRectF(0, 0, w, h), wall);
    // A soft light from the upper left.
    QRadialGradient light(QPointF(w * 0.3, h * 0.1), w * 0.7);
    light.setColorAt(0, QColor(255, 252, 240, 120));
    light.setColorAt(1, QColor(255, 252, 240, 0));
    p.fillRect(QRectF(0, 0, w, h), light);
    const double top = h * 0.81;
    p.drawImage(QRectF(0, top, w, h - top), table);
    QLinearGradient edge(0, top, 0, top + 6);
    edge.setColorAt(0, QColor(255, 235, 205, 180));
    edge.setColorAt(1, QColor(255, 235, 205, 0));
    p.fillRect(QRectF(0, top, w, 6), edge);
    p.fillRect(QRectF(0, top - 2, w, 2), QColor(120, 85, 55, 120));
  });
}

// A plate: a short cylinder seen a little from above; the program stretches it to the
// plate's width and height (plates overlap by two thirds of their height when stacked).
QImage Plate(int index) {
  const QColor c = kPlateColours[index];
  return Sprite(
      212, 64, kKeyColour,
      [c](QPainter& p) {
        const QRectF top(2, 3, 208, 34);
        const QRectF bottom(2, 25, 208, 34);
        QPainterPath side;
        side.moveTo(top.left(), top.center().y());
        side.lineTo(bottom.left(), bottom.center().y());
        side.arcTo(bottom, 180, 180);
        side.lineTo(top.right(), top.center().y());
        side.arcTo(top, 0, -180);
        side.closeSubpath();
        QLinearGradient across(top.left(), 0, top.right(), 0);
        across.setColorAt(0, Shade(c, 0.62));
        across.setColorAt(0.35, Shade(c, 1.15));
        across.setColorAt(0.6, c);
        across.setColorAt(1, Shade(c, 0.55));
        p.setPen(QPen(Shade(c, 0.42), 2));
        p.setBrush(across);
        p.drawPath(side);
        QRadialGradient face(QPointF(top.center().x() - 30, top.top() + 8), 130);
        face.setColorAt(0, Shade(c, 1.45));
        face.setColorAt(1, Shade(c, 1.02));
        p.setBrush(face);
        p.drawEllipse(top);
        // A groove on the face gives the plate some depth.
        p.setPen(QPen(Alpha(Shade(c, 0.7), 120), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(top.adjusted(26, 5, -26, -5));
      },
      2);
}

QImage Pole(char name) {
  return Sprite(
      32, 224, kKeyColour,
      [name](QPainter& p) {
        const QColor brass(205, 160, 80);
        // Foot.
        Glossy(p, Ellipse(QRectF(1, 212, 30, 10)), Shade(brass, 0.85), 1.2);
        // Rod with a round light across it.
        QLinearGradient rod(10, 0, 22, 0);
        rod.setColorAt(0, Shade(brass, 0.6));
        rod.setColorAt(0.4, Shade(brass, 1.35));
        rod.setColorAt(1, Shade(brass, 0.55));
        p.setPen(QPen(Shade(brass, 0.45), 1.2));
        p.setBrush(rod);
        p.drawRoundedRect(QRectF(10, 22, 12, 196), 3, 3);
        // The pole's letter on a ball at the top.
        Glossy(p, Ellipse(QRectF(2, 1, 28, 28)), QColor(40, 130, 150), 1.5);
        CentredText(p, QRectF(2, 0, 28, 28), QString(QChar(name)), PixelFont(kSans, 20), Qt::white);
      },
      2);
}

// ---- N queens --------------------------------------------------------------------------------

QImage QueensBack(int w, int h) {
  return Scene(w, h, [w, h](QPainter& p) {
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(250, 246, 236));
    g.setColorAt(1, QColor(232, 236, 248));
    p.fillRect(QRectF(0, 0, w, h), g);
    // A faint board along the bottom and a faint crown on the right.
    const double cell = 14;
    for (int c = 0; c * cell < w; ++c)
      for (int r = 0; r < 2; ++r)
        if ((c + r) % 2 == 0)
          p.fillRect(QRectF(c * cell, h - (r + 1) * cell, cell, cell), QColor(120, 110, 160, 28));
    QPainterPath crown;
    const double x0 = w * 0.70, y0 = h * 0.18, cw = w * 0.24, ch = h * 0.42;
    crown.moveTo(x0, y0 + ch);
    crown.lineTo(x0, y0 + ch * 0.25);
    crown.lineTo(x0 + cw * 0.25, y0 + ch * 0.6);
    crown.lineTo(x0 + cw * 0.5, y0);
    crown.lineTo(x0 + cw * 0.75, y0 + ch * 0.6);
    crown.lineTo(x0 + cw, y0 + ch * 0.25);
    crown.lineTo(x0 + cw, y0 + ch);
    crown.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 160, 60, 45));
    p.drawPath(crown);
  });
}

// A chess queen on black (black is the see-through colour of these pictures).
QImage Queen(int kind) {
  const QColor body = kind == 1   ? QColor(232, 182, 55)
                      : kind == 2 ? QColor(175, 195, 220)
                                  : QColor(220, 65, 55);
  return Sprite(64, 64, kBlackKey, [body](QPainter& p) {
    const double line = 2.2;
    // Crown points with small balls.
    for (int i = 0; i < 5; ++i) {
      const double x = 12 + i * 10;
      const double y = (i == 2) ? 6 : (i == 1 || i == 3) ? 9 : 13;
      Glossy(p, Ellipse(QRectF(x - 4, y - 4, 8, 8)), body, line * 0.8);
    }
    QPainterPath crown =
        Polygon({QPointF(12, 16), QPointF(22, 24), QPointF(32, 11), QPointF(42, 24),
                 QPointF(52, 16), QPointF(46, 36), QPointF(18, 36)});
    Glossy(p, crown, body, line);
    // Collar, body and foot.
    Glossy(p, RoundRect(QRectF(16, 34, 32, 6), 3), Shade(body, 0.9), line);
    QPainterPath waist =
        Polygon({QPointF(21, 40), QPointF(43, 40), QPointF(48, 52), QPointF(16, 52)});
    Glossy(p, waist, body, line);
    Glossy(p, RoundRect(QRectF(9, 51, 46, 9), 4), Shade(body, 0.85), line);
  });
}

// Light maple for the queens' board; the window hatches every other square over it.
QImage QueenBoard(int w, int h) {
  QImage wood = Wood(w, h, QColor(246, 228, 192), QColor(214, 178, 126), 515, 7.0);
  QPainter p(&wood);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient glow(QPointF(w * 0.4, h * 0.35), w * 0.8);
  glow.setColorAt(0, QColor(255, 255, 255, 50));
  glow.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(QRectF(0, 0, w, h), glow);
  return wood;
}

// ---- Maze (50 x 50 cells) ------------------------------------------------------------------

// A floor tile with a light edge at its top and left and a shadow at its bottom and right,
// so neighbouring cells read as a grid; tint colours the whole tile.
void Floor(QPainter& p, const QColor& tint, std::uint32_t seed) {
  const Noise n(seed);
  const QColor base = Mix(QColor(236, 229, 208), tint, 0.45);
  const QImage stone = Texture(50, 50, [&](int x, int y) {
    const double v = (n.Fbm(x / 9.0, y / 9.0, 3) - 0.5) * 16;
    const auto c = [v](int k) { return std::clamp(int(k + v), 0, 255); };
    return qRgb(c(base.red()), c(base.green()), c(base.blue()));
  });
  p.drawImage(0, 0, stone);
  p.fillRect(QRectF(0, 0, 50, 1.5), QColor(255, 255, 255, 140));
  p.fillRect(QRectF(0, 0, 1.5, 50), QColor(255, 255, 255, 140));
  p.fillRect(QRectF(0, 48.5, 50, 1.5), QColor(90, 80, 60, 110));
  p.fillRect(QRectF(48.5, 0, 1.5, 50), QColor(90, 80, 60, 110));
}

QImage MazeCell(int state) {
  return Scene(
      50, 50,
      [state](QPainter& p) {
        switch (state) {
          case 0:
            Floor(p, QColor(236, 229, 208), 11);
            break;
          case 1: {  // wall: bricks
            p.fillRect(QRectF(0, 0, 50, 50), QColor(205, 195, 178));
            Rng rng(31);
            const double bh = 50.0 / 4;
            for (int row = 0; row < 4; ++row) {
              const double offset = row % 2 ? -12.5 : 0;
              for (int k = 0; k < 3; ++k) {
                const QRectF brick(offset + k * 25 + 1, row * bh + 1, 23, bh - 2);
                const QColor c = Mix(QColor(178, 88, 62), QColor(150, 70, 52), rng.Real());
                Flat(p, RoundRect(brick, 1.5), c, 0.8);
              }
            }
            p.fillRect(QRectF(0, 48.5, 50, 1.5), QColor(70, 40, 30, 120));
            p.fillRect(QRectF(48.5, 0, 1.5, 50), QColor(70, 40, 30, 120));
            break;
          }
          case 2:  // visited: a warm mark
            Floor(p, QColor(250, 225, 150), 11);
            Glossy(p, Ellipse(QRectF(17, 17, 16, 16)), QColor(240, 160, 50), 1.2);
            break;
          case 3: {  // returned from: dimmed, crossed out
            Floor(p, QColor(185, 190, 200), 11);
            p.setPen(QPen(QColor(120, 125, 140), 4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(17, 17), QPointF(33, 33));
            p.drawLine(QPointF(33, 17), QPointF(17, 33));
            break;
          }
          default: {  // left in a direction: up, down, left, right
            Floor(p, QColor(190, 230, 180), 11);
            const QPointF c(25, 25);
            const QPointF dirs[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
            const QPointF d = dirs[state - 4];
            Glossy(p, ArrowPath(c - d * 15, c + d * 16, 7, 20, 12), QColor(50, 140, 80), 1.3);
            break;
          }
        }
      },
      4);
}

// ---- Knapsack --------------------------------------------------------------------------------

const QColor kItemColours[] = {QColor(150, 150, 155),  // 0: not used for an item
                               QColor(215, 75, 65),   QColor(240, 150, 50), QColor(235, 205, 60),
                               QColor(90, 175, 85),   QColor(45, 165, 165), QColor(70, 125, 210),
                               QColor(145, 95, 200),  QColor(225, 110, 165)};

void Backpack(QPainter& p, const QRectF& r) {
  const QColor canvas(110, 140, 80);
  const QColor strap(120, 85, 50);
  // Straps behind.
  p.setPen(QPen(strap, r.width() * 0.07, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(r.left() + r.width() * 0.25, r.top() - r.height() * 0.08, r.width() * 0.5,
                   r.height() * 0.3),
            0, 180 * 16);
  Glossy(p,
         RoundRect(QRectF(r.left(), r.top() + r.height() * 0.08, r.width(), r.height() * 0.92),
                   r.width() * 0.22),
         canvas, 2);
  // Flap and pocket.
  QPainterPath flap;
  flap.moveTo(r.left() + r.width() * 0.05, r.top() + r.height() * 0.3);
  flap.cubicTo(r.left() + r.width() * 0.05, r.top(), r.right() - r.width() * 0.05, r.top(),
               r.right() - r.width() * 0.05, r.top() + r.height() * 0.3);
  flap.lineTo(r.right() - r.width() * 0.05, r.top() + r.height() * 0.42);
  flap.quadTo(r.center().x(), r.top() + r.height() * 0.52, r.left() + r.width() * 0.05,
              r.top() + r.height() * 0.42);
  flap.closeSubpath();
  Glossy(p, flap, Shade(canvas, 0.85), 2);
  Glossy(p,
         RoundRect(QRectF(r.left() + r.width() * 0.22, r.top() + r.height() * 0.58,
                          r.width() * 0.56, r.height() * 0.3),
                   6),
         Shade(canvas, 0.9), 2);
  Glossy(p, RoundRect(QRectF(r.center().x() - 5, r.top() + r.height() * 0.4, 10, 10), 2),
         QColor(220, 190, 90), 1.5);
}

QImage PkgCount() {
  return Scene(
      300, 200,
      [](QPainter& p) {
        QLinearGradient g(0, 0, 0, 200);
        g.setColorAt(0, QColor(222, 236, 250));
        g.setColorAt(1, QColor(250, 244, 228));
        p.fillRect(QRectF(0, 0, 300, 200), g);
        p.fillRect(QRectF(0, 168, 300, 32), QColor(200, 220, 170, 120));
        Backpack(p, QRectF(22, 62, 90, 108));
        // A few parcels waiting beside the bag.
        for (int i = 0; i < 3; ++i)
          Glossy(p, RoundRect(QRectF(120 + i * 24, 150 - (i % 2) * 8, 20, 18 + (i % 2) * 8), 3),
                 kItemColours[2 + i * 2], 1.5);
        CentredText(p, QRectF(100, 14, 200, 34), QStringLiteral("请输入物品个数"),
                    PixelFont(kKai, 24), QColor(30, 60, 120));
        CentredText(p, QRectF(100, 46, 200, 26), QStringLiteral("(1~8)"), PixelFont(kSans, 17),
                    QColor(30, 60, 120));
      },
      2);
}

// A 40 x 40 picture button: accept (a tick) or cancel (a cross), plain or under the mouse.
QImage PkgButton(bool accept, bool hot) {
  const QColor face = accept ? QColor(70, 165, 85) : QColor(205, 70, 60);
  return Scene(
      40, 40,
      [face, accept, hot](QPainter& p) {
        const QColor c = hot ? Shade(face, 1.2) : face;
        QLinearGradient g(0, 0, 0, 40);
        g.setColorAt(0, Shade(c, 1.3));
        g.setColorAt(1, Shade(c, 0.9));
        p.fillRect(QRectF(0, 0, 40, 40), g);
        p.fillRect(QRectF(0, 0, 40, 2), QColor(255, 255, 255, 170));
        p.fillRect(QRectF(0, 0, 2, 40), QColor(255, 255, 255, 170));
        p.fillRect(QRectF(0, 38, 40, 2), Shade(c, 0.5));
        p.fillRect(QRectF(38, 0, 2, 40), Shade(c, 0.5));
        if (hot) {
          p.setPen(QPen(QColor(255, 230, 110), 2));
          p.setBrush(Qt::NoBrush);
          p.drawRoundedRect(QRectF(4, 4, 32, 32), 4, 4);
        }
        p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (accept) {
          p.drawPolyline(QPolygonF({QPointF(11, 21), QPointF(17, 27), QPointF(29, 13)}));
        } else {
          p.drawLine(QPointF(13, 13), QPointF(27, 27));
          p.drawLine(QPointF(27, 13), QPointF(13, 27));
        }
      },
      4);
}

QImage PkgBack(int w, int h) {
  const Noise n(808);
  return Texture(w, h, [&](int x, int y) {
    const double t = double(y) / h;
    QColor c = Mix(QColor(34, 84, 112), QColor(18, 44, 72), t);
    const double cloud = n.Fbm(x / 70.0, y / 50.0, 4);
    c = Mix(c, QColor(70, 130, 150), std::clamp((cloud - 0.45) * 1.2, 0.0, 0.35));
    return c.rgb();
  });
}

// A block of a pile in the drawing window (drawn transparent, stretched to the unit size);
// picture 9 is an empty cell of the knapsack: only its dashed outline shows.
QImage PkgBlock(int d) {
  return Sprite(24, 24, kKeyColour, [d](QPainter& p) {
    if (d == 9) {
      p.setPen(QPen(QColor(225, 235, 240), 1.6, Qt::DashLine));
      p.setBrush(QColor(200, 220, 230, 60));
      p.drawRoundedRect(QRectF(2, 2, 20, 20), 3, 3);
      return;
    }
    Glossy(p, RoundRect(QRectF(1.5, 1.5, 21, 21), 4), kItemColours[d], 1.3);
  });
}

// A block of a pile in the weights dialog: a full square with bevelled edges (opaque).
QImage PkgSetup(int d) {
  return Scene(
      24, 24,
      [d](QPainter& p) {
        const QColor c = d == 9 ? QColor(30, 70, 95) : kItemColours[d];
        p.fillRect(QRectF(0, 0, 24, 24), c);
        QLinearGradient g(0, 0, 24, 24);
        g.setColorAt(0, QColor(255, 255, 255, 90));
        g.setColorAt(1, QColor(0, 0, 0, 40));
        p.fillRect(QRectF(0, 0, 24, 24), g);
        p.fillRect(QRectF(0, 0, 24, 2), QColor(255, 255, 255, d == 9 ? 60 : 160));
        p.fillRect(QRectF(0, 0, 2, 24), QColor(255, 255, 255, d == 9 ? 60 : 160));
        p.fillRect(QRectF(0, 22, 24, 2), Shade(c, 0.5));
        p.fillRect(QRectF(22, 0, 2, 24), Shade(c, 0.5));
      },
      4);
}

// A round face whose eyes look left, ahead and right in turn ("I have seen Them!").
QImage PkgMsg(int phase) {
  return Scene(
      48, 40,
      [phase](QPainter& p) {
        p.fillRect(QRectF(0, 0, 48, 40), Qt::white);
        Glossy(p, Ellipse(QRectF(6, 1, 36, 36)), QColor(250, 205, 60), 1.6);
        const double look = (phase - 1) * 3.0;
        for (double ex : {17.0, 31.0}) {
          p.setPen(QPen(QColor(120, 90, 30), 1.2));
          p.setBrush(Qt::white);
          p.drawEllipse(QPointF(ex, 15), 5, 6);
          p.setPen(Qt::NoPen);
          p.setBrush(QColor(50, 40, 40));
          p.drawEllipse(QPointF(ex + look, 16), 2.6, 2.6);
        }
        p.setPen(QPen(QColor(150, 80, 30), 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(15, 16, 18, 13), 200 * 16, 140 * 16);
      },
      4);
}

QImage PkgMsgGlyph() {
  return Sprite(24, 24, kKeyColour, [](QPainter& p) {
    QPainterPath eye;
    eye.moveTo(2, 12);
    eye.quadTo(12, 1, 22, 12);
    eye.quadTo(12, 23, 2, 12);
    Flat(p, eye, QColor(250, 250, 245), 1.5);
    Glossy(p, Ellipse(QRectF(7.5, 7.5, 9, 9)), QColor(60, 120, 200), 1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 40));
    p.drawEllipse(QPointF(12, 12), 2.2, 2.2);
  });
}

}  // namespace

void AddStacksPictures(PictureTable& t) {
  // Towers of Hanoi.
  Add(t, QStringLiteral("hanoiback"), {400, 300}, Transparency::Opaque,
      QStringLiteral("Hanoi towers background, stretched over the control; the table top covers "
                     "the lowest fifth"),
      [] { return HanoiBack(400, 300); });
  for (int k = 1; k <= 5; ++k)
    Add(t, QStringLiteral("plate%1").arg(k), {212, 64}, Transparency::BottomLeftKey,
        QStringLiteral(
            "Hanoi plate %1 (1 largest .. 5 smallest), image list of 212 x 64, stretched")
            .arg(k),
        [k] { return Plate(k - 1); });
  for (char c : {'a', 'b', 'c'})
    Add(t, QStringLiteral("pole%1").arg(QChar(c)), {32, 224}, Transparency::BottomLeftKey,
        QStringLiteral("Hanoi pole %1, stretched to width W/15 and height 2H/3").arg(QChar(c)),
        [c] { return Pole(c); });
  // N queens.
  Add(t, QStringLiteral("QueensBack"), {300, 180}, Transparency::Opaque,
      QStringLiteral("background of the queens' input dialog (300 x 180)"),
      [] { return QueensBack(300, 180); });
  Add(t, QStringLiteral("QueenBoard"), {400, 400}, Transparency::Opaque,
      QStringLiteral(
          "queens' board background, fitted to the board area; odd squares are hatched over it"),
      [] { return QueenBoard(400, 400); });
  const char* const queenRoles[] = {"placed queen", "queen not placed", "queen in conflict"};
  for (int k = 1; k <= 3; ++k)
    Add(t, QStringLiteral("Queen%1").arg(k), {64, 64}, Transparency::BlackKey,
        QStringLiteral("%1, stretched to 4/5 of a cell, black see-through")
            .arg(QLatin1String(queenRoles[k - 1])),
        [k] { return Queen(k); });
  // Maze.
  const char* const mazeNames[] = {"mazeEmpty", "mazeBlocked", "mazeVisited", "mazeReturned",
                                   "mazeUp",    "mazeDown",    "mazeLeft",    "mazeRight"};
  const char* const mazeRoles[] = {
      "empty",       "wall",          "visited",          "returned from",
      "left upward", "left downward", "left to the left", "left to the right"};
  for (int s = 0; s < 8; ++s)
    Add(t, QString::fromLatin1(mazeNames[s]), {50, 50}, Transparency::Opaque,
        QStringLiteral("maze cell state %1: %2").arg(s).arg(QLatin1String(mazeRoles[s])),
        [s] { return MazeCell(s); });
  // Knapsack.
  Add(t, QStringLiteral("PkgNo1"), {300, 200}, Transparency::Opaque,
      QStringLiteral("item-count dialog picture with the prompt; the lower right is left plain for "
                     "the edit and buttons"),
      [] { return PkgCount(); });
  Add(t, QStringLiteral("PkgNo2"), {40, 40}, Transparency::Opaque,
      QStringLiteral("accept button under the mouse"), [] { return PkgButton(true, true); });
  Add(t, QStringLiteral("PkgNo3"), {40, 40}, Transparency::Opaque, QStringLiteral("accept button"),
      [] { return PkgButton(true, false); });
  Add(t, QStringLiteral("PkgNo4"), {40, 40}, Transparency::Opaque,
      QStringLiteral("cancel button under the mouse"), [] { return PkgButton(false, true); });
  Add(t, QStringLiteral("PkgNo5"), {40, 40}, Transparency::Opaque, QStringLiteral("cancel button"),
      [] { return PkgButton(false, false); });
  Add(t, QStringLiteral("PkgBack"), {538, 378}, Transparency::Opaque,
      QStringLiteral(
          "knapsack weights dialog and drawing window background (dark: yellow text reads on it)"),
      [] { return PkgBack(538, 378); });
  for (int d = 0; d <= 9; ++d)
    Add(t, QStringLiteral("PkgSetup%1").arg(d), {24, 24}, Transparency::Opaque,
        d == 9 ? QStringLiteral("weights dialog: empty cell of the knapsack")
               : QStringLiteral("weights dialog: block of item %1 (0 unused)").arg(d),
        [d] { return PkgSetup(d); });
  for (int d = 0; d <= 9; ++d)
    Add(t, QStringLiteral("PkgBmp%1").arg(d), {24, 24}, Transparency::BottomLeftKey,
        d == 9
            ? QStringLiteral(
                  "drawing window: empty knapsack cell (outline only), stretched to the unit size")
            : QStringLiteral(
                  "drawing window: block of item %1 (0 unused), stretched to the unit size")
                  .arg(d),
        [d] { return PkgBlock(d); });
  for (int k = 1; k <= 3; ++k)
    Add(t, QStringLiteral("PkgMsg%1").arg(k), {48, 40}, Transparency::Opaque,
        QStringLiteral("message window animation frame %1 (on white)").arg(k),
        [k] { return PkgMsg(k - 1); });
  Add(t, QStringLiteral("PkgMsgSB"), {24, 24}, Transparency::BottomLeftKey,
      QStringLiteral("glyph of the message window's hidden button"), [] { return PkgMsgGlyph(); });
}

}  // namespace gen
