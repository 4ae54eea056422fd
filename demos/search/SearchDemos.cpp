#include "demos/search/SearchDemos.h"

#include "demos/search/AvlTree.h"
#include "demos/search/BsTree.h"
#include "demos/search/MBPTree.h"
#include "demos/search/MBTree.h"
#include "demos/search/NOST.h"
#include "demos/search/StaticSearches.h"
#include "framework/engine/AlgoDemo.h"

void RegisterSearchDemos() {
  DemoClasses().Register<TAVLTree>();
  DemoClasses().Register<TBinSrch>();
  DemoClasses().Register<TBsTree>();
  DemoClasses().Register<TFibSrch>();
  DemoClasses().Register<TInsSrch>();
  DemoClasses().Register<TSeqSrch>();
  DemoClasses().Register<TNOST>();
  DemoClasses().Register<TMBTree>();
  DemoClasses().Register<TMBPTree>();
}
