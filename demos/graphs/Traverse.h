#pragma once
// Breadth-first and depth-first traversal of a graph of at most 10 vertices, shown on the
// graph, on its adjacency lists and in the visiting order (and, breadth-first, the queue).
#include <array>
#include <memory>
#include <vector>

#include "demos/graphs/Graph.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

namespace traverb {
class TTraverform;
}
namespace traverd {
class TTraverform;
}

class TGraphP;
class TGraphList;

// What a walk has done so far, as its picture shows it: the vertices in the order visited,
// the vertex each was reached from (0: a start), and the arcs the walk has looked at.
struct TWalkRecord {
  std::vector<int> Order;
  std::array<int, TGraphm::MaxVertices + 1> From{};
  std::array<std::array<bool, TGraphm::MaxVertices + 1>, TGraphm::MaxVertices + 1> Examined{};
  void Clear() { *this = {}; }
  void Visit(int x, int from) {
    Order.push_back(x);
    From[static_cast<std::size_t>(x)] = from;
  }
  void Examine(int tail, int head) { Examined[static_cast<std::size_t>(tail)][static_cast<std::size_t>(head)] = true; }
  // The letters visited, each after sep: " A B C".
  QString Letters(const QString& sep) const;
};

// The input step both traversals share: the kind of graph, then the graph, which the
// window's panel and list then show.
struct TTraverWindowParts {
  TGraphP& panel;
  TGraphList& list;
};
bool AskTraversalGraph(std::unique_ptr<TGraphm>& graph, TTraverWindowParts window);

class TTraverGfs : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit TTraverGfs(const QStringList& source);
  ~TTraverGfs() override;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;

  traverb::TTraverform* Form() const { return form_.get(); }

  Q_INVOKABLE void TraverGfs_Begin() {}
  Q_INVOKABLE void TraverGfs_Rotate();
  Q_INVOKABLE bool TraverGfs_F_Judgedfs();
  Q_INVOKABLE void TraverGfs_VisitV();
  Q_INVOKABLE void TraverGfs_Enqueue();
  Q_INVOKABLE bool TraverGfs_F_WhileRotate();
  Q_INVOKABLE void TraverGfs_DEQUEUE();
  Q_INVOKABLE void TraverGfs_GotoFirst();
  Q_INVOKABLE bool TraverGfs_F_Whilenotw();
  Q_INVOKABLE bool TraverGfs_F_Notvisit();
  Q_INVOKABLE void TraverGfs_Visit();
  Q_INVOKABLE void TraverGfs_Enqueue2();
  Q_INVOKABLE void TraverGfs_Gotonext();
  Q_INVOKABLE bool TraverGfs_F_ToRotate();

 private:
  static constexpr int QueueSize = 15;
  void Visit(int x, int from);
  void Enqueue(int x);
  void TakeEdge(std::unique_ptr<TEdge> edge);

  std::unique_ptr<TGraphm> graph_;
  std::unique_ptr<TEdge> edge_;
  int counter_ = 0;
  std::array<int, QueueSize + 1> queue_{};
  int head_ = 1;
  int tail_ = 1;
  bool dequeued_ = false;
  TWalkRecord walk_;
  std::unique_ptr<traverb::TTraverform> form_;
};

class TTraverDfs : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit TTraverDfs(const QStringList& source);
  ~TTraverDfs() override;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetGlobalData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;

  traverd::TTraverform* Form() const { return form_.get(); }

  Q_INVOKABLE void TraverDfs_Begin() {}
  Q_INVOKABLE void TraverDfs_Rotate();
  Q_INVOKABLE bool TraverDfs_F_Judgedfs();
  Q_INVOKABLE TData* TraverDfs_C_Gotodfs();
  Q_INVOKABLE void TraverDfs_AfterGotodfs() {}
  Q_INVOKABLE bool TraverDfs_F_ToRotate();
  Q_INVOKABLE void dfs_Begin();
  Q_INVOKABLE void dfs_ToFirst();
  Q_INVOKABLE bool dfs_F_Rotate();
  Q_INVOKABLE bool dfs_F_Judgevisit();
  Q_INVOKABLE TData* dfs_C_Gotodfs();
  Q_INVOKABLE void dfs_AfterGotodfs();
  Q_INVOKABLE void dfs_ToNext();

 private:
  static constexpr int MaxDepth = 15;
  TData* DfsArgs(int v0);
  void TakeEdge(std::unique_ptr<TEdge> edge);

  std::unique_ptr<TGraphm> graph_;
  std::unique_ptr<TEdge> edge_;
  int counter_ = 0;
  int depth_ = 0;
  std::array<int, MaxDepth + 1> v0_{};
  std::array<int, MaxDepth + 1> w_{};
  TWalkRecord walk_;
  std::unique_ptr<traverd::TTraverform> form_;
};
