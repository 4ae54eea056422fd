#include "demos/graphs/GraphsDemos.h"

#include "demos/graphs/Artipoint.h"
#include "demos/graphs/CriticalPath.h"
#include "demos/graphs/MiniTreeKruskal.h"
#include "demos/graphs/MiniTreePrim.h"
#include "demos/graphs/OrthLinkCreate.h"
#include "demos/graphs/ShortestPath.h"
#include "demos/graphs/StrongComp.h"
#include "demos/graphs/Toposort.h"
#include "demos/graphs/Traverse.h"

void RegisterGraphsDemos() {
  DemoClasses().Register<TTraverGfs>();
  DemoClasses().Register<TTraverDfs>();
  DemoClasses().Register<TArtipoint>();
  DemoClasses().Register<TToposort>();
  DemoClasses().Register<TCriticalPath>();
  DemoClasses().Register<TShortestPathDIJ>();
  DemoClasses().Register<TShortestPathFloy>();
  DemoClasses().Register<TMiniTreeKRUSKAL>();
  DemoClasses().Register<TMinispantreePRIM>();
  DemoClasses().Register<TStrongComp>();
  DemoClasses().Register<TOrthLinkCreate>();
}
