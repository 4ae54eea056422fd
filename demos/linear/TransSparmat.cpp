#include "demos/linear/TransSparmat.h"

#include "demos/linear/MatrixGraph.h"
#include "demos/linear/MatrixInput.h"
#include "demos/linear/SparMat.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "platform/ModalHost.h"

// ---------------------------------------------------------------- shared input

TTransposeDemo::TTransposeDemo(const QStringList& source)
    : TAlgoDemo(source), inputDlg_(std::make_unique<TMatrixInputDlg>()) {}
TTransposeDemo::~TTransposeDemo() = default;

bool TTransposeDemo::CreateData() {
  // Opens in the middle of the screen, clear of the toolbar, as every dialog does.
  if (!inputDlg_->Execute()) return false;
  SourceTable = inputDlg_->Table;
  return true;
}

TData* TTransposeDemo::A() const { return Locals()->FindByName(QStringLiteral("a")); }
TData* TTransposeDemo::B() const { return Locals()->FindByName(QStringLiteral("b")); }

// ---------------------------------------------------------------- transpose

std::unique_ptr<TData> TTransSparmat::GetInitialParam() {
  auto args = std::make_unique<TData>(QString());
  args->Add(NewTableRecord(QStringLiteral("a"), SourceTable, true, true));
  args->Add(NewTableRecord(QStringLiteral("b"), SourceTable, false, false));
  return args;
}

void TTransSparmat::ResetLocalData(const QString&) {
  for (const char* name : {"p", "q", "col"}) Locals()->Add(new TIntData(QString::fromLatin1(name), 0));
  graphForm_->A = SourceTable;
  graphForm_->B = TTripleTable{};
  graphForm_->SetCol(0);
  graphForm_->SetP(0);
  graphForm_->SetQ(0);
  // The moving triple is b.data[q] being written: a field not written yet shows 0, but for j,
  // which carries the column sought until a.data[p].i takes its place.
  graphForm_->MovingStandsFor = [this]() -> std::optional<TTriple> {
    const int q = Var("q")->Value();
    const int col = Var("col")->Value();
    if (q < 1 || q > DataOf(B())->Count()) return TTriple{0, col, 0};
    const TData* t = TripleOf(B(), q);
    return TTriple{TI(t)->Value(), TJ(t)->Value() != 0 ? TJ(t)->Value() : col, TV(t)->Value()};
  };
  graphForm_->Invalidate();
}

void TTransSparmat::SetWindowRect() {
  MainForm->DockThreePanesB(graphForm_.get(), 60, AlgorithmForm, 60, VariableForm);
}

// b.mu:=a.nu; b.nu:=a.mu; b.tu:=a.tu
void TTransSparmat::TransSparmat_Begin() {
  Mu(B())->SetValue(Nu(A())->Value());
  Nu(B())->SetValue(Mu(A())->Value());
  Tu(B())->SetValue(Tu(A())->Value());
}

// IF b.tu<>0 THEN
bool TTransSparmat::TransSparmat_F_IfB() { return Tu(B())->Value() != 0; }

// q:=1
void TTransSparmat::TransSparmat_Qeq1() {
  Var("q")->SetValue(1);
  graphForm_->SetQ(1);
  Var("col")->SetValue(0);
  Var("p")->SetValue(0);
}

// FOR col:=1 TO a.nu DO
bool TTransSparmat::TransSparmat_F_ForCol() {
  auto col = Var("col");
  col->SetValue(col->Value() + 1);
  graphForm_->SetCol(col->Value());
  graphForm_->ShowCol();
  return col->Value() <= Nu(A())->Value();
}

// FOR p:=1 TO a.tu DO
bool TTransSparmat::TransSparmat_F_ForP() {
  auto p = Var("p");
  p->SetValue(p->Value() + 1);
  graphForm_->SetP(p->Value());
  graphForm_->ShowP();
  const bool more = p->Value() <= Tu(A())->Value();
  if (!more) p->SetValue(0);  // the next column starts afresh
  return more;
}

// IF a.data[p].j=col THEN
bool TTransSparmat::TransSparmat_F_IfA() {
  const bool match = TJ(TripleOf(A(), Var("p")->Value()))->Value() == Var("col")->Value();
  if (match) {
    graphForm_->MatchFound();
    graphForm_->MoveTriple(0);
  }
  return match;
}

// b.data[q].i:=a.data[p].j
void TTransSparmat::TransSparmat_BiEqAj() {
  const int q = Var("q")->Value();
  DataOf(B())->Add(NewTripleRecord(q, {}));
  DataOf(B())->SetModified(true);
  TI(TripleOf(B(), q))->SetValue(TJ(TripleOf(A(), Var("p")->Value()))->Value());
  graphForm_->SetMovingI();
}

// b.data[q].j:=a.data[p].i
void TTransSparmat::TransSparmat_BjEqAi() {
  TJ(TripleOf(B(), Var("q")->Value()))->SetValue(TI(TripleOf(A(), Var("p")->Value()))->Value());
  graphForm_->SetMovingJ();
}

// b.data[q].v:=a.data[p].v; q:=q+1
void TTransSparmat::TransSparmat_BvEqAvIncQ() {
  auto q = Var("q");
  const int p = Var("p")->Value();
  TV(TripleOf(B(), q->Value()))->SetValue(TV(TripleOf(A(), p))->Value());
  q->SetValue(q->Value() + 1);
  graphForm_->PlaceInB();
  graphForm_->SetQ(q->Value());
  TTripleTable& b = graphForm_->B;
  const TTriple& t = Source(p);
  b.At(++b.tu) = {t.j, t.i, t.v};
}

// return OK
void TTransSparmat::TransSparmat_RetOK() { modal::ShowMessage(QStringLiteral("矩阵转置成功。")); }
