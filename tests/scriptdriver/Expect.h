#pragma once
// Ordered expects. Each expect looks at the transcript from the line the previous expect
// matched, that line included (several expects may match one line), so a script shows that
// what it expects came after what it expected before, and a line from earlier in the run
// cannot satisfy a later check.
#include <QString>
#include <QStringList>

namespace script {

class ExpectCursor {
 public:
  // Looks for want from the last match on. On a match moves there and returns an empty text;
  // otherwise returns the failure to print, naming the script line of this expect, what it
  // expected and the line the last expect matched.
  QString Match(const QStringList& transcript, const QString& want, int scriptLine);
  // Looks no further back than this transcript line (an input class starts afresh there).
  void From(qsizetype line) {
    at_ = line;
    atScriptLine_ = 0;
  }

 private:
  qsizetype at_ = 0;     // transcript line of the last match
  int atScriptLine_ = 0; // the script line of the expect that matched it; 0 before any
};

}  // namespace script
