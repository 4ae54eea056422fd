#include "demos/linear/LkUniteByCopy.h"

#include "demos/linear/LinkForms.h"
#include "demos/linear/LinkKit.h"
#include "framework/engine/DemoViews.h"
#include "framework/shell/MainForm.h"

namespace {

constexpr TColor kPlainData = clTeal;
constexpr TColor kPlainPointer = clMaroon;

void FillList(TLink& link, const QString& text) {
  link.Clear();
  link.SetColumn(5);
  QStringList lines{QStringLiteral(" ")};
  for (const QChar c : text) lines << QString(c);
  link.SetContent(lines);
}

}  // namespace

TLkUniteByCopy::TLkUniteByCopy(const QStringList& source) : TFormDemo(source) {}
TLkUniteByCopy::~TLkUniteByCopy() = default;

bool TLkUniteByCopy::CreateData() {
  TInput2LinksDlg dlg;
  dlg.TextA = UniteTextA;
  dlg.TextB = UniteTextB;
  if (!dlg.Execute()) return false;
  UniteTextA = dlg.TextA;
  UniteTextB = dlg.TextB;
  return true;
}

std::unique_ptr<TData> TLkUniteByCopy::GetInitialParam() {
  auto params = std::make_unique<TData>(QString());
  params->Add(new TLinkNode(QStringLiteral("a")));
  params->Add(new TLinkNode(QStringLiteral("b")));
  params->Add(new TLinkNode(QStringLiteral("c")));
  return params;
}

void TLkUniteByCopy::ResetLocalData(const QString&) {
  TData& locals = *Locals();
  auto* a = static_cast<TLinkNode*>(locals.FindByName(QStringLiteral("a")));
  auto* b = static_cast<TLinkNode*>(locals.FindByName(QStringLiteral("b")));
  auto* c = static_cast<TLinkNode*>(locals.FindByName(QStringLiteral("c")));
  const auto chain = [&locals](TLinkNode* head, const QString& text) {
    head->SetNext(nullptr);
    TLinkNode* last = head;
    for (const QChar ch : text) {
      auto* node = locals.Add(new TLinkNode(QStringLiteral("一个值为") + ch + QStringLiteral("的节点")));
      node->DataItem()->SetValue(ch.toLatin1());
      last->SetNext(node);
      last = node;
    }
  };
  chain(a, UniteTextA);
  chain(b, UniteTextB);
  if (!nil_) nil_ = std::make_unique<TLinkNode>(QStringLiteral("nil"));
  c->SetNext(nil_.get());
  for (const char* name : {"ap", "bp", "cp", "tp"}) locals.Add(new TLinkNode(QString::fromLatin1(name)));
  locals.SetModified(false);
  newNodes_ = 0;
}

void TLkUniteByCopy::AfterConstruction() {
  // Each list's nodes are its records from its head record on; the node ap, bp or cp stands
  // on wears that pointer's colours.
  struct List {
    TLink* link;
    const char* head;
    const char* pointer;
    TColor data;
  };
  for (const List& list : {List{graphForm_->Link1, "a", "ap", clAqua}, List{graphForm_->Link2, "b", "bp", clYellow},
                           List{graphForm_->Link3, "c", "cp", TColor()}}) {
    const QString pointer = QString::fromLatin1(list.pointer);
    const bool copy = list.link == graphForm_->Link3;
    list.link->ColourNote = [pointer, copy, data = list.data](TColor d, TColor p) {
      return p == clGreen && (copy || d == data) ? pointer : QString();
    };
    list.link->NodeStands = [this, head = QString::fromLatin1(list.head), pointer](int index) {
      const auto record = [this](const QString& name) {
        return dynamic_cast<const TLinkNode*>(Locals() ? Locals()->FindByName(name) : nullptr);
      };
      return linkkit::NodeOf([record, head, this] { return linkkit::Chain(record(head), nullptr, nil_.get()); }, index,
                             [record, pointer](const TLinkNode& r) {
                               const TLinkNode* p = record(pointer);
                               return p && &r == p->GetNext() ? pointer : QString();
                             },
                             nil_.get());
    };
  }
}

void TLkUniteByCopy::SetWindowRect() {
  MainForm->DockThreePanes(graphForm_.get(), 50, AlgorithmForm, 70, VariableForm);
}

void TLkUniteByCopy::Reset() {
  TAlgoDemo::Reset();
  FillList(*graphForm_->Link1, UniteTextA);
  FillList(*graphForm_->Link2, UniteTextB);
  graphForm_->Link3->Clear();
}

void TLkUniteByCopy::UpdateChildWindow() {
  TAlgoDemo::UpdateChildWindow();
  graphForm_->Update();
}

TLinkNode* TLkUniteByCopy::Ptr(const char* name) const {
  return Var<TLinkNode>(name)->GetNext();
}

void TLkUniteByCopy::SetPtr(const char* name, TLinkNode* node) { Var<TLinkNode>(name)->SetNext(node); }

// new(c)
void TLkUniteByCopy::LkUniteByCopy_Begin() {
  TLink& lc = *graphForm_->Link3;
  lc.Clear();
  lc.SetColumn(5);
  lc.SetRow(3);
  lc.InsertItem(0, QStringLiteral(" "));
  graphForm_->Repaint();
}

// ap := a^.next; bp := b^.next; cp := c
void TLkUniteByCopy::LkUniteByCopy_Init() {
  SetPtr("ap", Var<TLinkNode>("a")->GetNext());
  SetPtr("bp", Var<TLinkNode>("b")->GetNext());
  SetPtr("cp", &*Var<TLinkNode>("c"));
  ci_ = 0;
  ai_ = bi_ = 1;
  TLink& la = *graphForm_->Link1;
  TLink& lb = *graphForm_->Link2;
  la.SetNodeColors(1, kPlainData, kPlainPointer);
  lb.SetNodeColors(1, kPlainData, kPlainPointer);
  if (la.Node(2)) la.SetNodeColors(2, clAqua, clGreen);
  if (lb.Node(2)) lb.SetNodeColors(2, clYellow, clGreen);
  graphForm_->Link3->SetNodeColors(1, clTeal, clGreen);
}

// WHILE (ap <> NIL) OR (bp <> NIL) DO
bool TLkUniteByCopy::LkUniteByCopy_F_Rotate() { return Ptr("ap") || Ptr("bp"); }

// new(tp); cp^.next := tp; cp := tp
void TLkUniteByCopy::LkUniteByCopy_NextC() {
  ++ci_;
  auto* tp = Locals()->Add(new TLinkNode(QStringLiteral("c的第%1个节点").arg(++newNodes_)));
  views::Variables().ReloadVariables();  // a row for the new record
  SetPtr("tp", tp);
  Ptr("cp")->SetNext(tp);
  TLink& lc = *graphForm_->Link3;
  lc.InsertItem(ci_, QStringLiteral(" "));
  lc.SetNodeColors(ci_, kPlainData, kPlainPointer);
  lc.SetNodeColors(ci_ + 1, clRed, clGreen);
  SetPtr("cp", tp);
}

// IF ap = NIL THEN
bool TLkUniteByCopy::LkUniteByCopy_F_IsANil() { return Ptr("ap") == nullptr; }
// ELSE IF bp = NIL THEN
bool TLkUniteByCopy::LkUniteByCopy_F_IsBNil() { return Ptr("bp") == nullptr; }
// ELSE IF ap^.ch = bp^.ch THEN
bool TLkUniteByCopy::LkUniteByCopy_F_IsAEB() { return Ptr("ap")->GetData() == Ptr("bp")->GetData(); }
// ELSE IF ap^.ch < bp^.ch THEN
bool TLkUniteByCopy::LkUniteByCopy_F_IsALB() {
  return static_cast<unsigned char>(Ptr("ap")->GetData()) < static_cast<unsigned char>(Ptr("bp")->GetData());
}

void TLkUniteByCopy::CopyInto(int list) {
  const char* name = list == 1 ? "ap" : "bp";
  int& index = list == 1 ? ai_ : bi_;
  TLink& from = list == 1 ? *graphForm_->Link1 : *graphForm_->Link2;
  TLinkNode* node = Ptr(name);
  const char ch = node->GetData();
  Ptr("cp")->SetData(ch);
  SetPtr(name, node->GetNext());
  ++index;
  TLink& lc = *graphForm_->Link3;
  lc.SetItem(ci_, QString(QChar::fromLatin1(ch)));
  lc.SetNodeColors(ci_ + 1, clRed, clGreen);
  from.SetNodeColors(index, kPlainData, kPlainPointer);
  if (Ptr(name)) from.SetNodeColors(index + 1, list == 1 ? clAqua : clYellow, clGreen);
}

// cp^.ch := bp^.ch; bp := bp^.next
void TLkUniteByCopy::LkUniteByCopy_BIntoC() { CopyInto(2); }
// cp^.ch := ap^.ch; ap := ap^.next
void TLkUniteByCopy::LkUniteByCopy_AIntoC() { CopyInto(1); }
// cp^.ch := ap^.ch; ap := ap^.next; bp := bp^.next
void TLkUniteByCopy::LkUniteByCopy_ABIntoC() {
  CopyInto(1);
  CopyInto(2);
}
void TLkUniteByCopy::LkUniteByCopy_AIntoC2() { CopyInto(1); }
void TLkUniteByCopy::LkUniteByCopy_BIntoC2() { CopyInto(2); }

// cp^.next := NIL
void TLkUniteByCopy::LkUniteByCopy_SetTail() { Ptr("cp")->SetNext(nullptr); }
