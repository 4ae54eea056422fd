#include "demos/linear/CopyLists.h"

#include "demos/linear/ListsForms.h"
#include "demos/linear/ListsKit.h"
#include "framework/drawkit/StackBox.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"

QString ListsStackField(const TListsNode* node) {
  if (!node && UseCLanguage) return QStringLiteral("NULL");
  return TLists::NodeText(node).trimmed();
}

TCLStkData::TCLStkData(int addr, const TListsNode* ls, const TListsNode* nls)
    : Addr(addr), ls(ls), nls(nls) {}

QString TCLStkData::GetText() const {
  // Under "Addr  ls  nls": Addr from the heading's first letter, the nodes flush with their
  // headings' last letters.
  return QStringLiteral("%1%2%3").arg(Addr, -4).arg(ListsStackField(ls), 4).arg(ListsStackField(nls), 5);
}

TCopyLists::TCopyLists(const QStringList& source) : TFormDemo(source) {}
TCopyLists::~TCopyLists() = default;

void TCopyLists::CreateChildWindow() {
  TFormDemo::CreateChildWindow();
  graphForm_->SetCaption(QStringLiteral("复制广义表"));
  stackForm_ = MakeStackWindow({.caption = QStringLiteral("堆栈"), .cols = 2, .rows = 5,
                                .title = QStringLiteral("Addr  ls  nls        "), .columns = true});
}

bool TCopyLists::CreateData() { return AskForList(S, 4, 5, QStringLiteral("nm")); }

void TCopyLists::SetWindowRect() {
  MainForm->DockThreePanes(graphForm_.get(), 57, stackForm_.get(), 60, VariableForm);
}

void TCopyLists::Reset() {
  TAlgoDemo::Reset();
  TLists& from = *graphForm_->Lists1;
  TLists& to = *graphForm_->Lists2;
  from.IdLetter = QLatin1Char('n');
  from.SetPointerName(1, QStringLiteral(" ls"));
  // Every list the dialog offers is drawn whole: the grid grows beyond its four rows and
  // five columns for a deeper or longer one.
  from.MakeRoomFor(S, 4, 5);
  from.Build(S);
  from.DetachPointers();
  to.Build(QStringLiteral("()"));
  to.SetPointerName(1, QStringLiteral("nls"));
  // ls and nls are the innermost call's.
  from.SetPointerNode(1, [this] { return levels_.empty() ? nullptr : levels_.back().ls; });
  to.SetPointerNode(1, [this] { return levels_.empty() ? nullptr : levels_.back().nls; });
  to.SetRow(from.Row());
  to.SetColumn(from.Column());
  to.SetOffset(1, from.RowOffset());
  to.SetOffset(2, from.ColumnOffset());
  to.IdLetter = QLatin1Char('m');
  // The source is the list chosen; the copy stands for it node by node, each atom's letter
  // once it is copied.
  from.Source = to.Source = [this] { return std::optional<QString>(S); };
  to.LetterSet = [this](const TListsNode* atom) { return copied_.contains(atom); };
  stackForm_->Stack->Clear();
  levels_.clear();
  copied_.clear();
}

void TCopyLists::ShowMarks() {
  const Level* level = levels_.empty() ? nullptr : &levels_.back();
  graphForm_->Lists1->AttachPointer(1, level ? level->ls : nullptr);
  graphForm_->Lists2->AttachPointer(1, level ? level->nls : nullptr);
}

void TCopyLists::UpdateTopRow() {
  TStackBox& stack = *stackForm_->Stack;
  const int addr = static_cast<TCLStkData*>(stack.Top())->Addr;
  stack.UpdateRow(stack.Count() - 1, std::make_unique<TCLStkData>(addr, Current().ls, Current().nls));
}

TData* TCopyLists::Enter(int addr, TListsNode* ls, Hang hang) {
  levels_.push_back(Level{ls, nullptr, hang});
  ShowMarks();
  TStackBox& stack = *stackForm_->Stack;
  stack.Push(std::make_unique<TCLStkData>(addr, ls, nullptr));
  // Row k is the call at level k + 1: where it returns to, its ls and its nls.
  const std::size_t k = static_cast<std::size_t>(stack.Count() - 1);
  stack.Row(stack.Count() - 1)->Stands = {{.Value = [this, k]() -> std::optional<QString> {
    if (k >= levels_.size()) return std::nullopt;
    const Level& level = levels_[k];
    const int returnTo = level.hang == AsRoot ? 0 : level.hang == AsHead ? 7 : 8;
    return TCLStkData(returnTo, level.ls, level.nls).GetText();
  }}};
  return NewFrame();
}

void TCopyLists::Leave() {
  levels_.pop_back();
  ShowMarks();
  (void)stackForm_->Stack->Pop();
}

// lscp(ls, nls)
TData* TCopyLists::Main_C_Begin() { return Enter(0, graphForm_->Lists1->Root(), AsRoot); }

void TCopyLists::Main_AfterBegin() {
  levels_.clear();
  ShowMarks();
  (void)stackForm_->Stack->Pop();
}

// 1  IF ls = NIL THEN
bool TCopyLists::lscp_F_Begin() { return Current().ls == nullptr; }

// 2    nls := NIL
void TCopyLists::lscp_CopyNIL() {
  TLists& to = *graphForm_->Lists2;
  if (Current().hang == AsRoot) {
    to.SetRoot(nullptr);
  } else {
    TListsNode* above = levels_[levels_.size() - 2].nls;
    if (Current().hang == AsHead) {
      above->ShownHp = nullptr;
      above->HpVisible = true;
    } else {
      above->ShownTp = nullptr;
      above->TpVisible = true;
    }
  }
  to.Invalidate();
}

// 3  new(nls); nls^.tag := ls^.tag
void TCopyLists::lscp_NewNode() {
  const TListsNode& ls = *Current().ls;
  auto node = TListsNode::Make(ls.Tag, ls.Tag == 1 ? QLatin1Char('m') : QLatin1Char(' '), ls.Number,
                               ls.Row, ls.Column);
  if (ls.Tag == 1) node->HpVisible = node->TpVisible = false;
  TListsNode* nls = node.get();
  TLists& to = *graphForm_->Lists2;
  if (Current().hang == AsRoot) {
    to.SetRoot(std::move(node));
  } else {
    TListsNode* above = levels_[levels_.size() - 2].nls;
    if (Current().hang == AsHead) {
      above->SetHp(std::move(node));
      above->HpVisible = true;
    } else {
      above->SetTp(std::move(node));
      above->TpVisible = true;
    }
  }
  Current().nls = nls;
  ShowMarks();
  to.Invalidate();
  UpdateTopRow();
}

// 4  IF ls^.tag = 0 THEN
bool TCopyLists::lscp_F_IsLeaf() { return Current().ls->Tag == 0; }

// 5    nls^.data := ls^.data
void TCopyLists::lscp_CopyData() {
  Current().nls->Letter = Current().ls->Letter;
  copied_.insert(Current().nls);
  graphForm_->Lists2->Invalidate();
  UpdateTopRow();
}

// 6    lscp(ls^.hp, nls^.hp)
TData* TCopyLists::lscp_C_CopyHp() { return Enter(7, Current().ls->ShownHp, AsHead); }
void TCopyLists::lscp_AfterCopyHp() { Leave(); }

// 7    lscp(ls^.tp, nls^.tp)
TData* TCopyLists::lscp_C_CopyTp() { return Enter(8, Current().ls->ShownTp, AsTail); }
void TCopyLists::lscp_AfterCopyTp() { Leave(); }
