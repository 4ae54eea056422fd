#include "demos/graphs/TextFit.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace {
constexpr int Probe = 100;
}

TTextFit::TTextFit(const TFont& font) : probe_(font) { probe_.Height = -Probe; }

void TTextFit::Width(const QString& text, int width) {
  if (text.isEmpty()) return;
  em_ = std::min(em_, (width - 2) * static_cast<double>(Probe) / std::max(1, probe_.TextWidth(text)));
  widths_.emplace_back(text, width - 2);
}

void TTextFit::CapHeight(int height) {
  em_ = std::min(em_, height * static_cast<double>(Probe) / std::max(1, CapHeightOf(probe_)));
}

bool TTextFit::Fits(int em) const {
  TFont font = probe_;
  font.Height = -em;
  return std::all_of(widths_.begin(), widths_.end(), [&](const auto& w) { return font.TextWidth(w.first) <= w.second; });
}

int TTextFit::Em(int least) const {
  int em = std::isinf(em_) ? Probe : static_cast<int>(em_);
  while (em > least && !Fits(em)) em -= 1;
  return std::max(least, em);
}

TFont TTextFit::Font(int least) const {
  TFont font = probe_;
  font.Height = -Em(least);
  return font;
}

int TTextFit::CapHeightOf(const TFont& font) { return QFontMetrics(font.ToQFont()).capHeight(); }
