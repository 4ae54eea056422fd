#pragma once
// A drawn table of six titled rows ("VexNum", "Vexdata", "Visited", "Low", "Squlow",
// "Artpoint") and one column per vertex, in which the articulation-point demonstration
// writes its arrays cell by cell. A cell holding 0 shows nothing.
#include <array>
#include <functional>

#include "framework/drawkit/NodeContainer.h"

class Ttablebase : public TNodeContainer {
 public:
  static constexpr int Rows = 6;
  static constexpr int MaxColumns = 20;

  explicit Ttablebase(QWidget* parent = nullptr);

  int totalnumber() const { return total_; }
  // 0 .. 20; another value is ignored.
  void SetTotalnumber(int n);
  TColor groundcolor = clBtnFace;
  TColor VisitedColor = clBlack;

  // 0 for a row or column outside the table.
  int GetCell(int row, int column) const;
  void SetCell(int row, int column, int value);
  // Kind 1..3: the colours of rows 3, 4 and 5 per column; white for another kind.
  TColor GetColour(int kind, int column) const;
  void SetColour(int kind, int column, TColor colour);
  // Rows 2 to 5 emptied for every column.
  void ClearValues();
  // The text cell (row, column) shows ("" for 0).
  QString CellText(int row, int column) const;
  // Rows 2 to 5 in words, "Visited 1 2 3 | Low 1 1 2 | Squlow 3 2 1 | Artpoint B" (also
  // the control's accessible description).
  QString Summary() const;

  void AfterRescale() override { Invalidate(); }
  QString DrawingText() const override { return Summary(); }
  // Where the cells stand at the present size: the titles' column, the value columns beside
  // it, the rows' height, and the font of titles and values.
  struct TLayout {
    int TitleWidth = 0;
    int ColumnWidth = 0;
    int RowHeight = 0;
    TFont Font;
    QRect Cell(int row, int column) const {
      return {TitleWidth + ColumnWidth * (column - 1), RowHeight * row, ColumnWidth, RowHeight};
    }
  };
  TLayout Layout() const;
  // Every value cell (each row, each column) a cell showing its text, standing for what
  // CellMeans says of rows 2 to 5 (the demonstration's arrays).
  std::vector<TDrawnShape> DrawingShapes() const override;
  std::function<TValueMeaning(int row, int column)> CellMeans;

 protected:
  void Paint() override;

 private:
  static bool Inside(int row, int column);
  void Changed();
  int total_ = 0;
  std::array<std::array<int, MaxColumns + 1>, Rows> cells_{};
  std::array<std::array<TColor, MaxColumns + 1>, 4> colours_{};
};
