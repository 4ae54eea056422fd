#pragma once
// Mouse buttons and shift states in the class library's terms, for every control.
#include <Qt>

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
