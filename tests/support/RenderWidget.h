#pragma once
// Renders a widget and its children as they would appear on the screen.
#include <QImage>
#include <QWidget>

QImage RenderWidget(QWidget& widget);
