#include "tests/scriptdriver/Driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>

#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/StackBox.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"
#include "framework/engine/Globals.h"
#include "framework/shell/AlgoSelect.h"
#include "framework/shell/MainForm.h"
#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/Pacing.h"
#include "platform/Random.h"
#include "platform/Screen.h"
#include "tests/scriptdriver/ControlText.h"
#include "tests/scriptdriver/Drawing.h"
#include "tests/scriptdriver/Geometry.h"
#include "tests/scriptdriver/RunView.h"
#include "tests/scriptdriver/Stale.h"
#include "tests/scriptdriver/Teacher.h"
#include "tests/scriptdriver/Texts.h"
#include "tests/scriptdriver/Values.h"
#include "tests/support/ScriptControls.h"
#include "tests/support/ScriptedModalHost.h"

namespace script {

QString Usage() {
  return QStringLiteral(
      "usage: velkora-script [--screen WxH] [--shots DIR] [--exceptions FILE] [--pending FILE] [--sample N]\n"
      "                      [--full NAME]... [--full-sample N] [--real-time] [--seed N] [--class NAME]... [--classes] [--teacher N] [--speed N]\n"
      "                      SCRIPT\n"
      "  SCRIPT  a file of commands, or - for standard input; a first line \"# screen: WxH\" sets the\n"
      "          screen when --screen is not given\n"
      "  DIR     where shot files go; without it, a new folder in the temporary folder\n"
      "  FILE    --exceptions: texts check texts lets go down to 11 px: lines DEMO INPUT PATTERN;\n"
      "          --pending: drawing rules a demonstration does not keep yet: lines DEMO RULE...\n"
      "  N       \"check every\" looks at one in N of the lines it would check (1 unless given)\n"
      "  --full NAME   checks every line of that class whatever --sample says (several may be given)\n"
      "  --full-sample N  checks one in N of the lines of the classes --full names (1 unless given)\n"
      "  --seed N      seeds the values the script's \"let\" lines draw and the program's random choices\n"
      "  --class NAME  runs only that input class of the script (several may be given)\n"
      "  --classes     prints the script's input classes, one a line, and runs nothing\n"
      "  --teacher N   adds the teacher's actions to every class: a pause mid-run, the window made\n"
      "                smaller and given back its size, a breakpoint on the current line, the run made\n"
      "                again after a reset (checked at one line in N)\n"
      "  --speed N     runs at speed N (0 to 98) where the script sets speed 99\n"
      "  exit 0 when the script ran to its end, 1 when an expect failed, a picture is missing, a text is\n"
      "  illegible or a drawing wrong, 2 on a script error\n");
}

namespace {

// "WxH" of at least 640 x 480 (the windows need that much), or an empty size.
QSize ScreenSize(const QString& v) {
  const QStringList wh = v.split('x');
  bool okW = false, okH = false;
  const int w = wh.size() == 2 ? wh[0].toInt(&okW) : 0;
  const int h = wh.size() == 2 ? wh[1].toInt(&okH) : 0;
  if (!okW || !okH || w < 640 || h < 480) return {};
  return {w, h};
}

}  // namespace

QString ParseOptions(const QStringList& args, Options& options) {
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a == QLatin1String("--real-time")) {
      options.realTime = true;
    } else if (a == QLatin1String("--classes")) {
      options.listClasses = true;
    } else if (a == QLatin1String("--seed") || a == QLatin1String("--class") || a == QLatin1String("--full")) {
      if (i + 1 >= args.size()) return QStringLiteral("%1 needs a value").arg(a);
      const QString v = args[++i];
      if (a == QLatin1String("--class")) {
        options.classes << v;
        continue;
      }
      if (a == QLatin1String("--full")) {
        options.full << v;
        continue;
      }
      bool ok = false;
      options.seed = v.toUInt(&ok);
      if (!ok) return QStringLiteral("--seed takes a whole number from 0");
      options.seedGiven = true;
    } else if (a == QLatin1String("--teacher") || a == QLatin1String("--speed")) {
      if (i + 1 >= args.size()) return QStringLiteral("%1 needs a value").arg(a);
      bool ok = false;
      const int v = args[++i].toInt(&ok);
      if (a == QLatin1String("--teacher")) {
        if (!ok || v < 1) return QStringLiteral("--teacher takes a whole number of at least 1");
        options.teacher = v;
      } else {
        if (!ok || v < 0 || v > 98) return QStringLiteral("--speed takes a speed from 0 to 98");
        options.speed = v;
      }
    } else if (a == QLatin1String("--screen") || a == QLatin1String("--shots") || a == QLatin1String("--exceptions") ||
               a == QLatin1String("--pending") || a == QLatin1String("--sample") || a == QLatin1String("--full-sample")) {
      if (i + 1 >= args.size()) return QStringLiteral("%1 needs a value").arg(a);
      const QString v = args[++i];
      if (a == QLatin1String("--sample") || a == QLatin1String("--full-sample")) {
        bool ok = false;
        int& sample = a == QLatin1String("--sample") ? options.sample : options.fullSample;
        sample = v.toInt(&ok);
        if (!ok || sample < 1) return QStringLiteral("%1 takes a whole number of at least 1").arg(a);
        continue;
      }
      if (a == QLatin1String("--shots")) {
        options.shots = v;
        continue;
      }
      if (a == QLatin1String("--exceptions")) {
        options.exceptions = v;
        continue;
      }
      if (a == QLatin1String("--pending")) {
        options.pending = v;
        continue;
      }
      const QSize size = ScreenSize(v);
      if (size.isEmpty()) return QStringLiteral("--screen takes WxH, at least 640x480");
      options.screen = size;
      options.screenGiven = true;
    } else if (a.startsWith(QLatin1String("--"))) {
      return QStringLiteral("unknown option %1").arg(a);
    } else if (options.script.isEmpty()) {
      options.script = a;
    } else {
      return QStringLiteral("one script at a time");
    }
  }
  if (options.script.isEmpty()) return QStringLiteral("no script given");
  return {};
}

QString ApplyScreenLine(const QString& scriptText, Options& options) {
  static const QRegularExpression line(QStringLiteral("^# screen: (\\S*)"));
  const QRegularExpressionMatch m = line.match(scriptText.section('\n', 0, 0).trimmed());
  if (!m.hasMatch() || options.screenGiven) return {};
  const QSize size = ScreenSize(m.captured(1));
  if (size.isEmpty()) return QStringLiteral("line 1: \"# screen:\" takes WxH, at least 640x480");
  options.screen = size;
  return {};
}

void ReplaceTopSpeed(std::vector<Command>& commands, int speed) {
  if (speed < 0) return;
  for (Command& c : commands)
    if (c.verb == Verb::Speed && c.args[0] == QLatin1String("99")) {
      c.args[0] = QString::number(speed);
      c.text = QStringLiteral("speed %1   # speed 99 in the script").arg(speed);
    }
}

class Driver::ChangeCounter : public QObject {
 public:
  ChangeCounter() { qApp->installEventFilter(this); }
  long Count() const { return count_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Paint: case QEvent::Move: case QEvent::Resize: case QEvent::Show: case QEvent::Hide:
      case QEvent::ZOrderChange:
        if (auto* w = qobject_cast<QWidget*>(watched); w && Checked(*w)) ++count_;
        break;
      default: break;
    }
    return false;
  }

 private:
  long count_ = 0;
};

Driver::Driver(modal::ScriptedHost& host, const Options& options, std::function<void(const QString&)> out)
    : host_(host), options_(options), out_(std::move(out)), changes_(std::make_unique<ChangeCounter>()),
      sample_(options.sample) {
  host_.SetSink([this](const QString& line) { Print(line); });
  host_.SetErrorSink([this](const QString& problem) { Fail(problem); });
  host_.SetShotTaker([this](const QString& file) { Shot(file); });
  host_.SetLookTaker([this](const QString& word) { Look(word); });
  host_.SetOpenedHook([this](bool message) {
    if (everyLines_ > 0) CheckEvery();
    if (message) TeacherUnderMessage();
  });
  previousObserver_ = SetLineObserver([this] { LineDone(); });
  // In real time a teacher sees the windows while the run waits between two lines: "check
  // every" looks then too.
  if (options_.realTime) previousWaitObserver_ = SetWaitObserver([this] {
    if (everyLines_ > 0) CheckEvery();
  });
  SetMissingPictureHandler([this](const QString& name) {
    Print(QStringLiteral("error missing picture ") + name);
    missingPicture_ = true;
  });
}

Driver::~Driver() {
  SetMissingPictureHandler({});
  host_.SetShotTaker({});
  host_.SetLookTaker({});
  host_.SetOpenedHook({});
  SetLineObserver(std::move(previousObserver_));
  if (options_.realTime) SetWaitObserver(std::move(previousWaitObserver_));
}

int Driver::Run(const std::vector<ClassRun>& classes) {
  if (classes.size() == 1 && classes[0].name.isEmpty()) {
    if (options_.seedGiven) rnd::FixSeed(classes[0].seed);
    TeacherClassStarts(classes[0].seed);
    RunCommands(classes[0].commands);
    TeacherEnd();
    return Finish();
  }
  bool first = true;
  for (const ClassRun& c : classes) {
    if (expectFailed_ || !problems_.isEmpty()) break;
    if (!first) BetweenClasses();
    first = false;
    expects_.From(transcript_.size());
    Print(QStringLiteral("class %1 seed %2").arg(c.name).arg(c.seed));
    rnd::FixSeed(options_.seedGiven ? c.seed : DefaultProgramSeed);
    everyLines_ = 0;
    lastWrong_.clear();
    lastBreakpoints_.clear();
    lookedAt_ = -1;
    // The stale look of the last class is not this one's: the first look at a line looks again.
    staleFindings_.clear();
    staleTurn_ = 0;
    TeacherClassStarts(c.seed);
    resizedInClass_ = false;
    sample_ = options_.full.contains(c.name) ? options_.fullSample : options_.sample;
    RunCommands(c.commands);
    TeacherEnd();
  }
  return Finish();
}

void Driver::BetweenClasses() {
  for (const QString& u : host_.TakeUnused()) Print(u);
  if (AlgoSelectForm != nullptr && !AlgoSelectForm->isVisible()) PressButton("ReturnBtn");
  pacing::ProcessMessages();
}

void Driver::RunCommands(const std::vector<Command>& commands) {
  for (std::size_t i = 0; i < commands.size() && !expectFailed_ && problems_.isEmpty();) {
    const Command& c = commands[i];
    if (!StartsRun(c)) {
      Act(c);
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    while (j < commands.size() && RunsAlong(commands[j])) ++j;
    along_.clear();
    for (std::size_t k = i + 1; k < j; ++k) along_.push_back(&commands[k]);
    nextAlong_ = 0;
    lastMark_ = -1;  // the first is delivered at the first wait, whatever the clock says
    if (!along_.empty()) QMetaObject::invokeMethod(qApp, [this] { Deliver(); }, Qt::QueuedConnection);
    TeacherBeforeRun(c, !along_.empty());
    Echo(c);
    Guarded(c);
    // What the run left undelivered happens after it.
    const std::vector<const Command*> late(along_.begin() + static_cast<std::ptrdiff_t>(nextAlong_), along_.end());
    along_.clear();
    AfterAction(c);
    for (const Command* l : late) {
      if (expectFailed_ || !problems_.isEmpty()) break;
      Act(*l);
    }
    TeacherAfterRun(c);
    i = j;
  }
}

void Driver::Act(const Command& c) {
  Echo(c);
  Guarded(c);
  AfterAction(c);
}

int Driver::Finish() {
  if (everyUsed_) Print(QStringLiteral("checked %1 times over %2 lines run").arg(looks_).arg(linesRun_));
  const QStringList unused = host_.Unused();
  for (const QString& u : unused) Print(u);
  if (!problems_.isEmpty()) return ExitScriptError;
  return expectFailed_ || missingPicture_ || illegible_ || wrong_ ? ExitExpectFailed : ExitOk;
}

bool Driver::StartsRun(const Command& c) const {
  switch (c.verb) {
    case Verb::Run: case Verb::Step: case Verb::Trace: case Verb::Cursor: return true;
    case Verb::Key: return c.args[0] != QLatin1String("Esc") && c.args[0] != QLatin1String("F5");
    default: return false;
  }
}

void Driver::AfterAction(const Command& c) {
  if (everyLines_ <= 0 || !problems_.isEmpty()) return;
  switch (c.verb) {
    case Verb::Start: case Verb::Click: case Verb::Set: case Verb::Answer: case Verb::Key: case Verb::Resize:
    case Verb::Run: case Verb::Step: case Verb::Trace: case Verb::Cursor: case Verb::Reset:
    case Verb::Break: case Verb::ClearBreaks:  // they change the algorithm window
      CheckEvery();
      break;
    default: break;
  }
}

bool Driver::RunsAlong(const Command& c) { return c.verb == Verb::Pause || c.verb == Verb::Key; }

void Driver::Deliver() {
  if (nextAlong_ >= along_.size()) return;
  const bool running = CurrentDemo != nullptr && CurrentDemo->Running();
  // One command per wait between two lines: the clock has moved since the last one.
  if (!running || pacing::Now() == lastMark_) {
    QMetaObject::invokeMethod(qApp, [this] { Deliver(); }, Qt::QueuedConnection);
    return;
  }
  const Command& c = *along_[nextAlong_++];
  lastMark_ = pacing::Now();
  Echo(c);
  Guarded(c);
  if (nextAlong_ < along_.size()) QMetaObject::invokeMethod(qApp, [this] { Deliver(); }, Qt::QueuedConnection);
}

void Driver::Print(const QString& line) {
  transcript_ << line;
  out_(line);
}

void Driver::Echo(const Command& c) { out_(QStringLiteral("> ") + c.text); }

void Driver::Fail(const QString& problem) {
  problems_ << problem;
  out_(QStringLiteral("script-error ") + problem);
}

void Driver::Guarded(const Command& c) {
  try {
    Execute(c);
  } catch (const std::exception& e) {
    // A handler called directly (a button's click) throws here, not through the
    // application's event handling: report it as the application would.
    ReportException(e);
  }
}

QWidget* Driver::FindInWindows(const QString& name) {
  QList<QWidget*> roots;
  if (MainForm != nullptr) roots << MainForm;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top != MainForm && top->isVisible()) roots << top;
  QString problem;
  QWidget* w = FindOne(roots, name, problem);
  if (w == nullptr) Fail(problem);
  return w;
}

void Driver::PressButton(const char* name) {
  auto* b = MainForm->findChild<QAbstractButton*>(QString::fromLatin1(name));
  if (b == nullptr) {
    Fail(QStringLiteral("no button %1").arg(QString::fromLatin1(name)));
    return;
  }
  b->click();  // a disabled button does nothing, as for a user
}

void Driver::Execute(const Command& c) {
  switch (c.verb) {
    case Verb::Start: Start(c); break;
    case Verb::Dialog: host_.QueueDialog(c.args[0]); break;
    case Verb::Answer: host_.QueueMessage(c.args[0]); break;
    case Verb::File: host_.QueueFile(c.args[0]); break;
    case Verb::Set:
    case Verb::Click: {
      QWidget* w = FindInWindows(c.args[0]);
      if (w == nullptr) break;
      if (c.verb == Verb::Click) Click(*w);
      else if (const QString problem = SetValue(*w, c.args[1]); !problem.isEmpty()) Fail(problem);
      break;
    }
    case Verb::Trace: PressButton("TraceIntoBtn"); break;
    case Verb::Step: PressButton("StepOverBtn"); break;
    case Verb::Run: PressButton("DemoRunBtn"); break;
    case Verb::Pause: PressButton("DemoStopBtn"); break;
    case Verb::Reset:
    case Verb::Data:
      // Both start the run again from its beginning: the lines before are no lagged value's.
      variables_.Forget();
      PressButton(c.verb == Verb::Reset ? "DemoResetBtn" : "AlgDataBtn");
      break;
    case Verb::Back: PressButton("ReturnBtn"); break;
    case Verb::Cursor:
      browsing_ = !AtCurrentLine(c);
      SelectLine(c);
      if (problems_.isEmpty()) PressButton("RunToCursorBtn");
      break;
    case Verb::Break:
      browsing_ = !AtCurrentLine(c);
      SelectLine(c);
      if (problems_.isEmpty()) SendKey(*MainForm, QStringLiteral("F5"));
      break;
    case Verb::ClearBreaks: SendKey(*MainForm, QStringLiteral("Ctrl+F5")); break;
    case Verb::Speed: {
      QAbstractButton* set = MainForm->Buttons(static_cast<int>(ToolButton::Set));
      if (!set->isEnabled()) {
        Fail(QStringLiteral("speed: the options button is disabled"));
        break;
      }
      host_.QueueDialog(QStringLiteral("SpeedTrackBar=%1 确定").arg(c.args[0]));
      set->click();
      break;
    }
    case Verb::Key: SendKey(*MainForm, c.args[0]); break;
    case Verb::Print: PrintWhat(c); break;
    case Verb::Shot: Shot(c.args[0]); break;
    case Verb::Resize: Resize(QSize(c.args[0].toInt(), c.args[1].toInt())); break;
    case Verb::Teacher:
      if (teacher_) teacher_->on = c.args[0] == QLatin1String("on");
      break;
    case Verb::Check:
      if (c.args[0] == QLatin1String("texts")) {
        CheckTexts();
      } else if (c.args[0] == QLatin1String("drawing")) {
        CheckDrawing();
      } else {
        everyLines_ = c.args.size() == 1 ? 1 : c.args[1] == QLatin1String("off") ? 0 : c.args[1].toInt();
        everyUsed_ = true;
      }
      break;
    case Verb::Expect:
      if (const QString failure = expects_.Match(transcript_, c.args[0], c.line); !failure.isEmpty()) {
        out_(failure);
        expectFailed_ = true;
      }
      break;
  }
}

void Driver::Start(const Command& c) {
  if (AlgoSelectForm == nullptr || !AlgoSelectForm->isVisible()) {
    Fail(QStringLiteral("start: the selection window is not shown (go back first)"));
    return;
  }
  const QString& name = c.args[0];
  demoName_ = name;
  variables_.Forget();
  AlgoSelectForm->ChooseLanguage(c.args[1] == QLatin1String("c"));
  if (AlgoSelectForm->ClickLeaf(name)) return;
  // A demonstration without a leaf: what a leaf click does.
  AlgoSelectForm->StartDemo(name, name);
}

// The window a user drags: the demonstration's main window while one is shown, else the
// selection window.
QWidget* Driver::DraggedWindow() {
  return MainForm != nullptr && MainForm->isVisible()                 ? static_cast<QWidget*>(MainForm)
         : AlgoSelectForm != nullptr && AlgoSelectForm->isVisible() ? static_cast<QWidget*>(AlgoSelectForm)
                                                                      : nullptr;
}

void Driver::Resize(QSize size) {
  if (size.width() > screen::Width() || size.height() > screen::Height()) {
    Fail(QStringLiteral("resize: the screen is %1x%2").arg(screen::Width()).arg(screen::Height()));
    return;
  }
  QWidget* window = DraggedWindow();
  if (window == nullptr) {
    Fail(QStringLiteral("resize: no window is shown"));
    return;
  }
  window->resize(size);
  resized_ = true;
  resizedInClass_ = true;
  pacing::ProcessMessages();
}

bool Driver::AtCurrentLine(const Command& c) {
  const TProcLine* line = CurrentDemo != nullptr ? CurrentDemo->ShownLine() : nullptr;
  return line != nullptr && line->Procedure()->Name() == c.args[0] && line->LineNo() == c.args[1].toInt();
}

void Driver::SelectLine(const Command& c) {
  if (CurrentDemo == nullptr) {
    Fail(QStringLiteral("%1: no demonstration is loaded").arg(c.text));
    return;
  }
  if (AlgorithmForm == nullptr || !AlgorithmForm->SelectLine(c.args[0], c.args[1].toInt()))
    Fail(QStringLiteral("%1: the algorithm window has no such procedure or row").arg(c.text));
}


void Driver::PrintWhat(const Command& c) {
  const QString& what = c.args[0];
  if (what == QLatin1String("line")) {
    const TProcLine* line = CurrentDemo != nullptr ? CurrentDemo->CurLine() : nullptr;
    if (line == nullptr) {
      Print(QStringLiteral("line none"));
    } else {
      Print(QStringLiteral("line %1 %2 %3").arg(line->Procedure()->Name()).arg(line->LineNo()).arg(line->Label()));
    }
  } else if (what == QLatin1String("calls")) {
    if (CurrentDemo == nullptr) return;
    const TRunStack* stack = CurrentDemo->RunStack();
    for (int i = 0; i < stack->Count(); ++i)
      if (const TProcContext* f = stack->Frame(i)) Print(QStringLiteral("call ") + f->CallText);
  } else if (what == QLatin1String("buttons")) {
    QStringList names{QStringLiteral("buttons")};
    for (int tag = 1; tag <= ToolbarLayout::ButtonCount; ++tag)
      if (MainForm->Buttons(tag)->isEnabled()) names << MainForm->Buttons(tag)->objectName();
    Print(names.join(' '));
  } else if (what == QLatin1String("text")) {
    QWidget* w = FindInWindows(c.args[1]);
    if (w == nullptr) return;
    const std::optional<QString> shown = script::ShownText(*w);
    if (!shown) {
      Fail(QStringLiteral("print text %1: a %2 shows no text that can be read").arg(c.args[1], script::ClassNameOf(*w)));
      return;
    }
    // A control the user cannot see says so: "text BtnL (hidden) = <<".
    Print(QStringLiteral("text %1%2 = %3")
              .arg(c.args[1], w->isVisible() ? QString() : QStringLiteral(" (hidden)"), *shown));
  } else if (what == QLatin1String("texts")) {
    PrintTexts();
  } else if (what == QLatin1String("shapes")) {
    PrintShapes();
  } else if (what == QLatin1String("drawing")) {
    PrintDrawing(c.args.size() > 1 ? c.args[1] : QString());
  } else if (what == QLatin1String("vars")) {
    if (VariableForm == nullptr) return;
    for (int i = 0; i < VariableForm->Rows().Count(); ++i) Print(QStringLiteral("var ") + VariableForm->RowText(i));
  } else if (what == QLatin1String("stack")) {
    // The kit's controls are plain widgets to Qt's casts: look at each one.
    QList<QWidget*> widgets = MainForm->findChildren<QWidget*>();
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top != MainForm && top->isVisible()) widgets << top->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
      if (const auto* box = dynamic_cast<const TStackBox*>(w)) {
        // A window with several stack displays names each before its rows.
        if (!box->objectName().isEmpty()) Print(QStringLiteral("stack-box ") + box->objectName());
        for (int i = 0; i < box->Count(); ++i) Print(QStringLiteral("stack ") + box->GetItem(i)->GetText());
      }
    }
  }
}

void Driver::PrintDrawing(const QString& name) {
  const std::vector<TGraphForm*>& forms = TGraphForm::All();
  const QWidget* only = nullptr;
  if (!name.isEmpty()) {
    QList<QWidget*> shown;
    for (TGraphForm* form : forms)
      if (form->isVisible()) shown << form;
    QString problem;
    only = FindOne(shown, name, problem);
    if (only == nullptr) {
      Fail(problem + QStringLiteral(" on the drawing windows"));
      return;
    }
  }
  for (const QString& line : DrawingLines(forms, only)) Print(line);
}


void Driver::Shot(const QString& file) {
  pacing::ProcessMessages();
  const QImage img = ComposeScreen(ScreenWindows());
  if (options_.shots.isEmpty() && tempShots_.isEmpty()) {
    // A script run by hand never writes into the folder it is run from.
    QTemporaryDir dir(QDir::temp().filePath(QStringLiteral("velkora-shots-XXXXXX")));
    dir.setAutoRemove(false);
    if (!dir.isValid()) {
      Fail(QStringLiteral("cannot make a folder for the shots: %1").arg(dir.errorString()));
      return;
    }
    tempShots_ = dir.path();
  }
  const QString path = QDir(options_.shots.isEmpty() ? tempShots_ : options_.shots).filePath(file);
  QDir().mkpath(QFileInfo(path).absolutePath());
  if (!img.save(path)) {
    Fail(QStringLiteral("cannot write %1").arg(path));
    return;
  }
  Print(QStringLiteral("shot ") + path);
}

void Driver::PrintTexts() {
  pacing::ProcessMessages();
  const QList<QWidget*> windows = ScreenWindows();
  // Composing the screen paints every control, so what each painted is recorded too.
  const QImage screen = ComposeScreen(windows);
  for (const Glyphs& g : GatherTexts(windows, screen)) Print(g.Line());
}

std::optional<QString> Driver::ReadOnce(const QString& path, bool& read) {
  if (read) return std::nullopt;
  read = true;
  if (path.isEmpty()) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    Fail(QStringLiteral("cannot read %1").arg(path));
    return std::nullopt;
  }
  return QString::fromUtf8(file.readAll());
}

QStringList Driver::TextFindings() {
  pacing::ProcessMessages();
  if (const std::optional<QString> text = ReadOnce(options_.exceptions, exceptionsRead_)) {
    QStringList problems;
    exceptions_ = ParseExceptions(*text, problems);
    for (const QString& p : problems) Fail(options_.exceptions + QStringLiteral(": ") + p);
  }
  auto allowed11 = [&](const Glyphs& g) {
    return std::any_of(exceptions_.begin(), exceptions_.end(), [&](const SizeException& e) {
      return e.demo.compare(demoName_, Qt::CaseInsensitive) == 0 &&
             QRegularExpression(QRegularExpression::anchoredPattern(e.pattern)).match(g.text).hasMatch();
    });
  };
  const QList<QWidget*> windows = ScreenWindows();
  const QImage screen = ComposeScreen(windows, true);
  // A window made smaller than the screen shows its texts smaller in proportion.
  double share = 1.0;
  if (const QWidget* window = resized_ ? DraggedWindow() : nullptr)
    share = std::min({1.0, window->width() / static_cast<double>(screen.width()),
                      window->height() / static_cast<double>(screen.height())});
  return Findings(GatherTexts(windows, screen, true), screen.size(), allowed11, share);
}


QStringList Driver::GeometryFindings() {
  pacing::ProcessMessages();
  const QList<QWidget*> windows = ScreenWindows();
  return DrawingFindings(GatherShapes(windows), variables_.Now()) + RunViewFindings(GatherRunView()) +
         StaleFindings(windows);
}

void Driver::CheckTexts() {
  for (const QString& f : TextFindings() + BreakpointFindings() + CurrentLineFindings(browsing_))
    if (Report(f)) illegible_ = true;
}

void Driver::PrintShapes() {
  pacing::ProcessMessages();
  const Scene scene = GatherShapes(ScreenWindows());
  for (const Shape& s : scene.shapes) Print(s.Line(scene.shapes) + MeaningsOf(s));
  for (const Cover& c : scene.covers) Print(c.Line());
}

bool Driver::Pending(const QString& finding) {
  if (const std::optional<QString> text = ReadOnce(options_.pending, pendingRead_)) pending_ = ParsePending(*text);
  return IsPending(pending_, demoName_, finding, resizedInClass_);
}

bool Driver::Report(const QString& finding) {
  const bool pending = Pending(finding);
  Print(pending ? QStringLiteral("pending ") + finding : finding);
  return !pending;
}

void Driver::CheckDrawing() {
  for (const QString& f : GeometryFindings())
    if (Report(f)) wrong_ = true;
}

void Driver::CheckEvery(bool atLine) {
  // The texts and the shapes are what they were at the last look while nothing checked has
  // changed since; the drawing's marks are held against the variables at every look, the
  // variables they stand for may have changed.
  pacing::ProcessMessages();
  ++looks_;
  QStringList illegible;
  if (changes_->Count() != lookedAt_) {
    illegible = TextFindings();
    const QList<QWidget*> windows = ScreenWindows();
    scene_ = GatherShapes(windows);
    if (!atLine || staleTurn_++ % kStaleTurn == 0) staleFindings_ = StaleFindings(windows);
    shapeFindings_ = ShapeFindings(scene_) + staleFindings_;
    lookedAt_ = changes_->Count();  // after the look, which paints what it composes
  }
  // The algorithm window's breakpoints and current line are looked at every time, and a fault
  // that stays is told once.
  const QStringList breakpoints = BreakpointFindings() + CurrentLineFindings(browsing_);
  for (const QString& b : breakpoints)
    if (!lastBreakpoints_.contains(b)) illegible << b;
  lastBreakpoints_ = breakpoints;
  QStringList wrong = shapeFindings_ + VariableFindings(scene_, variables_.Now()) + RunViewFindings(GatherRunView());
  // A fault that stays from one look to the next is told once, where it first shows.
  const QStringList all = wrong;
  wrong.removeIf([this](const QString& f) { return lastWrong_.contains(f); });
  lastWrong_ = all;
  if (illegible.isEmpty() && wrong.isEmpty()) return;
  // Where the run stands, before what was found there.
  const TProcLine* line = CurrentDemo != nullptr ? CurrentDemo->CurLine() : nullptr;
  Print(line == nullptr ? QStringLiteral("at the end (line %1 of the run)").arg(linesRun_)
                        : QStringLiteral("at line %1 %2 %3 (line %4 of the run)")
                              .arg(line->Procedure()->Name())
                              .arg(line->LineNo())
                              .arg(line->Label())
                              .arg(linesRun_));
  for (const QString& f : illegible)
    if (Report(f)) illegible_ = true;
  for (const QString& f : wrong)
    if (Report(f)) wrong_ = true;
}

void Driver::LineDone() {
  ++runLines_;
  browsing_ = false;  // the engine shows the executing procedure again
  if (teacher_) TeacherLine();
  if (everyLines_ <= 0) return;
  ++linesRun_;
  // The teacher's second run is looked at more thinly.
  const int sample = TeacherAgain() ? std::max(sample_, options_.teacher) : sample_;
  if (linesRun_ % (static_cast<long>(everyLines_) * sample) == 0) CheckEvery(true);
  variables_.LineDone();
}

void Driver::Look(const QString& word) {
  if (word.startsWith(QLatin1String("resize:"))) {
    // The window dragged to another size while a dialog or message window is open.
    const QStringList wh = word.mid(7).split('x');
    const int w = wh.size() == 2 ? wh[0].toInt() : 0;
    const int h = wh.size() == 2 ? wh[1].toInt() : 0;
    if (w < 320 || h < 240) {
      Fail(QStringLiteral("%1: resize takes WxH, at least 320x240").arg(word));
      return;
    }
    Resize(QSize(w, h));
    if (everyLines_ > 0 && problems_.isEmpty()) CheckEvery();
  } else if (word == QLatin1String("print:texts")) PrintTexts();
  else if (word == QLatin1String("check:texts")) CheckTexts();
  else if (word == QLatin1String("print:shapes")) PrintShapes();
  else if (word == QLatin1String("check:drawing")) CheckDrawing();
  else Fail(QStringLiteral("unknown look %1 (print:texts, check:texts, print:shapes, check:drawing, resize:WxH)").arg(word));
}

}  // namespace script
