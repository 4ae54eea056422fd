#include "demos/stacks/RunningDog.h"

#include "framework/drawkit/AdvancedTools.h"
#include "framework/drawkit/KitGlobals.h"
#include "platform/Application.h"
#include "platform/Pacing.h"
#include "platform/PaintBox.h"

TRunningDog::TRunningDog() {
  for (int k = 0; k < 7; ++k) {
    const QString name = k < 6 ? QStringLiteral("rundog%1.bmp").arg(k + 1) : QStringLiteral("watchdog.bmp");
    const QString file = app::ImageFile(name);
    TBitmap& picture = pictures_[static_cast<std::size_t>(k)];
    if (file.isEmpty() || !picture.TryLoadFromFile(file)) {
      loaded_ = false;
    } else {
      picture.Transparent = true;
    }
  }
}

void TRunningDog::Run(TCanvasWidget& form, int lastFrame, const std::function<TPoint(int)>& at,
                      const std::function<void(int)>& follow) {
  if (!loaded_ || lastFrame < 1) return;
  TImgAnim anim(form.Canvas());
  anim.SetBackground(BackBitmap.get());
  const TPoint origin = form.ClientToScreen(TPoint(0, 0));
  anim.OffsetX = -origin.x();
  anim.OffsetY = -origin.y();
  for (int k = 0; k <= lastFrame; ++k) {
    const TPoint p = at(k);
    anim.MoveTo(p.x(), p.y(), pictures_[static_cast<std::size_t>(k % 7)]);
    follow(k);
    pacing::Sleep(10);
    pacing::ProcessMessages();
  }
  form.Repaint();
}
