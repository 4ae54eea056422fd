#include "platform/Grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/PaintRecord.h"

TDrawGrid::TDrawGrid(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setAttribute(Qt::WA_NoSystemBackground);
  viewport()->setMouseTracking(true);
  canvas_.OnChange = [this](const QRect& r) {
    if (!inPaint_) viewport()->update(r);
  };
  UpdateScrollBars();
  paintrecord::ShowOn(&image_, viewport());
}

TDrawGrid::~TDrawGrid() { paintrecord::Forget(&image_); }

// ---- sizes -------------------------------------------------------------------------------

void TDrawGrid::SetColCount(int n) {
  n = std::max(0, n);
  if (n == ColCount()) return;
  colWidths_.resize(static_cast<size_t>(n), defaultColWidth_);
  fixedCols_ = std::min(fixedCols_, std::max(0, n - 1));
  col_ = std::clamp(col_, fixedCols_, std::max(fixedCols_, n - 1));
  leftCol_ = std::clamp(leftCol_, fixedCols_, std::max(fixedCols_, MaxLeftCol()));
  Changed();
}

void TDrawGrid::SetRowCount(int n) {
  n = std::max(0, n);
  if (n == RowCount()) return;
  rowHeights_.resize(static_cast<size_t>(n), defaultRowHeight_);
  fixedRows_ = std::min(fixedRows_, std::max(0, n - 1));
  row_ = std::clamp(row_, fixedRows_, std::max(fixedRows_, n - 1));
  topRow_ = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, MaxTopRow()));
  Changed();
}

void TDrawGrid::SetFixedCols(int n) {
  n = std::clamp(n, 0, std::max(0, ColCount() - 1));
  if (n == fixedCols_) return;
  // A new count of fixed columns starts the grid again at its first scrolling column, as
  // the class library does: the columns that stopped being fixed are shown, not left of view.
  fixedCols_ = n;
  col_ = leftCol_ = fixedCols_;
  Changed();
}

void TDrawGrid::SetFixedRows(int n) {
  n = std::clamp(n, 0, std::max(0, RowCount() - 1));
  if (n == fixedRows_) return;
  fixedRows_ = n;
  row_ = topRow_ = fixedRows_;
  Changed();
}

void TDrawGrid::SetDefaultColWidth(int w) {
  defaultColWidth_ = std::max(0, w);
  std::fill(colWidths_.begin(), colWidths_.end(), defaultColWidth_);
  Changed();
}

void TDrawGrid::SetDefaultRowHeight(int h) {
  defaultRowHeight_ = std::max(0, h);
  std::fill(rowHeights_.begin(), rowHeights_.end(), defaultRowHeight_);
  Changed();
}

int TDrawGrid::ColWidths(int col) const {
  return col >= 0 && col < ColCount() ? colWidths_[static_cast<size_t>(col)] : 0;
}

int TDrawGrid::RowHeights(int row) const {
  return row >= 0 && row < RowCount() ? rowHeights_[static_cast<size_t>(row)] : 0;
}

void TDrawGrid::SetColWidths(int col, int w) {
  if (col < 0 || col >= ColCount() || colWidths_[static_cast<size_t>(col)] == std::max(0, w)) return;
  colWidths_[static_cast<size_t>(col)] = std::max(0, w);
  Changed();
}

void TDrawGrid::SetRowHeights(int row, int h) {
  if (row < 0 || row >= RowCount() || rowHeights_[static_cast<size_t>(row)] == std::max(0, h)) return;
  rowHeights_[static_cast<size_t>(row)] = std::max(0, h);
  Changed();
}

void TDrawGrid::SetGridLineWidth(int w) {
  gridLineWidth_ = std::max(0, w);
  Changed();
}

void TDrawGrid::SetOptions(TGridOptions o) {
  options_ = o;
  Changed();
}

void TDrawGrid::SetScrollBars(TScrollStyle s) {
  if (s == scrollBars_) return;
  scrollBars_ = s;
  Changed();
}

int TDrawGrid::ClientWidth() const { return viewport()->width(); }
int TDrawGrid::ClientHeight() const { return viewport()->height(); }

// ---- geometry ----------------------------------------------------------------------------

int TDrawGrid::LineAfterCol(int col) const {
  const bool on = col < fixedCols_ ? (options_ & goFixedVertLine) : (options_ & goVertLine);
  return on ? gridLineWidth_ : 0;
}

int TDrawGrid::LineAfterRow(int row) const {
  const bool on = row < fixedRows_ ? (options_ & goFixedHorzLine) : (options_ & goHorzLine);
  return on ? gridLineWidth_ : 0;
}

int TDrawGrid::FixedWidth() const {
  int w = 0;
  for (int c = 0; c < fixedCols_ && c < ColCount(); ++c) w += ColWidths(c) + LineAfterCol(c);
  return w;
}

int TDrawGrid::FixedHeight() const {
  int h = 0;
  for (int r = 0; r < fixedRows_ && r < RowCount(); ++r) h += RowHeights(r) + LineAfterRow(r);
  return h;
}

// Left edge of a column in viewport coordinates, or nothing when it is scrolled away.
std::optional<int> TDrawGrid::ColLeft(int col) const {
  if (col < 0 || col >= ColCount()) return std::nullopt;
  int x = 0;
  if (col < fixedCols_) {
    for (int c = 0; c < col; ++c) x += ColWidths(c) + LineAfterCol(c);
    return x;
  }
  if (col < leftCol_) return std::nullopt;
  x = FixedWidth();
  for (int c = leftCol_; c < col; ++c) {
    x += ColWidths(c) + LineAfterCol(c);
    if (x >= ClientWidth()) return std::nullopt;
  }
  return x < ClientWidth() ? std::optional<int>(x) : std::nullopt;
}

std::optional<int> TDrawGrid::RowTop(int row) const {
  if (row < 0 || row >= RowCount()) return std::nullopt;
  int y = 0;
  if (row < fixedRows_) {
    for (int r = 0; r < row; ++r) y += RowHeights(r) + LineAfterRow(r);
    return y;
  }
  if (row < topRow_) return std::nullopt;
  y = FixedHeight();
  for (int r = topRow_; r < row; ++r) {
    y += RowHeights(r) + LineAfterRow(r);
    if (y >= ClientHeight()) return std::nullopt;
  }
  return y < ClientHeight() ? std::optional<int>(y) : std::nullopt;
}

TRect TDrawGrid::CellRect(int col, int row) const {
  const auto x = ColLeft(col);
  const auto y = RowTop(row);
  if (!x || !y) return {};
  return Bounds(*x, *y, ColWidths(col), RowHeights(row));
}

bool TDrawGrid::MouseToCell(int x, int y, int& col, int& row) const {
  auto find = [](int pos, int fixed, int first, int count, auto size, auto line) {
    int edge = 0;
    for (int i = 0; i < fixed && i < count; ++i) {
      edge += size(i) + line(i);
      if (pos < edge) return i;
    }
    for (int i = first; i < count; ++i) {
      edge += size(i) + line(i);
      if (pos < edge) return i;
    }
    return -1;
  };
  if (x < 0 || y < 0 || x >= ClientWidth() || y >= ClientHeight()) return false;
  col = find(x, fixedCols_, leftCol_, ColCount(), [this](int c) { return ColWidths(c); },
             [this](int c) { return LineAfterCol(c); });
  row = find(y, fixedRows_, topRow_, RowCount(), [this](int r) { return RowHeights(r); },
             [this](int r) { return LineAfterRow(r); });
  return col >= 0 && row >= 0;
}

// Whole scrollable rows that fit below the fixed rows when the first shown is `from`.
int TDrawGrid::RowsFitting(int from) const {
  int y = FixedHeight(), n = 0;
  for (int r = from; r < RowCount(); ++r) {
    y += RowHeights(r);
    if (y > ClientHeight()) break;
    y += LineAfterRow(r);
    ++n;
  }
  return n;
}

int TDrawGrid::ColsFitting(int from) const {
  int x = FixedWidth(), n = 0;
  for (int c = from; c < ColCount(); ++c) {
    x += ColWidths(c);
    if (x > ClientWidth()) break;
    x += LineAfterCol(c);
    ++n;
  }
  return n;
}

int TDrawGrid::VisibleRowCount() const { return RowsFitting(topRow_); }
int TDrawGrid::VisibleColCount() const { return ColsFitting(leftCol_); }

// The largest top row that still shows the last row whole.
int TDrawGrid::MaxTopRow() const {
  int top = std::max(fixedRows_, RowCount() - 1);
  while (top > fixedRows_ && RowsFitting(top - 1) >= RowCount() - (top - 1)) --top;
  return top;
}

int TDrawGrid::MaxLeftCol() const {
  int left = std::max(fixedCols_, ColCount() - 1);
  while (left > fixedCols_ && ColsFitting(left - 1) >= ColCount() - (left - 1)) --left;
  return left;
}

// ---- selection and scrolling -------------------------------------------------------------

void TDrawGrid::SetCell(int col, int row) {
  if (ColCount() == 0 || RowCount() == 0) return;
  col = std::clamp(col, fixedCols_, std::max(fixedCols_, ColCount() - 1));
  row = std::clamp(row, fixedRows_, std::max(fixedRows_, RowCount() - 1));
  TrySelect(col, row);
}

bool TDrawGrid::TrySelect(int col, int row) {
  if (col == col_ && row == row_) return true;
  bool can = true;
  if (OnSelectCell) OnSelectCell(col, row, can);
  if (!can) return false;
  const int oldCol = std::exchange(col_, col);
  const int oldRow = std::exchange(row_, row);
  ScrollInView(col, row);
  SelectionMoved(oldCol, oldRow);
  return true;
}

void TDrawGrid::ScrollInView(int col, int row) {
  int top = topRow_, left = leftCol_;
  if (row >= fixedRows_) {
    if (row < top) top = row;
    while (top < row && RowsFitting(top) < row - top + 1) ++top;
  }
  if (col >= fixedCols_) {
    if (col < left) left = col;
    while (left < col && ColsFitting(left) < col - left + 1) ++left;
  }
  MoveTopLeft(left, top);
}

void TDrawGrid::SetTopRow(int r) { MoveTopLeft(leftCol_, r); }
void TDrawGrid::SetLeftCol(int c) { MoveTopLeft(c, topRow_); }

void TDrawGrid::MoveTopLeft(int left, int top) {
  left = std::clamp(left, fixedCols_, std::max(fixedCols_, MaxLeftCol()));
  top = std::clamp(top, fixedRows_, std::max(fixedRows_, MaxTopRow()));
  if (left == leftCol_ && top == topRow_) return;
  leftCol_ = left;
  topRow_ = top;
  Changed();
  if (OnTopLeftChanged) OnTopLeftChanged();
}

void TDrawGrid::UpdateScrollBars() {
  syncingBars_ = true;
  const bool vert = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
  const bool horz = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
  // Setting a policy lays the scroll area out again, which resizes the viewport and comes
  // back here: only a change of policy may do that, or the two would call each other forever.
  const Qt::ScrollBarPolicy vertPolicy = vert ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
  const Qt::ScrollBarPolicy horzPolicy = horz ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
  if (verticalScrollBarPolicy() != vertPolicy) setVerticalScrollBarPolicy(vertPolicy);
  if (horizontalScrollBarPolicy() != horzPolicy) setHorizontalScrollBarPolicy(horzPolicy);
  verticalScrollBar()->setRange(fixedRows_, std::max(fixedRows_, MaxTopRow()));
  verticalScrollBar()->setPageStep(std::max(1, VisibleRowCount()));
  verticalScrollBar()->setValue(topRow_);
  horizontalScrollBar()->setRange(fixedCols_, std::max(fixedCols_, MaxLeftCol()));
  horizontalScrollBar()->setPageStep(std::max(1, VisibleColCount()));
  horizontalScrollBar()->setValue(leftCol_);
  // The new ranges may call for a bar to come or go; the outermost call lays them out once
  // more (a nested one would start the endless round again).
  const bool stale = BarStale(*verticalScrollBar(), vertPolicy) || BarStale(*horizontalScrollBar(), horzPolicy);
  if (stale && resizeDepth_ <= 1) setVerticalScrollBarPolicy(vertPolicy);  // lays the bars out
  syncingBars_ = false;
}

bool TDrawGrid::BarStale(const QScrollBar& bar, Qt::ScrollBarPolicy policy) {
  if (policy != Qt::ScrollBarAsNeeded || bar.parentWidget() == nullptr) return false;
  const bool wanted = bar.minimum() < bar.maximum();
  return wanted == bar.parentWidget()->isHidden();
}

void TDrawGrid::scrollContentsBy(int, int) {
  if (syncingBars_) return;
  MoveTopLeft(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

// ---- painting ----------------------------------------------------------------------------

void TDrawGrid::Changed() {
  needsPaint_ = true;
  UpdateScrollBars();
  viewport()->update();
}

void TDrawGrid::SelectionMoved(int oldCol, int oldRow) {
  if (needsPaint_) return;
  const auto cells = [this](int col, int row) {
    if (!(options_ & goRowSelect)) {
      InvalidateCell(col, row);
      return;
    }
    for (int c = 0; c < ColCount(); ++c) InvalidateCell(c, row);
  };
  cells(oldCol, oldRow);
  cells(col_, row_);
}

void TDrawGrid::Invalidate() {
  needsPaint_ = true;
  dirty_ = QRegion();
  viewport()->update();
}

void TDrawGrid::InvalidateCell(int col, int row) {
  const TRect r = CellRect(col, row);
  if (r.IsEmpty() || needsPaint_) return;
  const QRect tile = CellTile(col, row, r).ToQRect();
  dirty_ += tile;
  viewport()->update(tile);
}

TRect TDrawGrid::CellTile(int col, int row, const TRect& r) const {
  return Rect(r.Left, r.Top, r.Right + LineAfterCol(col), r.Bottom + LineAfterRow(row));
}

void TDrawGrid::Repaint() {
  needsPaint_ = true;
  if (viewport()->isVisible()) viewport()->repaint();
  else PaintGrid();
}

void TDrawGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
  if (OnDrawCell) OnDrawCell(col, row, rect, state);
}

void TDrawGrid::PaintGrid() {
  needsPaint_ = false;
  const QSize size = viewport()->size().expandedTo({1, 1});
  if (image_.size() != size) image_ = QImage(size, QImage::Format_RGB32);
  PaintCells(QRegion(image_.rect()));
}

void TDrawGrid::PaintCells(const QRegion& area) {
  dirty_ = QRegion();
  inPaint_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{inPaint_};

  TCanvas& c = canvas_;
  const auto background = [&](const QRect& r) {
    c.ClearClipRect();
    c.SetWindowOrg(0, 0);
    c.Pen = TPen();
    c.Brush = TBrush();
    c.Brush.Color = Color;
    c.FillRect(TRect::FromQRect(r));
  };
  // Cells are painted whole, each on a fresh background; the background also fills what
  // the area holds outside every cell.
  const bool whole = area.rectCount() == 1 && area.boundingRect() == image_.rect();
  struct Cell {
    int col, row;
    TRect rect;
  };
  std::vector<Cell> cells;
  QRegion tiles;
  for (int row = 0; row < RowCount(); ++row) {
    const auto top = RowTop(row);
    if (!top) continue;
    for (int col = 0; col < ColCount(); ++col) {
      const auto left = ColLeft(col);
      if (!left) continue;
      const TRect r = Bounds(*left, *top, ColWidths(col), RowHeights(row));
      if (!whole) {
        const QRect tile = CellTile(col, row, r).ToQRect();
        if (!area.intersects(tile)) continue;
        tiles += tile;
      }
      cells.push_back({col, row, r});
    }
  }
  for (const QRect& r : whole ? area : tiles.united(area)) background(r);
  for (const Cell& cell : cells) PaintCell(cell.col, cell.row, cell.rect);
}

void TDrawGrid::PaintCell(int col, int row, const TRect& r) {
  TCanvas& c = canvas_;
  const TColor lineColor = Color == clSilver ? clGray : clSilver;
  const bool focused = hasFocus();
  const bool fixed = col < fixedCols_ || row < fixedRows_;
  TGridDrawState state = fixed ? TGridDrawState{gdFixed} : 0u;
  const bool current = col == col_ && row == row_;
  if (!fixed && (current || ((options_ & goRowSelect) && row == row_))) state |= gdSelected;
  if (current && focused) state |= gdFocused;

  c.Font = Font;
  c.Pen = TPen();
  c.Brush = TBrush();
  c.Brush.Color = fixed ? FixedColor : Color;
  if (DefaultDrawing && (state & gdSelected) &&
      ((options_ & goDrawFocusSelected) || !(state & gdFocused) || (options_ & goRowSelect))) {
    c.Brush.Color = clHighlight;
    c.Font.Color = clHighlightText;
  }
  if (DefaultDrawing) c.FillRect(r);
  c.SetClipRect(r);
  DrawCell(col, row, r, state);
  c.ClearClipRect();
  c.SetWindowOrg(0, 0);
  if (DefaultDrawing && fixed) {
    // Raised edge of the fixed cells.
    c.Pen = TPen();
    c.Pen.Color = clBtnHighlight;
    c.MoveTo(r.Left, r.Bottom - 1);
    c.LineTo(r.Left, r.Top);
    c.LineTo(r.Right, r.Top);
    c.Pen.Color = clBtnShadow;
    c.MoveTo(r.Right - 1, r.Top + 1);
    c.LineTo(r.Right - 1, r.Bottom - 1);
    c.LineTo(r.Left, r.Bottom - 1);
  }
  if (DefaultDrawing && (state & gdFocused) && !(options_ & goRowSelect) &&
      !(options_ & goDrawFocusSelected))
    c.DrawFocusRect(r);

  // Grid lines to the right of and below the cell.
  c.Brush = TBrush();
  c.Brush.Color = fixed ? clBlack : lineColor;
  const int vw = LineAfterCol(col), hw = LineAfterRow(row);
  if (vw > 0) c.FillRect(Rect(r.Right, r.Top, r.Right + vw, r.Bottom + hw));
  if (hw > 0) c.FillRect(Rect(r.Left, r.Bottom, r.Right + vw, r.Bottom + hw));
}

void TDrawGrid::paintEvent(QPaintEvent* event) {
  if (needsPaint_ || image_.size() != viewport()->size().expandedTo({1, 1})) {
    PaintGrid();
  } else if (!dirty_.isEmpty()) {
    PaintCells(std::exchange(dirty_, QRegion()));
  }
  QPainter p(viewport());
  p.drawImage(event->rect(), image_, event->rect());
}

void TDrawGrid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  ++resizeDepth_;
  struct Leave {
    int& depth;
    ~Leave() { --depth; }
  } leave{resizeDepth_};
  const int top = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, MaxTopRow()));
  const int left = std::clamp(leftCol_, fixedCols_, std::max(fixedCols_, MaxLeftCol()));
  if (top != topRow_ || left != leftCol_) {
    MoveTopLeft(left, top);
  } else {
    Changed();
  }
}

bool TDrawGrid::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Paint) {
    paintEvent(static_cast<QPaintEvent*>(event));
    return true;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

void TDrawGrid::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  Invalidate();
}

void TDrawGrid::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  Invalidate();
}

// ---- input -------------------------------------------------------------------------------

void TDrawGrid::keyPressEvent(QKeyEvent* event) {
  int key = event->key();
  const TShiftState shift = ShiftFromQt(event->modifiers(), Qt::NoButton);
  if (OnKeyDown) OnKeyDown(key, shift);
  if (key == 0) return;
  const bool rowSelect = options_ & goRowSelect;
  const int page = std::max(1, VisibleRowCount());
  int col = col_, row = row_;
  switch (key) {
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_Left: if (rowSelect) SetLeftCol(leftCol_ - 1); else --col; break;
    case Qt::Key_Right: if (rowSelect) SetLeftCol(leftCol_ + 1); else ++col; break;
    case Qt::Key_PageUp: row -= page; break;
    case Qt::Key_PageDown: row += page; break;
    case Qt::Key_Home:
      if (rowSelect || (shift & ssCtrl)) row = fixedRows_;
      if (!rowSelect) col = fixedCols_;
      break;
    case Qt::Key_End:
      if (rowSelect || (shift & ssCtrl)) row = RowCount() - 1;
      if (!rowSelect) col = ColCount() - 1;
      break;
    default:
      QAbstractScrollArea::keyPressEvent(event);
      return;
  }
  col = std::clamp(col, fixedCols_, std::max(fixedCols_, ColCount() - 1));
  row = std::clamp(row, fixedRows_, std::max(fixedRows_, RowCount() - 1));
  if ((col != col_ || row != row_) && TrySelect(col, row) && OnClick) OnClick();
}

void TDrawGrid::mousePressEvent(QMouseEvent* event) {
  if (!hasFocus()) setFocus(Qt::MouseFocusReason);
  const QPoint p = event->position().toPoint();
  int col = 0, row = 0;
  if (event->button() == Qt::LeftButton && MouseToCell(p.x(), p.y(), col, row) &&
      col >= fixedCols_ && row >= fixedRows_)
    TrySelect(col, row);
  MousePressed(*event, event->type() == QEvent::MouseButtonDblClick);
}

void TDrawGrid::mouseMoveEvent(QMouseEvent* event) { MouseMoved(*event); }

void TDrawGrid::mouseReleaseEvent(QMouseEvent* event) {
  MouseReleased(*event, viewport()->rect().contains(event->position().toPoint()));
}

void TDrawGrid::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

// ---- string grid -------------------------------------------------------------------------

TStringGrid::TStringGrid(QWidget* parent) : TDrawGrid(parent) {}

QString TStringGrid::Cells(int col, int row) const {
  if (row < 0 || col < 0 || static_cast<size_t>(row) >= cells_.size()) return {};
  const auto& line = cells_[static_cast<size_t>(row)];
  return static_cast<size_t>(col) < line.size() ? line[static_cast<size_t>(col)] : QString();
}

void TStringGrid::SetCells(int col, int row, const QString& text) {
  if (row < 0 || col < 0) return;
  if (static_cast<size_t>(row) >= cells_.size()) cells_.resize(static_cast<size_t>(row) + 1);
  auto& line = cells_[static_cast<size_t>(row)];
  if (static_cast<size_t>(col) >= line.size()) line.resize(static_cast<size_t>(col) + 1);
  if (line[static_cast<size_t>(col)] == text) return;
  line[static_cast<size_t>(col)] = text;
  InvalidateCell(col, row);
}

void TStringGrid::ClearCells() {
  cells_.clear();
  Invalidate();
}

void TStringGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
  if (DefaultDrawing) Canvas().TextRect(rect, rect.Left + 2, rect.Top + 2, Cells(col, row));
  TDrawGrid::DrawCell(col, row, rect, state);
}
