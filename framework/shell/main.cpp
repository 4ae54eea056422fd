#include <QMainWindow>

#include "demos/DemoList.h"
#include "platform/Application.h"
#include "platform/ModalHost.h"

int main(int argc, char** argv) {
  TApplication application(argc, argv);
  RegisterAllDemos();
  modal::SetAppTitle(QStringLiteral("Velkora 数据结构算法演示"));
  QMainWindow window;
  window.setWindowTitle(modal::AppTitle());
  window.resize(800, 600);
  app::ExitWhenShownIfAsked(window);
  window.show();
  return application.exec();
}
