#pragma once
// The animated stack display: rows of data-model records filling a grid from the bottom row
// of the rightmost column upwards, then column by column to the left, with a "top" marker
// over the newest row and a title band at the bottom.
#include <QPoint>
#include <QSize>

// Where everything of a stack display of a given size stands.
struct TStackLayout {
  int Width = 0;
  int Height = 0;
  int ColCount = 1;
  int RowCount = 1;
  int CellWidth = 0;
  int CellHeight = 0;
  int TitleBand = 0;     // height of the title band at the bottom, 0 without a title
  int MarkerHeight = 0;  // height of the "top" marker, 0 when it is not shown

  TStackLayout(QSize box, int colCount, int rowCount, bool pointerVisible, bool titleVisible);
  // Top-left corner of entry index (0 = bottom of the rightmost column).
  QPoint Cell(int index) const;
  int Capacity() const { return ColCount * RowCount; }
};

// Frames of a push or pop slide at an animation speed (0 .. 99, clamped): N + 1 frames,
// frame k of 0 .. N at from + (to - from) * k div N.
int SlideSteps(int animSpeed);
int SlideFrameY(int from, int to, int k, int steps);
