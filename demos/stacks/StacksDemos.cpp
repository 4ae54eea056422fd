#include "demos/stacks/StacksDemos.h"

#include "demos/stacks/Ackman.h"
#include "demos/stacks/Bank.h"

void RegisterStacksDemos() {
  DemoClasses().Register<TAckman>();
  DemoClasses().Register<TBank>();
}
