#include <gtest/gtest.h>

#include "demos/trees/TrTravForm.h"
#include "demos/trees/TreeBase.h"
#include "framework/engine/Globals.h"

namespace {

// The rows keep their columns for captions of two and of three characters, under either
// heading, and say NIL or NULL as the chosen language does.
TEST(TrTravStackData, RowsKeepTheirColumns) {
  QWidget window;
  TBinCharTree tree(&window);
  auto* node = static_cast<TBinCharTreeNode*>(tree.NewRoot());
  node->SetValue('K');
  EXPECT_EQ(TTrTravStackData({}, 5, node).GetText(), QStringLiteral("5     n1        K"));
  node->SetCaption(QStringLiteral("n10"));
  EXPECT_EQ(TTrTravStackData({}, 4, node).GetText(), QStringLiteral("4     n10       K"));
  EXPECT_EQ(TTrTravStackData({}, 6, node, {10, 22}).GetText(), QStringLiteral("6         n10         K"));
  UseCLanguage = true;
  EXPECT_EQ(TTrTravStackData({}, 3, nullptr).GetText(), QStringLiteral("3     NULL"));
  UseCLanguage = false;
  EXPECT_EQ(TTrTravStackData({}, 0, nullptr).GetText(), QStringLiteral("0     NIL"));
}

}  // namespace
