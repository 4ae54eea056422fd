#include "demos/linear/InsLinkList.h"

#include "demos/linear/LinkKit.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/drawkit/WesternText.h"
#include "framework/engine/DemoViews.h"
#include "framework/engine/Globals.h"
#include "platform/ModalHost.h"

TInsLinkList::TInsLinkList(const QStringList& source)
    : TLinkBase(source, QStringLiteral("插入结点"), 50) {}

void TInsLinkList::AfterConstruction() {
  // The row is the list from the head on, but for s's node, which floats below it.
  ListStandsFor([this] { return linkkit::Chain(Target("la"), Target("s")); }, [this] { return Target("s"); }, true);
}
TInsLinkList::~TInsLinkList() = default;

void TInsLinkList::CreateChildWindow() {
  TLinkBase::CreateChildWindow();
  graphForm_->q->SetCaption(QStringLiteral("s"));
}

bool TInsLinkList::CreateData() {
  (void)TLinkBase::CreateData();  // a cancelled list text keeps the old one
  QString text = InsLinkElement;
  do {
    // Cancel keeps the element as it was rather than asking for ever.
    if (!QueryWestern(QStringLiteral("链表"), QStringLiteral("插入结点"), text)) break;
    if (!text.isEmpty()) InsLinkElement = text[0];
  } while (text.size() != 1);
  QueryInteger(QStringLiteral("链表"), QStringLiteral("插入位置"), InsLinkPosition);
  return true;
}

std::unique_ptr<TData> TInsLinkList::GetInitialParam() { return ListParams(1); }

void TInsLinkList::ResetLocalData(const QString&) {
  AddWalkLocals("s", InsLinkPosition);
}

void TInsLinkList::Reset() {
  TLinkBase::Reset();
  graphForm_->Link->SetFloatingRoom(InsLinkPosition);
  DrawList(*graphForm_, InsLinkPosition % 3 == 0 ? 4 : 3);
}

// p := la; j := 0
void TInsLinkList::InsLinkList_Begin() {
  Var<TPtrData>("p")->SetTarget(Var<TPtrData>("la")->Target());
  graphForm_->Link->AttachMark(graphForm_->p, 1);
  graphForm_->Link->AttachMark(graphForm_->la, 1);
}

// WHILE (p <> NIL) AND (j < i-1) DO
bool TInsLinkList::InsLinkList_F_NextWhile() {
  return Var<TPtrData>("p")->Target() != nullptr && Var("j").Value() + 1 < Var("i").Value();  // j < i - 1, for any i
}

// p := p^.next; j := j + 1
void TInsLinkList::InsLinkList_Next() {
  const int j = Var("j").Value() + 1;
  Var("j").SetValue(j);
  WalkOn(*graphForm_, j);
  auto* p = static_cast<TLinkNode*>(Var<TPtrData>("p")->Target());
  Var<TPtrData>("p")->SetTarget(p->GetNext());
}

// IF (p = NIL) OR (j > i-1) THEN
bool TInsLinkList::InsLinkList_F_AfterWhile() {
  return Var<TPtrData>("p")->Target() == nullptr || Var("j").Value() + 1 > Var("i").Value();  // j > i - 1, for any i
}

// error('插入位置不合理')
void TInsLinkList::InsLinkList_showerror() { modal::ShowMessage(QStringLiteral("插入位置不合理")); }

// new(s); s^.data := b
void TInsLinkList::InsLinkList_NewItem() {
  const QChar b = InsLinkElement;
  auto* s = Locals()->Add(new TLinkNode(QStringLiteral("值为") + b + QStringLiteral("的结点")));
  s->DataItem()->SetValue(b.toLatin1());
  views::Variables().ReloadVariables();  // a row for the new record
  TLink& link = *graphForm_->Link;
  link.InsertNodeAnimated(Var("i").Value(), b);
  link.AttachMarkToFloating(graphForm_->q);
  Var<TPtrData>("s")->SetTarget(s);
}

// s^.next := p^.next
void TInsLinkList::InsLinkList_Insert1() {
  TLink& link = *graphForm_->Link;
  if (TListNode* after = link.Node(Var("i").Value())->Next()) link.SetFloatingNext(after);
  auto* p = static_cast<TLinkNode*>(Var<TPtrData>("p")->Target());
  static_cast<TLinkNode*>(Var<TPtrData>("s")->Target())->SetNext(p->GetNext());
}

// p^.next := s
void TInsLinkList::InsLinkList_Insert2() {
  TLink& link = *graphForm_->Link;
  const int i = Var("i").Value();
  TListNode* node = link.Node(i);
  if (TListNode* after = node->Next()) {
    const int mode = linkkit::LinkMode(node->PointerCentre(), after->geometry(), after->Entry());
    link.RemoveLink(node->PointerCentre(), after->Entry(), 5, mode);
    link.RemoveLink(node->PointerCentre(), after->Entry(), 6, mode);
    TListNode* floating = link.FloatingNode();
    link.DrawLink(floating->PointerCentre(), after->Entry(), 5, true, clFuchsia, clBtnShadow, 2);
  }
  link.SetNodeNextToFloating(i);
  auto* p = static_cast<TLinkNode*>(Var<TPtrData>("p")->Target());
  p->SetNext(static_cast<TLinkNode*>(Var<TPtrData>("s")->Target()));
}

// END (of the insertion)
void TInsLinkList::InsLinkList_INsertend() {}
