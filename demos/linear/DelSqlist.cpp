#include "demos/linear/DelSqlist.h"

#include "demos/linear/SqList.h"
#include "demos/linear/SqlstGraphForm.h"
#include "framework/engine/DemoViews.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "platform/ModalHost.h"

void TDelSqlist::AfterConstruction() { graphForm_->Mode = QStringLiteral("del"); }

bool TDelSqlist::CreateData() {
  const std::optional<QString> text = AskListText(QStringLiteral("建立数据"), QStringLiteral("ajcniydu"), 16);
  if (!text) return false;
  Text = *text;
  graphForm_->Current = Text;
  graphForm_->Invalidate();
  const std::optional<int> i = AskPosition(QStringLiteral("删除位置"));
  if (!i) return false;
  Position = *i;
  graphForm_->SetPosJ(Position);
  graphForm_->SetPosB(Position);
  return true;
}

std::unique_ptr<TData> TDelSqlist::GetInitialParam() {
  auto args = std::make_unique<TData>(QString());
  args->Add(NewSqList(QStringLiteral("v"), Text));
  args->Add(new TIntData(QStringLiteral("i"), Position));
  return args;
}

void TDelSqlist::ResetLocalData(const QString&) {
  Locals()->Add(new TIntData(QStringLiteral("j"), Position));
  graphForm_->Current = Text;
  graphForm_->SetPosB(Position);
  graphForm_->SetPosI(Position);
  graphForm_->SetPosJ(Position);
  graphForm_->Invalidate();
}

void TDelSqlist::SetWindowRect() {
  MainForm->DockThreePanesB(graphForm_.get(), 50, AlgorithmForm, 60, VariableForm);
}

TData* TDelSqlist::V() const { return Locals()->FindByName(QStringLiteral("v")); }

// IF (i<1) OR (i>v.last) THEN
bool TDelSqlist::DelSqlist_F_Begin() {
  const int i = Var("i")->Value();
  return i < 1 || i > SqLast(V())->Value();
}

// ERROR('i值有错!')
void TDelSqlist::DelSqlist_ShowError() { modal::ShowMessage(QStringLiteral("i值有错!")); }

// FOR j:=i+1 TO v.last DO
bool TDelSqlist::DelSqlist_F_Loop() {
  auto j = Var("j");
  j->SetValue(j->Value() + 1);
  graphForm_->SetPosB(j->Value());
  return j->Value() <= SqLast(V())->Value();
}

// v.elem[j-1]:=v.elem[j]
void TDelSqlist::DelSqlist_MoveLeft() {
  const int j = Var("j")->Value();
  TVector* elem = SqElems(V());
  static_cast<TCharData*>(elem->Items(j - 2))->SetValue(SqChar(V(), j));
  graphForm_->SlideCell(j - 1, j);
}

// v.last:=v.last-1
void TDelSqlist::DelSqlist_Finish() {
  TIntData* last = SqLast(V());
  graphForm_->BlinkCell(last->Value());
  graphForm_->Current.chop(1);
  last->SetValue(last->Value() - 1);
  TVector* elem = SqElems(V());
  (void)elem->SetCount(elem->Count() - 1);
  elem->SetModified(true);
  views::Variables().ReloadVariables();
}

// return OK
void TDelSqlist::DelSqlist_RetOK() { modal::ShowMessage(QStringLiteral("顺序表删除完成。")); }
