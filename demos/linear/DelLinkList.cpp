#include "demos/linear/DelLinkList.h"

#include "demos/linear/LinkKit.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/engine/DemoViews.h"
#include "platform/ModalHost.h"

TDelLinkList::TDelLinkList(const QStringList& source)
    : TLinkBase(source, QStringLiteral("删除结点"), 50) {}

void TDelLinkList::AfterConstruction() {
  // The row is the list's records as they were made, in list order: the one q unlinks stays
  // in its place until it is disposed of.
  ListStandsFor([this] {
    std::vector<const TLinkNode*> out;
    const TData* locals = Locals();
    for (int k = 0; locals && k < locals->Count(); ++k)
      if (const auto* r = dynamic_cast<const TLinkNode*>(locals->Items(k))) out.push_back(r);
    return out;
  }, {}, true);
}
TDelLinkList::~TDelLinkList() = default;

bool TDelLinkList::CreateData() {
  (void)TLinkBase::CreateData();  // a cancelled list text keeps the old one
  QueryInteger(QStringLiteral("链表"), QStringLiteral("删除结点位置"), DelLinkPosition);
  return true;
}

std::unique_ptr<TData> TDelLinkList::GetInitialParam() { return ListParams(1); }

void TDelLinkList::ResetLocalData(const QString&) {
  AddWalkLocals("q", DelLinkPosition);
}

void TDelLinkList::Reset() {
  TLinkBase::Reset();
  // p is drawn on the node it points at, the head included.
  graphForm_->p->Means = {.Node = [this] { return DrawnNodeOf("p"); }};
  DrawList(*graphForm_, 3);
}

TLinkNode* TDelLinkList::P() const { return static_cast<TLinkNode*>(Var<TPtrData>("p")->Target()); }

// p := la; j := 0
void TDelLinkList::DelLinkList_Begin() {
  Var<TPtrData>("p")->SetTarget(Var<TPtrData>("la")->Target());
  // p stands on the head beside la; deleting the first element goes through it there.
  graphForm_->Link->AttachMark(graphForm_->p, 1);
  graphForm_->Link->AttachMark(graphForm_->la, 1);
}

// WHILE (p^.next <> NIL) AND (j < i-1) DO
bool TDelLinkList::DelLinkList_F_NextWhile() {
  return P()->GetNext() != nullptr && Var("j").Value() + 1 < Var("i").Value();  // j < i - 1, for any i
}

// p := p^.next; j := j + 1
void TDelLinkList::DelLinkList_Next() {
  const int j = Var("j").Value() + 1;
  Var("j").SetValue(j);
  WalkOn(*graphForm_, j);
  Var<TPtrData>("p")->SetTarget(P()->GetNext());
}

// IF (p^.next = NIL) OR (j > i-1) THEN
bool TDelLinkList::DelLinkList_F_AfterWhile() {
  return P()->GetNext() == nullptr || Var("j").Value() + 1 > Var("i").Value();  // j > i - 1, for any i
}

// error('删除位置不合理')
void TDelLinkList::DelLinkList_Error() { modal::ShowMessage(QStringLiteral("删除位置不合理")); }

// q := p^.next
void TDelLinkList::DelLinkList_DelItem1() {
  TLink& link = *graphForm_->Link;
  const int j = Var("j").Value();
  if (link.Node(j + 1)->Next()) link.SetNodeColors(j + 2, clYellow, clBlue);
  Var<TPtrData>("q")->SetTarget(P()->GetNext());
}

// p^.next := p^.next^.next
void TDelLinkList::DelLinkList_DelItem2() {
  TLink& link = *graphForm_->Link;
  const int j = Var("j").Value();
  TListNode* node = link.Node(j + 1);
  TListNode* gone = link.Node(j + 2);
  const int mode = node->Entry().y() == gone->Entry().y() ? 1 : 3;
  link.RemoveLink(node->PointerCentre(), gone->Entry(), 5, mode);
  if (TListNode* after = gone->Next()) {
    link.DrawLink(node->PointerCentre(), after->Entry(), 5, true, clFuchsia, clBtnShadow, 5);
  } else {
    node->SetNext(nullptr);
  }
  P()->SetNext(P()->GetNext()->GetNext());
}

// dispose(q)
void TDelLinkList::DelLinkList_Dispose() {
  const int j = Var("j").Value();
  TLink& link = *graphForm_->Link;
  link.DeleteItem(j + 1);
  // The nodes close up in their plain colours; p still stands on its node.
  if (j >= 1) link.SetNodeColors(j + 1, clRed, clGreen);
  TData* q = Var<TPtrData>("q")->Target();
  Var<TPtrData>("q")->SetTarget(nullptr);
  if (q) {
    (void)Locals()->Delete(Locals()->IndexOf(q));
    views::Variables().ReloadVariables();  // its row is gone with it
  }
  graphForm_->Repaint();
}
