#include "tools/gen/Bmp.h"

#include <QFile>
#include <QSaveFile>

namespace gen {

namespace {

void Put16(QByteArray& out, int v) {
  out.append(char(v & 0xff));
  out.append(char((v >> 8) & 0xff));
}

void Put32(QByteArray& out, qint64 v) {
  for (int i = 0; i < 4; ++i) out.append(char((v >> (8 * i)) & 0xff));
}

}  // namespace

QByteArray EncodeBmp24(const QImage& image) {
  const QImage src = image.convertToFormat(QImage::Format_RGB32);
  const int w = src.width();
  const int h = src.height();
  const int rowBytes = (w * 3 + 3) & ~3;
  const int headerBytes = 14 + 40;
  QByteArray out;
  out.reserve(headerBytes + rowBytes * h);
  // BITMAPFILEHEADER
  out.append("BM", 2);
  Put32(out, headerBytes + qint64(rowBytes) * h);
  Put32(out, 0);
  Put32(out, headerBytes);
  // BITMAPINFOHEADER
  Put32(out, 40);
  Put32(out, w);
  Put32(out, h);  // positive: rows stored bottom-up
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);  // BI_RGB
  Put32(out, qint64(rowBytes) * h);
  Put32(out, 3780);  // 96 dots per inch
  Put32(out, 3780);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = h - 1; y >= 0; --y) {
    const auto* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    int written = 0;
    for (int x = 0; x < w; ++x) {
      out.append(char(qBlue(line[x])));
      out.append(char(qGreen(line[x])));
      out.append(char(qRed(line[x])));
      written += 3;
    }
    for (; written < rowBytes; ++written) out.append('\0');
  }
  return out;
}

bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    if (error) *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
  }
  return true;
}

}  // namespace gen
