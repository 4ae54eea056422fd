#pragma once
// The shell windows' view of the backdrop: the screen-sized bitmap that every themed
// control paints the part of that lies under it on the screen.
#include "platform/Canvas.h"

class QWidget;
class TBitmap;

// The current backdrop, or nullptr while no demonstration has built one.
const TBitmap* CurrentBackdrop();

// Copies the part of the backdrop under rectangle r (in the canvas coordinates of control,
// whose top-left is the canvas's origin) onto the canvas at r; where r reaches past the
// backdrop's right edge, the rest comes from its left edge. Without a backdrop r is filled
// with fallback.
void CopyBackdrop(TCanvas& canvas, const QWidget* control, const TRect& r, TColor fallback);
