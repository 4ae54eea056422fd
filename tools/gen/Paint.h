#pragma once
// Drawing helpers shared by every picture: sprites on a transparent colour, opaque scenes,
// seeded noise for textures and the house style (soft gradient, darker outline, highlight).
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <functional>
#include <vector>

namespace gen {

// The colour that marks see-through pixels of pictures drawn transparent. The class library
// took a bitmap's bottom-left pixel as its transparent colour, so every such picture keeps
// this colour there.
inline constexpr QRgb kKeyColour = 0xffff00ff;  // magenta
// The queens' pictures are drawn with black as their transparent colour.
inline constexpr QRgb kBlackKey = 0xff000000;

using PaintFn = std::function<void(QPainter&)>;

// A picture of w x h drawn on a transparent colour. paint draws in picture coordinates,
// antialiased, on a transparent canvas `scale` times larger; the result is reduced, and
// every pixel less than half covered becomes key while the rest become fully opaque in
// their own colour (no fringe of the key colour around the edges).
QImage Sprite(int w, int h, QRgb key, const PaintFn& paint, int scale = 4);

// An opaque picture of w x h; paint must cover the whole area. Drawn `scale` times larger
// and reduced when scale > 1.
QImage Scene(int w, int h, const PaintFn& paint, int scale = 1);

// Lighter (f > 1) or darker (f < 1) version of c, keeping its hue.
QColor Shade(const QColor& c, double f);
// c with an alpha of a (0..255).
QColor Alpha(const QColor& c, int a);
// Linear mix of a and b; t = 0 gives a.
QColor Mix(const QColor& a, const QColor& b, double t);

// The house style for a solid shape: a vertical gradient from a lighter to a slightly darker
// tone of base across the shape's bounds, a soft highlight over the upper part and an
// outline in a dark tone of base. outline 0 draws no outline.
void Glossy(QPainter& p, const QPainterPath& shape, const QColor& base, double outline = 1.0);
// The same without the highlight: a flat, calm fill with an outline.
void Flat(QPainter& p, const QPainterPath& shape, const QColor& base, double outline = 1.0);
// A soft drop shadow of the shape, offset by (dx, dy).
void SoftShadow(QPainter& p, const QPainterPath& shape, double dx, double dy, int alpha = 60);

QPainterPath RoundRect(const QRectF& r, double radius);
QPainterPath Ellipse(const QRectF& r);
QPainterPath Polygon(std::initializer_list<QPointF> points);
// An arrow with shaft width `shaft` and head width `head` from `from` to `to`.
QPainterPath ArrowPath(QPointF from, QPointF to, double shaft, double head, double headLength);

// A font of the given family, pixel size and weight; the families used are those the set-up
// installs (DejaVu Sans for Latin text, AR PL UKai CN for Chinese).
QFont PixelFont(const QString& family, double pixels, bool bold = true);
// Writes text centred in r.
void CentredText(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
                 const QColor& colour);

// Repeatable pseudo-random numbers that are the same on every platform and library
// (the standard distributions are not).
class Rng {
 public:
  explicit Rng(std::uint32_t seed) : state_(seed * 2654435761u + 0x9e3779b9u) {}
  std::uint32_t Next();
  double Real();  // [0, 1)
  double Range(double lo, double hi) { return lo + (hi - lo) * Real(); }
  int Int(int n) { return n <= 0 ? 0 : int(Next() % std::uint32_t(n)); }

 private:
  std::uint32_t state_;
};

// Smooth value noise on a lattice, tileable with the given period in lattice cells.
class Noise {
 public:
  explicit Noise(std::uint32_t seed, int period = 256);
  double At(double x, double y) const;  // about [0, 1]
  double Fbm(double x, double y, int octaves, double gain = 0.5) const;

 private:
  double Lattice(int x, int y) const;
  int period_;
  std::vector<float> values_;
};

// Fills an image pixel by pixel: colour(x, y) for every pixel.
QImage Texture(int w, int h, const std::function<QRgb(int, int)>& colour);

}  // namespace gen
