#pragma once
// The one place where the program waits. Animations, the run loop and every sleep go
// through here, so that tests can switch to instant mode: no real time passes, the
// millisecond clock advances by what was asked, and pending paints still happen.
#include <cstdint>
#include <functional>
#include <vector>

namespace pacing {

// Milliseconds since start; in instant mode a virtual clock advanced by every wait.
std::int64_t Now();

// Sleep without processing messages (an animation frame).
void Sleep(int ms);

// Busy wait on the clock without processing messages.
void Delay(int ms);

// Wait up to ms while processing window messages; returns early once stop() holds.
// stop is checked after every round of message processing. Returns true when stopped early.
// processed, when given, is told once, after the first round: what the wait shows.
bool WaitProcessing(int ms, const std::function<bool()>& stop, const std::function<void()>& processed = {});

// Process pending window messages once (posted events and paints).
void ProcessMessages();

// Called at the start of every Sleep and Delay, so that what was drawn directly on a control
// reaches the screen before a frame's wait even though no messages are processed.
void SetFlushHook(std::function<void()> hook);

void SetInstant(bool instant);
bool IsInstant();

// Every wait asked for, in order (kept only while recording; tests read it).
void StartRecording();
std::vector<int> StopRecording();

}  // namespace pacing
