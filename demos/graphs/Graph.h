#pragma once
// The graph of every graph demonstration: at most 20 vertices numbered from 1, an adjacency
// matrix of weights (0 = no arc) and one value per vertex (the visited mark). Iteration
// hands out arc handles the caller owns. The ".gra" file holds n, e, the matrix row by row
// and the vertex values, each a 32-bit little-endian integer.
#include <QByteArray>
#include <QString>
#include <array>
#include <memory>

#include "framework/engine/Errors.h"

class TEdge {
 public:
  TEdge(int tail, int head) : Tail(tail), Head(head) {}
  int Tail;
  int Head;
};

// A ".gra" file that could not be read or written; the message says why for the user.
class EGraphFileError : public Exception {
 public:
  using Exception::Exception;
};

class TGraphm {
 public:
  static constexpr int MaxVertices = 20;
  static constexpr int MaxWeight = 999;
  // What every demonstration reads as "no arc" for distances and costs.
  static constexpr int Infinity = 65535;

  explicit TGraphm(int n);

  int VertexCount() const { return n_; }
  int ArcCount() const { return e_; }

  // The arcs leaving v (heads increasing) and entering v (tails increasing); nullptr at
  // the end.
  std::unique_ptr<TEdge> FirstAdj(int v) const;
  std::unique_ptr<TEdge> NextAdj(const TEdge& edge) const;
  std::unique_ptr<TEdge> FirstIn(int v) const;
  std::unique_ptr<TEdge> NextIn(const TEdge& edge) const;

  bool IsArc(int v, int w) const { return At(v, w) != 0; }
  int Entry(int v, int w) const { return At(v, w); }
  int EdgeWeight(const TEdge& edge) const { return Weight(edge.Tail, edge.Head); }
  int Weight(int v, int w) const { return At(v, w) == 0 ? Infinity : At(v, w); }
  // A weight of 0 stores nothing; an existing arc takes the new weight without counting.
  void AddArc(int v, int w, int weight);
  // Both directions: a new edge adds 2 to the arc count, a loop 1.
  void AddEdge(int v, int w, int weight);
  int OutDegree(int v) const;
  // How many vertices are joined to themselves.
  int Loops() const;
  // Why the matrix cannot stand for an undirected graph, in words: the first pair of vertices
  // whose two directions differ (an arc one way only or, where weights count, two weights);
  // empty when every edge reads the same both ways.
  QString Asymmetry(bool weighted) const;

  void SetVData(int i, int value) { vdata_[Index(i)] = value; }
  void SetVDataOne(int i) { SetVData(i, 1); }
  void ClearVData(int i) { SetVData(i, 0); }
  int GetVData(int i) const { return vdata_[Index(i)]; }
  bool VDataIsOne(int i) const { return GetVData(i) == 1; }

  QByteArray ToBytes() const;
  // A graph from the bytes of a ".gra" file; a file of only n and e gives n vertices
  // without arcs. A file of another wrong length, with n outside 0..20, a weight outside
  // 0..999 or an arc count that disagrees with the matrix throws EGraphFileError.
  static std::unique_ptr<TGraphm> FromBytes(const QByteArray& bytes);
  // Writes a temporary file and renames it over fileName: a failed save keeps the old file.
  void SaveToFile(const QString& fileName) const;
  static std::unique_ptr<TGraphm> LoadFromFile(const QString& fileName);

  friend bool operator==(const TGraphm&, const TGraphm&) = default;

 private:
  // Vertex numbers outside 1..20 raise the range error.
  static std::size_t Index(int i);
  int At(int v, int w) const { return adj_[Index(v)][Index(w)]; }

  int n_ = 0;
  int e_ = 0;
  std::array<std::array<int, MaxVertices + 1>, MaxVertices + 1> adj_{};
  std::array<int, MaxVertices + 1> vdata_{};
};

// The letter a window shows for vertex v ("A" for 1).
inline QString VertexLetter(int v) { return QString(QChar(64 + v)); }
