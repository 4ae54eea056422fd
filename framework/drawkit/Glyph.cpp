#include "framework/drawkit/Glyph.h"

#include <memory>

#include "platform/Bitmap.h"

QImage KeyedPicture(const QString& name) {
  const std::unique_ptr<TBitmap> picture = LoadPicture(name);
  if (!picture || picture->Empty()) return {};
  QImage image = picture->Image().convertToFormat(QImage::Format_ARGB32);
  const QRgb key = image.pixel(0, image.height() - 1);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == key) image.setPixel(x, y, qRgba(0, 0, 0, 0));
  return image;
}
