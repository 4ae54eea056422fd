#include "framework/drawkit/PanelControls.h"

#include <QAbstractButton>
#include <algorithm>
#include <cstdlib>

#include "framework/drawkit/FitFont.h"
#include "framework/drawkit/StatusLine.h"
#include "platform/Forms.h"

namespace {
void SetFont(QWidget& control, const TFont& font) {
  // A button keeps its palette, which greys its text while it is disabled.
  if (qobject_cast<QAbstractButton*>(&control))
    control.setFont(font.ToQFont());
  else
    ApplyFont(control, font);
}

// A design rectangle grown by the smaller ratio, never below its design size.
QRect Grown(const TDesignRatio& r, const QRect& design) {
  return {r.Grow(design.left()), r.Grow(design.top()), r.Grow(design.width()), r.Grow(design.height())};
}
}  // namespace

void TPanelControls::Add(QWidget* control, const QRect& design, const TFont& font) {
  entries_.push_back({control, design, font, -1, false, QString(), 13});
  control->setGeometry(design);
  SetFont(*control, font);
}

void TPanelControls::AddStretched(QWidget* control, const QRect& design, int rightMargin, const TFont& font) {
  Add(control, design, font);
  entries_.back().rightMargin = rightMargin;
}

void TPanelControls::Apply(const TDesignRatio& r, int panelWidth) const {
  ratio_ = r;
  for (const Entry& e : entries_) {
    QRect bounds = Grown(r, e.design);
    if (e.rightMargin >= 0) bounds.setRight(panelWidth - r.Grow(e.rightMargin) - 1);
    e.control->setGeometry(bounds);
    SetFont(*e.control, r.Font(e.font, std::abs(e.font.Height)));
    if (e.whole) FitWhole(e, r);
    if (auto* button = qobject_cast<QAbstractButton*>(e.control); button && !button->icon().isNull())
      button->setIconSize(QSize(r.Grow(16), r.Grow(16)));
  }
}

void TPanelControls::ApplyAtBottom(QWidget& panel, int designHeight, const TDesignRatio& r, QSize window) const {
  const int height = std::max(r.Y(designHeight), r.Grow(designHeight));
  panel.setGeometry(0, window.height() - height, window.width(), height);
  Apply(r, window.width());
}

void TPanelControls::ShowWhole(TStatusLine& edit, const QString& text, int least) {
  edit.setText(text);
  for (Entry& e : entries_) {
    if (e.control != &edit) continue;
    e.whole = true;
    e.text = text;
    e.least = least;
    FitWhole(e, ratio_);
  }
}

void TPanelControls::FitWhole(const Entry& e, const TDesignRatio& r) const {
  auto& edit = static_cast<TStatusLine&>(*e.control);
  const int room = edit.TextRoom();
  const TFont grown = r.Font(e.font, std::abs(e.font.Height));
  ApplyFont(edit, FitFont(grown, {e.text}, room, kAnyHeight, std::min(e.least, std::abs(grown.Height))));
  edit.setCursorPosition(0);
}
