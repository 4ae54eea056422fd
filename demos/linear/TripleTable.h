#pragma once
// Sparse matrices as triple tables: the row and column counts, the number of non-zero
// elements and one (i, j, v) triple per element in row-major order. Also the rules behind
// the matrix input: the values of a grid of cells, the keypad's text, the random filling.
#include <QString>
#include <array>
#include <functional>
#include <vector>

struct TTriple {
  int i = 0;
  int j = 0;
  int v = 0;
  friend bool operator==(const TTriple&, const TTriple&) = default;
};

struct TTripleTable {
  static constexpr int MaxTriples = 100;
  int mu = 0;
  int nu = 0;
  int tu = 0;
  std::array<TTriple, MaxTriples> data{};  // data[k - 1] is triple k

  const TTriple& At(int k) const { return data[static_cast<std::size_t>(k - 1)]; }
  TTriple& At(int k) { return data[static_cast<std::size_t>(k - 1)]; }
};

// Values of up to 10 x 10 cells, [row - 1][column - 1].
using TCellValues = std::array<std::array<int, 10>, 10>;

// The non-zero cells of the first m rows and n columns, row by row.
TTripleTable TableFromCells(const TCellValues& cells, int m, int n);
int CountNonZero(const TCellValues& cells, int m, int n);
// The most elements a matrix of m x n may have and still count as sparse.
inline int SparseLimit(int m, int n) { return m * n / 4 + 1; }

// The keypad's text after a change, the corrections applied in turn: an empty text or a
// lone "-" becomes "0"; a keystroke that leaves -limit .. limit is taken back; a leading
// zero goes ("05" becomes "5").
QString KeypadText(QString text, int limit);

// The random walk over an m x n matrix that fills it: steps of Random(n) + 1 cells from the
// first, a value Random(2 * range + 1) - range at each, until the end of the matrix or
// SparseLimit(m, n) values. place(row, column, value) is told of each; answers the count.
int RandomWalk(int m, int n, int range, const std::function<void(int row, int col, int v)>& place);

// rpos of a table: rpos[r] (r = 1 .. mu + 1, here index r - 1) is the index of the first
// triple of row r; the last is tu + 1.
std::vector<int> RowStarts(const TTripleTable& table);

// The partial sums CountUp shows while delta is added: steps of delta div 20 (at least one
// unit), the last one cut to delta.
std::vector<int> CountUpSteps(int delta);

// A matrix as plain cells, for the product view.
struct TDenseMatrix {
  int mu = 0;
  int nu = 0;
  TCellValues cells{};
  int& Cell(int i, int j) { return cells[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)]; }
  int Cell(int i, int j) const { return cells[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)]; }
};
