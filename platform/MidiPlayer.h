#pragma once
// Background music: a MIDI file played through FluidSynth with a General MIDI soundfont.
// Music is never essential: a missing synthesizer library, soundfont, file or audio device makes the player
// silent, with one line on stderr, and never stops the program.
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

namespace midi {

// The FluidSynth library, loaded when music is first wanted (libfluidsynth.so.3). Without it
// the program has no music, as without a sound device; tests name a missing one.
void SetLibrary(const QString& fileName);

// The soundfont used: TimGM6mb if installed, else the first .sf2 in the usual folders.
// Empty when there is none.
QString FindSoundFont();

// Renders a MIDI file offline to interleaved stereo samples (left, right, left, ...) at
// sampleRate, at most maxSeconds long, with the given soundfont (FindSoundFont() when
// empty). No audio device is opened. Returns nothing and sets error on failure.
std::vector<float> Render(const QString& file, QString* error = nullptr, int sampleRate = 44100,
                          const QString& soundfont = {}, int maxSeconds = 600);

}  // namespace midi

// The class library's media player as the program uses it for music.
class TMidiPlayer {
 public:
  TMidiPlayer();
  ~TMidiPlayer();
  TMidiPlayer(const TMidiPlayer&) = delete;
  TMidiPlayer& operator=(const TMidiPlayer&) = delete;

  // Takes a file to play; false (and one line on stderr) when it is missing or not MIDI.
  bool Open(const QString& file);
  bool IsOpen() const { return !file_.isEmpty(); }
  const QString& FileName() const { return file_; }

  // Back to the beginning; a playing tune stops.
  void Rewind();
  // Plays from where it stands; OnNotify follows, on the GUI thread, when it reaches its end.
  void Play();
  // Stops at once, without a notification.
  void Stop();
  bool IsPlaying() const;

  std::function<void()> OnNotify;

  // Whether the player may open an audio device at all (tests and the scripted driver say
  // no: the player then stays silent without a word).
  static void SetAudioOutput(bool allowed);
  static bool AudioOutput();

 private:
  struct Engine;
  bool StartEngine();
  void Poll();

  QString file_;
  std::unique_ptr<Engine> engine_;
  bool engineFailed_ = false;
  bool playing_ = false;
  QTimer poll_;
};
