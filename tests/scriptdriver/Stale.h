#pragma once
// The rule "stale": a stack display shows what its own painting makes, wherever no row or
// marker of it lies over it. A slide draws its row straight on the display and restores what
// lay behind it as it moves; a restore from the wrong ground, or one that left part of the
// row, shows pixels the display's painting never makes, and only at some speeds.
#include <QList>
#include <QRect>
#include <QStringList>

class QImage;
class QWidget;

namespace script {

// The findings of the rule for the stack displays shown in the windows, as far as they show:
// "wrong stale STACK in WINDOW -- N pixels ... at X Y W H" (the window's client pixels).
QStringList StaleFindings(const QList<QWidget*>& windows);

// The pixels of shown that differ from fresh inside area but outside every rect of covered:
// their count and the box round them.
struct StalePixels {
  int count = 0;
  QRect box;
};
StalePixels StaleIn(const QImage& shown, const QImage& fresh, const QRect& area, const QList<QRect>& covered);

}  // namespace script
