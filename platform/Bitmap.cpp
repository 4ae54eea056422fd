#include "platform/Bitmap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <memory>
#include <stdexcept>

#include "platform/Application.h"
#include "platform/PaintRecord.h"

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::TBitmap(const QImage& image) { Assign(image); }

TBitmap::TBitmap(TBitmap&& other) noexcept { *this = std::move(other); }

TBitmap::~TBitmap() { paintrecord::Forget(&image_); }

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept {
  if (&other == this) return *this;
  paintrecord::Forget(&image_);
  paintrecord::Forget(&other.image_);
  image_ = std::move(other.image_);
  width_ = std::exchange(other.width_, 0);
  height_ = std::exchange(other.height_, 0);
  other.image_ = QImage();
  Transparent = other.Transparent;
  transparentColor_ = other.transparentColor_;
  canvas_.Pen = other.canvas_.Pen;
  canvas_.Brush = other.canvas_.Brush;
  canvas_.Font = other.canvas_.Font;
  return *this;
}

void TBitmap::SetSize(int w, int h) {
  w = std::max(0, w);
  h = std::max(0, h);
  if (w == width_ && h == height_) return;
  width_ = w;
  height_ = h;
  if (w == 0 || h == 0) {
    image_ = QImage();
    return;
  }
  QImage resized(w, h, QImage::Format_RGB32);
  resized.fill(Qt::white);
  const int cw = std::min(w, image_.width()), ch = std::min(h, image_.height());
  for (int y = 0; y < ch; ++y)
    std::copy_n(reinterpret_cast<const QRgb*>(image_.constScanLine(y)), cw,
                reinterpret_cast<QRgb*>(resized.scanLine(y)));
  image_ = std::move(resized);
}

TColor TBitmap::TransparentColor() const {
  if (transparentColor_ != clNone) return transparentColor_;
  if (image_.isNull()) return clNone;
  return FromQRgb(image_.pixel(0, image_.height() - 1));
}

namespace {

std::function<void(const QString&)>& MissingPictureHandler() {
  static std::function<void(const QString&)> handler;
  return handler;
}

void ReportMissingPicture(const QString& name) {
  if (!MissingPictureHandler()) return;
  QString bare = QString(name).replace('\\', '/').section('/', -1);
  if (bare.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)) bare.chop(4);
  MissingPictureHandler()(bare);
}

}  // namespace

void SetMissingPictureHandler(std::function<void(const QString& name)> handler) {
  MissingPictureHandler() = std::move(handler);
}

void TBitmap::LoadFromFile(const QString& name) {
  if (TryLoadFromFile(name)) return;
  ReportMissingPicture(name);
  throw std::runtime_error(("Cannot open file \"" + name + "\"").toStdString());
}

namespace {

quint32 Le32(const uchar* p) { return p[0] | p[1] << 8 | p[2] << 16 | quint32(p[3]) << 24; }
quint16 Le16(const uchar* p) { return quint16(p[0] | p[1] << 8); }

// The file stays mapped for as long as an image drawn in place from it lives.
void CloseMappedFile(void* file) { delete static_cast<QFile*>(file); }

// An uncompressed 24- or 32-bit BMP, as the picture generator writes every picture, read
// from the mapped file into the image Qt's reader would make. A top-down 32-bit file whose
// rows start with opaque pixels is not copied at all: the image is drawn from the mapped
// file itself (the selection window's screen-sized background is such a file). Null for any
// other file.
QImage ReadBmp(const QString& path) {
  auto file = std::make_unique<QFile>(path);
  if (!file->open(QIODevice::ReadOnly) || file->size() < 54) return {};
  const qint64 size = file->size();
  const uchar* d = file->map(0, size);
  if (d == nullptr || d[0] != 'B' || d[1] != 'M') return {};
  const qint64 offset = Le32(d + 10);
  const qint64 headerSize = Le32(d + 14);
  const qint32 width = static_cast<qint32>(Le32(d + 18));
  const qint32 height = static_cast<qint32>(Le32(d + 22));  // negative: rows top-down
  const int bits = Le16(d + 28);
  if (headerSize < 40 || Le16(d + 26) != 1 || (bits != 24 && bits != 32) || Le32(d + 30) != 0)
    return {};
  if (width <= 0 || width > 32767 || height == 0 || height < -32767 || height > 32767) return {};
  const int rows = height > 0 ? height : -height;
  const int pixelBytes = bits / 8;
  const qint64 stride = (qint64(width) * pixelBytes + 3) & ~qint64(3);
  if (offset < 14 + headerSize || offset + stride * rows > size) return {};
  const auto opaqueRows = [&] {
    for (int y = 0; y < rows; ++y)
      if (d[offset + stride * y + 3] != 0xff) return false;
    return true;
  };
  if (bits == 32 && height < 0 && offset % 4 == 0 && opaqueRows()) {
    QImage inPlace(d + offset, width, rows, stride, QImage::Format_RGB32, CloseMappedFile,
                   file.get());
    if (inPlace.isNull()) return {};
    file.release();
    inPlace.setDotsPerMeterX(static_cast<qint32>(Le32(d + 38)));
    inPlace.setDotsPerMeterY(static_cast<qint32>(Le32(d + 42)));
    return inPlace;
  }
  QImage image(width, rows, QImage::Format_RGB32);
  if (image.isNull()) return {};
  for (int y = 0; y < rows; ++y) {
    const uchar* in = d + offset + stride * (height > 0 ? rows - 1 - y : y);
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x, in += pixelBytes) out[x] = qRgb(in[2], in[1], in[0]);
  }
  image.setDotsPerMeterX(static_cast<qint32>(Le32(d + 38)));
  image.setDotsPerMeterY(static_cast<qint32>(Le32(d + 42)));
  return image;
}

}  // namespace

QImage ReadImageFile(const QString& path) {
  QImage image = ReadBmp(path);
  if (image.isNull()) image = QImageReader(path).read();
  return image;
}

bool TBitmap::TryLoadFromFile(const QString& name) {
  const QString path = ResolveProgramFile(name);
  if (path.isEmpty()) return false;
  const QImage loaded = ReadImageFile(path);
  if (loaded.isNull()) return false;
  Assign(loaded);
  return true;
}

bool TBitmap::SaveToFile(const QString& name) const {
  if (image_.isNull()) return false;
  QString path = QString(name).replace('\\', '/');
  if (QFileInfo(path).isRelative()) path = app::AppPath() + path;
  return image_.save(path, "BMP");
}

void TBitmap::Assign(const TBitmap& other) {
  if (&other == this) return;
  paintrecord::Forget(&image_);
  image_ = other.image_;
  width_ = other.width_;
  height_ = other.height_;
  Transparent = other.Transparent;
  transparentColor_ = other.transparentColor_;
}

void TBitmap::Assign(const QImage& image) {
  paintrecord::Forget(&image_);
  image_ = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
  width_ = image_.width();
  height_ = image_.height();
}

QString ResolveProgramFile(const QString& name) {
  const QString n = QString(name).replace('\\', '/');
  if (n.isEmpty()) return {};
  if (n.startsWith('/')) return app::FindFile(QStringLiteral("/"), n);
  return app::FindFile(app::AppPath(), n);
}

std::unique_ptr<TBitmap> LoadPicture(const QString& name) {
  auto bitmap = std::make_unique<TBitmap>();
  // The bare names of pictures live in the image folder: look there first, as a name not
  // found with its exact spelling has a whole folder listed to match its letter case.
  const bool bare = !name.contains('/') && !name.contains('\\');
  const QString inImages = QStringLiteral("image/") + name;
  for (const QString& candidate : bare ? QStringList{inImages, name} : QStringList{name, inImages})
    if (bitmap->TryLoadFromFile(candidate)) return bitmap;
  ReportMissingPicture(name);
  return nullptr;
}

void TImageList::SetSize(int width, int height) {
  width_ = width;
  height_ = height;
  frames_.clear();
}

int TImageList::Add(const TBitmap& bitmap) { return AddFrames(bitmap, clNone); }

int TImageList::AddMasked(const TBitmap& bitmap, TColor maskColor) {
  return AddFrames(bitmap, maskColor);
}

int TImageList::AddFrames(const TBitmap& bitmap, TColor mask) {
  if (bitmap.Empty() || width_ <= 0 || height_ <= 0) return -1;
  const int count = std::max(1, bitmap.Width() / width_);
  const int first = Count();
  for (int i = 0; i < count; ++i) {
    // A frame smaller than the list's size is padded with white at its right and bottom.
    QImage frame(width_, height_, QImage::Format_RGB32);
    frame.fill(Qt::white);
    const QImage part = bitmap.Image().copy(i * width_, 0, width_, height_);
    const int cw = std::min(width_, bitmap.Width() - i * width_);
    const int ch = std::min(height_, bitmap.Height());
    for (int y = 0; y < ch; ++y)
      std::copy_n(reinterpret_cast<const QRgb*>(part.constScanLine(y)), cw,
                  reinterpret_cast<QRgb*>(frame.scanLine(y)));
    frames_.push_back({std::move(frame), mask});
  }
  return first;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) const {
  if (index < 0 || index >= Count()) return;
  TBitmap frame;
  GetBitmap(index, frame);
  canvas.Draw(x, y, frame);
}

void TImageList::GetBitmap(int index, TBitmap& into) const {
  if (index < 0 || index >= Count()) return;
  const Frame& f = frames_[static_cast<size_t>(index)];
  into.Assign(f.image);
  into.Transparent = f.mask != clNone;
  into.SetTransparentColor(f.mask);
}
