// velkora-script: starts the program's windows as velkora does, runs a script of user
// actions against them and prints what a user would see. See Driver.h.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThreadPool>
#include <cstdio>

#include "demos/DemoList.h"
#include "framework/shell/Startup.h"
#include "platform/Application.h"
#include "platform/MidiPlayer.h"
#include "platform/Pacing.h"
#include "platform/PaintRecord.h"
#include "platform/Random.h"
#include "platform/Screen.h"
#include "tests/scriptdriver/Driver.h"
#include "tests/scriptdriver/Inputs.h"
#include "tests/support/LsanSuppressions.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

bool ReadScript(const QString& name, QString& text) {
  QFile file;
  const bool open = name == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                               : (file.setFileName(name), file.open(QIODevice::ReadOnly));
  if (!open) return false;
  text = QString::fromUtf8(file.readAll());
  return true;
}

// Qt's notes about what the headless platform cannot do (or where it keeps its sockets)
// are not the program's output.
void QuietHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (message.contains(QLatin1String("This plugin does not support")) ||
      message.contains(QLatin1String("XDG_RUNTIME_DIR")))
    return;
  if (type == QtDebugMsg || type == QtInfoMsg) return;
  QTextStream(stderr) << message << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietHandler);
  TApplication application(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);

  script::Options options;
  if (const QString problem = script::ParseOptions(application.arguments().mid(1), options);
      !problem.isEmpty()) {
    err << problem << '\n' << script::Usage();
    return script::ExitScriptError;
  }
  QString text;
  if (!ReadScript(options.script, text)) {
    err << "cannot read " << options.script << '\n';
    return script::ExitScriptError;
  }
  if (const QString problem = script::ApplyScreenLine(text, options); !problem.isEmpty()) {
    err << options.script << ": " << problem << '\n';
    return script::ExitScriptError;
  }
  if (options.listClasses) {
    QStringList problems;
    const QStringList names = script::ClassNames(text, problems);
    for (const QString& e : problems) err << options.script << ": " << e << '\n';
    for (const QString& name : names) out << name << '\n';
    return problems.isEmpty() ? script::ExitOk : script::ExitScriptError;
  }
  // The files the generators write (graphs) live as long as the run.
  QTemporaryDir drawn(QDir::temp().filePath(QStringLiteral("velkora-inputs-XXXXXX")));
  const script::Inputs inputs = script::ExpandInputs(text, options.seed, options.classes, drawn.path());
  std::vector<script::ClassRun> classes;
  QStringList errors = inputs.errors;
  for (const script::ClassScript& c : inputs.classes) {
    script::Parsed parsed = script::Parse(c.text);
    errors << parsed.errors;
    script::ReplaceTopSpeed(parsed.commands, options.speed);
    classes.push_back({c.name, c.seed, std::move(parsed.commands)});
  }
  if (!errors.isEmpty()) {
    errors.removeDuplicates();  // a line of the preamble is read once for every class
    for (const QString& e : errors) err << options.script << ": " << e << '\n';
    return script::ExitScriptError;
  }

  screen::SetFixedSize(options.screen);
  // Images are converted and scaled on the calling thread: the pool's threads only add their
  // start and hand-over to runs that check the screen after every line.
  QThreadPool::globalInstance()->setMaxThreadCount(1);
  paintrecord::SetEnabled(true);  // "print texts" reads what was drawn
  TMidiPlayer::SetAudioOutput(false);
  pacing::SetInstant(!options.realTime);
  rnd::FixSeed(script::DefaultProgramSeed);
  modal::ScriptedHostScope host;
  RegisterAllDemos();
  script::Driver driver(*host, options, [&out](const QString& line) {
    out << line << '\n';
    out.flush();
  });
  TProgramWindows windows;  // after the driver, which reports pictures missing from the start
  return driver.Run(classes);
}
