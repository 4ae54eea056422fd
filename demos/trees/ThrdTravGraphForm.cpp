#include "demos/trees/ThrdTravGraphForm.h"

#include "demos/trees/ThrdTree.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/drawkit/ThemedControls.h"

TPointer2* ThrdPointer(QWidget* tree, const char* name, TColor color, TColor fontColor, int size) {
  auto* pointer = new TPointer2(tree);
  pointer->setObjectName(QString::fromLatin1(name));
  pointer->SetCaption(QString::fromLatin1(name));
  pointer->setGeometry(-size, 32, size, size);
  pointer->SetColor(color);
  pointer->SetFontColor(fontColor);
  pointer->SetBorderColor(clWhite);
  pointer->hide();
  return pointer;
}

TThrdTravGraphForm::TThrdTravGraphForm(QWidget* parent) : TGraphForm(parent) {
  setObjectName(QStringLiteral("ThrdTravGraphForm"));
  SetCaption(QStringLiteral("ThrdTravGraphForm"));
  SetDesignClientSize(372, 376);
  Tree = Place(new TThrdTree(this), 0, 0, 371, 332);
  Tree->setObjectName(QStringLiteral("Tree"));
  Tree->MaxDepth = 4;
  Tree->LineColor = clBlack;
  Tree->PointerSize = 36;  // the band holds the window's 36-pixel pointers whole
  Tree->PostLineColor = clNavy;
  Tree->ChrColor = clYellow;
  Tree->RoomForPointersBelow = true;
  p = ThrdPointer(Tree, "p", clFuchsia, clFuchsia, 36);
  thrt = ThrdPointer(Tree, "thrt", clBlue, clRed, 36);
  AutoSizeEdit1 = Place(new TAutoSizeEdit(this), 0, 338, 105, 27);
  AutoSizeEdit1->setObjectName(QStringLiteral("AutoSizeEdit1"));
  AutoSizeEdit1->SetText(QStringLiteral("遍历结果："));
  AutoSizeEdit1->SetReadOnly(true);
  AutoSizeEdit1->SetFont(TFont{.Name = QStringLiteral("MS Sans Serif"), .Height = 25});
  OutputEdit = Place(new TAutoSizeEdit(this), 111, 338, 260, 27);
  OutputEdit->setObjectName(QStringLiteral("OutputEdit"));
  OutputEdit->SetReadOnly(true);
  OutputEdit->SetFont(TFont{.Name = QStringLiteral("MS Sans Serif"), .Height = 25});
}
