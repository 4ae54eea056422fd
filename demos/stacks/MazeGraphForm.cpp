#include "demos/stacks/MazeGraphForm.h"

#include "demos/stacks/MazeData.h"

TfrmMazeGraphForm::TfrmMazeGraphForm(QWidget* parent) : TGraphForm(parent) {
  SetCaption(QStringLiteral("frmMazeGraphForm"));
  SetDesignClientSize(449, 500);
  Maze = Place(new TMazeData(this), 0, 0, 441, 441);
  Maze->setObjectName(QStringLiteral("Maze"));
  Maze->hide();
}
