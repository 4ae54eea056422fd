#pragma once
// Mouse buttons and shift states in the class library's terms, for every control.
#include <Qt>
#include <functional>

class QMouseEvent;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftFlag : unsigned {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64
};
using TShiftState = unsigned;  // ssShift | ssLeft ...

TShiftState ShiftFromQt(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons);
TMouseButton ButtonFromQt(Qt::MouseButton button);

// Scroll bars of grids and memos.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// Mouse callbacks of a control in its client coordinates, fed from its Qt event handlers.
// A click is a left press and release over the control; a double click calls OnDblClick,
// then OnMouseDown with ssDouble.
class TMouseHandlers {
 public:
  std::function<void(TMouseButton, TShiftState, int x, int y)> OnMouseDown;
  std::function<void(TShiftState, int x, int y)> OnMouseMove;
  std::function<void(TMouseButton, TShiftState, int x, int y)> OnMouseUp;
  std::function<void()> OnClick;
  std::function<void()> OnDblClick;

 protected:
  void MousePressed(const QMouseEvent& e, bool doubleClick = false);
  void MouseMoved(const QMouseEvent& e);
  void MouseReleased(const QMouseEvent& e, bool overControl);

 private:
  bool pressed_ = false;
};
