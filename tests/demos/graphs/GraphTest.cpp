#include "demos/graphs/Graph.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

QByteArray Ints(std::initializer_list<int> values) {
  QByteArray bytes;
  for (int v : values) {
    char raw[4];
    qToLittleEndian<qint32>(v, raw);
    bytes.append(raw, 4);
  }
  return bytes;
}

}  // namespace

TEST(GraphModel, ArcsAndEdgesCountAsTheFileStoresThem) {
  TGraphm g(5);
  g.AddEdge(2, 5, 7);
  EXPECT_EQ(g.ArcCount(), 2);
  EXPECT_EQ(g.Entry(2, 5), 7);
  EXPECT_EQ(g.Entry(5, 2), 7);
  g.AddEdge(3, 3, 1);
  EXPECT_EQ(g.ArcCount(), 3) << "a loop counts once";
  g.AddArc(2, 5, 9);
  EXPECT_EQ(g.ArcCount(), 3) << "a new weight for an existing arc does not count again";
  EXPECT_EQ(g.Weight(2, 5), 9);
  g.AddArc(1, 2, 0);
  EXPECT_EQ(g.ArcCount(), 3) << "weight 0 stores nothing";
  EXPECT_EQ(g.Weight(1, 2), TGraphm::Infinity);
  EXPECT_EQ(g.Entry(1, 2), 0);
  EXPECT_THROW(g.AddArc(21, 1, 1), ERangeError);
}

TEST(GraphModel, IterationGoesInIncreasingVertexOrder) {
  TGraphm g(4);
  g.AddArc(1, 4, 1);
  g.AddArc(1, 2, 1);
  g.AddArc(3, 2, 1);
  g.AddArc(4, 2, 1);
  std::vector<int> heads;
  for (auto e = g.FirstAdj(1); e; e = g.NextAdj(*e)) heads.push_back(e->Head);
  EXPECT_EQ(heads, (std::vector<int>{2, 4}));
  std::vector<int> tails;
  for (auto e = g.FirstIn(2); e; e = g.NextIn(*e)) tails.push_back(e->Tail);
  EXPECT_EQ(tails, (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(g.FirstAdj(2), nullptr);
  EXPECT_EQ(TGraphm(0).FirstAdj(1), nullptr);
}

TEST(GraphFile, SavesRowByRowAndLoadsBackEqual) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("three.gra"));
  TGraphm g(3);
  g.AddArc(1, 2, 5);
  g.AddArc(3, 1, 999);
  g.SetVData(2, 1);
  g.SaveToFile(path);
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), Ints({3, 2, 0, 5, 0, 0, 0, 0, 999, 0, 0, 0, 1, 0}));
  EXPECT_EQ(*TGraphm::LoadFromFile(path), g);
  EXPECT_EQ(TGraphm(0).ToBytes().size(), 8);
}

TEST(GraphFile, RefusesFilesThatAreNotGraphs) {
  const auto refused = [](const QByteArray& bytes) {
    try {
      TGraphm::FromBytes(bytes);
    } catch (const EGraphFileError& e) {
      return e.Message();
    }
    return QString();
  };
  EXPECT_FALSE(refused(Ints({2, 1, 0, 3, 0})).isEmpty()) << "truncated";
  EXPECT_FALSE(refused(Ints({2, 1, 0, 3, 0, 0, 0, 0, 0})).isEmpty()) << "longer than n asks";
  EXPECT_FALSE(refused(Ints({1, 0, 0})).isEmpty()) << "n, e and part of the matrix";
  EXPECT_FALSE(refused(Ints({21, 0})).isEmpty()) << "n and e only, n too large";
  QByteArray big = Ints({21, 0});
  big.append(QByteArray(4 * (21 * 21 + 21), '\0'));
  EXPECT_TRUE(refused(big).contains(QStringLiteral("21"))) << "more than 20 vertices";
  EXPECT_FALSE(refused(Ints({2, 2, 0, 3, 0, 0, 0, 0})).isEmpty()) << "e disagrees with the matrix";
  EXPECT_FALSE(refused(Ints({2, 1, 0, 1000, 0, 0, 0, 0})).isEmpty()) << "weight above 999";
  EXPECT_FALSE(refused(Ints({2, 1, 0, -4, 0, 0, 0, 0})).isEmpty()) << "negative weight";
  EXPECT_FALSE(refused(Ints({-1, 0})).isEmpty());
  EXPECT_TRUE(refused(Ints({0, 0})).isEmpty()) << "an empty graph is a graph";
}

// A file that stops after n and e is n vertices and nothing else, whatever e says.
TEST(GraphFile, CountsAloneGiveVerticesWithoutArcs) {
  for (const int n : {0, 1, 4, 20}) {
    for (const int e : {0, 3}) {
      const auto g = TGraphm::FromBytes(Ints({n, e}));
      EXPECT_EQ(*g, TGraphm(n)) << n << " vertices, stored arc count " << e;
    }
  }
  EXPECT_EQ(TGraphm::FromBytes(Ints({4, 0}))->ArcCount(), 0);
}

TEST(GraphFile, FailuresToReadOrWriteAreReported) {
  QTemporaryDir dir;
  // A folder that does not exist: nothing can be written there.
  EXPECT_THROW(TGraphm(3).SaveToFile(dir.filePath(QStringLiteral("none/x.gra"))), EGraphFileError);
  EXPECT_THROW(TGraphm::LoadFromFile(dir.filePath(QStringLiteral("missing.gra"))), EGraphFileError);
}
