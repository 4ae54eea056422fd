#pragma once
// Leak-check suppressions: the caches that fontconfig, GLib and D-Bus keep for the life of
// the process (under the Qt platform plugin). Nothing of Qt itself is suppressed, so a leak
// in a step method called through Qt's meta-object system is reported. Include once, in the
// file that holds main().
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libglib\nleak:libdbus\n";
}
// The list of suppressions that matched is left out of the report at exit: on a clean run
// it is all the checker would print. A leak that is not suppressed is still reported.
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
