#pragma once
// What every kit control shares: the backdrop, one bitmap as large as the screen with the
// current theme's picture stretched over it. Each control paints the part of it that lies
// under its own screen rectangle, so the texture stays fixed to the screen across windows
// and panes, and no control ever erases its background.
#include <QPointer>
#include <QSize>
#include <memory>

#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "platform/Geometry.h"

class QDialog;
class QWidget;

// The backdrop; built by the demonstration window when a demonstration starts (MakeBackdrop)
// and dropped when it ends. Empty while no demonstration runs.
inline std::unique_ptr<TBitmap> BackBitmap;

// The dialog shown over the demonstration window (the message window, the options dialog);
// the demonstration window closes it when the application loses the focus.
inline QPointer<QDialog> ActivePopup;

// A backdrop of the given screen size with picture stretched over all of it.
std::unique_ptr<TBitmap> MakeBackdrop(const TBitmap& picture, QSize screenSize);

// Copies the backdrop under r (control's client coordinates) onto canvas at r, unscaled.
// Without a backdrop r is filled with fallback.
void CopyBackdrop(TCanvas& canvas, const QWidget& control, const TRect& r, TColor fallback = clBtnFace);

// Paints r (control's client coordinates) with a control's ground: the backdrop when
// transparent, otherwise plain color (a control that asks for a background of its own).
void PaintGround(TCanvas& canvas, const QWidget& control, const TRect& r, bool transparent, TColor color);
