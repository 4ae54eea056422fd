#include "demos/stacks/StacksDemos.h"

#include "demos/stacks/Ackman.h"
#include "demos/stacks/Bank.h"
#include "demos/stacks/Exp.h"
#include "demos/stacks/Hanoi.h"
#include "demos/stacks/Maze.h"
#include "demos/stacks/Packages.h"
#include "demos/stacks/Queens.h"
#include "demos/stacks/Trains.h"

void RegisterStacksDemos() {
  DemoClasses().Register<TAckman>();
  DemoClasses().Register<TBank>();
  DemoClasses().Register<TExp>();
  DemoClasses().Register<THanoi>();
  DemoClasses().Register<TMaze>();
  DemoClasses().Register<TPackages>();
  DemoClasses().Register<TQueens>();
  DemoClasses().Register<TTrains>();
}
