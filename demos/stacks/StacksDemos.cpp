#include "demos/stacks/StacksDemos.h"

#include "demos/stacks/Ackman.h"
#include "demos/stacks/Exp.h"
#include "demos/stacks/Maze.h"

void RegisterStacksDemos() {
  DemoClasses().Register<TAckman>();
  DemoClasses().Register<TExp>();
  DemoClasses().Register<TMaze>();
}
