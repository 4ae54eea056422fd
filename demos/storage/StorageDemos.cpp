#include "demos/storage/StorageDemos.h"

void RegisterStorageDemos() {}
