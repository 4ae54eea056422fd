#pragma once
// The drawing window of the maze search: the maze, laid out at 441 x 441 in a 449 x 500
// window and scaled with it. The maze stays hidden until the demonstration docks the window.
#include "framework/drawkit/GraphForm.h"

class TMazeData;

class TfrmMazeGraphForm : public TGraphForm {
 public:
  explicit TfrmMazeGraphForm(QWidget* parent = nullptr);
  TMazeData* Maze;
};
