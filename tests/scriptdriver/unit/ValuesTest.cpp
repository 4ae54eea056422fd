#include "tests/scriptdriver/Values.h"

#include <gtest/gtest.h>

#include "framework/engine/BasicData.h"

using script::ReadPath;
using script::Variable;

namespace {

// The variables of a call: a list record v (elem: 'a' 'b' 'c', last 3), a matrix m of 2 x 2, a
// linked list la -> head -> node 'x', a pointer q to nothing, an index i not yet assigned.
struct Call {
  TData locals;
  TRecord head{"头结点"};
  TRecord node{"值为x的节点"};
  Call() {
    auto* v = locals.Add(new TRecord("v"));
    auto* elem = v->Add(new TVector("elem"));
    for (char c : {'a', 'b', 'c'}) elem->Add(new TCharData({}, c));
    v->Add(new TIntData("last", 3));
    auto* m = locals.Add(new TMatrix("m", 2, 2));
    for (int k = 1; k <= 4; ++k) m->Add(new TIntData({}, k * 10));
    head.Add(new TCharData("data", ' '));
    head.Add(new TPtrData("next", &node));
    node.Add(new TCharData("data", 'x'));
    node.Add(new TPtrData("next"));
    locals.Add(new TPtrData("la", &head));
    locals.Add(new TPtrData("q"));
    locals.Add(new TIntData("i"))->SetAssigned(false);
  }
  std::string Read(const QString& path) const {
    const std::optional<Variable> v = ReadPath(locals, path);
    if (!v) return "(none)";
    switch (v->state) {
      case Variable::Value: return v->text.toStdString();
      case Variable::Unassigned: return "(unassigned)";
      case Variable::Nil: return "(nil)";
      case Variable::Returned: return "(returned)";
    }
    return {};
  }
};

}  // namespace

TEST(ValuePaths, FieldsItemsMatrixElementsAndPointerTargets) {
  const Call c;
  EXPECT_EQ(c.Read("v.elem[1]"), "b") << "item 1 counts from 0, as the engine holds the items";
  EXPECT_EQ(c.Read("v.last"), "3");
  EXPECT_EQ(c.Read("V.LAST"), "3") << "Pascal's names ignore letter case";
  EXPECT_EQ(c.Read("m[1,0]"), "30") << "row 1, column 0";
  EXPECT_EQ(c.Read("la^.next^.data"), "x");
  EXPECT_EQ(c.Read("la->next->data"), "x") << "C's arrow reads as Pascal's";
  EXPECT_EQ(c.Read("la.next.data"), "x") << "a field of a pointer is its target's";
  EXPECT_EQ(c.Read("la^.next"), "值为x的节点") << "a pointer reads as its target's name";
  EXPECT_EQ(c.Read("la^.next^.next^.data"), "(nil)") << "a nil pointer on the way";
  EXPECT_EQ(c.Read("q"), "(nil)");
  EXPECT_EQ(c.Read("i"), "(unassigned)");
}

TEST(ValuePaths, APathThatNamesNothingReadsNothing) {
  const Call c;
  for (const char* path : {"w", "v.elem[3]", "v.elem[-1]", "m[2,0]", "m[0,0,0]", "v.size", "v^", "v.elem[1", "", "v..last"})
    EXPECT_EQ(c.Read(path), "(none)") << path;
}
