// midi0.mid is a well-formed Standard MIDI File whose tune is long enough to loop pleasantly:
// its chunks add up, every note that starts also stops, and it lasts 30 to 90 seconds.
#include <gtest/gtest.h>

#include <QByteArray>
#include <map>
#include <set>
#include <stdexcept>

#include "tools/gen/Midi.h"

namespace {

// A reader written apart from the writer, so that the two check each other.
class Reader {
 public:
  explicit Reader(const QByteArray& b) : b_(b) {}
  bool AtEnd() const { return at_ >= b_.size(); }
  int Byte() {
    if (at_ >= b_.size()) throw std::runtime_error("read past the end");
    return quint8(b_[at_++]);
  }
  quint32 Big(int n) {
    quint32 v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | quint32(Byte());
    return v;
  }
  quint32 VarLen() {
    quint32 v = 0;
    for (int i = 0; i < 4; ++i) {
      const int c = Byte();
      v = (v << 7) | quint32(c & 0x7f);
      if (!(c & 0x80)) return v;
    }
    throw std::runtime_error("variable-length number longer than 4 bytes");
  }
  QByteArray Take(int n) {
    if (n < 0 || at_ + n > b_.size()) throw std::runtime_error("chunk runs past the end");
    const QByteArray r = b_.mid(at_, n);
    at_ += n;
    return r;
  }

 private:
  QByteArray b_;
  int at_ = 0;
};

struct Summary {
  int format = -1, tracks = 0, division = 0;
  int notes = 0;
  std::set<int> channelsWithNotes;
  std::set<int> programmedChannels;
  double seconds = 0;
  int hanging = 0;  // notes started and never stopped
};

Summary Parse(const QByteArray& file) {
  Summary s;
  Reader r(file);
  if (r.Take(4) != "MThd" || r.Big(4) != 6) throw std::runtime_error("bad header chunk");
  s.format = int(r.Big(2));
  const int declared = int(r.Big(2));
  s.division = int(r.Big(2));
  quint32 tempo = 500000;
  quint64 lastTick = 0;
  while (!r.AtEnd()) {
    if (r.Take(4) != "MTrk") throw std::runtime_error("not a track chunk");
    Reader t(r.Take(int(r.Big(4))));
    ++s.tracks;
    quint64 tick = 0;
    int status = 0;
    bool ended = false;
    std::map<std::pair<int, int>, int> on;
    while (!t.AtEnd()) {
      if (ended) throw std::runtime_error("events after the end of the track");
      tick += t.VarLen();
      int c = t.Byte();
      if (c == 0xff) {
        const int type = t.Byte();
        const QByteArray data = t.Take(int(t.VarLen()));
        if (type == 0x51)
          tempo = (quint8(data[0]) << 16) | (quint8(data[1]) << 8) | quint8(data[2]);
        if (type == 0x2f) ended = true;
        continue;
      }
      if (c & 0x80)
        status = c;
      else if (status == 0)
        throw std::runtime_error("running status without a status");
      const int kind = status & 0xf0;
      const int channel = status & 0x0f;
      const int d1 = (c & 0x80) ? t.Byte() : c;
      const int d2 = (kind == 0xc0 || kind == 0xd0) ? 0 : t.Byte();
      if (kind == 0x90 && d2 > 0) {
        ++on[{channel, d1}];
        ++s.notes;
        s.channelsWithNotes.insert(channel);
      } else if (kind == 0x80 || (kind == 0x90 && d2 == 0)) {
        if (on[{channel, d1}]-- <= 0) throw std::runtime_error("a note stops that never started");
      } else if (kind == 0xc0) {
        s.programmedChannels.insert(channel);
      }
    }
    if (!ended) throw std::runtime_error("track without its end event");
    for (const auto& [note, count] : on) s.hanging += count;
    lastTick = std::max(lastTick, tick);
  }
  if (declared != s.tracks) throw std::runtime_error("track count differs from the header");
  s.seconds = double(lastTick) / s.division * tempo / 1e6;  // one tempo throughout
  return s;
}

TEST(Music, TuneIsAWellFormedStandardMidiFile) {
  Summary s;
  ASSERT_NO_THROW(s = Parse(gen::ComposeTune()));
  EXPECT_TRUE(s.format == 0 || s.format == 1);
  EXPECT_GT(s.division, 0);
  EXPECT_GE(s.tracks, 2);
  EXPECT_EQ(s.hanging, 0) << "a note would sound on after the music stopped";
}

TEST(Music, TuneHasSeveralInstrumentsAndLoopsAfterHalfAMinuteToAMinuteAndAHalf) {
  const Summary s = Parse(gen::ComposeTune());
  EXPECT_GT(s.notes, 100);
  EXPECT_GE(s.channelsWithNotes.size(), 2u);
  for (int channel : s.channelsWithNotes)
    EXPECT_TRUE(s.programmedChannels.count(channel))
        << "channel " << channel << " has no instrument";
  EXPECT_GE(s.seconds, 30.0);
  EXPECT_LE(s.seconds, 90.0);
}

TEST(Music, TracksEncodeDeltaTimesAndEndEvents) {
  gen::MidiTrack track;
  track.Note(0, 480, 0, 60, 100);
  track.Note(480, 200, 0, 62, 100);  // starts as the first stops
  const QByteArray chunk = track.Encode();
  // Note-off of 60 sorts before the note-on of 62 at tick 480; delta 480 is 0x83 0x60.
  const QByteArray body(
      "\x00\x90\x3c\x64"
      "\x83\x60\x80\x3c\x40"
      "\x00\x90\x3e\x64"
      "\x81\x48\x80\x3e\x40"
      "\x00\xff\x2f\x00",
      22);
  EXPECT_EQ(chunk.left(4), QByteArray("MTrk"));
  EXPECT_EQ(chunk.mid(8), body);
  EXPECT_EQ(quint8(chunk[7]), body.size());
}

}  // namespace
