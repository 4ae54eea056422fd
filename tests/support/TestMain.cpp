// The main of every test program: a headless application with instant pacing, a fixed
// 1024 x 768 screen, a seeded random generator and no audio device, so that every run is
// the same.
#include <gtest/gtest.h>

#include "platform/Application.h"
#include "platform/MidiPlayer.h"
#include "platform/Pacing.h"
#include "platform/PaintRecord.h"
#include "platform/Random.h"
#include "platform/Screen.h"
#include "tests/support/LsanSuppressions.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  TApplication app(argc, argv);
  pacing::SetInstant(true);
  screen::SetFixedSize({1024, 768});
  paintrecord::SetEnabled(true);
  rnd::FixSeed(20261206u);
  TMidiPlayer::SetAudioOutput(false);
  return RUN_ALL_TESTS();
}
