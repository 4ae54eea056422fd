#include "platform/Font.h"

#include <QFontMetrics>
#include <QHash>
#include <cmath>
#include <fontconfig/fontconfig.h>
#include <unordered_map>

namespace {

const QString kSong = QStringLiteral("AR PL UMing CN");
const QString kKai = QStringLiteral("AR PL UKai CN");
const QString kHei = QStringLiteral("WenQuanYi Zen Hei");
const QString kSans = QStringLiteral("Liberation Sans");
const QString kSerif = QStringLiteral("Liberation Serif");
const QString kMono = QStringLiteral("Liberation Mono");
// Liberation Mono's bold zero carries a dot that closes into a bar at the sizes of table rows
// and stack records (13 and 14 px, unsmoothed), so that "0" reads as "8"; in this face the
// bold zero's dot stays apart from its sides.
const QString kMonoBold = QStringLiteral("DejaVu Sans Mono");

// Pixel size used when the font's Height is 0.
constexpr int kDefaultPixelSize = 12;

struct Key {
  QString name;
  int height;
  TFontStyles style;
  TFontPitch pitch;
  friend bool operator==(const Key&, const Key&) = default;
};

size_t qHash(const Key& k, size_t seed = 0) {
  return qHashMulti(seed, k.name, k.height, k.style, static_cast<int>(k.pitch));
}

QFont BaseFont(const TFont& f) {
  QFont q;
  QString family = SubstituteFamily(f.Name);
  if (f.Pitch == fpFixed && family != kMono) family = kMono;
  if (family == kMono && (f.Style & fsBold)) family = kMonoBold;
  // CJK text in a Latin font falls back to the Song face, as Chinese Windows linked it into
  // Latin fonts. A Chinese face needs no such list: each one names a fallback list that
  // fontconfig has to sort out of every installed font.
  if (family == kSong || family == kKai || family == kHei)
    q.setFamily(family);
  else
    q.setFamilies({family, kSong});
  q.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
  q.setBold(f.Style & fsBold);
  q.setItalic(f.Style & fsItalic);
  q.setUnderline(f.Style & fsUnderline);
  q.setStrikeOut(f.Style & fsStrikeOut);
  q.setFixedPitch(f.Pitch == fpFixed);
  q.setKerning(false);
  return q;
}

int CellHeight(const QFont& q) {
  QFontMetrics m(q);
  return m.ascent() + m.descent();
}

// The pixel size whose cell (ascent + descent) is as close to cell as possible without
// exceeding it (at least 1).
int PixelSizeForCell(QFont q, int cell) {
  q.setPixelSize(100);
  const int ref = std::max(1, CellHeight(q));
  int px = std::max(1, static_cast<int>(std::lround(cell * 100.0 / ref)));
  q.setPixelSize(px);
  while (px > 1 && CellHeight(q) > cell) q.setPixelSize(--px);
  for (;;) {
    q.setPixelSize(px + 1);
    if (CellHeight(q) > cell) break;
    ++px;
  }
  return px;
}

// A text measured in a font.
struct WidthKey {
  Key font;
  QString text;
  friend bool operator==(const WidthKey&, const WidthKey&) = default;
};

struct WidthHash {
  size_t operator()(const WidthKey& k) const { return qHashMulti(0, qHash(k.font), k.text); }
};

}  // namespace

QString SubstituteFamily(const QString& name) {
  static const QHash<QString, QString> table = {
      {QStringLiteral("宋体"), kSong},
      {QStringLiteral("新宋体"), kSong},
      {QStringLiteral("simsun"), kSong},
      {QStringLiteral("nsimsun"), kSong},
      {QStringLiteral("仿宋_gb2312"), kSong},
      {QStringLiteral("仿宋"), kSong},
      {QStringLiteral("楷体_gb2312"), kKai},
      {QStringLiteral("楷体"), kKai},
      {QStringLiteral("kaiti_gb2312"), kKai},
      {QStringLiteral("黑体"), kHei},
      {QStringLiteral("simhei"), kHei},
      {QStringLiteral("隶书"), kHei},
      {QStringLiteral("幼圆"), kHei},
      {QStringLiteral("arial"), kSans},
      {QStringLiteral("arail"), kSans},
      {QStringLiteral("ms sans serif"), kSans},
      {QStringLiteral("system"), kSans},
      {QStringLiteral("tahoma"), kSans},
      {QStringLiteral("verdana"), kSans},
      {QStringLiteral("times new roman"), kSerif},
      {QStringLiteral("ms serif"), kSerif},
      {QStringLiteral("courier new"), kMono},
      {QStringLiteral("courier"), kMono},
      {QStringLiteral("fixedsys"), kMono},
      {QStringLiteral("terminal"), kMono},
  };
  return table.value(name.trimmed().toLower(), kSong);
}

void DrawChineseFacesUnhinted() {
  static const char kRule[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <match target="font">
    <test name="family" compare="contains"><string>AR PL U</string></test>
    <edit name="hintstyle" mode="assign"><const>hintnone</const></edit>
  </match>
</fontconfig>)";
  FcConfigParseAndLoadFromMemory(FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(kRule),
                                 FcFalse);
}

int TFont::Size() const {
  return static_cast<int>(std::lround(-Height * 72.0 / 96.0));
}

void TFont::SetSize(int points) { Height = -static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont TFont::ToQFont() const {
  static QHash<Key, QFont> cache;
  const Key key{Name, Height, Style, Pitch};
  if (auto it = cache.constFind(key); it != cache.constEnd()) return *it;
  QFont q = BaseFont(*this);
  if (Height < 0) {
    q.setPixelSize(-Height);
  } else if (Height > 0) {
    q.setPixelSize(PixelSizeForCell(q, Height));
  } else {
    q.setPixelSize(kDefaultPixelSize);
  }
  cache.insert(key, q);
  return q;
}

int TFont::TextWidth(const QString& text) const {
  // Measuring shapes the text, and windows measure the same few texts over and over.
  static std::unordered_map<WidthKey, int, WidthHash> widths;
  constexpr size_t kMaxWidths = 8192;
  WidthKey key{{Name, Height, Style, Pitch}, text};
  if (const auto it = widths.find(key); it != widths.end()) return it->second;
  const int width = QFontMetrics(ToQFont()).horizontalAdvance(text);
  if (widths.size() >= kMaxWidths) widths.clear();
  widths.emplace(std::move(key), width);
  return width;
}

int TFont::TextHeight(const QString&) const { return Ascent() + Descent(); }

QSize TFont::TextExtent(const QString& text) const { return {TextWidth(text), TextHeight(text)}; }

int TFont::Ascent() const { return QFontMetrics(ToQFont()).ascent(); }

int TFont::Descent() const { return QFontMetrics(ToQFont()).descent(); }
