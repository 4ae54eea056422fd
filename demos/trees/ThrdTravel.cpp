#include "demos/trees/ThrdTravel.h"

#include "demos/trees/ThrdTravGraphForm.h"
#include "demos/trees/ThrdTree.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"

bool TThrdTravel::CreateData() { return graphForm_->Tree->RethreadTree(); }

void TThrdTravel::Reset() {
  TAlgoDemo::Reset();
  graphForm_->OutputEdit->SetText(QString());
  SetP(nullptr);
}

void TThrdTravel::ResetLocalData(const QString&) {
  graphForm_->thrt->SetTarget(graphForm_->Tree->thrt);
  graphForm_->thrt->Reposition();
  graphForm_->Tree->PlacePointers();
}

void TThrdTravel::SetWindowRect() { MainForm->DockTwoPanes(graphForm_.get(), 60, AlgorithmForm); }

void TThrdTravel::UpdateChildWindow() {
  TAlgoDemo::UpdateChildWindow();
  if (UpdateHiddenWindows || graphForm_->isVisible()) graphForm_->Update();
  graphForm_->Tree->Arrange();
  graphForm_->Tree->Repaint();
}

void TThrdTravel::ShowGraph() { graphForm_->Tree->PlacePointers(); }

void TThrdTravel::SaveData(const QString& fileName) { graphForm_->Tree->SaveToFile(fileName); }

void TThrdTravel::LoadData(const QString& fileName) {
  graphForm_->Tree->LoadFromFile(fileName);
  graphForm_->Tree->InOrderThreading();
  Reset();
  UpdateChildWindow();
}

void TThrdTravel::SetP(TThrdTreeNode* node) {
  p_ = node;
  graphForm_->p->Means = {.Node = [this] { return TShapeRef{p_.data()}; }};
  graphForm_->p->SetTarget(node);
  graphForm_->p->Reposition();
  graphForm_->Tree->PlacePointers();
}

void TThrdTravel::Visit() {
  TAutoSizeEdit& out = *graphForm_->OutputEdit;
  out.SetText(out.Text() + QChar::fromLatin1(P()->Value()));
}

// p := p^.rchild
void TThrdTravel::GoRight() { SetP(P()->RightLink()); }

// p := thrt^.lchild
void TThrdTravel::travel_Begin() { SetP(graphForm_->Tree->thrt->LeftLink()); }

// WHILE p <> thrt
bool TThrdTravel::travel_F_Line1() { return P() != graphForm_->Tree->thrt; }

// WHILE p^.ltag = 0
bool TThrdTravel::travel_F_Line2() { return P()->ltag == 0; }

// p := p^.lchild
void TThrdTravel::travel_Line3() { SetP(P()->LeftLink()); }

// WHILE (p^.rtag = 1) AND (p^.rchild <> thrt)
bool TThrdTravel::travel_F_Line5() { return P()->rtag == 1 && P()->RightChild != graphForm_->Tree->thrt; }
