#pragma once
// Ackermann's function by its recursive definition, with one row of the drawn stack per
// active call: pushed when the call is made, popped when it returns, after which the
// caller's row shows the value that came back. The smallest complete demonstration: one
// input dialog, one stack window, one result window, a two-procedure text and twelve step
// methods.
#include <QString>
#include <memory>
#include <optional>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TAckmanGraphForm;
class TCoolMsgDlg;

// One row of the drawn stack: the line number of the call that made the frame (0 for the
// call from Main), the arguments, and temp and result (-1 while not yet known).
class TAckStackData : public TData {
 public:
  TAckStackData(const QString& name, int addr, int m, int n, int temp, int result);
  // "0     1  2     ?       ?": Addr, then m, n, temp and result (? while unknown), each under
  // its heading.
  QString GetText() const override;

  int Addr, m, n, temp, result;
};

class TAckman : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit TAckman(const QStringList& source);
  ~TAckman() override;

  void CreateChildWindow() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;
  void UpdateChildWindow() override;
  void AfterConstruction() override;

  TAckmanGraphForm* GraphForm() const { return graphForm_.get(); }
  int M = 0;
  int N = 0;

  // ---- Step methods (procedure "Main", then "Ackman", by line label)
  Q_INVOKABLE TData* Main_C_Begin();
  Q_INVOKABLE void Main_AfterBegin();
  Q_INVOKABLE bool Ackman_F_Begin();
  Q_INVOKABLE void Ackman_AckLine1();
  Q_INVOKABLE bool Ackman_F_AckLine2();
  Q_INVOKABLE TData* Ackman_C_AckLine3();
  Q_INVOKABLE void Ackman_AfterAckLine3();
  Q_INVOKABLE void Ackman_AckLine3();
  Q_INVOKABLE TData* Ackman_C_AckLine4();
  Q_INVOKABLE void Ackman_AfterAckLine4();
  Q_INVOKABLE TData* Ackman_C_AckLine5();
  Q_INVOKABLE void Ackman_AfterAckLine5();

 private:
  // A call made on line addr: the callee's record (m, n), a new temp and result pair in the
  // caller's locals, and a new row on the drawn stack.
  TData* Call(int addr, int m, int n);
  // The result of the pair the running call added to its caller's locals (the last one).
  TIntData& CallResult() const;
  // After a call returned: the returned value stored in the caller's temp (line 7) or result
  // (lines 4 and 8), the callee's row popped and the caller's row showing the value.
  void Returned(bool intoTemp);
  TAckStackData* TopRow() const;
  // What the stack row of the call at run-stack depth shows, read from the calls' locals;
  // nothing for a depth the stack does not hold.
  std::optional<QString> RowFor(int depth) const;
  void RetextTopRow();

  int Res = 0;  // the value of the most recent return
  std::unique_ptr<TAckmanGraphForm> graphForm_;
  std::unique_ptr<TCoolMsgDlg> msgDlg_;
};
