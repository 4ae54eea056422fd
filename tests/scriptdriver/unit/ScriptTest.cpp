#include <gtest/gtest.h>

#include "tests/scriptdriver/Script.h"

using script::Parse;
using script::Verb;

TEST(ScriptParse, CommandsWithTheirArgumentsAndLineNumbers) {
  const auto p = Parse(
      "# Ackermann to the end\n"
      "start Ackman Pascal\n"
      "\n"
      "dialog MEdit=3 NEdit=2 OK\n"
      "run   # to the end\n"
      "cursor Ackman 10\n"
      "key esc\n"
      "print text LabelMsg\n");
  ASSERT_TRUE(p.errors.isEmpty()) << p.errors.join('\n').toStdString();
  ASSERT_EQ(p.commands.size(), 6u);
  EXPECT_EQ(p.commands[0].verb, Verb::Start);
  EXPECT_EQ(p.commands[0].line, 2);
  EXPECT_EQ(p.commands[0].args, QStringList({"Ackman", "pascal"})) << "the language is lower-cased";
  EXPECT_EQ(p.commands[1].args, QStringList({"MEdit=3 NEdit=2 OK"}));
  EXPECT_EQ(p.commands[2].verb, Verb::Run);
  EXPECT_EQ(p.commands[2].text, "run") << "a trailing comment is not part of the command";
  EXPECT_EQ(p.commands[3].args, QStringList({"Ackman", "10"}));
  EXPECT_EQ(p.commands[4].args, QStringList({"Esc"})) << "key names are spelt one way";
  EXPECT_EQ(p.commands[5].args, QStringList({"text", "LabelMsg"}));
}

TEST(ScriptParse, RestOfLineArgumentsKeepBlanksAndHashesInsideWords) {
  const auto p = Parse(
      "expect message 阿克曼函数 | 结果为29。\n"
      "expect stack 0   0   0   ?   1\n"
      "expect 阿克曼函数#Ackman\n"
      "set ExpEdit \"3 * (4 + 5)\"\n"
      "answer Yes\n"
      "file /tmp/a maze.dat\n");
  ASSERT_TRUE(p.errors.isEmpty()) << p.errors.join('\n').toStdString();
  EXPECT_EQ(p.commands[0].args[0], "message 阿克曼函数 | 结果为29。");
  EXPECT_EQ(p.commands[1].args[0], "stack 0   0   0   ?   1") << "inner blanks are kept";
  EXPECT_EQ(p.commands[2].args[0], "阿克曼函数#Ackman") << "a hash inside a word is no comment";
  EXPECT_EQ(p.commands[3].args, QStringList({"ExpEdit", "3 * (4 + 5)"}));
  EXPECT_EQ(p.commands[4].args[0], "Yes");
  EXPECT_EQ(p.commands[5].args[0], "/tmp/a maze.dat");
}

TEST(ScriptParse, EveryBadLineIsReportedWithItsNumber) {
  const auto p = Parse(
      "start Ackman\n"           // 1: no language
      "start Ackman basic\n"     // 2: unknown language
      "fly away\n"               // 3: unknown command
      "speed 100\n"              // 4: out of range
      "cursor Ackman -1\n"       // 5: negative row
      "key F6\n"                 // 6: not a key of the window
      "print everything\n"       // 7
      "shot picture.jpg\n"       // 8
      "run now\n"                // 9: takes no arguments
      "set Edit1 \"open\n"       // 10: unterminated quote
      "expect\n"                 // 11: nothing to expect
      "dialog m=1 shot:d.jpg OK\n"  // 12: a shot of the open dialog is a .png too
      "check everything\n"       // 13
      "check every 0\n"          // 14: at least every line
      "check every sometimes\n"  // 15
      "trace\n"                  // 16: fine
      "check every 3\n"          // 17: fine
      "check every off\n");      // 18: fine
  ASSERT_EQ(p.errors.size(), 15) << p.errors.join('\n').toStdString();
  for (int i = 0; i < 15; ++i)
    EXPECT_TRUE(p.errors[i].startsWith(QStringLiteral("line %1:").arg(i + 1))) << p.errors[i].toStdString();
  ASSERT_EQ(p.commands.size(), 3u);
  EXPECT_EQ(p.commands[0].verb, Verb::Trace);
  EXPECT_EQ(p.commands[1].args, QStringList({"every", "3"}));
  EXPECT_EQ(p.commands[2].args, QStringList({"every", "off"}));
}

TEST(ScriptParse, ResizeTakesASizeTheWindowsCanShow) {
  const auto p = Parse("resize 800x600\nresize 800\nresize 200x600\nresize 800x600 now\n");
  ASSERT_EQ(p.commands.size(), 1u);
  EXPECT_EQ(p.commands[0].verb, Verb::Resize);
  EXPECT_EQ(p.commands[0].args, QStringList({"800", "600"}));
  ASSERT_EQ(p.errors.size(), 3) << "no height, too narrow, a word more";
  EXPECT_TRUE(p.errors[1].startsWith("line 3: resize takes WxH, at least 320x240"));
}

TEST(ScriptParse, TheTeachersActionsAreTurnedOffOrOn) {
  const auto p = Parse("teacher off\nteacher on\nteacher\nteacher later\n");
  ASSERT_EQ(p.commands.size(), 2u);
  EXPECT_EQ(p.commands[0].verb, Verb::Teacher);
  EXPECT_EQ(p.commands[0].args, QStringList{"off"});
  EXPECT_EQ(p.commands[1].args, QStringList{"on"});
  ASSERT_EQ(p.errors.size(), 2);
  EXPECT_TRUE(p.errors[0].startsWith("line 3: usage: teacher off|on"));
}

TEST(ScriptParse, WordsSplitOnBlanksAndGroupByQuotes) {
  QStringList w;
  ASSERT_TRUE(script::SplitWords(R"(dialog Edit1="a b" "say \"hi\"" OK)", w));
  EXPECT_EQ(w, QStringList({"dialog", "Edit1=a b", "say \"hi\"", "OK"}));
  EXPECT_FALSE(script::SplitWords("\"open", w));
}
