#include "tests/scriptdriver/Expect.h"

namespace script {

namespace {

// A matched line in a failure message: long drawing or message lines are cut short.
QString Brief(const QString& line) {
  constexpr qsizetype kMost = 80;
  return line.size() <= kMost ? line : line.left(kMost) + QStringLiteral("…");
}

}  // namespace

QString ExpectCursor::Match(const QStringList& transcript, const QString& want, int scriptLine) {
  for (qsizetype i = at_; i < transcript.size(); ++i) {
    if (transcript[i].contains(want)) {
      at_ = i;
      atScriptLine_ = scriptLine;
      return {};
    }
  }
  QString failure = QStringLiteral("FAILED line %1: expect %2").arg(scriptLine).arg(want);
  if (atScriptLine_ == 0) return failure + QStringLiteral(" (not in the transcript)");
  failure += QStringLiteral(" (nothing from what line %1 matched on: \"%2\")")
                 .arg(atScriptLine_)
                 .arg(Brief(transcript[at_]));
  // Found earlier: the script most likely checks things out of order.
  for (qsizetype i = 0; i < at_; ++i)
    if (transcript[i].contains(want)) return failure + QStringLiteral("; it is there only before that");
  return failure;
}

}  // namespace script
