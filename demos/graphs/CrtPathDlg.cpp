#include "demos/graphs/CrtPathDlg.h"

#include <QLabel>
#include <QMouseEvent>

#include "demos/graphs/Graph.h"
#include "framework/drawkit/BesidePlace.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/KitGlobals.h"
#include "platform/Controls.h"

namespace {

// A table cell over the backdrop: a sunken frame and the text centred; in the activity
// table a critical column is red. Its cells and font follow its size, so that a window
// grown for a large screen shows the same columns in larger cells.
class TResultGrid : public TStringGrid {
 public:
  TResultGrid(QWidget* parent, const TCrtPathDlg* dlg, bool activities)
      : TStringGrid(parent), dlg_(dlg), activities_(activities) {}

  // The table's size at the design: `columns` cells of `unit` pixels across (the first
  // column counting two), `rows` down, in letters `font` pixels high.
  void SetDesignSize(int columns, int rows, int unit, int font) {
    columns_ = columns;
    rows_ = rows;
    font_ = font;
    resize(columns * unit, rows * TCrtPathDlg::RowHeight);
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    TStringGrid::resizeEvent(event);
    if (columns_ < 1 || rows_ < 1) return;
    const int unit = std::max(1, width() / columns_);
    SetDefaultColWidth(unit);
    SetColWidths(0, 2 * unit);
    SetDefaultRowHeight(std::max(1, height() / rows_));
    Font.Height = -std::max(font_, font_ * height() / (rows_ * TCrtPathDlg::RowHeight));
  }

  void DrawCell(int col, int row, const TRect& rect, TGridDrawState) override {
    TCanvas& c = Canvas();
    CopyBackdrop(c, *this, rect);
    Frame3D(c, rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1, clGray, clWhite);
    c.Font = Font;
    if (activities_) c.Font.Color = col > 0 && dlg_->IsCritical(col) ? clRed : clBlue;
    c.SetBkMode(TRANSPARENT);
    const QString text = Cells(col, row);
    c.TextOut(rect.Left + (rect.Right - rect.Left - c.TextWidth(text)) / 2,
              rect.Top + (rect.Bottom - rect.Top - c.TextHeight(text)) / 2, text);
  }

 private:
  const TCrtPathDlg* dlg_;
  bool activities_;
  int columns_ = 0;
  int rows_ = 0;
  int font_ = 16;
};

TSpeedButton* FlatButton(QWidget* parent, const char* name, const QString& caption, const QString& font, int height,
                         TColor color) {
  auto* b = new TSpeedButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  TFont f;
  f.Name = font;
  f.Height = height;
  f.Style = fsBold;
  f.Color = color;
  ApplyFont(*b, f);
  return b;
}

TStringGrid* Table(TStringGrid* grid, const char* name, TColor color) {
  grid->setObjectName(QString::fromLatin1(name));
  grid->SetDefaultColWidth(TCrtPathDlg::ColWidth);
  grid->SetDefaultRowHeight(TCrtPathDlg::RowHeight);
  grid->SetScrollBars(ssNone);
  grid->SetOptions(0);
  grid->SetFixedCols(1);
  grid->Font.Name = QStringLiteral("宋体");
  grid->Font.Height = -16;
  grid->Font.Style = fsBold;
  grid->Font.Color = color;
  grid->setEnabled(false);
  return grid;
}

}  // namespace

TCrtPathDlg::TCrtPathDlg(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("CrtPathDlg"));
  SetCaption(QStringLiteral("关键路径"));
  SetBorderStyle(bsNone);
  SetPosition(poScreenCenter);
  SetClientSize(462, 340);
  CaptionLabel = new QLabel(QStringLiteral("关键路径"), this);
  TFont captionFont;
  captionFont.Name = QStringLiteral("楷体_GB2312");
  captionFont.Height = -19;
  captionFont.Style = fsBold;
  captionFont.Color = clBlue;
  ApplyFont(*CaptionLabel, captionFont);
  CaptionLabel->setGeometry(12, 8, 100, 26);
  VexBevel = new TBevel(this, bsBox, bsRaised);
  ArcBevel = new TBevel(this, bsBox, bsRaised);
  VexGrid = Table(new TResultGrid(this, this, false), "VexGrid", clWindowText);
  VexGrid->SetColCount(2);
  VexGrid->SetRowCount(3);
  ArcGrid = Table(new TResultGrid(this, this, true), "ArcGrid", clBlue);
  ArcGrid->SetColCount(2);
  ArcGrid->SetRowCount(5);
  RightBtn = FlatButton(this, "RightBtn", QStringLiteral(">>"), QStringLiteral("Courier New"), -21, clBlack);
  LeftBtn = FlatButton(this, "LeftBtn", QStringLiteral("<<"), QStringLiteral("Courier New"), -21, clBlack);
  OKBtn = FlatButton(this, "OKBtn", QStringLiteral("确定"), QStringLiteral("楷体_GB2312"), -21, clBlue);
  RightBtn->hide();
  LeftBtn->hide();
  LeftBtn->setEnabled(false);
  RightBtn->OnClick = [this] { RightBtnClick(); };
  LeftBtn->OnClick = [this] { LeftBtnClick(); };
  OKBtn->OnClick = [this] { OKBtnClick(); };
  OnKeyPress = [this](QChar& key) {
    if (key == QChar(13) || key == QChar(27)) OKBtnClick();
  };
  SetKeyPreview(true);
}

void TCrtPathDlg::Fill(const TGraphm& graph, const std::vector<int>& ve, const std::vector<int>& vl, int maxWidth) {
  const int nv = graph.VertexCount();
  ne_ = graph.ArcCount();
  VexGrid->SetColCount(nv + 2);
  VexGrid->SetCells(0, 0, QStringLiteral("顶点"));
  VexGrid->SetCells(0, 1, QStringLiteral("Ve"));
  VexGrid->SetCells(0, 2, QStringLiteral("Vl"));
  for (int v = 1; v <= nv; ++v) {
    const auto i = static_cast<std::size_t>(v);
    VexGrid->SetCells(v, 0, VertexLetter(v));
    VexGrid->SetCells(v, 1, QString::number(ve[i]));
    VexGrid->SetCells(v, 2, QString::number(vl[i]));
  }
  ArcGrid->SetColCount(ne_ + 2);
  const QStringList titles{QStringLiteral("弧"), QStringLiteral("权"), QStringLiteral("e"), QStringLiteral("l"),
                           QStringLiteral("l - e")};
  for (int r = 0; r < 5; ++r) ArcGrid->SetCells(0, r, titles[r]);
  int col = 0;
  for (int u = 1; u <= nv; ++u) {
    for (auto arc = graph.FirstAdj(u); arc; arc = graph.NextAdj(*arc)) {
      const int w = arc->Head;
      const int d = graph.Entry(u, w);
      const int e = ve[static_cast<std::size_t>(u)];
      const int l = vl[static_cast<std::size_t>(w)] - d;
      col += 1;
      ArcGrid->SetCells(col, 0, VertexLetter(u) + VertexLetter(w));
      ArcGrid->SetCells(col, 1, QString::number(d));
      ArcGrid->SetCells(col, 2, QString::number(e));
      ArcGrid->SetCells(col, 3, QString::number(l));
      ArcGrid->SetCells(col, 4, QString::number(l - e));
    }
  }
  // Both tables in cells of one width, wide only where a number needs it.
  int longest = 0;
  for (const TStringGrid* grid : {VexGrid, ArcGrid})
    for (int c = 1; c < grid->ColCount(); ++c)
      for (int r = 0; r < grid->RowCount(); ++r) longest = std::max(longest, static_cast<int>(grid->Cells(c, r).size()));
  // The window as wide as the room it is given allows: fewer activities to a page first, then
  // narrower cells with smaller letters.
  const int wanted = longest > 3 ? WideColWidth : ColWidth;
  const auto widthOf = [&](int unit, int page) { return std::max(nv + 2, std::min(ne_, page) + 2) * unit + 72; };
  int unit = wanted;
  pageSize_ = MostPageSize;
  while (widthOf(unit, pageSize_) > maxWidth && pageSize_ > LeastPageSize) pageSize_ -= 2;
  while (widthOf(unit, pageSize_) > maxWidth && unit > LeastColWidth) unit -= 2;
  const int font = std::max(13, 16 - (wanted - unit) / 2);
  static_cast<TResultGrid*>(VexGrid)->SetDesignSize(nv + 2, 3, unit, font);
  static_cast<TResultGrid*>(ArcGrid)->SetDesignSize(std::min(ne_, pageSize_) + 2, 5, unit, font);
  // Layout around the two tables.
  const int clientWidth = std::max(ArcGrid->width(), VexGrid->width()) + 72;
  VexGrid->move((clientWidth - VexGrid->width()) / 2, 60);
  VexBevel->setGeometry(VexGrid->x() - 2, VexGrid->y() - 2, VexGrid->width() + 4, VexGrid->height() + 4);
  ArcGrid->move((clientWidth - ArcGrid->width()) / 2, VexGrid->height() + 96);
  ArcBevel->setGeometry(ArcGrid->x() - 2, ArcGrid->y() - 2, ArcGrid->width() + 4, ArcGrid->height() + 4);
  const int buttonsTop = ArcBevel->y() + ArcBevel->height() + 10;
  LeftBtn->setGeometry(ArcBevel->x(), buttonsTop, 48, 30);
  RightBtn->setGeometry(ArcBevel->x() + ArcBevel->width() - 48, buttonsTop, 48, 30);
  OKBtn->setGeometry((clientWidth - 81) / 2, buttonsTop + 30, 81, 33);
  LeftBtn->setVisible(ne_ > pageSize_);
  RightBtn->setVisible(ne_ > pageSize_);
  ShowPage(1);
  SetClientSize(clientWidth, OKBtn->y() + OKBtn->height() + 36);
}

bool TCrtPathDlg::IsCritical(int col) const { return ArcGrid->Cells(col, 4) == QLatin1String("0"); }

// The last page shows the last pageSize_ activities.
void TCrtPathDlg::ShowPage(int first) {
  ArcGrid->SetLeftCol(first);
  LeftBtn->setEnabled(first >= 2);
  RightBtn->setEnabled(ne_ - (pageSize_ - 1) > first);
}

void TCrtPathDlg::RightBtnClick() { ShowPage(std::min(ArcGrid->LeftCol() + pageSize_, ne_ - (pageSize_ - 1))); }
void TCrtPathDlg::LeftBtnClick() { ShowPage(std::max(ArcGrid->LeftCol() - pageSize_, 1)); }

void TCrtPathDlg::OKBtnClick() {
  ActivePopup = nullptr;
  SetModalResult(mrOk);
}

void TCrtPathDlg::mousePressEvent(QMouseEvent* event) { dragFrom_ = event->position().toPoint(); }

void TCrtPathDlg::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) move(pos() + event->position().toPoint() - dragFrom_);
}

void ExecuteCrtPathDlg(const TGraphm& graph, const std::vector<int>& ve, const std::vector<int>& vl,
                       const QWidget* beside) {
  TCrtPathDlg dlg;
  // Its design width, which a large screen grows, kept within the room right of the nodes.
  const int room = beside != nullptr ? static_cast<int>(RoomRightOfNodes(*beside) / ScreenScale()) : std::numeric_limits<int>::max();
  dlg.Fill(graph, ve, vl, room);
  if (beside != nullptr) PlaceBesideNodes(dlg, *beside);
  ActivePopup = &dlg;
  dlg.ShowModal();
  ActivePopup = nullptr;
}
