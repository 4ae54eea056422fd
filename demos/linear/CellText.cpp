#include "demos/linear/CellText.h"

QString VisibleText(const TFont& font, const QString& text, int x, int left, int right) {
  QString seen;
  for (qsizetype k = 0; k < text.size(); ++k) {
    const int from = x + font.TextWidth(text.left(k));
    const int to = x + font.TextWidth(text.left(k + 1));
    if (from >= left && to <= right) seen += text[k];
  }
  return seen;
}
