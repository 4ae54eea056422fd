#include "framework/drawkit/StackBox.h"

#include <algorithm>

#include "platform/TextRules.h"

TStackLayout::TStackLayout(QSize box, int colCount, int rowCount, bool pointerVisible,
                           bool titleVisible)
    : Width(box.width()),
      Height(box.height()),
      ColCount(std::clamp(colCount, 1, 20)),
      RowCount(std::clamp(rowCount, 1, 20)) {
  CellWidth = Width / ColCount - 6;
  const double shares = RowCount + (pointerVisible ? 1 : 0) + (titleVisible ? 1.5 : 0);
  CellHeight = text::Round(Height / shares) - 1;
  TitleBand = titleVisible ? static_cast<int>(1.5 * CellHeight) : 0;
  MarkerHeight = pointerVisible ? CellHeight : 0;
}

QPoint TStackLayout::Cell(int index) const {
  const int c = index / RowCount;
  const int r = index % RowCount;
  return {((ColCount - c - 1) * Width) / ColCount + 3, Height - TitleBand - (CellHeight + 1) * (r + 1)};
}

int SlideSteps(int animSpeed) { return (99 - std::clamp(animSpeed, 0, 99)) / 2 + 1; }

int SlideFrameY(int from, int to, int k, int steps) { return from + ((to - from) * k) / steps; }
