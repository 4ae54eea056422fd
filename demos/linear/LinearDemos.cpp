#include "demos/linear/LinearDemos.h"

#include "demos/linear/CopyLists.h"
#include "demos/linear/CrtLinkList.h"
#include "demos/linear/CrtLists.h"
#include "demos/linear/DelLinkList.h"
#include "demos/linear/DepthLists.h"
#include "demos/linear/InsLinkList.h"
#include "demos/linear/LkUniteByCopy.h"

void RegisterLinearDemos() {
  DemoClasses().Register<TCopyLists>();
  DemoClasses().Register<TCrtLinkList>();
  DemoClasses().Register<TCrtLists>();
  DemoClasses().Register<TDelLinkList>();
  DemoClasses().Register<TDepthLists>();
  DemoClasses().Register<TInsLinkList>();
  DemoClasses().Register<TLkUniteByCopy>();
}
