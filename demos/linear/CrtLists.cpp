#include "demos/linear/CrtLists.h"

#include "demos/linear/ListsForms.h"
#include "demos/linear/ListsKit.h"
#include "framework/shell/MainForm.h"

namespace {
// Pointer marks of the view.
constexpr int MarkP = 1, MarkLs = 2, MarkQ = 3;
}  // namespace

void TCrtLists::CreateChildWindow() {
  TFormDemo::CreateChildWindow();
  graphForm_->SetCaption(QStringLiteral("创建广义表"));
}

bool TCrtLists::CreateData() { return AskForList(S, 8, 6, QStringLiteral("n")); }

std::unique_ptr<TData> TCrtLists::GetInitialParam() {
  auto record = std::make_unique<TData>(QString());
  record->Add(StrVar("S", S));
  return record;
}

void TCrtLists::SetWindowRect() {
  MainForm->DockThreePanes(graphForm_.get(), 63, AlgorithmForm, 60, VariableForm);
}

void TCrtLists::Reset() {
  TAlgoDemo::Reset();
  TLists& view = *graphForm_->theLists;
  view.IdLetter = QLatin1Char('n');
  view.MakeRoomFor(S, 8, 6);
  view.SetPointerName(MarkP, QStringLiteral(" p "));
  view.SetPointerName(MarkLs, QStringLiteral(" ls "));
  view.SetPointerName(MarkQ, QStringLiteral(" q "));
  // ls and p are the innermost call's: its own nodes, whatever the calls it made have built
  // below them.
  view.SetPointerNode(MarkP, [this] { return levels_.empty() ? nullptr : levels_.back().p; });
  view.SetPointerNode(MarkLs, [this] { return levels_.empty() ? nullptr : levels_.back().ls; });
  view.Build(QStringLiteral("()"));
  // The tree is being made of S; an atom has its letter once ls^.data := S has set it. The
  // text along the bottom is the current call's sub.
  view.RoomForListText = QStringLiteral("sub = ") + S.mid(1, S.size() - 2);  // the first sub is the longest
  view.Source = [this] { return std::optional<QString>(S); };
  view.LetterSet = [this](const TListsNode* atom) { return lettered_.contains(atom); };
  view.ListTextStands = [this]() -> std::optional<QString> {
    const auto* sub = dynamic_cast<const TStringData*>(Locals() ? Locals()->FindByName(QStringLiteral("sub")) : nullptr);
    return sub ? std::optional<QString>(QStringLiteral("sub = ") + sub->Value()) : std::nullopt;
  };
  lettered_.clear();
  view.SetOffset(1, 0.4);
  view.SetOffset(2, 0.4);
  view.SetListText(QString());
  levels_.clear();
  q_ = nullptr;
  columnCounter_ = 0;
  nodeCounter_ = 1;
}

TListsNode* TCrtLists::LinkIn(std::unique_ptr<TListsNode> node) {
  TListsNode* added = node.get();
  TLists& view = *graphForm_->theLists;
  if (levels_.size() < 2) {
    view.SetRoot(std::move(node));
  } else {
    TListsNode* above = levels_[levels_.size() - 2].p;
    above->SetHp(std::move(node));
    above->HpVisible = true;
  }
  view.Invalidate();
  return added;
}

void TCrtLists::ShowSub(const QString& sub) { graphForm_->theLists->SetListText(QStringLiteral("sub = ") + sub); }

// ---------------------------------------------------------------- Main

// CrtLists(ls, S)
TData* TCrtLists::Main_C_Begin() {
  levels_.assign(1, Level{});
  return NewFrame(StrVar("S", S), StrVar("hsub", QString()), StrVar("sub", QString()));
}

// The run is over: no call's ls, p or q is left to point anywhere.
void TCrtLists::Main_AfterBegin() {
  levels_.clear();
  graphForm_->theLists->DetachPointers();
}

// ---------------------------------------------------------------- CrtLists

// IF S = '()' THEN ls := NIL
bool TCrtLists::CrtLists_F_Begin() {
  Var<TStringData>("hsub").SetValue(QString());
  Var<TStringData>("sub").SetValue(QString());
  TLists& view = *graphForm_->theLists;
  view.SetListText(QStringLiteral("sub = "));
  view.DetachPointers();
  if (Var<TStringData>("S").Value() != QLatin1String("()")) return true;
  Current().ls = nullptr;
  if (levels_.size() >= 2) {
    TListsNode* above = levels_[levels_.size() - 2].p;
    above->SetHp(nullptr);
    above->HpVisible = true;
  } else {
    view.SetRoot(nullptr);
  }
  view.Invalidate();
  return false;
}

// ELSE IF length(S) = 1 THEN
bool TCrtLists::CrtLists_F_IsSAChar() { return Var<TStringData>("S").Value().size() == 1; }

// new(ls); ls^.tag := 0
void TCrtLists::CrtLists_NewDataNode() {
  Level& level = Current();
  level.ls = LinkIn(TListsNode::Make(0, QLatin1Char(' '), nodeCounter_, level.row, columnCounter_));
  graphForm_->theLists->AttachPointer(MarkLs, level.ls);
}

// ls^.data := S
void TCrtLists::CrtLists_SetData() {
  Current().ls->Letter = Var<TStringData>("S").Value().at(0);
  lettered_.insert(Current().ls);
  graphForm_->theLists->Invalidate();
}

// new(ls); ls^.tag := 1
void TCrtLists::CrtLists_NewListsNode() {
  Level& level = Current();
  auto node = TListsNode::Make(1, QLatin1Char('n'), nodeCounter_, level.row, columnCounter_);
  node->HpVisible = node->TpVisible = false;
  level.ls = LinkIn(std::move(node));
  graphForm_->theLists->AttachPointer(MarkLs, level.ls);
  ++nodeCounter_;
}

// p := ls
void TCrtLists::CrtLists_SetP() {
  Current().p = Current().ls;
  graphForm_->theLists->AttachPointer(MarkP, Current().p);
}

// sub := copy(S, 2, length(S) - 2)
void TCrtLists::CrtLists_SetSub() {
  const QString s = Var<TStringData>("S").Value();
  const QString sub = s.mid(1, s.size() - 2);
  Var<TStringData>("sub").SetValue(sub);
  ShowSub(sub);
}

// sever(sub, hsub)
TData* TCrtLists::CrtLists_C_CallSever() {
  return NewFrame(StrVar("hsub", Var<TStringData>("hsub").Value()),
                  StrVar("sub", Var<TStringData>("sub").Value()), IntVar("k", 0));
}

void TCrtLists::CrtLists_AfterCallSever() {
  Var<TStringData>("hsub").SetValue(severHsub_);
  Var<TStringData>("sub").SetValue(severSub_);
}

// q := p; CrtLists(p^.hp, hsub)
TData* TCrtLists::CrtLists_C_CreateHp() {
  const int row = Current().row + 1;
  levels_.push_back(Level{nullptr, nullptr, row});
  // The new call's ls, p and q are not assigned yet: no mark stays on the caller's nodes; its
  // sub is empty.
  graphForm_->theLists->DetachPointers();
  graphForm_->theLists->SetListText(QStringLiteral("sub = "));
  return NewFrame(StrVar("S", Var<TStringData>("hsub").Value()), StrVar("hsub", QString()),
                  StrVar("sub", QString()));
}

void TCrtLists::CrtLists_AfterCreateHp() {
  levels_.pop_back();
  ShowSub(Var<TStringData>("sub").Value());
  q_ = Current().p;
  // Back in the caller, whose ls is its own node, not the one the returned call made.
  TLists& view = *graphForm_->theLists;
  view.AttachPointer(MarkLs, Current().ls);
  view.AttachPointer(MarkQ, q_);
  view.AttachPointer(MarkP, Current().p);
}

// IF sub <> '' THEN
bool TCrtLists::CrtLists_F_IsSubNotNULL() { return !Var<TStringData>("sub").Value().isEmpty(); }

// new(p); p^.tag := 1
void TCrtLists::CrtLists_NewTp() {
  ++columnCounter_;
  Level& level = Current();
  auto node = TListsNode::Make(1, QLatin1Char('n'), nodeCounter_, level.row, columnCounter_);
  node->HpVisible = node->TpVisible = false;
  level.p = node.get();
  q_->SetTp(std::move(node));
  q_->TpVisible = false;
  graphForm_->theLists->AttachPointer(MarkP, level.p);
  graphForm_->theLists->Invalidate();
  ++nodeCounter_;
}

// q^.tp := p
void TCrtLists::CrtLists_LinkTp() {
  q_->TpVisible = true;
  graphForm_->theLists->Invalidate();
}

// UNTIL sub = ''
bool TCrtLists::CrtLists_F_IsSubNULL() { return Var<TStringData>("sub").Value().isEmpty(); }

// q^.tp := NIL
void TCrtLists::CrtLists_SetTpNil() {
  q_->SetTp(nullptr);
  q_->TpVisible = true;
  graphForm_->theLists->Invalidate();
}

// ---------------------------------------------------------------- Sever

// n := length(sub); i := 1; k := 0
void TCrtLists::Sever_Begin() {
  n_ = static_cast<int>(Var<TStringData>("sub").Value().size());
  i_ = 1;
  Var("k").SetValue(0);
  severHsub_ = Var<TStringData>("hsub").Value();
  severSub_ = Var<TStringData>("sub").Value();
  graphForm_->theLists->SetMark(7);
}

// ch := sub[i]
void TCrtLists::Sever_SetCh() { ch_ = Var<TStringData>("sub").Value().at(i_ - 1); }

// CASE ch OF
void TCrtLists::Sever_CaseCh() {}

// '(': k := k + 1
bool TCrtLists::Sever_F_IncK() {
  if (ch_ != '(') return true;
  Var("k").SetValue(Var("k").Value() + 1);
  return false;
}

// ')': k := k - 1
void TCrtLists::Sever_DecK() {
  if (ch_ == ')') Var("k").SetValue(Var("k").Value() - 1);
}

// END (of the case)
void TCrtLists::Sever_EndCase() {}

// i := i + 1
void TCrtLists::Sever_IncI() {
  ++i_;
  graphForm_->theLists->SetMark(i_ + 6);
}

// UNTIL (i > n) OR (ch = ',') AND (k = 0)
bool TCrtLists::Sever_F_IsStrEnd() { return i_ > n_ || (ch_ == ',' && Var("k").Value() == 0); }

// IF i <= n THEN
bool TCrtLists::Sever_F_IsILEA() { return i_ <= n_; }

// hsub := copy(sub, 1, i - 2)
void TCrtLists::Sever_SetHsub() {
  severHsub_ = Var<TStringData>("sub").Value().left(i_ - 2);
  Var<TStringData>("hsub").SetValue(severHsub_);
}

// sub := copy(sub, i, n - i + 1)
void TCrtLists::Sever_SetSub() {
  severSub_ = Var<TStringData>("sub").Value().mid(i_ - 1);
  Var<TStringData>("sub").SetValue(severSub_);
  ShowSub(severSub_);
}

// hsub := sub; sub := ''
void TCrtLists::Sever_HsubIsSub() {
  severHsub_ = Var<TStringData>("sub").Value();
  severSub_.clear();
  Var<TStringData>("hsub").SetValue(severHsub_);
  Var<TStringData>("sub").SetValue(QString());
  ShowSub(QString());
}
