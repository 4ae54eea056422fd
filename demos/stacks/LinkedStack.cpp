#include "demos/stacks/LinkedStack.h"

LinkedStack::LinkedStack() : head_(std::make_unique<LinkNode>()), tail_(head_.get()) {}

LinkedStack::~LinkedStack() { Clear(); }

void LinkedStack::Clear() {
  // One node at a time: a chain of unique_ptrs freed at once would recurse its length.
  while (head_->Next != nullptr) head_->Next = std::move(head_->Next->Next);
  count_ = 0;
  tail_ = head_.get();
}

LinkNode* LinkedStack::Push(std::unique_ptr<LinkNode> node) {
  if (count_ >= MaxNodes || node == nullptr) return nullptr;
  node->Next = std::move(head_->Next);
  head_->Next = std::move(node);
  count_ += 1;
  if (tail_ == head_.get()) tail_ = head_->Next.get();
  return head_->Next.get();
}

LinkNode* LinkedStack::InsertAfter(LinkNode* after, std::unique_ptr<LinkNode> node) {
  if (count_ >= MaxNodes || node == nullptr || after == nullptr) return nullptr;
  LinkNode* added = node.get();
  node->Next = std::move(after->Next);
  after->Next = std::move(node);
  if (tail_ == after) tail_ = added;
  count_ += 1;
  return after;
}

std::unique_ptr<LinkNode> LinkedStack::Remove(LinkNode* node) {
  if (node == nullptr || node == head_.get()) return nullptr;
  LinkNode* prev = FindPrev(node);
  if (prev == nullptr) return nullptr;
  std::unique_ptr<LinkNode> taken = std::move(prev->Next);
  prev->Next = std::move(taken->Next);
  if (tail_ == node) tail_ = prev;
  count_ -= 1;
  return taken;
}

LinkNode* LinkedStack::FindPrev(const LinkNode* node) const {
  if (node == nullptr) return IsEmpty() ? head_.get() : nullptr;
  for (LinkNode* p = head_.get(); p != nullptr; p = p->Next.get()) {
    if (p->Next.get() == node) return p;
  }
  return nullptr;
}

LinkNode* LinkedStack::Contains(const LinkNode* node) const {
  if (node == nullptr) return nullptr;
  for (LinkNode* p = head_->Next.get(); p != nullptr; p = p->Next.get()) {
    if (p == node) return p;
  }
  return nullptr;
}

std::unique_ptr<LinkNode> LinkedStack::Pop() {
  if (head_->Next == nullptr) return nullptr;
  std::unique_ptr<LinkNode> n = std::move(head_->Next);
  head_->Next = std::move(n->Next);
  if (head_->Next == nullptr) tail_ = head_.get();
  count_ -= 1;
  return n;
}

bool StringStack::PushText(const QString& s) {
  return PushNode(std::make_unique<SSNod>(s)) != nullptr;
}

std::unique_ptr<SSNod> StringStack::PopText() {
  std::unique_ptr<LinkNode> n = PopNode();
  if (auto* s = dynamic_cast<SSNod*>(n.get())) {
    n.release();
    return std::unique_ptr<SSNod>(s);
  }
  return nullptr;
}

SSNod* StringStack::Top() const { return dynamic_cast<SSNod*>(First()); }

void StringStack::ToString(QString& s) const {
  s.clear();
  for (LinkNode* p = First(); p != nullptr; p = p->Next.get()) {
    if (auto* n = dynamic_cast<SSNod*>(p)) s += n->Str;
  }
}

QString StringStack::ToString() const {
  QString s;
  ToString(s);
  return s;
}

bool StringStack::PushString(const QString& s) {
  if (s.size() > MaxPushString) return false;
  for (qsizetype k = s.size() - 1; k >= 0; --k) {
    if (!PushText(QString(s[k]))) return false;
  }
  return true;
}
