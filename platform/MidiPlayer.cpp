#include "platform/MidiPlayer.h"

// Only the declarations: the library itself is loaded when music is first wanted, so that
// start-up does not pay for it and its forty-odd dependencies, and a system without it
// simply has no music.
#include <fluidsynth.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <cstdio>
#include <mutex>
#include <string_view>
#include <utility>

namespace midi {
namespace {

#define VELKORA_FLUID_FUNCTIONS(X)                                                              \
  X(fluid_set_log_function) X(new_fluid_settings) X(delete_fluid_settings)                      \
  X(fluid_settings_setstr) X(fluid_settings_setnum) X(fluid_settings_setint) X(new_fluid_synth) \
  X(delete_fluid_synth) X(fluid_synth_sfload) X(fluid_synth_write_float)                        \
  X(fluid_synth_all_sounds_off) X(new_fluid_player) X(delete_fluid_player) X(fluid_player_add)  \
  X(fluid_player_play) X(fluid_player_stop) X(fluid_player_join) X(fluid_player_get_status)     \
  X(new_fluid_audio_driver) X(delete_fluid_audio_driver)

// The library's functions the player uses, as they are named there.
struct FluidApi {
#define VELKORA_FLUID_MEMBER(name) decltype(&::name) name = nullptr;
  VELKORA_FLUID_FUNCTIONS(VELKORA_FLUID_MEMBER)
#undef VELKORA_FLUID_MEMBER
};

QString g_library = QStringLiteral("libfluidsynth.so.3");
// The library once loaded (it stays for the life of the process) and its functions, which
// made everything the player holds.
QString g_loadedName;
const FluidApi* g_fluid = nullptr;
QString g_fluidFailed;  // the library name that could not be loaded, and why
QString g_fluidWhy;

void KeepLog(int level, const char* message, void*);

// The library's functions, loaded at the first call; nullptr and error set when the library
// or one of its functions is missing (asked again only for another library name).
const FluidApi* Fluid(QString* error) {
  static std::once_flag logs;
  if (g_fluid && g_loadedName == g_library) return g_fluid;
  if (g_fluidFailed != g_library) {
    QLibrary library(g_library);
    auto api = std::make_unique<FluidApi>();
    QString missing;
    if (library.load()) {
#define VELKORA_FLUID_RESOLVE(name)                                                  \
  api->name = reinterpret_cast<decltype(api->name)>(library.resolve(#name));         \
  if (!api->name && missing.isEmpty()) missing = QStringLiteral(#name);
      VELKORA_FLUID_FUNCTIONS(VELKORA_FLUID_RESOLVE)
#undef VELKORA_FLUID_RESOLVE
    }
    if (library.isLoaded() && missing.isEmpty()) {
      static std::unique_ptr<FluidApi> loaded;
      loaded = std::move(api);
      g_fluid = loaded.get();
      g_loadedName = g_library;
      // FluidSynth's own messages are kept, not printed (see KeepLog).
      std::call_once(logs, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
          g_fluid->fluid_set_log_function(level, KeepLog, nullptr);
      });
      return g_fluid;
    }
    g_fluidFailed = g_library;
    g_fluidWhy = missing.isEmpty() ? library.errorString() : QStringLiteral("%1 lacks %2").arg(g_library, missing);
  }
  if (error) *error = QStringLiteral("FluidSynth cannot be loaded: ") + g_fluidWhy;
  return nullptr;
}

// FluidSynth's own messages are kept (the last error explains a failure) but not printed:
// the player reports each failure itself, in one line.
std::mutex g_logMutex;
QString g_lastError;

void KeepLog(int level, const char* message, void*) {
  if (level > FLUID_WARN) return;
  std::lock_guard<std::mutex> lock(g_logMutex);
  g_lastError = QString::fromLocal8Bit(message);
}

QString TakeLastError() {
  std::lock_guard<std::mutex> lock(g_logMutex);
  return std::exchange(g_lastError, QString());
}

// Whatever was made came from the loaded library.
struct SettingsDeleter {
  void operator()(fluid_settings_t* s) const { g_fluid->delete_fluid_settings(s); }
};
struct SynthDeleter {
  void operator()(fluid_synth_t* s) const { g_fluid->delete_fluid_synth(s); }
};
struct PlayerDeleter {
  void operator()(fluid_player_t* p) const {
    g_fluid->fluid_player_stop(p);
    g_fluid->fluid_player_join(p);
    g_fluid->delete_fluid_player(p);
  }
};
struct DriverDeleter {
  void operator()(fluid_audio_driver_t* d) const { g_fluid->delete_fluid_audio_driver(d); }
};
using Settings = std::unique_ptr<fluid_settings_t, SettingsDeleter>;
using Synth = std::unique_ptr<fluid_synth_t, SynthDeleter>;
using Player = std::unique_ptr<fluid_player_t, PlayerDeleter>;
using Driver = std::unique_ptr<fluid_audio_driver_t, DriverDeleter>;

// A synthesizer with the soundfont loaded; nullptr and error set on failure.
Synth MakeSynth(fluid_settings_t* settings, const QString& soundfont, QString* error) {
  Synth synth(g_fluid->new_fluid_synth(settings));
  if (!synth) {
    if (error) *error = QStringLiteral("cannot start the synthesizer");
    return nullptr;
  }
  if (g_fluid->fluid_synth_sfload(synth.get(), QFile::encodeName(soundfont).constData(), 1) == FLUID_FAILED) {
    if (error) *error = QStringLiteral("cannot load the soundfont %1").arg(soundfont);
    return nullptr;
  }
  return synth;
}

Player MakePlayer(fluid_synth_t* synth, const QString& file, QString* error) {
  Player player(g_fluid->new_fluid_player(synth));
  if (!player || g_fluid->fluid_player_add(player.get(), QFile::encodeName(file).constData()) != FLUID_OK) {
    if (error) *error = QStringLiteral("cannot read %1").arg(file);
    return nullptr;
  }
  return player;
}

// A standard MIDI file starts with its header chunk (read here, so that opening a tune does
// not load the synthesizer).
bool IsMidiFile(const QString& file) {
  QFile f(file);
  return QFileInfo(file).isFile() && f.open(QIODevice::ReadOnly) && f.read(4) == "MThd";
}

}  // namespace

void SetLibrary(const QString& fileName) { g_library = fileName; }

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
  auto fail = [error](const QString& why) {
    if (error) *error = why;
    return std::vector<float>();
  };
  if (!Fluid(error)) return {};
  const QString font = soundfont.isEmpty() ? FindSoundFont() : soundfont;
  if (font.isEmpty()) return fail(QStringLiteral("no soundfont found"));
  if (!IsMidiFile(file)) return fail(QStringLiteral("%1 is not a MIDI file").arg(file));

  Settings settings(g_fluid->new_fluid_settings());
  // The player follows the rendered samples, not the clock: rendering runs as fast as it can.
  g_fluid->fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
  g_fluid->fluid_settings_setnum(settings.get(), "synth.sample-rate", sampleRate);
  g_fluid->fluid_settings_setint(settings.get(), "synth.lock-memory", 0);
  g_fluid->fluid_settings_setint(settings.get(), "synth.cpu-cores", 1);
  Synth synth = MakeSynth(settings.get(), font, error);
  if (!synth) return {};
  Player player = MakePlayer(synth.get(), file, error);
  if (!player) return {};
  g_fluid->fluid_player_play(player.get());

  constexpr int kBlock = 512;
  const std::size_t limit = static_cast<std::size_t>(maxSeconds) * static_cast<std::size_t>(sampleRate);
  std::vector<float> out;
  std::vector<float> left(kBlock), right(kBlock);
  std::size_t frames = 0;
  // The player itself lets the last notes ring for a while before it reports the end.
  int tail = sampleRate / 4 / kBlock + 1;
  while (frames < limit && tail > 0) {
    if (g_fluid->fluid_player_get_status(player.get()) != FLUID_PLAYER_PLAYING) --tail;
    g_fluid->fluid_synth_write_float(synth.get(), kBlock, left.data(), 0, 1, right.data(), 0, 1);
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
  QString why;
  if (!midi::Fluid(&why)) {
    Say(why);
    return false;
  }
  const QString font = midi::FindSoundFont();
  if (font.isEmpty()) {
    Say(QStringLiteral("no soundfont (.sf2) in /usr/share/sounds/sf2"));
    return false;
  }
  auto engine = std::make_unique<Engine>();
  engine->settings.reset(midi::g_fluid->new_fluid_settings());
  midi::g_fluid->fluid_settings_setint(engine->settings.get(), "synth.lock-memory", 0);
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
    midi::g_fluid->fluid_settings_setstr(engine->settings.get(), "audio.driver", name);
    engine->driver.reset(midi::g_fluid->new_fluid_audio_driver(engine->settings.get(), engine->synth.get()));
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
  if (engine_->player && midi::g_fluid->fluid_player_get_status(engine_->player.get()) == FLUID_PLAYER_DONE)
    engine_->player.reset();
  if (!engine_->player) {
    QString error;
    engine_->player = midi::MakePlayer(engine_->synth.get(), file_, &error);
    if (!engine_->player) {
      Say(error);
      return;
    }
  }
  midi::g_fluid->fluid_player_play(engine_->player.get());
  playing_ = true;
  poll_.start();
}

void TMidiPlayer::Stop() {
  poll_.stop();
  playing_ = false;
  if (!engine_ || !engine_->player) return;
  midi::g_fluid->fluid_player_stop(engine_->player.get());
  midi::g_fluid->fluid_synth_all_sounds_off(engine_->synth.get(), -1);
}

bool TMidiPlayer::IsPlaying() const { return playing_; }

void TMidiPlayer::Poll() {
  if (!playing_ || !engine_ || !engine_->player) return;
  if (midi::g_fluid->fluid_player_get_status(engine_->player.get()) != FLUID_PLAYER_DONE) return;
  poll_.stop();
  playing_ = false;
  if (OnNotify) OnNotify();
}
