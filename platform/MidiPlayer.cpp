#include "platform/MidiPlayer.h"

#include <fluidsynth.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <mutex>
#include <string_view>
#include <utility>

namespace midi {
namespace {

// FluidSynth's own messages are kept (the last error explains a failure) but not printed:
// the player reports each failure itself, in one line.
std::mutex g_logMutex;
QString g_lastError;

void KeepLog(int level, const char* message, void*) {
  if (level > FLUID_WARN) return;
  std::lock_guard<std::mutex> lock(g_logMutex);
  g_lastError = QString::fromLocal8Bit(message);
}

void QuietLogs() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
      fluid_set_log_function(level, KeepLog, nullptr);
  });
}

QString TakeLastError() {
  std::lock_guard<std::mutex> lock(g_logMutex);
  return std::exchange(g_lastError, QString());
}

struct SettingsDeleter {
  void operator()(fluid_settings_t* s) const { delete_fluid_settings(s); }
};
struct SynthDeleter {
  void operator()(fluid_synth_t* s) const { delete_fluid_synth(s); }
};
struct PlayerDeleter {
  void operator()(fluid_player_t* p) const {
    fluid_player_stop(p);
    fluid_player_join(p);
    delete_fluid_player(p);
  }
};
struct DriverDeleter {
  void operator()(fluid_audio_driver_t* d) const { delete_fluid_audio_driver(d); }
};
using Settings = std::unique_ptr<fluid_settings_t, SettingsDeleter>;
using Synth = std::unique_ptr<fluid_synth_t, SynthDeleter>;
using Player = std::unique_ptr<fluid_player_t, PlayerDeleter>;
using Driver = std::unique_ptr<fluid_audio_driver_t, DriverDeleter>;

// A synthesizer with the soundfont loaded; nullptr and error set on failure.
Synth MakeSynth(fluid_settings_t* settings, const QString& soundfont, QString* error) {
  Synth synth(new_fluid_synth(settings));
  if (!synth) {
    if (error) *error = QStringLiteral("cannot start the synthesizer");
    return nullptr;
  }
  if (fluid_synth_sfload(synth.get(), QFile::encodeName(soundfont).constData(), 1) == FLUID_FAILED) {
    if (error) *error = QStringLiteral("cannot load the soundfont %1").arg(soundfont);
    return nullptr;
  }
  return synth;
}

Player MakePlayer(fluid_synth_t* synth, const QString& file, QString* error) {
  Player player(new_fluid_player(synth));
  if (!player || fluid_player_add(player.get(), QFile::encodeName(file).constData()) != FLUID_OK) {
    if (error) *error = QStringLiteral("cannot read %1").arg(file);
    return nullptr;
  }
  return player;
}

bool IsMidiFile(const QString& file) {
  return QFileInfo(file).isFile() && fluid_is_midifile(QFile::encodeName(file).constData());
}

}  // namespace

QString FindSoundFont() {
  const QStringList folders = {QStringLiteral("/usr/share/sounds/sf2"),
                               QStringLiteral("/usr/share/soundfonts"),
                               QStringLiteral("/usr/local/share/soundfonts")};
  for (const QString& preferred : {QStringLiteral("TimGM6mb.sf2"), QStringLiteral("default-GM.sf2"),
                                   QStringLiteral("FluidR3_GM.sf2")}) {
    for (const QString& folder : folders) {
      const QFileInfo f(QDir(folder).filePath(preferred));
      if (f.isFile()) return f.canonicalFilePath();
    }
  }
  for (const QString& folder : folders) {
    const QFileInfoList found = QDir(folder).entryInfoList({QStringLiteral("*.sf2")}, QDir::Files, QDir::Name);
    if (!found.isEmpty()) return found.first().canonicalFilePath();
  }
  return {};
}

std::vector<float> Render(const QString& file, QString* error, int sampleRate, const QString& soundfont,
                          int maxSeconds) {
  QuietLogs();
  auto fail = [error](const QString& why) {
    if (error) *error = why;
    return std::vector<float>();
  };
  const QString font = soundfont.isEmpty() ? FindSoundFont() : soundfont;
  if (font.isEmpty()) return fail(QStringLiteral("no soundfont found"));
  if (!IsMidiFile(file)) return fail(QStringLiteral("%1 is not a MIDI file").arg(file));

  Settings settings(new_fluid_settings());
  // The player follows the rendered samples, not the clock: rendering runs as fast as it can.
  fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
  fluid_settings_setnum(settings.get(), "synth.sample-rate", sampleRate);
  fluid_settings_setint(settings.get(), "synth.lock-memory", 0);
  fluid_settings_setint(settings.get(), "synth.cpu-cores", 1);
  Synth synth = MakeSynth(settings.get(), font, error);
  if (!synth) return {};
  Player player = MakePlayer(synth.get(), file, error);
  if (!player) return {};
  fluid_player_play(player.get());

  constexpr int kBlock = 512;
  const std::size_t limit = static_cast<std::size_t>(maxSeconds) * static_cast<std::size_t>(sampleRate);
  std::vector<float> out;
  std::vector<float> left(kBlock), right(kBlock);
  std::size_t frames = 0;
  // The player itself lets the last notes ring for a while before it reports the end.
  int tail = sampleRate / 4 / kBlock + 1;
  while (frames < limit && tail > 0) {
    if (fluid_player_get_status(player.get()) != FLUID_PLAYER_PLAYING) --tail;
    fluid_synth_write_float(synth.get(), kBlock, left.data(), 0, 1, right.data(), 0, 1);
    for (int i = 0; i < kBlock; ++i) {
      out.push_back(left[i]);
      out.push_back(right[i]);
    }
    frames += kBlock;
  }
  return out;
}

}  // namespace midi

// --- TMidiPlayer

namespace {
bool g_audioOutput = true;

void Say(const QString& what) {
  std::fprintf(stderr, "Velkora: music is off: %s\n", what.toLocal8Bit().constData());
}
}  // namespace

struct TMidiPlayer::Engine {
  midi::Settings settings;
  midi::Synth synth;
  midi::Driver driver;
  midi::Player player;
};

TMidiPlayer::TMidiPlayer() {
  poll_.setInterval(100);
  QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
}

TMidiPlayer::~TMidiPlayer() {
  poll_.stop();
  if (engine_) {
    engine_->driver.reset();  // the audio thread ends before the player and synth go
    engine_->player.reset();
  }
}

void TMidiPlayer::SetAudioOutput(bool allowed) { g_audioOutput = allowed; }
bool TMidiPlayer::AudioOutput() { return g_audioOutput; }

bool TMidiPlayer::Open(const QString& file) {
  Rewind();
  file_.clear();
  midi::QuietLogs();
  if (!QFileInfo(file).isFile()) {
    Say(QStringLiteral("cannot open %1").arg(file));
    return false;
  }
  if (!midi::IsMidiFile(file)) {
    Say(QStringLiteral("%1 is not a MIDI file").arg(file));
    return false;
  }
  file_ = file;
  return true;
}

bool TMidiPlayer::StartEngine() {
  if (engine_) return true;
  if (engineFailed_ || !g_audioOutput) return false;
  engineFailed_ = true;  // until it works: one attempt, one line
  const QString font = midi::FindSoundFont();
  if (font.isEmpty()) {
    Say(QStringLiteral("no soundfont (.sf2) in /usr/share/sounds/sf2"));
    return false;
  }
  auto engine = std::make_unique<Engine>();
  engine->settings.reset(new_fluid_settings());
  fluid_settings_setint(engine->settings.get(), "synth.lock-memory", 0);
  QString error;
  engine->synth = midi::MakeSynth(engine->settings.get(), font, &error);
  if (!engine->synth) {
    Say(error);
    return false;
  }
  for (const char* name : {"pulseaudio", "alsa"}) {
    // ALSA without a sound card prints a page of its own complaints: ask only when there is one.
    if (std::string_view(name) == "alsa" &&
        QDir(QStringLiteral("/dev/snd")).entryList({QStringLiteral("pcm*")}, QDir::System).isEmpty())
      continue;
    fluid_settings_setstr(engine->settings.get(), "audio.driver", name);
    engine->driver.reset(new_fluid_audio_driver(engine->settings.get(), engine->synth.get()));
    if (engine->driver) break;
  }
  if (!engine->driver) {
    const QString why = midi::TakeLastError();
    Say(QStringLiteral("no audio device (pulseaudio, alsa)") + (why.isEmpty() ? QString() : ": " + why));
    return false;
  }
  engineFailed_ = false;
  engine_ = std::move(engine);
  return true;
}

void TMidiPlayer::Rewind() {
  Stop();
  if (engine_) engine_->player.reset();
}

void TMidiPlayer::Play() {
  if (!IsOpen() || !StartEngine()) return;
  if (engine_->player && fluid_player_get_status(engine_->player.get()) == FLUID_PLAYER_DONE)
    engine_->player.reset();
  if (!engine_->player) {
    QString error;
    engine_->player = midi::MakePlayer(engine_->synth.get(), file_, &error);
    if (!engine_->player) {
      Say(error);
      return;
    }
  }
  fluid_player_play(engine_->player.get());
  playing_ = true;
  poll_.start();
}

void TMidiPlayer::Stop() {
  poll_.stop();
  playing_ = false;
  if (!engine_ || !engine_->player) return;
  fluid_player_stop(engine_->player.get());
  fluid_synth_all_sounds_off(engine_->synth.get(), -1);
}

bool TMidiPlayer::IsPlaying() const { return playing_; }

void TMidiPlayer::Poll() {
  if (!playing_ || !engine_ || !engine_->player) return;
  if (fluid_player_get_status(engine_->player.get()) != FLUID_PLAYER_DONE) return;
  poll_.stop();
  playing_ = false;
  if (OnNotify) OnNotify();
}
