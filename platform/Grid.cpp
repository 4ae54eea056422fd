#include "platform/Grid.h"

// Bodies being filled in.
TDrawGrid::TDrawGrid(QWidget* parent) : QAbstractScrollArea(parent) {}
void TDrawGrid::SetColCount(int n) { colWidths_.resize(std::max(0, n), defaultColWidth_); }
void TDrawGrid::SetRowCount(int n) { rowHeights_.resize(std::max(0, n), defaultRowHeight_); }
void TDrawGrid::SetFixedCols(int n) { fixedCols_ = n; }
void TDrawGrid::SetFixedRows(int n) { fixedRows_ = n; }
void TDrawGrid::SetDefaultColWidth(int w) { defaultColWidth_ = w; }
void TDrawGrid::SetDefaultRowHeight(int h) { defaultRowHeight_ = h; }
int TDrawGrid::ColWidths(int col) const { return colWidths_.at(col); }
int TDrawGrid::RowHeights(int row) const { return rowHeights_.at(row); }
void TDrawGrid::SetColWidths(int col, int w) { colWidths_.at(col) = w; }
void TDrawGrid::SetRowHeights(int row, int h) { rowHeights_.at(row) = h; }
void TDrawGrid::SetGridLineWidth(int w) { gridLineWidth_ = w; }
void TDrawGrid::SetOptions(TGridOptions o) { options_ = o; }
void TDrawGrid::SetScrollBars(TScrollStyle s) { scrollBars_ = s; }
void TDrawGrid::SetCell(int col, int row) { col_ = col; row_ = row; }
void TDrawGrid::SetTopRow(int r) { topRow_ = r; }
void TDrawGrid::SetLeftCol(int c) { leftCol_ = c; }
int TDrawGrid::VisibleRowCount() const { return 0; }
int TDrawGrid::VisibleColCount() const { return 0; }
TRect TDrawGrid::CellRect(int, int) const { return {}; }
bool TDrawGrid::MouseToCell(int, int, int&, int&) const { return false; }
int TDrawGrid::ClientWidth() const { return viewport()->width(); }
int TDrawGrid::ClientHeight() const { return viewport()->height(); }
void TDrawGrid::Repaint() {}
void TDrawGrid::Invalidate() {}
void TDrawGrid::InvalidateCell(int, int) {}
void TDrawGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
  if (OnDrawCell) OnDrawCell(col, row, rect, state);
}
void TDrawGrid::paintEvent(QPaintEvent*) {}
void TDrawGrid::resizeEvent(QResizeEvent*) {}
void TDrawGrid::scrollContentsBy(int, int) {}
void TDrawGrid::keyPressEvent(QKeyEvent*) {}
void TDrawGrid::mousePressEvent(QMouseEvent*) {}
void TDrawGrid::mouseMoveEvent(QMouseEvent*) {}
void TDrawGrid::mouseReleaseEvent(QMouseEvent*) {}
void TDrawGrid::mouseDoubleClickEvent(QMouseEvent*) {}
bool TDrawGrid::viewportEvent(QEvent* e) { return QAbstractScrollArea::viewportEvent(e); }
void TDrawGrid::PaintGrid() {}
void TDrawGrid::UpdateScrollBars() {}
int TDrawGrid::MaxTopRow() const { return 0; }
int TDrawGrid::MaxLeftCol() const { return 0; }
void TDrawGrid::ScrollInView(int, int) {}
bool TDrawGrid::TrySelect(int, int) { return true; }
TStringGrid::TStringGrid(QWidget* parent) : TDrawGrid(parent) {}
QString TStringGrid::Cells(int, int) const { return {}; }
void TStringGrid::SetCells(int, int, const QString&) {}
void TStringGrid::ClearCells() { cells_.clear(); }
void TStringGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
  TDrawGrid::DrawCell(col, row, rect, state);
}
