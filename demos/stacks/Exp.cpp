#include "demos/stacks/Exp.h"

#include "demos/stacks/ExpF.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/BasicData.h"
#include "platform/Forms.h"
#include "framework/shell/MainForm.h"

TExp::TExp(const QStringList& source) : TAlgoDemo(source) {}
TExp::~TExp() = default;

void TExp::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  form_ = std::make_unique<TExpF>();
}

void TExp::DestroyChildWindow() {
  form_.reset();
  TAlgoDemo::DestroyChildWindow();
}

std::unique_ptr<TData> TExp::GetInitialParam() {
  const QString blank = QStringLiteral(" ");
  return std::unique_ptr<TData>(NewFrame(StrVar("w", blank), StrVar("a", blank), StrVar("b", blank), StrVar("theta", blank)));
}

bool TExp::CreateData() {
  form_->ResetForm();
  return true;
}

void TExp::SetWindowRect() {
  MainForm->DockThreePanes(form_.get(), 58, AlgorithmForm, 60, VariableForm);
  form_->RunDog();
  form_->ShowHelp();
}

void TExp::Reset() {
  TAlgoDemo::Reset();
  form_->PrepareRerun();
}

void TExp::SetVar(const char* name, const QString& value) {
  Var<TStringData>(name).SetValue(value);
}

// ---------------------------------------------------------------- Exp

// INISTACK(OPTR); PUSH(OPTR,'#');
void TExp::Exp_Begin() {
  if (form_->BitBtn2->isEnabled() && !form_->PrepareExpression()) return;
  form_->ShowOPTRTop();
}

// INISTACK(OPND); read(w);
void TExp::Exp_GetOneChar() {
  form_->ReadChar();
  const ExpEvaluator& e = form_->Evaluator();
  SetVar("w", e.Name().isEmpty() ? e.Token() : e.Name());
}

// WHILE NOT((w='#') AND (GETTOP(OPTR)='#')) DO
bool TExp::Exp_F_Rotate() { return form_->Evaluator().Rotate(); }

// IF NOT(w IN op) THEN
bool TExp::Exp_F_WIsOPND() { return form_->Evaluator().IsOperand(); }

// BEGIN PUSH(OPND,w); read(w) END
void TExp::Exp_PushOPND() {
  form_->PushOperand();
  form_->ReadChar();
  SetVar("w", form_->Evaluator().Token());
}

// CASE PRECEDE(GETTOP(OPTR),w) OF: '>' goes to Popb
bool TExp::Exp_F_Priority() { return form_->Evaluator().Relation() != QLatin1Char('>'); }

// '<': otherwise '=' at E
bool TExp::Exp_F_Priority1() { return form_->Evaluator().Relation() == QLatin1Char('<'); }

// BEGIN PUSH(OPTR,w); read(w) END;
void TExp::Exp_L() {
  form_->PushOperator();
  form_->ReadChar();
  SetVar("w", form_->Evaluator().Token());
}

// '=': BEGIN x:=POP(OPTR); read(w) END;
void TExp::Exp_E() {
  form_->PopMatching();
  form_->ReadChar();
  SetVar("w", form_->Evaluator().Token());
}

// b:=POP(OPND);
void TExp::Exp_Popb() {
  form_->PopB();
  SetVar("b", form_->Evaluator().B());
}

// a:=POP(OPND);
void TExp::Exp_PopOPND() {
  form_->PopA();
  SetVar("a", form_->Evaluator().A());
}

// theta:=POP(OPTR);
void TExp::Exp_G() {
  form_->PopTheta();
  SetVar("theta", form_->Evaluator().Theta());
}

// PUSH(OPND,OPERATE(a,theta,b)): a failed operation ends the run
bool TExp::Exp_F_PushOPND2() { return form_->PushResult(); }

// RETURN(GETTOP(OPND))
void TExp::Exp_ReturnResult() { form_->ReturnResult(); }
