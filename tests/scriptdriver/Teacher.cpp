// The teacher's actions (--teacher N): a pause in the middle of a run, the window made smaller
// and given back its size, a breakpoint on the current line, the window resized after the
// end, and the run made again after a reset. See Driver.h.
#include <QAbstractButton>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/Globals.h"
#include "framework/engine/Proc.h"
#include "framework/shell/AlgoForm.h"
#include "framework/shell/MainForm.h"
#include "tests/scriptdriver/Driver.h"
#include "tests/scriptdriver/Teacher.h"

namespace script {


namespace {

// A run to the end or to a breakpoint, as 执行 or F9 starts it: the runs the teacher pauses,
// and whose length tells where the middle of the next one lies.
bool RunsOn(const Command& c) {
  return c.verb == Verb::Run || (c.verb == Verb::Key && c.args[0] == QLatin1String("F9"));
}

bool ToolEnabled(ToolButton button) {
  return MainForm != nullptr && MainForm->Buttons(static_cast<int>(button))->isEnabled();
}

// The line at a row of a procedure of the demonstration loaded now, or none.
TProcLine* LineAt(const QString& procName, int row) {
  if (CurrentDemo == nullptr) return nullptr;
  const auto* proc = dynamic_cast<const TProcedure*>(CurrentDemo->Procedures()->FindByName(procName));
  return proc != nullptr ? proc->LineByIndex(row) : nullptr;
}

}  // namespace

bool Driver::TeacherAgain() const { return teacher_ && teacher_->secondRun; }

void Driver::TeacherClassStarts(std::uint32_t seed) {
  teacher_ = options_.teacher > 0 ? std::make_unique<TeacherState>(seed) : nullptr;
}

void Driver::TeacherDoes(const QString& command) {
  Parsed parsed = Parse(command);
  if (parsed.commands.size() != 1) {
    Fail(QStringLiteral("the teacher's %1: %2").arg(command, parsed.errors.join(QStringLiteral("; "))));
    return;
  }
  Command& c = parsed.commands.front();
  c.text += QStringLiteral("   # the teacher");
  Act(c);
}

void Driver::TeacherResizes(InputRandom& random) {
  const QWidget* window = DraggedWindow();
  if (window == nullptr) return;
  const QSize size = window->size();
  const QSize smaller = TeacherSmaller(random);
  TeacherDoes(QStringLiteral("resize %1x%2").arg(smaller.width()).arg(smaller.height()));
  TeacherDoes(QStringLiteral("resize %1x%2").arg(size.width()).arg(size.height()));
}

QSize Driver::TeacherSmaller(InputRandom& random) {
  // As a teacher fits the window to a projector: at least 640 x 480, at most nine tenths of
  // what it was.
  const QSize now = DraggedWindow() != nullptr ? DraggedWindow()->size() : QSize(640, 480);
  const int w = random.Between(std::min(640, now.width()), std::max(std::min(640, now.width()), now.width() * 9 / 10));
  const int h = random.Between(std::min(480, now.height()), std::max(std::min(480, now.height()), now.height() * 9 / 10));
  return {w, h};
}

void Driver::TeacherBeforeRun(const Command& c, bool along) {
  runLines_ = 0;
  if (!teacher_) return;
  TeacherState& t = *teacher_;
  host_.KeepTaken(true);
  t.pauseAt = 0;
  t.pausing = false;
  // The middle half of the last run's length: a run the script pauses itself, or one that
  // runs to the cursor, keeps its own stops.
  if (t.on && !t.pausedMidRun && !along && RunsOn(c) && t.lastRunLines >= 4)
    t.pauseAt = t.random.Between(static_cast<int>(t.lastRunLines / 4), static_cast<int>(t.lastRunLines * 3 / 4));
}

void Driver::TeacherLine() {
  TeacherState& t = *teacher_;
  if (t.pauseAt <= 0 || runLines_ != t.pauseAt || t.pausing) return;
  if (CurrentDemo == nullptr || !CurrentDemo->Running() || !ToolEnabled(ToolButton::DemoStop)) return;
  t.pausing = true;
  out_(QStringLiteral("teacher pauses the run at its line %1").arg(runLines_));
  PressButton("DemoStopBtn");
}

void Driver::TeacherAfterRun(const Command& c) {
  if (!teacher_) return;
  TeacherState& t = *teacher_;
  if (t.pausing && problems_.isEmpty() && !expectFailed_ && CurrentDemo != nullptr && CurrentDemo->CurLine() != nullptr)
    TeacherMidRun();
  t.pausing = false;
  t.pauseAt = 0;
  host_.KeepTaken(false);
  for (modal::ScriptedHost::Taken& a : host_.TakeTaken()) t.answers.push_back(std::move(a));
  ++t.runs;
  if (RunsOn(c)) t.lastRunLines = runLines_;
}

void Driver::TeacherMidRun() {
  TeacherState& t = *teacher_;
  t.pausedMidRun = true;
  if (DraggedWindow() == nullptr) return;
  TeacherResizes(t.random);
  const TProcLine* line = CurrentDemo != nullptr ? CurrentDemo->CurLine() : nullptr;
  if (line == nullptr || !problems_.isEmpty()) return;
  // A breakpoint on the current line, unless the script keeps one there itself.
  const QString proc = line->Procedure()->Name();
  const int row = line->LineNo();
  const QString breakHere = QStringLiteral("break %1 %2").arg(proc).arg(row);
  const bool ours = !line->Breakpoint;
  if (ours) TeacherDoes(breakHere);
  TeacherDoes(QStringLiteral("run"));
  if (!ours || !problems_.isEmpty()) return;
  TProcLine* mark = LineAt(proc, row);
  if (mark == nullptr || !mark->Breakpoint) return;
  if (CurrentDemo->CurLine() == mark) {
    // The run came back to it: the breakpoint is taken away, and the run goes on as the
    // script had it.
    TeacherDoes(breakHere);
    // A second run looked at thinly (--teacher above 1) ends here: the rest of it is what the
    // first run showed.
    if (t.secondRun && options_.teacher > 1) return;
    TeacherDoes(QStringLiteral("run"));
  } else {
    // It ended, or stopped where the script had it stop: the breakpoint goes unseen.
    mark->Breakpoint = false;
    if (AlgorithmForm != nullptr) AlgorithmForm->Refresh();
  }
}

void Driver::TeacherUnderMessage() {
  if (!teacher_ || !teacher_->on || teacher_->underMessage || !problems_.isEmpty() || expectFailed_) return;
  QWidget* window = DraggedWindow();
  if (window == nullptr || window != MainForm) return;
  teacher_->underMessage = true;
  // With the message window open, while the class reads the message: the message window is
  // looked at at each size.
  TeacherResizes(teacher_->underMessageRandom);
}

void Driver::TeacherEnd() {
  if (!teacher_) return;
  TeacherState& t = *teacher_;
  if (!t.on || t.runs == 0 || !problems_.isEmpty() || expectFailed_) return;
  if (CurrentDemo == nullptr || MainForm == nullptr || !MainForm->isVisible()) return;
  TeacherResizes(t.random);  // the demonstration's window, shown
  if (!problems_.isEmpty() || !ToolEnabled(ToolButton::DemoReset)) return;
  // What the script left unanswered is not the second run's.
  for (const QString& u : host_.TakeUnused()) Print(u);
  TeacherDoes(QStringLiteral("clearbreaks"));
  TeacherDoes(QStringLiteral("reset"));
  if (!problems_.isEmpty() || !ToolEnabled(ToolButton::DemoRun)) return;
  for (const modal::ScriptedHost::Taken& a : t.answers) host_.Queue(a);
  t.secondRun = true;
  Command again;
  again.verb = Verb::Run;
  again.text = QStringLiteral("run   # the teacher, again");
  TeacherBeforeRun(again, false);
  Act(again);
  TeacherAfterRun(again);
  t.secondRun = false;
  host_.TakeUnused();  // the answers queued again that the second run did not ask for
}

}  // namespace script
