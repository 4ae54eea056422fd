#include "demos/trees/CrtBTPreOdr.h"
#include "demos/trees/CrtPreIn.h"
#include "demos/trees/CrtThlinked.h"
#include "demos/trees/ExpTree.h"
#include "demos/trees/HuffmanCoding.h"
#include "demos/trees/PreOrder.h"
#include "demos/trees/ThrdInDel.h"
#include "demos/trees/ThrdTravel.h"

void RegisterTreesDemos() {
  DemoClasses().Register<TPreOrder>();
  DemoClasses().Register<TInOrder>();
  DemoClasses().Register<TPostOrder>();
  DemoClasses().Register<TCrtBTPreOdr>();
  DemoClasses().Register<TCrtPreIn>();
  DemoClasses().Register<TThrdTravel>();
  DemoClasses().Register<TCrtPrethlinked>();
  DemoClasses().Register<TCrtInthlinked>();
  DemoClasses().Register<TCrtPostthlinked>();
  DemoClasses().Register<TThrdInDel>();
  DemoClasses().Register<THuffmanCoding>();
  DemoClasses().Register<TExpTree>();
}
