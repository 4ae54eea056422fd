#include "demos/trees/ExpTree.h"
#include "demos/trees/HuffmanCoding.h"
#include "demos/trees/PreOrder.h"

void RegisterTreesDemos() {
  DemoClasses().Register<TPreOrder>();
  DemoClasses().Register<TInOrder>();
  DemoClasses().Register<TPostOrder>();
  DemoClasses().Register<THuffmanCoding>();
  DemoClasses().Register<TExpTree>();
}
