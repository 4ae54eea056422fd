#include "demos/DemoList.h"
#include "framework/shell/AlgoSelect.h"
#include "framework/shell/ShellWindows.h"
#include "framework/shell/Startup.h"
#include "platform/Application.h"

int main(int argc, char** argv) {
  TApplication application(argc, argv);
  RegisterAllDemos();
  TProgramWindows windows;
  app::ExitWhenShownIfAsked(*AlgoSelectForm);
  return application.exec();
}
