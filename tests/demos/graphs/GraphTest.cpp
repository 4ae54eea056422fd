#include "demos/graphs/Graph.h"
#include "demos/graphs/StrongComp.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <array>
#include <cmath>

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

namespace {
// CIE L*a*b* of an sRGB colour (D65), for telling colours apart as an eye does.
std::array<double, 3> Lab(TColor c) {
  const auto lin = [](int v) {
    const double x = v / 255.0;
    return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
  };
  const double r = lin(GetRValue(c)), g = lin(GetGValue(c)), b = lin(GetBValue(c));
  const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
  const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
  const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
  const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
  return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}
double Apart(TColor p, TColor q) {
  const auto a = Lab(p), b = Lab(q);
  return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}
}  // namespace

// Ten components, ten colours a class tells apart on a projector: far from one another, from
// the cream of an unvisited vertex, the red of a flash and the panel's blue; black letters
// stay readable on each.
TEST(StrongCompColours, TenComponentsLookDifferent) {
  const std::array<TColor, 3> others{RGB(255, 255, 200), RGB(255, 0, 0), RGB(150, 150, 250)};
  for (int i = 1; i <= 10; ++i) {
    const TColor c = TStrongComp::ComponentColour(i);
    for (int j = 1; j < i; ++j) EXPECT_GE(Apart(c, TStrongComp::ComponentColour(j)), 25) << i << " and " << j;
    for (const TColor o : others) EXPECT_GE(Apart(c, o), 25) << i;
    EXPECT_GE(Lab(c)[0], 50) << i << " is too dark for its letter";
  }
}
