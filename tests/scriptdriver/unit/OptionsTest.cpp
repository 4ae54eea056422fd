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
