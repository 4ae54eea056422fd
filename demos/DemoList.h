#pragma once
// The chapters of demonstrations, one per folder of demos/, found by the build (see
// demos/CMakeLists.txt): each folder defines Register<Folder>Demos(), which registers its
// demonstration classes by name.
#include <vector>

struct DemoChapter {
  const char* folder;  // "stacks"
  void (*registerDemos)();
};

// Every chapter, in folder order.
const std::vector<DemoChapter>& DemoChapters();

// Registers every demonstration class of the program by name. Called once at start-up,
// before any window exists, by the program and by the scripted driver alike.
void RegisterAllDemos();
