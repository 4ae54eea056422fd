#include "demos/linear/LinearDemos.h"

#include "demos/linear/DelSqlist.h"
#include "demos/linear/FastTranspos.h"
#include "demos/linear/IndexBF.h"
#include "demos/linear/IndexKMP.h"
#include "demos/linear/InsSqlist.h"
#include "demos/linear/MergeSqlist.h"
#include "demos/linear/MultiplySparmat.h"
#include "demos/linear/TransSparmat.h"

void RegisterLinearDemos() {
  DemoClasses().Register<TDelSqlist>();
  DemoClasses().Register<TFastTranspos>();
  DemoClasses().Register<TIndexBF>();
  DemoClasses().Register<TIndexKMP>();
  DemoClasses().Register<TIndexKMPNVal>();
  DemoClasses().Register<TInsSqlist>();
  DemoClasses().Register<TMergeSqlist>();
  DemoClasses().Register<TMultiplySparmat>();
  DemoClasses().Register<TTransSparmat>();
}
