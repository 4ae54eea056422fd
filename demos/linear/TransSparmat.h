#pragma once
// Transposing a sparse matrix held as a triple table by scanning the table once per
// column: every triple of column col is copied, i and j exchanged, to the next free place
// of b, so that b comes out in row-major order without sorting.
#include <memory>

#include "demos/linear/MatrixGraph.h"
#include "demos/linear/TripleTable.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TMatrixInputDlg;

// The two transposes' shared input: one matrix from the matrix input dialog.
class TTransposeDemo : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit TTransposeDemo(const QStringList& source);
  ~TTransposeDemo() override;

  bool CreateData() override;

  TMatrixInputDlg* InputDlg() const { return inputDlg_.get(); }
  // The table accepted by the last input.
  TTripleTable SourceTable;

 protected:
  TData* A() const;
  TData* B() const;
  // The triple k of a as entered.
  const TTriple& Source(int k) const { return SourceTable.At(k); }

 private:
  std::unique_ptr<TMatrixInputDlg> inputDlg_;
};

class TTransSparmat : public TFormDemo<TMatrixGraphForm, TTransposeDemo> {
  Q_OBJECT
 public:
  using TFormDemo::TFormDemo;

  std::unique_ptr<TData> GetInitialParam() override;
  void ResetLocalData(const QString& procName) override;
  void SetWindowRect() override;

  Q_INVOKABLE void TransSparmat_Begin();
  Q_INVOKABLE bool TransSparmat_F_IfB();
  Q_INVOKABLE void TransSparmat_Qeq1();
  Q_INVOKABLE bool TransSparmat_F_ForCol();
  Q_INVOKABLE bool TransSparmat_F_ForP();
  Q_INVOKABLE bool TransSparmat_F_IfA();
  Q_INVOKABLE void TransSparmat_BiEqAj();
  Q_INVOKABLE void TransSparmat_BjEqAi();
  Q_INVOKABLE void TransSparmat_BvEqAvIncQ();
  Q_INVOKABLE void TransSparmat_RetOK();

};
