// Theme backdrops and the selection window: large calm textures that are stretched to the
// screen and carry text, and the selection menu's item pictures.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "tools/gen/Catalog.h"
#include "tools/gen/Paint.h"
#include "resources/PictureNames.h"

namespace gen {

namespace {

double SmoothStep(double a, double b, double x) {
  const double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

QRgb MixRgb(QRgb a, QRgb b, double t) {
  const auto m = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
  return qRgb(m(qRed(a), qRed(b)), m(qGreen(a), qGreen(b)), m(qBlue(a), qBlue(b)));
}

// A pale sky with soft fair-weather clouds. Computed at half size and enlarged: the clouds
// are soft anyway, and the picture is stretched to the screen in any case.
QImage Clouds(int w, int h) {
  const Noise noise(1201);
  const Noise shape(77);
  const QImage half = Texture(w / 2, h / 2, [&](int x, int y) {
    const double fy = double(y) / (h / 2);
    const QRgb sky = MixRgb(qRgb(186, 214, 240), qRgb(230, 239, 248), std::pow(fy, 0.8));
    const double nx = x / 120.0;
    const double ny = y / 70.0;
    // Large shapes decide where clouds gather; finer octaves give them soft edges.
    const double mass = shape.Fbm(nx * 0.35, ny * 0.35, 3);
    const double d = noise.Fbm(nx, ny, 5) * 0.65 + mass * 0.35;
    const double cover = SmoothStep(0.50, 0.70, d);
    const double under = noise.Fbm(nx, ny + 0.25, 5) * 0.65 + mass * 0.35;
    const double shadow = std::clamp((under - d) * 6.0, 0.0, 1.0) * cover;
    const QRgb cloud = MixRgb(qRgb(252, 252, 254), qRgb(214, 222, 236), shadow);
    return MixRgb(sky, cloud, cover * 0.92);
  });
  return half.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

// Pale linen: fine threads across and down over a slow wash of mint and aqua.
QImage Linen(int w, int h) {
  const Noise wash(3301);
  const Noise threads(4407, 1024);
  return Texture(w, h, [&](int x, int y) {
    const double t = (double(x) / w + double(y) / h) * 0.5;
    QRgb base = MixRgb(qRgb(238, 245, 236), qRgb(224, 238, 243), t);
    const double slow = (wash.Fbm(x / 180.0, y / 180.0, 3) - 0.5) * 14;
    const double across = (threads.At(x / 40.0, y / 1.6) - 0.5) * 10;
    const double down = (threads.At(x / 1.6 + 500, y / 40.0) - 0.5) * 10;
    const double grain = slow + across + down;
    const auto c = [grain](int v) { return std::clamp(int(std::lround(v + grain)), 0, 255); };
    return qRgb(c(qRed(base)), c(qGreen(base)), c(qBlue(base)));
  });
}

// The selection window: a light diagonal wash with soft circles of light and, low in the
// right corner, faint line drawings of a tree and a graph.
QImage SelectionBackground(int w, int h) {
  return Scene(w, h, [w, h](QPainter& p) {
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(216, 232, 247));
    g.setColorAt(0.55, QColor(236, 240, 246));
    g.setColorAt(1, QColor(247, 238, 222));
    p.fillRect(QRectF(0, 0, w, h), g);
    Rng rng(2024);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) {
      const QPointF c(rng.Range(0, w), rng.Range(0, h));
      const double r = rng.Range(30, 140);
      QRadialGradient rg(c, r);
      rg.setColorAt(0, QColor(255, 255, 255, int(rng.Range(40, 80))));
      rg.setColorAt(0.8, QColor(255, 255, 255, 20));
      rg.setColorAt(1, QColor(255, 255, 255, 0));
      p.setBrush(rg);
      p.drawEllipse(c, r, r);
    }
    // Faint line art: a binary tree and a small graph.
    const QColor ink(120, 150, 190, 55);
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap));
    const QPointF nodes[] = {{0.80, 0.58}, {0.72, 0.70}, {0.88, 0.70}, {0.68, 0.82},
                             {0.76, 0.82}, {0.84, 0.82}, {0.92, 0.82}};
    const int parent[] = {-1, 0, 0, 1, 1, 2, 2};
    const auto at = [w, h](QPointF f) { return QPointF(f.x() * w, f.y() * h); };
    for (int i = 1; i < 7; ++i) p.drawLine(at(nodes[parent[i]]), at(nodes[i]));
    p.setBrush(QColor(255, 255, 255, 90));
    for (const QPointF& n : nodes) p.drawEllipse(at(n), 14, 14);
    const QPointF graph[] = {{0.09, 0.78}, {0.19, 0.72}, {0.25, 0.84}, {0.13, 0.91}};
    const int edges[][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {1, 3}};
    for (const auto& e : edges) p.drawLine(at(graph[e[0]]), at(graph[e[1]]));
    for (const QPointF& n : graph) p.drawEllipse(at(n), 11, 11);
  });
}

// ---- Selection items -----------------------------------------------------------------------

// An opaque square tile in the chapter's hue with a bevelled edge; the motif is drawn over it.
void Tile(QPainter& p, const QColor& hue) {
  QLinearGradient g(0, 0, 0, 64);
  g.setColorAt(0, Shade(hue, 1.55));
  g.setColorAt(1, Shade(hue, 1.05));
  p.fillRect(QRectF(0, 0, 64, 64), g);
  p.setPen(QPen(QColor(255, 255, 255, 220), 2));
  p.drawLine(QPointF(1, 1), QPointF(63, 1));
  p.drawLine(QPointF(1, 1), QPointF(1, 63));
  p.setPen(QPen(Shade(hue, 0.6), 2));
  p.drawLine(QPointF(1, 63), QPointF(63, 63));
  p.drawLine(QPointF(63, 1), QPointF(63, 63));
}

void Cell(QPainter& p, const QRectF& r, const QColor& c) { Glossy(p, RoundRect(r, 2.5), c, 1.4); }

void ArrowRight(QPainter& p, QPointF a, QPointF b, const QColor& c) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawPath(ArrowPath(a, b, 2.2, 7, 6));
  p.restore();
}

void Node(QPainter& p, QPointF c, double r, const QColor& col) {
  Glossy(p, Ellipse(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r)), col, 1.4);
}

void Link(QPainter& p, QPointF a, QPointF b, const QColor& c) {
  p.save();
  p.setPen(QPen(c, 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a, b);
  p.restore();
}

void Magnifier(QPainter& p, QPointF c, double r) {
  p.save();
  p.setPen(QPen(QColor(70, 50, 30), 6, Qt::SolidLine, Qt::RoundCap));
  const QPointF handle = c + QPointF(r * 0.72, r * 0.72);
  p.drawLine(handle, handle + QPointF(r * 0.75, r * 0.75));
  p.setPen(QPen(QColor(40, 40, 50), 3.2));
  QRadialGradient lens(c - QPointF(r * 0.3, r * 0.3), r * 1.3);
  lens.setColorAt(0, QColor(255, 255, 255, 190));
  lens.setColorAt(1, QColor(190, 225, 255, 110));
  p.setBrush(lens);
  p.drawEllipse(c, r, r);
  p.restore();
}

void Bars(QPainter& p, const std::vector<double>& heights, double left, double width, double bottom,
          const QColor& c) {
  for (size_t i = 0; i < heights.size(); ++i) {
    const double x = left + i * width;
    Glossy(p, RoundRect(QRectF(x, bottom - heights[i], width - 2, heights[i]), 1.5),
           Mix(c, QColor(255, 140, 60), double(i) / heights.size() * 0.5), 1.2);
  }
}

QImage ChapterPicture(int chapter) {
  static const QColor hues[] = {QColor(70, 130, 200),  QColor(60, 160, 150),  QColor(200, 120, 60),
                                QColor(150, 100, 190), QColor(90, 150, 80),   QColor(190, 90, 120),
                                QColor(60, 140, 90),   QColor(70, 110, 180),  QColor(160, 130, 70),
                                QColor(60, 140, 170),  QColor(120, 110, 180), QColor(200, 100, 80),
                                QColor(110, 120, 140)};
  const QColor hue = hues[chapter];
  return Scene(
      64, 64,
      [chapter, hue](QPainter& p) {
        Tile(p, hue);
        const QColor ink = Shade(hue, 0.45);
        const QColor warm(250, 200, 80);
        const QColor light(245, 248, 252);
        switch (chapter) {
          case 0:  // sequential list: a row of cells, one marked
            for (int i = 0; i < 4; ++i)
              Cell(p, QRectF(6 + i * 13, 24, 12, 16), i == 2 ? warm : light);
            p.setPen(QPen(ink, 2));
            for (int i = 0; i < 4; ++i)
              p.drawLine(QPointF(9 + i * 13, 46), QPointF(15 + i * 13, 46));
            break;
          case 1:  // linked list: boxes joined by arrows
            for (int i = 0; i < 3; ++i) {
              Cell(p, QRectF(4 + i * 20, 24, 13, 14), i == 0 ? warm : light);
              if (i < 2) ArrowRight(p, QPointF(17 + i * 20, 31), QPointF(24 + i * 20, 31), ink);
            }
            break;
          case 2:  // stack: plates in an open box and a push arrow
            p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(
                QPolygonF({QPointF(14, 18), QPointF(14, 56), QPointF(50, 56), QPointF(50, 18)}));
            for (int i = 0; i < 3; ++i)
              Cell(p, QRectF(18, 44 - i * 10, 28, 9), i == 2 ? warm : light);
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawPath(ArrowPath(QPointF(32, 4), QPointF(32, 20), 3, 10, 7));
            break;
          case 3:  // string: letter cells
            for (int i = 0; i < 3; ++i) {
              Cell(p, QRectF(6 + i * 18, 20, 16, 24), i == 1 ? warm : light);
              CentredText(p, QRectF(6 + i * 18, 20, 16, 24), QString(QChar('a' + i)),
                          PixelFont(QStringLiteral("DejaVu Sans"), 16), ink);
            }
            break;
          case 4: {  // sparse matrix: a grid in brackets with a few entries
            p.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            p.drawPolyline(
                QPolygonF({QPointF(12, 10), QPointF(8, 10), QPointF(8, 54), QPointF(12, 54)}));
            p.drawPolyline(
                QPolygonF({QPointF(52, 10), QPointF(56, 10), QPointF(56, 54), QPointF(52, 54)}));
            for (int r = 0; r < 4; ++r)
              for (int c = 0; c < 4; ++c) {
                const bool filled = (r * 4 + c) % 5 == 1;
                if (filled)
                  Node(p, QPointF(17 + c * 10, 17 + r * 10), 4.2, warm);
                else {
                  p.setPen(Qt::NoPen);
                  p.setBrush(Alpha(light, 200));
                  p.drawEllipse(QPointF(17 + c * 10, 17 + r * 10), 1.8, 1.8);
                }
              }
            break;
          }
          case 5:  // generalized list: nested boxes
            Glossy(p, RoundRect(QRectF(5, 14, 54, 36), 8), light, 1.4);
            Glossy(p, RoundRect(QRectF(26, 20, 29, 24), 6), Mix(light, warm, 0.5), 1.4);
            Node(p, QPointF(15, 32), 5, hue);
            Node(p, QPointF(35, 32), 4.5, hue);
            Node(p, QPointF(46, 32), 4.5, hue);
            break;
          case 6: {  // binary tree
            const QPointF n[] = {{32, 14}, {18, 32}, {46, 32}, {10, 50}, {26, 50}, {54, 50}};
            const int parent[] = {-1, 0, 0, 1, 1, 2};
            for (int i = 1; i < 6; ++i) Link(p, n[parent[i]], n[i], ink);
            for (int i = 0; i < 6; ++i) Node(p, n[i], 6, i == 0 ? warm : light);
            break;
          }
          case 7: {  // graph
            const QPointF n[] = {{14, 16}, {46, 12}, {54, 40}, {28, 52}, {10, 38}, {32, 30}};
            const int edges[][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 0}, {5, 1}, {5, 3}, {5, 4}};
            for (const auto& e : edges) Link(p, n[e[0]], n[e[1]], ink);
            for (int i = 0; i < 6; ++i) Node(p, n[i], 5.5, i == 5 ? warm : light);
            break;
          }
          case 8: {  // storage: a memory column with used and free blocks
            const double tops[] = {8, 18, 24, 36, 44, 56};
            for (int i = 0; i < 5; ++i)
              Cell(p, QRectF(18, tops[i], 28, tops[i + 1] - tops[i] - 1),
                   i % 2 == 0 ? Mix(warm, QColor(230, 120, 80), i * 0.25) : light);
            break;
          }
          case 9:  // static search: cells and a magnifier
            for (int i = 0; i < 4; ++i)
              Cell(p, QRectF(4 + i * 13, 12, 12, 14), i == 2 ? warm : light);
            Magnifier(p, QPointF(30, 38), 10);
            break;
          case 10: {  // dynamic search: a tree and a magnifier
            const QPointF n[] = {{22, 11}, {11, 27}, {33, 27}};
            Link(p, n[0], n[1], ink);
            Link(p, n[0], n[2], ink);
            for (int i = 0; i < 3; ++i) Node(p, n[i], 6, i == 2 ? warm : light);
            Magnifier(p, QPointF(37, 40), 9);
            break;
          }
          case 11:  // internal sorting: ascending bars
            Bars(p, {10, 18, 26, 34, 42}, 8, 10, 54, warm);
            break;
          case 12: {  // external sorting: bars beside a disk
            Bars(p, {12, 22, 32}, 6, 9, 54, warm);
            const QRectF body(36, 18, 22, 34);
            Glossy(p, RoundRect(body, 3), light, 1.4);
            p.setPen(QPen(ink, 1.4));
            p.setBrush(Shade(light, 0.9));
            p.drawEllipse(QRectF(36, 13, 22, 10));
            p.drawArc(QRectF(36, 24, 22, 10), 180 * 16, 180 * 16);
            p.drawArc(QRectF(36, 34, 22, 10), 180 * 16, 180 * 16);
            break;
          }
          default:
            break;
        }
      },
      4);
}

// The root: three books on top of one another.
QImage RootPicture() {
  return Scene(
      64, 64,
      [](QPainter& p) {
        Tile(p, QColor(80, 120, 190));
        const QColor books[] = {QColor(210, 80, 70), QColor(240, 190, 70), QColor(80, 170, 120)};
        const double tops[] = {40, 28, 16};
        const double lefts[] = {8, 12, 9};
        for (int i = 0; i < 3; ++i) {
          const QRectF spine(lefts[i], tops[i], 46, 11);
          Glossy(p, RoundRect(spine, 2.5), books[i], 1.4);
          p.setPen(Qt::NoPen);
          p.setBrush(QColor(250, 246, 232));
          p.drawRect(QRectF(spine.right() - 6, spine.top() + 2, 4, spine.height() - 4));
          p.setBrush(Shade(books[i], 0.6));
          p.drawRect(QRectF(spine.left() + 6, spine.top() + 4.5, 18, 2));
        }
      },
      4);
}

}  // namespace

void AddBackdropsPictures(PictureTable& t) {
  t.push_back({QStringLiteral("Clouds"),
               {1024, 768},
               Transparency::Opaque,
               QStringLiteral("backdrop of the default theme, stretched to the screen"),
               [] { return Clouds(1024, 768); }});
  t.push_back(
      {QStringLiteral("ZqBACK_Link"),
       {1024, 768},
       Transparency::Opaque,
       QStringLiteral("backdrop of the linked-list and string themes, stretched to the screen"),
       [] { return Linen(1024, 768); }});
  t.push_back({QStringLiteral("crtbk"),
               {1024, 768},
               Transparency::Opaque,
               QStringLiteral("selection window background, stretched to the screen"),
               [] { return SelectionBackground(1024, 768); },
               true});
  t.push_back({QStringLiteral("AlgoSelRoot"),
               {64, 64},
               Transparency::Opaque,
               QStringLiteral("selection item picture of the root (and of chapters without one)"),
               [] { return RootPicture(); }});
  for (int i = 0; i < int(kChapterPictures.size()); ++i)
    t.push_back(
        {QString::fromLatin1(kChapterPictures[size_t(i)]),
         {64, 64},
         Transparency::Opaque,
         QStringLiteral("selection item picture of chapter %1 and the items below it").arg(i + 1),
         [i] { return ChapterPicture(i); }});
}

}  // namespace gen
