#include <gtest/gtest.h>

#include <QSlider>

#include "framework/engine/Globals.h"
#include "framework/shell/OptionsForm.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

// Stands in for the demonstration window and records what the dialog asks of it.
struct OwnerRecorder : IOptionsOwner {
  bool music = false;
  bool sound = false;
  int setMusicCalls = 0;
  QDialog* popup = nullptr;
  QDialog* popupWhileShown = nullptr;
  bool MusicOn() const override { return music; }
  bool SoundOn() const override { return sound; }
  void SetMusic(bool on) override {
    music = on;
    ++setMusicCalls;
  }
  void SetSoundOn(bool on) override { sound = on; }
  void SetActivePopup(QDialog* p) override {
    popup = p;
    if (p) popupWhileShown = p;
  }
};

struct Speeds {
  std::uint8_t run = RunSpeed;
  int anim = AnimSpeed;
  ~Speeds() {
    RunSpeed = run;
    AnimSpeed = anim;
  }
};

}  // namespace

// The dialog over a window running at speed 60 with the stack display at its fastest.
class OptionsAtSpeed60 : public ::testing::Test {
 protected:
  OptionsAtSpeed60() {
    RunSpeed = 60;
    AnimSpeed = 0;
  }
  Speeds keep;  // built first, so it saves the speeds before they are set
  OwnerRecorder owner;
  TOptionsForm form{owner};
  modal::ScriptedHostScope host;
};

TEST_F(OptionsAtSpeed60, OkWithoutTouchingSetsTheAnimationSpeedToTheRunSpeed) {
  host->QueueDialog(QStringLiteral("确定"));
  EXPECT_EQ(modal::Current().ExecDialog(form), modal::ResultOk);
  EXPECT_EQ(RunSpeed, 60);
  EXPECT_EQ(AnimSpeed, 60) << "the stack display must stop running at its slowest";
  EXPECT_EQ(owner.setMusicCalls, 0);
  EXPECT_EQ(owner.popupWhileShown, &form) << "the dialog is the window's active popup while shown";
  EXPECT_EQ(owner.popup, nullptr);
}

TEST_F(OptionsAtSpeed60, TheTrackBarSetsBothSpeedsOnlyOnOk) {
  host->QueueDialog(QStringLiteral("SpeedTrackBar=90 取消"));
  EXPECT_EQ(modal::Current().ExecDialog(form), modal::ResultCancel);
  EXPECT_EQ(RunSpeed, 60) << "cancel leaves the speeds";
  EXPECT_EQ(AnimSpeed, 0);
  host->QueueDialog(QStringLiteral("SpeedTrackBar=99 确定"));
  modal::Current().ExecDialog(form);
  EXPECT_EQ(RunSpeed, 99);
  EXPECT_EQ(AnimSpeed, 99);
  host->QueueDialog(QStringLiteral("取消"));
  modal::Current().ExecDialog(form);
  EXPECT_EQ(form.SpeedTrackBar->value(), 99) << "the dialog opens at the current run speed";
  EXPECT_TRUE(host->ScriptErrors().isEmpty()) << host->ScriptErrors().join('\n').toStdString();
}

TEST(OptionsForm, MusicIsSwitchedOnlyWhenTheChoiceChanged) {
  OwnerRecorder owner;
  TOptionsForm form(owner);
  modal::ScriptedHostScope host;
  // Twice toggled (button, then square) is no change.
  host->QueueDialog(QStringLiteral("@MusicBtn"));
  host->QueueDialog(QStringLiteral("@MusicShape"));
  host->QueueDialog(QStringLiteral("确定"));
  modal::Current().ExecDialog(form);
  EXPECT_EQ(owner.setMusicCalls, 0);
  host->QueueDialog(QStringLiteral("@MusicBtn"));
  host->QueueDialog(QStringLiteral("@SoundShape"));
  host->QueueDialog(QStringLiteral("key:Enter"));
  modal::Current().ExecDialog(form);
  EXPECT_EQ(owner.setMusicCalls, 1);
  EXPECT_TRUE(owner.music);
  EXPECT_TRUE(owner.sound) << "the sound flag is stored in the window";
  host->QueueDialog(QStringLiteral("key:Esc"));
  modal::Current().ExecDialog(form);
  EXPECT_TRUE(form.Music()) << "the dialog shows the window's music flag";
  EXPECT_TRUE(host->ScriptErrors().isEmpty()) << host->ScriptErrors().join('\n').toStdString();
}
