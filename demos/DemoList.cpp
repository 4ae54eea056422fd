#include "demos/DemoList.h"

#include "demos/stacks/StacksDemos.h"
#include "demos/trees/TreesDemos.h"
#include "demos/storage/StorageDemos.h"

void RegisterAllDemos() {
  // Each chapter's folder adds its registration call here as its demonstrations land.
  RegisterStacksDemos();
  RegisterTreesDemos();
  RegisterStorageDemos();
}
