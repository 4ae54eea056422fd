#pragma once
// The script language of velkora-script: one command a line, "#" at the start of a line or
// after a blank starts a comment, double quotes group words that hold blanks.
#include <QString>
#include <QStringList>
#include <vector>

namespace script {

enum class Verb {
  Start, Dialog, Set, Click, Answer, File,
  Trace, Step, Run, Pause, Reset, Data, Back,
  Cursor, Break, ClearBreaks, Speed, Key,
  Print, Shot, Expect, Check, Resize, Teacher,
};

struct Command {
  int line = 0;     // 1-based line of the script
  QString text;     // the command as written, without its comment
  Verb verb = Verb::Expect;
  QStringList args; // the words after the verb (expect, answer, file, set: see Parse)
};

struct Parsed {
  std::vector<Command> commands;
  QStringList errors;  // "line N: ..." for every line that is not a command
};

// Parses a whole script. Arguments by verb:
//   start NAME pascal|c          args = {NAME, "pascal"|"c"}
//   dialog [CONTROL=VALUE ...] [ACTION]   args = {the rest of the line, as the modal host reads it}
//   set NAME VALUE               args = {NAME, VALUE (rest of the line)}
//   click NAME                   args = {NAME}
//   answer BUTTON / file PATH    args = {rest of the line}
//   cursor|break PROC ROW        args = {PROC, ROW}
//   speed N                      args = {N}, 0 .. 99
//   key F4|F5|F7|F8|F9|Esc       args = {the key, spelt as here}
//   print line|vars|stack|calls|buttons, print text NAME ("text NAME = ...", or
//                                "text NAME (hidden) = ..." for a control not shown),
//                                print drawing [NAME] (see Drawing.h), print texts (Texts.h),
//   print shapes                 the drawings' nodes, links, labels and marks (Geometry.h)
//   check texts                  args = {"texts"}: the legibility rules (Texts.h)
//   check drawing                args = {"drawing"}: the geometry rules (Geometry.h)
//   check every [N|off]          args = {"every"[, N|"off"]}: both checks after every N-th line
//                                a run executes (every line without N) and at every dialog
//                                and message window, and after every user action (start,
//                                click, set, answer, key, resize, break, clearbreaks, reset,
//                                the end of a run), until "check every off"
//   resize WxH                   args = {W, H}: the main window's new size, at least 320 x 240
//   teacher off|on               args = {"off"|"on"}: under --teacher, whether the teacher's
//                                actions (Driver.h) go on in this class from here
//   shot FILE.png                args = {FILE.png}
//   expect TEXT                  args = {TEXT (rest of the line, verbatim)}; matched in order,
//                                see Expect.h
Parsed Parse(const QString& source);

// The line without its comment: "#" at the start or after a blank, outside quotes.
QString StripComment(const QString& line);

// Splits a line into words: blanks separate, "..." groups (a backslash escapes a quote).
// Returns false on an unterminated quote.
bool SplitWords(const QString& line, QStringList& words);

}  // namespace script
