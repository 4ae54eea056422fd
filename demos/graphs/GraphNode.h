#pragma once
// A drawn box (rectangle or ellipse) with a shadow and a 3D rim, and the vertex box the graph
// editor places where the user clicks.
#include <QPoint>

#include "framework/drawkit/Rect.h"
#include "platform/Color.h"

class TSingleRect : public TRectbase {
 public:
  explicit TSingleRect(QWidget* parent = nullptr);

  int Style() const { return style_; }  // 0 rectangle, 1 ellipse
  void SetStyle(int style);
  TColor Color() const { return color_; }
  void SetColor(TColor color);

 protected:
  void Paint() override;

 private:
  int style_ = 0;
  TColor color_ = clBtnFace;
};

class TGraphNode : public TSingleRect {
 public:
  // A green circle of size x size with its top-left corner at (x, y), showing the letter.
  TGraphNode(QWidget* parent, int x, int y, int size, QChar letter);

  int Number;  // the vertex number: the letter's code - 64
  QPoint Centre() const { return {x() + width() / 2, y() + height() / 2}; }
};
