#pragma once
// A small Standard MIDI File writer and the program's background tune.
#include <QByteArray>
#include <cstdint>
#include <vector>

namespace gen {

// One track's events at absolute tick times; Encode sorts them and writes delta times.
class MidiTrack {
 public:
  void TrackName(std::uint32_t tick, const QByteArray& name);
  void Tempo(std::uint32_t tick, std::uint32_t microsecondsPerQuarter);
  void TimeSignature(std::uint32_t tick, int numerator, int denominatorPower);
  void Program(std::uint32_t tick, int channel, int program);
  void Controller(std::uint32_t tick, int channel, int controller, int value);
  // A note from tick for length ticks (its note-off sorts before note-ons at the same tick).
  void Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);

  // The track chunk ("MTrk", length, events, end of track).
  QByteArray Encode() const;

 private:
  struct Event {
    std::uint32_t tick;
    int order;  // at equal ticks: meta 0, note-off 1, set-up 2, note-on 3
    QByteArray bytes;
  };
  void Add(std::uint32_t tick, int order, QByteArray bytes);
  std::vector<Event> events_;
};

// The file: header chunk "MThd" (format, track count, ticks per quarter) and the tracks.
QByteArray EncodeSmf(int format, int ticksPerQuarter, const std::vector<MidiTrack>& tracks);

// midi0.mid: an original gentle tune in C major (about 78 seconds, 80 beats a minute) for
// piano arpeggios, a flute melody and soft strings; it ends on the tonic so that it loops.
QByteArray ComposeTune();

}  // namespace gen
