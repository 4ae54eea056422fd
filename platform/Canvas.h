#pragma once
// A GDI-style drawing surface over a QImage: a pen, a brush and a font that persist between
// calls, a current position, raster operations, a window origin and a clip rectangle.
//
// Coordinates are logical pixels; device pixel = logical - WindowOrg. Rectangles exclude
// their right and bottom edges. No drawing is antialiased.
#include <QImage>
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>

#include "platform/Color.h"
#include "platform/Font.h"
#include "platform/Geometry.h"

class TBitmap;

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// Binary raster operations of the pen (and of brush fills), with D the destination and
// P the pen/brush colour.
enum TPenMode {
  pmBlack,        // 0
  pmWhite,        // 1
  pmNop,          // D
  pmNot,          // ~D
  pmCopy,         // P
  pmNotCopy,      // ~P
  pmMergePenNot,  // P | ~D
  pmMaskPenNot,   // P & ~D
  pmMergeNotPen,  // ~P | D
  pmMaskNotPen,   // ~P & D
  pmMerge,        // P | D
  pmNotMerge,     // ~(P | D)
  pmMask,         // P & D
  pmNotMask,      // ~(P & D)
  pmXor,          // P ^ D
  pmNotXor        // ~(P ^ D)
};

enum TBrushStyle {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};

// Ternary raster operations of block copies (source S, destination D, brush P), GDI values.
using TCopyMode = std::uint32_t;
constexpr TCopyMode SRCCOPY = 0x00CC0020;      // S
constexpr TCopyMode SRCPAINT = 0x00EE0086;     // S | D
constexpr TCopyMode SRCAND = 0x008800C6;       // S & D
constexpr TCopyMode SRCINVERT = 0x00660046;    // S ^ D
constexpr TCopyMode SRCERASE = 0x00440328;     // S & ~D
constexpr TCopyMode NOTSRCCOPY = 0x00330008;   // ~S
constexpr TCopyMode NOTSRCERASE = 0x001100A6;  // ~(S | D)
constexpr TCopyMode MERGEPAINT = 0x00BB0226;   // ~S | D
constexpr TCopyMode MERGECOPY = 0x00C000CA;    // S & P
constexpr TCopyMode PATCOPY = 0x00F00021;      // P
constexpr TCopyMode PATINVERT = 0x005A0049;    // P ^ D
constexpr TCopyMode DSTINVERT = 0x00550009;    // ~D
constexpr TCopyMode BLACKNESS = 0x00000042;    // 0
constexpr TCopyMode WHITENESS = 0x00FF0062;    // 1
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;

// Text alignment flags (SetTextAlign) and background modes (SetBkMode), GDI values.
constexpr unsigned TA_NOUPDATECP = 0;
constexpr unsigned TA_UPDATECP = 1;
constexpr unsigned TA_LEFT = 0;
constexpr unsigned TA_RIGHT = 2;
constexpr unsigned TA_CENTER = 6;
constexpr unsigned TA_TOP = 0;
constexpr unsigned TA_BOTTOM = 8;
constexpr unsigned TA_BASELINE = 24;
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
  TPenMode Mode = pmCopy;
  friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
  // An 8 x 8 pattern used instead of Color and Style while set; not owned.
  const TBitmap* Bitmap = nullptr;
  friend bool operator==(const TBrush&, const TBrush&) = default;
};

class TCanvas {
 public:
  TCanvas() = default;
  explicit TCanvas(QImage* target) : target_(target) {}
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The image drawn on (not owned); a canvas without one ignores drawing and reads clBlack.
  void SetTarget(QImage* target) { target_ = target; }
  QImage* Target() const { return target_; }

  TPen Pen;
  TBrush Brush;
  TFont Font;
  TPoint PenPos;
  TCopyMode CopyMode = SRCCOPY;

  // Lines: LineTo draws from PenPos to (x, y) without the end pixel and moves PenPos there.
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  // Connected lines through all points, the last point left out; PenPos is unchanged.
  void Polyline(std::span<const TPoint> points);
  void Polyline(std::initializer_list<TPoint> points) { Polyline(std::span(points.begin(), points.size())); }

  // Closed figures: outlined with the pen, filled with the brush (alternate fill).
  // Rectangle(0, 0, 10, 10) covers pixels 0..9; the outline is its outermost ring.
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int cornerW, int cornerH);
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  void Polygon(std::span<const TPoint> points);
  void Polygon(std::initializer_list<TPoint> points) { Polygon(std::span(points.begin(), points.size())); }
  // The part of the ellipse in the box (x1, y1)-(x2, y2) from the radial through (x3, y3)
  // anticlockwise to the radial through (x4, y4); equal radials give the whole ellipse.
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);

  // Brush only: FillRect fills r; FrameRect draws a 1-pixel border inside r in the brush.
  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  // Inverts a dotted 1-pixel border inside r (drawing it twice removes it).
  void DrawFocusRect(const TRect& r);

  // Text in Font. (x, y) is the reference point chosen by the text alignment (default:
  // the top-left of the text cell). With opaque background the text cell is filled with
  // the brush colour first. With TA_UPDATECP the text starts at PenPos, which advances.
  void TextOut(int x, int y, const QString& text);
  // Text at (x, y) clipped to r; with a non-clear brush r is filled with it first.
  void TextRect(const TRect& r, int x, int y, const QString& text);
  int TextWidth(const QString& text) const { return Font.TextWidth(text); }
  int TextHeight(const QString& text) const { return Font.TextHeight(text); }
  QSize TextExtent(const QString& text) const { return Font.TextExtent(text); }
  unsigned SetTextAlign(unsigned flags);  // returns the previous flags
  unsigned TextAlign() const { return textAlign_; }
  // TRANSPARENT or OPAQUE; returns the previous mode. As in the class library, changing the
  // brush afterwards sets the mode again: transparent for a non-solid brush, else opaque.
  int SetBkMode(int mode);
  int BkMode() const;

  // Window origin: logical (x, y) lands on pixel (x - org.x, y - org.y). Returns the old one.
  TPoint SetWindowOrg(int x, int y);
  TPoint WindowOrg() const { return org_; }

  // Clip rectangle in logical coordinates; drawing outside it leaves pixels alone.
  // ClipRect() without a clip is the whole image.
  void SetClipRect(const TRect& r);
  void IntersectClipRect(const TRect& r);
  void ClearClipRect();
  bool HasClipRect() const { return clip_.has_value(); }
  TRect ClipRect() const;

  // Block copies. CopyRect stretches source rectangle onto dest with CopyMode.
  void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);
  void BitBlt(int x, int y, int w, int h, const TCanvas& source, int sx, int sy, TCopyMode rop = SRCCOPY);
  void StretchBlt(const TRect& dest, const TCanvas& source, const TRect& sourceRect, TCopyMode rop = SRCCOPY);
  // Raster operation with the brush only (PATCOPY, PATINVERT, DSTINVERT, BLACKNESS, ...).
  void PatBlt(const TRect& r, TCopyMode rop);

  // Bitmaps at their own size or stretched; a Transparent bitmap leaves the pixels of its
  // transparent colour unpainted. An opaque bitmap is copied with CopyMode.
  void Draw(int x, int y, const TBitmap& bitmap);
  void StretchDraw(const TRect& r, const TBitmap& bitmap);
  void Draw(int x, int y, const QImage& image);

  // Pixels(x, y) reads or writes one pixel: canvas.Pixels(3, 4) = clRed.
  class PixelRef {
   public:
    PixelRef(TCanvas& c, int x, int y) : c_(c), x_(x), y_(y) {}
    PixelRef& operator=(TColor color) {
      c_.SetPixel(x_, y_, color);
      return *this;
    }
    operator TColor() const { return c_.GetPixel(x_, y_); }

   private:
    TCanvas& c_;
    int x_, y_;
  };
  PixelRef Pixels(int x, int y) { return {*this, x, y}; }
  TColor Pixels(int x, int y) const { return GetPixel(x, y); }
  TColor GetPixel(int x, int y) const;  // clNone outside the image
  void SetPixel(int x, int y, TColor color);

  // The canvas's image size (0 x 0 without a target).
  int Width() const;
  int Height() const;

  // Called after every drawing call with the device rectangle that may have changed;
  // the owning widget uses it to bring direct drawing to the screen.
  std::function<void(const QRect&)> OnChange;

 private:
  friend class CanvasPainter;
  void ArcFigure(int kind, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  QImage* target_ = nullptr;
  TPoint org_;
  std::optional<QRect> clip_;  // device coordinates
  unsigned textAlign_ = TA_LEFT | TA_TOP;
  int bkMode_ = OPAQUE;
  TBrush bkModeBrush_;  // the brush when SetBkMode was called
  bool bkModeExplicit_ = false;
};
