#pragma once
// Plain Qt controls (labels, a track bar) placed on a drawing window at design coordinates.
// The kit's containers rescale themselves; these are put back in proportion, with their font
// scaled by the smaller of the window's two ratios, whenever the window is resized.
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
  TDesignRatio(QSize designClient, QSize client);
  int X(int v) const;
  int Y(int v) const;
  int Text(int v, int least = 1) const;
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
