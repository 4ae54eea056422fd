#include <gtest/gtest.h>

#include "demos/linear/CopyLists.h"
#include "demos/linear/ListsForms.h"
#include "demos/linear/ListsKit.h"
#include "framework/drawkit/StackBox.h"
#include "tests/support/ProgramRun.h"

namespace {

class CopyListsRun : public ProgramRun<TCopyLists> {
 protected:
  // The copy's tree as text: "(tag letter number (head) (tail))".
  static QString Shape(const TListsNode* n) {
    if (!n) return QStringLiteral("-");
    return QStringLiteral("(%1%2%3 %4 %5)")
        .arg(n->Tag)
        .arg(n->Tag == 0 ? QString(n->Letter) : QString())
        .arg(n->Number)
        .arg(Shape(n->ShownHp), Shape(n->ShownTp));
  }
};

}  // namespace

TEST_F(CopyListsRun, TheCopyMatchesTheSourceAndTheStackStaysWithinItsRows) {
  host_->QueueDialog(QStringLiteral("\"((A),((B),C),D)\""));
  host_->QueueDialog(QStringLiteral("确定"));
  Start(QStringLiteral("CopyLists"));
  if (HasFatalFailure()) return;
  int deepest = 0;
  while (demo_->CurLine() != nullptr) {
    demo_->TraceInto();
    deepest = std::max(deepest, demo_->StackForm()->Stack->Count());
  }
  EXPECT_EQ(deepest, 5);
  EXPECT_EQ(Shape(demo_->GraphForm()->Lists2->Root()), Shape(demo_->GraphForm()->Lists1->Root()));
  EXPECT_EQ(demo_->StackForm()->Stack->Count(), 0) << "every row is popped by the end";
}
