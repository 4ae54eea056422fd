#include "demos/graphs/GraphNode.h"

#include <array>
#include <numbers>

#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/KitGlobals.h"

TSingleRect::TSingleRect(QWidget* parent) : TRectbase(parent) {}

void TSingleRect::SetStyle(int style) {
  style_ = style;
  Invalidate();
}

void TSingleRect::SetColor(TColor color) {
  color_ = color;
  Invalidate();
}

void TSingleRect::Paint() {
  TCanvas& c = Canvas();
  CopyBackdrop(c, *this, ClientRect());
  const int s = Shadow();
  const int w = width() - s;
  const int h = height() - s;
  c.Pen.Color = clBlack;
  c.Brush.Color = clBlack;
  c.Brush.Style = bsSolid;
  if (style_ == 1) {
    if (s > 0) c.Ellipse(s, s, s + w, s + h);
    c.Brush.Color = color_;
    c.Pen.Color = color_;
    c.Ellipse(0, 0, w, h);
    DrawArc3D(c, 0, 0, 0, 2 * std::numbers::pi, w - 1, h - 1, clBtnShadow, clWhite);
  } else {
    if (s > 0) c.Rectangle(s, s, s + w, s + h);
    c.Brush.Color = color_;
    c.Pen.Color = color_;
    c.Rectangle(0, 0, w, h);
    const std::array<TPoint, 5> rim{TPoint{0, h - 1}, TPoint{0, 0}, TPoint{w - 1, 0},
                                    TPoint{w - 1, h - 1}, TPoint{0, h - 1}};
    DrawPolyline3D(c, rim, clWhite, clBtnShadow);
  }
  TRectbase::Paint();
}

TGraphNode::TGraphNode(QWidget* parent, int x, int y, int size, QChar letter)
    : TSingleRect(parent), Number(letter.unicode() - 64) {
  setObjectName(QStringLiteral("Vertex") + letter);
  SetStyle(1);
  setGeometry(x, y, size, size);
  Font.SetSize(size / 2 - 3);
  Font.Color = clWhite;
  SetColor(RGB(0, 128, 0));
  SetCaptionText(QStringLiteral("%1,%2,%3").arg(size / 2).arg(size * 3 / 4).arg(letter));
}
