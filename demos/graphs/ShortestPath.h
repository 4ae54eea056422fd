#pragma once
// Shortest paths: Dijkstra's from vertex A, and Floyd's between every pair, over a graph of
// at most 10 vertices of the kind the user chooses. Both show the graph, its adjacency
// matrix (entries flash as they are read), a log of distances and paths, and a status line;
// every new path flashes along the graph, and at the end each shortest path is drawn in a
// colour of its own.
#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "demos/graphs/Graph.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"
#include "platform/Color.h"

class TPathWindow;

// A path as the vertex numbers along it.
using TVertexPath = std::vector<int>;

// What both demonstrations share: the graph and its input, the window, and the drawing of
// paths on the graph.
class TShortestPathBase : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit TShortestPathBase(const QStringList& source);
  ~TShortestPathBase() override;

  bool CreateData() override;
  void SetWindowRect() override;

  TPathWindow* Window() const { return window_.get(); }

  // Three rounds of the path's vertices and arcs lit up, then put back.
  void FlashEdge(const TVertexPath& path);
  // The path drawn in the colour of end vertex v; the colours stay until the next reset.
  void ShowEdge(const TVertexPath& path, int v);
  // RGB(60v, 80v, 255 - 30v) for v up to 3, a colour of its own for each further v.
  static TColor PathColour(int v);
  // The letters of a path joined by separator ("A-->B").
  static QString PathText(const TVertexPath& path, const QString& separator);

 protected:
  // Every vertex unmarked and coloured, every arc black.
  void RecolourGraph();
  void Log(const QString& line);
  // Matrix entry (r, c) red for half a second.
  void FlashEntry(int r, int c);
  void SetVar(const char* name, int value);

  // The arc from tail to head (in an undirected graph the edge) in colour.
  void ColourArc(int tail, int head, TColor colour);
  // The arc whose cost a step has just read, lit until the next step puts it back (read_,
  // {0, 0} for none), and the graph's arcs held to it.
  void ReadArc(int tail, int head, bool on);
  void HoldArcsToRun();
  std::pair<int, int> read_{};

  std::unique_ptr<TGraphm> graph_;
  std::unique_ptr<TPathWindow> window_;
};

class TShortestPathDIJ : public TShortestPathBase {
  Q_OBJECT
 public:
  explicit TShortestPathDIJ(const QStringList& source);

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetInitialParam() override;
  void Reset() override;

  Q_INVOKABLE bool ShortestPathDIJ_F_Begin();
  Q_INVOKABLE void ShortestPathDIJ_SetDist();
  Q_INVOKABLE bool ShortestPathDIJ_F_IsDistLMax();
  Q_INVOKABLE void ShortestPathDIJ_SetPath();
  Q_INVOKABLE void ShortestPathDIJ_nilTopath();
  Q_INVOKABLE void ShortestPathDIJ_v0Tos();
  Q_INVOKABLE bool ShortestPathDIJ_F_Loop2();
  Q_INVOKABLE void ShortestPathDIJ_Loop2Init();
  Q_INVOKABLE bool ShortestPathDIJ_F_Loop3();
  Q_INVOKABLE bool ShortestPathDIJ_F_NotiIns();
  Q_INVOKABLE void ShortestPathDIJ_SetJ();
  Q_INVOKABLE void ShortestPathDIJ_AppendS();
  Q_INVOKABLE bool ShortestPathDIJ_F_Loop4();
  Q_INVOKABLE bool ShortestPathDIJ_F_NotiInsL();
  Q_INVOKABLE void ShortestPathDIJ_SetDistPath();
  Q_INVOKABLE void ShortestPathDIJ_End();

 private:
  static std::size_t At(int v) { return static_cast<std::size_t>(v); }
  void ShowDistance(int v);
  void SetPathItem(int v, const QString& text);
  QString PathItem(int v) const;

  std::array<int, TGraphm::MaxVertices + 2> dist_{};
  std::array<TVertexPath, TGraphm::MaxVertices + 2> path_{};
  std::array<bool, TGraphm::MaxVertices + 2> inS_{};
  // The vertices put into s, in order (the status line lists them).
  std::vector<int> sOrder_;
  int i_ = 0;
  int j_ = 0;
  int k_ = 0;
  int wm_ = 0;
};

class TShortestPathFloy : public TShortestPathBase {
  Q_OBJECT
 public:
  explicit TShortestPathFloy(const QStringList& source);

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetInitialParam() override;
  void Reset() override;

  Q_INVOKABLE bool ShortestPathFloy_F_Begin();
  Q_INVOKABLE bool ShortestPathFloy_F_Loop11();
  Q_INVOKABLE void ShortestPathFloy_SetDist();
  Q_INVOKABLE bool ShortestPathFloy_F_IsDistLMax();
  Q_INVOKABLE void ShortestPathFloy_SetPath();
  Q_INVOKABLE void ShortestPathFloy_nilTopath();
  Q_INVOKABLE bool ShortestPathFloy_F_Loop2();
  Q_INVOKABLE bool ShortestPathFloy_F_Loop21();
  Q_INVOKABLE bool ShortestPathFloy_F_Loop22();
  Q_INVOKABLE bool ShortestPathFloy_F_NotiInsL();
  Q_INVOKABLE void ShortestPathFloy_SetDist2();
  Q_INVOKABLE void ShortestPathFloy_SetDistPath2();
  Q_INVOKABLE void ShortestPathFloy_End();

  // The distance and the path found so far from a to b (1..n each).
  int Distance(int a, int b) const { return dist_[At(a)][At(b)]; }
  const TVertexPath& Path(int a, int b) const { return path_[At(a)][At(b)]; }

 private:
  static std::size_t At(int v) { return static_cast<std::size_t>(v); }
  void NewPath(const TVertexPath& path);

  std::array<std::array<int, TGraphm::MaxVertices + 2>, TGraphm::MaxVertices + 2> dist_{};
  std::array<std::array<TVertexPath, TGraphm::MaxVertices + 2>, TGraphm::MaxVertices + 2> path_{};
  // The path the status line shows: the last one found (kept across runs, as the line is).
  std::optional<TVertexPath> current_;
  int i_ = 0;
  int j_ = 0;
  int k_ = 0;
};
