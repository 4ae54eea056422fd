#include "demos/linear/MultiplySparmat.h"

#include "demos/linear/MatrixGraph2.h"
#include "demos/linear/MatrixInput1.h"
#include "demos/linear/SparMat.h"
#include "framework/engine/DemoViews.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "platform/ModalHost.h"
#include "platform/Pacing.h"

namespace {

void Pause(int ms) {
  pacing::Sleep(ms);
  pacing::ProcessMessages();
}
int FrameMs() { return 125 - RunSpeed; }

TDenseMatrix Dense(const TTripleTable& t, int mu, int nu) {
  TDenseMatrix d;
  d.mu = mu;
  d.nu = nu;
  for (int k = 1; k <= t.tu; ++k) d.Cell(t.At(k).i, t.At(k).j) = t.At(k).v;
  return d;
}

}  // namespace

TMultiplySparmat::TMultiplySparmat(const QStringList& source)
    : TFormDemo(source), inputDlg_(std::make_unique<TMatrixInput1Dlg>()) {}
TMultiplySparmat::~TMultiplySparmat() = default;

bool TMultiplySparmat::CreateData() {
  // Opens in the middle of the screen, clear of the toolbar, as every dialog does.
  if (!inputDlg_->Execute()) return false;
  SetMatrices(inputDlg_->Tables[0], inputDlg_->Tables[1]);
  return true;
}

void TMultiplySparmat::SetMatrices(const TTripleTable& m, const TTripleTable& n) {
  TableM = m;
  TableN = n;
  TMatrixGraph2Form& g = *graphForm_;
  g.MDense = Dense(m, m.mu, m.nu);
  g.NDense = Dense(n, n.mu, n.nu);
  g.QDense = Dense(TTripleTable{}, m.mu, n.nu);
  g.ComputeOrigins();
}

std::unique_ptr<TData> TMultiplySparmat::GetInitialParam() {
  auto args = std::make_unique<TData>(QString());
  args->Add(NewTableRecord(QStringLiteral("a"), TableM, true, true));
  args->Add(NewTableRecord(QStringLiteral("b"), TableN, true, true));
  args->Add(NewTableRecord(QStringLiteral("c"), TableM, false, false));
  auto* rpos = args->Add(new TVector(QStringLiteral("rpos")));
  const std::vector<int> starts = RowStarts(TableN);
  for (std::size_t r = 0; r < starts.size(); ++r)
    rpos->Add(new TIntData(QStringLiteral("[%1]").arg(r + 1), starts[r]));
  views::Variables().ReloadVariables();
  return args;
}

void TMultiplySparmat::ResetLocalData(const QString&) {
  for (const char* name : {"p", "q", "k", "brow", "crow", "ccol"})
    Locals()->Add(new TIntData(QString::fromLatin1(name), 0));
  Locals()->Add(NewRandomVector(QStringLiteral("ctemp"), TableN.nu));
  TMatrixGraph2Form& g = *graphForm_;
  g.P = g.Q = g.MRow = g.QRow = g.CCol = g.NRow = 0;
  g.MTable = TableM;
  g.NTable = TableN;
  g.ShowQ = false;
  g.RowColour.fill(clBtnFace);
  g.ColColour.fill(clAqua);
  g.QDense.cells = {};
  // M and N are a's and b's triples; Q's row crow is ctemp (cleared, and shown, once
  // InitCtemp has run for it), every other row the triples c holds of it.
  g.CellStandsFor = [this](int matrix, int i, int j) -> std::optional<int> {
    const auto find = [i, j](const TData* table) {
      for (int k = 1; k <= DataOf(table)->Count(); ++k)
        if (const TData* t = TripleOf(table, k); TI(t)->Value() == i && TJ(t)->Value() == j) return TV(t)->Value();
      return 0;
    };
    if (matrix == 0) return find(Rec("a"));
    if (matrix == 1) return find(Rec("b"));
    if (i == Var("crow")->Value()) return Item(Rec("ctemp"), j)->Value();
    return find(Rec("c"));
  };
  g.Repaint();
}

void TMultiplySparmat::SetWindowRect() {
  MainForm->DockThreePanesB(graphForm_.get(), 60, AlgorithmForm, 60, VariableForm);
}

TData* TMultiplySparmat::Rec(const char* name) const { return Locals()->FindByName(QString::fromLatin1(name)); }
int TMultiplySparmat::Rpos(int row) const { return Item(Rec("rpos"), row)->Value(); }

// IF a.tu*b.tu<>0 THEN
bool TMultiplySparmat::MultiplySparmat_F_Begin() { return Tu(Rec("a"))->Value() * Tu(Rec("b"))->Value() != 0; }

// c.mu:=a.mu; c.nu:=b.nu; c.tu:=0; p:=1
void TMultiplySparmat::MultiplySparmat_Init() {
  TData* c = Rec("c");
  Mu(c)->SetValue(Mu(Rec("a"))->Value());
  Nu(c)->SetValue(Nu(Rec("b"))->Value());
  Tu(c)->SetValue(0);
  Var("p")->SetValue(1);
  TMatrixGraph2Form& g = *graphForm_;
  g.P = 1;
  g.ShowQ = true;
  g.QDense.mu = Mu(c)->Value();
  g.QDense.nu = Nu(c)->Value();
  g.FormPaint();
}

// crow:=a.data[p].i
void TMultiplySparmat::MultiplySparmat_Crow() {
  const int p = Var("p")->Value();
  const int crow = TI(TripleOf(Rec("a"), p))->Value();
  Var("crow")->SetValue(crow);
  Pause(FrameMs());
  TMatrixGraph2Form& g = *graphForm_;
  g.P = p;
  g.QRow = crow;
  g.MRow = crow;
  g.FormPaint();
}

// FOR k:=1 TO c.nu DO ctemp[k]:=0
void TMultiplySparmat::MultiplySparmat_InitCtemp() {
  const int nu = Nu(Rec("b"))->Value();
  for (int k = 1; k <= nu; ++k) Item(Rec("ctemp"), k)->SetValue(0);
  TMatrixGraph2Form& g = *graphForm_;
  g.RowColour[static_cast<std::size_t>(Var("crow")->Value() - 1)] = clGray;
  for (int k = 1; k <= nu; ++k) g.ColColour[static_cast<std::size_t>(k - 1)] = clGray;
  g.FormPaint();
}

// WHILE (p<=a.tu) CAND (a.data[p].i=crow) DO
bool TMultiplySparmat::MultiplySparmat_F_While() {
  const int p = Var("p")->Value();
  const bool more = p <= Tu(Rec("a"))->Value() && TI(TripleOf(Rec("a"), p))->Value() == Var("crow")->Value();
  if (!more) {
    Var("ccol")->SetValue(0);
    TMatrixGraph2Form& g = *graphForm_;
    g.P = 0;
    g.NRow = 0;
    g.MRow = 0;
    g.FormPaint();
  }
  return more;
}

// brow:=a.data[p].j
void TMultiplySparmat::MultiplySparmat_Brow() {
  const int brow = TJ(TripleOf(Rec("a"), Var("p")->Value()))->Value();
  Var("brow")->SetValue(brow);
  Var("q")->SetValue(Rpos(brow) - 1);  // the loop header adds 1
  Pause(FrameMs());
  graphForm_->NRow = brow;
  graphForm_->FormPaint();
}

// FOR q:=rpos[brow] TO rpos[brow+1]-1 DO
bool TMultiplySparmat::MultiplySparmat_F_ForQ() {
  auto q = Var("q");
  q->SetValue(q->Value() + 1);
  const bool more = q->Value() <= Rpos(Var("brow")->Value() + 1) - 1;
  if (!more) q->SetValue(0);
  graphForm_->Q = q->Value();
  graphForm_->FormPaint();
  return more;
}

// ccol:=b.data[q].j
void TMultiplySparmat::MultiplySparmat_Ccol() {
  const int ccol = TJ(TripleOf(Rec("b"), Var("q")->Value()))->Value();
  Var("ccol")->SetValue(ccol);
  Pause(FrameMs());
  TMatrixGraph2Form& g = *graphForm_;
  g.CCol = ccol;
  TColor& colour = g.ColColour[static_cast<std::size_t>(ccol - 1)];
  for (int blink = 0; blink < 2; ++blink) {
    colour = clAqua;  // the accumulator vanishes into its background
    g.FormPaint();
    Pause(FrameMs() * 5);
    colour = clRed;
    g.FormPaint();
    if (blink == 0) Pause(FrameMs() * 5);
  }
}

// ctemp[ccol]:=ctemp[ccol]+a.data[p].v*b.data[q].v
void TMultiplySparmat::MultiplySparmat_Ctemp() {
  const int prod = TV(TripleOf(Rec("a"), Var("p")->Value()))->Value() * TV(TripleOf(Rec("b"), Var("q")->Value()))->Value();
  const int ccol = Var("ccol")->Value();
  const int crow = Var("crow")->Value();
  TIntData* acc = Item(Rec("ctemp"), ccol);
  acc->SetValue(acc->Value() + prod);
  TMatrixGraph2Form& g = *graphForm_;
  g.CountUp(crow, ccol, prod);
  g.QDense.Cell(crow, ccol) += prod;
  g.ColColour[static_cast<std::size_t>(ccol - 1)] = clGray;
  g.FormPaint();
}

// p:=p+1
void TMultiplySparmat::MultiplySparmat_IncP() {
  auto p = Var("p");
  p->SetValue(p->Value() + 1);
  graphForm_->P += 1;
  graphForm_->FormPaint();
}

// FOR ccol:=1 TO c.nu DO
bool TMultiplySparmat::MultiplySparmat_F_ForCcol() {
  auto ccol = Var("ccol");
  ccol->SetValue(ccol->Value() + 1);
  const bool more = ccol->Value() <= Nu(Rec("b"))->Value();
  if (more) {
    TMatrixGraph2Form& g = *graphForm_;
    g.ColColour[static_cast<std::size_t>(ccol->Value() - 1)] =
        g.QDense.Cell(Var("crow")->Value(), ccol->Value()) != 0 ? clBlue : clSilver;
  }
  return more;
}

// IF ctemp[ccol]<>0 THEN
bool TMultiplySparmat::MultiplySparmat_F_If() {
  const bool nonZero = Item(Rec("ctemp"), Var("ccol")->Value())->Value() != 0;
  if (!nonZero) graphForm_->FormPaint();
  return nonZero;
}

// c.tu:=c.tu+1; c.data[c.tu]:=(crow,ccol,ctemp[ccol])
void TMultiplySparmat::MultiplySparmat_Cdata() {
  TData* c = Rec("c");
  Tu(c)->SetValue(Tu(c)->Value() + 1);
  const int ccol = Var("ccol")->Value();
  DataOf(c)->Add(NewTripleRecord(Tu(c)->Value(), {Var("crow")->Value(), ccol, Item(Rec("ctemp"), ccol)->Value()}));
  DataOf(c)->SetModified(true);
  graphForm_->FormPaint();
  views::Variables().ReloadVariables();
}

// UNTIL p>a.tu
bool TMultiplySparmat::MultiplySparmat_F_Until() {
  const bool done = Var("p")->Value() > Tu(Rec("a"))->Value();
  TMatrixGraph2Form& g = *graphForm_;
  g.RowColour[static_cast<std::size_t>(Var("crow")->Value() - 1)] = clBlue;
  g.FormPaint();
  g.ColColour.fill(clAqua);
  if (done) {
    g.NRow = 0;
    g.MRow = 11;
    g.QRow = 11;  // past every row: Q shows all its rows finished
    g.CCol = 0;
    g.FormPaint();
  }
  return done;
}

// return OK
void TMultiplySparmat::MultiplySparmat_RetOK() { modal::ShowMessage(QStringLiteral("矩阵乘法完成。")); }
