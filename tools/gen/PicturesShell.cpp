// The demonstration window's toolbar glyphs and the variable window's small icons.
#include <QPainterPathStroker>
#include <cmath>

#include "tools/gen/Catalog.h"
#include "tools/gen/Paint.h"
#include "resources/PictureNames.h"

namespace gen {

namespace {

const QColor kGreen(70, 170, 90);
const QColor kAmber(240, 170, 50);
const QColor kBlue(60, 125, 205);
const QColor kRed(215, 70, 60);
const QColor kSteel(125, 140, 160);
const QColor kPaper(250, 250, 244);
const QColor kInk(60, 70, 90);
constexpr double kLine = 2.5;  // outline width of the 64-pixel glyphs

// A thick arrow along path: the shaft stroked `width` wide, a head at the end that points
// along the path's last direction.
QPainterPath CurvedArrow(const QPainterPath& path, double width, double head) {
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(Qt::FlatCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  QPainterPath shaft = stroker.createStroke(path);
  const QPointF end = path.pointAtPercent(1.0);
  const double angle = path.angleAtPercent(0.999) * M_PI / 180.0;
  const QPointF u(std::cos(angle), -std::sin(angle));  // Qt angles run anticlockwise
  const QPointF n(-u.y(), u.x());
  const QPointF tip = end + u * head * 0.9;
  QPainterPath arrow = Polygon({tip, end + n * head * 0.75, end - n * head * 0.75});
  return shaft.united(arrow).simplified();
}

void Badge(QPainter& p, const QColor& colour) {
  Glossy(p, Ellipse(QRectF(6, 6, 52, 52)), colour, kLine);
}

void TextLines(QPainter& p, double left, double top, int count, double step, const double* widths) {
  p.save();
  p.setPen(QPen(Shade(kSteel, 0.9), 3, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < count; ++i)
    p.drawLine(QPointF(left, top + i * step), QPointF(left + widths[i], top + i * step));
  p.restore();
}

QImage Glyph(int tag) {
  return Sprite(64, 64, kKeyColour, [tag](QPainter& p) {
    switch (tag) {
      case 1: {  // data: a table sheet and a pencil
        Flat(p, RoundRect(QRectF(8, 6, 38, 50), 4), kPaper, kLine);
        p.setPen(QPen(Shade(kBlue, 1.2), 2));
        for (int r = 0; r < 4; ++r) p.drawLine(QPointF(12, 18 + r * 9), QPointF(42, 18 + r * 9));
        p.drawLine(QPointF(22, 12), QPointF(22, 50));
        p.save();
        p.translate(42, 36);
        p.rotate(40);
        Glossy(p, RoundRect(QRectF(-5, -24, 10, 30), 2), kAmber, kLine);
        Flat(p, RoundRect(QRectF(-5, -29, 10, 7), 2), QColor(230, 130, 140), kLine);
        Flat(p, Polygon({QPointF(-5, 6), QPointF(5, 6), QPointF(0, 16)}), QColor(240, 215, 170),
             kLine);
        p.restore();
        break;
      }
      case 2:  // call stack: frames on top of one another
        for (int i = 0; i < 3; ++i) {
          const QRectF r(6 + i * 7, 8 + i * 14, 42, 18);
          Glossy(p, RoundRect(r, 3), Mix(kBlue, kPaper, 0.55 - i * 0.2), kLine);
          p.setPen(QPen(Shade(kBlue, 0.6), 2.5, Qt::SolidLine, Qt::RoundCap));
          p.drawLine(QPointF(r.left() + 6, r.center().y()), QPointF(r.left() + 26, r.center().y()));
        }
        break;
      case 3: {  // description: an open book
        const QColor page = kPaper;
        Flat(p, Polygon({QPointF(32, 16), QPointF(6, 10), QPointF(6, 50), QPointF(32, 56)}), page,
             kLine);
        Flat(p, Polygon({QPointF(32, 16), QPointF(58, 10), QPointF(58, 50), QPointF(32, 56)}), page,
             kLine);
        p.setPen(QPen(Shade(kBlue, 1.1), 2.2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 4; ++i) {
          p.drawLine(QPointF(11, 20 + i * 8), QPointF(27, 24 + i * 8));
          p.drawLine(QPointF(37, 24 + i * 8), QPointF(53, 20 + i * 8));
        }
        p.setPen(QPen(Shade(kSteel, 0.6), kLine));
        p.drawLine(QPointF(32, 16), QPointF(32, 56));
        break;
      }
      case 4:  // pause
        Badge(p, kAmber);
        Flat(p, RoundRect(QRectF(21, 18, 8, 28), 2), kPaper, 1.5);
        Flat(p, RoundRect(QRectF(35, 18, 8, 28), 2), kPaper, 1.5);
        break;
      case 5:  // run
        Badge(p, kGreen);
        Flat(p, Polygon({QPointF(25, 17), QPointF(47, 32), QPointF(25, 47)}), kPaper, 1.5);
        break;
      case 6: {  // step over: an arrow arching over a line
        const double widths[] = {16, 12};
        TextLines(p, 8, 52, 1, 0, widths);
        TextLines(p, 40, 52, 1, 0, widths + 1);
        Glossy(p, Ellipse(QRectF(26, 44, 12, 12)), kSteel, 2);
        QPainterPath arc;
        arc.moveTo(12, 42);
        arc.cubicTo(12, 6, 52, 6, 52, 34);
        Glossy(p, CurvedArrow(arc, 7, 9), kBlue, kLine);
        break;
      }
      case 7: {  // trace into: an arrow going down into the called procedure
        Flat(p, RoundRect(QRectF(22, 36, 36, 22), 3), kPaper, kLine);
        const double widths[] = {24, 18};
        TextLines(p, 28, 43, 2, 8, widths);
        QPainterPath down;
        down.moveTo(10, 6);
        down.lineTo(10, 26);
        down.quadTo(10, 34, 18, 34);
        Glossy(p, CurvedArrow(down, 7, 9), kBlue, kLine);
        break;
      }
      case 8: {  // run to cursor: play towards a text cursor
        Glossy(p, Polygon({QPointF(6, 14), QPointF(34, 32), QPointF(6, 50)}), kGreen, kLine);
        p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(46, 12), QPointF(46, 52));
        p.drawLine(QPointF(39, 12), QPointF(53, 12));
        p.drawLine(QPointF(39, 52), QPointF(53, 52));
        break;
      }
      case 9: {  // reset: a circular arrow
        QPainterPath ring;
        ring.arcMoveTo(QRectF(12, 12, 40, 40), 120);
        ring.arcTo(QRectF(12, 12, 40, 40), 120, 290);
        Glossy(p, CurvedArrow(ring, 8, 10), QColor(40, 160, 160), kLine);
        break;
      }
      case 10: {  // breakpoint: a red mark at a line of text
        const double widths[] = {30, 22, 30};
        TextLines(p, 28, 16, 3, 16, widths);
        Glossy(p, Ellipse(QRectF(4, 18, 24, 24)), kRed, kLine);
        break;
      }
      case 11: {  // options: a gear
        QPainterPath gear;
        const QPointF c(32, 32);
        const int teeth = 8;
        for (int i = 0; i < teeth * 4; ++i) {
          const double a = (i - 0.5) * M_PI * 2 / (teeth * 4);
          const double r = (i % 4 == 1 || i % 4 == 2) ? 27 : 20;
          const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * r;
          if (i == 0)
            gear.moveTo(pt);
          else
            gear.lineTo(pt);
        }
        gear.closeSubpath();
        gear.addEllipse(c, 8, 8);
        gear.setFillRule(Qt::OddEvenFill);
        Glossy(p, gear, kSteel, kLine);
        break;
      }
      case 12:  // help
        Badge(p, kBlue);
        CentredText(p, QRectF(6, 6, 52, 52), QStringLiteral("?"),
                    PixelFont(QStringLiteral("DejaVu Sans"), 38), kPaper);
        break;
      case 13: {  // return: a U-turn to the left
        QPainterPath back;
        back.moveTo(50, 56);
        back.lineTo(50, 30);
        back.cubicTo(50, 10, 24, 10, 22, 28);
        Glossy(p, CurvedArrow(back, 9, 11), QColor(235, 120, 50), kLine);
        break;
      }
      default:
        break;
    }
  });
}

// ---- Variable window (16 x 16) ---------------------------------------------------------------

QImage StatusSign(int kind) {
  return Sprite(16, 16, kKeyColour, [kind](QPainter& p) {
    if (kind == 0) {  // a plain value: a small dot
      Glossy(p, Ellipse(QRectF(5, 5, 6, 6)), kSteel, 0.8);
      return;
    }
    Flat(p, RoundRect(QRectF(2.5, 2.5, 11, 11), 2), kPaper, 1);
    p.setPen(QPen(kBlue.darker(130), 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(5, 8), QPointF(11, 8));
    if (kind == 1) p.drawLine(QPointF(8, 5), QPointF(8, 11));
  });
}

// Small text drawn at its own size, with the font's hinting, so that it stays crisp.
void CrispText(QImage& image, const QRectF& r, const QString& text, const QFont& font) {
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont f = font;
  f.setHintingPreference(QFont::PreferFullHinting);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(r, Qt::AlignCenter, text);
}

QImage TypeIcon(int icon) {
  static const QColor colours[] = {QColor(50, 145, 70),  QColor(45, 100, 185), QColor(125, 75, 175),
                                   QColor(205, 105, 25), QColor(20, 130, 130), QColor(195, 60, 50),
                                   QColor(80, 95, 185),  QColor(150, 100, 50)};
  const QColor c = colours[icon - 1];
  QImage image = Sprite(
      16, 16, kKeyColour,
      [icon, c](QPainter& p) {
        Flat(p, RoundRect(QRectF(0.5, 0.5, 15, 15), 3), c, 1);
        p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        switch (icon) {
          case 1:  // boolean: a tick
            p.drawPolyline(QPolygonF({QPointF(4, 8.5), QPointF(7, 11.5), QPointF(12, 4.5)}));
            break;
          case 6:  // pointer: an arrow
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawPath(ArrowPath(QPointF(3, 8), QPointF(13, 8), 2, 7, 4.5));
            break;
          case 7:  // vector: a row of cells
            p.setPen(QPen(Qt::white, 1.2));
            p.drawRect(QRectF(2.5, 5.5, 11, 5));
            p.drawLine(QPointF(6.2, 5.5), QPointF(6.2, 10.5));
            p.drawLine(QPointF(9.8, 5.5), QPointF(9.8, 10.5));
            break;
          case 8:  // record: fields under one another
            p.setPen(QPen(Qt::white, 1.2));
            p.drawRect(QRectF(4, 2.5, 8, 11));
            p.drawLine(QPointF(4, 6.2), QPointF(12, 6.2));
            p.drawLine(QPointF(4, 9.8), QPointF(12, 9.8));
            break;
          default:
            break;
        }
      },
      8);
  const QRectF box(0, 0, 16, 15);
  const QString sans = QStringLiteral("DejaVu Sans");
  switch (icon) {
    case 2:
      CrispText(image, box, QStringLiteral("12"), PixelFont(sans, 9));
      break;
    case 3:
      CrispText(image, box, QStringLiteral("1."), PixelFont(sans, 10));
      break;
    case 4:
      CrispText(image, box, QStringLiteral("a"), PixelFont(sans, 11));
      break;
    case 5:
      CrispText(image, box, QStringLiteral("ab"), PixelFont(sans, 9));
      break;
    default:
      break;
  }
  return image;
}

}  // namespace

void AddShellPictures(PictureTable& t) {
  static const char* const roles[] = {"数据 enter new input",
                                      "调用栈 call stack",
                                      "说明 description",
                                      "暂停 pause",
                                      "执行 run",
                                      "单步 step over",
                                      "跟踪 trace into",
                                      "执行到 run to cursor",
                                      "恢复 reset",
                                      "断点 breakpoints",
                                      "设置 options",
                                      "帮助 help",
                                      "返回 return"};
  for (int tag = 1; tag <= 13; ++tag)
    t.push_back({QString::fromLatin1(kToolbarGlyphs[size_t(tag - 1)]),
                 {64, 64},
                 Transparency::BottomLeftKey,
                 QStringLiteral("toolbar glyph of button %1 (%2)")
                     .arg(tag)
                     .arg(QString::fromUtf8(roles[tag - 1])),
                 [tag] { return Glyph(tag); }});
  const char* const statuses[] = {"VarStatus_Atom", "VarStatus_Plus", "VarStatus_Minus"};
  const char* const statusRoles[] = {"status sign of a plain value",
                                     "status sign of a closed composite",
                                     "status sign of an open composite"};
  for (int i = 0; i < 3; ++i)
    t.push_back({QString::fromLatin1(statuses[i]),
                 {16, 16},
                 Transparency::BottomLeftKey,
                 QString::fromLatin1(statusRoles[i]),
                 [i] { return StatusSign(i); }});
  const char* const types[] = {"VarBmp_Bool", "VarBmp_Int", "VarBmp_Float",  "VarBmp_Char",
                               "VarBmp_Str",  "VarBmp_Ptr", "VarBmp_Vector", "VarBmp_Record"};
  const char* const typeRoles[] = {"boolean", "integer", "real",   "character",
                                   "string",  "pointer", "vector", "record and other nodes"};
  for (int icon = 1; icon <= 8; ++icon)
    t.push_back({QString::fromLatin1(types[icon - 1]),
                 {16, 16},
                 Transparency::BottomLeftKey,
                 QStringLiteral("variable window type picture %1: %2")
                     .arg(icon)
                     .arg(QLatin1String(typeRoles[icon - 1])),
                 [icon] { return TypeIcon(icon); }});
}

}  // namespace gen
