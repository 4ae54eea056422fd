#pragma once
// Owner-drawn grids: columns and rows of cells, fixed rows and columns at the top and left,
// a current cell chosen by mouse and keyboard, scrolling by whole rows and columns.
// Cells are painted through a TCanvas into the viewport's backing image; cell rectangles
// are in viewport coordinates and exclude the grid line on their right and bottom.
#include <QAbstractScrollArea>
#include <QImage>
#include <QRegion>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Input.h"

class QScrollBar;

enum TGridDrawFlag : unsigned { gdSelected = 1, gdFocused = 2, gdFixed = 4 };
using TGridDrawState = unsigned;

enum TGridOption : unsigned {
  goFixedVertLine = 1,
  goFixedHorzLine = 2,
  goVertLine = 4,
  goHorzLine = 8,
  goRangeSelect = 16,
  goDrawFocusSelected = 32,
  goRowSelect = 64,
  goThumbTracking = 128
};
using TGridOptions = unsigned;
constexpr TGridOptions kDefaultGridOptions =
    goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;

class TDrawGrid : public QAbstractScrollArea, public TMouseHandlers {
 public:
  explicit TDrawGrid(QWidget* parent = nullptr);
  ~TDrawGrid() override;

  int ColCount() const { return static_cast<int>(colWidths_.size()); }
  int RowCount() const { return static_cast<int>(rowHeights_.size()); }
  void SetColCount(int n);
  void SetRowCount(int n);
  int FixedCols() const { return fixedCols_; }
  int FixedRows() const { return fixedRows_; }
  void SetFixedCols(int n);
  void SetFixedRows(int n);
  int DefaultColWidth() const { return defaultColWidth_; }
  int DefaultRowHeight() const { return defaultRowHeight_; }
  // Setting a default size resets every column's (row's) size to it.
  void SetDefaultColWidth(int w);
  void SetDefaultRowHeight(int h);
  int ColWidths(int col) const;
  int RowHeights(int row) const;
  void SetColWidths(int col, int w);
  void SetRowHeights(int row, int h);
  int GridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(int w);
  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions o);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle s);

  // Colours: cells are filled with Color (fixed cells FixedColor) before drawing; Font is
  // the canvas font at every cell. DefaultDrawing also paints the selection and, in a
  // string grid, the cell text.
  TColor Color = clWindow;
  TColor FixedColor = clBtnFace;
  TFont Font;
  bool DefaultDrawing = true;

  // Current cell (never a fixed one). SetRow/SetCol/SetCell ask OnSelectCell first and
  // scroll the cell into view. Keys: arrows, PgUp/PgDn, Home/End (with Ctrl: first/last
  // row); OnKeyDown sees Qt key codes first and may set the key to 0 to drop it.
  int Row() const { return row_; }
  int Col() const { return col_; }
  void SetRow(int r) { SetCell(col_, r); }
  void SetCol(int c) { SetCell(c, row_); }
  void SetCell(int col, int row);

  // First scrollable row and column shown; visible counts of whole scrollable rows/columns.
  int TopRow() const { return topRow_; }
  int LeftCol() const { return leftCol_; }
  void SetTopRow(int r);
  void SetLeftCol(int c);
  int VisibleRowCount() const;
  int VisibleColCount() const;

  // Rectangle of a cell in viewport coordinates; empty when it is scrolled out of view.
  TRect CellRect(int col, int row) const;
  // The cell under a viewport point; false when there is none.
  bool MouseToCell(int x, int y, int& col, int& row) const;

  TCanvas& Canvas() { return canvas_; }
  // The viewport's size (the client area inside the scroll bars).
  int ClientWidth() const;
  int ClientHeight() const;
  // Paints the whole grid now (synchronously).
  void Repaint();
  // The whole grid, or one cell with its grid lines, is painted again at the next paint;
  // cells left alone keep what was painted.
  void Invalidate();
  void InvalidateCell(int col, int row);

  std::function<void(int col, int row, const TRect& rect, TGridDrawState state)> OnDrawCell;
  // Asked before the current cell changes; set canSelect false to refuse.
  std::function<void(int col, int row, bool& canSelect)> OnSelectCell;
  // OnClick also follows every change of the current cell by key.
  std::function<void()> OnTopLeftChanged;
  std::function<void(int& key, TShiftState)> OnKeyDown;

 protected:
  // Draws one cell, clipped to it, after its background and before the grid lines; the
  // draw grid calls OnDrawCell.
  virtual void DrawCell(int col, int row, const TRect& rect, TGridDrawState state);

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void Changed();  // layout changed: scroll bars and a full repaint
  void SelectionMoved(int oldCol, int oldRow);  // repaints the cells that show the selection
  void PaintGrid();
  // Paints again the cells (with their grid lines) that meet `area`, and the background
  // of `area` outside every cell.
  void PaintCells(const QRegion& area);
  void PaintCell(int col, int row, const TRect& r);
  // The cell and the grid lines to its right and below: the cells' tiles cover the grid.
  TRect CellTile(int col, int row, const TRect& r) const;
  void UpdateScrollBars();
  // An as-needed bar shown against its range, or hidden although its range wants it.
  static bool BarStale(const QScrollBar& bar, Qt::ScrollBarPolicy policy);
  int LineAfterCol(int col) const;
  int LineAfterRow(int row) const;
  int FixedWidth() const;
  int FixedHeight() const;
  std::optional<int> ColLeft(int col) const;
  std::optional<int> RowTop(int row) const;
  int RowsFitting(int from) const;
  int ColsFitting(int from) const;
  int MaxTopRow() const;
  int MaxLeftCol() const;
  void MoveTopLeft(int left, int top);
  void ScrollInView(int col, int row);
  bool TrySelect(int col, int row);

  std::vector<int> colWidths_ = std::vector<int>(5, 64);
  std::vector<int> rowHeights_ = std::vector<int>(5, 24);
  int fixedCols_ = 1;
  int fixedRows_ = 1;
  int defaultColWidth_ = 64;
  int defaultRowHeight_ = 24;
  int gridLineWidth_ = 1;
  TGridOptions options_ = kDefaultGridOptions;
  TScrollStyle scrollBars_ = ssBoth;
  int row_ = 1;
  int col_ = 1;
  int topRow_ = 1;
  int leftCol_ = 1;
  bool syncingBars_ = false;
  int resizeDepth_ = 0;  // resize events nested in one another (bars coming and going)
  bool needsPaint_ = true;  // the whole grid
  QRegion dirty_;            // cells to paint again, in viewport coordinates
  bool inPaint_ = false;
  QImage image_;
  TCanvas canvas_{&image_};
};

// A grid with a text in every cell. With DefaultDrawing the text is written 2 pixels right
// of the cell's left and 2 below its top, before OnDrawCell runs.
class TStringGrid : public TDrawGrid {
 public:
  explicit TStringGrid(QWidget* parent = nullptr);

  QString Cells(int col, int row) const;
  void SetCells(int col, int row, const QString& text);
  // Removes every text (the sizes stay).
  void ClearCells();

 protected:
  void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;

 private:
  std::vector<std::vector<QString>> cells_;  // [row][col], grown on demand
};
