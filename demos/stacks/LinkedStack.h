#pragma once
// Small singly linked types with a sentinel head, a tail pointer and a limit of 600 nodes:
// LinkedStack (push and pop at the front, append at the tail), LinkedList (the same with
// stack-like names and a peek at the first node) and StringStack (nodes carrying a string).
// The expression evaluator keeps its operator and operand stacks in StringStacks, and so
// does the expression-tree window. No windows here.
//
// Nodes are made by the caller and handed over on a push; a refused push (the list is full)
// frees the node and answers nullptr. Pop and Remove hand the node back to the caller.
#include <QString>
#include <cstdint>
#include <memory>

struct LinkNode {
  virtual ~LinkNode() = default;
  std::unique_ptr<LinkNode> Next;
  // A word for the caller's own use; the list never touches it.
  void* Data = nullptr;
};

class LinkedStack {
 public:
  static constexpr int MaxNodes = 600;

  LinkedStack();
  virtual ~LinkedStack();
  LinkedStack(const LinkedStack&) = delete;
  LinkedStack& operator=(const LinkedStack&) = delete;

  // Frees every node; the list is empty afterwards.
  void Clear();
  LinkNode* GetHead() const { return head_.get(); }
  LinkNode* GetTail() const { return tail_; }
  int GetCount() const { return count_; }
  bool IsEmpty() const { return head_->Next == nullptr; }

  // Links node first; nullptr (node freed, list unchanged) when the list is full.
  LinkNode* Push(std::unique_ptr<LinkNode> node);
  // Links node after `after` (a node of this list, or the head); answers `after`, not the
  // new node; nullptr when full.
  LinkNode* InsertAfter(LinkNode* after, std::unique_ptr<LinkNode> node);
  LinkNode* Append(std::unique_ptr<LinkNode> node) { return InsertAfter(tail_, std::move(node)); }
  // Unlinks node (a node of this list); nullptr for the head or nullptr.
  std::unique_ptr<LinkNode> Remove(LinkNode* node);
  // The node whose link is node. For nullptr: the head when the list is empty, else
  // nullptr. Nullptr when node is not in the list.
  LinkNode* FindPrev(const LinkNode* node) const;
  LinkNode* Next(const LinkNode* node) const { return node != nullptr ? node->Next.get() : nullptr; }
  // node when it is one of the list's nodes, else nullptr.
  LinkNode* Contains(const LinkNode* node) const;
  // Unlinks the first node; nullptr when empty.
  std::unique_ptr<LinkNode> Pop();

 private:
  std::unique_ptr<LinkNode> head_;  // the sentinel
  LinkNode* tail_ = nullptr;         // the last node; the sentinel when empty
  std::uint16_t count_ = 0;
};

class LinkedList : public LinkedStack {
 public:
  LinkNode* PushNode(std::unique_ptr<LinkNode> node) { return Push(std::move(node)); }
  std::unique_ptr<LinkNode> PopNode() { return Pop(); }
  int Size() const { return GetCount(); }
  // The first node (the top of the stack) without unlinking it; nullptr when empty.
  LinkNode* First() const { return Next(GetHead()); }
};

struct SSNod : LinkNode {
  SSNod() = default;
  explicit SSNod(QString s) : Str(std::move(s)) {}
  QString Str;
};

class StringStack : public LinkedList {
 public:
  static constexpr int MaxPushString = 255;

  // Pushes a node carrying s; false when the stack is full.
  bool PushText(const QString& s);
  // Pops the top node; nullptr when empty.
  std::unique_ptr<SSNod> PopText();
  // The top node when it carries a string; nullptr when empty.
  SSNod* Top() const;
  // The strings of all nodes, top first.
  void ToString(QString& s) const;
  QString ToString() const;
  // Pushes the characters of s from the last to the first, so that s[0] ends on top.
  // False when a push was refused, or when s is longer than 255 characters (then nothing is
  // pushed); the empty string pushes nothing and gives true.
  bool PushString(const QString& s);
};
