#pragma once
// Articulation points of a connected undirected graph of at most 10 vertices: a depth-first
// search from vertex A numbering the vertices and settling their low values, shown in a
// table under the graph (visit numbers, low values, the order they were settled in, and
// the articulation points found).
#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "demos/graphs/Graph.h"
#include "platform/Color.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class Tartform;
class Ttablebase;

class TArtipoint : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit TArtipoint(const QStringList& source);
  ~TArtipoint() override;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;

  // Every vertex can be reached from vertex 1.
  static bool IsConnected(const TGraphm& graph);
  Tartform* Form() const { return form_.get(); }
  Ttablebase* Table() const;

  Q_INVOKABLE void ArtiPoint_Begin();
  Q_INVOKABLE void ArtiPoint_Findfirst();
  Q_INVOKABLE TData* ArtiPoint_C_Gotodfs1();
  Q_INVOKABLE void ArtiPoint_AfterGotodfs1();
  Q_INVOKABLE bool ArtiPoint_F_Numchild();
  Q_INVOKABLE void ArtiPoint_Findpoint();
  Q_INVOKABLE bool ArtiPoint_F_Notnil();
  Q_INVOKABLE void ArtiPoint_Findnext();
  Q_INVOKABLE bool ArtiPoint_F_Visited();
  Q_INVOKABLE TData* ArtiPoint_C_Gotodfs2();
  Q_INVOKABLE void ArtiPoint_AfterGotodfs2();
  Q_INVOKABLE void ArtiPoint_Rotate() {}
  Q_INVOKABLE void dfsarti_Begin();
  Q_INVOKABLE void dfsarti_Gotofirst();
  Q_INVOKABLE bool dfsarti_F_Notnil();
  Q_INVOKABLE void dfsarti_Gotoadj();
  Q_INVOKABLE bool dfsarti_F_Visited();
  Q_INVOKABLE TData* dfsarti_C_Gotodfs3();
  Q_INVOKABLE void dfsarti_AfterGotodfs3();
  Q_INVOKABLE void dfsarti_Setmin();
  Q_INVOKABLE bool dfsarti_F_lowbigger();
  Q_INVOKABLE void dfsarti_findpoint();
  Q_INVOKABLE void dfsarti_Else();
  Q_INVOKABLE void dfsarti_Setnext();
  Q_INVOKABLE void dfsarti_Setlow();

 // The colour of the low values settled at recursion depth d (1..10; deeper as 10).
  static TColor LevelColour(int depth);

 private:
  static constexpr int MaxDepth = 20;
  TData* CallDfs(int v);
  void Flash(const TEdge& edge);
  void PutBack(int u, int v);
  void CompleteRoot();
  void List(int v, TColor colour);
  void SetCell(int row, int column, int value, TColor colour);
  void SetVar(const char* name, int value);
  std::size_t D() const { return static_cast<std::size_t>(depth_); }

  // The table and the graph held to the search's arrays.
  void HoldPictureToRun();

  std::unique_ptr<TGraphm> graph_;
  // The search's arrays: visited[v] (the visit number, 0 before), low[v], the order low[v]
  // was settled in, and the articulation points in the order found; the table shows them.
  std::array<int, TGraphm::MaxVertices + 1> visited_{};
  std::array<int, TGraphm::MaxVertices + 1> low_{};
  std::array<int, TGraphm::MaxVertices + 1> settled_{};
  std::vector<int> points_;
  // What the graph's colours tell: the vertex worked on, the arc under examination (its
  // head flashing, both put back afterwards) and each vertex's parent in the search tree.
  int current_ = 0;
  std::pair<int, int> examined_{};
  TColor savedHeadColour_ = clBlack;
  std::array<int, TGraphm::MaxVertices + 1> parent_{};
  std::array<std::unique_ptr<TEdge>, MaxDepth + 1> edge_;
  int depth_ = 0;
  std::array<int, MaxDepth + 1> v0_{};
  std::array<int, MaxDepth + 1> w_{};
  std::array<int, MaxDepth + 1> min_{};
  int count_ = 0;
  int found_ = 0;
  int squlow_ = 0;
  std::array<bool, TGraphm::MaxVertices + 1> written_{};
  TColor savedArcColour_ = clBlack;
  std::unique_ptr<Tartform> form_;
};
