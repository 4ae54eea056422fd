#include "demos/storage/StorageDemos.h"

#include "demos/storage/Membound.h"
#include "demos/storage/Membuddy.h"
#include "demos/storage/Mempacks.h"

void RegisterStorageDemos() {
  DemoClasses().Register<TMemBound>();
  DemoClasses().Register<TMemBuddy>();
  DemoClasses().Register<TMemPack>();
}
