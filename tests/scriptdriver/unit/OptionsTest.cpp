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
  EXPECT_EQ(ParseOptions({"--screen", "1920x1080", "--shots", "/tmp/s", "--real-time", "-"}, o), QString());
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
}
