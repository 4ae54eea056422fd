#pragma once
// Multiplying two sparse matrices held as row-linked triple tables: rpos[row] is where the
// row's triples begin in N, so that every element (crow, brow, v) of M meets exactly the
// elements of N's row brow; the accumulators ctemp of row crow are then compressed into
// the product's triples.
#include <memory>

#include "demos/linear/MatrixGraph2.h"
#include "demos/linear/TripleTable.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TMatrixInput1Dlg;

class TMultiplySparmat : public TFormDemo<TMatrixGraph2Form> {
  Q_OBJECT
 public:
  explicit TMultiplySparmat(const QStringList& source);
  ~TMultiplySparmat() override;

  bool CreateData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  void ResetLocalData(const QString& procName) override;
  void SetWindowRect() override;

  TMatrixInput1Dlg* InputDlg() const { return inputDlg_.get(); }
  // The tables accepted by the last input.
  TTripleTable TableM;
  TTripleTable TableN;
  // Takes M and N as the input (what CreateData does after the dialog).
  void SetMatrices(const TTripleTable& m, const TTripleTable& n);

  Q_INVOKABLE bool MultiplySparmat_F_Begin();
  Q_INVOKABLE void MultiplySparmat_Init();
  Q_INVOKABLE void MultiplySparmat_Repeat() {}
  Q_INVOKABLE void MultiplySparmat_Crow();
  Q_INVOKABLE void MultiplySparmat_InitCtemp();
  Q_INVOKABLE bool MultiplySparmat_F_While();
  Q_INVOKABLE void MultiplySparmat_Brow();
  Q_INVOKABLE bool MultiplySparmat_F_ForQ();
  Q_INVOKABLE void MultiplySparmat_Ccol();
  Q_INVOKABLE void MultiplySparmat_Ctemp();
  Q_INVOKABLE void MultiplySparmat_IncP();
  Q_INVOKABLE bool MultiplySparmat_F_ForCcol();
  Q_INVOKABLE bool MultiplySparmat_F_If();
  Q_INVOKABLE void MultiplySparmat_Cdata();
  Q_INVOKABLE bool MultiplySparmat_F_Until();
  Q_INVOKABLE void MultiplySparmat_RetOK();

 private:
  TData* Rec(const char* name) const;
  int Rpos(int row) const;
  std::unique_ptr<TMatrixInput1Dlg> inputDlg_;
};
