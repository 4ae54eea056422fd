#pragma once
// Graphs for the graph tests: built from arc lists and written as ".gra" files that the
// input window loads, as a user would.
#include <QString>
#include <QTemporaryDir>
#include <initializer_list>
#include <memory>
#include <tuple>

#include "demos/graphs/Graph.h"

// "AB 3": an arc (or edge) from A to B of weight 3.
struct Arc {
  char from;
  char to;
  int weight = 1;
};

inline std::unique_ptr<TGraphm> MakeGraph(int n, std::initializer_list<Arc> arcs, bool directed) {
  auto g = std::make_unique<TGraphm>(n);
  for (const Arc& a : arcs) {
    if (directed) {
      g->AddArc(a.from - 'A' + 1, a.to - 'A' + 1, a.weight);
    } else {
      g->AddEdge(a.from - 'A' + 1, a.to - 'A' + 1, a.weight);
    }
  }
  return g;
}

class GraphFiles {
 public:
  // A file holding the graph; its path.
  QString Write(const TGraphm& g) {
    const QString path = dir_.filePath(QStringLiteral("g%1.gra").arg(++count_));
    g.SaveToFile(path);
    return path;
  }

 private:
  QTemporaryDir dir_;
  int count_ = 0;
};
