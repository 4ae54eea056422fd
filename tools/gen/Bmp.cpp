#include "tools/gen/Bmp.h"

#include <QFile>
#include <QSaveFile>
#include <cstdlib>

namespace gen {

namespace {

void Put16(QByteArray& out, int v) {
  out.append(char(v & 0xff));
  out.append(char((v >> 8) & 0xff));
}

void Put32(QByteArray& out, qint64 v) {
  for (int i = 0; i < 4; ++i) out.append(char((v >> (8 * i)) & 0xff));
}

// BITMAPFILEHEADER and BITMAPINFOHEADER of an uncompressed picture whose pixels start at
// offset (at least 54; zeros fill the gap); a negative height stores the rows top-down.
void PutHeaders(QByteArray& out, int width, int height, int bits, int rowBytes, int offset) {
  const qint64 pixelBytes = qint64(rowBytes) * std::abs(height);
  out.reserve(offset + pixelBytes);
  out.append("BM", 2);
  Put32(out, offset + pixelBytes);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, width);
  Put32(out, height);
  Put16(out, 1);
  Put16(out, bits);
  Put32(out, 0);  // BI_RGB
  Put32(out, pixelBytes);
  Put32(out, 3780);  // 96 dots per inch
  Put32(out, 3780);
  Put32(out, 0);
  Put32(out, 0);
  out.append(offset - out.size(), '\0');
}

}  // namespace

QByteArray EncodeBmp24(const QImage& image) {
  const QImage src = image.convertToFormat(QImage::Format_RGB32);
  const int w = src.width();
  const int h = src.height();
  const int rowBytes = (w * 3 + 3) & ~3;
  QByteArray out;
  PutHeaders(out, w, h, 24, rowBytes, 54);
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

QByteArray EncodeBmp32TopDown(const QImage& image) {
  const QImage src = image.convertToFormat(QImage::Format_RGB32);
  QByteArray out;
  // Pixels on a four-byte boundary, so that the mapped file can be drawn as it is.
  PutHeaders(out, src.width(), -src.height(), 32, src.width() * 4, 56);
  for (int y = 0; y < src.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    for (int x = 0; x < src.width(); ++x) {
      out.append(char(qBlue(line[x])));
      out.append(char(qGreen(line[x])));
      out.append(char(qRed(line[x])));
      out.append(char(0xff));
    }
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
