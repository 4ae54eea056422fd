#include "demos/linear/CellText.h"

#include <algorithm>

namespace {

int WidestOf(const TFont& font, const QStringList& texts) {
  int widest = 0;
  for (const QString& t : texts) widest = std::max(widest, font.TextWidth(t));
  return widest;
}

}  // namespace

int FittingHeight(TFont font, const QStringList& texts, int width, int height) {
  const int sign = font.Height > 0 ? 1 : -1;
  height = std::max(height, 1);
  const auto fits = [&](int h) {
    font.Height = sign * h;
    return WidestOf(font, texts) <= width;
  };
  if (fits(height)) return height;
  // Text width grows about in proportion to the height: start there, then settle.
  font.Height = sign * height;
  int h = std::clamp(height * std::max(width, 0) / std::max(WidestOf(font, texts), 1), 1, height);
  while (h < height && fits(h + 1)) ++h;
  while (h > 1 && !fits(h)) --h;
  return h;
}

QString VisibleText(const TFont& font, const QString& text, int x, int left, int right) {
  QString seen;
  for (qsizetype k = 0; k < text.size(); ++k) {
    const int from = x + font.TextWidth(text.left(k));
    const int to = x + font.TextWidth(text.left(k + 1));
    if (from >= left && to <= right) seen += text[k];
  }
  return seen;
}
