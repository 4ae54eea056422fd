#include <gtest/gtest.h>

#include "tests/scriptdriver/Driver.h"

using script::Options;
using script::ParseOptions;

TEST(ScriptOptions, DefaultsAreInstantAt1024By768) {
  Options o;
  EXPECT_EQ(ParseOptions({"run.vks"}, o), QString());
  EXPECT_EQ(o.script, "run.vks");
  EXPECT_EQ(o.screen, QSize(1024, 768));
  EXPECT_FALSE(o.realTime);
  EXPECT_TRUE(o.shots.isEmpty());
}

TEST(ScriptOptions, ScreenShotsAndRealTime) {
  Options o;
  EXPECT_EQ(ParseOptions({"--screen", "1920x1080", "--shots", "/tmp/s", "--sample", "7", "--real-time", "-"}, o),
            QString());
  EXPECT_EQ(o.sample, 7);
  EXPECT_EQ(o.screen, QSize(1920, 1080));
  EXPECT_EQ(o.shots, "/tmp/s");
  EXPECT_TRUE(o.realTime);
  EXPECT_EQ(o.script, "-") << "standard input";
}

TEST(ScriptOptions, FullClassesHaveTheirOwnSample) {
  Options o;
  EXPECT_EQ(ParseOptions({"--sample", "10", "a.vks"}, o), QString());
  EXPECT_EQ(o.fullSample, 1) << "every line unless told";
  Options both;
  EXPECT_EQ(ParseOptions({"--sample", "10", "--full-sample", "2", "a.vks"}, both), QString());
  EXPECT_EQ(both.fullSample, 2);
  EXPECT_EQ(both.sample, 10);
}

TEST(ScriptOptions, WhatIsNotUnderstoodIsRefused) {
  Options o;
  EXPECT_FALSE(ParseOptions({}, o).isEmpty()) << "no script";
  EXPECT_FALSE(ParseOptions({"a.vks", "b.vks"}, o).isEmpty());
  EXPECT_FALSE(ParseOptions({"--screen", "big", "a.vks"}, o).isEmpty());
  EXPECT_FALSE(ParseOptions({"--screen", "320x200", "a.vks"}, o).isEmpty()) << "too small for the windows";
  EXPECT_FALSE(ParseOptions({"--shots"}, o).isEmpty());
  EXPECT_FALSE(ParseOptions({"--fast", "a.vks"}, o).isEmpty());
  EXPECT_FALSE(ParseOptions({"--sample", "0", "a.vks"}, o).isEmpty()) << "one line in none";
  EXPECT_FALSE(ParseOptions({"--sample", "x", "a.vks"}, o).isEmpty());
  EXPECT_FALSE(ParseOptions({"--full-sample", "0", "a.vks"}, o).isEmpty());
  EXPECT_FALSE(ParseOptions({"--seed", "-3", "a.vks"}, o).isEmpty());
  EXPECT_FALSE(ParseOptions({"a.vks", "--class"}, o).isEmpty());
}

TEST(ScriptOptions, SeedAndClasses) {
  Options o;
  EXPECT_EQ(ParseOptions({"--seed", "42", "--class", "one", "--class", "longest", "a.vks"}, o), QString());
  EXPECT_EQ(o.seed, 42u);
  EXPECT_TRUE(o.seedGiven);
  EXPECT_EQ(o.classes, QStringList({"one", "longest"}));
  Options list;
  EXPECT_EQ(ParseOptions({"--classes", "a.vks"}, list), QString());
  EXPECT_TRUE(list.listClasses);
  EXPECT_FALSE(list.seedGiven) << "the program keeps its fixed seed unless one is given";
}

TEST(ScriptOptions, TheScriptsScreenLineUnlessTheCommandLineNamesOne) {
  const QString wide = QStringLiteral("# screen: 1920x1080\ndialog OK\n");
  Options o;
  ASSERT_EQ(ParseOptions({"a.vks"}, o), QString());
  EXPECT_EQ(script::ApplyScreenLine(wide, o), QString());
  EXPECT_EQ(o.screen, QSize(1920, 1080)) << "run directly, the script showed 1024 x 768";

  Options given;
  ASSERT_EQ(ParseOptions({"--screen", "1366x768", "a.vks"}, given), QString());
  EXPECT_EQ(script::ApplyScreenLine(wide, given), QString());
  EXPECT_EQ(given.screen, QSize(1366, 768)) << "--screen wins";

  Options plain;
  EXPECT_EQ(script::ApplyScreenLine(QStringLiteral("dialog OK\n# screen: 1920x1080\n"), plain), QString());
  EXPECT_EQ(plain.screen, QSize(1024, 768)) << "only the first line names the screen";

  Options bad;
  EXPECT_FALSE(script::ApplyScreenLine(QStringLiteral("# screen: 300x200\n"), bad).isEmpty());
  EXPECT_FALSE(script::ApplyScreenLine(QStringLiteral("# screen: wide\n"), bad).isEmpty());
  EXPECT_EQ(bad.screen, QSize(1024, 768));
}

TEST(ScriptOptions, TheTeachersActionsASpeedAndClassesCheckedWhole) {
  Options o;
  EXPECT_EQ(ParseOptions({"--teacher", "7", "--speed", "0", "--full", "one", "--full", "two", "a.vks"}, o), QString());
  EXPECT_EQ(o.teacher, 7);
  EXPECT_EQ(o.speed, 0);
  EXPECT_EQ(o.full, QStringList({"one", "two"}));
  Options plain;
  ASSERT_EQ(ParseOptions({"a.vks"}, plain), QString());
  EXPECT_EQ(plain.teacher, 0) << "no teacher's actions unless asked";
  EXPECT_EQ(plain.speed, -1);
  EXPECT_FALSE(ParseOptions({"--teacher", "0", "a.vks"}, o).isEmpty());
  EXPECT_FALSE(ParseOptions({"--speed", "99", "a.vks"}, o).isEmpty()) << "99 is the speed it replaces";
  EXPECT_FALSE(ParseOptions({"--speed", "-1", "a.vks"}, o).isEmpty());
  EXPECT_FALSE(ParseOptions({"a.vks", "--full"}, o).isEmpty());
}

TEST(ScriptOptions, OnlySpeed99IsReplaced) {
  script::Parsed p = script::Parse("speed 99\nspeed 40\nrun\n");
  ASSERT_TRUE(p.errors.isEmpty());
  script::ReplaceTopSpeed(p.commands, 30);
  EXPECT_EQ(p.commands[0].args, QStringList{"30"});
  EXPECT_TRUE(p.commands[0].text.startsWith("speed 30")) << "echoed as it is carried out";
  EXPECT_EQ(p.commands[1].args, QStringList{"40"}) << "a speed the script chose for itself stays";
  script::ReplaceTopSpeed(p.commands, -1);
  EXPECT_EQ(p.commands[0].args, QStringList{"30"}) << "no --speed: nothing changes";
}
