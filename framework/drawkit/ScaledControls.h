#pragma once
// How a drawing takes its window's size. Every drawing window and container knows the size it
// was designed at (TGraphForm::DesignClientSize, TNodeContainer::Design); its Ratio() is its
// present size against that. Node sizes, fonts, marks and gaps a drawing computes from design
// numbers go through the ratio, so the whole drawing grows and shrinks with its window:
//
//   const TDesignRatio r = Ratio();               // in a container or drawing window
//   const int nodeSize = r.Grow(24);              // never below the design size
//   Canvas().Font = r.Font(nodeFont, 12);         // at least 12 pixels high
//
// Plain Qt controls (labels, a track bar) placed on a drawing window at design coordinates go
// through TScaledControls: put back in proportion, font scaled, whenever the window is resized.
#include <QRect>
#include <QSize>
#include <algorithm>
#include <vector>

#include "platform/Font.h"
#include "platform/Geometry.h"

class QLabel;
class QWidget;

// A window's present size against its design size, for controls placed by hand: design
// lengths scale along their own axis and never fall below a pixel; texts grow with the
// smaller ratio, so that they still fit their places.
struct TDesignRatio {
  TDesignRatio() = default;  // the design size itself
  TDesignRatio(QSize designClient, QSize client);
  int X(int v) const;
  int Y(int v) const;
  int Text(int v, int least = 1) const;
  // The smaller of the two ratios: what keeps a shape (a circle, a glyph) whole.
  double Min() const { return std::min(Rx, Ry); }
  // A length scaled by Min() that never falls below its design value v (a window larger than
  // its design grows the drawing; a smaller one keeps the design size).
  int Grow(int v) const;
  // font with its pixel height scaled by Min(), never below leastPixels (the colour stays).
  TFont Font(TFont font, int leastPixels = 1) const;
  double Rx = 1;
  double Ry = 1;
};

class TScaledControls {
 public:
  // A control at design bounds; with scaleFont it takes font, its height scaled too.
  void Add(QWidget* control, const QRect& design, const TFont& font = TFont{}, bool scaleFont = false);
  // A transparent label of parent with that text, font and alignment, added at design.
  QLabel* AddLabel(QWidget* parent, const QString& text, const QRect& design, const TFont& font,
                   Qt::Alignment alignment = Qt::AlignCenter);
  // Puts every control at its design bounds scaled from designClient to client.
  void Apply(QSize designClient, QSize client) const;
  // A design rectangle scaled the same way, as drawing calls take it.
  static TRect Scaled(const QRect& design, QSize designClient, QSize client);

 private:
  struct Entry {
    QWidget* control;
    QRect design;
    TFont font;
    bool scaleFont;
  };
  std::vector<Entry> entries_;
};
