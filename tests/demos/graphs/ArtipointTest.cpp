#include "demos/graphs/Artipoint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "demos/graphs/TableBase.h"
#include "framework/engine/AlgoSrc.h"
#include "framework/engine/Globals.h"
#include "tests/demos/graphs/GraphSupport.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

class ArtipointRun : public ::testing::Test {
 protected:
  void TearDown() override {
    demo_.reset();
    CurrentDemo = nullptr;
  }
  // Creates the demonstration, loads the graphs offered in turn in the input window, and
  // answers whether one was accepted.
  bool Start(const std::vector<const TGraphm*>& offered) {
    demo_ = CreateDemo<TArtipoint>(ProcSrcContainer().FindText(QStringLiteral("P_ArtiPoint"))->Source);
    for (const TGraphm* g : offered) {
      host_->QueueDialog(QStringLiteral("@FileLoad"));
      host_->QueueFile(files_.Write(*g));
      host_->QueueDialog(QStringLiteral("确定"));
    }
    if (!demo_->CreateData()) return false;
    CurrentDemo = demo_.get();
    demo_->Reset();
    return true;
  }
  // The table rows Visited, Low, Squlow and Artpoint after a run.
  QString Rows() {
    while (demo_->CurLine() != nullptr) demo_->TraceInto();
    return demo_->Table()->Summary();
  }

  modal::ScriptedHostScope host_;
  GraphFiles files_;
  std::unique_ptr<TArtipoint> demo_;
};

TEST_F(ArtipointRun, TablesOfPathStarCycleAndBridge) {
  const auto rows = [this](std::unique_ptr<TGraphm> g) {
    EXPECT_TRUE(Start({g.get()}));
    return Rows();
  };
  EXPECT_EQ(rows(MakeGraph(3, {{'A', 'B'}, {'B', 'C'}}, false)),
            "Visited 1 2 3 | Low 1 1 2 | Squlow 3 2 1 | Artpoint B");
  EXPECT_EQ(rows(MakeGraph(4, {{'A', 'B'}, {'A', 'C'}, {'A', 'D'}}, false)),
            "Visited 1 2 3 4 | Low 1 1 1 1 | Squlow 4 1 2 3 | Artpoint A");
  EXPECT_EQ(rows(MakeGraph(4, {{'A', 'B'}, {'B', 'C'}, {'C', 'D'}, {'D', 'A'}}, false)),
            "Visited 1 2 3 4 | Low 1 1 1 1 | Squlow 4 3 2 1 | Artpoint");
  EXPECT_EQ(rows(MakeGraph(5, {{'A', 'B'}, {'B', 'C'}, {'C', 'A'}, {'C', 'D'}, {'D', 'E'}}, false)),
            "Visited 1 2 3 4 5 | Low 1 1 1 3 4 | Squlow 5 4 3 2 1 | Artpoint D C");
  EXPECT_TRUE(host_->Transcript().filter(QStringLiteral("error")).isEmpty());
}

TEST_F(ArtipointRun, AsksAgainForAConnectedGraphOfTwoOrMoreVertices) {
  auto split = MakeGraph(4, {{'A', 'B'}, {'C', 'D'}}, false);
  auto single = MakeGraph(1, {}, false);
  auto good = MakeGraph(2, {{'A', 'B'}}, false);
  ASSERT_TRUE(Start({split.get(), single.get(), good.get()}));
  const QStringList shown = host_->Transcript().filter(QStringLiteral("message"));
  ASSERT_EQ(shown.size(), 2) << host_->Transcript().join('\n').toStdString();
  EXPECT_TRUE(shown[0].contains(QStringLiteral("请输入连通图!")));
  EXPECT_TRUE(shown[1].contains(QStringLiteral("两个结点")));
  EXPECT_EQ(Rows(), "Visited 1 2 | Low 1 1 | Squlow 2 1 | Artpoint");
}

// Low and Squlow values are written straight on the light table, one colour per depth: each
// must stand out from white as well as large text needs (contrast 3:1) and from the others.
TEST(ArtipointColours, EveryDepthIsReadableOnTheTable) {
  const auto luminance = [](TColor c) {
    const auto channel = [](int v) {
      const double s = v / 255.0;
      return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(GetRValue(c)) + 0.7152 * channel(GetGValue(c)) + 0.0722 * channel(GetBValue(c));
  };
  std::set<TColor> seen;
  for (int depth = 1; depth <= 10; ++depth) {
    const TColor c = TArtipoint::LevelColour(depth);
    EXPECT_GE(1.05 / (luminance(c) + 0.05), 3.0) << "depth " << depth << " is too light to read";
    EXPECT_TRUE(seen.insert(c).second) << "depth " << depth << " repeats a colour";
  }
}

}  // namespace
