#pragma once
// Transposing a triple table in one pass: the elements of every column of a are counted in
// num[col], cpot[col] is where the column's first element goes in b, and each triple then
// moves straight to cpot[col], which moves on behind it.
#include "demos/linear/MatrixGraph1.h"
#include "demos/linear/TransSparmat.h"

class TFastTranspos : public TFormDemo<TMatrixGraph1Form, TTransposeDemo> {
  Q_OBJECT
 public:
  using TFormDemo::TFormDemo;

  std::unique_ptr<TData> GetInitialParam() override;
  void ResetLocalData(const QString& procName) override;
  void SetWindowRect() override;

  Q_INVOKABLE void FastTranspos_Begin();
  Q_INVOKABLE bool FastTranspos_F_If();
  Q_INVOKABLE void FastTranspos_InitNum();
  Q_INVOKABLE bool FastTranspos_F_ForT();
  Q_INVOKABLE void FastTranspos_CalNum();
  Q_INVOKABLE void FastTranspos_Cpot1();
  Q_INVOKABLE bool FastTranspos_F_ForCol();
  Q_INVOKABLE bool FastTranspos_F_ForP();
  Q_INVOKABLE void FastTranspos_ValueColQ();
  Q_INVOKABLE void FastTranspos_BijEqAji();
  Q_INVOKABLE void FastTranspos_BvEqAvIncCpot();
  Q_INVOKABLE void FastTranspos_RetOK();

 private:
  TData* Vec(const char* name) const;
};
