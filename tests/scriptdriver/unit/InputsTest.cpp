#include <gtest/gtest.h>

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <set>

#include "tests/scriptdriver/Inputs.h"

using script::ExpandInputs;

namespace {

// The value of one let line, drawn with the given seed.
QString Draw(const QString& generator, std::uint32_t seed = 7, const QString& folder = {}) {
  const auto in = ExpandInputs("let v = " + generator + "\nexpect ${v}\n", seed, {}, folder);
  if (!in.errors.isEmpty()) return "error: " + in.errors.join(';');
  return in.classes.at(0).text.section('\n', 1, 1).mid(7);
}

struct Graph {
  int n = 0, arcs = 0;
  std::vector<std::vector<int>> adj;
  bool Reaches(int from, int to, bool followBack) const {
    std::vector<bool> seen(static_cast<std::size_t>(n), false);
    std::function<void(int)> visit = [&](int v) {
      if (seen[v]) return;
      seen[v] = true;
      for (int w = 0; w < n; ++w)
        if (adj[v][w] != 0 || (followBack && adj[w][v] != 0)) visit(w);
    };
    visit(from);
    return seen[to];
  }
  bool Connected() const {
    for (int v = 1; v < n; ++v)
      if (!Reaches(0, v, true)) return false;
    return true;
  }
  bool DirectedCycle() const {
    for (int v = 0; v < n; ++v)
      for (int w = 0; w < n; ++w)
        if (adj[v][w] != 0 && Reaches(w, v, false)) return true;
    return false;
  }
};

Graph ReadGraph(const QString& path) {
  Graph g;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return g;
  const qint64 size = f.size();
  QDataStream in(&f);
  in.setByteOrder(QDataStream::LittleEndian);
  qint32 n = 0, e = 0;
  in >> n >> e;
  EXPECT_EQ(size, 8 + 4 * n * n + 4 * n) << "a graph file holds n, e, the matrix and n vertex values";
  g.n = n;
  g.arcs = e;
  g.adj.assign(static_cast<std::size_t>(n), std::vector<int>(static_cast<std::size_t>(n), 0));
  for (auto& row : g.adj)
    for (int& w : row) {
      qint32 v = 0;
      in >> v;
      w = v;
    }
  return g;
}

}  // namespace

TEST(InputGenerators, ValuesStayInTheirRangesAndRepeatWithTheSeed) {
  for (std::uint32_t seed = 0; seed < 40; ++seed) {
    const int i = Draw("int 3 5", seed).toInt();
    EXPECT_TRUE(i >= 3 && i <= 5) << i;
    EXPECT_TRUE(QStringList({"first", "last", "beyond"}).contains(Draw("pick first last beyond", seed)));
    const QString upper = Draw("letters 1 15 upper", seed);
    EXPECT_TRUE(upper.size() >= 1 && upper.size() <= 15) << upper.toStdString();
    for (QChar c : upper) EXPECT_TRUE(c.isUpper()) << upper.toStdString();
    for (QChar c : Draw("letters 4 4 digits", seed)) EXPECT_TRUE(c.isDigit());
    const QString keys = Draw("letters 26 26 lower distinct sorted", seed);
    EXPECT_EQ(keys, "abcdefghijklmnopqrstuvwxyz") << "all 26 distinct letters, sorted";
    const QStringList ints = Draw("ints 2..9 10 99 reversed", seed).split(',');
    EXPECT_TRUE(ints.size() >= 2 && ints.size() <= 9);
    for (qsizetype k = 1; k < ints.size(); ++k) EXPECT_GE(ints[k - 1].toInt(), ints[k].toInt());
    EXPECT_EQ(Draw("ints 5 1 9 equal", seed).split(',').removeDuplicates(), 4) << "all equal";
  }
  EXPECT_EQ(Draw("letters 5 12 mixed", 11), Draw("letters 5 12 mixed", 11)) << "one seed, one value";
  std::set<QString> seen;
  for (std::uint32_t seed = 0; seed < 20; ++seed) seen.insert(Draw("letters 8 8 mixed", seed));
  EXPECT_GT(seen.size(), 15u) << "other seeds draw other values";
}

TEST(InputGenerators, WordsTheyCannotTakeAreErrorsOfTheirLine) {
  for (const char* bad : {"int 5 3", "int x", "pick", "letters 3 1 upper", "letters 1 3 greek",
                          "letters 1 30 upper distinct", "letters 1 3 upper sorted sorted", "ints 3 1 9 shuffled",
                          "ints 5..2 1 9 random", "graph 1 undirected disconnected", "graph 21 directed connected",
                          "graph 5 directed connected weights 0 9", "graph 5 sideways connected", "graph 5 directed acyclic loops",
                          "graph 5 undirected connected bothways", "graph 5 directed cyclic loops loops",
                          "graph 5 directed cyclic bothways weights 1 9", "dice 6"})
    EXPECT_TRUE(Draw(bad).startsWith("error: line 1: ")) << bad << " gave " << Draw(bad).toStdString();
}

TEST(InputGenerators, GraphFilesHoldTheKindOfGraphAsked) {
  QTemporaryDir dir;
  for (std::uint32_t seed = 0; seed < 25; ++seed) {
    const Graph und = ReadGraph(Draw("graph 2..10 undirected connected weights 5 9", seed, dir.path()));
    ASSERT_GE(und.n, 2);
    EXPECT_TRUE(und.Connected());
    int arcs = 0;
    for (int v = 0; v < und.n; ++v) {
      EXPECT_EQ(und.adj[v][v], 0) << "no loops";
      for (int w = 0; w < und.n; ++w) {
        EXPECT_EQ(und.adj[v][w], und.adj[w][v]) << "an undirected edge is stored both ways";
        if (und.adj[v][w] != 0) {
          ++arcs;
          EXPECT_TRUE(und.adj[v][w] >= 5 && und.adj[v][w] <= 9);
        }
      }
    }
    EXPECT_EQ(und.arcs, arcs) << "the arc count counts an edge twice";

    const Graph dag = ReadGraph(Draw("graph 6 directed acyclic", seed, dir.path()));
    EXPECT_FALSE(dag.DirectedCycle());
    EXPECT_TRUE(dag.Connected());
    const Graph ring = ReadGraph(Draw("graph 2..6 directed cyclic", seed, dir.path()));
    EXPECT_TRUE(ring.DirectedCycle());
    for (int v = 1; v < ring.n; ++v) EXPECT_TRUE(ring.Reaches(0, v, false)) << "every vertex is reached from A";
    const Graph parts = ReadGraph(Draw("graph 2..9 undirected disconnected", seed, dir.path()));
    EXPECT_FALSE(parts.Connected());
    const Graph tree = ReadGraph(Draw("graph 7 undirected acyclic", seed, dir.path()));
    EXPECT_EQ(tree.arcs, 2 * 6) << "an undirected acyclic connected graph is a tree";
  }
}

TEST(InputGenerators, GraphFilesHoldLoopsAndArcsBothWaysWhenAsked) {
  QTemporaryDir dir;
  for (std::uint32_t seed = 0; seed < 25; ++seed) {
    const auto loops = [](const Graph& g) {
      int count = 0;
      for (int v = 0; v < g.n; ++v) count += g.adj[v][v] != 0 ? 1 : 0;
      return count;
    };
    const auto entries = [](const Graph& g) {
      int count = 0;
      for (const auto& row : g.adj) count += static_cast<int>(std::count_if(row.begin(), row.end(), [](int w) { return w != 0; }));
      return count;
    };
    const Graph und = ReadGraph(Draw("graph 3..10 undirected connected weights 1 99 loops", seed, dir.path()));
    EXPECT_TRUE(und.Connected());
    EXPECT_GE(loops(und), 1) << "a vertex joined to itself";
    EXPECT_LE(loops(und), std::max(1, und.n / 3));
    for (int v = 0; v < und.n; ++v)
      for (int w = 0; w < und.n; ++w) EXPECT_EQ(und.adj[v][w], und.adj[w][v]);
    EXPECT_EQ(und.arcs, entries(und)) << "a loop counts once, as the graph model counts it";

    const Graph both = ReadGraph(Draw("graph 2..9 directed connected weights 1 999 bothways", seed, dir.path()));
    int pairs = 0;
    for (int v = 0; v < both.n; ++v)
      for (int w = v + 1; w < both.n; ++w) pairs += both.adj[v][w] != 0 && both.adj[w][v] != 0 ? 1 : 0;
    EXPECT_GE(pairs, 1) << "two vertices joined both ways";
    EXPECT_EQ(loops(both), 0);
    for (int v = 1; v < both.n; ++v) EXPECT_TRUE(both.Reaches(0, v, false)) << "still reached from A";
    EXPECT_EQ(both.arcs, entries(both));

    const Graph ring = ReadGraph(Draw("graph 2..5 directed cyclic loops bothways", seed, dir.path()));
    EXPECT_TRUE(ring.DirectedCycle());
    EXPECT_GE(loops(ring), 1);
  }
}

TEST(InputClasses, EachClassGetsThePreambleAndItsOwnLinesAtTheirLineNumbers) {
  const QString script =
      "speed 99\n"          // 1
      "class one\n"         // 2
      "dialog QueryEdit=A\n"  // 3
      "class longest  # fifteen letters\n"  // 4
      "let list = letters 15 15 upper\n"  // 5
      "dialog QueryEdit=${list}\n";  // 6
  QStringList errors;
  EXPECT_EQ(script::ClassNames(script, errors), QStringList({"one", "longest"}));
  const auto all = ExpandInputs(script, 3, {}, {});
  ASSERT_TRUE(all.errors.isEmpty()) << all.errors.join('\n').toStdString();
  ASSERT_EQ(all.classes.size(), 2u);
  EXPECT_EQ(all.classes[0].text, "speed 99\n\ndialog QueryEdit=A\n\n\n\n");
  const QStringList longest = all.classes[1].text.split('\n');
  EXPECT_EQ(longest[0], "speed 99");
  EXPECT_EQ(longest[2], "") << "the other class's line is left out";
  EXPECT_EQ(longest[5].size(), QString("dialog QueryEdit=").size() + 15);
  const auto alone = ExpandInputs(script, 3, {"longest"}, {});
  ASSERT_EQ(alone.classes.size(), 1u);
  EXPECT_EQ(alone.classes[0].text, all.classes[1].text) << "a class run alone draws what it draws among all";
  EXPECT_NE(ExpandInputs(script, 4, {"longest"}, {}).classes[0].text, alone.classes[0].text);
  EXPECT_NE(all.classes[0].seed, all.classes[1].seed);
}

TEST(InputClasses, MistakesAreReportedWithTheirLine) {
  QStringList errors;
  script::ClassNames("class a\nclass a\nclass\n", errors);
  EXPECT_EQ(errors, QStringList({"line 2: class a is named twice", "line 3: usage: class NAME"}));
  EXPECT_EQ(ExpandInputs("class a\nrun\n", 1, {"b"}, {}).errors, QStringList({"no class b (the classes: a)"}));
  EXPECT_EQ(ExpandInputs("dialog E=${x}\nlet x = int 1 2\n", 1, {}, {}).errors,
            QStringList({"line 1: ${x} is not defined before this line"}));
  EXPECT_EQ(ExpandInputs("let = int 1 2\n", 1, {}, {}).errors, QStringList({"line 1: usage: let NAME = GENERATOR ARGS..."}));
  EXPECT_TRUE(ExpandInputs("# ${nothing} in a comment\nrun\n", 1, {}, {}).errors.isEmpty());
}

TEST(InputGenerators, OneRegisteredInOnePlaceIsUsedByName) {
  script::RegisterGenerator("twice", [](const QStringList& args, script::DrawContext&, QString&) {
    return args.value(0) + args.value(0);
  });
  EXPECT_EQ(Draw("twice ab"), "abab");
  EXPECT_TRUE(script::GeneratorNames().contains("twice"));
}
