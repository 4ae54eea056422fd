#include "framework/drawkit/NodeContainer.h"

#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitGlobals.h"
#include "platform/TextRules.h"

std::optional<QRect> RescaledBounds(const TDesignGeometry& g, int newParentWidth,
                                    int newParentHeight) {
  if (g.ParentWidth == 0 || g.ParentHeight == 0) return std::nullopt;
  const double rx = static_cast<double>(newParentWidth) / g.ParentWidth;
  const double ry = static_cast<double>(newParentHeight) / g.ParentHeight;
  return QRect(text::Round(rx * g.OriginalLeft), text::Round(ry * g.OriginalTop),
               text::Round(rx * g.OriginalWidth), text::Round(ry * g.OriginalHeight));
}

TNodeContainer::TNodeContainer(QWidget* parent) : TCanvasWidget(parent) {}

void TNodeContainer::SetDesignBounds(int left, int top, int width, int height, QSize designClient) {
  Design = {designClient.width(), designClient.height(), top, left, width, height};
  setGeometry(left, top, width, height);
}

void TNodeContainer::RecordDesignGeometry() {
  QWidget* form = window();
  for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
    if (dynamic_cast<TGraphForm*>(w)) {
      form = w;
      break;
    }
  }
  Design = {form->width(), form->height(), y(), x(), width(), height()};
}

TDesignRatio TNodeContainer::Ratio() const {
  return TDesignRatio(QSize(Design.OriginalWidth, Design.OriginalHeight), size());
}

void TNodeContainer::Rescale(int newParentWidth, int newParentHeight) {
  if (const auto bounds = RescaledBounds(Design, newParentWidth, newParentHeight))
    setGeometry(*bounds);
  AfterRescale();
}

void TNodeContainer::PaintGround(TCanvas& canvas, const QWidget& control, const TRect& r) const {
  ::PaintGround(canvas, control, r, Transparent, Color);
}

void TNodeContainer::Paint() {
  PaintGround(Canvas(), *this, ClientRect());
  Frame3D(Canvas(), 0, 0, width(), height(), clGray, clWhite);
}

void TNodeContainer::resizeEvent(QResizeEvent* event) {
  TCanvasWidget::resizeEvent(event);
  if (OnResize) OnResize();
}
