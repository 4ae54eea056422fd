#include "tools/gen/Paint.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace gen {

namespace {

// Runs paint on image with antialiasing, in coordinates `scale` times smaller than its pixels.
void PaintScaled(QImage& image, int scale, const PaintFn& paint) {
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.scale(scale, scale);
  paint(p);
}

}  // namespace

QImage Sprite(int w, int h, QRgb key, const PaintFn& paint, int scale) {
  QImage big(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
  big.fill(Qt::transparent);
  PaintScaled(big, scale, paint);
  const QImage small = scale == 1
                           ? big
                           : big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage out(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(small.constScanLine(y));
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const int a = qAlpha(in[x]);
      if (a < 128) {
        line[x] = key;
        continue;
      }
      // Undo the premultiplication: the edge keeps the shape's own colour.
      QRgb c = qRgb(std::min(255, qRed(in[x]) * 255 / a), std::min(255, qGreen(in[x]) * 255 / a),
                    std::min(255, qBlue(in[x]) * 255 / a));
      if (c == key) c = qRgb(qRed(c) ^ 1, qGreen(c) ^ 1, qBlue(c) ^ 1);  // never see-through
      line[x] = c;
    }
  }
  return out;
}

QImage Scene(int w, int h, const PaintFn& paint, int scale) {
  QImage big(w * scale, h * scale, QImage::Format_RGB32);
  big.fill(Qt::white);
  PaintScaled(big, scale, paint);
  if (scale == 1) return big;
  return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

QColor Shade(const QColor& c, double f) {
  if (f >= 1.0) return Mix(c, Qt::white, std::min(1.0, f - 1.0));
  return Mix(c, Qt::black, 1.0 - f);
}

QColor Alpha(const QColor& c, int a) {
  QColor r = c;
  r.setAlpha(a);
  return r;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  const auto m = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
  return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()),
                m(a.alpha(), b.alpha()));
}

void Flat(QPainter& p, const QPainterPath& shape, const QColor& base, double outline) {
  const QRectF r = shape.boundingRect();
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, Shade(base, 1.18));
  g.setColorAt(1, Shade(base, 0.92));
  p.save();
  p.setPen(outline > 0 ? QPen(Shade(base, 0.5), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                       : QPen(Qt::NoPen));
  p.setBrush(g);
  p.drawPath(shape);
  p.restore();
}

void Glossy(QPainter& p, const QPainterPath& shape, const QColor& base, double outline) {
  const QRectF r = shape.boundingRect();
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, Shade(base, 1.38));
  g.setColorAt(0.55, base);
  g.setColorAt(1, Shade(base, 0.82));
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(shape);
  // Highlight: a pale band over the upper part, clipped to the shape.
  p.setClipPath(shape);
  QLinearGradient hl(r.topLeft(), QPointF(r.left(), r.top() + r.height() * 0.5));
  hl.setColorAt(0, QColor(255, 255, 255, 110));
  hl.setColorAt(1, QColor(255, 255, 255, 0));
  p.setBrush(hl);
  p.drawEllipse(QRectF(r.left() + r.width() * 0.08, r.top() - r.height() * 0.25, r.width() * 0.84,
                       r.height() * 0.7));
  p.setClipping(false);
  if (outline > 0) {
    p.setPen(QPen(Shade(base, 0.5), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
  }
  p.restore();
}

void SoftShadow(QPainter& p, const QPainterPath& shape, double dx, double dy, int alpha) {
  p.save();
  p.setPen(Qt::NoPen);
  for (int i = 3; i >= 1; --i) {
    p.setBrush(QColor(0, 0, 0, alpha / 4));
    QPainterPathStroker stroker;
    stroker.setWidth(i * 1.2);
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath grown = shape.united(stroker.createStroke(shape));
    p.drawPath(grown.translated(dx, dy));
  }
  p.setBrush(QColor(0, 0, 0, alpha / 2));
  p.drawPath(shape.translated(dx, dy));
  p.restore();
}

QPainterPath RoundRect(const QRectF& r, double radius) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  return path;
}

QPainterPath Ellipse(const QRectF& r) {
  QPainterPath path;
  path.addEllipse(r);
  return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& pt : points) {
    if (first)
      path.moveTo(pt);
    else
      path.lineTo(pt);
    first = false;
  }
  path.closeSubpath();
  return path;
}

QPainterPath ArrowPath(QPointF from, QPointF to, double shaft, double head, double headLength) {
  const QPointF d = to - from;
  const double len = std::hypot(d.x(), d.y());
  if (len <= 0) return {};
  const QPointF u = d / len;
  const QPointF n(-u.y(), u.x());
  const QPointF neck = to - u * std::min(headLength, len);
  return Polygon({from + n * shaft / 2, neck + n * shaft / 2, neck + n * head / 2, to,
                  neck - n * head / 2, neck - n * shaft / 2, from - n * shaft / 2});
}

QFont PixelFont(const QString& family, double pixels, bool bold) {
  QFont f(family);
  f.setPixelSize(std::max(1, int(std::lround(pixels))));
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

void CentredText(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
                 const QColor& colour) {
  p.save();
  p.setFont(font);
  p.setPen(colour);
  p.drawText(r, Qt::AlignCenter, text);
  p.restore();
}

std::uint32_t Rng::Next() {
  // xorshift32: tiny, fast and the same everywhere.
  std::uint32_t x = state_ ? state_ : 0x6d2b79f5u;
  x ^= x << 13;
  x ^= x >> 17;
  x ^= x << 5;
  state_ = x;
  return x;
}

double Rng::Real() { return (Next() >> 8) * (1.0 / 16777216.0); }

Noise::Noise(std::uint32_t seed, int period) : period_(period), values_(size_t(period) * period) {
  Rng rng(seed);
  for (float& v : values_) v = float(rng.Real());
}

double Noise::Lattice(int x, int y) const {
  const int px = ((x % period_) + period_) % period_;
  const int py = ((y % period_) + period_) % period_;
  return values_[size_t(py) * period_ + px];
}

double Noise::At(double x, double y) const {
  const double fx = std::floor(x);
  const double fy = std::floor(y);
  const int ix = int(fx);
  const int iy = int(fy);
  const double tx = x - fx;
  const double ty = y - fy;
  const double sx = tx * tx * (3 - 2 * tx);
  const double sy = ty * ty * (3 - 2 * ty);
  const double a = Lattice(ix, iy) + (Lattice(ix + 1, iy) - Lattice(ix, iy)) * sx;
  const double b = Lattice(ix, iy + 1) + (Lattice(ix + 1, iy + 1) - Lattice(ix, iy + 1)) * sx;
  return a + (b - a) * sy;
}

double Noise::Fbm(double x, double y, int octaves, double gain) const {
  double sum = 0;
  double amp = 1;
  double norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * At(x, y);
    norm += amp;
    amp *= gain;
    x = x * 2 + 17.3;  // offset each octave so that lattice points do not line up
    y = y * 2 + 9.1;
  }
  return sum / norm;
}

QImage Texture(int w, int h, const std::function<QRgb(int, int)>& colour) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < w; ++x) line[x] = colour(x, y) | 0xff000000u;
  }
  return img;
}

}  // namespace gen
