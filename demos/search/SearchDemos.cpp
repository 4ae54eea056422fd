#include "demos/search/NOST.h"
#include "platform/ClassRegistry.h"

void RegisterSearchDemos() { DemoClasses().Register<TNOST>(); }
