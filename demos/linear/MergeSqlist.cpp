#include "demos/linear/MergeSqlist.h"

#include "demos/linear/SqList.h"
#include "demos/linear/SqlstGraphForm.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "platform/ModalHost.h"

bool TMergeSqlist::CheckOrderedString(QString& s) {
  // A bubble sort on the character codes, stopping after a pass without exchanges; equal
  // characters keep their order.
  bool ordered = true;
  bool swapped = true;
  for (int p = static_cast<int>(s.size()) - 1; p >= 1 && swapped; --p) {
    swapped = false;
    for (int k = 0; k < p; ++k) {
      if (s[k].unicode() > s[k + 1].unicode()) {
        std::swap(s[k], s[k + 1]);
        swapped = true;
        ordered = false;
      }
    }
  }
  if (ordered) return true;
  return modal::MessageDlg(QStringLiteral("您输入的并非有序串,调整为") + s, modal::Icon::Warning,
                           modal::Buttons::OkCancel) == modal::ResultOk;
}

bool TMergeSqlist::CreateData() {
  graphForm_->Mode = QStringLiteral("merge");
  std::optional<QString> va = AskListText(QStringLiteral("建立数据(va)"), QStringLiteral("acdijtuy"), MaxLen);
  if (!va || !CheckOrderedString(*va)) return false;
  graphForm_->TextA = *va;
  std::optional<QString> vb = AskListText(QStringLiteral("建立数据(vb)"), QStringLiteral("cfklns"), MaxLen);
  if (!vb || !CheckOrderedString(*vb)) return false;
  graphForm_->TextB = *vb;
  TextA = *va;
  TextB = *vb;
  return true;
}

std::unique_ptr<TData> TMergeSqlist::GetInitialParam() {
  auto args = std::make_unique<TData>(QString());
  args->Add(NewSqList(QStringLiteral("va"), TextA));
  args->Add(NewSqList(QStringLiteral("vb"), TextB));
  args->Add(NewSqList(QStringLiteral("vc"), QString()));
  return args;
}

void TMergeSqlist::ResetLocalData(const QString&) {
  for (const char* name : {"i", "j", "k"}) Locals()->Add(new TIntData(QString::fromLatin1(name), 0));
  graphForm_->Mode = QStringLiteral("merge");
  graphForm_->TextA = TextA;
  graphForm_->TextB = TextB;
  graphForm_->TextC.clear();
  graphForm_->SetPosA(1);
  graphForm_->SetPosB(1);
  graphForm_->SetPosC(0);
  graphForm_->Invalidate();
}

void TMergeSqlist::SetWindowRect() {
  MainForm->DockThreePanesB(graphForm_.get(), 50, AlgorithmForm, 60, VariableForm);
}

TData* TMergeSqlist::List(const char* name) const { return Locals()->FindByName(QString::fromLatin1(name)); }

// i:=1; j:=1; k:=0
void TMergeSqlist::MergeSqlist_Begin() {
  Var("i")->SetValue(1);
  Var("j")->SetValue(1);
  Var("k")->SetValue(0);
  graphForm_->SetPosA(1);
  graphForm_->SetPosB(1);
  graphForm_->SetPosC(0);
  graphForm_->FormPaint();
}

// WHILE (i<=va.last) AND (j<=vb.last) DO
bool TMergeSqlist::MergeSqlist_F_IfWhile1() {
  return Var("i")->Value() <= SqLast(List("va"))->Value() && Var("j")->Value() <= SqLast(List("vb"))->Value();
}

// IF va.elem[i]<=vb.elem[j] THEN
bool TMergeSqlist::MergeSqlist_F_CmpAB() {
  const QChar a = CharAt(TextA, Var("i")->Value());
  const QChar b = CharAt(TextB, Var("j")->Value());
  const bool fromA = a.unicode() <= b.unicode();
  graphForm_->BlinkMergeCell(fromA ? 'a' : 'b');
  return fromA;
}

void TMergeSqlist::Take(const char* from, const char* index) {
  auto k = Var("k");
  auto i = Var(index);
  const char ch = SqChar(List(from), i->Value());
  TVector* elem = SqElems(List("vc"));
  elem->Add(new TCharData(SqElemName(k->Value() + 1), ch));
  elem->SetModified(true);
  graphForm_->TextC += QChar::fromLatin1(ch);
  k->SetValue(k->Value() + 1);
  i->SetValue(i->Value() + 1);
  graphForm_->SetPosC(graphForm_->PosC + 1);
  if (from[1] == 'a')
    graphForm_->SetPosA(graphForm_->PosA + 1);
  else
    graphForm_->SetPosB(graphForm_->PosB + 1);
  graphForm_->FormPaint();
}

// k:=k+1; vc.elem[k]:=va.elem[i]; i:=i+1
void TMergeSqlist::MergeSqlist_MergeA() { Take("va", "i"); }
// k:=k+1; vc.elem[k]:=vb.elem[j]; j:=j+1
void TMergeSqlist::MergeSqlist_MergeB() { Take("vb", "j"); }

// WHILE i<=va.last DO
bool TMergeSqlist::MergeSqlist_F_IfWhile2() { return Var("i")->Value() <= SqLast(List("va"))->Value(); }
void TMergeSqlist::MergeSqlist_LeaveA() { MergeSqlist_MergeA(); }

// WHILE j<=vb.last DO
bool TMergeSqlist::MergeSqlist_F_IfWhile3() { return Var("j")->Value() <= SqLast(List("vb"))->Value(); }
void TMergeSqlist::MergeSqlist_LeaveB() { MergeSqlist_MergeB(); }

// vc.last:=k
void TMergeSqlist::MergeSqlist_Finish() {
  SqLast(List("vc"))->SetValue(Var("k")->Value());
  graphForm_->SetPosC(graphForm_->PosC + 1);
  graphForm_->FormPaint();
}
