#include "framework/drawkit/StatusLine.h"

#include <QFontMetrics>
#include <QStyle>

TStatusLine::TStatusLine(QWidget* parent) : TEdit(parent) {}

int TStatusLine::TextRoom() const {
  const int frame = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
  const QMargins margins = textMargins();
  return width() - 2 * frame - margins.left() - margins.right() - 2 * 2 - 1;
}

QString TStatusLine::DrawingText() const {
  const QString shown = text();
  const QFontMetrics metrics(font());
  const int room = TextRoom();
  if (metrics.horizontalAdvance(shown) <= room) return shown;
  const bool fromStart = cursorPosition() == 0;
  for (qsizetype n = shown.size() - 1; n > 0; --n) {
    const QString part = fromStart ? shown.left(n) : shown.right(n);
    if (metrics.horizontalAdvance(part) <= room) return part;
  }
  return {};
}
