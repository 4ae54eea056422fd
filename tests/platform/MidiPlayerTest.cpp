#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "platform/Application.h"
#include "platform/MidiPlayer.h"

namespace {

// A Standard MIDI File of one track: piano, C E G C, a quarter note each at 120 beats a
// minute (about two seconds).
QByteArray FourNotes() {
  QByteArray track;
  auto put = [&track](std::initializer_list<int> bytes) {
    for (int b : bytes) track.append(static_cast<char>(b));
  };
  put({0x00, 0xC0, 0x00});  // program: acoustic grand piano
  for (int key : {60, 64, 67, 72}) {
    put({0x00, 0x90, key, 100});        // note on at once
    put({0x83, 0x60, 0x80, key, 0});    // note off after 480 ticks
  }
  put({0x00, 0xFF, 0x2F, 0x00});  // end of track
  QByteArray file("MThd");
  for (int b : {0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0}) file.append(static_cast<char>(b));  // format 0, 480 ticks
  file += "MTrk";
  const int n = static_cast<int>(track.size());
  for (int shift : {24, 16, 8, 0}) file.append(static_cast<char>((n >> shift) & 0xFF));
  return file + track;
}

float Peak(const std::vector<float>& samples) {
  float peak = 0;
  for (float s : samples) peak = std::max(peak, std::abs(s));
  return peak;
}

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  QFile f(dir.filePath(name));
  if (!f.open(QIODevice::WriteOnly)) return {};
  f.write(bytes);
  return f.fileName();
}

}  // namespace

TEST(MidiPlayer, RendersATuneWithTheSoundfontOffline) {
  ASSERT_FALSE(midi::FindSoundFont().isEmpty()) << "timgm6mb-soundfont is part of the set-up";
  QTemporaryDir dir;
  const QString tune = Write(dir, "four.mid", FourNotes());
  QString error;
  const auto samples = midi::Render(tune, &error, 22050);
  ASSERT_FALSE(samples.empty()) << error.toStdString();
  EXPECT_GT(Peak(samples), 0.01f) << "the notes are heard";
  const double seconds = samples.size() / 2.0 / 22050;
  EXPECT_GT(seconds, 2.0);
  EXPECT_LT(seconds, 7.0) << "rendering stops a few seconds after the tune";

  // The program's own tune, once the generator has written it beside the program.
  const QString own = app::FindFile(app::MusicPath(), QStringLiteral("midi0.mid"));
  if (!own.isEmpty()) {
    const auto start = midi::Render(own, &error, 22050, {}, 8);
    ASSERT_FALSE(start.empty()) << error.toStdString();
    EXPECT_GT(Peak(start), 0.01f) << "midi0.mid is not silent";
  }
}

TEST(MidiPlayer, BadFilesAndMissingSoundfontsGiveAReasonNotACrash) {
  QTemporaryDir dir;
  const QString text = Write(dir, "notes.mid", "this is not music");
  QString error;
  EXPECT_TRUE(midi::Render(text, &error).empty());
  EXPECT_TRUE(error.contains("not a MIDI file")) << error.toStdString();
  EXPECT_TRUE(midi::Render(dir.filePath("absent.mid"), &error).empty());
  const QString tune = Write(dir, "four.mid", FourNotes());
  EXPECT_TRUE(midi::Render(tune, &error, 22050, dir.filePath("none.sf2")).empty());
  EXPECT_TRUE(error.contains("soundfont")) << error.toStdString();
  // A file that starts like MIDI but is cut short renders what it can or nothing: no crash.
  const QString cut = Write(dir, "cut.mid", FourNotes().left(30));
  (void)midi::Render(cut, &error, 22050, {}, 5);
}

TEST(MidiPlayer, OpeningReportsProblemsInOneLineAndPlayingWithoutADeviceIsSilent) {
  ASSERT_FALSE(TMidiPlayer::AudioOutput()) << "tests never open an audio device";
  QTemporaryDir dir;
  TMidiPlayer player;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(player.Open(dir.filePath("midi0.mid")));
  EXPECT_FALSE(player.Open(Write(dir, "bad.mid", "RIFF....")));
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 2) << said;
  EXPECT_NE(said.find("midi0.mid"), std::string::npos);
  EXPECT_FALSE(player.IsOpen());

  EXPECT_TRUE(player.Open(Write(dir, "four.mid", FourNotes())));
  EXPECT_TRUE(player.IsOpen());
  bool notified = false;
  player.OnNotify = [&notified] { notified = true; };
  testing::internal::CaptureStderr();
  player.Rewind();
  player.Play();
  player.Stop();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "no device allowed: silent, no message";
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_FALSE(notified);
}

TEST(MidiPlayer, WithoutTheSynthesizerLibraryThereIsNoMusicAndNoCrash) {
  QTemporaryDir dir;
  const QString tune = Write(dir, "four.mid", FourNotes());
  midi::SetLibrary(QStringLiteral("libvelkora-absent-synth.so"));
  QString error;
  EXPECT_TRUE(midi::Render(tune, &error, 22050).empty());
  EXPECT_TRUE(error.startsWith("FluidSynth cannot be loaded")) << error.toStdString();
  TMidiPlayer::SetAudioOutput(true);  // as the program: it would open a device
  {
    TMidiPlayer player;
    EXPECT_TRUE(player.Open(tune)) << "a tune is read without the library";
    testing::internal::CaptureStderr();
    player.Play();
    player.Play();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << "said once: " << said;
    EXPECT_FALSE(player.IsPlaying());
  }
  TMidiPlayer::SetAudioOutput(false);
  midi::SetLibrary(QStringLiteral("libfluidsynth.so.3"));
  EXPECT_FALSE(midi::Render(tune, &error, 22050).empty()) << "the real library again: " << error.toStdString();
}
