#include "tools/gen/Preview.h"

#include <QDir>
#include <QPainter>
#include <cmath>
#include <map>

#include "tools/gen/Catalog.h"
#include "tools/gen/Paint.h"

namespace gen {

namespace {

// The picture as the program shows it: see-through pixels made transparent.
QImage AsShown(const Picture& picture, const QImage& image) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  if (picture.transparency == Transparency::Opaque) return out;
  const QRgb key = picture.transparency == Transparency::BlackKey ? kBlackKey : kKeyColour;
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if ((line[x] | 0xff000000u) == key) line[x] = 0;
  }
  return out;
}

void Checker(QPainter& p, const QRect& r) {
  p.save();
  p.setClipRect(r);
  for (int y = r.top(); y < r.bottom(); y += 8)
    for (int x = r.left(); x < r.right(); x += 8)
      p.fillRect(QRect(x, y, 8, 8), ((x - r.left()) / 8 + (y - r.top()) / 8) % 2
                                        ? QColor(226, 232, 240)
                                        : QColor(244, 246, 250));
  p.restore();
}

QImage Sheet(const std::vector<const Picture*>& pictures, const std::vector<QImage>& images,
             int columns, int cellW, int cellH) {
  const int rows = int((pictures.size() + columns - 1) / columns);
  QImage sheet(columns * cellW, rows * cellH, QImage::Format_RGB32);
  sheet.fill(QColor(250, 250, 250));
  QPainter p(&sheet);
  p.setRenderHint(QPainter::TextAntialiasing);
  const int boxW = cellW - 16;
  const int boxH = cellH - 34;
  for (size_t i = 0; i < pictures.size(); ++i) {
    const Picture& pic = *pictures[i];
    const QImage shown = AsShown(pic, images[i]);
    const double fit = std::min(double(boxW) / shown.width(), double(boxH) / shown.height());
    QImage scaled;
    if (fit >= 2) {
      const int k = int(std::floor(fit));
      scaled = shown.scaled(shown.width() * k, shown.height() * k, Qt::IgnoreAspectRatio,
                            Qt::FastTransformation);
    } else if (fit < 1) {
      scaled = shown.scaled(int(shown.width() * fit), int(shown.height() * fit),
                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else {
      scaled = shown;
    }
    const int cx = int(i % columns) * cellW;
    const int cy = int(i / columns) * cellH;
    const QRect at(cx + (cellW - scaled.width()) / 2, cy + 8 + (boxH - scaled.height()) / 2,
                   scaled.width(), scaled.height());
    if (pic.transparency != Transparency::Opaque) Checker(p, at);
    p.drawImage(at.topLeft(), scaled);
    p.setPen(QColor(60, 60, 70));
    p.setFont(PixelFont(QStringLiteral("DejaVu Sans"), 11, false));
    const char* mark = pic.transparency == Transparency::Opaque     ? ""
                       : pic.transparency == Transparency::BlackKey ? " (black key)"
                                                                    : " (key)";
    p.drawText(QRect(cx, cy + cellH - 26, cellW, 24), Qt::AlignCenter,
               QStringLiteral("%1  %2x%3%4")
                   .arg(pic.name)
                   .arg(pic.size.width())
                   .arg(pic.size.height())
                   .arg(QLatin1String(mark)));
  }
  return sheet;
}

// A backdrop stretched to a screen, with the texts and colours the program writes on it.
QImage Stretched(const QImage& backdrop, int w, int h) {
  QImage out = backdrop.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   .convertToFormat(QImage::Format_RGB32);
  QPainter p(&out);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QFont song = PixelFont(QStringLiteral("AR PL UMing CN"), 19, false);
  const QFont arial = PixelFont(QStringLiteral("Liberation Sans"), 16, false);
  const struct {
    QColor colour;
    QString text;
  } lines[] = {{Qt::black, QStringLiteral("Proc Ackman(m,n:integer):integer;  算法演示完毕。")},
               {Qt::blue, QStringLiteral("变量名  m   n   temp   result")},
               {QColor(0, 128, 0), QStringLiteral("当前值  3   2   9   29")},
               {Qt::red, QStringLiteral("修改的值 (1,2,'a')")},
               {QColor(0, 128, 128), QStringLiteral("顺序表  链表  栈  串  稀疏矩阵")}};
  int y = h / 6;
  for (const auto& line : lines) {
    p.setPen(line.colour);
    p.setFont(song);
    p.drawText(w / 12, y, line.text);
    p.setFont(arial);
    p.drawText(w / 2, y, QStringLiteral("Arial: Ackman(2,1) = 5  Queue ArriveTime=>"));
    y += 34;
  }
  return out;
}

// Pictures put together the way the windows use them, to judge them in place.
QImage Scenes(const std::map<QString, QImage>& shown) {
  const auto pic = [&shown](const char* name) { return shown.at(QString::fromLatin1(name)); };
  QImage out(1280, 900, QImage::Format_RGB32);
  out.fill(QColor(250, 250, 250));
  QPainter p(&out);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  // Hanoi: 3 plates on a, 2 on c, in a 420 x 300 control.
  {
    const QRect area(10, 10, 420, 300);
    const int W = area.width(), H = area.height();
    p.drawImage(area, pic("hanoiback"));
    const int centres[] = {W / 6, W / 2, W - W / 6};
    const int baseY = (H / 15) * 14;
    for (int i = 0; i < 3; ++i) {
      const int pw = W / 15, ph = 2 * H / 3;
      p.drawImage(QRect(area.left() + centres[i] - pw / 2, area.top() + baseY - ph, pw, ph),
                  pic(i == 0   ? "polea"
                      : i == 1 ? "poleb"
                               : "polec"));
    }
    const int a = W / 3, b = W / 5, c = H / 5, d = H / 7;
    const std::vector<std::vector<int>> poles = {{1, 2, 5}, {}, {3, 4}};
    for (int i = 0; i < 3; ++i) {
      int top = 0;
      for (size_t k = 0; k < poles[size_t(i)].size(); ++k) {
        const int s = poles[size_t(i)][k];
        const int w = a - ((s - 1) * (a - b)) / 4, h = c - ((s - 1) * (c - d)) / 4;
        top = k == 0 ? baseY - (h / 3) * 2 : top - h / 3;
        p.drawImage(QRect(area.left() + centres[i] - w / 2, area.top() + top, w, h),
                    pic(QStringLiteral("plate%1").arg(s).toLatin1().constData()));
      }
    }
  }
  // Queens: 6 queens on a 332 x 355 board area.
  {
    const QRect area(450, 10, 332, 355);
    const int n = 6;
    const int W = area.width(), H = area.height();
    int cell = int(std::lround(W / (n + 1.5)));
    cell = std::min(cell, int(std::lround(H / double(n + 3))));
    const int left = (W - cell * n) / 2;
    const int top = int(std::lround((H - cell * (n + 1.5)) * 0.5 + cell * 1.5));
    p.save();
    p.setClipRect(area);
    const QImage board = pic("QueenBoard");
    const double r = std::min(double(board.width()) / W, double(board.height()) / H);
    p.drawImage(QRectF(area.left(), area.top(), board.width() / r, board.height() / r), board);
    p.restore();
    for (int cx = 0; cx < n; ++cx)
      for (int cy = 0; cy < n; ++cy)
        if ((cx + cy) % 2)
          for (int y = 0; y < cell; ++y)
            for (int x = (y % 2); x < cell; x += 2)
              p.fillRect(area.left() + left + cx * cell + x, area.top() + top + cy * cell + y, 1, 1,
                         Qt::black);
    const int rows[] = {1, 3, 5, 0, 0, 0};
    const int sprite = cell * 4 / 5;
    for (int c = 1; c <= n; ++c) {
      const int r0 = rows[c - 1];
      const int qx = int((c - 1 + 0.1) * cell) + left;
      const int qy = r0 == 0 ? int(cell * -1.4) + top : int((r0 - 1 + 0.1) * cell) + top;
      const char* q = c <= 2 ? "Queen1" : c == 3 ? "Queen3" : "Queen2";
      p.drawImage(QRect(area.left() + qx, area.top() + qy, sprite, sprite), pic(q));
    }
  }
  // Maze: 8 x 8 cells at 40 pixels.
  {
    const char* names[] = {"mazeEmpty", "mazeBlocked", "mazeVisited", "mazeReturned",
                           "mazeUp",    "mazeDown",    "mazeLeft",    "mazeRight"};
    Rng rng(5);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        p.drawImage(QRect(800 + x * 40, 10 + y * 40, 40, 40), pic(names[rng.Int(8)]));
  }
  // Knapsack window: background, piles and knapsack cells at 20 pixels.
  {
    const QRect area(10, 330, 400, 224);
    p.drawImage(area, pic("PkgBack"));
    for (int item = 1; item <= 4; ++item)
      for (int j = 0; j < item + 1; ++j)
        p.drawImage(QRect(area.left() + 20 + (item - 1) * 80 + (j % 3) * 20,
                          area.top() + 180 - (j / 3) * 20, 20, 20),
                    pic(QStringLiteral("PkgBmp%1").arg(item).toLatin1().constData()));
    for (int k = 0; k < 12; ++k)
      p.drawImage(QRect(area.left() + 320 + (k % 4) * 20, area.top() + 180 - (k / 4) * 20, 20, 20),
                  pic(k < 3 ? "PkgBmp2" : "PkgBmp9"));
    p.setPen(QColor(255, 255, 0));
    p.setFont(PixelFont(QStringLiteral("AR PL UKai CN"), 20));
    p.drawText(area.left() + 20, area.top() + 30, QStringLiteral("W1=  W2=  T="));
  }
  // Bank hall with tellers and customers.
  {
    const QRect area(430, 380, 460, 340);
    p.drawImage(area, pic("bankgate2"));
    for (int k = 0; k < 4; ++k)
      p.drawImage(area.left() + 460 * (2 * k + 1) / 8 - 24, area.top() + 4, pic("bb"));
    const char* people[] = {"up2", "up1", "stand", "left2", "right3", "down1"};
    const QPoint at[] = {{57, 90}, {172, 140}, {287, 90}, {330, 220}, {120, 240}, {230, 270}};
    for (int i = 0; i < 6; ++i)
      p.drawImage(area.left() + at[i].x() - 16, area.top() + at[i].y(), pic(people[i]));
  }
  // Tree nodes 38 x 38 with their number and letter.
  {
    const QRect area(900, 350, 360, 160);
    p.drawImage(area, shown.at(QStringLiteral("Clouds")).scaled(area.size()));
    const QPoint nodes[] = {{160, 10}, {80, 60}, {240, 60}, {40, 110}, {120, 110}};
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    const int parent[] = {-1, 0, 0, 1, 1};
    for (int i = 1; i < 5; ++i)
      p.drawLine(area.topLeft() + nodes[parent[i]] + QPoint(19, 19),
                 area.topLeft() + nodes[i] + QPoint(19, 0));
    for (int i = 0; i < 5; ++i) {
      const QRect r(area.topLeft() + nodes[i], QSize(38, 38));
      p.drawImage(r, pic(i == 2 ? "treenode2" : "treenode1"));
      p.setFont(PixelFont(QStringLiteral("Liberation Sans"), 19));
      p.setPen(Qt::black);
      p.drawText(r.left(), r.top() - 3 + 17, QString::number(i + 1));
      p.setFont(PixelFont(QStringLiteral("Liberation Sans"), 30));
      p.setPen(QColor(255, 255, 0));
      p.drawText(r, Qt::AlignCenter, QString(QChar('A' + i)));
    }
  }
  // Toolbar at 30 and 58 pixel glyphs over the backdrop, and variable rows.
  {
    const QRect bar(10, 740, 1260, 150);
    p.drawImage(bar, shown.at(QStringLiteral("Clouds")).scaled(bar.size()));
    const char* glyphs[] = {"tb_data",  "tb_callstack",  "tb_desc",      "tb_stop",
                            "tb_run",   "tb_stepover",   "tb_traceinto", "tb_runtocursor",
                            "tb_reset", "tb_breakpoint", "tb_options",   "tb_help",
                            "tb_return"};
    for (int i = 0; i < 13; ++i) {
      p.drawImage(QRect(bar.left() + 10 + i * 46, bar.top() + 8, 30, 30), pic(glyphs[i]));
      p.drawImage(QRect(bar.left() + 10 + i * 66, bar.top() + 50, 58, 58), pic(glyphs[i]));
    }
    const char* icons[] = {"VarStatus_Atom",  "VarBmp_Int",    "VarStatus_Plus", "VarBmp_Record",
                           "VarStatus_Minus", "VarBmp_Vector", "VarStatus_Atom", "VarBmp_Str"};
    p.setFont(PixelFont(QStringLiteral("Liberation Sans"), 14, false));
    for (int i = 0; i < 4; ++i) {
      const int y = bar.top() + 8 + i * 20;
      p.drawImage(bar.left() + 620, y, pic(icons[2 * i]));
      p.drawImage(bar.left() + 638, y, pic(icons[2 * i + 1]));
      p.setPen(Qt::blue);
      p.drawText(bar.left() + 658, y + 13, QStringLiteral("variable%1").arg(i));
    }
  }
  return out;
}

bool Save(const QImage& image, const QString& path, QString* error) {
  if (image.save(path)) return true;
  if (error) *error = QStringLiteral("cannot write %1").arg(path);
  return false;
}

}  // namespace

bool WritePreview(const QString& dirName, QString* error) {
  QDir dir(dirName);
  dir.mkpath(QStringLiteral("."));
  std::vector<const Picture*> pictures;
  std::vector<QImage> images;
  for (const Picture& pic : AllPictures()) {
    pictures.push_back(&pic);
    images.push_back(pic.draw());
  }
  if (!Save(Sheet(pictures, images, 8, 200, 170), dir.filePath(QStringLiteral("sheet.png")), error))
    return false;
  std::map<QString, QImage> shown;
  for (size_t i = 0; i < pictures.size(); ++i)
    shown[pictures[i]->name] = AsShown(*pictures[i], images[i]);
  if (!Save(Scenes(shown), dir.filePath(QStringLiteral("scenes.png")), error)) return false;
  const size_t page = 30;
  for (size_t start = 0, n = 1; start < pictures.size(); start += page, ++n) {
    const size_t end = std::min(pictures.size(), start + page);
    const std::vector<const Picture*> ps(pictures.begin() + long(start),
                                         pictures.begin() + long(end));
    const std::vector<QImage> is(images.begin() + long(start), images.begin() + long(end));
    if (!Save(Sheet(ps, is, 6, 220, 190), dir.filePath(QStringLiteral("sheet-%1.png").arg(n)),
              error))
      return false;
  }
  for (size_t i = 0; i < pictures.size(); ++i) {
    const QString& name = pictures[i]->name;
    if (name != QLatin1String("Clouds") && name != QLatin1String("ZqBACK_Link") &&
        name != QLatin1String("crtbk"))
      continue;
    if (!Save(Stretched(images[i], 1920, 1080), dir.filePath(name + QStringLiteral("-1920.png")),
              error) ||
        !Save(Stretched(images[i], 1024, 768), dir.filePath(name + QStringLiteral("-1024.png")),
              error))
      return false;
  }
  return true;
}

}  // namespace gen
