#include "framework/shell/VarForm.h"

#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/Globals.h"
#include "framework/engine/ZqThemes.h"
#include "framework/shell/Backdrop.h"
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
  setWindowFlag(Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("变量"));
  font_.Name = QStringLiteral("Arial");
  font_.Height = kFontHeight;

  for (size_t i = 0; i < signs_.size(); ++i) signs_[i] = LoadTransparent(kSignNames[i]);
  for (size_t i = 0; i < icons_.size(); ++i) icons_[i] = LoadTransparent(kIconNames[i]);

  varGrid_ = new TStringGrid(this);
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
  varGrid_->Invalidate();
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
  varGrid_->SetColWidths(0, nameColWidth_);
  // The value column reaches the window's right edge when there is room for it.
  varGrid_->SetColWidths(1, std::max(valueColWidth_, clientWidth - nameColWidth_));
  const int wholeRows = std::max(1, clientHeight / rowHeight);
  varGrid_->setGeometry(0, 0, width(), wholeRows * rowHeight + (needH ? hBar : 0));
  varGrid_->Invalidate();
  update();
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

void TVariableForm::paintEvent(QPaintEvent*) {
  // The part of the window below the grid's whole rows shows the backdrop.
  QImage image(size().expandedTo({1, 1}), QImage::Format_RGB32);
  TCanvas canvas(&image);
  CopyBackdrop(canvas, this, Rect(0, 0, width(), height()), clSilver);
  QPainter(this).drawImage(0, 0, image);
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
  // modified colour.
  qsizetype start = 0;
  while (start < row.Value.size()) {
    const QChar mark = start < row.Mark.size() ? row.Mark[start] : QChar(' ');
    qsizetype end = start + 1;
    while (end < row.Value.size() && (end < row.Mark.size() ? row.Mark[end] : QChar(' ')) == mark)
      ++end;
    const QString run = row.Value.mid(start, end - start);
    c.Font.Color = mark == '#' ? modified : normal;
    c.TextOut(x, y, run);
    x += c.TextWidth(run);
    start = end;
  }
}

void TVariableForm::VarGridDrawCell(int col, int row, const TRect& rect) {
  TCanvas& c = varGrid_->Canvas();
  CopyBackdrop(c, varGrid_->viewport(), rect, varGrid_->Color);
  // A raised edge around every cell.
  c.Pen = TPen();
  c.Pen.Color = clWhite;
  c.MoveTo(rect.Left, rect.Bottom - 1);
  c.LineTo(rect.Left, rect.Top);
  c.LineTo(rect.Right - 1, rect.Top);
  c.Pen.Color = clGray;
  c.LineTo(rect.Right - 1, rect.Bottom - 1);
  c.LineTo(rect.Left, rect.Bottom - 1);

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
