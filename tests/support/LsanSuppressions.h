#pragma once
// Leak-check suppressions for the caches that fontconfig and the Qt platform plugin keep for
// the life of the process. Include once, in the file that holds main().
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libQt6Gui\nleak:libQt6Core\nleak:libglib\nleak:libdbus\n";
}
