#include "demos/sort/SortDemos.h"

#include "demos/sort/BubbleSort.h"
#include "demos/sort/HeapSort.h"
#include "demos/sort/InsertSort.h"
#include "demos/sort/ListInsertSort.h"
#include "demos/sort/MergeSort.h"
#include "demos/sort/QuickAddrSort.h"
#include "demos/sort/QuickSort.h"
#include "demos/sort/RadixSort.h"
#include "demos/sort/RecMergeSort.h"
#include "demos/sort/ReplaceSelection.h"
#include "demos/sort/SelectSort.h"
#include "demos/sort/ShellSort.h"
#include "demos/sort/TournamentSort.h"

void RegisterSortDemos() {
  DemoClasses().Register<TBubbleSort>();
  DemoClasses().Register<THeapSort>();
  DemoClasses().Register<TInsertSort>();
  DemoClasses().Register<TListInsertSort>();
  DemoClasses().Register<TMergeSort>();
  DemoClasses().Register<TQuickAddrSort>();
  DemoClasses().Register<TIntMergeSort>();
  DemoClasses().Register<TQuickSort>();
  DemoClasses().Register<TRadixSort>();
  DemoClasses().Register<TRecMergeSort>();
  DemoClasses().Register<TReplaceSelection>();
  DemoClasses().Register<TSelectSort>();
  DemoClasses().Register<TShellSort>();
  DemoClasses().Register<TTournamentSort>();
}
