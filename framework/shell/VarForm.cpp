#include "framework/shell/VarForm.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/Globals.h"
#include "framework/engine/ZqThemes.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/drawkit/ThemedControls.h"
#include "platform/Grid.h"
#include "platform/Screen.h"

namespace {

constexpr int kPictureSide = 16;
constexpr int kFontHeight = -12;

const char* const kSignNames[] = {"VarStatus_Atom", "VarStatus_Plus", "VarStatus_Minus"};
const char* const kIconNames[] = {"VarBmp_Bool", "VarBmp_Int",  "VarBmp_Float",  "VarBmp_Char",
                                  "VarBmp_Str",  "VarBmp_Ptr",  "VarBmp_Vector", "VarBmp_Record"};

std::unique_ptr<TBitmap> LoadTransparent(const char* name) {
  auto bitmap = LoadPicture(QString::fromLatin1(name) + QStringLiteral(".bmp"));
  if (bitmap) bitmap->Transparent = true;
  return bitmap;
}

TColor ThemeColor(TColor (TZqThemes::*get)() const, TColor fallback) {
  return CurrentThemes ? (CurrentThemes->*get)() : fallback;
}

}  // namespace

TVariableForm::TVariableForm(QWidget* parent)
    : QWidget(parent), rows_([this](const QString& s) { return font_.TextWidth(s); }) {
  setObjectName(QStringLiteral("VariableForm"));
  setWindowFlag(Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("变量"));
  font_.Name = QStringLiteral("Arial");
  font_.Height = -ScaledToScreen(-kFontHeight);

  for (size_t i = 0; i < signs_.size(); ++i) signs_[i] = LoadTransparent(kSignNames[i]);
  for (size_t i = 0; i < icons_.size(); ++i) icons_[i] = LoadTransparent(kIconNames[i]);

  varGrid_ = new TZqStringGrid(this);
  varGrid_->setObjectName(QStringLiteral("VarGrid"));
  varGrid_->setFrameShape(QFrame::NoFrame);
  varGrid_->SetColCount(2);
  varGrid_->SetRowCount(1);
  varGrid_->SetFixedCols(0);
  varGrid_->SetFixedRows(0);
  varGrid_->SetOptions(goRangeSelect);
  varGrid_->SetGridLineWidth(0);
  varGrid_->Color = clSilver;
  varGrid_->DefaultDrawing = false;
  varGrid_->Font = font_;
  varGrid_->SetDefaultRowHeight(
      std::max(kPictureSide + 4, font_.TextHeight(QStringLiteral("变量")) + 4));
  varGrid_->OnDrawCell = [this](int col, int row, const TRect& rect, TGridDrawState) {
    VarGridDrawCell(col, row, rect);
  };
  varGrid_->OnMouseDown = [this](TMouseButton button, TShiftState, int x, int y) {
    int col = 0, row = 0;
    if (button == mbLeft && varGrid_->MouseToCell(x, y, col, row)) VarGridSelectCell(row);
  };
  varGrid_->OnTopLeftChanged = [this] { varGrid_->Invalidate(); };
  varGrid_->SetCells(0, 0, QStringLiteral("变量名"));
  varGrid_->SetCells(1, 0, QStringLiteral("当前值"));
  resize(300, 200);
  ComputeWidths();
}

TVariableForm::~TVariableForm() {
  if (&views::Variables() == this) views::SetVariables(nullptr);
}

int TVariableForm::RowHeight() const { return varGrid_->DefaultRowHeight(); }

// ---- Rows --------------------------------------------------------------------------------

void TVariableForm::ReloadVariables() {
  rows_.Reload(CurrentDemo ? CurrentDemo->Globals() : nullptr,
               CurrentDemo ? CurrentDemo->Locals() : nullptr);
  SyncGrid();
  ComputeWidths();
}

void TVariableForm::UpdateValues() {
  if (!rows_.UpdateValues()) return;
  SyncGrid();
  // A value that grew widens its column at once, so that it is never cut.
  ComputeWidths();
}

void TVariableForm::VarGridSelectCell(int row) {
  if (row < 1 || !rows_.Toggle(row - 1)) return;
  SyncGrid();
  ComputeWidths();
}

void TVariableForm::SyncGrid() {
  varGrid_->SetRowCount(rows_.Count() + 1);
  for (int i = 0; i < rows_.Count(); ++i) {
    varGrid_->SetCells(0, i + 1, rows_.Row(i).Name);
    varGrid_->SetCells(1, i + 1, rows_.Row(i).Value);
  }
}

QString TVariableForm::RowText(int i) const {
  if (i < 0 || i >= rows_.Count()) return {};
  const TVarRow& r = rows_.Row(i);
  const bool marked = r.Changed || r.Mark.contains('#');
  return r.Name + QStringLiteral(" = ") + r.Value + (marked ? QStringLiteral(" *") : QString());
}

// ---- Sizes -------------------------------------------------------------------------------

void TVariableForm::ComputeWidths() {
  nameColWidth_ = std::max(rows_.NameColWidth(), font_.TextWidth(QStringLiteral("变量名")) + 72);
  valueColWidth_ =
      std::max(rows_.ValueColWidth(), font_.TextWidth(QStringLiteral("当前值")) + 36);
  LayoutGrid();
}

void TVariableForm::LayoutGrid() {
  const int rowHeight = std::max(1, RowHeight());
  const int rows = varGrid_->RowCount();
  // Room for a scroll bar only where the rows or the columns do not fit.
  const int vBar = varGrid_->verticalScrollBar()->sizeHint().width();
  const int hBar = varGrid_->horizontalScrollBar()->sizeHint().height();
  bool needV = rows * rowHeight > height();
  bool needH = nameColWidth_ + valueColWidth_ > width() - (needV ? vBar : 0);
  needV = rows * rowHeight > height() - (needH ? hBar : 0);
  const int clientWidth = width() - (needV ? vBar : 0);
  const int clientHeight = height() - (needH ? hBar : 0);
  // The bars are where the sizes say, not where a passing state of the grid put them.
  varGrid_->SetScrollBars(needV ? (needH ? ssBoth : ssVertical) : (needH ? ssHorizontal : ssNone));
  varGrid_->SetColWidths(0, nameColWidth_);
  // The value column reaches the window's right edge when there is room for it.
  varGrid_->SetColWidths(1, std::max(valueColWidth_, clientWidth - nameColWidth_));
  // Whole rows, and no taller than the rows it holds: below them the window shows the
  // backdrop rather than the grid's gray.
  const int shownRows = std::clamp(clientHeight / rowHeight, 1, std::max(1, rows));
  varGrid_->setGeometry(0, 0, width(), shownRows * rowHeight + (needH ? hBar : 0));
  RefreshCells();
}

TVariableForm::CellLook TVariableForm::CommonLook() const {
  CellLook look;
  look.origin = varGrid_->viewport()->mapToGlobal(QPoint(0, 0));
  look.backdrop = BackBitmap ? BackBitmap->Image().cacheKey() : 0;
  look.font = font_;
  look.colours = {ThemeColor(&TZqThemes::VarTitle, clBlack), ThemeColor(&TZqThemes::VarName, clBlue),
                  ThemeColor(&TZqThemes::VarValue, clGreen),
                  ThemeColor(&TZqThemes::ModifiedValue, clRed)};
  return look;
}

TVariableForm::CellLook TVariableForm::LookOf(int col, int row, const CellLook& common) const {
  CellLook look = common;
  look.rect = varGrid_->CellRect(col, row);
  if (row == 0) {
    look.shown = true;
    look.name = varGrid_->Cells(col, 0);
  } else if (row - 1 < rows_.Count()) {
    const TVarRow& r = rows_.Row(row - 1);
    look.shown = true;
    if (col == 1) {  // the value
      look.value = r.Value;
      look.mark = r.Mark;
      look.changed = r.Changed;
    } else {  // the name with its sign and icon
      look.name = r.Name;
      look.level = r.Level;
      look.status = r.Status;
      look.icon = r.Icon;
    }
  }
  return look;
}

void TVariableForm::RefreshCells() {
  const int top = varGrid_->TopRow();
  const int bottom = std::min(varGrid_->RowCount(), top + varGrid_->VisibleRowCount() + 1);
  const CellLook common = CommonLook();
  for (int col = 0; col < varGrid_->ColCount(); ++col) {
    for (int row = 0; row < bottom; ++row) {
      if (varGrid_->CellRect(col, row).IsEmpty()) continue;  // scrolled away
      const auto it = painted_.find({col, row});
      if (it == painted_.end() || !(it->second == LookOf(col, row, common))) varGrid_->InvalidateCell(col, row);
    }
  }
  const std::pair<QPoint, qint64> backdrop(mapToGlobal(QPoint(0, 0)),
                                           BackBitmap ? BackBitmap->Image().cacheKey() : 0);
  if (backdrop != backdrop_) {
    backdrop_ = backdrop;
    update();
  }
}

void TVariableForm::resizeEvent(QResizeEvent*) {
  switch (zoom_.Resized(width(), screen::Width())) {
    case TPaneZoom::ZoomIn:
      varGrid_->SetDefaultRowHeight(RowHeight() * 2);
      font_.Height *= 2;
      break;
    case TPaneZoom::ZoomOut:
      varGrid_->SetDefaultRowHeight(RowHeight() / 2);
      font_.Height /= 2;
      break;
    case TPaneZoom::None: break;
  }
  varGrid_->Font = font_;
  // The widths were measured in the old font.
  rows_.Remeasure();
  ComputeWidths();
}

// ---- Drawing -----------------------------------------------------------------------------

void TVariableForm::paintEvent(QPaintEvent* event) {
  // The part of the window below the grid's whole rows shows the backdrop.
  const QRect area = event->rect() & rect();
  if (area.isEmpty()) return;
  QImage image(area.size(), QImage::Format_RGB32);
  TCanvas canvas(&image);
  canvas.SetWindowOrg(area.left(), area.top());
  CopyBackdrop(canvas, *this, TRect::FromQRect(area), clSilver);
  QPainter(this).drawImage(area.topLeft(), image);
}

void TVariableForm::DrawSign(TCanvas& c, TVarStatus status, int x, int y) {
  const int index = static_cast<int>(status);
  if (const TBitmap* sign = signs_[static_cast<size_t>(index)].get()) {
    c.Draw(x, y, *sign);
    return;
  }
  // Without the picture: a small box with a plus or a minus for a composite.
  if (status == TVarStatus::Atom) return;
  c.Pen = TPen();
  c.Pen.Color = clGray;
  c.Brush.Color = clWhite;
  c.Brush.Style = bsSolid;
  c.Rectangle(x + 3, y + 3, x + 12, y + 12);
  c.Pen.Color = clBlack;
  c.MoveTo(x + 5, y + 7);
  c.LineTo(x + 10, y + 7);
  if (status == TVarStatus::Closed) {
    c.MoveTo(x + 7, y + 5);
    c.LineTo(x + 7, y + 10);
  }
}

void TVariableForm::DrawValue(TCanvas& c, const TVarRow& row, int x, int y) {
  const TColor normal = ThemeColor(&TZqThemes::VarValue, clGreen);
  const TColor modified = ThemeColor(&TZqThemes::ModifiedValue, clRed);
  if (row.Mark.isEmpty()) {
    c.Font.Color = row.Changed ? modified : normal;
    c.TextOut(x, y, row.Value);
    return;
  }
  // Runs of equal marks: unchanged characters in the value colour, changed ones in the
  // modified colour. A run starts clear of the ink of the run before: written apart, a glyph
  // reaching past its cell ("(" before a "w" at 17 px) would stand on the next one.
  const QFontMetrics metrics(c.Font.ToQFont());
  qsizetype start = 0;
  int inkRight = x;
  while (start < row.Value.size()) {
    const QChar mark = start < row.Mark.size() ? row.Mark[start] : QChar(' ');
    qsizetype end = start + 1;
    while (end < row.Value.size() && (end < row.Mark.size() ? row.Mark[end] : QChar(' ')) == mark)
      ++end;
    const QString run = row.Value.mid(start, end - start);
    const QRect ink = metrics.tightBoundingRect(run);
    if (start > 0 && !ink.isEmpty()) x = std::max(x, inkRight + 1 - ink.left());
    c.Font.Color = mark == '#' ? modified : normal;
    c.TextOut(x, y, run);
    if (!ink.isEmpty()) inkRight = x + ink.right() + 1;
    x += c.TextWidth(run);
    start = end;
  }
}

void TVariableForm::VarGridDrawCell(int col, int row, const TRect& rect) {
  painted_[{col, row}] = LookOf(col, row, CommonLook());
  TCanvas& c = varGrid_->Canvas();
  varGrid_->DrawBackdrop(rect);
  c.Pen = TPen();
  Frame3D(c, rect.Left, rect.Top, rect.Right, rect.Bottom, clWhite, clGray);  // a raised edge

  c.Font = font_;
  c.SetBkMode(TRANSPARENT);
  const int textY = rect.Top + (rect.Height() - c.TextHeight(QStringLiteral("变"))) / 2;
  if (row == 0) {
    c.Font.Color = ThemeColor(&TZqThemes::VarTitle, clBlack);
    c.TextOut(rect.Left + 4, textY, varGrid_->Cells(col, 0));
    return;
  }
  if (row - 1 >= rows_.Count()) return;
  const TVarRow& r = rows_.Row(row - 1);
  if (col == 1) {
    DrawValue(c, r, rect.Left + 4, textY);
    return;
  }
  const int x = rect.Left + 16 * r.Level + 1;
  const int picY = rect.Top + (rect.Height() - kPictureSide) / 2;
  DrawSign(c, r.Status, x, picY);
  if (const TBitmap* icon = icons_[static_cast<size_t>(static_cast<int>(r.Icon) - 1)].get())
    c.Draw(x + kPictureSide + 2, picY, *icon);
  c.Font.Color = ThemeColor(&TZqThemes::VarName, clBlue);
  c.SetBkMode(TRANSPARENT);
  c.TextOut(x + 2 * kPictureSide + 4, textY, r.Name);
}
