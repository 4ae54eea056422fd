#include <gtest/gtest.h>

#include "framework/engine/Errors.h"
#include "framework/engine/Proc.h"

namespace {

QStringList Lines(std::initializer_list<const char*> entries) {
  QStringList out;
  for (const char* e : entries) out << QString::fromUtf8(e);
  return out;
}

}  // namespace

TEST(LineParse, ExpandsTabsToStopsOfEight) {
  EXPECT_EQ(TProcLine(QStringLiteral("a\tb`X"), 0).Text(), QStringLiteral("a       b"));
  EXPECT_EQ(TProcLine(QStringLiteral("12345678\tb"), 0).Text(),
            QStringLiteral("12345678        b"));
  // A Chinese character takes two columns, as in the fixed-pitch grid.
  EXPECT_EQ(TProcLine(QStringLiteral("栈\tx"), 0).Text(), QStringLiteral("栈      x"));
  // Tabs are expanded before the backquote is looked for: the label is unaffected.
  EXPECT_EQ(TProcLine(QStringLiteral("\t`L@P"), 0).Label(), "L");
}

TEST(LineParse, CutsTextsAndLabels) {
  const TProcLine longText(QString(100, 'x'), 0);
  EXPECT_EQ(longText.Text().size(), 80);
  EXPECT_EQ(TProcLine(QString(45, QChar(0x6570)), 0).Text().size(), 40) << "80 bytes";
  const TProcLine longLabel(QStringLiteral("`ABCDEFGHIJKLMNOPQRST@R=>abcdefghijklmnopqrst"), 0);
  EXPECT_EQ(longLabel.Label(), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(longLabel.GotoLabel(), "abcdefghijklmnop");
}

TEST(LineParse, ReadsLabelDirectivesAndJumpLabel) {
  const TProcLine end(QStringLiteral("`End@R"), 3);
  EXPECT_EQ(end.Text(), "");
  EXPECT_EQ(end.Label(), "End");
  EXPECT_EQ(end.Name(), "End");
  EXPECT_EQ(end.LineNo(), 3);
  ASSERT_EQ(end.DirectiveCount(), 1);
  EXPECT_EQ(end.Directive(1).Letter, 'R');
  EXPECT_TRUE(end.Directive(1).Args.isEmpty());

  const TProcLine call(QStringLiteral("4    RETURN Ackman(m-1,1)`AckLine3@C{Ackman}@P{End}"), 0);
  EXPECT_EQ(call.Text(), "4    RETURN Ackman(m-1,1)");
  EXPECT_EQ(call.Label(), "AckLine3");
  ASSERT_EQ(call.DirectiveCount(), 2);
  EXPECT_EQ(call.Directive(1).Letter, 'C');
  EXPECT_EQ(call.Directive(1).Args, QStringList{"Ackman"});
  EXPECT_EQ(call.Directive(2).Letter, 'P');
  EXPECT_EQ(call.Directive(2).Args, QStringList{"End"});
  EXPECT_TRUE(call.GotoLabel().isEmpty());

  const TProcLine loop(QStringLiteral("x`Endloop=>Rotate"), 0);
  EXPECT_EQ(loop.Label(), "Endloop");
  EXPECT_EQ(loop.DirectiveCount(), 0);
  EXPECT_EQ(loop.GotoLabel(), "Rotate");

  const TProcLine other(QStringLiteral("x`IfCase3{IfWhile}"), 0);
  EXPECT_EQ(other.Label(), "IfCase3");
  EXPECT_EQ(other.DirectiveCount(), 0);

  const TProcLine args(QStringLiteral("`L@X{a;b}@P{}"), 0);
  ASSERT_EQ(args.DirectiveCount(), 2);
  EXPECT_EQ(args.Directive(1).Letter, 'X') << "unknown letters are kept";
  EXPECT_EQ(args.Directive(1).Args, (QStringList{"a", "b"}));
  EXPECT_TRUE(args.Directive(2).Args.isEmpty()) << "\"{}\" is no argument";

  const TProcLine plain(QStringLiteral("BEGIN"), 0);
  EXPECT_EQ(plain.Label(), "");
  EXPECT_EQ(plain.DirectiveCount(), 0);
}

TEST(LineParse, ANinthDirectiveIsARangeError) {
  EXPECT_NO_THROW(TProcLine(QStringLiteral("`L@P@P@P@P@P@P@P@P"), 0));
  EXPECT_THROW(TProcLine(QStringLiteral("`L@P@P@P@P@P@P@P@P@P"), 0), ERangeError);
}

TEST(SourceParse, BuildsProceduresAndClosesUpEmptyEntries) {
  TData procs;
  QStringList tabs;
  ParseSource(Lines({"stray line before any procedure", "!Main", "", "a`Begin@C{Sub}", "", "`End@R",
                     "!Sub", "`Begin@R", "#", "!Never", "`Begin@R"}),
              procs, [&](const QString& name) { tabs << name; });
  ASSERT_EQ(procs.Count(), 2);
  EXPECT_EQ(tabs, (QStringList{"Main", "Sub"}));
  auto* main = static_cast<TProcedure*>(procs.Items(0));
  EXPECT_EQ(main->Name(), "Main");
  ASSERT_EQ(main->Count(), 2);
  EXPECT_EQ(main->LineByLabel("End")->LineNo(), 1);
  EXPECT_EQ(main->FirstLine(), main->LineByIndex(0));
  EXPECT_EQ(main->LineByLabel("end"), nullptr) << "labels match with letter case";
  EXPECT_EQ(main->LineByIndex(2), nullptr);
  EXPECT_EQ(main->LineByIndex(0)->Procedure(), main);
}

TEST(SourceParse, AHashFirstLoadsNothing) {
  TData procs;
  ParseSource(Lines({"#!ThrdIn", "`Begin@R"}), procs);
  EXPECT_EQ(procs.Count(), 0);
}

TEST(SourceParse, FailsWholeOnANinthDirective) {
  TData procs;
  EXPECT_THROW(ParseSource(Lines({"!Main", "`Begin@R", "!Bad", "`X@P@P@P@P@P@P@P@P@P"}), procs),
               ERangeError);
  EXPECT_EQ(procs.Count(), 0);
}

TEST(NextLine, SkipsPlainLinesAndFollowsJumpLabels) {
  TData procs;
  ParseSource(Lines({"!P", "`Begin@P", "heading only", "`Loop@P", "`Back=>Begin",
                     "`Broken=>Nowhere", "`End@R", "trailing text"}),
              procs);
  auto* p = static_cast<TProcedure*>(procs.Items(0));
  EXPECT_EQ(p->LineByLabel("Begin")->NextLine(), p->LineByLabel("Loop"))
      << "row 1 has nothing to run";
  EXPECT_EQ(p->LineByLabel("Loop")->NextLine(), p->LineByLabel("Back"))
      << "a jump label makes a stop";
  EXPECT_EQ(p->LineByLabel("Back")->NextLine(), p->LineByLabel("Begin"));
  EXPECT_EQ(p->LineByLabel("Broken")->NextLine(), nullptr) << "a jump to no line ends the run";
  EXPECT_EQ(p->LineByLabel("End")->NextLine(), nullptr) << "nothing runnable after the end";
}
