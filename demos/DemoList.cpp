#include "demos/DemoList.h"

#include "demos/linear/LinearDemos.h"
#include "demos/stacks/StacksDemos.h"

void RegisterAllDemos() {
  // Each chapter's folder adds its registration call here as its demonstrations land.
  RegisterStacksDemos();
  RegisterLinearDemos();
}
