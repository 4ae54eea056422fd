#include "demos/linear/InsSqlist.h"

#include "demos/linear/SqList.h"
#include "demos/linear/SqlstGraphForm.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "platform/ModalHost.h"

namespace {
const QString kFreeSlot = QStringLiteral("?");
}

void TInsSqlist::AfterConstruction() { graphForm_->Mode = QStringLiteral("ins"); }

bool TInsSqlist::CreateData() {
  const std::optional<QString> text = AskListText(QStringLiteral("建立数据"), QStringLiteral("ajcniydu"), MaxLen);
  if (!text) return false;
  Text = *text;
  graphForm_->Current = Text + kFreeSlot;
  graphForm_->FormPaint();
  graphForm_->SetPosB(Text.size() + 1);
  const std::optional<char> b = AskElement(QStringLiteral("插入元素"), QStringLiteral("p"));
  if (!b) return false;
  Elem = *b;
  graphForm_->SetNewElem(Elem);
  const std::optional<int> i = AskPosition(QStringLiteral("插入位置"));
  if (!i) return false;
  Position = *i;
  graphForm_->SetPosI(Position);
  graphForm_->SetInserted(false);
  return true;
}

std::unique_ptr<TData> TInsSqlist::GetInitialParam() {
  auto args = std::make_unique<TData>(QString());
  // The list with its free slot "[n+1]" = '?'.
  args->Add(NewSqList(QStringLiteral("v"), Text + kFreeSlot, Text.size()));
  args->Add(new TIntData(QStringLiteral("i"), Position));
  args->Add(new TCharData(QStringLiteral("b"), Elem));
  args->Add(new TIntData(QStringLiteral("maxlen"), MaxLen));
  return args;
}

void TInsSqlist::ResetLocalData(const QString&) {
  Locals()->Add(new TIntData(QStringLiteral("j"), SqLast(V())->Value() + 1));
  graphForm_->Current = Text + kFreeSlot;
  graphForm_->SetPosB(Text.size() + 1);
  graphForm_->SetNewElem(Elem);
  graphForm_->SetPosI(Position);
  graphForm_->SetInserted(false);
  graphForm_->FormPaint();
}

void TInsSqlist::SetWindowRect() {
  MainForm->DockThreePanesB(graphForm_.get(), 50, AlgorithmForm, 60, VariableForm);
}

TData* TInsSqlist::V() const { return Locals()->FindByName(QStringLiteral("v")); }

// IF (i<1) OR (i>v.last+1) THEN
bool TInsSqlist::InsSqlist_F_Begin() {
  const int i = Var("i")->Value();
  return i < 1 || i > SqLast(V())->Value() + 1;
}

// ERROR('i值不合法！')
void TInsSqlist::InsSqlist_ShowError1() { modal::ShowMessage(QStringLiteral("i值不合法！")); }

// ELSE IF v.last>=maxlen THEN
bool TInsSqlist::InsSqlist_F_Else1() { return SqLast(V())->Value() >= Var("maxlen")->Value(); }

// ERROR('表满溢出！')
void TInsSqlist::InsSqlist_ShowError2() { modal::ShowMessage(QStringLiteral("表满溢出！")); }

// FOR j:=v.last DOWNTO i DO
bool TInsSqlist::InsSqlist_F_Loop() {
  auto j = Var("j");
  j->SetValue(j->Value() - 1);
  graphForm_->SetPosB(j->Value());
  return j->Value() >= Var("i")->Value();
}

// v.elem[j+1]:=v.elem[j]
void TInsSqlist::InsSqlist_MoveRight() {
  const int j = Var("j")->Value();
  static_cast<TCharData*>(SqElems(V())->Items(j))->SetValue(SqChar(V(), j));
  graphForm_->SlideCell(j + 1, j);
}

// v.elem[i]:=b; v.last:=v.last+1
void TInsSqlist::InsSqlist_Finish() {
  const int i = Var("i")->Value();
  static_cast<TCharData*>(SqElems(V())->Items(i - 1))->SetValue(Var<TCharData>("b").Value());
  TIntData* last = SqLast(V());
  last->SetValue(last->Value() + 1);
  graphForm_->SetInserted(true);
  graphForm_->AnimateMove(Var("j")->Value() + 1);
}

// return OK
void TInsSqlist::InsSqlist_RetOK() { modal::ShowMessage(QStringLiteral("顺序表插入完成。")); }
