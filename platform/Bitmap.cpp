#include "platform/Bitmap.h"

#include <stdexcept>

// Bodies being filled in.
TBitmap::TBitmap() = default;
TBitmap::TBitmap(int width, int height) { SetSize(width, height); }
TBitmap::TBitmap(const QImage& image) { Assign(image); }
void TBitmap::SetSize(int w, int h) {
  QImage n(std::max(0, w), std::max(0, h), QImage::Format_RGB32);
  n.fill(Qt::white);
  image_ = n;
}
TColor TBitmap::TransparentColor() const { return transparentColor_; }
void TBitmap::LoadFromFile(const QString& name) {
  if (!TryLoadFromFile(name)) throw std::runtime_error("Cannot open file " + name.toStdString());
}
bool TBitmap::TryLoadFromFile(const QString&) { return false; }
bool TBitmap::SaveToFile(const QString&) const { return false; }
void TBitmap::Assign(const TBitmap& other) { image_ = other.image_; }
void TBitmap::Assign(const QImage& image) { image_ = image.convertToFormat(QImage::Format_RGB32); }
std::unique_ptr<TBitmap> LoadPicture(const QString&) { return nullptr; }
QString ResolveProgramFile(const QString&) { return {}; }
void TImageList::SetSize(int width, int height) { width_ = width; height_ = height; frames_.clear(); }
int TImageList::Add(const TBitmap& bitmap) { return AddFrames(bitmap, clNone); }
int TImageList::AddMasked(const TBitmap& bitmap, TColor maskColor) { return AddFrames(bitmap, maskColor); }
void TImageList::Draw(TCanvas&, int, int, int) const {}
void TImageList::GetBitmap(int, TBitmap&) const {}
int TImageList::AddFrames(const TBitmap&, TColor) { return -1; }
