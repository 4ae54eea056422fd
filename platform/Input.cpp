#include "platform/Input.h"

#include <QMouseEvent>

TShiftState ShiftFromQt(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons) {
  TShiftState s = 0;
  if (mods & Qt::ShiftModifier) s |= ssShift;
  if (mods & Qt::AltModifier) s |= ssAlt;
  if (mods & Qt::ControlModifier) s |= ssCtrl;
  if (buttons & Qt::LeftButton) s |= ssLeft;
  if (buttons & Qt::RightButton) s |= ssRight;
  if (buttons & Qt::MiddleButton) s |= ssMiddle;
  return s;
}

TMouseButton ButtonFromQt(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
  }
}

void TMouseHandlers::MousePressed(const QMouseEvent& e, bool doubleClick) {
  pressed_ = e.button() == Qt::LeftButton;
  if (doubleClick && pressed_ && OnDblClick) OnDblClick();
  if (!OnMouseDown) return;
  const QPoint p = e.position().toPoint();
  OnMouseDown(ButtonFromQt(e.button()),
              ShiftFromQt(e.modifiers(), e.buttons()) | (doubleClick ? ssDouble : 0u), p.x(), p.y());
}

void TMouseHandlers::MouseMoved(const QMouseEvent& e) {
  if (!OnMouseMove) return;
  const QPoint p = e.position().toPoint();
  OnMouseMove(ShiftFromQt(e.modifiers(), e.buttons()), p.x(), p.y());
}

void TMouseHandlers::MouseReleased(const QMouseEvent& e, bool overControl) {
  const bool click = pressed_ && e.button() == Qt::LeftButton && overControl;
  pressed_ = false;
  if (OnMouseUp) {
    const QPoint p = e.position().toPoint();
    OnMouseUp(ButtonFromQt(e.button()), ShiftFromQt(e.modifiers(), e.buttons()), p.x(), p.y());
  }
  if (click && OnClick) OnClick();
}
