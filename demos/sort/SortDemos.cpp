#include "demos/sort/SortDemos.h"

#include "demos/sort/BubbleSort.h"
#include "demos/sort/InsertSort.h"
#include "demos/sort/ListInsertSort.h"
#include "demos/sort/QuickAddrSort.h"
#include "demos/sort/QuickSort.h"
#include "demos/sort/SelectSort.h"
#include "demos/sort/ShellSort.h"

void RegisterSortDemos() {
  DemoClasses().Register<TBubbleSort>();
  DemoClasses().Register<TInsertSort>();
  DemoClasses().Register<TListInsertSort>();
  DemoClasses().Register<TQuickAddrSort>();
  DemoClasses().Register<TQuickSort>();
  DemoClasses().Register<TSelectSort>();
  DemoClasses().Register<TShellSort>();
}
