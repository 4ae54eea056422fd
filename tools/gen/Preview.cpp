#include "tools/gen/Preview.h"

#include <QDir>
#include <QPainter>
#include <cmath>

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
                                        ? QColor(226, 232, 240) : QColor(244, 246, 250));
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
    const char* mark = pic.transparency == Transparency::Opaque ? "" :
                       pic.transparency == Transparency::BlackKey ? " (black key)" : " (key)";
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
  const size_t page = 30;
  for (size_t start = 0, n = 1; start < pictures.size(); start += page, ++n) {
    const size_t end = std::min(pictures.size(), start + page);
    const std::vector<const Picture*> ps(pictures.begin() + long(start), pictures.begin() + long(end));
    const std::vector<QImage> is(images.begin() + long(start), images.begin() + long(end));
    if (!Save(Sheet(ps, is, 6, 220, 190), dir.filePath(QStringLiteral("sheet-%1.png").arg(n)), error))
      return false;
  }
  for (size_t i = 0; i < pictures.size(); ++i) {
    const QString& name = pictures[i]->name;
    if (name != QLatin1String("Clouds") && name != QLatin1String("ZqBACK_Link") &&
        name != QLatin1String("crtbk"))
      continue;
    if (!Save(Stretched(images[i], 1920, 1080), dir.filePath(name + QStringLiteral("-1920.png")), error) ||
        !Save(Stretched(images[i], 1024, 768), dir.filePath(name + QStringLiteral("-1024.png")), error))
      return false;
  }
  return true;
}

}  // namespace gen
