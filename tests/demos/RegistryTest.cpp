// Every registered demonstration, checked the same way: its texts in each language it has
// parse and name only step methods the class has (of the right kind), the catalogue leaf
// (or its name) reaches the class, and a script runs it in each of those languages.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>

#include "demos/DemoList.h"
#include "demos/stacks/Ackman.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/AlgoSrc.h"
#include "framework/shell/Catalogue.h"
#include "framework/shell/DemoDescriptForm.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

struct Language {
  const char* prefix;  // of the text component
  const char* word;    // in a script's "start NAME WORD"
};
const Language kLanguages[] = {{"P_", "pascal"}, {"C_", "c"}};

// Every "start NAME LANGUAGE" of the scripts, lower-cased.
QSet<QString> ScriptStarts() {
  QSet<QString> starts;
  const QDir dir(QStringLiteral(VELKORA_SOURCE_DIR "/tests/scripts"));
  static const QRegularExpression start(QStringLiteral("^start\\s+(\\S+)\\s+(\\S+)"),
                                        QRegularExpression::MultilineOption);
  for (const QString& name : dir.entryList({QStringLiteral("*.vks")})) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QString text = QString::fromUtf8(file.readAll());
    for (auto it = start.globalMatch(text); it.hasNext();) {
      const auto m = it.next();
      starts << (m.captured(1) + QLatin1Char(' ') + m.captured(2)).toLower();
    }
  }
  return starts;
}

// The demonstration name of a class: the text whose name leads to it.
QString DemoNameOf(const QMetaObject& cls) {
  for (const auto& text : ProcSrcContainer().Texts()) {
    const QString name = text->Name.mid(2);
    const DemoClassRegistry::Entry* e = FindDemoClass(name);
    if (e != nullptr && e->meta == &cls) return name;
  }
  return {};
}

}  // namespace

TEST(Registry, EveryDemonstrationHasTextsStepMethodsALeafAndScripts) {
  RegisterAllDemos();
  ASSERT_FALSE(DemoChapters().empty());
  ASSERT_GT(DemoClasses().size(), 0u);
  const TCatalogue catalogue = TCatalogue::Load();
  const QSet<QString> starts = ScriptStarts();
  for (const QMetaObject* cls : DemoClasses().Classes()) {
    const QString className = QString::fromLatin1(cls->className());
    SCOPED_TRACE(className.toStdString());
    const QString name = DemoNameOf(*cls);
    ASSERT_FALSE(name.isEmpty()) << className.toStdString() << " has no text P_<Name> or C_<Name>";
    for (const Language& lang : kLanguages) {
      const TAlgoSrc* text = ProcSrcContainer().FindText(QLatin1String(lang.prefix) + name);
      if (text == nullptr) continue;
      QStringList problems = CheckStepMethods(*cls, text->Source);
      // The Pascal insertion text jumps to "end", which names no line (labels match with
      // letter case): the run goes on with the next line, End, as that text is written.
      if (text->Name == QLatin1String("P_InsLinkList"))
        problems.removeAll(QStringLiteral("InsLinkList: no line labelled end"));
      EXPECT_EQ(problems.join('\n').toStdString(), "") << text->Name.toStdString();
      EXPECT_TRUE(starts.contains((name + QLatin1Char(' ') + QLatin1String(lang.word)).toLower()))
          << "no script in tests/scripts starts " << name.toStdString() << " " << lang.word;
    }
    const TCatalogueNode* leaf = catalogue.FindLeaf(name);
    const DemoClassRegistry::Entry* reached = FindDemoClass(leaf ? leaf->DemoName() : name);
    EXPECT_TRUE(reached != nullptr && reached->meta == cls)
        << "neither a catalogue leaf nor the name " << name.toStdString() << " reaches the class";
  }
}

// The description window at the tests' 1024 x 768: every row within the text area, every
// character of the author's text still there.
TEST(Registry, EveryDescriptionReadsWholeInItsWindow) {
  RegisterAllDemos();
  const TFont font = TDescGrid::RowFont();
  for (const QMetaObject* cls : DemoClasses().Classes()) {
    const QString name = DemoNameOf(*cls);
    const TAlgoSrc* text = ProcSrcContainer().FindText(QStringLiteral("P_") + name);
    if (name.isEmpty() || text == nullptr || text->Descript.isEmpty()) continue;
    SCOPED_TRACE(name.toStdString());
    modal::ScriptedHostScope host;
    host->QueueDialog(QStringLiteral("确定"));
    TDemoDescriptForm form;
    form.Execute(text->Descript);
    for (const QString& row : form.TextRows())
      EXPECT_LE(font.TextWidth(row), form.DescGrid->width()) << row.toStdString();
    EXPECT_LE(form.LabelTitle->x() + form.LabelTitle->width(), form.width()) << "the title";
    const auto letters = [](QStringList lines) { return lines.join(QString()).remove(QLatin1Char(' ')); };
    EXPECT_EQ(letters(form.TextRows()), letters(text->Descript.mid(1))) << "nothing of the text is lost";
  }
}

TEST(Registry, ATextNamingAMissingStepMethodIsReported) {
  const QStringList broken = {
      QStringLiteral("!Main"),
      QStringLiteral("Res:=AckMan(m,n); `Begin@C{Ackman}"),
      QStringLiteral("`End@R"),
      QStringLiteral("!Ackman"),
      QStringLiteral("IF m = 0 THEN`Begin@F{Else}"),
      QStringLiteral("  RETURN (n + 1)`AckLine1@P@R"),
      QStringLiteral("ELSE IF n = 0 THEN`Nowhere@F{Missing}"),
      QStringLiteral("  Fact(n)`AckLine3@C{Fact}"),
      QStringLiteral("`Else=>Begin"),
      QStringLiteral("`AckLine2@P"),
  };
  const QStringList problems = CheckStepMethods(TAckman::staticMetaObject, broken);
  EXPECT_EQ(problems, QStringList({
                          "TAckman: no step method Ackman_F_Nowhere",
                          "Ackman: no line labelled Missing",
                          "Ackman: calls Fact, which the text does not define",
                          "TAckman: no step method Ackman_AckLine2",
                      }))
      << problems.join('\n').toStdString();
  EXPECT_EQ(CheckStepMethods(TAckman::staticMetaObject, {QStringLiteral("!Main"), QStringLiteral("`@P")}),
            QStringList({"TAckman: no step method Main_"}));
}
