#include <gtest/gtest.h>

#include "demos/stacks/LinkedStack.h"

namespace {

std::unique_ptr<LinkNode> Node() { return std::make_unique<LinkNode>(); }

}  // namespace

TEST(LinkedStack, HoldsSixHundredNodesAndRefusesTheNext) {
  StringStack s;
  for (int i = 0; i < 600; ++i) ASSERT_TRUE(s.PushText(QString::number(i))) << "push " << i + 1;
  EXPECT_FALSE(s.PushText(QStringLiteral("x"))) << "the 601st push must be refused";
  EXPECT_EQ(s.GetCount(), 600);
  EXPECT_EQ(s.Top()->Str, QStringLiteral("599")) << "a refused push must leave the top alone";
  EXPECT_EQ(s.Append(std::make_unique<SSNod>(QStringLiteral("y"))), nullptr);
  EXPECT_EQ(s.Size(), 600);
  // Room again after one pop.
  EXPECT_NE(s.PopText(), nullptr);
  EXPECT_TRUE(s.PushText(QStringLiteral("z")));
}

TEST(LinkedStack, PopKeepsTailAndCountRight) {
  LinkedStack s;
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(s.Pop(), nullptr);
  EXPECT_EQ(s.GetTail(), s.GetHead());

  LinkNode* a = s.Push(Node());
  LinkNode* b = s.Push(Node());
  EXPECT_EQ(s.GetTail(), a) << "the first node pushed stays the tail";
  EXPECT_EQ(s.Pop().get(), b);
  EXPECT_EQ(s.Pop().get(), a);
  EXPECT_EQ(s.GetTail(), s.GetHead()) << "after the last pop the tail is the sentinel again";
  EXPECT_EQ(s.GetCount(), 0);

  // Append now goes right after the sentinel.
  auto owned = Node();
  LinkNode* c = owned.get();
  s.Append(std::move(owned));
  EXPECT_EQ(s.Next(s.GetHead()), c);
  EXPECT_EQ(s.GetTail(), c);
}

TEST(LinkedStack, InsertAfterAnswersTheAnchor) {
  LinkedList l;
  LinkNode* a = l.PushNode(Node());
  auto n = Node();
  LinkNode* added = n.get();
  EXPECT_EQ(l.InsertAfter(a, std::move(n)), a) << "a caller chaining on the result continues from the anchor";
  EXPECT_EQ(l.GetTail(), added);
  EXPECT_EQ(l.Next(a), added);
  EXPECT_EQ(l.Size(), 2);
}

TEST(LinkedStack, RemoveFindAndContains) {
  LinkedStack s;
  LinkNode* c = s.Push(Node());
  LinkNode* b = s.Push(Node());
  LinkNode* a = s.Push(Node());
  EXPECT_EQ(s.FindPrev(a), s.GetHead());
  EXPECT_EQ(s.FindPrev(c), b);
  EXPECT_EQ(s.FindPrev(nullptr), nullptr) << "nil has no predecessor in a non-empty list";
  EXPECT_EQ(s.Contains(b), b);
  EXPECT_EQ(s.Contains(s.GetHead()), nullptr) << "the sentinel is not one of the nodes";

  EXPECT_EQ(s.Remove(s.GetHead()), nullptr);
  EXPECT_EQ(s.Remove(nullptr), nullptr);
  std::unique_ptr<LinkNode> removed = s.Remove(c);
  EXPECT_EQ(removed.get(), c);
  EXPECT_EQ(s.GetTail(), b) << "removing the tail moves the tail back";
  EXPECT_EQ(s.Contains(c), nullptr);
  EXPECT_EQ(s.GetCount(), 2);

  LinkedStack other;
  EXPECT_EQ(other.FindPrev(nullptr), other.GetHead());
  EXPECT_EQ(other.Remove(a), nullptr) << "a node of another list is refused, not unlinked";

  s.Clear();
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(s.GetTail(), s.GetHead());
}

TEST(StringStack, PushStringPutsTheFirstCharacterOnTop) {
  StringStack s;
  EXPECT_TRUE(s.PushString(QStringLiteral("abc")));
  EXPECT_EQ(s.Top()->Str, QStringLiteral("a"));
  EXPECT_EQ(s.ToString(), QStringLiteral("abc"));
  EXPECT_TRUE(s.PushString(QString())) << "the empty string pushes nothing";
  EXPECT_EQ(s.GetCount(), 3);
  EXPECT_FALSE(s.PushString(QString(256, 'x'))) << "more than 255 characters are refused";
  EXPECT_EQ(s.GetCount(), 3) << "a refused string pushes nothing";

  StringStack full;
  for (int i = 0; i < 599; ++i) full.PushText(QStringLiteral("."));
  EXPECT_FALSE(full.PushString(QStringLiteral("ab"))) << "a push beyond 600 makes PushString fail";
  EXPECT_EQ(full.GetCount(), 600);
}
