#include "demos/linear/LinearDemos.h"

#include "demos/linear/CopyLists.h"
#include "demos/linear/CrtLinkList.h"
#include "demos/linear/CrtLists.h"
#include "demos/linear/DelLinkList.h"
#include "demos/linear/DelSqlist.h"
#include "demos/linear/DepthLists.h"
#include "demos/linear/FastTranspos.h"
#include "demos/linear/IndexBF.h"
#include "demos/linear/IndexKMP.h"
#include "demos/linear/InsLinkList.h"
#include "demos/linear/InsSqlist.h"
#include "demos/linear/LkUniteByCopy.h"
#include "demos/linear/MergeSqlist.h"
#include "demos/linear/MultiplySparmat.h"
#include "demos/linear/TransSparmat.h"

void RegisterLinearDemos() {
  DemoClasses().Register<TCopyLists>();
  DemoClasses().Register<TCrtLinkList>();
  DemoClasses().Register<TCrtLists>();
  DemoClasses().Register<TDelLinkList>();
  DemoClasses().Register<TDelSqlist>();
  DemoClasses().Register<TDepthLists>();
  DemoClasses().Register<TFastTranspos>();
  DemoClasses().Register<TIndexBF>();
  DemoClasses().Register<TIndexKMP>();
  DemoClasses().Register<TIndexKMPNVal>();
  DemoClasses().Register<TInsLinkList>();
  DemoClasses().Register<TInsSqlist>();
  DemoClasses().Register<TLkUniteByCopy>();
  DemoClasses().Register<TMergeSqlist>();
  DemoClasses().Register<TMultiplySparmat>();
  DemoClasses().Register<TTransSparmat>();
}
