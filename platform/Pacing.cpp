#include "platform/Pacing.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>

namespace pacing {
namespace {

bool g_instant = false;
std::int64_t g_virtualNow = 0;
bool g_recording = false;
std::vector<int> g_recorded;
std::function<void()> g_flush;

QElapsedTimer& Clock() {
  static QElapsedTimer timer = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return timer;
}

void Record(int ms) {
  if (g_recording) g_recorded.push_back(ms);
  if (g_flush) g_flush();
}

// Records a wait; true when nothing is left to do (no time asked, or the clock is virtual
// and has been moved on).
bool RecordAndSkip(int ms) {
  Record(ms);
  if (ms <= 0) return true;
  if (!g_instant) return false;
  g_virtualNow += ms;
  return true;
}

}  // namespace

std::int64_t Now() { return g_instant ? g_virtualNow : Clock().elapsed(); }

void Sleep(int ms) {
  if (RecordAndSkip(ms)) return;
  QThread::msleep(static_cast<unsigned long>(ms));
}

void Delay(int ms) {
  if (RecordAndSkip(ms)) return;
  const std::int64_t until = Now() + ms;
  while (Now() < until) {
  }
}

void ProcessMessages() {
  if (QCoreApplication::instance() == nullptr) return;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  QCoreApplication::sendPostedEvents(nullptr, 0);
}

bool WaitProcessing(int ms, const std::function<bool()>& stop, const std::function<void()>& processed) {
  Record(ms);
  if (g_instant) {
    // Keep the order of effects: whatever is pending is handled once, as a real wait would.
    ProcessMessages();
    if (processed) processed();
    g_virtualNow += ms > 0 ? ms : 0;
    return stop && stop();
  }
  const std::int64_t until = Now() + ms;
  for (bool first = true;; first = false) {
    ProcessMessages();
    if (first && processed) processed();
    if (stop && stop()) return true;
    if (Now() >= until) return false;
    QThread::msleep(1);
  }
}

void SetFlushHook(std::function<void()> hook) { g_flush = std::move(hook); }

void SetInstant(bool instant) { g_instant = instant; }
bool IsInstant() { return g_instant; }

void StartRecording() {
  g_recorded.clear();
  g_recording = true;
}

std::vector<int> StopRecording() {
  g_recording = false;
  return std::exchange(g_recorded, {});
}

}  // namespace pacing
