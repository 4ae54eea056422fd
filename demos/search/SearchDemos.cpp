#include "demos/search/SearchDemos.h"

#include "framework/engine/AlgoDemo.h"
#include "demos/search/StaticSearches.h"

void RegisterSearchDemos() {
  DemoClasses().Register<TBinSrch>();
  DemoClasses().Register<TFibSrch>();
  DemoClasses().Register<TInsSrch>();
  DemoClasses().Register<TSeqSrch>();
}
