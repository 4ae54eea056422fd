#include "demos/linear/DepthLists.h"

#include "demos/linear/CopyLists.h"
#include "demos/linear/ListsForms.h"
#include "demos/linear/ListsKit.h"
#include "framework/drawkit/BesidePlace.h"
#include "framework/drawkit/CoolMsg.h"
#include "framework/drawkit/StackBox.h"
#include "framework/shell/MainForm.h"

TDLStkData::TDLStkData(int addr, const TListsNode* ls, int dep, const TListsNode* pp, int max)
    : Addr(addr), ls(ls), dep(dep), pp(pp), max(max) {}

QString TDLStkData::GetText() const {
  // Under "Addr  ls  dep  pp  max": Addr and the nodes from their headings' first letters, the
  // numbers flush with their headings' last letters.
  return QStringLiteral("%1%2%3  %4%5")
      .arg(Addr, -6)
      .arg(ListsStackField(ls), -4)
      .arg(dep, 3)
      .arg(ListsStackField(pp), -4)
      .arg(max, 3);
}

TDepthLists::TDepthLists(const QStringList& source) : TFormDemo(source) {}
TDepthLists::~TDepthLists() = default;

void TDepthLists::CreateChildWindow() {
  TFormDemo::CreateChildWindow();
  graphForm_->SetCaption(QStringLiteral("求广义表深度"));
  stackForm_ = MakeStackWindow({.caption = QStringLiteral("堆栈"), .cols = 2, .rows = 6,
                                .title = QStringLiteral("Addr  ls  dep  pp  max        "), .columns = true});
  msgDlg_ = std::make_unique<TCoolMsgDlg>();
  msgDlg_->SetCaption(QStringLiteral("求广义表深度"));
}

// Only lists the view draws whole: a cut one would be measured wrong.
bool TDepthLists::CreateData() { return AskForList(S, 7, 6, QStringLiteral("n")); }

std::unique_ptr<TData> TDepthLists::GetInitialParam() {
  auto record = std::make_unique<TData>(QString());
  record->Add(IntVar("dep", 0));
  return record;
}

void TDepthLists::SetWindowRect() {
  MainForm->DockThreePanes(graphForm_.get(), 61, stackForm_.get(), 60, VariableForm);
}

void TDepthLists::Reset() {
  TAlgoDemo::Reset();
  TLists& view = *graphForm_->theLists;
  view.IdLetter = QLatin1Char('n');
  view.SetPointerName(1, QStringLiteral(" ls "));
  view.SetPointerName(2, QStringLiteral(" pp"));
  // ls and pp are the innermost call's.
  view.SetPointerNode(1, [this] { return levels_.empty() ? nullptr : levels_.back().ls; });
  view.SetPointerNode(2, [this] { return levels_.empty() ? nullptr : levels_.back().pp; });
  view.MakeRoomFor(S, 7, 6);
  view.Build(S);
  view.Source = [this] { return std::optional<QString>(S); };
  view.DetachPointers();
  stackForm_->Stack->Clear();
  levels_.clear();
  dep_ = 0;
}

void TDepthLists::ShowMarks() {
  const Level* level = levels_.empty() ? nullptr : &levels_.back();
  graphForm_->theLists->AttachPointer(1, level ? level->ls : nullptr);
  graphForm_->theLists->AttachPointer(2, level ? level->pp : nullptr);
}

void TDepthLists::UpdateTopRow() {
  TStackBox& stack = *stackForm_->Stack;
  if (stack.Count() == 0) return;
  const int addr = static_cast<TDLStkData*>(stack.Top())->Addr;
  const int max = Locals()->FindByName(QStringLiteral("max")) ? Var("max").Value() : 0;
  stack.UpdateRow(stack.Count() - 1,
                  std::make_unique<TDLStkData>(addr, Current().ls, dep_, Current().pp, max));
}

void TDepthLists::SetDep(int value) {
  dep_ = value;
  Var("dep").SetValue(value);
  UpdateTopRow();
}

TData* TDepthLists::Enter(int addr, TListsNode* ls) {
  levels_.push_back(Level{ls, nullptr});
  ShowMarks();
  TStackBox& stack = *stackForm_->Stack;
  stack.Push(std::make_unique<TDLStkData>(addr, ls, dep_, nullptr, 0));
  // Row k is the call of Depth at level k + 1: where it returns to, its ls and pp, and the dep
  // and max of its record.
  const int k = stack.Count() - 1;
  stack.Row(k)->Stands = {{.Value = [this, k]() -> std::optional<QString> {
    const TData* record = LocalsAt(k + 1);
    const auto* dep = dynamic_cast<const TIntData*>(record ? record->FindByName(QStringLiteral("dep")) : nullptr);
    const auto* max = dynamic_cast<const TIntData*>(record ? record->FindByName(QStringLiteral("max")) : nullptr);
    if (k >= static_cast<int>(levels_.size()) || !dep || !max) return std::nullopt;
    const Level& level = levels_[static_cast<std::size_t>(k)];
    return TDLStkData(k == 0 ? 0 : 8, level.ls, dep->Value(), level.pp, max->Value()).GetText();
  }}};
  return NewFrame(IntVar("dep", dep_), IntVar("max", 0));
}

// Depth(ls, dep)
TData* TDepthLists::Main_C_Begin() {
  levels_.clear();
  dep_ = 0;
  return Enter(0, graphForm_->theLists->Root());
}

void TDepthLists::Main_AfterBegin() {
  levels_.clear();
  ShowMarks();
  Var("dep").SetValue(dep_);
  MoveClearOf(*msgDlg_, {graphForm_.get(), stackForm_.get()});
  msgDlg_->Execute(QStringLiteral("此广义表深度为") + QString::number(dep_) + QStringLiteral("。"));
  (void)stackForm_->Stack->Pop();
}

// 1  IF ls = NIL
bool TDepthLists::Depth_F_Begin() {
  const bool empty = Current().ls == nullptr;
  if (empty) dep_ = 1;  // the C text returns on the next line without a step
  return empty;
}

// 2    THEN dep := 1
void TDepthLists::Depth_NullLists() { SetDep(1); }

// 3  ELSE IF ls^.tag = 0
bool TDepthLists::Depth_F_IsLeaf() {
  const bool atom = Current().ls->Tag == 0;
  if (atom) dep_ = 0;
  return atom;
}

// 4    THEN dep := 0
void TDepthLists::Depth_LeafNode() { SetDep(0); }

// 5  max := 0; pp := ls
void TDepthLists::Depth_InitCount() {
  Var("max").SetValue(0);
  Current().pp = Current().ls;
  UpdateTopRow();
  ShowMarks();
}

// 6  WHILE pp <> NIL DO
bool TDepthLists::Depth_F_IsNullTp() {
  const bool more = Current().pp != nullptr;
  if (!more) dep_ = Var("max").Value() + 1;
  return more;
}

// 7    Depth(pp^.hp, dep)
TData* TDepthLists::Depth_C_CallDepth() { return Enter(8, Current().pp->ShownHp); }

void TDepthLists::Depth_AfterCallDepth() {
  TStackBox& stack = *stackForm_->Stack;
  levels_.pop_back();
  ShowMarks();
  (void)stack.Pop();
  Var("dep").SetValue(dep_);
  UpdateTopRow();
}

// 8    IF dep > max
bool TDepthLists::Depth_F_IsDeeper() { return dep_ > Var("max").Value(); }

// 9    THEN max := dep
void TDepthLists::Depth_NewMax() {
  Var("max").SetValue(dep_);
  UpdateTopRow();
}

// 10   pp := pp^.tp
void TDepthLists::Depth_NextTp() {
  Current().pp = Current().pp->ShownTp;
  ShowMarks();
  UpdateTopRow();
}

// 11 dep := max + 1
void TDepthLists::Depth_CountDepth() { SetDep(Var("max").Value() + 1); }
