#include "demos/trees/TreesDemos.h"

void RegisterTreesDemos() {}
