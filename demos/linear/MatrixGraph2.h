#pragma once
// The view of the sparse-matrix multiplication: M, N and the product Q as ordinary
// matrices side by side in brackets, the element of M in use, the row of N being scanned
// and the row of Q being accumulated highlighted; an accumulator counts up as a product is
// added to it.
#include <array>

#include "demos/linear/TripleTable.h"
#include "framework/drawkit/GraphForm.h"
#include "platform/Color.h"

// Cell size and the matrices' top-left cells (column, row) in a window of a given size.
struct TProductLayout {
  int CellW = 0;
  int CellH = 0;
  int R = 0;  // the most rows of M and N
  std::array<int, 6> Org{};  // column and row of M, of N and of Q

  static TProductLayout Compute(int width, int height, const TDenseMatrix& m, const TDenseMatrix& n,
                                const TDenseMatrix& q);
};

class TMatrixGraph2Form : public TGraphForm {
 public:
  explicit TMatrixGraph2Form(QWidget* parent = nullptr);

  int P = 0;
  int Q = 0;
  int MRow = 0;
  int QRow = 0;
  int CCol = 0;
  int NRow = 0;
  int CellH = 0;
  int CellW = 0;
  std::array<int, 6> Org{};
  bool ShowQ = false;
  std::array<TColor, 10> RowColour{};
  std::array<TColor, 10> ColColour{};
  TDenseMatrix MDense;
  TDenseMatrix NDense;
  TDenseMatrix QDense;
  TTripleTable MTable;
  TTripleTable NTable;

  void ComputeOrigins();
  // The accumulator of Q's cell (row, column) counts up by delta on the window.
  void CountUp(int row, int column, int delta);
  // The whole picture, now.
  void FormPaint() override;

 protected:
  void FormResize() override;

 private:
  void DrawCellText(int column, int row, const QString& text, TColor fontColor, TColor backColor);
  void ClearCell(int column, int row, TColor color);
  void FillRowSpan(int firstColumn, int lastColumn, TColor color, int row);
  void DrawBrackets(const TDenseMatrix& m, int column, int row);
  void DrawFactor(const TDenseMatrix& m, int column, int row, int highlightRow, const TTriple* current);
  void DrawProduct();
  bool painting_ = false;
};
