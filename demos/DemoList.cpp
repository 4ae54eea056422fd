#include "demos/DemoList.h"

#include "demos/sort/SortDemos.h"
#include "demos/stacks/StacksDemos.h"
#include "demos/storage/StorageDemos.h"

void RegisterAllDemos() {
  // Each chapter's folder adds its registration call here as its demonstrations land.
  RegisterStacksDemos();
  RegisterSortDemos();
  RegisterStorageDemos();
}
