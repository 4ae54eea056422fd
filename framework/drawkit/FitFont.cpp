#include "framework/drawkit/FitFont.h"

#include <algorithm>
#include <cstdlib>

TFont FitFont(TFont font, const QStringList& texts, int width, int height, int least) {
  const int sign = font.Height > 0 ? 1 : -1;
  const int most = std::max(std::abs(font.Height), 1);
  least = std::max(least, 1);
  font.Height = sign * most;
  if (most <= least) return font;
  const auto widest = [&](int h) {
    font.Height = sign * h;
    int w = 0;
    for (const QString& t : texts) w = std::max(w, font.TextWidth(t));
    return w;
  };
  const auto fits = [&](int h) {
    if (widest(h) > width) return false;
    return std::all_of(texts.begin(), texts.end(), [&](const QString& t) { return font.TextHeight(t) <= height; });
  };
  int h = most;
  if (!fits(h)) {
    // Text width grows about in proportion to the height: start there, then settle.
    h = std::clamp(most * std::max(width, 0) / std::max(widest(most), 1), least, most);
    while (h < most && fits(h + 1)) ++h;
    while (h > least && !fits(h)) --h;
  }
  font.Height = sign * h;
  return font;
}
