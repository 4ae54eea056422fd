#include "demos/stacks/StacksDemos.h"

#include "demos/stacks/Ackman.h"
#include "demos/stacks/Packages.h"
#include "demos/stacks/Trains.h"

void RegisterStacksDemos() {
  DemoClasses().Register<TAckman>();
  DemoClasses().Register<TPackages>();
  DemoClasses().Register<TTrains>();
}
