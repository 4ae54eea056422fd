#include "demos/trees/ExpTree.h"

#include "demos/trees/CallPath.h"
#include "demos/trees/ExpTreeF.h"
#include "demos/trees/ExpTreeModel.h"
#include "demos/trees/TreeBase.h"
#include "framework/drawkit/BesidePlace.h"
#include "framework/engine/BasicData.h"
#include "framework/engine/CallFrame.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"
#include "platform/ModalHost.h"

void TExpTree::DestroyChildWindow() {
  graphForm_.reset();
  TAlgoDemo::DestroyChildWindow();
}

// The expression is typed in the drawing window; the data button prepares it again.
bool TExpTree::CreateData() {
  graphForm_->PrepareAgain();
  return true;
}

std::unique_ptr<TData> TExpTree::GetInitialParam() {
  const QString blank = QStringLiteral(" ");
  return std::unique_ptr<TData>(NewFrame(StrVar("ch", blank), StrVar("rt", blank)));
}

void TExpTree::SetWindowRect() {
  MainForm->DockThreePanes(graphForm_.get(), 58, VariableForm, 58, AlgorithmForm);
  graphForm_->RunDog();
}

void TExpTree::Reset() {
  TAlgoDemo::Reset();
  CurNode = SavedNode = nullptr;
  results_.clear();
  graphForm_->PrepareAgain();
}

void TExpTree::SetStr(const char* name, const QString& value) { Var<TStringData>(name).SetValue(value); }

// ---------------------------------------------------------------- building

// InitStack(OPTR); Push(OPTR,'#')
void TExpTree::ExpTree_Pushchend() { graphForm_->ShowOperators(); }

// ch:=exp[i]
void TExpTree::ExpTree_GetOneChar() {
  ch_ = graphForm_->GetOneChar();
  SetStr("ch", QString(ch_));
}

bool TExpTree::ExpTree_F_ChInOpset() { return graphForm_->IsOperand(); }

// CrtNode(t,ch); Push(PTR,t)
void TExpTree::ExpTree_CrtNodePushp() { graphForm_->CrtNodePush(ch_); }

bool TExpTree::ExpTree_F_NotOther() { return ch_ == u'(' || ch_ == u')'; }
bool TExpTree::ExpTree_F_IsLeft() { return ch_ == u'('; }
void TExpTree::ExpTree_Left() { graphForm_->PushOperator(ch_); }
bool TExpTree::ExpTree_F_Rotate() { return graphForm_->TopOperator() != u'('; }
void TExpTree::ExpTree_CrtSubPushp() { graphForm_->CrtSubtree(); }
void TExpTree::ExpTree_Pop() { graphForm_->PopOperator(); }

bool TExpTree::ExpTree_F_Rotate2() {
  return !graphForm_->OperatorsEmpty() && ExpTreeOpPrecede(graphForm_->TopOperator(), ch_) == '>';
}

void TExpTree::ExpTree_CrtSubPushp2() { graphForm_->CrtSubtree(); }
bool TExpTree::ExpTree_F_NotEqu() { return ch_ != u'#'; }
void TExpTree::ExpTree_Pushch() { graphForm_->PushOperator(ch_); }
void TExpTree::ExpTree_Pop2() { graphForm_->PopOperator(); }
bool TExpTree::ExpTree_F_UntilSE() { return graphForm_->OperatorsEmpty(); }

// rt:=Pop(PTR)
void TExpTree::ExpTree_GetTopPop() { SetStr("rt", QString(graphForm_->GetTopPop())); }

// ---------------------------------------------------------------- evaluation

bool TExpTree::ExpTree_F_Needed() {
  TCalNeededF question;
  if (question.ShowModal() != mrYes) return false;
  TTreeValueInputDlg dlg;
  // Beside the drawing: the final tree whose letters get their digits stays in view.
  PlaceBeside(dlg, *graphForm_);
  dlg.Tree->Assign(*graphForm_->LastBinCharTree);
  dlg.Tree->NumberNodes();
  dlg.Tree->Arrange();
  if (dlg.ShowModal() != mrOk) return false;
  results_.clear();
  dlg.Tree->RemoveBlankNodes();
  graphForm_->StartEvaluation(*dlg.Tree);
  CurNode = graphForm_->LastBinCharTree->Root();
  SavedNode = nullptr;
  HoldLit(*graphForm_->LastBinCharTree, [this] { return LitNode(); });
  // The edit shows the result on the stack's top: the last value returned or computed.
  graphForm_->ResultStands = {{.Value = [this] {
    return std::optional<QString>(results_.empty() ? QString() : QString::number(results_.back()));
  }}};
  return true;
}

std::optional<const TTreeNodeBase*> TExpTree::LitNode() const {
  if (!CurLine()) return std::nullopt;
  const TCallPath path{.Demo = *this, .Root = graphForm_->LastBinCharTree->Root(), .LeftLabel = QStringLiteral("LChild"),
                       .RightLabel = QStringLiteral("Rchild")};
  const int depth = path.Innermost();
  const QString at = CurLine()->Label();
  // Back in ExpTree: the root stays lit once evaluated.
  if (depth == 0) return at == QLatin1String("End") && !results_.empty() ? path.Root : nullptr;
  // A child's call lights its node as it is made; the root's call lights the root with its value,
  // or when its left child's call returns.
  if (depth > 1) return path.Node(depth);
  const bool in = at == QLatin1String("Rchild") || at == QLatin1String("Calcu") || at == QLatin1String("End");
  return in ? path.Root : nullptr;
}

TData* TExpTree::BtRecord() const {
  const char v = CurNode ? CurNode->Value() : ' ';
  return NewFrame(CharVar("bt", v));
}

TData* TExpTree::ExpTree_C_Calculate() { return BtRecord(); }

bool TExpTree::CalExpTree_F_Begin() { return CurNode != nullptr; }

bool TExpTree::CalExpTree_F_IsOPND() {
  const char v = CurNode->Value();
  return v >= '0' && v <= '9';
}

// RETURN the digit's value
void TExpTree::CalExpTree_RetValue() {
  CurNode->SetHighlighted(true);
  results_.push_back(CurNode->Value() - '0');
  graphForm_->ShowResult(results_.back());
}

TData* TExpTree::CallChild(bool left) {
  CurNode->SetHighlighted(false);
  SavedNode = CurNode;
  CurNode = left ? CurNode->Left() : CurNode->Right();
  if (CurNode) CurNode->SetHighlighted(true);
  return BtRecord();
}

void TExpTree::ReturnFromChild() {
  if (CurNode) CurNode->SetHighlighted(false);
  CurNode = SavedNode;
  if (CurNode) CurNode->SetHighlighted(true);
  SavedNode = CurNode ? CurNode->Parent() : nullptr;
}

TData* TExpTree::CalExpTree_C_LChild() { return CallChild(true); }
void TExpTree::CalExpTree_AfterLChild() { ReturnFromChild(); }
TData* TExpTree::CalExpTree_C_RChild() { return CallChild(false); }
void TExpTree::CalExpTree_AfterRChild() { ReturnFromChild(); }

// Operate(a, theta, b)
void TExpTree::CalExpTree_Calcu() {
  const QChar op = QChar::fromLatin1(CurNode->Value());
  if (ExpTreeCalcu(results_, op)) {
    graphForm_->ShowResult(results_.back());
  } else if (op == u'/' && results_.size() >= 2 && results_.back() == 0) {
    modal::MessageDlg(QStringLiteral("抱歉,这台计算机还不会作除零运算!"), modal::Icon::Warning, modal::Buttons::Ok);
  }
}
