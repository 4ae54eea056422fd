#include "demos/stacks/StacksDemos.h"

#include "demos/stacks/Ackman.h"
#include "demos/stacks/Hanoi.h"
#include "demos/stacks/Queens.h"

void RegisterStacksDemos() {
  DemoClasses().Register<TAckman>();
  DemoClasses().Register<THanoi>();
  DemoClasses().Register<TQueens>();
}
