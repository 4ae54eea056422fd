#include "demos/storage/StorageDemos.h"

#include "demos/storage/Membound.h"
#include "demos/storage/Membuddy.h"

void RegisterStorageDemos() {
  DemoClasses().Register<TMemBound>();
  DemoClasses().Register<TMemBuddy>();
}
