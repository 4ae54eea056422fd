#pragma once
// Runs a velkora-script against the program's windows and writes the transcript: every
// command echoed as "> command", every modal window as it appears ("message CAPTION | TEXT",
// "dialog CAPTION", "file-dialog CAPTION"), every error shown ("error TEXT"), what the print
// commands print, and at the end every answer left unused ("unused ...").
//
// An expect passes when a transcript line at or after the one the previous expect matched
// holds its text (Expect.h); the first failed expect ends the script.
//
// Runs and what happens during them: a run started by run, step, trace, cursor or a key
// goes on while the commands after it are pause or key. Each of those is delivered during
// the run at its next wait between two lines (one command per wait), as a user pressing it
// while the program runs; every other command waits until the run has ended. A pause or key
// that comes too late for the run is carried out after it.
//
// The teacher's actions (--teacher N): what a teacher does besides giving the input, added to
// every class (Teacher.cpp). In the first run of a class whose length is known from the run
// before it (the class's earlier run, else the run made again below), the run is paused at a
// line drawn from the class's seed in the middle half of that length; the window is made
// smaller and its size given back, a breakpoint is set on the current line, and the run goes
// on (stopping at that breakpoint once more, if it comes back to it, before the breakpoint is
// taken away and the run goes on as the script had it). The first message window the class
// opens is left open while the window is made smaller and given back its size. After the
// class's last command the
// window is made smaller and given back its size once more, the breakpoints are cleared, and
// 恢复 (reset) and 执行 run the demonstration again from its beginning, the answers its runs
// took queued again; "check every" looks at one line in N of that second run. A class opts
// out with "teacher off".
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "tests/scriptdriver/Expect.h"
#include "tests/scriptdriver/Geometry.h"
#include "tests/scriptdriver/Script.h"
#include "tests/scriptdriver/Texts.h"
#include "tests/scriptdriver/Values.h"

class QWidget;

namespace modal {
class ScriptedHost;
}

namespace script {

struct TeacherState;  // Teacher.h
class InputRandom;    // Inputs.h

struct Options {
  QSize screen{1024, 768};
  bool screenGiven = false;  // by --screen, which wins over the script's own line
  QString shots;         // folder of the shot files; a new temporary folder when empty
  QString exceptions;    // the texts "check texts" lets go down to 11 px (Texts.h); none when empty
  QString pending;       // the drawing rules a demonstration does not keep yet (Geometry.h)
  int sample = 1;        // "check every" looks at one in this many of the lines it would check
  bool realTime = false;
  QString script;        // file name, "-" for standard input
  std::uint32_t seed = 1;  // of the values "let" draws (Inputs.h)
  bool seedGiven = false;  // the program's own random choices follow the seed too
  QStringList classes;     // the input classes to run; every class when empty
  QStringList full;        // classes checked at one line in fullSample whatever sample says
  int fullSample = 1;
  bool listClasses = false;  // print the script's classes instead of running it
  int teacher = 0;         // the teacher's actions, their second run checked at one line in this many; 0: none
  int speed = -1;          // replaces the scripts' "speed 99"; -1: kept
};

// One input class of a script, parsed (a script without classes is one class without a name).
struct ClassRun {
  QString name;
  std::uint32_t seed = 0;
  std::vector<Command> commands;
};

// Reads the command line; returns an error text (usage) when it is not understood.
QString ParseOptions(const QStringList& args, Options& options);
QString Usage();
// A script whose first line is "# screen: WxH" runs on that screen unless the command line
// named one. Returns an error text when the line names no size the windows can take.
QString ApplyScreenLine(const QString& scriptText, Options& options);

// The program's random choices follow this seed unless --seed names one.
constexpr std::uint32_t DefaultProgramSeed = 20261206u;

// "speed 99" made "speed N" (N >= 0; a negative N leaves the commands as they are).
void ReplaceTopSpeed(std::vector<Command>& commands, int speed);

// Exit codes.
enum Exit { ExitOk = 0, ExitExpectFailed = 1, ExitScriptError = 2 };

class Driver {
 public:
  // Lines of the transcript go to out as they are made.
  Driver(modal::ScriptedHost& host, const Options& options, std::function<void(const QString&)> out);
  ~Driver();

  // Runs the classes one after the other, each from the selection window, each announced as
  // "class NAME seed N" (the seed of its values) and with the program's random choices
  // seeded afresh, so that a class run alone sees what it sees in a run of them all. The
  // program's windows must exist. Returns the exit code.
  int Run(const std::vector<ClassRun>& classes);

  // The transcript so far (without the echoed commands).
  const QStringList& Transcript() const { return transcript_; }

 private:
  void RunCommands(const std::vector<Command>& commands);
  int Finish();
  // Back to the selection window, the answers the last class left unused told and dropped.
  void BetweenClasses();
  void Execute(const Command& c);
  // A command that starts no run: echoed, carried out and looked at after.
  void Act(const Command& c);
  void Print(const QString& line);
  void Echo(const Command& c);
  void Fail(const QString& problem);
  // Runs one command and reports what it threw, as the application's handler would.
  void Guarded(const Command& c);
  bool StartsRun(const Command& c) const;
  static bool RunsAlong(const Command& c);
  void Deliver();

  // "check every" looks again after what a user does (Script.h).
  void AfterAction(const Command& c);
  void Start(const Command& c);
  void Resize(QSize size);
  static QWidget* DraggedWindow();
  void PressButton(const char* name);
  void SelectLine(const Command& c);
  // Whether a break or cursor command names the line the run stands on.
  static bool AtCurrentLine(const Command& c);
  void PrintWhat(const Command& c);
  void PrintDrawing(const QString& name);
  void Shot(const QString& file);
  void PrintTexts();
  // What the legibility rules and the geometry rules find now.
  QStringList TextFindings();
  QStringList GeometryFindings();
  void CheckTexts();
  void PrintShapes();
  void CheckDrawing();
  // Both checks, as "check every" makes them after a line (atLine) or when a window opens;
  // where they find something, first the line the run stands on.
  void CheckEvery(bool atLine = false);
  // Prints a finding, "pending " before it when the demonstration does not keep its rule yet;
  // returns whether it fails the run.
  bool Report(const QString& finding);
  // After every line a run executes.
  void LineDone();
  // "print:texts", "check:texts", "print:shapes", "check:drawing" or "resize:WxH" asked for
  // in an answer to a modal window.
  void Look(const QString& word);
  // The one control of the program's windows that name stands for; a script error when
  // there is none or several.
  QWidget* FindInWindows(const QString& name);

  modal::ScriptedHost& host_;
  Options options_;
  std::function<void(const QString&)> out_;
  QStringList transcript_;
  QStringList problems_;
  ExpectCursor expects_;  // where the next expect starts looking
  bool expectFailed_ = false;
  bool missingPicture_ = false;  // a picture the program loads is not in the image folder
  // Commands delivered during the run being made, and the clock at the last delivery.
  std::vector<const Command*> along_;
  std::size_t nextAlong_ = 0;
  qint64 lastMark_ = 0;
  // The folder of this run's shots when no --shots folder is given; made at the first shot.
  QString tempShots_;
  QString demoName_;  // as the last start named it
  bool illegible_ = false;  // check texts found a text that cannot be read
  bool wrong_ = false;      // check drawing found a drawing that tells a wrong story
  int everyLines_ = 0;      // "check every": after every this many lines; 0 when off
  long linesRun_ = 0;       // lines executed under "check every"
  long looks_ = 0;          // checks "check every" made
  bool everyUsed_ = false;
  std::function<void()> previousObserver_;
  std::function<void()> previousWaitObserver_;
  // Counts what changes the look of the checked windows (a paint, a move, a window shown):
  // "check every" looks at the texts and the shapes again only when it has moved on since the
  // last look.
  class ChangeCounter;
  std::unique_ptr<ChangeCounter> changes_;
  long lookedAt_ = -1;
  QStringList lastWrong_;  // what the last look of "check every" found in the drawing
  QStringList lastBreakpoints_;  // and the breakpoints it found unseen, the current line out of view
  // The user chose a procedure's tab or row (break, cursor) since the last line ran: the
  // algorithm window may show another procedure than the executing one.
  bool browsing_ = false;
  // The run's variables, with the values of lagged paths kept line by line.
  RunVariables variables_;
  // The drawing's shapes at the last look and what they tell, while nothing has changed.
  Scene scene_;
  QStringList shapeFindings_;
  // What the rule stale found at its last look. A slide's leftovers stay until painted over,
  // so at the lines of a run it looks at one change in kStaleTurn (its repaint of every stack
  // display costs as much as the other rules together), at every other look each time.
  static constexpr int kStaleTurn = 8;
  QStringList staleFindings_;
  long staleTurn_ = 0;
  // The texts that may go down to 11 px, read from --exceptions at the first check.
  std::vector<SizeException> exceptions_;
  bool exceptionsRead_ = false;
  bool resized_ = false;  // a window was dragged to a size since the script began
  bool resizedInClass_ = false;  // and since the class began (the pending rules "resized")
  // The drawing rules each demonstration does not keep yet, read from --pending at the first
  // check: their findings are printed "pending wrong RULE ..." and fail nothing.
  std::vector<PendingRules> pending_;
  bool pendingRead_ = false;
  bool Pending(const QString& finding);

  // The teacher's actions (Teacher.cpp).
  void TeacherClassStarts(std::uint32_t seed);
  // Before and after a run the script starts; returns after the teacher's mid-run actions.
  void TeacherBeforeRun(const Command& c, bool along);
  void TeacherAfterRun(const Command& c);
  // Pauses the run at the drawn line (from LineDone).
  void TeacherLine();
  void TeacherMidRun();
  void TeacherEnd();
  void TeacherUnderMessage();  // a message window has just opened
  // A command the teacher gives, as a script writes it: echoed and looked at after as the
  // script's own.
  void TeacherDoes(const QString& command);
  QSize TeacherSmaller(InputRandom& random);
  // The window a user drags made smaller and given back its size, as a teacher fits it to a
  // projector.
  void TeacherResizes(InputRandom& random);
  bool TeacherAgain() const;  // the second run is being made
  std::unique_ptr<TeacherState> teacher_;
  long runLines_ = 0;  // lines executed since the run being made began
  int sample_ = 1;     // --sample, or --full-sample for a class named by --full
  // A file the command line names (the exceptions, the pending rules), read at its first use:
  // its text that once, else nothing; nothing too when none is named or it cannot be read
  // (the run then fails, saying so).
  std::optional<QString> ReadOnce(const QString& path, bool& read);
};

}  // namespace script
