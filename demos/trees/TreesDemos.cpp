#include "demos/trees/PreOrder.h"

void RegisterTreesDemos() {
  DemoClasses().Register<TPreOrder>();
  DemoClasses().Register<TInOrder>();
  DemoClasses().Register<TPostOrder>();
}
