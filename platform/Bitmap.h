#pragma once
// Off-screen bitmaps (an owned 32-bit RGB image with a canvas on it) and image lists.
#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Color.h"

class TBitmap {
 public:
  TBitmap();
  TBitmap(int width, int height);
  explicit TBitmap(const QImage& image);
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;
  // Moving takes the pixels, transparency and the canvas's pen, brush and font.
  TBitmap(TBitmap&& other) noexcept;
  TBitmap& operator=(TBitmap&& other) noexcept;
  ~TBitmap();

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Resizing keeps the content at the top-left; new area is white.
  void SetWidth(int w) { SetSize(w, Height()); }
  void SetHeight(int h) { SetSize(Width(), h); }
  void SetSize(int w, int h);
  bool Empty() const { return image_.isNull(); }

  TCanvas& Canvas() { return canvas_; }
  const TCanvas& Canvas() const { return canvas_; }

  // Transparent drawing: pixels of TransparentColor are left out by TCanvas::Draw and
  // StretchDraw. Without a set colour it is the bottom-left pixel, as the class library did.
  bool Transparent = false;
  TColor TransparentColor() const;
  void SetTransparentColor(TColor c) { transparentColor_ = c; }  // clNone: automatic

  // Loads a .bmp (or any format Qt reads). The name may use "\" and any letter case; a
  // relative name is taken from the program's folder. Throws std::runtime_error when the
  // file is missing or unreadable (the bitmap is then unchanged).
  void LoadFromFile(const QString& name);
  bool TryLoadFromFile(const QString& name);
  bool SaveToFile(const QString& name) const;

  // Copies size, pixels and transparency of another bitmap.
  void Assign(const TBitmap& other);
  void Assign(const QImage& image);

  const QImage& Image() const { return image_; }
  QImage& Image() { return image_; }

 private:
  QImage image_;  // null while either side is 0
  int width_ = 0;
  int height_ = 0;
  TCanvas canvas_{&image_};
  TColor transparentColor_ = clNone;
};

// A picture of the image folder by the program's file name ("crtbk.bmp",
// "image\\treenode1.bmp"); nullptr when it cannot be read.
std::unique_ptr<TBitmap> LoadPicture(const QString& name);
// Told the name of every picture that LoadPicture or TBitmap::LoadFromFile could not read,
// without folder and ".bmp" ("PkgBack"), so that a picture the generator does not make is
// reported instead of leaving a blank; nothing by default. An empty handler removes it.
void SetMissingPictureHandler(std::function<void(const QString& name)> handler);
// Reads a picture file. The program's own pictures (uncompressed 24- and 32-bit BMPs) are
// read directly: Qt's reader first loads every image format plugin, several milliseconds of
// the program's start; a top-down 32-bit one is drawn from the mapped file without a copy.
// Any other file is read as Qt reads it. A null image when it cannot be read.
QImage ReadImageFile(const QString& path);
// Resolves a program file name: absolute, or relative to the program's folder; letter case
// and "\" separators as the program writes them. Empty when no such file exists.
QString ResolveProgramFile(const QString& name);

// Frames of one size; a bitmap wider than a frame is cut into as many frames as fit.
class TImageList {
 public:
  TImageList(int width = 16, int height = 16) : width_(width), height_(height) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Changing the size clears the list.
  void SetSize(int width, int height);
  int Count() const { return static_cast<int>(frames_.size()); }

  // Adds the bitmap's frames (opaque); returns the index of the first one, -1 if none fit.
  int Add(const TBitmap& bitmap);
  // Adds frames whose pixels of maskColor are transparent when drawn.
  int AddMasked(const TBitmap& bitmap, TColor maskColor);
  void Clear() { frames_.clear(); }

  // Draws frame index with its top-left at (x, y); an index out of range draws nothing.
  void Draw(TCanvas& canvas, int x, int y, int index) const;
  // A copy of one frame (its transparency included).
  void GetBitmap(int index, TBitmap& into) const;

 private:
  struct Frame {
    QImage image;
    TColor mask = clNone;
  };
  int AddFrames(const TBitmap& bitmap, TColor mask);
  int width_;
  int height_;
  std::vector<Frame> frames_;
};
