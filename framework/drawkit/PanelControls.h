#pragma once
// The controls of a drawing window's bottom panel (a key edit, operation buttons, a status
// line). They grow with the window by the smaller of its two ratios (never below their
// design size), so a button keeps its shape and its text grows with it.
#include <QRect>
#include <QSize>
#include <vector>

#include "framework/drawkit/ScaledControls.h"
#include "platform/Font.h"

class QWidget;

class TPanelControls {
 public:
  // control at its design bounds in the panel, written in font.
  void Add(QWidget* control, const QRect& design, const TFont& font = TFont{});
  // The same for a control whose right edge keeps rightMargin (a design length) from the
  // panel's right edge.
  void AddStretched(QWidget* control, const QRect& design, int rightMargin, const TFont& font = TFont{});
  // Places every control for ratio r in a panel panelWidth wide.
  void Apply(const TDesignRatio& r, int panelWidth) const;
  // Puts panel along the bottom of a window of that size, designHeight grown with the
  // window's height (never below the design), then places the controls in it.
  void ApplyAtBottom(QWidget& panel, int designHeight, const TDesignRatio& r, QSize window) const;

 private:
  struct Entry {
    QWidget* control;
    QRect design;
    TFont font;
    int rightMargin;  // -1: keeps its own width
  };
  std::vector<Entry> entries_;
};
