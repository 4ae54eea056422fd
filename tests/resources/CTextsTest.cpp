// A class copies the C texts from the algorithm window, so they must be C. Every text named by
// a file tests/resources/ctexts/C_<Name>.h is compiled as the window shows it (syntax only; in
// C++ mode, which takes the textbook's reference parameters), after the declarations that file
// makes: the types, the functions the text calls and the variables it leaves undeclared (a
// harness may include a shared one, such as ALGraph.h).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "framework/engine/Proc.h"

namespace {

const QString kSourceDir = QStringLiteral(VELKORA_SOURCE_DIR);
const QString kHarnessDir = kSourceDir + QStringLiteral("/tests/resources/ctexts");
const QStringList kHeaders = {QStringLiteral("[Theme]"), QStringLiteral("[Source]"), QStringLiteral("[Description]")};

QString ReadUtf8(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString LineMark(int line, const QString& path) {
  return QStringLiteral("#line %1 \"%2\"\n").arg(line).arg(path);
}

// The harness lines "//> WORDS => CODE": pseudo-code a text writes in words, and the code that
// stands for it while the text is compiled.
QList<std::pair<QString, QString>> StandIns(const QString& harness) {
  static const QRegularExpression standIn(QStringLiteral("^//> (.+) => (.+)$"),
                                          QRegularExpression::MultilineOption);
  QList<std::pair<QString, QString>> out;
  for (auto it = standIn.globalMatch(harness); it.hasNext();) {
    const auto m = it.next();
    out.append({m.captured(1), m.captured(2)});
  }
  return out;
}

// The code of text `name` in a namespace of its own: the harness, then the display text of
// every line of the source as the engine parses it (what the window shows), each marked with its
// place in the text file so that the compiler names it. A line number the text writes before a
// line is blanked; the lines of "Main", the call that starts the run, make a function. A line
// the engine cuts to its 80 bytes goes to `cut`.
QString TextAsCode(const QString& name, QStringList& cut) {
  const QString harnessPath = kHarnessDir + QLatin1Char('/') + name + QStringLiteral(".h");
  const QString textPath = kSourceDir + QStringLiteral("/resources/texts/") + name + QStringLiteral(".txt");
  const QString harness = ReadUtf8(harnessPath);
  const QStringList lines = ReadUtf8(textPath).split(QLatin1Char('\n'));
  static const QRegularExpression lineNumber(QStringLiteral("^ *\\d+(?= )"));

  QString code = QStringLiteral("namespace ") + name + QStringLiteral(" {\n") + LineMark(1, harnessPath) +
                 harness + QLatin1Char('\n');
  bool inSource = false;
  bool inMain = false;
  for (int i = 0; i < lines.size(); ++i) {
    const QString entry = lines[i];
    if (kHeaders.contains(entry)) {
      inSource = entry == QLatin1String("[Source]");
      continue;
    }
    if (!inSource || entry.isEmpty()) continue;
    if (entry.startsWith(QLatin1Char('#'))) break;
    if (entry.startsWith(QLatin1Char('!'))) {
      if (inMain) code += QStringLiteral("}\n");
      inMain = entry == QLatin1String("!Main");
      if (inMain) code += QStringLiteral("void Main() {\n");
      continue;
    }
    QString text = TProcLine(entry, 0).Text();
    if (text != ExpandTabs(entry).section(QLatin1Char('`'), 0, 0)) cut << name + QStringLiteral(": ") + text;
    const auto number = lineNumber.match(text);
    if (number.hasMatch()) text.replace(0, number.capturedLength(), QString(number.capturedLength(), ' '));
    for (const auto& [words, standIn] : StandIns(harness)) text.replace(words, standIn);
    code += LineMark(i + 1, textPath) + text + QLatin1Char('\n');
  }
  if (inMain) code += QStringLiteral("}\n");
  return code + QStringLiteral("}  // namespace ") + name + QLatin1Char('\n');
}

}  // namespace

TEST(CTexts, CompileAsTheWindowShowsThem) {
  const QStringList harnesses = QDir(kHarnessDir).entryList({QStringLiteral("C_*.h")}, QDir::Files, QDir::Name);
  ASSERT_GE(harnesses.size(), 20) << "the harnesses are under " << kHarnessDir.toStdString();
  QString code = LineMark(1, kHarnessDir + QStringLiteral("/textbook.h")) + ReadUtf8(kHarnessDir + QStringLiteral("/textbook.h"));
  QStringList cut;
  for (const QString& harness : harnesses) {
    const QString name = harness.chopped(2);
    ASSERT_TRUE(QFile::exists(kSourceDir + QStringLiteral("/resources/texts/") + name + QStringLiteral(".txt")))
        << harness.toStdString() << " names no text";
    code += TextAsCode(name, cut);
  }
  EXPECT_TRUE(cut.isEmpty()) << "lines the window shows cut:\n" << cut.join('\n').toStdString();

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile file(dir.filePath(QStringLiteral("texts.cpp")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(code.toUtf8());
  file.close();

  QProcess compiler;
  compiler.setProcessChannelMode(QProcess::MergedChannels);
  compiler.start(QStringLiteral(VELKORA_CXX_COMPILER),
                 {QStringLiteral("-fsyntax-only"), QStringLiteral("-std=c++20"), QStringLiteral("-I") + kHarnessDir,
                  QStringLiteral("-Wformat"),
                  QStringLiteral("-Werror=format"), QStringLiteral("-Werror=return-type"), file.fileName()});
  ASSERT_TRUE(compiler.waitForFinished(120000)) << "the compiler did not finish";
  EXPECT_EQ(compiler.exitCode(), 0) << compiler.readAll().toStdString();
}
