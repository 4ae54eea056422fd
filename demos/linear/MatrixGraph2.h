#pragma once
// The view of the sparse-matrix multiplication: M, N and the product Q as ordinary
// matrices side by side in brackets, the element of M in use, the row of N being scanned
// and the row of Q being accumulated highlighted; an accumulator counts up as a product is
// added to it.
#include <array>
#include <functional>
#include <optional>

#include "demos/linear/TripleTable.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitControl.h"
#include "platform/Color.h"

// Cell size and the matrices' top-left cells (column, row) in a window of a given size. A
// narrow empty column parts M from N, so that their brackets stand apart, and narrower ones
// keep the brackets off the window's edges; the equals sign takes a whole cell. Q's cells may
// be wider (qWidth cells each), for its sums hold longer numbers than M and N.
struct TProductLayout {
  int CellW = 0;
  int CellH = 0;
  int QCellW = 0;
  int Margin = 0;   // the empty column at either edge
  int Parting = 0;  // the empty column between M and N
  int R = 0;  // the most rows of M and N
  std::array<int, 6> Org{};  // column and row of M, of N and of Q
  int EqualsColumn = 0;

  static TProductLayout Compute(int width, int height, const TDenseMatrix& m, const TDenseMatrix& n,
                                const TDenseMatrix& q, double qWidth = 1);
  // Left edge and width of a column (column 0 and the one after M are the empty ones).
  int X(int column) const;
  int Width(int column) const;
};

class TMatrixGraph2Form : public TGraphForm, public TKitControl {
 public:
  explicit TMatrixGraph2Form(QWidget* parent = nullptr);

  int P = 0;
  int Q = 0;
  int MRow = 0;
  int QRow = 0;
  int CCol = 0;
  int NRow = 0;
  std::array<int, 6> Org{};
  bool ShowQ = false;
  std::array<TColor, 10> RowColour{};
  std::array<TColor, 10> ColColour{};
  TDenseMatrix MDense;
  TDenseMatrix NDense;
  TDenseMatrix QDense;
  TTripleTable MTable;
  TTripleTable NTable;
  // The value of the algorithm that cell (i, j) of M (0), N (1) or Q (2) stands for, read from
  // its records; nothing: the cell is held to nothing.
  std::function<std::optional<int>(int matrix, int i, int j)> CellStandsFor;

  void ComputeOrigins();
  // The accumulator of Q's cell (row, column) counts up by delta on the window.
  void CountUp(int row, int column, int delta);
  // The whole picture, now.
  void FormPaint() override;
  // The matrices as they can be read, row by row: "M [0 43; 0 -55] N [...] = Q [...]" (Q only
  // once shown, with the rows begun).
  QString DrawingText() const override;
  // The cells of M, N and of Q's rows shown, as nodes.
  std::vector<TDrawnShape> DrawingShapes() const override;

 protected:
  void FormResize() override;

 private:
  // The widest value matrix m shows, so that every cell of m fits it: for M and N the widest
  // of both (they share one size), for Q also every sum its cells pass while they count up.
  QString WidestValue(const TDenseMatrix& m) const;
  // The layout for the present size and values.
  TProductLayout Layout() const;
  // The font of a cell of column of matrix fit (nullptr: a letter or sign): the matrix's
  // widest value fits between its brackets.
  TFont CellFont(const TProductLayout& l, int column, const TDenseMatrix* fit) const;
  void DrawCellText(int column, int row, const QString& text, TColor fontColor, TColor backColor,
                    const TDenseMatrix* fit = nullptr);
  // What can be read of text in its cell of matrix fit: the characters clear of the cell's
  // edges and of a bracket there.
  QString ReadCell(const TProductLayout& l, int column, const QString& text, const TDenseMatrix& fit) const;
  QString ReadMatrix(const TProductLayout& l, const TDenseMatrix& m, int column, int rows) const;
  void ClearCell(int column, int row, TColor color, const TDenseMatrix* fit);
  void FillRowSpan(int firstColumn, int lastColumn, TColor color, int row);
  void DrawBrackets(const TDenseMatrix& m, int column, int row);
  void DrawFactor(const TDenseMatrix& m, int column, int row, int highlightRow, const TTriple* current);
  void DrawProduct();
  bool painting_ = false;
  TProductLayout layout_;  // as last painted
  // The columns whose accumulator in Q's current row was last painted unseen.
  std::array<bool, 10> hidden_{};
};
