#include "framework/drawkit/ScaledControls.h"

#include <QLabel>
#include <algorithm>
#include <cstdlib>

#include "platform/Forms.h"
#include "platform/TextRules.h"

TDesignRatio::TDesignRatio(QSize designClient, QSize client) {
  if (designClient.isEmpty()) return;
  Rx = static_cast<double>(client.width()) / designClient.width();
  Ry = static_cast<double>(client.height()) / designClient.height();
}

int TDesignRatio::X(int v) const { return std::max(text::Round(v * Rx), 1); }
int TDesignRatio::Y(int v) const { return std::max(text::Round(v * Ry), 1); }
int TDesignRatio::Text(int v, int least) const { return std::max(text::Round(v * Min()), least); }
int TDesignRatio::Grow(int v) const { return std::max(text::Round(v * Min()), v); }

TFont TDesignRatio::Font(TFont font, int leastPixels) const {
  // Heights below zero are pixels of the em, above zero pixels of the cell; the sign stays.
  if (font.Height == 0) return font;  // the default size
  const int pixels = std::max(text::Round(std::abs(font.Height) * Min()), leastPixels);
  font.Height = font.Height > 0 ? pixels : -pixels;
  return font;
}

void TScaledControls::Add(QWidget* control, const QRect& design, const TFont& font, bool scaleFont) {
  entries_.push_back({control, design, font, scaleFont});
  control->setGeometry(design);
  if (scaleFont) ApplyFont(*control, font);
}

QLabel* TScaledControls::AddLabel(QWidget* parent, const QString& text, const QRect& design,
                                  const TFont& font, Qt::Alignment alignment) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(alignment);
  label->setAttribute(Qt::WA_TranslucentBackground);
  Add(label, design, font, true);
  return label;
}

TRect TScaledControls::Scaled(const QRect& design, QSize designClient, QSize client) {
  if (designClient.isEmpty()) return TRect::FromQRect(design);
  const TDesignRatio r(designClient, client);
  return Bounds(text::Round(r.Rx * design.left()), text::Round(r.Ry * design.top()),
                text::Round(r.Rx * design.width()), text::Round(r.Ry * design.height()));
}

void TScaledControls::Apply(QSize designClient, QSize client) const {
  if (designClient.isEmpty()) return;
  // Texts grow with the smaller of the two ratios, so that they still fit their places.
  const TDesignRatio ratio(designClient, client);
  const double r = std::min(ratio.Rx, ratio.Ry);
  for (const Entry& e : entries_) {
    e.control->setGeometry(Scaled(e.design, designClient, client).ToQRect());
    if (!e.scaleFont) continue;
    TFont font = e.font;
    // Heights are negative (pixels of the em); at least 6 pixels stay readable.
    font.Height = std::min(-6, text::Round(r * e.font.Height));
    e.control->setFont(font.ToQFont());  // the colour stays as the control was given it
  }
}
