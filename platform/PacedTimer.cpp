#include "platform/PacedTimer.h"

#include "platform/Pacing.h"

TPacedTimer::TPacedTimer(int intervalMs, QObject* parent) : QObject(parent) {
  timer_.setInterval(intervalMs);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] {
    if (!pacing::IsInstant() && OnTimer) OnTimer();
  });
}

void TPacedTimer::Start() {
  enabled_ = true;
  if (!pacing::IsInstant()) timer_.start();
}

void TPacedTimer::Stop() {
  enabled_ = false;
  timer_.stop();
}
