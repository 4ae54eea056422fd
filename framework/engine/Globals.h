#pragma once
// The state that the engine, the shell and the demonstrations share for the life of the
// program. (The backdrop bitmap and the window references live with the drawing kit and
// the shell.)
#include <cstdint>

class TAlgoDemo;
class TZqThemes;

// The running demonstration; not owned here (the demonstration window owns it). A
// demonstration that is destroyed while current clears it.
inline TAlgoDemo* CurrentDemo = nullptr;
// The C text was chosen; value texts and the demonstrations' messages follow it.
inline bool UseCLanguage = false;
// Pace of the run loop and of most animations, 0 to 99.
inline std::uint8_t RunSpeed = 60;
// Pace of the stack display and the sort animations; set when the options are confirmed.
inline int AnimSpeed = 0;
// Colour theme of the running demonstration; not owned (the text holder owns its themes).
inline TZqThemes* CurrentThemes = nullptr;
// UpdateChildWindow refreshes the windows even when they are not visible.
inline constexpr bool UpdateHiddenWindows = true;
