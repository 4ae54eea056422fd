#include "demos/linear/LinearDemos.h"

#include "demos/linear/DelSqlist.h"
#include "demos/linear/IndexBF.h"
#include "demos/linear/IndexKMP.h"
#include "demos/linear/InsSqlist.h"
#include "demos/linear/MergeSqlist.h"

void RegisterLinearDemos() {
  DemoClasses().Register<TDelSqlist>();
  DemoClasses().Register<TIndexBF>();
  DemoClasses().Register<TIndexKMP>();
  DemoClasses().Register<TIndexKMPNVal>();
  DemoClasses().Register<TInsSqlist>();
  DemoClasses().Register<TMergeSqlist>();
}
