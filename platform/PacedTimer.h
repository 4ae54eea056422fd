#pragma once
// A repeating timer for small effects on screen (a status line that scrolls). It ticks on
// the real clock; in instant mode (tests, the scripted driver) it does not tick at all, so
// what it moves stands still and every run shows the same thing. Enabled() still tells
// whether the effect is on.
#include <QObject>
#include <QTimer>
#include <functional>

class TPacedTimer : public QObject {
 public:
  explicit TPacedTimer(int intervalMs, QObject* parent = nullptr);

  std::function<void()> OnTimer;

  void Start();
  void Stop();
  bool Enabled() const { return enabled_; }
  int Interval() const { return timer_.interval(); }

 private:
  QTimer timer_;
  bool enabled_ = false;
};
