#include "platform/Color.h"

QColor ToQColor(TColor c) {
  if (c == clNone) return QColor(Qt::transparent);
  return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor FromQColor(const QColor& c) {
  if (c.alpha() == 0) return clNone;
  return RGB(c.red(), c.green(), c.blue());
}
