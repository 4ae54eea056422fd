#include "tests/support/RenderWidget.h"

QImage RenderWidget(QWidget& widget) {
  return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}
