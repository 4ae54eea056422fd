#include "demos/graphs/TableBase.h"

#include "demos/graphs/Graph.h"
#include "demos/graphs/TextFit.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/KitGlobals.h"

namespace {
// The palest of the sky the table stands on.
constexpr TColor SkyGround = RGB(225, 235, 245);
const std::array<const char*, Ttablebase::Rows> Titles{"VexNum", "Vexdata", "Visited", "Low", "Squlow", "Artpoint"};
}

Ttablebase::Ttablebase(QWidget* parent) : TNodeContainer(parent) {
  for (int c = 1; c <= MaxColumns; ++c) {
    cells_[0][static_cast<std::size_t>(c)] = c;
    cells_[1][static_cast<std::size_t>(c)] = c;
  }
}

bool Ttablebase::Inside(int row, int column) { return row >= 0 && row < Rows && column >= 1 && column <= MaxColumns; }

void Ttablebase::SetTotalnumber(int n) {
  if (n < 0 || n > MaxColumns) return;
  total_ = n;
  Changed();
}

int Ttablebase::GetCell(int row, int column) const {
  return Inside(row, column) ? cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] : 0;
}

void Ttablebase::SetCell(int row, int column, int value) {
  if (!Inside(row, column)) throw ERangeError();
  cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = value;
  Changed();
}

TColor Ttablebase::GetColour(int kind, int column) const {
  if (kind < 1 || kind > 3 || column < 1 || column > MaxColumns) return clWhite;
  return colours_[static_cast<std::size_t>(kind)][static_cast<std::size_t>(column)];
}

void Ttablebase::SetColour(int kind, int column, TColor colour) {
  if (kind < 1 || kind > 3 || column < 1 || column > MaxColumns) throw ERangeError();
  colours_[static_cast<std::size_t>(kind)][static_cast<std::size_t>(column)] = colour;
  Invalidate();
}

void Ttablebase::ClearValues() {
  for (int c = 1; c <= total_; ++c)
    for (int r = 2; r < Rows; ++r) cells_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = 0;
  Changed();
}

QString Ttablebase::CellText(int row, int column) const {
  const int v = GetCell(row, column);
  if (v == 0) return QString();
  return row == 1 || row == 5 ? VertexLetter(v) : QString::number(v);
}

QString Ttablebase::Summary() const {
  QStringList rows;
  for (int r = 2; r < Rows; ++r) {
    QStringList cells{QString::fromLatin1(Titles[static_cast<std::size_t>(r)])};
    for (int c = 1; c <= total_; ++c)
      if (GetCell(r, c) != 0) cells << CellText(r, c);
    rows << cells.join(' ');
  }
  return rows.join(QStringLiteral(" | "));
}

void Ttablebase::Changed() {
  setAccessibleDescription(Summary());
  Invalidate();
}

Ttablebase::TLayout Ttablebase::Layout() const {
  TLayout l;
  l.RowHeight = height() / Rows;
  l.Font.SetSize(std::max(2, std::min(width() / (total_ + 1) / 5, l.RowHeight / 3)));
  // The titles' column is as wide as "VexNum" needs (at least a value column's width), the
  // value columns share the rest; values too wide for theirs are written smaller.
  int titles = 0;
  for (const char* title : Titles) titles = std::max(titles, l.Font.TextWidth(QString::fromLatin1(title)) + 8);
  l.TitleWidth = std::max(width() / (total_ + 1), std::min(titles, width() / 3));
  l.ColumnWidth = total_ > 0 ? (width() - l.TitleWidth) / total_ : 0;
  TTextFit fit{l.Font};
  for (const char* title : Titles) fit.Width(QString::fromLatin1(title), l.TitleWidth - 4);
  fit.Width(QString::number(total_), l.ColumnWidth - 2);
  l.Font.Height = std::max(l.Font.Height, -fit.Em());
  return l;
}

std::vector<TDrawnShape> Ttablebase::DrawingShapes() const {
  const TLayout l = Layout();
  std::vector<TDrawnShape> out;
  for (int r = 0; r < Rows; ++r) {
    for (int col = 1; col <= total_; ++col) {
      TDrawnShape cell = TDrawnShape::CellAt(l.Cell(r, col), CellText(r, col));
      if (r >= 2 && CellMeans) cell = cell.StandingFor(CellMeans(r, col));
      out.push_back(cell);
    }
  }
  return out;
}

void Ttablebase::Paint() {
  TCanvas& c = Canvas();
  CopyBackdrop(c, *this, ClientRect(), groundcolor);
  const TLayout l = Layout();
  const int dy = l.RowHeight / 4 * 3;
  c.Font = l.Font;
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_CENTER | TA_BASELINE);
  c.Font.Color = RGB(255, 0, 0);
  for (int r = 0; r < Rows; ++r)
    c.TextOut(l.TitleWidth / 2, l.RowHeight * r + dy, QString::fromLatin1(Titles[static_cast<std::size_t>(r)]));
  for (int col = 1; col <= total_; ++col) {
    for (int r = 0; r < Rows; ++r) {
      if (GetCell(r, col) == 0) continue;
      const TColor color = r <= 1 ? RGB(0, 0, 255) : r == 2 ? VisitedColor : GetColour(r - 2, col);
      // The colours of the levels on the pale sky behind the table: outlined where too close.
      const QRect cell = l.Cell(r, col);
      TextOutOnGround(c, cell.left() + l.ColumnWidth / 2, cell.top() + dy, CellText(r, col), color, SkyGround);
    }
  }
}
