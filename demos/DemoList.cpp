#include "demos/DemoList.h"

#include "demos/graphs/GraphsDemos.h"
#include "demos/stacks/StacksDemos.h"
#include "demos/storage/StorageDemos.h"

void RegisterAllDemos() {
  // Each chapter's folder adds its registration call here as its demonstrations land.
  RegisterStacksDemos();
  RegisterGraphsDemos();
  RegisterStorageDemos();
}
