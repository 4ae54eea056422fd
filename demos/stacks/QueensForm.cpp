#include "demos/stacks/QueensForm.h"

#include <algorithm>

#include "framework/drawkit/StackBox.h"
#include "framework/engine/Globals.h"
#include "platform/Application.h"
#include "platform/Pacing.h"
#include "platform/TextRules.h"

namespace {

// num / den (den > 0) to the nearest integer, halves to the even neighbour, computed exactly:
// the board's proportions (0.075, 0.15, 0.4 of a cell) are not exact in binary fractions.
int RoundRatio(int num, int den) {
  int q = num / den;
  int r = num % den;
  if (r < 0) {
    --q;
    r += den;
  }
  if (2 * r > den || (2 * r == den && q % 2 != 0)) ++q;
  return q;
}

// (tenths / 10) x cell, truncated toward zero.
int TruncTenths(int tenths, int cell) { return tenths * cell / 10; }

}  // namespace

// ---------------------------------------------------------------- layout

TQueensBoardLayout::TQueensBoardLayout(int width, int height, int n) : Width(width), Height(height), N(n) {
  CellSize = text::Round(width / (n + 1.5));
  if (const int byHeight = text::Round(height / (n + 3.0)); byHeight < CellSize) CellSize = byHeight;
  BoardLeft = (width - CellSize * n) / 2;
  // One and a half cells above the board for the waiting queens.
  BoardTop = text::Round((height - CellSize * (n + 1.5)) * 0.5 + CellSize * 1.5);
  FrameWidth = RoundRatio(3 * CellSize, 40);
  SpriteSize = CellSize * 4 / 5;
}

QRect TQueensBoardLayout::QueenRect(int c, int r) const {
  const int left = TruncTenths(10 * (c - 1) + 1, CellSize) + BoardLeft;
  const int top = r == 0 ? TruncTenths(-14, CellSize) + BoardTop : TruncTenths(10 * (r - 1) + 1, CellSize) + BoardTop;
  return QRect(left, top, SpriteSize, SpriteSize);
}

QRect TQueensBoardLayout::ColumnStrip(int c) const {
  return QRect(BoardLeft + (c - 1) * CellSize, 0, CellSize, Height);
}

QRect TQueensBoardLayout::ColumnCells(int c) const {
  return QRect(BoardLeft + (c - 1) * CellSize, BoardTop, CellSize, N * CellSize);
}

std::array<QRect, 5> TQueensBoardLayout::FrameBars() const {
  const int side = N * CellSize;
  const int fw = FrameWidth;
  return {QRect(BoardLeft, BoardTop - fw, side, fw), QRect(BoardLeft, BoardTop + side, side, fw),
          QRect(BoardLeft - fw, BoardTop - fw, fw, side + 2 * fw),
          QRect(BoardLeft + side, BoardTop - fw, fw, side + 2 * fw),
          QRect(BoardLeft - RoundRatio(3 * CellSize, 20), BoardTop - RoundRatio(2 * CellSize, 5),
                RoundRatio((10 * N + 3) * CellSize, 10), fw)};
}

// ---------------------------------------------------------------- sliding queen

TQueenAnim::TQueenAnim(TCanvas& canvas, const TQueensForm& form) : TImgAnim(canvas), form_(form) {
  SetBackground(&form.BoardBitmap);
}

void TQueenAnim::CopyBackground(const TRect& r) {
  TImgAnim::CopyBackground(r);
  const int top = std::max(form_.BoardTop, r.Top);
  const int bottom = std::min(form_.BoardTop + form_.FrameWidth, r.Bottom);
  if (top >= bottom) return;
  TCanvas& work = Work.Canvas();
  work.Brush.Style = bsSolid;
  work.Brush.Color = clRed;
  work.FillRect(Rect(0, top - r.Top, r.Width(), bottom - r.Top));
}

// ---------------------------------------------------------------- board window

TQueensForm::TQueensForm(QWidget* parent) : TGraphForm(parent) {
  SetCaption(QStringLiteral("皇后问题"));
  Color = clWhite;
  SetDesignClientSize(428, 355);

  StackBox = Place(new TStackBox(this), 332, 85, 96, 270);
  StackBox->setObjectName(QStringLiteral("StackBox"));
  StackBox->SetLook({.RowCount = 11,
                     .NodeColor = clYellow,
                     .NodeFont = {.Name = QStringLiteral("Courier New"), .Height = -19},
                     .PointerColor = clGreen,
                     .PointerFont = {.Name = QStringLiteral("Courier New"), .Height = -19},
                     .Title = QStringLiteral("Addr    k    i"),
                     .TitleColor = clBlue,
                     .ShowAnimate = true,
                     .FieldColumns = true});

  // FormCreate
  BoardPicture.LoadFromFile(app::ImagePath() + QStringLiteral("QueenBoard.bmp"));
  CheckerBitmap = MakeCheckerBitmap(clBlack);
  for (int p = 1; p <= 3; ++p)
    QueenPictures[static_cast<std::size_t>(p - 1)].LoadFromFile(app::ImagePath() + QStringLiteral("Queen%1.bmp").arg(p));
  QueensForm = this;
}

TQueensForm::~TQueensForm() {
  Active = false;
  if (QueensForm == this) QueensForm = nullptr;
}

TQueensBoardLayout TQueensForm::Layout() const { return TQueensBoardLayout(StackBox->x(), height(), QueenCount); }

QString TQueensForm::QueenNote(int column, int row, int picture, bool current) {
  static const char* const pictures[] = {"placed", "tried", "conflict"};
  return QStringLiteral("%1 %2 %3%4")
      .arg(column)
      .arg(row)
      .arg(QLatin1String(pictures[std::clamp(picture, 1, 3) - 1]), current ? QStringLiteral(" current") : QString());
}

int TQueensForm::PictureOf(int c) const {
  if (c == CurrentColumn) return CurrentPicture;
  if (c > CurrentColumn) return 2;
  return ShowConflicts && CurrentColumn <= QueenCount && Conflict(c, Row(c), CurrentColumn, Row(CurrentColumn)) ? 3 : 1;
}

std::vector<TDrawnShape> TQueensForm::DrawingShapes() const {
  if (!Active) return {};
  const TQueensBoardLayout l = Layout();
  std::vector<TDrawnShape> out;
  for (int c = 1; c <= QueenCount; ++c) {
    // The place drawn says the column and the row: a cell's width per column from the board's
    // left edge, a cell's height per row from its top, above it the waiting place.
    const QRect r = l.QueenRect(c, Row(c));
    const int column = l.CellSize > 0 ? (r.left() - l.BoardLeft) / l.CellSize + 1 : 0;
    const int row = r.top() < l.BoardTop || l.CellSize <= 0 ? 0 : (r.top() - l.BoardTop) / l.CellSize + 1;
    TDrawnShape queen = TDrawnShape::NodeAt(r, QString()).Noted(QueenNote(column, row, PictureOf(c), c == CurrentColumn));
    if (QueenStandsFor)
      queen = queen.StandingFor({.Value = [stands = QueenStandsFor, c] { return stands(c); }, .Part = TValueMeaning::InNote});
    out.push_back(queen);
  }
  return out;
}

void TQueensForm::StartBoard(int n) {
  QueenCount = std::clamp(n, 1, MaxColumns);
  CurrentColumn = 0;
  Rows.fill(0);
  Active = true;
  ShowConflicts = false;
  BuildBoard();
}

namespace {

// Hatches r with the checker pattern: only its dots show, the board stays visible between.
void Stamp(TCanvas& canvas, const QRect& r, const TBitmap& checker) {
  if (r.isEmpty()) return;
  TBitmap stamp(r.width(), r.height());
  stamp.Canvas().Brush.Bitmap = &checker;
  stamp.Canvas().FillRect(Rect(0, 0, r.width(), r.height()));
  stamp.Transparent = true;
  stamp.SetTransparentColor(checker.Canvas().Pixels(0, 0));
  canvas.Draw(r.x(), r.y(), stamp);
}

}  // namespace

void TQueensForm::BuildBoard() {
  const TQueensBoardLayout l = Layout();
  CellSize = l.CellSize;
  BoardLeft = l.BoardLeft;
  BoardTop = l.BoardTop;
  FrameWidth = l.FrameWidth;
  for (std::size_t p = 0; p < QueenSprites.size(); ++p) {
    TBitmap& sprite = QueenSprites[p];
    sprite.SetSize(l.SpriteSize, l.SpriteSize);
    sprite.Canvas().StretchDraw(Rect(0, 0, l.SpriteSize, l.SpriteSize), QueenPictures[p]);
    sprite.Transparent = true;
    sprite.SetTransparentColor(clBlack);
  }
  BoardBitmap.SetSize(std::max(l.Width, 1), std::max(l.Height, 1));
  DrawPictureFitted(BoardBitmap, BoardPicture);
  TCanvas& board = BoardBitmap.Canvas();
  for (int col = 0; col < QueenCount; ++col)
    for (int row = 0; row < QueenCount; ++row)
      if ((col + row) % 2 != 0)
        Stamp(board, QRect(BoardLeft + col * CellSize, BoardTop + row * CellSize, CellSize, CellSize), *CheckerBitmap);
  for (const QRect& bar : l.FrameBars()) Stamp(board, bar, *CheckerBitmap);
  Invalidate();
}

void TQueensForm::Restore(const QRect& r) {
  Canvas().BitBlt(r.x(), r.y(), r.width(), r.height(), BoardBitmap.Canvas(), r.x(), r.y());
}

void TQueensForm::DrawQueen(int c, int picture, bool restore) {
  const QRect r = Layout().QueenRect(c, Row(c));
  if (restore) Restore(r);
  Canvas().Draw(r.x(), r.y(), Sprite(picture));
}

void TQueensForm::DrawColumn(int c, bool restore) {
  if (c < 1 || c > QueenCount) return;
  const TQueensBoardLayout l = Layout();
  if (restore) Restore(l.ColumnStrip(c));
  if (c == CurrentColumn) {
    const QRect cells = l.ColumnCells(c);
    TCanvas& canvas = Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clRed;
    const int fw = FrameWidth;
    canvas.FillRect(Bounds(cells.x(), cells.y(), cells.width(), fw));
    canvas.FillRect(Bounds(cells.x(), cells.y() + cells.height() - fw, cells.width(), fw));
    canvas.FillRect(Bounds(cells.x(), cells.y(), fw, cells.height()));
    canvas.FillRect(Bounds(cells.x() + cells.width() - fw, cells.y(), fw, cells.height()));
  }
  DrawQueen(c, PictureOf(c), false);
}

void TQueensForm::CursorNext() {
  const int old = CurrentColumn;
  ++CurrentColumn;
  DrawColumn(old, true);
  CurrentPicture = 2;
  DrawColumn(CurrentColumn, true);
}

void TQueensForm::CursorBack() {
  const int old = CurrentColumn;
  --CurrentColumn;
  // The column gone back to made its call with its queen placed: it is shown placed until
  // the next line takes it back.
  CurrentPicture = 1;
  DrawColumn(old, true);
  DrawColumn(CurrentColumn, true);
}

void TQueensForm::MoveQueenDown() {
  const int c = CurrentColumn;
  if (c < 1 || c > QueenCount) return;
  const TQueensBoardLayout l = Layout();
  const QRect from = l.QueenRect(c, Row(c));
  int& row = Rows[static_cast<std::size_t>(c - 1)];
  row = row >= QueenCount ? 0 : row + 1;
  const int y0 = from.y();
  const int y1 = l.QueenRect(c, row).y();
  TQueenAnim anim(Canvas(), *this);
  const int frames = (99 - RunSpeed) / 2 + 1;
  for (int j = 0; j <= frames; ++j) {
    anim.MoveTo(from.x(), y0 + (y1 - y0) * j / frames, Sprite(2));
    pacing::Sleep(10);
  }
}

void TQueensForm::SetQueenState(bool placed) {
  CurrentPicture = placed ? 1 : 2;
  if (CurrentColumn >= 1 && CurrentColumn <= QueenCount) DrawQueen(CurrentColumn, CurrentPicture, true);
}

bool TQueensForm::ShowCollision(bool on) {
  ShowConflicts = on;
  const int c = CurrentColumn;
  if (c < 1 || c > QueenCount) return true;
  bool free = true;
  for (int j = 1; j < c; ++j) {
    if (Conflict(j, Row(j), c, Row(c))) {
      free = false;
      DrawQueen(j, PictureOf(j), true);
    }
  }
  return free;
}

void TQueensForm::FormPaint() {
  TGraphForm::FormPaint();
  if (!Active) return;
  Canvas().Draw(0, 0, BoardBitmap);
  // The queens in conflict too, while they are shown (PictureOf).
  for (int c = 1; c <= QueenCount; ++c) DrawColumn(c, false);
}

void TQueensForm::FormResize() {
  TGraphForm::FormResize();
  if (Active) BuildBoard();
}
