#include "demos/stacks/StacksDemos.h"

#include "demos/stacks/Ackman.h"

void RegisterStacksDemos() { DemoClasses().Register<TAckman>(); }
