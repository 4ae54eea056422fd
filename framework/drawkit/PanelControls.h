#pragma once
// The controls of a drawing window's bottom panel (a key edit, operation buttons, a status
// line). They grow with the window by the smaller of its two ratios (never below their
// design size), so a button keeps its shape and its text grows with it.
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

#include "framework/drawkit/ScaledControls.h"
#include "platform/Font.h"

class TStatusLine;
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
  // A status line added here shows text whole and from its first character: its font, grown
  // with the window, shrinks as far as the text needs (never below least pixels; at that size
  // the start of a text still too long stays in view). The font comes back up for a shorter
  // text and whenever the controls are placed again.
  void ShowWhole(TStatusLine& edit, const QString& text, int least = 13);
  // Puts panel along the bottom of a window of that size, designHeight grown with the
  // window's height (never below the design), then places the controls in it.
  void ApplyAtBottom(QWidget& panel, int designHeight, const TDesignRatio& r, QSize window) const;

 private:
  struct Entry {
    QWidget* control;
    QRect design;
    TFont font;
    int rightMargin;  // -1: keeps its own width
    bool whole = false;  // a status line shown whole (ShowWhole)
    QString text;        // the text it shows whole
    int least = 13;
  };
  void FitWhole(const Entry& e, const TDesignRatio& r) const;

  std::vector<Entry> entries_;
  mutable TDesignRatio ratio_;  // the ratio the controls were last placed for
};
