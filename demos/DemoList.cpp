#include "demos/DemoList.h"

void RegisterAllDemos() {
  // Each chapter's folder adds its registration call here as its demonstrations land.
}
