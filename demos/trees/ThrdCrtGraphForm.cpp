#include "demos/trees/ThrdCrtGraphForm.h"

#include "demos/trees/ThrdTravGraphForm.h"
#include "demos/trees/ThrdTree.h"
#include "framework/drawkit/Pointer2.h"

TThrdCrtGraphForm::TThrdCrtGraphForm(QWidget* parent) : TGraphForm(parent) {
  setObjectName(QStringLiteral("ThrdCrtGraphForm"));
  SetCaption(QStringLiteral("ThrdCrtGraphForm"));
  SetDesignClientSize(255, 268);
  Tree = Place(new TThrdTree(this), 0, 0, 254, 267);
  Tree->setObjectName(QStringLiteral("Tree"));
  Tree->MaxDepth = 4;
  Tree->LineColor = clBlack;
  Tree->PointerSize = 32;
  Tree->ChrColor = clYellow;
  Tree->RoomForPointersBelow = true;
  p = ThrdPointer(Tree, "p", clBlue, clBlue);
  pre = ThrdPointer(Tree, "pre", clYellow, clBlack);
}
