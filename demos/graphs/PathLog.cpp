#include "demos/graphs/PathLog.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QFontMetrics>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>

namespace {

bool IsArrowStroke(QChar c) { return c == u'-' || c == u'='; }

// An arrow starts at i: strokes, then a head.
bool ArrowAt(const QString& line, qsizetype i) {
  qsizetype j = i;
  while (j < line.size() && IsArrowStroke(line[j])) ++j;
  return j > i && j < line.size() && line[j] == u'>';
}

QString TrimEnd(QString text) {
  while (!text.isEmpty() && text.back() == u' ') text.chop(1);
  return text;
}

}  // namespace

TPathLog::TPathLog(QWidget* parent) : QTextEdit(parent) {
  setLineWrapMode(QTextEdit::NoWrap);
  setReadOnly(true);
}

QStringList TPathLog::Pieces(const QString& line) {
  QStringList out;
  qsizetype start = 0;
  for (qsizetype i = 1; i < line.size(); ++i) {
    const QChar before = line[i - 1];
    const bool afterBlanks = before == u' ' && line[i] != u' ';
    const bool beforeArrow = before != u' ' && !IsArrowStroke(before) && ArrowAt(line, i);
    if (afterBlanks || beforeArrow) {
      out << line.mid(start, i - start);
      start = i;
    }
  }
  if (start < line.size()) out << line.mid(start);
  return out;
}

QStringList TPathLog::Wrap(const QString& line, int first, int further, const std::function<int(const QString&)>& width) {
  QStringList rows;
  QString row;
  for (const QString& piece : Pieces(line)) {
    const int room = rows.isEmpty() ? first : further;
    if (!row.isEmpty() && width(TrimEnd(row + piece)) > room) {
      rows << TrimEnd(row);
      row.clear();
    }
    row += piece;
  }
  if (!row.isEmpty() || rows.isEmpty()) rows << TrimEnd(row);
  return rows;
}

int TPathLog::LineHeight() const {
  // Laid out as the log lays out its lines: the fallback font of the Chinese letters is higher
  // than the Latin font's own spacing.
  QTextDocument probe;
  probe.setDefaultFont(font());
  probe.setDocumentMargin(0);
  probe.setPlainText(QStringLiteral("v1到v10的最短路径: 无穷 A-->B==>C None"));
  probe.documentLayout()->blockBoundingRect(probe.firstBlock());  // lays the block out
  const QTextLayout* layout = probe.firstBlock().layout();
  const qreal natural = layout->lineCount() > 0 ? layout->lineAt(0).height() : 0;
  return std::max(QFontMetrics(font()).lineSpacing(), static_cast<int>(std::ceil(natural)));
}

int TPathLog::Indent() const { return QFontMetrics(font()).horizontalAdvance(QStringLiteral("MM")); }

void TPathLog::AppendLine(const QString& line) {
  lines_ << line;
  if (wrappedAt_ < 0) {
    Rewrap(true);
  } else {
    Write(line);
  }
}

void TPathLog::Write(const QString& line) {
  const int room = viewport()->width() - 2 * static_cast<int>(std::ceil(document()->documentMargin())) - 2;
  const int indent = Indent();
  const QFontMetrics metrics(font());
  const QStringList rows =
      Wrap(line, room, room - indent, [&](const QString& text) { return metrics.horizontalAdvance(text); });
  QTextBlockFormat format;
  // Rows after the first stand under the line's start, a little in.
  format.setLeftMargin(indent);
  format.setTextIndent(-indent);
  // Every row as high as the highest, so that whole rows fill the log.
  format.setLineHeight(LineHeight(), QTextBlockFormat::MinimumHeight);
  // Appended as the editor appends, which keeps the last line in view.
  append(rows.join(QChar::LineSeparator));
  QTextCursor cursor(document()->lastBlock());
  cursor.setBlockFormat(format);
}

void TPathLog::Rewrap(bool always) {
  const int width = viewport()->width();
  if (!always && width == wrappedAt_) return;
  wrappedAt_ = width;
  clear();
  for (const QString& line : lines_) Write(line);
}

void TPathLog::resizeEvent(QResizeEvent* event) {
  QTextEdit::resizeEvent(event);
  if (!lines_.isEmpty()) Rewrap();
}

void TPathLog::changeEvent(QEvent* event) {
  QTextEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange && !lines_.isEmpty()) Rewrap(true);
}
