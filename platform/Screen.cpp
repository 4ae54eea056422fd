#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace screen {
namespace {
QSize g_fixed;
}

QSize Size() {
  if (!g_fixed.isEmpty()) return g_fixed;
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    if (QScreen* s = app->primaryScreen()) return s->size();
  }
  return {1024, 768};
}

int Width() { return Size().width(); }
int Height() { return Size().height(); }
void SetFixedSize(QSize size) { g_fixed = size; }

}  // namespace screen
