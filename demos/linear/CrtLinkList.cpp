#include "demos/linear/CrtLinkList.h"

#include "demos/linear/LinkKit.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/engine/Globals.h"

TCrtLinkList::TCrtLinkList(const QStringList& source)
    : TLinkBase(source, QStringLiteral("创建链表"), 60) {}

void TCrtLinkList::AfterConstruction() {
  // The row is the list from the head on, but for p's node while it floats below the row.
  ListStandsFor([this] { return linkkit::Chain(head_, floating_ ? Target("p") : nullptr); },
                [this] { return Target("p"); }, false);
}
TCrtLinkList::~TCrtLinkList() = default;

std::unique_ptr<TData> TCrtLinkList::GetInitialParam() { return ListParams(UseCLanguage ? 0 : 1); }

void TCrtLinkList::ResetLocalData(const QString&) {
  Locals()->Add(new TPtrData(QStringLiteral("p")));
  Locals()->Add(new TIntData(QStringLiteral("i"), 0));
  graphForm_->Link->AttachMark(graphForm_->p, 0);
  head_ = nullptr;
  floating_ = false;
  records_.clear();
}

void TCrtLinkList::Reset() {
  TLinkBase::Reset();
  TLink& link = *graphForm_->Link;
  link.Clear();
  link.SetRatio(1.5);
  link.SetColumn(3);
}

QChar TCrtLinkList::Current() const { return LinkListText[LinkListText.size() - counter_]; }

// new(la); la^.next := NIL
void TCrtLinkList::CrtLinkList_Begin() {
  ClearGraph();
  TLink& link = *graphForm_->Link;
  link.InsertItem(0, QStringLiteral(" "));
  counter_ = 0;
  records_.clear();
  head_ = records_.emplace_back(std::make_unique<TLinkNode>(QStringLiteral("头结点"))).get();
  Var<TPtrData>("la")->SetTarget(head_);
  link.AttachMark(graphForm_->la, 1);
  link.SleepTime = 99 - RunSpeed;
}

// FOR i := n DOWNTO 1 DO
bool TCrtLinkList::CrtLinkList_F_Rotate() {
  const int n = Var("n").Value();
  Var("i").SetValue(UseCLanguage ? n - 1 : n);
  return graphForm_->Link->NodeCount() <= n;
}

// new(p); p^.data := a[i]
void TCrtLinkList::CrtLinkList_NewItem() {
  ++counter_;
  const QChar c = Current();
  TLink& link = *graphForm_->Link;
  link.InsertNodeAnimated(1, c);
  link.AttachMarkToFloating(graphForm_->p);
  floating_ = true;
  auto* node = records_
                   .emplace_back(std::make_unique<TLinkNode>(QStringLiteral("值为") + c +
                                                             QStringLiteral("的节点")))
                   .get();
  node->DataItem()->SetValue(c.toLatin1());
  Var<TPtrData>("p")->SetTarget(node);
}

// p^.next := la^.next
void TCrtLinkList::CrtLinkList_Insert1() {
  TLink& link = *graphForm_->Link;
  if (TListNode* first = link.Node(1)->Next()) {
    link.DrawLink(link.FloatingNode()->PointerCentre(), first->Entry(), 5, false, clFuchsia,
                  clBtnShadow, 2);
    link.SetFloatingNext(first);
  }
  auto* p = static_cast<TLinkNode*>(Var<TPtrData>("p")->Target());
  p->SetNext(head_->GetNext());
}

// la^.next := p
void TCrtLinkList::CrtLinkList_Insert2() {
  TLink& link = *graphForm_->Link;
  TListNode* head = link.Node(1);
  TListNode* floating = link.FloatingNode();
  if (TListNode* first = head->Next()) {
    link.RemoveLink(head->PointerCentre(), first->Entry(), 5, 1);
    link.DrawLink(floating->PointerCentre(), first->Entry(), 5, true, clFuchsia, clBtnShadow, 2);
  }
  link.DrawLink(head->PointerCentre(), floating->Entry(), 5, false, clFuchsia, clBtnShadow, 2);
  link.SetNodeNextToFloating(1);
  head_->SetNext(static_cast<TLinkNode*>(Var<TPtrData>("p")->Target()));
}

// END (of the loop body)
bool TCrtLinkList::CrtLinkList_F_EndLoop() {
  Var("i").SetValue(Var("i").Value() - 1);
  const bool done = counter_ >= Var("n").Value();
  TLink& link = *graphForm_->Link;
  const QChar c = Current();
  link.FreeFloatingNode();
  floating_ = false;
  link.InsertItem(1, c);
  link.AttachMark(graphForm_->p, 2);
  return done;
}
