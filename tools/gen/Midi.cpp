#include "tools/gen/Midi.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <stdexcept>

namespace gen {

namespace {

void PutVarLen(QByteArray& out, std::uint32_t value) {
  char bytes[5];
  int n = 0;
  bytes[n++] = char(value & 0x7f);
  while ((value >>= 7) != 0) bytes[n++] = char((value & 0x7f) | 0x80);
  while (n > 0) out.append(bytes[--n]);
}

void PutBig(QByteArray& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.append(char((value >> (8 * i)) & 0xff));
}

QByteArray Bytes(std::initializer_list<int> values) {
  QByteArray b;
  for (int v : values) b.append(char(v));
  return b;
}

}  // namespace

void MidiTrack::Add(std::uint32_t tick, int order, QByteArray bytes) {
  events_.push_back({tick, order, std::move(bytes)});
}

void MidiTrack::TrackName(std::uint32_t tick, const QByteArray& name) {
  QByteArray b = Bytes({0xff, 0x03});
  PutVarLen(b, std::uint32_t(name.size()));
  b.append(name);
  Add(tick, 0, b);
}

void MidiTrack::Tempo(std::uint32_t tick, std::uint32_t us) {
  QByteArray b = Bytes({0xff, 0x51, 0x03});
  PutBig(b, us, 3);
  Add(tick, 0, b);
}

void MidiTrack::TimeSignature(std::uint32_t tick, int numerator, int denominatorPower) {
  Add(tick, 0, Bytes({0xff, 0x58, 0x04, numerator, denominatorPower, 24, 8}));
}

void MidiTrack::Program(std::uint32_t tick, int channel, int program) {
  Add(tick, 2, Bytes({0xc0 | channel, program}));
}

void MidiTrack::Controller(std::uint32_t tick, int channel, int controller, int value) {
  Add(tick, 2, Bytes({0xb0 | channel, controller, value}));
}

void MidiTrack::Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
  Add(tick, 3, Bytes({0x90 | channel, key, std::clamp(velocity, 1, 127)}));
  Add(tick + length, 1, Bytes({0x80 | channel, key, 64}));
}

QByteArray MidiTrack::Encode() const {
  std::vector<Event> sorted = events_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  QByteArray body;
  std::uint32_t now = 0;
  for (const Event& e : sorted) {
    PutVarLen(body, e.tick - now);
    body.append(e.bytes);
    now = e.tick;
  }
  PutVarLen(body, 0);
  body.append(Bytes({0xff, 0x2f, 0x00}));
  QByteArray chunk("MTrk");
  PutBig(chunk, std::uint32_t(body.size()), 4);
  return chunk + body;
}

QByteArray EncodeSmf(int format, int ticksPerQuarter, const std::vector<MidiTrack>& tracks) {
  QByteArray out("MThd");
  PutBig(out, 6, 4);
  PutBig(out, std::uint32_t(format), 2);
  PutBig(out, std::uint32_t(tracks.size()), 2);
  PutBig(out, std::uint32_t(ticksPerQuarter), 2);
  for (const MidiTrack& t : tracks) out.append(t.Encode());
  return out;
}

// ---- The tune ----------------------------------------------------------------------------

namespace {

constexpr int kQuarter = 480;
constexpr int kEighth = kQuarter / 2;
constexpr int kBar = 4 * kQuarter;

// "C5", "F#4", "Bb3" -> MIDI key; "R" -> 0 (rest).
int Key(const QString& name) {
  if (name == QLatin1String("R")) return 0;
  static const int kSteps[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  const int letter = name.at(0).toLatin1() - 'A';
  if (letter < 0 || letter > 6) throw std::invalid_argument("bad note name: " + name.toStdString());
  int key = kSteps[letter];
  int i = 1;
  if (name.at(i) == QLatin1Char('#')) {
    ++key;
    ++i;
  } else if (name.at(i) == QLatin1Char('b')) {
    --key;
    ++i;
  }
  const int octave = name.mid(i).toInt();
  return 12 * (octave + 1) + key;
}

struct MelodyNote {
  int key;  // 0: rest
  int eighths;
};

// "E5:2 D5:1" -> notes; bars separated by "|" only for reading.
std::vector<MelodyNote> Melody(const QString& text) {
  std::vector<MelodyNote> notes;
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (word == QLatin1String("|")) continue;
    const QStringList parts = word.split(QLatin1Char(':'));
    notes.push_back({Key(parts.at(0)), parts.at(1).toInt()});
  }
  return notes;
}

struct Chord {
  int root;  // pitch class
  bool minor;
};

std::vector<Chord> Chords(const QString& text) {
  std::vector<Chord> chords;
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (word == QLatin1String("|")) continue;
    const bool minor = word.endsWith(QLatin1Char('m'));
    chords.push_back(
        {Key(word.left(minor ? word.size() - 1 : word.size()) + QStringLiteral("0")) % 12, minor});
  }
  return chords;
}

}  // namespace

QByteArray ComposeTune() {
  // Two bars of arpeggios, then A (8 bars), B (8 bars) and A again closing on C.
  const std::vector<Chord> chords =
      Chords(QStringLiteral("C F | C Am F G C Em F G | Am Em F C Dm G C G | C Am F G C Em F C"));
  const QString a1 = QStringLiteral(
      "E5:2 D5:1 C5:1 G4:4 | A4:2 C5:2 E5:2 D5:2 | C5:3 A4:1 F4:2 A4:2 | G4:4 B4:2 D5:2 | "
      "E5:2 G5:2 E5:2 C5:2 | B4:2 D5:1 B4:1 G4:4 | A4:2 C5:2 F5:2 E5:1 D5:1 |");
  const QString b = QStringLiteral(
      "C5:2 E5:2 A5:4 | G5:2 E5:2 B4:4 | A4:2 C5:2 F5:2 A5:2 | G5:6 E5:2 | "
      "F5:2 E5:1 D5:1 A4:4 | B4:2 D5:2 G5:2 F5:2 | E5:3 D5:1 C5:2 E5:2 | D5:6 R:2 |");
  const std::vector<MelodyNote> melody =
      Melody(QStringLiteral("R:16 | ") + a1 + QStringLiteral(" D5:4 B4:2 G4:2 | ") + b +
             QStringLiteral(" ") + a1 + QStringLiteral(" C5:8"));

  MidiTrack conductor;
  conductor.TrackName(0, "Velkora");
  conductor.Tempo(0, 750000);  // 80 quarters a minute
  conductor.TimeSignature(0, 4, 2);

  MidiTrack piano, flute, strings;
  piano.TrackName(0, "Piano");
  flute.TrackName(0, "Flute");
  strings.TrackName(0, "Strings");
  struct Setup {
    MidiTrack* track;
    int channel, program, volume, reverb;
  };
  for (const Setup& s : {Setup{&piano, 0, 0, 92, 50}, Setup{&flute, 1, 73, 100, 60},
                         Setup{&strings, 2, 48, 64, 70}}) {
    s.track->Program(0, s.channel, s.program);
    s.track->Controller(0, s.channel, 7, s.volume);
    s.track->Controller(0, s.channel, 91, s.reverb);
  }

  const int bars = int(chords.size());
  for (int bar = 0; bar < bars; ++bar) {
    const Chord c = chords[size_t(bar)];
    const int third = c.minor ? 3 : 4;
    int root = 48 + c.root;  // around C3
    if (c.root > 7) root -= 12;
    const std::uint32_t start = std::uint32_t(bar * kBar);
    if (bar == bars - 1) {
      // The last bar: one held chord, so the loop restarts from rest.
      for (int k : {0, 7, 12, 12 + third, 19}) piano.Note(start, kBar, 0, root + k, 62);
    } else {
      const int pattern[8] = {0, 7, 12, 12 + third, 19, 12 + third, 12, 7};
      for (int i = 0; i < 8; ++i) {
        const int velocity = (i == 0 ? 70 : i == 4 ? 62 : 54) + (bar % 2 ? 0 : 2);
        piano.Note(start + std::uint32_t(i * kEighth), 2 * kEighth, 0, root + pattern[i], velocity);
      }
    }
    // Strings: the chord held over the bar, in the middle register.
    int low = 60 + c.root;
    if (c.root > 4) low -= 12;
    for (int k : {0, third, 7}) strings.Note(start, kBar - 20, 2, low + k, bar < 2 ? 34 : 42);
  }

  std::uint32_t tick = 0;
  int index = 0;
  for (const MelodyNote& n : melody) {
    const std::uint32_t length = std::uint32_t(n.eighths * kEighth);
    if (n.key != 0) {
      const bool downbeat = tick % kBar == 0;
      const bool strong = tick % (2 * kQuarter) == 0;
      const int velocity = 76 + (downbeat ? 10 : strong ? 5 : 0) + (index % 3 == 1 ? -3 : 0);
      flute.Note(tick, length - 24, 1, n.key, velocity);
    }
    tick += length;
    ++index;
  }
  if (tick != std::uint32_t(bars * kBar)) throw std::logic_error("melody and chords differ");

  return EncodeSmf(1, kQuarter, {conductor, piano, flute, strings});
}

}  // namespace gen
