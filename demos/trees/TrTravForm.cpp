#include "demos/trees/TrTravForm.h"

#include "demos/trees/TreeBase.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/Globals.h"

TTrTravForm::TTrTravForm(QWidget* parent) : TGraphForm(parent) {
  setObjectName(QStringLiteral("TrTravForm"));
  SetDesignClientSize(441, 391);
  BinTree = Place(new TBinCharTree(this), 0, 0, 441, 345);
  BinTree->setObjectName(QStringLiteral("BinTree"));
  BinTree->MaxDepth = 4;
  BinTree->LineColor = clBlack;
  BinTree->PointerSize = 32;
  BinTree->NodeCaption = QStringLiteral("n");
  BinTree->RoomForPointersBelow = true;

  Pointer = new TPointer2(BinTree);
  Pointer->setObjectName(QStringLiteral("Pointer"));
  Pointer->setGeometry(184, 40, 32, 32);
  Pointer->SetCaption(QStringLiteral("bt"));
  Pointer->SetColor(clBlue);
  Pointer->SetBorderColor(clWhite);
  Pointer->SetFontColor(clBlue);
  Pointer->hide();

  ResultText = Place(new TZqStaticText(this), 16, 352, 409, 33);
  ResultText->setObjectName(QStringLiteral("ResultText"));
  ResultText->SetBevel(bvLowered);
  ResultText->SetAlignment(taLeftJustify);
  ResultText->SetFont(TFont{.Name = QStringLiteral("Arial"), .Height = -19, .Color = clBlue});
}

void TTrTravForm::PointAt(TBinCharTreeNode* node) {
  Pointer->SetTarget(node);
  Pointer->Reposition();
  BinTree->PlacePointers();  // off the links into its node
  Pointer->repaint();
}

TTrTravStackData::TTrTravStackData(const QString& name, int lineNo, const TBinCharTreeNode* node,
                                   TTrTravColumns columns)
    : TData(name), LineNo(lineNo), Columns(columns) {
  if (!node) return;
  Nil = false;
  Caption = node->GetCaption();
  Letter = node->Value();
}

QString TTrTravStackData::GetText() const {
  QString s = QStringLiteral("%1").arg(LineNo, -Columns.node);
  if (Nil) s += UseCLanguage ? QStringLiteral("NULL") : QStringLiteral("NIL");
  else s += QStringLiteral("%1").arg(Caption, -(Columns.value - Columns.node)) + QChar::fromLatin1(Letter);
  return CutText(s);
}
