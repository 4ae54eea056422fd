#pragma once
// Expression evaluation by operator precedence, step by step: each labelled line of the
// algorithm text is one operation of the expression window (its scanner, its two stacks
// and their stack displays), and the current token, the operands and the operator show as
// the variables w, a, b and theta. The expression is typed in the window, not in a dialog;
// the text exists in Pascal only.
#include <memory>

#include "framework/engine/AlgoDemo.h"

class TExpF;
class TStringData;

class TExp : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit TExp(const QStringList& source);
  ~TExp() override;

  void CreateChildWindow() override;
  void DestroyChildWindow() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;

  TExpF* Form() const { return form_.get(); }

  // ---- Step methods of procedure "Exp", by line label
  Q_INVOKABLE void Exp_Begin();
  Q_INVOKABLE void Exp_GetOneChar();
  Q_INVOKABLE bool Exp_F_Rotate();
  Q_INVOKABLE bool Exp_F_WIsOPND();
  Q_INVOKABLE void Exp_PushOPND();
  Q_INVOKABLE bool Exp_F_Priority();
  Q_INVOKABLE bool Exp_F_Priority1();
  Q_INVOKABLE void Exp_L();
  Q_INVOKABLE void Exp_E();
  Q_INVOKABLE void Exp_Popb();
  Q_INVOKABLE void Exp_PopOPND();
  Q_INVOKABLE void Exp_G();
  Q_INVOKABLE bool Exp_F_PushOPND2();
  Q_INVOKABLE void Exp_ReturnResult();

 private:
  void SetVar(const char* name, const QString& value);

  std::unique_ptr<TExpF> form_;
};
