#pragma once
// The parsed algorithm text: procedures (TProcedure) holding lines (TProcLine). One entry
// of an annotated text is a display text, optionally followed by a backquote and an
// annotation: a label, up to 8 directives ("@C{Proc}", "@F{Label}", "@P", "@P{Label}",
// "@R") and an optional jump label after "=>". For example
//     "4    RETURN Ackman(m-1,1)`AckLine3@C{Ackman}@P{End}".
#include <QChar>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "framework/engine/Data.h"

class TAlgoDemo;
class TProcedure;

struct TDirective {
  QChar Letter;      // 'C', 'F', 'P', 'R'; any other letter is kept and does nothing
  QStringList Args;  // the arguments between "{" and "}", split at ";"
};

class TProcLine : public TData {
 public:
  static constexpr int MaxDirectives = 8;

  // Parses one entry; a ninth directive raises ERangeError.
  TProcLine(const QString& entry, int lineNo);
  std::unique_ptr<TData> NewInstance(const QString& name) const override;

  TProcedure* Procedure() const;
  const QString& Text() const { return text_; }
  const QString& Label() const { return Name(); }
  const QString& GotoLabel() const { return gotoLabel_; }
  int LineNo() const { return lineNo_; }
  int DirectiveCount() const { return static_cast<int>(directives_.size()); }
  // Directive i, counted from 1 as the text counts them.
  const TDirective& Directive(int i) const { return directives_[static_cast<std::size_t>(i - 1)]; }

  bool Breakpoint = false;
  bool Current = false;  // drawn marked: the line about to run

  // Execution (on the demonstration that runs the text).
  // Runs directive i and yields the line to go to, or nullptr.
  TProcLine* ExecDirective(TAlgoDemo& demo, int i);
  // Runs the directives until one yields a line or a call or return was made; without a
  // yielded line, the next line (NextLine).
  TProcLine* Execute(TAlgoDemo& demo);
  // On the caller's line after the callee returned: runs the directives after the first
  // "@C" until one yields a line, which then becomes this line's jump target for this
  // return only; when none yields one, the line's own "=>" jump (or the next line) holds.
  void ResumeAfterCall(TAlgoDemo& demo);
  // The next line that can run: the jump label's line, else the next row, skipping lines
  // without directives and jump label; nullptr past the end of the procedure.
  TProcLine* NextLine() const;

 private:
  struct Parsed {
    QString text;
    QString label;
    QString gotoLabel;
    std::vector<TDirective> directives;
  };
  static Parsed Parse(const QString& entry);
  TProcLine(Parsed parsed, int lineNo);

  QString text_;
  QString gotoLabel_;
  QString ownGotoLabel_;  // the "=>" jump as written; gotoLabel_ may hold a return's answer
  int lineNo_;
  std::vector<TDirective> directives_;
};

// A procedure of the text: a node named by the procedure whose children are its lines.
class TProcedure : public TData {
 public:
  explicit TProcedure(const QString& name = QString());
  std::unique_ptr<TData> NewInstance(const QString& name) const override;

  TProcLine* AddLine(const QString& entry);
  TProcLine* LineByIndex(int i) const;
  // The first line labelled exactly so (letter case matters), or nullptr.
  TProcLine* LineByLabel(const QString& label) const;
  TProcLine* FirstLine() const { return LineByLabel(QStringLiteral("Begin")); }
};

// Reads an annotated text into procedures: empty entries are skipped, "#" at the start of
// an entry ends the text, "!" opens a procedure named by the rest of the entry; other
// entries are lines of the current procedure (entries before the first "!" are ignored).
// onProcedure is told each procedure's name as it opens (for the algorithm window's tabs).
// A ninth directive raises ERangeError; nothing is added to procedures then.
void ParseSource(const QStringList& source, TData& procedures,
                 const std::function<void(const QString&)>& onProcedure = {});

// Tab expansion to stops of 8 columns; a column is one GBK byte (a CJK character takes two).
QString ExpandTabs(const QString& entry);
