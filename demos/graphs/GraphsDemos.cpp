#include "demos/graphs/GraphsDemos.h"

#include "demos/graphs/Artipoint.h"
#include "demos/graphs/Traverse.h"

void RegisterGraphsDemos() {
  DemoClasses().Register<TTraverGfs>();
  DemoClasses().Register<TTraverDfs>();
  DemoClasses().Register<TArtipoint>();
}
