#include "demos/linear/FastTranspos.h"

#include "demos/linear/MatrixGraph1.h"
#include "demos/linear/SparMat.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "platform/ModalHost.h"

std::unique_ptr<TData> TFastTranspos::GetInitialParam() {
  auto args = std::make_unique<TData>(QString());
  args->Add(NewTableRecord(QStringLiteral("a"), SourceTable, true, true));
  // The slots of b are filled in any order.
  args->Add(NewTableRecord(QStringLiteral("b"), SourceTable, false, false, SourceTable.tu));
  return args;
}

void TFastTranspos::ResetLocalData(const QString&) {
  for (const char* name : {"p", "q", "col", "t"}) Locals()->Add(new TIntData(QString::fromLatin1(name), 0));
  const int nu = SourceTable.nu;
  TVector* num = Locals()->Add(NewRandomVector(QStringLiteral("num"), nu));
  TVector* cpot = Locals()->Add(NewRandomVector(QStringLiteral("cpot"), nu));
  TMatrixGraph1Form& g = *graphForm_;
  for (int k = 1; k <= nu; ++k) g.Info(k) = {k, Item(num, k)->Value(), Item(cpot, k)->Value()};
  g.A = SourceTable;
  g.B = TTripleTable{};
  g.B.tu = SourceTable.tu;
  g.P = g.Q = g.Col = g.T = 0;
  // The moving triple is b.data[q] as it is being written.
  g.MovingStandsFor = [this]() -> std::optional<TTriple> {
    const int q = Var("q")->Value();
    if (q < 1 || q > DataOf(B())->Count()) return std::nullopt;
    const TData* t = TripleOf(B(), q);
    return TTriple{TI(t)->Value(), TJ(t)->Value(), TV(t)->Value()};
  };
  g.Invalidate();
}

void TFastTranspos::SetWindowRect() {
  MainForm->DockThreePanesB(graphForm_.get(), 66, AlgorithmForm, 60, VariableForm);
}

TData* TFastTranspos::Vec(const char* name) const { return Locals()->FindByName(QString::fromLatin1(name)); }

// b.mu:=a.nu; b.nu:=a.mu; b.tu:=a.tu
void TFastTranspos::FastTranspos_Begin() {
  Mu(B())->SetValue(Nu(A())->Value());
  Nu(B())->SetValue(Mu(A())->Value());
  Tu(B())->SetValue(Tu(A())->Value());
}

// IF b.tu<>0 THEN
bool TFastTranspos::FastTranspos_F_If() { return Tu(B())->Value() != 0; }

// FOR col:=1 TO a.nu DO num[col]:=0
void TFastTranspos::FastTranspos_InitNum() {
  for (int c = 1; c <= Nu(A())->Value(); ++c) {
    Item(Vec("num"), c)->SetValue(0);
    graphForm_->Info(c).num = 0;
  }
  graphForm_->FlashNum();
  graphForm_->P = 0;
  graphForm_->T = 0;
  Var("t")->SetValue(0);
}

// FOR t:=1 TO a.tu DO
bool TFastTranspos::FastTranspos_F_ForT() {
  auto t = Var("t");
  t->SetValue(t->Value() + 1);
  graphForm_->P += 1;
  graphForm_->T = t->Value();
  graphForm_->SlideFrame();
  graphForm_->ShowT();
  return t->Value() <= Tu(A())->Value();
}

// num[a.data[t].j]:=num[a.data[t].j]+1
void TFastTranspos::FastTranspos_CalNum() {
  const int c = Source(Var("t")->Value()).j;
  TIntData* num = Item(Vec("num"), c);
  num->SetValue(num->Value() + 1);
  graphForm_->Info(c).num += 1;
  graphForm_->ShowNumOf();
}

// cpot[1]:=1
void TFastTranspos::FastTranspos_Cpot1() {
  Item(Vec("cpot"), 1)->SetValue(1);
  Var("col")->SetValue(1);
  Var("p")->SetValue(0);
  graphForm_->Info(1).cpot = 1;
  graphForm_->Col = 1;
  graphForm_->P = 0;
  graphForm_->ShowCpotOf();
}

// FOR col:=2 TO a.nu DO cpot[col]:=cpot[col-1]+num[col-1]
bool TFastTranspos::FastTranspos_F_ForCol() {
  auto colVar = Var("col");
  colVar->SetValue(colVar->Value() + 1);
  const int col = colVar->Value();
  if (col > Nu(A())->Value()) return true;
  Item(Vec("cpot"), col)->SetValue(Item(Vec("cpot"), col - 1)->Value() + Item(Vec("num"), col - 1)->Value());
  TColInfo& info = graphForm_->Info(col);
  info.cpot = graphForm_->Info(col - 1).cpot + graphForm_->Info(col - 1).num;
  graphForm_->Col = col;
  graphForm_->ShowCpotOf();
  return false;
}

// FOR p:=1 TO a.tu DO
bool TFastTranspos::FastTranspos_F_ForP() {
  auto p = Var("p");
  p->SetValue(p->Value() + 1);
  graphForm_->P += 1;
  graphForm_->SlideFrame();
  return p->Value() <= Tu(A())->Value();
}

// col:=a.data[p].j; q:=cpot[col]
void TFastTranspos::FastTranspos_ValueColQ() {
  const int col = TJ(TripleOf(A(), Var("p")->Value()))->Value();
  Var("col")->SetValue(col);
  Var("q")->SetValue(Item(Vec("cpot"), col)->Value());
  graphForm_->DropEmpty();
}

// b.data[q].i:=a.data[p].j; b.data[q].j:=a.data[p].i
void TFastTranspos::FastTranspos_BijEqAji() {
  const TData* from = TripleOf(A(), Var("p")->Value());
  TData* to = TripleOf(B(), Var("q")->Value());
  TI(to)->SetValue(TJ(from)->Value());
  TJ(to)->SetValue(TI(from)->Value());
  graphForm_->SetMovingIJ();
}

// b.data[q].v:=a.data[p].v; cpot[col]:=cpot[col]+1
void TFastTranspos::FastTranspos_BvEqAvIncCpot() {
  const int p = Var("p")->Value();
  const int q = Var("q")->Value();
  const int col = Var("col")->Value();
  TV(TripleOf(B(), q))->SetValue(TV(TripleOf(A(), p))->Value());
  TIntData* cpot = Item(Vec("cpot"), col);
  cpot->SetValue(cpot->Value() + 1);
  graphForm_->Q = q;
  graphForm_->Info(col).cpot += 1;
  graphForm_->PlaceInB();
  const TTriple& t = Source(p);
  graphForm_->B.At(q) = {t.j, t.i, t.v};
  graphForm_->FormPaint();
}

// return OK
void TFastTranspos::FastTranspos_RetOK() { modal::ShowMessage(QStringLiteral("矩阵转置成功。")); }
